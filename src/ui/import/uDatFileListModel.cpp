#include "ui/import/uDatFileListModel.h"

#include <QBrush>
#include <QColor>
#include <QFileInfo>

namespace {

const char* const kHeaders[TDatFileListModel::colCount] = {"Import",   "Wykonawca",     "Tytuł",
                                                           "Plik dat", "Plik muzyczny", "Status"};

} // namespace

TDatFileListModel::TDatFileListModel(TDatFileList& list, QObject* parent)
    : QAbstractTableModel(parent), FList(list) {}

int TDatFileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FList.size());
}

int TDatFileListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : colCount;
}

TSongData* TDatFileListModel::SongAt(int row) const {
    if (row < 0 || row >= rowCount())
        return nullptr;
    return FList[static_cast<size_t>(row)].Song.get();
}

QVariant TDatFileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TDatFileEntry& entry = FList[static_cast<size_t>(index.row())];
    const TSongData* song = entry.Song.get();
    if (role == Qt::CheckStateRole) {
        if (index.column() != colImport || song == nullptr)
            return {};
        return song->Selected ? Qt::Checked : Qt::Unchecked;
    }
    if (role == Qt::ForegroundRole) {
        // A file that is no song stands out: it will not be imported whatever is ticked.
        if (song == nullptr && index.column() == colStatus)
            return QBrush(QColor(170, 0, 0));
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case colArtist:
        return song ? song->ArtistName : QString();
    case colTitle:
        return song ? song->Title : QString();
    case colDatFile:
        // The whole path only as a tip: the name is what tells the rows apart.
        return role == Qt::ToolTipRole ? entry.DatFile : QFileInfo(entry.DatFile).fileName();
    case colAudioFile:
        return song ? song->FileName : QString();
    case colStatus:
        return entry.Status;
    default:
        return {};
    }
}

bool TDatFileListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    TSongData* song = index.isValid() ? SongAt(index.row()) : nullptr;
    if (song == nullptr || index.column() != colImport || role != Qt::CheckStateRole)
        return false;
    const bool ticked = value.toInt() == Qt::Checked;
    if (song->Selected == ticked)
        return true;
    song->Selected = ticked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit TickedCountChanged();
    return true;
}

Qt::ItemFlags TDatFileListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == colImport && SongAt(index.row()) != nullptr)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant TDatFileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= colCount)
        return {};
    return QString::fromUtf8(kHeaders[section]);
}

void TDatFileListModel::SongChanged(int row) {
    if (SongAt(row) == nullptr)
        return;
    emit dataChanged(index(row, 0), index(row, colCount - 1));
}

int TDatFileListModel::TickedCount() const {
    int ticked = 0;
    for (const TDatFileEntry& entry : FList)
        ticked += entry.IsSong() && entry.Song->Selected ? 1 : 0;
    return ticked;
}
