#pragma once

#include "foundation/uDateTime.h"
#include "foundation/uIntegerList.h"
#include "library/uPlanReader.h"
#include "library/uPlayTime.h"
#include "library/uStatsRows.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

class TDBMainBase;

// Play statistics for a generation run: which songs and artists were played when. Accepted
// days are in the statistics tables of the store (uStatsRows.h); days generated but not yet
// accepted exist only as current plan files, which TStatsCache reads into memory, answering the
// generator's questions from both sources.

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
    // The stored plays come from `store`, which must outlive the cache; plan files are read
    // through `reader`, the process-wide one when none is given.
    explicit TStatsCache(TDBMainBase& store, IPlanReader* reader = nullptr);
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
    // Appends the id's plays in [from, to] from every day read into the cache, whatever the
    // window.
    void CollectRead(TStatsKind kind, int id, TPlayTime from, TPlayTime to,
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
    TStatsRows SongRows;
    TStatsRows ArtistRows;
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
