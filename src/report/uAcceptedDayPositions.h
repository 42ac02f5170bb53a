#pragma once

#include "library/uSongData.h"

#include <QDate>
#include <memory>
#include <vector>

class TDayHistory;

// The positions of an accepted day as its history file keeps them, for a report of a day that
// was accepted without one: start, length, blank, performer and title of each row. The file
// names no songs; each row's song is the one the day's record of plays gives for it (one play
// per row, in order), or, for a day accepted before such records were kept, the library's song
// of that performer and title (letter case ignored). A song that cannot be found has id -1, as
// a song gone from the library; the songs found are read from the library (their stored length
// among the rest). The day's clock and the rules the generator relaxed are not kept with an
// accepted day.
//
// Runs on the library store (MainBase); store errors throw SQLite::Exception.
std::vector<std::unique_ptr<TResultSongData>> AcceptedDayPositions(const TDayHistory& history,
                                                                   const QDate& day);
