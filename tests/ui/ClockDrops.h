#pragma once

#include "FindChild.h"
#include "support/TestText.h"

#include <QAbstractItemModel>
#include <QListView>
#include <QMimeData>
#include <QTreeView>
#include <memory>

// Dragging an available object of the clock editor onto its clock, as the mouse would.

// The available object of that name, as the drag from it carries it.
inline std::unique_ptr<QMimeData> DragOf(const QObject& editor, const QString& name) {
    QAbstractItemModel& model = *FindChild<QListView>(editor, "TreeCat")->model();
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row, 0);
        if (index.data().toString() == name)
            return std::unique_ptr<QMimeData>(model.mimeData({index}));
    }
    ADD_FAILURE() << "no available object " << S(name);
    return std::make_unique<QMimeData>();
}

// Let go between the rows before `row` (-1: below the last row), or on `on`.
inline bool DropOnClock(const QObject& editor, const QString& name, int row = -1,
                        const QModelIndex& on = {}) {
    const std::unique_ptr<QMimeData> data = DragOf(editor, name);
    QAbstractItemModel& rows = *FindChild<QTreeView>(editor, "TreeClock")->model();
    return rows.dropMimeData(data.get(), Qt::CopyAction, on.isValid() ? -1 : row, 0, on);
}
