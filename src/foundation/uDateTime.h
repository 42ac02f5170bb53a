#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QtGlobal>
#include <optional>

// Dates and instants as the station's files and statistics count them: whole days since
// 1899-12-30, the time of day as the fraction. A negative value keeps its time of day as a
// fraction away from zero, so -1.25 is 29 December 1899, 06:00, and -0.25 is 30 December
// 1899, 06:00. This module is the one place that converts between it and Qt's date types.
using TDateTime = double;

inline constexpr int HoursPerDay = 24;
inline constexpr int SecsPerDay = 86400;
inline constexpr int MSecsPerDay = 86400000;

// 0001-01-01 00:00 and 9999-12-31 23:59:59.999, the range every conversion keeps to.
inline constexpr TDateTime MinDateTime = -693593.0;
inline constexpr TDateTime MaxDateTime = 2958465.99999999;

// A value split into its day and its time of day. The time is rounded to the millisecond
// first, and a rounding that reaches midnight carries into the day, so the day and the time
// always belong together (0.9999999999 is day 1 at 00:00, not day 0 at 00:00).
struct TDateTimeParts {
    qint64 Days = 0;   // days since 1899-12-30, truncated toward zero
    int MSecOfDay = 0; // 0 .. MSecsPerDay - 1
};
// Values outside MinDateTime..MaxDateTime are clamped to it; NaN counts as 0.
TDateTimeParts SplitDateTime(TDateTime value);

// An invalid date or time gives 0, the "no date" value.
TDateTime DateToDateTime(const QDate& date);
TDateTime QDateTimeToDateTime(const QDateTime& value);
QDate DateTimeToDate(TDateTime value);
QTime DateTimeToTime(TDateTime value);
// Local time: the value carries no time zone.
QDateTime DateTimeToQDateTime(TDateTime value);

// The day of `date` with the time of day of `time`, on the correct side of zero.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);

// Empty when a part is out of its range (month 13, 30 February, minute 60, year 0).
std::optional<TDateTime> TryEncodeDate(int year, int month, int day);
std::optional<TDateTime> TryEncodeTime(int hour, int minute, int second, int msec);
std::optional<TDateTime> TryEncodeDateTime(int year, int month, int day, int hour, int minute,
                                           int second, int msec);

// 1 for 1 January.
int DayOfYear(TDateTime value);

TDateTime Today();
TDateTime Now();

// Polish names in the nominative ("styczeń", "poniedziałek"), whatever the system's language.
// month 1..12; dayOfWeek 1 = Monday .. 7 = Sunday, as QDate::dayOfWeek counts. Empty when
// out of range.
QString LongMonthName(int month);
QString LongDayName(int dayOfWeek);

// The date as the station's messages and listings show it: the Polish short form ("5.03.2026"),
// whatever the system's language.
QString FormatShortDate(const QDate& date);
