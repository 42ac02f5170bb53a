#include "cli/uCliMain.h"
#include "cli/uDemoClock.h"
#include "support/CliRunner.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <string>

// "report DATE [--json]" on a demo station: freshly generated days keep every rule, and the
// exit codes and the JSON are what scripts rely on.

namespace {

QString Iso(const QDate& date) {
    return date.toString(Qt::ISODate);
}

// The broken rules of a JSON report, one line each, for a readable failure.
std::string BrokenPlacements(const QJsonObject& report) {
    std::string text;
    for (const QJsonValue& value : report["positions"].toArray()) {
        const QJsonObject position = value.toObject();
        const QJsonObject checks = position["checks"].toObject();
        for (auto it = checks.begin(); it != checks.end(); ++it)
            if (it.value().toString() == QStringLiteral("broken"))
                text += QStringLiteral("%1 at %2 ms, song %3 (%4 - %5), slot \"%6\"\n")
                            .arg(it.key())
                            .arg(position["start_ms"].toInt())
                            .arg(position["song_id"].toInt())
                            .arg(position["artist"].toString(), position["title"].toString(),
                                 position["slot"].toString())
                            .toStdString();
    }
    return text;
}

class CliReportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Template = new TTempStation;
        const TCliRun demo =
            RunCliCommand({QStringLiteral("--dir"), Template->Path(QStringLiteral("stacja")),
                           QStringLiteral("demo"), QStringLiteral("--songs"),
                           QStringLiteral("3000"), QStringLiteral("--seed"), QStringLiteral("5")});
        ASSERT_EQ(demo.Code, ceDone) << demo.Err.toStdString();
    }
    static void TearDownTestSuite() {
        delete Template;
        Template = nullptr;
    }

    void SetUp() override {
        Dir = Station.Path(QStringLiteral("stacja"));
        ASSERT_TRUE(CopyDirectory(Template->Path(QStringLiteral("stacja")), Dir));
    }

    TCliRun Run(QStringList args) {
        args.prepend(Dir);
        args.prepend(QStringLiteral("--dir"));
        return RunCliCommand(args);
    }
    void Generate(const QDate& day, const QString& clock, int seed) {
        ASSERT_EQ(Run({QStringLiteral("plan"), Iso(day), clock}).Code, ceDone);
        const TCliRun run = Run({QStringLiteral("generate"), Iso(day), QStringLiteral("--seed"),
                                 QString::number(seed)});
        ASSERT_EQ(run.Code, ceDone) << run.Err.toStdString();
    }
    QJsonObject JsonReport(const QDate& day, int* code = nullptr) {
        const TCliRun run = Run({QStringLiteral("report"), Iso(day), QStringLiteral("--json")});
        if (code)
            *code = run.Code;
        EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(run.Out.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << run.Out.left(200).toStdString();
        return document.object();
    }
    QString ReportPath(const QDate& day) const {
        return QDir(Dir).filePath(QStringLiteral("Plan/Historia/") +
                                  day.toString(QStringLiteral("yyyyMMdd")) +
                                  QStringLiteral(".rpt.json"));
    }

    static TTempStation* Template;
    TTempStation Station;
    QString Dir;
    // The demo station's history begins on the day it was made.
    const QDate Today = QDate::currentDate();
};

TTempStation* CliReportTest::Template = nullptr;

const QString kWeekday = QStringLiteral("Dzień powszedni.ctm");

// The generator's own days, checked by the report's separate reading of the rules: the demo's
// clock (fixed hours, a fixed list, the news broadcast, conditions) and the weekday clock, the
// second day looking back on the first. Fixed days before the station's first one (no order
// rule binds them), so the blockades of weekdays and dates are the same whenever it runs.
TEST_F(CliReportTest, FreshlyGeneratedDemoDaysBreakNoRule) {
    const struct {
        QDate Day;
        QString Clock;
    } days[] = {{QDate(2024, 5, 15), DemoClockName + QStringLiteral(".ctm")},
                {QDate(2024, 5, 16), kWeekday}};
    int seed = 1;
    for (const auto& day : days) {
        SCOPED_TRACE(Iso(day.Day).toStdString());
        Generate(day.Day, day.Clock, seed++);
        int code = -1;
        const QJsonObject report = JsonReport(day.Day, &code);
        const QJsonObject summary = report["summary"].toObject();
        EXPECT_EQ(code, ceDone) << BrokenPlacements(report);
        EXPECT_EQ(summary["broken"].toInt(-1), 0) << BrokenPlacements(report);
        EXPECT_GT(summary["songs"].toInt(), 200);
        EXPECT_GT(summary["fixed_hours"].toInt(), 0);
        EXPECT_EQ(summary["max_fixed_drift_ms"].toInt(-1), 0);
        // Every position found its slot, broadcast items and the fixed list included.
        for (const QJsonValue& value : report["positions"].toArray())
            EXPECT_FALSE(value.toObject()["slot"].toString().isEmpty())
                << value.toObject()["start_ms"].toInt();
    }
}

