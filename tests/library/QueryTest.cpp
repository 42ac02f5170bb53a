#include "foundation/uFormat.h"
#include "library/uDBMainBase.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestText.h"

#include <SQLiteCpp/Exception.h>
#include <gtest/gtest.h>

namespace {

// --- Adapting the program's statement texts

struct TAdaptCase {
    const char* What;
    QString Sql;
    QString Expected;
};

TEST(AdaptSql, FitsTheProgramsTextsToSQLite) {
    const TAdaptCase cases[] = {
        {"one order term", QStringLiteral("SELECT a FROM t ORDER BY lArtName"),
         QStringLiteral("SELECT a FROM t ORDER BY lArtName COLLATE PL_CI")},
        {"every order term", QStringLiteral("ORDER BY lArtName, lSongTitle"),
         QStringLiteral("ORDER BY lArtName COLLATE PL_CI, lSongTitle COLLATE PL_CI")},
        {"before the direction", QStringLiteral("order by a desc, b ASC NULLS LAST"),
         QStringLiteral("order by a COLLATE PL_CI desc, b COLLATE PL_CI ASC NULLS LAST")},
        {"a collation already given", QStringLiteral("ORDER BY a COLLATE BINARY, b"),
         QStringLiteral("ORDER BY a COLLATE BINARY, b COLLATE PL_CI")},
        {"a function term", QStringLiteral("ORDER BY LOWER(a), b"),
         QStringLiteral("ORDER BY LOWER(a) COLLATE PL_CI, b COLLATE PL_CI")},
        {"up to LIMIT", QStringLiteral("SELECT * FROM t ORDER BY rowid LIMIT 1"),
         QStringLiteral("SELECT * FROM t ORDER BY rowid COLLATE PL_CI LIMIT 1")},
        {"line breaks kept after the term", QStringLiteral("ORDER BY x \r\n"),
         QStringLiteral("ORDER BY x COLLATE PL_CI \r\n")},
        {"a subquery's order too",
         QStringLiteral("SELECT * FROM (SELECT a FROM t ORDER BY a) ORDER BY b"),
         QStringLiteral(
             "SELECT * FROM (SELECT a FROM t ORDER BY a COLLATE PL_CI) ORDER BY b COLLATE PL_CI")},
        {"no order", QStringLiteral("SELECT a FROM t WHERE b = \"3\""),
         QStringLiteral("SELECT a FROM t WHERE b = \"3\"")},
        {"a table named with its file extension",
         Format(sqlLastStatsRow, {QStringLiteral("Stats.db"), 5}),
         QStringLiteral("SELECT Stats.StatsId, Stats.SId, Stats.EndId FROM Stats WHERE "
                        "Stats.StatsId=5 ORDER BY Stats.SId COLLATE PL_CI")},
        {"quoted, other case", QStringLiteral("SELECT * FROM \"ASTATS.DB\""),
         QStringLiteral("SELECT * FROM \"ASTATS\"")},
        {"literals untouched",
         QStringLiteral("SELECT 'Stats.db', 'ORDER BY x' FROM t WHERE f = 'a, b' ORDER BY f"),
         QStringLiteral(
             "SELECT 'Stats.db', 'ORDER BY x' FROM t WHERE f = 'a, b' ORDER BY f COLLATE PL_CI")},
        {"only the store's tables lose .db", QStringLiteral("SELECT x.db FROM x"),
         QStringLiteral("SELECT x.db FROM x")},
    };
    for (const TAdaptCase& c : cases)
        EXPECT_EQ(S(AdaptSql(c.Sql)), S(c.Expected)) << c.What;
}

// --- Queries on a store

class QueryTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;

    void SetUp() override { InitMainBase(); }
    void TearDown() override { DoneMainBase(); }

    int AddArtist(const QString& name) {
        return static_cast<int>(
            MainBase->ArtistsTable().Append({{QStringLiteral("Art_Name"), name}}));
    }
};

