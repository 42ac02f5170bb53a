#include "generator/GeneratorFixture.h"
#include "generator/uCutAllowance.h"
#include "generator/uSongsFilterUtils.h"

#include <set>

// A category slot over a handful of songs of category 1.
class RandObjTest : public GeneratorFixture {
protected:
    std::unique_ptr<TRandObj> Slot;
    int Blocked = -1;

    void SetUp() override {
        GeneratorFixture::SetUp();
        Blocked = FindLabel("Zablokowana", true);
        DisabledLabels->Replace({{"Zablokowana", Blocked}});
        Slot = NewSlot();
    }

    std::unique_ptr<TRandObj> NewSlot() {
        auto slot = MakeSlot<TRandObj>(3);
        slot->SCat = 1;
        slot->Rest = false;
        slot->SetSlotTime(200);
        TMainBaseQuery query;
        slot->Prepare(query);
        return slot;
    }

    int Song(const QString& title, int time, bool blocked = false) {
        return AddTestSong({.Artist = "Artysta " + title,
                            .Title = title,
                            .Time = time,
                            .Label1 = blocked ? Blocked : -1});
    }

    // Plays on the day before, inside the six-day play-count window.
    void PlayedTimes(int songId, int times) {
        for (int i = 0; i < times; ++i)
            PlayedOn(Day() - 1, 100 + i * 10, songId, 1);
    }

    int DrawnSong(int needed, int tolerance = -1, bool randomPick = true) {
        auto item = Slot->Draw(needed, 600, tolerance, randomPick, false);
        return item ? item->Song->SongId : -1;
    }
};

TEST_F(RandObjTest, LeastPlayedIsPreferred) {
    const int once1 = Song("Raz 1", 200000);
    const int once2 = Song("Raz 2", 210000);
    const int never = Song("Nigdy", 500000);
    PlayedTimes(once1, 1);
    PlayedTimes(once2, 1);
    // The needed length plays no part in the choice.
    for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
        Context->Rand.Seed(seed);
        EXPECT_EQ(DrawnSong(200000), never) << seed;
    }
    // A play placed in the day counts as well: now every song has one.
    PlaceInDay(never, 1, 100);
    std::set<int> drawn;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        Context->Rand.Seed(seed);
        drawn.insert(DrawnSong(200000));
    }
    EXPECT_EQ(drawn, std::set<int>({once1, once2, never}));
}

TEST_F(RandObjTest, RefusedLevelFallsBackToTheNext) {
    const int never = Song("Nigdy", 200000, true);
    const int once = Song("Raz", 200000, true);
    const int twice = Song("Dwa", 200000);
    const int thrice = Song("Trzy", 200000);
    PlayedTimes(once, 1);
    PlayedTimes(twice, 2);
    PlayedTimes(thrice, 3);
    EXPECT_EQ(DrawnSong(200000), twice);
    EXPECT_EQ(Slot->PlayCount(never), 0);
    EXPECT_EQ(Slot->PlayCount(thrice), 3);

    Slot->Rest = true; // the label check is skipped now
    EXPECT_EQ(DrawnSong(200000), never);
}

TEST_F(RandObjTest, NothingWhenEveryCandidateIsRefused) {
    Song("A", 200000, true);
    Song("B", 220000, true);
    EXPECT_EQ(DrawnSong(200000), -1);
    EXPECT_EQ(DrawnSong(200000, -1, false), -1);
    EXPECT_EQ(DrawnSong(0), -1) << "nothing needed";
}

TEST_F(RandObjTest, ExactTimeSlotPlaysTheSlotLength) {
    Song("Krótki", 170000);
    const int longer = Song("Długi", 240000);
    Slot->ExTime = true;
    Slot->SetSlotTime(180);
    auto item = Slot->Draw(180000, 600, -1, true, false);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->Song->SongId, longer);
    EXPECT_EQ(item->Duration, 180000);
    EXPECT_EQ(item->Song->FullTime, 180000);
    EXPECT_EQ(item->CatId, 3);
}

