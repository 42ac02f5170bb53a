#include "settings/uColors.h"

#include "foundation/HTMLParser.h"
#include "foundation/uArUtils.h"

#include <array>

namespace {

struct TColorIdent {
    TColor Value;
    const char* Name;
};

constexpr TColorIdent kColorIdents[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};

// RGB (0xRRGGBB) of the system colours by element index, from the classic desktop scheme,
// so rows painted in a system colour look the same wherever the program runs.
constexpr std::array<quint32, 31> kSystemRgb{{
    0xC8C8C8, // scroll bar
    0x3A6EA5, // background
    0x0A246A, // active caption
    0x808080, // inactive caption
    0xD4D0C8, // menu
    0xFFFFFF, // window
    0x000000, // window frame
    0x000000, // menu text
    0x000000, // window text
    0xFFFFFF, // caption text
    0xD4D0C8, // active border
    0xD4D0C8, // inactive border
    0x808080, // application work space
    0x0A246A, // highlight
    0xFFFFFF, // highlight text
    0xD4D0C8, // button face
    0x808080, // button shadow
    0x808080, // grey text
    0x000000, // button text
    0xD4D0C8, // inactive caption text
    0xFFFFFF, // button highlight
    0x404040, // 3D dark shadow
    0xD4D0C8, // 3D light
    0x000000, // tool tip text
    0xFFFFE1, // tool tip background
    0xC0C0C0, // (unused element)
    0x000080, // hot-tracked item
    0xA6CAF0, // active caption gradient
    0xC0C0C0, // inactive caption gradient
    0x316AC5, // menu highlight
    0xD4D0C8, // menu bar
}};

constexpr quint32 kOpaque = 0xFF000000;

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

std::optional<TColor> ParseHex(QStringView digits) {
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (QChar c : digits) {
        const int digit = HexDigit(c.unicode());
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<TColor>(value);
}

std::optional<TColor> ParseDecimal(const QString& text) {
    // StrToIntDef cannot tell a bad text from its default, but no text gives both defaults.
    const int value = StrToIntDef(text, 0);
    if (value == 0 && StrToIntDef(text, 1) != 0)
        return std::nullopt;
    return static_cast<TColor>(value);
}

} // namespace

QString ColorToString(TColor color) {
    for (const TColorIdent& ident : kColorIdents)
        if (ident.Value == color)
            return QLatin1String(ident.Name);
    return QLatin1Char('$') + QStringLiteral("%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<TColor> StringToColor(const QString& text) {
    // Identifiers ignore ASCII letter case only, like the markup names around them.
    for (const TColorIdent& ident : kColorIdents)
        if (SameMarkupName(text, QLatin1String(ident.Name)))
            return ident.Value;
    if (text.startsWith(QLatin1Char('$')))
        return ParseHex(QStringView(text).mid(1));
    return ParseDecimal(text);
}

quint32 ColorToRgb(TColor color, quint32 noColor) {
    if (color == clNone || color == clDefault)
        return noColor;
    if ((color & clSystemColor) != 0) {
        const quint32 index = color & ~clSystemColor;
        return index < kSystemRgb.size() ? kOpaque | kSystemRgb[index] : noColor;
    }
    const quint32 red = color & 0xFF;
    const quint32 green = (color >> 8) & 0xFF;
    const quint32 blue = (color >> 16) & 0xFF;
    return kOpaque | (red << 16) | (green << 8) | blue;
}
