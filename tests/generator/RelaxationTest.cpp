#include "clocks/uCategory.h"
#include "generator/RandTimerFixture.h"
#include "library/uLibraryEntities.h"
#include "library/uSongStore.h"

#include <vector>

// A category slot whose candidates all break some rule: with the station's draw setting on, the
// rules are given up one by one (separation, artist frequency, song frequency, time blockades)
// and the least-played song that keeps the rest is placed with the rules it breaks; labels are
// never given up, nor are fixed lists relaxed, and with the setting off the slot stops the day.

namespace {

// What the one song of a case breaks at 00:00 of the generated day.
struct TBreaks {
    bool Separation = false; // played yesterday at 00:00, the schedule examining one day
    bool ArtistFrequency = false;
    bool SongFrequency = false;
    bool TimeBlockade = false;
};

struct TRelaxCase {
    const char* Name;
    TBreaks Breaks;
    TDayRuleSet Relaxed;
};

constexpr TDayRuleSet Bits(std::initializer_list<TDayRule> rules) {
    TDayRuleSet set = 0;
    for (TDayRule rule : rules)
        set |= RuleBit(rule);
    return set;
}

const QString kStop = QStringLiteral("Brak dostepnej pozycji dla kategorii Muzyka");

} // namespace

class RelaxationTest : public RandTimerFixture {
protected:
    void SetUp() override {
        RandTimerFixture::SetUp();
        // The schedule examines the day before, one hour either side of the slot.
        Separations->SetDefActive(true);
        Separations->SetBlockDayCount(1);
        Separations->SetHours(1);
    }

    TDateTime Yesterday() const { return Day() - 1; }

    // A song of the category that breaks what the case says at 00:00 (and nothing else), with
    // `oldPlays` more plays at noon some days ago, which break nothing.
    int SongBreaking(const TBreaks& breaks, int category, const QString& name, int oldPlays = 0) {
        TTestSong song{
            .Artist = name + QStringLiteral(" (wykonawca)"), .Title = name, .Category = category};
        if (breaks.SongFrequency)
            song.FreqRest = AddTestFreqGroup(2, fpHours); // and it was played at 23:30 yesterday
        if (breaks.TimeBlockade) {
            auto allDay = std::make_unique<TArTimeRange>();
            allDay->AddHours(0, 24);
            song.TimeRest = TimeRanges->Add(std::move(allDay));
        }
        const int id = AddTestSong(song);
        const int artist = ArtistId(song.Artist);
        // Plays are recorded in the order of their days.
        for (int days = 2 + oldPlays; days > 2; --days)
            PlayedOn(Day() - days, 12 * 60, id, artist);
        if (breaks.ArtistFrequency) // not twice in two days
            SetTestArtistRules(artist, -1, -1, AddTestFreqGroup(2, fpDays));
        if (breaks.Separation)
            PlayedOn(Yesterday(), 0, id, artist);
        if (breaks.SongFrequency || breaks.ArtistFrequency)
            PlayedOn(Yesterday(), 23 * 60 + 30, id, artist);
        return id;
    }
};

TEST_F(RelaxationTest, TheStationsMadeByInitRelax) {
    EXPECT_TRUE(DrawSettings->RelaxWhenNoCandidate());
    EXPECT_TRUE(Timer->RelaxWhenNoCandidate);
}

TEST_F(RelaxationTest, GivesUpRulesInOrderAndRecordsThoseTheSongBreaks) {
    const TRelaxCase cases[] = {
        {"separation", {.Separation = true}, Bits({TDayRule::Separation})},
        {"artist frequency", {.ArtistFrequency = true}, Bits({TDayRule::ArtistFrequency})},
        {"separation and artist frequency",
         {.Separation = true, .ArtistFrequency = true},
         Bits({TDayRule::Separation, TDayRule::ArtistFrequency})},
        {"song frequency", {.SongFrequency = true}, Bits({TDayRule::SongFrequency})},
        {"time blockade", {.TimeBlockade = true}, Bits({TDayRule::TimeBlockades})},
        {"separation and time blockade",
         {.Separation = true, .TimeBlockade = true},
         Bits({TDayRule::Separation, TDayRule::TimeBlockades})},
    };
    int n = 0;
    for (const TRelaxCase& c : cases) {
        SCOPED_TRACE(c.Name);
        // Each case draws from a category of its own, holding only its song.
        const int category = 10 + n++;
        const int song = SongBreaking(c.Breaks, category, QStringLiteral("Utwór %1").arg(n));
        Timer = NewTimer();
        Receiver.Items.clear();
        AddCategory(0, 200, category);

        Timer->Run();

        EXPECT_FALSE(Timer->IsCancelled());
        EXPECT_TRUE(Prompt.Errors().isEmpty()) << Prompt.Errors().join('\n').toStdString();
        ASSERT_EQ(Receiver.Items.size(), 1u);
        EXPECT_EQ(Receiver.Items[0].SongId, song);
        EXPECT_EQ(Receiver.Items[0].Relaxed, c.Relaxed);
    }
}

