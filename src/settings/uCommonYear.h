#pragma once

// Dates of the time blockades are days of a common year (1 = 1 January .. 365 = 31 December),
// whatever year they are applied in; 29 February has no number of its own.

inline constexpr int DaysInCommonYear = 365;

// 31, 30 or 28 (February) for month 1..12; 0 for any other month.
int CommonMonthLength(int month);

// The number of the day in a common year; 0 when the month is not 1..12 or the day is not
// within the month (29 February included).
int CommonDayOfYear(int month, int day);

// A day of the month.
struct TMonthDay {
    int Month = 0;
    int Day = 0;

    bool operator==(const TMonthDay&) const = default;
};
// The month and day of day `dayOfYear` of a common year; 0 and 0 outside 1..365.
TMonthDay CommonMonthDay(int dayOfYear);
