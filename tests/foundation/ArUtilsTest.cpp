#include "foundation/uArUtils.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();

std::string Show(const QString& text) {
    return "\"" + text.toStdString() + "\"";
}

// --- Integer of a text ---

TEST(ArUtilsTest, StrToIntDefAcceptsOnlyAWholeDecimalInteger) {
    struct TCase {
        const char* Text;
        int Expected;
    };
    const TCase cases[] = {
        {"0", 0},
        {"42", 42},
        {"-17", -17},
        {"+5", 5},
        {"007", 7},
        {"2147483647", IntMax},
        {"-2147483648", IntMin},
        {"", -1},
        {"-", -1},
        {"+", -1},
        {" 5", -1},
        {"5 ", -1},
        {"12a", -1},
        {"1.5", -1},
        {"0x10", -1},
        {"$10", -1},
        {"2147483648", -1},
        {"-2147483649", -1},
        {"99999999999999999999", -1},
        {"\u0663", -1}, // an Arabic-Indic digit is not a decimal digit here
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(StrToIntDef(QString::fromUtf8(c.Text), -1), c.Expected);
    }
}

// --- Durations in seconds ---

TEST(ArUtilsTest, FormatDurationHMS) {
    struct TCase {
        int Seconds;
        const char* Expected;
    };
    const TCase cases[] = {
        {0, "00:00:00"},       {210, "00:03:30"},   {59, "00:00:59"},    {3599, "00:59:59"},
        {3600, "01:00:00"},    {86400, "24:00:00"}, {90061, "25:01:01"}, {359999, "99:59:59"},
        {360000, "100:00:00"}, {-3661, "-1:-1:-1"}, // every part truncates toward zero
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FormatDurationHMS(c.Seconds), QString::fromUtf8(c.Expected)) << c.Seconds;
}

TEST(ArUtilsTest, ParseDurationHMS) {
    struct TCase {
        const char* Text;
        int Expected;
    };
    const TCase cases[] = {
        {"01:30:00", 5400},
        {"1:75:80", 7199},
        {"45", 45},
        {"5:30", 18030}, // one ":" means hours and seconds
        {"24:00:00", 86400},
        {"100:00:00", 360000},
        {" 1: 2: 3", 3723},
        {"0:0:60", 59},
        {"-1:00:00", -3600},
        {"0:-5:0", -300},
        {"0:0:-7", -7},
        {"", 0},
        {"abc", 0},
        {"1:x:30", 3630},
        {"1:2:3:4", 3720},
        {"99999999:00:00", IntMax},
        {"-99999999:00:00", IntMin},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ParseDurationHMS(QString::fromUtf8(c.Text)), c.Expected);
    }
}

TEST(ArUtilsTest, FormattedSecondsParseBack) {
    for (int seconds : {0, 1, 59, 60, 210, 3599, 3600, 86399, 86400, 90061, 360000}) {
        SCOPED_TRACE(seconds);
        EXPECT_EQ(ParseDurationHMS(FormatDurationHMS(seconds)), seconds);
    }
}

TEST(ArUtilsTest, DateTimeToSeconds) {
    struct TCase {
        TDateTime Value;
        int Expected;
    };
    const TCase cases[] = {
        {0.0, 0},
        {0.5, 43200},
        {1.0, 86400},
        {1.25, 108000},
        {3723.9 / 86400, 3723}, // milliseconds are dropped, not rounded
        {0.9999999999, 86400},  // rounds to midnight of the next day, not back to 0
        {-0.5, 43200},
        {-1.25, -64800},
        {3000.0, 259200000}, // beyond 2730 days the hours do not wrap at 16 bits
        {1e9, IntMax},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Value);
        EXPECT_EQ(DateTimeToSeconds(c.Value), c.Expected);
    }
}

