#pragma once

#include "library/uEntityEditing.h"

#include <QAbstractTableModel>
#include <QList>

// The albums of one artist as the albums dialog edits them, in the columns "Tytuł" and "Rok",
// by title in Polish alphabetical order: read from the library once, then changed only here
// until the dialog stores them.
class TAlbumListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn { acTitle, acYear };

    explicit TAlbumListModel(QObject* parent = nullptr);

    // Reads the artist's albums ("Błąd bazy danych: "%s"." is shown when they cannot be).
    void Load(int artistId);
    const QList<TAlbumEntry>& Entries() const { return FEntries; }
    QList<TAlbumEntry>& Entries() { return FEntries; }

    int Count() const { return static_cast<int>(FEntries.size()); }
    // An empty entry out of range.
    const TAlbumEntry& EntryAt(int row) const;
    // The row of the stored album; -1 when it is not listed, and for -1 (every entry not stored
    // yet has that id).
    int RowOfAlbum(int albumId) const;
    // The row of an entry with the title, letter case ignored, other than `exceptRow`; -1.
    int RowOfTitle(const QString& title, int exceptRow = -1) const;

    // A new entry, put in its place by title; its row.
    int Add(const QString& title, int year);
    // The entry's new title and year, moved to its place by title; its new row.
    int Change(int row, const QString& title, int year);
    // Takes the entry off the list (the library keeps a stored album).
    void Remove(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    // Where an entry of the title goes among the others.
    int PlaceOf(const QString& title) const;
    int Insert(TAlbumEntry entry);

    QList<TAlbumEntry> FEntries;
};
