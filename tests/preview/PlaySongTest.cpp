#include "foundation/uAppPaths.h"
#include "foundation/uTextFile.h"
#include "library/uSongData.h"
#include "preview/uExecFile.h"
#include "preview/uPlaySong.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"
#include "support/TestText.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>
#include <string>

namespace {

// A player that writes its working directory and its arguments, one a line, to
// "run.<pid>.args" beside itself, then stays until a "release" file appears there (or a while
// has passed) and leaves "run.<pid>.done" when it ends.
const char* const kFakePlayer = R"(#!/bin/sh
here=$(dirname "$0")
out="$here/run.$$"
pwd > "$out.tmp"
for a in "$@"; do printf '%s\n' "$a" >> "$out.tmp"; done
mv "$out.tmp" "$out.args"
i=0
while [ ! -e "$here/release" ] && [ $i -lt 400 ]; do sleep 0.05; i=$((i+1)); done
: > "$out.done"
)";

class PlaySongTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    QString PlayerDir;
    QString Player;

    void SetUp() override {
        PlayerDir = Station.Path(QStringLiteral("odtwarzacz dir"));
        ASSERT_TRUE(QDir().mkpath(PlayerDir));
        Player = QDir(PlayerDir).filePath(QStringLiteral("graj.sh"));
        ASSERT_TRUE(WriteFileBytes(Player, kFakePlayer));
        QFile::setPermissions(Player, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void TearDown() override {
        // Lets every player started end before its directory goes.
        WriteFileBytes(QDir(PlayerDir).filePath(QStringLiteral("release")), {});
        const int started = Files(QStringLiteral("*.args")).size();
        QDeadlineTimer deadline(10000);
        while (Files(QStringLiteral("*.done")).size() < started && !deadline.hasExpired())
            QThread::msleep(20);
    }

    void WriteConfig(const QStringList& lines) {
        ASSERT_TRUE(WriteTextLines(AppFilePath(kPlayerConfigFileName), lines));
    }
    QStringList Files(const QString& pattern) const {
        return QDir(PlayerDir).entryList({pattern}, QDir::Files, QDir::Name);
    }
    // What each of `count` players wrote: working directory first, then the arguments.
    QList<QStringList> WaitForRuns(int count) const {
        QDeadlineTimer deadline(10000);
        while (Files(QStringLiteral("*.args")).size() < count && !deadline.hasExpired())
            QThread::msleep(20);
        QList<QStringList> runs;
        for (const QString& name : Files(QStringLiteral("*.args"))) {
            // The shell writes the names as the file system has them.
            QStringList lines =
                QString::fromUtf8(ReadFileBytes(QDir(PlayerDir).filePath(name))).split('\n');
            lines.removeAll(QString());
            runs.append(lines);
        }
        return runs;
    }
    // An audio file whose name a shell would read as several words and commands.
    QString AwkwardAudioFile() const {
        const QString dir = Station.Path(QStringLiteral("muzyka"));
        QDir().mkpath(dir);
        const QString path = QDir(dir).filePath(
            QStringLiteral("a b 'c' \"d\"; $(touch pwned) `touch pwned2` & ź %s.mp3"));
        EXPECT_TRUE(WriteFileBytes(path, {}));
        return path;
    }
};

TEST_F(PlaySongTest, TheFileReachesThePlayerAsOneArgumentInThePlayersDirectory) {
    WriteConfig({QStringLiteral("  ") + Player + QStringLiteral("  "),
                 QStringLiteral("--play %s \"--title=Radio 1\"")});
    const QString file = AwkwardAudioFile();
    ASSERT_TRUE(PlaySong(file));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());

    const QList<QStringList> runs = WaitForRuns(1);
    ASSERT_EQ(runs.size(), 1);
    const QStringList& run = runs.first();
    ASSERT_EQ(run.size(), 4) << S(run.join(QLatin1Char('|')));
    EXPECT_EQ(S(QFileInfo(run[0]).canonicalFilePath()),
              S(QFileInfo(PlayerDir).canonicalFilePath()));
    EXPECT_EQ(S(run[1]), "--play");
    EXPECT_EQ(S(run[2]), S(file));
    EXPECT_EQ(S(run[3]), "--title=Radio 1");
    // Nothing in the name was run.
    for (const QString& dir : {PlayerDir, Station.Dir(), QDir::currentPath()}) {
        EXPECT_FALSE(QFileInfo::exists(QDir(dir).filePath(QStringLiteral("pwned"))));
        EXPECT_FALSE(QFileInfo::exists(QDir(dir).filePath(QStringLiteral("pwned2"))));
    }
}

TEST_F(PlaySongTest, ThePlayerIsNotWaitedFor) {
    WriteConfig({Player, QStringLiteral("%s")});
    const QString file = AwkwardAudioFile();
    // The players stay until released: had either call waited, it would have come back only
    // after its player ended.
    ASSERT_TRUE(PlaySong(file));
    ASSERT_TRUE(PlaySong(file));
    EXPECT_TRUE(Files(QStringLiteral("*.done")).isEmpty());
    const QList<QStringList> runs = WaitForRuns(2);
    ASSERT_EQ(runs.size(), 2);
    EXPECT_TRUE(Files(QStringLiteral("*.done")).isEmpty());
}

