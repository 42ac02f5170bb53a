#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "clocks/uClockObjList.h"
#include "generator/GeneratorFixture.h"
#include "generator/uCutAllowance.h"
#include "generator/uFillGenerator.h"
#include "generator/uRandTimer.h"
#include "generator/uResultReceiver.h"
#include "synthetic/uSyntheticLibrary.h"

#include <QHash>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// A whole weekday from the default station's clock on a small made-up library, with song and
// performer frequency limits and a blocked label. What comes out is checked against the
// library directly, not through the generator's own checks.

namespace {

// How far a start may move after its song was checked: fitting a stretch links and cuts songs
// after the draw.
constexpr int kDriftMinutes = 15;
constexpr int kSongHours = 1;
// The clock's narrowest slots (slow ballads of two moods, three an hour at night) find about
// five songs in it.
constexpr int kSongCount = 2000;
constexpr int kArtistHours = 1;

struct TSongFacts {
    int ArtistId = -1;
    int Label1 = -1;
    int Label2 = -1;
};

// What breaks the fixed hours in a generated day: a position that starts at or after the next
// fixed hour, or a stretch whose last song runs past that hour by more than the song may lose
// there (the playout fades a song at a fixed hour; a whole extra song is never meant).
std::vector<std::string> FixedHourFaults(const std::vector<TResultItem>& items) {
    std::vector<std::string> faults;
    int first = -1;
    for (int next = 0; next < static_cast<int>(items.size()); ++next) {
        if (!items[next].OwnHour)
            continue;
        if (first >= 0 && next > first) {
            const int hour = items[next].Start;
            for (int i = first; i < next; ++i)
                if (items[i].Start >= hour)
                    faults.push_back("position " + std::to_string(i) + " starts at " +
                                     std::to_string(items[i].Start) + ", after the fixed hour " +
                                     std::to_string(hour));
            const TResultItem& last = items[next - 1];
            const int overrun = last.Start + last.Duration - hour;
            if (overrun > CutAllowance(last.Time))
                faults.push_back("the stretch before " + std::to_string(hour) + " overruns by " +
                                 std::to_string(overrun) + " ms");
        }
        first = next;
    }
    return faults;
}

} // namespace

class WholeDayTest : public GeneratorFixture {
protected:
    QHash<int, TSongFacts> Songs;
    int BlockedLabel = -1;

    void SetUp() override {
        GeneratorFixture::SetUp();
        CreateCategoryList();
        CreateBroadcastList();
        TSyntheticLibraryOptions options;
        options.Songs = kSongCount;
        options.Artists = 400;
        options.Albums = 50;
        options.Labels = 20;
        options.CharCombinations = 200;
        const TSyntheticLibrary library(SyntheticOptionsFromSettings(options));
        ASSERT_EQ(StoreSyntheticLibrary(library), kSongCount);

        FreqGroups->SetGlobSongGr(AddTestFreqGroup(kSongHours, fpHours));
        FreqGroups->SetGlobArtGr(AddTestFreqGroup(kArtistHours, fpHours));
        BlockedLabel = LabelIdOf(library.LabelValues().at(0));
        ASSERT_GE(BlockedLabel, 0);
        DisabledLabels->Replace({{library.LabelValues().at(0), BlockedLabel}});

        TMainBaseQuery query;
        query.SetSQL(QStringLiteral("SELECT Song_Id, Art_Id, Label1_Id, Label2_Id FROM BaseSongs"));
        for (query.Open(); !query.Eof(); query.Next())
            Songs.insert(query.AsInteger(QStringLiteral("Song_Id")),
                         {query.AsInteger(QStringLiteral("Art_Id")),
                          query.AsInteger(QStringLiteral("Label1_Id")),
                          query.AsInteger(QStringLiteral("Label2_Id"))});
    }
    void TearDown() override {
        FreeBroadcastList();
        FreeCategoryList();
        GeneratorFixture::TearDown();
    }

