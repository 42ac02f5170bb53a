#include "clocks/ClockTestUtils.h"
#include "clocks/uClockObjList.h"

#include <functional>
#include <typeinfo>

namespace {

// --- Objects of every kind with settings away from the defaults

std::unique_ptr<TBaseClockObject> SampleCategory() {
    auto category = std::make_unique<TCategory>();
    category->SetName(QStringLiteral("Pop & \"Rock\""));
    category->Id = 3;
    category->SetSCat(2);
    category->SetHPrior(true);
    category->SetSepEnb(smOn);
    category->SetPlayTime(240);
    category->Properties.Tempo = {3, 4};
    category->Properties.Lab1 = QStringLiteral("EMI");
    return category;
}

std::unique_ptr<TBaseClockObject> SampleList() {
    auto list = std::make_unique<TDetailPlayList>();
    list->SetName(QStringLiteral("Lista żółta"));
    list->Id = 12;
    list->SetRest(false);
    list->SetPlayTime(600);
    list->SetRndList(true);
    list->SetRepList(false);
    list->AddSong(11);
    list->AddSong(7);
    return list;
}

std::unique_ptr<TBaseClockObject> SampleBlank() {
    auto blank = std::make_unique<TBlankCategory>();
    blank->SetName(QStringLiteral("Reklama o"));
    blank->Id = 9901;
    blank->Pred = true;
    blank->Info = QStringLiteral("\"Reklama o\",<b>");
    blank->SetExTime(false);
    blank->SetSCat(3);
    blank->UserInfo = QStringLiteral("Blok 1");
    return blank;
}

std::unique_ptr<TBaseClockObject> SampleItem() {
    auto item = std::make_unique<TBroadcastItem>();
    item->SetName(QStringLiteral("Przeboje"));
    item->SetMasterId(4);
    item->SetPlayTime(180);
    item->Hour = 3600;
    item->OwnHour = true;
    item->OwnTime = true;
    item->MstType = otCategory;
    item->UExTime = true;
    item->Properties.Years = {5};
    item->Properties.Any = false;
    return item;
}

struct TFormCase {
    const char* What;
    std::function<std::unique_ptr<TBaseClockObject>()> Make;
    QString Text;
};

std::vector<TFormCase> FormCases() {
    return {
        {"basic category", SampleCategory,
         CrLfLines({
             "",
             "  <obj objType=\"0\" objName=\"Pop &amp; &quot;Rock&quot;\" exTime=\"1\" id=\"3\" "
             "sCat=\"2\" rest=\"1\" hprior=\"1\" uexTime=\"0\" sepEnb=\"0\" playTime=\"240\">",
             "    <prop any=\"1\" lab1=\"EMI\">",
             "      <propType/>",
             "      <tempo>",
             "        <val id=\"3\"/>",
             "        <val id=\"4\"/>",
             "      </tempo>",
             "      <atmosphere/>",
             "      <years/>",
             "      <vocal/>",
             "      <language/>",
             "    </prop>",
             "  </obj>",
         })},
        {"fixed list", SampleList,
         CrLfLines({
             "",
             "  <obj objType=\"2\" objName=\"Lista żółta\" exTime=\"1\" id=\"12\" sCat=\"1\" "
             "rest=\"0\" hprior=\"0\" uexTime=\"0\" sepEnb=\"2\" playTime=\"600\" repList=\"0\" "
             "rndList=\"1\">",
             "    <Item songId=\"11\"/>",
             "    <Item songId=\"7\"/>",
             "  </obj>",
         })},
        {"predefined blank", SampleBlank,
         CrLfLines({
             "",
             "  <obj objType=\"3\" objName=\"Reklama o\" exTime=\"0\" id=\"9901\" sCat=\"3\" "
             "rest=\"1\" hprior=\"0\" uexTime=\"0\" sepEnb=\"2\" pred=\"1\" UserInfo=\"Blok 1\" "
             "playTime=\"210\" info=\"&quot;Reklama o&quot;,&lt;b&gt;\"/>",
         })},
        {"broadcast item", SampleItem,
         CrLfLines({
             "",
             "  <obj objType=\"5\" objName=\"Przeboje\" exTime=\"1\" id=\"-1\" sCat=\"1\" "
             "rest=\"1\" hprior=\"0\" uexTime=\"1\" sepEnb=\"2\" masterId=\"4\" playTime=\"180\" "
             "hour=\"3600\" ownHour=\"1\" ownTime=\"1\" mstType=\"0\" any=\"0\">",
             "    <propType/>",
             "    <tempo/>",
             "    <atmosphere/>",
             "    <years>",
             "      <val id=\"5\"/>",
             "    </years>",
             "    <vocal/>",
             "    <language/>",
             "  </obj>",
         })},
    };
}

TEST(ClockObjectForm, EachKindWritesItsAttributesInOrder) {
    for (const TFormCase& c : FormCases())
        EXPECT_EQ(ElementText(*c.Make()), c.Text) << c.What;
}

TEST(ClockObjectForm, EachKindReadsBackEqual) {
    for (const TFormCase& c : FormCases()) {
        const auto original = c.Make();
        const auto copy = RoundTrip(*original);
        ASSERT_NE(copy, nullptr) << c.What;
        EXPECT_EQ(typeid(*copy), typeid(*original)) << c.What;
        EXPECT_EQ(ElementText(*copy), c.Text) << c.What;
        EXPECT_EQ(copy->ObjName(), original->ObjName()) << c.What;
        EXPECT_EQ(copy->Properties, original->Properties) << c.What;
        EXPECT_EQ(copy->UserInfo, original->UserInfo) << c.What;
    }
}

TEST(ClockObjectForm, KindSpecificFieldsSurviveTheRoundTrip) {
    const auto list = RoundTrip(*SampleList());
    const auto& l = dynamic_cast<const TDetailPlayList&>(*list);
    EXPECT_EQ(l.Songs(), (std::vector<int>{11, 7}));
    EXPECT_TRUE(l.RndList());
    EXPECT_FALSE(l.RepList());

    const auto blank = RoundTrip(*SampleBlank());
    EXPECT_EQ(dynamic_cast<const TBlankCategory&>(*blank).Info,
              QStringLiteral("\"Reklama o\",<b>"));
    EXPECT_TRUE(blank->Pred);

    const auto item = RoundTrip(*SampleItem());
    const auto& i = dynamic_cast<const TBroadcastItem&>(*item);
    EXPECT_EQ(i.MasterId(), 4);
    EXPECT_EQ(i.GetPlayTime(), 180);
    EXPECT_EQ(i.Hour, 3600);
    EXPECT_TRUE(i.OwnHour);
    EXPECT_TRUE(i.OwnTime);
    EXPECT_EQ(i.MstType, otCategory);
}

// --- Factories

TEST(ClockObjectFactory, MakesTheFourKindsOnly) {
    struct TKindCase {
        int Kind;
        const std::type_info* Type; // nullptr: no object
    };
    const TKindCase cases[] = {
        {0, &typeid(TCategory)},
        {1, nullptr},
        {2, &typeid(TDetailPlayList)},
        {3, &typeid(TBlankCategory)},
        {4, nullptr},
        {5, &typeid(TBroadcastItem)},
        {-1, nullptr},
        {6, nullptr},
    };
    for (const TKindCase& c : cases) {
        const auto object = CreateClockObject(c.Kind);
        if (c.Type == nullptr) {
            EXPECT_EQ(object, nullptr) << c.Kind;
            continue;
        }
        ASSERT_NE(object, nullptr) << c.Kind;
        EXPECT_EQ(typeid(*object), *c.Type) << c.Kind;
        EXPECT_EQ(object->ObjType(), c.Kind);
    }
}

TEST(ClockObjectFactory, ElementsOfOtherKindsGiveNoObject) {
    for (const char* markup :
         {"<obj/>", "<obj objType=\"1\"/>", "<obj objType=\"4\"/>", "<obj objType=\"x\"/>",
          "<obj objType=\"6\"/>", "<obj objType=\"-1\"/>"})
        EXPECT_EQ(ObjectFromText(QString::fromUtf8(markup)), nullptr) << markup;
}

// --- Reading defaults

TEST(ClockObjectRead, AnElementWithNothingButTheKindGivesTheDefaults) {
    const auto object = ObjectFromText(QStringLiteral("<obj objType=\"0\"/>"));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->Id, -1);
    EXPECT_EQ(object->ObjName(), QString());
    EXPECT_TRUE(object->ExTime());
    EXPECT_EQ(object->SCat(), 1);
    EXPECT_TRUE(object->Rest());
    EXPECT_FALSE(object->HPrior());
    EXPECT_FALSE(object->UExTime);
    EXPECT_EQ(object->SepEnb(), smDefault);
    EXPECT_FALSE(object->Pred);
    EXPECT_EQ(object->UserInfo, QString());
    EXPECT_EQ(object->GetPlayTime(), 210);
    EXPECT_EQ(object->Properties, TObjProperties()) << "no prop element: empty arrays, AND";
}

