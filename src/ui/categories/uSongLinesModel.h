#pragma once

#include "ui/categories/uLibrarySongs.h"

#include <QAbstractTableModel>
#include <functional>

// Songs in the columns "Wykonawca" and "Tytuł", optionally "Czas". The songs come from a
// source function called on every Reload, so the view follows whoever owns the songs.
class TSongLinesModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn { scArtist, scTitle, scTime };

    using TSource = std::function<QList<TSongLine>()>;

    TSongLinesModel(TSource source, bool withTime, QObject* parent = nullptr);

    // Reads the songs again.
    void Reload();
    // -1 for an index of no song.
    int SongIdAt(int row) const;
    int Count() const { return static_cast<int>(FLines.size()); }
    QList<int> SongIds() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    TSource FSource;
    bool FWithTime;
    QList<TSongLine> FLines;
};
