#include "LibraryFixture.h"
#include "foundation/uFormat.h"
#include "library/uEntityEditing.h"

namespace {

class EntitiesTest : public LibraryFixture {
protected:
    // The names a list query gives, in order.
    QStringList Listed(const QString& sql, const char* field) {
        QStringList names;
        TMainBaseQuery query(&Base());
        query.SetSQL(sql);
        for (query.Open(); !query.Eof(); query.Next())
            names.append(query.AsString(QLatin1String(field)));
        return names;
    }
    int StatsRows(const QString& sql, int id) {
        int rows = 0;
        TMainBaseQuery query(&Base());
        query.SetSQL(Format(sql, {id}));
        for (query.Open(); !query.Eof(); query.Next())
            ++rows;
        return rows;
    }
};

// --- Finding and making rows by their natural key

struct TFindCase {
    const char* What;
    QString Name;
    bool Create;
    bool Found; // the stored row's id comes back
    bool Adds;  // a new row is made
};

TEST_F(EntitiesTest, FindArtistByNameWithoutRegardToCase) {
    const int stored = FindArtist(QStringLiteral("Łukasz Żółć"), true);
    ASSERT_NE(stored, -1);
    const TFindCase cases[] = {
        {"same name", QStringLiteral("Łukasz Żółć"), false, true, false},
        {"upper case", QStringLiteral("ŁUKASZ ŻÓŁĆ"), true, true, false},
        {"lower case", QStringLiteral("łukasz żółć"), true, true, false},
        {"without Polish letters", QStringLiteral("Lukasz Zolc"), false, false, false},
        {"new, not created", QStringLiteral("Nowy"), false, false, false},
        {"new, created", QStringLiteral("Nowy"), true, false, true},
        {"empty, even with create", QString(), true, false, false},
    };
    for (const TFindCase& c : cases) {
        const int artists = Rows(tiArtists);
        const int id = FindArtist(c.Name, c.Create);
        EXPECT_EQ(id == stored, c.Found) << c.What;
        EXPECT_EQ(Rows(tiArtists), artists + (c.Adds ? 1 : 0)) << c.What;
        EXPECT_EQ(id != -1, c.Found || c.Adds) << c.What;
    }
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(EntitiesTest, ANewArtistHasNoAliasesAndTheDefaultGroup) {
    const int id = FindArtist(QStringLiteral("Grzegorz Ciechowski"), true);
    const std::optional<TDBRecord> row = ArtistExists(id);
    ASSERT_TRUE(row);
    EXPECT_EQ(S(row->AsString(QStringLiteral("Art_Name"))), "Grzegorz Ciechowski");
    EXPECT_EQ(row->AsInteger(QStringLiteral("Alias1")), -1);
    EXPECT_EQ(row->AsInteger(QStringLiteral("Alias2")), -1);
    EXPECT_EQ(row->AsInteger(QStringLiteral("Art_FreqGroup")), kDefaultArtistGroup);
    EXPECT_EQ(S(GetArtistName(id)), "Grzegorz Ciechowski");
    EXPECT_TRUE(GetArtistName(id + 1).isEmpty());
    EXPECT_TRUE(GetArtistName(-1).isEmpty());
    EXPECT_FALSE(ArtistExists(id + 1));
    EXPECT_FALSE(ArtistExists(-1)); // the none row is no artist
}

TEST_F(EntitiesTest, FindAlbumByTitleAndArtist) {
    const int artist = FindArtist(QStringLiteral("Kult"), true);
    const int other = FindArtist(QStringLiteral("Armia"), true);
    const int stored =
        FindAlbum(QStringLiteral("Ostateczny krach systemu korporacji"), artist, true);
    ASSERT_NE(stored, -1);
    struct TAlbumCase {
        const char* What;
        QString Title;
        int Artist;
        bool Create;
        bool Found;
        bool Adds;
    };
    const TAlbumCase cases[] = {
        {"other case", QStringLiteral("OSTATECZNY KRACH SYSTEMU KORPORACJI"), artist, true, true,
         false},
        {"same title, other artist", QStringLiteral("Ostateczny krach systemu korporacji"), other,
         false, false, false},
        {"same title, other artist, created", QStringLiteral("Ostateczny krach systemu korporacji"),
         other, true, false, true},
        {"empty title, even with create", QString(), artist, true, false, false},
        {"no artist, even with create", QStringLiteral("Tata Kazika"), -1, true, false, false},
    };
    for (const TAlbumCase& c : cases) {
        const int albums = Rows(tiAlbums);
        const int id = FindAlbum(c.Title, c.Artist, c.Create);
        EXPECT_EQ(id == stored, c.Found) << c.What;
        EXPECT_EQ(Rows(tiAlbums), albums + (c.Adds ? 1 : 0)) << c.What;
        EXPECT_EQ(id != -1, c.Found || c.Adds) << c.What;
    }
    const std::optional<TDBRecord> row =
        Base().AlbumsTable().Locate(QStringLiteral("Album_Id"), {stored});
    ASSERT_TRUE(row);
    EXPECT_TRUE(row->IsNull(QStringLiteral("Album_Year")));
    EXPECT_EQ(row->AsInteger(QStringLiteral("Album_Art_Id")), artist);
    EXPECT_EQ(S(GetAlbumTitle(stored)), "Ostateczny krach systemu korporacji");
    EXPECT_TRUE(GetAlbumTitle(-1).isEmpty());
    EXPECT_TRUE(GetAlbumTitle(9999).isEmpty());
}

TEST_F(EntitiesTest, FindLabelByValueWithoutRegardToCase) {
    const int stored = FindLabel(QStringLiteral("Polskie Nagrania"), true);
    ASSERT_NE(stored, -1);
    EXPECT_EQ(LabelIdOf(QStringLiteral("POLSKIE NAGRANIA")), stored);
    EXPECT_EQ(FindLabel(QStringLiteral("polskie nagrania"), true), stored);
    EXPECT_EQ(LabelIdOf(QStringLiteral("Pomaton")), -1);
    EXPECT_EQ(FindLabel(QStringLiteral("Pomaton"), false), -1);
    EXPECT_EQ(FindLabel(QString(), true), -1);
    EXPECT_EQ(LabelIdOf(QString()), -1); // the none row is not found by its empty value
    EXPECT_EQ(Rows(tiLabels), 1);
    const int added = AddLabel(QStringLiteral("Pomaton"));
    EXPECT_EQ(FindLabel(QStringLiteral("pomaton"), true), added);
    EXPECT_EQ(S(GetLabelValue(added)), "Pomaton");
    EXPECT_TRUE(GetLabelValue(-1).isEmpty());
    EXPECT_TRUE(GetLabelValue(added + 1).isEmpty());
}

TEST_F(EntitiesTest, FindCharsReusesAnExactCombination) {
    const int none = FindChars(-1, -1, -1, true, -1, -1, -1, -1);
    ASSERT_NE(none, -1);
    EXPECT_EQ(FindChars(-1, -1, -1, true, -1, -1, -1, -1), none);
    EXPECT_EQ(Rows(tiChars), 1);

    const int combination = FindChars(1, 2, 3, true, 4, 5, 6, 7);
    const std::optional<TDBRecord> row = Base().LocateChars(combination);
    ASSERT_TRUE(row);
    const std::pair<const char*, int> fields[] = {{"Type", 1},       {"Tempo", 2}, {"TempoIn", 3},
                                                  {"Atmosphere", 4}, {"Vocal", 5}, {"Language", 6},
                                                  {"TempoOut", 7}};
    for (const auto& [field, value] : fields)
        EXPECT_EQ(row->AsInteger(QLatin1String(field)), value) << field;

    EXPECT_EQ(FindChars(1, 2, 3, false, 4, 5, 6, 7), combination);
    EXPECT_EQ(FindChars(1, 2, 3, false, 4, 5, 6, -2), -1); // one value differs
    EXPECT_EQ(FindChars(1, 2, 3, false, 4, 5, 7, 6), -1);  // two values swapped
    EXPECT_EQ(Rows(tiChars), 2);
    EXPECT_NE(FindChars(1, 2, 3, true, 4, 5, 6, -2), combination);
    EXPECT_EQ(Rows(tiChars), 3);
}

TEST_F(EntitiesTest, CreationFailures) {
    MakeFail("INSERT", "Chars");
    EXPECT_EQ(FindChars(1, 1, 1, true, 1, 1, 1, 1), -1);
    EXPECT_TRUE(Prompt.Boxes.isEmpty()); // silently

    const QString failed = QStringLiteral("Błąd zapisu do bazy danych: \"dysk pełny\".");
    MakeFail("INSERT", "Artists");
    EXPECT_EQ(FindArtist(QStringLiteral("Nowy"), true), -1);
    EXPECT_EQ(Prompt.Errors(), QStringList{failed});
    StopFailing("INSERT", "Artists");

    const int artist = FindArtist(QStringLiteral("Nowy"), true);
    MakeFail("INSERT", "albums");
    MakeFail("INSERT", "Labels");
    Prompt.Clear();
    EXPECT_EQ(FindAlbum(QStringLiteral("Album"), artist, true), -1);
    EXPECT_EQ(FindLabel(QStringLiteral("Etykieta"), true), -1);
    EXPECT_EQ(Prompt.Errors(), (QStringList{failed, failed}));
    EXPECT_THROW(AddLabel(QStringLiteral("Etykieta")), std::exception);
}

TEST_F(EntitiesTest, TheNoneRowsAreNeverListed) {
    FindArtist(QStringLiteral("Ścianka"), true);
    FindArtist(QStringLiteral("Lao Che"), true);
    FindArtist(QStringLiteral("Łzy"), true);
    FindLabel(QStringLiteral("Mystic"), true);
    EXPECT_EQ(
        Listed(sqlArtistList, "Art_Name"),
        (QStringList{QStringLiteral("Lao Che"), QStringLiteral("Łzy"), QStringLiteral("Ścianka")}));
    EXPECT_EQ(Listed(sqlLabelList, "LValue"), QStringList{QStringLiteral("Mystic")});
    EXPECT_TRUE(ArtistAlbums(-1).isEmpty());
}

// --- Artists edited in the windows

TEST_F(EntitiesTest, NewAndEditedArtistsKeepTheirNamesApart) {
    EXPECT_EQ(DefaultArtistFreqGroup(), kDefaultArtistGroup);
    const int kayah = NewArtist({QStringLiteral("Kayah"), -1, -1, 3});
    ASSERT_NE(kayah, -1);
    const int bregovic = NewArtist({QStringLiteral("Goran Bregović"), kayah, -1, 4});
    ASSERT_NE(bregovic, -1);
    EXPECT_EQ(ArtistExists(bregovic)->AsInteger(QStringLiteral("Alias1")), kayah);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());

    EXPECT_EQ(NewArtist({QStringLiteral("KAYAH")}), -1);
    EXPECT_EQ(Prompt.Errors(),
              QStringList{QStringLiteral("W bazie wykonawców istnieje już wpis \"KAYAH\".")});
    EXPECT_EQ(NewArtist({QString()}), -1);
    EXPECT_EQ(Rows(tiArtists), 2);

    Prompt.Clear();
    // The artist's own row does not count: its letter case can change.
    EXPECT_TRUE(EditArtist(kayah, {QStringLiteral("KAYAH"), bregovic, -1, 5}));
    const std::optional<TDBRecord> row = ArtistExists(kayah);
    EXPECT_EQ(S(row->AsString(QStringLiteral("Art_Name"))), "KAYAH");
    EXPECT_EQ(row->AsInteger(QStringLiteral("Alias1")), bregovic);
    EXPECT_EQ(row->AsInteger(QStringLiteral("Art_FreqGroup")), 5);
    EXPECT_FALSE(EditArtist(kayah, {QStringLiteral("goran bregović")}));
    EXPECT_EQ(Prompt.Errors(), QStringList{QStringLiteral(
                                   "W bazie wykonawców istnieje już wpis \"goran bregović\".")});
    EXPECT_EQ(S(GetArtistName(kayah)), "KAYAH");

    EXPECT_TRUE(SetArtistsFreqGroup({kayah, bregovic}, 9));
    for (int id : {kayah, bregovic})
        EXPECT_EQ(ArtistExists(id)->AsInteger(QStringLiteral("Art_FreqGroup")), 9);
}

TEST_F(EntitiesTest, DeletingArtistsAsksWithTheRightText) {
    Prompt.QueueAnswers({true, false});
    EXPECT_TRUE(ConfirmArtistsDeletion(1));
    EXPECT_FALSE(ConfirmArtistsDeletion(3));
    EXPECT_EQ(Prompt.Questions(),
              (QStringList{QStringLiteral("Usunięcie wykonawcy spowoduje usunięcie wszystkich "
                                          "utworów tego wykonawcy z bazy. Czy kontynuować?"),
                           QStringLiteral("Usunięcie wykonawców spowoduje usunięcie wszystkich "
                                          "utworów tych wykonawców z bazy. Czy kontynuować?")}));
}

TEST_F(EntitiesTest, DeletingAnArtistRemovesItsSongsAndEveryStatistic) {
    const int artist = FindArtist(QStringLiteral("Bajm"), true);
    const int other = FindArtist(QStringLiteral("Lombard"), true);
    const int song1 = StoreSong(artist, QStringLiteral("Józek, nie daruję ci tej nocy"));
    const int song2 = StoreSong(artist, QStringLiteral("Co mi Panie dasz"));
    const int kept = StoreSong(other, QStringLiteral("Przeżyj to sam"));
    for (int id : {song1, song2, kept})
        AddStatsRows(Base().StatsTable(), id, 2);
    AddStatsRows(Base().AStatsTable(), artist, 3);
    AddStatsRows(Base().AStatsTable(), other, 1);

    EXPECT_TRUE(DeleteArtists({artist, 4242}));
    EXPECT_FALSE(ArtistExists(artist));
    for (int id : {song1, song2}) {
        EXPECT_FALSE(Base().LocateSong(id));
        EXPECT_FALSE(Base().LocateDatSong(id));
        EXPECT_FALSE(Base().LocateDataSong(id));
        EXPECT_FALSE(Base().LocateZSong(id));
        EXPECT_EQ(StatsRows(sqlSongStatsRows, id), 0);
    }
    EXPECT_EQ(StatsRows(sqlArtistStatsRows, artist), 0);
    EXPECT_TRUE(ArtistExists(other));
    EXPECT_TRUE(Base().LocateSong(kept));
    EXPECT_EQ(StatsRows(sqlSongStatsRows, kept), 2);
    EXPECT_EQ(StatsRows(sqlArtistStatsRows, other), 1);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());