TEST(ClockObjectRead, MissingAttributesFallBackAsEachOneSays) {
    TCategory category;
    category.SetSepEnb(smOn);
    category.SetExTime(false);
    category.SetHPrior(true);
    category.SetPlayTime(90);
    category.Pred = true;
    category.UserInfo = QStringLiteral("old");
    THTMLParser parser;
    parser.Parse(QStringLiteral("<obj objType=\"0\" rest=\"yes\" sCat=\"x\"/>"));
    category.LoadFromNode(*FindChild(parser.Root(), QStringLiteral("obj")));
    EXPECT_EQ(category.SepEnb(), smDefault) << "sepEnb falls back to 2, not the current value";
    EXPECT_FALSE(category.ExTime()) << "exTime keeps the current value";
    EXPECT_TRUE(category.HPrior()) << "hprior keeps the current value";
    EXPECT_TRUE(category.Rest()) << "a malformed boolean keeps the current value";
    EXPECT_EQ(category.SCat(), 1) << "a malformed number keeps the current value";
    EXPECT_FALSE(category.Pred);
    EXPECT_EQ(category.UserInfo, QString()) << "an absent UserInfo clears it";
    EXPECT_EQ(category.GetPlayTime(), 210) << "a category's playTime falls back to the default";
}

TEST(ClockObjectRead, ABlankKeepsItsPlayTimeWhenTheElementHasNone) {
    TBlankCategory blank;
    blank.SetPlayTime(90);
    THTMLParser parser;
    parser.Parse(QStringLiteral("<obj objType=\"3\" info=\"R&amp;B\"/>"));
    blank.LoadFromNode(*FindChild(parser.Root(), QStringLiteral("obj")));
    EXPECT_EQ(blank.GetPlayTime(), 90);
    EXPECT_EQ(blank.Info, QStringLiteral("R&B"));
}

