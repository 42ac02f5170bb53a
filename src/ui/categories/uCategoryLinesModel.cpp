#include "ui/categories/uCategoryLinesModel.h"

#include "clocks/uCategoryEditing.h"
#include "clocks/uClockObjList.h"
#include "ui/uClockIcons.h"

#include <algorithm>

TCategoryLinesModel::TCategoryLinesModel(TClockObjList& list, const TCategoryWindowModel& window,
                                         QObject* parent)
    : QAbstractListModel(parent), FList(list), FWindow(window), FLines(window.Lines()) {
    FList.AddListener(this);
}

TCategoryLinesModel::~TCategoryLinesModel() {
    FList.RemoveListener(this);
}

TBaseClockObject* TCategoryLinesModel::ObjectAt(int row) const {
    return row >= 0 && row < static_cast<int>(FLines.size()) ? FLines[row] : nullptr;
}

int TCategoryLinesModel::RowOf(const TBaseClockObject* object) const {
    const auto found = std::find(FLines.begin(), FLines.end(), object);
    return found == FLines.end() ? -1 : static_cast<int>(found - FLines.begin());
}

int TCategoryLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FLines.size());
}

QVariant TCategoryLinesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TBaseClockObject* object = FLines[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return object->ObjName();
    case Qt::DecorationRole:
        return ClockKindIcon(object->ObjType());
    default:
        return {};
    }
}

void TCategoryLinesModel::Notify(TNotifyKind kind, TBaseClockObject* object) {
    switch (kind) {
    case nkAdded:
        Added(object);
        break;
    case nkDeleted:
        Deleted(object);
        break;
    case nkChanged:
        Changed(object);
        break;
    }
}

void TCategoryLinesModel::Added(TBaseClockObject* object) {
    std::vector<TBaseClockObject*> lines = FWindow.Lines();
    const int row = static_cast<int>(std::find(lines.begin(), lines.end(), object) - lines.begin());
    // The others keep their order: the new line goes in between them.
    if (lines.size() != FLines.size() + 1 || row >= static_cast<int>(lines.size())) {
        beginResetModel();
        FLines = std::move(lines);
        endResetModel();
        return;
    }
    beginInsertRows({}, row, row);
    FLines = std::move(lines);
    endInsertRows();
}

void TCategoryLinesModel::Deleted(TBaseClockObject* object) {
    // Told while the object still exists: its line goes now, before it is destroyed.
    const int row = RowOf(object);
    if (row < 0)
        return;
    beginRemoveRows({}, row, row);
    FLines.erase(FLines.begin() + row);
    endRemoveRows();
}

void TCategoryLinesModel::Changed(TBaseClockObject* object) {
    std::vector<TBaseClockObject*> lines = FWindow.Lines();
    if (lines.size() != FLines.size()) {
        beginResetModel();
        FLines = std::move(lines);
        endResetModel();
        return;
    }
    if (lines != FLines) {
        // A new name moves the line; selections and the current line go with their objects.
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        const QModelIndexList before = persistentIndexList();
        QModelIndexList after;
        for (const QModelIndex& index : before) {
            const auto found = std::find(lines.begin(), lines.end(), FLines[index.row()]);
            after.append(found == lines.end() ? QModelIndex()
                                              : createIndex(static_cast<int>(found - lines.begin()),
                                                            index.column()));
        }
        FLines = std::move(lines);
        changePersistentIndexList(before, after);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }
    const int row = RowOf(object);
    if (row >= 0)
        emit dataChanged(index(row), index(row));
}
