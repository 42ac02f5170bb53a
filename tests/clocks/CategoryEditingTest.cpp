#include "clocks/ClockTestUtils.h"
#include "clocks/uCategoryEditing.h"
#include "clocks/uClockObjList.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The dialog and window models over the default station's settings.
class CategoryEditingTest : public TStationTest {
protected:
    void SetUp() override {
        TStationTest::SetUp();
        QFile::remove(Station.Path(CategoryListFileName));
        List.EnsurePredefined();
        List.SetModified(false);
    }

    TBaseClockObject* AddCategory(const QString& name) {
        auto category = std::make_unique<TCategory>();
        category->SetName(name);
        return List.AddObject(std::move(category));
    }

    TClockObjList List;
    TCategoryWindowModel Window{List};
};

// --- The dialog in new mode

TEST_F(CategoryEditingTest, ANewDialogStartsAsABasicCategory) {
    const TObjDialogModel dialog;
    EXPECT_TRUE(dialog.IsNew());
    EXPECT_EQ(dialog.Kind(), otCategory);
    EXPECT_EQ(dialog.KindName(), QStringLiteral("Kategoria podstawowa"));
    EXPECT_EQ(dialog.Name(), QString());
    EXPECT_FALSE(dialog.CanAccept());
    EXPECT_EQ(dialog.PlayTimeText(), QStringLiteral("00:03:30"));
    EXPECT_FALSE(dialog.Rest());
    EXPECT_FALSE(dialog.HPrior());
    EXPECT_FALSE(dialog.ExTime());
    EXPECT_EQ(dialog.SepEnb(), smDefault);
    EXPECT_EQ(dialog.SCat(), 1) << "the attribution's default for kind 0";
    EXPECT_TRUE(dialog.CharsFrameVisible());
}

struct TKindCase {
    TObjKind Kind;
    bool Rest, HPrior, ExTime;
    quint8 SepEnb;
    int SCat;
    bool ExTimeVisible, RestVisible, SepEnbVisible, SepEnbEnabled;
    bool Chars, Songs, Info;
};

TEST_F(CategoryEditingTest, ChoosingAKindResetsTheControls) {
    const TKindCase cases[] = {
        {otCategory, false, false, false, smDefault, 1, true, true, true, true, true, false, false},
        {otPlayList, true, true, false, smOff, 1, false, true, true, false, false, true, false},
        {otBlank, true, false, true, smDefault, 3, false, false, false, true, false, false, true},
    };
    for (const TKindCase& c : cases) {
        TObjDialogModel dialog;
        dialog.SelectKind(c.Kind);
        EXPECT_EQ(dialog.Kind(), c.Kind);
        EXPECT_EQ(dialog.Rest(), c.Rest) << int(c.Kind);
        EXPECT_EQ(dialog.HPrior(), c.HPrior) << int(c.Kind);
        EXPECT_EQ(dialog.ExTime(), c.ExTime) << int(c.Kind);
        EXPECT_EQ(dialog.SepEnb(), c.SepEnb) << int(c.Kind);
        EXPECT_EQ(dialog.SCat(), c.SCat) << int(c.Kind);
        EXPECT_EQ(dialog.ExTimeVisible(), c.ExTimeVisible) << int(c.Kind);
        EXPECT_EQ(dialog.RestVisible(), c.RestVisible) << int(c.Kind);
        EXPECT_EQ(dialog.SepEnbVisible(), c.SepEnbVisible) << int(c.Kind);
        EXPECT_EQ(dialog.SepEnbEnabled(), c.SepEnbEnabled) << int(c.Kind);
        EXPECT_EQ(dialog.CharsFrameVisible(), c.Chars) << int(c.Kind);
        EXPECT_EQ(dialog.SongListVisible(), c.Songs) << int(c.Kind);
        EXPECT_EQ(dialog.InfoVisible(), c.Info) << int(c.Kind);
        EXPECT_EQ(dialog.KindDescription(), ObjKindDescription(c.Kind));
    }
}

