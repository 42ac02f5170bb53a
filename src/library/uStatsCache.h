#pragma once

#include "foundation/uDateTime.h"
#include "foundation/uIntegerList.h"
#include "library/uDBSchema.h"
#include "library/uFileJournal.h"
#include "library/uMainBaseQuery.h"
#include "library/uPlanReader.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

class TResultSongData;

// Play statistics: which songs and artists were played when.
//
// Accepted days are stored in the tables Stats (per song) and AStats (per artist) of the
// library store: an id has any number of rows, each packing the next 240 plays of the id as
// 4-byte little-endian day stamps (PackDayStamp with the minute of the day) in StatsVal, with
// the first and last play's time in BeginTime and EndTime. Days generated but not yet accepted
// exist only as current plan files; TStatsCache reads them into memory and answers the
// generator's questions from both sources.

// --- Play instants

// An instant as whole milliseconds since 1899-12-30: the cache and the windows compare
// integers, so a play exactly at a window's edge is inside it whichever way the edge was
// computed.
using TPlayTime = qint64;

TPlayTime ToPlayTime(TDateTime value);
TDateTime FromPlayTime(TPlayTime time);
// The instant of a packed play entry: its day plus its minutes.
TPlayTime EntryPlayTime(quint32 entry);

// Entries in one statistics row.
inline constexpr int kStatsRowEntries = 240;

// --- Recording plays

// Appends one play (minute of the day, day) of the id to the statistics table (tiStats or
// tiAStats) of the process-wide store. False without writing for id -1 (blanks, positions
// without an artist). A failure shows "Błąd zapisu do bazy danych: "%s"." and gives false.
bool AddStatsEntry(TTableId table, int id, int minute, TDateTime day);
bool AddSongStats(int songId, int minute, TDateTime day);
bool AddArtistStats(int artistId, int minute, TDateTime day);

// What accepting a day changes besides its plays.
struct TDayAcceptance {
    // The pending day's plan file, kept so the day can be taken back with its positions.
    QByteArray PlanFile;
    // The history file and the export to write, the plan files to delete.
    TFileSteps FileSteps;
};

// Records an accepted day: the song and the artist play of every position, in list order,
// at its start minute, the day's record (its plan file and plays), and the file steps, all in
// one unit of work; the file steps are carried out once it is committed (or, after a kill, at the
// next opening of the store). Every write step is tried first: when one could not be made, or a
// play cannot be stored ("Błąd zapisu do bazy danych: "%s"." is shown), nothing of the day is
// kept and the answer is false. File steps left by an earlier run are finished first; while they
// cannot be, nothing is recorded. Runs under the busy cursor.
bool RecordDayStats(TDateTime day, const QList<const TResultSongData*>& positions,
                    const TDayAcceptance& acceptance = {});

// --- The history cache

// The cached play times of one song or one artist, kept in time order.
class TCacheItem {
public:
    explicit TCacheItem(int id);

    int Id() const { return ItemId; }
    int Count() const { return static_cast<int>(PlayTimes.size()); }
    const std::vector<TPlayTime>& Times() const { return PlayTimes; }

    void Add(TPlayTime time);
    // Windows are inclusive at both ends.
    bool PlayedIn(TPlayTime from, TPlayTime to) const;
    int CountIn(TPlayTime from, TPlayTime to) const;

private:
    int ItemId;
    std::vector<TPlayTime> PlayTimes;
};

// The stored statistics rows of songs (tiStats) or artists (tiAStats), read through one
// prepared statement with the id bound, on the process-wide store. Every answer throws
// SQLite::Exception when the store cannot answer.
class TStatsRows {
public:
    explicit TStatsRows(TTableId table);

    // Whether the id has a stored play in [from, to]. A row whose last play lies in the
    // window answers without unpacking it.
    bool Played(int id, TPlayTime from, TPlayTime to);
    // The stored plays of the id in [from, to]; with `all`, every stored play.
    int Count(int id, TPlayTime from, TPlayTime to, bool all);
    // Appends the stored plays of the id in [from, to], in row order.
    void Collect(int id, TPlayTime from, TPlayTime to, std::vector<TPlayTime>& times);
    // Count for every id at once, in one pass over the table; ids without a play in the
    // window are left out.
    std::unordered_map<int, int> CountEvery(TPlayTime from, TPlayTime to, bool all);

private:
    TTableId Table;
    TMainBaseQuery Query;

    void Open(int id);
    // Calls `visit` with each non-empty entry of the row `rows` stands on until it answers
    // true.
    template <class TVisit> static bool VisitEntries(const TMainBaseQuery& rows, TVisit visit);
    // Calls `visit` with every play of the current row in [from, to] (every one with `all`).
    template <class TVisit>
    static void VisitRowPlays(const TMainBaseQuery& rows, TPlayTime from, TPlayTime to, bool all,
                              TVisit visit);
    // The same for every stored play of the id.
    template <class TVisit>
    void VisitPlays(int id, TPlayTime from, TPlayTime to, bool all, TVisit visit);
};

