#pragma once

#include "clocks/uCategoryEditing.h"
#include "ui/uDialogRunner.h"

#include <QDialog>
#include <vector>

class QListView;
class QPushButton;
class TBaseClockObject;
class TCategoryLinesModel;
class TClockObjList;
class TDBMainBase;

// "Kategorie": the category list, one line per object, where objects are made ("Nowa"),
// edited ("Edycja", or a double click) and deleted ("Usuń"). Closed with "Zamknij" after a
// change, it saves the list.
class TCategoriesForm final : public QDialog {
    Q_OBJECT
public:
    // `store` is the library the object dialog reads songs and labels from; nullptr when no
    // library is open.
    TCategoriesForm(TClockObjList& list, TDBMainBase* store, QWidget* parent = nullptr);
    ~TCategoriesForm() override;

    // Runs the object dialog and the dialogs it opens; replaceable so the window can be
    // driven without a user.
    TDialogRunner DialogRunner = RunModalDialog;

    // "Nowa", "Edycja" and "Usuń", as their buttons run them.
    void NewObject();
    void EditObject();
    void DeleteObjects();

    void done(int result) override;

private:
    std::vector<TBaseClockObject*> SelectedObjects() const;
    void Select(const TBaseClockObject* object);
    void UpdateButtons();

    TClockObjList& FList;
    TDBMainBase* FStore;
    TCategoryWindowModel FWindow;
    TCategoryLinesModel* FLines = nullptr;

    // Named after their members (objectName).
    QListView* lvObjects = nullptr;
    QPushButton* btnNew = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnClose = nullptr;
};
