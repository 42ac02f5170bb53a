#include "library/uSongStore.h"

#include "foundation/uArUtils.h"
#include "foundation/uFormat.h"
#include "foundation/uMsgLog.h"
#include "foundation/uPrompt.h"
#include "library/uDBSchema.h"
#include "library/uLibraryEntities.h"
#include "library/uStoreErrors.h"

namespace {

// Cue points and lengths not set are -1; a play-list position reads them as 0.
int CueOrZero(const TDBRecord& row, const QString& field) {
    const int value = row.AsInteger(field);
    return value == -1 ? 0 : value;
}

void ReportSongWriteError(const std::exception& error) {
    LogMessage(msMainDB, TLogLevel::Error, Format(kSongWriteError, {StoreErrorText(error)}));
}

// A step of AddSong: appends one row keyed by the song id.
bool AppendSongRow(TDBTable& table, int songId, TFieldValues values) {
    try {
        values.prepend({table.KeyField(), songId});
        table.Append(values);
        return true;
    } catch (const std::exception& e) {
        ReportSongWriteError(e);
        return false;
    }
}

// Every row of the song, its play statistics included. Throws on a store error.
void DeleteSongRows(TDBMainBase& base, int songId) {
    base.BaseSongsTable().Delete(songId);
    base.DataSongsTable().Delete(songId);
    base.DatSongsTable().Delete(songId);
    base.ZSongsTable().Delete(songId);
    TDBTable& stats = base.StatsTable();
    while (const std::optional<TDBRecord> row = base.LocateSongStats(songId))
        stats.Delete(row->RowId());
}

// Writes the fields into the song's row of one section, found by `locate`.
// The fields of each section of a song, shared by adding and updating it.
TFieldValues RestrictionFields(const TBaseSong& song) {
    return {{Col::Time_Rest, song.TimeRest},
            {Col::Time_Rest2, song.TimeRest2},
            {Col::Time_Rest3, song.TimeRest3},
            {Col::Freq_Rest, song.FreqRest}};
}

TFieldValues CueTimeFields(const TBaseSong& song) {
    return {{Col::Intro, song.Intro},     {Col::Outro, song.Outro}, {Col::FadeIn, song.FadeIn},
            {Col::FadeOut, song.FadeOut}, {Col::Mix, song.Mix},     {Col::NStart, song.NStart},
            {Col::NEnd, song.NEnd}};
}

TFieldValues AudioFileFields(const TBaseSong& song) {
    return {{Col::Compress, song.Compress},
            {Col::Frequ, song.Frequ},
            {Col::Mode, song.Mode},
            {Col::Quality, song.Quality},
            {Col::Path, song.Path},
            {Col::FileName, song.FileName},
            {Col::Code, song.Code},
            {Col::OwnerId, song.OwnerId},
            {Col::CreateDate, song.CreateDate}};
}

TFieldValues RightsFields(const TBaseSong& song) {
    return {{Col::Composer, song.Composer},
            {Col::TextAuthor, song.TextAuthor},
            {Col::Producer, song.Producer},
            {Col::Publisher, song.Publisher},
            {Col::Year2, song.Year2}};
}

bool UpdateSection(std::optional<TDBRecord> (TDBMainBase::*locate)(int),
                   TDBTable& (TDBMainBase::*table)(), int songId, const TFieldValues& values) {
    if (!MainBase)
        return false;
    try {
        const std::optional<TDBRecord> row = (MainBase.get()->*locate)(songId);
        if (!row) {
            ShowStoreWriteError(kUnknownSongId);
            return false;
        }
        (MainBase.get()->*table)().Update(row->RowId(), values);
        return true;
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
}

} // namespace

// --- Adding

int AddSong(const TBaseSong& song, bool& added) {
    added = false;
    if (!MainBase)
        return -1;
    try {
        // A song is stored whole or not at all; a duplicate writes nothing, not even a new
        // characteristics row.
        TStoreTransaction unit(*MainBase);
        const int characterId =
            FindChars(song.CharType, song.Tempo, song.TempoIn, true, song.Atmosphere, song.Vocal,
                      song.Language, song.TempoOut);
        bool baseAdded = false;
        const int songId = AddBaseSong(song, characterId, baseAdded);
        if (songId == -1 || !baseAdded)
            return songId;
        if (!AddDatSong(song, songId) || !AddDataSong(song, songId) || !AddZSong(song, songId))
            return -1;
        unit.Commit();
        added = true;
        return songId;
    } catch (const std::exception& e) {
        ReportSongWriteError(e);
        return -1;
    }
}

int AddBaseSong(const TBaseSong& song, int characterId, bool& added) {
    added = false;
    if (!MainBase)
        return -1;
    try {
        if (!ArtistExists(song.ArtistId)) {
            ShowError(kSongArtistMissing);
            return -1;
        }
        TDBTable& songs = MainBase->BaseSongsTable();
        if (const std::optional<TDBRecord> found = songs.Locate(
                QStringLiteral("Art_Id;Title"), {song.ArtistId, song.Title}, lmCaseInsensitive))
            return static_cast<int>(found->RowId());
        TFieldValues row = {
            {Col::Title, song.Title},        {Col::Art_Id, song.ArtistId},
            {Col::Album_Id, song.AlbumId},   {Col::Character_Id, characterId},
            {Col::Label1_Id, song.Label1Id}, {Col::Label2_Id, song.Label2Id},
            {Col::Song_Time, song.SongTime}, {Col::SYear, song.Year},
            {Col::Song_Info, song.Info},     {Col::Category, song.Category},
            {Col::Art_Alias1, -1},           {Col::Art_Alias2, -1},
        };
        row += RestrictionFields(song);
        const int songId = static_cast<int>(songs.Append(row));
        added = true;
        return songId;
    } catch (const std::exception& e) {
        ReportSongWriteError(e);
        return -1;
    }
}

bool AddDatSong(const TBaseSong& song, int songId) {
    return MainBase && AppendSongRow(MainBase->DatSongsTable(), songId, CueTimeFields(song));
}

bool AddDataSong(const TBaseSong& song, int songId) {
    return MainBase && AppendSongRow(MainBase->DataSongsTable(), songId, AudioFileFields(song));
}

bool AddZSong(const TBaseSong& song, int songId) {
    return MainBase && AppendSongRow(MainBase->ZSongsTable(), songId, RightsFields(song));
}

// --- Reading

bool ReadSong(TResultSongData& song, int songId) {
    bool found = false;
    try {
        if (MainBase) {
            if (const std::optional<TDBRecord> row = MainBase->LocateSong(songId)) {
                found = true;
                song.Title = row->AsString(Col::Title);
                song.ArtistId = row->AsInteger(Col::Art_Id);
                song.ArtistName = GetArtistName(song.ArtistId);
                song.SetSongTime(row->AsInteger(Col::Song_Time));
                song.Category = row->AsString(Col::Category);
                song.AlbumTitle = GetAlbumTitle(row->AsInteger(Col::Album_Id));
            }
            if (const std::optional<TDBRecord> row =
                    found ? MainBase->LocateDatSong(songId) : std::nullopt) {
                song.FadeIn = CueOrZero(*row, Col::FadeIn);
                song.FadeOut = CueOrZero(*row, Col::FadeOut);
                song.NStart = CueOrZero(*row, Col::NStart);
                song.NEnd = CueOrZero(*row, Col::NEnd);
                // The song plays only between its cue points when they lie inside it.
                const int cut = song.NEnd - song.NStart;
                if (cut > 0 && cut < song.SongTime)
                    song.SetSongTime(cut);
                song.Mix = CueOrZero(*row, Col::Mix);
                song.Outro = CueOrZero(*row, Col::Outro);
                song.Intro = CueOrZero(*row, Col::Intro);
            }
            if (const std::optional<TDBRecord> row =
                    found ? MainBase->LocateZSong(songId) : std::nullopt) {
                song.Composer = row->AsString(Col::Composer);
                song.Publisher = row->AsString(Col::Publisher);
                song.TextAuthor = row->AsString(Col::TextAuthor);
                song.Producer = row->AsString(Col::Producer);
                song.Year2 = row->AsInteger(Col::Year2);
            }
            if (const std::optional<TDBRecord> row =
                    found ? MainBase->LocateDataSong(songId) : std::nullopt) {
                song.Path = row->AsString(Col::Path);
                song.SetFileName(row->AsString(Col::FileName));
            }
        }
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
        found = false;
    }
    if (song.SongTime == -1)
        song.SetSongTime(0);
    return found;
}

int SongArtistId(int songId) {
    if (!MainBase)
        return -1;
    try {
        const std::optional<TDBRecord> row = MainBase->LocateSong(songId);
        return row ? row->AsInteger(Col::Art_Id) : -1;
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
        return -1;
    }
}

// --- Deleting

bool DeleteSong(int songId) {
    if (!MainBase)
        return false;
    try {
        TStoreTransaction unit(*MainBase);
        DeleteSongRows(*MainBase, songId);
        unit.Commit();
        return true;
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
}

bool DeleteArtistSongs(int artistId) {
    if (!MainBase)
        return false;
    try {
        // The ids first: the rows must not change under a query that is reading them.
        QList<int> songIds;
        TMainBaseQuery query(MainBase.get());
        query.SetSQL(Format(sqlArtistSongs, {artistId}));
        for (query.Open(); !query.Eof(); query.Next())
            if (const int id = query.AsInteger(Col::Song_Id); id != -1)
                songIds.append(id);
        query.Close();

        TStoreTransaction unit(*MainBase);
        for (int id : songIds)
            DeleteSongRows(*MainBase, id);
        unit.Commit();
        return true;
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
}

// --- Updating

bool UpdateSongMain(int songId, const TBaseSong& song, bool mainChanged,
                    std::optional<int> characterId) {
    TFieldValues values;
    if (mainChanged)
        values = {
            {Col::Art_Id, song.ArtistId},    {Col::Album_Id, song.AlbumId},
            {Col::Song_Info, song.Info},     {Col::Label1_Id, song.Label1Id},
            {Col::Label2_Id, song.Label2Id}, {Col::Song_Time, song.SongTime},
            {Col::Title, song.Title},        {Col::SYear, song.Year},
            {Col::Category, song.Category},  {Col::Time_Rest, song.TimeRest},
        };
    if (characterId)
        values.append({Col::Character_Id, *characterId});
    if (values.isEmpty())
        return true;
    return UpdateSection(&TDBMainBase::LocateSong, &TDBMainBase::BaseSongsTable, songId, values);
}

bool UpdateSongRestrictions(int songId, const TBaseSong& song) {
    return UpdateSection(&TDBMainBase::LocateSong, &TDBMainBase::BaseSongsTable, songId,
                         RestrictionFields(song));
}

bool UpdateSongTimes(int songId, const TBaseSong& song) {
    return UpdateSection(&TDBMainBase::LocateDatSong, &TDBMainBase::DatSongsTable, songId,
                         CueTimeFields(song));
}

bool UpdateSongFile(int songId, const TBaseSong& song) {
    return UpdateSection(&TDBMainBase::LocateDataSong, &TDBMainBase::DataSongsTable, songId,
                         AudioFileFields(song));
}

bool UpdateSongRights(int songId, const TBaseSong& song) {
    return UpdateSection(&TDBMainBase::LocateZSong, &TDBMainBase::ZSongsTable, songId,
                         RightsFields(song));
}

bool UpdateSongsFields(const QList<int>& songIds, const TFieldValues& baseFields,
                       const TFieldValues& dataFields) {
    if (!MainBase)
        return false;
    try {
        TStoreTransaction unit(*MainBase);
        for (int id : songIds) {
            if (!baseFields.isEmpty())
                MainBase->BaseSongsTable().Update(id, baseFields);
            if (!dataFields.isEmpty())
                MainBase->DataSongsTable().Update(id, dataFields);
        }
        unit.Commit();
        return true;
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
}

// --- The song window's new song

int CueTimeValue(bool checked, const QString& text) {
    return checked ? ParseDurationMs(text, false) : -1;
}

QString NewSongFieldErrors(const QString& artistName, const QString& title, bool timeEntered) {
    QString errors;
    if (artistName.isEmpty())
        errors += kEmptyArtistField;
    if (title.isEmpty())
        errors += kEmptyTitleField;
    if (!timeEntered)
        errors += kEmptyTimeField;
    return errors;
}

TNewSongResult SaveNewSong(TBaseSong& song, const QString& artistName) {
    bool added = false;
    const int songId = AddSong(song, added);
    if (songId == -1)
        return nsFailed;
    if (!added) {
        ShowInformation(Format(kSongAlreadyStored, {artistName, song.Title}));
        return nsDuplicate;
    }
    song.SongId = songId;
    return nsAdded;
}