// Answers whether and how often a song or an artist was played within a window, from the
// plan days not yet accepted (read once into memory) and the statistics tables. One cache
// serves one generation run and is not refreshed while it lives.
//
// The cache window [CacheStart, CacheEnd] covers the pending days after the newest accepted
// day; a question whose window starts within it never reaches the tables. Windows are
// date-times, inclusive at both ends. Questions that reach the tables throw SQLite::Exception
// when the store cannot answer (the generator's run stops on it).
class TStatsCache {
public:
    // Plan files are read through `reader`, the process-wide one when none is given.
    explicit TStatsCache(IPlanReader* reader = nullptr);
    virtual ~TStatsCache() = default;
    TStatsCache(const TStatsCache&) = delete;
    TStatsCache& operator=(const TStatsCache&) = delete;

    // Every pending day.
    void LoadPlans();
    // The pending days within [from, to]. Light reads only what the questions need.
    void LoadRange(bool light, TDateTime from, TDateTime to);
    // One day's current plan file, when there is one.
    virtual void LoadDay(bool light, TDateTime day);

    // 0 until a window is found.
    TDateTime CacheStart() const { return WindowStart; }
    TDateTime CacheEnd() const { return WindowEnd; }
    // The cached plays of an id; nullptr when it has none.
    const TCacheItem* SongItem(int songId) const { return FindItem(skSongs, songId); }
    const TCacheItem* ArtistItem(int artistId) const { return FindItem(skArtists, artistId); }

    bool SongPlayed(int songId, TDateTime from, TDateTime to);
    bool ArtistPlayed(int artistId, TDateTime from, TDateTime to);
    // From = To = 0 counts every play. With `memoise` the count is kept per song and given
    // back for any later memoised question about that song, whatever its window.
    int SongPlayCount(int songId, bool memoise, TDateTime from, TDateTime to);
    int ArtistPlayCount(int artistId, TDateTime from, TDateTime to);
    // Whether the song was not played between the times of day fromTime and toTime on any of
    // the `days` days ending with `day` (true when days <= 0).
    bool SongFreeAtHours(int songId, int days, TDateTime day, TDateTime fromTime, TDateTime toTime);

protected:
    enum TStatsKind { skSongs, skArtists };

    // Sets the window from the newest accepted day and the pending days; false when there is
    // no pending day after the newest accepted one.
    bool FindCacheWindow();
    // Reads one day's plan file into the cache.
    void ReadPlanDay(TDateTime day, const QString& path, bool light);
    void AddPlanItem(const TPlanItem& item);

    const TCacheItem* FindItem(TStatsKind kind, int id) const;
    TStatsRows& Rows(TStatsKind kind) { return kind == skSongs ? SongRows : ArtistRows; }
    // Appends the id's cached plays in [from, to] (clipped to the window).
    void CollectCached(TStatsKind kind, int id, TPlayTime from, TPlayTime to,
                       std::vector<TPlayTime>& times) const;

private:
    IPlanReader* Reader;
    std::unordered_map<int, TCacheItem> Items[2];
    // A day's draws ask for the counts of tens of thousands of songs, in no particular order.
    std::unordered_map<int, int> CountMemo;
    // The stored plays of every song within the window of the first memoised question that
    // reached the tables: the memoised questions of a run share their window, and one pass
    // over the table costs less than a statement per song.
    struct TStoredCounts {
        TPlayTime From;
        TPlayTime To;
        bool All;
        std::unordered_map<int, int> Counts;
    };
    std::optional<TStoredCounts> StoredSongCounts;
    TStatsRows SongRows{tiStats};
    TStatsRows ArtistRows{tiAStats};
    TDateTime LoadingDay = 0;
    TDateTime WindowStart = 0;
    TDateTime WindowEnd = 0;
    // The window as instants, for the questions.
    TPlayTime StartTime = 0;
    TPlayTime EndTime = 0;

    void SetWindow(TDateTime start, TDateTime end);
    bool HasWindow() const { return WindowStart != 0; }
    bool WindowMeets(TPlayTime from, TPlayTime to) const;
    bool CachedPlayed(TStatsKind kind, int id, TPlayTime from, TPlayTime to) const;
    int CachedCount(TStatsKind kind, int id, TPlayTime from, TPlayTime to, bool all) const;
    bool Played(TStatsKind kind, int id, TDateTime from, TDateTime to);
    // With `memoised` the stored plays of songs come from StoredSongCounts when the window is
    // the same.
    int PlayCount(TStatsKind kind, int id, TDateTime from, TDateTime to, bool memoised = false);
    int StoredSongCount(int songId, TPlayTime from, TPlayTime to, bool all);
};
