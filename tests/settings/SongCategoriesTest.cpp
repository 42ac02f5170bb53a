#include "foundation/uAppPaths.h"
#include "foundation/uTextFile.h"
#include "settings/uArSongCategories.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

QString FilePath() {
    return AppFilePath(QStringLiteral("dnkat.xml"));
}

// A whole document around the given category and attribution lines.
QString Document(const QString& items, const QString& cats = {},
                 const QString& rootAttrs = QStringLiteral(" mixCSong=\"0\" cutHPrior=\"1\" "
                                                           "canCut=\"1\"")) {
    return QStringLiteral("<dnCat%1>\r\n  <categories>\r\n%2  </categories>\r\n"
                          "  <attribution>\r\n%3  </attribution>\r\n</dnCat>\r\n")
        .arg(rootAttrs, items, cats);
}

// A category line with the id and further attributes as given.
QString Item(const QString& idAttr, const QString& more = {}) {
    return QStringLiteral("    <Item name=\"K\" shortName=\"k\" %1 color=\"clRed\" %2/>\r\n")
        .arg(idAttr, more);
}

QString Item(int id, const QString& more = {}) {
    return Item(QStringLiteral("id=\"%1\"").arg(id), more);
}

QString Cat(const QString& attrs, std::initializer_list<int> items) {
    QString text = QStringLiteral("    <Cat %1>\r\n").arg(attrs);
    for (int id : items)
        text += QStringLiteral("      <Item id=\"%1\"/>\r\n").arg(id);
    return text + QStringLiteral("    </Cat>\r\n");
}

class SongCategories : public testing::Test {
protected:
    void WriteFile(const QString& text) { ASSERT_TRUE(WriteTextFile(FilePath(), text)); }

    // Loads the text into a fresh table.
    TArSongCategories& LoadText(const QString& text) {
        WriteFile(text);
        Categories = TArSongCategories();
        Loaded = Categories.Load();
        return Categories;
    }

    // The file a save of the loaded table writes.
    QByteArray SavedBytes() {
        Categories.MarkChanged();
        EXPECT_TRUE(Categories.Save());
        return ReadFileBytes(FilePath());
    }

    TTempStation Station;
    TRecordingPrompt Prompt;
    TArSongCategories Categories;
    bool Loaded = false;
};

// --- Reading the categories

