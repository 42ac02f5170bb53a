#include "generator/uRestrictions.h"

#include "foundation/uArUtils.h"
#include "foundation/uPrompt.h"
#include "generator/uCandidates.h"
#include "generator/uDrawContext.h"
#include "generator/uRandClassess.h"
#include "library/uStatsCache.h"
#include "settings/uSettings.h"

#include <array>

namespace {

constexpr int kMinutesPerHour = 60;
constexpr double kMinutesPerDay = 1440.0;

TDateTime AtMinute(TDateTime day, int minute) {
    return day + minute / kMinutesPerDay;
}

// The group by its own id, else the global one; nullptr when neither exists.
const TArFreqGroup* FrequencyGroup(int ownId, int globalId) {
    if (!FreqGroups)
        return nullptr;
    if (const TArFreqGroup* own = FreqGroups->FindById(ownId))
        return own;
    return FreqGroups->FindById(globalId);
}

// Whether a play at minute m of the day keeps a play at `start` away: less than F hours after
// it, or at most F hours before it.
bool TooCloseInHours(int m, int start, int freqHours) {
    const int span = freqHours * kMinutesPerHour;
    return (m > start && m - span < start) || (m <= start && m + span >= start);
}

// Calls `visit` with every history entry of the key until it answers true.
template <class TVisit> bool AnyEntry(const TRandedHistoryList& history, int key, TVisit visit) {
    for (int i = history.Find(key); i >= 0 && i < history.Count() && history.KeyAt(i) == key; ++i)
        if (visit(history.Item(i)))
            return true;
    return false;
}

// Entries of the key strictly inside (start - window, start + window).
int EntriesAround(const TRandedHistoryList& history, int key, int start, int window) {
    int count = 0;
    AnyEntry(history, key, [&](const TRandHistoryItem& item) {
        if (start - window < item.Minute && item.Minute < start + window)
            ++count;
        return false;
    });
    return count;
}

// The count window in minutes; 0 when the group has no usable one.
int CountWindowMinutes(const TArFreqGroup& group) {
    const int hours = group.MaxPeriodHours();
    return hours > 0 ? hours * kMinutesPerHour : 0;
}

// The performer set of an artist: the artist and its aliases.
struct TPerformers {
    std::array<int, 3> Ids{};
    int Count = 0;
    auto begin() const { return Ids.begin(); }
    auto end() const { return Ids.begin() + Count; }
};

TPerformers PerformersOf(int artistId, const TArtistRules& rules) {
    TPerformers set;
    set.Ids[set.Count++] = artistId;
    for (int alias : {rules.Alias1, rules.Alias2})
        if (alias != -1)
            set.Ids[set.Count++] = alias;
    return set;
}

} // namespace

bool LabelAllowed(const TCandidateRow& row) {
    return !DisabledLabels || !DisabledLabels->IsAnyDisabled(row.Label1Id, row.Label2Id);
}

bool TimeRangesAllowed(const TCandidateRow& row, int startMinute, TDateTime day) {
    if (!TimeRanges)
        return true;
    for (int rangeId : row.TimeRest) {
        const TArTimeRange* range = TimeRanges->FindById(rangeId);
        if (range != nullptr && !range->IsFree(startMinute, day))
            return false;
    }
    return true;
}

bool SongFrequencyAllowed(IDrawContext& context, const TCandidateRow& row, int startMinute) {
    const TArFreqGroup* group =
        FrequencyGroup(row.FreqRest, FreqGroups ? FreqGroups->GlobSongGr() : -1);
    if (group == nullptr)
        return true;
    const TRandedHistoryList& history = context.SongHistory();
    const TDateTime day = context.Day();
    const TDateTime t1 = AtMinute(day, startMinute);
    const int songId = row.SongId;
    const int freq = group->Freq;
    if (freq != -1) {
        if (history.Find(songId) >= 0) {
            // The day so far decides; the earlier days are not asked then.
            if (group->FPeriod == fpHours) {
                if (AnyEntry(history, songId, [&](const TRandHistoryItem& item) {
                        return TooCloseInHours(item.Minute, startMinute, freq);
                    }))
                    return false;
            } else if (group->FPeriod == fpDays) {
                return false;
            }
        } else if (group->FPeriod == fpHours) {
            if (context.Stats().SongPlayed(songId, t1 - freq / 24.0, t1))
                return false;
        } else if (group->FPeriod == fpDays && freq != 1) {
            if (context.Stats().SongPlayed(songId, day - (freq - 1), t1))
                return false;
        }
    }
    const int window = CountWindowMinutes(*group);
    if (group->Max == -1 || window == 0)
        return true;
    const int inDay = EntriesAround(history, songId, startMinute, window);
    if (inDay >= group->Max)
        return false;
    if (startMinute - window < 0) {
        const int before =
            context.Stats().SongPlayCount(songId, false, AtMinute(day, startMinute - window), day);
        if (inDay + before >= group->Max)
            return false;
    }
    return true;
}

