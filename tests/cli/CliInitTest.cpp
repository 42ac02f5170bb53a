#include "cli/uCliMain.h"
#include "foundation/uAppPaths.h"
#include "settings/uDefaultStation.h"
#include "settings/uSettings.h"
#include "support/CliRunner.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(CliInit, CreatesAStationThatIsTheRepositorysDefaultOne) {
    TTempStation scratch;
    const QString dir = scratch.Path(QStringLiteral("nowa/stacja"));
    const TCliRun run = RunCliCommand({QStringLiteral("--dir"), dir, QStringLiteral("init")});
    ASSERT_EQ(run.Code, ceDone) << run.Err.toStdString();

    const QStringList files = DefaultStationFiles();
    EXPECT_TRUE(files.contains(QStringLiteral("dnkat.xml")));
    for (const QString& file : files)
        EXPECT_EQ(ReadFileBytes(QDir(dir).filePath(file)),
                  ReadFileBytes(QStringLiteral(DOBIERALNIK_SOURCE_DIR "/station/") + file))
            << file.toStdString();

    // The new station comes up without a single complaint.
    SetProgramDir(dir);
    TRecordingPrompt prompt;
    InitOptions();
    EXPECT_TRUE(prompt.Boxes.isEmpty());
    DoneOptions();
}

TEST(CliInit, RefusesToOverwriteAnExistingStation) {
    TTempStation station;
    QFile dnkat(station.Path(QStringLiteral("dnkat.xml")));
    ASSERT_TRUE(dnkat.open(QIODevice::WriteOnly));
    dnkat.write("mine");
    dnkat.close();

    const TCliRun run =
        RunCliCommand({QStringLiteral("--dir"), station.Dir(), QStringLiteral("init")});
    EXPECT_EQ(run.Code, ceRefused);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("jest już stacja"))) << run.Err.toStdString();
    EXPECT_EQ(ReadFileBytes(station.Path(QStringLiteral("dnkat.xml"))), QByteArray("mine"));
    EXPECT_EQ(QDir(station.Dir()).entryList(QDir::Files), QStringList{QStringLiteral("dnkat.xml")});
}

TEST(CliInit, TakesNoArguments) {
    TTempStation station;
    const TCliRun run = RunCliCommand(
        {QStringLiteral("--dir"), station.Dir(), QStringLiteral("init"), QStringLiteral("x")});
    EXPECT_EQ(run.Code, ceUsage);
}

} // namespace
