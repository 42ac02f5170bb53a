#pragma once

#include "import/uDatFileList.h"

#include <QAbstractTableModel>

// The import list: one row per chosen ".dat" file, over the list the reading filled (not a
// copy). A song row has a tick box in "Import" that is the song's Selected; a file that is no
// song shows only its name and its status, and cannot be ticked.
class TDatFileListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn { colImport, colArtist, colTitle, colDatFile, colAudioFile, colStatus, colCount };

    // `list` must outlive the model.
    explicit TDatFileListModel(TDatFileList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The song of the row; nullptr for a file that is no song.
    TSongData* SongAt(int row) const;
    // The row's song was changed outside the model (its window).
    void SongChanged(int row);
    // How many songs are ticked.
    int TickedCount() const;

signals:
    void TickedCountChanged();

private:
    TDatFileList& FList;
};
