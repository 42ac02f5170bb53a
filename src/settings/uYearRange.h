#pragma once

#include <QString>

// A value of the "Lata" characteristic as the settings window edits it: a single year, or a
// range written as the first year, " - " and the last year.
struct TYearRange {
    bool IsRange = false;
    int From = 1980; // the year itself when not a range
    int To = 1980;

    bool operator==(const TYearRange&) const = default;
};

inline constexpr int MinCharYear = 1900;
inline constexpr int MaxCharYear = 2100;
// Taken for a part of a value that is not a number.
inline constexpr int FallbackCharYear = 2000;

// Reads a value: a text holding "-" is a range of its trimmed parts around the first "-",
// anything else a single year. A part that is not a number reads as 2000; the years are kept
// within 1900..2100, and a range written backwards is read the right way round.
TYearRange ParseYearRange(const QString& text);
// The text of a value; a range whose ends are equal is written as the single year.
QString YearRangeText(const TYearRange& range);
