#include "clocks/ClockTestUtils.h"
#include "clocks/uClockObjList.h"
#include "foundation/uAppPaths.h"
#include "foundation/uTextFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

std::unique_ptr<TBaseClockObject> NewCategory(const QString& name) {
    auto category = std::make_unique<TCategory>();
    category->SetName(name);
    return category;
}

class ClockObjListTest : public ::testing::Test {
protected:
    void TearDown() override { CategoryList.reset(); }

    QString FilePath() const { return Station.Path(CategoryListFileName); }
    void WriteFile(const QString& text) const { ASSERT_TRUE(WriteTextFile(FilePath(), text)); }
    // A file of the given root attributes and "obj" elements.
    void WriteList(const QString& rootAttrs, const QStringList& objects) const {
        QString text = QStringLiteral("<CatList %1>").arg(rootAttrs);
        for (const QString& object : objects)
            text += object;
        WriteFile(text + QStringLiteral("</CatList>"));
    }
    static QString Category(int id, const QString& name = {}) {
        return QStringLiteral("<obj objType=\"0\" id=\"%1\" objName=\"%2\"/>")
            .arg(QString::number(id), name.isEmpty() ? QStringLiteral("k%1").arg(id) : name);
    }
    std::vector<int> Ids(const TClockObjList& list) const {
        std::vector<int> ids;
        for (int i = 0; i < list.Count(); ++i)
            ids.push_back(list.ObjectAt(i)->Id);
        return ids;
    }

    TTempStation Station;
    TRecordingPrompt Prompt;
    TClockObjList List;
    TRecordingListener Listener;
};

// --- Loading