TEST_F(SongCategories, ItemsWithoutAUsableIdAreSkippedButCountInTheMatrixSize) {
    const char* cases[] = {"id=\"-1\"", "id=\"255\"",  "id=\"300\"",
                           "",          "id=\"\"",     "id=\"x\"",
                           "id=\"-5\"", "id=\"-256\"", "id=\"-2147483648\""};
    for (const char* idAttr : cases) {
        SCOPED_TRACE(idAttr);
        LoadText(Document(Item(QLatin1String(idAttr)) + Item(4)));
        EXPECT_TRUE(Loaded);
        ASSERT_EQ(Categories.Count(), 1);
        EXPECT_EQ(Categories.IdAt(0), 4);
        EXPECT_EQ(Categories.MixSize(), 2);
    }
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(SongCategories, NegativeIdsNeverReachTheHiddenOrDbSets) {
    LoadText(Document(Item(-255, QStringLiteral("visible=\"0\" db=\"1\"")) + Item(1)));
    ASSERT_EQ(Categories.Count(), 1);
    EXPECT_FALSE(Categories.IsHidden(1));
    EXPECT_FALSE(Categories.IsDb(1)) << "-255 would be id 1 in the low eight bits";
}

TEST_F(SongCategories, VisibleAndDbAttributesAndHowTheyAreWrittenBack) {
    const struct {
        const char* Attrs;
        bool Hidden;
        bool Db;
        const char* Tail; // the written line from "mix" on
    } cases[] = {
        {"", false, false, "mix=\"\"/>"},
        {"visible=\"1\" db=\"1\"", false, true, "mix=\"\" db=\"1\"/>"},
        {"visible=\"2\"", true, false, "mix=\"\" visible=\"0\"/>"},
        {"visible=\"0\" db=\"2\"", true, false, "mix=\"\" visible=\"0\"/>"},
        {"visible=\"x\" db=\"true\"", false, false, "mix=\"\"/>"},
        {"visible=\"0\" db=\"1\"", true, true, "mix=\"\" visible=\"0\" db=\"1\"/>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Attrs);
        LoadText(Document(Item(7, QLatin1String(c.Attrs))));
        ASSERT_EQ(Categories.Count(), 1);
        EXPECT_EQ(Categories.At(0).Visible, !c.Hidden);
        EXPECT_EQ(Categories.IsHidden(7), c.Hidden);
        EXPECT_EQ(Categories.IsDb(7), c.Db);
        EXPECT_TRUE(SavedBytes().contains(QByteArray(c.Tail) + "\r\n"));
    }
}

TEST_F(SongCategories, TextsAreUnescapedAndColoursRead) {
    LoadText(Document(QStringLiteral(
        "    <Item name=\"Rock &amp; &quot;Roll&quot;\" shortName=\"R&amp;R\" id=\"3\" "
        "color=\"CLBLUE\" mix=\"5(3)\"/>\r\n"
        "    <Item name=\"Z\" id=\"4\" color=\"$00C0E0FF\"/>\r\n"
        "    <Item name=\"Bez koloru\" id=\"5\" color=\"\"/>\r\n")));
    ASSERT_EQ(Categories.Count(), 3);
    EXPECT_EQ(Categories.NameAt(0), QStringLiteral("Rock & \"Roll\""));
    EXPECT_EQ(Categories.ShortNameAt(0), QStringLiteral("R&R"));
    EXPECT_EQ(Categories.ColorAt(0), clBlue);
    EXPECT_EQ(Categories.At(0).Mix, QStringLiteral("5(3)"));
    EXPECT_EQ(Categories.ColorAt(1), 0x00C0E0FFu);
    EXPECT_EQ(Categories.ColorAt(2), clNone) << "an empty colour is no colour";
    EXPECT_EQ(Categories.ShortNameAt(1), QString());
}

TEST_F(SongCategories, DrawParametersComeFromTheRootWithTheirDefaults) {
    const struct {
        const char* RootAttrs;
        bool MixCSong, CutHPrior, CanCut;
    } cases[] = {
        {"", false, true, true},
        {" mixCSong=\"true\" cutHPrior=\"FALSE\" canCut=\"0\"", true, false, false},
        {" mixCSong=\"x\" cutHPrior=\"2\" canCut=\"\"", false, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.RootAttrs);
        LoadText(Document(Item(1), {}, QLatin1String(c.RootAttrs)));
        EXPECT_EQ(Categories.MixCSong(), c.MixCSong);
        EXPECT_EQ(Categories.CutHPrior(), c.CutHPrior);
        EXPECT_EQ(Categories.CanCut(), c.CanCut);
        EXPECT_FALSE(Categories.Changed()) << "loading is no change";
    }
}

TEST_F(SongCategories, ADocumentWithoutItsRootLeavesTheTableAlone) {
    LoadText(QStringLiteral("<other canCut=\"0\"><categories>") + Item(1) +
             QStringLiteral("</categories></other>"));
    EXPECT_FALSE(Loaded) << "a document of another kind";
    EXPECT_EQ(Categories.Count(), 0);
    EXPECT_TRUE(Categories.CanCut());
    EXPECT_EQ(Prompt.Errors(), QStringList{QStringLiteral("Błąd podczas ładowania pliku \"%1\". "
                                                          "(brak elementu \"dnCat\")")
                                               .arg(FilePath())});
}

TEST_F(SongCategories, CategoriesWithoutItemsGiveAnEmptyTableButTheAttributionIsRead) {
    LoadText(QStringLiteral("<dnCat>\r\n  <categories>\r\n  </categories>\r\n  <attribution>\r\n") +
             Cat(QStringLiteral("id=\"0\""), {1, 2}) +
             QStringLiteral("  </attribution>\r\n</dnCat>\r\n"));
    EXPECT_TRUE(Loaded);
    EXPECT_EQ(Categories.Count(), 0);
    EXPECT_EQ(Categories.MixSize(), 0);
    EXPECT_FALSE(Categories.CanMix(0, 0));
    ASSERT_EQ(Categories.AttributionCount(), 1);
    EXPECT_EQ(Categories.AttributionAt(0).Items.Count(), 2);
}

TEST_F(SongCategories, OnlyTheFirst255ItemsAreRead) {
    QString items = Item(0, QStringLiteral("mix=\"254(2)\""));
    for (int i = 1; i < 300; ++i)
        items += Item(i % 255);
    LoadText(Document(items));
    EXPECT_TRUE(Loaded);
    ASSERT_EQ(Categories.Count(), TArSongCategories::MaxCategories);
    EXPECT_EQ(Categories.MixSize(), TArSongCategories::MaxCategories);
    EXPECT_EQ(Categories.IndexById(254), 254);
    EXPECT_TRUE(Categories.CanMix(0, 254));
    EXPECT_EQ(Categories.MixValue(0, 254), 2);
    EXPECT_FALSE(Categories.CanMix(0, 255)) << "outside the matrix";

    TArSongCat extra;
    extra.Id = 1;
    EXPECT_FALSE(Categories.AddCategory(extra)) << "a full table takes no more";
    EXPECT_EQ(Categories.Count(), TArSongCategories::MaxCategories);
}

// --- Lookups

TEST_F(SongCategories, LookupsByIdTakeTheFirstMatchAndHaveDefaults) {
    LoadText(Document(
        QStringLiteral("    <Item name=\"A\" shortName=\"a\" id=\"3\" color=\"clRed\"/>\r\n"
                       "    <Item name=\"B\" shortName=\"b\" id=\"3\" color=\"clLime\"/>\r\n"
                       "    <Item name=\"C\" shortName=\"c\" id=\"0\"/>\r\n")));
    EXPECT_EQ(Categories.IndexById(3), 0);
    EXPECT_EQ(Categories.NameById(3), QStringLiteral("A"));
    EXPECT_EQ(Categories.ShortNameById(3), QStringLiteral("a"));
    EXPECT_EQ(Categories.ColorById(3), clRed);
    EXPECT_EQ(Categories.IndexById(0), 2);
    EXPECT_EQ(Categories.ColorById(0), clNone);

    for (int missing : {-1, 1, 255, 1000}) {
        SCOPED_TRACE(missing);
        EXPECT_EQ(Categories.IndexById(missing), TArSongCategories::NoIndex);
        EXPECT_EQ(Categories.NameById(missing), QString());
        EXPECT_EQ(Categories.ShortNameById(missing), QString());
        EXPECT_EQ(Categories.ColorById(missing), clWhite);
    }
}

TEST_F(SongCategories, IdByNameIgnoresLetterCaseAndFallsBackToOne) {
    LoadText(Document(QStringLiteral("    <Item name=\"Muzyka\" id=\"3\"/>\r\n"
                                     "    <Item name=\"Rock\" id=\"7\"/>\r\n"
                                     "    <Item name=\"ROCK\" id=\"8\"/>\r\n")));
    const struct {
        const char* Name;
        int Id;
    } cases[] = {{"MUZYKA", 3}, {"muzyka", 3}, {"rock", 7}, {"", 1}, {"Jazz", 1}, {"Muzyka ", 1}};
    for (const auto& c : cases)
        EXPECT_EQ(Categories.IdByName(QLatin1String(c.Name)), c.Id) << '"' << c.Name << '"';
}

TEST_F(SongCategories, ListDbCategoriesAppendsTheDbOnesInListOrder) {
    LoadText(Document(
        QStringLiteral("    <Item name=\"Muzyka\" id=\"5\" db=\"1\"/>\r\n"
                       "    <Item name=\"Reklama\" id=\"11\"/>\r\n"
                       "    <Item name=\"Jingle\" id=\"2\" db=\"1\" visible=\"0\"/>\r\n")));
    QList<TCategoryEntry> list{{QStringLiteral("było"), 99}};
    Categories.ListDbCategories(list);
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0].Id, 99) << "the list is appended to";
    EXPECT_EQ(list[1].Name, QStringLiteral("Muzyka"));
    EXPECT_EQ(list[1].Id, 5);
    EXPECT_EQ(list[2].Name, QStringLiteral("Jingle"));
    EXPECT_EQ(list[2].Id, 2);
}

