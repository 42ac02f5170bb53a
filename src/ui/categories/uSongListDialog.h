#pragma once

#include "ui/categories/uLibrarySongs.h"
#include "ui/uDialogRunner.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;
class TSongLinesModel;

// "Utwory": a plain list of songs with their number, either to pick one from ("Dodaj utwór")
// or to look at (what "Test" selects).
class TSongListDialog final : public QDialog {
    Q_OBJECT
public:
    enum class TUse { Choose, Show };

    TSongListDialog(QList<TSongLine> songs, TUse use, QWidget* parent = nullptr);

    // The song picked; -1 when none is.
    int ChosenSongId() const;

private:
    void UpdateControls();

    TUse FUse;
    QList<TSongLine> FSongs;
    TSongLinesModel* FModel = nullptr;

    // Named after their members (objectName).
    QTableView* tvSongs = nullptr;
    QLabel* lblCount = nullptr;
    QPushButton* btnOK = nullptr;
};

// "Dodaj utwór": the song picked among those meeting the conditions (the song list's extra
// conditions); -1 when none was picked. Kept to this one function so the library's own song
// browser can take its place.
int ChooseSong(TLibrarySongs& library, const QString& conditions, const TDialogRunner& run,
               QWidget* parent);

// "Test": shows the songs and how many there are.
void ShowFilteredSongs(const QList<TSongLine>& songs, const TDialogRunner& run, QWidget* parent);