    EXPECT_TRUE(DeleteArtists({-1}));
    EXPECT_TRUE(Base().ArtistsTable().Locate(QStringLiteral("Art_Id"), {-1}));
}

TEST_F(EntitiesTest, ArtistsAreDeletedAllOrNone) {
    const int first = FindArtist(QStringLiteral("Brathanki"), true);
    const int second = FindArtist(QStringLiteral("Golec uOrkiestra"), true);
    const int song1 = StoreSong(first, QStringLiteral("Czerwone korale"));
    const int song2 = StoreSong(second, QStringLiteral("Ściernisko"));
    AddStatsRows(Base().AStatsTable(), first, 1);
    // The second artist's song cannot be deleted.
    Base().Connection().exec(
        "CREATE TEMP TRIGGER keep_song BEFORE DELETE ON main.BaseSongs WHEN old.Song_Id = " +
        std::to_string(song2) + " BEGIN SELECT RAISE(ABORT, 'dysk pełny'); END");
    EXPECT_FALSE(DeleteArtists({first, second}));
    EXPECT_EQ(Prompt.Errors(),
              QStringList{QStringLiteral("Błąd zapisu do bazy danych: \"dysk pełny\".")});
    EXPECT_TRUE(ArtistExists(first));
    EXPECT_TRUE(ArtistExists(second));
    EXPECT_TRUE(Base().LocateSong(song1));
    EXPECT_TRUE(Base().LocateZSong(song1));
    EXPECT_TRUE(Base().LocateSong(song2));
    EXPECT_EQ(StatsRows(sqlArtistStatsRows, first), 1);
}

