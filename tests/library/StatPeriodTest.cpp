#include "library/uStatPeriod.h"
#include "support/TestText.h"

#include <gtest/gtest.h>
#include <optional>

// The periods of the statistics chart and where a play is drawn in them.

namespace {

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return *TryEncodeDateTime(year, month, day, hour, minute, second, 0);
}

QDateTime AsQt(TDateTime value) {
    return DateTimeToQDateTime(value);
}

struct TPeriodCase {
    const char* What;
    TStatPeriodKind Kind;
    TDateTime Day;
    QDateTime Start;
    QDateTime End;
    const char* Text;
    int Days;
};

// 1 January 2024 and 29 January 2024 are Mondays; 2024 is a leap year.
TEST(StatPeriodTest, APeriodRunsFromMondayOrTheFirstToItsLastMinute) {
    const TPeriodCase cases[] = {
        {"a Monday", TStatPeriodKind::Week, At(2024, 1, 1, 15, 30), QDateTime({2024, 1, 1}, {}),
         QDateTime({2024, 1, 7}, {23, 59}), "1.01.2024 - 7.01.2024", 7},
        {"a Sunday", TStatPeriodKind::Week, At(2024, 1, 7, 23, 59), QDateTime({2024, 1, 1}, {}),
         QDateTime({2024, 1, 7}, {23, 59}), "1.01.2024 - 7.01.2024", 7},
        {"a week over a month end", TStatPeriodKind::Week, At(2024, 2, 2),
         QDateTime({2024, 1, 29}, {}), QDateTime({2024, 2, 4}, {23, 59}), "29.01.2024 - 4.02.2024",
         7},
        {"a week over a year end", TStatPeriodKind::Week, At(2025, 1, 1),
         QDateTime({2024, 12, 30}, {}), QDateTime({2025, 1, 5}, {23, 59}), "30.12.2024 - 5.01.2025",
         7},
        {"January", TStatPeriodKind::Month, At(2024, 1, 17, 8), QDateTime({2024, 1, 1}, {}),
         QDateTime({2024, 1, 31}, {23, 59}), "styczeń 2024", 31},
        {"a leap February", TStatPeriodKind::Month, At(2024, 2, 29), QDateTime({2024, 2, 1}, {}),
         QDateTime({2024, 2, 29}, {23, 59}), "luty 2024", 29},
        {"December", TStatPeriodKind::Month, At(2024, 12, 31, 23, 59), QDateTime({2024, 12, 1}, {}),
         QDateTime({2024, 12, 31}, {23, 59}), "grudzień 2024", 31},
    };
    for (const TPeriodCase& c : cases) {
        SCOPED_TRACE(c.What);
        const TStatPeriod period = StatPeriodOf(c.Kind, c.Day);
        EXPECT_EQ(period.Kind, c.Kind);
        EXPECT_EQ(AsQt(period.Start), c.Start);
        EXPECT_EQ(AsQt(period.End), c.End);
        EXPECT_EQ(StatPeriodText(period), U(c.Text));
        EXPECT_EQ(period.DayCount(), c.Days);
        EXPECT_EQ(StatPeriodDayLabels(period).size(), c.Days);
    }
}

TEST(StatPeriodTest, TheDayLabelsAreTheShortDatesOfTheDays) {
    EXPECT_EQ(S(StatPeriodDayLabels(StatPeriodOf(TStatPeriodKind::Week, At(2024, 1, 31)))),
              "29.01.2024|30.01.2024|31.01.2024|1.02.2024|2.02.2024|3.02.2024|4.02.2024");
    const QStringList february =
        StatPeriodDayLabels(StatPeriodOf(TStatPeriodKind::Month, At(2024, 2, 10)));
    EXPECT_EQ(S(february.first()), "1.02.2024");
    EXPECT_EQ(S(february.last()), "29.02.2024");
}

TEST(StatPeriodTest, APlayInThePeriodsLastMinuteBelongsToIt) {
    const TStatPeriod week = StatPeriodOf(TStatPeriodKind::Week, At(2024, 1, 3));
    EXPECT_GE(week.LastInstant(), At(2024, 1, 7, 23, 59, 59));
    EXPECT_LT(week.LastInstant(), At(2024, 1, 8));
    const TStatPeriod december = StatPeriodOf(TStatPeriodKind::Month, At(2024, 12, 3));
    EXPECT_GE(december.LastInstant(), At(2024, 12, 31, 23, 59, 59));
    EXPECT_LT(december.LastInstant(), At(2025, 1, 1));
}