// --- Mix matrix

TEST_F(SongCategories, MixTextFillsTheRowOfItsCategory) {
    LoadText(Document(Item(1, QStringLiteral("mix=\"5(3),7,9\"")) + Item(2) + Item(5) + Item(6) +
                      Item(7)));
    ASSERT_EQ(Categories.MixSize(), 5);
    for (int column = 0; column < 5; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(Categories.CanMix(0, column), column == 2 || column == 4);
        EXPECT_EQ(Categories.MixValue(0, column), column == 2 ? 3 : 255);
    }
    EXPECT_FALSE(Categories.CanMix(1, 0));
}

TEST_F(SongCategories, MixPiecesAreReadAsBytes) {
    const struct {
        const char* Text;
        bool CanMix;
        int Value;
    } cases[] = {
        {"5(3)", true, 3},      {"5", true, 255},     {"261(4)", true, 4}, {"5(300)", true, 44},
        {"5(x)", true, 255},    {"5(", true, 255},    {"5()", true, 255},  {"5(3),5(4)", true, 4},
        {"x(3)", false, 255},   {"", false, 255},     {" 5", false, 255},  {"-251", true, 255},
        {"255(1)", false, 255}, {"6(1)", false, 255},
    };
    TArSongCategories table;
    for (int id : {1, 5}) {
        TArSongCat category;
        category.Id = id;
        ASSERT_TRUE(table.AddCategory(category));
    }
    table.SetMixSize(2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        table.ParseMix(0, QLatin1String(c.Text));
        EXPECT_EQ(table.CanMix(0, 1), c.CanMix);
        EXPECT_EQ(table.MixValue(0, 1), c.Value);
        EXPECT_FALSE(table.CanMix(0, 0));
    }
    table.ParseMix(2, QStringLiteral("5"));
    table.ParseMix(-1, QStringLiteral("5"));
    EXPECT_FALSE(table.CanMix(2, 1)) << "rows outside the matrix are ignored";
}

