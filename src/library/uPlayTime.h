#pragma once

#include "foundation/uDateTime.h"

#include <QtGlobal>

// How the statistics tables keep plays. A song (table Stats) or an artist (table AStats) has
// any number of rows, each packing the next 240 plays of the id as 4-byte little-endian day
// stamps (PackDayStamp with the minute of the day) in StatsVal, with the first and last play's
// time in BeginTime and EndTime.

// An instant as whole milliseconds since 1899-12-30: the statistics compare integers, so a play
// exactly at a window's edge is inside it whichever way the edge was computed.
using TPlayTime = qint64;

TPlayTime ToPlayTime(TDateTime value);
TDateTime FromPlayTime(TPlayTime time);
// The instant of a packed play entry: its day plus its minutes.
TPlayTime EntryPlayTime(quint32 entry);

// Entries in one statistics row, and the bytes of one entry.
inline constexpr int kStatsRowEntries = 240;
inline constexpr int kStatsEntryBytes = 4;

inline constexpr qint64 kMSecsPerMinute = 60000;
inline constexpr int kMinutesPerDay = 1440;

// The day of a date-time, at midnight.
TDateTime PlayDay(TDateTime value);
