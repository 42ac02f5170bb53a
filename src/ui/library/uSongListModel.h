#pragma once

#include "library/uSongListQuery.h"

#include <QAbstractTableModel>

// The song list's grid: the eight columns over the library's song list, each row read when it
// is first shown.
class TSongListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    TSongListModel(TDBMainBase& store, const QString& extraTable, const QString& conditions,
                   QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Reads the list again under the filter.
    bool Run(const TSongFilter& filter);
    // The same filter, after the library changed.
    bool Rerun() { return Run(FQuery.Filter()); }

    int SongIdAt(int row) const { return FQuery.SongIdAt(row); }
    int RowOfSong(int songId) const { return FQuery.RowOfSong(songId); }
    const TSongListRow& RowAt(int row) const { return FQuery.RowAt(row); }
    QList<TSongListRow> AllRows() const { return FQuery.AllRows(); }

private:
    // Reading a page is no change of the list.
    mutable TSongListQuery FQuery;
};

// "Czas": minutes, seconds and milliseconds; empty for a length not known.
QString SongTimeText(int msecs);
// "Kategoria nagrania": the name of the song category of that number.
QString SongCategoryName(int category);
