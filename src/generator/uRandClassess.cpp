#include "generator/uRandClassess.h"

#include "foundation/uFormat.h"
#include "foundation/uRandom.h"
#include "generator/uCutAllowance.h"
#include "generator/uRelaxation.h"
#include "generator/uRestrictions.h"
#include "generator/uSongsFilterUtils.h"
#include "library/uStatsCache.h"
#include "settings/uSettings.h"

#include <atomic>
#include <climits>
#include <stdexcept>
#include <vector>

namespace {

std::atomic<int> SerialCounter{0};

constexpr double kOneSecond = 1.0 / 86400.0;
// The play-count window of the draw: the six days before the generated one.
constexpr int kPlayCountDays = 6;

std::unique_ptr<TAllowedSong> SongFromRow(const TCandidateRow& row, int artistId,
                                          bool mixAdjusted) {
    const int full = row.EffectiveTime();
    const int time = mixAdjusted ? full - row.Mix : full;
    return std::make_unique<TAllowedSong>(row.SongId, row.Category, row.Mix, time, full, artistId);
}

bool CutsAllowed(bool hPrior) {
    return Options && Options->CanCut() && (!hPrior || Options->CutHPrior());
}

// Candidate positions outward from p: p, p + 1, p - 1, p + 2, p - 2, ...
std::vector<int> OutwardOrder(int p, int count) {
    std::vector<int> order;
    order.reserve(count);
    order.push_back(p);
    for (int step = 1; static_cast<int>(order.size()) < count; ++step) {
        if (p + step < count)
            order.push_back(p + step);
        if (p - step >= 0)
            order.push_back(p - step);
    }
    return order;
}

} // namespace

// --- Records

TAllowedSong::TAllowedSong(int songId, int category, int mix, int time, int fullTime, int artistId)
    : Serial(++SerialCounter), Time(std::max(time, 0)), FullTime(fullTime), SongId(songId),
      ArtistId(artistId), Category(static_cast<quint8>(category)), Mix(time < mix ? 0 : mix) {}

TRandedItem::TRandedItem(std::unique_ptr<TAllowedSong> song, int catId)
    : Duration(song->Time), Song(std::move(song)), Mix(Song->Mix), CatId(catId),
      OrigMix(Song->Mix) {}

// --- TBaseRandObj

IDrawContext& TBaseRandObj::Context() const {
    if (Owner == nullptr)
        throw std::logic_error("draw object used outside a run");
    return *Owner;
}

std::unique_ptr<TAllowedSong> TBaseRandObj::AcceptRow(const TCandidateSet& rows, int songId,
                                                      int startMinute, bool mixAdjusted) const {
    const int artistId = CheckCandidate(*this, rows, songId, startMinute);
    if (artistId == kRefused)
        return nullptr;
    return SongFromRow(*rows.Find(songId), artistId, mixAdjusted);
}

std::unique_ptr<TRandedItem> TBaseRandObj::DrawShorter(int, int, int, bool) {
    return nullptr;
}

std::unique_ptr<TRandedItem> TBaseRandObj::DrawLonger(int, int, int, bool) {
    return nullptr;
}

// Fixed lists and blanks place what they hold or nothing: there is no other song to choose.
std::unique_ptr<TRandedItem> TBaseRandObj::DrawRelaxed(int, int) {
    return nullptr;
}

// --- TRandObj

TPassClass TRandObj::ClassifyPass() {
    if (HPrior)
        PassClass = TPassClass::HighPriority;
    else if (ExTime)
        PassClass = TPassClass::ExactTime;
    else if (Lab1.isEmpty() && Lab2.isEmpty() && CharacterIds.isEmpty())
        PassClass = TPassClass::Plain;
    else
        PassClass = TPassClass::Filtered;
    return PassClass;
}

bool TRandObj::IsCuttable() const {
    return SCat == 1 && !ExTime && CutsAllowed(HPrior);
}

void TRandObj::Prepare(TMainBaseQuery& query) {
    CharacterIds = Context().Candidates().Filters().CharacterIds(
        {TypeIds, TempoIds, LanguageIds, AtmosphereIds, VocalIds, Any}, query);
    BuildQuery();
    ClassifyPass();
}

void TRandObj::BuildQuery() {
    QueryTemplate =
        Context().Candidates().Filters().Template({SCat, Lab1, Lab2, Any, YearIds, CharacterIds});
}

void TRandObj::OpenCandidates() {
    const QString extra = ExTime ? ExactTimeCondition(SlotTime) : QString();
    const bool sameTemplate =
        QueryTemplate.isSharedWith(OpenSqlTemplate) || QueryTemplate == OpenSqlTemplate;
    TCandidateCache& cache = Context().Candidates();
    if (!OpenStatement || extra != OpenSqlExtra || !sameTemplate) {
        OpenStatement = cache.Statement(Format(QueryTemplate, {extra, kCandidateOrder}));
        OpenSqlTemplate = QueryTemplate;
        OpenSqlExtra = extra;
    }
    Rows = cache.Open(*OpenStatement);
}