TEST_F(CategoryEditingTest, AListFollowsTheSeparationScheduleOnlyInRandomOrder) {
    TObjDialogModel dialog;
    dialog.SelectKind(otPlayList);
    EXPECT_FALSE(dialog.SepEnbEnabled());
    dialog.SetRndList(true);
    EXPECT_TRUE(dialog.SepEnbEnabled());
}

TEST_F(CategoryEditingTest, TicksClickedOutsideABlankComeBackWithTheNextKind) {
    TObjDialogModel dialog;
    dialog.ClickRest(true);
    dialog.SelectKind(otPlayList);
    dialog.ClickHPrior(false);
    dialog.SelectKind(otBlank);
    dialog.ClickRest(false); // not remembered: the box is hidden for a blank
    dialog.SelectKind(otCategory);
    EXPECT_TRUE(dialog.Rest());
    EXPECT_FALSE(dialog.HPrior());
}

TEST_F(CategoryEditingTest, OnlyTheThreeSelectorKindsCanBeChosen) {
    TObjDialogModel dialog;
    for (TObjKind kind : {otUndefined, otBroadcast, otBroadcastItem}) {
        dialog.SelectKind(kind);
        EXPECT_EQ(dialog.Kind(), otCategory);
    }
}

TEST_F(CategoryEditingTest, TheSongCategoriesAreThoseAttributedToTheKind) {
    TObjDialogModel dialog;
    dialog.SelectKind(otBlank);
    QStringList names;
    QList<int> ids;
    for (const TCategoryEntry& entry : dialog.SongCategories()) {
        names.append(entry.Name);
        ids.append(entry.Id);
    }
    EXPECT_EQ(ids, (QList<int>{3, 12, 10, 13, 15}));
    EXPECT_EQ(names.first(), QStringLiteral("Reklama"));
}

TEST_F(CategoryEditingTest, AnotherSongCategoryEmptiesTheSongList) {
    TObjDialogModel dialog;
    dialog.SelectKind(otPlayList);
    dialog.AddSong(5);
    dialog.SetSCat(1);
    EXPECT_EQ(dialog.Songs().size(), 1) << "the same category keeps the songs";
    dialog.SetSCat(2);
    EXPECT_TRUE(dialog.Songs().isEmpty());
    EXPECT_EQ(dialog.SongBrowserFilter(), QStringLiteral("AND (BaseSongs.Category = \"2\") \r\n"));
}

TEST_F(CategoryEditingTest, SongsAreAddedRemovedAndMoved) {
    TObjDialogModel dialog;
    dialog.SelectKind(otPlayList);
    for (int id : {10, 20, 30, 40})
        dialog.AddSong(id);
    EXPECT_TRUE(dialog.MoveSongUp(2));
    EXPECT_FALSE(dialog.MoveSongUp(0));
    EXPECT_TRUE(dialog.MoveSongDown(0));
    EXPECT_FALSE(dialog.MoveSongDown(3));
    EXPECT_EQ(dialog.Songs(), (QList<int>{30, 10, 20, 40}));
    dialog.RemoveSongs({3, 0, 9});
    EXPECT_EQ(dialog.Songs(), (QList<int>{10, 20}));
}

TEST_F(CategoryEditingTest, TheFrameTurnsValueNamesIntoIds) {
    TObjDialogModel dialog;
    dialog.SetCharBox(ckTempo, {true, QStringLiteral("Wolne,Szybkie")});
    dialog.SetCharBox(ckLanguage, {true, QStringLiteral("polski, Nieznany")});
    dialog.SetCharBox(ckYears, {false, QStringLiteral("2024")});
    dialog.SetCharBox(ckType, {true, QString()});
    dialog.SetLabelBox(0, {true, QStringLiteral("EMI")});
    dialog.SetLabelBox(1, {false, QStringLiteral("Sony")});
    dialog.SetAllConditions(false);
    const TObjProperties p = dialog.FrameProperties();
    EXPECT_EQ(p.Tempo, (TPropArray{1, 3}));
    EXPECT_EQ(p.Language, (TPropArray{1, -1})) << "letter case ignored; unknown names give -1";
    EXPECT_TRUE(p.Years.empty()) << "an unticked box sets no condition";
    EXPECT_TRUE(p.PropType.empty());
    EXPECT_EQ(p.Lab1, QStringLiteral("EMI"));
    EXPECT_EQ(p.Lab2, QString());
    EXPECT_FALSE(p.Any);
}