TEST_F(RandObjTest, ToleranceOfTheSequentialDraw) {
    const int song = Song("Jedyny", 240000);
    struct {
        const char* Name;
        int Needed;
        int Tolerance;
        int Expected;
    } cases[] = {
        {"-1 accepts any length", 300000, -1, song},
        {"-2 refuses a shorter song", 250000, -2, -1},
        {"-2 accepts within the cut allowance", 215000, -2, song},
        {"-2 refuses beyond the cut allowance", 200000, -2, -1},
        {"a tolerance adds to it", 200000, 40000, song},
        {"a tolerance too small", 200000, 20000, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DrawnSong(c.Needed, c.Tolerance, false), c.Expected) << c.Name;
    EXPECT_EQ(CutAllowance(200000), 30000);
    EXPECT_EQ(CutAllowance(100000), 25000);
    EXPECT_EQ(CutAllowance(2), 0) << "0.5 rounds to even";
    EXPECT_EQ(CutAllowance(6), 2) << "1.5 rounds to even";
}

TEST_F(RandObjTest, NeighbourSearchesSkipTheCurrentSong) {
    const int a = Song("A", 180000);
    const int b = Song("B", 200000);
    const int c = Song("C", 220000);
    const auto idOf = [](const std::unique_ptr<TRandedItem>& item) {
        return item ? item->Song->SongId : -1;
    };
    EXPECT_EQ(idOf(Slot->DrawShorter(210000, b, 600, false)), a);
    EXPECT_EQ(idOf(Slot->DrawShorter(210000, c, 600, false)), b);
    EXPECT_EQ(idOf(Slot->DrawShorter(190000, a, 600, false)), -1);
    EXPECT_EQ(idOf(Slot->DrawLonger(190000, b, 600, false)), c);
    EXPECT_EQ(idOf(Slot->DrawLonger(210000, c, 600, false)), -1);
    EXPECT_EQ(idOf(Slot->DrawAtMost(600, 210000)), b);
    EXPECT_EQ(idOf(Slot->DrawAtLeast(600, 210000)), c);
}

TEST_F(RandObjTest, MixAdjustedSongsAndCueTrimmedLengths) {
    const int song =
        AddTestSong({.Title = "Cue", .Time = 200000, .NStart = 10000, .NEnd = 190000, .Mix = 5000});
    Slot->OpenCandidates();
    Slot->LoadCandidates(true);
    ASSERT_EQ(Slot->Candidates.Count(), 1);
    EXPECT_EQ(Slot->Candidates.KeyAt(0), 175000);
    auto adjusted = Slot->AcceptSong(song, 600, true);
    ASSERT_TRUE(adjusted);
    EXPECT_EQ(adjusted->Time, 175000);
    EXPECT_EQ(adjusted->FullTime, 180000);
    EXPECT_EQ(adjusted->Mix, 5000);
    auto plain = Slot->AcceptSong(song, 600, false);
    EXPECT_EQ(plain->Time, 180000);
    EXPECT_NE(plain->Serial, adjusted->Serial);
    Slot->CloseCandidates();
    EXPECT_EQ(TAllowedSong(1, 1, 5000, 4000, 4000, 1).Mix, 0) << "shorter than its mix";
    EXPECT_EQ(TAllowedSong(1, 1, 0, -5, 4000, 1).Time, 0);
}

TEST_F(RandObjTest, CachedCandidatesGiveTheSameDay) {
    for (int i = 0; i < 12; ++i)
        Song(QString("Utwór %1").arg(i), 150000 + (i % 4) * 20000, i % 5 == 0);
    const auto drawDay = [&](bool cached) {
        Context = std::make_unique<TTestDrawContext>(*MainBase, Day());
        Context->Run.Candidates.SetEnabled(cached);
        Slot = NewSlot();
        std::vector<int> songs;
        for (int minute = 0; minute < 1440; minute += 120) {
            auto item = Slot->Draw(180000, minute, -1, true, false);
            songs.push_back(item ? item->Song->SongId : -1);
            if (item)
                Context->Run.AddHistory(*item->Song, minute * 60000);
            auto shorter = Slot->DrawShorter(180000, songs.back(), minute, true);
            songs.push_back(shorter ? shorter->Song->SongId : -1);
        }
        return std::make_pair(songs, Context->Run.Candidates.Loads());
    };
    const auto [reloaded, reloads] = drawDay(false);
    const auto [cached, loads] = drawDay(true);
    EXPECT_EQ(cached, reloaded);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(reloads, static_cast<int>(reloaded.size()));
}

TEST_F(RandObjTest, SlotsWithOneFilterShareTheirIdsTemplateAndRows) {
    const int three = AddTestSong({.Title = "Typ 3", .Type = 3});
    const int five = AddTestSong({.Title = "Typ 5", .Type = 5});
    TCandidateCache& cache = Context->Run.Candidates;
    const int idLoads = cache.Filters().CharacterLoads();
    const auto filtered = [&](const QString& type) {
        auto slot = MakeSlot<TRandObj>(4);
        slot->SCat = 1;
        slot->TypeIds = {type};
        TMainBaseQuery query;
        slot->Prepare(query);
        return slot;
    };
    const auto first = filtered("3");
    const auto second = filtered("3");
    const auto other = filtered("5");
    EXPECT_EQ(cache.Filters().CharacterLoads() - idLoads, 2);
    EXPECT_TRUE(first->CharacterIds.isSharedWith(second->CharacterIds));
    EXPECT_TRUE(first->QueryTemplate.isSharedWith(second->QueryTemplate));
    EXPECT_NE(first->QueryTemplate, other->QueryTemplate);

    const int loads = cache.Loads();
    const auto drawn = [&](TRandObj& slot) {
        auto item = slot.Draw(100000, 600, -1, true, false);
        return item ? item->Song->SongId : -1;
    };
    EXPECT_EQ(drawn(*first), three);
    EXPECT_EQ(drawn(*second), three);
    EXPECT_EQ(drawn(*other), five);
    EXPECT_EQ(cache.Loads() - loads, 2) << "one statement per filter";

    // Forgotten, the rows are read again; the slots keep their texts.
    cache.Clear();
    EXPECT_EQ(drawn(*second), three);
    EXPECT_EQ(cache.Loads() - loads, 3);
}

TEST_F(RandObjTest, CandidateStatementsByText) {
    TCandidateCache cache;
    const QString text = SingleSongQuery(Song("Jedna", 200000));
    const auto statement = cache.Statement(text);
    EXPECT_EQ(cache.Statement(QString(text)), statement) << "an equal text, not only the same";
    EXPECT_NE(cache.Statement(SingleSongQuery(-5)), statement);
    const auto rows = cache.Open(*statement);
    EXPECT_EQ(rows->Count(), 1);
    EXPECT_EQ(cache.Open(text), rows);
    EXPECT_EQ(cache.Loads(), 1);

    TCandidateCache off(false);
    EXPECT_NE(off.Statement(text), off.Statement(text));
    off.Open(text);
    off.Open(text);
    EXPECT_EQ(off.Loads(), 2);
}

TEST_F(RandObjTest, BlankAndPassClasses) {
    auto blank = MakeSlot<TBlankObj>(9);
    blank->SetSlotTime(30);
    blank->SCat = 7;
    blank->Info = "Reklama";
    auto item = blank->Draw(0, 0, -2, false, true);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->Song->SongId, -1);
    EXPECT_EQ(item->Song->ArtistId, -1);
    EXPECT_EQ(item->Duration, 30000);
    EXPECT_EQ(item->Info, "Reklama");
    EXPECT_EQ(item->Song->Category, 7);

    struct {
        const char* Name;
        bool HPrior;
        bool ExTime;
        QString Lab1;
        TCharacterIds CharacterIds;
        TPassClass Expected;
    } cases[] = {
        {"high priority", true, true, "", {}, TPassClass::HighPriority},
        {"exact time", false, true, "X", {}, TPassClass::ExactTime},
        {"label", false, false, "X", {}, TPassClass::Filtered},
        {"characteristics", false, false, "", {4}, TPassClass::Filtered},
        {"plain", false, false, "", {}, TPassClass::Plain},
    };
    for (const auto& c : cases) {
        TRandObj slot(1);
        slot.HPrior = c.HPrior;
        slot.ExTime = c.ExTime;
        slot.Lab1 = c.Lab1;
        slot.CharacterIds = c.CharacterIds;
        EXPECT_EQ(slot.ClassifyPass(), c.Expected) << c.Name;
        EXPECT_EQ(slot.PassClass, c.Expected) << c.Name;
    }
    blank->ExTime = true;
    EXPECT_EQ(blank->ClassifyPass(), TPassClass::HighPriority);
    blank->ExTime = false;
    EXPECT_EQ(blank->ClassifyPass(), TPassClass::Filtered);
}
