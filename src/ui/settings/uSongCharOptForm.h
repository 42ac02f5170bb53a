#pragma once

#include "ui/settings/uCharValuesDraft.h"
#include "ui/uDialogRunner.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class TArOptions;

// "Charakterystyki utworu": the values each of the six characteristics offers, added
// ("Dodaj"), edited ("Edycja", or a double click) and removed ("Usuń") on a copy that OK puts
// back into the options and saves to "charakterystyki.xml". Removing a value does not touch the
// songs that carry it, which the window warns about.
class TSongCharOptForm final : public QDialog {
    Q_OBJECT
public:
    explicit TSongCharOptForm(TArOptions& options, QWidget* parent = nullptr);

    // Runs the value dialog; replaceable so the window can be driven without a user.
    TDialogRunner DialogRunner = RunModalDialog;

    // "Dodaj", "Edycja", "Usuń" and "Synchronizacja", as their buttons run them.
    void AddValue();
    void EditCurrent();
    void DeleteCurrent();
    void Synchronize();

    void accept() override;

private:
    int Kind() const;
    int CurrentRow() const;
    // Lists the values of the chosen kind and stands on the row (kept within the list).
    void ShowValues(int row = 0);
    // Refuses a text another value of the kind has, with the message; `except` is the value
    // being edited.
    bool Unique(const QString& text, int except) const;
    void MarkChanged();
    void UpdateButtons();

    TArOptions& FOptions;
    TCharValuesDraft FDraft;

    // Named after their members (objectName).
    QComboBox* cmbChars = nullptr;
    QListWidget* listProps = nullptr;
    QLabel* lblWarning = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnSync = nullptr;
    QPushButton* btnOK = nullptr;
};

// "&Zegar" → "&Charakterystyki utworów" on the process-wide options. True on OK, the values
// then saved. `run` runs the window and the dialogs it opens (empty: modally).
bool EditSongCharacteristics(QWidget* parent, const TDialogRunner& run = {});

// Texts of the characteristics window.
inline const QString kCharValueExists = QStringLiteral("Opcja \"%s\" już istnieje.");
inline const QString kCharSyncMissing = QStringLiteral(
    "Funkcja nie zaimplementowana. Powoduje wyswietlenie wszystkich pozycji z bazy danych "
    "(utworów) które mają nieznaną opcję danej charakterystyki i umożliwia jej zmianę.");
