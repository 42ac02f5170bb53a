#include "clocks/uCategory.h"
#include "dayplan/uDayPlayList.h"
#include "dayplan/uPlayListEdits.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Song categories: music (1) overlaps adverts (2) by 4 s and jingles (3) by its own mix point;
// adverts overlap nothing; jingles overlap music by 2 s.
constexpr int kMusic = 1;
constexpr int kAdvert = 2;
constexpr int kJingle = 3;

constexpr int Ms(int minutes, int seconds = 0) {
    return (minutes * 60 + seconds) * 1000;
}

struct TRow {
    int Category;
    int Hour;
    int SongTime;
    bool OwnHour = false;
    int Mix = -1; // the song's own mix point
};

class PlayListEditsTest : public ::testing::Test {
protected:
    TRecordingPrompt Prompt;
    TDayPlayList List;

    void SetUp() override {
        Options = std::make_unique<TArOptions>();
        TArSongCategories& categories = Options->Categories();
        const struct {
            int Id;
            const char* Mix;
        } table[] = {{kMusic, "2(4),3"}, {kAdvert, ""}, {kJingle, "1(2)"}};
        for (const auto& entry : table) {
            TArSongCat category;
            category.Id = entry.Id;
            category.Name = QStringLiteral("Kategoria %1").arg(entry.Id);
            category.Mix = QString::fromLatin1(entry.Mix);
            categories.AddCategory(category);
        }
        categories.SetMixSize(categories.Count());
        for (int i = 0; i < categories.Count(); ++i)
            categories.ParseMix(i, categories.At(i).Mix);
    }
    void TearDown() override { Options.reset(); }

    static std::unique_ptr<TResultSongData> Position(const TRow& row) {
        auto position = std::make_unique<TResultSongData>();
        position->Category = QString::number(row.Category);
        position->Hour = row.Hour;
        position->SetSongTime(row.SongTime);
        position->DbTime = row.SongTime;
        position->OwnHour = row.OwnHour;
        position->Mix = row.Mix;
        position->Mixed = 0;
        return position;
    }
    void Fill(const std::vector<TRow>& rows) {
        for (const TRow& row : rows)
            List.Append(Position(row));
        // Titles name the rows by their original order.
        for (int i = 0; i < List.Count(); ++i)
            List.Position(i).Title = QString(QLatin1Char('A' + i));
    }
    std::vector<int> Hours() const {
        std::vector<int> hours;
        for (const TResultSongData* position : List.Positions())
            hours.push_back(position->Hour);
        return hours;
    }
    QString Titles() const {
        QString titles;
        for (const TResultSongData* position : List.Positions())
            titles += position->Title;
        return titles;
    }
};

// Four chained 3-minute songs of music, starting at 10 minutes.
const std::vector<TRow> kChain = {{kMusic, Ms(10), Ms(3)},
                                  {kMusic, Ms(13), Ms(3)},
                                  {kMusic, Ms(16), Ms(3)},
                                  {kMusic, Ms(19), Ms(3)}};

TEST_F(PlayListEditsTest, MixedEndFollowsTheMixTable) {
    struct TCase {
        const char* Name;
        QString Own;
        QString Next;
        int OwnMix;
        int PlayTime;
        int Mixed;
    } cases[] = {
        {"overlap from the table", QStringLiteral("1"), QStringLiteral("2"), -1, Ms(3) - 4000,
         4000},
        {"own mix point", QStringLiteral("1"), QStringLiteral("3"), 6000, Ms(3) - 6000, 6000},
        {"own mix point unknown", QStringLiteral("1"), QStringLiteral("3"), -1, Ms(3), -1},
        {"categories that do not mix", QStringLiteral("2"), QStringLiteral("1"), 6000, Ms(3), 77},
        {"category not a number", QStringLiteral("x"), QStringLiteral("2"), -1, Ms(3), 77},
        {"next category not a number", QStringLiteral("1"), QStringLiteral(""), -1, Ms(3), 77},
        {"unknown category", QStringLiteral("9"), QStringLiteral("2"), -1, Ms(3), 77},
    };
    for (const TCase& c : cases) {
        TResultSongData position;
        position.Category = c.Own;
        position.Hour = Ms(10);
        position.SongTime = Ms(3);
        position.PlayTime = 1;
        position.Mix = c.OwnMix;
        position.Mixed = 77;
        EXPECT_EQ(MixedEnd(position, c.Next), Ms(10) + c.PlayTime) << c.Name;
        EXPECT_EQ(position.PlayTime, c.PlayTime) << c.Name;
        EXPECT_EQ(position.Mixed, c.Mixed) << c.Name;
    }
}

