#include "foundation/uFormat.h"
#include "library/uDBMainBase.h"
#include "library/uDBSchema.h"
#include "library/uProgress.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestText.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {

// What the progress windows of a test were told.
struct TProgressLog {
    int Windows = 0;
    QString Operation;
    int Max = -1;
    int Position = 0;
    QStringList Infos;
};

// A progress window that records instead of showing, and runs the work when executed.
class TRecordingProgressWindow final : public TProgressWindow {
public:
    explicit TRecordingProgressWindow(TProgressLog& log) : Log(log) {
        ++Log.Windows;
        Log.Operation = QStringLiteral("?");
        Log.Max = 100;
        Log.Position = 0;
    }
    void SetOperation(const QString& text) override { Log.Operation = text; }
    void SetInfo(const QString& text) override { Log.Infos.append(text); }
    void SetMax(int count) override { Log.Max = count; }
    void Advance(int count) override { Log.Position += count; }
    void Execute() override { RunWork(); }
    void PressCancel() { CancelAttached(); }

private:
    TProgressLog& Log;
};

// Installs recording windows for its lifetime.
class TProgressRecorder {
public:
    TProgressLog Log;
    TProgressRecorder() {
        SetProgressWindowFactory(
            [this] { return std::make_unique<TRecordingProgressWindow>(Log); });
    }
    ~TProgressRecorder() { SetProgressWindowFactory(nullptr); }
};

struct TOldRow {
    int StatsId;
    QByteArray StatsVal;
    double BeginTime;
    double EndTime;
    int BeginId;
    int EndId;
};

QList<TOldRow> OldRows(int count, int firstId) {
    QList<TOldRow> rows;
    for (int i = 0; i < count; ++i) {
        // Ids out of order, so keeping the order means keeping the table's order.
        const int id = firstId + (i * 7) % 5;
        rows.append({id, QByteArray(4 * (i + 1), char('a' + i)), 45000.0 + i, 45000.5 + i, 0, i});
    }
    return rows;
}

// Writes statistics tables as the versions before 2308 had them: no SId.
void WriteOldStats(const QString& databasePath, const QList<TOldRow>& stats,
                   const QList<TOldRow>& astats) {
    SQLite::Database db(databasePath.toStdString(), SQLite::OPEN_READWRITE);
    SetUpConnection(db);
    SQLite::Transaction transaction(db);
    for (const auto& [name, rows] : {std::pair{"Stats", stats}, std::pair{"AStats", astats}}) {
        db.exec(std::string("DROP TABLE ") + name);
        db.exec(std::string("CREATE TABLE ") + name +
                " (StatsId INTEGER, StatsVal BLOB, BeginTime REAL, EndTime REAL, "
                "BeginId INTEGER, EndId INTEGER)");
        SQLite::Statement insert(db,
                                 std::string("INSERT INTO ") + name + " VALUES (?, ?, ?, ?, ?, ?)");
        for (const TOldRow& row : rows) {
            insert.bind(1, row.StatsId);
            insert.bind(2, row.StatsVal.constData(), static_cast<int>(row.StatsVal.size()));
            insert.bind(3, row.BeginTime);
            insert.bind(4, row.EndTime);
            insert.bind(5, row.BeginId);
            insert.bind(6, row.EndId);
            insert.exec();
            insert.reset();
        }
    }
    transaction.commit();
}

class UpgradeTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    TProgressRecorder Progress;
    QString DatabasePath;

    // A station whose statistics tables are of the old layout.
    void SetUp() override {
        InitMainBase();
        DatabasePath = MainBase->DatabasePath();
        MainBase->ArtistsTable().Append({{QStringLiteral("Art_Name"), QStringLiteral("Kombi")}});
        DoneMainBase();
        Progress.Log = TProgressLog();
    }
    void TearDown() override { DoneMainBase(); }

    void ExpectRows(TDBTable& table, const QList<TOldRow>& expected) {
        TMainBaseQuery query;
        query.SetSQL(QStringLiteral("SELECT * FROM %1 ORDER BY SId").arg(table.Name()));
        qint64 previousSId = 0;
        int i = 0;
        for (query.Open(); !query.Eof(); query.Next(), ++i) {
            ASSERT_LT(i, expected.size()) << S(table.Name());
            const TOldRow& row = expected[i];
            EXPECT_GT(query.AsInt64(QStringLiteral("SId")), previousSId);
            previousSId = query.AsInt64(QStringLiteral("SId"));
            EXPECT_EQ(query.AsInteger(QStringLiteral("StatsId")), row.StatsId);
            EXPECT_EQ(query.AsBlob(QStringLiteral("StatsVal")), row.StatsVal);
            EXPECT_EQ(query.AsDateTime(QStringLiteral("BeginTime")), row.BeginTime);
            EXPECT_EQ(query.AsDateTime(QStringLiteral("EndTime")), row.EndTime);
            EXPECT_EQ(query.AsInteger(QStringLiteral("BeginId")), row.BeginId);
            EXPECT_EQ(query.AsInteger(QStringLiteral("EndId")), row.EndId);
        }
        EXPECT_EQ(i, expected.size()) << S(table.Name());
    }
};

struct TUpgradeCase {
    int StatsRows;
    int AStatsRows;
};

TEST_F(UpgradeTest, OldStatisticsAreRebuiltWithTheirRowsInOrder) {
    const TUpgradeCase cases[] = {{0, 0}, {3, 2}, {1, 0}, {0, 4}, {250, 40}};
    for (const TUpgradeCase& c : cases) {
        const QList<TOldRow> stats = OldRows(c.StatsRows, 10);
        const QList<TOldRow> astats = OldRows(c.AStatsRows, 1);
        WriteOldStats(DatabasePath, stats, astats);
        Progress.Log = TProgressLog();

        InitMainBase();
        SCOPED_TRACE(testing::Message() << c.StatsRows << " + " << c.AStatsRows << " rows");
        EXPECT_EQ(Progress.Log.Windows, 1);
        EXPECT_EQ(S(Progress.Log.Operation), "Trwa uaktualnienie bazy danych do wersji 2308.");
        EXPECT_EQ(Progress.Log.Max, c.StatsRows + c.AStatsRows);
        EXPECT_EQ(Progress.Log.Position, c.StatsRows + c.AStatsRows);
        EXPECT_EQ(Progress.Log.Infos,
                  QStringList(c.StatsRows + c.AStatsRows, QStringLiteral("Proszę czekać....")));
        ASSERT_TRUE(MainBase->StatsTable().HasField(QStringLiteral("SId")));
        ASSERT_TRUE(MainBase->AStatsTable().HasField(QStringLiteral("SId")));
        ExpectRows(MainBase->StatsTable(), stats);
        ExpectRows(MainBase->AStatsTable(), astats);
        EXPECT_TRUE(Prompt.Boxes.isEmpty());

        // New rows continue after the old ones.
        const qint64 next = MainBase->StatsTable().Append({{QStringLiteral("StatsId"), 1}});
        EXPECT_EQ(next, c.StatsRows + 1);

        // The next start finds the store current and opens no window.
        DoneMainBase();
        InitMainBase();
        EXPECT_EQ(Progress.Log.Windows, 1);
        EXPECT_EQ(MainBase->StatsTable().RecordCount(), c.StatsRows + 1);
        EXPECT_EQ(MainBase->ArtistsTable().RecordCount(), 2); // the rest of the store kept
        DoneMainBase();
    }
}

TEST_F(UpgradeTest, OnlyAStaleTableIsRebuilt) {
    InitMainBase();
    MainBase->StatsTable().Append({{QStringLiteral("StatsId"), 3}});
    DoneMainBase();
    {
        SQLite::Database db(DatabasePath.toStdString(), SQLite::OPEN_READWRITE);
        db.exec("DROP TABLE AStats");
        db.exec("CREATE TABLE AStats (StatsId INTEGER, StatsVal BLOB, BeginTime REAL, "
                "EndTime REAL, BeginId INTEGER, EndId INTEGER)");
        db.exec("INSERT INTO AStats (StatsId) VALUES (8), (9)");
    }
    InitMainBase();
    EXPECT_EQ(Progress.Log.Max, 2);
    EXPECT_EQ(Progress.Log.Position, 2);
    EXPECT_TRUE(MainBase->LocateSongStats(3));
    EXPECT_TRUE(MainBase->LocateArtistStats(9));
    EXPECT_TRUE(MainBase->AStatsTable().HasField(QStringLiteral("SId")));
}

