#pragma once

#include "library/uPlayTime.h"
#include "settings/uArSeparations.h"

#include <vector>

struct TArFreqGroup;

// The rules that compare a play with the plays before it. A conflict between two plays is
// blamed on the later one, so only earlier plays are looked at: those of the same day (their
// start minutes, all at or before the start) and those of the days before it (instants before
// the day's midnight, ascending).
struct TEarlierPlays {
    const std::vector<int>& DayMinutes;
    const std::vector<TPlayTime>& Before;
};

// Whether a play at `startMinute` of the day that begins at `midnight` keeps the frequency
// group:
// - a distance of F hours: no earlier play m of the day with m + F * 60 >= start (minutes), and
//   none of the days before in [start - F hours, midnight);
// - a distance of F days: no earlier play of the day, and for F > 1 none on the F - 1 days
//   before;
// - at most M plays in a window of W hours: fewer than M earlier plays starting after
//   start - W (the day's by minute, the days before by instant).
bool FrequencyKept(const TArFreqGroup& group, const TEarlierPlays& plays, TPlayTime midnight,
                   int startMinute);

// Whether none of the plays of the days before falls within the separation window on any of
// the `blockDays` days before the day.
bool SeparationKept(const std::vector<TPlayTime>& before, TPlayTime midnight,
                    const TSeparationWindow& window, int blockDays);
