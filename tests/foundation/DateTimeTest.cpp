#include "foundation/uDateTime.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct TInstantCase {
    TDateTime Value;
    QDate Date;
    QTime Time;
};

// Serial numbers checked against an independent calendar; negative values keep their time
// of day as a fraction away from zero.
const TInstantCase InstantCases[] = {
    {0.0, QDate(1899, 12, 30), QTime(0, 0)},    {2.0, QDate(1900, 1, 1), QTime(0, 0)},
    {36526.0, QDate(2000, 1, 1), QTime(0, 0)},  {45351.0, QDate(2024, 2, 29), QTime(0, 0)},
    {45352.5, QDate(2024, 3, 1), QTime(12, 0)}, {45352.75, QDate(2024, 3, 1), QTime(18, 0)},
    {-1.0, QDate(1899, 12, 29), QTime(0, 0)},   {-1.25, QDate(1899, 12, 29), QTime(6, 0)},
    {-693593.0, QDate(1, 1, 1), QTime(0, 0)},   {2958465.0, QDate(9999, 12, 31), QTime(0, 0)},
};

TEST(DateTimeTest, SplitsSerialNumbersIntoDateAndTime) {
    for (const TInstantCase& c : InstantCases) {
        SCOPED_TRACE(c.Value);
        EXPECT_EQ(DateTimeToDate(c.Value), c.Date);
        EXPECT_EQ(DateTimeToTime(c.Value), c.Time);
        EXPECT_EQ(DateTimeToQDateTime(c.Value), QDateTime(c.Date, c.Time));
    }
}

TEST(DateTimeTest, BuildsSerialNumbersFromQtValues) {
    for (const TInstantCase& c : InstantCases) {
        SCOPED_TRACE(c.Value);
        EXPECT_DOUBLE_EQ(QDateTimeToDateTime(QDateTime(c.Date, c.Time)), c.Value);
        EXPECT_DOUBLE_EQ(DateToDateTime(c.Date), std::trunc(c.Value));
    }
}

TEST(DateTimeTest, BetweenMinusOneAndZeroIsStillDayZero) {
    // Truncation toward zero puts -0.25 on 30 December like 0.25; the builder writes 0.25.
    EXPECT_EQ(DateTimeToDate(-0.25), QDate(1899, 12, 30));
    EXPECT_EQ(DateTimeToTime(-0.25), QTime(6, 0));
    EXPECT_EQ(QDateTimeToDateTime(QDateTime(QDate(1899, 12, 30), QTime(6, 0))), 0.25);
}

TEST(DateTimeTest, InvalidQtValuesGiveZero) {
    EXPECT_EQ(DateToDateTime(QDate()), 0.0);
    EXPECT_EQ(QDateTimeToDateTime(QDateTime()), 0.0);
}

TEST(DateTimeTest, TimeOfDayIsRoundedToTheMillisecond) {
    const TDateTime oneMs = 1.0 / MSecsPerDay;
    EXPECT_EQ(DateTimeToTime(0.5 + 0.4 * oneMs), QTime(12, 0, 0, 0));
    EXPECT_EQ(DateTimeToTime(0.5 + 0.6 * oneMs), QTime(12, 0, 0, 1));
    EXPECT_EQ(DateTimeToTime(0.99999), QTime(23, 59, 59, 136));
}

TEST(DateTimeTest, RoundingUpToMidnightMovesToTheNextDay) {
    // Day and time must come from the same rounding, else the day is lost.
    const TDateTimeParts parts = SplitDateTime(0.9999999999);
    EXPECT_EQ(parts.Days, 1);
    EXPECT_EQ(parts.MSecOfDay, 0);
    EXPECT_EQ(DateTimeToDate(45352.9999999999), QDate(2024, 3, 2));
    EXPECT_EQ(DateTimeToTime(45352.9999999999), QTime(0, 0));
    EXPECT_EQ(DateTimeToDate(-1.9999999999), QDate(1899, 12, 28));
}

TEST(DateTimeTest, OutOfRangeValuesAreClampedAndNanIsZero) {
    EXPECT_EQ(DateTimeToDate(std::numeric_limits<double>::quiet_NaN()), QDate(1899, 12, 30));
    EXPECT_EQ(DateTimeToDate(1e300), QDate(9999, 12, 31));
    EXPECT_EQ(DateTimeToTime(1e300), QTime(23, 59, 59, 999));
    EXPECT_EQ(DateTimeToDate(-std::numeric_limits<double>::infinity()), QDate(1, 1, 1));
}

