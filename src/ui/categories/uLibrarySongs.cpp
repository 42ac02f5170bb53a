#include "ui/categories/uLibrarySongs.h"

#include "foundation/uArUtils.h"
#include "foundation/uFormat.h"
#include "library/uDBMainBase.h"
#include "library/uDBSchema.h"
#include "library/uMainBaseQuery.h"
#include "library/uStoreErrors.h"

#include <cmath>
#include <exception>

const TSongLine& TLibrarySongs::Song(int songId) {
    auto found = FSongs.find(songId);
    if (found == FSongs.end())
        found = FSongs.insert(songId, ReadSong(songId));
    return *found;
}

TSongLine TLibrarySongs::ReadSong(int songId) const {
    TSongLine line;
    line.Id = songId;
    if (FStore == nullptr)
        return line;
    try {
        const std::optional<TDBRecord> song = FStore->LocateSong(songId);
        if (!song)
            return line;
        line.Title = song->AsString(Col::Title);
        line.TimeMs = song->AsInteger(Col::Song_Time);
        if (const std::optional<TDBRecord> artist =
                FStore->ArtistsTable().Locate(Col::Art_Id, {song->AsInteger(Col::Art_Id)}))
            line.Artist = artist->AsString(Col::Art_Name);
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
    }
    return line;
}

QString TLibrarySongs::MeanTimeText(const QList<int>& songIds) {
    // Without a library the lengths are not known.
    if (songIds.isEmpty() || FStore == nullptr)
        return QStringLiteral("0");
    double total = 0;
    for (int id : songIds)
        // A length not known yet (-1) counts as none.
        total += std::max(Song(id).TimeMs, 0);
    const double meanMs = total / songIds.size();
    return FormatDurationHMS(static_cast<int>(std::lround(meanMs / 1000.0)));
}

QStringList TLibrarySongs::LabelNames() const {
    QStringList names;
    if (FStore == nullptr)
        return names;
    try {
        TMainBaseQuery query(FStore);
        query.SetSQL(sqlLabelList);
        TQueryCloser closer(query);
        for (query.Open(); !query.Eof(); query.Next())
            names.append(query.AsString(Col::LValue));
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
        names.clear();
    }
    return names;
}
