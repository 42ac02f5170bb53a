#include "ui/clockeditor/uAvailableObjectsModel.h"

#include "clocks/uClock.h"
#include "ui/clockeditor/uClockObjectDrag.h"
#include "ui/uClockIcons.h"

TAvailableObjectsModel::TAvailableObjectsModel(const TClock& clock, QObject* parent)
    : QAbstractListModel(parent), FClock(clock), FObjects(clock.AvailableObjects()) {}

void TAvailableObjectsModel::Reload() {
    beginResetModel();
    FObjects = FClock.AvailableObjects();
    endResetModel();
}

TBaseClockObject* TAvailableObjectsModel::ObjectAt(const QModelIndex& index) const {
    if (!index.isValid() || index.parent().isValid() || index.row() >= int(FObjects.size()))
        return nullptr;
    return FObjects[index.row()];
}

int TAvailableObjectsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(FObjects.size());
}

QVariant TAvailableObjectsModel::data(const QModelIndex& index, int role) const {
    const TBaseClockObject* object = ObjectAt(index);
    if (!object)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return object->GetName();
    case Qt::DecorationRole:
        return ClockKindIcon(object->ObjType());
    default:
        return {};
    }
}

Qt::ItemFlags TAvailableObjectsModel::flags(const QModelIndex& index) const {
    if (!ObjectAt(index))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList TAvailableObjectsModel::mimeTypes() const {
    return {kClockObjectMime};
}

QMimeData* TAvailableObjectsModel::mimeData(const QModelIndexList& indexes) const {
    for (const QModelIndex& index : indexes)
        if (const TBaseClockObject* object = ObjectAt(index))
            return NewClockObjectDrag(*object);
    return nullptr;
}
