#pragma once

#include "clocks/uNotifyListener.h"

#include <QObject>
#include <functional>

class QAction;
class QMenu;
class TBlankCategory;
class TClockObjList;

// The blank items of the play-list view's "&Dodaj" menu: one per blank object of the category
// list, captioned with its name, in list order, kept up to date while the list changes.
class TResultBlankMenu final : public QObject, public INotifyListener {
    Q_OBJECT
public:
    using TInsertBlank = std::function<void(const TBlankCategory&)>;

    // Fills `menu` from `list` (none: empty until attached) and follows it. A chosen item's
    // object is looked up again, so an item never acts on an object that is gone.
    TResultBlankMenu(QMenu& menu, TInsertBlank insertBlank, QObject* parent = nullptr);
    ~TResultBlankMenu() override;

    // Starts following the list (again); nothing when it is the one followed already.
    void Attach(TClockObjList* list);
    void Detach();
    TClockObjList* List() const { return FList; }

    void Notify(TNotifyKind kind, TBaseClockObject* object) override;

    // The item of the blank object with the id; nullptr when none.
    QAction* ItemOf(int id) const;

private:
    void AddItem(const TBaseClockObject& blank);
    void RemoveItem(int id);
    // Items of the menu that are not blank items (the separator counts once it is there).
    bool HasOtherItems() const;
    void Choose(int id);

    QMenu& FMenu;
    TInsertBlank FInsertBlank;
    TClockObjList* FList = nullptr;
    // Put in front of the first blank item, once, when other items come before the blanks.
    QAction* FSeparator = nullptr;
};
