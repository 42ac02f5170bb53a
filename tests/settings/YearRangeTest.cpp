#include "settings/uYearRange.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

// The "Lata" values as the settings window reads them for editing and writes them back.

namespace {

struct TParseCase {
    const char* Text;
    TYearRange Expected;
};

TEST(YearRangeTest, ValuesAreReadAsAYearOrARange) {
    const TParseCase cases[] = {
        {"1999", {false, 1999, 1999}},          {" 1975 ", {false, 1975, 1975}},
        {"lata 80", {false, 2000, 2000}},       {"", {false, 2000, 2000}},
        {"1850", {false, 1900, 1900}},          {"2500", {false, 2100, 2100}},
        {"1980 - 1989", {true, 1980, 1989}},    {"1980-1989", {true, 1980, 1989}},
        {"  1960 -1969  ", {true, 1960, 1969}}, {"1990 - 1980", {true, 1980, 1990}},
        {"1980 - ?", {true, 1980, 2000}},       {"x - 1990", {true, 1990, 2000}},
        {"1985 - 1985", {true, 1985, 1985}},    {"1980 - 1985 - 1990", {true, 1980, 2000}},
        {"1800 - 3000", {true, 1900, 2100}},
    };
    for (const TParseCase& c : cases) {
        const TYearRange read = ParseYearRange(QString::fromUtf8(c.Text));
        EXPECT_EQ(read.IsRange, c.Expected.IsRange) << c.Text;
        EXPECT_EQ(read.From, c.Expected.From) << c.Text;
        EXPECT_EQ(read.To, c.Expected.To) << c.Text;
    }
}

struct TTextCase {
    TYearRange Range;
    const char* Expected;
};

TEST(YearRangeTest, ARangeIsWrittenWithADashAndEqualEndsAsTheYear) {
    const TTextCase cases[] = {
        {{false, 1999, 1999}, "1999"},       {{false, 1980, 1990}, "1980"},
        {{true, 1980, 1989}, "1980 - 1989"}, {{true, 1985, 1985}, "1985"},
        {{true, 1990, 1980}, "1980 - 1990"},
    };
    for (const TTextCase& c : cases)
        EXPECT_EQ(YearRangeText(c.Range), QString::fromUtf8(c.Expected)) << c.Expected;
}

TEST(YearRangeTest, WhatIsWrittenReadsBackTheSame) {
    for (const TYearRange range : {TYearRange{false, 1901, 1901}, TYearRange{true, 1950, 2050}})
        EXPECT_EQ(ParseYearRange(YearRangeText(range)), range);
}

} // namespace
