#include "foundation/uAppPaths.h"
#include "foundation/uMsgLog.h"
#include "library/uDBMainBase.h"
#include "library/uStoreCheck.h"
#include "support/PlainSqlite.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"
#include "support/TestText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <functional>
#include <gtest/gtest.h>

namespace {

QStringList DataFiles(const QString& dir) {
    QStringList files = QDir(dir).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    return files;
}

// A station brought up with its library store, released at the end.
class StoreTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;

    void SetUp() override {
        InitMainBase();
        ASSERT_TRUE(MainBase);
    }
    void TearDown() override { DoneMainBase(); }

    TDBMainBase& Base() { return *MainBase; }
    QString DataDir() const { return Station.Path(QStringLiteral("Data")); }

    int AddArtist(const QString& name) {
        return static_cast<int>(
            Base().ArtistsTable().Append({{QStringLiteral("Art_Name"), name},
                                          {QStringLiteral("Alias1"), -1},
                                          {QStringLiteral("Alias2"), -1},
                                          {QStringLiteral("Art_FreqGroup"), -1}}));
    }
    int AddSong(int artistId, const QString& title) {
        return static_cast<int>(Base().BaseSongsTable().Append(
            {{QStringLiteral("Title"), title}, {QStringLiteral("Art_Id"), artistId}}));
    }
    qint64 AddStats(TDBTable& table, int id) {
        return table.Append(
            {{QStringLiteral("StatsId"), id}, {QStringLiteral("StatsVal"), QByteArray(4, '\1')}});
    }
    // The rows of a table other than the -1 row.
    int Rows(TDBTable& table) {
        return table.RecordCount() - (table.Locate(table.KeyField(), {-1}) ? 1 : 0);
    }
};

// --- The store's tables

struct TTableLayout {
    TTableId Id;
    const char* Fields;
};

