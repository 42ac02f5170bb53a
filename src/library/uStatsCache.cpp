#include "library/uStatsCache.h"

#include "foundation/uAppPaths.h"
#include "foundation/uArUtils.h"
#include "foundation/uFormat.h"
#include "foundation/uMsgLog.h"
#include "library/uAcceptedDays.h"
#include "library/uDBMainBase.h"
#include "library/uSongData.h"
#include "library/uStoreErrors.h"

#include <QDateTime>
#include <SQLiteCpp/Exception.h>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace {

constexpr qint64 kMSecsPerMinute = 60000;
constexpr int kMinutesPerDay = 1440;
constexpr int kEntryBytes = 4;

// Every statistics row of a table (its name), with the fields of the rows of one id.
const QString sqlEveryStatsRow =
    QStringLiteral("SELECT %0:s.StatsId, %0:s.StatsVal, %0:s.BeginTime, %0:s.EndTime, "
                   "%0:s.BeginId, %0:s.EndId FROM %0:s");

// Positions of the fields in the select list of the statistics rows' texts.
enum TStatsColumn { scStatsId, scStatsVal, scBeginTime, scEndTime, scBeginId, scEndId };

// The statement with its "%d" id turned into a bound parameter, so one prepared statement
// serves every id.
QString WithBoundId(const QString& text, const QVariantList& args = {}) {
    return Format(QString(text).replace(QLatin1String("%d"), QLatin1String("?1")), args);
}

TDBMainBase& Store() {
    if (!MainBase)
        throw SQLite::Exception("the library store is not open");
    return *MainBase;
}

// The day of a date-time, at midnight.
TDateTime DayOf(TDateTime value) {
    return static_cast<TDateTime>(SplitDateTime(value).Days);
}

// The date a plan file is named after; 0 for a name that is no date.
TDateTime FileDate(const QString& name) {
    return ParseDateKey(name).value_or(0);
}

// Leaves a query closed when its reading ends, also by an exception.
class TQueryCloser {
public:
    explicit TQueryCloser(TMainBaseQuery& query) : Query(query) {}
    ~TQueryCloser() { Query.Close(); }
    TQueryCloser(const TQueryCloser&) = delete;
    TQueryCloser& operator=(const TQueryCloser&) = delete;

private:
    TMainBaseQuery& Query;
};

// Appends plays to the statistics tables. Errors throw, so a caller can keep or undo a whole
// day at once.
class TStatsWriter {
public:
    // False for id -1, which is never recorded.
    bool Append(TTableId table, int id, int minute, TDateTime day);

private:
    TMainBaseQuery SongQuery;
    TMainBaseQuery ArtistQuery;

    TMainBaseQuery& LastRowQuery(TTableId table);
};

TMainBaseQuery& TStatsWriter::LastRowQuery(TTableId table) {
    TMainBaseQuery& query = table == tiStats ? SongQuery : ArtistQuery;
    if (query.SQL().isEmpty())
        query.SetSQL(WithBoundId(sqlLastStatsRow, {TableDef(table).FileName}));
    return query;
}

bool TStatsWriter::Append(TTableId table, int id, int minute, TDateTime day) {
    if (id == -1)
        return false;
    const quint32 entry = PackDayStamp(minute, day);
    const TDateTime time =
        DayOf(day) + static_cast<TDateTime>(minute) / static_cast<TDateTime>(kMinutesPerDay);

    TMainBaseQuery& query = LastRowQuery(table);
    query.SetParam(1, id);
    qint64 lastRow = -1;
    int lastEntry = 0;
    {
        TQueryCloser closer(query);
        for (query.Open(); !query.Eof(); query.Next()) {
            lastRow = query.AsInt64(QStringLiteral("SId"));
            lastEntry = query.AsInteger(QStringLiteral("EndId"));
        }
    }

    TDBTable& stats = Store().Table(table);
    if (lastRow < 0 || lastEntry >= kStatsRowEntries - 1) {
        stats.Append({{QStringLiteral("StatsId"), id},
                      {QStringLiteral("StatsVal"), SetCardinalAt(QByteArray(), 0, entry)},
                      {QStringLiteral("BeginTime"), time},
                      {QStringLiteral("EndTime"), time},
                      {QStringLiteral("BeginId"), 0},
                      {QStringLiteral("EndId"), 0}});
        return true;
    }
    const std::optional<TDBRecord> row = stats.Locate(QStringLiteral("SId"), {lastRow});
    if (!row)
        throw SQLite::Exception("the last statistics row of the id is gone");
    const int nextEntry = lastEntry + 1;
    stats.Update(lastRow,
                 {{QStringLiteral("StatsVal"),
                   SetCardinalAt(row->AsBlob(QStringLiteral("StatsVal")), nextEntry, entry)},
                  {QStringLiteral("EndId"), nextEntry},
                  {QStringLiteral("EndTime"), time}});
    return true;
}

} // namespace

