#include "report/uAcceptedDayReport.h"

#include "foundation/uFormat.h"
#include "foundation/uMsgLog.h"
#include "library/uDBMainBase.h"
#include "report/uAcceptedDayPositions.h"
#include "report/uDayReportBuilder.h"
#include "report/uDayReportJson.h"
#include "report/uEarlierPlays.h"

#include <QFileInfo>
#include <exception>

namespace {

std::optional<TDayReport> StoredReport(const QString& path, const QDate& date, QString* error) {
    QString reason;
    std::optional<TDayReport> report = ReadDayReportFile(path, &reason);
    if (report && report->Date != date) {
        report.reset();
        reason = QStringLiteral("raport innego dnia");
    }
    if (!report && error)
        *error = FileLoadErrorText(path, reason);
    return report;
}

} // namespace

std::optional<TDayReport> AcceptedDayReport(const TDayHistory& history, const QDate& date,
                                            QString* error) {
    if (const QString stored = DayReportPath(date); QFileInfo::exists(stored))
        return StoredReport(stored, date, error);
    if (!MainBase)
        return std::nullopt;
    try {
        const auto owned = AcceptedDayPositions(history, date);
        std::vector<const TResultSongData*> positions;
        for (const auto& position : owned)
            positions.push_back(position.get());
        TStatsEarlierPlays earlier(*MainBase, date, ReportLookbackDays());
        return BuildDayReport({date, positions, nullptr, MainBase.get(), &earlier});
    } catch (const std::exception& e) {
        if (error)
            *error = Format(kDayReportStoreError, {QString::fromUtf8(e.what())});
        return std::nullopt;
    }
}