    // Generates the weekday with the seed; the generator is kept for a look at its slots.
    std::unique_ptr<TRandTimer> Generate(TRandom& random, TCollectingReceiver& receiver,
                                         bool caching = true) {
        TClock clock;
        EXPECT_TRUE(
            clock.LoadClockFile(Station.Path(QStringLiteral("Zegary/Dzień powszedni.ctm"))));
        auto timer = std::make_unique<TRandTimer>(*MainBase, random);
        timer->SetDate(Day());
        timer->ResultView = &receiver;
        timer->SetCandidateCaching(caching);
        EXPECT_TRUE(FillGenerator(clock, *timer));
        timer->Run();
        return timer;
    }
};

TEST_F(WholeDayTest, EverySlotIsFilledWithinTheRulesAndFixedHoursKept) {
    TRandom random(77);
    TCollectingReceiver receiver;
    const auto timer = Generate(random, receiver);

    EXPECT_TRUE(Prompt.Errors().isEmpty()) << Prompt.Errors().join("\n").toStdString();
    EXPECT_GT(timer->DrawObjectCount(), 300);
    ASSERT_EQ(static_cast<int>(receiver.Items.size()), timer->DrawObjectCount());

    for (int i = 0; i < timer->DrawObjectCount(); ++i) {
        const TBaseRandObj& slot = timer->DrawObject(i);
        const TResultItem& item = receiver.Items[i];
        EXPECT_EQ(item.CatId, slot.CatId) << "slot " << i;
        if (slot.OwnHour) {
            EXPECT_EQ(item.Start, slot.SlotStart) << "slot " << i;
        }
        if (i > 0 && !slot.OwnHour) {
            const TResultItem& previous = receiver.Items[i - 1];
            EXPECT_EQ(item.Start, previous.Start + previous.Duration) << "slot " << i;
        }
        if (item.SongId < 0)
            continue;
        ASSERT_TRUE(Songs.contains(item.SongId));
        const TSongFacts& song = Songs[item.SongId];
        EXPECT_NE(song.Label1, BlockedLabel) << "slot " << i;
        EXPECT_NE(song.Label2, BlockedLabel) << "slot " << i;
    }

    int songRepeats = 0;
    for (size_t a = 0; a < receiver.Items.size(); ++a)
        for (size_t b = a + 1; b < receiver.Items.size(); ++b) {
            const TResultItem& first = receiver.Items[a];
            const TResultItem& second = receiver.Items[b];
            if (first.SongId < 0 || second.SongId < 0)
                continue;
            const int apart = std::abs(second.Start - first.Start) / 60000;
            if (first.SongId == second.SongId) {
                ++songRepeats;
                EXPECT_GT(apart, kSongHours * 60 - kDriftMinutes) << "song " << first.SongId;
            }
            if (Songs[first.SongId].ArtistId == Songs[second.SongId].ArtistId) {
                EXPECT_GT(apart, kArtistHours * 60 - kDriftMinutes)
                    << "performer " << Songs[first.SongId].ArtistId;
            }
        }
    EXPECT_GT(songRepeats, 0); // the limits were really put to work
}

TEST_F(WholeDayTest, SameSeedGivesTheSameDayWithOrWithoutTheCandidateCache) {
    TRandom first(5);
    TCollectingReceiver cached;
    Generate(first, cached, true);
    TRandom second(5);
    TCollectingReceiver uncached;
    Generate(second, uncached, false);

    ASSERT_FALSE(cached.Items.empty());
    EXPECT_TRUE(cached.Items == uncached.Items);

    TRandom other(6);
    TCollectingReceiver different;
    Generate(other, different);
    EXPECT_FALSE(cached.Items == different.Items);
}

TEST_F(WholeDayTest, NoStretchRunsPastItsFixedHour) {
    for (std::uint32_t seed : {5u, 77u, 2024u}) {
        TRandom random(seed);
        TCollectingReceiver receiver;
        Generate(random, receiver);
        ASSERT_FALSE(receiver.Items.empty());
        for (const std::string& fault : FixedHourFaults(receiver.Items))
            ADD_FAILURE() << "seed " << seed << ": " << fault;
    }
}
