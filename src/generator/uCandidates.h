#pragma once

#include "foundation/uIntegerList.h"
#include "generator/uSongsFilterUtils.h"

#include <QHash>
#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

// One row of a candidate query, with the fields the draw and the restriction checks read.
struct TCandidateRow {
    int SongId = -1;
    int ArtId = -1;
    int Category = 0;
    int SongTime = 0;
    int Label1Id = -1;
    int Label2Id = -1;
    int TimeRest[3] = {-1, -1, -1};
    int FreqRest = -1;
    int Mix = 0;
    int NStart = -1;
    int NEnd = -1;

    // The cue-trimmed length when the cues are set and shorter, else the whole song.
    int EffectiveTime() const;
    // The candidate list's key.
    int TimeKey(bool mixAdjusted) const { return EffectiveTime() - (mixAdjusted ? Mix : 0); }
};

// A time-sorted candidate list (key TimeKey, value song id) with the row of each entry.
struct TSortedCandidates {
    TDoubleIntegerList List;
    std::vector<int> Rows;
};

// The rows of one candidate query, in query order, with a lookup by song id.
class TCandidateSet {
public:
    // Runs the statement on the process-wide store; errors throw SQLite::Exception.
    static std::shared_ptr<const TCandidateSet> Load(const QString& sql);
    // For tests and synthetic data.
    explicit TCandidateSet(std::vector<TCandidateRow> rows);

    int Count() const { return static_cast<int>(Rows.size()); }
    const TCandidateRow& Row(int index) const { return Rows[index]; }
    // nullptr when the song is not among the rows.
    const TCandidateRow* Find(int songId) const;
    // The row index of the song, -1 when absent.
    int IndexOf(int songId) const;
    TSortedCandidates SortedByTime(bool mixAdjusted) const;

    // The run's play count of the earlier days for a row, computed once: the draw ranks every
    // candidate by it at every draw, and the set lives as long as the count stays valid.
    template <class TCompute> int BaseCount(int row, TCompute compute) const {
        if (BaseCounts.empty())
            BaseCounts.assign(Rows.size(), -1);
        int& count = BaseCounts[row];
        if (count < 0)
            count = compute();
        return count;
    }

private:
    std::vector<TCandidateRow> Rows;
    std::unordered_map<int, int> IndexBySong;
    mutable std::vector<int> BaseCounts;
};

// One candidate statement of a run. Its text is held once however many slots run it, and what
// running it gave is kept with it while the cache is on.
class TCandidateStatement {
public:
    explicit TCandidateStatement(QString text) : Text(std::move(text)) {}
    const QString Text;

private:
    friend class TCandidateCache;
    std::shared_ptr<const TCandidateSet> Set;
    std::optional<TSortedCandidates> SortedLists[2]; // plain, mix-adjusted
};

// The candidate statements of a run and what they gave: the library does not change during a
// run, so a statement is run once and its sorted lists are copied for every later draw. A slot
// keeps its statement, so a draw finds the rows without hashing the statement's text, which
// lists every characteristic id of the filter. With caching off every Open runs the statement
// again (same results, for comparison). Also holds the run's filter texts.
class TCandidateCache {
public:
    explicit TCandidateCache(bool enabled = true) : Enabled(enabled), FilterTexts(enabled) {}
    void SetEnabled(bool enabled);
    bool IsEnabled() const { return Enabled; }
    // The run's statement with this text: equal texts give the same statement.
    std::shared_ptr<TCandidateStatement> Statement(const QString& sql);
    // Runs the statement on the process-wide store; errors throw SQLite::Exception.
    std::shared_ptr<const TCandidateSet> Open(TCandidateStatement& statement);
    std::shared_ptr<const TCandidateSet> Open(const QString& sql) { return Open(*Statement(sql)); }
    // The time-sorted list of the set the statement gave.
    TSortedCandidates Sorted(TCandidateStatement& statement, const TCandidateSet& set,
                             bool mixAdjusted);
    // How many statements were run (for tests of the cache).
    int Loads() const { return LoadCount; }
    TFilterCache& Filters() { return FilterTexts; }
    void Clear();

private:
    bool Enabled;
    int LoadCount = 0;
    QHash<QString, std::shared_ptr<TCandidateStatement>> Statements;
    TFilterCache FilterTexts;
};

// The frequency settings of an artist's row, read once per run.
struct TArtistRules {
    bool Exists = false;
    int Alias1 = -1;
    int Alias2 = -1;
    int FreqGroup = -1;
};

class TArtistRulesCache {
public:
    // Reads the artists table on first use; errors throw SQLite::Exception.
    const TArtistRules& Get(int artistId);
    // For tests.
    void Put(int artistId, const TArtistRules& rules) { Rules[artistId] = rules; }
    void Clear() { Rules.clear(); }

private:
    std::unordered_map<int, TArtistRules> Rules;
};
