#include "foundation/uAppPaths.h"
#include "foundation/uTextFile.h"
#include "foundation/uWholeFile.h"
#include "settings/uConfig.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class ConfigTest : public ::testing::Test {
protected:
    void WriteConfigFile(const QString& text) const {
        ASSERT_TRUE(WriteTextFile(station.Path(ConfigFileName), text));
    }
    void WriteUserPaths(const QVariantMap& values) const {
        const auto settings = UserSettings();
        settings->beginGroup(QStringLiteral("Paths"));
        for (auto it = values.begin(); it != values.end(); ++it)
            settings->setValue(it.key(), it.value());
        settings->endGroup();
        settings->sync();
    }
    QString ReadConfigFile() const {
        QString text;
        EXPECT_TRUE(ReadTextFile(station.Path(ConfigFileName), text));
        return text;
    }

    TTempStation station;
    TRecordingPrompt prompt;
};

TEST_F(ConfigTest, WithoutFileOrUserPathsTheDirectoriesLieInTheProgramDirectory) {
    TConfig config;
    LoadConfig(config);
    EXPECT_EQ(config.ClockDir, AppFilePath(QStringLiteral("Zegary")));
    EXPECT_EQ(config.PlayListDir, AppFilePath(QStringLiteral("PlayListy")));
    EXPECT_EQ(config.SelectionMethod, QStringLiteral("A"));
    EXPECT_FALSE(QFileInfo::exists(station.Path(ConfigFileName))) << "loading creates no file";
    EXPECT_TRUE(prompt.Boxes.isEmpty());
}

TEST_F(ConfigTest, WithoutFileTheUserPathsAreTheFallBack) {
    WriteUserPaths({{QStringLiteral("clock"), QStringLiteral("/radio/zegary")},
                    {QStringLiteral("playlist"), QStringLiteral("/radio/listy")}});
    TConfig config;
    LoadConfig(config);
    EXPECT_EQ(config.ClockDir, QStringLiteral("/radio/zegary"));
    EXPECT_EQ(config.PlayListDir, QStringLiteral("/radio/listy"));
    EXPECT_EQ(config.SelectionMethod, QStringLiteral("A"));
}

TEST_F(ConfigTest, AMissingUserPathReadsAsEmpty) {
    WriteUserPaths({{QStringLiteral("clock"), QStringLiteral("/radio/zegary")}});
    TConfig config;
    LoadConfig(config);
    EXPECT_EQ(config.ClockDir, QStringLiteral("/radio/zegary"));
    EXPECT_EQ(config.PlayListDir, QString()) << "no default once the section exists";
}

TEST_F(ConfigTest, TheFileWinsOverTheUserPaths) {
    WriteUserPaths({{QStringLiteral("clock"), QStringLiteral("/radio/zegary")}});
    WriteConfigFile(QStringLiteral("MetodaDoboru=B\r\n"));
    TConfig config;
    LoadConfig(config);
    EXPECT_EQ(config.ClockDir, QString());
}

struct TConfigFileCase {
    const char* Name;
    QString Content;
    QString ClockDir;
    QString PlayListDir;
    QString Method;
};

TEST_F(ConfigTest, ReadsTheFile) {
    const TConfigFileCase cases[] = {
        {"three lines",
         QStringLiteral("Zegary=C:\\Radio\\Zegary\r\nPlayListy=C:\\Radio\\PlayListy\r\n"
                        "MetodaDoboru=AB\r\n"),
         QStringLiteral("C:\\Radio\\Zegary"), QStringLiteral("C:\\Radio\\PlayListy"),
         QStringLiteral("AB")},
        {"only the method: no directory falls back",
         QStringLiteral("MetodaDoboru=B\r\n"),
         {},
         {},
         QStringLiteral("B")},
        {"an empty method is A",
         QStringLiteral("Zegary=/z\r\nMetodaDoboru=\r\n"),
         QStringLiteral("/z"),
         {},
         QStringLiteral("A")},
        {"keys in any letter case",
         QStringLiteral("zEGARY=/z\r\nPLAYLISTY=/p\r\nmetodadoboru=B\r\n"), QStringLiteral("/z"),
         QStringLiteral("/p"), QStringLiteral("B")},
        {"the value is everything after the first =",
         QStringLiteral("Zegary=/a=b\r\nPlayListy==/p\r\n"), QStringLiteral("/a=b"),
         QStringLiteral("=/p"), QStringLiteral("A")},
        {"Polish letters, no final line end, lines without =",
         QStringLiteral("komentarz\r\nZegary=/Muzyka/Źródła\r\nPlayListy=/Łąka"),
         QStringLiteral("/Muzyka/Źródła"), QStringLiteral("/Łąka"), QStringLiteral("A")},
        {"the first of two equal keys",
         QStringLiteral("Zegary=/one\r\nZegary=/two\r\n"),
         QStringLiteral("/one"),
         {},
         QStringLiteral("A")},
    };
    for (const TConfigFileCase& c : cases) {
        SCOPED_TRACE(c.Name);
        WriteConfigFile(c.Content);
        TConfig config;
        config.ClockDir = QStringLiteral("stale");
        LoadConfig(config);
        EXPECT_EQ(config.ClockDir, c.ClockDir);
        EXPECT_EQ(config.PlayListDir, c.PlayListDir);
        EXPECT_EQ(config.SelectionMethod, c.Method);
    }
    EXPECT_TRUE(prompt.Boxes.isEmpty());
}