TEST_F(PlaySongTest, TemplatesThatAreRefused) {
    const char* const templates[] = {"%s %s", "%d %s", "--play", "%s 100%", "%S"};
    for (const char* parameters : templates) {
        Prompt.Clear();
        WriteConfig({Player, QString::fromUtf8(parameters)});
        EXPECT_FALSE(PlaySong(AwkwardAudioFile())) << parameters;
        EXPECT_EQ(Prompt.Errors(),
                  QStringList{QStringLiteral("Błąd formatu parametru (\"") +
                              QString::fromUtf8(parameters) +
                              QStringLiteral("\") dla odtwarzacza plików muzycznych.")})
            << parameters;
    }
    // Without a second line the template is empty.
    Prompt.Clear();
    WriteConfig({Player});
    EXPECT_FALSE(PlaySong(AwkwardAudioFile()));
    EXPECT_EQ(Prompt.Errors(),
              QStringList{QStringLiteral(
                  "Błąd formatu parametru (\"\") dla odtwarzacza plików muzycznych.")});
}

TEST_F(PlaySongTest, APlayerThatIsNotThere) {
    const QString config = AppFilePath(kPlayerConfigFileName);
    EXPECT_FALSE(PlaySong(AwkwardAudioFile()));
    const QStringList errors = Prompt.Errors();
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Błąd podczas ładowania pliku "
                                                    "configuracyjnego ") +
                                     config + QStringLiteral(". ")))
        << S(errors[0]);
    EXPECT_GT(errors[0].size(), config.size() + 46);
    EXPECT_EQ(S(errors[1]), "Brak zdefiniowanego odtwarzacza plików muzycznych.");

    struct TCase {
        QStringList Config;
        QString Error;
    } const cases[] = {
        {{QStringLiteral("   "), QStringLiteral("%s")},
         QStringLiteral("Brak zdefiniowanego odtwarzacza plików muzycznych.")},
        {{QStringLiteral("/nie/ma/graj"), QStringLiteral("%s")},
         QStringLiteral("Brak pliku \"/nie/ma/graj\".")},
    };
    for (const TCase& c : cases) {
        Prompt.Clear();
        WriteConfig(c.Config);
        EXPECT_FALSE(PlaySong(AwkwardAudioFile()));
        EXPECT_EQ(Prompt.Errors(), QStringList{c.Error});
    }
}

TEST_F(PlaySongTest, APlayerThatCannotBeStartedIsReported) {
    QFile::setPermissions(Player, QFile::ReadOwner | QFile::WriteOwner);
    WriteConfig({Player, QStringLiteral("%s")});
    EXPECT_FALSE(PlaySong(AwkwardAudioFile()));
    const QStringList errors = Prompt.Errors();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Błąd odtwarzania pliku: "))) << S(errors[0]);
    EXPECT_GT(errors[0].size(), 24) << "the reason is given";
}

TEST_F(PlaySongTest, PreviewChecksTheSongsFile) {
    WriteConfig({Player, QStringLiteral("%s")});
    TBaseSong song;
    EXPECT_FALSE(PreviewSong(song));
    EXPECT_EQ(Prompt.Errors(),
              QStringList{QStringLiteral("Brak zdefiniowanego pliku muzycznego dla tego utworu.")});

    Prompt.Clear();
    song.Path = Station.Path(QStringLiteral("brak"));
    song.SetFileName(QStringLiteral("x.mp3"));
    EXPECT_FALSE(PreviewSong(song));
    EXPECT_EQ(Prompt.Errors(), QStringList{QStringLiteral("Nie mozna odtworzyć utworu. Plik \"") +
                                           song.Path + QStringLiteral("/x.mp3\" nie istnieje.")});

    // A directory without its final delimiter still names the file.
    Prompt.Clear();
    const QString file = AwkwardAudioFile();
    song.Path = QFileInfo(file).absolutePath();
    song.SetFileName(QFileInfo(file).fileName());
    EXPECT_TRUE(PreviewSong(song));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
    const QList<QStringList> runs = WaitForRuns(1);
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(S(runs.first().value(1)), S(file));
}

TEST(PlayerArgumentsTest, TheFileTakesThePlaceOfPercentS) {
    const QString file = QStringLiteral("/m/a b \"c\".mp3");
    struct TCase {
        const char* Template;
        QStringList Arguments;
    } const cases[] = {
        {"%s", {file}},
        {"\"%s\"", {file}},
        {"-q --file=%s", {QStringLiteral("-q"), QStringLiteral("--file=") + file}},
        {"\"--title=Radio 1\"  %s  -x",
         {QStringLiteral("--title=Radio 1"), file, QStringLiteral("-x")}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(PlayerArguments(QString::fromUtf8(c.Template), file), c.Arguments) << c.Template;
}

} // namespace
