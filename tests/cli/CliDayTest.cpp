#include "cli/uCliMain.h"
#include "foundation/uAppPaths.h"
#include "support/CliRunner.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

// The day commands on a demo station: days planned, generated and accepted from the command
// line, the state and the files checked after each step.

namespace {

QString Iso(const QDate& date) {
    return date.toString(Qt::ISODate);
}

class CliDayTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Template = new TTempStation;
        const QString dir = Template->Path(QStringLiteral("stacja"));
        ASSERT_EQ(RunCliCommand({QStringLiteral("--dir"), dir, QStringLiteral("init")}).Code,
                  ceDone);
        const TCliRun demo = RunCliCommand({QStringLiteral("--dir"), dir, QStringLiteral("demo"),
                                            QStringLiteral("--songs"), QStringLiteral("10000"),
                                            QStringLiteral("--seed"), QStringLiteral("3")});
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
    QString State(const QDate& date) {
        return Run({QStringLiteral("state"), Iso(date)}).Out.trimmed();
    }
    // The date's plan files that exist, as "plh", "plp", "plz".
    QStringList FilesOf(const QDate& date) const {
        QStringList files;
        const QString key = date.toString(QStringLiteral("yyyyMMdd"));
        for (const char* kind : {"Historia/%1.plh", "Biezacy/%1.plp", "Plan/%1.plz"})
            if (QFileInfo::exists(QDir(Dir).filePath(QStringLiteral("Plan/") +
                                                     QString::fromLatin1(kind).arg(key))))
                files << QFileInfo(QString::fromLatin1(kind)).suffix();
        return files;
    }

    static TTempStation* Template;
    TTempStation Station;
    QString Dir;
    // The demo station's history begins on the day it was made.
    const QDate Today = QDate::currentDate();
};

TTempStation* CliDayTest::Template = nullptr;

const QString kWeekday = QStringLiteral("Dzień powszedni.ctm");

TEST_F(CliDayTest, TwoConsecutiveDaysFromEmptyToHistory) {
    for (const QDate& day : {Today, Today.addDays(1)}) {
        SCOPED_TRACE(Iso(day).toStdString());
        EXPECT_EQ(State(day), QStringLiteral("empty"));

        TCliRun run = Run({QStringLiteral("plan"), Iso(day), kWeekday});
        ASSERT_EQ(run.Code, ceDone) << run.Err.toStdString();
        EXPECT_EQ(State(day), QStringLiteral("future"));
        EXPECT_EQ(FilesOf(day), QStringList{QStringLiteral("plz")});

        run = Run(
            {QStringLiteral("generate"), Iso(day), QStringLiteral("--seed"), QStringLiteral("11")});
        ASSERT_EQ(run.Code, ceDone) << run.Err.toStdString();
        EXPECT_EQ(State(day), QStringLiteral("pending"));
        EXPECT_EQ(FilesOf(day), (QStringList{QStringLiteral("plp"), QStringLiteral("plz")}));

        run = Run({QStringLiteral("show"), Iso(day)});
        ASSERT_EQ(run.Code, ceDone);
        const QStringList lines = run.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        EXPECT_GT(lines.size(), 200);
        EXPECT_TRUE(lines.first().startsWith(QStringLiteral("00:00:00.000\t")))
            << lines.first().toStdString();
        EXPECT_EQ(lines.first().split(QLatin1Char('\t')).size(), 5);

        run = Run({QStringLiteral("--yes"), QStringLiteral("accept"), Iso(day)});
        ASSERT_EQ(run.Code, ceDone) << run.Err.toStdString();
        EXPECT_EQ(State(day), QStringLiteral("history"));
        EXPECT_EQ(FilesOf(day), QStringList{QStringLiteral("plh")});
        EXPECT_TRUE(QFileInfo::exists(QDir(Dir).filePath(
            QStringLiteral("PlayListy/") + day.toString(QStringLiteral("yyyyMMdd")) + ".mix")));
        // The accepted day reads back from its history.
        run = Run({QStringLiteral("show"), Iso(day)});
        EXPECT_EQ(run.Out.count(QLatin1Char('\n')), lines.size());
    }
}

