#pragma once

#include "report/uDayReport.h"

#include <QDate>
#include <QString>
#include <optional>

class TDayHistory;

// The report of an accepted day: the one stored at its acceptance (DayReportPath) when there
// is one, else one made from its history file (uAcceptedDayPositions.h) without the clock, so
// without slots, and with the generator's relaxed rules no longer known. Nothing, with the
// reason in `error`, when the stored report cannot be read (or is another day's) or the store
// cannot answer.
std::optional<TDayReport> AcceptedDayReport(const TDayHistory& history, const QDate& date,
                                            QString* error = nullptr);
