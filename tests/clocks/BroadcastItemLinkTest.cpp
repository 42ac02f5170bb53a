#include "clocks/ClockTestUtils.h"
#include "clocks/uClockObjList.h"

#include <algorithm>

namespace {

// Broadcast items follow their master in the process-wide category list.
class BroadcastItemLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        CategoryList = std::make_unique<TClockObjList>();
        Master = AddMaster(QStringLiteral("Przeboje"), 240);
        Other = AddMaster(QStringLiteral("Ballady"), 300);
    }
    void TearDown() override { CategoryList.reset(); }

    static TBaseClockObject* AddMaster(const QString& name, int playTime) {
        auto category = std::make_unique<TCategory>();
        category->SetName(name);
        category->SetPlayTime(playTime);
        return CategoryList->AddObject(std::move(category));
    }
    static bool Listens(const TBaseClockObject* master, const TBroadcastItem* item) {
        const auto& items = master->Listeners();
        return std::find(items.begin(), items.end(), item) != items.end();
    }

    TBaseClockObject* Master = nullptr;
    TBaseClockObject* Other = nullptr;
};

TEST_F(BroadcastItemLinkTest, SettingTheMasterIdRegistersWithTheMaster) {
    TBroadcastItem item;
    item.SetMasterId(Master->Id);
    EXPECT_TRUE(Listens(Master, &item));
    item.SetMasterId(Other->Id);
    EXPECT_FALSE(Listens(Master, &item));
    EXPECT_TRUE(Listens(Other, &item));
    item.SetMasterId(777);
    EXPECT_EQ(item.MasterId(), 777);
    EXPECT_TRUE(Other->Listeners().empty());
}

TEST_F(BroadcastItemLinkTest, ItemsFollowTheirMastersEdits) {
    TBroadcastItem follower;
    TBroadcastItem ownTime;
    ownTime.OwnTime = true;
    ownTime.SetPlayTime(30);
    for (TBroadcastItem* item : {&follower, &ownTime})
        item->SetMasterId(Master->Id);

    Master->SetName(QStringLiteral("Hity"));
    Master->SetPlayTime(200);
    Master->UpdateListeners();
    for (TBroadcastItem* item : {&follower, &ownTime}) {
        EXPECT_EQ(item->ObjName(), QStringLiteral("Hity"));
        EXPECT_EQ(item->MstType, otCategory);
    }
    EXPECT_EQ(follower.GetPlayTime(), 200);
    EXPECT_EQ(ownTime.GetPlayTime(), 30) << "an own play time stays";
}

TEST_F(BroadcastItemLinkTest, ADestroyedItemLeavesItsMaster) {
    {
        TBroadcastItem item;
        item.SetMasterId(Master->Id);
        ASSERT_EQ(Master->Listeners().size(), 1u);
    }
    EXPECT_TRUE(Master->Listeners().empty());
}

TEST_F(BroadcastItemLinkTest, AnItemOutlivesItsDeletedMaster) {
    auto item = std::make_unique<TBroadcastItem>();
    item->SetMasterId(Master->Id);
    const int id = Master->Id;
    CategoryList->DeleteById(id);
    EXPECT_EQ(item->MasterId(), id) << "the id stays; the item just no longer follows";
    item.reset();
    SUCCEED();
}

TEST_F(BroadcastItemLinkTest, CopiesAndReadItemsDoNotFollowTheMaster) {
    TBroadcastItem registered;
    registered.SetMasterId(Master->Id);

    TBroadcastItem copy;
    copy.Assign(registered);
    EXPECT_EQ(copy.MasterId(), Master->Id);
    EXPECT_FALSE(Listens(Master, &copy));
    copy.SetMasterId(Master->Id);
    EXPECT_FALSE(Listens(Master, &copy)) << "setting the same id again does nothing";

    const auto read = RoundTrip(registered);
    const auto* readItem = dynamic_cast<const TBroadcastItem*>(read.get());
    ASSERT_NE(readItem, nullptr);
    EXPECT_EQ(readItem->MasterId(), Master->Id);
    EXPECT_EQ(Master->Listeners().size(), 1u);
}

TEST_F(BroadcastItemLinkTest, AnItemGivenAnotherMasterByACopyStopsFollowingTheOldOne) {
    TBroadcastItem item;
    item.SetMasterId(Master->Id);
    TBroadcastItem source;
    source.SetMasterId(Other->Id);
    item.Assign(source);
    EXPECT_EQ(item.MasterId(), Other->Id);
    EXPECT_FALSE(Listens(Master, &item));
    Master->SetName(QStringLiteral("Hity"));
    Master->UpdateListeners();
    EXPECT_NE(item.ObjName(), QStringLiteral("Hity"));
}

TEST_F(BroadcastItemLinkTest, WithoutTheListNothingIsRegistered) {
    CategoryList.reset();
    TBroadcastItem item;
    item.SetMasterId(0);
    EXPECT_EQ(item.MasterId(), 0);
}

} // namespace
