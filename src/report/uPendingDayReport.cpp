#include "report/uPendingDayReport.h"

#include "clocks/uClock.h"
#include "dayplan/uDayLifecycle.h"
#include "foundation/uAppPaths.h"
#include "library/uDBMainBase.h"
#include "report/uDayReportBuilder.h"
#include "report/uEarlierPlays.h"

std::optional<TDayReport> PendingDayReport(TDayLifecycle& days, const QDate& date, QString* error) {
    const QString clockPath = ExistingPlanFilePath(pkPlanned, date);
    TClock clock;
    if (!clockPath.isEmpty() && (!clock.LoadClockFile(clockPath) || !clock.ReadWhole())) {
        if (error)
            *error = kDayClockUnreadable.arg(clockPath);
        return std::nullopt;
    }
    TStatsEarlierPlays earlier(*MainBase, date, ReportLookbackDays());
    std::optional<TDayReport> report =
        BuildDayReport({date, days.PlayList().Positions(), clockPath.isEmpty() ? nullptr : &clock,
                        MainBase.get(), &earlier});
    if (!report && error)
        *error = QStringLiteral("błąd bazy danych"); // BuildDayReport has shown the store's own
    return report;
}
