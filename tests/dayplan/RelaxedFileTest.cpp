#include "DayPlanFixture.h"
#include "dayplan/DayLifecycleFixture.h"
#include "dayplan/uDayPlayList.h"
#include "dayplan/uRelaxedFile.h"
#include "foundation/uWholeFile.h"

#include <QFile>
#include <QFileInfo>

// The rules the draw gave up for a pending day's positions, kept beside its plan file: written
// with it, read back with it, never trusted when damaged, and gone with the plan file when the
// day is accepted or thrown away.

namespace {

constexpr TDayRuleSet kSeparation = RuleBit(TDayRule::Separation);
constexpr TDayRuleSet kSeparationAndArtist =
    RuleBit(TDayRule::Separation) | RuleBit(TDayRule::ArtistFrequency);

class RelaxedFileTest : public DayPlanFixture {
protected:
    TDayPlayList List;
    QString PlanPath;
    QString RelaxedPath;

    void SetUp() override {
        DayPlanFixture::SetUp();
        PlanPath = Station.Path(QStringLiteral("20240506.plp"));
        RelaxedPath = Station.Path(QStringLiteral("20240506.plr"));
    }

    // A relaxed song, a blank and a song placed with two rules given up.
    void Generate() {
        List.AddResultItem({.SongId = Island,
                            .CatId = kHitsId,
                            .Category = 4,
                            .Duration = 200000,
                            .Time = 200000,
                            .Relaxed = kSeparation});
        List.AddResultItem({.Start = Ms(0, 3, 20),
                            .Info = QStringLiteral("Blok"),
                            .Category = 7,
                            .Duration = 60000,
                            .Time = 60000});
        List.AddResultItem({.SongId = Meadow,
                            .Start = Ms(0, 4, 20),
                            .CatId = kHitsId,
                            .Category = 4,
                            .Duration = 150000,
                            .Time = 150000,
                            .Relaxed = kSeparationAndArtist});
    }

    std::vector<TDayRuleSet> Marks() const {
        std::vector<TDayRuleSet> marks;
        for (const TResultSongData* position : List.Positions())
            marks.push_back(position->Relaxed);
        return marks;
    }
};

TEST_F(RelaxedFileTest, LivesBesideThePlanFileUnderItsName) {
    EXPECT_EQ(RelaxedFilePath(QStringLiteral("/st/Plan/Biezacy/20240506.plp")),
              QStringLiteral("/st/Plan/Biezacy/20240506.plr"));
}

TEST_F(RelaxedFileTest, IsWrittenWithThePlanFileAndReadBackWithIt) {
    Generate();
    ASSERT_TRUE(List.SavePlanFile(PlanPath));
    EXPECT_EQ(ReadFileBytes(RelaxedPath), QByteArray("0;%1;32\r\n2;%2;48\r\n")
                                              .replace("%1", QByteArray::number(Island))
                                              .replace("%2", QByteArray::number(Meadow)));

    ASSERT_TRUE(List.LoadPlanFile(PlanPath));
    EXPECT_EQ(Marks(), (std::vector<TDayRuleSet>{kSeparation, 0, kSeparationAndArtist}));
    EXPECT_TRUE(Prompt.Errors().isEmpty());
}

TEST_F(RelaxedFileTest, MarksTravelWithTheirRowsAndNoneLeavesNoFile) {
    Generate();
    ASSERT_TRUE(List.MoveRow(0, 2));
    ASSERT_TRUE(List.SavePlanFile(PlanPath));
    ASSERT_TRUE(List.LoadPlanFile(PlanPath));
    EXPECT_EQ(Marks(), (std::vector<TDayRuleSet>{0, kSeparationAndArtist, kSeparation}));

    // The relaxed songs deleted from the list: the record goes.
    ASSERT_TRUE(List.RemoveRow(2));
    ASSERT_TRUE(List.RemoveRow(1));
    ASSERT_TRUE(List.SavePlanFile(PlanPath));
    EXPECT_FALSE(QFileInfo::exists(RelaxedPath));
    EXPECT_TRUE(QFileInfo::exists(PlanPath));
}

TEST_F(RelaxedFileTest, MarksThatNoLongerMatchTheirRowAreLeftOut) {
    Generate();
    ASSERT_TRUE(List.SavePlanFile(PlanPath));
    ASSERT_TRUE(WriteTextLines(RelaxedPath, {QStringLiteral("0;%1;32").arg(Meadow), // other song
                                             QStringLiteral("1;-1;32"),             // the blank
                                             QStringLiteral("2;%1;48").arg(Meadow),
                                             QStringLiteral("9;%1;32").arg(Island)})); // no row
    ASSERT_TRUE(List.LoadPlanFile(PlanPath));
    EXPECT_EQ(Marks(), (std::vector<TDayRuleSet>{0, 0, kSeparationAndArtist}));
    EXPECT_TRUE(Prompt.Errors().isEmpty());
}

struct TDamage {
    const char* Name;
    QByteArray Bytes;
    QString Reason;
};

TEST_F(RelaxedFileTest, ADamagedRecordIsReportedAndKeptUntilTheRowsChange) {
    const TDamage damages[] = {
        {"cut off", "0;5;32\r\n2;6;4", WholeFileText::CutOff},
        {"empty", "", WholeFileText::Empty},
        {"not a mark", "0;5;32\r\nwiersz\r\n", QStringLiteral("błędny wiersz 2")},
        {"no rule", "0;5;0\r\n", QStringLiteral("błędny wiersz 1")},
        {"unknown rule", "0;5;4096\r\n", QStringLiteral("błędny wiersz 1")},
        {"binary", QByteArray("0;5;\0\r\n", 7), WholeFileText::NotText},
    };
    for (const TDamage& damage : damages) {
        SCOPED_TRACE(damage.Name);
        List.ClearView();
        Generate();
        ASSERT_TRUE(List.SavePlanFile(PlanPath));
        ASSERT_TRUE(WriteWholeFile(RelaxedPath, damage.Bytes));
        Prompt.Clear();
        ForgetUnreadFiles();

        EXPECT_TRUE(List.LoadPlanFile(PlanPath)) << "the plan itself is whole";
        EXPECT_EQ(List.Count(), 3);
        EXPECT_EQ(Marks(), (std::vector<TDayRuleSet>(3, 0)));
        EXPECT_EQ(
            Prompt.Errors(),
            QStringList{
                QStringLiteral("Błąd odczytu pliku %1. (%2)").arg(RelaxedPath, damage.Reason)});
        EXPECT_EQ(UnreadFiles(), QStringList{QFileInfo(RelaxedPath).absoluteFilePath()});

        ASSERT_TRUE(List.SavePlanFile(PlanPath));
        EXPECT_EQ(ReadFileBytes(RelaxedPath), damage.Bytes) << "saving leaves it as it was";

        // Once the director changes the rows, the list's own record is written.
        ASSERT_TRUE(List.MoveRow(0, 1));
        ASSERT_TRUE(List.SavePlanFile(PlanPath));
        EXPECT_FALSE(QFileInfo::exists(RelaxedPath));
    }
    ForgetUnreadFiles();
}

TEST_F(RelaxedFileTest, ARecordThatCannotBeWrittenIsReported) {
    Generate();
    BlockWithDirectory(RelaxedPath);
    EXPECT_FALSE(List.SavePlanFile(PlanPath));
    ASSERT_EQ(Prompt.Errors().size(), 1);
    EXPECT_TRUE(
        Prompt.Errors()[0].startsWith(QStringLiteral("Błąd zapisu pliku %1. (").arg(RelaxedPath)))
        << S(Prompt.Errors()[0]);
}

// --- With the day's life

class RelaxedDayTest : public DayLifecycleFixture {
protected:
    int FirstSong = -1;

