#include "foundation/uFormat.h"
#include "generator/GeneratorFixture.h"
#include "generator/uRestrictions.h"
#include "generator/uSongsFilterUtils.h"

namespace {

constexpr int kSong = 501;
constexpr int kOtherSong = 502;

// An earlier day's play: days before the drawn day, minute of that day.
struct TEarlierPlay {
    int DaysBefore;
    int Minute;
};

struct TFrequencyCase {
    const char* Name;
    int Freq;
    int FPeriod;
    int Max;
    std::vector<int> DayMinutes;            // the song placed in the day so far
    std::vector<TEarlierPlay> EarlierPlays; // accepted plays of the song
    int Start;
    bool Allowed;
};

} // namespace

class RestrictionsTest : public GeneratorFixture {
protected:
    TCandidateRow RowWithGroup(int groupId) const {
        TCandidateRow row;
        row.SongId = kSong;
        row.FreqRest = groupId;
        return row;
    }

    TDateTime DaysBefore(int days) const { return Day() - days; }

    std::shared_ptr<const TCandidateSet> RowsOfCategory(int category) {
        return TCandidateSet::Load(Format(CandidateTemplate(category, "", "", true, {}, {}),
                                          {QString(), kCandidateOrder}));
    }
};

TEST_F(RestrictionsTest, SongFrequency) {
    const std::vector<TFrequencyCase> cases = {
        {"2 h: play at 600 keeps 720 away", 2, fpHours, -1, {600}, {}, 720, false},
        {"2 h: play at 600 frees 721", 2, fpHours, -1, {600}, {}, 721, true},
        {"2 h: later play at 840 keeps 721 away", 2, fpHours, -1, {840}, {}, 721, false},
        {"2 h: later play at 840 frees 720", 2, fpHours, -1, {840}, {}, 720, true},
        {"2 h: yesterday 23:30 keeps 01:00 away", 2, fpHours, -1, {}, {{1, 1410}}, 60, false},
        {"2 h: yesterday 22:30 frees 01:00", 2, fpHours, -1, {}, {{1, 1350}}, 60, true},
        {"2 h: the day decides when the song is in it",
         2,
         fpHours,
         -1,
         {300},
         {{1, 1410}},
         60,
         true},
        {"days: any play in the day", 3, fpDays, -1, {1300}, {}, 100, false},
        {"1 day: earlier days not asked", 1, fpDays, -1, {}, {{1, 600}}, 600, true},
        {"2 days: yesterday counts", 2, fpDays, -1, {}, {{1, 600}}, 600, false},
        {"2 days: two days ago does not", 2, fpDays, -1, {}, {{2, 600}}, 600, true},
        {"max 2 a day: two plays around", -1, fpDays, 2, {100, 200}, {}, 300, false},
        {"max 2 a day: one play", -1, fpDays, 2, {100}, {}, 300, true},
        {"max 2 a day reaching into yesterday", -1, fpDays, 2, {100}, {{1, 40}}, 30, false},
        {"max 2 a day: yesterday before the window", -1, fpDays, 2, {100}, {{1, 20}}, 30, true},
    };
    int songId = kSong;
    for (const TFrequencyCase& c : cases) {
        // A fresh song per case keeps the statistics of the cases apart.
        ++songId;
        Context = std::make_unique<TTestDrawContext>(*MainBase, Day());
        TCandidateRow row = RowWithGroup(AddTestFreqGroup(c.Freq, c.FPeriod, c.Max, mpDay));
        row.SongId = songId;
        for (int minute : c.DayMinutes)
            PlaceInDay(songId, 1, minute);
        for (const TEarlierPlay& play : c.EarlierPlays)
            PlayedOn(DaysBefore(play.DaysBefore), play.Minute, songId, 1);
        EXPECT_EQ(SongFrequencyAllowed(*Context, row, c.Start), c.Allowed) << c.Name;
    }
}