TEST_F(StoreTest, ANewStationGetsTheElevenTablesAndTheTemplate) {
    const TTableLayout layouts[] = {
        {tiAlbums, "Album_Id,Album_Title,Album_Year,Album_Art_Id"},
        {tiArtists, "Art_Id,Art_Name,Alias1,Alias2,Art_FreqGroup"},
        {tiLabels, "Label_Id,LValue,Expired,NextLabelId"},
        {tiBaseSongs, "Song_Id,Title,Art_Id,Album_Id,Character_Id,Label1_Id,Label2_Id,Song_Time,"
                      "SYear,Song_Info,Category,Time_Rest,Time_Rest2,Time_Rest3,Freq_Rest,"
                      "Art_Alias1,Art_Alias2"},
        {tiDataSongs,
         "SongData_Id,Compress,Frequ,Mode,Quality,Path,FileName,Code,OwnerId,CreateDate"},
        {tiDatSongs, "SongDat_Id,Intro,Outro,FadeIn,FadeOut,Mix,NStart,NEnd"},
        {tiChars, "Character_Id,Type,Tempo,Atmosphere,Language,Vocal,TempoIn,TempoOut"},
        {tiZSongs, "ZSong_Id,Composer,TextAuthor,Producer,Publisher,Year2"},
        {tiStats, "StatsId,SId,StatsVal,BeginTime,EndTime,BeginId,EndId"},
        {tiAStats, "StatsId,SId,StatsVal,BeginTime,EndTime,BeginId,EndId"},
    };
    for (const TTableLayout& layout : layouts) {
        TDBTable& table = Base().Table(layout.Id);
        EXPECT_EQ(S(table.FieldNames().join(QLatin1Char(','))), layout.Fields) << S(table.Name());
        const bool hasNoneRow =
            layout.Id == tiAlbums || layout.Id == tiArtists || layout.Id == tiLabels;
        EXPECT_EQ(table.RecordCount(), hasNoneRow ? 1 : 0) << S(table.Name());
        EXPECT_EQ(table.Locate(table.KeyField(), {-1}).has_value(), hasNoneRow);
    }
    EXPECT_TRUE(Base().UsersTable().Active());
    EXPECT_TRUE(QFileInfo::exists(Station.Path(QStringLiteral("Data/library.db"))));
    EXPECT_TRUE(QFileInfo::exists(Station.Path(QStringLiteral("Data/Empty/library.db"))));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

// The names the code reads and writes rows by are those of the store's columns, in order.
TEST_F(StoreTest, TheColumnNamesOfTheCodeAreThoseOfTheStore) {
    using namespace Col;
    const QStringList stats = {StatsId, SId, StatsVal, BeginTime, EndTime, BeginId, EndId};
    const struct {
        TTableId Id;
        QStringList Columns;
    } tables[] = {
        {tiAlbums, {Album_Id, Album_Title, Album_Year, Album_Art_Id}},
        {tiArtists, {Art_Id, Art_Name, Alias1, Alias2, Art_FreqGroup}},
        {tiLabels, {Label_Id, LValue, Expired, NextLabelId}},
        {tiBaseSongs,
         {Song_Id, Title, Art_Id, Album_Id, Character_Id, Label1_Id, Label2_Id, Song_Time, SYear,
          Song_Info, Category, Time_Rest, Time_Rest2, Time_Rest3, Freq_Rest, Art_Alias1,
          Art_Alias2}},
        {tiDataSongs,
         {SongData_Id, Compress, Frequ, Mode, Quality, Path, FileName, Code, OwnerId, CreateDate}},
        {tiDatSongs, {SongDat_Id, Intro, Outro, FadeIn, FadeOut, Mix, NStart, NEnd}},
        {tiChars, {Character_Id, Type, Tempo, Atmosphere, Language, Vocal, TempoIn, TempoOut}},
        {tiZSongs, {ZSong_Id, Composer, TextAuthor, Producer, Publisher, Year2}},
        {tiUsers, {User_Id, User_Name}},
        {tiStats, stats},
        {tiAStats, stats},
    };
    for (const auto& table : tables)
        EXPECT_EQ(Base().Table(table.Id).FieldNames(), table.Columns) << S(TableDef(table.Id).Name);
}

TEST_F(StoreTest, KeysAreAssignedFromOneAndNeverReused) {
    const int first = AddArtist(QStringLiteral("A"));
    const int second = AddArtist(QStringLiteral("B"));
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    ASSERT_TRUE(Base().ArtistsTable().Delete(second));
    EXPECT_EQ(AddArtist(QStringLiteral("C")), 3);
    // Keys carried by a song's side rows are the song's own.
    EXPECT_EQ(Base().DatSongsTable().Append({{QStringLiteral("SongDat_Id"), 77}}), 77);
}

TEST_F(StoreTest, RowsAreAppendedUpdatedAndDeleted) {
    TDBTable& songs = Base().BaseSongsTable();
    const int artist = AddArtist(QStringLiteral("Kult"));
    const int song = AddSong(artist, QStringLiteral("Arahja"));
    ASSERT_TRUE(songs.Update(song, {{QStringLiteral("Song_Time"), 215000},
                                    {QStringLiteral("Category"), QStringLiteral("3")},
                                    {QStringLiteral("Song_Info"), QVariant()}}));
    const std::optional<TDBRecord> row = Base().LocateSong(song);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->RowId(), song);
    EXPECT_EQ(row->AsInteger(QStringLiteral("Song_Id")), song);
    EXPECT_EQ(row->AsInteger(QStringLiteral("song_time")), 215000);
    EXPECT_EQ(S(row->AsString(QStringLiteral("Category"))), "3");
    EXPECT_TRUE(row->IsNull(QStringLiteral("Song_Info")));
    EXPECT_EQ(S(row->AsString(QStringLiteral("Title"))), "Arahja");

    EXPECT_FALSE(songs.Update(9999, {{QStringLiteral("Title"), QStringLiteral("x")}}));
    EXPECT_TRUE(songs.Delete(song));
    EXPECT_FALSE(songs.Delete(song));
    EXPECT_FALSE(Base().LocateSong(song));
}

TEST_F(StoreTest, NamingAFieldTheTableLacksIsAnError) {
    TDBTable& songs = Base().BaseSongsTable();
    EXPECT_THROW(songs.Append({{QStringLiteral("Titel"), QStringLiteral("x")}}), SQLite::Exception);
    EXPECT_THROW(songs.Update(1, {{QStringLiteral("Titel"), QStringLiteral("x")}}),
                 SQLite::Exception);
    EXPECT_THROW(songs.Locate(QStringLiteral("Titel"), {QStringLiteral("x")}), SQLite::Exception);
    EXPECT_THROW(songs.Locate(QStringLiteral("Art_Id;Title"), {1}), SQLite::Exception);
    const std::optional<TDBRecord> none = Base().LocateArtistStats(-5);
    EXPECT_FALSE(none);
    EXPECT_EQ(songs.RecordCount(), 0);
}

