#pragma once

#include "library/uSongWindowModel.h"
#include "ui/uDialogRunner.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <utility>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimeEdit;
class QToolButton;
class TDBMainBase;
class TSongData;

// What the song window asks of other windows, and how it is run. A chooser left empty leaves
// its "Edycja" doing nothing; the file chooser defaults to the file dialogs.
struct TSongWindowHooks {
    // The performer, chosen among the library's artists starting at the name shown; true with
    // the artist's id and name, false when given up.
    std::function<bool(const QString& initialName, int& artistId, QString& name)> ArtistChooser;
    // The album, chosen among the albums of the artist; true with its id and title.
    std::function<bool(int artistId, int& albumId, QString& title)> AlbumChooser;
    // A label, starting at the one shown; true with its id and value, -1 and empty for no label.
    std::function<bool(const QString& current, int& labelId, QString& value)> LabelChooser;
    // "Przeglądaj": an audio file ("Plik muzyczny"), or a directory in multi-edit, starting at
    // `current`; empty when given up.
    std::function<QString(const QString& current, bool directory)> FileChooser;
    // Runs the song window (empty: modally).
    TDialogRunner Run;
};

// "Właściwości utworu": the pages "Info", "Charakterystyka", "Czasy", "Nagranie", "ZAIKS" and
// "Parametry losowania" bound to the song window model, which says what the fields hold, which
// pages and fields are shown and what OK does. A changed field is shown in bold; in multi-edit a
// toggle before each field says whether it is written.
class TSongProperties final : public QDialog {
    Q_OBJECT
public:
    TSongProperties(TSongWindowModel& model, const TSongWindowHooks& hooks,
                    QWidget* parent = nullptr);

    // OK: closes only when the model has saved what it saves.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls of one field: the multi-edit toggle, the caption (a check box for the cue
    // points and restrictions), the editor and a button beside it.
    struct TFieldControls {
        QToolButton* Toggle = nullptr;
        QWidget* Caption = nullptr;
        QCheckBox* Check = nullptr;
        QList<QWidget*> Editors;
        QWidget* Button = nullptr;
    };

    QWidget* CreateInfoPage();
    QWidget* CreateCharsPage();
    QWidget* CreateTimesPage();
    QWidget* CreateFilePage();
    QWidget* CreateRightsPage();
    QWidget* CreateRestrictionsPage();
    // One row of a page's grid: toggle, caption, editor(s), button.
    void AddRow(QGridLayout& grid, TSongField field, QWidget* caption, QList<QWidget*> editors,
                QWidget* button = nullptr);
    QLineEdit* TimeEdit(const char* name, QWidget* parent);
    // The characteristic lists with their fields.
    std::array<std::pair<TSongField, QComboBox*>, 7> CharLists() const;
    void FillLists();
    void Connect();
    void ConnectTime(TSongField field, QLineEdit* edit);
    void ConnectRestriction(TSongField field, QCheckBox* check, QComboBox* list);

    // Puts the model's values of a page into its controls.
    void ShowPage(TSongPage page);
    // The shown and enabled states, the bold of changed fields and the toggles.
    void ShowStates();
    void PageChosen(int index);

    void ChooseArtist();
    void ChooseAlbum();
    void ChooseLabel(TSongField field);
    void ChooseFile();
    void ReadCharValue(TSongField field, QComboBox* list);
    void ReadCreateDate();
    bool CheckYear2();
    void Changed();

    TSongWindowModel& FModel;
    TSongWindowHooks FHooks;
    std::array<TFieldControls, SongFieldCount> FControls;
    std::array<QWidget*, SongPageCount> FPages{};
    bool FShowing = false;
    bool FCheckingYear2 = false;

    // Named after their members (objectName).
    QTabWidget* pcPages = nullptr;
    QWidget* pnlMain = nullptr;
    QLineEdit* edtArtist = nullptr;
    QPushButton* btnArtist = nullptr;
    QLineEdit* edtTitle = nullptr;
    QLineEdit* edtAlbum = nullptr;
    QPushButton* btnAlbum = nullptr;
    QLineEdit* edtInfo = nullptr;
    QComboBox* cmbCategory = nullptr;
    QLineEdit* edtLabel1 = nullptr;
    QPushButton* btnLabel1 = nullptr;
    QLineEdit* edtLabel2 = nullptr;
    QPushButton* btnLabel2 = nullptr;
    QComboBox* cmbType = nullptr;
    QComboBox* cmbTempo = nullptr;
    QComboBox* cmbTempoIn = nullptr;
    QComboBox* cmbTempoOut = nullptr;
    QComboBox* cmbVocal = nullptr;
    QComboBox* cmbAtmosphere = nullptr;
    QComboBox* cmbLanguage = nullptr;
    QLineEdit* edtYear = nullptr;
    QLineEdit* edtSongTime = nullptr;
    QCheckBox* chbIntro = nullptr;
    QLineEdit* edtIntro = nullptr;
    QCheckBox* chbOutro = nullptr;
    QLineEdit* edtOutro = nullptr;
    QCheckBox* chbFadeIn = nullptr;
    QLineEdit* edtFadeIn = nullptr;
    QCheckBox* chbFadeOut = nullptr;
    QLineEdit* edtFadeOut = nullptr;
    QCheckBox* chbMix = nullptr;
    QLineEdit* edtMix = nullptr;
    QCheckBox* chbNStart = nullptr;
    QLineEdit* edtNStart = nullptr;
    QCheckBox* chbNEnd = nullptr;
    QLineEdit* edtNEnd = nullptr;
    QLineEdit* edtCompress = nullptr;
    QComboBox* cmbFrequ = nullptr;
    QComboBox* cmbMode = nullptr;
    QComboBox* cmbQuality = nullptr;
    QLineEdit* edtFile = nullptr;
    QPushButton* btnBrowse = nullptr;
    QLineEdit* edtCode = nullptr;
    QDateEdit* dtpDate = nullptr;
    QTimeEdit* dtpTime = nullptr;
    QLineEdit* edtComposer = nullptr;
    QLineEdit* edtTextAuthor = nullptr;
    QLineEdit* edtProducer = nullptr;
    QLineEdit* edtPublisher = nullptr;
    QLineEdit* edtYear2 = nullptr;
    QCheckBox* chbTimeRest1 = nullptr;
    QComboBox* cmbTimeRest1 = nullptr;
    QCheckBox* chbTimeRest2 = nullptr;
    QComboBox* cmbTimeRest2 = nullptr;
    QCheckBox* chbTimeRest3 = nullptr;
    QComboBox* cmbTimeRest3 = nullptr;
    QCheckBox* chbFreqRest = nullptr;
    QComboBox* cmbFreqRest = nullptr;
    QPushButton* btnOK = nullptr;
};

// "&Nowy" of the song list: a new song; true when it was added, with its id.
bool NewSong(TDBMainBase& store, QWidget* parent, int& newSongId,
             const TSongWindowHooks& hooks = {});
// "&Edytuj" on one song: true on OK (its changed sections are written).
bool EditSong(TDBMainBase& store, int songId, QWidget* parent, const TSongWindowHooks& hooks = {});
// "&Edytuj" on several songs: true when anything was written to them.
bool EditSongs(TDBMainBase& store, const QList<int>& songIds, QWidget* parent,
               const TSongWindowHooks& hooks = {});
// A song of an import list, on its "Info" page only: true on OK, with the performer, title,
// album, description and category written back into the record.
bool EditImportedSong(TSongData& song, QWidget* parent, const TSongWindowHooks& hooks = {});