TEST_F(PlayListEditsTest, WithoutCategoriesNothingMixes) {
    TResultSongData position;
    position.Category = QStringLiteral("1");
    position.SongTime = Ms(3);
    position.Mixed = 5;
    EXPECT_EQ(MixedEnd(position, QStringLiteral("2"), nullptr), Ms(3));
    EXPECT_EQ(position.Mixed, 5);
}

TEST_F(PlayListEditsTest, ShiftFollowingStopsAtTheNextFixedHour) {
    Fill({{kMusic, Ms(10), Ms(3)},
          {kMusic, Ms(13), Ms(3)},
          {kMusic, Ms(16), Ms(3)},
          {kMusic, Ms(20), Ms(3), true},
          {kMusic, Ms(23), Ms(3)}});
    ShiftFollowing(List, 0, 500);
    EXPECT_EQ(Hours(), (std::vector<int>{Ms(10), Ms(13, 0) + 500, Ms(16) + 500, Ms(20), Ms(23)}));
}

TEST_F(PlayListEditsTest, DeletingARowClosesTheGap) {
    struct TCase {
        const char* Name;
        std::vector<TRow> Rows;
        int Deleted;
        std::vector<int> Hours;
        int Focus;
    } cases[] = {
        {"first row: the next starts where it started", kChain, 0, {Ms(10), Ms(13), Ms(16)}, 0},
        {"last row: no start changes", kChain, 3, {Ms(10), Ms(13), Ms(16)}, 2},
        {"middle row: the next starts at the end of the previous",
         kChain,
         1,
         {Ms(10), Ms(13), Ms(16)},
         1},
        {"up to the next fixed hour",
         {{kMusic, Ms(10), Ms(3)},
          {kMusic, Ms(13), Ms(3)},
          {kMusic, Ms(16), Ms(3)},
          {kMusic, Ms(20), Ms(3), true},
          {kMusic, Ms(23), Ms(3)}},
         0,
         {Ms(10), Ms(13), Ms(20), Ms(23)},
         0},
        {"followed by a fixed hour: no start changes",
         {{kMusic, Ms(10), Ms(3)}, {kMusic, Ms(13), Ms(3)}, {kMusic, Ms(20), Ms(3), true}},
         1,
         {Ms(10), Ms(20)},
         1},
        {"the only row", {{kMusic, Ms(10), Ms(3)}}, 0, {}, -1},
    };
    for (const TCase& c : cases) {
        List.ClearView();
        Fill(c.Rows);
        EXPECT_EQ(DeletePositionAt(List, c.Deleted), c.Focus) << c.Name;
        EXPECT_EQ(Hours(), c.Hours) << c.Name;
    }
}

TEST_F(PlayListEditsTest, DeletingRecomputesTheMixIntoTheNewSuccessor) {
    // Music, jingle, advert: once the jingle is gone the music overlaps the advert by 4 s.
    Fill({{kMusic, Ms(10), Ms(3)}, {kJingle, Ms(13), Ms(1)}, {kAdvert, Ms(14), Ms(1)}});
    EXPECT_EQ(DeletePositionAt(List, 1), 1);
    EXPECT_EQ(Hours(), (std::vector<int>{Ms(10), Ms(13) - 4000}));
    EXPECT_EQ(List.Position(0).PlayTime, Ms(3) - 4000);
    EXPECT_EQ(List.Position(0).Mixed, 4000);

    // A fixed-hour successor keeps its start, yet the mix is still recomputed for it.
    List.ClearView();
    Fill({{kMusic, Ms(10), Ms(3)}, {kJingle, Ms(13), Ms(1)}, {kAdvert, Ms(15), Ms(1), true}});
    DeletePositionAt(List, 1);
    EXPECT_EQ(Hours(), (std::vector<int>{Ms(10), Ms(15)}));
    EXPECT_EQ(List.Position(0).Mixed, 4000);
}