TEST(ArUtilsTest, SecondsSurviveTheTripThroughDateTime) {
    for (int seconds : {0, 1, 59, 3599, 86399, 86400, 86401, 235872000, 235958399, IntMax}) {
        SCOPED_TRACE(seconds);
        EXPECT_DOUBLE_EQ(SecondsToDateTime(seconds), static_cast<double>(seconds) / 86400);
        EXPECT_EQ(DateTimeToSeconds(SecondsToDateTime(seconds)), seconds);
    }
}

TEST(ArUtilsTest, FormatDateTimeHMS) {
    struct TCase {
        TDateTime Value;
        const char* Expected;
    };
    const TCase cases[] = {
        {0.0, "00:00:00"},     {0.5, "12:00:00"},
        {0.99999, "23:59:59"}, {0.9999999999, "24:00:00"},
        {1.0, "24:00:00"},     {1.25, "30:00:00"},
        {5.0, "120:00:00"},    {3723.999 / 86400, "01:02:03"},
        {-1.25, "-18:00:00"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Value);
        EXPECT_EQ(FormatDateTimeHMS(c.Value), QString::fromUtf8(c.Expected));
    }
}

// --- Durations in milliseconds ---

TEST(ArUtilsTest, ParseMinSecMs) {
    struct TCase {
        const char* Text;
        quint16 Minutes, Seconds, MSecs;
    };
    const TCase cases[] = {
        {"3:45.120", 3, 45, 120},
        {"245", 0, 245, 0},
        {"0:75.000", 0, 59, 0},
        {"0:75", 0, 75, 0}, // without a dot the seconds are not limited
        {"3:45", 3, 45, 0},
        {".5", 0, 0, 5}, // a whole number of milliseconds, not a fraction
        {"1:2.5", 1, 2, 5},
        {" 3:05.0 1", 3, 5, 1},
        {"125:30.000", 125, 30, 0},
        {"2:", 2, 0, 0},
        {"1:x.7", 1, 0, 7},
        {"", 0, 0, 0},
        {"-1:00.000", 65535, 0, 0},   // low 16 bits, unsigned
        {"70000:00.000", 4464, 0, 0}, // 70000 - 65536
        {"1:-5.0", 1, 59, 0},         // -5 is 65531 as 16 bits, then limited
        {"0:1.70000", 0, 1, 4464},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        const TMinSecMs parts = ParseMinSecMs(QString::fromUtf8(c.Text));
        EXPECT_EQ(parts.Minutes, c.Minutes);
        EXPECT_EQ(parts.Seconds, c.Seconds);
        EXPECT_EQ(parts.MSecs, c.MSecs);
    }
}

TEST(ArUtilsTest, ParseHourMinSecMs) {
    struct TCase {
        const char* Text;
        quint16 Hours, Minutes, Seconds, MSecs;
    };
    const TCase cases[] = {
        {"1:02:03.004", 1, 2, 3, 4},
        {"4:30.000", 4, 0, 30, 0},
        {"3:45.120", 3, 0, 45, 120},
        {"1:00:00.000", 1, 0, 0, 0},
        {" 1: 2: 3. 4", 1, 2, 3, 4},
        {"45.120", 0, 0, 0, 0}, // no ":" gives nothing at all
        {"", 0, 0, 0, 0},
        {"-1:00:00.000", 65535, 0, 0, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        const THourMinSecMs parts = ParseHourMinSecMs(QString::fromUtf8(c.Text));
        EXPECT_EQ(parts.Hours, c.Hours);
        EXPECT_EQ(parts.Minutes, c.Minutes);
        EXPECT_EQ(parts.Seconds, c.Seconds);
        EXPECT_EQ(parts.MSecs, c.MSecs);
    }
}

TEST(ArUtilsTest, ParseDurationMs) {
    struct TCase {
        const char* Text;
        bool WithHours;
        int Expected;
    };
    const TCase cases[] = {
        {"3:45.120", false, 225120},
        {"1:00:00.000", true, 3600000},
        {"4:30.000", true, 14430000},
        {"1:02:03.004", true, 3723004},
        {"245", false, 245000},
        {"125:30.000", false, 7530000},
        {"45.120", true, 0},
        {"", false, 0},
        {"65535:00:00.000", true, IntMax}, // too long for 32 bits: saturates, never wraps
        {"65535:59.999", false, IntMax},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ParseDurationMs(QString::fromUtf8(c.Text), c.WithHours), c.Expected);
    }
}