TEST_F(ClockObjListTest, WithoutAFileTheListStaysEmptyWithoutThePredefinedBlank) {
    List.LoadCategories();
    EXPECT_EQ(List.Count(), 0);
    EXPECT_EQ(List.LastId(), -1);
    EXPECT_EQ(List.FindById(AdvertBlankId), nullptr);
    EXPECT_FALSE(List.Modified());
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

struct TLastIdCase {
    const char* What;
    const char* RootAttrs;
    std::vector<int> ObjectIds;
    int LastId;
};

TEST_F(ClockObjListTest, TheCounterComesFromTheFileAndItsOrdinaryIds) {
    const TLastIdCase cases[] = {
        {"as written", "lastId=\"5\"", {3}, 5},
        {"raised by a higher ordinary id", "lastId=\"5\"", {500, 2}, 500},
        {"not raised by a predefined id", "lastId=\"5\"", {9905}, 5},
        {"absent", "", {}, -1},
        {"malformed, raised by the objects", "lastId=\"x\"", {12}, 12},
        {"above 9900 starts over", "lastId=\"9950\"", {}, -1},
        {"9900 itself stays", "lastId=\"9900\"", {}, 9900},
        {"below none starts over", "lastId=\"-7\"", {}, -1},
        {"ids of broadcasts are dropped", "lastId=\"3\"", {10000, 10001}, 3},
    };
    for (const TLastIdCase& c : cases) {
        QStringList objects;
        for (int id : c.ObjectIds)
            objects.append(Category(id));
        WriteList(QString::fromUtf8(c.RootAttrs), objects);
        TClockObjList list;
        list.LoadCategories();
        EXPECT_EQ(list.LastId(), c.LastId) << c.What;
        EXPECT_EQ(list.FindById(10000), nullptr) << c.What;
    }
}

TEST_F(ClockObjListTest, ObjectsAreKeptInTheOrderOfTheirIdTexts) {
    WriteList(QStringLiteral("lastId=\"100\""),
              {Category(9), Category(100), Category(2), Category(10)});
    List.LoadCategories();
    EXPECT_EQ(Ids(List), (std::vector<int>{10, 100, 2, 9, 9901}));
    EXPECT_EQ(List.IndexOfId(2), 2);
    EXPECT_EQ(List.IndexOfId(3), -1);
    EXPECT_EQ(List.ObjectAt(5), nullptr);
    for (int i = 0; i < List.Count(); ++i)
        EXPECT_EQ(List.ObjectAt(i)->Owner, &List);
}

TEST_F(ClockObjListTest, OtherKindsRepeatedAndInvalidIdsAreDropped) {
    WriteList(QStringLiteral("lastId=\"4\""),
              {Category(4, QStringLiteral("first")), Category(4, QStringLiteral("second")),
               QStringLiteral("<obj objType=\"4\" id=\"1\"/>"),
               QStringLiteral("<obj objType=\"1\" id=\"2\"/>"), QStringLiteral("<obj id=\"3\"/>"),
               QStringLiteral("<obj objType=\"3\" id=\"-1\"/>"), Category(10005)});
    List.LoadCategories();
    EXPECT_EQ(Ids(List), (std::vector<int>{4, 9901}));
    EXPECT_EQ(List.NameOfId(4), QStringLiteral("first"));
}

TEST_F(ClockObjListTest, AFileWithoutTheAdvertBlankGainsIt) {
    WriteList(QStringLiteral("lastId=\"0\""), {Category(0)});
    List.LoadCategories();
    const auto* blank = dynamic_cast<const TBlankCategory*>(List.FindById(AdvertBlankId));
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(blank->ObjName(), QStringLiteral("Reklama o"));
    EXPECT_TRUE(blank->Pred);
    EXPECT_EQ(blank->Info, QStringLiteral("\"Reklama o\""));
    EXPECT_FALSE(blank->ExTime());
    EXPECT_EQ(blank->SCat(), 3);
    EXPECT_EQ(blank->GetPlayTime(), 210);
    EXPECT_TRUE(blank->Rest());
    EXPECT_EQ(blank->SepEnb(), smDefault);
    EXPECT_TRUE(List.Modified()) << "so the next save writes it";
    EXPECT_EQ(List.LastId(), 0);
}

TEST_F(ClockObjListTest, TheAdvertBlankGetsItsNameBack) {
    WriteList(QStringLiteral("lastId=\"-1\""),
              {QStringLiteral("<obj objType=\"3\" id=\"9901\" objName=\"Reklamy\" pred=\"1\"/>")});
    List.LoadCategories();
    EXPECT_EQ(List.NameOfId(AdvertBlankId), QStringLiteral("Reklama o"));
    EXPECT_EQ(List.Count(), 1);
    EXPECT_FALSE(List.Modified());
}

TEST_F(ClockObjListTest, AFileWithoutTheRootStillGainsTheAdvertBlank) {
    WriteFile(QStringLiteral("<other lastId=\"4\"><obj objType=\"0\" id=\"1\"/></other>"));
    List.LoadCategories();
    EXPECT_EQ(Ids(List), (std::vector<int>{9901}));
    EXPECT_EQ(List.LastId(), -1);
}

TEST_F(ClockObjListTest, AFileCutInTheMiddleKeepsTheObjectsBeforeTheCut) {
    WriteFile(QStringLiteral("<CatList lastId=\"2\">") + Category(1) + Category(2) +
              QStringLiteral("<obj objType=\"0\" id=\"3\" objNa"));
    List.LoadCategories();
    EXPECT_EQ(Ids(List), (std::vector<int>{1, 2, 9901}));
    ASSERT_EQ(Prompt.Errors().size(), 1);
    EXPECT_TRUE(Prompt.Errors()[0].endsWith(QStringLiteral("(plik jest niekompletny)")))
        << Prompt.Errors()[0].toStdString();
    EXPECT_FALSE(List.Modified()) << "nor written again, for the objects past the cut";
}

TEST_F(ClockObjListTest, AnUnreadableFileIsReportedAndStillGetsTheAdvertBlank) {
    ASSERT_TRUE(QDir(Station.Dir()).mkdir(CategoryListFileName));
    List.LoadCategories();
    ASSERT_EQ(Prompt.Errors().size(), 1);
    const QString prefix =
        QStringLiteral("Błąd podczas ładowania kategorii: Błąd podczas ładowania pliku \"%1\". (")
            .arg(AppFilePath(CategoryListFileName));
    EXPECT_TRUE(Prompt.Errors()[0].startsWith(prefix)) << Prompt.Errors()[0].toStdString();
    EXPECT_NE(List.FindById(AdvertBlankId), nullptr);
}

// --- Saving

TEST_F(ClockObjListTest, SavesTheTreeDocumentAndReadsItBackByteForByte) {
    const QString document = CrLfLines({
        "",
        "  <CatList lastId=\"12\">",
        "    <obj objType=\"0\" objName=\"Złote &amp; stare\" exTime=\"0\" id=\"12\" sCat=\"4\" "
        "rest=\"1\" hprior=\"0\" uexTime=\"0\" sepEnb=\"2\" playTime=\"210\">",
        "      <prop any=\"1\">",
        "        <propType/>",
        "        <tempo/>",
        "        <atmosphere/>",
        "        <years>",
        "          <val id=\"2\"/>",
        "          <val id=\"3\"/>",
        "        </years>",
        "        <vocal/>",
        "        <language/>",
        "      </prop>",
        "    </obj>",
        "    <obj objType=\"2\" objName=\"Lista\" exTime=\"0\" id=\"3\" sCat=\"1\" rest=\"1\" "
        "hprior=\"1\" uexTime=\"0\" sepEnb=\"1\" playTime=\"420\" repList=\"1\" rndList=\"0\">",
        "      <Item songId=\"17\"/>",
        "    </obj>",
        "    <obj objType=\"3\" objName=\"Reklama o\" exTime=\"0\" id=\"9901\" sCat=\"3\" "
        "rest=\"1\" hprior=\"0\" uexTime=\"0\" sepEnb=\"2\" pred=\"1\" playTime=\"210\" "
        "info=\"&quot;Reklama o&quot;\"/>",
        "  </CatList>",
    });
    WriteFile(document);
    const QByteArray bytes = ReadFileBytes(FilePath());
    List.LoadCategories();
    EXPECT_EQ(Ids(List), (std::vector<int>{12, 3, 9901}));
    QFile::remove(FilePath());
    EXPECT_TRUE(List.SaveCategories(true));
    EXPECT_EQ(ReadFileBytes(FilePath()), bytes);
}

TEST_F(ClockObjListTest, AnEmptyListWritesItsRootAlone) {
    EXPECT_TRUE(List.SaveCategories(true));
    EXPECT_EQ(ReadFileBytes(FilePath()), QByteArray("\r\n  <CatList lastId=\"-1\"/>\r\n"));
}

TEST_F(ClockObjListTest, SavesOnlyWhenModifiedOrForced) {
    EXPECT_TRUE(List.SaveCategories(false));
    EXPECT_FALSE(QFileInfo::exists(FilePath()));
    List.AddObject(NewCategory(QStringLiteral("a")));
    EXPECT_TRUE(List.Modified());
    EXPECT_TRUE(List.SaveCategories(false));
    EXPECT_TRUE(QFileInfo::exists(FilePath()));
    EXPECT_FALSE(List.Modified());
}

TEST_F(ClockObjListTest, AFailedSaveIsReportedAndNotTriedAgain) {
    ASSERT_TRUE(QDir(Station.Dir()).mkdir(CategoryListFileName));
    List.AddObject(NewCategory(QStringLiteral("a")));
    EXPECT_FALSE(List.SaveCategories(false));
    ASSERT_EQ(Prompt.Errors().size(), 1);
    const QString prefix = QStringLiteral("Błąd podczas zapisywania kategorii: Błąd podczas "
                                          "zapisywania pliku \"%1\". (")
                               .arg(AppFilePath(CategoryListFileName));
    EXPECT_TRUE(Prompt.Errors()[0].startsWith(prefix)) << Prompt.Errors()[0].toStdString();
    EXPECT_FALSE(List.Modified());
    EXPECT_TRUE(List.SaveCategories(false));
    EXPECT_EQ(Prompt.Errors().size(), 1);
}

// --- Ids

struct TNextIdCase {
    int LastIdInFile;
    std::vector<int> NextIds;
};

TEST_F(ClockObjListTest, NextIdHandsOutOrdinaryIdsThen10000ForGood) {
    const TNextIdCase cases[] = {
        {-1, {0, 1}},
        {5, {6, 7}},
        {9898, {9899, 10000, 10000}},
        {9900, {10000, 10000}},
    };
    for (const TNextIdCase& c : cases) {
        WriteList(QStringLiteral("lastId=\"%1\"").arg(c.LastIdInFile), {});
        TClockObjList list;
        list.LoadCategories();
        for (int expected : c.NextIds)
            EXPECT_EQ(list.NextId(), expected) << "after " << c.LastIdInFile;
        EXPECT_EQ(list.LastId(), c.NextIds.back());
    }
}

TEST_F(ClockObjListTest, AHandedOutIdSkipsIdsGivenExplicitly) {
    WriteList(QStringLiteral("lastId=\"-1\""), {});
    List.LoadCategories();
    ASSERT_NE(List.AddObject(NewCategory(QStringLiteral("Pierwsza")), 0), nullptr);
    ASSERT_NE(List.AddObject(NewCategory(QStringLiteral("Druga")), 1), nullptr);

    TBaseClockObject* added = List.AddObject(NewCategory(QStringLiteral("Trzecia")));
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Id, 2);
    EXPECT_EQ(List.FindById(0)->ObjName(), QStringLiteral("Pierwsza"));
}