// --- OK

TEST_F(CategoryEditingTest, ATakenNameKeepsTheDialogOpenWithAWarning) {
    AddCategory(QStringLiteral("Przeboje"));
    TObjDialogModel dialog;
    dialog.SetName(QStringLiteral("Przeboje"));
    EXPECT_FALSE(dialog.Accept(List));
    EXPECT_EQ(Prompt.Texts(TBoxKind::bkWarning),
              QStringList{QStringLiteral("Kategoria o nazwie \"Przeboje\" już istnieje.")});
    dialog.SetName(QStringLiteral("przeboje"));
    EXPECT_TRUE(dialog.Accept(List));
}

TEST_F(CategoryEditingTest, AnEditKeepingItsNamePassesTheCheck) {
    TBaseClockObject* object = AddCategory(QStringLiteral("Przeboje"));
    AddCategory(QStringLiteral("Ballady"));
    TObjDialogModel dialog(*object);
    EXPECT_TRUE(dialog.Accept(List));
    dialog.SetName(QStringLiteral("Ballady"));
    EXPECT_FALSE(dialog.Accept(List));
    EXPECT_EQ(Prompt.Texts(TBoxKind::bkWarning).size(), 1);
}

TEST_F(CategoryEditingTest, CreatesTheObjectOfTheChosenKindWithTheDialogsValues) {
    TObjDialogModel dialog;
    dialog.SelectKind(otBlank);
    dialog.SetName(QStringLiteral("Pogoda"));
    dialog.SetSCat(15);
    dialog.SetPlayTimeText(QStringLiteral("00:01:30"));
    dialog.SetInfoLines({QStringLiteral("Prognoza pogody"), QStringLiteral("Region")});
    const auto object = dialog.CreateObject();
    const auto* blank = dynamic_cast<const TBlankCategory*>(object.get());
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(blank->ObjName(), QStringLiteral("Pogoda"));
    EXPECT_EQ(blank->SCat(), 15);
    EXPECT_EQ(blank->GetPlayTime(), 90);
    EXPECT_TRUE(blank->ExTime());
    EXPECT_TRUE(blank->Rest());
    EXPECT_EQ(blank->Info, QStringLiteral("\"Prognoza pogody\",Region"));

    TObjDialogModel listDialog;
    listDialog.SelectKind(otPlayList);
    listDialog.SetName(QStringLiteral("Lista"));
    listDialog.AddSong(8);
    listDialog.AddSong(3);
    listDialog.SetRndList(true);
    const auto list = listDialog.CreateObject();
    const auto& l = dynamic_cast<const TDetailPlayList&>(*list);
    EXPECT_EQ(l.Songs(), (std::vector<int>{8, 3}));
    EXPECT_TRUE(l.RndList());
    EXPECT_TRUE(l.RepList());
    EXPECT_TRUE(l.HPrior());
    EXPECT_EQ(l.SepEnb(), smOff);
}

// Records, at each change told, the settings the edit writes in turn.
class TStateListener final : public INotifyListener {
public:
    void Notify(TNotifyKind, TBaseClockObject* o) override {
        States.append(QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                          .arg(o->ObjName())
                          .arg(int(o->SCat()))
                          .arg(int(o->Rest()))
                          .arg(int(o->HPrior()))
                          .arg(int(o->SepEnb()))
                          .arg(o->GetPlayTime())
                          .arg(int(o->ExTime())));
    }
    QStringList States;
};

