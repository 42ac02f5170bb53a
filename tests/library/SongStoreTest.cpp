#include "LibraryFixture.h"
#include "foundation/uFormat.h"

#include <functional>

namespace {

class SongStoreTest : public LibraryFixture {
protected:
    int Artist(const QString& name) { return FindArtist(name, true); }

    // The rows of a song in the three side tables.
    int SideRows(int songId) {
        return (Base().LocateDatSong(songId) ? 1 : 0) + (Base().LocateDataSong(songId) ? 1 : 0) +
               (Base().LocateZSong(songId) ? 1 : 0);
    }
    int SongStatsRows(int songId) {
        int rows = 0;
        TMainBaseQuery query(&Base());
        query.SetSQL(Format(sqlSongStatsRows, {songId}));
        for (query.Open(); !query.Eof(); query.Next())
            ++rows;
        return rows;
    }
    // Stores a song with the cue points and the length given.
    int SongWithCues(int nStart, int nEnd, int songTime) {
        TBaseSong song =
            MakeSong(Artist(QStringLiteral("Cue")), QString::number(Rows(tiBaseSongs)));
        song.NStart = nStart;
        song.NEnd = nEnd;
        song.SongTime = songTime;
        bool added = false;
        return AddSong(song, added);
    }
};

// --- Adding

struct TStoredField {
    TTableId Table;
    const char* Field;
    QVariant Expected;
};

TEST_F(SongStoreTest, AddSongStoresTheFourRowsUnderOneId) {
    const int artist = Artist(QStringLiteral("Kult"));
    TBaseSong song = MakeSong(artist, QStringLiteral("Arahja"));
    song.AlbumId = FindAlbum(QStringLiteral("Spokojnie"), artist, true);
    song.Label1Id = FindLabel(QStringLiteral("Pomaton"), true);
    bool added = false;
    const int id = AddSong(song, added);
    ASSERT_NE(id, -1);
    EXPECT_TRUE(added);

    const int chars = FindChars(1, 2, 3, false, 6, 5, 7, 4);
    ASSERT_NE(chars, -1);
    const TStoredField fields[] = {
        {tiBaseSongs, "Title", QStringLiteral("Arahja")},
        {tiBaseSongs, "Art_Id", artist},
        {tiBaseSongs, "Album_Id", song.AlbumId},
        {tiBaseSongs, "Character_Id", chars},
        {tiBaseSongs, "Label1_Id", song.Label1Id},
        {tiBaseSongs, "Label2_Id", -1},
        {tiBaseSongs, "Song_Time", 200000},
        {tiBaseSongs, "SYear", 1999},
        {tiBaseSongs, "Song_Info", QStringLiteral("opis")},
        {tiBaseSongs, "Category", QStringLiteral("4")},
        {tiBaseSongs, "Time_Rest", 11},
        {tiBaseSongs, "Time_Rest2", 12},
        {tiBaseSongs, "Time_Rest3", 13},
        {tiBaseSongs, "Freq_Rest", 14},
        {tiBaseSongs, "Art_Alias1", -1},
        {tiBaseSongs, "Art_Alias2", -1},
        {tiDatSongs, "Intro", 1000},
        {tiDatSongs, "Outro", 190000},
        {tiDatSongs, "FadeIn", 500},
        {tiDatSongs, "FadeOut", 195000},
        {tiDatSongs, "Mix", 192000},
        {tiDatSongs, "NStart", -1},
        {tiDatSongs, "NEnd", -1},
        {tiDataSongs, "Compress", QStringLiteral("MPEG")},
        {tiDataSongs, "Frequ", 44100},
        {tiDataSongs, "Mode", 2},
        {tiDataSongs, "Quality", QStringLiteral("HQ")},
        {tiDataSongs, "Path", QStringLiteral("/muzyka/")},
        {tiDataSongs, "FileName", QStringLiteral("plik.mp3")},
        {tiDataSongs, "Code", QStringLiteral("K1")},
        {tiDataSongs, "OwnerId", 3},
        {tiDataSongs, "CreateDate", 45000.5},
        {tiZSongs, "Composer", QStringLiteral("Kompozytor")},
        {tiZSongs, "TextAuthor", QStringLiteral("Autor")},
        {tiZSongs, "Producer", QStringLiteral("Producent")},
        {tiZSongs, "Publisher", QStringLiteral("Wydawca")},
        {tiZSongs, "Year2", 2000},
    };
    for (const TStoredField& f : fields) {
        TDBTable& table = Base().Table(f.Table);
        const std::optional<TDBRecord> row = table.Locate(table.KeyField(), {id});
        ASSERT_TRUE(row) << S(table.Name());
        EXPECT_EQ(S(row->AsString(QLatin1String(f.Field))), S(f.Expected.toString())) << f.Field;
    }
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

struct TDuplicateCase {
    const char* What;
    QString Stored;
    QString Added;
    bool SameArtist;
    bool Duplicate;
};

TEST_F(SongStoreTest, ASongIsItsPerformerAndItsTitleWithoutRegardToCase) {
    const TDuplicateCase cases[] = {
        {"Polish capitals", QStringLiteral("łzy"), QStringLiteral("ŁZY"), true, true},
        {"mixed case", QStringLiteral("Żółta łódź"), QStringLiteral("żÓŁTA ŁÓDŹ"), true, true},
        {"same text", QStringLiteral("Zima"), QStringLiteral("Zima"), true, true},
        {"L is not Ł", QStringLiteral("Lzy"), QStringLiteral("Łzy"), true, false},
        {"a trailing blank counts", QStringLiteral("Zima"), QStringLiteral("Zima "), true, false},
        {"another performer", QStringLiteral("Łzy"), QStringLiteral("Łzy"), false, false},
    };
    int n = 0;
    for (const TDuplicateCase& c : cases) {
        const int artist = Artist(QStringLiteral("Artysta %1").arg(++n));
        const int stored = StoreSong(artist, c.Stored);
        const int songs = Rows(tiBaseSongs);
        const int chars = Rows(tiChars);
        TBaseSong song =
            MakeSong(c.SameArtist ? artist : Artist(QStringLiteral("Inny %1").arg(n)), c.Added);
        song.CharType = 100 + n; // a combination not stored yet
        bool added = true;
        const int id = AddSong(song, added);
        if (c.Duplicate) {
            EXPECT_EQ(id, stored) << c.What;
            EXPECT_FALSE(added) << c.What;
            EXPECT_EQ(Rows(tiBaseSongs), songs) << c.What;
            EXPECT_EQ(Rows(tiChars), chars) << c.What << ": nothing written at all";
        } else {
            EXPECT_NE(id, stored) << c.What;
            EXPECT_TRUE(added) << c.What;
            EXPECT_EQ(SideRows(id), 3) << c.What;
        }
    }
    EXPECT_EQ(Rows(tiDatSongs), Rows(tiBaseSongs));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(SongStoreTest, ASongOfAnUnknownArtistIsRefused) {
    Artist(QStringLiteral("Istniejący"));
    for (int artistId : {-1, 999}) {
        Prompt.Clear();
        bool added = true;
        EXPECT_EQ(AddSong(MakeSong(artistId, QStringLiteral("Sierota")), added), -1);
        EXPECT_FALSE(added);
        EXPECT_EQ(Prompt.Errors(), QStringList{kSongArtistMissing}) << artistId;
    }
    EXPECT_EQ(S(kSongArtistMissing),
              "Nie mozna zapisać utworu. Nie znaleziony artysta. Prosimy o wysłanie producentowi "
              "Dobieralnika opisu czynności wykonywanych przed wystąpieniem tego komunikatu.");
    EXPECT_EQ(Rows(tiBaseSongs), 0);
    EXPECT_EQ(Rows(tiChars), 0);
}

TEST_F(SongStoreTest, ASongThatCannotBeWrittenWholeLeavesNothing) {
    const int artist = Artist(QStringLiteral("Wilki"));
    for (const char* table : {"BaseSongs", "DatSongs", "DataSongs", "ZSongs"}) {
        Prompt.Clear();
        MakeFail("INSERT", table);
        bool added = true;
        EXPECT_EQ(AddSong(MakeSong(artist, QStringLiteral("Baśka")), added), -1) << table;
        EXPECT_FALSE(added);
        EXPECT_EQ(Prompt.Errors(), QStringList{QStringLiteral("Błąd zapisu: dysk pełny.")})
            << table;
        for (TTableId id : {tiBaseSongs, tiDatSongs, tiDataSongs, tiZSongs, tiChars})
            EXPECT_EQ(Rows(id), 0) << table << " left a row in " << S(TableDef(id).Name);
        StopFailing("INSERT", table);
    }
    StoreSong(artist, QStringLiteral("Baśka"));
}

TEST_F(SongStoreTest, AddingManySongsIsOneUnitOfWork) {
    const int artist = Artist(QStringLiteral("Dżem"));
    {
        TStoreTransaction batch(Base());
        bool added = false;
        for (const char* title : {"Whisky", "List do M.", "Czerwony jak cegła"})
            EXPECT_NE(AddSong(MakeSong(artist, QString::fromUtf8(title)), added), -1);
        // Not committed: undone when the batch ends.
    }
    EXPECT_EQ(Rows(tiBaseSongs), 0);
    EXPECT_EQ(Rows(tiDatSongs), 0);
    {
        TStoreTransaction batch(Base());
        bool added = false;
        for (const char* title : {"Whisky", "List do M.", "Czerwony jak cegła"})
            AddSong(MakeSong(artist, QString::fromUtf8(title)), added);
        // A song failing inside the batch is undone alone.
        EXPECT_EQ(AddSong(MakeSong(-1, QStringLiteral("Sierota")), added), -1);
        batch.Commit();
    }
    EXPECT_EQ(Rows(tiBaseSongs), 3);
    EXPECT_EQ(Rows(tiZSongs), 3);
}

// --- Reading

struct TCueCase {
    const char* What;
    int NStart;
    int NEnd;
    int SongTime;
    int Expected;
};

TEST_F(SongStoreTest, ReadSongPlaysOnlyBetweenCuePointsInsideTheSong) {
    const TCueCase cases[] = {
        {"inside", 10000, 190000, 200000, 180000},
        {"no end", 10000, 0, 200000, 200000},
        {"end not set", 10000, -1, 200000, 200000},
        {"start not set counts as 0", -1, 150000, 200000, 150000},
        {"the whole song", 0, 200000, 200000, 200000},
        {"end before start", 50000, 40000, 200000, 200000},
        {"past the end", 0, 250000, 200000, 200000},
        {"length not set", 10000, 190000, -1, 0},
    };
    for (const TCueCase& c : cases) {
        const int id = SongWithCues(c.NStart, c.NEnd, c.SongTime);
        TResultSongData song;
        ASSERT_TRUE(ReadSong(song, id)) << c.What;
        EXPECT_EQ(song.SongTime, c.Expected) << c.What;
        EXPECT_EQ(song.PlayTime, c.Expected) << c.What;
    }
}

TEST_F(SongStoreTest, ReadSongFillsAPlayListPosition) {
    const int artist = Artist(QStringLiteral("Republika"));
    TBaseSong stored = MakeSong(artist, QStringLiteral("Telefony"));
    stored.AlbumId = FindAlbum(QStringLiteral("Nowe sytuacje"), artist, true);
    stored.Label1Id = FindLabel(QStringLiteral("Tonpress"), true);
    stored.Intro = -1; // not set: read as 0
    stored.Mix = -1;
    bool added = false;
    const int id = AddSong(stored, added);

    TResultSongData song;
    ASSERT_TRUE(ReadSong(song, id));
    EXPECT_EQ(S(song.Title), "Telefony");
    EXPECT_EQ(song.ArtistId, artist);
    EXPECT_EQ(S(song.ArtistName), "Republika");
    EXPECT_EQ(S(song.AlbumTitle), "Nowe sytuacje");
    EXPECT_EQ(S(song.Category), "4");
    EXPECT_EQ(song.SongTime, 200000);
    EXPECT_EQ(song.Intro, 0);
    EXPECT_EQ(song.Mix, 0);
    EXPECT_EQ(song.Outro, 190000);
    EXPECT_EQ(song.FadeIn, 500);
    EXPECT_EQ(song.FadeOut, 195000);
    EXPECT_EQ(song.NStart, 0);
    EXPECT_EQ(song.NEnd, 0);
    EXPECT_EQ(S(song.Composer), "Kompozytor");
    EXPECT_EQ(S(song.TextAuthor), "Autor");
    EXPECT_EQ(S(song.Producer), "Producent");
    EXPECT_EQ(S(song.Publisher), "Wydawca");
    EXPECT_EQ(song.Year2, 2000);
    EXPECT_EQ(S(song.FullFileName()), "/muzyka/plik.mp3");
    // Not read: labels, characteristics, restrictions, description, the id.
    EXPECT_EQ(song.Label1Id, -1);
    EXPECT_EQ(song.CharType, -1);
    EXPECT_EQ(song.TimeRest, -1);
    EXPECT_TRUE(song.Info.isEmpty());
    EXPECT_EQ(song.SongId, -1);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(SongStoreTest, ReadSongOfAMissingSong) {
    TResultSongData unknown;
    EXPECT_FALSE(ReadSong(unknown, 4242));
    EXPECT_EQ(unknown.SongTime, 0);
    EXPECT_EQ(unknown.PlayTime, 0);
    TResultSongData timed;
    timed.SetSongTime(5000);
    EXPECT_FALSE(ReadSong(timed, 4242));
    EXPECT_EQ(timed.SongTime, 5000);
    EXPECT_TRUE(timed.Title.isEmpty());
}

TEST_F(SongStoreTest, ACueTimeWhoseBoxIsUncheckedIsStoredAsNotSetAndReadAsZero) {
    EXPECT_EQ(CueTimeValue(false, QStringLiteral("01:02.500")), -1);
    EXPECT_EQ(CueTimeValue(true, QStringLiteral("01:02.500")), 62500);
    const int id = StoreSong(Artist(QStringLiteral("Budka Suflera")), QStringLiteral("Jolka"));
    TBaseSong times = MakeSong(-1, QString());
    times.Intro = CueTimeValue(false, QStringLiteral("00:10.000"));
    times.Mix = CueTimeValue(true, QStringLiteral("03:10.250"));
    ASSERT_TRUE(UpdateSongTimes(id, times));
    EXPECT_EQ(Base().LocateDatSong(id)->AsInteger(QStringLiteral("Intro")), -1);
    TResultSongData song;
    ASSERT_TRUE(ReadSong(song, id));
    EXPECT_EQ(song.Intro, 0);
    EXPECT_EQ(song.Mix, 190250);
}

TEST_F(SongStoreTest, SongArtistId) {
    const int artist = Artist(QStringLiteral("Perfect"));
    const int id = StoreSong(artist, QStringLiteral("Autobiografia"));
    EXPECT_EQ(SongArtistId(id), artist);
    EXPECT_EQ(SongArtistId(id + 1), -1);
    EXPECT_EQ(SongArtistId(-1), -1);
}

// --- Deleting

TEST_F(SongStoreTest, DeletingASongRemovesItsRowsAndItsStatistics) {
    const int artist = Artist(QStringLiteral("Lady Pank"));
    const int gone = StoreSong(artist, QStringLiteral("Mniej niż zero"));
    const int kept = StoreSong(artist, QStringLiteral("Zawsze tam gdzie ty"));
    AddStatsRows(Base().StatsTable(), gone, 3);
    AddStatsRows(Base().StatsTable(), kept, 1);
    AddStatsRows(Base().AStatsTable(), artist, 2);

    EXPECT_TRUE(DeleteSong(gone));
    EXPECT_FALSE(Base().LocateSong(gone));
    EXPECT_EQ(SideRows(gone), 0);
    EXPECT_EQ(SongStatsRows(gone), 0);
    EXPECT_TRUE(Base().LocateSong(kept));
    EXPECT_EQ(SideRows(kept), 3);
    EXPECT_EQ(SongStatsRows(kept), 1);
    EXPECT_EQ(Rows(tiAStats), 2);
    EXPECT_TRUE(DeleteSong(gone)); // nothing left to delete
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(SongStoreTest, ASongThatCannotBeDeletedWholeStays) {
    const int id = StoreSong(Artist(QStringLiteral("T.Love")), QStringLiteral("King"));
    AddStatsRows(Base().StatsTable(), id, 2);
    MakeFail("DELETE", "ZSongs");
    EXPECT_FALSE(DeleteSong(id));
    EXPECT_EQ(Prompt.Errors(),
              QStringList{QStringLiteral("Błąd zapisu do bazy danych: \"dysk pełny\".")});
    EXPECT_TRUE(Base().LocateSong(id));
    EXPECT_EQ(SideRows(id), 3);
    EXPECT_EQ(SongStatsRows(id), 2);
}

TEST_F(SongStoreTest, DeletingAnArtistsSongsRemovesEveryOneOfThem) {
    const int artist = Artist(QStringLiteral("Maanam"));
    const int other = Artist(QStringLiteral("Kombi"));
    QList<int> songs;
    for (const char* title : {"Kocham cię, kochanie moje", "Krakowski spleen", "Boskie Buenos"})
        songs.append(StoreSong(artist, QString::fromUtf8(title)));
    const int kept = StoreSong(other, QStringLiteral("Słodkiego miłego życia"));
    for (int id : songs)
        AddStatsRows(Base().StatsTable(), id, 2);
    AddStatsRows(Base().StatsTable(), kept, 1);

    EXPECT_TRUE(DeleteArtistSongs(artist));
    for (int id : songs) {
        EXPECT_FALSE(Base().LocateSong(id));
        EXPECT_EQ(SideRows(id), 0);
        EXPECT_EQ(SongStatsRows(id), 0);
    }
    EXPECT_EQ(SideRows(kept), 3);
    EXPECT_EQ(SongStatsRows(kept), 1);
    EXPECT_TRUE(ArtistExists(artist)); // the artist itself stays
}

TEST_F(SongStoreTest, AnArtistsSongsAreDeletedAllOrNone) {
    const int artist = Artist(QStringLiteral("Voo Voo"));
    const int first = StoreSong(artist, QStringLiteral("Flota zjednoczonych sił"));
    const int second = StoreSong(artist, QStringLiteral("Nim stanie się tak"));
    AddStatsRows(Base().StatsTable(), first, 1);
    // The second song's statistics cannot be deleted.
    AddStatsRows(Base().StatsTable(), second, 1);
    Base().Connection().exec(
        "CREATE TEMP TRIGGER keep_stats BEFORE DELETE ON main.Stats WHEN old.StatsId = " +
        std::to_string(second) + " BEGIN SELECT RAISE(ABORT, 'dysk pełny'); END");
    EXPECT_FALSE(DeleteArtistSongs(artist));
    EXPECT_EQ(Prompt.Errors(),
              QStringList{QStringLiteral("Błąd zapisu do bazy danych: \"dysk pełny\".")});
    for (int id : {first, second}) {
        EXPECT_TRUE(Base().LocateSong(id));
        EXPECT_EQ(SideRows(id), 3);
        EXPECT_EQ(SongStatsRows(id), 1);
    }
}

// --- Section updates

struct TSectionCase {
    const char* What;
    std::function<bool(int, const TBaseSong&)> Update;
    TTableId Table;
    QList<std::pair<const char*, QVariant>> Written;
};

TEST_F(SongStoreTest, EachSectionUpdateWritesItsFields) {
    const int artist = Artist(QStringLiteral("Kobranocka"));
    const int otherArtist = Artist(QStringLiteral("Elektryczne Gitary"));
    const int id = StoreSong(artist, QStringLiteral("Kocham cię jak Irlandię"));

    TBaseSong changed;
    changed.ArtistId = otherArtist;
    changed.AlbumId = 5;
    changed.Info = QStringLiteral("nowy opis");
    changed.Label1Id = 6;
    changed.Label2Id = 7;
    changed.SongTime = 123000;
    changed.Title = QStringLiteral("Nowy tytuł");
    changed.Year = 1991;
    changed.Category = QStringLiteral("2");
    changed.TimeRest = 21;
    changed.TimeRest2 = 22;
    changed.TimeRest3 = 23;
    changed.FreqRest = 24;
    changed.Intro = 1;
    changed.Outro = 2;
    changed.FadeIn = 3;
    changed.FadeOut = 4;
    changed.Mix = 5;
    changed.NStart = 6;
    changed.NEnd = 7;
    changed.Compress = QStringLiteral("PCM");
    changed.Frequ = 48000;
    changed.Mode = 1;
    changed.Quality = QStringLiteral("LQ");
    changed.Path = QStringLiteral("/inne/");
    changed.FileName = QStringLiteral("inny.wav");
    changed.Code = QStringLiteral("X");
    changed.OwnerId = 9;
    changed.CreateDate = 45100.25;
    changed.Composer = QStringLiteral("K2");
    changed.Producer = QStringLiteral("P2");
    changed.TextAuthor = QStringLiteral("T2");
    changed.Publisher = QStringLiteral("W2");
    changed.Year2 = -1;

    const TSectionCase cases[] = {
        {"main data",
         [](int song, const TBaseSong& s) { return UpdateSongMain(song, s, true, std::nullopt); },
         tiBaseSongs,
         {{"Art_Id", otherArtist},
          {"Album_Id", 5},
          {"Song_Info", QStringLiteral("nowy opis")},
          {"Label1_Id", 6},
          {"Label2_Id", 7},
          {"Song_Time", 123000},
          {"Title", QStringLiteral("Nowy tytuł")},
          {"SYear", 1991},
          {"Category", QStringLiteral("2")},
          {"Time_Rest", 21},
          {"Time_Rest2", 12}, // left to the restrictions
          {"Character_Id", FindChars(1, 2, 3, false, 6, 5, 7, 4)}}},
        {"characteristics only",
         [](int song, const TBaseSong& s) { return UpdateSongMain(song, s, false, 77); },
         tiBaseSongs,
         {{"Character_Id", 77}, {"Title", QStringLiteral("Nowy tytuł")}}},
        {"restrictions",
         UpdateSongRestrictions,
         tiBaseSongs,
         {{"Time_Rest", 21}, {"Time_Rest2", 22}, {"Time_Rest3", 23}, {"Freq_Rest", 24}}},
        {"times",
         UpdateSongTimes,
         tiDatSongs,
         {{"Intro", 1},
          {"Outro", 2},
          {"FadeIn", 3},
          {"FadeOut", 4},
          {"Mix", 5},
          {"NStart", 6},
          {"NEnd", 7}}},
        {"file",
         UpdateSongFile,
         tiDataSongs,
         {{"Compress", QStringLiteral("PCM")},
          {"Frequ", 48000},
          {"Mode", 1},
          {"Quality", QStringLiteral("LQ")},
          {"Path", QStringLiteral("/inne/")},
          {"FileName", QStringLiteral("inny.wav")},
          {"Code", QStringLiteral("X")},
          {"OwnerId", 9},
          {"CreateDate", 45100.25}}},
        {"rights",
         UpdateSongRights,
         tiZSongs,
         {{"Composer", QStringLiteral("K2")},
          {"Producer", QStringLiteral("P2")},
          {"TextAuthor", QStringLiteral("T2")},
          {"Publisher", QStringLiteral("W2")},
          {"Year2", -1}}},
    };
    for (const TSectionCase& c : cases) {
        ASSERT_TRUE(c.Update(id, changed)) << c.What;
        TDBTable& table = Base().Table(c.Table);
        const std::optional<TDBRecord> row = table.Locate(table.KeyField(), {id});
        ASSERT_TRUE(row);
        for (const auto& [field, value] : c.Written)
            EXPECT_EQ(S(row->AsString(QLatin1String(field))), S(value.toString()))
                << c.What << ": " << field;
    }
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(SongStoreTest, ASectionUpdateOfAnUnknownSongOrAFailedWriteIsReported) {
    const TBaseSong song = MakeSong(-1, QStringLiteral("x"));
    const std::function<bool(int, const TBaseSong&)> updates[] = {
        [](int id, const TBaseSong& s) { return UpdateSongMain(id, s, true, 3); },
        UpdateSongRestrictions,
        UpdateSongTimes,
        UpdateSongFile,
        UpdateSongRights,
    };
    const QString unknown =
        QStringLiteral("Błąd zapisu do bazy danych: \"Nieznany identyfikator utworu.\".");
    for (const auto& update : updates) {
        Prompt.Clear();
        EXPECT_FALSE(update(4242, song));
        EXPECT_EQ(Prompt.Errors(), QStringList{unknown});
    }

    const int id = StoreSong(FindArtist(QStringLiteral("Oddział Zamknięty"), true),
                             QStringLiteral("Obudź się"));
    MakeFail("UPDATE", "DatSongs");
    Prompt.Clear();
    EXPECT_FALSE(UpdateSongTimes(id, song));
    EXPECT_EQ(Prompt.Errors(),
              QStringList{QStringLiteral("Błąd zapisu do bazy danych: \"dysk pełny\".")});
}

TEST_F(SongStoreTest, MultiEditWritesEverySongOrNone) {
    const int artist = Artist(QStringLiteral("Hey"));
    const QList<int> songs{StoreSong(artist, QStringLiteral("Teksański")),
                           StoreSong(artist, QStringLiteral("Moja i twoja nadzieja"))};
    const TFieldValues base{{QStringLiteral("Category"), QStringLiteral("6")},
                            {QStringLiteral("SYear"), 1994}};
    const TFieldValues data{{QStringLiteral("Quality"), QStringLiteral("CD")}};
    ASSERT_TRUE(UpdateSongsFields(songs, base, data));
    for (int id : songs) {
        EXPECT_EQ(S(Base().LocateSong(id)->AsString(QStringLiteral("Category"))), "6");
        EXPECT_EQ(Base().LocateSong(id)->AsInteger(QStringLiteral("SYear")), 1994);
        EXPECT_EQ(S(Base().LocateDataSong(id)->AsString(QStringLiteral("Quality"))), "CD");
    }

    Base().Connection().exec(
        "CREATE TEMP TRIGGER fail_second BEFORE UPDATE ON main.DataSongs WHEN old.SongData_Id = " +
        std::to_string(songs[1]) + " BEGIN SELECT RAISE(ABORT, 'dysk pełny'); END");
    EXPECT_FALSE(
        UpdateSongsFields(songs, {{QStringLiteral("Category"), QStringLiteral("9")}}, data));
    EXPECT_EQ(Prompt.Errors().size(), 1);
    for (int id : songs)
        EXPECT_EQ(S(Base().LocateSong(id)->AsString(QStringLiteral("Category"))), "6");
}

// --- The song window's new song

struct TFieldErrorsCase {
    QString Artist;
    QString Title;
    bool Time;
    QString Expected;
};

TEST(NewSongFields, EveryEmptyFieldIsNamedOnItsOwnLine) {
    const TFieldErrorsCase cases[] = {
        {QStringLiteral("A"), QStringLiteral("T"), true, QString()},
        {QString(), QStringLiteral("T"), true,
         QStringLiteral("Pole \"Wykonawca\" nie może być puste.\r\n")},
        {QStringLiteral("A"), QString(), true,
         QStringLiteral("Pole \"Tytuł\" nie może być puste.\r\n")},
        {QStringLiteral("A"), QStringLiteral("T"), false,
         QStringLiteral("Pole \"Czas\" musi być wypełnione.")},
        {QString(), QString(), false,
         QStringLiteral("Pole \"Wykonawca\" nie może być puste.\r\nPole \"Tytuł\" nie może być "
                        "puste.\r\nPole \"Czas\" musi być wypełnione.")},
    };
    for (const TFieldErrorsCase& c : cases)
        EXPECT_EQ(S(NewSongFieldErrors(c.Artist, c.Title, c.Time)), S(c.Expected));
}

TEST_F(SongStoreTest, SavingANewSongFromTheSongWindow) {
    const int artist = Artist(QStringLiteral("Skaldowie"));
    TBaseSong song = MakeSong(artist, QStringLiteral("Łzy"));
    EXPECT_EQ(SaveNewSong(song, QStringLiteral("Skaldowie")), nsAdded);
    EXPECT_NE(song.SongId, -1);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());

    TBaseSong again = MakeSong(artist, QStringLiteral("ŁZY"));
    EXPECT_EQ(SaveNewSong(again, QStringLiteral("Skaldowie")), nsDuplicate);
    EXPECT_EQ(again.SongId, -1);
    EXPECT_EQ(Prompt.Texts(TBoxKind::bkInformation),
              QStringList{QStringLiteral("Utwór Skaldowie - ŁZY już jest wpisany.")});

    Prompt.Clear();
    TBaseSong orphan = MakeSong(-1, QStringLiteral("Sierota"));
    EXPECT_EQ(SaveNewSong(orphan, QString()), nsFailed);
    EXPECT_TRUE(Prompt.Texts(TBoxKind::bkInformation).isEmpty());
    EXPECT_EQ(Prompt.Errors().size(), 1);
}

// --- The song list

TEST_F(SongStoreTest, ASongWithoutAlbumAndLabelsIsListedThroughTheNoneRows) {
    const int artist = Artist(QStringLiteral("Czerwone Gitary"));
    TBaseSong song = MakeSong(artist, QStringLiteral("Anna Maria"));
    song.AlbumId = -1;
    song.Label1Id = -1;
    song.Label2Id = -1;
    bool added = false;
    const int id = AddSong(song, added);
    TMainBaseQuery list(&Base());
    list.SetSQL(Format(sqlSongList, {QString(), QString()}));
    list.Open();
    ASSERT_FALSE(list.Eof());
    EXPECT_EQ(list.AsInteger(QStringLiteral("Song_Id")), id);
    EXPECT_EQ(S(list.AsString(QStringLiteral("Art_Name"))), "Czerwone Gitary");
    EXPECT_TRUE(list.AsString(QStringLiteral("LabValue1")).isEmpty());
    list.Next();
    EXPECT_TRUE(list.Eof());
}

} // namespace
