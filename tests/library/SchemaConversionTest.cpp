#include "LibraryFixture.h"
#include "foundation/uFormat.h"
#include "library/uDBCollation.h"
#include "support/PlainSqlite.h"
#include "support/TestFiles.h"

#include <QDir>
#include <SQLiteCpp/Statement.h>

// A library made by the versions that declared the name columns with the Polish collation is
// converted when it is opened: afterwards any SQLite tool can check it, and the program finds
// and orders everything as before.

namespace {

// The schema those versions made, as SQLite kept it.
const char* const kOldSchema[] = {
    "CREATE TABLE albums (Album_Id INTEGER PRIMARY KEY AUTOINCREMENT, Album_Title TEXT COLLATE "
    "PL_CI, Album_Year INTEGER, Album_Art_Id INTEGER)",
    "CREATE INDEX albums_1 ON albums (Album_Art_Id, Album_Title)",
    "CREATE TABLE Artists (Art_Id INTEGER PRIMARY KEY AUTOINCREMENT, Art_Name TEXT COLLATE PL_CI, "
    "Alias1 INTEGER, Alias2 INTEGER, Art_FreqGroup INTEGER)",
    "CREATE INDEX Artists_1 ON Artists (Art_Name)",
    "CREATE TABLE Labels (Label_Id INTEGER PRIMARY KEY AUTOINCREMENT, LValue TEXT COLLATE PL_CI, "
    "Expired INTEGER, NextLabelId INTEGER)",
    "CREATE INDEX Labels_1 ON Labels (LValue)",
    "CREATE TABLE BaseSongs (Song_Id INTEGER PRIMARY KEY AUTOINCREMENT, Title TEXT COLLATE PL_CI, "
    "Art_Id INTEGER, Album_Id INTEGER, Character_Id INTEGER, Label1_Id INTEGER, Label2_Id "
    "INTEGER, Song_Time INTEGER, SYear INTEGER, Song_Info TEXT, Category TEXT, Time_Rest INTEGER, "
    "Time_Rest2 INTEGER, Time_Rest3 INTEGER, Freq_Rest INTEGER, Art_Alias1 INTEGER, Art_Alias2 "
    "INTEGER)",
    "CREATE INDEX BaseSongs_1 ON BaseSongs (Art_Id, Title)",
    "CREATE INDEX BaseSongs_2 ON BaseSongs (Category)",
    "CREATE TABLE DataSongs (SongData_Id INTEGER PRIMARY KEY, Compress TEXT, Frequ INTEGER, Mode "
    "INTEGER, Quality TEXT, Path TEXT, FileName TEXT, Code TEXT, OwnerId INTEGER, CreateDate "
    "REAL)",
    "CREATE TABLE DatSongs (SongDat_Id INTEGER PRIMARY KEY, Intro INTEGER, Outro INTEGER, FadeIn "
    "INTEGER, FadeOut INTEGER, Mix INTEGER, NStart INTEGER, NEnd INTEGER)",
    "CREATE TABLE Chars (Character_Id INTEGER PRIMARY KEY AUTOINCREMENT, Type INTEGER, Tempo "
    "INTEGER, Atmosphere INTEGER, Language INTEGER, Vocal INTEGER, TempoIn INTEGER, TempoOut "
    "INTEGER)",
    "CREATE INDEX Chars_1 ON Chars (Type, Tempo, Atmosphere, Language, Vocal, TempoIn, TempoOut)",
    "CREATE TABLE ZSongs (ZSong_Id INTEGER PRIMARY KEY, Composer TEXT, TextAuthor TEXT, Producer "
    "TEXT, Publisher TEXT, Year2 INTEGER)",
    "CREATE TABLE users (User_Id INTEGER PRIMARY KEY AUTOINCREMENT, User_Name TEXT)",
    "CREATE TABLE Stats (StatsId INTEGER, SId INTEGER PRIMARY KEY AUTOINCREMENT, StatsVal BLOB, "
    "BeginTime REAL, EndTime REAL, BeginId INTEGER, EndId INTEGER)",
    "CREATE INDEX Stats_1 ON Stats (StatsId)",
    "CREATE TABLE AStats (StatsId INTEGER, SId INTEGER PRIMARY KEY AUTOINCREMENT, StatsVal BLOB, "
    "BeginTime REAL, EndTime REAL, BeginId INTEGER, EndId INTEGER)",
    "CREATE INDEX AStats_1 ON AStats (StatsId)",
    "INSERT INTO albums VALUES (-1, '', -1, -1)",
    "INSERT INTO Artists VALUES (-1, '', -1, -1, -1)",
    "INSERT INTO Labels VALUES (-1, '', 0, -1)",
};

// A few rows with Polish names, keys with gaps: the last artist and the last song were deleted,
// so the next keys are above every key there is.
const char* const kOldRows[] = {
    "INSERT INTO Artists (Art_Name, Alias1, Alias2, Art_FreqGroup) VALUES ('Zenon', -1, -1, 2), "
    "('Łukasz', -1, -1, -1), ('Lech', -1, -1, -1), ('Śpiewak', 2, -1, 3), ('Żaneta', -1, -1, -1), "
    "('Marek', -1, -1, -1), ('Skasowany', -1, -1, -1)",
    "DELETE FROM Artists WHERE Art_Name = 'Skasowany'",
    "INSERT INTO Labels (LValue, Expired, NextLabelId) VALUES ('Rock', 0, -1), ('Ścieżka', 5, 1)",
    "INSERT INTO albums (Album_Title, Album_Year, Album_Art_Id) VALUES ('Łąka', 1999, 2), "
    "('Ćma', 2001, 2), ('Akacje', 1980, 2)",
    "INSERT INTO Chars (Type, Tempo, Atmosphere, Language, Vocal, TempoIn, TempoOut) VALUES "
    "(1, 2, 3, 4, 5, 6, 7)",
    "INSERT INTO BaseSongs (Title, Art_Id, Album_Id, Character_Id, Label1_Id, Label2_Id, "
    "Song_Time, SYear, Category, Time_Rest, Time_Rest2, Time_Rest3, Freq_Rest, Art_Alias1, "
    "Art_Alias2) VALUES ('Żółw', 2, 1, 1, 1, -1, 200000, 1999, '3', -1, -1, -1, -1, -1, -1), "
    "('łąka', 2, 1, 1, 2, -1, 180000, 1999, '3', -1, -1, -1, -1, -1, -1), "
    "('Ostatnia', 4, -1, 1, -1, -1, 1000, 2000, '3', -1, -1, -1, -1, -1, -1)",
    "DELETE FROM BaseSongs WHERE Title = 'Ostatnia'",
    "INSERT INTO DataSongs (SongData_Id, Path, FileName) VALUES (1, '/m/', 'a.mp3'), "
    "(2, '/m/', 'b.mp3')",
    "INSERT INTO DatSongs (SongDat_Id, Mix) VALUES (1, 190000), (2, 170000)",
    "INSERT INTO ZSongs (ZSong_Id, Composer) VALUES (1, 'Kompozytor'), (2, 'Ździsław')",
    "INSERT INTO Stats (StatsId, StatsVal, BeginTime, EndTime, BeginId, EndId) VALUES "
    "(1, x'0102', 45000.5, 45001.5, 0, 1)",
    "INSERT INTO AStats (StatsId, StatsVal, BeginTime, EndTime, BeginId, EndId) VALUES "
    "(2, x'0304', 45000.5, 45001.5, 0, 1)",
    // Made by someone in a tool that knew the collation: they stay, without it.
    "CREATE INDEX artist_alias ON Artists (Alias1)",
    "CREATE VIEW named AS SELECT Art_Name FROM Artists ORDER BY Art_Name COLLATE PL_CI",
};

void WriteOldLibrary(const QString& path, bool withRows) {
    QDir().mkpath(QFileInfo(path).path());
    SQLite::Database db(S(path), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    RegisterPolishText(db.getHandle());
    for (const char* sql : kOldSchema)
        db.exec(sql);
    if (withRows)
        for (const char* sql : kOldRows)
            db.exec(sql);
}

class SchemaConversionTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    QString Library = Station.Path(QStringLiteral("Data/library.db"));
    QString Template = Station.Path(QStringLiteral("Data/Empty/library.db"));

    void SetUp() override {
        WriteOldLibrary(Library, true);
        WriteOldLibrary(Template, false);
    }
    void TearDown() override { DoneMainBase(); }

    static QStringList Names(const QString& sql, const char* field) {
        QStringList names;
        TMainBaseQuery query(MainBase.get());
        query.SetSQL(sql);
        for (query.Open(); !query.Eof(); query.Next())
            names.append(query.AsString(QLatin1String(field)));
        return names;
    }
};

TEST_F(SchemaConversionTest, TheOldFileFailsInOtherTools) {
    EXPECT_TRUE(TPlainSqlite(Library).IntegrityCheck().contains(QStringLiteral("PL_CI")))
        << S(TPlainSqlite(Library).IntegrityCheck());
}

TEST_F(SchemaConversionTest, OpeningKeepsEveryRowAndKeyAndAnyToolCanCheckTheFile) {
    const QStringList rows = TPlainSqlite(Library).Dump();
    const QStringList templateRows = TPlainSqlite(Template).Dump();
    ASSERT_FALSE(rows.filter(QStringLiteral("error:")).size()) << S(rows.join(QLatin1Char('\n')));

    InitMainBase();
    ASSERT_TRUE(MainBase);
    EXPECT_TRUE(Prompt.Boxes.isEmpty()) << S(Prompt.Errors().join(QLatin1Char('\n')));
    MainBase->CloseTables();

    for (const QString& path : {Library, Template}) {
        const TPlainSqlite plain(path);
        EXPECT_EQ(S(plain.IntegrityCheck()), "ok") << S(path);
        EXPECT_FALSE(plain.Schema().contains(QStringLiteral("PL_CI"), Qt::CaseInsensitive))
            << S(plain.Schema());
    }
    // The same rows under the same keys, and the same last keys handed out.
    EXPECT_EQ(S(TPlainSqlite(Library).Dump().join(QLatin1Char('\n'))),
              S(rows.join(QLatin1Char('\n'))));
    EXPECT_EQ(S(TPlainSqlite(Template).Dump().join(QLatin1Char('\n'))),
              S(templateRows.join(QLatin1Char('\n'))));
    EXPECT_TRUE(TPlainSqlite(Library).Dump().contains(QStringLiteral("sqlite_sequence:Artists|7")));

    // What another tool added is there still.
    const QString schema = TPlainSqlite(Library).Schema();
    EXPECT_TRUE(schema.contains(QStringLiteral("CREATE INDEX artist_alias ON Artists (Alias1)")))
        << S(schema);
    EXPECT_TRUE(schema.contains(
        QStringLiteral("CREATE VIEW named AS SELECT Art_Name FROM Artists ORDER BY Art_Name")))
        << S(schema);

    // A deleted key is not handed out again.
    EXPECT_EQ(
        MainBase->ArtistsTable().Append({{QStringLiteral("Art_Name"), QStringLiteral("Ola")}}), 8);
    EXPECT_EQ(
        MainBase->BaseSongsTable().Append({{QStringLiteral("Title"), QStringLiteral("Nowa")}}), 4);

    // A second start finds nothing to convert.
    DoneMainBase();
    const QByteArray converted = ReadFileBytes(Library);
    InitMainBase();
    MainBase->CloseTables();
    EXPECT_EQ(ReadFileBytes(Library), converted);
}

struct TFoundCase {
    const char* What;
    std::function<int()> Find;
    int Expected;
};

TEST_F(SchemaConversionTest, NamesAreFoundAndOrderedAsBefore) {
    InitMainBase();
    ASSERT_TRUE(MainBase);
    const TFoundCase cases[] = {
        {"Ł as ł", [] { return FindArtist(QStringLiteral("łukasz"), false); }, 2},
        {"ł as Ł", [] { return FindArtist(QStringLiteral("ŁUKASZ"), false); }, 2},
        {"L is not Ł", [] { return FindArtist(QStringLiteral("Lukasz"), false); }, -1},
        {"Ś as ś", [] { return FindArtist(QStringLiteral("śpiewak"), false); }, 4},
        {"Ż as ż", [] { return FindArtist(QStringLiteral("żANETA"), false); }, 5},
        {"a label", [] { return LabelIdOf(QStringLiteral("śCIEŻKA")); }, 2},
        {"an album of an artist", [] { return FindAlbum(QStringLiteral("ŁĄKA"), 2, false); }, 1},
        {"the album of another artist", [] { return FindAlbum(QStringLiteral("Łąka"), 3, false); },
         -1},
        {"a song of an artist, the duplicate rule",
         [] {
             bool added = true;
             TBaseSong song;
             song.ArtistId = 2;
             song.Title = QStringLiteral("ŻÓŁW");
             const int id = AddBaseSong(song, 1, added);
             return added ? -1 : id;
         },
         1},
    };
    for (const TFoundCase& c : cases)
        EXPECT_EQ(c.Find(), c.Expected) << c.What;

    EXPECT_EQ(Names(sqlArtistList, "Art_Name").join(QLatin1Char(',')),
              QStringLiteral("Lech,Łukasz,Marek,Śpiewak,Zenon,Żaneta"));
    EXPECT_EQ(Names(Format(sqlArtistAlbums, {2}), "Album_Title").join(QLatin1Char(',')),
              QStringLiteral("Akacje,Ćma,Łąka"));
    EXPECT_EQ(Names(sqlLabelList, "LValue").join(QLatin1Char(',')), QStringLiteral("Rock,Ścieżka"));
    EXPECT_EQ(Names(Format(sqlSongList, {QString(), QString()}), "Title").join(QLatin1Char(',')),
              QStringLiteral("łąka,Żółw"));
    EXPECT_TRUE(Prompt.Boxes.isEmpty()) << S(Prompt.Errors().join(QLatin1Char('\n')));
}

TEST_F(SchemaConversionTest, ANewLibraryCopiedFromAnOldTemplateIsConvertedToo) {
    ASSERT_TRUE(QFile::remove(Library));
    InitMainBase();
    ASSERT_TRUE(MainBase);
    EXPECT_TRUE(MainBase->ArtistsTable().Locate(QStringLiteral("Art_Id"), {-1}));
    MainBase->CloseTables();
    for (const QString& path : {Library, Template})
        EXPECT_EQ(S(TPlainSqlite(path).IntegrityCheck()), "ok") << S(path);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

} // namespace
