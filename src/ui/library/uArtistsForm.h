#pragma once

#include "ui/uDialogRunner.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <optional>

class QAction;
class QLabel;
class QPushButton;
class QTableView;
class QToolBar;
class TArtistListModel;
class TDBMainBase;

// How the artist list is opened.
enum class TArtistsFormUse {
    // From the main menu: to look at and edit the artists; closed with "Zamknij".
    Browse,
    // To choose one artist with "OK" or give up with "Anuluj"; artists cannot be deleted here.
    Choose,
};

// The artist the list was left on.
struct TChosenArtist {
    int Id = -1;
    QString Name;
};

// "Wykonawcy": the artists of the library by name, with "Liczba wykonawców:", where artists are
// made ("Nowy"), edited ("Edytuj", or a double click; several at once take only a frequency
// group), deleted with all their songs ("Usuń") and looked for by the beginning of their name
// ("Szukaj"). Every change reads the list again and stands on the artist changed.
//
// The list reads `store`; the edits go to the process-wide library store, which it has to be.
class TArtistsForm final : public QDialog {
    Q_OBJECT
public:
    TArtistsForm(TDBMainBase* store, TArtistsFormUse use, QWidget* parent = nullptr);
    ~TArtistsForm() override;

    // Runs the artist dialog and the find dialog; replaceable so the window can be driven
    // without a user.
    TDialogRunner DialogRunner = RunModalDialog;

    // Stands on the first artist whose name begins with the text, letter case ignored; false,
    // leaving the list as it is, when there is none.
    bool GoToName(const QString& text);
    // The artist of the current row; none without rows.
    std::optional<TChosenArtist> CurrentArtist() const;
    int Count() const;

    // "Nowy", "Edytuj", "Usuń" and "Szukaj", as their actions run them.
    void AddArtist();
    void EditArtists();
    void DeleteSelected();
    void Search();
    // "Statystyka": the plays of the selected artists still in the library, from this week.
    void ShowArtistStats();

    // Runs the statistics window (empty: modally).
    TDialogRunner StatsRunner;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateActions(TArtistsFormUse use);
    void CreateLayout(TArtistsFormUse use);
    // Reads the list again and selects the artists (the first of them the current row);
    // without any of them listed, the row `fallbackRow` (kept within the list).
    void Rerun(const QList<int>& artistIds, int fallbackRow = 0);
    void SelectRows(const QList<int>& rows);
    QList<int> SelectedRows() const;
    void ShowCount();
    void UpdateActions();

    TDBMainBase* FStore;
    bool FChoosing;
    TArtistListModel* FModel = nullptr;
    QString FLastSearch;

    // Named after their members (objectName).
    QToolBar* tbArtists = nullptr;
    QTableView* tvArtists = nullptr;
    QLabel* lblCount = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QAction* acnNew = nullptr;
    QAction* acnEdit = nullptr;
    QAction* acnDelete = nullptr;
    QAction* acnFind = nullptr;
    QAction* acnStats = nullptr;
};

// "&Baza" → "&Wykonawcy": the artist list to look at and edit. `run` runs the list and the
// dialogs it opens (empty: modally).
void BrowseArtists(TDBMainBase* store, QWidget* parent, const TDialogRunner& run = {});

// One artist chosen in the list, which opens on the first artist whose name begins with
// `initialName`; true with its id and name on "OK", false (nothing changed) on "Anuluj" or
// when the list has no artist. `run` runs the list and the dialogs it opens (empty: modally).
bool ChooseArtist(TDBMainBase* store, const QString& initialName, int& artistId,
                  QString& artistName, QWidget* parent, const TDialogRunner& run = {});

// Texts of the artist list.
inline const QString kArtistNotFound = QStringLiteral("Nie znaleziono: %s.");
