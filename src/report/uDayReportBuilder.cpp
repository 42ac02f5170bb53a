#include "report/uDayReportBuilder.h"

#include "foundation/uArUtils.h"
#include "foundation/uFormat.h"
#include "foundation/uPrompt.h"
#include "library/uSongData.h"
#include "report/uEarlierPlays.h"
#include "report/uPlayRules.h"
#include "report/uReportLibrary.h"
#include "report/uReportSlots.h"
#include "settings/uSettings.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <map>
#include <memory>
#include <numeric>
#include <unordered_map>

namespace {

constexpr int kMsPerHour = 3600000;

const TArFreqGroup* GroupOf(int ownId, int globalId) {
    if (!FreqGroups)
        return nullptr;
    if (const TArFreqGroup* own = FreqGroups->FindById(ownId))
        return own;
    return FreqGroups->FindById(globalId);
}

// The performer with its aliases, each once.
std::vector<int> PerformersOf(int artistId, const TReportArtist& artist) {
    std::vector<int> performers{artistId};
    for (int alias : {artist.Alias1, artist.Alias2})
        if (alias != -1 &&
            std::find(performers.begin(), performers.end(), alias) == performers.end())
            performers.push_back(alias);
    return performers;
}

// The checks of one day, position by position in the order of their starts.
class TReportBuilder {
public:
    explicit TReportBuilder(const TDayReportInput& input)
        : Input(input), Library(*input.Store), Filters(Library),
          Midnight(ToPlayTime(DateToDateTime(input.Date))), Day(DateToDateTime(input.Date)) {}

    TDayReport Build() {
        TDayReport report;
        report.Date = Input.Date;
        const std::vector<const TReportSlot*> rowSlots = MatchSlots();
        for (size_t i = 0; i < Input.Positions.size(); ++i)
            report.Positions.push_back(Describe(*Input.Positions[i], rowSlots[i]));
        for (size_t i : TimeOrder())
            report.Positions[i].Checks = Check(*Input.Positions[i], rowSlots[i]);
        AddTotals(report, rowSlots);
        return report;
    }

private:
    const TDayReportInput& Input;
    TReportLibrary Library;
    TSlotFilterCheck Filters;
    TPlayTime Midnight;
    TDateTime Day;
    // The start minutes of the plays checked so far, by song and by performer.
    std::unordered_map<int, std::vector<int>> SongMinutes;
    std::unordered_map<int, std::vector<int>> ArtistMinutes;

    // Kept while the report is made: the positions point at its slots.
    std::unique_ptr<TSlotMatcher> Matcher;

    std::vector<const TReportSlot*> MatchSlots() {
        std::vector<const TReportSlot*> matched(Input.Positions.size(), nullptr);
        if (!Input.Clock)
            return matched;
        Matcher = std::make_unique<TSlotMatcher>(ClockSlots(*Input.Clock));
        for (size_t i = 0; i < Input.Positions.size(); ++i)
            matched[i] = Matcher->Take(*Input.Positions[i]);
        return matched;
    }