// --- Attribution

TEST_F(SongCategories, AttributionRecordsFollowTheirRules) {
    LoadText(Document(Item(1),
                      Cat(QStringLiteral("id=\"9\" descr=\"pusty\""), {}) +
                          Cat(QStringLiteral("id=\"2\" descr=\"Lista\""), {4, 0, 6, -3}) +
                          Cat(QStringLiteral("id=\"10\" descr=\"same zera\" defItem=\"\""), {0}) +
                          Cat(QStringLiteral("id=\"3\" descr=\"Pusta\" defItem=\"11\""), {12, 11}) +
                          Cat(QStringLiteral("id=\"2\" descr=\"druga\""), {8})));
    ASSERT_EQ(Categories.AttributionCount(), 3);
    EXPECT_EQ(Categories.AttributionAt(0).Id, 10) << "sorted by the id's text";
    EXPECT_EQ(Categories.AttributionAt(1).Id, 2);
    EXPECT_EQ(Categories.AttributionAt(2).Id, 3);
    EXPECT_EQ(Categories.AttributionById(9), nullptr) << "a Cat without items is dropped";

    const TCategoryAttribution* list = Categories.AttributionById(2);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Descr, QStringLiteral("Lista")) << "the first of two equal ids counts";
    EXPECT_EQ(std::vector<int>(list->Items.begin(), list->Items.end()), (std::vector<int>{4, 6}));
    EXPECT_EQ(list->DefItem, 4);

    const TCategoryAttribution* zeros = Categories.AttributionById(10);
    ASSERT_NE(zeros, nullptr);
    EXPECT_EQ(zeros->Items.Count(), 0);
    EXPECT_EQ(zeros->DefItem, -1);

    EXPECT_EQ(Categories.AttributionById(3)->DefItem, 11);
}

// --- Writing

// Windows-1250 bytes of "Łódź", "Żółć" and "ŻÓŁ".
#define LODZ                                                                                       \
    "\xA3\xF3"                                                                                     \
    "d\x9F"
#define ZOLC "\xAF\xF3\xB3\xE6"
#define ZOL "\xAF\xD3\xA3"

