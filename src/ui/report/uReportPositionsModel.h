#pragma once

#include "report/uDayReport.h"

#include <QAbstractTableModel>

// The positions of a day report, one row each: times, slot, song, then one column per rule
// ("ok", "złamana", "rozluźniona", empty where the rule does not apply). A row with a broken
// rule is marked red, one with a relaxed rule amber. The report must outlive the model.
class TReportPositionsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn { colStart, colEnd, colSlot, colArtist, colTitle, colFirstRule };

    explicit TReportPositionsModel(const TDayReport& report, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Whether the row has a rule broken or relaxed.
    bool HasRemarks(int row) const;

private:
    const TDayReport& FReport;
};