    // Indexes of the positions by start, list order among equal starts.
    std::vector<size_t> TimeOrder() const {
        std::vector<size_t> order(Input.Positions.size());
        std::iota(order.begin(), order.end(), size_t(0));
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            return Input.Positions[a]->Hour < Input.Positions[b]->Hour;
        });
        return order;
    }

    const std::optional<TReportSong>& SongOf(const TResultSongData& position) {
        static const std::optional<TReportSong> none;
        return position.Blank || position.SongId == -1 ? none : Library.Song(position.SongId);
    }

    TPositionReport Describe(const TResultSongData& position, const TReportSlot* slot) {
        TPositionReport report;
        report.StartMs = position.Hour;
        report.EndMs = position.Hour + std::max(position.SongTime, 0);
        report.Blank = position.Blank;
        report.OwnHour = position.OwnHour;
        report.Artist = position.ArtistName;
        report.Title = position.Title;
        const std::optional<TReportSong>& song = SongOf(position);
        report.SongId = song ? position.SongId : -1;
        bool numeric = false;
        const int category = (song ? song->Category : position.Category).toInt(&numeric);
        report.Category = numeric ? category : -1;
        if (slot) {
            report.Slot = slot->Name;
            report.SlotStartMs = slot->StartMs;
        }
        return report;
    }

    TRuleChecks Check(const TResultSongData& position, const TReportSlot* slot) {
        TRuleChecks checks{};
        const std::optional<TReportSong>& found = SongOf(position);
        if (!found)
            return checks;
        const TReportSong& song = *found;
        const int minute = MsToMinutes(position.Hour);
        const auto set = [&](TDayRule rule, bool kept) {
            checks[static_cast<int>(rule)] =
                kept ? TRuleResult::Ok
                     : (HasRule(position.Relaxed, rule) ? TRuleResult::Relaxed
                                                        : TRuleResult::Broken);
        };
        if (slot && slot->Kind == TSlotKind::skCategory) {
            set(TDayRule::Category, song.Category == QString::number(slot->SCat));
            set(TDayRule::Characteristics, Filters.Matches(slot->Filter, song));
        }
        if (!slot || !slot->Rest) {
            set(TDayRule::Labels,
                !DisabledLabels || !DisabledLabels->IsAnyDisabled(song.Label1Id, song.Label2Id));
            set(TDayRule::TimeBlockades, TimeBlockadesKept(song, minute));
            set(TDayRule::SongFrequency, SongFrequencyKept(position.SongId, song, minute));
            set(TDayRule::ArtistFrequency, ArtistFrequencyKept(song.ArtistId, minute));
        }
        if (Separations && Separations->AppliesTo(slot ? slot->SepEnb : smDefault))
            set(TDayRule::Separation,
                SeparationKept(Input.Earlier->SongPlays(position.SongId), Midnight,
                               Separations->WindowAround(minute), Separations->BlockDayCount()));
        SongMinutes[position.SongId].push_back(minute);
        if (song.ArtistId != -1)
            ArtistMinutes[song.ArtistId].push_back(minute);
        return checks;
    }

    bool TimeBlockadesKept(const TReportSong& song, int minute) const {
        if (!TimeRanges)
            return true;
        return std::none_of(song.TimeRests.begin(), song.TimeRests.end(), [&](int id) {
            const TArTimeRange* range = TimeRanges->FindById(id);
            return range && !range->IsFree(minute, Day);
        });
    }

    bool SongFrequencyKept(int songId, const TReportSong& song, int minute) {
        const TArFreqGroup* group =
            GroupOf(song.FreqGroup, FreqGroups ? FreqGroups->GlobSongGr() : -1);
        if (!group)
            return true;
        static const std::vector<int> none;
        const auto inDay = SongMinutes.find(songId);
        return FrequencyKept(
            *group,
            {inDay == SongMinutes.end() ? none : inDay->second, Input.Earlier->SongPlays(songId)},
            Midnight, minute);
    }

    bool ArtistFrequencyKept(int artistId, int minute) {
        const std::optional<TReportArtist>& artist = Library.Artist(artistId);
        if (!artist)
            return true;
        const TArFreqGroup* group =
            GroupOf(artist->FreqGroup, FreqGroups ? FreqGroups->GlobArtGr() : -1);
        if (!group)
            return true;
        std::vector<int> inDay;
        std::vector<TPlayTime> before;
        for (int performer : PerformersOf(artistId, *artist)) {
            if (const auto found = ArtistMinutes.find(performer); found != ArtistMinutes.end())
                inDay.insert(inDay.end(), found->second.begin(), found->second.end());
            const std::vector<TPlayTime>& plays = Input.Earlier->ArtistPlays(performer);
            before.insert(before.end(), plays.begin(), plays.end());
        }
        std::sort(before.begin(), before.end());
        return FrequencyKept(*group, {inDay, before}, Midnight, minute);
    }

    void AddTotals(TDayReport& report, const std::vector<const TReportSlot*>& rowSlots) const {
        std::map<int, TReportTotals> hours;
        const auto hourOf = [](int startMs) {
            return startMs >= 0 ? startMs / kMsPerHour : (startMs - kMsPerHour + 1) / kMsPerHour;
        };
        const auto add = [&](int startMs, const auto& change) {
            change(report.Summary);
            change(hours[hourOf(startMs)]);
        };
        const std::vector<TPositionReport>& positions = report.Positions;
        for (size_t i = 0; i < positions.size(); ++i) {
            const TPositionReport& at = positions[i];
            const TResultSongData& position = *Input.Positions[i];
            add(at.StartMs, [&](TReportTotals& totals) {
                ++totals.Positions;
                totals.Songs += at.Blank ? 0 : 1;
                totals.AddChecks(at.Checks);
            });
            if (!position.Blank && position.DbTime > 0 && position.SongTime >= 0 &&
                position.SongTime < position.DbTime)
                add(at.StartMs, [&](TReportTotals& totals) {
                    totals.AddCut(position.DbTime - position.SongTime);
                });
            if (position.OwnHour && rowSlots[i]) {
                const int drift = std::abs(at.StartMs - rowSlots[i]->StartMs);
                add(at.StartMs, [&](TReportTotals& totals) { totals.AddFixedHour(drift); });
            }
            if (i + 1 == positions.size())
                continue;
            const TPositionReport& next = positions[i + 1];
            if (next.StartMs > at.EndMs)
                add(next.StartMs,
                    [&](TReportTotals& totals) { totals.AddGap(next.StartMs - at.EndMs); });
            else if (next.StartMs < at.EndMs)
                add(at.StartMs,
                    [&](TReportTotals& totals) { totals.AddMix(at.EndMs - next.StartMs); });
        }
        for (const auto& [hour, totals] : hours)
            report.Hours.push_back({hour, totals});
    }
};

} // namespace

std::optional<TDayReport> BuildDayReport(const TDayReportInput& input) {
    if (!input.Store || !input.Earlier || !input.Date.isValid())
        return std::nullopt;
    try {
        return TReportBuilder(input).Build();
    } catch (const std::exception& e) {
        ShowError(Format(kDayReportStoreError, {QString::fromUtf8(e.what())}));
        return std::nullopt;
    }
}
