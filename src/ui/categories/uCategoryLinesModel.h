#pragma once

#include "clocks/uNotifyListener.h"

#include <QAbstractListModel>
#include <vector>

class TBaseClockObject;
class TCategoryWindowModel;
class TClockObjList;

// The lines of the category window: every object of the list with the icon of its kind, by
// name with letter case ignored. Follows the list while it lives: an added object gets its
// line, a deleted one loses it before it is destroyed, and a renamed one moves to its place.
class TCategoryLinesModel final : public QAbstractListModel, private INotifyListener {
    Q_OBJECT
public:
    TCategoryLinesModel(TClockObjList& list, const TCategoryWindowModel& window,
                        QObject* parent = nullptr);
    ~TCategoryLinesModel() override;

    // nullptr for an index of no object.
    TBaseClockObject* ObjectAt(int row) const;
    // -1 when the object has no line.
    int RowOf(const TBaseClockObject* object) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void Notify(TNotifyKind kind, TBaseClockObject* object) override;
    void Added(TBaseClockObject* object);
    void Deleted(TBaseClockObject* object);
    void Changed(TBaseClockObject* object);

    TClockObjList& FList;
    const TCategoryWindowModel& FWindow;
    std::vector<TBaseClockObject*> FLines;
};
