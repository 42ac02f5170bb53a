#pragma once

#include "ui/stats/uStatItem.h"

#include <QAbstractTableModel>
#include <vector>

// The item list of the statistics window: a colour box, the name ("Utwór" or "Wykonawca") and
// the number of plays ("Ilość"). With two items or more each name has a check box, ticked
// while its points are shown; a single item is always shown.
class TStatItemsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn { colColor = 0, colName = 1, colCount = 2, ColumnCount };

    TStatItemsModel(TStatKind kind, QObject* parent = nullptr);

    // The items, sorted by name in Polish alphabetical order (letter case ignored; equal names
    // stay in the order given).
    void SetItems(std::vector<TStatItem> items);
    const std::vector<TStatItem>& Items() const { return FItems; }
    TStatItem& Item(int row) { return FItems.at(static_cast<size_t>(row)); }
    const TStatItem& Item(int row) const { return FItems.at(static_cast<size_t>(row)); }
    int Count() const { return static_cast<int>(FItems.size()); }
    bool Checkable() const { return FItems.size() >= 2; }

    // Shows (ticks) or hides an item; ShownChanged tells the chart.
    void SetShown(int row, bool shown);
    // The counts were drawn anew.
    void CountsChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void ShownChanged(int row, bool shown);

private:
    TStatKind FKind;
    std::vector<TStatItem> FItems;
};
