#include "foundation/uFormat.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct TFormatCase {
    const char* What;
    QString Fmt;
    QVariantList Args;
    QString Expected;
};

class FormatCases : public ::testing::TestWithParam<TFormatCase> {};

TEST_P(FormatCases, FillsAsTheResourceTextsExpect) {
    const TFormatCase& c = GetParam();
    EXPECT_EQ(Format(c.Fmt, c.Args).toStdString(), c.Expected.toStdString()) << c.What;
}

const TFormatCase kFormatCases[] = {
    {"plain text", QStringLiteral("Brak pliku."), {}, QStringLiteral("Brak pliku.")},
    {"text and integer",
     QStringLiteral("Utwór %s - %s już jest wpisany."),
     {QStringLiteral("Łzy"), QStringLiteral("Agnieszka")},
     QStringLiteral("Utwór Łzy - Agnieszka już jest wpisany.")},
    {"decimal", QStringLiteral("Id=%d"), {-42}, QStringLiteral("Id=-42")},
    {"64-bit decimal",
     QStringLiteral("%d"),
     {std::numeric_limits<qint64>::min()},
     QStringLiteral("-9223372036854775808")},
    {"width pads on the left",
     QStringLiteral("%2d:%2d:%2d"),
     {6, 5, 10},
     QStringLiteral(" 6: 5:10")},
    {"width never cuts", QStringLiteral("%2d"), {123}, QStringLiteral("123")},
    {"date key widths",
     QStringLiteral("%4d%2d%2d.%s"),
     {2024, 3, 1, QStringLiteral("plp")},
     QStringLiteral("2024 3 1.plp")},
    {"left-aligned width",
     QStringLiteral("[%-5s]"),
     {QStringLiteral("ab")},
     QStringLiteral("[ab   ]")},
    {"precision of d is the least digits",
     QStringLiteral("%.3d|%.3d"),
     {7, -7},
     QStringLiteral("007|-007")},
    {"precision of s cuts",
     QStringLiteral("%.3s"),
     {QStringLiteral("abcdef")},
     QStringLiteral("abc")},
    {"index repeats an argument and the next continues after it",
     QStringLiteral("SELECT %s.StatsId, %0:s.SId FROM %0:s WHERE %0:s.StatsId=%d"),
     {QStringLiteral("Stats.db"), 17},
     QStringLiteral("SELECT Stats.db.StatsId, Stats.db.SId FROM Stats.db WHERE "
                    "Stats.db.StatsId=17")},
    {"index jumps forward",
     QStringLiteral("%1:s %0:s %s"),
     {QStringLiteral("a"), QStringLiteral("b")},
     QStringLiteral("b a b")},
    {"width from an argument", QStringLiteral("[%*d]"), {4, 7}, QStringLiteral("[   7]")},
    {"percent sign", QStringLiteral("100%% %s"), {QStringLiteral("ok")}, QStringLiteral("100% ok")},
    {"unsigned of a negative 32-bit value",
     QStringLiteral("%u"),
     {-1},
     QStringLiteral("4294967295")},
    {"hexadecimal", QStringLiteral("%x %.4x"), {255, 10}, QStringLiteral("FF 000A")},
    {"upper-case type letters",
     QStringLiteral("%D %S"),
     {3, QStringLiteral("x")},
     QStringLiteral("3 x")},
    {"a number as text", QStringLiteral("%s"), {3}, QStringLiteral("3")},
    {"null as text is empty", QStringLiteral("[%s]"), {QVariant()}, QStringLiteral("[]")},
    {"a text argument is pasted, not read as a format",
     QStringLiteral("SELECT %s WHERE %s ORDER BY %s"),
     {QStringLiteral("a"), QStringLiteral("x IN (1,2) %s"), QStringLiteral("%d%%")},
     QStringLiteral("SELECT a WHERE x IN (1,2) %s ORDER BY %d%%")},
    {"statement text with CR LF kept",
     QStringLiteral("WHERE x = %d \r\nORDER BY y"),
     {5},
     QStringLiteral("WHERE x = 5 \r\nORDER BY y")},
    // What cannot be filled stays as written.
    {"missing argument",
     QStringLiteral("a %s b %d"),
     {QStringLiteral("x")},
     QStringLiteral("a x b %d")},
    {"text for a decimal", QStringLiteral("%d"), {QStringLiteral("12")}, QStringLiteral("%d")},
    {"unknown type, its argument still used up",
     QStringLiteral("%q %s"),
     {1, QStringLiteral("y")},
     QStringLiteral("%q y")},
    {"percent at the end", QStringLiteral("50%"), {}, QStringLiteral("50%")},
    {"index beyond the arguments",
     QStringLiteral("%3:s"),
     {QStringLiteral("a")},
     QStringLiteral("%3:s")},
};

INSTANTIATE_TEST_SUITE_P(Format, FormatCases, ::testing::ValuesIn(kFormatCases));

// Numbers with a fraction follow the program's locale, which is Polish.
TEST(Format, FloatingPointUsesThePolishSeparators) {
    ASSERT_EQ(QLocale().language(), QLocale::Polish);
    EXPECT_EQ(Format(QStringLiteral("%f"), {2.5}), QStringLiteral("2,50"));
    EXPECT_EQ(Format(QStringLiteral("%.1f"), {1234.56}), QStringLiteral("1234,6"));
    EXPECT_EQ(Format(QStringLiteral("%n"), {123456.5}), QStringLiteral("123\u00A0456,50"));
    EXPECT_EQ(Format(QStringLiteral("%g"), {0.25}), QStringLiteral("0,25"));
    EXPECT_EQ(Format(QStringLiteral("%f"), {3}), QStringLiteral("3,00"));
    EXPECT_EQ(Format(QStringLiteral("%f"), {QStringLiteral("3")}), QStringLiteral("%f"));
}

} // namespace