TEST(ClockObjectRead, AListRefillsItsSongsFromEveryItemAndSkipsMalformedIds) {
    TDetailPlayList list;
    list.AddSong(99);
    list.SetRepList(false);
    list.SetRndList(true);
    THTMLParser parser;
    parser.Parse(QStringLiteral("<obj objType=\"2\"><Item songId=\"5\"/><item songId=\"x\"/>"
                                "<g><ITEM songId=\"6\"/></g><Item/></obj>"));
    list.LoadFromNode(*FindChild(parser.Root(), QStringLiteral("obj")));
    EXPECT_EQ(list.Songs(), (std::vector<int>{5, 6}));
    EXPECT_TRUE(list.RepList()) << "repList falls back to true";
    EXPECT_FALSE(list.RndList()) << "rndList falls back to false";
}

TEST(ClockObjectRead, ABroadcastItemReadsItsFilterFromItsOwnElement) {
    const auto object = ObjectFromText(
        QStringLiteral("<obj objType=\"5\" any=\"0\" lab2=\"L\"><tempo><val id=\"2\"/></tempo>"
                       "<prop><years><val id=\"9\"/></years></prop></obj>"));
    ASSERT_NE(object, nullptr);
    const auto& item = dynamic_cast<const TBroadcastItem&>(*object);
    EXPECT_EQ(item.MasterId(), -1);
    EXPECT_EQ(item.GetPlayTime(), -1);
    EXPECT_EQ(item.Hour, -1);
    EXPECT_FALSE(item.OwnHour);
    EXPECT_FALSE(item.OwnTime);
    EXPECT_EQ(item.MstType, otBroadcastItem);
    EXPECT_FALSE(item.Properties.Any);
    EXPECT_EQ(item.Properties.Lab2, QStringLiteral("L"));
    EXPECT_EQ(item.Properties.Tempo, TPropArray{2});
    EXPECT_TRUE(item.Properties.Years.empty()) << "a prop element means nothing to an item";
}

TEST(ClockObjectRead, ABlankStartsWithExactTime) {
    EXPECT_TRUE(TBlankCategory().ExTime());
    EXPECT_EQ(TBlankCategory().GetPlayTime(), 210);
    EXPECT_EQ(TBroadcastItem().GetPlayTime(), -1);
}

// --- Assign

TEST(ClockObjectAssign, CopiesEverySettingOfItsKind) {
    for (const TFormCase& c : FormCases()) {
        const auto source = c.Make();
        source->UExTime = false; // belongs to the slot, not copied
        const auto target = CreateClockObject(source->ObjType());
        target->Assign(*source);
        EXPECT_EQ(ElementText(*target), ElementText(*source)) << c.What;
        EXPECT_EQ(target->UserInfo, source->UserInfo) << c.What;
    }
}

TEST(ClockObjectAssign, LeavesTheSlotAndListLinksAlone) {
    TClockObjList list;
    auto source = SampleCategory();
    source->UExTime = true;
    source->OwnTime = true;
    TBaseClockObject* owned = list.AddObject(std::move(source), 3);
    ASSERT_NE(owned, nullptr);

    TCategory copy;
    copy.Assign(*owned);
    EXPECT_FALSE(copy.UExTime);
    EXPECT_FALSE(copy.OwnTime);
    EXPECT_EQ(copy.Owner, nullptr);
    EXPECT_EQ(copy.GetPlayTime(), 240);
    EXPECT_EQ(copy.Id, 3);
}

