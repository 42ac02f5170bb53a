#include "clocks/uCategoryEditing.h"

#include "clocks/uClockObjList.h"
#include "foundation/uPrompt.h"

#include <algorithm>

namespace {

const QString kKindUnavailable =
    QStringLiteral("Kategoria tego typu jest niedostępna w tej wersji programu.");
const QString kPredefinedNotDeleted =
    QStringLiteral("Ta ketoegoria nie może zostać usunięta, ponieważ jest to kategoria "
                   "predefiniowana.");
const QString kConfirmDelete = QStringLiteral("Czy na pewno usunąć kategorię?");

} // namespace

std::vector<TBaseClockObject*> TCategoryWindowModel::Lines() const {
    std::vector<TBaseClockObject*> lines;
    for (int i = 0; i < FList.Count(); ++i)
        lines.push_back(FList.ObjectAt(i));
    std::stable_sort(lines.begin(), lines.end(),
                     [](const TBaseClockObject* a, const TBaseClockObject* b) {
                         return a->ObjName().compare(b->ObjName(), Qt::CaseInsensitive) < 0;
                     });
    return lines;
}

TBaseClockObject* TCategoryWindowModel::AddNew(const TObjDialogModel& dialog) {
    TBaseClockObject* added = FList.AddObject(dialog.CreateObject(), -1);
    if (added != nullptr)
        FEdited = true;
    return added;
}

std::unique_ptr<TObjDialogModel>
TCategoryWindowModel::EditDialog(const TBaseClockObject& object) const {
    if (std::find(SelectableObjKinds.begin(), SelectableObjKinds.end(), object.ObjType()) ==
        SelectableObjKinds.end()) {
        ShowInformation(kKindUnavailable);
        return nullptr;
    }
    return std::make_unique<TObjDialogModel>(object);
}

bool TCategoryWindowModel::ApplyEdit(const TObjDialogModel& dialog, TBaseClockObject& object) {
    const bool renamed = dialog.Name() != object.ObjName();
    dialog.ApplyTo(object);
    object.UpdateListeners();
    FEdited = true;
    return renamed;
}

std::vector<int>
TCategoryWindowModel::DeleteSelected(const std::vector<TBaseClockObject*>& selected) {
    std::vector<int> deleted;
    for (const TBaseClockObject* object : selected) {
        const int id = object->Id;
        if (FList.IsPredefined(id)) {
            ShowInformation(kPredefinedNotDeleted);
            break;
        }
        if (!AskYesNo(kConfirmDelete))
            break;
        FList.DeleteById(id);
        deleted.push_back(id);
        FEdited = true;
    }
    return deleted;
}

void TCategoryWindowModel::Close(bool withOk) {
    if (!withOk || !FEdited)
        return;
    FList.SetModified(true);
    FList.SaveCategories(false);
}
