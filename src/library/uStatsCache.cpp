#include "library/uStatsCache.h"

#include "foundation/uAppPaths.h"
#include "foundation/uArUtils.h"

#include <QDateTime>
#include <algorithm>
#include <optional>
#include <utility>

namespace {

// The date a plan file of the kind is named after; 0 for a name that is no date, or a file of
// another kind kept beside them (an accepted day's stored report, a pending day's sidecar).
TDateTime FileDate(const QString& name, TPlanKind kind) {
    if (!name.endsWith(QLatin1Char('.') + PlanExtension(kind), Qt::CaseInsensitive))
        return 0;
    return ParseDateKey(name).value_or(0);
}

} // namespace

// --- TCacheItem

TCacheItem::TCacheItem(int id) : ItemId(id) {
    PlayTimes.reserve(10);
}

void TCacheItem::Add(TPlayTime time) {
    // Plays mostly come in time order; a list reordered by hand may not.
    if (PlayTimes.empty() || PlayTimes.back() <= time)
        PlayTimes.push_back(time);
    else
        PlayTimes.insert(std::upper_bound(PlayTimes.begin(), PlayTimes.end(), time), time);
}

bool TCacheItem::PlayedIn(TPlayTime from, TPlayTime to) const {
    if (from > to)
        return false;
    const auto first = std::lower_bound(PlayTimes.begin(), PlayTimes.end(), from);
    return first != PlayTimes.end() && *first <= to;
}

int TCacheItem::CountIn(TPlayTime from, TPlayTime to) const {
    if (from > to)
        return 0;
    const auto first = std::lower_bound(PlayTimes.begin(), PlayTimes.end(), from);
    const auto last = std::upper_bound(first, PlayTimes.end(), to);
    return static_cast<int>(last - first);
}

// --- TStatsCache: loading

TStatsCache::TStatsCache(TDBMainBase& store, IPlanReader* reader)
    : Reader(reader), SongRows(store, tiStats), ArtistRows(store, tiAStats) {}

void TStatsCache::LoadPlans() {
    LoadRange(false, 0, QDateTimeToDateTime(QDateTime::currentDateTime().addYears(100)));
}

void TStatsCache::LoadRange(bool light, TDateTime from, TDateTime to) {
    if (!FindCacheWindow())
        return;
    const TDateTime first = PlayDay(std::max(WindowStart, from));
    const TDateTime last = PlayDay(std::min(WindowEnd, to));
    // Whole days, at least one, so a window starting late in a day still loads its last day.
    TDateTime day = first;
    do {
        try {
            LoadDay(light, day);
        } catch (const std::exception&) {
            // A day that cannot be read is left out of the cache.
        }
        day += 1;
    } while (day <= last);
    SetWindow(first, last + 1 - 1.0 / SecsPerDay);
}

bool TStatsCache::FindCacheWindow() {
    // The day after the newest accepted day; a stray file whose name is no date is no day.
    TDateTime start = 0;
    for (const QString& name : ListPlanFiles(pkHistory))
        start = std::max(start, FileDate(name, pkHistory));
    if (start != 0)
        start += 1;

    // The pending days from there on.
    std::optional<TDateTime> firstPending;
    std::optional<TDateTime> lastPending;
    for (const QString& name : ListPlanFiles(pkCurrent)) {
        const TDateTime date = FileDate(name, pkCurrent);
        if (date == 0 || (start != 0 && date < start))
            continue;
        firstPending = firstPending ? std::min(*firstPending, date) : date;
        lastPending = lastPending ? std::max(*lastPending, date) : date;
    }
    if (!lastPending) {
        SetWindow(start, start);
        return false;
    }
    SetWindow(start != 0 ? start : *firstPending, *lastPending);
    return true;
}

void TStatsCache::LoadDay(bool light, TDateTime day) {
    const QString path = ExistingPlanFilePath(pkCurrent, DateTimeToDate(day));
    if (!path.isEmpty())
        ReadPlanDay(day, path, light);
}

void TStatsCache::ReadPlanDay(TDateTime day, const QString& path, bool light) {
    LoadingDay = PlayDay(day);
    IPlanReader& reader = Reader ? *Reader : PlanReader();
    reader.ReadPlanFile(path, false, light, [this](const TPlanItem& item) { AddPlanItem(item); });
}

void TStatsCache::AddPlanItem(const TPlanItem& item) {
    const TPlayTime time = ToPlayTime(LoadingDay) + static_cast<TPlayTime>(item.Hour / 1000) * 1000;
    // Blanks and positions without an artist are never recorded, so they are not cached.
    const std::pair<TStatsKind, int> keys[] = {{skSongs, item.SongId}, {skArtists, item.ArtistId}};
    for (const auto& [kind, id] : keys)
        if (id != -1)
            Items[kind].try_emplace(id, id).first->second.Add(time);
}

