#pragma once

#include "import/uDatFileList.h"
#include "import/uImportRun.h"
#include "ui/library/uSongProperties.h"

#include <QDialog>

class IImportChoices;
class QLabel;
class QModelIndex;
class QPushButton;
class QTableView;
class TDatFileListModel;

// "Import z plików dat", the list of what the chosen files hold: the user unticks the songs
// not wanted and corrects a song in its window (double click) before "Import" stores the
// ticked ones in the progress window. Closes with "Import" once the songs are stored, also
// after "Przerwij" (what was stored stays); "Anuluj" stores nothing.
class TDatFileListForm final : public QDialog {
    Q_OBJECT
public:
    // `list` and `choices` must outlive the window.
    TDatFileListForm(TDatFileList& list, IImportChoices& choices, QWidget* parent = nullptr);

    // The song window opened by a double click.
    TSongWindowHooks SongWindow;

    TDatFileListModel* Model() const { return FModel; }
    const TImportResult& Result() const { return FResult; }

    // "Import".
    void accept() override;

private:
    void EditSongAt(const QModelIndex& index);
    void ShowTickedCount();

    TDatFileList& FList;
    IImportChoices& FChoices;
    TDatFileListModel* FModel = nullptr;
    TImportResult FResult;

    // Named after their members (objectName).
    QTableView* gridFiles = nullptr;
    QLabel* lblTicked = nullptr;
    QPushButton* btnOK = nullptr;
};

// Shown when "Przerwij" stopped the storing: how many of the ticked songs are in the library.
inline const QString kImportStopped =
    QStringLiteral("Import przerwany. Zapisano %1 z %2 zaznaczonych utworów.");
