#include "clocks/ClockFixture.h"

namespace {

using BroadcastTest = TClockFixture;

// The broadcast as the only "obj" of a document, read back.
std::unique_ptr<TBroadcast> BroadcastFromText(const QString& markup) {
    THTMLParser parser;
    parser.Parse(markup);
    auto broadcast = std::make_unique<TBroadcast>();
    broadcast->LoadFromNode(*FindChild(parser.Root(), QStringLiteral("obj")));
    return broadcast;
}

// --- Times

TEST_F(BroadcastTest, APinnedBroadcastLastsFromItsBeginToItsEnd) {
    std::unique_ptr<TBroadcast> broadcast =
        NewBroadcast(QStringLiteral("Serwis"), {Jingle, News, Jingle}, Hms(10));
    ASSERT_EQ(broadcast->GetPlayTime(), 200) << "free: as long as its items";
    EXPECT_EQ(broadcast->GetName(), QStringLiteral("Serwis"));

    // Day fractions as a picker would give them, not built from whole seconds.
    broadcast->BeginTime = 10.0 / 24;
    broadcast->EndTime = 10.5 / 24;
    EXPECT_EQ(broadcast->GetPlayTime(), 1800) << "whatever the items say";
    EXPECT_EQ(broadcast->GetName(), QStringLiteral("Serwis (10:00:00 - 10:30:00)"));

    broadcast->EndTime = UnsetBroadcastTime;
    EXPECT_FALSE(broadcast->IsPinned()) << "pinned needs both ends";
    EXPECT_EQ(broadcast->GetPlayTime(), 200);
}

TEST_F(BroadcastTest, TheLengthRunsFromTheFirstItemsHourToTheLastItemsEnd) {
    struct TCase {
        int FirstHour;
        int Expected;
    };
    for (const TCase c : {TCase{0, 380}, TCase{60, 320}}) {
        TBroadcast broadcast;
        broadcast.AddItem(NewItem(*Jingle, c.FirstHour), QString::number(c.FirstHour));
        broadcast.AddItem(NewItem(*News, 180, 200), QStringLiteral("180"));
        EXPECT_EQ(broadcast.Length(), c.Expected) << c.FirstHour;
        EXPECT_EQ(broadcast.GetPlayTime(), c.Expected);
    }
    TBroadcast empty;
    EXPECT_EQ(empty.Length(), 0);
}

// --- The element form

TEST_F(BroadcastTest, IsWrittenAsAnObjWithItsItemsAndTimes) {
    TBroadcast broadcast;
    broadcast.SetName(QStringLiteral("Serwis"));
    broadcast.Id = 10001;
    std::unique_ptr<TBroadcastItem> item = NewItem(*Jingle, 0);
    item->Properties.Tempo = {3};
    broadcast.AddItem(std::move(item), QStringLiteral("0"));
    broadcast.BeginTime = SecondsToDateTime(Hms(6));
    broadcast.EndTime = SecondsToDateTime(Hms(6, 0, 10));

    EXPECT_EQ(ElementText(broadcast),
              CrLfLines({
                  "",
                  "  <obj objType=\"4\" objName=\"Serwis\" exTime=\"1\" id=\"10001\" sCat=\"1\" "
                  "rest=\"1\" hprior=\"0\" uexTime=\"0\" sepEnb=\"2\" begin=\"21600\" "
                  "end=\"21610\" exactEnd=\"0\">",
                  "    <bObj objType=\"5\" objName=\"Jingiel\" exTime=\"1\" id=\"-1\" sCat=\"1\" "
                  "rest=\"1\" hprior=\"0\" uexTime=\"0\" sepEnb=\"2\" masterId=\"3\" "
                  "playTime=\"10\" hour=\"0\" ownHour=\"0\" ownTime=\"0\" mstType=\"3\" any=\"1\">",
                  "      <propType/>",
                  "      <tempo>",
                  "        <val id=\"3\"/>",
                  "      </tempo>",
                  "      <atmosphere/>",
                  "      <years/>",
                  "      <vocal/>",
                  "      <language/>",
                  "    </bObj>",
                  "  </obj>",
              }));
}

TEST_F(BroadcastTest, WithoutBeginAndEndItIsFreeAndWritesThemAsAWholeDay) {
    std::unique_ptr<TBroadcast> broadcast = BroadcastFromText(QStringLiteral(
        "<obj objType=\"4\" objName=\"A\" id=\"10002\"><bObj objType=\"5\" masterId=\"3\" "
        "playTime=\"10\" hour=\"20\"/></obj>"));
    EXPECT_FALSE(broadcast->HasBegin());
    EXPECT_FALSE(broadcast->HasEnd());
    ASSERT_EQ(broadcast->ItemCount(), 1);
    EXPECT_EQ(broadcast->ItemKey(0), QStringLiteral("20"));
    EXPECT_EQ(broadcast->Length(), 10);
    const QString text = ElementText(*broadcast);
    EXPECT_TRUE(text.contains(QStringLiteral("begin=\"86400\" end=\"86400\" exactEnd=\"0\"")))
        << text.toStdString();
}

TEST_F(BroadcastTest, OnlyBroadcastItemsAreReadAsItems) {
    std::unique_ptr<TBroadcast> broadcast = BroadcastFromText(QStringLiteral(
        "<obj objType=\"4\" id=\"10002\"><bObj objType=\"0\" hour=\"0\"/>"
        "<bObj objType=\"7\"/><bObj objType=\"5\" masterId=\"1\" hour=\"5\"/></obj>"));
    ASSERT_EQ(broadcast->ItemCount(), 1);
    EXPECT_EQ(broadcast->ItemAt(0)->MasterId(), 1);
}

TEST_F(BroadcastTest, ATypedTitleSurvivesTheElementWhateverItHolds) {
    const QString title = QStringLiteral("Reklama <\"Firma\" & 'Syn'> ");
    TBroadcast broadcast;
    std::unique_ptr<TBroadcastItem> item = NewItem(*News, 0);
    item->UserInfo = title;
    broadcast.AddItem(std::move(item), QStringLiteral("0"));
    std::unique_ptr<TBroadcast> read = BroadcastFromText(ElementText(broadcast));
    ASSERT_EQ(read->ItemCount(), 1);
    EXPECT_EQ(read->ItemAt(0)->UserInfo, title);
}

// --- Copies

TEST_F(BroadcastTest, ACopyTakesItsItemsMastersCurrentNames) {
    std::unique_ptr<TBroadcast> source = NewBroadcast(QStringLiteral("Serwis"), {Jingle, Hits});
    source->BeginTime = SecondsToDateTime(Hms(8));
    source->EndTime = SecondsToDateTime(Hms(8, 30));
    source->ExactEnd = true;
    Jingle->SetName(QStringLiteral("Dżingiel"));

    TBroadcast copy;
    copy.Assign(*source);
    ASSERT_EQ(copy.ItemCount(), 2);
    EXPECT_EQ(copy.ItemAt(0)->ObjName(), QStringLiteral("Dżingiel"));
    EXPECT_EQ(copy.ItemAt(0)->Broadcast, &copy);
    EXPECT_EQ(copy.ItemKey(1), source->ItemKey(1));
    EXPECT_EQ(copy.ObjName(), QStringLiteral("Serwis"));
    EXPECT_TRUE(copy.IsPinned());
    EXPECT_TRUE(copy.ExactEnd);
    EXPECT_EQ(copy.GetPlayTime(), 1800);
    EXPECT_EQ(Jingle->Listeners().size(), 1u) << "only the source's item follows the master";
}

TEST_F(BroadcastTest, OnlyAFillingCopyTakesTheMastersConditionsForEmptyOnes) {
    std::unique_ptr<TBroadcast> source = NewBroadcast(QStringLiteral("Blok"), {Hits});
    source->ItemAt(0)->Properties.Tempo = {1};

    TBroadcast filled;
    filled.CopyBroadcast(*source, true);
    EXPECT_EQ(filled.ItemAt(0)->Properties.Tempo, TPropArray{1}) << "the item's own stays";
    EXPECT_EQ(filled.ItemAt(0)->Properties.Language, (TPropArray{1, 2}));

    TBroadcast plain;
    plain.CopyBroadcastPlain(*source);
    EXPECT_EQ(plain.ItemAt(0)->Properties.Tempo, TPropArray{1});
    EXPECT_TRUE(plain.ItemAt(0)->Properties.Language.empty());
}

TEST_F(BroadcastTest, IsCompleteOnlyWithItemsWhoseMastersAllExist) {
    EXPECT_FALSE(IsComplete(nullptr));
    TBroadcast empty;
    EXPECT_FALSE(IsComplete(&empty));
    std::unique_ptr<TBroadcast> broadcast = NewBroadcast(QStringLiteral("B"), {Jingle, Ballads});
    EXPECT_TRUE(IsComplete(broadcast.get()));
    CategoryList->DeleteById(Ballads->Id);
    EXPECT_FALSE(IsComplete(broadcast.get()));
    EXPECT_EQ(broadcast->ItemCount(), 2) << "the item stays";
}

// --- Renaming

TEST_F(BroadcastTest, OnlyABroadcastOfTheListTellsItsRenaming) {
    TRecordingListener listener;
    BroadcastList->AddListener(&listener);
    TBroadcast* listed = AddNewsBroadcast();
    listener.Events.clear();

    listed->SetName(QStringLiteral("Serwis"));
    EXPECT_TRUE(listener.Events.empty()) << "the same name is no change";
    listed->SetName(QStringLiteral("Wiadomości"));
    ASSERT_EQ(listener.Events.size(), 1u);
    EXPECT_EQ(listener.Events[0].Kind, nkChanged);
    EXPECT_EQ(listener.Events[0].Object, listed);

    std::unique_ptr<TBroadcast> loose = NewBroadcast(QStringLiteral("Luźna"), {Jingle});
    loose->SetName(QStringLiteral("Inna"));
    EXPECT_EQ(listener.Events.size(), 1u);
    BroadcastList->RemoveListener(&listener);
}

} // namespace
