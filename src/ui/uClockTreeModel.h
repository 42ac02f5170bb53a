#pragma once

#include <QAbstractItemModel>
#include <functional>

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

    // --- Dropping objects of the category list and broadcasts onto the clock

    // Off until a window that edits the clock turns it on.
    void SetAcceptsDrops(bool accepts) { FAcceptsDrops = accepts; }
    // "Łącznik" is edited in place ("AND" or "OR") while `allowed` answers true; none: never.
    void SetCellsEditable(std::function<bool()> allowed) { FCellsAllowed = std::move(allowed); }
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // A drop lands before the row it is let go between, after the row it is let go on, or after
    // the last row; never among a broadcast's items.
    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    // The row a drop made, to be focused once the view shows it.
    void RowDropped(TClockObjData* row);

private:
    QVariant Background(const TClockObjData& row, int index) const;
    QVariant Foreground(const TClockObjData& row, int column) const;
    static bool IsBold(const TClockObjData& row, int column);

    TClock& FClock;
    bool FAcceptsDrops = false;
    std::function<bool()> FCellsAllowed;
};
