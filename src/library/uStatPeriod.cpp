#include "library/uStatPeriod.h"

#include <cmath>

namespace {

constexpr TDateTime kOneMinute = 1.0 / (HoursPerDay * 60);
constexpr TDateTime kOneMSec = 1.0 / MSecsPerDay;

QDate FirstDayOf(TStatPeriodKind kind, const QDate& date) {
    if (kind == TStatPeriodKind::Month)
        return QDate(date.year(), date.month(), 1);
    return date.addDays(1 - date.dayOfWeek());
}

QDate FirstDayAfter(TStatPeriodKind kind, const QDate& first) {
    return kind == TStatPeriodKind::Month ? first.addMonths(1) : first.addDays(7);
}

TStatPeriod PeriodFrom(TStatPeriodKind kind, const QDate& first) {
    TStatPeriod period;
    period.Kind = kind;
    period.Start = DateToDateTime(first);
    period.End = DateToDateTime(FirstDayAfter(kind, first)) - kOneMinute;
    return period;
}

} // namespace

TDateTime TStatPeriod::LastInstant() const {
    return DateToDateTime(FirstDayAfter(Kind, DateTimeToDate(Start))) - kOneMSec;
}

int TStatPeriod::DayCount() const {
    return static_cast<int>(DateTimeToDate(Start).daysTo(DateTimeToDate(End))) + 1;
}

TStatPeriod StatPeriodOf(TStatPeriodKind kind, TDateTime day) {
    return PeriodFrom(kind, FirstDayOf(kind, DateTimeToDate(day)));
}

TStatPeriod MoveStatPeriod(const TStatPeriod& period, int steps) {
    const QDate start = DateTimeToDate(period.Start);
    const QDate moved =
        period.Kind == TStatPeriodKind::Month ? start.addMonths(steps) : start.addDays(7 * steps);
    return StatPeriodOf(period.Kind, DateToDateTime(moved));
}

QString StatPeriodText(const TStatPeriod& period) {
    const QDate start = DateTimeToDate(period.Start);
    if (period.Kind == TStatPeriodKind::Month)
        return LongMonthName(start.month()) + QLatin1Char(' ') + QString::number(start.year());
    return FormatShortDate(start) + QStringLiteral(" - ") +
           FormatShortDate(DateTimeToDate(period.End));
}

QStringList StatPeriodDayLabels(const TStatPeriod& period) {
    const QDate start = DateTimeToDate(period.Start);
    QStringList labels;
    for (int day = 0; day < period.DayCount(); ++day)
        labels.append(FormatShortDate(start.addDays(day)));
    return labels;
}

std::optional<QPointF> StatPlayPoint(TDateTime start, TDateTime time) {
    const QDate first = DateTimeToDate(start);
    const QDate played = DateTimeToDate(time);
    int x = played.day() - first.day();
    if (x < 0) {
        // The period runs into the next month (or the next year's January).
        if (played.month() > first.month() || played.month() == 1)
            x = first.daysInMonth() - first.day() + played.day();
        else
            return std::nullopt;
    }
    const int minuteOfDay = SplitDateTime(time).MSecOfDay / 60000;
    return QPointF(x, minuteOfDay / 60 + (minuteOfDay % 60) / 60.0);
}

QList<int> StatPlaysPerDay(const TStatPeriod& period, const QList<TDateTime>& plays) {
    QList<int> counts(period.DayCount(), 0);
    for (TDateTime play : plays) {
        const std::optional<QPointF> point = StatPlayPoint(period.Start, play);
        if (!point)
            continue;
        const auto day = static_cast<qsizetype>(std::lround(point->x()));
        if (day >= 0 && day < counts.size())
            ++counts[day];
    }
    return counts;
}
