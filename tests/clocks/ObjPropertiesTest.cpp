#include "clocks/ClockTestUtils.h"
#include "clocks/uObjProperties.h"

namespace {

// --- PropertiesText, over the default station's values

struct TPropertiesTextCase {
    const char* What;
    TPropArray Ids;
    int Kind;
    const char* Text;
};

class PropertiesTextTest : public TStationTest {};

TEST_F(PropertiesTextTest, JoinsTheValueNamesOfTheKind) {
    const TPropertiesTextCase cases[] = {
        {"empty array", {}, ckTempo, ""},
        {"two names, one comma, no blank", {1, 3}, ckTempo, "Wolne,Szybkie"},
        {"names with blanks and Polish letters", {16, 2}, ckType, "Poezja śpiewana,Rock"},
        {"a nameless id in the middle is left out", {1, 99, 3}, ckTempo, "Wolne,Szybkie"},
        {"a nameless last id leaves the comma", {1, 99}, ckTempo, "Wolne,"},
        {"a nameless first id adds nothing", {99, 3}, ckTempo, "Szybkie"},
        {"ids belong to their kind", {3}, ckVocal, "Duet"},
        {"-1 has no name", {-1}, ckYears, ""},
        {"no such kind", {1}, 6, ""},
    };
    for (const TPropertiesTextCase& c : cases)
        EXPECT_EQ(PropertiesText(c.Ids, c.Kind), QString::fromUtf8(c.Text)) << c.What;
}

TEST(PropertiesTextWithoutSettings, IsEmpty) {
    EXPECT_EQ(PropertiesText({1, 2}, ckTempo), QString());
}

// --- The element form

TObjProperties SampleProperties() {
    TObjProperties p;
    p.PropType = {2};
    p.Tempo = {3, 4};
    p.Years = {5, -1};
    p.Any = false;
    p.Lab1 = QStringLiteral("EMI");
    return p;
}

QString PropertiesElementText(const TObjProperties& properties) {
    THTMLParser document;
    auto prop = NewElement(QStringLiteral("prop"));
    properties.SaveToNode(*prop);
    document.Root()->AddChild(std::move(prop));
    return NodeToText(document.Root());
}

TObjProperties PropertiesFrom(const QString& markup, TObjProperties start = {}) {
    THTMLParser parser;
    parser.Parse(markup);
    if (const TTagNode* prop = FindChild(parser.Root(), QStringLiteral("prop")))
        start.LoadFromNode(*prop);
    return start;
}

TEST(ObjProperties, WritesTheAttributesThenAlwaysAllSixElementsInOrder) {
    EXPECT_EQ(PropertiesElementText(SampleProperties()), CrLfLines({
                                                             "",
                                                             "  <prop any=\"0\" lab1=\"EMI\">",
                                                             "    <propType>",
                                                             "      <val id=\"2\"/>",
                                                             "    </propType>",
                                                             "    <tempo>",
                                                             "      <val id=\"3\"/>",
                                                             "      <val id=\"4\"/>",
                                                             "    </tempo>",
                                                             "    <atmosphere/>",
                                                             "    <years>",
                                                             "      <val id=\"5\"/>",
                                                             "      <val id=\"-1\"/>",
                                                             "    </years>",
                                                             "    <vocal/>",
                                                             "    <language/>",
                                                             "  </prop>",
                                                         }));
}

TEST(ObjProperties, ReadsBackWhatItWrote) {
    const TObjProperties written = SampleProperties();
    EXPECT_EQ(PropertiesFrom(PropertiesElementText(written)), written);
    const TObjProperties defaults;
    EXPECT_EQ(PropertiesFrom(PropertiesElementText(defaults)), defaults);
}

struct TPropertiesReadCase {
    const char* What;
    const char* Markup;
    TObjProperties Expected;
};

TEST(ObjProperties, ReadingKeepsWhatTheElementDoesNotSay) {
    // Read over settings that already hold values.
    TObjProperties start;
    start.Tempo = {1};
    start.Vocal = {2};
    start.Any = false;
    start.Lab1 = QStringLiteral("old");

    TObjProperties noElements = start;
    noElements.Lab1.clear();
    TObjProperties emptyTempo = noElements;
    emptyTempo.Tempo.clear();
    TObjProperties malformed = noElements;
    malformed.Tempo = {7, -1, 8};
    TObjProperties anyTrue = noElements;
    anyTrue.Any = true;
    anyTrue.Lab2 = QStringLiteral("Sony");

    const TPropertiesReadCase cases[] = {
        {"absent elements keep their arrays, absent labels clear", "<prop/>", noElements},
        {"an empty element empties its array", "<prop><tempo/></prop>", emptyTempo},
        {"malformed ids stay as -1, nested values count",
         "<prop><TEMPO><val id=\"7\"/><val id=\"x\"/><g><val id=\"8\"/></g></TEMPO></prop>",
         malformed},
        {"any and lab2 are read", "<prop any=\"TRUE\" lab2=\"Sony\"/>", anyTrue},
        {"a malformed any keeps the current value", "<prop any=\"yes\"/>", noElements},
    };
    for (const TPropertiesReadCase& c : cases)
        EXPECT_EQ(PropertiesFrom(QString::fromUtf8(c.Markup), start), c.Expected) << c.What;
}

TEST(ObjProperties, ArraysByCharacteristicKind) {
    TObjProperties p;
    for (const TCharElement& element : CharElements) {
        p.Array(element.Kind).push_back(element.Kind);
        EXPECT_EQ(CharElementName(element.Kind), QLatin1String(element.Name));
    }
    EXPECT_EQ(p.PropType, TPropArray{ckType});
    EXPECT_EQ(p.Atmosphere, TPropArray{ckAtmosphere});
    EXPECT_EQ(p.Tempo, TPropArray{ckTempo});
    EXPECT_EQ(p.Vocal, TPropArray{ckVocal});
    EXPECT_EQ(p.Language, TPropArray{ckLanguage});
    EXPECT_EQ(p.Years, TPropArray{ckYears});
    EXPECT_THROW(p.Array(6), std::out_of_range);
    EXPECT_EQ(CharElementName(-1), QString());
}

} // namespace
