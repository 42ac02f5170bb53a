#include "DayPlanFixture.h"
#include "dayplan/uDayPlayList.h"
#include "foundation/uAppPaths.h"
#include "library/uSongStore.h"

#include <QFileInfo>

namespace {

class DayPlayListTest : public DayPlanFixture {
protected:
    TDayPlayList List;

    // The titles of the rows in play order.
    QString Titles() const {
        QStringList titles;
        for (const TResultSongData* position : List.Positions())
            titles << position->Title;
        return titles.join(QLatin1Char(','));
    }
    static std::unique_ptr<TResultSongData> Titled(const char* title) {
        auto position = std::make_unique<TResultSongData>();
        position->Title = QString::fromUtf8(title);
        return position;
    }
    // A song, a blank and a second song, as a generation run hands them over.
    void Generate() {
        List.AddResultItem({.SongId = Island,
                            .Mix = 4000,
                            .Mixed = true,
                            .CatId = kHitsId,
                            .Category = 4,
                            .OwnHour = true,
                            .Duration = 196000,
                            .Time = 200000});
        List.AddResultItem({.Start = Ms(0, 3, 16),
                            .CatId = AdvertBlankId,
                            .Info = QStringLiteral("Blok"),
                            .Category = 7,
                            .Duration = 60000,
                            .Time = 60000});
        List.AddResultItem({.SongId = Meadow,
                            .Start = Ms(0, 4, 16),
                            .Mix = 2500,
                            .CatId = kHitsId,
                            .Category = 4,
                            .Duration = 150000,
                            .Time = 150000});
    }
};

TEST_F(DayPlayListTest, GeneratedSongIsReadFromTheLibrary) {
    List.AddResultItem({.SongId = Island,
                        .Start = Ms(6, 0),
                        .Mix = 4000,
                        .Mixed = true,
                        .CatId = kHitsId,
                        .Info = QStringLiteral("nieużywane"),
                        .Category = 9,
                        .OwnHour = true,
                        .Duration = 176000,
                        .Time = 180000});
    ASSERT_EQ(List.Count(), 1);
    const TResultSongData& song = List.Position(0);
    EXPECT_EQ(song.SongId, Island);
    EXPECT_EQ(song.ArtistId, FirstArtist);
    EXPECT_EQ(S(song.ArtistName), "Maryla");
    EXPECT_EQ(S(song.Title), "Wyspa");
    EXPECT_EQ(S(song.Category), "4"); // the library's, not the slot's
    EXPECT_EQ(S(song.FullFileName()), "/muzyka/plik.mp3");
    EXPECT_EQ(song.DbTime, 200000);
    EXPECT_EQ(song.SongTime, 180000);
    EXPECT_EQ(song.PlayTime, 176000);
    EXPECT_EQ(song.Hour, Ms(6, 0));
    EXPECT_TRUE(song.OwnHour);
    EXPECT_EQ(song.CatId, kHitsId);
    EXPECT_EQ(S(song.CategoryName), "Przeboje");
    EXPECT_EQ(song.Mixed, 4000);
    EXPECT_FALSE(song.Blank);
    EXPECT_GT(Prompt.EventsProcessed, 0);
}

TEST_F(DayPlayListTest, GeneratedItemsBecomePositions) {
    struct TCase {
        const char* What;
        int SongId;
        int Mix;
        bool Mixed;
        int CatId;
        int Time;
        int ExpectedMixed;
        int ExpectedTime;
        const char* CategoryName;
    };
    const TCase cases[] = {
        {"a song not mixed", Meadow, 2500, false, kHitsId, 150000, 0, 150000, "Przeboje"},
        {"a song with a negative time", Meadow, 0, true, kHitsId, -5, 0, 0, "Przeboje"},
        {"a song of an unknown slot", Meadow, 1000, true, 4444, 1000, 1000, 1000, ""},
        {"a blank keeps its mix unknown", -1, 1000, true, AdvertBlankId, 60000, -1, 60000,
         "Reklama o"},
    };
    for (const TCase& c : cases) {
        List.ClearView();
        List.AddResultItem({.SongId = c.SongId,
                            .Start = 1000,
                            .Mix = c.Mix,
                            .Mixed = c.Mixed,
                            .CatId = c.CatId,
                            .Info = QStringLiteral("Blok"),
                            .Category = 7,
                            .Duration = 55000,
                            .Time = c.Time});
        ASSERT_EQ(List.Count(), 1) << c.What;
        const TResultSongData& p = List.Position(0);
        EXPECT_EQ(p.Mixed, c.ExpectedMixed) << c.What;
        EXPECT_EQ(p.SongTime, c.ExpectedTime) << c.What;
        EXPECT_EQ(p.PlayTime, 55000) << c.What;
        EXPECT_EQ(p.CatId, c.CatId) << c.What;
        EXPECT_EQ(S(p.CategoryName), c.CategoryName) << c.What;
        EXPECT_EQ(p.Hour, 1000) << c.What;
    }
}

TEST_F(DayPlayListTest, GeneratedBlankTakesItsTextAndCategory) {
    List.AddResultItem({.Start = Ms(12, 0),
                        .CatId = AdvertBlankId,
                        .Info = QStringLiteral("Blok południowy"),
                        .Category = 7,
                        .OwnHour = true,
                        .Duration = 58000,
                        .Time = 60000});
    ASSERT_EQ(List.Count(), 1);
    const TResultSongData& blank = List.Position(0);
    EXPECT_TRUE(blank.Blank);
    EXPECT_EQ(blank.SongId, -1);
    EXPECT_EQ(S(blank.Title), "Blok południowy");
    EXPECT_EQ(S(blank.ArtistName), "");
    EXPECT_EQ(S(blank.Category), "7");
    EXPECT_EQ(blank.SongTime, 60000);
    EXPECT_EQ(blank.DbTime, 60000);
    EXPECT_EQ(blank.PlayTime, 58000);
    EXPECT_TRUE(blank.OwnHour);
    EXPECT_EQ(S(blank.CategoryName), "Reklama o");
}

TEST_F(DayPlayListTest, GeneratedSongNoLongerInTheLibraryIsDropped) {
    ASSERT_TRUE(DeleteSong(Island));
    Generate();
    EXPECT_EQ(S(Titles()), "Blok,Łąka");
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(DayPlayListTest, SavedAndLoadedListComesBackWithoutItsSlotIds) {
    Generate();
    const std::vector<const TResultSongData*> before = List.Positions();
    const QString path = Station.Path(QStringLiteral("dzien.plp"));
    ASSERT_TRUE(List.SavePlanFile(path));

    TDayPlayList loaded;
    ASSERT_TRUE(loaded.LoadPlanFile(path));
    EXPECT_EQ(S(loaded.PendingPath), S(path));
    ASSERT_EQ(loaded.Count(), 3);
    for (int row = 0; row < 3; ++row) {
        const TResultSongData& was = *before[static_cast<size_t>(row)];
        const TResultSongData& is = loaded.Position(row);
        EXPECT_EQ(is.SongId, was.SongId) << row;
        EXPECT_EQ(is.ArtistId, was.ArtistId) << row;
        EXPECT_EQ(S(is.ArtistName), S(was.ArtistName)) << row;
        EXPECT_EQ(S(is.Title), S(was.Title)) << row;
        EXPECT_EQ(S(is.Category), S(was.Category)) << row;
        EXPECT_EQ(S(is.CategoryName), S(was.CategoryName)) << row;
        EXPECT_EQ(is.Blank, was.Blank) << row;
        EXPECT_EQ(is.Hour, was.Hour) << row;
        EXPECT_EQ(is.OwnHour, was.OwnHour) << row;
        EXPECT_EQ(is.SongTime, was.SongTime) << row;
        EXPECT_EQ(is.DbTime, was.DbTime) << row;
        EXPECT_EQ(is.Mixed, was.Mixed) << row;
        EXPECT_EQ(S(is.FullFileName()), S(was.FullFileName())) << row;
        // Neither the slot nor the time to the next position is in the file.
        EXPECT_EQ(is.CatId, -1) << row;
        EXPECT_EQ(is.PlayTime, is.SongTime) << row;
    }
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(DayPlayListTest, FileIsWindows1250WithCrLf) {
    List.AddResultItem(
        {.Info = QStringLiteral("Łąka"), .Category = 7, .Duration = 1000, .Time = 1000});
    const QString path = Station.Path(QStringLiteral("dzien.plp"));
    ASSERT_TRUE(List.SavePlanFile(path));
    EXPECT_EQ(ReadFileBytes(path).toStdString(),
              "<CurrentRoot>\r\n"
              "  <Item songId=\"-1\" ownHour=\"0\" hour=\"0\" time=\"1000\" dbtime=\"1000\" "
              "categoryName=\"\" blank=\"1\" artist=\"\" title=\"\xA3\xB9ka\" sCat=\"7\" "
              "mixed=\"-1\"/>\r\n"
              "</CurrentRoot>\r\n");
}

TEST_F(DayPlayListTest, RowsAreSavedInPlayOrder) {
    List.Append(Titled("a"));
    List.Append(Titled("b"));
    List.Append(Titled("c"));
    EXPECT_TRUE(List.MoveRow(2, 0));
    EXPECT_EQ(S(Titles()), "c,a,b");
    EXPECT_TRUE(List.MoveRow(0, 2));
    EXPECT_EQ(S(Titles()), "a,b,c");
    EXPECT_TRUE(List.RemoveRow(1));
    EXPECT_EQ(S(Titles()), "a,c");
    List.InsertRow(1, Titled("d"));
    List.InsertRow(99, Titled("e"));
    List.InsertRow(-3, Titled("f"));
    EXPECT_EQ(S(Titles()), "f,a,d,c,e");

    const QString path = Station.Path(QStringLiteral("dzien.plp"));
    ASSERT_TRUE(List.SavePlanFile(path));
    TDayPlayList loaded;
    ASSERT_TRUE(loaded.LoadPlanFile(path));
    QStringList titles;
    for (const TResultSongData* position : loaded.Positions())
        titles << position->Title;
    EXPECT_EQ(S(titles.join(QLatin1Char(','))), "f,a,d,c,e");
}

TEST_F(DayPlayListTest, RowEditsOutOfRangeChangeNothing) {
    List.Append(Titled("a"));
    List.Append(Titled("b"));
    const struct {
        int From;
        int To;
    } moves[] = {{-1, 0}, {0, 2}, {2, 0}, {0, -1}};
    for (const auto& m : moves)
        EXPECT_FALSE(List.MoveRow(m.From, m.To)) << m.From << "->" << m.To;
    EXPECT_FALSE(List.RemoveRow(2));
    EXPECT_FALSE(List.RemoveRow(-1));
    List.InsertRow(0, nullptr);
    EXPECT_EQ(S(Titles()), "a,b");
}

TEST_F(DayPlayListTest, LoadingReplacesTheListAndRemembersThePath) {
    const QString path = WritePlan({QStringLiteral("title=\"z pliku\"")});
    List.Append(Titled("stary"));
    List.PendingPath = QStringLiteral("inny.plp");
    ASSERT_TRUE(List.LoadPlanFile(path));
    EXPECT_EQ(S(Titles()), "z pliku");
    EXPECT_EQ(S(List.PendingPath), S(path));

    const QString missing = Station.Path(QStringLiteral("brak.plp"));
    EXPECT_FALSE(List.LoadPlanFile(missing));
    EXPECT_TRUE(List.IsEmpty());
    EXPECT_EQ(S(List.PendingPath), S(missing));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());

    List.Append(Titled("a"));
    List.ClearView();
    EXPECT_TRUE(List.IsEmpty());
    EXPECT_TRUE(List.PendingPath.isEmpty());
}

TEST_F(DayPlayListTest, LoadingAsksAboutSongsDeletedFromTheLibrary) {
    const QString path = WritePlan({
        QStringLiteral("songId=\"%1\" artist=\"Maryla\" title=\"Wyspa\"").arg(Island),
        QStringLiteral("songId=\"%1\"").arg(Meadow),
    });
    ASSERT_TRUE(DeleteSong(Island));
    Prompt.QueueAnswers({false});
    ASSERT_TRUE(List.LoadPlanFile(path));
    ASSERT_EQ(Prompt.Boxes.size(), 1);
    EXPECT_TRUE(Prompt.Boxes[0].Question);
    EXPECT_EQ(S(Prompt.Errors().join(QLatin1Char('|'))),
              "Utwór Maryla - Wyspa został skasowany z bazy danych. Czy usunąć go z play listy?");
    EXPECT_EQ(S(Titles()), "Wyspa,Łąka");
    EXPECT_EQ(List.Position(0).SongId, -1);
}

TEST_F(DayPlayListTest, AFileThatIsNoWholePlanIsReportedAndLoadsNothing) {
    const QString path = Station.Path(QStringLiteral("zly.plp"));
    const struct {
        const char* What;
        QByteArray Bytes;
        const char* Reason;
    } cases[] = {
        {"another root", "<PalyList>\r\n  <Item hour=\"00:00:00.000\"/>\r\n</PalyList>\r\n",
         "brak elementu \"CurrentRoot\""},
        {"cut off", "<CurrentRoot>\r\n  <Item songId=\"-1\" blank=\"1\"/>\r\n  <Item so",
         "plik jest niekompletny"},
    };
    for (const auto& c : cases) {
        Prompt.Clear();
        ASSERT_TRUE(WriteFileBytes(path, c.Bytes));
        EXPECT_FALSE(List.LoadPlanFile(path)) << c.What;
        EXPECT_TRUE(List.IsEmpty()) << c.What;
        EXPECT_FALSE(List.ReadWhole()) << c.What;
        EXPECT_EQ(
            S(Prompt.Errors().join(QLatin1Char('|'))),
            S(QStringLiteral("Błąd odczytu pliku %1. (%2)").arg(path, QString::fromUtf8(c.Reason))))
            << c.What;
        List.ClearView();
        EXPECT_TRUE(List.ReadWhole()) << "an emptied list belongs to no file";
    }
}

TEST_F(DayPlayListTest, UnreadableFileIsReported) {
    const QString path = Station.Path(QStringLiteral("katalog.plp"));
    BlockWithDirectory(path);
    EXPECT_FALSE(List.LoadPlanFile(path));
    ASSERT_EQ(Prompt.Errors().size(), 1);
    const QString error = Prompt.Errors()[0];
    const QString start = QStringLiteral("Błąd odczytu pliku %1. (").arg(path);
    EXPECT_TRUE(error.startsWith(start) && error.endsWith(QLatin1Char(')')) &&
                error.size() > start.size() + 1)
        << S(error);
}

TEST_F(DayPlayListTest, WriteFailureIsReportedAndGivesFalse) {
    const QString path = Station.Path(QStringLiteral("katalog.plp"));
    BlockWithDirectory(path);
    Generate();
    EXPECT_FALSE(List.SavePlanFile(path));
    ASSERT_EQ(Prompt.Errors().size(), 1);
    const QString error = Prompt.Errors()[0];
    const QString start = QStringLiteral("Błąd zapisu pliku %1. (").arg(path);
    EXPECT_TRUE(error.startsWith(start) && error.endsWith(QLatin1Char(')')) &&
                error.size() > start.size() + 1)
        << S(error);
    EXPECT_TRUE(QFileInfo(path).isDir());
    // Nothing half-written is left beside it.
    EXPECT_EQ(QDir(Station.Dir()).entryList({QStringLiteral("katalog*")}, QDir::AllEntries),
              QStringList{QStringLiteral("katalog.plp")});
    EXPECT_EQ(List.Count(), 3);
}

TEST_F(DayPlayListTest, ListWithoutAPathReportsAWriteError) {
    Generate();
    EXPECT_FALSE(List.SavePlanFile(QString()));
    EXPECT_EQ(Prompt.Errors().size(), 1);
}

TEST_F(DayPlayListTest, DayIsSavedToAndLoadedFromItsPendingFileOnANewStation) {
    ASSERT_FALSE(QFileInfo::exists(AppFilePath(kPlanDir)));
    Generate();
    ASSERT_TRUE(List.SavePlanDay(Day()));
    const QString expected = AppFilePath(QStringLiteral("Plan/Biezacy/20240506.plp"));
    EXPECT_TRUE(QFileInfo::exists(expected));

    TDayPlayList loaded;
    EXPECT_TRUE(loaded.LoadPlanDay(Day()));
    EXPECT_EQ(loaded.Count(), 3);
    EXPECT_EQ(S(loaded.PendingPath), S(expected));
    EXPECT_EQ(loaded.ViewDate, Day());

    // A day without a pending file shows an empty list with no path.
    EXPECT_FALSE(loaded.LoadPlanDay(Day().addDays(1)));
    EXPECT_TRUE(loaded.IsEmpty());
    EXPECT_TRUE(loaded.PendingPath.isEmpty());
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

} // namespace
