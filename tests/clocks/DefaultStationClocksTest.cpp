#include "clocks/ClockTestUtils.h"
#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "clocks/uClockObjList.h"
#include "settings/uDefaultStation.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <set>

namespace {

// The broadcasts and clocks a new station starts from.
class DefaultStationClocksTest : public TStationTest {
protected:
    void SetUp() override {
        TStationTest::SetUp();
        CreateCategoryList();
        CreateBroadcastList();
    }
    void TearDown() override {
        BroadcastList.reset();
        CategoryList.reset();
        TStationTest::TearDown();
    }

    static void ExpectAllRowsKnown(const TClockRows& rows, const std::string& where) {
        for (const auto& row : rows) {
            EXPECT_NE(row->Object(), nullptr) << where << " at " << row->RowHour;
            ExpectAllRowsKnown(row->Children, where);
        }
    }
};

TEST_F(DefaultStationClocksTest, TheBroadcastsLoadQuietlyAndAreWrittenAsTheProgramWritesThem) {
    EXPECT_TRUE(Prompt.Boxes.isEmpty()) << Prompt.Errors().join('\n').toStdString();
    ASSERT_EQ(BroadcastList->BroadcastCount(), 2);
    EXPECT_FALSE(BroadcastList->Modified());
    for (int i = 0; i < BroadcastList->BroadcastCount(); ++i)
        EXPECT_TRUE(IsComplete(BroadcastList->BroadcastAt(i))) << i;
    const TBroadcast* news = BroadcastList->BroadcastAt(0);
    EXPECT_EQ(news->GetName(), QStringLiteral("Serwis informacyjny"));
    EXPECT_FALSE(news->IsPinned());
    EXPECT_EQ(BroadcastList->BroadcastAt(1)->GetName(),
              QStringLiteral("Lista przebojów (18:00:00 - 19:00:00)"));

    const QString path = Station.Path(BroadcastListFileName);
    const QByteArray bytes = ReadFileBytes(path);
    QFile::remove(path);
    BroadcastList->SetModified(true);
    ASSERT_TRUE(BroadcastList->SaveBroadcasts());
    EXPECT_EQ(ReadFileBytes(path), bytes);
}

TEST_F(DefaultStationClocksTest,
       TheClocksLoadQuietlyCoverTheDayAndAreWrittenAsTheProgramWritesThem) {
    const QDir clocks(Config.ClockDir);
    const QStringList names =
        clocks.entryList({QStringLiteral("*.") + ClockFileExtension}, QDir::Files, QDir::Name);
    ASSERT_EQ(names,
              (QStringList{QStringLiteral("Dzień powszedni.ctm"), QStringLiteral("Weekend.ctm")}));
    for (const QString& name : names) {
        const std::string where = name.toStdString();
        TClock clock(cmClock);
        ASSERT_TRUE(clock.LoadClockFile(clocks.filePath(name))) << where;
        EXPECT_TRUE(Prompt.Boxes.isEmpty()) << where;
        EXPECT_EQ(clock.Name(), FileNameStem(name)) << where;
        ExpectAllRowsKnown(clock.Rows(), where);

        std::set<int> fixedHours;
        for (const auto& row : clock.Rows())
            if (row->OwnHour())
                fixedHours.insert(row->RowHour);
        for (int hour = 0; hour < 24; ++hour)
            EXPECT_EQ(fixedHours.count(hour * 3600), 1u) << where << " " << hour;
        EXPECT_GT(clock.ClockTotalTime(), 23 * 3600) << where;
        EXPECT_LE(clock.ClockTotalTime(), 24 * 3600) << where;

        const QString copy = Station.Path(QStringLiteral("kopia.ctm"));
        ASSERT_TRUE(clock.SaveClockFile(copy, true)) << where;
        EXPECT_EQ(ReadFileBytes(copy), ReadFileBytes(clocks.filePath(name))) << where;
    }
}

TEST_F(DefaultStationClocksTest, AreBuiltIntoTheProgramForNewStations) {
    const QStringList files = DefaultStationFiles();
    for (const QString& file : {BroadcastListFileName, QStringLiteral("Zegary/Dzień powszedni.ctm"),
                                QStringLiteral("Zegary/Weekend.ctm")})
        EXPECT_TRUE(files.contains(file)) << file.toStdString();
}

} // namespace
