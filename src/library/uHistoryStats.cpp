#include "library/uHistoryStats.h"

#include "foundation/uAppPaths.h"
#include "library/uPlayTime.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <exception>
#include <vector>

void THistoryStats::SetPeriod(TDateTime from, TDateTime to) {
    From = from;
    To = to;
    // Every pending day of the period, also one taken back from the accepted days while later
    // ones stay accepted: the generator's cache starts after the newest accepted day, but the
    // director asking about a day taken back wants its plays, which the tables no longer hold.
    PendingDays.clear();
    for (TDateTime day = PlayDay(from); day <= PlayDay(to); day += 1) {
        const QDate date = DateTimeToDate(day);
        if (ExistingPlanFilePath(pkCurrent, date).isEmpty() ||
            !ExistingPlanFilePath(pkHistory, date).isEmpty())
            continue;
        PendingDays.insert(ToPlayTime(day));
        try {
            LoadDay(true, day);
        } catch (const std::exception&) {
            // A day that cannot be read shows no plays.
        }
    }
}

void THistoryStats::LoadDay(bool light, TDateTime day) {
    const QString path = PlanFilePath(pkCurrent, DateTimeToDate(day));
    // A day without a file yet is looked at again in a later period: it may have been
    // generated meanwhile.
    if (path.isEmpty() || LoadedFiles.contains(path) || !QFileInfo::exists(path))
        return;
    ReadPlanDay(day, path, light);
    LoadedFiles.insert(path);
}

QList<TDateTime> THistoryStats::PlayTimes(TStatsKind kind, int id) {
    const TPlayTime from = ToPlayTime(From);
    const TPlayTime to = ToPlayTime(To);
    std::vector<TPlayTime> times;
    CollectRead(kind, id, from, to, times);
    std::erase_if(times, [this](TPlayTime time) {
        return !PendingDays.contains(ToPlayTime(PlayDay(FromPlayTime(time))));
    });
    Rows(kind).Collect(id, from, to, times);
    QList<TDateTime> result;
    result.reserve(static_cast<qsizetype>(times.size()));
    for (TPlayTime time : times)
        result.append(FromPlayTime(time));
    return result;
}

QList<TDateTime> THistoryStats::SongPlayTimes(int songId) {
    return PlayTimes(skSongs, songId);
}

QList<TDateTime> THistoryStats::ArtistPlayTimes(int artistId) {
    return PlayTimes(skArtists, artistId);
}

void THistoryStats::ListPlays(TStatsKind kind, int id, QStringList& list) {
    list.clear();
    for (TDateTime time : PlayTimes(kind, id))
        list.append(PlayTimeText(time));
}

void THistoryStats::ListSongPlays(int songId, QStringList& list) {
    ListPlays(skSongs, songId, list);
}

void THistoryStats::ListArtistPlays(int artistId, QStringList& list) {
    ListPlays(skArtists, artistId, list);
}

QString PlayTimeText(TDateTime time) {
    const QLocale locale;
    return locale.toString(DateTimeToQDateTime(time),
                           locale.dateFormat(QLocale::ShortFormat) + QStringLiteral(" HH:mm:ss"));
}