TEST(ArUtilsTest, FormattedMillisecondsParseBack) {
    for (int msecs : {0, 1, 999, 1000, 59999, 60000, 215250, 3599999, 3723004, 7530000}) {
        SCOPED_TRACE(msecs);
        EXPECT_EQ(ParseDurationMs(FormatDurationMs(msecs, false), false), msecs);
        EXPECT_EQ(ParseDurationMs(FormatDurationMs(msecs, true), true), msecs);
    }
}

TEST(ArUtilsTest, ParseMinSecMsTimeRejectsImpossibleParts) {
    struct TCase {
        const char* Text;
        std::optional<int> ExpectedMs;
    };
    const TCase cases[] = {
        {"3:45.120", 225120},        {"59:59.999", 3599999}, {"", 0},
        {"0:75.000", 59000}, // the seconds before a dot are limited first
        {"60:00.000", std::nullopt}, {"0:75", std::nullopt}, {"0:00.1000", std::nullopt},
        {"-1:00.000", std::nullopt},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        const std::optional<TDateTime> time = ParseMinSecMsTime(QString::fromUtf8(c.Text));
        ASSERT_EQ(time.has_value(), c.ExpectedMs.has_value());
        if (time) {
            EXPECT_EQ(DateTimeToTime(*time).msecsSinceStartOfDay(), *c.ExpectedMs);
        }
    }
}

TEST(ArUtilsTest, FormatDurationMs) {
    struct TCase {
        int MSecs;
        bool WithHours;
        const char* Expected;
    };
    const TCase cases[] = {
        {0, false, "00:00.000"},          {0, true, "00:00:00.000"},
        {-1, false, "00:00:000"},         {-1, true, "00:00:000"},
        {IntMin, true, "00:00:000"},      {999, false, "00:00.999"},
        {59999, false, "00:59.999"},      {215250, false, "03:35.250"},
        {3600000, true, "01:00:00.000"},  {3600000, false, "60:00.000"},
        {3723004, true, "01:02:03.004"},  {7530000, false, "125:30.000"},
        {36000000, true, "10:00:00.000"}, {360000000, true, "100:00:00.000"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.MSecs);
        EXPECT_EQ(FormatDurationMs(c.MSecs, c.WithHours), QString::fromUtf8(c.Expected));
    }
}

