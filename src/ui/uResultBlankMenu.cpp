#include "ui/uResultBlankMenu.h"

#include "clocks/uCategory.h"
#include "clocks/uClockObjList.h"

#include <QMenu>
#include <algorithm>

namespace {

// Blank items carry their object's id; other items of the menu carry nothing.
const char* const kBlankIdProperty = "blankId";

bool IsBlank(const TBaseClockObject* object) {
    return object && object->ObjType() == otBlank;
}

// The name as typed: an "&" in it is no accelerator.
QString Caption(const TBaseClockObject& object) {
    QString caption = object.ObjName();
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

TResultBlankMenu::TResultBlankMenu(QMenu& menu, TInsertBlank insertBlank, QObject* parent)
    : QObject(parent), FMenu(menu), FInsertBlank(std::move(insertBlank)) {}

TResultBlankMenu::~TResultBlankMenu() {
    Detach();
}

void TResultBlankMenu::Attach(TClockObjList* list) {
    if (list == FList)
        return;
    Detach();
    FList = list;
    if (!FList)
        return;
    for (int i = 0; i < FList->Count(); ++i)
        if (const TBaseClockObject* object = FList->ObjectAt(i); IsBlank(object))
            AddItem(*object);
    FList->AddListener(this);
}

void TResultBlankMenu::Detach() {
    // The list may have been released before the view; only the one still in force is told.
    if (FList && FList == CategoryList.get())
        FList->RemoveListener(this);
    FList = nullptr;
    for (QAction* action : FMenu.actions())
        if (action->property(kBlankIdProperty).isValid())
            delete action; // a deleted action leaves every widget it was in
}

void TResultBlankMenu::Notify(TNotifyKind kind, TBaseClockObject* object) {
    if (!object)
        return;
    switch (kind) {
    case nkAdded:
        if (IsBlank(object) && !ItemOf(object->Id))
            AddItem(*object);
        break;
    case nkDeleted:
        RemoveItem(object->Id);
        break;
    case nkChanged:
        if (!IsBlank(object))
            RemoveItem(object->Id);
        else if (QAction* item = ItemOf(object->Id))
            item->setText(Caption(*object));
        else
            AddItem(*object);
        break;
    }
}

QAction* TResultBlankMenu::ItemOf(int id) const {
    for (QAction* action : FMenu.actions()) {
        const QVariant tag = action->property(kBlankIdProperty);
        if (tag.isValid() && tag.toInt() == id)
            return action;
    }
    return nullptr;
}

void TResultBlankMenu::AddItem(const TBaseClockObject& blank) {
    if (!FSeparator && HasOtherItems())
        FSeparator = FMenu.addSeparator();
    QAction* item = FMenu.addAction(Caption(blank));
    const int id = blank.Id;
    item->setProperty(kBlankIdProperty, id);
    connect(item, &QAction::triggered, this, [this, id] { Choose(id); });
}

bool TResultBlankMenu::HasOtherItems() const {
    const QList<QAction*> actions = FMenu.actions();
    return std::any_of(actions.begin(), actions.end(), [](const QAction* action) {
        return !action->property(kBlankIdProperty).isValid();
    });
}

void TResultBlankMenu::RemoveItem(int id) {
    delete ItemOf(id);
}

void TResultBlankMenu::Choose(int id) {
    if (!FList || !FInsertBlank)
        return;
    if (const TBaseClockObject* object = FList->FindById(id); IsBlank(object))
        FInsertBlank(static_cast<const TBlankCategory&>(*object));
}