TEST_F(ClockObjListTest, AddingWhenTheOrdinaryIdsAreUsedUpIsRefused) {
    WriteList(QStringLiteral("lastId=\"9899\""), {});
    List.LoadCategories();
    List.AddListener(&Listener);
    const int count = List.Count();
    List.SetModified(false);

    EXPECT_EQ(List.AddObject(NewCategory(QStringLiteral("Nowa"))), nullptr);
    EXPECT_EQ(Prompt.Errors(),
              QStringList{QStringLiteral("Nie można dodać kategorii \"Nowa\". Wykorzystano już "
                                         "wszystkie numery kategorii (od 0 do 9899).")});
    EXPECT_EQ(List.Count(), count);
    EXPECT_EQ(List.LastId(), 9899) << "the counter is not pushed to 10000";
    EXPECT_EQ(List.FindById(10000), nullptr);
    EXPECT_TRUE(Listener.Events.empty());
    EXPECT_FALSE(List.Modified());

    // Predefined ids are given, not handed out.
    EXPECT_NE(List.AddObject(NewCategory(QStringLiteral("Stała")), 9905), nullptr);
}

TEST_F(ClockObjListTest, AddingUnderATakenOrInvalidIdIsRefused) {
    List.AddObject(NewCategory(QStringLiteral("a")), 7);
    List.AddListener(&Listener);
    for (int id : {7, 10000, -2})
        EXPECT_EQ(List.AddObject(NewCategory(QStringLiteral("b")), id), nullptr) << id;
    EXPECT_EQ(List.Count(), 1);
    EXPECT_EQ(List.NameOfId(7), QStringLiteral("a"));
    EXPECT_TRUE(Listener.Events.empty());
}