TEST(ArUtilsTest, FormatHoursMinutesDropsSeconds) {
    struct TCase {
        int MSecs;
        const char* Expected;
    };
    const TCase cases[] = {
        {0, "00:00"},        {-5, "00:00"},         {IntMin, "00:00"},  {59999, "00:00"},
        {60000, "00:01"},    {3599999, "00:59"},    {3600000, "01:00"}, {5430000, "01:30"},
        {36000000, "10:00"}, {360000000, "100:00"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FormatHoursMinutes(c.MSecs), QString::fromUtf8(c.Expected)) << c.MSecs;
}

TEST(ArUtilsTest, MsToMinutesRoundsHalvesToEven) {
    struct TCase {
        int MSecs;
        int Expected;
    };
    const TCase cases[] = {
        {0, 0},       {29999, 0},    {30000, 0},      {30001, 1},       {89999, 1},
        {90000, 2},   {150000, 2},   {210000, 4},     {-30000, 0},      {-30001, -1},
        {-90000, -2}, {-150000, -2}, {IntMax, 35791}, {IntMin, -35791},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(MsToMinutes(c.MSecs), c.Expected) << c.MSecs;
}

// --- Dates ---

TEST(ArUtilsTest, FormatDateKey) {
    struct TCase {
        TDateTime Date;
        const char* Ext;
        const char* Expected;
    };
    const TCase cases[] = {
        {45352.0, "", "20240301"},
        {45352.0, "plp", "20240301.plp"},
        {45352.75, "plh", "20240301.plh"},
        {45351.0, "", "20240229"},
        {45352.9999999999, "", "20240302"}, // rounds to the next midnight
        {0.0, "", "18991230"},
        {-1.25, "", "18991229"},
        {-329077.0, "dat", "09990105.dat"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Expected);
        EXPECT_EQ(FormatDateKey(c.Date, QString::fromUtf8(c.Ext)), QString::fromUtf8(c.Expected));
    }
    EXPECT_EQ(FormatDateKey(45352.0), QStringLiteral("20240301"));
}

TEST(ArUtilsTest, ParseDateKey) {
    struct TCase {
        const char* Text;
        std::optional<TDateTime> Expected;
    };
    const TCase cases[] = {
        {"20240301.plh", 45352.0},
        {"20240301", 45352.0},
        {"20240229.plp", 45351.0},
        {"20000101", 36526.0},
        {"202403011", 45352.0}, // only the first eight characters count
        {"notes.txt", 0.0},
        {"", 0.0},
        {".plp", 0.0},
        {"18991231", 0.0}, // year 1899 means no date
        {"20240001", 0.0},
        {"20240300", 0.0},
        {"2024", 0.0},
        {"2024 301", 0.0},
        {"20241301", std::nullopt},
        {"20240230", std::nullopt},
        {"20230229", std::nullopt},
        {"19000229", std::nullopt},
        {"00000101", std::nullopt},
        {"-0010101", std::nullopt},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ParseDateKey(QString::fromUtf8(c.Text)), c.Expected);
    }
}

TEST(ArUtilsTest, DateKeysParseBack) {
    for (const QDate& date : {QDate(2024, 2, 29), QDate(2000, 1, 1), QDate(2023, 12, 31),
                              QDate(1999, 12, 31), QDate(9999, 12, 31)}) {
        SCOPED_TRACE(date.toString(Qt::ISODate).toStdString());
        const TDateTime value = DateToDateTime(date);
        EXPECT_EQ(ParseDateKey(FormatDateKey(value, QStringLiteral("plz"))), value);
    }
}

TEST(ArUtilsTest, FormatHourRangeKeepsSpaces) {
    EXPECT_EQ(FormatHourRange(6, 10), QStringLiteral(" 6:00 - 10:00"));
    EXPECT_EQ(FormatHourRange(0, 24), QStringLiteral(" 0:00 - 24:00"));
    EXPECT_EQ(FormatHourRange(10, 12), QStringLiteral("10:00 - 12:00"));
}

TEST(ArUtilsTest, FormatDayRangeUsesACommonYearAndNominativeMonths) {
    struct TCase {
        int Start, Stop;
        const char* Expected;
    };
    const TCase cases[] = {
        {1, 365, " 1 styczeń - 31 grudzień"},
        {59, 60, "28 luty -  1 marzec"}, // day 60 is 1 March: no leap day
        {32, 181, " 1 luty - 30 czerwiec"},
        {274, 305, " 1 październik -  1 listopad"},
        {1, 366, " 1 styczeń -  1 styczeń"}, // past the year's end into the next one
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Expected);
        EXPECT_EQ(FormatDayRange(c.Start, c.Stop), QString::fromUtf8(c.Expected));
    }
}

// --- Packed values ---