TEST_F(PlayListEditsTest, DeletingARowThatDoesNotExistDoesNothing) {
    Fill(kChain);
    EXPECT_EQ(DeletePositionAt(List, 4), -1);
    EXPECT_EQ(DeletePositionAt(List, -1), -1);
    EXPECT_EQ(List.Count(), 4);
}

TEST_F(PlayListEditsTest, MovingRowsChainsTheStarts) {
    const std::vector<TRow> withFixed = {
        {kMusic, Ms(10), Ms(3)}, {kMusic, Ms(13), Ms(2)}, {kMusic, Ms(15), Ms(4), true},
        {kMusic, Ms(19), Ms(1)}, {kMusic, Ms(20), Ms(3)}, {kMusic, Ms(30), Ms(3), true}};
    struct TCase {
        const char* Name;
        std::vector<TRow> Rows;
        bool Down;
        int Row;
        QString Titles;
        std::vector<int> Hours;
    } cases[] = {
        {"down", kChain, true, 1, QStringLiteral("ACBD"), {Ms(10), Ms(13), Ms(16), Ms(19)}},
        {"down from the first row",
         kChain,
         true,
         0,
         QStringLiteral("BACD"),
         {Ms(10), Ms(13), Ms(16), Ms(19)}},
        {"up", kChain, false, 2, QStringLiteral("ACBD"), {Ms(10), Ms(13), Ms(16), Ms(19)}},
        {"up to the first row",
         kChain,
         false,
         1,
         QStringLiteral("BACD"),
         {Ms(10), Ms(13), Ms(16), Ms(19)}},
        // The fixed row keeps its start, the moved one starts at its end and the rows after it
        // are chained anew up to the next fixed row.
        {"down past a fixed hour",
         withFixed,
         true,
         1,
         QStringLiteral("ACBDEF"),
         {Ms(10), Ms(15), Ms(19), Ms(21), Ms(22), Ms(30)}},
        {"up before a fixed hour",
         withFixed,
         false,
         3,
         QStringLiteral("ABDCEF"),
         {Ms(10), Ms(13), Ms(15), Ms(15), Ms(19), Ms(30)}},
    };
    for (const TCase& c : cases) {
        List.ClearView();
        Fill(c.Rows);
        EXPECT_TRUE(c.Down ? MovePositionDown(List, c.Row) : MovePositionUp(List, c.Row)) << c.Name;
        EXPECT_EQ(Titles(), c.Titles) << c.Name;
        EXPECT_EQ(Hours(), c.Hours) << c.Name;
    }
}

TEST_F(PlayListEditsTest, MovingKeepsPlayTimesAndMixes) {
    Fill({{kMusic, Ms(10), Ms(3)}, {kMusic, Ms(13), Ms(3)}});
    List.Position(0).PlayTime = Ms(3) - 4000;
    List.Position(0).Mixed = 4000;
    ASSERT_TRUE(MovePositionDown(List, 0));
    EXPECT_EQ(List.Position(1).PlayTime, Ms(3) - 4000);
    EXPECT_EQ(List.Position(1).Mixed, 4000);
}

TEST_F(PlayListEditsTest, MovingPastTheEndsIsRefused) {
    Fill(kChain);
    EXPECT_FALSE(MovePositionUp(List, 0));
    EXPECT_FALSE(MovePositionDown(List, 3));
    EXPECT_FALSE(MovePositionDown(List, -1));
    EXPECT_FALSE(MovePositionUp(List, 4));
    EXPECT_EQ(Titles(), QStringLiteral("ABCD"));
}

