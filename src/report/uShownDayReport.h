#pragma once

#include "dayplan/uDayLifecycle.h"
#include "report/uDayReport.h"

#include <QString>
#include <optional>

// The report of the day the lifecycle shows: a pending day's list as it stands, an accepted
// day's stored report (or one made from its history). Nothing, with the reason in `error`,
// for a day in another state or when a file or the store fails.
std::optional<TDayReport> ShownDayReport(TDayLifecycle& days, QString* error = nullptr);

// "Zatwierdź" keeping the day's report with its history: the report of the pending day is made
// before the day is accepted (its plays then count for the days after it, not for itself) and
// written once the day is accepted. A report that cannot be made or written is reported; the
// acceptance stands either way.
TDayResult AcceptKeepingReport(TDayLifecycle& days);

// "Wstecz" on the shown day; an accepted day taken back leaves its stored report behind it, so
// a report is never read for a day that is no longer the one it describes.
TDayResult BackRemovingReport(TDayLifecycle& days);

inline const QString kNoReportForState =
    QStringLiteral("Dzień %1 ma stan %2: raport jest tylko dla dnia wygenerowanego (pending) "
                   "albo zatwierdzonego (history).");
inline const QString kReportNotKept =
    QStringLiteral("Dzień został zatwierdzony, ale jego raportu nie udało się zapisać: %s");
