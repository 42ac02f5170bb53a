#include "ui/library/uSongListModel.h"

#include "foundation/uArUtils.h"
#include "settings/uSettings.h"

QString SongTimeText(int msecs) {
    return msecs < 0 ? QString() : FormatDurationMs(msecs, false);
}

QString SongCategoryName(int category) {
    return Options ? Options->Categories().NameById(category) : QString();
}

TSongListModel::TSongListModel(TDBMainBase& store, const QString& extraTable,
                               const QString& conditions, QObject* parent)
    : QAbstractTableModel(parent), FQuery(store, extraTable, conditions) {}

int TSongListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FQuery.Count();
}

int TSongListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : SongColumnCount;
}

QVariant TSongListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.parent().isValid() ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const TSongListRow& row = FQuery.RowAt(index.row());
    switch (static_cast<TSongColumn>(index.column())) {
    case TSongColumn::Artist:
        return row.Artist;
    case TSongColumn::Title:
        return row.Title;
    case TSongColumn::Time:
        return SongTimeText(row.TimeMs);
    case TSongColumn::Album:
        return row.Album;
    case TSongColumn::Category:
        return SongCategoryName(row.Category);
    case TSongColumn::Label1:
        return row.Label1;
    case TSongColumn::Label2:
        return row.Label2;
    case TSongColumn::Info:
        return row.Info;
    }
    return {};
}

QVariant TSongListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= SongColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return SongColumnTitle(static_cast<TSongColumn>(section));
}

bool TSongListModel::Run(const TSongFilter& filter) {
    beginResetModel();
    const bool read = FQuery.Run(filter);
    endResetModel();
    return read;
}
