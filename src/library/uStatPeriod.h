#pragma once

#include "foundation/uDateTime.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <optional>

// The period a statistics chart shows: one week from Monday, or one calendar month. A play in
// it is drawn at the day across (0 for the period's first day) and the time of day up (hours).

enum class TStatPeriodKind { Week = 0, Month = 1 };

struct TStatPeriod {
    TStatPeriodKind Kind = TStatPeriodKind::Week;
    TDateTime Start = 0; // the first day at 00:00
    TDateTime End = 0;   // the last day at 23:59

    // The last instant the period takes in, for asking the history: a pending play carries
    // seconds, and one started during the period's last minute still belongs to it.
    TDateTime LastInstant() const;
    // One per day from the first to the last.
    int DayCount() const;
};

// The period of the kind that holds `day` (its time of day does not count).
TStatPeriod StatPeriodOf(TStatPeriodKind kind, TDateTime day);
// The period `steps` weeks or months before (negative) or after the period.
TStatPeriod MoveStatPeriod(const TStatPeriod& period, int steps);

// What the period field shows: "1.01.2024 - 7.01.2024" or "styczeń 2024".
QString StatPeriodText(const TStatPeriod& period);
// The labels of the chart's days: each day's short date.
QStringList StatPeriodDayLabels(const TStatPeriod& period);

// Where the play at `time` is drawn in the period starting `start`: x = the day (counted from
// the day of the month, crossing a month end), y = hour + minute / 60. Empty for a play that
// falls before the period's month.
std::optional<QPointF> StatPlayPoint(TDateTime start, TDateTime time);

// The plays per day of the period, as drawn: one count per day, plays drawn outside the period's
// days left out.
QList<int> StatPlaysPerDay(const TStatPeriod& period, const QList<TDateTime>& plays);
