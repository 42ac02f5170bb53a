#include "generator/RandTimerFixture.h"
#include "generator/uCutAllowance.h"

#include <numeric>

// --- Linking consecutive items

struct TLinkCase {
    const char* Name;
    int PreviousCategory;
    int CurrentCategory;
    bool PreviousCut;
    int OrigMix;
    bool Mark;
    int ExpectedMix;
    int ExpectedDuration;
    bool ExpectedMixRule;
    bool ExpectedMixed;
};

class LinkItemsTest : public RandTimerFixture, public ::testing::WithParamInterface<TLinkCase> {};

// The default station's mix table: music (1) into music mixes 3 s, into jingles (10) by the
// song's own mix point, into advertisements (3) not at all.
TEST_P(LinkItemsTest, MixAndDurationFollowTheCategoryTable) {
    const TLinkCase& c = GetParam();
    auto previous = MakeItem(1, c.PreviousCategory, 200000, c.OrigMix);
    previous->Start = 10000;
    if (c.PreviousCut) {
        previous->Cut = true;
        previous->Song->Time = 150000;
    }
    auto current = MakeItem(2, c.CurrentCategory, 180000);

    LinkItems(*current, *previous, c.Mark, Options->Categories());

    EXPECT_EQ(previous->Mix, c.ExpectedMix);
    EXPECT_EQ(previous->Duration, c.ExpectedDuration);
    EXPECT_EQ(previous->MixRule, c.ExpectedMixRule);
    EXPECT_EQ(previous->Mixed, c.ExpectedMixed);
    EXPECT_EQ(current->Start, 10000 + c.ExpectedDuration);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LinkItemsTest,
    ::testing::Values(
        TLinkCase{"TableValue", 1, 1, false, 5000, false, 3000, 197000, true, false},
        TLinkCase{"TableValueMarked", 1, 1, false, 5000, true, 3000, 197000, true, true},
        TLinkCase{"OwnMixPoint", 1, 10, false, 5000, true, 5000, 195000, false, true},
        TLinkCase{"CutSongWithoutTableValueMixesThreeSeconds", 1, 10, true, 5000, false, 3000,
                  147000, false, false},
        TLinkCase{"CutSongTableValue", 1, 1, true, 0, false, 3000, 147000, true, false},
        TLinkCase{"NoMixKeepsDuration", 1, 10, false, 0, true, 0, 200000, false, false},
        TLinkCase{"CategoriesThatMayNotMix", 1, 3, false, 5000, true, 0, 200000, false, false},
        TLinkCase{"CutSongThatMayNotMixPlaysItsCutTime", 1, 3, true, 5000, false, 0, 150000, false,
                  false},
        TLinkCase{"UnknownCategoryDoesNotMix", 99, 1, false, 5000, false, 0, 200000, false, false}),
    [](const auto& info) { return std::string(info.param.Name); });

// --- The final fitting of the whole day

class FinalFitTest : public RandTimerFixture {
protected:
    // Two stretches: music slots (category `sCat`) from 0 to `firstLength` s, then a fixed
    // advertisement block.
    void LayOut(std::initializer_list<int> seconds, int firstLength, int sCat = 1) {
        int start = 0;
        for (int length : seconds) {
            AddCategory(start, length, sCat);
            start += length;
        }
        AddBlank(firstLength, 180, true);
        Timer->BuildRanges();
        TTimerRange& first = Timer->Range(0);
        int slot = 0;
        for (int length : seconds) {
            first.PutItem(slot, MakeItem(100 + slot, sCat, length * 1000));
            ++slot;
        }
        Timer->Range(1).PutItem(0, MakeItem(-1, 3, 180000));
    }

    int Total(int range) const {
        int sum = 0;
        const TTimerRange& r = Timer->Range(range);
        for (int slot = 0; slot < r.SlotCount(); ++slot)
            sum += r.Item(slot)->Duration;
        return sum;
    }
    int CutCount(int range) const {
        int count = 0;
        const TTimerRange& r = Timer->Range(range);
        for (int slot = 0; slot < r.SlotCount(); ++slot)
            count += r.Item(slot)->Cut ? 1 : 0;
        return count;
    }
};

TEST_F(FinalFitTest, OverfullStretchIsCutToItsLength) {
    // 3 x 250 s with 3 s mixes between them: 747 s in a 700 s stretch.
    LayOut({250, 250, 250}, 700);
    Timer->FinalFit();

    EXPECT_EQ(Total(0), 700000);
    EXPECT_GE(CutCount(0), 1);
    const TTimerRange& first = Timer->Range(0);
    for (int slot = 0; slot < 3; ++slot) {
        const TRandedItem& item = *first.Item(slot);
        EXPECT_EQ(item.Cut, item.Song->Time < item.Song->FullTime) << "slot " << slot;
    }
    EXPECT_EQ(Timer->Range(1).Item(0)->Start, 700000);
    EXPECT_TRUE(Timer->Range(0).Item(0)->Mixed);
}

TEST_F(FinalFitTest, ASongLosesAtMostAQuarter) {
    // 3 x 200 s in 480 s: 117 s too long, more than a quarter of any song. A cut song is
    // counted as mixing 3 s into the next, so the block that follows without a mix leaves the
    // stretch those 3 s long.
    LayOut({200, 200, 200}, 480);
    Timer->FinalFit();

    EXPECT_EQ(CutCount(0), 3);
    EXPECT_EQ(Total(0), 483000);
    const TTimerRange& first = Timer->Range(0);
    for (int slot = 0; slot < 3; ++slot)
        EXPECT_GE(first.Item(slot)->Song->Time, 150000) << "slot " << slot;
}

