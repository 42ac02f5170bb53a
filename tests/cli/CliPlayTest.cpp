#include "cli/uCliMain.h"
#include "foundation/uAppPaths.h"
#include "foundation/uTextFile.h"
#include "library/uDBMainBase.h"
#include "library/uLibraryEntities.h"
#include "support/CliRunner.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"
#include "support/TestText.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>

// play on a station with one imported song and a player that notes what it was given.

namespace {

const char* const kNotingPlayer = R"(#!/bin/sh
printf '%s\n' "$@" > "$(dirname "$0")/args.tmp"
mv "$(dirname "$0")/args.tmp" "$(dirname "$0")/args"
)";

class CliPlayTest : public ::testing::Test {
protected:
    TTempStation Scratch;
    QString Dir;

    void SetUp() override {
        Dir = Scratch.Path(QStringLiteral("stacja"));
        ASSERT_EQ(RunCliCommand({QStringLiteral("--dir"), Dir, QStringLiteral("init")}).Code,
                  ceDone);
    }
    TCliRun Run(const QStringList& args) {
        return RunCliCommand(QStringList{QStringLiteral("--dir"), Dir, QStringLiteral("play")} +
                             args);
    }
};

TEST_F(CliPlayTest, PlaysAnImportedSong) {
    const QString audio = QDir(Dir).filePath(QStringLiteral("moja piosenka.mp3"));
    ASSERT_TRUE(WriteFileBytes(audio, {}));
    const QString dat = QDir(Dir).filePath(QStringLiteral("moja piosenka.dat"));
    ASSERT_TRUE(WriteTextLines(dat, {QStringLiteral("Wyk=W"), QStringLiteral("Tyt=T")}));
    ASSERT_EQ(RunCliCommand({QStringLiteral("--dir"), Dir, QStringLiteral("import-dat"), dat}).Code,
              ceDone);
    const QString player = QDir(Dir).filePath(QStringLiteral("graj.sh"));
    ASSERT_TRUE(WriteFileBytes(player, kNotingPlayer));
    QFile::setPermissions(player, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    SetProgramDir(Dir);
    ASSERT_TRUE(WriteTextLines(AppFilePath(QStringLiteral("odtwarzacz.dat")),
                               {player, QStringLiteral("-q %s")}));
    int songId = -1;
    InitMainBase();
    if (const auto row = MainBase->BaseSongsTable().Locate(
            QStringLiteral("Art_Id;Title"), {FindArtist(QStringLiteral("W"), false), "T"}))
        songId = static_cast<int>(row->RowId());
    DoneMainBase();
    ASSERT_NE(songId, -1);

    const TCliRun run = Run({QString::number(songId)});
    EXPECT_EQ(run.Code, ceDone) << S(run.Err);
    const QString args = QDir(Dir).filePath(QStringLiteral("args"));
    QDeadlineTimer deadline(10000);
    while (!QFileInfo::exists(args) && !deadline.hasExpired())
        QThread::msleep(20);
    EXPECT_EQ(S(QString::fromUtf8(ReadFileBytes(args))),
              S(QStringLiteral("-q\n") + QFileInfo(audio).absoluteFilePath() + '\n'));
}

TEST_F(CliPlayTest, UnknownSongsAndWrongArguments) {
    const TCliRun unknown = Run({QStringLiteral("4711")});
    EXPECT_EQ(unknown.Code, ceRefused);
    EXPECT_EQ(S(unknown.Err.trimmed()), "Nieznany identyfikator utworu.");
    EXPECT_EQ(Run({}).Code, ceUsage);
    EXPECT_EQ(Run({QStringLiteral("x")}).Code, ceUsage);
    EXPECT_EQ(Run({QStringLiteral("1"), QStringLiteral("2")}).Code, ceUsage);
}

} // namespace
