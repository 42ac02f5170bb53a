#include "ui/broadcasts/uBroadcastListModel.h"

#include "clocks/uBroadcastList.h"
#include "ui/uClockIcons.h"

TBroadcastListModel::TBroadcastListModel(TBroadcastList& list, QObject* parent)
    : QAbstractListModel(parent), FList(list) {}

int TBroadcastListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FList.BroadcastCount();
}

QVariant TBroadcastListModel::data(const QModelIndex& index, int role) const {
    const TBroadcast* broadcast =
        index.isValid() && !index.parent().isValid() ? FList.BroadcastAt(index.row()) : nullptr;
    if (broadcast == nullptr)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return broadcast->ObjName();
    case Qt::DecorationRole:
        return ClockKindIcon(otBroadcast);
    default:
        return {};
    }
}

void TBroadcastListModel::Reload() {
    beginResetModel();
    endResetModel();
}
