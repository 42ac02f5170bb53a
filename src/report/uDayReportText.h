#pragma once

#include "report/uDayReport.h"

#include <QString>
#include <QStringList>

// The day report for people, in Polish: one line per position (its times, slot, song and the
// rules it does not keep), then the day's totals and a line per hour.
QStringList DayReportText(const TDayReport& report);
