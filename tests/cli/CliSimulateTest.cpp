#include "cli/uCliMain.h"
#include "support/CliRunner.h"
#include "support/TempStation.h"
#include "ui/StationSnapshot.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

// "simulate FROM --days N": days planned, generated and accepted on a private copy, the
// station itself left byte for byte as it was.

namespace {

class CliSimulateTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = Station.Path(QStringLiteral("stacja"));
        const TCliRun demo = RunCliCommand({QStringLiteral("--dir"), Dir, QStringLiteral("demo"),
                                            QStringLiteral("--songs"), QStringLiteral("600"),
                                            QStringLiteral("--seed"), QStringLiteral("3")});
        ASSERT_EQ(demo.Code, ceDone) << demo.Err.toStdString();
    }
    TCliRun Run(QStringList args) {
        args.prepend(Dir);
        args.prepend(QStringLiteral("--dir"));
        return RunCliCommand(args);
    }

    TTempStation Station;
    QString Dir;
    const QDate Today = QDate::currentDate();
};

TEST_F(CliSimulateTest, AWeekRunsOnACopyAndTheStationStaysAsItWas) {
    const auto before = StationSnapshot(Dir);
    const TCliRun run =
        Run({QStringLiteral("simulate"), Today.toString(Qt::ISODate), QStringLiteral("--days"),
             QStringLiteral("7"), QStringLiteral("--seed"), QStringLiteral("4"),
             QStringLiteral("--json")});
    EXPECT_NE(run.Code, ceFileError) << run.Err.toStdString();
    EXPECT_EQ(StationSnapshot(Dir), before);

    const QJsonObject root = QJsonDocument::fromJson(run.Out.toUtf8()).object();
    EXPECT_FALSE(root.contains(QStringLiteral("error")));
    const QJsonArray days = root[QStringLiteral("days")].toArray();
    ASSERT_EQ(days.size(), 7);
    for (int i = 0; i < days.size(); ++i) {
        const QJsonObject day = days[i].toObject();
        EXPECT_EQ(day[QStringLiteral("date")].toString(), Today.addDays(i).toString(Qt::ISODate));
        EXPECT_GT(day[QStringLiteral("summary")].toObject()[QStringLiteral("positions")].toInt(),
                  0);
    }
    int plays = 0;
    for (const QJsonValue& category : root[QStringLiteral("categories")].toArray()) {
        const QJsonObject c = category.toObject();
        EXPECT_FALSE(c[QStringLiteral("name")].toString().isEmpty());
        EXPECT_LE(c[QStringLiteral("never_played")].toInt(), c[QStringLiteral("songs")].toInt());
        plays += c[QStringLiteral("plays")].toInt();
    }
    EXPECT_GT(plays, 0);
}

TEST_F(CliSimulateTest, TheSameSeedGivesTheSameRun) {
    const QStringList args{QStringLiteral("simulate"), Today.toString(Qt::ISODate),
                           QStringLiteral("--days"),   QStringLiteral("2"),
                           QStringLiteral("--seed"),   QStringLiteral("9")};
    EXPECT_EQ(Run(args).Out, Run(args).Out);
}

TEST_F(CliSimulateTest, WrongUse) {
    const QString today = Today.toString(Qt::ISODate);
    struct TCase {
        QStringList Args;
        const char* Error;
    } cases[] = {
        {{today}, "Opcja --days wymaga liczby dni od 1 do 366."},
        {{today, QStringLiteral("--days"), QStringLiteral("0")},
         "Opcja --days wymaga liczby dni od 1 do 366."},
        {{QStringLiteral("jutro"), QStringLiteral("--days"), QStringLiteral("3")},
         "Błędna data \"jutro\": podaj RRRR-MM-DD."},
        {{today, QStringLiteral("--days"), QStringLiteral("3"), QStringLiteral("--clock"),
          QStringLiteral("Brak.ctm")},
         "Nie ma pliku zegara \"Brak.ctm\"."},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Error);
        const TCliRun run = Run(QStringList{QStringLiteral("simulate")} + c.Args);
        EXPECT_EQ(run.Code, ceUsage);
        EXPECT_EQ(run.Err.trimmed(), QString::fromUtf8(c.Error));
    }
}

} // namespace
