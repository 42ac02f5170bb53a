#pragma once

#include "report/uDayReport.h"

#include <QAbstractTableModel>

// The hours of a day report, one row each, then a row "Razem" for the whole day: positions,
// songs, dead air, cuts, mixes, fixed hours, broken and relaxed rules. The report must outlive
// the model.
class TReportHoursModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn {
        colHour,
        colPositions,
        colSongs,
        colGaps,
        colGapTime,
        colMaxGap,
        colCuts,
        colCutTime,
        colMixes,
        colFixedHours,
        colMaxDrift,
        colBroken,
        colRelaxed,
        colCount
    };

    explicit TReportHoursModel(const TDayReport& report, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TDayReport& FReport;
};
