#include "settings/uColors.h"

#include <gtest/gtest.h>

namespace {

struct TIdentCase {
    const char* Name;
    TColor Value;
};

// Every identifier the documents may carry, with its value.
const TIdentCase kIdents[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
    {"clHotLight", clHotLight},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption},
    {"clMenuHighlight", clMenuHighlight},
    {"clMenuBar", clMenuBar},
};

TEST(ColorText, EveryIdentifierReadsAsItsValueAndIsWrittenBack) {
    for (const TIdentCase& c : kIdents) {
        const QString name = QLatin1String(c.Name);
        EXPECT_EQ(StringToColor(name), c.Value) << c.Name;
        EXPECT_EQ(ColorToString(c.Value), name) << c.Name;
    }
}

TEST(ColorText, ReadingAcceptsIdentifiersInAnyCaseDecimalsAndHex) {
    const struct {
        const char* Text;
        TColor Value;
    } cases[] = {
        {"CLRED", clRed},
        {"clbtnface", clBtnFace},
        {"ClNoNe", clNone},
        {"255", clRed},
        {"+255", clRed},
        {"0", clBlack},
        {"-1", 0xFFFFFFFF},
        {"-2147483633", clBtnFace},
        {"2147483647", 0x7FFFFFFF},
        {"$00C0E0FF", 0x00C0E0FF},
        {"$ff", 0xFF},
        {"$8000000f", clBtnFace},
        {"$FFFFFFFF", 0xFFFFFFFF},
        {"$000000000FF", 0xFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StringToColor(QLatin1String(c.Text)), c.Value) << c.Text;
}

TEST(ColorText, ReadingRejectsEverythingElse) {
    const char* cases[] = {"",           "zielony",     "clRedd", "cl Red", "$",  "$G1",
                           "$100000000", "$-1",         "12a",    " 5",     "5 ", "0x10",
                           "2147483648", "-2147483649", "1.5",    "clRed "};
    for (const char* text : cases)
        EXPECT_FALSE(StringToColor(QLatin1String(text)).has_value()) << '"' << text << '"';
}

TEST(ColorText, AColourWithoutIdentifierIsWrittenAsEightHexDigits) {
    EXPECT_EQ(ColorToString(0x00C0E0FF), QStringLiteral("$00C0E0FF"));
    EXPECT_EQ(ColorToString(0xFFFFFFFF), QStringLiteral("$FFFFFFFF"));
    EXPECT_EQ(ColorToString(0x1), QStringLiteral("$00000001"));
    EXPECT_EQ(ColorToString(clSystemColor | 25), QStringLiteral("$80000019"));
}

TEST(ColorRgb, PlainSystemAndEmptyColours) {
    constexpr quint32 noColor = 0x12345678;
    const struct {
        TColor Color;
        quint32 Rgb;
    } cases[] = {
        {clRed, 0xFFFF0000},
        {clBlue, 0xFF0000FF},
        {0x00C0E0FF, 0xFFFFE0C0},
        {clWhite, 0xFFFFFFFF},
        {clBlack, 0xFF000000},
        {clWindow, 0xFFFFFFFF},
        {clWindowText, 0xFF000000},
        {clBtnFace, 0xFFD4D0C8},
        {clInfoBk, 0xFFFFFFE1},
        {clMenuBar, 0xFFD4D0C8},
        {clNone, noColor},
        {clDefault, noColor},
        {clSystemColor | 0xFF, noColor},
        {0x02FF8040, 0xFF4080FF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColorToRgb(c.Color, noColor), c.Rgb) << std::hex << c.Color;
    EXPECT_EQ(ColorToRgb(clNone), 0u) << "no colour is fully transparent by default";
}

} // namespace