TEST_F(RelaxationTest, ASongBreakingAnEarlierRuleInTheOrderWinsOverALessPlayedOne) {
    const std::pair<TBreaks, TBreaks> cases[] = {
        {{.Separation = true}, {.ArtistFrequency = true}},
        {{.ArtistFrequency = true}, {.SongFrequency = true}},
        {{.SongFrequency = true}, {.TimeBlockade = true}},
    };
    int category = 20;
    for (const auto& [earlier, later] : cases) {
        ++category;
        SCOPED_TRACE(category);
        const int expected =
            SongBreaking(earlier, category, QStringLiteral("A%1").arg(category), 3);
        SongBreaking(later, category, QStringLiteral("B%1").arg(category));
        Timer = NewTimer();
        Receiver.Items.clear();
        AddCategory(0, 200, category);

        Timer->Run();

        ASSERT_EQ(Receiver.Items.size(), 1u);
        EXPECT_EQ(Receiver.Items[0].SongId, expected);
    }
}

TEST_F(RelaxationTest, TakesTheLeastPlayedOfTheSongsThatKeepTheRest) {
    const std::vector<int> songs = AddSongs(1, {200, 200});
    // Both were heard at midnight yesterday; the second also the day before (plays are
    // recorded in the order of their days).
    PlayedOn(Day() - 2, 0, songs[1], SongArtistId(songs[1]));
    for (int song : songs)
        PlayedOn(Yesterday(), 0, song, SongArtistId(song));
    AddCategory(0, 200);

    Timer->Run();

    ASSERT_EQ(Receiver.Items.size(), 1u);
    EXPECT_EQ(Receiver.Items[0].SongId, songs[0]);
    EXPECT_EQ(Receiver.Items[0].Relaxed, RuleBit(TDayRule::Separation));
}

TEST_F(RelaxationTest, ArtistAlreadyInTheDayIsGivenUpAfterTheSeparation) {
    const int group = AddTestFreqGroup(2, fpHours);
    const int played = AddTestSong({.Artist = "X", .Title = "Wczoraj", .Time = 200000});
    const int fresh = AddTestSong({.Artist = "X", .Title = "Nowy", .Time = 200000});
    SetTestArtistRules(ArtistId("X"), -1, -1, group);
    // Heard often days ago: drawn only once "Wczoraj" is refused.
    for (int days : {4, 3})
        PlayedOn(Day() - days, 12 * 60, fresh, ArtistId("X"));
    PlayedOn(Yesterday(), 0, played, ArtistId("X"));
    AddCategory(0, 200);
    AddCategory(200, 200);

    Timer->Run();

    ASSERT_EQ(Receiver.Items.size(), 2u);
    EXPECT_EQ(Receiver.Items[0].SongId, fresh);
    EXPECT_EQ(Receiver.Items[0].Relaxed, 0u) << "it keeps every rule";
    EXPECT_EQ(Receiver.Items[1].SongId, played);
    EXPECT_EQ(Receiver.Items[1].Relaxed, Bits({TDayRule::Separation, TDayRule::ArtistFrequency}));
    EXPECT_TRUE(Prompt.Errors().isEmpty());
}

TEST_F(RelaxationTest, WhatCannotBeGivenUpStillStopsTheDay) {
    // Blocked labels are never given up.
    const int sony = FindLabel("Sony", true);
    const int blocked =
        AddTestSong({.Artist = "Y", .Title = "Blokowany", .Time = 200000, .Label1 = sony});
    DisabledLabels->Replace({{"Sony", sony}});
    PlayedOn(Yesterday(), 0, blocked, ArtistId("Y"));
    AddCategory(0, 200);
    AddCategory(200, 200);

    Timer->Run();

    EXPECT_TRUE(Timer->IsCancelled());
    EXPECT_EQ(Prompt.Errors(), QStringList{kStop});
    EXPECT_TRUE(Receiver.Items.empty());
}

TEST_F(RelaxationTest, FixedListsAreNotRelaxed) {
    const int song = AddTestSong({.Artist = "Z", .Title = "Z listy", .Time = 200000});
    PlayedOn(Yesterday(), 0, song, ArtistId("Z"));
    TDetailPlayList list;
    list.Id = 42;
    list.SetName("Lista");
    list.AddSong(song);
    auto* slot = AddSlot<TPlayListObj>(0, 200, 1, false, QStringLiteral("Muzyka"), list.Id);
    slot->SepEnb = smOn;
    slot->ListData = Timer->GetListData(list);

    Timer->Run();

    EXPECT_TRUE(Timer->IsCancelled());
    EXPECT_EQ(Prompt.Errors(), QStringList{kStop});
}

TEST_F(RelaxationTest, WithTheSettingOffTheSlotStopsTheDayAsBefore) {
    const std::vector<int> songs = AddSongs(1, {200, 200});
    for (int song : songs)
        PlayedOn(Yesterday(), 0, song, SongArtistId(song));
    AddCategory(0, 200);
    AddCategory(200, 200);
    Timer->RelaxWhenNoCandidate = false;

    Timer->Run();

    EXPECT_TRUE(Timer->IsCancelled());
    EXPECT_EQ(Prompt.Errors(), QStringList{kStop});
    EXPECT_TRUE(Receiver.Items.empty());
}