    QString RelaxedPath(const QDate& date) const {
        return RelaxedFilePath(PlanFilePath(pkCurrent, date));
    }
    // The day generated, its first song marked as placed with the separation given up, and left
    // so its files are written.
    void GenerateRelaxedDay(const QDate& date) {
        GenerateDay(date);
        ASSERT_GT(Days->PlayList().Count(), 0);
        Days->PlayList().Position(0).Relaxed = kSeparation;
        FirstSong = Days->PlayList().Position(0).SongId;
        Days->ShowDay(date);
        ASSERT_TRUE(QFileInfo::exists(RelaxedPath(date)));
        ASSERT_EQ(Days->PlayList().Position(0).Relaxed, kSeparation);
    }
};

TEST_F(RelaxedDayTest, AcceptingRemovesItAndTakingTheDayBackBringsNone) {
    GenerateRelaxedDay(FirstDay);
    Prompt.DefaultAnswer = true;
    ASSERT_EQ(Days->Accept(), TDayResult::drDone);
    EXPECT_EQ(FilesOf(FirstDay), QStringList{QStringLiteral("plh")});
    EXPECT_FALSE(QFileInfo::exists(RelaxedPath(FirstDay)));

    // A record left over from elsewhere is not taken for the accepted day's.
    ASSERT_TRUE(WriteTextLines(RelaxedPath(FirstDay), {QStringLiteral("0;%1;32").arg(FirstSong)}));
    ASSERT_EQ(Days->Back(), TDayResult::drDone);
    EXPECT_EQ(Days->State(), dsPending);
    EXPECT_EQ(Days->PlayList().Position(0).Relaxed, 0u);
    EXPECT_FALSE(QFileInfo::exists(RelaxedPath(FirstDay)));
}

TEST_F(RelaxedDayTest, ThrowingThePendingListAwayRemovesIt) {
    GenerateRelaxedDay(FirstDay);
    Prompt.QueueAnswers({true});
    ASSERT_EQ(Days->Back(), TDayResult::drDone);
    EXPECT_EQ(Days->State(), dsFuture);
    EXPECT_FALSE(QFileInfo::exists(RelaxedPath(FirstDay)));
}

} // namespace