TArSongCat MakeCategory(const QString& name, const QString& shortName, int id, bool visible,
                        bool db, TColor color, const QString& mix) {
    TArSongCat category;
    category.Name = name;
    category.ShortName = shortName;
    category.Id = id;
    category.Visible = visible;
    category.Db = db;
    category.Color = color;
    category.Mix = mix;
    return category;
}

std::unique_ptr<TCategoryAttribution> MakeAttribution(int id, const QString& descr, int defItem,
                                                      std::initializer_list<int> items) {
    auto record = std::make_unique<TCategoryAttribution>();
    record->Id = id;
    record->Descr = descr;
    record->DefItem = defItem;
    for (int item : items)
        record->AddItem(item);
    return record;
}

const QByteArray kWrittenTable =
    "<dnCat mixCSong=\"1\" cutHPrior=\"1\" canCut=\"0\">\r\n"
    "  <categories>\r\n"
    "    <Item  name=\"Muzyka\" shortName=\"MUZ\" id=\"1\" color=\"clWhite\" mix=\"1(3),2\" "
    "db=\"1\"/>\r\n"
    "    <Item   name=\"Rock &amp; &quot;Roll&quot; &apos;n&apos; &lt;" LODZ "&gt;\" "
    "shortName=\"R&amp;R\" id=\"2\" color=\"$00C0E0FF\" mix=\"1\" visible=\"0\" db=\"1\"/>\r\n"
    "    <Item  name=\"Reklama\" shortName=\"REK\" id=\"11\" color=\"clNone\" mix=\"\" "
    "visible=\"0\"/>\r\n"
    "    <Item name=\"" ZOLC "\" shortName=\"" ZOL "\" id=\"12\" color=\"clBtnFace\" mix=\"\"/>\r\n"
    "  </categories>\r\n"
    "  <attribution>\r\n"
    "    <Cat id=\"0\" descr=\"Kategoria podstawowa\" defItem=\"1\">\r\n"
    "      <Item id=\"1\"/>\r\n"
    "      <Item id=\"2\"/>\r\n"
    "    </Cat>\r\n"
    "    <Cat id=\"3\" descr=\"Pusta\" defItem=\"11\">\r\n"
    "      <Item id=\"11\"/>\r\n"
    "    </Cat>\r\n"
    "  </attribution>\r\n"
    "</dnCat>\r\n";

class SongCategoriesWriting : public SongCategories {
protected:
    void SetUp() override {
        Categories.SetMixCSong(true);
        Categories.SetCanCut(false);
        Categories.AddCategory(MakeCategory(QStringLiteral("Muzyka"), QStringLiteral("MUZ"), 1,
                                            true, true, clWhite, QStringLiteral("1(3),2")));
        Categories.AddCategory(MakeCategory(QStringLiteral("Rock & \"Roll\" 'n' <Łódź>"),
                                            QStringLiteral("R&R"), 2, false, true, 0x00C0E0FF,
                                            QStringLiteral("1")));
        Categories.AddCategory(MakeCategory(QStringLiteral("Reklama"), QStringLiteral("REK"), 11,
                                            false, false, clNone, QString()));
        Categories.AddCategory(MakeCategory(QStringLiteral("Żółć"), QStringLiteral("ŻÓŁ"), 12, true,
                                            false, clBtnFace, QString()));
        Categories.AddAttribution(MakeAttribution(3, QStringLiteral("Pusta"), 11, {11}));
        Categories.AddAttribution(
            MakeAttribution(0, QStringLiteral("Kategoria podstawowa"), 1, {1, 2}));
    }
};

TEST_F(SongCategoriesWriting, TheFileIsWrittenByteForByte) {
    ASSERT_TRUE(Categories.Changed());
    ASSERT_TRUE(Categories.Save());
    EXPECT_FALSE(Categories.Changed());
    EXPECT_EQ(ReadFileBytes(FilePath()), kWrittenTable);
}