// --- Adding, names, notifications

TEST_F(ClockObjListTest, AddingGivesTheNextIdAndTellsTheListeners) {
    List.AddListener(&Listener);
    TBaseClockObject* a = List.AddObject(NewCategory(QStringLiteral("a")));
    TBaseClockObject* b = List.AddObject(NewCategory(QStringLiteral("b")), 9950);
    TBaseClockObject* c = List.AddObject(NewCategory(QStringLiteral("c")));
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(a->Id, 0);
    EXPECT_EQ(b->Id, 9950);
    EXPECT_EQ(c->Id, 1);
    EXPECT_EQ(List.LastId(), 1);
    EXPECT_EQ(a->Owner, &List);
    EXPECT_TRUE(List.Modified());
    ASSERT_EQ(Listener.Events.size(), 3u);
    for (const auto& event : Listener.Events)
        EXPECT_EQ(event.Kind, nkAdded);
    EXPECT_EQ(Listener.Events[1].Object, b);
}

TEST_F(ClockObjListTest, ATakenNameGetsTheFirstFreeNumber) {
    for (const char* name : {"Pop", "Pop (1)", "pop"})
        List.AddObject(NewCategory(QString::fromUtf8(name)));
    List.AddListener(&Listener);
    TBaseClockObject* added = List.AddObject(NewCategory(QStringLiteral("Pop")));
    EXPECT_EQ(added->ObjName(), QStringLiteral("Pop (2)"));
    ASSERT_EQ(Listener.Events.size(), 1u) << "renaming before the addition tells nobody";
    EXPECT_EQ(Listener.Events[0].Name, QStringLiteral("Pop (2)"));
    EXPECT_EQ(List.AddObject(NewCategory(QStringLiteral("POP")))->ObjName(), QStringLiteral("POP"))
        << "names compare with letter case";
}

