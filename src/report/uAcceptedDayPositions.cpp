#include "report/uAcceptedDayPositions.h"

#include "dayplan/uDayHistory.h"
#include "foundation/uArUtils.h"
#include "library/uAcceptedDays.h"
#include "library/uDBMainBase.h"
#include "library/uLibraryEntities.h"
#include "library/uSongStore.h"

#include <optional>

namespace {

int SongOfNames(const QString& artist, const QString& title) {
    const int artistId = FindArtist(artist, false);
    if (artistId == -1)
        return -1;
    const std::optional<TDBRecord> row = MainBase->BaseSongsTable().Locate(
        QStringLiteral("Art_Id;Title"), {artistId, title}, lmCaseInsensitive);
    return row ? static_cast<int>(row->RowId()) : -1;
}

std::unique_ptr<TResultSongData> PositionOfRow(const TDayHistoryRow& row, int songId) {
    auto position = std::make_unique<TResultSongData>();
    if (!row.Blank && songId != -1 && ReadSong(*position, songId)) {
        position->SongId = songId;
        position->DbTime = position->SongTime;
    }
    position->Blank = row.Blank;
    // A blank's row names its category where a song's names its performer.
    (row.Blank ? position->CategoryName : position->ArtistName) = row.Artist;
    position->Title = row.Title;
    position->Hour = ParseDurationMs(row.Hour, true);
    position->SetSongTime(ParseDurationMs(row.Time, false));
    if (row.Blank)
        position->DbTime = position->SongTime; // a blank lasts as long as it is planned
    return position;
}

} // namespace

std::vector<std::unique_ptr<TResultSongData>> AcceptedDayPositions(const TDayHistory& history,
                                                                   const QDate& day) {
    const std::vector<TDayHistoryRow>& rows = history.Rows();
    std::optional<TAcceptedDay> accepted;
    if (MainBase)
        accepted = FindAcceptedDay(*MainBase, DateToDateTime(day));
    const bool byRecord = accepted && accepted->Plays.size() == rows.size();
    std::vector<std::unique_ptr<TResultSongData>> positions;
    for (size_t i = 0; i < rows.size(); ++i) {
        int songId = -1;
        if (!rows[i].Blank && MainBase)
            songId =
                byRecord ? accepted->Plays[i].SongId : SongOfNames(rows[i].Artist, rows[i].Title);
        positions.push_back(PositionOfRow(rows[i], songId));
    }
    return positions;
}
