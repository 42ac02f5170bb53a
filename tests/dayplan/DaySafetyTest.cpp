#include "dayplan/DayLifecycleFixture.h"
#include "dayplan/uDayMessages.h"
#include "foundation/uFormat.h"
#include "foundation/uWholeFile.h"
#include "library/uAcceptedDays.h"
#include "library/uDBMainBase.h"
#include "library/uFileJournal.h"
#include "library/uMainBaseQuery.h"
#include "library/uStoreErrors.h"
#include "support/TestFiles.h"
#include "support/TestText.h"

#include <QDir>
#include <QFile>
#include <SQLiteCpp/Database.h>

// Nothing of a day is lost or counted twice: acceptance is one unit, taking a day back undoes it
// exactly, and a failure on the way (the export, the store, a damaged file) leaves the day where
// it was.

namespace {

// Every statistics row of both tables, without the row keys, in a stable order.
QStringList StatsSnapshot() {
    QStringList rows;
    for (const QString& table : {QStringLiteral("Stats"), QStringLiteral("AStats")}) {
        TMainBaseQuery query;
        query.SetSQL(QStringLiteral("SELECT StatsId, hex(StatsVal) AS V, BeginTime, EndTime, "
                                    "BeginId, EndId FROM %1 ORDER BY StatsId, SId")
                         .arg(table));
        for (query.Open(); !query.Eof(); query.Next())
            rows << QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                        .arg(table)
                        .arg(query.AsInteger(QStringLiteral("StatsId")))
                        .arg(query.AsString(QStringLiteral("V")))
                        .arg(query.AsFloat(QStringLiteral("BeginTime")), 0, 'f', 6)
                        .arg(query.AsFloat(QStringLiteral("EndTime")), 0, 'f', 6)
                        .arg(query.AsInteger(QStringLiteral("BeginId")))
                        .arg(query.AsInteger(QStringLiteral("EndId")));
        query.Close();
    }
    return rows;
}

class DaySafetyTest : public DayLifecycleFixture {
protected:
    // Generates and accepts the date; incomplete short days are accepted anyway.
    void AcceptDay(const QDate& date) {
        GenerateDay(date);
        Prompt.DefaultAnswer = true;
        ASSERT_EQ(Days->Accept(), TDayResult::drDone);
        Prompt.DefaultAnswer = false;
    }
    QByteArray Bytes(TPlanKind kind, const QDate& date) const {
        return ReadFileBytes(PlanFilePath(kind, date));
    }
};

TEST_F(DaySafetyTest, TakingADayBackAndAcceptingItAgainCountsEachPlayOnce) {
    const QDate second = FirstDay.addDays(1);
    AcceptDay(FirstDay);
    AcceptDay(second);
    const QStringList accepted = StatsSnapshot();
    const QByteArray history = Bytes(pkHistory, second);
    ASSERT_FALSE(accepted.isEmpty());

    Days->ShowDay(second);
    const std::vector<TDayHistoryRow> rows = Days->History().Rows();
    Prompt.Clear();
    Prompt.QueueAnswers({true});
    ASSERT_EQ(Days->Back(), TDayResult::drDone);
    EXPECT_EQ(Prompt.Questions(), QStringList{DayText::TakeBackAccepted});
    EXPECT_EQ(Days->State(), dsPending);
    EXPECT_EQ(FilesOf(second), QStringList{QStringLiteral("plp")});
    ASSERT_EQ(Days->PlayList().Count(), static_cast<int>(rows.size()));
    for (int i = 0; i < Days->PlayList().Count(); ++i)
        EXPECT_EQ(S(Days->PlayList().Position(i).Title), S(rows[i].Title)) << i;
    EXPECT_NE(StatsSnapshot(), accepted) << "the second day's plays are gone";

    Prompt.DefaultAnswer = true;
    ASSERT_EQ(Days->Accept(), TDayResult::drDone);
    EXPECT_EQ(StatsSnapshot(), accepted);
    EXPECT_EQ(Bytes(pkHistory, second), history);
}

TEST_F(DaySafetyTest, TakingADayBackIsAskedFirst) {
    AcceptDay(FirstDay);
    const QStringList accepted = StatsSnapshot();
    Days->ShowDay(FirstDay);
    EXPECT_EQ(Days->Back(), TDayResult::drRefused);
    EXPECT_EQ(Days->State(), dsHistory);
    EXPECT_EQ(FilesOf(FirstDay), QStringList{QStringLiteral("plh")});
    EXPECT_EQ(StatsSnapshot(), accepted);
}

TEST_F(DaySafetyTest, ADayAcceptedWithoutItsPositionsIsNotTakenBack) {
    AcceptDay(FirstDay);
    MainBase->Connection().exec("DELETE FROM AcceptedDays");
    const QByteArray history = Bytes(pkHistory, FirstDay);
    const QStringList accepted = StatsSnapshot();
    Days->ShowDay(FirstDay);
    Prompt.Clear();
    Prompt.QueueAnswers({true});
    EXPECT_EQ(Days->Back(), TDayResult::drRefused);
    EXPECT_EQ(Prompt.Errors(),
              QStringList{Format(DayText::NoAcceptedRecord, {FormatShortDate(FirstDay)})});
    EXPECT_EQ(Days->State(), dsHistory);
    EXPECT_EQ(Bytes(pkHistory, FirstDay), history);
    EXPECT_EQ(StatsSnapshot(), accepted);
}

TEST_F(DaySafetyTest, AnAcceptanceWithoutItsMixLeavesTheDayPendingWithNothingRecorded) {
    GenerateDay(FirstDay);
    // The first song ends long before the next position starts: the export asks about it.
    TResultSongData& first = Days->PlayList().Position(0);
    first.DbTime = 1000;
    const QString blocked = Station.Path(QStringLiteral("plik"));
    ASSERT_TRUE(WriteFileBytes(blocked, "not a directory"));
    const struct {
        const char* What;
        QString ExportFile;
        QList<bool> Answers; // completeness, then the export's question
        TDayResult Result;
    } cases[] = {
        {"the dialog cancelled", QString(), {true}, TDayResult::drRefused},
        {"stopped at the export's question",
         Station.Path(QStringLiteral("dzien")),
         {true, false},
         TDayResult::drRefused},
        {"the file cannot be written",
         blocked + QStringLiteral("/dzien"),
         {true, true},
         TDayResult::drFailed},
    };
    for (const auto& c : cases) {
        Prompt.Clear();
        Host.ExportFile = c.ExportFile;
        for (const bool answer : c.Answers)
            Prompt.QueueAnswers({answer});
        EXPECT_EQ(Days->Accept(), c.Result) << c.What;
        EXPECT_EQ(Days->State(), dsPending) << c.What;
        EXPECT_TRUE(StatsSnapshot().isEmpty()) << c.What;
        EXPECT_FALSE(QFile::exists(PlanFilePath(pkHistory, FirstDay))) << c.What;
        EXPECT_FALSE(Prompt.Errors().isEmpty()) << c.What;
    }
    Days->ShowDay(FirstDay);
    EXPECT_EQ(FilesOf(FirstDay), (QStringList{QStringLiteral("plp"), QStringLiteral("plz")}));
    EXPECT_EQ(Days->PlayList().Position(0).DbTime, 1000) << "the edited list is kept";
}

TEST_F(DaySafetyTest, FileStepsOfAnInterruptedAcceptanceAreFinishedAtTheNextStart) {
    GenerateDay(FirstDay);
    Days->ShowDay(FirstDay);
    ASSERT_TRUE(QFile::exists(PlanFilePath(pkCurrent, FirstDay)));
    // What a run killed right after its commit leaves: the steps recorded, none carried out.
    const QString history = PlanFilePath(pkHistory, FirstDay);
    RecordFileSteps(*MainBase, {{TFileStepKind::fsWrite, history, "<PalyList>\r\n</PalyList>\r\n"},
                                {TFileStepKind::fsDelete, PlanFilePath(pkCurrent, FirstDay), {}}});
    Days.reset();
    ReleaseStores();
    ASSERT_TRUE(BringUpStores());
    EXPECT_EQ(ReadFileBytes(history), QByteArray("<PalyList>\r\n</PalyList>\r\n"));
    EXPECT_FALSE(QFile::exists(PlanFilePath(pkCurrent, FirstDay)));
    EXPECT_FALSE(HasFileSteps(*MainBase));
    Days = std::make_unique<TDayLifecycle>(Host);
}

TEST_F(DaySafetyTest, WithoutTheStoreNothingIsGeneratedOrAccepted) {
    GenerateDay(FirstDay);
    PlanDay(FirstDay.addDays(1));
    const QStringList pending = FilesOf(FirstDay);
    DoneMainBase();
    Prompt.Clear();
    Prompt.DefaultAnswer = true;
    EXPECT_EQ(Days->Generate(), TDayResult::drFailed);
    EXPECT_EQ(S(Prompt.Errors().value(0)), S(Format(DayText::GenerateError, {kStoreNotOpen})));
    EXPECT_EQ(Days->State(), dsFuture);

    Days->ShowDay(FirstDay);
    Prompt.Clear();
    EXPECT_EQ(Days->Accept(), TDayResult::drFailed);
    EXPECT_EQ(S(Prompt.Errors().value(0)), S(Format(kDatabaseWriteError, {kStoreNotOpen})));
    EXPECT_EQ(Days->State(), dsPending);
    EXPECT_EQ(FilesOf(FirstDay), pending);
}

TEST_F(DaySafetyTest, AGenerationTheStoreBreaksLeavesTheDayPlanned) {
    PlanDay(FirstDay);
    MainBase->Connection().exec("DROP TABLE DatSongs");
    Days->Seed = 5;
    EXPECT_EQ(Days->Generate(), TDayResult::drFailed);
    ASSERT_EQ(Prompt.Errors().size(), 1);
    EXPECT_TRUE(Prompt.Errors()[0].startsWith(QStringLiteral("Błąd losowania: ")))
        << S(Prompt.Errors()[0]);
    EXPECT_EQ(Days->State(), dsFuture);
    EXPECT_TRUE(Days->PlayList().IsEmpty());
    EXPECT_EQ(Days->DayClock().RowCount(), 3);
    Days->ShowNextDay();
    EXPECT_EQ(FilesOf(FirstDay), QStringList{QStringLiteral("plz")});
    EXPECT_TRUE(QDir(AppFilePath(kListDir)).entryList(QDir::Files).isEmpty());
}

TEST_F(DaySafetyTest, ADamagedPlanFileIsNeitherShownNorAcceptedNorRewritten) {
    GenerateDay(FirstDay);
    Days->ShowNextDay();
    const QString path = PlanFilePath(pkCurrent, FirstDay);
    QByteArray cut = ReadFileBytes(path);
    cut.chop(cut.size() / 3);
    ASSERT_TRUE(WriteFileBytes(path, cut));

    Prompt.Clear();
    Days->ShowDay(FirstDay);
    EXPECT_EQ(Days->State(), dsPending);
    EXPECT_TRUE(Days->PlayList().IsEmpty()) << "never half a day";
    ASSERT_EQ(Prompt.Errors().size(), 1);
    EXPECT_TRUE(Prompt.Errors()[0].endsWith(QStringLiteral("(plik jest niekompletny)")));
    Prompt.DefaultAnswer = true;
    EXPECT_EQ(Days->Accept(), TDayResult::drFailed);
    EXPECT_EQ(Days->Export(1), TDayResult::drFailed);
    EXPECT_EQ(S(Prompt.Errors().last()), S(Format(DayText::ListNotWhole, {path})));
    EXPECT_TRUE(StatsSnapshot().isEmpty());
    Days->ShowNextDay();
    EXPECT_TRUE(Days->SaveOnClose());
    EXPECT_EQ(ReadFileBytes(path), cut);
    EXPECT_FALSE(QFile::exists(PlanFilePath(pkHistory, FirstDay)));
}

TEST_F(DaySafetyTest, ADamagedClockIsNotGeneratedNorRewritten) {
    PlanDay(FirstDay);
    Days->ShowNextDay();
    const QString path = PlanFilePath(pkPlanned, FirstDay);
    QByteArray cut = ReadFileBytes(path);
    cut.chop(20);
    ASSERT_TRUE(WriteFileBytes(path, cut));

    Prompt.Clear();
    Days->ShowDay(FirstDay);
    EXPECT_EQ(Days->State(), dsFuture);
    EXPECT_EQ(Days->DayClock().RowCount(), 0) << "never half a clock";
    EXPECT_FALSE(Prompt.Errors().isEmpty());
    EXPECT_EQ(Days->Generate(), TDayResult::drFailed);
    EXPECT_EQ(S(Prompt.Errors().last()), S(Format(DayText::ClockNotWhole, {path})));
    Days->ShowNextDay();
    EXPECT_EQ(ReadFileBytes(path), cut);
    EXPECT_FALSE(QFile::exists(PlanFilePath(pkCurrent, FirstDay)));
}

TEST_F(DaySafetyTest, AFileThatIsNoClockIsNotChosen) {
    const QString notAClock = Station.Path(QStringLiteral("passwd"));
    ASSERT_TRUE(WriteFileBytes(notAClock, "root:x:0:0:root:/root:/bin/bash\n"));
    Host.ClockFile = notAClock;
    Days->ShowDay(FirstDay);
    EXPECT_EQ(Days->ChooseClock(), TDayResult::drFailed);
    EXPECT_EQ(Days->State(), dsEmpty);
    Days->ShowNextDay();
    EXPECT_TRUE(FilesOf(FirstDay).isEmpty());
}

} // namespace