// --- Play instants

TPlayTime ToPlayTime(TDateTime value) {
    if (std::isnan(value))
        value = 0;
    value = std::clamp(value, MinDateTime, MaxDateTime);
    return static_cast<TPlayTime>(std::nearbyint(value * MSecsPerDay));
}

TDateTime FromPlayTime(TPlayTime time) {
    return static_cast<TDateTime>(time) / MSecsPerDay;
}

TPlayTime EntryPlayTime(quint32 entry) {
    const TDayStamp stamp = UnpackDayStamp(entry);
    return static_cast<TPlayTime>(stamp.Date) * MSecsPerDay + stamp.Number * kMSecsPerMinute;
}

// --- Recording plays

bool AddStatsEntry(TTableId table, int id, int minute, TDateTime day) {
    if (id == -1)
        return false;
    try {
        TStatsWriter writer;
        return writer.Append(table, id, minute, day);
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
}

bool AddSongStats(int songId, int minute, TDateTime day) {
    return AddStatsEntry(tiStats, songId, minute, day);
}

bool AddArtistStats(int artistId, int minute, TDateTime day) {
    return AddStatsEntry(tiAStats, artistId, minute, day);
}

bool RecordDayStats(TDateTime day, const QList<const TResultSongData*>& positions,
                    const TDayAcceptance& acceptance) {
    TBusyGuard busy;
    QString error;
    try {
        if (!FinishFileSteps(Store(), &error) || !ProbeFileSteps(acceptance.FileSteps, &error)) {
            LogMessage(msPlayListFile, TLogLevel::Error, error);
            return false;
        }
        TStoreTransaction unit(Store());
        TStatsWriter writer;
        TAcceptedDay accepted{acceptance.PlanFile, {}};
        for (const TResultSongData* position : positions) {
            if (!position)
                continue;
            const int minute = position->Hour / static_cast<int>(kMSecsPerMinute);
            writer.Append(tiStats, position->SongId, minute, day);
            writer.Append(tiAStats, position->ArtistId, minute, day);
            accepted.Plays.push_back({position->SongId, position->ArtistId, minute});
        }
        KeepAcceptedDay(Store(), day, accepted);
        RecordFileSteps(Store(), acceptance.FileSteps);
        unit.Commit();
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
    // The day is accepted from here on; a file step that fails now is tried again.
    if (!FinishFileSteps(Store(), &error)) {
        LogMessage(msPlayListFile, TLogLevel::Error, error);
        return false;
    }
    return true;
}

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

// --- TStatsRows

TStatsRows::TStatsRows(TTableId table) : Table(table) {
    Query.SetSQL(WithBoundId(table == tiStats ? sqlSongStatsRows : sqlArtistStatsRows));
}

void TStatsRows::Open(int id) {
    Query.SetParam(1, id);
    Query.Open();
}

template <class TVisit> bool TStatsRows::VisitEntries(const TMainBaseQuery& rows, TVisit visit) {
    const QByteArray bytes = rows.ValueAt(scStatsVal).toByteArray();
    const int first = std::max(0, rows.ValueAt(scBeginId).toInt());
    // EndId never reaches past the entries the bytes hold.
    const int last =
        std::min(rows.ValueAt(scEndId).toInt(), static_cast<int>(bytes.size() / kEntryBytes) - 1);
    for (int i = first; i <= last; ++i) {
        // An empty entry is no play (a play at 00:00 on 1 January 2000 packs to it, too).
        const quint32 entry = CardinalAt(bytes, i);
        if (entry != 0 && visit(EntryPlayTime(entry)))
            return true;
    }
    return false;
}

template <class TVisit>
void TStatsRows::VisitRowPlays(const TMainBaseQuery& rows, TPlayTime from, TPlayTime to, bool all,
                               TVisit visit) {
    if (!all && ToPlayTime(rows.ValueAt(scBeginTime).toDouble()) > to)
        return;
    VisitEntries(rows, [&](TPlayTime time) {
        if (all || (time >= from && time <= to))
            visit(time);
        return false;
    });
}

template <class TVisit>
void TStatsRows::VisitPlays(int id, TPlayTime from, TPlayTime to, bool all, TVisit visit) {
    TQueryCloser closer(Query);
    for (Open(id); !Query.Eof(); Query.Next())
        VisitRowPlays(Query, from, to, all, visit);
}

bool TStatsRows::Played(int id, TPlayTime from, TPlayTime to) {
    if (from > to)
        return false;
    TQueryCloser closer(Query);
    for (Open(id); !Query.Eof(); Query.Next()) {
        const TPlayTime end = ToPlayTime(Query.ValueAt(scEndTime).toDouble());
        if (end >= from && end <= to)
            return true;
        // The row's last play is after the window, but an earlier one may lie in it: a play
        // on the morning of a day the song was played again later still counts.
        if (end > to && ToPlayTime(Query.ValueAt(scBeginTime).toDouble()) <= to &&
            VisitEntries(Query, [&](TPlayTime time) { return time >= from && time <= to; }))
            return true;
    }
    return false;
}

int TStatsRows::Count(int id, TPlayTime from, TPlayTime to, bool all) {
    int count = 0;
    VisitPlays(id, from, to, all, [&](TPlayTime) { ++count; });
    return count;
}

void TStatsRows::Collect(int id, TPlayTime from, TPlayTime to, std::vector<TPlayTime>& times) {
    VisitPlays(id, from, to, false, [&](TPlayTime time) { times.push_back(time); });
}

std::unordered_map<int, int> TStatsRows::CountEvery(TPlayTime from, TPlayTime to, bool all) {
    TMainBaseQuery rows;
    rows.SetSQL(Format(sqlEveryStatsRow, {TableDef(Table).Name}));
    TQueryCloser closer(rows);
    std::unordered_map<int, int> counts;
    for (rows.Open(); !rows.Eof(); rows.Next()) {
        int count = 0;
        VisitRowPlays(rows, from, to, all, [&](TPlayTime) { ++count; });
        if (count > 0)
            counts[static_cast<int>(rows.ValueAt(scStatsId).toLongLong())] += count;
    }
    return counts;
}

// --- TStatsCache: loading

TStatsCache::TStatsCache(IPlanReader* reader) : Reader(reader) {}

void TStatsCache::LoadPlans() {
    LoadRange(false, 0, QDateTimeToDateTime(QDateTime::currentDateTime().addYears(100)));
}

void TStatsCache::LoadRange(bool light, TDateTime from, TDateTime to) {
    if (!FindCacheWindow())
        return;
    const TDateTime first = DayOf(std::max(WindowStart, from));
    const TDateTime last = DayOf(std::min(WindowEnd, to));
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
        start = std::max(start, FileDate(name));
    if (start != 0)
        start += 1;

    // The pending days from there on.
    std::optional<TDateTime> firstPending;
    std::optional<TDateTime> lastPending;
    for (const QString& name : ListPlanFiles(pkCurrent)) {
        const TDateTime date = FileDate(name);
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
    LoadingDay = DayOf(day);
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
    const TCacheItem* item = FindItem(kind, id);
    if (!item || !WindowMeets(from, to))
        return;
    const std::vector<TPlayTime>& cached = item->Times();
    const auto first = std::lower_bound(cached.begin(), cached.end(), std::max(from, StartTime));
    const auto last = std::upper_bound(first, cached.end(), std::min(to, EndTime));
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
    const TDateTime newest = DayOf(day);
    for (int i = 0; i < days; ++i) {
        const TDateTime date = newest - i;
        if (SongPlayed(songId, ComposeDateTime(date, fromTime), ComposeDateTime(date, toTime)))
            return false;
    }
    return true;
}
