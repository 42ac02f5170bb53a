#include "ui/stats/uStatItemsModel.h"

#include "library/uDBCollation.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace {

// The item's colour as a box with a dark frame, so white and yellow stay visible.
QPixmap ColorBox(const QColor& color) {
    QPixmap box(26, 12);
    box.fill(color);
    QPainter painter(&box);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawRect(box.rect().adjusted(0, 0, -1, -1));
    return box;
}

} // namespace

TStatItemsModel::TStatItemsModel(TStatKind kind, QObject* parent)
    : QAbstractTableModel(parent), FKind(kind) {}

void TStatItemsModel::SetItems(std::vector<TStatItem> items) {
    beginResetModel();
    FItems = std::move(items);
    std::stable_sort(FItems.begin(), FItems.end(), [](const TStatItem& a, const TStatItem& b) {
        return ComparePolishTexts(a.Name, b.Name) < 0;
    });
    endResetModel();
}

void TStatItemsModel::SetShown(int row, bool shown) {
    if (row < 0 || row >= Count() || Item(row).Shown == shown)
        return;
    Item(row).Shown = shown;
    const QModelIndex name = index(row, colName);
    emit dataChanged(name, name, {Qt::CheckStateRole});
    emit ShownChanged(row, shown);
}

void TStatItemsModel::CountsChanged() {
    if (FItems.empty())
        return;
    emit dataChanged(index(0, colCount), index(Count() - 1, colCount), {Qt::DisplayRole});
}

int TStatItemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int TStatItemsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TStatItemsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const TStatItem& item = Item(index.row());
    switch (index.column()) {
    case colColor:
        if (role == Qt::DecorationRole)
            return ColorBox(item.Color);
        if (role == Qt::ToolTipRole)
            return item.Color.name().toUpper();
        break;
    case colName:
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return item.Name;
        if (role == Qt::CheckStateRole && Checkable())
            return item.Shown ? Qt::Checked : Qt::Unchecked;
        break;
    case colCount:
        if (role == Qt::DisplayRole)
            return item.Count;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        break;
    default:
        break;
    }
    return {};
}

bool TStatItemsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || index.column() != colName ||
        role != Qt::CheckStateRole || !Checkable())
        return false;
    SetShown(index.row(), static_cast<Qt::CheckState>(value.toInt()) == Qt::Checked);
    return true;
}

Qt::ItemFlags TStatItemsModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == colName && Checkable())
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant TStatItemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case colColor:
        return QString();
    case colName:
        return FKind == TStatKind::Artists ? QStringLiteral("Wykonawca") : QStringLiteral("Utwór");
    case colCount:
        return QStringLiteral("Ilość");
    default:
        return {};
    }
}