TEST_F(FinalFitTest, OverfullStretchWithoutCuttableSongStaysOverfull) {
    // Only the main music category may be cut.
    LayOut({250, 250, 250}, 700, 2);
    Timer->FinalFit();
    EXPECT_EQ(CutCount(0), 0);
    EXPECT_GT(Total(0), 700000);
}

TEST_F(FinalFitTest, GapIsFilledByTheMostCutSong) {
    LayOut({200, 200, 200}, 900);
    TTimerRange& first = Timer->Range(0);
    first.Item(0)->Cut = true;
    first.Item(0)->Song->Time = 150000;
    first.Item(1)->Cut = true;
    first.Item(1)->Song->Time = 190000;

    Timer->FinalFit();

    // The first song gets back its 50 s, the gap being far larger; the later ones move on.
    EXPECT_EQ(first.Item(0)->Song->Time, 200000);
    EXPECT_EQ(first.Item(0)->Duration, 197000);
    EXPECT_EQ(first.Item(1)->Song->Time, 190000);
    EXPECT_EQ(first.Item(1)->Start, 197000);
    EXPECT_EQ(first.Item(2)->Start, 197000 + 187000);
}

TEST_F(FinalFitTest, LongestCuttableSkipsCutSongsAndOtherCategories) {
    AddCategory(0, 200, 1);
    AddCategory(200, 300, 2);
    AddCategory(500, 250, 1);
    AddCategory(750, 260, 1);
    Timer->BuildRanges();
    TTimerRange& range = Timer->Range(0);
    range.PutItem(0, MakeItem(1, 1, 200000));
    range.PutItem(1, MakeItem(2, 2, 300000));
    range.PutItem(2, MakeItem(3, 1, 250000));
    range.PutItem(3, MakeItem(4, 1, 260000));
    range.Item(3)->Cut = true;

    EXPECT_EQ(Timer->LongestCuttable(range), range.Item(2));
}

// --- Fitting a stretch while drawing

TEST_F(RandTimerFixture, StretchesComeOutAtTheirLengthAfterFitting) {
    std::vector<int> lengths;
    for (int s = 150; s <= 300; s += 5)
        lengths.push_back(s);
    for (int s : lengths) {
        TTestSong song;
        song.Title = QStringLiteral("Utwór %1").arg(s);
        song.Artist = QStringLiteral("Wykonawca %1").arg(s);
        song.Time = s * 1000;
        AddTestSong(song);
    }
    for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
        Random.Seed(seed);
        Timer = NewTimer();
        Receiver.Items.clear();
        AddCategory(0, 200);
        AddCategory(200, 200);
        AddCategory(400, 200);
        AddBlank(660, 60, true);

        Timer->Run();

        ASSERT_EQ(Receiver.Items.size(), 4u);
        EXPECT_EQ(Receiver.Items[3].Start, 660000) << "seed " << seed;
        const int total =
            Receiver.Items[0].Duration + Receiver.Items[1].Duration + Receiver.Items[2].Duration;
        // Over-full stretches are cut to their length; the fitting keeps short ones rare.
        EXPECT_LE(total, 660000) << "seed " << seed;
        EXPECT_GE(total, 660000 - CutAllowance(300000)) << "seed " << seed;
        EXPECT_EQ(Receiver.Items[2].Start + Receiver.Items[2].Duration, total);
    }
}

// --- Stretches whose songs may not be cut

struct TUncuttableCase {
    const char* Name;
    // An advertisement block drawn together with the songs: no swap can change its length.
    bool LeadingBlank;
};

class UncuttableStretchTest : public RandTimerFixture,
                              public ::testing::WithParamInterface<TUncuttableCase> {};

// Nothing shortens such a stretch after the fitting, so whatever the first draw gives, the
// fitting has to leave it within its length: a song running on would start the fixed hour late.
TEST_P(UncuttableStretchTest, NeverRunsPastTheFixedHour) {
    const TUncuttableCase& c = GetParam();
    for (int s = 100; s <= 300; s += 10) {
        TTestSong song;
        song.Title = QStringLiteral("Przebój %1").arg(s);
        song.Artist = QStringLiteral("Wykonawca %1").arg(s);
        song.Category = 2;
        song.Time = s * 1000;
        AddTestSong(song);
    }
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        Random.Seed(seed);
        Timer = NewTimer();
        Receiver.Items.clear();
        int start = 0;
        if (c.LeadingBlank) {
            AddBlank(0, 60);
            start = 60;
        }
        for (int slot = 0; slot < 3; ++slot)
            AddCategory(start + slot * 200, 200, 2, false, QStringLiteral("Przeboje"));
        const int fixedHour = start + 600;
        AddBlank(fixedHour, 60, true);

        Timer->Run();

        ASSERT_EQ(Receiver.Items.size(), c.LeadingBlank ? 5u : 4u);
        const TResultItem& fixed = Receiver.Items.back();
        EXPECT_EQ(fixed.Start, fixedHour * 1000) << "seed " << seed;
        int total = 0;
        for (size_t i = 0; i + 1 < Receiver.Items.size(); ++i)
            total += Receiver.Items[i].Duration;
        EXPECT_LE(total, fixedHour * 1000) << "seed " << seed;
        EXPECT_GE(total, fixedHour * 1000 - CutAllowance(300000)) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, UncuttableStretchTest,
                         ::testing::Values(TUncuttableCase{"SongsOnly", false},
                                           TUncuttableCase{"AfterABlank", true}),
                         [](const auto& info) { return std::string(info.param.Name); });