// --- Locating

struct TLocateCase {
    const char* What;
    TTableId Table;
    QString Fields;
    QVariantList Values;
    TLocateMatch Match;
    const char* Found; // the found row's title or name; nullptr: nothing
};

TEST_F(StoreTest, LocateMatchesExactlyOrWithoutRegardToCase) {
    const int lukasz = AddArtist(QStringLiteral("Łukasz"));
    const int other = AddArtist(QStringLiteral("Zenon"));
    AddSong(lukasz, QStringLiteral("Łąka"));
    AddSong(other, QStringLiteral("ŁĄKA"));
    AddSong(lukasz, QStringLiteral("Żółw"));
    Base().LabelsTable().Append({{QStringLiteral("LValue"), QStringLiteral("Rock")}});
    Base().LabelsTable().Append({{QStringLiteral("LValue"), QStringLiteral("ROCK")}});
    Base().AlbumsTable().Append({{QStringLiteral("Album_Title"), QStringLiteral("Bez roku")}});

    const QString name = QStringLiteral("Art_Name");
    const QString byArtistAndTitle = QStringLiteral("Art_Id;Title");
    const TLocateCase cases[] = {
        {"exact name", tiArtists, name, {QStringLiteral("Łukasz")}, lmExact, "Łukasz"},
        {"other case, exact", tiArtists, name, {QStringLiteral("łukasz")}, lmExact, nullptr},
        {"other case, case-insensitive",
         tiArtists,
         name,
         {QStringLiteral("łukasz")},
         lmCaseInsensitive,
         "Łukasz"},
        {"upper case, case-insensitive",
         tiArtists,
         name,
         {QStringLiteral("ŁUKASZ")},
         lmCaseInsensitive,
         "Łukasz"},
        {"L is not Ł", tiArtists, name, {QStringLiteral("Lukasz")}, lmCaseInsensitive, nullptr},
        {"two fields",
         tiBaseSongs,
         byArtistAndTitle,
         {lukasz, QStringLiteral("łąka")},
         lmCaseInsensitive,
         "Łąka"},
        {"two fields, the other artist",
         tiBaseSongs,
         byArtistAndTitle,
         {other, QStringLiteral("łąka")},
         lmCaseInsensitive,
         "ŁĄKA"},
        {"two fields, exact",
         tiBaseSongs,
         byArtistAndTitle,
         {lukasz, QStringLiteral("ŁĄKA")},
         lmExact,
         nullptr},
        {"two fields, one of them wrong",
         tiBaseSongs,
         byArtistAndTitle,
         {other, QStringLiteral("Żółw")},
         lmCaseInsensitive,
         nullptr},
        {"spaces around the field names",
         tiBaseSongs,
         QStringLiteral(" Art_Id ; Title "),
         {lukasz, QStringLiteral("Żółw")},
         lmExact,
         "Żółw"},
        {"several matches: the first row",
         tiLabels,
         QStringLiteral("LValue"),
         {QStringLiteral("rock")},
         lmCaseInsensitive,
         "Rock"},
        {"a number is always exact",
         tiArtists,
         QStringLiteral("Art_Id"),
         {other},
         lmCaseInsensitive,
         "Zenon"},
        {"null matches null",
         tiAlbums,
         QStringLiteral("Album_Year"),
         {QVariant()},
         lmExact,
         "Bez roku"},
        {"text that looks like SQL is only text",
         tiArtists,
         name,
         {QStringLiteral("x' OR '1'='1")},
         lmCaseInsensitive,
         nullptr},
    };
    for (const TLocateCase& c : cases) {
        const std::optional<TDBRecord> row =
            Base().Table(c.Table).Locate(c.Fields, c.Values, c.Match);
        ASSERT_EQ(row.has_value(), c.Found != nullptr) << c.What;
        if (!row)
            continue;
        const QString shown =
            row->HasField(QStringLiteral("Title"))      ? row->AsString(QStringLiteral("Title"))
            : row->HasField(QStringLiteral("Art_Name")) ? row->AsString(QStringLiteral("Art_Name"))
            : row->HasField(QStringLiteral("LValue"))
                ? row->AsString(QStringLiteral("LValue"))
                : row->AsString(QStringLiteral("Album_Title"));
        EXPECT_EQ(S(shown), c.Found) << c.What;
    }
}

