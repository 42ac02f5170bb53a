#include "DayPlanFixture.h"
#include "foundation/uAppPaths.h"
#include "foundation/uDateTime.h"
#include "library/uSongStore.h"
#include "library/uStatsCache.h"

#include <QDir>
#include <stdexcept>

namespace {

using PlanFileTest = DayPlanFixture;

TEST_F(PlanFileTest, LinesHoldEveryAttributeInOrder) {
    TResultSongData song;
    song.SongId = 12;
    song.OwnHour = true;
    song.Hour = Ms(6, 0);
    song.SetSongTime(180500);
    song.DbTime = 200000;
    song.CategoryName = QStringLiteral("Przeboje");
    song.ArtistName = QStringLiteral("Stanisław");
    song.Title = QStringLiteral("Łąka");
    song.Category = QStringLiteral("4");
    song.Mixed = 3000;
    song.CatId = 5; // never written
    TResultSongData blank;
    blank.Blank = true;
    blank.Hour = Ms(6, 3, 0, 500);
    blank.SetSongTime(60000);
    blank.DbTime = 60000;
    blank.CategoryName = QStringLiteral("Reklama o");
    blank.Title = QStringLiteral("Blok 6:03");
    blank.Category = QStringLiteral("7");
    TResultSongData withFile = song;
    withFile.HasPlayFile = true;
    withFile.Path = QStringLiteral("C:\\Muzyka\\");
    withFile.FileName = QStringLiteral("łąka.mp3");

    const QStringList expected = {
        QStringLiteral("<CurrentRoot>"),
        QStringLiteral("  <Item songId=\"12\" ownHour=\"1\" hour=\"21600000\" time=\"180500\" "
                       "dbtime=\"200000\" categoryName=\"Przeboje\" blank=\"0\" "
                       "artist=\"Stanisław\" title=\"Łąka\" sCat=\"4\" mixed=\"3000\"/>"),
        QStringLiteral("  <Item songId=\"-1\" ownHour=\"0\" hour=\"21780500\" time=\"60000\" "
                       "dbtime=\"60000\" categoryName=\"Reklama o\" blank=\"1\" artist=\"\" "
                       "title=\"Blok 6:03\" sCat=\"7\" mixed=\"-1\"/>"),
        QStringLiteral("  <Item songId=\"12\" playFile=\"C:\\Muzyka\\łąka.mp3\" ownHour=\"1\" "
                       "hour=\"21600000\" time=\"180500\" dbtime=\"200000\" "
                       "categoryName=\"Przeboje\" blank=\"0\" artist=\"Stanisław\" "
                       "title=\"Łąka\" sCat=\"4\" mixed=\"3000\"/>"),
        QStringLiteral("</CurrentRoot>"),
    };
    EXPECT_EQ(S(PlanFileLines({&song, &blank, &withFile}).join(QLatin1Char('\n'))),
              S(expected.join(QLatin1Char('\n'))));
    EXPECT_EQ(S(PlanFileLines({}).join(QLatin1Char('|'))), "<CurrentRoot>|</CurrentRoot>");
}

TEST_F(PlanFileTest, SongIsReadFromTheLibraryAndTheFileGivesItsPlace) {
    const QString path = WritePlan({
        QStringLiteral("songId=\"%1\" ownHour=\"1\" hour=\"3600000\" time=\"150000\" "
                       "dbtime=\"190000\" categoryName=\"Przeboje\" blank=\"0\" artist=\"stary\" "
                       "title=\"stary\" sCat=\"9\" mixed=\"2500\" catId=\"5\"")
            .arg(Island),
    });
    bool result = false;
    const auto positions = ReadAll(path, true, false, &result);
    EXPECT_TRUE(result);
    ASSERT_EQ(positions.size(), 1u);
    const TResultSongData& song = *positions[0];
    EXPECT_EQ(song.SongId, Island);
    EXPECT_EQ(song.ArtistId, FirstArtist);
    // The library's texts win over the file's.
    EXPECT_EQ(S(song.ArtistName), "Maryla");
    EXPECT_EQ(S(song.Title), "Wyspa");
    EXPECT_EQ(S(song.Category), "4");
    EXPECT_EQ(S(song.FullFileName()), "/muzyka/plik.mp3");
    EXPECT_FALSE(song.HasPlayFile);
    EXPECT_EQ(song.Hour, 3600000);
    EXPECT_TRUE(song.OwnHour);
    EXPECT_EQ(song.SongTime, 150000);
    EXPECT_EQ(song.PlayTime, 150000);
    EXPECT_EQ(song.DbTime, 190000);
    EXPECT_EQ(S(song.CategoryName), "Przeboje");
    EXPECT_FALSE(song.Blank);
    EXPECT_EQ(song.Mixed, 2500);
    EXPECT_EQ(song.CatId, 5);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

struct TAttributeCase {
    const char* What;
    const char* Attributes; // of a blank item
    int SongId;
    bool Blank;
    int SongTime;
    int DbTime;
    int Mixed;
    bool OwnHour;
    int CatId;
    const char* Category;
};

TEST_F(PlanFileTest, MissingOrMalformedAttributesTakeTheirDefaults) {
    const TAttributeCase cases[] = {
        {"dbtime -1 is the position's time", "songId=\"-1\" time=\"5000\" dbtime=\"-1\"", -1, true,
         5000, 5000, -1, false, -1, ""},
        {"no dbtime is the position's time", "songId=\"-1\" time=\"5000\"", -1, true, 5000, 5000,
         -1, false, -1, ""},
        {"a dbtime of its own", "songId=\"-1\" time=\"5000\" dbtime=\"7000\"", -1, true, 5000, 7000,
         -1, false, -1, ""},
        {"nothing but the tag", "", -1, true, 0, 0, -1, false, -1, ""},
        {"malformed numbers", "songId=\"x1\" time=\"1.5\" mixed=\"\" catId=\"abc\"", -1, true, 0, 0,
         -1, false, -1, ""},
        {"boolean words", "ownHour=\"TRUE\" blank=\"false\" sCat=\"12\"", -1, false, 0, 0, -1, true,
         -1, "12"},
        {"an unknown attribute", "songId=\"-1\" kolor=\"zielony\" catId=\"9901\" mixed=\"0\"", -1,
         true, 0, 0, 0, false, 9901, ""},
    };
    for (const TAttributeCase& c : cases) {
        const auto positions = ReadAll(WritePlan({QString::fromUtf8(c.Attributes)}), false, false);
        ASSERT_EQ(positions.size(), 1u) << c.What;
        const TResultSongData& p = *positions[0];
        EXPECT_EQ(p.SongId, c.SongId) << c.What;
        EXPECT_EQ(p.Blank, c.Blank) << c.What;
        EXPECT_EQ(p.SongTime, c.SongTime) << c.What;
        EXPECT_EQ(p.PlayTime, c.SongTime) << c.What;
        EXPECT_EQ(p.DbTime, c.DbTime) << c.What;
        EXPECT_EQ(p.Mixed, c.Mixed) << c.What;
        EXPECT_EQ(p.OwnHour, c.OwnHour) << c.What;
        EXPECT_EQ(p.CatId, c.CatId) << c.What;
        EXPECT_EQ(S(p.Category), c.Category) << c.What;
        EXPECT_EQ(p.Hour, 0) << c.What;
    }
}

TEST_F(PlanFileTest, BlankKeepsItsCategoryAndTextsFromTheFile) {
    TResultSongData blank;
    blank.Blank = true;
    blank.Title = QStringLiteral("Blok \"A\" <B> & 'C'");
    blank.CategoryName = QStringLiteral("Reklama <o>");
    blank.Category = QStringLiteral("7");
    blank.SetSongTime(60000);
    blank.DbTime = 60000;
    const QString path = Station.Path(QStringLiteral("dzien.plp"));
    ASSERT_TRUE(WriteTextLines(path, PlanFileLines({&blank})));

    const QString item = FileLines(path).value(1);
    EXPECT_TRUE(
        item.contains(QStringLiteral("title=\"Blok &quot;A&quot; &lt;B&gt; &amp; &apos;C&apos;\"")))
        << S(item);
    EXPECT_TRUE(item.contains(QStringLiteral("categoryName=\"Reklama &lt;o&gt;\""))) << S(item);
    const auto positions = ReadAll(path, true, false);
    ASSERT_EQ(positions.size(), 1u);
    EXPECT_EQ(S(positions[0]->Title), S(blank.Title));
    EXPECT_EQ(S(positions[0]->CategoryName), S(blank.CategoryName));
    EXPECT_EQ(S(positions[0]->Category), "7");
    EXPECT_EQ(S(positions[0]->ArtistName), "");
    EXPECT_TRUE(positions[0]->Blank);
    EXPECT_EQ(positions[0]->SongId, -1);
}

TEST_F(PlanFileTest, PlayFileNamesTheAudioFile) {
    struct TCase {
        const char* PlayFile;
        bool HasPlayFile;
        const char* Path;
        const char* FileName;
    };
    const TCase cases[] = {
        {"C:\\Muzyka\\utwór.mp3", true, "C:\\Muzyka\\", "utwór.mp3"},
        // A name written without an extension loses its closing dot.
        {"C:\\Muzyka\\utwór.", true, "C:\\Muzyka\\", "utwór"},
        {"/audio/rock &amp; roll/a.mp3", true, "/audio/rock & roll/", "a.mp3"},
        {"", false, "/muzyka/", "plik.mp3"},
    };
    for (const TCase& c : cases) {
        const auto positions = ReadAll(WritePlan({QStringLiteral("songId=\"%1\" playFile=\"%2\"")
                                                      .arg(Island)
                                                      .arg(QString::fromUtf8(c.PlayFile))}),
                                       false, false);
        ASSERT_EQ(positions.size(), 1u) << c.PlayFile;
        EXPECT_EQ(positions[0]->HasPlayFile, c.HasPlayFile) << c.PlayFile;
        EXPECT_EQ(S(positions[0]->Path), c.Path) << c.PlayFile;
        EXPECT_EQ(S(positions[0]->FileName), c.FileName) << c.PlayFile;
    }

    // Written back as it was read.
    TResultSongData song;
    song.HasPlayFile = true;
    song.SetFullFileName(QStringLiteral("/audio/rock & roll/a.mp3"));
    EXPECT_TRUE(PlanFileLines({&song}).value(1).contains(
        QStringLiteral("playFile=\"/audio/rock &amp; roll/a.mp3\"")));
}

TEST_F(PlanFileTest, AFileThatIsNoWholePlanThrowsBeforeAnyPosition) {
    const struct {
        const char* What;
        QByteArray Bytes;
        const char* Reason;
    } cases[] = {
        {"empty file", QByteArray(), "plik jest pusty"},
        {"another root", "<PalyList>\r\n  <Item songId=\"-1\"/>\r\n</PalyList>\r\n",
         "brak elementu \"CurrentRoot\""},
        {"items without a root", "<Item songId=\"-1\"/>\r\n", "brak elementu \"CurrentRoot\""},
        {"not markup at all", "songId=-1\r\n", "brak elementu \"CurrentRoot\""},
        {"cut off after a position",
         "<CurrentRoot>\r\n  <Item songId=\"-1\" blank=\"1\"/>\r\n  <Item songId=\"-1\" bl",
         "plik jest niekompletny"},
        {"binary", QByteArray("<CurrentRoot>\0\x01</CurrentRoot>", 29),
         "plik nie jest plikiem tekstowym"},
    };
    for (const auto& c : cases) {
        const QString path = Station.Path(QStringLiteral("zly.plp"));
        ASSERT_TRUE(WriteFileBytes(path, c.Bytes));
        int handed = 0;
        try {
            ReadPlanFile(path, false, false, [&](std::unique_ptr<TResultSongData>) { ++handed; });
            ADD_FAILURE() << c.What << ": read without an error";
        } catch (const TPlanFileError& error) {
            EXPECT_EQ(S(error.Message), c.Reason) << c.What;
        }
        EXPECT_EQ(handed, 0) << c.What;
    }
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(PlanFileTest, EmptyRootReadsAsTrueWithNoPositions) {
    bool result = false;
    EXPECT_TRUE(ReadAll(WritePlan({}), true, false, &result).empty());
    EXPECT_TRUE(result);
}

TEST_F(PlanFileTest, ItemsNestedByAnUnclosedTagAreStillRead) {
    const QString path = Station.Path(QStringLiteral("reczny.plp"));
    ASSERT_TRUE(WriteFileBytes(path, "<CurrentRoot>\r\n"
                                     "  <Item songId=\"-1\" title=\"a\">\r\n"
                                     "  <Item songId=\"-1\" title=\"b\"/>\r\n"
                                     "</CurrentRoot>\r\n"));
    const auto positions = ReadAll(path, true, false);
    ASSERT_EQ(positions.size(), 2u);
    EXPECT_EQ(S(positions[0]->Title), "a");
    EXPECT_EQ(S(positions[1]->Title), "b");
}

TEST_F(PlanFileTest, MissingFileOrNoReceiverReadsNothing) {
    bool result = true;
    EXPECT_TRUE(ReadAll(Station.Path(QStringLiteral("brak.plp")), true, false, &result).empty());
    EXPECT_FALSE(result);
    EXPECT_FALSE(ReadPlanFile(WritePlan({QStringLiteral("songId=\"-1\"")}), true, false, {}));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(PlanFileTest, UnreadableFileThrows) {
    const QString path = Station.Path(QStringLiteral("katalog.plp"));
    BlockWithDirectory(path);
    EXPECT_THROW(ReadAll(path, true, false), TPlanFileError);
}

// --- A song deleted from the library since the file was written

struct TDeletedCase {
    const char* What;
    bool Ask;
    bool Light;
    bool Answer; // to the question, when one is asked
    int Questions;
    bool Kept;
};

TEST_F(PlanFileTest, DeletedSongIsDroppedOrAskedAbout) {
    const TDeletedCase cases[] = {
        {"asked, Yes drops it", true, false, true, 1, false},
        {"asked, No keeps it", true, false, false, 1, true},
        {"not asked, dropped silently", false, false, true, 0, false},
        {"light, kept without asking", true, true, true, 0, true},
    };
    const QString path = WritePlan({
        QStringLiteral("songId=\"%1\" hour=\"1000\" time=\"90000\" artist=\"Stary &amp; Nowy\" "
                       "title=\"Zapomniany\" sCat=\"3\" categoryName=\"Przeboje\"")
            .arg(Island),
        QStringLiteral("songId=\"%1\" hour=\"91000\"").arg(Meadow),
    });
    ASSERT_TRUE(DeleteSong(Island));
    for (const TDeletedCase& c : cases) {
        Prompt.Clear();
        Prompt.DefaultAnswer = c.Answer;
        bool result = false;
        const auto positions = ReadAll(path, c.Ask, c.Light, &result);
        EXPECT_TRUE(result) << c.What;
        ASSERT_EQ(positions.size(), c.Kept ? 2u : 1u) << c.What;
        EXPECT_EQ(positions.back()->SongId, Meadow) << c.What;
        EXPECT_EQ(positions.back()->ArtistId, SecondArtist) << c.What;
        ASSERT_EQ(Prompt.Boxes.size(), c.Questions) << c.What;
        if (c.Questions > 0) {
            EXPECT_EQ(Prompt.Boxes[0].Kind, TBoxKind::bkError) << c.What;
            EXPECT_TRUE(Prompt.Boxes[0].Question) << c.What;
            EXPECT_EQ(S(Prompt.Boxes[0].Text), "Utwór Stary & Nowy - Zapomniany został skasowany "
                                               "z bazy danych. Czy usunąć go z play listy?")
                << c.What;
        }
        if (!c.Kept)
            continue;
        const TResultSongData& kept = *positions.front();
        EXPECT_EQ(kept.Hour, 1000) << c.What;
        EXPECT_EQ(kept.ArtistId, -1) << c.What;
        if (c.Light) {
            // Light reading never looks the song up, so its id stays.
            EXPECT_EQ(kept.SongId, Island) << c.What;
            continue;
        }
        EXPECT_EQ(kept.SongId, -1) << c.What;
        EXPECT_FALSE(kept.Blank) << c.What;
        EXPECT_EQ(S(kept.ArtistName), "Stary & Nowy") << c.What;
        EXPECT_EQ(S(kept.Title), "Zapomniany") << c.What;
        EXPECT_EQ(S(kept.Category), "3") << c.What;
        EXPECT_EQ(kept.SongTime, 90000) << c.What;
    }
}

TEST_F(PlanFileTest, LightReadingTakesOnlyThePlaceAndThePerformer) {
    const QString path = WritePlan({
        QStringLiteral("songId=\"%1\" hour=\"5000\" time=\"90000\" title=\"x\" mixed=\"10\"")
            .arg(Meadow),
        QStringLiteral("songId=\"-1\" hour=\"95000\" title=\"Blok\""),
    });
    const auto positions = ReadAll(path, true, true);
    ASSERT_EQ(positions.size(), 2u);
    EXPECT_EQ(positions[0]->SongId, Meadow);
    EXPECT_EQ(positions[0]->Hour, 5000);
    EXPECT_EQ(positions[0]->ArtistId, SecondArtist);
    EXPECT_EQ(S(positions[0]->Title), "");
    EXPECT_EQ(positions[0]->Mixed, -1);
    EXPECT_EQ(positions[1]->SongId, -1);
    EXPECT_EQ(positions[1]->Hour, 95000);
    EXPECT_EQ(positions[1]->ArtistId, -1);
}

// --- The statistics read pending days through the plan-file reader

TEST_F(PlanFileTest, StatsCacheReadsPendingDaysThroughThePlanFileReader) {
    const QDate day = Day();
    ASSERT_TRUE(QDir().mkpath(AppFilePath(PlanDirName(pkCurrent))));
    const auto pending = [](const QDate& date, int songId, int hour) {
        ASSERT_TRUE(WriteTextLines(
            PlanFilePath(pkCurrent, date),
            {QStringLiteral("<CurrentRoot>"),
             QStringLiteral("  <Item songId=\"%1\" hour=\"%2\"/>").arg(songId).arg(hour),
             QStringLiteral("  <Item songId=\"-1\" hour=\"%1\"/>").arg(hour + 60000),
             QStringLiteral("</CurrentRoot>")}));
    };
    pending(day, Meadow, Ms(8, 30));
    // A day whose file cannot be read is left out; it does not stop the days after it.
    BlockWithDirectory(PlanFilePath(pkCurrent, day.addDays(1)));
    pending(day.addDays(2), Island, Ms(9, 0));

    TPlanFileReader reader;
    TStatsCache cache(*MainBase, &reader);
    ASSERT_NO_THROW(cache.LoadPlans());
    const TPlayTime played = ToPlayTime(DateToDateTime(day)) + Ms(8, 30);
    ASSERT_TRUE(cache.SongItem(Meadow));
    EXPECT_EQ(cache.SongItem(Meadow)->Times(), std::vector<TPlayTime>{played});
    ASSERT_TRUE(cache.ArtistItem(SecondArtist));
    EXPECT_EQ(cache.ArtistItem(SecondArtist)->Times(), std::vector<TPlayTime>{played});
    ASSERT_TRUE(cache.SongItem(Island));
    EXPECT_EQ(cache.SongItem(Island)->Count(), 1);
    EXPECT_FALSE(cache.SongItem(-1));
    EXPECT_FALSE(cache.ArtistItem(-1));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(PlanFileTest, ReaderForTheStatisticsTurnsAReadFailureIntoAStandardError) {
    const QString path = Station.Path(QStringLiteral("katalog.plp"));
    BlockWithDirectory(path);
    TPlanFileReader reader;
    EXPECT_THROW(reader.ReadPlanFile(path, false, true, [](const TPlanItem&) {}),
                 std::runtime_error);
}

} // namespace
