#include "StatsTestSupport.h"
#include "support/TestText.h"

#include <QDir>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>

namespace {

TDateTime LastSecond(TDateTime day) {
    return day + 1 - 1.0 / SecsPerDay;
}

using StatsCacheTest = StatsFixture;

// --- The cache window

struct TWindowCase {
    const char* What;
    QList<int> History; // days of May with a history file
    QList<int> Current; // days of May with a current plan file
    QStringList Stray;  // files whose names are no date, in both directories
    TDateTime Start;
    TDateTime End;
    QStringList Read;
};

TEST_F(StatsCacheTest, TheWindowCoversThePendingDaysAfterTheNewestAcceptedOne) {
    const TWindowCase cases[] = {
        {"pending days only",
         {},
         {3, 4, 5},
         {},
         May(3),
         LastSecond(May(5)),
         {"20240503", "20240504", "20240505"}},
        {"an accepted day among them",
         {4},
         {3, 4, 5},
         {},
         May(5),
         LastSecond(May(5)),
         {"20240505"}},
        {"names that are no date",
         {4},
         {3, 4, 5},
         {"kopia.plh", "zzz.plp"},
         May(5),
         LastSecond(May(5)),
         {"20240505"}},
        {"a gap between pending days",
         {},
         {3, 6},
         {},
         May(3),
         LastSecond(May(6)),
         {"20240503", "20240506"}},
        {"accepted days, nothing pending", {1, 2}, {}, {}, May(3), May(3), {}},
        {"every pending day accepted already", {5}, {4, 5}, {}, May(6), May(6), {}},
        {"neither", {}, {}, {}, 0, 0, {}},
    };
    for (const TWindowCase& c : cases) {
        ASSERT_TRUE(QDir(AppFilePath(kPlanDir)).removeRecursively());
        Reader.Read.clear();
        for (int day : c.History)
            MakePlanFile(pkHistory, May(day));
        for (int day : c.Current)
            MakePlanFile(pkCurrent, May(day));
        for (const QString& name : c.Stray) {
            MakeStrayFile(pkHistory, name);
            MakeStrayFile(pkCurrent, name);
        }
        TStatsCache cache(*MainBase, &Reader);
        cache.LoadPlans();
        EXPECT_EQ(ToPlayTime(cache.CacheStart()), ToPlayTime(c.Start)) << c.What;
        EXPECT_EQ(ToPlayTime(cache.CacheEnd()), ToPlayTime(c.End)) << c.What;
        EXPECT_EQ(S(Reader.Read.join(QLatin1Char(','))), S(c.Read.join(QLatin1Char(','))))
            << c.What;
    }
}

TEST_F(StatsCacheTest, APlanDayIsReadWholeAndAsAnswerAndLeftOutWhenUnreadable) {
    Pending(May(3),
            {{1, HourMs(1, 2, 3) + 456, 11}, {-1, HourMs(1, 5), -1}, {2, HourMs(0, 0), -1}});
    Pending(May(4), {{1, HourMs(7, 0), 11}});
    Pending(May(5), {{1, HourMs(8, 0), 11}});
    Reader.Unreadable = QStringLiteral("20240504");
    TStatsCache cache(*MainBase, &Reader);
    cache.LoadPlans();

    EXPECT_EQ(Reader.Light, QList<bool>({false, false, false}));
    EXPECT_FALSE(Reader.Asked);
    const TCacheItem* song = cache.SongItem(1);
    ASSERT_NE(song, nullptr);
    // Whole seconds of the start; the unreadable day is missing.
    EXPECT_EQ(song->Times(),
              std::vector<TPlayTime>({ToPlayTime(May(3, 1, 2, 3)), ToPlayTime(May(5, 8, 0))}));
    ASSERT_NE(cache.ArtistItem(11), nullptr);
    EXPECT_EQ(cache.ArtistItem(11)->Count(), 2);
    // Blanks and positions without an artist are no plays.
    EXPECT_EQ(cache.SongItem(-1), nullptr);
    EXPECT_EQ(cache.ArtistItem(-1), nullptr);
    EXPECT_NE(cache.SongItem(2), nullptr);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

// --- Questions over the cache and the tables

// Accepted 8 May (stored plays), pending 9 and 10 May (cached plays):
//   song 1 by artist 11: 8 May 07:00 and 15:00 stored, 9 May 08:00 cached;
//   song 2 by artist 12: 10 May 09:30 cached;
//   song 3 by artist 13: 2 May 12:00 stored.
class StatsQuestionsTest : public StatsFixture {
protected:
    std::unique_ptr<TStatsCache> Cache;

    void SetUp() override {
        StatsFixture::SetUp();
        Accepted(May(8));
        StoredPlay(1, 11, May(8, 7, 0));
        StoredPlay(1, 11, May(8, 15, 0));
        StoredPlay(3, 13, May(2, 12, 0));
        PendingPlay(1, 11, May(9, 8, 0));
        PendingPlay(2, 12, May(10, 9, 30));
        Cache = std::make_unique<TStatsCache>(*MainBase, &Reader);
        Cache->LoadPlans();
        ASSERT_EQ(ToPlayTime(Cache->CacheStart()), ToPlayTime(May(9)));
    }
    void TearDown() override {
        Cache.reset();
        StatsFixture::TearDown();
    }
};

struct TPlayedCase {
    const char* What;
    bool Artist;
    int Id;
    TDateTime From;
    TDateTime To;
    bool Played;
};

TEST_F(StatsQuestionsTest, PlayedLooksInTheCacheAndBeforeItInTheTables) {
    const TPlayedCase cases[] = {
        {"cached play", false, 1, May(9, 7, 0), May(9, 9, 0), true},
        {"cached play at both edges", false, 1, May(9, 8, 0), May(9, 8, 0), true},
        {"no cached play in the window", false, 2, May(9), LastSecond(May(9)), false},
        {"stored: the row's last play", false, 1, May(8, 14, 0), May(8, 16, 0), true},
        {"stored: a play before the row's last", false, 1, May(8, 6, 0), May(8, 10, 0), true},
        {"stored: between two plays", false, 1, May(8, 8, 0), May(8, 14, 59), false},
        {"from the tables into the cache", false, 2, May(8), May(10, 9, 30), true},
        {"before every play", false, 1, May(1), LastSecond(May(7)), false},
        {"an artist's cached play", true, 12, May(10, 9, 0), May(10, 10, 0), true},
        {"an artist's stored play", true, 11, May(8, 6, 0), May(8, 7, 0), true},
        {"another artist", true, 13, May(8), May(10), false},
        {"an artist's older stored play", true, 13, May(2), May(8), true},
    };
    for (const TPlayedCase& c : cases) {
        const bool played = c.Artist ? Cache->ArtistPlayed(c.Id, c.From, c.To)
                                     : Cache->SongPlayed(c.Id, c.From, c.To);
        EXPECT_EQ(played, c.Played) << c.What;
    }
}

TEST_F(StatsQuestionsTest, AWindowFromTheCacheStartOnNeverAsksTheTables) {
    // With the tables gone every question that reaches them fails.
    MainBase->Connection().exec("DROP TABLE Stats");
    MainBase->Connection().exec("DROP TABLE AStats");

    EXPECT_FALSE(Cache->SongPlayed(3, May(9), May(10)));
    EXPECT_FALSE(Cache->SongPlayed(2, May(9, 0, 0, 1), May(10, 9, 0)));
    EXPECT_TRUE(Cache->SongPlayed(1, May(9), May(10)));
    EXPECT_FALSE(Cache->ArtistPlayed(13, May(9), May(10)));
    EXPECT_EQ(Cache->SongPlayCount(1, false, May(9), May(11)), 1);
    EXPECT_EQ(Cache->ArtistPlayCount(12, May(10), May(11)), 1);
    EXPECT_TRUE(Cache->SongFreeAtHours(3, 2, May(10), 0.25, 10.0 / 24));

    EXPECT_THROW(Cache->SongPlayed(3, LastSecond(May(8)), May(10)), SQLite::Exception);
    EXPECT_THROW(Cache->ArtistPlayCount(13, May(8), May(10)), SQLite::Exception);
}

TEST_F(StatsQuestionsTest, APlayCountAddsTheCachedAndTheStoredPlays) {
    EXPECT_EQ(Cache->SongPlayCount(1, false, 0, 0), 3);
    EXPECT_EQ(Cache->SongPlayCount(1, false, May(8), LastSecond(May(9))), 3);
    EXPECT_EQ(Cache->SongPlayCount(1, false, May(8, 7, 0), May(8, 7, 0)), 1);
    EXPECT_EQ(Cache->SongPlayCount(1, false, May(8, 7, 1), May(8, 14, 59)), 0);
    EXPECT_EQ(Cache->SongPlayCount(1, false, May(9), May(10)), 1);
    EXPECT_EQ(Cache->SongPlayCount(3, false, 0, 0), 1);
    EXPECT_EQ(Cache->SongPlayCount(4, false, 0, 0), 0);
    EXPECT_EQ(Cache->ArtistPlayCount(11, 0, 0), 3);
    EXPECT_EQ(Cache->ArtistPlayCount(11, May(8, 12, 0), May(9, 12, 0)), 2);
    EXPECT_EQ(Cache->ArtistPlayCount(12, May(1), May(31)), 1);
}

TEST_F(StatsQuestionsTest, TheMemoKeepsTheFirstMemoisedCountOfEachSong) {
    EXPECT_EQ(Cache->SongPlayCount(1, true, May(9), LastSecond(May(9))), 1);
    // Memoised: the window asked later plays no part.
    EXPECT_EQ(Cache->SongPlayCount(1, true, 0, 0), 1);
    // Not memoised: counted afresh, and the memo stays.
    EXPECT_EQ(Cache->SongPlayCount(1, false, 0, 0), 3);
    EXPECT_EQ(Cache->SongPlayCount(1, true, May(1), May(2)), 1);
    // Each song has its own entry.
    EXPECT_EQ(Cache->SongPlayCount(2, true, 0, 0), 1);
    EXPECT_EQ(Cache->SongPlayCount(3, true, May(1), May(31)), 1);
    EXPECT_EQ(Cache->SongPlayCount(3, true, May(10), May(11)), 1);
}

// Memoised counts read the stored plays of every song at once, for the window of the first
// memoised question; they must agree with counting song by song.
TEST_F(StatsQuestionsTest, MemoisedCountsAgreeWithCountsSongBySong) {
    const std::pair<TDateTime, TDateTime> windows[] = {{May(8), LastSecond(May(9))},
                                                       {May(8, 7, 1), May(10)},
                                                       {May(1), May(8, 7, 0)},
                                                       {May(9), May(10)},
                                                       {0, 0}};
    for (const auto& [from, to] : windows) {
        TStatsCache cache(*MainBase, &Reader);
        cache.LoadPlans();
        for (int song : {1, 2, 3, 4})
            EXPECT_EQ(cache.SongPlayCount(song, true, from, to),
                      Cache->SongPlayCount(song, false, from, to))
                << "song " << song << " from " << from << " to " << to;
    }

    // A song first asked with another window is counted in its own.
    TStatsCache cache(*MainBase, &Reader);
    cache.LoadPlans();
    EXPECT_EQ(cache.SongPlayCount(3, true, May(8), May(10)), 0);
    EXPECT_EQ(cache.SongPlayCount(1, true, May(1), May(8, 7, 0)), 1);
    EXPECT_EQ(cache.SongPlayCount(3, true, May(1), May(8)), 0); // memoised before
}

TEST_F(StatsCacheTest, WithoutAnyPlanFileEveryQuestionGoesToTheTables) {
    StoredPlay(1, 11, May(8, 7, 0));
    TStatsCache cache(*MainBase, &Reader);
    cache.LoadPlans();
    EXPECT_EQ(cache.CacheStart(), 0);
    EXPECT_TRUE(cache.SongPlayed(1, May(8), May(30)));
    EXPECT_TRUE(cache.ArtistPlayed(11, May(8, 7, 0), May(8, 7, 0)));
    EXPECT_EQ(cache.SongPlayCount(1, false, May(8), May(9)), 1);
    EXPECT_EQ(cache.ArtistPlayCount(11, 0, 0), 1);
}

// --- Free at hours

struct TFreeCase {
    const char* What;
    TDateTime Stored;  // 0: none
    TDateTime Stored2; // 0: none
    TDateTime Pending; // 0: none
    int Days;
    bool Free;
};

// Three days back from 10 May (10, 9 and 8 May) between 06:00 and 10:00; 8 May is accepted,
// 9 and 10 May are pending.
TEST_F(StatsCacheTest, FreeAtHoursChecksTheSameHoursOnEachOfTheDays) {
    const TFreeCase cases[] = {
        {"no play", 0, 0, 0, 3, true},
        {"stored 8 May 07:00", May(8, 7, 0), 0, 0, 3, false},
        {"stored 8 May 07:00, again at 20:00", May(8, 7, 0), May(8, 20, 0), 0, 3, false},
        {"stored 8 May 10:01", May(8, 10, 1), 0, 0, 3, true},
        {"stored 7 May 07:00: a day too far", May(7, 7, 0), 0, 0, 3, true},
        {"stored 8 May 07:00, two days only", May(8, 7, 0), 0, 0, 2, true},
        {"cached 9 May 10:00", 0, 0, May(9, 10, 0), 3, false},
        {"cached 9 May 10:00:01", 0, 0, May(9, 10, 0, 1), 3, true},
        {"cached 10 May 06:00", 0, 0, May(10, 6, 0), 3, false},
        {"cached 10 May 05:59:59", 0, 0, May(10, 5, 59, 59), 3, true},
        {"cached 9 May 12:00", 0, 0, May(9, 12, 0), 3, true},
        {"no day to check", May(8, 7, 0), 0, May(10, 7, 0), 0, true},
    };
    Accepted(May(8));
    MakePlanFile(pkCurrent, May(9));
    MakePlanFile(pkCurrent, May(10));
    int songId = 100;
    for (const TFreeCase& c : cases) {
        ++songId;
        for (TDateTime stored : {c.Stored, c.Stored2})
            if (stored != 0)
                StoredPlay(songId, 1, stored);
        if (c.Pending != 0)
            PendingPlay(songId, 2, c.Pending);
    }
    TStatsCache cache(*MainBase, &Reader);
    cache.LoadPlans();
    songId = 100;
    for (const TFreeCase& c : cases) {
        ++songId;
        // The time of day of the day argument plays no part.
        EXPECT_EQ(cache.SongFreeAtHours(songId, c.Days, May(10, 12, 34), May(1, 6, 0),
                                        10.0 / HoursPerDay),
                  c.Free)
            << c.What;
    }
}

} // namespace
