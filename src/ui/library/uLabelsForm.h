#pragma once

#include "ui/uDialogRunner.h"

#include <QDialog>
#include <QString>
#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolBar;
class TDBMainBase;
class TLabelListModel;

// How the label list is opened.
enum class TLabelsFormUse {
    // From the main menu: labels made, renamed and deleted; closed with "OK" alone.
    Manage,
    // To give a song a label or none: "Brak etykiety" or "Wybierz etykietę" and a label of the
    // list, then "OK" or "Anuluj".
    Choose,
};

// The label the list was left on; -1 and empty for "Brak etykiety".
struct TChosenLabel {
    int Id = -1;
    QString Value;
};

// "Etykiety": the labels of the library by value, with "Liczba etykiet: ", where labels are
// made ("Nowa"), renamed ("Edycja", or a double click), deleted ("Usuń") and looked for by
// the beginning of their value ("Szukaj"); these work only while "Wybierz etykietę" is chosen.
// Every change reads the list again and stands on the label changed.
//
// The list reads `store`; the edits go to the process-wide library store, which it has to be.
class TLabelsForm final : public QDialog {
    Q_OBJECT
public:
    // Stands on the label `currentValue` (letter case ignored); choosing, an empty value starts
    // at "Brak etykiety" with the list disabled.
    TLabelsForm(TDBMainBase* store, TLabelsFormUse use, const QString& currentValue = {},
                QWidget* parent = nullptr);
    ~TLabelsForm() override;

    // Runs the label dialog and the find dialog; replaceable so the window can be driven
    // without a user.
    TDialogRunner DialogRunner = RunModalDialog;

    // "Brak etykiety": -1 and empty; otherwise the label of the current row, none without one.
    std::optional<TChosenLabel> Choice() const;
    int Count() const;

    // "Nowa", "Edycja", "Usuń" and "Szukaj", as their actions run them.
    void CreateLabel();
    void RenameCurrent();
    void DeleteCurrent();
    void Search();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateActions();
    void CreateLayout(TLabelsFormUse use);
    // Reads the list again and stands on the label, or without it on the row `fallbackRow`
    // (kept within the list).
    void Rerun(int labelId, int fallbackRow = 0);
    void GoToRow(int row);
    // "Wybierz etykietę" chosen (always so without the choice panel).
    bool WithLabel() const;
    int CurrentRow() const;
    void ShowCount();
    void UpdateActions();

    TDBMainBase* FStore;
    bool FChoose;
    TLabelListModel* FModel = nullptr;
    QString FLastSearch;

    // Named after their members (objectName).
    QToolBar* tbLabels = nullptr;
    QGroupBox* gbChoice = nullptr;
    QRadioButton* rbNoLabel = nullptr;
    QRadioButton* rbChooseLabel = nullptr;
    QTableView* tvLabels = nullptr;
    QLabel* lblCount = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QAction* acnNew = nullptr;
    QAction* acnEdit = nullptr;
    QAction* acnDelete = nullptr;
    QAction* acnFind = nullptr;
};

// "&Baza" → "&Etykiety": the label list to manage. `run` runs the list and the dialogs it opens
// (empty: modally).
void ManageLabels(TDBMainBase* store, QWidget* parent, const TDialogRunner& run = {});

// A label for a song, the list standing on `currentValue` (empty: "Brak etykiety"). True on
// "OK" with the label's id and value, -1 and empty for "Brak etykiety"; false (nothing
// changed) on "Anuluj". `run` runs the list and the dialogs it opens (empty: modally).
bool ChooseLabel(TDBMainBase* store, const QString& currentValue, int& labelId, QString& value,
                 QWidget* parent, const TDialogRunner& run = {});

// A label picked from the list as it is managed (no "Brak etykiety", no "Anuluj"): the label
// the list was left on when closed with "OK"; nothing when the list was closed otherwise or
// stood on no label. `run` runs the list and the dialogs it opens (empty: modally).
std::optional<TChosenLabel> PickLabel(TDBMainBase* store, QWidget* parent,
                                      const TDialogRunner& run = {});

// Texts of the label list.
inline const QString kLabelNotFound = QStringLiteral("Nie znaleziono etykiety \"%s\".");