// --- Labels edited in the windows

TEST_F(EntitiesTest, NewAndRenamedLabelsKeepTheirValuesApart) {
    const int sony = NewLabel(QStringLiteral("Sony"));
    const int emi = NewLabel(QStringLiteral("EMI"));
    ASSERT_NE(sony, -1);
    ASSERT_NE(emi, -1);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());

    struct TLabelCase {
        const char* What;
        int Label; // -1: a new label
        QString Value;
        bool Accepted;
        bool Refusal; // "Podana etykieta już istnieje." shown
    };
    const TLabelCase cases[] = {
        {"new, other case", -1, QStringLiteral("sony"), false, true},
        {"rename to another's value, other case", emi, QStringLiteral("SONY"), false, true},
        {"rename to its own value, other case", emi, QStringLiteral("Emi"), true, false},
        {"rename to a free value", sony, QStringLiteral("Sony Music"), true, false},
        {"new with a star", -1, QStringLiteral("Pop*"), false, false},
        {"new, 31 characters", -1, QString(31, QLatin1Char('x')), false, false},
        {"new, 30 characters", -1, QString(30, QLatin1Char('x')), true, false},
        {"new, empty", -1, QString(), false, false},
        {"rename the none row", -1 - 1, QStringLiteral("Brak"), false, false},
    };
    for (const TLabelCase& c : cases) {
        Prompt.Clear();
        const bool accepted = c.Label == -1 ? NewLabel(c.Value) != -1
                                            : RenameLabel(c.Label == -2 ? -1 : c.Label, c.Value);
        EXPECT_EQ(accepted, c.Accepted) << c.What;
        EXPECT_EQ(Prompt.Errors(),
                  c.Refusal ? QStringList{QStringLiteral("Podana etykieta już istnieje.")}
                            : QStringList())
            << c.What;
    }
    EXPECT_EQ(S(GetLabelValue(emi)), "Emi");
    EXPECT_EQ(S(GetLabelValue(sony)), "Sony Music");
    EXPECT_EQ(Rows(tiLabels), 3);
}