TEST_F(UpgradeTest, AFailedSwapKeepsTheOldTablesAndTriesAgainNextTime) {
    const QList<TOldRow> stats = OldRows(3, 10);
    const QList<TOldRow> astats = OldRows(2, 1);
    WriteOldStats(DatabasePath, stats, astats);
    {
        // Renaming the rebuilt table fails while a view names the dropped one.
        SQLite::Database db(DatabasePath.toStdString(), SQLite::OPEN_READWRITE);
        db.exec("CREATE VIEW StatsView AS SELECT StatsId FROM Stats");
    }

    InitMainBase();
    ASSERT_EQ(Prompt.Errors().size(), 1);
    EXPECT_TRUE(Prompt.Errors()[0].startsWith(QStringLiteral("Błąd zapisu do bazy danych: \"")))
        << S(Prompt.Errors()[0]);
    EXPECT_TRUE(Prompt.Errors()[0].contains(QStringLiteral("StatsView"))) << S(Prompt.Errors()[0]);
    for (TDBTable* table : {&MainBase->StatsTable(), &MainBase->AStatsTable()}) {
        EXPECT_FALSE(table->HasField(QStringLiteral("SId"))) << S(table->Name());
        EXPECT_FALSE(MainBase->Connection().tableExists(S(table->Name() + "_2308")));
    }
    EXPECT_EQ(MainBase->StatsTable().RecordCount(), 3);
    EXPECT_EQ(MainBase->AStatsTable().RecordCount(), 2);
    EXPECT_TRUE(MainBase->LocateSongStats(stats[2].StatsId));

    MainBase->Connection().exec("DROP VIEW StatsView");
    DoneMainBase();
    Prompt.Clear();
    InitMainBase();
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
    ExpectRows(MainBase->StatsTable(), stats);
    ExpectRows(MainBase->AStatsTable(), astats);
}

TEST_F(UpgradeTest, WithoutAProgressWindowTheUpgradeStillRuns) {
    SetProgressWindowFactory(nullptr);
    WriteOldStats(DatabasePath, OldRows(2, 1), OldRows(1, 1));
    InitMainBase();
    EXPECT_TRUE(MainBase->StatsTable().HasField(QStringLiteral("SId")));
    EXPECT_EQ(MainBase->StatsTable().RecordCount(), 2);
    EXPECT_EQ(Progress.Log.Windows, 0);
}

// --- The progress contract

class TCountingOperation final : public TBasePrgressObject {
public:
    int Cancels = 0;
    void Cancel() override { ++Cancels; }
};

TEST(ProgressContract, AnOperationReportsOnlyThroughTheEventsSet) {
    TCountingOperation operation;
    EXPECT_FALSE(operation.OnMessage);
    EXPECT_FALSE(operation.OnStep);
    EXPECT_FALSE(operation.OnSetMax);
    operation.ReportMessage(QStringLiteral("x")); // nothing set: nothing happens
    operation.StepProgress();
    operation.SetProgressMax(3);

    QStringList calls;
    operation.OnMessage = [&](TBasePrgressObject* sender, const QString& text) {
        EXPECT_EQ(sender, &operation);
        calls.append(QStringLiteral("message ") + text);
    };
    operation.OnStep = [&](TBasePrgressObject* sender) {
        EXPECT_EQ(sender, &operation);
        calls.append(QStringLiteral("step"));
    };
    operation.OnSetMax = [&](TBasePrgressObject* sender, int count) {
        EXPECT_EQ(sender, &operation);
        calls.append(QStringLiteral("max %1").arg(count));
    };
    operation.SetProgressMax(2);
    operation.ReportMessage(QStringLiteral("a"));
    operation.StepProgress();
    EXPECT_EQ(calls, QStringList({QStringLiteral("max 2"), QStringLiteral("message a"),
                                  QStringLiteral("step")}));
}