TEST_F(QueryTest, ReadsRowsInOrderAndFieldsByName) {
    AddArtist(QStringLiteral("B"));
    AddArtist(QStringLiteral("A"));
    TMainBaseQuery query;
    query.SetSQL(QStringLiteral("SELECT Art_Id, Art_Name, Art_Id AS again, Alias1 FROM Artists "
                                "WHERE Art_Id > 0 ORDER BY Art_Name"));
    query.Open();
    ASSERT_TRUE(query.Active());
    ASSERT_FALSE(query.Eof());
    EXPECT_EQ(S(query.AsString(QStringLiteral("ART_NAME"))), "A");
    EXPECT_EQ(query.AsInteger(QStringLiteral("again")), 2);
    EXPECT_TRUE(query.IsNull(QStringLiteral("Alias1")));
    EXPECT_EQ(query.AsInteger(QStringLiteral("Alias1")), 0);
    EXPECT_EQ(S(query.AsString(QStringLiteral("Art_Id"))), "2");
    EXPECT_THROW(query.AsString(QStringLiteral("Nope")), SQLite::Exception);
    const TDBRecord row = query.Record();
    query.Next();
    EXPECT_EQ(S(query.AsString(QStringLiteral("Art_Name"))), "B");
    query.Next();
    EXPECT_TRUE(query.Eof());
    query.Next(); // harmless at the end
    EXPECT_TRUE(query.Eof());
    EXPECT_TRUE(query.IsNull(QStringLiteral("Art_Name")));       // nothing to read past the end
    EXPECT_EQ(S(row.AsString(QStringLiteral("Art_Name"))), "A"); // a copy stays
    query.Close();
    EXPECT_FALSE(query.Active());
}

TEST_F(QueryTest, ValuesComeBackAsTheyWereStored) {
    const QByteArray bytes("\x01\x00\x00\x00\xFF\x00", 6);
    const TDateTime time = 45000.75;
    MainBase->StatsTable().Append({{QStringLiteral("StatsId"), 3},
                                   {QStringLiteral("StatsVal"), bytes},
                                   {QStringLiteral("BeginTime"), time},
                                   {QStringLiteral("EndId"), QStringLiteral("7")}});
    TMainBaseQuery query;
    query.SetSQL(QStringLiteral("SELECT * FROM Stats"));
    query.Open();
    EXPECT_EQ(query.AsBlob(QStringLiteral("StatsVal")), bytes);
    EXPECT_EQ(query.AsDateTime(QStringLiteral("BeginTime")), time);
    EXPECT_EQ(query.AsInteger(QStringLiteral("EndId")), 7); // the column keeps numbers
    EXPECT_EQ(query.AsDateTime(QStringLiteral("EndTime")), 0);
    EXPECT_EQ(query.AsBlob(QStringLiteral("EndTime")), QByteArray());
}

TEST_F(QueryTest, ParametersAreBoundNeverPasted) {
    const QString tricky = QStringLiteral("O'Brien \"x\"; DROP TABLE Artists; --");
    AddArtist(tricky);
    AddArtist(QStringLiteral("Kayah"));
    TMainBaseQuery query;
    query.SetSQL(QStringLiteral("SELECT Art_Id FROM Artists WHERE Art_Name = :name COLLATE PL_CI"));
    query.SetParam(QStringLiteral(":name"), tricky);
    query.Open();
    ASSERT_FALSE(query.Eof());
    EXPECT_EQ(query.AsInteger(QStringLiteral("Art_Id")), 1);

    // Reopening with another value reuses the prepared text.
    query.SetParam(QStringLiteral(":name"), QStringLiteral("KAYAH"));
    query.Open();
    ASSERT_FALSE(query.Eof());
    EXPECT_EQ(query.AsInteger(QStringLiteral("Art_Id")), 2);

    TMainBaseQuery positional;
    positional.SetSQL(
        QStringLiteral("SELECT count(*) AS n FROM Artists WHERE Art_Id BETWEEN ? AND ?"));
    positional.SetParam(1, 1);
    positional.SetParam(2, 2);
    positional.Open();
    EXPECT_EQ(positional.AsInteger(QStringLiteral("n")), 2);

    positional.SetParam(3, 0);
    EXPECT_THROW(positional.Open(), SQLite::Exception);
}

