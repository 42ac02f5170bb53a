#include "foundation/uAppPaths.h"
#include "foundation/uTextFile.h"
#include "settings/uArOptions.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(CharKind, TagsAndCaptions) {
    const QStringList tags = {"Typ", "Nastrój", "Tempo", "Wokal", "Język", "Lata"};
    for (int kind = 0; kind < CharKindCount; ++kind) {
        EXPECT_EQ(CharKindTag(kind), tags[kind]);
        EXPECT_EQ(CharKindCaption(kind), tags[kind]);
    }
    for (int kind : {-1, CharKindCount, 100}) {
        EXPECT_EQ(CharKindTag(kind), QString());
        EXPECT_EQ(CharKindCaption(kind), QStringLiteral("Nieznany"));
    }
}

class CharacteristicsFileTest : public ::testing::Test {
protected:
    void WriteDocument(const QString& text) const {
        ASSERT_TRUE(WriteTextFile(station.Path(CharacteristicsFileName), text));
    }
    // A document with one "character" element made of the given attributes and body.
    void WriteCharacter(const QString& attrs, const QString& opts) const {
        WriteDocument(QStringLiteral("<characterList>\r\n  <character %1>\r\n%2  </character>\r\n"
                                     "</characterList>\r\n")
                          .arg(attrs, opts));
    }
    QString ReadDocument() const {
        QString text;
        EXPECT_TRUE(ReadTextFile(station.Path(CharacteristicsFileName), text));
        return text;
    }

    TTempStation station;
    TRecordingPrompt prompt;
    TArOptions options;
};

struct TLastIdCase {
    const char* Name;
    QString Attrs;
    QString Opts;
    int LastId;
};

TEST_F(CharacteristicsFileTest, LastIdIsNeverBelowTheLargestIdRead) {
    const QString twoOpts =
        QStringLiteral("    <opt id=\"1\" val=\"a\"/>\r\n    <opt id=\"7\" val=\"b\"/>\r\n");
    const TLastIdCase cases[] = {
        {"below the ids", QStringLiteral("type=\"2\" lastId=\"3\""), twoOpts, 7},
        {"above the ids", QStringLiteral("type=\"2\" lastId=\"9\""), twoOpts, 9},
        {"missing", QStringLiteral("type=\"2\""), twoOpts, 7},
        {"not a number", QStringLiteral("type=\"2\" lastId=\"x\""), twoOpts, 7},
        {"no values, no lastId", QStringLiteral("type=\"2\""), QString(), 0},
        {"negative, no values", QStringLiteral("type=\"2\" lastId=\"-4\""), QString(), 0},
    };
    for (const TLastIdCase& c : cases) {
        SCOPED_TRACE(c.Name);
        WriteCharacter(c.Attrs, c.Opts);
        TArOptions loaded;
        loaded.LoadCharacteristics();
        EXPECT_EQ(loaded.LastCharId(ckTempo), c.LastId);
    }
    EXPECT_TRUE(prompt.Boxes.isEmpty());
}

TEST_F(CharacteristicsFileTest, SkipsValuesWithoutTextOrIdAndUnknownKinds) {
    WriteDocument(QStringLiteral(
        "<characterList>\r\n"
        "  <character type=\"1\">\r\n"
        "    <opt id=\"1\" val=\"\"/>\r\n"
        "    <opt val=\"bez id\"/>\r\n"
        "    <opt id=\"-1\" val=\"minus jeden\"/>\r\n"
        "    <opt id=\"abc\" val=\"zły id\"/>\r\n"
        "    <opt id=\"4\" val=\"Radosny\"/>\r\n"
        "    <opt id=\"0\" val=\"Zero\"/>\r\n"
        "  </character>\r\n"
        "  <character type=\"6\" lastId=\"5\">\r\n    <opt id=\"5\" val=\"x\"/>\r\n  "
        "</character>\r\n"
        "  <character lastId=\"5\">\r\n    <opt id=\"5\" val=\"y\"/>\r\n  </character>\r\n"
        "  <CHARACTER TYPE=\"0\"><OPT ID=\"2\" VAL=\"Pop\"/></CHARACTER>\r\n"
        "</characterList>\r\n"));
    options.LoadCharacteristics();
    EXPECT_EQ(*options.CharValues(ckAtmosphere),
              (TCharValueList{{QStringLiteral("Radosny"), 4}, {QStringLiteral("Zero"), 0}}));
    EXPECT_EQ(options.LastCharId(ckAtmosphere), 4);
    EXPECT_EQ(*options.CharValues(ckType), (TCharValueList{{QStringLiteral("Pop"), 2}}))
        << "names match in any letter case";
    for (int kind = ckTempo; kind < CharKindCount; ++kind)
        EXPECT_TRUE(options.CharValues(kind)->empty()) << kind;
    EXPECT_TRUE(prompt.Boxes.isEmpty()) << "unknown kinds are skipped without a box";
}

TEST_F(CharacteristicsFileTest, TwoElementsOfOneKindShareTheList) {
    WriteDocument(QStringLiteral("<characterList>\r\n"
                                 "  <character type=\"4\" lastId=\"20\">\r\n"
                                 "    <opt id=\"3\" val=\"Polski\"/>\r\n  </character>\r\n"
                                 "  <character type=\"4\">\r\n"
                                 "    <opt id=\"5\" val=\"Inny\"/>\r\n  </character>\r\n"
                                 "</characterList>\r\n"));
    options.LoadCharacteristics();
    EXPECT_EQ(options.CharValues(ckLanguage)->size(), 2u);
    EXPECT_EQ(options.LastCharId(ckLanguage), 5) << "the last element decides";
}