TEST(ProgressContract, AnAttachedOperationDrivesTheWindowAndIsCancelled) {
    TProgressLog log;
    TCountingOperation operation;
    {
        TRecordingProgressWindow window(log);
        window.PressCancel(); // nothing attached: nothing to cancel
        window.Attach(&operation);
        EXPECT_EQ(window.Attached(), &operation);
        operation.SetProgressMax(4);
        operation.ReportMessage(QStringLiteral("Losowanie"));
        operation.StepProgress();
        operation.StepProgress();
        EXPECT_EQ(log.Max, 4);
        EXPECT_EQ(log.Position, 2);
        EXPECT_EQ(log.Infos, QStringList{QStringLiteral("Losowanie")});
        window.PressCancel();
        EXPECT_EQ(operation.Cancels, 1);

        window.Attach(nullptr);
        EXPECT_EQ(window.Attached(), nullptr);
        operation.StepProgress();
        EXPECT_EQ(log.Position, 2);
        window.PressCancel();
        EXPECT_EQ(operation.Cancels, 1);

        window.Attach(&operation);
    }
    // The window is gone; reporting must not reach it.
    operation.StepProgress();
    operation.ReportMessage(QStringLiteral("x"));
    EXPECT_FALSE(operation.OnStep);
}

TEST(ProgressContract, AnOperationGoneFirstLeavesTheWindow) {
    TProgressLog log;
    TRecordingProgressWindow window(log);
    {
        TCountingOperation operation;
        window.Attach(&operation);
    }
    EXPECT_EQ(window.Attached(), nullptr);
    window.PressCancel(); // must not reach the operation that is gone
}

struct TWorkCase {
    const char* What;
    bool Execute;
    bool Procedure;
    bool Done;
    const char* Calls;
};

TEST(ProgressContract, TheWindowRunsOneWorkThenDone) {
    const TWorkCase cases[] = {
        {"nothing set", false, false, false, ""},
        {"both set: only OnExecute", true, true, true, "execute,done"},
        {"the plain procedure", false, true, true, "procedure,done"},
        {"no done", true, false, false, "execute"},
        {"only done", false, false, true, "done"},
    };
    for (const TWorkCase& c : cases) {
        TProgressLog log;
        TRecordingProgressWindow window(log);
        QStringList calls;
        if (c.Execute)
            window.OnExecute = [&] { calls.append(QStringLiteral("execute")); };
        if (c.Procedure)
            window.Procedure = [&] { calls.append(QStringLiteral("procedure")); };
        if (c.Done)
            window.OnDone = [&] { calls.append(QStringLiteral("done")); };
        window.Execute();
        EXPECT_EQ(S(calls.join(QLatin1Char(','))), c.Calls) << c.What;
    }
}

TEST(ProgressContract, AnErrorInTheWorkIsShownAndEndsIt) {
    TRecordingPrompt prompt;
    TProgressLog log;
    TRecordingProgressWindow window(log);
    window.OnExecute = [] { throw std::runtime_error("Błąd losowania"); };
    window.Execute();
    EXPECT_EQ(prompt.Errors(), QStringList{QStringLiteral("Błąd losowania")});
}

TEST(ProgressContract, StepsFillTheBarAndKeepTheInterfaceAlive) {
    TRecordingPrompt prompt;
    TProgressLog log;
    TRecordingProgressWindow window(log);
    const int steps = 5;
    window.SetMax(steps);
    for (int i = 1; i <= steps; ++i)
        window.Step(1, QStringLiteral("Krok %1").arg(i));
    EXPECT_EQ(log.Position, log.Max);
    EXPECT_EQ(S(log.Infos.last()), "Krok 5");
    EXPECT_EQ(prompt.EventsProcessed, steps);
}

TEST(ProgressContract, WithoutAFactoryTheWorkRunsAtOnce) {
    SetProgressWindowFactory(nullptr);
    std::unique_ptr<TProgressWindow> window = NewProgressWindow();
    ASSERT_TRUE(window);
    bool ran = false;
    window->OnExecute = [&] { ran = true; };
    window->Execute();
    EXPECT_TRUE(ran);
}

} // namespace
