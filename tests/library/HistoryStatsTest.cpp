#include "StatsTestSupport.h"
#include "library/uHistoryStats.h"
#include "support/TestText.h"

namespace {

QStringList Texts(std::initializer_list<TDateTime> times) {
    QStringList texts;
    for (TDateTime time : times)
        texts.append(PlayTimeText(time));
    return texts;
}

TDateTime LastMinute(TDateTime day) {
    return day + 1 - 1.0 / (HoursPerDay * 60);
}

using HistoryStatsTest = StatsFixture;

TEST_F(HistoryStatsTest, ChoosingAPeriodReadsOnlyThePendingDaysNotReadYet) {
    Pending(May(3), {});
    Pending(May(5), {});
    THistoryStats history(*MainBase, &Reader);

    history.SetPeriod(May(3), LastMinute(May(4)));
    EXPECT_EQ(Reader.Read, QStringList({"20240503"}));
    EXPECT_EQ(ToPlayTime(history.PeriodFrom()), ToPlayTime(May(3)));
    EXPECT_EQ(ToPlayTime(history.PeriodTo()), ToPlayTime(LastMinute(May(4))));

    // A day generated meanwhile is read when a period takes it in again.
    Pending(May(4), {});
    history.SetPeriod(May(1), LastMinute(May(7)));
    EXPECT_EQ(Reader.Read, QStringList({"20240503", "20240504", "20240505"}));
    history.SetPeriod(May(3), LastMinute(May(5)));
    EXPECT_EQ(Reader.Read, QStringList({"20240503", "20240504", "20240505"}));
    EXPECT_EQ(Reader.Light, QList<bool>({true, true, true}));
}

// A day taken back while the days after it stay accepted is pending again: its plays are no
// longer in the tables and must come from its plan file. A current file left beside an accepted
// day's history file is not read: that day's plays are in the tables.
TEST_F(HistoryStatsTest, ADayTakenBackBeforeTheNewestAcceptedOneShowsItsPlays) {
    Accepted(May(2));
    Accepted(May(4));
    Accepted(May(5));
    PendingPlay(1, 11, May(3, 7, 0));
    PendingPlay(1, 11, May(4, 9, 0)); // stray: 4 May is accepted
    StoredPlay(1, 11, May(4, 10, 0));
    THistoryStats history(*MainBase, &Reader);

    history.SetPeriod(May(1), LastMinute(May(7)));
    EXPECT_EQ(Reader.Read, QStringList({"20240503"}));
    QStringList plays;
    history.ListSongPlays(1, plays);
    EXPECT_EQ(plays, Texts({May(3, 7, 0), May(4, 10, 0)}));
    history.ListArtistPlays(11, plays);
    EXPECT_EQ(plays, Texts({May(3, 7, 0), May(4, 10, 0)}));
}

// Accepted up to 2 May: song 1 by artist 11 stored on 20 April 10:00, 1 May 08:00 and 20:00;
// pending 3 May: song 1 at 07:00, song 2 by artist 11 at 09:00.
class HistoryPlaysTest : public StatsFixture {
protected:
    void SetUp() override {
        StatsFixture::SetUp();
        Accepted(May(2));
        StoredPlay(1, 11, *TryEncodeDateTime(2024, 4, 20, 10, 0, 0, 0));
        StoredPlay(1, 11, May(1, 8, 0));
        StoredPlay(1, 11, May(1, 20, 0));
        PendingPlay(1, 11, May(3, 7, 0));
        PendingPlay(2, 11, May(3, 9, 0));
    }
};

struct TListCase {
    const char* What;
    bool Artist;
    int Id;
    TDateTime From;
    TDateTime To;
    QStringList Plays;
};

TEST_F(HistoryPlaysTest, PendingPlaysAreListedBeforeStoredOnes) {
    const TDateTime april20 = *TryEncodeDateTime(2024, 4, 20, 10, 0, 0, 0);
    const TListCase cases[] = {
        {"the week", false, 1, May(1), LastMinute(May(7)),
         Texts({May(3, 7, 0), May(1, 8, 0), May(1, 20, 0)})},
        {"one pending day", false, 1, May(3), LastMinute(May(3)), Texts({May(3, 7, 0)})},
        {"one accepted day", false, 1, May(1), LastMinute(May(1)),
         Texts({May(1, 8, 0), May(1, 20, 0)})},
        {"part of a day", false, 1, May(1, 12, 0), LastMinute(May(3)),
         Texts({May(3, 7, 0), May(1, 20, 0)})},
        {"April", false, 1, *TryEncodeDate(2024, 4, 1), LastMinute(*TryEncodeDate(2024, 4, 30)),
         Texts({april20})},
        {"a song played only on a pending day", false, 2, May(1), LastMinute(May(7)),
         Texts({May(3, 9, 0)})},
        {"the artist", true, 11, May(1), LastMinute(May(7)),
         Texts({May(3, 7, 0), May(3, 9, 0), May(1, 8, 0), May(1, 20, 0)})},
        {"nothing", false, 9, May(1), LastMinute(May(7)), {}},
    };
    THistoryStats history(*MainBase, &Reader);
    for (const TListCase& c : cases) {
        history.SetPeriod(c.From, c.To);
        QStringList list = {QStringLiteral("left over")};
        if (c.Artist)
            history.ListArtistPlays(c.Id, list);
        else
            history.ListSongPlays(c.Id, list);
        EXPECT_EQ(S(list), S(c.Plays)) << c.What;
    }
}

TEST_F(HistoryPlaysTest, ADayAcceptedSinceItWasReadIsListedOnce) {
    THistoryStats history(*MainBase, &Reader);
    history.SetPeriod(May(1), LastMinute(May(7)));
    QStringList list;
    history.ListSongPlays(1, list);
    ASSERT_EQ(list.size(), 3);

    // 3 May is accepted: its plays go to the tables and its history file is written.
    Accepted(May(3));
    StoredPlay(1, 11, May(3, 7, 0));
    history.SetPeriod(May(1), LastMinute(May(7)));
    history.ListSongPlays(1, list);
    EXPECT_EQ(S(list), S(Texts({May(1, 8, 0), May(1, 20, 0), May(3, 7, 0)})));
}

TEST(PlayTimeText, IsTheShortDateAndTheTimeWithSeconds) {
    EXPECT_EQ(PlayTimeText(May(3, 7, 15, 9)).toStdString(), "3.05.2024 07:15:09");
}

} // namespace