TEST_F(ConfigTest, AFileNotReadWholeIsReportedAndChangesNothing) {
    const struct {
        const char* Name;
        QByteArray Bytes; // nothing: a directory in the file's place
        QString Reason;
    } cases[] = {
        {"a directory", {}, QStringLiteral("w miejscu pliku jest katalog")},
        {"an empty file", QByteArray(""), QStringLiteral("plik jest pusty")},
        {"a NUL byte", QByteArray("Zegary=/z\0\0\0", 12),
         QStringLiteral("plik nie jest plikiem tekstowym")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        prompt.Clear();
        ForgetUnreadFiles();
        const QString path = AppFilePath(ConfigFileName);
        QFile::remove(path);
        QDir(station.Dir()).rmdir(ConfigFileName);
        if (c.Bytes.isNull())
            ASSERT_TRUE(QDir(station.Dir()).mkdir(ConfigFileName));
        else
            ASSERT_TRUE(WriteFileBytes(path, c.Bytes));
        TConfig config;
        LoadConfig(config);
        EXPECT_EQ(prompt.Errors(), QStringList{QStringLiteral("Błąd podczas ładowania pliku "
                                                              "\"%1\". (%2)")
                                                   .arg(path, c.Reason)});
        EXPECT_EQ(config.ClockDir, QString()) << "no fall-back to the defaults";
        EXPECT_EQ(config.PlayListDir, QString());
        EXPECT_EQ(config.SelectionMethod, QStringLiteral("A"));
        EXPECT_EQ(UnreadFiles(), QStringList{QFileInfo(path).absoluteFilePath()});
    }
    ForgetUnreadFiles();
}

TEST_F(ConfigTest, SavesTheThreeLinesInOrder) {
    const TConfig config{QStringLiteral("C:\\Radio\\Zegary"), QStringLiteral("D:\\Wyjście"),
                         QStringLiteral("AB")};
    ASSERT_TRUE(SaveConfig(config));
    EXPECT_EQ(ReadConfigFile(),
              QStringLiteral("Zegary=C:\\Radio\\Zegary\r\nPlayListy=D:\\Wyjście\r\n"
                             "MetodaDoboru=AB\r\n"));
    TConfig loaded;
    LoadConfig(loaded);
    EXPECT_EQ(loaded.ClockDir, config.ClockDir);
    EXPECT_EQ(loaded.PlayListDir, config.PlayListDir);
    EXPECT_EQ(loaded.SelectionMethod, config.SelectionMethod);
}

TEST_F(ConfigTest, EmptyValuesGetNoLine) {
    ASSERT_TRUE(SaveConfig(TConfig{QStringLiteral("/z"), QString(), QStringLiteral("B")}));
    EXPECT_EQ(ReadConfigFile(), QStringLiteral("Zegary=/z\r\nMetodaDoboru=B\r\n"));
    ASSERT_TRUE(SaveConfig(TConfig{QString(), QString(), QString()}));
    EXPECT_EQ(ReadConfigFile(), QString()) << "the file is replaced whole";
}

TEST_F(ConfigTest, ASaveFailureShowsTheMessageAndThenTheSameTextAgain) {
    ASSERT_TRUE(QDir(station.Dir()).mkdir(ConfigFileName));
    EXPECT_FALSE(SaveConfig(TConfig{}));
    const QStringList errors = prompt.Errors();
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Błąd podczas zapisywania pliku \"%1\". (")
                                         .arg(AppFilePath(ConfigFileName))))
        << errors[0].toStdString();
    EXPECT_EQ(errors[1], errors[0]);
}

struct TSelectionModeCase {
    const char* Method;
    int Year, Month, Day;
    int Mode;
};

TEST(SelectionMode, FollowsTheMethodAndForABTheDayOfTheYear) {
    const TSelectionModeCase cases[] = {
        {"A", 2024, 1, 1, 1},    {"B", 2024, 1, 2, 2}, {"AB", 2024, 1, 1, 2}, {"AB", 2024, 1, 2, 1},
        {"AB", 2024, 12, 31, 1}, // day 366 of a leap year
        {"AB", 2023, 12, 31, 2}, // day 365
        {"ab", 2024, 1, 1, 1},   {"", 2024, 1, 1, 1},  {"C", 2024, 1, 2, 1},  {" B", 2024, 1, 2, 1},
    };
    for (const TSelectionModeCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << '"' << c.Method << "\" " << c.Year << '-' << c.Month << '-' << c.Day);
        const TDateTime date = *TryEncodeDate(c.Year, c.Month, c.Day);
        EXPECT_EQ(SelectionMode(QString::fromUtf8(c.Method), date), c.Mode);
    }
}

} // namespace
