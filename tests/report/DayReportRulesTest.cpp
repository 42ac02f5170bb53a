#include "dayplan/uDayPlayList.h"
#include "report/ReportFixture.h"
#include "report/uDayReportText.h"

#include <functional>
#include <string>

// Each rule of the day report on the hand-made morning of ReportFixture: the morning keeps them
// all, and one edit breaks exactly one of them at a known position.

namespace {

class DayReportRules : public ReportFixture {};

// Every rule result of the report other than the one at (position, rule).
std::vector<std::string> OtherFailures(const TDayReport& report, int position, TDayRule rule) {
    std::vector<std::string> failures;
    for (size_t i = 0; i < report.Positions.size(); ++i)
        for (TDayRule other : AllDayRules) {
            const auto result = report.Positions[i].Checks[static_cast<int>(other)];
            if (result && *result != TRuleResult::Ok &&
                !(static_cast<int>(i) == position && other == rule))
                failures.push_back("position " + std::to_string(i) + ": " +
                                   DayRuleKey(other).toStdString());
        }
    return failures;
}

TEST_F(DayReportRules, TheMorningKeepsEveryRule) {
    const TDayReport report = Report();
    ASSERT_EQ(report.Positions.size(), 5u);
    EXPECT_EQ(OtherFailures(report, -1, TDayRule::Category), std::vector<std::string>{});
    // Every rule applies to the songs of category slots that check the separation schedule;
    // a blank has none.
    for (int i : {0, 1, 2, 4})
        for (TDayRule rule : AllDayRules)
            EXPECT_EQ(ResultOf(report.Positions[i], rule), TRuleResult::Ok)
                << i << " " << DayRuleKey(rule).toStdString();
    EXPECT_EQ(report.Positions[3].Checks, TRuleChecks{});

    const TPositionReport& first = report.Positions[0];
    EXPECT_EQ(first.StartMs, Ms(7, 0));
    EXPECT_EQ(first.EndMs, Ms(7, 3, 20));
    EXPECT_EQ(first.SongId, First);
    EXPECT_EQ(first.Category, 1);
    EXPECT_EQ(first.Slot, QStringLiteral("Hity"));
    EXPECT_EQ(first.SlotStartMs, Ms(7, 0));
    EXPECT_EQ(report.Positions[2].Slot, Ballads->GetName());
    EXPECT_EQ(report.Positions[3].SongId, -1);
    EXPECT_EQ(report.Positions[3].Slot, QStringLiteral("Reklama"));

    const TReportTotals& summary = report.Summary;
    EXPECT_EQ(summary.Positions, 5);
    EXPECT_EQ(summary.Songs, 4);
    EXPECT_EQ(summary.Broken(), 0);
    EXPECT_EQ(summary.Relaxed(), 0);
    EXPECT_EQ(summary.Gaps + summary.Cuts + summary.Mixes, 0);
    EXPECT_EQ(summary.FixedHours, 1);
    EXPECT_EQ(summary.MaxFixedDriftMs, 0);
    ASSERT_EQ(report.Hours.size(), 1u);
    EXPECT_EQ(report.Hours[0].Hour, 7);
    EXPECT_EQ(report.Hours[0].Totals, summary);
    EXPECT_FALSE(report.HasBroken());
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

// One hand edit per rule. The conflict of two plays is the later one's.
TEST_F(DayReportRules, OneEditBreaksOneRule) {
    struct TCase {
        const char* What;
        std::function<void()> Edit;
        int Position;
        TDayRule Rule;
    };
    const TCase cases[] = {
        {"a song of another category in a Hity slot",
         [this] { Replace(4, AddTestSong({.Artist = "Ewelina", .Title = "Obca", .Category = 2})); },
         4, TDayRule::Category},
        {"a quick ballad where the row asks for slow ones",
         [this] {
             Replace(
                 2, AddTestSong({.Artist = "Filip", .Title = "Szybka", .Category = 2, .Tempo = 3}));
         },
         2, TDayRule::Characteristics},
        {"a song of the blocked label",
         [this] {
             Replace(4, AddTestSong(
                            {.Artist = "Ewelina", .Title = "Zakazana", .Label1 = BlockedLabel}));
         },
         4, TDayRule::Labels},
        {"a song blocked in the morning",
         [this] {
             Replace(4,
                     AddTestSong(
                         {.Artist = "Ewelina", .Title = "Wieczorna", .TimeRest = MorningBlockade}));
         },
         4, TDayRule::TimeBlockades},
        {"the first song again 11 minutes later (3 hours between plays)",
         [this] { Replace(4, First); }, 4, TDayRule::SongFrequency},
        {"a song allowed once a day, played last evening",
         [this] {
             const int onceADay = AddTestFreqGroup(-1, fpDays, 1, mpDay);
             const int song =
                 AddTestSong({.Artist = "Ewelina", .Title = "Raz", .FreqRest = onceADay});
             PlayedBefore(1, 20 * 60, song);
             Replace(4, song);
         },
         4, TDayRule::SongFrequency},
        {"a song allowed every other day, played yesterday at night",
         [this] {
             const int twoDays = AddTestFreqGroup(2, fpDays);
             const int song =
                 AddTestSong({.Artist = "Ewelina", .Title = "Co dwa", .FreqRest = twoDays});
             PlayedBefore(1, 3 * 60, song);
             Replace(4, song);
         },
         4, TDayRule::SongFrequency},
        {"Bartek again 8 minutes after his first song (1 hour)",
         [this] { Replace(4, AddTestSong({.Artist = "Bartek", .Title = "Trzeci"})); }, 4,
         TDayRule::ArtistFrequency},
        {"Ewa, whose alias is Bartek",
         [this] {
             const int ewa = FindArtist(QStringLiteral("Ewa"), true);
             SetTestArtistRules(ewa, Bartek, -1, OneHour);
             Replace(4, AddTestSong({.Artist = "Ewa", .Title = "Aliasem"}));
         },
         4, TDayRule::ArtistFrequency},
        {"a performer of a day-long group, played yesterday at ten",
         [this] {
             const int halina = FindArtist(QStringLiteral("Halina"), true);
             SetTestArtistRules(halina, -1, -1, AddTestFreqGroup(24, fpHours));
             PlayedBefore(1, 10 * 60, AddTestSong({.Artist = "Halina", .Title = "Wczoraj"}));
             Replace(4, AddTestSong({.Artist = "Halina", .Title = "Dzisiaj"}));
         },
         4, TDayRule::ArtistFrequency},
        {"a song played yesterday at half past seven",
         [this] {
             const int song = AddTestSong({.Artist = "Ewelina", .Title = "Wczorajsza"});
             PlayedBefore(1, 7 * 60 + 30, song);
             Replace(4, song);
         },
         4, TDayRule::Separation},
        {"a song played the day before yesterday at eight",
         [this] {
             const int song = AddTestSong({.Artist = "Ewelina", .Title = "Przedwczorajsza"});
             PlayedBefore(2, 8 * 60, song);
             Replace(4, song);
         },
         4, TDayRule::Separation},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        TearDown();
        SetUp();
        c.Edit();
        const TDayReport report = Report();
        EXPECT_EQ(ResultOf(report.Positions.at(c.Position), c.Rule), TRuleResult::Broken);
        EXPECT_EQ(OtherFailures(report, c.Position, c.Rule), std::vector<std::string>{});
        EXPECT_EQ(report.Summary.Broken(), 1);
        EXPECT_EQ(report.Summary.BrokenByRule[static_cast<int>(c.Rule)], 1);
        EXPECT_EQ(report.Hours.at(0).Totals.Broken(), 1);
        EXPECT_TRUE(report.HasBroken());
        EXPECT_TRUE(Prompt.Boxes.isEmpty());
    }
}

// The other side of the frequency limits: a play just far enough away keeps them.
TEST_F(DayReportRules, PlaysJustFarEnoughAwayKeepTheLimits) {
    struct TCase {
        const char* What;
        std::function<void()> Edit;
    };
    const TCase cases[] = {
        {"the first song again exactly 3 hours and a minute later",
         [this] { Day.push_back(SongAt(First, Ms(10, 1), Hits->Id)); }},
        {"a song once a day, played yesterday at the same minute",
         [this] {
             const int song = AddTestSong({.Artist = "Ewelina",
                                           .Title = "Raz",
                                           .FreqRest = AddTestFreqGroup(-1, fpDays, 1)});
             // The separation schedule would keep it away: off here.
             Separations->SetBlockDayCount(0);
             PlayedBefore(1, 7 * 60 + 11, song);
             Replace(4, song);
         }},
        {"a song every other day, played the day before yesterday",
         [this] {
             const int song = AddTestSong(
                 {.Artist = "Ewelina", .Title = "Co dwa", .FreqRest = AddTestFreqGroup(2, fpDays)});
             PlayedBefore(2, 20 * 60, song);
             Replace(4, song);
         }},
        {"a song played yesterday more than an hour after the slot's time",
         [this] {
             const int song = AddTestSong({.Artist = "Ewelina", .Title = "Wczorajsza"});
             PlayedBefore(1, 8 * 60 + 12, song);
             Replace(4, song);
         }},
        {"a song played three days ago, beyond the schedule's two days",
         [this] {
             const int song = AddTestSong({.Artist = "Ewelina", .Title = "Dawna"});
             PlayedBefore(3, 7 * 60 + 11, song);
             Replace(4, song);
         }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        TearDown();
        SetUp();
        c.Edit();
        const TDayReport report = Report();
        EXPECT_EQ(OtherFailures(report, -1, TDayRule::Category), std::vector<std::string>{});
    }
}

// The day's own plays are its positions: an accepted day, whose plays are in the statistics
// too, does not conflict with itself.
TEST_F(DayReportRules, TheDaysOwnStoredPlaysAreNotEarlierOnes) {
    for (const auto& position : Day)
        if (!position->Blank)
            PlayedBefore(0, position->Hour / 60000, position->SongId);
    const TDayReport report = Report();
    EXPECT_EQ(OtherFailures(report, -1, TDayRule::Category), std::vector<std::string>{});
}

// The days still pending count as earlier days through their plan files.
TEST_F(DayReportRules, APendingDayBeforeCounts) {
    TDayPlayList yesterday;
    yesterday.Append(SongAt(First, Ms(7, 30), Hits->Id));
    ASSERT_TRUE(yesterday.SavePlanDay(Date().addDays(-1)));
    const TDayReport report = Report();
    EXPECT_EQ(ResultOf(report.Positions[0], TDayRule::Separation), TRuleResult::Broken);
    EXPECT_EQ(OtherFailures(report, 0, TDayRule::Separation), std::vector<std::string>{});
}

// A placement the generator made with a rule given up is "relaxed", not "broken"; a rule it
// gave up that holds anyway is kept.
TEST_F(DayReportRules, ARelaxedPlacementIsNotBroken) {
    const int song = AddTestSong({.Artist = "Ewelina", .Title = "Wczorajsza"});
    PlayedBefore(1, 7 * 60 + 30, song);
    Replace(4, song);
    Day[4]->Relaxed = RuleBit(TDayRule::Separation) | RuleBit(TDayRule::ArtistFrequency);

    const TDayReport report = Report();
    EXPECT_EQ(ResultOf(report.Positions[4], TDayRule::Separation), TRuleResult::Relaxed);
    EXPECT_EQ(ResultOf(report.Positions[4], TDayRule::ArtistFrequency), TRuleResult::Ok);
    EXPECT_EQ(report.Summary.Broken(), 0);
    EXPECT_EQ(report.Summary.Relaxed(), 1);
    EXPECT_EQ(report.Summary.RelaxedByRule[static_cast<int>(TDayRule::Separation)], 1);
    EXPECT_FALSE(report.HasBroken());
}

// Gaps, cuts, mixes and fixed hours, for the day and by the hour they fall in.
TEST_F(DayReportRules, TimesOfTheDayAndOfEachHour) {
    AddRow(*Hits, Ms(8, 0), true);
    Day[0]->Hour = Ms(7, 0, 2);  // 2 s late: into the next song by 2 s
    Day[2]->SetSongTime(180000); // cut by 20 s: 20 s of silence before the blank
    Day.push_back(SongAt(Fourth, Ms(8, 0), Hits->Id));
    Day.back()->OwnHour = true; // 45:40 after the last song of seven o'clock ends

    const TDayReport report = Report();
    EXPECT_EQ(report.Positions[0].EndMs, Ms(7, 3, 22));
    EXPECT_EQ(report.Positions[5].Slot, QStringLiteral("Hity"));
    EXPECT_EQ(report.Positions[5].SlotStartMs, Ms(8, 0));

    const TReportTotals& summary = report.Summary;
    EXPECT_EQ(summary.Positions, 6);
    EXPECT_EQ(summary.Songs, 5);
    EXPECT_EQ(summary.Gaps, 2);
    EXPECT_EQ(summary.GapMs, 20000 + Ms(0, 45, 40));
    EXPECT_EQ(summary.MaxGapMs, Ms(0, 45, 40));
    EXPECT_EQ(summary.Cuts, 1);
    EXPECT_EQ(summary.CutMs, 20000);
    EXPECT_EQ(summary.Mixes, 1);
    EXPECT_EQ(summary.MixMs, 2000);
    EXPECT_EQ(summary.FixedHours, 2);
    EXPECT_EQ(summary.MaxFixedDriftMs, 2000);

    ASSERT_EQ(report.Hours.size(), 2u);
    const TReportTotals& seven = report.Hours[0].Totals;
    const TReportTotals& eight = report.Hours[1].Totals;
    EXPECT_EQ(report.Hours[0].Hour, 7);
    EXPECT_EQ(report.Hours[1].Hour, 8);
    EXPECT_EQ(seven.Positions, 5);
    EXPECT_EQ(seven.Gaps, 1);
    EXPECT_EQ(seven.GapMs, 20000);
    EXPECT_EQ(seven.Cuts, 1);
    EXPECT_EQ(seven.Mixes, 1);
    EXPECT_EQ(seven.MaxFixedDriftMs, 2000);
    EXPECT_EQ(eight.Positions, 1);
    EXPECT_EQ(eight.Songs, 1);
    EXPECT_EQ(eight.Gaps, 1);
    EXPECT_EQ(eight.GapMs, Ms(0, 45, 40));
    EXPECT_EQ(eight.Cuts + eight.Mixes, 0);
    EXPECT_EQ(eight.FixedHours, 1);
    EXPECT_EQ(eight.MaxFixedDriftMs, 0);
    EXPECT_EQ(summary.Broken(), 0);
}

// Read back from its plan file a position knows its slot's object by name only.
TEST_F(DayReportRules, PositionsFindTheirSlotsByObjectNameToo) {
    const TDayReport byId = Report();
    for (auto& position : Day)
        position->CatId = -1;
    EXPECT_EQ(Report(), byId);
}

// Without a slot the rules of the slot are left out; the others still hold.
TEST_F(DayReportRules, PositionsWithoutASlot) {
    Replace(4, AddTestSong({.Artist = "Ewelina", .Title = "Obca", .Category = 2}));
    const TDayReport withoutClock = Report(false);
    Day[4]->CatId = 9999; // an object the clock does not have
    Day[4]->CategoryName.clear();
    const TDayReport withoutRow = Report();
    for (const TDayReport* report : {&withoutClock, &withoutRow}) {
        const TPositionReport& position = report->Positions[4];
        EXPECT_EQ(position.Slot, QString());
        EXPECT_EQ(position.SlotStartMs, -1);
        EXPECT_FALSE(ResultOf(position, TDayRule::Category).has_value());
        EXPECT_FALSE(ResultOf(position, TDayRule::Characteristics).has_value());
        for (TDayRule rule : {TDayRule::Labels, TDayRule::TimeBlockades, TDayRule::SongFrequency,
                              TDayRule::ArtistFrequency})
            EXPECT_EQ(ResultOf(position, rule), TRuleResult::Ok);
        // As for a slot set to "Domyślnie", and the default schedule is not active.
        EXPECT_FALSE(ResultOf(position, TDayRule::Separation).has_value());
        EXPECT_EQ(report->Summary.Broken(), 0);
    }
    // Without a clock no fixed hour is known either.
    EXPECT_EQ(withoutClock.Summary.FixedHours, 0);
}

// "Nie uwzględniaj blokad": the draw skips the restrictions for the slot, and so does the
// report; the separation schedule is the slot's own choice and still applies.
TEST_F(DayReportRules, ASlotWithoutRestrictions) {
    Hits->SetRest(true);
    BuildClock();
    const int song = AddTestSong({.Artist = "Ewelina",
                                  .Title = "Zakazana",
                                  .Label1 = BlockedLabel,
                                  .TimeRest = MorningBlockade});
    PlayedBefore(1, 7 * 60 + 30, song);
    Replace(4, song);

    const TPositionReport position = Report().Positions[4];
    for (TDayRule rule : {TDayRule::Labels, TDayRule::TimeBlockades, TDayRule::SongFrequency,
                          TDayRule::ArtistFrequency})
        EXPECT_FALSE(ResultOf(position, rule).has_value()) << DayRuleKey(rule).toStdString();
    EXPECT_EQ(ResultOf(position, TDayRule::Category), TRuleResult::Ok);
    EXPECT_EQ(ResultOf(position, TDayRule::Separation), TRuleResult::Broken);
}

TEST_F(DayReportRules, BlanksAndSongsGoneFromTheLibraryHaveNoRules) {
    Day[4]->SongId = 999999;
    const TDayReport report = Report();
    EXPECT_EQ(report.Positions[4].SongId, -1);
    EXPECT_EQ(report.Positions[4].Checks, TRuleChecks{});
    EXPECT_EQ(report.Positions[4].Slot, QStringLiteral("Hity"));
    EXPECT_EQ(report.Summary.Songs, 4); // still a song position
}

TEST_F(DayReportRules, TheTextNamesWhatIsBroken) {
    Replace(4, AddTestSong({.Artist = "Ewelina", .Title = "Obca", .Category = 2}));
    const QStringList lines = DayReportText(Report());
    EXPECT_EQ(lines.first(), QStringLiteral("Raport dnia 2024-05-15"));
    EXPECT_TRUE(
        lines.contains(U("07:11:00.000-07:14:20.000  Hity  Ewelina - Obca  ZŁAMANE: Kategoria")))
        << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains(U("Złamane reguły: 1 (Kategoria: 1)")));
    EXPECT_TRUE(lines.contains(U("Stałe godziny: 1, największe odchylenie 00:00.000")));
    EXPECT_TRUE(lines.contains(U("07:00  pozycje 5, utwory 4, przerwy 0 (00:00.000), cięcia 0 "
                                 "(00:00.000), miksy 0 (00:00.000), złamane 1, rozluźnione 0")))
        << lines.join('\n').toStdString();
}

} // namespace
