#include "clocks/uClock.h"
#include "dayplan/uDayPlayList.h"
#include "foundation/uRandom.h"
#include "generator/uFillGenerator.h"
#include "generator/uRandTimer.h"
#include "report/ReportFixture.h"
#include "report/uReportLibrary.h"
#include "report/uSlotFilter.h"

// The characteristics filter of a slot as the report reads it, and that it agrees with the
// draw where the draw's rule is not obvious.

namespace {

// Places in TSlotFilter::Kinds.
enum { kType = 0, kTempo = 1, kLanguage = 2, kAtmosphere = 3, kVocal = 4 };

class SlotFilterTest : public ReportFixture {
protected:
    int Golden = -1;
    int Silver = -1;
    int SlowPop = -1;   // Pop, Wolne, 1985, "Złota"
    int QuickRock = -1; // Rock, Szybkie, 1975, "Złota" and "Srebrna"

    void SetUp() override {
        ReportFixture::SetUp();
        Golden = FindLabel(QStringLiteral("Złota"), true);
        Silver = FindLabel(QStringLiteral("Srebrna"), true);
        SlowPop = StoreSong("Wolny pop", 1, 1, 1985, Golden, -1);
        QuickRock = StoreSong("Szybki rock", 2, 3, 1975, Golden, Silver);
    }

    static int StoreSong(const char* title, int type, int tempo, int year, int label1, int label2) {
        TBaseSong song;
        song.Title = QString::fromUtf8(title);
        song.ArtistId = FindArtist(QStringLiteral("Zespół"), true);
        song.Category = QStringLiteral("1");
        song.SongTime = kSongMs;
        song.CharType = type;
        song.Tempo = tempo;
        song.Year = year;
        song.Label1Id = label1;
        song.Label2Id = label2;
        bool added = false;
        return AddSong(song, added);
    }
};

TEST_F(SlotFilterTest, ASongPassesTheFilterAsTheCandidateQueryDraws) {
    const auto filter = [](std::array<std::vector<int>, 5> kinds, bool any = true,
                           std::vector<int> years = {}, const char* lab1 = "",
                           const char* lab2 = "") {
        return TSlotFilter{kinds, years, any, QString::fromUtf8(lab1), QString::fromUtf8(lab2)};
    };
    const struct {
        const char* What;
        TSlotFilter Filter;
        bool SlowPopPasses;
        bool QuickRockPasses;
    } cases[] = {
        {"no condition", filter({}), true, true},
        {"tempo Wolne", filter({{{}, {1}}}), true, false},
        {"tempo Wolne or Szybkie", filter({{{}, {1, 3}}}), true, true},
        {"Rock and Szybkie", filter({{{2}, {3}}}), false, true},
        {"Rock and Wolne: no song has both", filter({{{2}, {1}}}), true, true},
        {"Rock or Wolne", filter({{{2}, {1}}}, false), true, true},
        {"Pop or Średnie", filter({{{1}, {2}}}, false), true, false},
        {"a vocal no combination has", filter({{{}, {}, {}, {}, {4}}}), true, true},
        {"years 1980 - 1989", filter({}, true, {4}), true, false},
        {"years 1970 - 1979 or 1980 - 1989", filter({}, true, {3, 4}), true, true},
        {"label Srebrna", filter({}, true, {}, "srebrna"), false, true},
        {"an unknown label", filter({}, true, {}, "Nieznana"), true, true},
        {"labels Złota and Srebrna", filter({}, true, {}, "Złota", "Srebrna"), false, true},
        {"labels Srebrna or Złota", filter({}, false, {}, "Srebrna", "Złota"), true, true},
        {"label Srebrna and tempo Wolne", filter({{{}, {1}}}, true, {}, "Srebrna"), false, false},
    };
    TReportLibrary library(*MainBase);
    TSlotFilterCheck check(library);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        EXPECT_EQ(check.Matches(c.Filter, *library.Song(SlowPop)), c.SlowPopPasses);
        EXPECT_EQ(check.Matches(c.Filter, *library.Song(QuickRock)), c.QuickRockPasses);
    }
}

TEST(YearSpanTest, ValueTexts) {
    const struct {
        const char* Text;
        std::optional<TYearSpan> Span;
    } cases[] = {
        {"1980 - 1989", TYearSpan{1980, 1989}},
        {"1985", TYearSpan{1985, 1985}},
        {"-1985", TYearSpan{1985, 1985}},
        {"1985-", TYearSpan{1985, 1985}},
        {"lata 80.", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(YearSpanOfText(QString::fromUtf8(c.Text)), c.Span) << c.Text;
}

// Values that no combination of the library has set no condition at all: the draw fills such a
// slot from the whole category, so the report must not call its songs broken.
TEST_F(SlotFilterTest, ValuesNoCombinationHasAreNoConditionInTheDrawEither) {
    Clock = std::make_unique<TClock>();
    Rows.clear();
    AddRow(*Ballads, Ms(7, 0), true)->CharText(ccVocal) = QStringLiteral("Chór");

    TRandom random(5);
    TRandTimer generator(*MainBase, random);
    generator.SetDate(DayNumber());
    TDayPlayList list;
    generator.ResultView = &list;
    ASSERT_TRUE(FillGenerator(*Clock, generator));
    generator.Run();
    ASSERT_EQ(list.Count(), 1) << Prompt.Texts(TBoxKind::bkError).join('\n').toStdString();
    EXPECT_EQ(list.Position(0).SongId, Ballad);

    Day.clear();
    Day.push_back(std::make_unique<TResultSongData>(list.Position(0)));
    const TDayReport report = Report();
    EXPECT_EQ(ResultOf(report.Positions[0], TDayRule::Characteristics), TRuleResult::Ok);
    EXPECT_EQ(report.Summary.Broken(), 0);
}

} // namespace
