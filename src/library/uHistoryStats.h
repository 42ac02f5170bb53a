#pragma once

#include "library/uStatsCache.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// The play history behind the statistics windows: when one song or artist was played during
// a chosen period, from the stored statistics and the pending days not yet accepted. The
// pending days are read as periods are chosen and kept while the object lives, so going back
// to a period reads nothing again.
class THistoryStats : public TStatsCache {
public:
    using TStatsCache::TStatsCache;

    // Chooses the period (inclusive) and reads the pending days within it not read yet.
    void SetPeriod(TDateTime from, TDateTime to);
    TDateTime PeriodFrom() const { return From; }
    TDateTime PeriodTo() const { return To; }

    // Reads the day's plan file unless it has been read before.
    void LoadDay(bool light, TDateTime day) override;

    // The plays of the song (artist) in the period: the pending ones first, then the stored
    // ones in the order they were recorded. Throws SQLite::Exception when the store cannot
    // answer.
    QList<TDateTime> SongPlayTimes(int songId);
    QList<TDateTime> ArtistPlayTimes(int artistId);
    // The same as texts (PlayTimeText); the list is emptied first.
    void ListSongPlays(int songId, QStringList& list);
    void ListArtistPlays(int artistId, QStringList& list);

private:
    TDateTime From = 0;
    TDateTime To = 0;
    QSet<QString> LoadedFiles;
    // The starts of the period's days that are pending now (a current plan file and no history
    // file): the days read into the cache that were accepted since are left to the tables.
    QSet<TPlayTime> PendingDays;

    QList<TDateTime> PlayTimes(TStatsKind kind, int id);
    void ListPlays(TStatsKind kind, int id, QStringList& list);
};

// A play's date and time as the statistics list shows it: the locale's short date and the
// time with seconds ("3.05.2024 07:15:00").
QString PlayTimeText(TDateTime time);