TEST_F(RestrictionsTest, SongWithoutGroupTakesTheGlobalOne) {
    TCandidateRow row = RowWithGroup(-1);
    PlaceInDay(kSong, 1, 100);
    EXPECT_TRUE(SongFrequencyAllowed(*Context, row, 200)) << "no group at all";
    FreqGroups->SetGlobSongGr(AddTestFreqGroup(1, fpDays));
    EXPECT_FALSE(SongFrequencyAllowed(*Context, row, 200));
    row.FreqRest = AddTestFreqGroup(-1, fpDays);
    EXPECT_TRUE(SongFrequencyAllowed(*Context, row, 200)) << "its own group wins";
}

TEST_F(RestrictionsTest, ArtistFrequencyCountsAliases) {
    const int x = ArtistId("X");
    const int y = ArtistId("Y");
    const int z = ArtistId("Z");
    const int hours2 = AddTestFreqGroup(2, fpHours);
    const int oneADay = AddTestFreqGroup(1, fpDays);
    const int max2 = AddTestFreqGroup(-1, fpDays, 2, mpDay);
    struct {
        const char* Name;
        int Group;
        int Alias;
        std::vector<std::pair<int, int>> DayPlays; // artist, minute
        std::vector<std::pair<int, TEarlierPlay>> EarlierPlays;
        int Start;
        bool Allowed;
    } cases[] = {
        {"alias placed within 2 h", hours2, y, {{y, 600}}, {}, 700, false},
        {"no alias, other artist placed", hours2, -1, {{y, 600}}, {}, 700, true},
        {"own play outside 2 h", hours2, -1, {{x, 300}}, {}, 700, true},
        {"days: alias in the day", oneADay, y, {{y, 1200}}, {}, 100, false},
        {"earlier days in addition to the day",
         hours2,
         -1,
         {{x, 600}},
         {{x, {1, 1410}}},
         60,
         false},
        {"earlier days of the alias", hours2, y, {}, {{y, {1, 1410}}}, 60, false},
        {"count: artist and alias together", max2, y, {{x, 100}, {y, 200}}, {}, 300, false},
        {"count: other artists do not count", max2, y, {{x, 100}, {z, 200}}, {}, 300, true},
        {"count: alias reaching into yesterday", max2, y, {{x, 100}}, {{y, {1, 50}}}, 30, false},
    };
    for (const auto& c : cases) {
        Context = std::make_unique<TTestDrawContext>(*MainBase, Day());
        SetTestArtistRules(x, c.Alias, -1, c.Group);
        int song = 600;
        for (const auto& [artist, minute] : c.DayPlays)
            PlaceInDay(++song, artist, minute);
        for (const auto& [artist, play] : c.EarlierPlays)
            PlayedOn(DaysBefore(play.DaysBefore), play.Minute, ++song, artist);
        EXPECT_EQ(ArtistFrequencyAllowed(*Context, x, c.Start), c.Allowed) << c.Name;
        // The plays of this case must not reach the next one.
        TMainBaseQuery clear;
        clear.SetSQL("DELETE FROM AStats");
        clear.ExecSQL();
    }
    EXPECT_TRUE(ArtistFrequencyAllowed(*Context, 99999, 100)) << "an artist without a row";
}

TEST_F(RestrictionsTest, SeparationWindowEdges) {
    Separations->SetHours(1);
    Separations->SetBlockDayCount(1);
    PlayedOn(DaysBefore(1), 600, kSong, 1);
    PlayedOn(DaysBefore(2), 900, kOtherSong, 1);
    struct {
        int Song;
        int Start;
        bool Allowed;
    } cases[] = {
        {kSong, 660, false}, {kSong, 661, true},      {kSong, 540, false},
        {kSong, 539, true},  {kOtherSong, 900, true}, // two days back is not examined
    };
    for (const auto& c : cases)
        EXPECT_EQ(SeparationAllowed(*Context, c.Song, c.Start), c.Allowed)
            << c.Song << " at " << c.Start;
    Separations->SetBlockDayCount(2);
    EXPECT_FALSE(SeparationAllowed(*Context, kOtherSong, 900));
    Separations->SetBlockDayCount(0);
    EXPECT_TRUE(SeparationAllowed(*Context, kSong, 600));
}