// A name is found through its index whichever way it is written, and of several rows equal
// to it the first comes back, as without the index.
TEST_F(StoreTest, ACaseInsensitiveLocateFindsTheFirstRowOfAnyWriting) {
    const int upper = AddArtist(QStringLiteral("ZESPÓŁ ĆMA"));
    AddArtist(QStringLiteral("Zespół Ćma"));
    const int other = AddArtist(QStringLiteral("Zespół Ćmy"));
    const auto find = [this](const QString& name) {
        const std::optional<TDBRecord> row =
            Base().ArtistsTable().Locate(QStringLiteral("Art_Name"), {name}, lmCaseInsensitive);
        return row ? static_cast<int>(row->RowId()) : -1;
    };
    EXPECT_EQ(find(QStringLiteral("zespół ćma")), upper);
    EXPECT_EQ(find(QStringLiteral("ZeSpÓł ĆmY")), other);
    EXPECT_EQ(find(QStringLiteral("Zespol Cma")), -1);

    // Texts the index cannot tell apart are found all the same: a long s (equal to s) written
    // now, and an overlong "a" another tool wrote.
    const int longS = AddArtist(QStringLiteral("\u017Ftan"));
    EXPECT_EQ(find(QStringLiteral("STAN")), longS);
    Base().Connection().exec("INSERT INTO Labels (LValue) VALUES (CAST(x'c1a16c61' AS TEXT))");
    const qint64 overlong = Base().Connection().getLastInsertRowid();
    const std::optional<TDBRecord> label = Base().LabelsTable().Locate(
        QStringLiteral("LValue"), {QStringLiteral("ALA")}, lmCaseInsensitive);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->RowId(), overlong);
}

using TLocateById = std::optional<TDBRecord> (TDBMainBase::*)(int);

struct TLocateFamilyCase {
    const char* What;
    TLocateById Locate;
    TTableId Table;
    const char* IdField;
};

TEST_F(StoreTest, EachLocateFindsItsRowById) {
    const TLocateFamilyCase cases[] = {
        {"LocateSong", &TDBMainBase::LocateSong, tiBaseSongs, "Song_Id"},
        {"LocateChars", &TDBMainBase::LocateChars, tiChars, "Character_Id"},
        {"LocateDataSong", &TDBMainBase::LocateDataSong, tiDataSongs, "SongData_Id"},
        {"LocateDatSong", &TDBMainBase::LocateDatSong, tiDatSongs, "SongDat_Id"},
        {"LocateZSong", &TDBMainBase::LocateZSong, tiZSongs, "ZSong_Id"},
        {"LocateSongStats", &TDBMainBase::LocateSongStats, tiStats, "StatsId"},
        {"LocateArtistStats", &TDBMainBase::LocateArtistStats, tiAStats, "StatsId"},
    };
    for (const TLocateFamilyCase& c : cases) {
        TDBTable& table = Base().Table(c.Table);
        table.Append({{QString::fromLatin1(c.IdField), 41}});
        table.Append({{QString::fromLatin1(c.IdField), 42}});
        const std::optional<TDBRecord> found = (Base().*c.Locate)(42);
        ASSERT_TRUE(found) << c.What;
        EXPECT_EQ(found->AsInteger(QString::fromLatin1(c.IdField)), 42) << c.What;
        EXPECT_FALSE((Base().*c.Locate)(43)) << c.What;
    }
}