TEST_F(QueryTest, ErrorsComeWithTheEnginesText) {
    TMainBaseQuery query;
    query.SetSQL(QStringLiteral("SELECT Nope FROM Artists"));
    try {
        query.Open();
        ADD_FAILURE() << "opened";
    } catch (const SQLite::Exception& e) {
        EXPECT_NE(std::string(e.what()).find("Nope"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(query.Active());
    query.SetSQL(QStringLiteral("SELECT 1 AS one"));
    query.Open();
    EXPECT_EQ(query.AsInteger(QStringLiteral("one")), 1);
}

// A query remembers where its fields are; a new text must make it look again.
TEST_F(QueryTest, FieldsAreFoundAnewForANewText) {
    AddArtist(QStringLiteral("Kayah"));
    TMainBaseQuery query;
    query.SetSQL(QStringLiteral("SELECT Art_Id AS x, Art_Name AS y FROM Artists WHERE Art_Id > 0"));
    query.Open();
    EXPECT_EQ(S(query.AsString(QStringLiteral("y"))), "Kayah");
    EXPECT_EQ(query.AsInteger(QStringLiteral("x")), 1);

    query.SetSQL(QStringLiteral("SELECT Art_Name AS x, Art_Id AS y FROM Artists WHERE Art_Id > 0"));
    query.Open();
    EXPECT_EQ(S(query.AsString(QStringLiteral("x"))), "Kayah");
    EXPECT_EQ(S(query.AsString(QStringLiteral("Y"))), "1");

    query.SetSQL(QStringLiteral("SELECT Art_Name AS z FROM Artists WHERE Art_Id > 0"));
    query.Open();
    EXPECT_THROW(query.AsString(QStringLiteral("x")), SQLite::Exception);
    EXPECT_EQ(S(query.AsString(QStringLiteral("z"))), "Kayah");
    EXPECT_EQ(query.FieldCount(), 1);
    EXPECT_FALSE(query.ValueAt(1).isValid());
}

TEST_F(QueryTest, ExecSqlCountsTheChangedRows) {
    AddArtist(QStringLiteral("a"));
    AddArtist(QStringLiteral("b"));
    TMainBaseQuery query;
    query.SetSQL(QStringLiteral("UPDATE Artists SET Alias1 = -1 WHERE Art_Id > 0"));
    EXPECT_EQ(query.ExecSQL(), 2);
}

TEST_F(QueryTest, AQueryFollowsTheStoreThroughARestart) {
    AddArtist(QStringLiteral("a"));
    TMainBaseQuery query;
    query.SetSQL(QStringLiteral("SELECT count(*) AS n FROM Artists"));
    query.Open();
    EXPECT_EQ(query.AsInteger(QStringLiteral("n")), 2);
    DoneMainBase();
    EXPECT_FALSE(query.Active());
    EXPECT_THROW(query.Open(), SQLite::Exception); // no store
    InitMainBase();
    query.Open();
    EXPECT_EQ(query.AsInteger(QStringLiteral("n")), 2);
}

// --- The library's statement texts, each run on a small library

class LibraryTextsTest : public QueryTest {
protected:
    int Lukasz = 0;
    int Lech = 0;
    int Marek = 0;
    int Sony = 0;
    int Cloud = 0;
    int Meadow = 0; // album, labels none: joined to the -1 rows
    int Winter = 0;
    int Apple = 0;

    void SetUp() override {
        QueryTest::SetUp();
        for (const char* name : {"Żaneta", "Marek", "Lech", "Zenon", "adam", "Ćma", "Celina"})
            AddArtist(QString::fromUtf8(name));
        Lukasz = AddArtist(QStringLiteral("Łukasz"));
        Lech = Id(tiArtists, "Art_Name", "Lech");
        Marek = Id(tiArtists, "Art_Name", "Marek");
        for (const char* label : {"Sony", "śnieg", "EMI", "Zeta"})
            MainBase->LabelsTable().Append({{QStringLiteral("LValue"), QString::fromUtf8(label)}});
        Sony = Id(tiLabels, "LValue", "Sony");
        for (const char* title : {"Ósemka", "Pióro", "Obłok"})
            AddAlbum(Lukasz, QString::fromUtf8(title));
        AddAlbum(Lech, QStringLiteral("Album Lecha"));
        Cloud = Id(tiAlbums, "Album_Title", "Obłok");

        Meadow = AddSong(Lukasz, QStringLiteral("Łąka"), -1, -1, QStringLiteral("3"));
        Winter = AddSong(Lech, QStringLiteral("Zima"), Cloud, Sony, QStringLiteral("1"));
        Apple = AddSong(Lukasz, QStringLiteral("Ala"), Cloud, Sony, QStringLiteral("3"));
        MainBase->DatSongsTable().Append({{QStringLiteral("SongDat_Id"), Meadow}});
    }

    int Id(TTableId table, const char* field, const char* value) {
        const std::optional<TDBRecord> row =
            MainBase->Table(table).Locate(QString::fromLatin1(field), {QString::fromUtf8(value)});
        return row ? static_cast<int>(row->RowId()) : -100;
    }
    void AddAlbum(int artist, const QString& title) {
        MainBase->AlbumsTable().Append({{QStringLiteral("Album_Title"), title},
                                        {QStringLiteral("Album_Year"), 2000},
                                        {QStringLiteral("Album_Art_Id"), artist}});
    }
    int AddSong(int artist, const QString& title, int album, int label, const QString& category) {
        const int id = static_cast<int>(
            MainBase->BaseSongsTable().Append({{QStringLiteral("Title"), title},
                                               {QStringLiteral("Art_Id"), artist},
                                               {QStringLiteral("Album_Id"), album},
                                               {QStringLiteral("Label1_Id"), label},
                                               {QStringLiteral("Label2_Id"), -1},
                                               {QStringLiteral("Category"), category}}));
        MainBase->ZSongsTable().Append(
            {{QStringLiteral("ZSong_Id"), id}, {QStringLiteral("Composer"), QStringLiteral("c")}});
        MainBase->DataSongsTable().Append(
            {{QStringLiteral("SongData_Id"), id}, {QStringLiteral("FileName"), title + ".mp3"}});
        return id;
    }
    void AddStatsRow(TDBTable& table, int id, TDateTime begin, int endId) {
        table.Append({{QStringLiteral("StatsId"), id},
                      {QStringLiteral("StatsVal"), QByteArray(4, '\2')},
                      {QStringLiteral("BeginTime"), begin},
                      {QStringLiteral("EndTime"), begin + 1},
                      {QStringLiteral("BeginId"), 0},
                      {QStringLiteral("EndId"), endId}});
    }

    // One field of every row, joined with "|".
    QString Column(const QString& sql, const QString& field) {
        TMainBaseQuery query;
        query.SetSQL(sql);
        QStringList values;
        for (query.Open(); !query.Eof(); query.Next())
            values.append(query.AsString(field));
        return values.join(QLatin1Char('|'));
    }
};

TEST_F(LibraryTextsTest, ArtistListInPolishOrderWithoutTheNoneRow) {
    EXPECT_EQ(S(Column(sqlArtistList, QStringLiteral("Art_Name"))),
              "adam|Celina|Ćma|Lech|Łukasz|Marek|Zenon|Żaneta");
    EXPECT_EQ(S(Column(sqlArtistList, QStringLiteral("lArtName"))),
              "adam|celina|ćma|lech|łukasz|marek|zenon|żaneta");
}

TEST_F(LibraryTextsTest, LabelListAndAlbumsOfAnArtist) {
    EXPECT_EQ(S(Column(sqlLabelList, QStringLiteral("LValue"))), "EMI|Sony|śnieg|Zeta");
    EXPECT_EQ(S(Column(Format(sqlArtistAlbums, {Lukasz}), QStringLiteral("Album_Title"))),
              "Obłok|Ósemka|Pióro");
    EXPECT_EQ(S(Column(Format(sqlArtistAlbums, {Marek}), QStringLiteral("Album_Title"))), "");
}

TEST_F(LibraryTextsTest, SongsOfAnArtist) {
    QStringList ids =
        Column(Format(sqlArtistSongs, {Lukasz}), QStringLiteral("Song_Id")).split(QLatin1Char('|'));
    ids.sort();
    EXPECT_EQ(ids, QStringList({QString::number(Meadow), QString::number(Apple)}));
    EXPECT_EQ(S(Column(Format(sqlArtistSongs, {Marek}), QStringLiteral("Song_Id"))), "");
}

struct TSongListCase {
    const char* What;
    QString ExtraTable;
    QString Conditions;
    const char* Titles;
};

TEST_F(LibraryTextsTest, SongListJoinsEverySongIncludingThoseWithoutAlbumOrLabels) {
    const TSongListCase cases[] = {
        {"all songs", QString(), QString(), "Zima|Ala|Łąka"},
        {"one category", QString(),
         Format(QStringLiteral("AND (BaseSongs.Category = \"%d\") \r\n"), {3}), "Ala|Łąka"},
        {"a filter over cue times", QStringLiteral(", DatSongs"),
         Format(QStringLiteral("AND BaseSongs.Category = \"%s\" AND BaseSongs.Song_Id = "
                               "DatSongs.SongDat_Id AND  (BaseSongs.Character_Id IS NULL) \r\n "),
                {QStringLiteral("3")}),
         "Łąka"},
        {"the extra table with a category", QStringLiteral(", DatSongs"),
         Format(QStringLiteral("AND (BaseSongs.Category = \"%d\") \r\n"), {1}), "Zima"},
    };
    for (const TSongListCase& c : cases)
        EXPECT_EQ(
            S(Column(Format(sqlSongList, {c.ExtraTable, c.Conditions}), QStringLiteral("Title"))),
            c.Titles)
            << c.What;

    TMainBaseQuery query;
    query.SetSQL(Format(sqlSongList, {QString(), QString()}));
    for (query.Open(); !query.Eof(); query.Next())
        if (query.AsInteger(QStringLiteral("Song_Id")) == Meadow)
            break;
    ASSERT_FALSE(query.Eof());
    EXPECT_EQ(S(query.AsString(QStringLiteral("Art_Name"))), "Łukasz");
    EXPECT_EQ(S(query.AsString(QStringLiteral("LabValue1"))), "");
    EXPECT_EQ(S(query.AsString(QStringLiteral("LabValue2"))), "");
    EXPECT_EQ(query.AsInteger(QStringLiteral("Album_Id")), -1);
    EXPECT_EQ(S(query.AsString(QStringLiteral("FileName"))), "Łąka.mp3");
    EXPECT_EQ(S(query.AsString(QStringLiteral("lSongTitle"))), "łąka");
}

TEST_F(LibraryTextsTest, StatisticsRowsOfAnIdByTimeAndTheLastRowByKey) {
    AddStatsRow(MainBase->StatsTable(), Meadow, 300, 5);
    AddStatsRow(MainBase->StatsTable(), Winter, 100, 1);
    AddStatsRow(MainBase->StatsTable(), Meadow, 100, 239);
    AddStatsRow(MainBase->StatsTable(), Meadow, 200, 17);
    AddStatsRow(MainBase->AStatsTable(), Lukasz, 50, 3);
    AddStatsRow(MainBase->AStatsTable(), Lukasz, 20, 4);

    EXPECT_EQ(S(Column(Format(sqlSongStatsRows, {Meadow}), QStringLiteral("BeginTime"))),
              "100|200|300");
    EXPECT_EQ(S(Column(Format(sqlSongStatsRows, {Meadow}), QStringLiteral("EndId"))), "239|17|5");
    EXPECT_EQ(S(Column(Format(sqlArtistStatsRows, {Lukasz}), QStringLiteral("EndId"))), "4|3");

    // The last row of an id is the one with the highest key.
    EXPECT_EQ(S(Column(Format(sqlLastStatsRow, {QStringLiteral("Stats.db"), Meadow}),
                       QStringLiteral("EndId"))),
              "5|239|17");
    EXPECT_EQ(S(Column(Format(sqlLastStatsRow, {QStringLiteral("AStats.db"), Lukasz}),
                       QStringLiteral("SId"))),
              "1|2");
    EXPECT_EQ(S(Column(Format(sqlLastStatsRow, {QStringLiteral("Stats.db"), Apple}),
                       QStringLiteral("EndId"))),
              "");
}

} // namespace
