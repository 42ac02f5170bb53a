#include "foundation/uAppPaths.h"
#include "foundation/uTextFile.h"
#include "settings/uCharAliases.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class CharAliasesTest : public ::testing::Test {
protected:
    void WriteAliasFile(int kind, const QString& text) const {
        ASSERT_TRUE(WriteTextFile(station.Path(CharAliasFileName(kind)), text));
    }
    QString ReadAliasFile(int kind) const {
        QString text;
        EXPECT_TRUE(ReadTextFile(station.Path(CharAliasFileName(kind)), text));
        return text;
    }
    bool AliasFileExists(int kind) const {
        return QFileInfo::exists(station.Path(CharAliasFileName(kind)));
    }

    TTempStation station;
    TRecordingPrompt prompt;
};

TEST(CharAliasFileName, NamesOneFilePerKind) {
    const QStringList expected = {"type.als",  "atmosphere.als", "tempo.als",
                                  "vocal.als", "language.als",   "years.als"};
    for (int kind = 0; kind < CharKindCount; ++kind)
        EXPECT_EQ(CharAliasFileName(kind), expected[kind]);
    EXPECT_EQ(CharAliasFileName(-1), QString());
    EXPECT_EQ(CharAliasFileName(CharKindCount), QString());
}

TEST_F(CharAliasesTest, FindsAnAliasInAnyLetterCase) {
    WriteAliasFile(ckTempo, QStringLiteral("Szybki=szybkie\r\nwolny=Wolne\r\n"));
    WriteAliasFile(ckLanguage, QStringLiteral("ŻYDOWSKI=Jidysz\r\nx=a=b\r\nbez znaku\r\n"));
    TCharAliases aliases;
    EXPECT_EQ(aliases.FindAlias(ckTempo, QStringLiteral("SZYBKI")), QStringLiteral("szybkie"));
    EXPECT_EQ(aliases.FindAlias(ckTempo, QStringLiteral("Wolny")), QStringLiteral("Wolne"));
    EXPECT_EQ(aliases.FindAlias(ckTempo, QStringLiteral("szybkie")), QString())
        << "only the part before = is the alias";
    EXPECT_EQ(aliases.FindAlias(ckAtmosphere, QStringLiteral("Szybki")), QString())
        << "each kind has its own list";
    EXPECT_EQ(aliases.FindAlias(ckLanguage, QStringLiteral("żydowski")), QStringLiteral("Jidysz"));
    EXPECT_EQ(aliases.FindAlias(ckLanguage, QStringLiteral("x")), QStringLiteral("a=b"));
    EXPECT_EQ(aliases.FindAlias(ckLanguage, QStringLiteral("bez znaku")), QString());
    EXPECT_EQ(aliases.FindAlias(CharKindCount, QStringLiteral("x")), QString());
}

TEST_F(CharAliasesTest, AStoreNeverUsedWritesNoFile) {
    { TCharAliases aliases; }
    for (int kind = 0; kind < CharKindCount; ++kind)
        EXPECT_FALSE(AliasFileExists(kind)) << kind;
}

TEST_F(CharAliasesTest, AListOnlyReadIsWrittenBackSorted) {
    WriteAliasFile(ckTempo, QStringLiteral("wolny=Wolne\r\nSzybki=szybkie\r\nbardzo=Szybkie"));
    {
        TCharAliases aliases;
        aliases.FindAlias(ckTempo, QStringLiteral("nic"));
    }
    EXPECT_EQ(ReadAliasFile(ckTempo),
              QStringLiteral("bardzo=Szybkie\r\nSzybki=szybkie\r\nwolny=Wolne\r\n"));
    EXPECT_FALSE(AliasFileExists(ckType)) << "only the lists that were read are written";
}

TEST_F(CharAliasesTest, AddedAliasesGoAtTheEndAndReachTheFile) {
    WriteAliasFile(ckYears, QStringLiteral("b=2\r\nA=1\r\n"));
    {
        TCharAliases aliases;
        aliases.AddAlias(ckYears, QStringLiteral("Lata 80."), QStringLiteral("1980 - 1989"));
        aliases.AddAlias(ckYears, QStringLiteral("a"), QStringLiteral("9"));
        EXPECT_EQ(aliases.FindAlias(ckYears, QStringLiteral("A")), QStringLiteral("1"))
            << "the first line of an alias wins";
        aliases.AddAlias(ckVocal, QStringLiteral("Męski wokal"), QStringLiteral("Męski"));
        aliases.AddAlias(-1, QStringLiteral("x"), QStringLiteral("y"));
    }
    EXPECT_EQ(ReadAliasFile(ckYears),
              QStringLiteral("A=1\r\nb=2\r\nLata 80.=1980 - 1989\r\na=9\r\n"));
    EXPECT_EQ(ReadAliasFile(ckVocal), QStringLiteral("Męski wokal=Męski\r\n"))
        << "a missing file starts an empty list and is created";
    EXPECT_TRUE(prompt.Boxes.isEmpty());
}

TEST_F(CharAliasesTest, AliasListLoadsOnceAndRefusesOtherKinds) {
    WriteAliasFile(ckType, QStringLiteral("z=Z\r\na=A\r\n"));
    TCharAliases aliases;
    QStringList* list = aliases.AliasList(ckType);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(*list, (QStringList{"a=A", "z=Z"}));
    WriteAliasFile(ckType, QString());
    EXPECT_EQ(aliases.AliasList(ckType), list);
    EXPECT_EQ(list->size(), 2) << "the file is read on first use only";
    EXPECT_EQ(aliases.AliasList(-1), nullptr);
    EXPECT_EQ(aliases.AliasList(CharKindCount), nullptr);
}

TEST_F(CharAliasesTest, AnUnreadableFileGivesAnEmptyListAndBothErrorsAreReported) {
    ASSERT_TRUE(QDir(station.Dir()).mkdir(CharAliasFileName(ckAtmosphere)));
    WriteAliasFile(ckTempo, QStringLiteral("a=b\r\n"));
    {
        TCharAliases aliases;
        EXPECT_TRUE(aliases.AliasList(ckAtmosphere)->isEmpty());
        aliases.AddAlias(ckAtmosphere, QStringLiteral("smutny"), QStringLiteral("Melancholijny"));
        aliases.AddAlias(ckTempo, QStringLiteral("c"), QStringLiteral("d"));
        EXPECT_EQ(prompt.Errors(),
                  QStringList{QStringLiteral("Błąd podczas ładowania pliku \"%1\". (w miejscu "
                                             "pliku jest katalog)")
                                  .arg(AppFilePath(CharAliasFileName(ckAtmosphere)))});
    }
    const QStringList errors = prompt.Errors();
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[1].startsWith(QStringLiteral("Błąd podczas zapisywania pliku \"%1\". (")
                                         .arg(AppFilePath(CharAliasFileName(ckAtmosphere)))))
        << errors[1].toStdString();
    EXPECT_EQ(ReadAliasFile(ckTempo), QStringLiteral("a=b\r\nc=d\r\n"))
        << "the next list is still written";
}

} // namespace