TEST_F(StoreTest, LocatingAndDeletingWalksThroughEveryStatisticsRowOfAnId) {
    struct TWalk {
        TDBTable& Table;
        TLocateById Locate;
    };
    for (const TWalk& walk : {TWalk{Base().StatsTable(), &TDBMainBase::LocateSongStats},
                              TWalk{Base().AStatsTable(), &TDBMainBase::LocateArtistStats}}) {
        for (int id : {5, 6, 5, 5, 7})
            AddStats(walk.Table, id);
        int deleted = 0;
        while (const std::optional<TDBRecord> row = (Base().*walk.Locate)(5)) {
            ASSERT_TRUE(walk.Table.Delete(row->RowId()));
            ASSERT_LT(++deleted, 10);
        }
        EXPECT_EQ(deleted, 3) << S(walk.Table.Name());
        EXPECT_EQ(walk.Table.RecordCount(), 2);
        EXPECT_TRUE((Base().*walk.Locate)(6));
        EXPECT_TRUE((Base().*walk.Locate)(7));
    }
}

// --- Units of work

TEST_F(StoreTest, AUnitOfWorkIsKeptOnlyWhenCommitted) {
    {
        TStoreTransaction unit(Base());
        AddArtist(QStringLiteral("kept"));
        unit.Commit();
    }
    {
        TStoreTransaction unit(Base());
        AddArtist(QStringLiteral("undone"));
    }
    try {
        TStoreTransaction unit(Base());
        AddArtist(QStringLiteral("undone by an error"));
        Base().ArtistsTable().Append({{QStringLiteral("Nope"), 1}});
        unit.Commit();
    } catch (const SQLite::Exception&) {
    }
    {
        TStoreTransaction outer(Base());
        AddArtist(QStringLiteral("outer"));
        {
            TStoreTransaction inner(Base());
            AddArtist(QStringLiteral("inner, undone"));
        }
        {
            TStoreTransaction inner(Base());
            AddArtist(QStringLiteral("inner, kept"));
            inner.Commit();
        }
        outer.Commit();
    }
    QStringList names;
    TMainBaseQuery query;
    query.SetSQL(QStringLiteral("SELECT Art_Name FROM Artists WHERE Art_Id <> -1 ORDER BY Art_Id"));
    for (query.Open(); !query.Eof(); query.Next())
        names.append(query.AsString(QStringLiteral("Art_Name")));
    EXPECT_EQ(S(names.join(QLatin1Char('|'))), "kept|outer|inner, kept");
}

