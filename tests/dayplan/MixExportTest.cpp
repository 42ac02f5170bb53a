#include "dayplan/PlanExportFixture.h"
#include "dayplan/uMixBlock.h"
#include "dayplan/uPlanExport.h"
#include "settings/uSettings.h"

#include <QFile>
#include <gtest/gtest.h>

using TReply = TRecordingPrompt::TOptionReply;

namespace {

constexpr TReply Yes{TOptionAnswer::oaYes, false};
constexpr TReply No{TOptionAnswer::oaNo, false};
constexpr TReply Abort{TOptionAnswer::oaAbort, false};
constexpr TReply YesDontAsk{TOptionAnswer::oaYes, true};
constexpr TReply NoDontAsk{TOptionAnswer::oaNo, true};

// The small day below with its third position faded out where the fourth starts.
const char* const FadedDayMix = R"(Wersja 2.0

;Pozycje:
POZYCJI=5
; -----------------------------------
EMI=06:00:00.000
Typ=REK
Trw=01:00.000
NwK=01:00.000
FOu=01:00.000
Tyt=Reklama o
Ide=--------
KONIEC OPISU
; -----------------------------------
EMI=06:01:00.000
Typ=MUZ
Trw=03:23.500
NwK=03:23.000
FOu=03:20.000
Out=03:15.000
Mix=00:03.500
Int=00:12.000
NwP=00:00.500
FIn=00:00.000
Tyt=Żółta łódź
Wyk=Kasia Łęcka
Kom=Jan Nowak
Wyd=Polskie Nagrania
Pta=Jesień
Rok=1999
Adr=D:\Muzyka\0001234.mp2
Ide=0001234
KONIEC OPISU
; -----------------------------------
EMI=06:04:20.000
Typ=MUZ
Trw=04:00.000
NwK=03:03.000
FOu=03:00.000
Mix=00:03.000
Out=03:00.000
Int=00:08.000
NwP=00:00.000
FIn=00:01.000
Tyt=Długa piosenka
Wyk=Zespół
Adr=D:\Muzyka\0005678.mp2
Ide=0005678
KONIEC OPISU
; -----------------------------------
EMI=06:07:20.000
Typ=INF
Trw=03:00.000
Mix=00:00:000
NwK=03:00.000
FOu=03:00.000
Tyt=Serwis informacyjny
Ide=--------
KONIEC OPISU
; -----------------------------------
EMI=06:10:20.000
Typ=PRZ
Trw=02:30.000
NwK=02:30.000
FOu=02:28.000
Out=02:20.000
Mix=00:00.000
Int=00:00.000
NwP=00:00.000
FIn=00:00.000
Tyt=Ostatnia
Wyk=Wykonawca
Adr=
Ide=
KONIEC OPISU
)";

// The same song keeping its own end and overlapping the next position.
const char* const ShortenedSongFaded = R"(Trw=04:00.000
NwK=03:03.000
FOu=03:00.000
Mix=00:03.000
Out=03:00.000
)";
const char* const ShortenedSongKept = R"(Trw=04:00.000
NwK=03:59.000
FOu=03:56.000
Out=03:50.000
Mix=00:03.000
)";

const char* const ShortenedQuestion =
    "Pozycja \"Zespół - Długa piosenka\" została skrócona o 57 sekund. Czy wyciszyć tę pozycję?";

} // namespace

class TMixExportTest : public TPlanExportTest {
protected:
    // An advertisement, a whole song mixed into the next, a music song the next one cuts
    // short, a news blank and the day's last song (without a file).
    void AddSmallDay() {
        AddBlank(At(6, 0), "3", "Reklama o", "\"Reklama o\"", 60000);

        TResultSongData& whole =
            AddSong(At(6, 1), "1", "Kasia Łęcka", "Żółta łódź", 200000, 203500, 3500);
        whole.Intro = 12000;
        whole.NStart = 500;
        whole.NEnd = 203000;
        whole.FadeOut = 200000;
        whole.Outro = 195000;
        whole.Mix = 200000;
        whole.Composer = QStringLiteral("Jan Nowak");
        whole.Publisher = QStringLiteral("Polskie Nagrania");
        whole.AlbumTitle = QStringLiteral("Jesień");
        whole.Year2 = 1999;
        whole.Path = QStringLiteral("D:\\Muzyka\\");
        whole.SetFileName(QStringLiteral("0001234.mp2"));

        TResultSongData& cut =
            AddSong(At(6, 4, 20), "1", "Zespół", "Długa piosenka", 180000, 240000, 3000);
        cut.FadeIn = 1000;
        cut.Intro = 8000;
        cut.NEnd = 239000;
        cut.FadeOut = 236000;
        cut.Outro = 230000;
        cut.Mix = 237000;
        cut.Path = QStringLiteral("D:\\Muzyka\\");
        cut.SetFileName(QStringLiteral("0005678.mp2"));

        AddBlank(At(6, 7, 20), "12", "Informacje", "\"Serwis informacyjny\"", 180000);

        TResultSongData& last =
            AddSong(At(6, 10, 20), "2", "Wykonawca", "Ostatnia", 150000, 150000);
        last.NEnd = 150000;
        last.FadeOut = 148000;
        last.Outro = 140000;
        last.PlayTime = 151000;
    }