TEST_F(SongCategoriesWriting, LoadSaveReloadKeepsEverything) {
    ASSERT_TRUE(Categories.Save());
    TArSongCategories reloaded;
    ASSERT_TRUE(reloaded.Load());
    ASSERT_EQ(reloaded.Count(), Categories.Count());
    for (int i = 0; i < reloaded.Count(); ++i) {
        SCOPED_TRACE(i);
        const TArSongCat& a = Categories.At(i);
        const TArSongCat& b = reloaded.At(i);
        EXPECT_EQ(b.Name, a.Name);
        EXPECT_EQ(b.ShortName, a.ShortName);
        EXPECT_EQ(b.Id, a.Id);
        EXPECT_EQ(b.Visible, a.Visible);
        EXPECT_EQ(b.Db, a.Db);
        EXPECT_EQ(b.Color, a.Color);
        EXPECT_EQ(b.Mix, a.Mix);
    }
    EXPECT_TRUE(reloaded.MixCSong());
    EXPECT_FALSE(reloaded.CanCut());
    EXPECT_TRUE(reloaded.CanMix(0, 0));
    EXPECT_EQ(reloaded.MixValue(0, 0), 3);
    EXPECT_EQ(reloaded.MixValue(0, 1), 255);
    EXPECT_TRUE(reloaded.CanMix(1, 0));
    ASSERT_EQ(reloaded.AttributionCount(), 2);
    EXPECT_EQ(reloaded.AttributionAt(1).Descr, QStringLiteral("Pusta"));

    reloaded.MarkChanged();
    ASSERT_TRUE(reloaded.Save());
    EXPECT_EQ(ReadFileBytes(FilePath()), kWrittenTable);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

// --- Failures

TEST_F(SongCategories, AMissingFileIsReportedWithItsFullPath) {
    EXPECT_FALSE(Categories.Load());
    EXPECT_EQ(Prompt.Errors(), QStringList{QStringLiteral("Brak pliku \"%1\".").arg(FilePath())});
    EXPECT_EQ(Categories.Count(), 0);
    EXPECT_TRUE(Categories.CanCut());
    EXPECT_TRUE(Categories.CutHPrior());
    EXPECT_FALSE(Categories.MixCSong());
    EXPECT_EQ(Categories.IdByName(QStringLiteral("Muzyka")), 1);
}

TEST_F(SongCategories, AnUnreadableFileIsALoadError) {
    ASSERT_TRUE(QDir().mkdir(FilePath()));
    EXPECT_FALSE(Categories.Load());
    ASSERT_EQ(Prompt.Errors().size(), 1);
    EXPECT_TRUE(Prompt.Errors()[0].startsWith(
        QStringLiteral("Błąd podczas ładowania pliku \"%1\". (").arg(FilePath())))
        << Prompt.Errors()[0].toStdString();
    EXPECT_EQ(Categories.Count(), 0);
}

TEST_F(SongCategories, ABadColourStopsTheLoadAtItsItem) {
    LoadText(Document(Item(1, QStringLiteral("mix=\"1,3\"")) +
                          QStringLiteral("    <Item name=\"Z\" id=\"2\" color=\"zielony\"/>\r\n") +
                          Item(3),
                      Cat(QStringLiteral("id=\"0\""), {1, 3})));
    EXPECT_FALSE(Loaded);
    EXPECT_EQ(Prompt.Errors(),
              QStringList{QStringLiteral("Błąd podczas ładowania pliku \"%1\". (\"zielony\" nie "
                                         "jest poprawnym kolorem)")
                              .arg(FilePath())});
    ASSERT_EQ(Categories.Count(), 1) << "the categories before the bad one stay";
    EXPECT_EQ(Categories.IdAt(0), 1);
    EXPECT_EQ(Categories.AttributionCount(), 0);
    EXPECT_FALSE(Categories.CanMix(0, 0)) << "the mix matrix is not filled";
}

TEST_F(SongCategories, AFileCutInTheMiddleKeepsWhatWasRead) {
    const QString whole = DecodeCp1250(kWrittenTable);
    const struct {
        const char* CutBefore;
        int Count;
        int Attribution;
    } cases[] = {
        {"shortName=\"REK\"", 2, 0},
        {"<Item id=\"2\"", 4, 1},
        {"</dnCat>", 4, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.CutBefore);
        LoadText(whole.left(whole.indexOf(QLatin1String(c.CutBefore))));
        EXPECT_FALSE(Loaded) << "a cut file is not read whole";
        EXPECT_EQ(Categories.Count(), c.Count);
        EXPECT_EQ(Categories.AttributionCount(), c.Attribution);
        EXPECT_TRUE(Categories.MixCSong()) << "the root was read";
    }
    EXPECT_EQ(Categories.AttributionById(0)->Items.Count(), 2);
    EXPECT_EQ(Prompt.Errors().size(), 3) << "each cut file is reported";
    EXPECT_FALSE(Categories.Changed()) << "nor written again at exit";
}

// --- Changed flag and saving

TEST_F(SongCategories, OnlyADifferentCutSettingMarksAChange) {
    using TSetter = std::function<void(TArSongCategories&)>;
    const struct {
        const char* Name;
        TSetter Set;
        bool Changed;
    } cases[] = {
        {"CanCut same", [](TArSongCategories& t) { t.SetCanCut(true); }, false},
        {"CanCut other", [](TArSongCategories& t) { t.SetCanCut(false); }, true},
        {"CutHPrior same", [](TArSongCategories& t) { t.SetCutHPrior(true); }, false},
        {"CutHPrior other", [](TArSongCategories& t) { t.SetCutHPrior(false); }, true},
        {"MixCSong other", [](TArSongCategories& t) { t.SetMixCSong(true); }, false},
        {"MixCSong same", [](TArSongCategories& t) { t.SetMixCSong(false); }, false},
    };
    for (const auto& c : cases) {
        TArSongCategories table;
        c.Set(table);
        EXPECT_EQ(table.Changed(), c.Changed) << c.Name;
    }
}

TEST_F(SongCategories, SavingWithoutAChangeWritesNothing) {
    Categories.SetMixCSong(true);
    EXPECT_TRUE(Categories.Save());
    EXPECT_FALSE(QFile::exists(FilePath()));

    WriteFile(QStringLiteral("stare"));
    Categories.SetCanCut(true);
    EXPECT_TRUE(Categories.Save());
    EXPECT_EQ(ReadFileBytes(FilePath()), QByteArray("stare"));
}

TEST_F(SongCategories, AFailedSaveIsReportedAndNotRetried) {
    ASSERT_TRUE(QDir().mkdir(FilePath()));
    Categories.SetCutHPrior(false);
    EXPECT_FALSE(Categories.Save());
    EXPECT_FALSE(Categories.Changed()) << "the flag is cleared even though the write failed";
    ASSERT_EQ(Prompt.Errors().size(), 1);
    EXPECT_TRUE(Prompt.Errors()[0].startsWith(
        QStringLiteral("Błąd podczas zapisywania pliku \"%1\". (").arg(FilePath())))
        << Prompt.Errors()[0].toStdString();

    EXPECT_TRUE(Categories.Save());
    EXPECT_EQ(Prompt.Errors().size(), 1) << "nothing is written, nor reported, a second time";
}

// --- The default station

TEST_F(SongCategories, TheDefaultStationFileLoadsAndSavesBackUnchanged) {
    Station.CopyDefaultStation();
    const QByteArray original = ReadFileBytes(FilePath());
    ASSERT_FALSE(original.isEmpty());
    ASSERT_TRUE(Categories.Load());

    EXPECT_EQ(Categories.NameById(1), QStringLiteral("Muzyka"));
    EXPECT_TRUE(Categories.IsDb(1));
    EXPECT_TRUE(Categories.CanCut());
    EXPECT_TRUE(Categories.CutHPrior());
    EXPECT_FALSE(Categories.MixCSong());
    for (int kind : {0, 2, 3}) {
        SCOPED_TRACE(kind);
        const TCategoryAttribution* record = Categories.AttributionById(kind);
        ASSERT_NE(record, nullptr);
        EXPECT_GT(record->Items.Count(), 0);
        EXPECT_NE(Categories.IndexById(record->DefItem), TArSongCategories::NoIndex);
        for (int id : record->Items)
            EXPECT_NE(Categories.IndexById(id), TArSongCategories::NoIndex) << id;
    }
    EXPECT_EQ(Categories.AttributionById(0)->DefItem, 1);
    const int music = Categories.IndexById(1);
    EXPECT_TRUE(Categories.CanMix(music, music)) << "music overlaps music";

    EXPECT_EQ(SavedBytes(), original);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

} // namespace
