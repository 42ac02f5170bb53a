#include "ui/uClockTreeModel.h"

#include "clocks/uClock.h"

#include <QColor>
#include <QFont>

namespace {

// The clock's colours, written as the station's colour values are (blue, green, red).
QColor FromBgr(unsigned bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

const QColor FixedColour = FromBgr(0x800040);
const QColor ItemEvenBackground = FromBgr(0xDDDDDD);
const QColor ItemOddBackground = FromBgr(0xEEFFFF);
const QColor OddRowBackground = FromBgr(0xEEEEEE);

} // namespace

TClockTreeModel::TClockTreeModel(TClock& clock, QObject* parent)
    : QAbstractItemModel(parent), FClock(clock) {}

void TClockTreeModel::Reload() {
    beginResetModel();
    endResetModel();
}

TClockObjData* TClockTreeModel::RowAt(const QModelIndex& index) const {
    return index.isValid() ? static_cast<TClockObjData*>(index.internalPointer()) : nullptr;
}

QModelIndex TClockTreeModel::IndexOf(const TClockObjData* row, int column) const {
    const int position = row ? FClock.IndexOfRow(row) : -1;
    if (position < 0)
        return {};
    return createIndex(position, column, const_cast<TClockObjData*>(row));
}

QModelIndex TClockTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column < 0 || column >= ClockColumnCount || row < 0)
        return {};
    if (!parent.isValid()) {
        TClockObjData* top = FClock.Row(row);
        return top ? createIndex(row, column, top) : QModelIndex();
    }
    const TClockObjData* owner = RowAt(parent);
    if (!owner || row >= int(owner->Children.size()))
        return {};
    return createIndex(row, column, owner->Children[row].get());
}

QModelIndex TClockTreeModel::parent(const QModelIndex& index) const {
    const TClockObjData* row = RowAt(index);
    return row ? IndexOf(row->Parent) : QModelIndex();
}

int TClockTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return FClock.RowCount();
    if (parent.column() != 0)
        return 0;
    const TClockObjData* row = RowAt(parent);
    return row ? int(row->Children.size()) : 0;
}

int TClockTreeModel::columnCount(const QModelIndex&) const {
    return ClockColumnCount;
}

bool TClockTreeModel::IsBold(const TClockObjData& row, int column) {
    // The flags carry the column numbers: a cell set in this row is bold.
    if (column == ccHour)
        return row.OwnHour();
    if (column == ccTime)
        return row.OwnPlayTime();
    return column >= FirstCharColumn && column <= ccAnd && row.Flags[column];
}

QVariant TClockTreeModel::Foreground(const TClockObjData& row, int column) const {
    if (column == ccHour && row.OwnHour())
        return FixedColour;
    if (column == ccTime && row.Object() && row.Object()->ExTime())
        return FixedColour;
    return {};
}

QVariant TClockTreeModel::Background(const TClockObjData& row, int index) const {
    if (row.Parent)
        return index % 2 == 0 ? ItemEvenBackground : ItemOddBackground;
    return index % 2 == 1 ? QVariant(OddRowBackground) : QVariant();
}

QVariant TClockTreeModel::data(const QModelIndex& index, int role) const {
    const TClockObjData* row = RowAt(index);
    if (!row)
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return row->CellText(column);
    case Qt::ToolTipRole:
        return IsCharColumn(column) ? QVariant(row->CellText(column)) : QVariant();
    case Qt::FontRole:
        if (IsBold(*row, column)) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    case Qt::ForegroundRole:
        return Foreground(*row, column);
    case Qt::BackgroundRole:
        return Background(*row, index.row());
    default:
        return {};
    }
}

QVariant TClockTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return ClockColumnCaption(section);
    return {};
}

Qt::ItemFlags TClockTreeModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
