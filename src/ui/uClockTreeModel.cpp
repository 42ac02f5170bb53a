#include "ui/uClockTreeModel.h"

#include "clocks/uClock.h"
#include "ui/clockeditor/uClockObjectDrag.h"
#include "ui/uClockIcons.h"

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
    case Qt::DecorationRole:
        return column == ccName ? QVariant(ClockKindIcon(row->ImageIndex)) : QVariant();
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
    if (!index.isValid())
        return FAcceptsDrops ? Qt::ItemIsDropEnabled : Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const TClockObjData& row = *RowAt(index);
    if (FAcceptsDrops && !row.Parent)
        flags |= Qt::ItemIsDropEnabled;
    if (index.column() == ccAnd && FCellsAllowed && FCellsAllowed() && IsEditableCell(row, ccAnd))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TClockTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString text = value.toString();
    if (text != QLatin1String("AND") && text != QLatin1String("OR"))
        return false;
    // The clock shows its rows again after the edit.
    FClock.SetRowAny(RowAt(index), text == QLatin1String("AND"));
    return true;
}

QStringList TClockTreeModel::mimeTypes() const {
    return {kClockObjectMime};
}

bool TClockTreeModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                      int column, const QModelIndex& parent) const {
    Q_UNUSED(row);
    Q_UNUSED(column);
    if (!FAcceptsDrops || action != Qt::CopyAction || !DraggedClockObject(data))
        return false;
    // Between or on the rows of the top level only: a broadcast's items are its own.
    if (!parent.isValid())
        return true;
    return !RowAt(parent)->Parent && row < 0;
}

bool TClockTreeModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                   int column, const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    const TBaseClockObject* object = DraggedClockObject(data);
    TClockObjData* target = nullptr;
    TInsertPosition position = ipAfter;
    if (parent.isValid()) {
        target = RowAt(parent);
    } else if (row >= 0 && row < FClock.RowCount()) {
        target = FClock.Row(row);
        position = ipBefore;
    }
    TClockObjData* added = FClock.InsertObjects(*object, target, position);
    if (!added)
        return false;
    emit RowDropped(added);
    return true;
}