TEST_F(StoreTest, ClosingTheTablesCommitsAUnitStillOpen) {
    {
        TStoreTransaction unit(Base());
        AddArtist(QStringLiteral("pending"));
        Base().CloseTables();
        EXPECT_FALSE(Base().Connected());
    } // leaving the unit afterwards touches nothing
    EXPECT_TRUE(
        Base().ArtistsTable().Locate(QStringLiteral("Art_Name"), {QStringLiteral("pending")}));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(StoreTest, AFailedCommitOnClosingIsShownAndNothingIsSaved) {
    // A deferred constraint makes the commit itself fail.
    SQLite::Database& db = Base().Connection();
    db.exec("PRAGMA foreign_keys = ON");
    db.exec("CREATE TABLE Parent (Id INTEGER PRIMARY KEY)");
    db.exec("CREATE TABLE Child (ParentId INTEGER REFERENCES Parent (Id) "
            "DEFERRABLE INITIALLY DEFERRED)");
    {
        TStoreTransaction unit(Base());
        AddArtist(QStringLiteral("lost"));
        db.exec("INSERT INTO Child VALUES (5)");
        Base().CloseTables();
    }
    EXPECT_EQ(Prompt.Errors(), QStringList{QStringLiteral("Nie można zapisać bazy danych.")});
    EXPECT_FALSE(Base().Connected());
    EXPECT_FALSE(
        Base().ArtistsTable().Locate(QStringLiteral("Art_Name"), {QStringLiteral("lost")}));
}

TEST_F(StoreTest, ClosedTablesAndQueriesReopenOnNextUse) {
    AddArtist(QStringLiteral("A"));
    TMainBaseQuery query;
    query.SetSQL(QStringLiteral("SELECT Art_Name FROM Artists WHERE Art_Id = 1"));
    query.Open();
    ASSERT_FALSE(query.Eof());

    Base().CloseTables();
    EXPECT_FALSE(query.Active());
    EXPECT_FALSE(Base().StatsTable().FieldNames().isEmpty());
    EXPECT_TRUE(Base().Connected());
    query.Open();
    EXPECT_EQ(S(query.AsString(QStringLiteral("Art_Name"))), "A");
}

// --- Clearing

class ClearTest : public StoreTest {
protected:
    void Fill() {
        const int artist = AddArtist(QStringLiteral("Budka Suflera"));
        AddSong(artist, QStringLiteral("Jolka"));
        AddStats(Base().StatsTable(), 1);
        AddStats(Base().AStatsTable(), artist);
        Base().CloseTables();
        ASSERT_TRUE(WriteFileBytes(Station.Path(QStringLiteral("Data/backup.bak")), "old"));
        QDir().mkpath(Station.Path(QStringLiteral("Data/keep")));
        ASSERT_TRUE(WriteFileBytes(Station.Path(QStringLiteral("Data/keep/x.txt")), "x"));
    }
};

TEST_F(ClearTest, LeavesExactlyTheTemplateInTheDataDirectory) {
    Fill();
    const QByteArray templateBytes = ReadFileBytes(Base().TemplatePath());
    ASSERT_TRUE(Base().ClearDatabase());
    EXPECT_EQ(S(DataFiles(DataDir()).join(QLatin1Char(','))), "library.db");
    EXPECT_EQ(ReadFileBytes(Base().DatabasePath()), templateBytes);
    EXPECT_EQ(ReadFileBytes(Base().TemplatePath()), templateBytes);
    EXPECT_TRUE(QFileInfo::exists(Station.Path(QStringLiteral("Data/keep/x.txt"))));
    EXPECT_EQ(
        S(QDir(DataDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).join(QLatin1Char(','))),
        "Empty,keep");
    for (TTableId id : {tiAlbums, tiArtists, tiLabels, tiBaseSongs, tiStats, tiAStats})
        EXPECT_EQ(Rows(Base().Table(id)), 0) << S(TableDef(id).Name);
    EXPECT_TRUE(Base().ArtistsTable().Locate(QStringLiteral("Art_Id"), {-1}));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(ClearTest, ReplacesADamagedDatabase) {
    Base().CloseTables();
    ASSERT_TRUE(WriteFileBytes(Base().DatabasePath(), QByteArray(4096, 'x')));
    ASSERT_TRUE(Base().ClearDatabase());
    EXPECT_EQ(Rows(Base().ArtistsTable()), 0);
}

struct TBrokenTemplateCase {
    const char* What;
    bool KeepTemplateDir;
    const char* Error; // nullptr: nothing shown
};

TEST_F(ClearTest, WithoutAUsableTemplateNothingChanges) {
    const TBrokenTemplateCase cases[] = {
        {"no template directory", false, nullptr},
        {"a template directory without the database", true, "Brak pliku \"%1\"."},
    };
    for (const TBrokenTemplateCase& c : cases) {
        Fill();
        const QString templatePath = Base().TemplatePath();
        QDir(Base().TemplateDir()).removeRecursively();
        if (c.KeepTemplateDir)
            QDir().mkpath(Base().TemplateDir());
        const QByteArray before = ReadFileBytes(Base().DatabasePath());
        Prompt.Clear();

        EXPECT_FALSE(Base().ClearDatabase()) << c.What;
        EXPECT_EQ(ReadFileBytes(Base().DatabasePath()), before) << c.What;
        EXPECT_TRUE(QFileInfo::exists(Station.Path(QStringLiteral("Data/backup.bak"))));
        EXPECT_EQ(Rows(Base().ArtistsTable()), 1) << c.What;
        const QStringList expected = c.Error ? QStringList{QString::fromUtf8(c.Error).arg(
                                                   QDir::toNativeSeparators(templatePath))}
                                             : QStringList{};
        EXPECT_EQ(Prompt.Errors(), expected) << c.What;

        // Put the template back for the next case.
        Base().CloseTables();
        CreateStoreFile(templatePath);
        ASSERT_TRUE(Base().ClearDatabase());
    }
}

// --- Resetting the statistics

TEST_F(StoreTest, ResetEmptiesOnlyTheStatistics) {
    const int artist = AddArtist(QStringLiteral("Lady Pank"));
    AddSong(artist, QStringLiteral("Mniej niż zero"));
    AddStats(Base().StatsTable(), 1);
    AddStats(Base().StatsTable(), 1);
    AddStats(Base().AStatsTable(), artist);
    Base().CloseTables();

    ASSERT_TRUE(Base().ResetStats());
    EXPECT_EQ(Base().StatsTable().RecordCount(), 0);
    EXPECT_EQ(Base().AStatsTable().RecordCount(), 0);
    EXPECT_TRUE(Base().StatsTable().HasField(QStringLiteral("SId")));
    EXPECT_TRUE(Base().AStatsTable().HasField(QStringLiteral("SId")));
    EXPECT_EQ(Rows(Base().ArtistsTable()), 1);
    EXPECT_EQ(Rows(Base().BaseSongsTable()), 1);
    EXPECT_TRUE(Base().LocateSong(1));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(StoreTest, ResetWithoutTheTemplateDirectoryChangesNothing) {
    AddStats(Base().StatsTable(), 1);
    QDir(Base().TemplateDir()).removeRecursively();
    EXPECT_FALSE(Base().ResetStats());
    EXPECT_EQ(Base().StatsTable().RecordCount(), 1);
}

// --- Files that are not a usable database

// A small library of several pages, nothing free among them.
void WriteSmallLibrary(const QString& path) {
    CreateStoreFile(path);
    SQLite::Database db(S(path), SQLite::OPEN_READWRITE);
    SetUpConnection(db);
    SQLite::Statement insert(db, "INSERT INTO Artists (Art_Name) VALUES (?)");
    for (int i = 0; i < 400; ++i) {
        insert.bind(1, S(QStringLiteral("Wykonawca numer %1 z długą nazwą").arg(i)));
        insert.exec();
        insert.reset();
    }
}

struct TBadFileCase {
    const char* What;
    std::function<void(const QString& dataDir)> Spoil;
    const char* ErrorStart;
    // The reason given in the program's words; nullptr: the engine's.
    const QString* Reason = nullptr;
    // The file named, under the data directory.
    const char* Faulty = "library.db";
};

TEST(StoreFiles, AnUnusableDatabaseFileIsAClearErrorAndIsLeftAlone) {
    const auto library = [](const QString& dir) { return dir + QStringLiteral("/library.db"); };
    const TBadFileCase cases[] = {
        {"not a database",
         [&](const QString& dir) {
             QDir().mkpath(dir);
             WriteFileBytes(library(dir),
                            QByteArray("Not a database at all, but long enough to look like a "
                                       "header of one. ")
                                .repeated(20));
         },
         "Błąd podczas ładowania pliku \"", &kStoreNotDatabase},
        {"a directory where the file belongs",
         [&](const QString& dir) { QDir().mkpath(library(dir)); },
         "Błąd podczas ładowania pliku \""},
        {"a file where the data directory belongs",
         [](const QString& dir) { WriteFileBytes(dir, "x"); }, "Błąd podczas zapisywania pliku \""},
        {"an empty file",
         [&](const QString& dir) {
             QDir().mkpath(dir);
             WriteFileBytes(library(dir), QByteArray());
         },
         "Błąd podczas ładowania pliku \"", &kStoreFileEmpty},
        {"a damaged page",
         [&](const QString& dir) {
             WriteSmallLibrary(library(dir));
             ASSERT_TRUE(DamageMiddlePage(library(dir)));
         },
         "Błąd podczas ładowania pliku \"", &kStoreDamaged},
        {"a table missing",
         [&](const QString& dir) {
             CreateStoreFile(library(dir));
             SQLite::Database(S(library(dir)), SQLite::OPEN_READWRITE).exec("DROP TABLE users");
         },
         "Błąd podczas ładowania pliku \"", &kStoreTableMissing},
        {"a library to be copied from a damaged template",
         [](const QString& dir) {
             QDir().mkpath(dir + QStringLiteral("/Empty"));
             WriteFileBytes(dir + QStringLiteral("/Empty/library.db"), QByteArray(3000, 'e'));
         },
         "Błąd podczas ładowania pliku \"", &kStoreNotDatabase, "Empty/library.db"},
    };
    for (const TBadFileCase& c : cases) {
        TTempStation station;
        TRecordingPrompt prompt;
        const QString dataDir = station.Path(QStringLiteral("Data"));
        c.Spoil(dataDir);
        const QByteArray before = ReadFileBytes(library(dataDir));
        const bool existed = QFileInfo::exists(library(dataDir));
        try {
            InitMainBase();
            ADD_FAILURE() << c.What << ": the store opened";
        } catch (const SQLite::Exception& e) {
            const QString text = QString::fromUtf8(e.what());
            EXPECT_TRUE(text.startsWith(QString::fromUtf8(c.ErrorStart))) << S(text);
            EXPECT_TRUE(text.contains(
                QDir::toNativeSeparators(dataDir + QLatin1Char('/') + QLatin1String(c.Faulty))))
                << S(text);
            if (c.Reason) {
                const QString reason = c.Reason->section(QLatin1Char('%'), 0, 0);
                EXPECT_TRUE(text.contains(QStringLiteral("(") + reason)) << S(text);
                EXPECT_TRUE(text.endsWith(kStoreLeftAlone + QStringLiteral(")"))) << S(text);
            }
        }
        EXPECT_FALSE(MainBase) << c.What;
        EXPECT_EQ(ReadFileBytes(library(dataDir)), before) << c.What;
        EXPECT_EQ(QFileInfo::exists(library(dataDir)), existed) << c.What;
        DoneMainBase();
    }
}

TEST(StoreFiles, ADamagedLibraryStaysAsItIsOnEveryStart) {
    TTempStation station;
    TRecordingPrompt prompt;
    const QString path = station.Path(QStringLiteral("Data/library.db"));
    WriteSmallLibrary(path);
    ASSERT_TRUE(DamageMiddlePage(path));
    const QByteArray damaged = ReadFileBytes(path);
    for (int start = 0; start < 2; ++start) {
        EXPECT_THROW(InitMainBase(), SQLite::Exception);
        EXPECT_EQ(ReadFileBytes(path), damaged);
    }
    // A missing library, by contrast, is made anew from the template.
    ASSERT_TRUE(QFile::remove(path));
    InitMainBase();
    EXPECT_TRUE(MainBase->ArtistsTable().Locate(QStringLiteral("Art_Id"), {-1}));
    DoneMainBase();
}

TEST(StoreFiles, AMissingDatabaseIsCopiedFromTheTemplate) {
    TTempStation station;
    InitMainBase();
    MainBase->ArtistsTable().Append({{QStringLiteral("Art_Name"), QStringLiteral("x")}});
    const QString database = MainBase->DatabasePath();
    DoneMainBase();
    ASSERT_TRUE(QFile::remove(database));
    InitMainBase();
    EXPECT_EQ(MainBase->ArtistsTable().RecordCount(), 1);
    DoneMainBase();
}

TEST(StoreFiles, AStoreDamagedWhileClosedFailsOnNextUse) {
    TTempStation station;
    TRecordingPrompt prompt;
    InitMainBase();
    MainBase->CloseTables();
    ASSERT_TRUE(WriteFileBytes(MainBase->DatabasePath(), QByteArray(2048, 'z')));
    EXPECT_THROW(MainBase->ArtistsTable(), SQLite::Exception);
    EXPECT_FALSE(MainBase->ResetStats());
    EXPECT_TRUE(prompt.Boxes.isEmpty()); // level 1: logged, not shown
    DoneMainBase();
}

// --- Plan files deleted by extension

TEST(StoreFiles, DeleteFilesByExtDeletesOnlyThatExtension) {
    TTempStation station;
    QDir().mkpath(station.Path(QStringLiteral("Plan/Historia")));
    for (const char* name : {"20240101.plh", "20240102.PLH", "20240103.plp", "notes.txt"})
        WriteFileBytes(station.Path(QStringLiteral("Plan/Historia/")) + QLatin1String(name), "x");
    DeleteFilesByExt(QStringLiteral("Plan/Historia"), QStringLiteral("plh"));
    EXPECT_EQ(S(DataFiles(station.Path(QStringLiteral("Plan/Historia"))).join(QLatin1Char(','))),
              "20240103.plp,notes.txt");
    DeleteFilesByExt(QStringLiteral("Brak"), QStringLiteral("plh")); // a missing directory
}

} // namespace