bool ArtistFrequencyAllowed(IDrawContext& context, int artistId, int startMinute) {
    const TArtistRules& rules = context.Artists().Get(artistId);
    if (!rules.Exists)
        return true;
    const TArFreqGroup* group =
        FrequencyGroup(rules.FreqGroup, FreqGroups ? FreqGroups->GlobArtGr() : -1);
    if (group == nullptr)
        return true;
    const TPerformers performers = PerformersOf(artistId, rules);
    const TRandedHistoryList& history = context.ArtistHistory();
    const TDateTime day = context.Day();
    const TDateTime t1 = AtMinute(day, startMinute);
    const int freq = group->Freq;
    if (freq != -1) {
        if (group->FPeriod != fpHours && group->FPeriod != fpDays)
            return true;
        for (int performer : performers) {
            const bool inDay =
                group->FPeriod == fpDays
                    ? history.Find(performer) >= 0
                    : AnyEntry(history, performer, [&](const TRandHistoryItem& item) {
                          return TooCloseInHours(item.Minute, startMinute, freq);
                      });
            if (inDay)
                return false;
        }
        // Unlike songs, the earlier days count in addition to the day so far.
        for (int performer : performers) {
            if (group->FPeriod == fpHours) {
                if (context.Stats().ArtistPlayed(performer, t1 - freq / 24.0, t1))
                    return false;
            } else if (freq != 1 && context.Stats().ArtistPlayed(performer, day - (freq - 1), t1)) {
                return false;
            }
        }
    }
    const int window = CountWindowMinutes(*group);
    if (group->Max == -1 || window == 0)
        return true;
    int inDay = 0;
    for (int performer : performers)
        inDay += EntriesAround(history, performer, startMinute, window);
    if (inDay >= group->Max)
        return false;
    if (startMinute - window < 0) {
        int before = 0;
        for (int performer : performers)
            before += context.Stats().ArtistPlayCount(performer,
                                                      AtMinute(day, startMinute - window), day);
        if (inDay + before >= group->Max)
            return false;
    }
    return true;
}

bool SeparationAllowed(IDrawContext& context, int songId, int startMinute) {
    if (!Separations || Separations->BlockDayCount() <= 0)
        return true;
    const TSeparationWindow window = Separations->WindowAround(startMinute);
    return context.Stats().SongFreeAtHours(songId, Separations->BlockDayCount(), context.Day() - 1,
                                           window.FromMs / double(MSecsPerDay),
                                           window.ToMs / double(MSecsPerDay));
}

bool RuleChecked(const TBaseRandObj& slot, TDayRule rule) {
    switch (rule) {
    case TDayRule::Separation:
        return Separations && Separations->AppliesTo(slot.SepEnb) &&
               Separations->BlockDayCount() > 0;
    case TDayRule::Labels:
    case TDayRule::TimeBlockades:
    case TDayRule::SongFrequency:
    case TDayRule::ArtistFrequency:
        return !slot.Rest;
    case TDayRule::Category:
    case TDayRule::Characteristics:
        break; // the slot's candidate query keeps these, not the check
    }
    return false;
}

namespace {

// Whether the song breaks the one rule; a rule the slot does not check is kept.
bool BreaksRule(const TBaseRandObj& slot, const TCandidateRow& row, int startMinute,
                TDayRule rule) {
    if (!RuleChecked(slot, rule))
        return false;
    IDrawContext& context = *slot.Owner;
    switch (rule) {
    case TDayRule::Labels:
        return !LabelAllowed(row);
    case TDayRule::TimeBlockades:
        return !TimeRangesAllowed(row, startMinute, context.Day());
    case TDayRule::SongFrequency:
        return !SongFrequencyAllowed(context, row, startMinute);
    case TDayRule::ArtistFrequency:
        return !ArtistFrequencyAllowed(context, row.ArtId, startMinute);
    case TDayRule::Separation:
        return !SeparationAllowed(context, row.SongId, startMinute);
    case TDayRule::Category:
    case TDayRule::Characteristics:
        break;
    }
    return false;
}

} // namespace

TDayRuleSet BrokenRules(const TBaseRandObj& slot, const TCandidateRow& row, int startMinute,
                        TDayRuleSet among) {
    TDayRuleSet broken = 0;
    for (int bit = 0; bit < DayRuleCount; ++bit) {
        const auto rule = static_cast<TDayRule>(bit);
        if (HasRule(among, rule) && BreaksRule(slot, row, startMinute, rule))
            broken |= RuleBit(rule);
    }
    return broken;
}

int CheckCandidate(const TBaseRandObj& slot, const TCandidateSet& rows, int songId, int startMinute,
                   TDayRuleSet relaxed) {
    ProcessPendingEvents();
    const TCandidateRow* row = rows.Find(songId);
    if (row == nullptr)
        return kRefused;
    IDrawContext& context = *slot.Owner;
    const int artistId = row->ArtId;
    const auto givenUp = [relaxed](TDayRule rule) { return HasRule(relaxed, rule); };
    if (!slot.Rest) {
        // Labels are never given up.
        const bool allowed = LabelAllowed(*row) &&
                             (givenUp(TDayRule::TimeBlockades) ||
                              TimeRangesAllowed(*row, startMinute, context.Day())) &&
                             (givenUp(TDayRule::SongFrequency) ||
                              SongFrequencyAllowed(context, *row, startMinute)) &&
                             (givenUp(TDayRule::ArtistFrequency) ||
                              ArtistFrequencyAllowed(context, artistId, startMinute));
        if (!allowed)
            return kRefused;
    }
    if (!givenUp(TDayRule::Separation) && Separations && Separations->AppliesTo(slot.SepEnb) &&
        !SeparationAllowed(context, songId, startMinute))
        return kRefused;
    return artistId;
}