TEST_F(CliReportTest, TheJsonHoldsTheDayItsPositionsAndTotals) {
    Generate(Today, kWeekday, 3);
    const QJsonObject report = JsonReport(Today);
    EXPECT_EQ(report["date"].toString(), Iso(Today));
    const QJsonArray positions = report["positions"].toArray();
    ASSERT_FALSE(positions.isEmpty());
    for (const char* key : {"start_ms", "end_ms", "song_id", "category", "checks", "slot"})
        EXPECT_TRUE(positions[0].toObject().contains(QString::fromLatin1(key))) << key;
    const QJsonObject summary = report["summary"].toObject();
    for (const char* key : {"positions", "songs", "gaps", "gap_ms", "max_gap_ms", "cuts", "cut_ms",
                            "broken", "relaxed", "fixed_hours", "max_fixed_drift_ms"})
        EXPECT_TRUE(summary.contains(QString::fromLatin1(key))) << key;
    EXPECT_EQ(summary["positions"].toInt(), positions.size());
    EXPECT_FALSE(report["hours"].toArray().isEmpty());

    const TCliRun text = Run({QStringLiteral("report"), Iso(Today)});
    EXPECT_EQ(text.Code, ceDone);
    EXPECT_TRUE(text.Out.startsWith(QStringLiteral("Raport dnia ") + Iso(Today)));
    EXPECT_TRUE(text.Out.contains(QStringLiteral("Złamane reguły: 0")));
}

// An accepted day shows its stored report when it has one, else one made from its history.
TEST_F(CliReportTest, AnAcceptedDay) {
    Generate(Today, kWeekday, 4);
    const QJsonObject pending = JsonReport(Today);
    ASSERT_EQ(Run({QStringLiteral("--yes"), QStringLiteral("accept"), Iso(Today)}).Code, ceDone);

    // Made from the history file (a report stored at acceptance would take its place).
    QFile::remove(ReportPath(Today));
    int code = -1;
    const QJsonObject fromHistory = JsonReport(Today, &code);
    EXPECT_EQ(fromHistory["positions"].toArray().size(), pending["positions"].toArray().size());
    EXPECT_EQ(fromHistory["summary"].toObject()["songs"], pending["summary"].toObject()["songs"]);
    // Without the clock the slots are unknown; the relaxed placements of the generator are no
    // longer known either and show as broken.
    EXPECT_EQ(code, fromHistory["summary"].toObject()["broken"].toInt() > 0 ? ceRefused : ceDone);
    EXPECT_TRUE(fromHistory["positions"].toArray()[0].toObject()["slot"].toString().isEmpty());

    // A stored report with a broken rule: shown as it is, exit 1.
    QJsonObject stored = pending;
    QJsonArray positions = stored["positions"].toArray();
    qsizetype song = 0;
    while (song < positions.size() &&
           !positions[song].toObject()["checks"].toObject().contains(QStringLiteral("labels")))
        ++song;
    ASSERT_LT(song, positions.size());
    QJsonObject position = positions[song].toObject();
    QJsonObject checks = position["checks"].toObject();
    checks[QStringLiteral("labels")] = QStringLiteral("broken");
    position["checks"] = checks;
    positions[song] = position;
    stored["positions"] = positions;
    QJsonObject summary = stored["summary"].toObject();
    summary["broken"] = summary["broken"].toInt() + 1;
    QJsonObject byRule = summary["broken_by_rule"].toObject();
    byRule["labels"] = byRule["labels"].toInt() + 1;
    summary["broken_by_rule"] = byRule;
    stored["summary"] = summary;
    ASSERT_TRUE(WriteFileBytes(ReportPath(Today), QJsonDocument(stored).toJson()));
    EXPECT_EQ(JsonReport(Today, &code), stored);
    EXPECT_EQ(code, ceRefused);

    ASSERT_TRUE(WriteFileBytes(ReportPath(Today), "{\"date\": \"2024"));
    const TCliRun damaged = Run({QStringLiteral("report"), Iso(Today)});
    EXPECT_EQ(damaged.Code, ceFileError);
    EXPECT_TRUE(damaged.Err.contains(QStringLiteral("Błąd podczas ładowania pliku")))
        << damaged.Err.toStdString();
    EXPECT_TRUE(damaged.Out.isEmpty());
}

// "accept" keeps the pending day's report with its history; "back" takes it away with the day.
TEST_F(CliReportTest, AcceptingKeepsTheDaysReportAndBackRemovesIt) {
    Generate(Today, kWeekday, 6);
    const QJsonObject pending = JsonReport(Today);
    ASSERT_EQ(Run({QStringLiteral("--yes"), QStringLiteral("accept"), Iso(Today)}).Code, ceDone);
    ASSERT_TRUE(QFile::exists(ReportPath(Today)));
    // The stored report is the pending day's, clock slots and all.
    EXPECT_EQ(JsonReport(Today), pending);

    ASSERT_EQ(Run({QStringLiteral("--yes"), QStringLiteral("back"), Iso(Today)}).Code, ceDone);
    EXPECT_FALSE(QFile::exists(ReportPath(Today)));
}

TEST_F(CliReportTest, DaysWithoutAPlayListAndWrongUse) {
    ASSERT_EQ(Run({QStringLiteral("plan"), Iso(Today.addDays(1)), kWeekday}).Code, ceDone);
    const struct {
        QStringList Args;
        int Code;
        const char* Says;
    } cases[] = {
        {{QStringLiteral("report"), Iso(Today)}, ceFileError, "ma stan empty"},
        {{QStringLiteral("report"), Iso(Today.addDays(1)), QStringLiteral("--json")},
         ceFileError,
         "ma stan future"},
        {{QStringLiteral("report")}, ceUsage, "Błędna liczba argumentów"},
        {{QStringLiteral("report"), QStringLiteral("jutro")}, ceUsage, "Błędna data"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Args.join(QLatin1Char(' ')).toStdString());
        const TCliRun run = Run(c.Args);
        EXPECT_EQ(run.Code, c.Code);
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Says))) << run.Err.toStdString();
        EXPECT_TRUE(run.Out.isEmpty());
    }
}

} // namespace