void TRandObj::LoadCandidates(bool mixAdjusted) {
    TSortedCandidates sorted = Context().Candidates().Sorted(*OpenStatement, *Rows, mixAdjusted);
    Candidates = std::move(sorted.List);
    CandidateRows = std::move(sorted.Rows);
}

void TRandObj::CloseCandidates() {
    Rows.reset();
    Candidates.Clear();
    CandidateRows.clear();
}

std::unique_ptr<TAllowedSong> TRandObj::AcceptSong(int songId, int startMinute, bool mixAdjusted) {
    if (!Rows)
        return nullptr;
    return AcceptRow(*Rows, songId, startMinute, mixAdjusted);
}

int TRandObj::EarlierPlayCount(int songId) {
    IDrawContext& context = Context();
    const TDateTime until = context.Day() - kOneSecond;
    return context.Stats().SongPlayCount(songId, true, until - kPlayCountDays, until);
}

int TRandObj::PlayCount(int songId) {
    return EarlierPlayCount(songId) + Context().SongHistory().CountOf(songId);
}

int TRandObj::RankingCount(int position) {
    const int songId = static_cast<int>(Candidates.ValueAt(position));
    const bool aligned = CandidateRows.size() == static_cast<std::size_t>(Candidates.Count());
    const int row = aligned ? CandidateRows[position] : Rows->IndexOf(songId);
    const TRandedHistoryList& history = Context().SongHistory();
    const int inDay = history.Count() == 0 ? 0 : history.CountOf(songId);
    if (row < 0)
        return PlayCount(songId);
    return Rows->BaseCount(row, [&] { return EarlierPlayCount(songId); }) + inDay;
}

std::unique_ptr<TAllowedSong> TRandObj::DrawLeastPlayed(int needed, int startMinute,
                                                        TDayRuleSet relaxed) {
    const int count = Candidates.Count();
    if (count == 0 || !Rows)
        return nullptr;
    int p = Candidates.NearestAbove(needed);
    if (p < 0)
        p = count - 1;
    const std::vector<int> order = OutwardOrder(p, count);
    // The counts do not change during one draw: nothing is placed until it ends.
    std::vector<int> counts(count);
    int level = INT_MAX;
    for (int position : order) {
        counts[position] = RankingCount(position);
        level = std::min(level, counts[position]);
    }
    std::vector<int> candidates;
    while (true) {
        candidates.clear();
        int next = INT_MAX;
        for (int position : order) {
            if (counts[position] == level)
                candidates.push_back(position);
            else if (counts[position] > level)
                next = std::min(next, counts[position]);
        }
        while (!candidates.empty()) {
            const int pick = Context().Random().Uniform(static_cast<int>(candidates.size()));
            const int songId = static_cast<int>(Candidates.ValueAt(candidates[pick]));
            const int artistId = CheckCandidate(*this, *Rows, songId, startMinute, relaxed);
            if (artistId != kRefused)
                return SongFromRow(*Rows->Find(songId), artistId, false);
            // Order within a level does not matter (the pick is uniform): drop in O(1).
            candidates[pick] = candidates.back();
            candidates.pop_back();
        }
        if (next == INT_MAX)
            return nullptr;
        level = next;
    }
}

bool TRandObj::FitsTolerance(const TAllowedSong& song, int needed, int tolerance) const {
    if (tolerance == -1)
        return true;
    if (song.Time < needed)
        return false;
    if (song.Time <= needed + CutAllowance(song.Time))
        return true;
    return tolerance != -2 && song.Time <= needed + tolerance;
}

template <class TPick>
std::unique_ptr<TRandedItem> TRandObj::DrawSequential(int startMinute, bool mixAdjusted,
                                                      TPick pick) {
    std::unique_ptr<TAllowedSong> song;
    while (!song) {
        const int index = pick();
        if (index < 0)
            break;
        song = AcceptSong(static_cast<int>(Candidates.ValueAt(index)), startMinute, mixAdjusted);
        if (!song)
            Candidates.Delete(index);
    }
    CloseCandidates();
    return song ? std::make_unique<TRandedItem>(std::move(song), CatId) : nullptr;
}

std::unique_ptr<TRandedItem> TRandObj::Draw(int needed, int startMinute, int tolerance,
                                            bool randomPick, bool mixAdjusted) {
    if (needed <= 0)
        return nullptr;
    OpenCandidates();
    LoadCandidates(mixAdjusted);
    std::unique_ptr<TAllowedSong> song;
    if (randomPick) {
        song = DrawLeastPlayed(needed, startMinute);
    } else {
        while (!song) {
            const int index = Candidates.NearestAbove(needed);
            if (index < 0)
                break;
            song =
                AcceptSong(static_cast<int>(Candidates.ValueAt(index)), startMinute, mixAdjusted);
            Candidates.Delete(index);
        }
    }
    CloseCandidates();
    if (song && !FitsTolerance(*song, needed, tolerance))
        song.reset();
    if (!song)
        return nullptr;
    return PlacedItem(std::move(song));
}

