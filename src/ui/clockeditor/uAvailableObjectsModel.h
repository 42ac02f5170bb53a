#pragma once

#include <QAbstractListModel>
#include <vector>

class TBaseClockObject;
class TClock;

// "Dostępne kategorie i audycje": the objects a clock can take, in the clock's order
// (broadcasts first where the clock takes them, then the categories, lists and blanks, each
// group by name), dragged from here onto the clock.
class TAvailableObjectsModel final : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TAvailableObjectsModel(const TClock& clock, QObject* parent = nullptr);

    // The lists changed: the objects are read again.
    void Reload();
    // nullptr for an index of no object.
    TBaseClockObject* ObjectAt(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

private:
    const TClock& FClock;
    std::vector<TBaseClockObject*> FObjects;
};