struct TMoveCase {
    const char* What;
    TStatPeriodKind Kind;
    TDateTime Day;
    int Steps;
    QDate Start;
};

TEST(StatPeriodTest, MovingGoesOneWeekOrOneMonthAtATime) {
    const TMoveCase cases[] = {
        {"forward from the week of 1 January",
         TStatPeriodKind::Week,
         At(2024, 1, 1),
         1,
         {2024, 1, 8}},
        {"back from the week of 1 January",
         TStatPeriodKind::Week,
         At(2024, 1, 3),
         -1,
         {2023, 12, 25}},
        {"forward over a month end", TStatPeriodKind::Week, At(2024, 1, 29), 1, {2024, 2, 5}},
        {"forward from December", TStatPeriodKind::Month, At(2024, 12, 15), 1, {2025, 1, 1}},
        {"back from January", TStatPeriodKind::Month, At(2025, 1, 15), -1, {2024, 12, 1}},
        {"back from March to a leap February",
         TStatPeriodKind::Month,
         At(2024, 3, 31),
         -1,
         {2024, 2, 1}},
    };
    for (const TMoveCase& c : cases) {
        SCOPED_TRACE(c.What);
        const TStatPeriod moved = MoveStatPeriod(StatPeriodOf(c.Kind, c.Day), c.Steps);
        EXPECT_EQ(moved.Kind, c.Kind);
        EXPECT_EQ(DateTimeToDate(moved.Start), c.Start);
        EXPECT_EQ(AsQt(moved.End), AsQt(StatPeriodOf(c.Kind, moved.Start).End));
    }
}

struct TPointCase {
    const char* What;
    TDateTime Start;
    TDateTime Play;
    std::optional<QPointF> Point;
};

TEST(StatPeriodTest, APlayIsDrawnAtItsDayAndTimeOfDay) {
    const TDateTime jan29 = At(2024, 1, 29);
    const TDateTime dec30 = At(2024, 12, 30);
    const TPointCase cases[] = {
        {"the first day at midnight", jan29, At(2024, 1, 29), QPointF(0, 0)},
        {"13:45", jan29, At(2024, 1, 30, 13, 45), QPointF(1, 13.75)},
        {"seconds do not count", jan29, At(2024, 1, 31, 6, 30, 59), QPointF(2, 6.5)},
        {"1 February", jan29, At(2024, 2, 1, 10), QPointF(3, 10)},
        {"4 February", jan29, At(2024, 2, 4, 23, 59), QPointF(6, 23 + 59 / 60.0)},
        {"1 January of the next year", dec30, At(2025, 1, 1, 12), QPointF(2, 12)},
        {"a month period", At(2024, 2, 1), At(2024, 2, 29, 18), QPointF(28, 18)},
        {"before the period in its month", At(2024, 2, 26), At(2024, 2, 5, 12), std::nullopt},
        {"before the period in an earlier month", At(2024, 3, 25), At(2024, 2, 10), std::nullopt},
    };
    for (const TPointCase& c : cases) {
        SCOPED_TRACE(c.What);
        const std::optional<QPointF> point = StatPlayPoint(c.Start, c.Play);
        ASSERT_EQ(point.has_value(), c.Point.has_value());
        if (point) {
            EXPECT_DOUBLE_EQ(point->x(), c.Point->x());
            EXPECT_DOUBLE_EQ(point->y(), c.Point->y());
        }
    }
}

TEST(StatPeriodTest, ThePlaysPerDayCountWhatIsDrawn) {
    const TStatPeriod week = StatPeriodOf(TStatPeriodKind::Week, At(2024, 1, 29));
    const QList<TDateTime> plays = {At(2024, 1, 29, 8), At(2024, 2, 1, 9), At(2024, 2, 1, 21),
                                    At(2024, 2, 4, 23, 59), At(2024, 1, 5)};
    EXPECT_EQ(StatPlaysPerDay(week, plays), QList<int>({1, 0, 0, 2, 0, 0, 1}));
    EXPECT_EQ(StatPlaysPerDay(week, {}), QList<int>(7, 0));
    const TStatPeriod february = StatPeriodOf(TStatPeriodKind::Month, At(2024, 2, 1));
    EXPECT_EQ(StatPlaysPerDay(february, {At(2024, 2, 29, 12)}).value(28), 1);
}

} // namespace
