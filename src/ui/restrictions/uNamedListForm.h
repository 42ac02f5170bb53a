#pragma once

#include "ui/uDialogRunner.h"

#include <QDialog>
#include <QString>
#include <vector>

class QListWidget;
class QPushButton;

// One line of a settings list window.
struct TNamedEntry {
    int Id = -1;
    QString Name;
    // Edited and deleted in the window.
    bool Editable = true;
};

// The shape of the windows that edit a settings list of named entries in place: the entries
// by name, "Nowa", "Edycja" (and a double click) and "Usuń" (asked first), "Zamnknij" (enabled
// only while the list is changed) saving the list, and "Anuluj" (or closing the window) putting
// it back as it was when the window opened.
class TNamedListForm : public QDialog {
    Q_OBJECT
public:
    ~TNamedListForm() override;

    // Runs the entry dialog and the dialogs it opens; replaceable so the window can be driven
    // without a user.
    TDialogRunner DialogRunner = RunModalDialog;

    // "Nowa", "Edycja" and "Usuń", as their buttons run them.
    void NewEntry();
    void EditEntry();
    void DeleteEntry();

    void done(int result) override;

protected:
    explicit TNamedListForm(QWidget* parent);

    // Lays the window out around the list (made and named by the derived window) and fills it.
    // Called by the derived constructor, once the hooks below can run.
    void SetUp(QListWidget* list);

    virtual std::vector<TNamedEntry> Entries() const = 0;
    // Each runs its dialog through DialogRunner: the id of the entry made (-1: none), whether
    // the entry was changed.
    virtual int CreateEntry() = 0;
    virtual bool ChangeEntry(int id) = 0;
    virtual void RemoveEntry(int id) = 0;
    virtual bool ListChanged() const = 0;
    virtual void SaveList() = 0;
    virtual void RestoreList() = 0;

private:
    // Lists the entries again and stands on the one with the id, or on the row `fallbackRow`
    // (kept within the list) without it.
    void Fill(int currentId, int fallbackRow = 0);
    // The entry of the current line; nullptr without one.
    const TNamedEntry* CurrentEntry() const;
    void UpdateButtons();

    QListWidget* FList = nullptr;
    // The entries in the order of the lines.
    std::vector<TNamedEntry> FEntries;

    // Named after their members (objectName).
    QPushButton* btnNew = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
};

// Texts of the settings list windows.
inline const QString kDeleteEntryQuestion = QStringLiteral("Czy na pewno chcesz skasować?");
