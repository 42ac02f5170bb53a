#pragma once

#include "report/uDayReport.h"

#include <QDate>
#include <QString>
#include <optional>

class TDayLifecycle;

// The report of the pending day the lifecycle shows: its play list as it stands (edits
// included), checked against the day's clock (kept beside the list until the day is accepted)
// and the plays of the days before it. Nothing, with the reason in `error`, when the clock
// cannot be read whole or the store cannot answer.
std::optional<TDayReport> PendingDayReport(TDayLifecycle& days, const QDate& date,
                                           QString* error = nullptr);

inline const QString kDayClockUnreadable = QStringLiteral("Nie można odczytać zegara dnia: %1");
