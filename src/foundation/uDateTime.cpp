#include "foundation/uDateTime.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Julian day of 1899-12-30, day 0 of TDateTime.
constexpr qint64 JulianDayOfZero = 2415019;

// The names shown to the user are Polish whatever the system's language is.
const QLocale& PolishLocale() {
    static const QLocale locale(QLocale::Polish, QLocale::Poland);
    return locale;
}

} // namespace

TDateTimeParts SplitDateTime(TDateTime value) {
    if (std::isnan(value))
        value = 0;
    value = std::clamp(value, MinDateTime, MaxDateTime);
    // Round the whole value at once, so a time that rounds up to midnight moves the day too.
    const auto msecs = static_cast<qint64>(std::nearbyint(value * MSecsPerDay));
    return {msecs / MSecsPerDay, static_cast<int>(std::llabs(msecs) % MSecsPerDay)};
}

TDateTime DateToDateTime(const QDate& date) {
    if (!date.isValid())
        return 0;
    return static_cast<TDateTime>(date.toJulianDay() - JulianDayOfZero);
}

TDateTime QDateTimeToDateTime(const QDateTime& value) {
    if (!value.isValid())
        return 0;
    const TDateTime time =
        static_cast<TDateTime>(value.time().msecsSinceStartOfDay()) / MSecsPerDay;
    return ComposeDateTime(DateToDateTime(value.date()), time);
}

QDate DateTimeToDate(TDateTime value) {
    return QDate::fromJulianDay(SplitDateTime(value).Days + JulianDayOfZero);
}

QTime DateTimeToTime(TDateTime value) {
    return QTime::fromMSecsSinceStartOfDay(SplitDateTime(value).MSecOfDay);
}

QDateTime DateTimeToQDateTime(TDateTime value) {
    const TDateTimeParts parts = SplitDateTime(value);
    return QDateTime(QDate::fromJulianDay(parts.Days + JulianDayOfZero),
                     QTime::fromMSecsSinceStartOfDay(parts.MSecOfDay));
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) {
    const TDateTime day = std::trunc(date);
    const TDateTime timeOfDay = std::abs(time - std::trunc(time));
    return date < 0 ? day - timeOfDay : day + timeOfDay;
}

std::optional<TDateTime> TryEncodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return DateToDateTime(QDate(year, month, day));
}

std::optional<TDateTime> TryEncodeTime(int hour, int minute, int second, int msec) {
    if (hour < 0 || hour >= HoursPerDay || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        msec < 0 || msec > 999)
        return std::nullopt;
    const int msecs = hour * 3600000 + minute * 60000 + second * 1000 + msec;
    return static_cast<TDateTime>(msecs) / MSecsPerDay;
}

std::optional<TDateTime> TryEncodeDateTime(int year, int month, int day, int hour, int minute,
                                           int second, int msec) {
    const std::optional<TDateTime> date = TryEncodeDate(year, month, day);
    const std::optional<TDateTime> time = TryEncodeTime(hour, minute, second, msec);
    if (!date || !time)
        return std::nullopt;
    return ComposeDateTime(*date, *time);
}

int DayOfYear(TDateTime value) {
    return DateTimeToDate(value).dayOfYear();
}

TDateTime Today() {
    return DateToDateTime(QDate::currentDate());
}

TDateTime Now() {
    return QDateTimeToDateTime(QDateTime::currentDateTime());
}

QString LongMonthName(int month) {
    if (month < 1 || month > 12)
        return {};
    // The standalone form is the nominative ("styczeń"); monthName() gives the genitive.
    return PolishLocale().standaloneMonthName(month, QLocale::LongFormat);
}

QString LongDayName(int dayOfWeek) {
    if (dayOfWeek < 1 || dayOfWeek > 7)
        return {};
    return PolishLocale().standaloneDayName(dayOfWeek, QLocale::LongFormat);
}

QString FormatShortDate(const QDate& date) {
    return PolishLocale().toString(date, QLocale::ShortFormat);
}
