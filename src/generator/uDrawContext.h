#pragma once

#include "foundation/uDateTime.h"
#include "generator/uCandidates.h"
#include "generator/uRandHistory.h"

class TAllowedSong;
class TRandom;
class TStatsCache;

// What the draw objects need from the run that drives them (the generator implements it; tests
// use a small fake). Everything lives for one run.
class IDrawContext {
public:
    virtual ~IDrawContext() = default;
    virtual TRandedHistoryList& SongHistory() = 0;
    virtual TRandedHistoryList& ArtistHistory() = 0;
    // The play history of earlier days.
    virtual TStatsCache& Stats() = 0;
    // The run's one source of chance.
    virtual TRandom& Random() = 0;
    // The generated day at midnight.
    virtual TDateTime Day() const = 0;
    virtual TCandidateCache& Candidates() = 0;
    virtual TArtistRulesCache& Artists() = 0;
    // Processes pending events; true once the run is cancelled.
    virtual bool CheckCancelled() = 0;
};

// The per-run draw state a context keeps: the two histories (always changed together), the
// candidate cache and the artist rows.
class TDrawRunData {
public:
    TRandedHistoryList SongHistory{true};
    TRandedHistoryList ArtistHistory{false};
    TCandidateCache Candidates;
    TArtistRulesCache Artists;

    void AddHistory(const TAllowedSong& song, int startMs);
    void RemoveHistory(int serial);
};