    bool Export(const TFocusRow& focusRow = {}) {
        return ExportMix(Positions(), OutPath(), focusRow);
    }
};

TEST_F(TMixExportTest, SmallDayWithTheShortenedSongFaded) {
    AddSmallDay();
    Prompt.QueueOptionReplies({Yes});
    std::vector<int> focused;
    ASSERT_TRUE(Export([&](int row) { focused.push_back(row); }));

    EXPECT_EQ(ReadFileBytes(OutPath()), FileBytes(FadedDayMix));
    ASSERT_EQ(Prompt.OptionQuestions.size(), 1);
    const TRecordingPrompt::TOptionQuestion& question = Prompt.OptionQuestions.first();
    EXPECT_EQ(question.Title, QStringLiteral("Opcja"));
    EXPECT_EQ(question.Text, QString::fromUtf8(ShortenedQuestion));
    EXPECT_EQ(question.CheckCaption, QStringLiteral("Nie pokazuj tego okna"));
    EXPECT_FALSE(question.CheckedBefore);
    EXPECT_EQ(focused, std::vector<int>{2});
    EXPECT_TRUE(Prompt.Errors().isEmpty());
    EXPECT_FALSE(Options->MixCSong());
}

TEST_F(TMixExportTest, SmallDayWithTheShortenedSongKeepingItsEnd) {
    AddSmallDay();
    Prompt.QueueOptionReplies({No});
    ASSERT_TRUE(Export());

    QString expected = QString::fromUtf8(FadedDayMix);
    expected.replace(QString::fromUtf8(ShortenedSongFaded), QString::fromUtf8(ShortenedSongKept));
    EXPECT_EQ(ReadFileBytes(OutPath()),
              EncodeCp1250(expected.replace(QLatin1Char('\n'), QStringLiteral("\r\n"))));
    EXPECT_TRUE(Options->MixCSong());
    // Kept for later exports of the run, without marking the categories for saving.
    EXPECT_FALSE(Options->Categories().Changed());
}

TEST_F(TMixExportTest, AbortWritesNothingAndKeepsAnOlderFile) {
    AddSmallDay();
    ASSERT_TRUE(WriteFileBytes(OutPath(), "old"));
    Prompt.QueueOptionReplies({Abort});

    EXPECT_FALSE(Export());
    EXPECT_EQ(ReadFileBytes(OutPath()), QByteArray("old"));
    EXPECT_TRUE(Prompt.Errors().isEmpty());
    // Any answer but "Tak" keeps the song's own end.
    EXPECT_TRUE(Options->MixCSong());
}

TEST_F(TMixExportTest, EmptyDayIsTheHeaderAlone) {
    ASSERT_TRUE(Export());
    EXPECT_EQ(ReadFileBytes(OutPath()), FileBytes("Wersja 2.0\n\n;Pozycje:\nPOZYCJI=0\n"));
}

// --- Songs lasting longer than the library's audio

TEST_F(TMixExportTest, LongerPositionIsAskedAboutAndNoStops) {
    // 160 s until the next position plus 2.5 s of overlap, against 150 s of audio.
    AddSong(At(8, 0), "2", "Ania", "Krótka", 160000, 150000, 2500);
    AddSong(At(8, 2, 40), "2", "Ola", "Następna", 100000, 100000);
    ASSERT_TRUE(WriteFileBytes(OutPath(), "old"));
    std::vector<int> focused;

    EXPECT_FALSE(Export([&](int row) { focused.push_back(row); }));
    EXPECT_EQ(Prompt.Questions(),
              QStringList{QString::fromUtf8(
                  "Czas pozycji \"Ania - Krótka\" jest dłuższy o 12.500 sekund od rzeczywistego "
                  "czasu tej pozycji zapisanego w bazie danych. Może to zaowocować ciszą podczas "
                  "odtwarzania playlisty. Czy mimo to kontynuować?")});
    EXPECT_EQ(focused, std::vector<int>{0});
    EXPECT_EQ(ReadFileBytes(OutPath()), QByteArray("old"));
    EXPECT_TRUE(Prompt.Errors().isEmpty());
}

