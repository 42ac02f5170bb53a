#include "report/uPlayRules.h"

#include "foundation/uDateTime.h"
#include "settings/uArFreqGroups.h"

#include <algorithm>

namespace {

constexpr int kMinutesPerHour = 60;
constexpr TPlayTime kMsPerHour = 3600000;

// The plays in [from, to], the vector being ascending.
int CountIn(const std::vector<TPlayTime>& times, TPlayTime from, TPlayTime to) {
    if (from > to)
        return 0;
    const auto first = std::lower_bound(times.begin(), times.end(), from);
    const auto last = std::upper_bound(first, times.end(), to);
    return static_cast<int>(last - first);
}

bool DistanceKept(const TArFreqGroup& group, const TEarlierPlays& plays, TPlayTime midnight,
                  int startMinute) {
    const int freq = group.Freq;
    if (freq == -1)
        return true;
    const TPlayTime start = midnight + startMinute * kMSecsPerMinute;
    if (group.FPeriod == fpHours) {
        const int span = freq * kMinutesPerHour;
        if (std::any_of(plays.DayMinutes.begin(), plays.DayMinutes.end(),
                        [&](int minute) { return minute + span >= startMinute; }))
            return false;
        return CountIn(plays.Before, start - freq * kMsPerHour, midnight - 1) == 0;
    }
    if (group.FPeriod == fpDays) {
        if (!plays.DayMinutes.empty())
            return false;
        return freq <= 1 || CountIn(plays.Before, midnight - (freq - 1) * TPlayTime(MSecsPerDay),
                                    midnight - 1) == 0;
    }
    return true;
}

bool CountKept(const TArFreqGroup& group, const TEarlierPlays& plays, TPlayTime midnight,
               int startMinute) {
    const int hours = group.MaxPeriodHours();
    if (group.Max == -1 || hours <= 0)
        return true;
    const int window = hours * kMinutesPerHour;
    int count =
        static_cast<int>(std::count_if(plays.DayMinutes.begin(), plays.DayMinutes.end(),
                                       [&](int minute) { return minute > startMinute - window; }));
    // Strictly after the window's opening instant.
    const TPlayTime opening = midnight + (startMinute - window) * kMSecsPerMinute;
    count += CountIn(plays.Before, opening + 1, midnight - 1);
    return count < group.Max;
}

} // namespace

bool FrequencyKept(const TArFreqGroup& group, const TEarlierPlays& plays, TPlayTime midnight,
                   int startMinute) {
    return DistanceKept(group, plays, midnight, startMinute) &&
           CountKept(group, plays, midnight, startMinute);
}

bool SeparationKept(const std::vector<TPlayTime>& before, TPlayTime midnight,
                    const TSeparationWindow& window, int blockDays) {
    for (int back = 1; back <= blockDays; ++back) {
        const TPlayTime day = midnight - back * TPlayTime(MSecsPerDay);
        if (CountIn(before, day + window.FromMs, day + window.ToMs) > 0)
            return false;
    }
    return true;
}
