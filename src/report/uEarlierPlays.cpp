#include "report/uEarlierPlays.h"

#include "foundation/uDateTime.h"
#include "settings/uSettings.h"

#include <algorithm>

namespace {

int DaysOfHours(int hours) {
    return hours <= 0 ? 0 : (hours + HoursPerDay - 1) / HoursPerDay;
}

// The days before the day that one group's limits reach.
int GroupReachDays(const TArFreqGroup& group) {
    int days = 0;
    if (group.Freq > 0)
        days = group.FPeriod == fpHours ? DaysOfHours(group.Freq) : group.Freq - 1;
    return std::max(days, DaysOfHours(group.MaxPeriodHours()));
}

std::vector<TPlayTime> Sorted(const QList<TDateTime>& times) {
    std::vector<TPlayTime> plays;
    plays.reserve(static_cast<size_t>(times.size()));
    for (TDateTime time : times)
        plays.push_back(ToPlayTime(time));
    std::sort(plays.begin(), plays.end());
    return plays;
}

} // namespace

int ReportLookbackDays() {
    int days = 1;
    if (FreqGroups)
        for (int i = 0; i < FreqGroups->Count(); ++i)
            days = std::max(days, GroupReachDays(FreqGroups->Items(i)));
    if (Separations)
        days = std::max(days, Separations->BlockDayCount());
    // A start after midnight (a clock running into the next day) reaches one day further.
    return days + 1;
}

TStatsEarlierPlays::TStatsEarlierPlays(TDBMainBase& store, const QDate& day, int days)
    : History(store) {
    const TDateTime midnight = DateToDateTime(day);
    // Up to the last millisecond before the day: its own plays are not earlier ones.
    History.SetPeriod(midnight - std::max(days, 1), midnight - 1.0 / MSecsPerDay);
}

const std::vector<TPlayTime>& TStatsEarlierPlays::SongPlays(int songId) {
    const auto found = Songs.find(songId);
    if (found != Songs.end())
        return found->second;
    return Songs.emplace(songId, Sorted(History.SongPlayTimes(songId))).first->second;
}

const std::vector<TPlayTime>& TStatsEarlierPlays::ArtistPlays(int artistId) {
    const auto found = Artists.find(artistId);
    if (found != Artists.end())
        return found->second;
    return Artists.emplace(artistId, Sorted(History.ArtistPlayTimes(artistId))).first->second;
}
