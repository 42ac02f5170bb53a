#include "settings/uCommonYear.h"

#include <QDate>
#include <gtest/gtest.h>

// Day numbers of the time blockades: days of a common year, both ways.

namespace {

TEST(CommonYear, MonthLengths) {
    const int lengths[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0};
    for (int month = 0; month <= 13; ++month)
        EXPECT_EQ(CommonMonthLength(month), lengths[month]) << "month " << month;
    EXPECT_EQ(CommonMonthLength(-1), 0);
}

TEST(CommonYear, DayNumbersBothWays) {
    const struct {
        int Month, Day, Number;
    } cases[] = {
        {1, 1, 1},    {1, 31, 31},   {2, 1, 32},   {2, 28, 59},   {3, 1, 60},
        {6, 15, 166}, {10, 28, 301}, {12, 1, 335}, {12, 31, 365},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Day << "." << c.Month);
        EXPECT_EQ(CommonDayOfYear(c.Month, c.Day), c.Number);
        EXPECT_EQ(CommonMonthDay(c.Number), (TMonthDay{c.Month, c.Day}));
    }
}

TEST(CommonYear, AgreesWithTheCalendarOfACommonYearOnEveryDay) {
    for (QDate date(2023, 1, 1); date.year() == 2023; date = date.addDays(1)) {
        EXPECT_EQ(CommonDayOfYear(date.month(), date.day()), date.dayOfYear());
        EXPECT_EQ(CommonMonthDay(date.dayOfYear()), (TMonthDay{date.month(), date.day()}));
    }
}

TEST(CommonYear, ImpossibleDatesHaveNoNumber) {
    const struct {
        int Month, Day;
    } cases[] = {{2, 29}, {2, 30}, {4, 31}, {1, 0}, {1, 32}, {0, 1}, {13, 1}, {-1, 5}};
    for (const auto& c : cases)
        EXPECT_EQ(CommonDayOfYear(c.Month, c.Day), 0) << c.Day << "." << c.Month;
    for (const int number : {0, 366, -1})
        EXPECT_EQ(CommonMonthDay(number), TMonthDay{}) << number;
}

} // namespace