TEST_F(EntitiesTest, ADeletedLabelIsTakenOffItsSongs) {
    Prompt.QueueAnswers({true});
    EXPECT_TRUE(ConfirmLabelDeletion());
    EXPECT_EQ(Prompt.Questions(),
              QStringList{QStringLiteral(
                  "Etykieta zostanie usunięta ze wszystkich charakterystyk. Czy kontynuowac?")});

    const int label = NewLabel(QStringLiteral("Warner"));
    const int kept = NewLabel(QStringLiteral("Kayax"));
    const int artist = FindArtist(QStringLiteral("Myslovitz"), true);
    TBaseSong song = MakeSong(artist, QStringLiteral("Długość dźwięku samotności"));
    song.Label1Id = kept;
    song.Label2Id = label;
    bool added = false;
    const int first = AddSong(song, added);
    song.Title = QStringLiteral("Chciałbym umrzeć z miłości");
    song.Label1Id = label;
    song.Label2Id = -1;
    const int second = AddSong(song, added);

    EXPECT_TRUE(DeleteLabel(label));
    EXPECT_TRUE(GetLabelValue(label).isEmpty());
    EXPECT_EQ(Base().LocateSong(first)->AsInteger(QStringLiteral("Label1_Id")), kept);
    EXPECT_EQ(Base().LocateSong(first)->AsInteger(QStringLiteral("Label2_Id")), -1);
    EXPECT_EQ(Base().LocateSong(second)->AsInteger(QStringLiteral("Label1_Id")), -1);
    // Both songs are still in the song list.
    TMainBaseQuery list(&Base());
    list.SetSQL(Format(sqlSongList, {QString(), QString()}));
    int rows = 0;
    for (list.Open(); !list.Eof(); list.Next())
        ++rows;
    EXPECT_EQ(rows, 2);

    EXPECT_FALSE(DeleteLabel(-1));
    EXPECT_TRUE(Base().LabelsTable().Locate(QStringLiteral("Label_Id"), {-1}));
}

