#include "dayplan/DayLifecycleFixture.h"
#include "dayplan/uDayMessages.h"
#include "library/uDBMainBase.h"
#include "library/uMainBaseQuery.h"
#include "library/uProgress.h"

#include <QDir>
#include <QFile>

// A date walked through every state of its life, with the files each step leaves.

namespace {

int StatsRows() {
    TMainBaseQuery query;
    query.SetSQL(QStringLiteral("SELECT COUNT(*) AS N FROM Stats"));
    query.Open();
    return query.AsInteger(QStringLiteral("N"));
}

// A blank position from start to start + length.
std::unique_ptr<TResultSongData> Blank(int start, int length) {
    auto position = std::make_unique<TResultSongData>();
    position->Blank = true;
    position->Title = QStringLiteral("Cisza");
    position->Category = QStringLiteral("3");
    position->Hour = start;
    position->SetSongTime(length);
    position->DbTime = length;
    return position;
}

// Presses "Przerwij" once the run has made a number of steps.
class TCancellingWindow final : public TProgressWindow {
public:
    explicit TCancellingWindow(int steps) : Steps(steps) {}
    void SetOperation(const QString&) override {}
    void SetInfo(const QString&) override {}
    void SetMax(int) override {}
    void Advance(int) override {
        if (--Steps == 0)
            CancelAttached();
    }
    void Execute() override { RunWork(); }

private:
    int Steps;
};

} // namespace

using DayLifecycleTest = DayLifecycleFixture;

TEST_F(DayLifecycleTest, ADateGoesFromEmptyToHistoryAndBack) {
    const QDate day = FirstDay;
    Days->ShowDay(day);
    EXPECT_EQ(Days->State(), dsEmpty);

    PlanDay(day);
    EXPECT_EQ(Days->State(), dsFuture);
    EXPECT_TRUE(FilesOf(day).isEmpty()) << "the clock is written when the date is left";
    Days->ShowNextDay();
    EXPECT_EQ(FilesOf(day), QStringList{QStringLiteral("plz")});
    Days->ShowPreviousDay();
    EXPECT_EQ(Days->State(), dsFuture);
    EXPECT_EQ(Days->DayClock().RowCount(), 3);

    Days->Seed = 3;
    ASSERT_EQ(Days->Generate(), TDayResult::drDone);
    EXPECT_EQ(Days->State(), dsPending);
    EXPECT_EQ(Days->DayClock().RowCount(), 0);
    const int positions = Days->PlayList().Count();
    EXPECT_GE(positions, 3);
    EXPECT_EQ(Days->PlayList().PendingPath, PlanFilePath(pkCurrent, day));
    Days->ShowDay(day);
    EXPECT_EQ(FilesOf(day), (QStringList{QStringLiteral("plp"), QStringLiteral("plz")}));
    EXPECT_EQ(Days->PlayList().Count(), positions);

    Prompt.QueueAnswers({true}); // the short day is not complete
    Host.ExportFile = Station.Path(QStringLiteral("wynik.mix"));
    ASSERT_EQ(Days->Accept(), TDayResult::drDone);
    EXPECT_EQ(Prompt.Questions().value(0), DayText::Incomplete);
    EXPECT_EQ(Days->State(), dsHistory);
    EXPECT_EQ(FilesOf(day), QStringList{QStringLiteral("plh")});
    EXPECT_EQ(Days->History().Rows().size(), static_cast<size_t>(positions));
    EXPECT_TRUE(QFile::exists(Host.ExportFile));
    EXPECT_EQ(Host.ExportName, QStringLiteral("20250310"));
    const int plays = StatsRows();
    EXPECT_GT(plays, 0);

    Prompt.QueueAnswers({true});
    ASSERT_EQ(Days->Back(), TDayResult::drDone);
    EXPECT_EQ(Days->State(), dsPending);
    EXPECT_EQ(FilesOf(day), QStringList{QStringLiteral("plp")});
    EXPECT_EQ(Days->PlayList().Count(), positions) << "the accepted day comes back whole";
    EXPECT_EQ(StatsRows(), 0) << "its plays are withdrawn";

    Prompt.QueueAnswers({true});
    ASSERT_EQ(Days->Back(), TDayResult::drDone);
    EXPECT_EQ(Days->State(), dsFuture);
    Prompt.QueueAnswers({true});
    ASSERT_EQ(Days->Back(), TDayResult::drDone);
    EXPECT_EQ(Days->State(), dsEmpty);
    EXPECT_EQ(
        Prompt.Questions().mid(1),
        (QStringList{DayText::TakeBackAccepted, DayText::DeletePlayList, DayText::ClearClock}));
}