TEST_F(PlayListEditsTest, InsertedPositionStartsAtTheMixedEndOfTheRowBefore) {
    // An advert after music, whose mix value for adverts is 4.
    Fill({{kMusic, Ms(10), Ms(3)}, {kMusic, Ms(13), Ms(3)}, {kMusic, Ms(16), Ms(3)}});
    const int row = InsertPositionAfter(List, 0, Position({kAdvert, 0, Ms(1)}));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(List.Position(0).PlayTime, Ms(3) - 4000);
    EXPECT_EQ(List.Position(0).Mixed, 4000);
    EXPECT_EQ(List.Position(1).Hour, Ms(13) - 4000);
    // Adverts do not mix into music: the rest starts where the advert ends.
    EXPECT_EQ(Hours(), (std::vector<int>{Ms(10), Ms(13) - 4000, Ms(14) - 4000, Ms(17) - 4000}));
}

TEST_F(PlayListEditsTest, InsertingKeepsFixedHoursAndFillsAnEmptyList) {
    Fill({{kAdvert, Ms(10), Ms(3)}, {kMusic, Ms(20), Ms(3), true}});
    EXPECT_EQ(InsertPositionAfter(List, 0, Position({kMusic, 0, Ms(1)})), 1);
    EXPECT_EQ(Hours(), (std::vector<int>{Ms(10), Ms(13), Ms(20)}));
    EXPECT_EQ(InsertPositionAfter(List, 2, Position({kMusic, 0, Ms(1)})), 3);
    EXPECT_EQ(Hours(), (std::vector<int>{Ms(10), Ms(13), Ms(20), Ms(23)}));

    List.ClearView();
    EXPECT_EQ(InsertPositionAfter(List, -1, Position({kMusic, Ms(5), Ms(1)})), 0);
    EXPECT_EQ(Hours(), std::vector<int>{0});
    // Only an empty list takes a position without a row before it.
    EXPECT_EQ(InsertPositionAfter(List, -1, Position({kMusic, 0, Ms(1)})), -1);
    EXPECT_EQ(InsertPositionAfter(List, 1, Position({kMusic, 0, Ms(1)})), -1);
    EXPECT_EQ(List.Count(), 1);
}

TEST_F(PlayListEditsTest, BlankPositionComesFromTheBlankObject) {
    TBlankCategory blank;
    blank.Id = 0;
    blank.SetName(QStringLiteral("Cisza"));
    blank.SetSCat(kAdvert);
    blank.SetPlayTime(90);
    blank.Info = QStringLiteral("Blok reklamowy");
    const auto position = MakeBlankPosition(blank);
    EXPECT_TRUE(position->Blank);
    EXPECT_EQ(position->Title, QStringLiteral("Blok reklamowy"));
    EXPECT_EQ(position->SongTime, 90000);
    EXPECT_EQ(position->PlayTime, 90000);
    EXPECT_EQ(position->DbTime, 90000);
    EXPECT_EQ(position->Category, QStringLiteral("2"));
    EXPECT_EQ(position->CatId, 0);
    EXPECT_EQ(position->CategoryName, QStringLiteral("Cisza"));
    EXPECT_EQ(position->SongId, -1);
}

class PositionEditTest : public PlayListEditsTest {
protected:
    void SetUp() override {
        PlayListEditsTest::SetUp();
        Fill({{kMusic, Ms(10), Ms(3)},
              {kMusic, Ms(13), Ms(3)},
              {kMusic, Ms(16), Ms(3)},
              {kMusic, Ms(20), Ms(3), true}});
        TResultSongData& song = List.Position(1);
        song.Path = QStringLiteral("/muzyka/");
        song.SetFileName(QStringLiteral("b.mp3"));
    }
    // The edit window as opened on the row.
    TPositionEdit Unchanged(int row) const {
        const TResultSongData& position = List.Position(row);
        return {position.SongTime, position.FullFileName(), position.OwnHour, position.Hour,
                position.Title};
    }
};

