#pragma once

#include "clocks/uObjDialogModel.h"

#include <memory>
#include <vector>

class TBaseClockObject;
class TClockObjList;

// The category window ("Kategorie") without its window: the lines it shows and what "Nowa",
// "Edycja", "Usuń" and "Zamknij" do to the category list. The window shows the object dialog on
// the model it is handed and calls back once the dialog closed with OK.
class TCategoryWindowModel {
public:
    explicit TCategoryWindowModel(TClockObjList& list) : FList(list) {}

    // Every object of the list, sorted by name with letter case ignored.
    std::vector<TBaseClockObject*> Lines() const;

    // "Nowa": the dialog in new mode; after its OK, the object it describes joins the list.
    // Returns the new object (to select it), or nullptr when the list refused it.
    TObjDialogModel NewDialog() const { return TObjDialogModel(); }
    TBaseClockObject* AddNew(const TObjDialogModel& dialog);

    // "Edycja": the dialog in edit mode on the object; nullptr, after telling the user, for a
    // kind this version cannot edit.
    std::unique_ptr<TObjDialogModel> EditDialog(const TBaseClockObject& object) const;
    // After the dialog's OK: writes its values into the object and lets the broadcast items that
    // stand for it follow. Returns whether the name changed (the lines are then re-sorted).
    bool ApplyEdit(const TObjDialogModel& dialog, TBaseClockObject& object);

    // "Usuń" on the selected objects, in the order of the lines: a predefined one stops the walk
    // with a notice; each other one is deleted after a Yes, and a No stops the walk. Returns the
    // ids deleted (they leave the view also when the walk stopped early).
    std::vector<int> DeleteSelected(const std::vector<TBaseClockObject*>& selected);

    // "Zamknij": closing with OK after any addition, edit or deletion saves the list.
    void Close(bool withOk);
    bool Edited() const { return FEdited; }

private:
    TClockObjList& FList;
    bool FEdited = false;
};
