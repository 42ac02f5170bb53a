#pragma once

#include "library/uHistoryStats.h"
#include "library/uPlayTime.h"

#include <QDate>
#include <unordered_map>
#include <vector>

class TDBMainBase;

// The plays of the days before a reported day, which its rules look back on. Only plays before
// the day's midnight count: the day's own plays are its positions (an accepted day's are in the
// statistics tables too, and must not count twice).
class IEarlierPlays {
public:
    virtual ~IEarlierPlays() = default;

    // The plays of the song (the artist) before the day, ascending, as far back as the source
    // looks. Throws SQLite::Exception when the store cannot answer.
    virtual const std::vector<TPlayTime>& SongPlays(int songId) = 0;
    virtual const std::vector<TPlayTime>& ArtistPlays(int artistId) = 0;
};

// How many days before a day the rules of the settings in force look back: the longest
// frequency distance and count window of any group, and the separation schedule's days (at
// least one day).
int ReportLookbackDays();

// The earlier plays from the statistics tables (accepted days) and the plan files of the days
// still pending, over the `days` days before `day`. Each id is asked once.
class TStatsEarlierPlays final : public IEarlierPlays {
public:
    // The store must outlive the object.
    TStatsEarlierPlays(TDBMainBase& store, const QDate& day, int days);

    const std::vector<TPlayTime>& SongPlays(int songId) override;
    const std::vector<TPlayTime>& ArtistPlays(int artistId) override;

private:
    THistoryStats History;
    std::unordered_map<int, std::vector<TPlayTime>> Songs;
    std::unordered_map<int, std::vector<TPlayTime>> Artists;
};
