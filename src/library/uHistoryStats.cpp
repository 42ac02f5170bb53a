#include "library/uHistoryStats.h"

#include "foundation/uAppPaths.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <vector>

void THistoryStats::SetPeriod(TDateTime from, TDateTime to) {
    From = from;
    To = to;
    LoadRange(true, from, to);
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
    CollectCached(kind, id, from, to, times);
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
