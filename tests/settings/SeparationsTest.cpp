#include "foundation/uTextFile.h"
#include "settings/uArSeparations.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

constexpr int kMsPerHour = 3600 * 1000;
constexpr int kEndOfDayMs = 24 * kMsPerHour - 1; // 23:59:59.999

struct TWindowCase {
    const char* What;
    int Hours;
    int StartMinute;
    TSeparationWindow Window;
};

TEST(Separations, WindowAroundTheSlotStaysWithinTheDay) {
    const TWindowCase cases[] = {
        {"2 hours at 01:00 start at midnight", 2, 60, {0, 3 * kMsPerHour}},
        {"2 hours at 23:00 end at 23:59:59.999", 2, 23 * 60, {21 * kMsPerHour, kEndOfDayMs}},
        {"2 hours at noon", 2, 12 * 60, {10 * kMsPerHour, 14 * kMsPerHour}},
        {"ending exactly at 23:59 is not stretched",
         1,
         22 * 60 + 59,
         {(21 * 60 + 59) * 60000, (23 * 60 + 59) * 60000}},
        {"one minute later it is", 1, 23 * 60, {22 * kMsPerHour, kEndOfDayMs}},
        {"starting exactly at midnight", 1, 60, {0, 2 * kMsPerHour}},
        {"23 hours cover the whole day", 23, 12 * 60, {0, kEndOfDayMs}},
        {"hours from a file beyond any day", 1000000000, 600, {0, kEndOfDayMs}},
    };
    for (const TWindowCase& c : cases) {
        TArSeparations separations;
        separations.SetHours(c.Hours);
        EXPECT_EQ(separations.WindowAround(c.StartMinute), c.Window) << c.What;
    }
}

struct TModeCase {
    bool DefActive;
    int Mode;
    bool Applies;
};

TEST(Separations, AppliesToSlotsOnAndToDefaultSlotsWhenActiveByDefault) {
    const TModeCase cases[] = {
        {false, smOn, true},  {true, smOn, true},        {false, smOff, false},
        {true, smOff, false}, {false, smDefault, false}, {true, smDefault, true},
        {true, 3, false},
    };
    for (const TModeCase& c : cases) {
        TArSeparations separations;
        separations.SetDefActive(c.DefActive);
        EXPECT_EQ(separations.AppliesTo(c.Mode), c.Applies)
            << "defActive " << c.DefActive << " mode " << c.Mode;
    }
}

class SeparationsFileTest : public ::testing::Test {
protected:
    QString FilePath() const { return station.Path(SeparationsFileName); }
    void WriteDocument(const QString& text) const { ASSERT_TRUE(WriteTextFile(FilePath(), text)); }
    QByteArray FileBytes() const { return ReadFileBytes(FilePath()); }
    static void ExpectValues(const TArSeparations& s, bool defActive, int noBlock, int block,
                             int hours) {
        EXPECT_EQ(s.DefActive(), defActive);
        EXPECT_EQ(s.NoBlockDayCount(), noBlock);
        EXPECT_EQ(s.BlockDayCount(), block);
        EXPECT_EQ(s.Hours(), hours);
    }

    TTempStation station;
    TRecordingPrompt prompt;
};

TEST_F(SeparationsFileTest, MissingFileIsSilentAndKeepsTheDefaults) {
    TArSeparations separations;
    EXPECT_FALSE(separations.Load());
    ExpectValues(separations, false, 1, 1, 1);
    EXPECT_FALSE(separations.Changed());
    EXPECT_TRUE(prompt.Boxes.isEmpty());
}

TEST_F(SeparationsFileTest, RootLineAloneWithDefActive) {
    WriteDocument(QStringLiteral("<schedule defActive=\"1\">\r\n"));
    TArSeparations separations;
    EXPECT_FALSE(separations.Load()) << "the root is never closed: a cut file";
    ExpectValues(separations, true, 1, 1, 1);
    EXPECT_FALSE(separations.Changed());
}

TEST_F(SeparationsFileTest, ReloadKeepsDefActiveWhenTheFileLacksItButResetsTheCounts) {
    TArSeparations separations;
    separations.SetDefActive(true);
    separations.SetBlockDayCount(7);
    WriteDocument(QStringLiteral("<schedule hours=\"3\"></schedule>"));
    separations.Load();
    ExpectValues(separations, true, 1, 1, 3);
    EXPECT_FALSE(separations.Changed());
}