TEST_F(CategoryEditingTest, AnEditWritesTheValuesInItsOrder) {
    TBaseClockObject* object = AddCategory(QStringLiteral("a"));
    object->SetExTime(false);
    TObjDialogModel dialog(*object);
    dialog.SetName(QStringLiteral("b"));
    dialog.SetSCat(2);
    dialog.ClickRest(false);
    dialog.ClickHPrior(true);
    dialog.SetSepEnb(smOn);
    dialog.SetPlayTimeText(QStringLiteral("00:04:00"));
    dialog.SetExTime(true);
    dialog.SetCharBox(ckTempo, {true, QStringLiteral("Wolne")});
    TStateListener listener;
    List.AddListener(&listener);
    ASSERT_FALSE(object->ExTime());

    EXPECT_TRUE(Window.ApplyEdit(dialog, *object));
    EXPECT_EQ(listener.States, (QStringList{
                                   QStringLiteral("b 1 1 0 2 210 0"),
                                   QStringLiteral("b 2 1 0 2 210 0"),
                                   QStringLiteral("b 2 0 0 2 210 0"),
                                   QStringLiteral("b 2 0 1 2 210 0"),
                                   QStringLiteral("b 2 0 1 0 210 0"),
                                   QStringLiteral("b 2 0 1 0 240 0"),
                                   QStringLiteral("b 2 0 1 0 240 1"),
                               }));
    EXPECT_EQ(object->Properties.Tempo, TPropArray{1});
    EXPECT_TRUE(Window.Edited());
}

TEST_F(CategoryEditingTest, AnEditFillsTheDialogFromTheObject) {
    auto source = std::make_unique<TDetailPlayList>();
    source->SetName(QStringLiteral("Lista"));
    source->SetRest(false);
    source->SetHPrior(false);
    source->SetSepEnb(smOn);
    source->SetSCat(7);
    source->SetPlayTime(95);
    source->AddSong(4);
    source->SetRndList(true);
    TBaseClockObject* object = List.AddObject(std::move(source));
    const auto dialog = Window.EditDialog(*object);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->IsNew());
    EXPECT_EQ(dialog->Kind(), otPlayList);
    EXPECT_EQ(dialog->KindName(), QStringLiteral("Lista"));
    EXPECT_FALSE(dialog->Rest()) << "the object's ticks, not the kind's";
    EXPECT_FALSE(dialog->HPrior());
    EXPECT_EQ(dialog->SepEnb(), smOn);
    EXPECT_EQ(dialog->SCat(), 7);
    EXPECT_EQ(dialog->PlayTimeText(), QStringLiteral("00:01:35"));
    EXPECT_EQ(dialog->Songs(), QList<int>{4});
    EXPECT_TRUE(dialog->RndList());

    auto category = std::make_unique<TCategory>();
    category->SetName(QStringLiteral("Wolne"));
    category->Properties.Tempo = {1, 3};
    category->Properties.Lab2 = QStringLiteral("EMI");
    const auto frame = Window.EditDialog(*List.AddObject(std::move(category)));
    EXPECT_EQ(frame->CharBox(ckTempo).Ticked, true);
    EXPECT_EQ(frame->CharBox(ckTempo).Text, QStringLiteral("Wolne,Szybkie"));
    EXPECT_FALSE(frame->CharBox(ckYears).Ticked);
    EXPECT_FALSE(frame->LabelBox(0).Ticked);
    EXPECT_EQ(frame->LabelBox(1).Text, QStringLiteral("EMI"));
}