TEST_F(TMixExportTest, LongerPositionWithYesKeepsItsNormalLines) {
    AddSong(At(8, 0), "1", "Ania", "Krótka", 160000, 150000);
    AddSong(At(8, 2, 40), "2", "Ola", "Następna", 100000, 100000);
    Prompt.QueueAnswers({true});

    ASSERT_TRUE(Export());
    EXPECT_EQ(Prompt.Questions().size(), 1);
    EXPECT_TRUE(Prompt.OptionQuestions.isEmpty());
    EXPECT_EQ(Block(OutPath(), 0).mid(3, 5),
              Lines({"Trw=02:30.000", "NwK=00:00.000", "FOu=00:00.000", "Out=00:00.000",
                     "Mix=00:00.000"}));
}

TEST(SecondsTextTest, WholeSecondsAndPaddedMilliseconds) {
    const struct {
        int Msecs;
        const char* Text;
    } cases[] = {{3000, "3"}, {12500, "12.500"}, {2050, "2.050"}, {999, "0.999"}, {0, "0"}};
    for (const auto& c : cases)
        EXPECT_EQ(SecondsText(c.Msecs), QString::fromUtf8(c.Text)) << c.Msecs;
}

// --- Songs cut short by the next position

TEST_F(TMixExportTest, CutSongOutsideMusicIsWrittenWholeWithoutAsking) {
    AddSong(At(9, 0), "2", "Ania", "Przebój", 180000, 240000);
    AddSong(At(9, 3), "2", "Ola", "Następna", 100000, 100000);

    ASSERT_TRUE(Export());
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
    EXPECT_EQ(Block(OutPath(), 0).at(3), QStringLiteral("Trw=04:00.000"));
    EXPECT_EQ(Block(OutPath(), 0).at(7), QStringLiteral("Mix=00:00.000"));
}

