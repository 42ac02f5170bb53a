#include "foundation/uXmlEscape.h"

#include <gtest/gtest.h>

namespace {

struct TEscapeCase {
    QString Input;
    QString Expected;
};

TEST(XmlEscape, ReplacesTheMarkupCharactersAndCodeOne) {
    const TEscapeCase cases[] = {
        {QStringLiteral("plain Łódź"), QStringLiteral("plain Łódź")},
        {QStringLiteral("<a & b>"), QStringLiteral("&lt;a &amp; b&gt;")},
        {QStringLiteral("\"it's\""), QStringLiteral("&quot;it&apos;s&quot;")},
        {QString(QChar(1)) + QStringLiteral("x"), QStringLiteral("&nbsp;x")},
        {QStringLiteral("&amp;"), QStringLiteral("&amp;amp;")},
        {QString(), QString()},
    };
    for (const TEscapeCase& c : cases)
        EXPECT_EQ(XmlEscape(c.Input), c.Expected) << c.Input.toStdString();
}

TEST(XmlUnescape, ReadsEntitiesWithTheirQuirks) {
    const TEscapeCase cases[] = {
        {QStringLiteral("&lt;a &amp; b&gt;"), QStringLiteral("<a & b>")},
        {QStringLiteral("&quot;it&apos;s&quot;"), QStringLiteral("\"it's\"")},
        {QStringLiteral("&amp;lt;"), QStringLiteral("&lt;")}, // one level only
        {QStringLiteral("&#65;"), QStringLiteral("A")},
        {QStringLiteral("&#321;"), QStringLiteral("A")}, // low 8 bits of 321
        {QStringLiteral("&#-191;"), QStringLiteral("A")},
        {QStringLiteral("R&B"), QStringLiteral("RB")},
        {QStringLiteral("&xyz;"), QStringLiteral("xyz;")},
        {QStringLiteral("&AMP;"), QStringLiteral("AMP;")}, // names are case-sensitive
        {QStringLiteral("x&lt"), QStringLiteral("x<")},    // ";" missing at the very end
        {QStringLiteral("&;"), QStringLiteral(";")},
        {QStringLiteral("&#;"), QStringLiteral("#;")},
        {QStringLiteral("&#0;"), QStringLiteral("#0;")},
        {QStringLiteral("&#256;"), QStringLiteral("#256;")}, // low 8 bits are 0
        {QStringLiteral("&#x41;"), QStringLiteral("#x41;")}, // decimal only
        {QStringLiteral("&abcdefghijklmnop;"), QStringLiteral("abcdefghijklmnop;")},
        {QStringLiteral("a&"), QStringLiteral("a")},
        {QStringLiteral("&&amp;"), QStringLiteral("&")},
        {QStringLiteral("&#6#5;"), QStringLiteral("A")}, // every "#" switches, none is kept
    };
    for (const TEscapeCase& c : cases)
        EXPECT_EQ(XmlUnescape(c.Input), c.Expected) << c.Input.toStdString();
}

// Code N stands for byte N of a Windows-1250 document.
TEST(XmlUnescape, CodesAbove127AreWindows1250Characters) {
    const TEscapeCase cases[] = {
        {QStringLiteral("&nbsp;"), QString(QChar(0xA0))},
        {QStringLiteral("&#179;"), QStringLiteral("ł")},
        {QStringLiteral("&#163;&#211;"), QStringLiteral("ŁÓ")},
        {QStringLiteral("&#128;"), QStringLiteral("€")},
        {QStringLiteral("&copy;&aacute;&Oacute;"), QStringLiteral("©áÓ")},
        {QStringLiteral("&atilde;"), QStringLiteral("ă")}, // byte 227
        {QStringLiteral("&yuml;"), QStringLiteral("˙")},   // byte 255
        {QStringLiteral("&ETH;&eth;"), QStringLiteral("Đđ")},
        {QStringLiteral("&Agrave;&THORN;&thorn;"), QStringLiteral("ŔŢţ")},
        {QStringLiteral("&die;&brkbar;&hibar;"), QStringLiteral("¨¦Ż")},
        {QStringLiteral("&uml;&brvbar;&macr;"), QStringLiteral("¨¦Ż")},
        {QStringLiteral("&iexcl;&frac34;&times;&divide;"), QStringLiteral("ˇľ×÷")},
    };
    for (const TEscapeCase& c : cases)
        EXPECT_EQ(XmlUnescape(c.Input), c.Expected) << c.Input.toStdString();
}

TEST(XmlEscape, UnescapingGivesTheTextBack) {
    const QString texts[] = {
        QStringLiteral("Zespół \"Łódź\" & <przyjaciele> 'na żywo'"),
        QStringLiteral("&amp; already escaped"),
        QStringLiteral("R&B;"),
    };
    for (const QString& text : texts)
        EXPECT_EQ(XmlUnescape(XmlEscape(text)), text) << text.toStdString();
    // Code 1 is written as "&nbsp;", which reads back as the no-break space.
    EXPECT_EQ(XmlUnescape(XmlEscape(QString(QChar(1)))), QString(QChar(0xA0)));
}

} // namespace