std::unique_ptr<TRandedItem> TRandObj::PlacedItem(std::unique_ptr<TAllowedSong> song) const {
    if (ExTime) {
        // The query admitted only songs at least as long as the slot: it plays exactly the slot.
        song->Time = SlotTime;
        song->FullTime = SlotTime;
    }
    return std::make_unique<TRandedItem>(std::move(song), CatId);
}

std::unique_ptr<TRandedItem> TRandObj::DrawRelaxed(int needed, int startMinute) {
    if (needed <= 0)
        return nullptr;
    OpenCandidates();
    LoadCandidates(false);
    std::unique_ptr<TAllowedSong> song;
    TDayRuleSet relaxed = 0;
    for (TDayRule rule : RelaxationOrder) {
        relaxed |= RuleBit(rule);
        // Giving up a rule the slot does not check would only draw the previous step again.
        if (!RuleChecked(*this, rule))
            continue;
        song = DrawLeastPlayed(needed, startMinute, relaxed);
        if (song)
            break;
    }
    // The song broke a rule of the step before (none kept them all): the set is never empty.
    const TDayRuleSet broken =
        song ? BrokenRules(*this, *Rows->Find(song->SongId), startMinute, relaxed) : 0;
    CloseCandidates();
    if (!song)
        return nullptr;
    auto item = PlacedItem(std::move(song));
    item->Relaxed = broken;
    return item;
}

std::unique_ptr<TRandedItem> TRandObj::DrawAtMost(int startMinute, int target) {
    OpenCandidates();
    LoadCandidates(true);
    return DrawSequential(startMinute, true, [&] { return Candidates.LastAtMost(target); });
}

std::unique_ptr<TRandedItem> TRandObj::DrawAtLeast(int startMinute, int target) {
    OpenCandidates();
    LoadCandidates(true);
    TRandom& random = Context().Random();
    return DrawSequential(startMinute, true,
                          [&] { return Candidates.FirstAtLeast(target, random); });
}

std::unique_ptr<TRandedItem> TRandObj::DrawNeighbour(int needed, int excludeSongId, int startMinute,
                                                     bool mixAdjusted, bool longer) {
    OpenCandidates();
    LoadCandidates(mixAdjusted);
    return DrawSequential(startMinute, false, [&] {
        int index = longer ? Candidates.FirstAbove(needed) : Candidates.LastBelow(needed);
        if (index >= 0 && Candidates.ValueAt(index) == excludeSongId) {
            index += longer ? 1 : -1;
            if (index >= Candidates.Count())
                index = -1;
        }
        return index;
    });
}

std::unique_ptr<TRandedItem> TRandObj::DrawShorter(int needed, int excludeSongId, int startMinute,
                                                   bool mixAdjusted) {
    return DrawNeighbour(needed, excludeSongId, startMinute, mixAdjusted, false);
}

std::unique_ptr<TRandedItem> TRandObj::DrawLonger(int needed, int excludeSongId, int startMinute,
                                                  bool mixAdjusted) {
    return DrawNeighbour(needed, excludeSongId, startMinute, mixAdjusted, true);
}

// --- TBlankObj

TPassClass TBlankObj::ClassifyPass() {
    PassClass = ExTime || HPrior ? TPassClass::HighPriority : TPassClass::Filtered;
    return PassClass;
}

void TBlankObj::Prepare(TMainBaseQuery&) {
    ClassifyPass();
}

std::unique_ptr<TRandedItem> TBlankObj::Draw(int, int, int, bool, bool) {
    auto item = std::make_unique<TRandedItem>(
        std::make_unique<TAllowedSong>(-1, SCat, 0, SlotTime, SlotTime, -1), CatId);
    item->Info = Info;
    return item;
}

// --- TPlayListObj

TPassClass TPlayListObj::ClassifyPass() {
    PassClass = HPrior ? TPassClass::HighPriorityList : TPassClass::ExactTime;
    return PassClass;
}

bool TPlayListObj::IsCuttable() const {
    return SCat == 1 && CutsAllowed(HPrior);
}

void TPlayListObj::Prepare(TMainBaseQuery&) {
    ClassifyPass();
}

std::unique_ptr<TRandedItem> TPlayListObj::Draw(int, int startMinute, int, bool, bool mixAdjusted) {
    // A random fixed list places nothing (its slot then stops the run as having no song).
    if (RndList || ListData == nullptr || ListData->Songs.empty())
        return nullptr;
    TRandListData& data = *ListData;
    int pos = static_cast<int>(data.Played.size());
    if (pos >= static_cast<int>(data.Songs.size())) {
        if (!RepList)
            return nullptr;
        data.Played.clear();
        pos = 0;
    }
    const int songId = data.Songs[pos];
    const auto rows = Context().Candidates().Open(SingleSongQuery(songId));
    auto song = AcceptRow(*rows, songId, startMinute, mixAdjusted);
    if (!song)
        return nullptr;
    data.Played.append(QString::number(songId));
    data.LastSongId = songId;
    data.LastIndex = RepList ? pos : static_cast<int>(data.Played.size());
    return std::make_unique<TRandedItem>(std::move(song), CatId);
}
