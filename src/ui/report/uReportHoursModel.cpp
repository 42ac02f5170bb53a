#include "ui/report/uReportHoursModel.h"

#include "foundation/uArUtils.h"
#include "ui/report/uReportColors.h"

#include <QFont>

namespace {

const char* const kHeaders[TReportHoursModel::colCount] = {"Godzina",
                                                           "Pozycje",
                                                           "Utwory",
                                                           "Przerwy",
                                                           "Cisza",
                                                           "Najdłuższa",
                                                           "Cięcia",
                                                           "Ucięto",
                                                           "Miksy",
                                                           "Stałe godziny",
                                                           "Największe przesunięcie",
                                                           "Złamane",
                                                           "Rozluźnione"};

QString Duration(qint64 ms) {
    return FormatDurationMs(static_cast<int>(ms), false);
}

QVariant TotalsCell(const TReportTotals& t, int column) {
    switch (column) {
    case TReportHoursModel::colPositions:
        return t.Positions;
    case TReportHoursModel::colSongs:
        return t.Songs;
    case TReportHoursModel::colGaps:
        return t.Gaps;
    case TReportHoursModel::colGapTime:
        return Duration(t.GapMs);
    case TReportHoursModel::colMaxGap:
        return Duration(t.MaxGapMs);
    case TReportHoursModel::colCuts:
        return t.Cuts;
    case TReportHoursModel::colCutTime:
        return Duration(t.CutMs);
    case TReportHoursModel::colMixes:
        return t.Mixes;
    case TReportHoursModel::colFixedHours:
        return t.FixedHours;
    case TReportHoursModel::colMaxDrift:
        return Duration(t.MaxFixedDriftMs);
    case TReportHoursModel::colBroken:
        return t.Broken();
    case TReportHoursModel::colRelaxed:
        return t.Relaxed();
    default:
        return {};
    }
}

} // namespace

TReportHoursModel::TReportHoursModel(const TDayReport& report, QObject* parent)
    : QAbstractTableModel(parent), FReport(report) {}

int TReportHoursModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FReport.Hours.size()) + 1;
}

int TReportHoursModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : colCount;
}

QVariant TReportHoursModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const bool total = index.row() == static_cast<int>(FReport.Hours.size());
    const TReportTotals& totals =
        total ? FReport.Summary : FReport.Hours[static_cast<size_t>(index.row())].Totals;
    if (role == Qt::FontRole && total) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::BackgroundRole) {
        if (index.column() == colBroken && totals.Broken() > 0)
            return ResultBackground(TRuleResult::Broken);
        if (index.column() == colRelaxed && totals.Relaxed() > 0)
            return ResultBackground(TRuleResult::Relaxed);
        return {};
    }
    if (role == Qt::TextAlignmentRole && index.column() != colHour)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (index.column() == colHour)
        return total ? QStringLiteral("Razem")
                     : QStringLiteral("%1:00").arg(
                           FReport.Hours[static_cast<size_t>(index.row())].Hour, 2, 10,
                           QLatin1Char('0'));
    return TotalsCell(totals, index.column());
}

QVariant TReportHoursModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= colCount)
        return {};
    return QString::fromUtf8(kHeaders[section]);
}