TEST_F(CategoryEditingTest, APredefinedObjectKeepsItsNameCategoryAndText) {
    TBaseClockObject* blank = List.FindById(AdvertBlankId);
    const auto dialog = Window.EditDialog(*blank);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->CanEditName());
    EXPECT_FALSE(dialog->CanEditSCat());
    EXPECT_FALSE(dialog->CanEditInfo());
    dialog->SetName(QStringLiteral("Inna"));
    dialog->SetSCat(12);
    dialog->SetInfoLines({QStringLiteral("x")});
    dialog->SelectKind(otCategory);
    EXPECT_EQ(dialog->InfoLines(), QStringList{QStringLiteral("Reklama o")});
    dialog->SetPlayTimeText(QStringLiteral("00:02:00"));
    Window.ApplyEdit(*dialog, *blank);
    const auto& b = dynamic_cast<const TBlankCategory&>(*blank);
    EXPECT_EQ(b.ObjName(), QStringLiteral("Reklama o"));
    EXPECT_EQ(b.SCat(), 3);
    EXPECT_EQ(b.Info, QStringLiteral("\"Reklama o\""));
    EXPECT_EQ(b.GetPlayTime(), 120);
}

// --- The window

TEST_F(CategoryEditingTest, LinesAreSortedByNameIgnoringLetterCase) {
    for (const char* name : {"ballady", "Archiwum", "Złote", "Cisza"})
        AddCategory(QString::fromUtf8(name));
    QStringList names;
    for (const TBaseClockObject* object : Window.Lines())
        names.append(object->ObjName());
    EXPECT_EQ(names, (QStringList{QStringLiteral("Archiwum"), QStringLiteral("ballady"),
                                  QStringLiteral("Cisza"), QStringLiteral("Reklama o"),
                                  QStringLiteral("Złote")}));
}

TEST_F(CategoryEditingTest, NewAddsTheObjectUnderTheNextId) {
    TRecordingListener listener;
    List.AddListener(&listener);
    TObjDialogModel dialog = Window.NewDialog();
    dialog.SetName(QStringLiteral("Hity"));
    TBaseClockObject* added = Window.AddNew(dialog);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Id, 0);
    EXPECT_EQ(added->Owner, &List);
    ASSERT_EQ(listener.Events.size(), 1u);
    EXPECT_EQ(listener.Events[0].Kind, nkAdded);
    EXPECT_TRUE(Window.Edited());
}

TEST_F(CategoryEditingTest, EditingAnUnsupportedKindIsRefused) {
    List.AddObject(std::make_unique<TBroadcastItem>(), 9990);
    EXPECT_EQ(Window.EditDialog(*List.FindById(9990)), nullptr);
    EXPECT_EQ(
        Prompt.Texts(TBoxKind::bkInformation),
        QStringList{QStringLiteral("Kategoria tego typu jest niedostępna w tej wersji programu.")});
}

TEST_F(CategoryEditingTest, AnEditReachesTheBroadcastItemsOfTheObject) {
    CategoryList = std::make_unique<TClockObjList>();
    TCategoryWindowModel window(*CategoryList);
    auto category = std::make_unique<TCategory>();
    category->SetName(QStringLiteral("a"));
    TBaseClockObject* master = CategoryList->AddObject(std::move(category));
    {
        TBroadcastItem item;
        item.SetMasterId(master->Id);
        TObjDialogModel dialog(*master);
        dialog.SetName(QStringLiteral("b"));
        dialog.SetPlayTimeText(QStringLiteral("00:05:00"));
        window.ApplyEdit(dialog, *master);
        EXPECT_EQ(item.ObjName(), QStringLiteral("b"));
        EXPECT_EQ(item.GetPlayTime(), 300);
    }
    CategoryList.reset();
}

struct TDeleteCase {
    const char* What;
    std::vector<const char*> Selected;
    std::initializer_list<bool> Answers;
    std::vector<const char*> Left;
    int Questions;
    bool Notice;
};

