#include "clocks/ClockFixture.h"

#include <algorithm>

namespace {

// The clock editor in broadcast mode, over a broadcast of a jingle, a category slot with its own
// choices and a blank.
class ClockBroadcastModeTest : public TClockFixture {
protected:
    void SetUp() override {
        TClockFixture::SetUp();
        Broadcast = std::make_unique<TBroadcast>();
        Broadcast->SetName(QStringLiteral("Blok"));
        Broadcast->AddItem(NewItem(*Jingle, 0), QStringLiteral("0"));
        std::unique_ptr<TBroadcastItem> hits = NewItem(*Hits, 10, 300);
        hits->OwnTime = true;
        hits->Properties.Tempo = {1};
        hits->Properties.Any = false;
        hits->UserInfo = QStringLiteral("Tytuł");
        Broadcast->AddItem(std::move(hits), QStringLiteral("10"));
        Broadcast->AddItem(NewItem(*News, 310), QStringLiteral("310"));
        Editor = std::make_unique<TClock>(cmBroadcast);
    }
    void TearDown() override {
        Editor.reset();
        Broadcast.reset();
        TClockFixture::TearDown();
    }

    std::unique_ptr<TBroadcast> Broadcast;
    std::unique_ptr<TClock> Editor;
};

TEST_F(ClockBroadcastModeTest, ShowsEachItemAsACopyOfItsMasterWithTheItemsChoices) {
    Editor->Modified = true;
    Editor->RowsFromBroadcast(*Broadcast);
    EXPECT_EQ(Editor->Name(), QStringLiteral("Blok"));
    EXPECT_FALSE(Editor->Modified);
    ASSERT_EQ(Editor->RowCount(), 3);

    const TClockObjData& row = *Editor->Row(1);
    ASSERT_NE(row.Object(), nullptr);
    EXPECT_EQ(row.Object()->ObjType(), otCategory) << "a copy of the master, not of the item";
    EXPECT_EQ(row.Object()->Id, Hits->Id);
    EXPECT_EQ(row.Object()->UserInfo, QStringLiteral("Tytuł"));
    EXPECT_EQ(row.ImageIndex, otCategory);
    EXPECT_EQ(row.RowPlayTime, 300);
    EXPECT_TRUE(row.OwnPlayTime());
    EXPECT_EQ(row.CharText(ccTempo), QStringLiteral("Wolne"));
    EXPECT_TRUE(row.Flags[ccTempo]) << "the item's own choice";
    EXPECT_EQ(row.CharText(ccLanguage), QStringLiteral("Polski,Angielski"));
    EXPECT_FALSE(row.Flags[ccLanguage]) << "the master's";
    EXPECT_EQ(row.CharText(ccAtmosphere), QStringLiteral("dowolny"));
    EXPECT_EQ(row.CellText(ccAnd), QStringLiteral("OR"));

    EXPECT_FALSE(Editor->Row(0)->OwnPlayTime());
    EXPECT_TRUE(Editor->Row(2)->CharText(ccTempo).isEmpty()) << "a blank has no conditions";
    std::vector<int> hours;
    for (const auto& each : Editor->Rows())
        hours.push_back(each->RowHour);
    EXPECT_EQ(hours, (std::vector<int>{0, 10, 310}));
    EXPECT_FALSE(Editor->BroadcastBegin().has_value());
}

TEST_F(ClockBroadcastModeTest, AnItemWithoutItsMasterShowsAsARowWithoutObject) {
    std::unique_ptr<TBroadcastItem> lost = NewItem(*Ballads, 490);
    CategoryList->DeleteById(Ballads->Id);
    Broadcast->AddItem(std::move(lost), QStringLiteral("490"));
    Broadcast->AddItem(NewItem(*Jingle, 730), QStringLiteral("730"));
    Editor->RowsFromBroadcast(*Broadcast);
    ASSERT_EQ(Editor->RowCount(), 5);
    EXPECT_EQ(Editor->Row(3)->Object(), nullptr);
    EXPECT_EQ(Editor->Row(3)->Name(), QStringLiteral("Nieznana"));
    EXPECT_EQ(Editor->Row(4)->RowHour, 730) << "the lost row still takes its time";

    EXPECT_EQ(Editor->BroadcastFromRows(QStringLiteral("Blok"))->ItemCount(), 4)
        << "only rows with an object become items";
}

TEST_F(ClockBroadcastModeTest, RowsWrittenBackGiveTheItemsTheyWereShownFrom) {
    Editor->RowsFromBroadcast(*Broadcast);
    std::unique_ptr<TBroadcast> written = Editor->BroadcastFromRows(QStringLiteral("Nowy blok"));
    EXPECT_EQ(written->ObjName(), QStringLiteral("Nowy blok"));
    ASSERT_EQ(written->ItemCount(), 3);
    EXPECT_EQ(written->Length(), 490);
    for (int i = 0; i < 3; ++i) {
        const TBroadcastItem& a = *Broadcast->ItemAt(i);
        const TBroadcastItem& b = *written->ItemAt(i);
        EXPECT_EQ(b.MasterId(), a.MasterId()) << i;
        EXPECT_EQ(b.MstType, a.MstType) << i;
        EXPECT_EQ(b.ObjName(), a.ObjName()) << i;
        EXPECT_EQ(b.GetPlayTime(), a.GetPlayTime()) << i;
        EXPECT_EQ(b.OwnTime, a.OwnTime) << i;
        EXPECT_EQ(b.Hour, a.Hour) << i;
        EXPECT_EQ(b.ExTime(), a.ExTime()) << i;
        EXPECT_EQ(b.UserInfo, a.UserInfo) << i;
        EXPECT_EQ(b.Properties, a.Properties) << i << " only the item's own choices";
        EXPECT_EQ(written->ItemKey(i), QString::number(a.Hour)) << i;
    }

    // The written items follow their masters from now on.
    const auto& listeners = Hits->Listeners();
    EXPECT_NE(std::find(listeners.begin(), listeners.end(), written->ItemAt(1)), listeners.end());
    Hits->SetName(QStringLiteral("Hity"));
    Hits->UpdateListeners();
    EXPECT_EQ(written->ItemAt(1)->ObjName(), QStringLiteral("Hity"));

    // Into an existing broadcast: its items are replaced.
    Editor->BroadcastFromRows(*written, QStringLiteral("Blok"));
    EXPECT_EQ(written->ItemCount(), 3);
}

TEST_F(ClockBroadcastModeTest, TheBeginFixesTheFirstRowAndPinsTheBroadcast) {
    Editor->InsertObjects(*Jingle, nullptr, ipAfter);
    Editor->InsertObjects(*Hits, nullptr, ipAfter);
    EXPECT_FALSE(Editor->Row(0)->OwnHour()) << "nothing is fixed before a begin is chosen";

    ASSERT_TRUE(Editor->SetBroadcastBegin(Hms(8)));
    EXPECT_TRUE(Editor->Row(0)->OwnHour());
    EXPECT_EQ(Editor->Row(1)->RowHour, Hms(8, 0, 10));
    EXPECT_EQ(Editor->BroadcastEnd(), Hms(8, 3, 40));
    EXPECT_FALSE(Editor->ExactEnd());

    TBroadcast pinned;
    Editor->ApplyBroadcastTimes(pinned);
    EXPECT_EQ(pinned.GetName(), QStringLiteral(" (08:00:00 - 08:03:40)"));
    EXPECT_FALSE(pinned.ExactEnd);

    ASSERT_TRUE(Editor->SetBroadcastEnd(Hms(7)));
    EXPECT_EQ(Editor->BroadcastEnd(), Hms(8)) << "an end before the begin is the begin";
    ASSERT_TRUE(Editor->SetBroadcastEnd(Hms(9)));
    Editor->ApplyBroadcastTimes(pinned);
    EXPECT_EQ(pinned.GetPlayTime(), 3600);
    EXPECT_TRUE(pinned.ExactEnd);

    // A begin moved past the end the user set lets go of that end.
    ASSERT_TRUE(Editor->SetBroadcastBegin(Hms(9, 30)));
    EXPECT_FALSE(Editor->ExactEnd());
}

TEST_F(ClockBroadcastModeTest, TheBeginMustComeBeforeTheNextFixedRow) {
    Editor->InsertObjects(*Jingle, nullptr, ipAfter);
    ASSERT_TRUE(Editor->SetBroadcastBegin(Hms(8)));
    TClockObjData* later = Editor->InsertObjects(*Hits, nullptr, ipAfter);
    ASSERT_TRUE(Editor->SetRowHour(later, Hms(8, 30), true));

    EXPECT_FALSE(Editor->SetBroadcastBegin(Hms(9)));
    EXPECT_EQ(Prompt.Errors(),
              QStringList{QStringLiteral("Niewłaściwa godzina początkowa 09:00:00. \r\nGodzina nie "
                                         "może być późniejsza niż 08:30:00.")});
    EXPECT_EQ(Editor->BroadcastBegin(), Hms(8));
}

TEST_F(ClockBroadcastModeTest, FreeingTheFirstRowFreesTheWholeBroadcast) {
    Editor->InsertObjects(*Jingle, nullptr, ipAfter);
    Editor->InsertObjects(*Hits, nullptr, ipAfter);
    ASSERT_TRUE(Editor->SetBroadcastBegin(Hms(8)));
    ASSERT_TRUE(Editor->SetRowHour(Editor->Row(1), Hms(8, 30), true));

    ASSERT_TRUE(Editor->SetRowHour(Editor->Row(0), Hms(8), false));
    EXPECT_FALSE(Editor->BroadcastBegin().has_value());
    EXPECT_FALSE(Editor->Row(1)->OwnHour());
    EXPECT_EQ(Editor->Row(0)->RowHour, 0);
    EXPECT_EQ(Editor->Row(1)->RowHour, 10);

    TBroadcast freed;
    freed.BeginTime = 0.25;
    Editor->ApplyBroadcastTimes(freed);
    EXPECT_FALSE(freed.HasBegin());
    EXPECT_FALSE(freed.HasEnd());
}

TEST_F(ClockBroadcastModeTest, AShownPinnedBroadcastBringsItsBeginAndExactEnd) {
    Broadcast->BeginTime = SecondsToDateTime(Hms(6));
    Broadcast->EndTime = SecondsToDateTime(Hms(7));
    Broadcast->ExactEnd = true;
    Editor->RowsFromBroadcast(*Broadcast);
    EXPECT_EQ(Editor->BroadcastBegin(), Hms(6));
    EXPECT_TRUE(Editor->ExactEnd());
    EXPECT_EQ(Editor->BroadcastEnd(), Hms(7));

    TBroadcast copy;
    Editor->ApplyBroadcastTimes(copy);
    EXPECT_EQ(copy.BeginSeconds(), Hms(6));
    EXPECT_EQ(copy.EndSeconds(), Hms(7));
    EXPECT_TRUE(copy.ExactEnd);
}

} // namespace