TEST(ClockObjectAssign, ABroadcastItemCopiesItsOwnTimeAndPlayTime) {
    const auto source = SampleItem();
    TBroadcastItem copy;
    copy.Assign(*source);
    EXPECT_TRUE(copy.OwnTime);
    EXPECT_TRUE(copy.OwnHour);
    EXPECT_EQ(copy.GetPlayTime(), 180);
    EXPECT_EQ(copy.MasterId(), 4);
    EXPECT_FALSE(copy.UExTime);
}

// --- Changes told to the category list's listeners

struct TSetterCase {
    const char* What;
    std::function<void(TBaseClockObject&)> Same;
    std::function<void(TBaseClockObject&)> Other;
};

class ClockObjectChangeTest : public ::testing::Test {
protected:
    void SetUp() override { List.AddListener(&Listener); }

    TBaseClockObject& Add(std::unique_ptr<TBaseClockObject> object) {
        TBaseClockObject* added = List.AddObject(std::move(object));
        Listener.Events.clear();
        return *added;
    }

    TClockObjList List;
    TRecordingListener Listener;
};

TEST_F(ClockObjectChangeTest, SettersTellTheListOnlyOfADifferentValue) {
    const TSetterCase cases[] = {
        {"SetName", [](auto& o) { o.SetName(QStringLiteral("Ala")); },
         [](auto& o) { o.SetName(QStringLiteral("ala")); }},
        {"SetSCat", [](auto& o) { o.SetSCat(1); }, [](auto& o) { o.SetSCat(2); }},
        {"SetHPrior", [](auto& o) { o.SetHPrior(false); }, [](auto& o) { o.SetHPrior(true); }},
        {"SetExTime", [](auto& o) { o.SetExTime(true); }, [](auto& o) { o.SetExTime(false); }},
        {"SetRest", [](auto& o) { o.SetRest(true); }, [](auto& o) { o.SetRest(false); }},
        {"SetSepEnb", [](auto& o) { o.SetSepEnb(smDefault); }, [](auto& o) { o.SetSepEnb(smOff); }},
        {"SetPlayTime", [](auto& o) { o.SetPlayTime(210); }, [](auto& o) { o.SetPlayTime(211); }},
    };
    for (const TSetterCase& c : cases) {
        auto fresh = std::make_unique<TCategory>();
        fresh->SetName(QStringLiteral("Ala"));
        TBaseClockObject& object = Add(std::move(fresh));
        c.Same(object);
        EXPECT_TRUE(Listener.Events.empty()) << c.What;
        c.Other(object);
        ASSERT_EQ(Listener.Events.size(), 1u) << c.What;
        EXPECT_EQ(Listener.Events[0].Kind, nkChanged) << c.What;
        EXPECT_EQ(Listener.Events[0].Object, &object) << c.What;
        List.DeleteById(object.Id);
    }
}

TEST_F(ClockObjectChangeTest, ListSettersTellTheListToo) {
    auto& list = dynamic_cast<TDetailPlayList&>(Add(std::make_unique<TDetailPlayList>()));
    list.SetRepList(true);
    list.SetRndList(false);
    list.AddSong(3);
    list.ClearSongs();
    EXPECT_TRUE(Listener.Events.empty());
    list.SetRepList(false);
    list.SetRndList(true);
    EXPECT_EQ(Listener.Events.size(), 2u);
}

TEST_F(ClockObjectChangeTest, ObjectsOfNoListOrAnotherListTellNobody) {
    TNotifyingList otherList;
    TRecordingListener otherListener;
    otherList.AddListener(&otherListener);
    TCategory loose;
    TCategory elsewhere;
    elsewhere.Owner = &otherList;
    for (TCategory* object : {&loose, &elsewhere}) {
        object->SetName(QStringLiteral("x"));
        object->SetPlayTime(5);
        object->Changed();
    }
    EXPECT_TRUE(otherListener.Events.empty());
    EXPECT_TRUE(Listener.Events.empty());
}

TEST(ClockObject, AddOwnTimeSwitchesOnButNeverOff) {
    TCategory object;
    object.AddOwnTime(false);
    EXPECT_FALSE(object.OwnTime);
    object.AddOwnTime(true);
    object.AddOwnTime(false);
    EXPECT_TRUE(object.OwnTime);
}

TEST(ClockObject, ABroadcastItemsPlayTimeIsItsOwn) {
    TBroadcastItem item;
    item.SetPlayTime(42);
    EXPECT_EQ(item.GetPlayTime(), 42);
    EXPECT_EQ(item.GetName(), QString());
}

} // namespace