TEST_F(ClockObjListTest, FindsByExactName) {
    List.AddObject(NewCategory(QStringLiteral("Ballady")));
    EXPECT_NE(List.FindByName(QStringLiteral("Ballady")), nullptr);
    EXPECT_EQ(List.FindByName(QStringLiteral("ballady")), nullptr);
    EXPECT_EQ(List.NameOfId(0), QStringLiteral("Ballady"));
    EXPECT_EQ(List.NameOfId(1), QString());
}

TEST_F(ClockObjListTest, DeletingTellsTheListenersBeforeTheObjectGoes) {
    struct TCheckingListener : INotifyListener {
        void Notify(TNotifyKind kind, TBaseClockObject* object) override {
            if (kind == nkDeleted)
                Seen.append(object->ObjName());
        }
        QStringList Seen;
    } checking;
    List.AddObject(NewCategory(QStringLiteral("a")));
    List.AddObject(NewCategory(QStringLiteral("b")));
    List.SetModified(false);
    List.AddListener(&checking);
    List.DeleteById(0);
    List.DeleteById(42);
    List.DeleteAt(5);
    EXPECT_EQ(checking.Seen, QStringList{QStringLiteral("a")});
    EXPECT_EQ(Ids(List), std::vector<int>{1});
    EXPECT_TRUE(List.Modified());
}

TEST_F(ClockObjListTest, RemovedListenersHearNothing) {
    List.AddListener(&Listener);
    List.AddListener(&Listener);
    List.AddObject(NewCategory(QStringLiteral("a")));
    EXPECT_EQ(Listener.Events.size(), 1u) << "registered once";
    List.RemoveListener(&Listener);
    List.RemoveListener(&Listener);
    List.AddObject(NewCategory(QStringLiteral("b")));
    EXPECT_EQ(Listener.Events.size(), 1u);
}

struct TPredefinedCase {
    const char* What;
    int Id;
    bool Pred;
    bool Expected;
};

TEST_F(ClockObjListTest, IsPredefinedNeedsThePredefinedRangeAndTheFlag) {
    const TPredefinedCase cases[] = {
        {"the advert blank", 9901, true, true},
        {"replaced by an object without the flag", 9901, false, false},
        {"first of the range", 9900, true, true},
        {"last of the range", 9999, true, true},
        {"an ordinary id with the flag", 500, true, false},
    };
    for (const TPredefinedCase& c : cases) {
        TClockObjList list;
        auto object = NewCategory(QStringLiteral("x"));
        object->Pred = c.Pred;
        list.AddObject(std::move(object), c.Id);
        EXPECT_EQ(list.IsPredefined(c.Id), c.Expected) << c.What;
    }
    EXPECT_FALSE(List.IsPredefined(9902)) << "no such object";
}

// --- The process-wide list

TEST_F(ClockObjListTest, TheProcessWideListIsLoadedAndSavedAtItsEnds) {
    EXPECT_EQ(CategoryNameOfId(9901), QString()) << "no list";
    WriteList(QStringLiteral("lastId=\"0\""), {Category(0, QStringLiteral("Muzyka"))});
    CreateCategoryList();
    ASSERT_NE(CategoryList, nullptr);
    EXPECT_EQ(CategoryNameOfId(0), QStringLiteral("Muzyka"));
    EXPECT_EQ(CategoryNameOfId(9901), QStringLiteral("Reklama o"));
    QFile::remove(FilePath());
    FreeCategoryList();
    EXPECT_EQ(CategoryList, nullptr);
    EXPECT_TRUE(QFileInfo::exists(FilePath())) << "the added advert blank made it modified";

    CreateCategoryList();
    QFile::remove(FilePath());
    FreeCategoryList();
    EXPECT_FALSE(QFileInfo::exists(FilePath())) << "nothing changed, nothing written";
    FreeCategoryList();
}

} // namespace