TEST_F(CharacteristicsFileTest, WithoutTheRootNothingIsRead) {
    WriteDocument(QStringLiteral("<inny>\r\n  <character type=\"0\" lastId=\"3\">\r\n"
                                 "    <opt id=\"1\" val=\"a\"/>\r\n  </character>\r\n</inny>\r\n"));
    options.LoadCharacteristics();
    EXPECT_TRUE(options.CharValues(ckType)->empty());
    EXPECT_EQ(options.LastCharId(ckType), 0);
    EXPECT_EQ(prompt.Errors(), QStringList{QStringLiteral("Błąd podczas ładowania pliku "
                                                          "\"charakterystyki.xml\". (brak "
                                                          "elementu \"characterList\")")});
}

TEST_F(CharacteristicsFileTest, ACutOffFileKeepsWhatWasRead) {
    WriteDocument(QStringLiteral("<characterList>\r\n  <character type=\"3\" lastId=\"2\">\r\n"
                                 "    <opt id=\"1\" val=\"Męski\"/>\r\n    <opt id=\"2\" va"));
    options.LoadCharacteristics();
    EXPECT_EQ(*options.CharValues(ckVocal), (TCharValueList{{QStringLiteral("Męski"), 1}}));
    EXPECT_EQ(options.LastCharId(ckVocal), 2);
}

TEST_F(CharacteristicsFileTest, AMissingFileIsReportedByItsNameAndLeavesTheListsEmpty) {
    options.LoadCharacteristics();
    EXPECT_EQ(prompt.Errors(), QStringList{QStringLiteral("Brak pliku \"charakterystyki.xml\".")});
    for (int kind = 0; kind < CharKindCount; ++kind) {
        EXPECT_TRUE(options.CharValues(kind)->empty());
        EXPECT_EQ(options.LastCharId(kind), 0);
    }
}

TEST_F(CharacteristicsFileTest, AnUnreadableFileIsReportedByItsName) {
    ASSERT_TRUE(QDir(station.Dir()).mkdir(CharacteristicsFileName));
    options.LoadCharacteristics();
    const QStringList errors = prompt.Errors();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(
        QStringLiteral("Błąd podczas ładowania pliku \"charakterystyki.xml\". (")))
        << errors[0].toStdString();
}

TEST_F(CharacteristicsFileTest, SavesEveryKindInTheProgramsOwnFormat) {
    options.AddCharValue(ckType, QStringLiteral("R&B"));
    options.AddCharValue(ckType, QStringLiteral("\"Złota\" <era> 'x'"));
    options.SetLastCharId(ckAtmosphere, 4);
    options.AddCharValue(ckAtmosphere, QStringLiteral("Żółty"));
    options.SetLastCharId(ckYears, 3);
    ASSERT_TRUE(options.SaveCharacteristics());
    EXPECT_EQ(ReadDocument(),
              QStringLiteral("<characterList>\r\n"
                             "  <character type=\"0\" lastId=\"2\">\r\n"
                             "    <opt id=\"1\" val=\"R&amp;B\"/>\r\n"
                             "    <opt id=\"2\" val=\"&quot;Złota&quot; &lt;era&gt; "
                             "&apos;x&apos;\"/>\r\n"
                             "  </character>\r\n"
                             "  <character type=\"1\" lastId=\"5\">\r\n"
                             "    <opt id=\"5\" val=\"Żółty\"/>\r\n"
                             "  </character>\r\n"
                             "  <character type=\"2\" lastId=\"0\">\r\n"
                             "  </character>\r\n"
                             "  <character type=\"3\" lastId=\"0\">\r\n"
                             "  </character>\r\n"
                             "  <character type=\"4\" lastId=\"0\">\r\n"
                             "  </character>\r\n"
                             "  <character type=\"5\" lastId=\"3\">\r\n"
                             "  </character>\r\n"
                             "</characterList>\r\n"));
    QFile file(station.Path(CharacteristicsFileName));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\xAF\xF3\xB3ty")) << "Polish letters in Windows-1250";

    TArOptions loaded;
    loaded.LoadCharacteristics();
    for (int kind = 0; kind < CharKindCount; ++kind) {
        EXPECT_EQ(*loaded.CharValues(kind), *options.CharValues(kind)) << kind;
        EXPECT_EQ(loaded.LastCharId(kind), options.LastCharId(kind)) << kind;
    }
    EXPECT_TRUE(prompt.Boxes.isEmpty());
}

TEST_F(CharacteristicsFileTest, ASaveFailureIsReportedWithThePath) {
    ASSERT_TRUE(QDir(station.Dir()).mkdir(CharacteristicsFileName));
    EXPECT_FALSE(options.SaveCharacteristics());
    const QStringList errors = prompt.Errors();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Błąd podczas zapisywania pliku \"%1\". (")
                                         .arg(AppFilePath(CharacteristicsFileName))))
        << errors[0].toStdString();
}

TEST_F(CharacteristicsFileTest, TheDefaultStationFileLoadsAndSavesUnchanged) {
    station.CopyDefaultStation();
    const QString original = ReadDocument();
    options.LoadCharacteristics();
    EXPECT_TRUE(prompt.Boxes.isEmpty());
    for (int kind = 0; kind < CharKindCount; ++kind)
        EXPECT_FALSE(options.CharValues(kind)->empty()) << CharKindTag(kind).toStdString();
    EXPECT_EQ(options.CharValueId(ckTempo, QStringLiteral("średnie")), 2);
    EXPECT_NE(options.CharValueId(ckYears, QStringLiteral("1980 - 1989")), -1);
    ASSERT_TRUE(options.SaveCharacteristics());
    EXPECT_EQ(ReadDocument(), original);
}

} // namespace
