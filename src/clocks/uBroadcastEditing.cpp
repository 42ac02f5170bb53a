#include "clocks/uBroadcastEditing.h"

#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "foundation/uPrompt.h"

namespace {

const QString kConfirmDelete = QStringLiteral("Czy na pewno usunąć audycję?");

} // namespace

TBroadcastWindowModel::TBroadcastWindowModel(TBroadcastList& list) : FList(list) {
    Select(0);
}

QStringList TBroadcastWindowModel::Lines() const {
    QStringList lines;
    for (int i = 0; i < FList.BroadcastCount(); ++i)
        lines.append(FList.BroadcastAt(i)->ObjName());
    return lines;
}

void TBroadcastWindowModel::Select(int index) {
    FSelected = index >= 0 && index < FList.BroadcastCount() ? index : -1;
}

TBroadcast* TBroadcastWindowModel::SelectedBroadcast() const {
    return FList.BroadcastAt(FSelected);
}

void TBroadcastWindowModel::SelectBroadcast(const TBroadcast* broadcast) {
    Select(broadcast != nullptr ? FList.IndexOfId(broadcast->Id) : -1);
}

std::unique_ptr<TClock> TBroadcastWindowModel::NewEditor() const {
    return std::make_unique<TClock>(cmBroadcast);
}

TBroadcast* TBroadcastWindowModel::AddNew(const TClock& editor, const QString& name) {
    std::unique_ptr<TBroadcast> broadcast = editor.BroadcastFromRows(name);
    editor.ApplyBroadcastTimes(*broadcast);
    TBroadcast* added = FList.AddBroadcast(std::move(broadcast));
    FList.SetModified(true);
    SelectBroadcast(added);
    return added;
}

std::unique_ptr<TClock> TBroadcastWindowModel::EditEditor() const {
    const TBroadcast* broadcast = SelectedBroadcast();
    if (broadcast == nullptr)
        return nullptr;
    auto editor = std::make_unique<TClock>(cmBroadcast);
    editor->RowsFromBroadcast(*broadcast);
    return editor;
}

void TBroadcastWindowModel::ApplyEdit(const TClock& editor, const QString& name) {
    TBroadcast* broadcast = SelectedBroadcast();
    if (broadcast == nullptr)
        return;
    const bool renamed = broadcast->ObjName() != name;
    editor.BroadcastFromRows(*broadcast, name);
    editor.ApplyBroadcastTimes(*broadcast);
    FList.SetModified(true);
    // A new name has been told already; new times alone change the name shown with them.
    if (!renamed)
        FList.NotifyListeners(nkChanged, broadcast);
}

bool TBroadcastWindowModel::DeleteSelected() {
    const TBroadcast* broadcast = SelectedBroadcast();
    if (broadcast == nullptr || !AskYesNo(kConfirmDelete))
        return false;
    const int index = FSelected;
    FList.DeleteBroadcast(broadcast->Id);
    // The line after the deleted one, or the new last line.
    Select(index < FList.BroadcastCount() ? index : FList.BroadcastCount() - 1);
    return true;
}

TBroadcast* TBroadcastWindowModel::CopySelected(const QString& name) {
    const TBroadcast* source = SelectedBroadcast();
    if (source == nullptr)
        return nullptr;
    auto copy = std::make_unique<TBroadcast>();
    copy->CopyBroadcastPlain(*source);
    TBroadcast* added = FList.AddBroadcast(std::move(copy));
    FList.SetModified(true);
    if (added != nullptr)
        added->SetName(name.left(MaxBroadcastNameLength));
    SelectBroadcast(added);
    return added;
}

bool TBroadcastWindowModel::Close() {
    return FList.SaveBroadcasts();
}