TEST_F(CategoryEditingTest, DeleteAsksForEachAndStopsAtNoOrAPredefinedObject) {
    const TDeleteCase cases[] = {
        {"yes to both", {"a", "b"}, {true, true}, {"Reklama o"}, 2, false},
        {"no stops the walk", {"a", "b"}, {true, false}, {"b", "Reklama o"}, 2, false},
        {"the predefined blank stops it",
         {"a", "Reklama o", "b"},
         {true, true},
         {"b", "Reklama o"},
         1,
         true},
    };
    for (const TDeleteCase& c : cases) {
        TClockObjList list;
        list.EnsurePredefined();
        TCategoryWindowModel window(list);
        for (const char* name : {"a", "b"}) {
            auto category = std::make_unique<TCategory>();
            category->SetName(QString::fromUtf8(name));
            list.AddObject(std::move(category));
        }
        std::vector<TBaseClockObject*> selected;
        for (const char* name : c.Selected)
            selected.push_back(list.FindByName(QString::fromUtf8(name)));
        Prompt.Clear();
        Prompt.QueueAnswers(c.Answers);

        const std::vector<int> deleted = window.DeleteSelected(selected);
        QStringList left;
        for (const TBaseClockObject* object : window.Lines())
            left.append(object->ObjName());
        QStringList expectedLeft;
        for (const char* name : c.Left)
            expectedLeft.append(QString::fromUtf8(name));
        EXPECT_EQ(left, expectedLeft) << c.What;
        EXPECT_EQ(static_cast<int>(deleted.size()), 3 - list.Count()) << c.What;
        EXPECT_EQ(Prompt.Questions(),
                  QStringList(c.Questions, QStringLiteral("Czy na pewno usunąć kategorię?")))
            << c.What;
        EXPECT_EQ(Prompt.Texts(TBoxKind::bkInformation),
                  c.Notice ? QStringList{QStringLiteral(
                                 "Ta ketoegoria nie może zostać usunięta, ponieważ jest to "
                                 "kategoria predefiniowana.")}
                           : QStringList())
            << c.What;
    }
}

TEST_F(CategoryEditingTest, ClosingWithOkAfterAChangeSavesTheList) {
    const QString path = Station.Path(CategoryListFileName);
    Window.Close(true);
    EXPECT_FALSE(QFileInfo::exists(path)) << "nothing was changed";

    TObjDialogModel dialog;
    dialog.SetName(QStringLiteral("x"));
    Window.AddNew(dialog);
    Window.Close(false);
    EXPECT_FALSE(QFileInfo::exists(path)) << "closed without OK";
    Window.Close(true);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_FALSE(List.Modified());
}

// --- Comma text of a blank's information

struct TCommaTextCase {
    QStringList Lines;
    const char* Text;
};

TEST(CommaText, QuotesOnlyTheLinesThatNeedIt) {
    const TCommaTextCase cases[] = {
        {{}, ""},
        {{QStringLiteral("Reklama o")}, "\"Reklama o\""},
        {{QStringLiteral("a"), QStringLiteral("b")}, "a,b"},
        {{QString()}, "\"\""},
        {{QStringLiteral("a"), QString()}, "a,"},
        {{QStringLiteral("say \"hi\"")}, "\"say \"\"hi\"\"\""},
        {{QStringLiteral("x,y")}, "\"x,y\""},
        {{QStringLiteral("Serwis"), QStringLiteral("Pogoda dla regionu")},
         "Serwis,\"Pogoda dla regionu\""},
    };
    for (const TCommaTextCase& c : cases) {
        EXPECT_EQ(CommaTextOf(c.Lines), QString::fromUtf8(c.Text)) << c.Text;
        EXPECT_EQ(LinesOfCommaText(QString::fromUtf8(c.Text)), c.Lines) << c.Text;
    }
}

TEST(CommaText, BlanksOutsideQuotesSeparateToo) {
    EXPECT_EQ(LinesOfCommaText(QStringLiteral(" a b ,c")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(LinesOfCommaText(QStringLiteral("\"open")), QStringList{QStringLiteral("open")});
}

} // namespace
