#pragma once

#include "foundation/uDateTime.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

// Conversions between the program's time units and the exact text forms in which they are
// shown and stored, plus a few small text helpers. All of them are pure.
//
// Units: song lengths and cue points are milliseconds, clock rows whole seconds, the draw
// and the statistics minutes of the day; dates are TDateTime. Integer division truncates
// toward zero. A conversion that can fail returns an empty std::optional.

// The decimal integer the whole text spells (optional sign, ASCII digits only, no spaces,
// within 32 bits), else `def`.
int StrToIntDef(const QString& text, int def);

// --- Durations in seconds ---

// HH:MM:SS; the hours grow wider from 100 on.
QString FormatDurationHMS(int seconds);
// "H:M:S", "M:S" read as hours and seconds, or "S"; minutes and seconds above 59 count as 59.
int ParseDurationHMS(const QString& text);
// Whole seconds in the value; milliseconds are dropped.
int DateTimeToSeconds(TDateTime value);
TDateTime SecondsToDateTime(int seconds);
// The value as hours:minutes:seconds counted from day 0, so 1.0 gives 24:00:00.
QString FormatDateTimeHMS(TDateTime value);

// --- Durations in milliseconds ---

// Each part keeps the low 16 bits of the number written, as an unsigned value.
struct TMinSecMs {
    quint16 Minutes = 0;
    quint16 Seconds = 0;
    quint16 MSecs = 0;
};
struct THourMinSecMs {
    quint16 Hours = 0;
    quint16 Minutes = 0;
    quint16 Seconds = 0;
    quint16 MSecs = 0;
};

// "M:S.ms"; the digits after the dot are a whole number of milliseconds (".5" is 5 ms).
TMinSecMs ParseMinSecMs(const QString& text);
// "H:M:S.ms"; a text without ":" gives all zeros.
THourMinSecMs ParseHourMinSecMs(const QString& text);
// The text as milliseconds, limited to the 32-bit range.
int ParseDurationMs(const QString& text, bool withHours);
// The "M:S.ms" text as a time of day; empty when minutes or seconds exceed 59 or the
// milliseconds 999.
std::optional<TDateTime> ParseMinSecMsTime(const QString& text);
// HH:MM:SS.mmm or MM:SS.mmm (minutes not reduced to an hour); any negative value gives
// "00:00:000".
QString FormatDurationMs(int msecs, bool withHours);
// HH:MM with the seconds dropped; zero and below give "00:00".
QString FormatHoursMinutes(int msecs);
// Nearest whole minute, halves to the even neighbour.
int MsToMinutes(int msecs);

// --- Dates ---

// YYYYMMDD, or YYYYMMDD.ext.
QString FormatDateKey(TDateTime date, const QString& ext = {});
// The date of a YYYYMMDD text (anything from the first "." on is ignored). A text without a
// year, month or day gives 0; an impossible date (month 13, 30 February) gives nothing.
std::optional<TDateTime> ParseDateKey(const QString& text);
// " 6:00 - 10:00"
QString FormatHourRange(int startHour, int stopHour);
// Day-of-year numbers of a common year: " 1 styczeń - 31 grudzień".
QString FormatDayRange(int startDay, int stopDay);

// --- Packed values ---

struct TWordPair {
    quint16 High = 0;
    quint16 Low = 0;
};
// Carries a (start, stop) pair in one 32-bit tag.
qint32 PackWords(int high, int low);
TWordPair UnpackWords(qint32 value);

// A play-statistics stamp: days since 2000-01-01 in the high 16 bits, a number in the low 16.
struct TDayStamp {
    TDateTime Date = 0;
    quint16 Number = 0;
};
quint32 PackDayStamp(int number, TDateTime date);
TDayStamp UnpackDayStamp(quint32 value);

// Bytes used as an array of little-endian 32-bit values. SetCardinalAt returns a copy with
// the value at `index`, lengthened with zero bytes when needed (a negative index changes
// nothing); CardinalAt gives 0 for a slot the bytes do not reach.
QByteArray SetCardinalAt(const QByteArray& bytes, int index, quint32 value);
quint32 CardinalAt(const QByteArray& bytes, int index);

// --- Texts ---

// Each comma-separated item trimmed and put in double quotes, so a comma-text reader keeps
// items with spaces whole.
QString QuoteList(const QString& text);
QString RemoveQuotes(const QString& text);
// The file name without directory and without anything from its first ".".
QString FileNameStem(const QString& path);
// The text before its first ".".
QString CutAtDot(const QString& text);
// "1"/"true" and "0"/"false" in any letter case; anything else gives `def`.
bool TextToBool(const QString& text, bool def);
QString BoolToText(bool flag);