TEST_F(RestrictionsTest, TimeRanges) {
    auto empty = std::make_unique<TArTimeRange>();
    const int emptyId = TimeRanges->Add(std::move(empty));
    auto allDay = std::make_unique<TArTimeRange>();
    allDay->AddHours(0, 24);
    const int allDayId = TimeRanges->Add(std::move(allDay));
    auto wednesday = std::make_unique<TArTimeRange>();
    wednesday->SetDay(4, true);
    const int wednesdayId = TimeRanges->Add(std::move(wednesday));
    struct {
        const char* Name;
        int RangeId;
        int Start;
        bool Allowed;
    } cases[] = {
        {"no such range", 777, 600, true},
        {"empty range", emptyId, 600, true},
        {"0..24 at 00:00", allDayId, 0, false},
        {"0..24 at 23:59", allDayId, 1439, false},
        {"the day's weekday", wednesdayId, 600, false},
    };
    for (const auto& c : cases) {
        TCandidateRow row;
        row.TimeRest[2] = c.RangeId;
        EXPECT_EQ(TimeRangesAllowed(row, c.Start, Day()), c.Allowed) << c.Name;
    }
}

TEST_F(RestrictionsTest, CheckCandidateAppliesTheChecksInTurn) {
    const int sony = FindLabel("Sony", true);
    const int song = AddTestSong({.Artist = "X", .Title = "Blokowany", .Label2 = sony});
    const int free = AddTestSong({.Artist = "Y", .Title = "Wolny"});
    DisabledLabels->Replace({{"Sony", sony}});
    PlayedOn(DaysBefore(1), 600, free, ArtistId("Y"));
    const auto rows = RowsOfCategory(1);
    auto slot = MakeSlot<TRandObj>();
    slot->SepEnb = smOn;

    slot->Rest = false;
    EXPECT_EQ(CheckCandidate(*slot, *rows, song, 300), kRefused) << "blocked label";
    EXPECT_EQ(CheckCandidate(*slot, *rows, free, 300), ArtistId("Y"));
    EXPECT_EQ(CheckCandidate(*slot, *rows, 99999, 300), kRefused) << "not among the rows";

    slot->Rest = true;
    EXPECT_EQ(CheckCandidate(*slot, *rows, song, 300), ArtistId("X")) << "Rest skips the label";
    EXPECT_EQ(CheckCandidate(*slot, *rows, free, 600), kRefused) << "separation still applies";
    slot->SepEnb = smDefault; // the default station has the schedule off
    EXPECT_EQ(CheckCandidate(*slot, *rows, free, 600), ArtistId("Y"));
    EXPECT_GT(Prompt.EventsProcessed, 0);
}

TEST(RandedHistoryList, AddMovesAnExistingSerialAndRemoveDropsIt) {
    TRandedHistoryList songs(true);
    TRandedHistoryList artists(false);
    const TAllowedSong first(10, 1, 0, 1000, 1000, 7);
    const TAllowedSong again(10, 1, 0, 1000, 1000, 7);
    const TAllowedSong other(11, 1, 0, 1000, 1000, 7);
    for (TRandedHistoryList* list : {&songs, &artists}) {
        list->Add(first, 60000);
        list->Add(again, 120000);
        list->Add(other, 180000);
        list->Add(first, 600000); // moved, not added
    }
    EXPECT_EQ(songs.Count(), 3);
    EXPECT_EQ(songs.CountOf(10), 2);
    EXPECT_EQ(artists.CountOf(7), 3);
    EXPECT_EQ(songs.Find(12), -1);
    int movedMinute = -1;
    for (int i = songs.Find(10); i < songs.Count() && songs.KeyAt(i) == 10; ++i)
        if (songs.Item(i).Serial == first.Serial)
            movedMinute = songs.Item(i).Minute;
    EXPECT_EQ(movedMinute, 10);
    songs.Remove(first.Serial);
    songs.Remove(first.Serial);
    EXPECT_EQ(songs.CountOf(10), 1);
    EXPECT_EQ(songs.Item(songs.Find(10)).Serial, again.Serial);
}