TEST_F(PositionEditTest, ANewLengthMovesTheFollowingRowsOnly) {
    TPositionEdit edit = Unchanged(1);
    edit.SongTime = Ms(2);
    ASSERT_TRUE(ApplyPositionEdit(List, 1, edit));
    const TResultSongData& song = List.Position(1);
    EXPECT_EQ(song.SongTime, Ms(2));
    EXPECT_EQ(song.PlayTime, Ms(2));
    EXPECT_EQ(song.DbTime, Ms(3)); // a song's stored length stays
    EXPECT_FALSE(song.HasPlayFile);
    EXPECT_EQ(song.Path, QStringLiteral("/muzyka/"));
    EXPECT_EQ(song.FileName, QStringLiteral("b.mp3"));
    EXPECT_EQ(Hours(), (std::vector<int>{Ms(10), Ms(13), Ms(15), Ms(20)}));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(PositionEditTest, ASongLongerThanStoredNeedsAYes) {
    const QString question = QStringLiteral(
        "Nowy czas dźwięku (03:30.000), jest dłuższy niż czas tego dżwięku zapisany w bazie "
        "danych (03:00.000). Czy na pewno chcesz zmienić czas tego dżwięku?");
    for (bool yes : {false, true}) {
        List.ClearView();
        SetUp();
        Prompt.Clear();
        Prompt.QueueAnswers({yes});
        TPositionEdit edit = Unchanged(1);
        edit.SongTime = Ms(3, 30);
        edit.Hour = Ms(13, 5);
        ASSERT_TRUE(ApplyPositionEdit(List, 1, edit));
        EXPECT_EQ(Prompt.Questions(), QStringList{question});
        EXPECT_EQ(List.Position(1).SongTime, yes ? Ms(3, 30) : Ms(3));
        // The other changes of the same edit apply either way.
        EXPECT_EQ(List.Position(1).Hour, Ms(13, 5));
        EXPECT_EQ(List.Position(2).Hour, yes ? Ms(16, 35) : Ms(16, 5));
        EXPECT_EQ(List.Position(3).Hour, Ms(20));
    }
}

TEST_F(PositionEditTest, ABlankTakesAnyLengthAndItsText) {
    List.Position(1).Blank = true;
    TPositionEdit edit = Unchanged(1);
    edit.SongTime = Ms(4);
    edit.Info = QStringLiteral("Reklama Łódź");
    ASSERT_TRUE(ApplyPositionEdit(List, 1, edit));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
    EXPECT_EQ(List.Position(1).SongTime, Ms(4));
    EXPECT_EQ(List.Position(1).DbTime, Ms(4));
    EXPECT_EQ(List.Position(1).Title, QStringLiteral("Reklama Łódź"));
    EXPECT_EQ(List.Position(2).Hour, Ms(17));
}

TEST_F(PositionEditTest, ANewStartKeepsTheTypedHourAndShiftsUpToTheFixedRow) {
    for (bool fixed : {false, true}) {
        List.ClearView();
        SetUp();
        TPositionEdit edit = Unchanged(0);
        edit.Hour = Ms(9);
        edit.OwnHour = fixed;
        ASSERT_TRUE(ApplyPositionEdit(List, 0, edit));
        EXPECT_EQ(Hours(), (std::vector<int>{Ms(9), Ms(12), Ms(15), Ms(20)}));
        EXPECT_EQ(List.Position(0).OwnHour, fixed);
    }
}

TEST_F(PositionEditTest, ANewFileIsNamedExplicitly) {
    TPositionEdit edit = Unchanged(1);
    edit.FullFileName = QStringLiteral("/inne/nowy.mp3");
    ASSERT_TRUE(ApplyPositionEdit(List, 1, edit));
    EXPECT_TRUE(List.Position(1).HasPlayFile);
    EXPECT_EQ(List.Position(1).Path, QStringLiteral("/inne/"));
    EXPECT_EQ(List.Position(1).FileName, QStringLiteral("nowy.mp3"));
    EXPECT_EQ(Hours(), (std::vector<int>{Ms(10), Ms(13), Ms(16), Ms(20)}));
    EXPECT_FALSE(ApplyPositionEdit(List, 4, edit));
}

} // namespace
