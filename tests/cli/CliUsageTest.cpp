#include "cli/uCliMain.h"
#include "support/CliRunner.h"
#include "support/TempStation.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

TEST(CliUsage, HelpAndVersion) {
    TTempStation station;
    const TCliRun help =
        RunCliCommand({QStringLiteral("--dir"), station.Dir(), QStringLiteral("--help")});
    EXPECT_EQ(help.Code, ceDone);
    EXPECT_TRUE(help.Out.contains(QStringLiteral("Użycie: dobieralnik-cli")));

    const TCliRun version = RunCliCommand({QStringLiteral("--version")});
    EXPECT_EQ(version.Code, ceDone);
    EXPECT_TRUE(version.Out.startsWith(QStringLiteral("dobieralnik-cli ")));
}

TEST(CliUsage, WrongUsageExitsWithTwo) {
    struct TCase {
        QStringList Args;
        const char* ErrorPart;
    };
    const TCase cases[] = {
        {{}, ""},
        {{QStringLiteral("frobnicate")}, "Nieznane polecenie"},
        {{QStringLiteral("--dir")}, "--dir"},
        {{QStringLiteral("--dir"), QStringLiteral("/no/such/station"), QStringLiteral("--help")},
         "nie istnieje"},
    };
    for (const TCase& c : cases) {
        const TCliRun run = RunCliCommand(c.Args);
        EXPECT_EQ(run.Code, ceUsage) << c.Args.join(' ').toStdString();
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.ErrorPart))) << run.Err.toStdString();
    }
}

TEST(CliUsage, TheProgramItselfAnswersHelp) {
    TTempStation station;
    QProcess cli;
    cli.start(QStringLiteral(DOBIERALNIK_CLI_PATH),
              {QStringLiteral("--dir"), station.Dir(), QStringLiteral("--help")});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_TRUE(
        QString::fromUtf8(cli.readAllStandardOutput()).contains(QStringLiteral("--dir KATALOG")));
}

} // namespace