TEST(DateTimeTest, EncodesOnlyExistingDates) {
    struct TCase {
        int Year, Month, Day;
        std::optional<TDateTime> Expected;
    };
    const TCase cases[] = {
        {2024, 3, 1, 45352.0},      {2024, 2, 29, 45351.0},      {2023, 2, 29, std::nullopt},
        {2000, 2, 29, 36585.0},     {1900, 2, 29, std::nullopt}, {2024, 13, 1, std::nullopt},
        {2024, 0, 1, std::nullopt}, {2024, 4, 31, std::nullopt}, {2024, 1, 0, std::nullopt},
        {0, 1, 1, std::nullopt},    {10000, 1, 1, std::nullopt}, {1, 1, 1, -693593.0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(QString::asprintf("%d-%d-%d", c.Year, c.Month, c.Day).toStdString());
        EXPECT_EQ(TryEncodeDate(c.Year, c.Month, c.Day), c.Expected);
    }
}

TEST(DateTimeTest, EncodesOnlyTimesOfOneDay) {
    EXPECT_EQ(TryEncodeTime(0, 0, 0, 0), 0.0);
    EXPECT_EQ(TryEncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_EQ(TryEncodeTime(23, 59, 59, 999), 86399999.0 / MSecsPerDay);
    EXPECT_EQ(TryEncodeTime(24, 0, 0, 0), std::nullopt);
    EXPECT_EQ(TryEncodeTime(0, 60, 0, 0), std::nullopt);
    EXPECT_EQ(TryEncodeTime(0, 0, 60, 0), std::nullopt);
    EXPECT_EQ(TryEncodeTime(0, 0, 0, 1000), std::nullopt);
    EXPECT_EQ(TryEncodeTime(-1, 0, 0, 0), std::nullopt);
}

TEST(DateTimeTest, EncodedDateTimeKeepsTimeOnTheRightSideOfZero) {
    EXPECT_EQ(TryEncodeDateTime(2024, 3, 1, 18, 0, 0, 0), 45352.75);
    EXPECT_EQ(TryEncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);
    EXPECT_EQ(TryEncodeDateTime(1899, 12, 30, 6, 0, 0, 0), 0.25);
    EXPECT_EQ(TryEncodeDateTime(2023, 2, 29, 6, 0, 0, 0), std::nullopt);
    EXPECT_EQ(TryEncodeDateTime(2024, 3, 1, 24, 0, 0, 0), std::nullopt);
    EXPECT_EQ(ComposeDateTime(45352.9, 0.25), 45352.25);
    EXPECT_EQ(ComposeDateTime(-1.0, 1.25), -1.25);
}

TEST(DateTimeTest, QDateTimeRoundTripKeepsMilliseconds) {
    const QDateTime instants[] = {
        QDateTime(QDate(2024, 3, 1), QTime(13, 45, 30, 250)),
        QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59, 999)),
        QDateTime(QDate(1899, 12, 29), QTime(0, 0, 0, 1)),
        QDateTime(QDate(1850, 6, 15), QTime(12, 30)),
    };
    for (const QDateTime& instant : instants) {
        SCOPED_TRACE(instant.toString(Qt::ISODateWithMs).toStdString());
        EXPECT_EQ(DateTimeToQDateTime(QDateTimeToDateTime(instant)), instant);
    }
}

TEST(DateTimeTest, DayOfYearCountsLeapDays) {
    EXPECT_EQ(DayOfYear(DateToDateTime(QDate(2024, 1, 1))), 1);
    EXPECT_EQ(DayOfYear(DateToDateTime(QDate(2024, 3, 1))), 61);
    EXPECT_EQ(DayOfYear(DateToDateTime(QDate(2023, 3, 1))), 60);
    EXPECT_EQ(DayOfYear(DateToDateTime(QDate(2024, 12, 31)) + 0.9), 366);
    EXPECT_EQ(DayOfYear(DateToDateTime(QDate(2023, 12, 31))), 365);
}

TEST(DateTimeTest, TodayIsAWholeDayNotAfterNow) {
    const TDateTime today = Today();
    const TDateTime now = Now();
    EXPECT_EQ(today, std::trunc(today));
    EXPECT_GE(now, today);
}

TEST(DateTimeTest, MonthNamesAreNominative) {
    const char* const expected[] = {"styczeń",  "luty",        "marzec",   "kwiecień",
                                    "maj",      "czerwiec",    "lipiec",   "sierpień",
                                    "wrzesień", "październik", "listopad", "grudzień"};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(LongMonthName(month), QString::fromUtf8(expected[month - 1])) << month;
    EXPECT_TRUE(LongMonthName(0).isEmpty());
    EXPECT_TRUE(LongMonthName(13).isEmpty());
}

TEST(DateTimeTest, DayNamesStartOnMonday) {
    const char* const expected[] = {"poniedziałek", "wtorek", "środa",    "czwartek",
                                    "piątek",       "sobota", "niedziela"};
    for (int day = 1; day <= 7; ++day)
        EXPECT_EQ(LongDayName(day), QString::fromUtf8(expected[day - 1])) << day;
    EXPECT_EQ(LongDayName(QDate(2024, 3, 1).dayOfWeek()), QStringLiteral("piątek"));
    EXPECT_TRUE(LongDayName(0).isEmpty());
    EXPECT_TRUE(LongDayName(8).isEmpty());
}

TEST(DateTimeTest, NamesDoNotFollowTheDefaultLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString month = LongMonthName(1);
    const QString day = LongDayName(3);
    QLocale::setDefault(previous);
    EXPECT_EQ(month, QStringLiteral("styczeń"));
    EXPECT_EQ(day, QStringLiteral("środa"));
}

} // namespace
