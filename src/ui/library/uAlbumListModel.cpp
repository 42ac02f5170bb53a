#include "ui/library/uAlbumListModel.h"

#include "library/uDBCollation.h"

namespace {

const TAlbumEntry NoAlbum;

bool TitleBefore(const QString& a, const QString& b) {
    return ComparePolishTexts(a, b) < 0;
}

} // namespace

TAlbumListModel::TAlbumListModel(QObject* parent) : QAbstractTableModel(parent) {}

void TAlbumListModel::Load(int artistId) {
    beginResetModel();
    FEntries = ArtistAlbums(artistId);
    endResetModel();
}

const TAlbumEntry& TAlbumListModel::EntryAt(int row) const {
    return row >= 0 && row < FEntries.size() ? FEntries[row] : NoAlbum;
}

int TAlbumListModel::RowOfAlbum(int albumId) const {
    if (albumId == -1)
        return -1;
    for (int row = 0; row < FEntries.size(); ++row)
        if (FEntries[row].Id == albumId)
            return row;
    return -1;
}

int TAlbumListModel::RowOfTitle(const QString& title, int exceptRow) const {
    for (int row = 0; row < FEntries.size(); ++row)
        if (row != exceptRow && FEntries[row].Title.compare(title, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

int TAlbumListModel::PlaceOf(const QString& title) const {
    int row = 0;
    while (row < FEntries.size() && !TitleBefore(title, FEntries[row].Title))
        ++row;
    return row;
}

int TAlbumListModel::Insert(TAlbumEntry entry) {
    const int row = PlaceOf(entry.Title);
    beginInsertRows(QModelIndex(), row, row);
    FEntries.insert(row, std::move(entry));
    endInsertRows();
    return row;
}

int TAlbumListModel::Add(const QString& title, int year) {
    return Insert({-1, title, year, false});
}

int TAlbumListModel::Change(int row, const QString& title, int year) {
    if (row < 0 || row >= FEntries.size())
        return -1;
    TAlbumEntry entry = FEntries[row];
    entry.Title = title;
    entry.Year = year;
    entry.Changed = true;
    Remove(row);
    return Insert(std::move(entry));
}

void TAlbumListModel::Remove(int row) {
    if (row < 0 || row >= FEntries.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    FEntries.removeAt(row);
    endRemoveRows();
}

int TAlbumListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int TAlbumListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant TAlbumListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.parent().isValid() || index.row() >= FEntries.size() ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const TAlbumEntry& entry = FEntries[index.row()];
    switch (index.column()) {
    case acTitle:
        return entry.Title;
    case acYear:
        return entry.Year == -1 ? QString() : QString::number(entry.Year);
    default:
        return {};
    }
}

QVariant TAlbumListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case acTitle:
        return QStringLiteral("Tytuł");
    case acYear:
        return QStringLiteral("Rok");
    default:
        return {};
    }
}