TEST(ArUtilsTest, PackWordsKeepsTheLow16BitsOfEachHalf) {
    struct TCase {
        int High, Low;
        qint32 Packed;
        quint16 UnpackedHigh, UnpackedLow;
    };
    const TCase cases[] = {
        {6, 10, 0x6000A, 6, 10},
        {0, 24, 24, 0, 24},
        {1, 366, 0x1016E, 1, 366},
        {1, 0x12345, 0x12345, 1, 0x2345},
        {1, -1, 0x1FFFF, 1, 0xFFFF},
        {0x12345, 7, 0x23450007, 0x2345, 7},
        {-1, 5, -65531, 0xFFFF, 5}, // 0xFFFF0005
        {0x7FFF, 0xFFFF, 0x7FFFFFFF, 0x7FFF, 0xFFFF},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(QString::asprintf("%d, %d", c.High, c.Low).toStdString());
        EXPECT_EQ(PackWords(c.High, c.Low), c.Packed);
        const TWordPair pair = UnpackWords(c.Packed);
        EXPECT_EQ(pair.High, c.UnpackedHigh);
        EXPECT_EQ(pair.Low, c.UnpackedLow);
    }
}

TEST(ArUtilsTest, PackDayStamp) {
    struct TCase {
        int Number;
        TDateTime Date;
        quint32 Expected;
    };
    const TCase cases[] = {
        {5, 36526.0, 5},
        {5, 36526.73, 5}, // the time of day does not count
        {0, 36527.0, 65536},
        {0x12345, 36527.0, 0x12345},
        {-1, 36526.0, 0xFFFF},
        {0, 36525.0, 0xFFFF0000}, // before 2000 wraps modulo 2^32
        {7, 45352.0, (quint32(45352 - 36526) << 16) | 7},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Date);
        EXPECT_EQ(PackDayStamp(c.Number, c.Date), c.Expected);
    }
}

TEST(ArUtilsTest, UnpackDayStamp) {
    const TDayStamp stamp = UnpackDayStamp(65541);
    EXPECT_EQ(DateTimeToDate(stamp.Date), QDate(2000, 1, 2));
    EXPECT_EQ(stamp.Date, 36527.0);
    EXPECT_EQ(stamp.Number, 5);

    const TDayStamp last = UnpackDayStamp(0xFFFFFFFFu);
    EXPECT_EQ(last.Date, 36526.0 + 65535);
    EXPECT_EQ(last.Number, 0xFFFF);

    const TDayStamp back = UnpackDayStamp(PackDayStamp(123, 45352.6));
    EXPECT_EQ(back.Date, 45352.0);
    EXPECT_EQ(back.Number, 123);
}

TEST(ArUtilsTest, SetCardinalAtGrowsByWholeSlotsLittleEndian) {
    const QByteArray empty;
    const QByteArray one = SetCardinalAt(empty, 0, 0x04030201u);
    EXPECT_TRUE(empty.isEmpty()); // the input is not changed
    EXPECT_EQ(one, QByteArray("\x01\x02\x03\x04", 4));

    const QByteArray two = SetCardinalAt(one, 1, 0xFFFFFFFFu);
    EXPECT_EQ(two.size(), 8);
    EXPECT_EQ(CardinalAt(two, 0), 0x04030201u);
    EXPECT_EQ(CardinalAt(two, 1), 0xFFFFFFFFu);

    const QByteArray rewritten = SetCardinalAt(two, 0, 7);
    EXPECT_EQ(rewritten.size(), 8);
    EXPECT_EQ(CardinalAt(rewritten, 0), 7u);
    EXPECT_EQ(CardinalAt(rewritten, 1), 0xFFFFFFFFu);
}

TEST(ArUtilsTest, SetCardinalAtFillsSkippedSlotsWithZeros) {
    const QByteArray bytes = SetCardinalAt(QByteArray(), 2, 9);
    EXPECT_EQ(bytes, QByteArray("\0\0\0\0\0\0\0\0\x09\0\0\0", 12));
    // A ragged tail is completed, not overwritten elsewhere.
    const QByteArray ragged = SetCardinalAt(QByteArray("\x05\x00\x00\x00\xAA\xBB", 6), 1, 3);
    EXPECT_EQ(ragged.size(), 8);
    EXPECT_EQ(CardinalAt(ragged, 0), 5u);
    EXPECT_EQ(CardinalAt(ragged, 1), 3u);
}

