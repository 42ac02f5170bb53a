#pragma once

#include "library/uSongListQuery.h"
#include "ui/library/uSongProperties.h"
#include "ui/uDialogRunner.h"

#include <QDialog>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolBar;
class QValidator;
class TSongListModel;

// The song chosen in the song list.
struct TPickedSong {
    int Id = -1;
    QString Artist;
    QString Title;
    int TimeMs = -1;
};

// How the song list is opened.
struct TSongsViewUse {
    // Several rows can be selected.
    bool MultiSelect = false;
    // Only to look at: the OK button reads "Zamknij" and there is no "Anuluj".
    bool BrowseOnly = false;
    // The insertable parts of the song-list query (see TSongListQuery).
    QString ExtraTable;
    QString Conditions;
};

// "Utwory": the songs of the library in a grid, narrowed by "Filtruj po:" and "Filtr:", with
// the count of the rows listed.
class TSongsViewForm final : public QDialog {
    Q_OBJECT
public:
    TSongsViewForm(TDBMainBase& store, const TSongsViewUse& use, QWidget* parent = nullptr);

    // The file "Zapisz do pliku tekstowego" writes to; empty for a cancelled dialog.
    std::function<QString()> TextFileChooser;
    // The choosers and the runner of the song window that "&Nowy" and "&Edytuj" open.
    TSongWindowHooks SongWindowHooks;
    // Runs the statistics window of "Statystyka utworu" (empty: modally).
    TDialogRunner StatsRunner;

    // The song of the current row; none without rows.
    std::optional<TPickedSong> CurrentSong() const;
    void SetFilter(TSongColumn column, const QString& text);
    void SetCategoryFilter(int categoryId);
    int Count() const;

    void NewSong();
    void EditSongs();
    void DeleteSongs();
    void PlayCurrentSong();
    // "Statystyka utworu": the plays of the songs acted on, from this week.
    void ShowSongStats();
    bool SaveAsText();

private:
    void CreateActions();
    void CreateLayout(const TSongsViewUse& use);
    void FillCategories();
    void ColumnChosen();
    void ApplyFilter();
    void ShowCount();
    void UpdateActions();
    void GoToRow(int row);
    QList<int> SelectedRows() const;
    // The selected rows, or else the current one: what "&Edytuj" and "&Usuń" act on.
    QList<int> RowsActedOn() const;

    TDBMainBase& FStore;
    bool FMultiSelect;
    TSongListModel* FModel = nullptr;
    QValidator* FTimeChars = nullptr;

    // Named after their members (objectName).
    QComboBox* cmbFiltred = nullptr;
    QLineEdit* edtFilter = nullptr;
    QComboBox* cmbFilter = nullptr;
    QTableView* tvSongs = nullptr;
    QLabel* lblCount = nullptr;
    QToolBar* tbSongs = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QAction* acnNew = nullptr;
    QAction* acnEdit = nullptr;
    QAction* acnDelete = nullptr;
    QAction* acnPlay = nullptr;
    QAction* acnFind = nullptr;
    QAction* acnSaveText = nullptr;
    QAction* acnStats = nullptr;
};

// "&Utwory" → "&Przegladaj": the whole library, several rows at a time, only to look at.
void BrowseSongs(TDBMainBase& store, QWidget* parent, const TDialogRunner& run = {});
// One song, from the songs the conditions leave (empty: the whole library); none on "Anuluj".
std::optional<TPickedSong> PickSong(TDBMainBase& store, const QString& conditions, QWidget* parent,
                                    const TDialogRunner& run = {});
