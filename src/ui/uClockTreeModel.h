#pragma once

#include <QAbstractItemModel>

class TClock;
struct TClockObjData;

// The rows of a clock as a two-level tree (a broadcast row with its items as children), one
// column per clock column, with the clock's colours and bold cells.
class TClockTreeModel final : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TClockTreeModel(TClock& clock, QObject* parent = nullptr);

    // The clock's rows changed: every row is shown again.
    void Reload();

    TClockObjData* RowAt(const QModelIndex& index) const;
    QModelIndex IndexOf(const TClockObjData* row, int column = 0) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QVariant Background(const TClockObjData& row, int index) const;
    QVariant Foreground(const TClockObjData& row, int column) const;
    static bool IsBold(const TClockObjData& row, int column);

    TClock& FClock;
};
