#include "foundation/uTextFile.h"
#include "foundation/uWholeFile.h"
#include "settings/uArDrawSettings.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

// "dobieranie.xml": whether a slot without a candidate gives up rules instead of stopping the
// day. Off unless a whole file says on.

namespace {

class DrawSettingsTest : public ::testing::Test {
protected:
    QString FilePath() const { return Station.Path(DrawSettingsFileName); }
    void WriteBytes(const QByteArray& bytes) const {
        ASSERT_TRUE(WriteWholeFile(FilePath(), bytes));
    }
    QByteArray FileBytes() const { return ReadFileBytes(FilePath()); }

    void TearDown() override {
        DoneOptions();
        ForgetUnreadFiles();
    }

    TTempStation Station;
    TRecordingPrompt Prompt;
};

TEST_F(DrawSettingsTest, TheDefaultStationRelaxesAndIsWhatTheWriterWrites) {
    Station.CopyDefaultStation();
    const QByteArray stationBytes = FileBytes();
    EXPECT_EQ(stationBytes, QByteArray("<draw relax=\"1\"/>\r\n"));
    TArDrawSettings settings;
    EXPECT_TRUE(settings.Load());
    EXPECT_TRUE(settings.RelaxWhenNoCandidate());

    settings.SetRelaxWhenNoCandidate(false);
    settings.SetRelaxWhenNoCandidate(true);
    ASSERT_TRUE(QFile::remove(FilePath()));
    EXPECT_TRUE(settings.Save());
    EXPECT_EQ(FileBytes(), stationBytes);
}

TEST_F(DrawSettingsTest, WithoutTheFileTheDayStopsAsItAlwaysDidAndNothingIsSaid) {
    TArDrawSettings settings;
    EXPECT_FALSE(settings.Load());
    EXPECT_FALSE(settings.RelaxWhenNoCandidate());
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
    EXPECT_TRUE(settings.Save());
    EXPECT_FALSE(QFile::exists(FilePath())) << "nothing changed, nothing written";
}

TEST_F(DrawSettingsTest, ReadsTheValueAsEveryBooleanOfTheStation) {
    const std::pair<const char*, bool> cases[] = {
        {"<draw relax=\"1\"/>\r\n", true},    {"<draw relax=\"TRUE\"/>", true},
        {"<draw relax=\"0\"/>\r\n", false},   {"<draw/>\r\n", false},
        {"<draw relax=\"tak\"/>\r\n", false},
    };
    for (const auto& [text, relax] : cases) {
        WriteBytes(text);
        TArDrawSettings settings;
        EXPECT_TRUE(settings.Load()) << text;
        EXPECT_EQ(settings.RelaxWhenNoCandidate(), relax) << text;
        EXPECT_FALSE(settings.Changed());
    }
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(DrawSettingsTest, AFileThatCannotBeReadWholeIsReportedLeavesItOffAndIsNotWritten) {
    const std::pair<const char*, QByteArray> cases[] = {
        {"cut off", "<draw relax=\"1\""},
        {"no text", QByteArray("<draw relax=\"1\"/>\0", 18)},
        {"empty", ""},
        {"another document", "<schedule defActive=\"1\"/>\r\n"},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        Prompt.Clear();
        WriteBytes(bytes);
        TArDrawSettings settings;
        EXPECT_FALSE(settings.Load());
        EXPECT_FALSE(settings.RelaxWhenNoCandidate());
        ASSERT_EQ(Prompt.Errors().size(), 1);
        EXPECT_TRUE(Prompt.Errors()[0].startsWith(
            QStringLiteral("Błąd podczas ładowania pliku \"%1\". (").arg(FilePath())))
            << Prompt.Errors()[0].toStdString();
        EXPECT_TRUE(settings.Save());
        EXPECT_EQ(FileBytes(), bytes) << "kept as it is";
    }
    ASSERT_TRUE(QFile::remove(FilePath()));
    ASSERT_TRUE(QDir(Station.Dir()).mkdir(DrawSettingsFileName));
    TArDrawSettings settings;
    EXPECT_FALSE(settings.Load());
    EXPECT_EQ(Prompt.Errors().size(), 2) << "a directory in its place";
}

TEST_F(DrawSettingsTest, ComesUpWithTheOtherSettingsAndIsWrittenAtExitOnlyWhenChanged) {
    Station.CopyDefaultStation();
    InitOptions();
    ASSERT_TRUE(DrawSettings);
    EXPECT_TRUE(DrawSettings->RelaxWhenNoCandidate());
    ASSERT_TRUE(QFile::remove(FilePath()));
    DrawSettings->SetRelaxWhenNoCandidate(true); // the same value
    DoneOptions();
    EXPECT_FALSE(DrawSettings);
    EXPECT_FALSE(QFile::exists(FilePath()));

    InitOptions();
    EXPECT_FALSE(DrawSettings->RelaxWhenNoCandidate());
    DrawSettings->SetRelaxWhenNoCandidate(true);
    DoneOptions();
    EXPECT_EQ(FileBytes(), QByteArray("<draw relax=\"1\"/>\r\n"));
}

} // namespace
