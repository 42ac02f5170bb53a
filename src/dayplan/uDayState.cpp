#include "dayplan/uDayState.h"

#include "foundation/uAppPaths.h"
#include "foundation/uDateTime.h"
#include "settings/uSettings.h"

TDayState DayStateOf(const QDate& day) {
    if (!ExistingPlanFilePath(pkHistory, day).isEmpty())
        return dsHistory;
    if (!ExistingPlanFilePath(pkCurrent, day).isEmpty())
        return dsPending;
    if (!ExistingPlanFilePath(pkPlanned, day).isEmpty())
        return dsFuture;
    return dsEmpty;
}

bool IsAfterFirstDay(const QDate& day) {
    const TDateTime first = TimeRanges ? TimeRanges->FirstDay() : Now();
    return DateTimeToDate(first) < day;
}

QString DayStateName(TDayState state) {
    switch (state) {
    case dsEmpty:
        return QStringLiteral("empty");
    case dsHistory:
        return QStringLiteral("history");
    case dsPending:
        return QStringLiteral("pending");
    case dsFuture:
        return QStringLiteral("future");
    default:
        return QStringLiteral("none");
    }
}