TEST_F(DayLifecycleTest, BackAskedAndRefusedChangesNothing) {
    GenerateDay(FirstDay);
    Days->ShowDay(FirstDay);
    EXPECT_EQ(Days->Back(), TDayResult::drRefused);
    EXPECT_EQ(Days->State(), dsPending);
    Days->ShowDay(FirstDay);
    EXPECT_EQ(FilesOf(FirstDay), (QStringList{QStringLiteral("plp"), QStringLiteral("plz")}));

    Prompt.QueueAnswers({true});
    ASSERT_EQ(Days->Back(), TDayResult::drDone);
    EXPECT_EQ(Days->DayClock().RowCount(), 3) << "the day's clock comes back";
    EXPECT_EQ(FilesOf(FirstDay), QStringList{QStringLiteral("plz")});
    EXPECT_EQ(Days->Back(), TDayResult::drRefused);
    EXPECT_EQ(Days->State(), dsFuture);
}

TEST_F(DayLifecycleTest, OrderRulesFromTheFirstDay) {
    const QDate next = FirstDay.addDays(1);
    PlanDay(next);
    EXPECT_EQ(Days->Generate(), TDayResult::drRefused);
    EXPECT_EQ(Prompt.Errors(), QStringList{DayText::GeneratePreviousFirst});
    EXPECT_EQ(Days->State(), dsFuture);

    GenerateDay(FirstDay);
    GenerateDay(next); // a pending previous day is enough to generate
    Prompt.Clear();
    Prompt.DefaultAnswer = true;
    EXPECT_EQ(Days->Accept(), TDayResult::drRefused);
    EXPECT_EQ(Prompt.Errors(), QStringList{DayText::AcceptPreviousFirst});
    EXPECT_EQ(Days->State(), dsPending);
    EXPECT_EQ(StatsRows(), 0);

    Days->ShowDay(FirstDay);
    const QString exportFile = Host.ExportFile;
    Host.ExportFile.clear(); // the export dialog cancelled: a day is not accepted without it
    Prompt.Clear();
    EXPECT_EQ(Days->Accept(), TDayResult::drRefused);
    EXPECT_EQ(Prompt.Errors(), QStringList{DayText::AcceptNeedsMix});
    EXPECT_EQ(Days->State(), dsPending);
    EXPECT_EQ(StatsRows(), 0);
    Host.ExportFile = exportFile;
    EXPECT_EQ(Days->Accept(), TDayResult::drDone);
    Days->ShowDay(next);
    EXPECT_EQ(Days->Accept(), TDayResult::drDone);
    EXPECT_EQ(Days->State(), dsHistory);
}

TEST_F(DayLifecycleTest, PreviousDayStopsAtTheFirstDay) {
    Days->ShowDay(FirstDay);
    Days->ShowPreviousDay();
    EXPECT_EQ(Days->ShownDate(), FirstDay);
    Days->ShowNextDay();
    Days->ShowPreviousDay();
    EXPECT_EQ(Days->ShownDate(), FirstDay);
}

TEST_F(DayLifecycleTest, PickingTheLastPickedDateAgainDoesNothing) {
    Days->PickDate(FirstDay);
    Days->ShowNextDay();
    Days->PickDate(FirstDay);
    EXPECT_EQ(Days->ShownDate(), FirstDay.addDays(1));
    Days->PickDate(FirstDay.addDays(5));
    EXPECT_EQ(Days->ShownDate(), FirstDay.addDays(5));
}