// The day's last song counts its own time; only a song the generator cut is shortened.
TEST_F(TMixExportTest, LastSongIsShortenedOnlyWhenCut) {
    const struct {
        const char* Name;
        int SongTime;
        int Mixed;
        int OwnMix; // the song's mix point
        std::vector<const char*> EndLines;
    } cases[] = {
        // Fades out so that it is silent at its own end.
        {"cut",
         170000,
         0,
         195000,
         {"Trw=03:20.000", "NwK=02:50.000", "FOu=02:47.000", "Mix=00:00.000", "Out=02:40.000"}},
        // Without a mix point of its own it fades over three seconds past its end.
        {"cut, no mix point",
         170000,
         0,
         0,
         {"Trw=03:20.000", "NwK=02:53.000", "FOu=02:50.000", "Mix=00:03.000", "Out=02:40.000"}},
        // The overlap comes off the song's time.
        {"cut and mixed",
         170000,
         4000,
         195000,
         {"Trw=03:20.000", "NwK=02:49.000", "FOu=02:46.000", "Mix=00:03.000", "Out=02:40.000"}},
        {"whole",
         200000,
         0,
         195000,
         {"Trw=03:20.000", "NwK=03:18.000", "FOu=03:15.000", "Out=02:40.000", "Mix=00:00.000"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Owned.clear();
        Prompt.Clear();
        TResultSongData& song =
            AddSong(At(23, 55), "1", "Ania", "Na koniec", c.SongTime, 200000, c.Mixed);
        song.NEnd = 198000;
        song.FadeOut = 195000;
        song.Outro = 160000;
        song.Mix = c.OwnMix;
        Prompt.QueueOptionReplies({Yes});

        ASSERT_TRUE(Export());
        EXPECT_EQ(Prompt.OptionQuestions.size(), c.SongTime < 200000 ? 1 : 0);
        EXPECT_EQ(Block(OutPath(), 0).mid(3, 5), Lines(c.EndLines));
    }
}

// Three music songs, each cut short by the next: the check box spares the later questions of
// the export, which then follow the answer given.
TEST_F(TMixExportTest, DontAskAgainLastsForOneExport) {
    const struct {
        const char* Name;
        std::vector<TReply> Replies;
        int Questions;
        bool Faded;
    } cases[] = {
        {"Tak, don't ask", {YesDontAsk}, 1, true},
        {"Nie, don't ask", {NoDontAsk}, 1, false},
        {"ask every time", {Yes, Yes, Yes}, 3, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Owned.clear();
        AddSong(At(10, 0), "1", "A", "Pierwsza", 180000, 240000);
        AddSong(At(10, 3), "1", "B", "Druga", 180000, 240000);
        AddSong(At(10, 6), "1", "C", "Trzecia", 180000, 240000);
        AddSong(At(10, 9), "2", "D", "Ostatnia", 100000, 100000);

        for (int run = 0; run < 2; ++run) {
            Prompt.Clear();
            for (const TReply& reply : c.Replies)
                Prompt.OptionReplies.append(reply);
            ASSERT_TRUE(Export());
            EXPECT_EQ(Prompt.OptionQuestions.size(), c.Questions) << "export " << run;
            for (int row = 0; row < 3; ++row)
                EXPECT_EQ(Block(OutPath(), row).at(4), c.Faded ? QStringLiteral("NwK=03:03.000")
                                                               : QStringLiteral("NwK=00:00.000"))
                    << "row " << row;
        }
    }
}

TEST_F(TMixExportTest, AbortStopsEvenWithTheBoxTicked) {
    AddSong(At(10, 0), "1", "A", "Pierwsza", 180000, 240000);
    AddSong(At(10, 3), "2", "B", "Druga", 100000, 100000);
    Prompt.QueueOptionReplies({{TOptionAnswer::oaAbort, true}});

    EXPECT_FALSE(Export());
    EXPECT_FALSE(QFile::exists(OutPath()));
}

// --- Blanks

TEST_F(TMixExportTest, BlankTitlesAndTheAdvertisementMixLine) {
    const struct {
        const char* CategoryName;
        const char* Title;
        bool MixLine;
        const char* TitleLine;
    } cases[] = {
        {"Reklama o", "\"Reklama o\"", false, "Tyt=Reklama o"},
        {"Reklama o", "Reklama o", false, "Tyt=Reklama o"},
        {"Reklama o", "", false, "Tyt="},
        // Another advertisement blank of the list is an ordinary blank here.
        {"Blok reklamowy", "\"Blok reklamowy\"", true, "Tyt=Blok reklamowy"},
        {"", "\"Cisza", true, "Tyt=\"Cisza"},
        {"", "\"", true, "Tyt=\""},
        {"", "\"\"", true, "Tyt="},
        {"", "\"a \"b\" c\"", true, "Tyt=a \"b\" c"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Title);
        Owned.clear();
        AddBlank(At(12, 0), "3", c.CategoryName, c.Title, 30000);

        ASSERT_TRUE(Export());
        const QStringList block = Block(OutPath(), 0);
        EXPECT_EQ(block.contains(QStringLiteral("Mix=00:00:000")), c.MixLine);
        EXPECT_EQ(block.at(block.size() - 3), QString::fromUtf8(c.TitleLine));
    }
}

TEST_F(TMixExportTest, UnknownCategoryGivesAnEmptyType) {
    AddBlank(At(12, 0), "200", "", "Cisza", 30000);
    AddSong(At(12, 0, 30), "x", "A", "B", 1000, 1000);

    ASSERT_TRUE(Export());
    EXPECT_EQ(Block(OutPath(), 0).at(2), QStringLiteral("Typ="));
    EXPECT_EQ(Block(OutPath(), 1).at(2), QStringLiteral("Typ="));
}

// --- Failure

TEST_F(TMixExportTest, WriteFailureIsReportedWithTheReason) {
    AddSmallDay();
    Prompt.QueueOptionReplies({Yes});
    const QString path = Station.Path(QStringLiteral("brak/dzien.mix"));
    QString reason;
    ASSERT_FALSE(WriteTextLines(path, {}, &reason));

    EXPECT_FALSE(ExportMix(Positions(), path));
    EXPECT_EQ(Prompt.Errors(),
              QStringList{QString::fromUtf8("Błąd przy zapisie pliku mix. (%1)").arg(reason)});
    EXPECT_FALSE(QFile::exists(path));
}