TEST_F(CliDayTest, DaysFollowTheirOrder) {
    const QDate next = Today.addDays(1);
    ASSERT_EQ(Run({QStringLiteral("plan"), Iso(next), kWeekday}).Code, ceDone);
    TCliRun run = Run({QStringLiteral("generate"), Iso(next)});
    EXPECT_EQ(run.Code, ceRefused);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("Najpierw należy ułożyć play liste")))
        << run.Err.toStdString();
    EXPECT_EQ(State(next), QStringLiteral("future"));

    ASSERT_EQ(Run({QStringLiteral("plan"), Iso(Today), kWeekday}).Code, ceDone);
    ASSERT_EQ(Run({QStringLiteral("generate"), Iso(Today)}).Code, ceDone);
    ASSERT_EQ(Run({QStringLiteral("generate"), Iso(next)}).Code, ceDone);
    run = Run({QStringLiteral("--yes"), QStringLiteral("accept"), Iso(next)});
    EXPECT_EQ(run.Code, ceRefused);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("Najpierw należy zaakceptować")))
        << run.Err.toStdString();
    EXPECT_EQ(State(next), QStringLiteral("pending"));
}

TEST_F(CliDayTest, BackAndExportsOfAPendingDay) {
    ASSERT_EQ(Run({QStringLiteral("plan"), Iso(Today), kWeekday}).Code, ceDone);
    ASSERT_EQ(Run({QStringLiteral("generate"), Iso(Today)}).Code, ceDone);

    const QString mix = Station.Path(QStringLiteral("dzien.mix"));
    const QString txt = Station.Path(QStringLiteral("dzien.txt"));
    EXPECT_EQ(Run({QStringLiteral("--yes"), QStringLiteral("export-mix"), Iso(Today), mix}).Code,
              ceDone);
    EXPECT_EQ(Run({QStringLiteral("export-txt"), Iso(Today), txt}).Code, ceDone);
    EXPECT_TRUE(QFileInfo(mix).size() > 0);
    EXPECT_TRUE(QFileInfo(txt).size() > 0);

    TCliRun run = Run({QStringLiteral("back"), Iso(Today)});
    EXPECT_EQ(run.Code, ceRefused) << "the question is answered No";
    EXPECT_TRUE(run.Err.contains(QStringLiteral("Play lista zostanie skasowana")));
    EXPECT_EQ(State(Today), QStringLiteral("pending"));
    EXPECT_EQ(Run({QStringLiteral("--yes"), QStringLiteral("back"), Iso(Today)}).Code, ceDone);
    EXPECT_EQ(State(Today), QStringLiteral("future"));
    EXPECT_EQ(Run({QStringLiteral("--yes"), QStringLiteral("back"), Iso(Today)}).Code, ceDone);
    EXPECT_EQ(State(Today), QStringLiteral("empty"));
    EXPECT_EQ(Run({QStringLiteral("back"), Iso(Today)}).Code, ceRefused);
}

TEST_F(CliDayTest, WrongUseIsRefusedWithItsCode) {
    struct TCase {
        QStringList Args;
        int Code;
    };
    const TCase cases[] = {
        {{QStringLiteral("state"), QStringLiteral("2025-02-30")}, ceUsage},
        {{QStringLiteral("state"), QStringLiteral("10.12.2026")}, ceUsage},
        {{QStringLiteral("state")}, ceUsage},
        {{QStringLiteral("plan"), Iso(Today)}, ceUsage},
        {{QStringLiteral("generate"), Iso(Today), QStringLiteral("--seed"), QStringLiteral("x")},
         ceUsage},
        {{QStringLiteral("plan"), Iso(Today), QStringLiteral("brak.ctm")}, ceFileError},
        {{QStringLiteral("generate"), Iso(Today)}, ceRefused},
        {{QStringLiteral("accept"), Iso(Today)}, ceRefused},
        {{QStringLiteral("export-mix"), Iso(Today), QStringLiteral("x.mix")}, ceRefused},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Args.join(QLatin1Char(' ')).toStdString());
        const TCliRun run = Run(c.Args);
        EXPECT_EQ(run.Code, c.Code) << run.Err.toStdString();
        EXPECT_FALSE(run.Err.isEmpty());
    }
    EXPECT_EQ(State(Today), QStringLiteral("empty"));
}

} // namespace