// --- Albums of an artist

TEST_F(EntitiesTest, TheAlbumsDialogStoresNewAndChangedEntries) {
    const int artist = FindArtist(QStringLiteral("Kazik"), true);
    const int other = FindArtist(QStringLiteral("Staszek"), true);
    FindAlbum(QStringLiteral("Spalam się"), artist, true);
    FindAlbum(QStringLiteral("Cudzego"), other, true);

    QList<TAlbumEntry> albums = ArtistAlbums(artist);
    ASSERT_EQ(albums.size(), 1);
    EXPECT_EQ(S(albums[0].Title), "Spalam się");
    EXPECT_EQ(albums[0].Year, -1);
    albums[0].Title = QStringLiteral("Spalam się (reedycja)");
    albums[0].Year = 1991;
    albums[0].Changed = true;
    albums.append({-1, QStringLiteral("12 groszy"), 1997, false});
    albums.append({-1, QStringLiteral("Melassa"), -1, false});
    ASSERT_TRUE(SaveArtistAlbums(artist, albums));
    EXPECT_NE(albums[1].Id, -1);
    EXPECT_NE(albums[2].Id, -1);

    const QList<TAlbumEntry> stored = ArtistAlbums(artist);
    QStringList titles;
    for (const TAlbumEntry& album : stored)
        titles.append(QStringLiteral("%1/%2").arg(album.Title).arg(album.Year));
    EXPECT_EQ(titles, (QStringList{QStringLiteral("12 groszy/1997"), QStringLiteral("Melassa/-1"),
                                   QStringLiteral("Spalam się (reedycja)/1991")}));
    EXPECT_EQ(FindAlbum(QStringLiteral("melassa"), artist, false), albums[2].Id);

    // A failure keeps nothing, and the entries keep no ids.
    MakeFail("INSERT", "albums");
    QList<TAlbumEntry> failing{{-1, QStringLiteral("Na żywo"), 2000, false}};
    EXPECT_FALSE(SaveArtistAlbums(artist, failing));
    EXPECT_EQ(failing[0].Id, -1);
    EXPECT_EQ(ArtistAlbums(artist).size(), 3);
    EXPECT_EQ(Prompt.Errors().size(), 1);
}

} // namespace