TEST(ArUtilsTest, OutOfRangeSlotsAreSafe) {
    const QByteArray bytes = SetCardinalAt(QByteArray(), 0, 42);
    EXPECT_EQ(SetCardinalAt(bytes, -1, 5), bytes);
    EXPECT_EQ(CardinalAt(bytes, -1), 0u);
    EXPECT_EQ(CardinalAt(bytes, 1), 0u);
    EXPECT_EQ(CardinalAt(QByteArray("\x01\x02\x03", 3), 0), 0u);
    EXPECT_EQ(CardinalAt(QByteArray(), IntMax), 0u);
}

// --- Texts ---

TEST(ArUtilsTest, QuoteList) {
    struct TCase {
        const char* Text;
        const char* Expected;
    };
    const TCase cases[] = {
        {" rock , pop ballad", R"("rock","pop ballad")"},
        {"rock", R"("rock")"},
        {"", ""},
        {" ", ""},
        {",rock", R"("","rock")"},
        {"rock,", R"("rock")"},
        {"rock, ", R"("rock")"},
        {",", R"("")"},
        {"a,,b", R"("a","","b")"},
        {"\ta\r\n,b", R"("a","b")"},
        {"żółw, łąka", R"("żółw","łąka")"},
        {R"(say "hi")", R"("say ""hi""")"}, // an own quote is doubled, not left to end the item
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(QuoteList(QString::fromUtf8(c.Text)), QString::fromUtf8(c.Expected));
    }
}

TEST(ArUtilsTest, RemoveQuotes) {
    EXPECT_EQ(RemoveQuotes(QStringLiteral(R"("rock","pop ballad")")),
              QStringLiteral("rock,pop ballad"));
    EXPECT_EQ(RemoveQuotes(QString()), QString());
    EXPECT_EQ(RemoveQuotes(QStringLiteral("no quotes")), QStringLiteral("no quotes"));
}

TEST(ArUtilsTest, FileNameStemAndCutAtDot) {
    struct TCase {
        const char* Path;
        const char* Stem;
    };
    const TCase cases[] = {
        {R"(C:\x\my.clock.ctm)", "my"},
        {"/home/radio/Zegary/poranek.ctm", "poranek"},
        {R"(C:\dir.v2\clock)", "clock"}, // a dot in a directory does not count
        {"plain", "plain"},
        {R"(dir\.hidden)", ""},
        {"", ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FileNameStem(QString::fromUtf8(c.Path)), QString::fromUtf8(c.Stem)) << c.Path;

    EXPECT_EQ(CutAtDot(QStringLiteral("20240301.plh")), QStringLiteral("20240301"));
    EXPECT_EQ(CutAtDot(QStringLiteral("a.b.c")), QStringLiteral("a"));
    EXPECT_EQ(CutAtDot(QStringLiteral("abc")), QStringLiteral("abc"));
    EXPECT_EQ(CutAtDot(QStringLiteral(".x")), QString());
    EXPECT_EQ(CutAtDot(QString()), QString());
}

TEST(ArUtilsTest, TextToBool) {
    struct TCase {
        const char* Text;
        bool Default;
        bool Expected;
    };
    const TCase cases[] = {
        {"TRUE", false, true},  {"true", false, true},  {"1", false, true},   {"yes", true, true},
        {"yes", false, false},  {"", false, false},     {"", true, true},     {"0", true, false},
        {"False", true, false}, {"fAlSe", true, false}, {" 1", false, false}, {"2", false, false},
        {"-1", true, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(Show(QString::fromUtf8(c.Text)) + (c.Default ? " default true" : ""));
        EXPECT_EQ(TextToBool(QString::fromUtf8(c.Text), c.Default), c.Expected);
    }
}

TEST(ArUtilsTest, BoolTextParsesBack) {
    EXPECT_EQ(BoolToText(true), QStringLiteral("1"));
    EXPECT_EQ(BoolToText(false), QStringLiteral("0"));
    for (bool flag : {false, true}) {
        EXPECT_EQ(TextToBool(BoolToText(flag), !flag), flag);
    }
}

} // namespace
