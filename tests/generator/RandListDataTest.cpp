#include "clocks/uCategory.h"
#include "foundation/uTextFile.h"
#include "generator/GeneratorFixture.h"
#include "generator/uRandListData.h"

#include <QDir>

// Fixed lists of three songs drawn over one day and the next.
class RandListDataTest : public GeneratorFixture {
protected:
    static constexpr int kListId = 42;
    int S1 = -1, S2 = -1, S3 = -1;
    std::unique_ptr<TDetailPlayList> List;
    std::unique_ptr<TRandListSet> Lists;

    void SetUp() override {
        GeneratorFixture::SetUp();
        S1 = AddTestSong({.Artist = "A", .Title = "Jeden"});
        S2 = AddTestSong({.Artist = "B", .Title = "Dwa"});
        S3 = AddTestSong({.Artist = "C", .Title = "Trzy"});
        List = std::make_unique<TDetailPlayList>();
        List->Id = kListId;
        List->SetName("Lista");
        for (int song : {S1, S2, S3})
            List->AddSong(song);
        List->SetRepList(true);
        StartDay(Day());
    }

    // A new run for the day: the list set reads the previous day's positions.
    void StartDay(TDateTime day) {
        Context = std::make_unique<TTestDrawContext>(*MainBase, day);
        Lists = std::make_unique<TRandListSet>();
        Lists->LoadListPositions(day);
    }

    std::unique_ptr<TPlayListObj> Slot() {
        auto slot = MakeSlot<TPlayListObj>(kListId);
        slot->RepList = List->RepList();
        slot->RndList = List->RndList();
        slot->ListData = Lists->GetListData(*List);
        return slot;
    }

    // The songs of `count` slots of the list.
    std::vector<int> DrawSlots(int count) {
        std::vector<int> songs;
        for (int i = 0; i < count; ++i) {
            auto item = Slot()->Draw(0, 60 * i, -1, true, false);
            songs.push_back(item ? item->Song->SongId : -1);
        }
        return songs;
    }

    static QString PositionsText(TDateTime day) {
        QStringList lines;
        EXPECT_TRUE(ReadTextLines(ListPositionFile(day), lines));
        return lines.join('|');
    }
};

TEST_F(RandListDataTest, CyclicListGoesOnNextDay) {
    EXPECT_EQ(DrawSlots(5), std::vector<int>({S1, S2, S3, S1, S2}));
    ASSERT_TRUE(Lists->SaveListPositions(Day()));
    EXPECT_EQ(PositionsText(Day()), QString("42=%1,1").arg(S2));

    StartDay(Day() + 1);
    TRandListData* data = Lists->GetListData(*List);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->Played, QStringList({QString::number(S1), QString::number(S2)}));
    EXPECT_EQ(DrawSlots(2), std::vector<int>({S3, S1}));
}

TEST_F(RandListDataTest, RemovedSongRestoresByIndex) {
    ASSERT_TRUE(WriteTextLines(ListPositionFile(Day()), {"7=1,0", "42=99999,1"}));
    StartDay(Day() + 1);
    TRandListData* data = Lists->GetListData(*List);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->LastSongId, S2);
    EXPECT_EQ(data->LastIndex, 1);
    EXPECT_EQ(DrawSlots(1), std::vector<int>({S3}));
}

TEST_F(RandListDataTest, OnceThroughAndRandomLists) {
    List->SetRepList(false);
    EXPECT_EQ(DrawSlots(4), std::vector<int>({S1, S2, S3, -1}));
    Lists = std::make_unique<TRandListSet>();
    List->SetRndList(true);
    EXPECT_EQ(DrawSlots(1), std::vector<int>({-1}));
}

TEST_F(RandListDataTest, RefusedSongDoesNotAdvance) {
    auto slot = Slot();
    slot->Rest = false;
    const int daily = AddTestFreqGroup(1, fpDays);
    TMainBaseQuery query;
    query.SetSQL("UPDATE BaseSongs SET Freq_Rest = ? WHERE Song_Id = ?");
    query.SetParam(1, daily);
    query.SetParam(2, S1);
    query.ExecSQL();
    PlaceInDay(S1, ArtistId("A"), 10);
    EXPECT_FALSE(slot->Draw(0, 600, -1, true, false));
    EXPECT_TRUE(slot->ListData->Played.isEmpty());
}

TEST_F(RandListDataTest, ListSongsMissingOrOfBlockedLabels) {
    const int label = FindLabel("Zła wytwórnia", true);
    const int blocked = AddTestSong({.Artist = "D", .Title = "Zablokowany", .Label2 = label});
    DisabledLabels->Replace({{"Zła wytwórnia", label}});
    List->AddSong(99999);
    List->AddSong(blocked);

    QStringList asked;
    Lists->OnLabelQuestion = [&](const QString& list, const QString& labels, const QString& title,
                                 const QString& artist) {
        asked = {list, labels, title, artist};
        return true;
    };
    TRandListData* data = Lists->GetListData(*List);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->Songs, std::vector<int>({S1, S2, S3, blocked}));
    EXPECT_EQ(asked, QStringList({"Lista", "Zła wytwórnia", "Zablokowany", "D"}));
    EXPECT_EQ(Lists->GetListData(*List), data) << "one data per list";

    TRandListSet refusing;
    refusing.OnLabelQuestion = [](auto&&...) { return false; };
    EXPECT_EQ(refusing.GetListData(*List), nullptr);
    EXPECT_EQ(refusing.Count(), 0);
}

TEST_F(RandListDataTest, UnreadablePositionsAreReported) {
    ASSERT_TRUE(QDir().mkpath(ListPositionFile(Day())));
    StartDay(Day() + 1);
    ASSERT_EQ(Prompt.Errors().size(), 1);
    EXPECT_TRUE(Prompt.Errors()[0].startsWith("Błąd losowania: "))
        << Prompt.Errors()[0].toStdString();
    EXPECT_TRUE(Lists->PrevListPositions().isEmpty());
    EXPECT_EQ(DrawSlots(1), std::vector<int>({S1}));
}