TEST_F(DayLifecycleTest, CompletenessIsTheWholeDayToTheSecond) {
    struct TCase {
        const char* Name;
        int FirstStart;
        int LastEnd;
        bool Complete;
    };
    const TCase cases[] = {
        {"ends at 24:00:00", 0, 86400000, true},
        {"ends at 23:59:59.999", 0, 86399999, false},
        {"starts after midnight", 1000, 86400000, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TDayPlayList list;
        list.Append(Blank(c.FirstStart, 3600000));
        list.Append(Blank(c.LastEnd - 600000, 600000));
        ASSERT_TRUE(list.SavePlanFile(PlanFilePath(pkCurrent, FirstDay)));
        Days->ShowDay(FirstDay);
        ASSERT_EQ(Days->State(), dsPending);
        Prompt.Clear();
        EXPECT_EQ(Days->Accept(), c.Complete ? TDayResult::drDone : TDayResult::drRefused);
        EXPECT_EQ(Prompt.Questions().contains(DayText::Incomplete), !c.Complete);
        DeletePlanFile(pkHistory, FirstDay);
    }
}

TEST_F(DayLifecycleTest, AFailedHistoryWriteRecordsNoPlayAndKeepsTheDayPending) {
    GenerateDay(FirstDay);
    Days->ShowDay(FirstDay);
    // A file where the history directory should be.
    QDir(AppFilePath(kPlanDir)).rmdir(QStringLiteral("Historia"));
    QFile blocker(AppFilePath(PlanDirName(pkHistory)));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    Prompt.DefaultAnswer = true;
    EXPECT_EQ(Days->Accept(), TDayResult::drFailed);
    EXPECT_EQ(StatsRows(), 0);
    EXPECT_EQ(Days->State(), dsPending);
    EXPECT_FALSE(Prompt.Errors().isEmpty());
    Days->ShowDay(FirstDay);
    EXPECT_EQ(FilesOf(FirstDay), (QStringList{QStringLiteral("plp"), QStringLiteral("plz")}));
}

TEST_F(DayLifecycleTest, AnEmptyClockLeftUneditedLeavesNoFile) {
    Days->ShowDay(FirstDay);
    Days->StartEmptyClock();
    EXPECT_EQ(Days->State(), dsFuture);
    Days->ShowNextDay();
    EXPECT_TRUE(FilesOf(FirstDay).isEmpty());
    Days->ShowPreviousDay();
    EXPECT_EQ(Days->State(), dsEmpty);
}

TEST_F(DayLifecycleTest, AChangedClockIsSavedToItsOwnFile) {
    PlanDay(FirstDay);
    Days->ShowNextDay(); // the day's "plz" now holds the short clock
    Days->ShowPreviousDay();
    const QString other = Station.Path(QStringLiteral("Zegary/Inny.ctm"));
    ASSERT_TRUE(QFile::copy(ShortClock, other));
    Host.ClockFile = other;
    ASSERT_EQ(Days->ChangeClock(), TDayResult::drDone);
    TClockObjData* first = Days->DayClock().Row(0);
    Prompt.QueueAnswers({true});
    ASSERT_TRUE(Days->DayClock().DeleteRow(first));
    Days->ShowNextDay();

    TClock saved;
    saved.LoadClockFile(other);
    EXPECT_EQ(saved.RowCount(), 2);
    saved.LoadClockFile(PlanFilePath(pkPlanned, FirstDay));
    EXPECT_EQ(saved.RowCount(), 3);
}

TEST_F(DayLifecycleTest, HistoryWinsOverAPlanFile) {
    GenerateDay(FirstDay);
    Days->ShowDay(FirstDay);
    ASSERT_TRUE(QFile::copy(PlanFilePath(pkCurrent, FirstDay), PlanFilePath(pkHistory, FirstDay)));
    Days->ShowDay(FirstDay);
    EXPECT_EQ(Days->State(), dsHistory);
    EXPECT_FALSE(Days->HistoryShown()) << "a plan file is no history file";
}

TEST_F(DayLifecycleTest, ClosingSavesTheShownDay) {
    PlanDay(FirstDay);
    EXPECT_TRUE(Days->SaveOnClose());
    EXPECT_EQ(FilesOf(FirstDay), QStringList{QStringLiteral("plz")});
    Days->Seed = 1;
    ASSERT_EQ(Days->Generate(), TDayResult::drDone);
    EXPECT_TRUE(Days->SaveOnClose());
    EXPECT_EQ(FilesOf(FirstDay), (QStringList{QStringLiteral("plp"), QStringLiteral("plz")}));
}

TEST_F(DayLifecycleTest, ResetHistoryKeepsPlannedDays) {
    GenerateDay(FirstDay);
    Prompt.DefaultAnswer = true;
    ASSERT_EQ(Days->Accept(), TDayResult::drDone);
    PlanDay(FirstDay.addDays(1));
    Days->ShowDay(FirstDay.addDays(2));
    ASSERT_GT(StatsRows(), 0);

    ASSERT_EQ(Days->ResetHistory(), TDayResult::drDone);
    EXPECT_EQ(StatsRows(), 0);
    EXPECT_TRUE(FilesOf(FirstDay).isEmpty());
    EXPECT_EQ(FilesOf(FirstDay.addDays(1)), QStringList{QStringLiteral("plz")});
    EXPECT_EQ(DateTimeToDate(TimeRanges->FirstDay()), QDate::currentDate());
}

TEST_F(DayLifecycleTest, ExportCutsTheChosenNameAtItsFirstDot) {
    GenerateDay(FirstDay);
    QDir(Station.Dir()).mkdir(QStringLiteral("a.b"));
    Host.ExportFile = Station.Path(QStringLiteral("a.b/dzien.wersja.txt"));
    EXPECT_EQ(Days->Export(1), TDayResult::drDone);
    EXPECT_TRUE(QFile::exists(Station.Path(QStringLiteral("a.b/dzien.mix"))));
    EXPECT_EQ(Days->Export(2), TDayResult::drDone);
    EXPECT_TRUE(QFile::exists(Station.Path(QStringLiteral("a.b/dzien.txt"))));
    EXPECT_EQ(Host.ExportDir, Config.PlayListDir);
    EXPECT_TRUE(QDir(Config.PlayListDir).exists());
}

TEST_F(DayLifecycleTest, AStoppedRunLeavesWhatItDrewAsThePendingDay) {
    GenerateDay(FirstDay);
    const int whole = Days->PlayList().Count();
    Prompt.QueueAnswers({true});
    ASSERT_EQ(Days->Back(), TDayResult::drDone);
    ASSERT_EQ(Days->State(), dsFuture);

    SetProgressWindowFactory([] { return std::make_unique<TCancellingWindow>(1); });
    EXPECT_EQ(Days->Generate(), TDayResult::drRefused);
    SetProgressWindowFactory({});
    EXPECT_EQ(Days->State(), dsPending);
    EXPECT_LT(Days->PlayList().Count(), whole);
    EXPECT_EQ(Days->PlayList().PendingPath, PlanFilePath(pkCurrent, FirstDay));
}

TEST_F(DayLifecycleTest, ClearingTheLibraryKeepsThePlanFiles) {
    GenerateDay(FirstDay);
    Days->ShowNextDay();
    EXPECT_EQ(Days->ClearLibrary(), TDayResult::drRefused) << "answered No";
    Prompt.QueueAnswers({true});
    ASSERT_EQ(Days->ClearLibrary(), TDayResult::drDone);
    EXPECT_EQ(Prompt.Questions().last(), DayText::ClearLibrary);
    TMainBaseQuery query;
    query.SetSQL(QStringLiteral("SELECT COUNT(*) AS N FROM BaseSongs WHERE Song_Id <> -1"));
    query.Open();
    EXPECT_EQ(query.AsInteger(QStringLiteral("N")), 0);
    EXPECT_EQ(FilesOf(FirstDay), (QStringList{QStringLiteral("plp"), QStringLiteral("plz")}));
}

TEST_F(DayLifecycleTest, ADayLeftForAnotherInTheSameStateKeepsItsEdits) {
    PlanDay(FirstDay);
    PlanDay(FirstDay.addDays(1));
    Days->PickDate(FirstDay);
    Prompt.QueueAnswers({true});
    ASSERT_TRUE(Days->DayClock().DeleteRow(Days->DayClock().Row(0)));
    Days->PickDate(FirstDay.addDays(1));
    ASSERT_EQ(Days->State(), dsFuture);
    Days->PickDate(FirstDay);
    EXPECT_EQ(Days->DayClock().RowCount(), 2);
}
