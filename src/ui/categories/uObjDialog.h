#pragma once

#include "ui/categories/uLibrarySongs.h"
#include "ui/uDialogRunner.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;
class TBaseClockObject;
class TClockObjList;
class TDBMainBase;
class TObjDialogModel;
class TSongLinesModel;

// The object dialog ("Nowa kategoria"): the controls of a basic category, a list or a blank,
// bound to the dialog model that says what they hold, which of them are shown and what OK
// does. The model belongs to the caller, who creates or changes the object after an OK.
class TObjDialog final : public QDialog {
    Q_OBJECT
public:
    // `list` is where a taken name is looked for; `store` the library the songs and labels
    // come from (none: no songs can be added, and "Test" is unavailable).
    TObjDialog(TObjDialogModel& model, const TClockObjList& list, TDBMainBase* store,
               QWidget* parent = nullptr);

    // The clock editor edits an object it shows by name: the name stays as it is.
    void SetNameEditable(bool editable);

    // Runs the dialogs this one opens (the value chooser, the labels, the songs); replaceable
    // so the dialog can be driven without a user.
    TDialogRunner DialogRunner = RunModalDialog;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One box of the characteristics frame: the six characteristics, then the two labels.
    struct TBoxControls {
        QCheckBox* Check = nullptr;
        QLineEdit* Text = nullptr;
        QToolButton* Chooser = nullptr;
    };
    static constexpr int LabelBoxBase = 6;
    static constexpr int BoxCount = 8;

    QWidget* CreateCommonPanel();
    QGroupBox* CreateCharsFrame();
    QWidget* CreateSongsPanel();
    QWidget* CreateInfoPanel();
    void Connect();

    // Puts the model's values and its rules for showing and enabling into the controls.
    void ShowModel();
    void ShowSongCategories();
    void ShowBoxes();
    void ShowSongs();
    void UpdateSongButtons();

    void BoxTicked(int box, bool ticked);
    void ChooseBoxText(int box);
    void AddSong();
    void RemoveSongs();
    void MoveSong(bool up);
    void SelectSong(int row);
    QList<int> SelectedSongRows() const;
    void RunTest();
    void InfoEdited();
    void TryAccept();

    TObjDialogModel& FModel;
    const TClockObjList& FList;
    TLibrarySongs FLibrary;
    bool FNameEditable = true;
    TSongLinesModel* FSongs = nullptr;
    std::array<TBoxControls, BoxCount> FBoxes;

    // Named after their members (objectName).
    QComboBox* cmbKind = nullptr;
    QLineEdit* edtKind = nullptr;
    QLabel* lblDescription = nullptr;
    QLineEdit* edtName = nullptr;
    QComboBox* cmbSCat = nullptr;
    QCheckBox* chbRest = nullptr;
    QCheckBox* chbHPrior = nullptr;
    QLabel* lblSepEnb = nullptr;
    QComboBox* cmbSepEnb = nullptr;
    QLineEdit* edtTime = nullptr;
    QCheckBox* chbExTime = nullptr;
    QGroupBox* gbChars = nullptr;
    QRadioButton* rbAll = nullptr;
    QRadioButton* rbAny = nullptr;
    QPushButton* btnTest = nullptr;
    QWidget* pnlSongs = nullptr;
    QTableView* tvSongs = nullptr;
    QPushButton* btnAddSong = nullptr;
    QPushButton* btnRemoveSongs = nullptr;
    QPushButton* btnSongUp = nullptr;
    QPushButton* btnSongDown = nullptr;
    QLabel* lblSongCount = nullptr;
    QLabel* lblMeanTime = nullptr;
    QCheckBox* chbRepList = nullptr;
    QCheckBox* chbRndList = nullptr;
    QWidget* pnlInfo = nullptr;
    QPlainTextEdit* memInfo = nullptr;
    QPushButton* btnOK = nullptr;
};

// The clock editor's "Edytuj": the object dialog in edit mode on an object of the list (the
// name field disabled unless `nameEditable`); on OK the values go into the object and the
// broadcast items that stand for it follow. False when it was cancelled, or the object is of a
// kind the dialog cannot edit (the user is told). `run` runs the dialog (a modal run when
// empty). The caller saves the list.
bool EditClockObject(TClockObjList& list, TBaseClockObject& object, TDBMainBase* store,
                     QWidget* parent, bool nameEditable, const TDialogRunner& run = {});