void TStatsCache::SetWindow(TDateTime start, TDateTime end) {
    WindowStart = start;
    WindowEnd = end;
    StartTime = ToPlayTime(start);
    EndTime = ToPlayTime(end);
}

// --- TStatsCache: answers

const TCacheItem* TStatsCache::FindItem(TStatsKind kind, int id) const {
    const auto found = Items[kind].find(id);
    return found == Items[kind].end() ? nullptr : &found->second;
}

bool TStatsCache::WindowMeets(TPlayTime from, TPlayTime to) const {
    return HasWindow() && StartTime <= to && EndTime >= from;
}

// The cached answers look only inside the window: a day cached earlier that has been accepted
// since is answered by the tables, never twice.
bool TStatsCache::CachedPlayed(TStatsKind kind, int id, TPlayTime from, TPlayTime to) const {
    if (!WindowMeets(from, to))
        return false;
    const TCacheItem* item = FindItem(kind, id);
    return item && item->PlayedIn(std::max(from, StartTime), std::min(to, EndTime));
}

int TStatsCache::CachedCount(TStatsKind kind, int id, TPlayTime from, TPlayTime to,
                             bool all) const {
    if (!HasWindow())
        return 0;
    const TCacheItem* item = FindItem(kind, id);
    if (!item)
        return 0;
    if (all)
        return item->Count();
    if (!WindowMeets(from, to))
        return 0;
    return item->CountIn(std::max(from, StartTime), std::min(to, EndTime));
}

void TStatsCache::CollectCached(TStatsKind kind, int id, TPlayTime from, TPlayTime to,
                                std::vector<TPlayTime>& times) const {
    if (WindowMeets(from, to))
        CollectRead(kind, id, std::max(from, StartTime), std::min(to, EndTime), times);
}

void TStatsCache::CollectRead(TStatsKind kind, int id, TPlayTime from, TPlayTime to,
                              std::vector<TPlayTime>& times) const {
    const TCacheItem* item = FindItem(kind, id);
    if (!item)
        return;
    const std::vector<TPlayTime>& cached = item->Times();
    const auto first = std::lower_bound(cached.begin(), cached.end(), from);
    const auto last = std::upper_bound(first, cached.end(), to);
    times.insert(times.end(), first, last);
}

bool TStatsCache::Played(TStatsKind kind, int id, TDateTime from, TDateTime to) {
    const TPlayTime first = ToPlayTime(from);
    const TPlayTime last = ToPlayTime(to);
    if (CachedPlayed(kind, id, first, last))
        return true;
    // The cache holds every play from its start on, and the tables none of them.
    if (HasWindow() && StartTime <= first)
        return false;
    return Rows(kind).Played(id, first, last);
}

int TStatsCache::PlayCount(TStatsKind kind, int id, TDateTime from, TDateTime to, bool memoised) {
    const bool all = from == 0 && to == 0;
    const TPlayTime first = ToPlayTime(from);
    const TPlayTime last = ToPlayTime(to);
    int count = CachedCount(kind, id, first, last, all);
    if (!HasWindow() || StartTime > first)
        count += memoised && kind == skSongs ? StoredSongCount(id, first, last, all)
                                             : Rows(kind).Count(id, first, last, all);
    return count;
}

int TStatsCache::StoredSongCount(int songId, TPlayTime from, TPlayTime to, bool all) {
    if (!StoredSongCounts)
        StoredSongCounts = TStoredCounts{from, to, all, SongRows.CountEvery(from, to, all)};
    const TStoredCounts& stored = *StoredSongCounts;
    if (stored.From != from || stored.To != to || stored.All != all)
        return SongRows.Count(songId, from, to, all);
    const auto found = stored.Counts.find(songId);
    return found == stored.Counts.end() ? 0 : found->second;
}

bool TStatsCache::SongPlayed(int songId, TDateTime from, TDateTime to) {
    return Played(skSongs, songId, from, to);
}

bool TStatsCache::ArtistPlayed(int artistId, TDateTime from, TDateTime to) {
    return Played(skArtists, artistId, from, to);
}

int TStatsCache::SongPlayCount(int songId, bool memoise, TDateTime from, TDateTime to) {
    if (memoise) {
        const auto memo = CountMemo.find(songId);
        if (memo != CountMemo.end())
            return memo->second;
    }
    const int count = PlayCount(skSongs, songId, from, to, memoise);
    if (memoise)
        CountMemo.emplace(songId, count);
    return count;
}

int TStatsCache::ArtistPlayCount(int artistId, TDateTime from, TDateTime to) {
    return PlayCount(skArtists, artistId, from, to);
}

bool TStatsCache::SongFreeAtHours(int songId, int days, TDateTime day, TDateTime fromTime,
                                  TDateTime toTime) {
    const TDateTime newest = PlayDay(day);
    for (int i = 0; i < days; ++i) {
        const TDateTime date = newest - i;
        if (SongPlayed(songId, ComposeDateTime(date, fromTime), ComposeDateTime(date, toTime)))
            return false;
    }
    return true;
}
