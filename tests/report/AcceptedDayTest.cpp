#include "dayplan/uDayHistory.h"
#include "foundation/uAppPaths.h"
#include "library/uAcceptedDays.h"
#include "report/ReportFixture.h"
#include "report/uAcceptedDayPositions.h"

// An accepted day reported without its stored report: the positions come from its history
// file, the songs from the day's record of plays or, without one, from the library by
// performer and title.

namespace {

class AcceptedDayTest : public ReportFixture {
protected:
    TDayHistory History;

    void SetUp() override {
        ReportFixture::SetUp();
        ASSERT_TRUE(WriteDayHistory(Positions(), Date()));
        ASSERT_TRUE(History.LoadDayHistory(PlanFilePath(pkHistory, Date())));
    }

    std::vector<int> SongIdsOf(const std::vector<std::unique_ptr<TResultSongData>>& positions) {
        std::vector<int> ids;
        for (const auto& position : positions)
            ids.push_back(position->SongId);
        return ids;
    }
};

TEST_F(AcceptedDayTest, TheHistoryGivesTimesAndTheLibraryTheSongs) {
    const auto positions = AcceptedDayPositions(History, Date());
    ASSERT_EQ(positions.size(), Day.size());
    EXPECT_EQ(SongIdsOf(positions), (std::vector<int>{First, Second, Ballad, -1, Fourth}));
    for (size_t i = 0; i < Day.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(positions[i]->Hour, Day[i]->Hour);
        EXPECT_EQ(positions[i]->SongTime, Day[i]->SongTime);
        EXPECT_EQ(positions[i]->DbTime, Day[i]->DbTime);
        EXPECT_EQ(positions[i]->Blank, Day[i]->Blank);
    }
    EXPECT_EQ(positions[3]->CategoryName, QStringLiteral("Reklama"));

    // Reported without the clock: no slot, every other rule kept.
    Day.clear();
    for (const auto& position : positions)
        Day.push_back(std::make_unique<TResultSongData>(*position));
    const TDayReport report = Report(false);
    EXPECT_EQ(report.Summary.Broken(), 0);
    EXPECT_EQ(report.Summary.Positions, 5);
    EXPECT_EQ(ResultOf(report.Positions[0], TDayRule::Labels), TRuleResult::Ok);
    EXPECT_FALSE(ResultOf(report.Positions[0], TDayRule::Category).has_value());
}

TEST_F(AcceptedDayTest, TheDaysRecordNamesTheSongs) {
    // The record says what was played, also when the library has changed its titles since.
    TAcceptedDay accepted;
    for (int song : {Fourth, Ballad, First, -1, Second})
        accepted.Plays.push_back({song, SongArtistId(song), 0});
    KeepAcceptedDay(*MainBase, DayNumber(), accepted);
    EXPECT_EQ(SongIdsOf(AcceptedDayPositions(History, Date())),
              (std::vector<int>{Fourth, Ballad, First, -1, Second}));

    // A record of another list (not one play per row) is not taken.
    accepted.Plays.pop_back();
    KeepAcceptedDay(*MainBase, DayNumber(), accepted);
    EXPECT_EQ(SongIdsOf(AcceptedDayPositions(History, Date())),
              (std::vector<int>{First, Second, Ballad, -1, Fourth}));
}

TEST_F(AcceptedDayTest, ASongThatCannotBeFoundIsNoSong) {
    TMainBaseQuery rename;
    rename.SetSQL(QStringLiteral("UPDATE BaseSongs SET Title = 'Inny' WHERE Song_Id = ?"));
    rename.SetParam(1, Second);
    rename.ExecSQL();
    const auto positions = AcceptedDayPositions(History, Date());
    EXPECT_EQ(SongIdsOf(positions), (std::vector<int>{First, -1, Ballad, -1, Fourth}));
    EXPECT_FALSE(positions[1]->Blank);
    EXPECT_EQ(positions[1]->Title, QStringLiteral("Drugi"));
}

} // namespace