TEST_F(SeparationsFileTest, WritesTwoLinesAndReadsThemBack) {
    TArSeparations separations;
    separations.SetDefActive(true);
    separations.SetNoBlockDayCount(1);
    separations.SetBlockDayCount(15);
    separations.SetHours(23);
    EXPECT_TRUE(separations.Changed());
    EXPECT_TRUE(separations.Save());
    const QByteArray written = "<schedule defActive=\"1\" noBlockDayCount=\"1\" "
                               "blockDayCount=\"15\" hours=\"23\">\r\n</schedule>\r\n";
    EXPECT_EQ(FileBytes(), written);
    EXPECT_FALSE(separations.Changed());

    TArSeparations reread;
    EXPECT_TRUE(reread.Load());
    ExpectValues(reread, true, 1, 15, 23);
    reread.MarkChanged();
    reread.Save();
    EXPECT_EQ(FileBytes(), written);
}

TEST_F(SeparationsFileTest, SettingTheCurrentValueChangesNothingSoNothingIsWritten) {
    using TSetter = void (TArSeparations::*)(int);
    const TSetter setters[] = {&TArSeparations::SetNoBlockDayCount,
                               &TArSeparations::SetBlockDayCount, &TArSeparations::SetHours};
    for (TSetter setter : setters) {
        TArSeparations separations;
        (separations.*setter)(1);
        separations.SetDefActive(false);
        EXPECT_FALSE(separations.Changed());
        EXPECT_TRUE(separations.Save());
        EXPECT_FALSE(QFile::exists(FilePath()));
        (separations.*setter)(2);
        EXPECT_TRUE(separations.Changed());
    }
    TArSeparations separations;
    separations.SetDefActive(true);
    EXPECT_TRUE(separations.Changed());
}

TEST_F(SeparationsFileTest, UnreadableFileIsReportedWithTheFullPath) {
    ASSERT_TRUE(QDir(station.Dir()).mkdir(SeparationsFileName));
    TArSeparations separations;
    EXPECT_FALSE(separations.Load());
    ASSERT_EQ(prompt.Errors().size(), 1);
    EXPECT_TRUE(prompt.Errors()[0].startsWith(
        QStringLiteral("Błąd podczas ładowania pliku \"%1\". (").arg(FilePath())))
        << prompt.Errors()[0].toStdString();
    ExpectValues(separations, false, 1, 1, 1);
}

TEST_F(SeparationsFileTest, FailedSaveIsReportedWithTheFullPathAndClearsTheChangedFlag) {
    ASSERT_TRUE(QDir(station.Dir()).mkdir(SeparationsFileName));
    TArSeparations separations;
    separations.SetHours(5);
    EXPECT_FALSE(separations.Save());
    ASSERT_EQ(prompt.Errors().size(), 1);
    EXPECT_TRUE(prompt.Errors()[0].startsWith(
        QStringLiteral("Błąd podczas zapisywania pliku \"%1\". (").arg(FilePath())))
        << prompt.Errors()[0].toStdString();
    EXPECT_FALSE(separations.Changed());
}

TEST_F(SeparationsFileTest, FileCutInsideTheRootTagReadsNothing) {
    WriteDocument(QStringLiteral("<schedule defActive=\"1\" hours=\"5\""));
    TArSeparations separations;
    EXPECT_FALSE(separations.Load());
    ExpectValues(separations, false, 1, 1, 1);
    ASSERT_EQ(prompt.Errors().size(), 1);
    EXPECT_TRUE(prompt.Errors()[0].endsWith(QStringLiteral("(plik jest niekompletny)")))
        << prompt.Errors()[0].toStdString();
}

TEST_F(SeparationsFileTest, DefaultStationFileIsWhatTheDefaultsWrite) {
    station.CopyDefaultStation();
    const QByteArray stationBytes = FileBytes();
    TArSeparations separations;
    EXPECT_TRUE(separations.Load());
    ExpectValues(separations, false, 1, 1, 1);
    ASSERT_TRUE(QFile::remove(FilePath()));
    separations.MarkChanged();
    separations.Save();
    EXPECT_EQ(FileBytes(), stationBytes);
}

} // namespace
