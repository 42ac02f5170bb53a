#pragma once

#include "ui/uDialogRunner.h"

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class TAlbumListModel;
class TDBMainBase;

// The album chosen in the albums dialog.
struct TChosenAlbum {
    int Id = -1;
    QString Title;
};

// "Albumy": the albums of one artist, edited as a list ("Dodaj" a title with its year, "Zmień"
// the selected album's title and year, "Usuń" it from the list) and stored on "OK", which then
// gives the selected album. An album taken off the list stays in the library, with the songs
// that refer to it.
class TAlbumsDialog final : public QDialog {
    Q_OBJECT
public:
    // The albums of the artist, the album `albumId` selected when it is listed.
    TAlbumsDialog(int artistId, int albumId, QWidget* parent = nullptr);
    ~TAlbumsDialog() override;

    // The selected album; after "OK" with the id it was stored under. None without a
    // selection.
    std::optional<TChosenAlbum> Chosen() const;

    // "Dodaj", "Zmień" and "Usuń", as their buttons run them.
    void AddAlbum();
    void ChangeAlbum();
    void RemoveAlbum();

    // Stores the list; stays open when that fails (the failure has been shown).
    void accept() override;

private:
    int SelectedRow() const;
    void Select(int row);
    void ShowSelected();
    // The year typed; -1 for none.
    int Year() const;
    void UpdateButtons();

    int FArtistId;
    TAlbumListModel* FModel = nullptr;

    // Named after their members (objectName).
    QLabel* lblArtist = nullptr;
    QTableView* tvAlbums = nullptr;
    QLineEdit* edtTitle = nullptr;
    QLineEdit* edtYear = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnChange = nullptr;
    QPushButton* btnRemove = nullptr;
    QPushButton* btnOK = nullptr;
};

// An album of the artist, chosen in the albums dialog, which opens on `albumId`; true on "OK"
// with the album's id and title (the edits of the list stored), false (nothing changed) on
// "Anuluj" or for artist -1. The albums are read and stored through the process-wide library
// store, which `store` has to be (nullptr: no library open, nothing chosen). `run` runs the
// dialog (empty: modally).
bool ChooseAlbum(TDBMainBase* store, int artistId, int& albumId, QString& albumTitle,
                 QWidget* parent, const TDialogRunner& run = {});

// The longest album title the library keeps.
inline constexpr int kAlbumTitleMax = 50;
