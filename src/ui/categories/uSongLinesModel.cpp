#include "ui/categories/uSongLinesModel.h"

#include "foundation/uArUtils.h"

TSongLinesModel::TSongLinesModel(TSource source, bool withTime, QObject* parent)
    : QAbstractTableModel(parent), FSource(std::move(source)), FWithTime(withTime) {
    FLines = FSource();
}

void TSongLinesModel::Reload() {
    beginResetModel();
    FLines = FSource();
    endResetModel();
}

int TSongLinesModel::SongIdAt(int row) const {
    return row >= 0 && row < FLines.size() ? FLines[row].Id : -1;
}

QList<int> TSongLinesModel::SongIds() const {
    QList<int> ids;
    for (const TSongLine& line : FLines)
        ids.append(line.Id);
    return ids;
}

int TSongLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FLines.size());
}

int TSongLinesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : (FWithTime ? 3 : 2);
}

QVariant TSongLinesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TSongLine& line = FLines[index.row()];
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
        case scArtist:
            return line.Artist;
        case scTitle:
            return line.Title;
        case scTime:
            return FormatDurationHMS((std::max(line.TimeMs, 0) + 500) / 1000);
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() == scTime)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TSongLinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case scArtist:
        return QStringLiteral("Wykonawca");
    case scTitle:
        return QStringLiteral("Tytuł");
    case scTime:
        return QStringLiteral("Czas");
    default:
        return {};
    }
}
