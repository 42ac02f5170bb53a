#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "clocks/uClockObjList.h"
#include "generator/RandTimerFixture.h"
#include "generator/uFillGenerator.h"
#include "generator/uRandListData.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <stdexcept>

// --- Stretches between fixed hours

struct TSlotLayout {
    int Start; // s
    int Time;  // s
    bool OwnHour;
};
struct TRangeLayout {
    int Start; // s
    int End;   // s
    int Slots;
};
struct TBuildRangesCase {
    const char* Name;
    std::vector<TSlotLayout> Slots;
    std::vector<TRangeLayout> Ranges;
    std::vector<bool> ExactTime;
    std::vector<int> SlotTimes; // s, after the build
};

class BuildRangesTest : public RandTimerFixture,
                        public ::testing::WithParamInterface<TBuildRangesCase> {};

TEST_P(BuildRangesTest, SplitsAtFixedHoursAndStretchesLoneSlots) {
    const TBuildRangesCase& c = GetParam();
    for (const TSlotLayout& slot : c.Slots)
        AddCategory(slot.Start, slot.Time, 1, slot.OwnHour);
    Timer->BuildRanges();
    ASSERT_EQ(Timer->RangeCount(), static_cast<int>(c.Ranges.size()));
    for (size_t r = 0; r < c.Ranges.size(); ++r) {
        const TTimerRange& range = Timer->Range(static_cast<int>(r));
        EXPECT_EQ(range.Start, c.Ranges[r].Start * 1000) << "range " << r;
        EXPECT_EQ(range.End, c.Ranges[r].End * 1000) << "range " << r;
        EXPECT_EQ(range.Length, range.End - range.Start);
        EXPECT_EQ(range.SlotCount(), c.Ranges[r].Slots) << "range " << r;
        EXPECT_EQ(range.FreeTime(), range.Length);
    }
    for (int i = 0; i < Timer->DrawObjectCount(); ++i) {
        EXPECT_EQ(Timer->DrawObject(i).ExTime, c.ExactTime[i]) << "slot " << i;
        EXPECT_EQ(Timer->DrawObject(i).SlotTime, c.SlotTimes[i] * 1000) << "slot " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuildRangesTest,
    ::testing::Values(
        TBuildRangesCase{
            "OneRangeLoneSlotKeepsItsLength", {{0, 200, true}}, {{0, 200, 1}}, {false}, {200}},
        TBuildRangesCase{"LoneSlotBetweenFixedHoursIsStretched",
                         {{0, 200, true},
                          {200, 200, false},
                          {1000, 200, true},
                          {1500, 200, true},
                          {1700, 200, false}},
                         {{0, 1000, 2}, {1000, 1500, 1}, {1500, 1900, 2}},
                         {false, false, true, false, false},
                         {200, 200, 500, 200, 200}},
        TBuildRangesCase{"LastLoneSlotIsExactWithItsOwnLength",
                         {{0, 200, false}, {200, 200, false}, {1000, 300, true}},
                         {{0, 1000, 2}, {1000, 1300, 1}},
                         {false, false, true},
                         {200, 200, 300}},
        TBuildRangesCase{"NoSlotsNoRanges", {}, {}, {}, {}}),
    [](const auto& info) { return std::string(info.param.Name); });

// --- Runs

TEST_F(RandTimerFixture, PassesDrawHighPriorityThenExactTimeThenTheRest) {
    AddSongs(1, {200, 210, 220, 230, 240, 250, 260, 270});
    TRandObj* plain = AddCategory(0, 200);
    TRandObj* exact = AddCategory(200, 200);
    exact->ExTime = true;
    TBlankObj* blank = AddBlank(400, 60);
    blank->HPrior = true;
    TRandObj* filtered = AddCategory(460, 200);
    filtered->Lab1 = QStringLiteral("Etykieta, której nie ma");
    AddBlank(660, 60, true); // a fixed end, so the first stretch is fitted

    Timer->Run();

    EXPECT_EQ(plain->PassClass, TPassClass::Plain);
    EXPECT_EQ(exact->PassClass, TPassClass::ExactTime);
    EXPECT_EQ(blank->PassClass, TPassClass::HighPriority);
    EXPECT_EQ(filtered->PassClass, TPassClass::Filtered);
    const TTimerRange& range = Timer->Range(0);
    ASSERT_EQ(range.SlotCount(), 4);
    auto serial = [&](int slot) { return range.Item(slot)->Song->Serial; };
    EXPECT_LT(serial(2), serial(1));
    EXPECT_LT(serial(1), std::min(serial(0), serial(3)));
    EXPECT_EQ(Receiver.Items.size(), 5u);
    EXPECT_TRUE(Prompt.Errors().isEmpty());
}

TEST_F(RandTimerFixture, ExactTimeSlotPlaysExactlyItsLengthFromLongEnoughSongs) {
    const std::vector<int> shortSongs = AddSongs(1, {120, 150});
    AddSongs(1, {240, 260}, QStringLiteral("Długi"));
    AddCategory(0, 180)->ExTime = true;

    Timer->Run();

    ASSERT_EQ(Receiver.Items.size(), 1u);
    const TResultItem& item = Receiver.Items[0];
    EXPECT_EQ(item.Duration, 180000);
    EXPECT_EQ(item.Time, 180000);
    EXPECT_EQ(std::count(shortSongs.begin(), shortSongs.end(), item.SongId), 0);
}

TEST_F(RandTimerFixture, LoneSlotBetweenFixedHoursFillsTheGapExactly) {
    AddSongs(1, {400, 420, 450});
    AddBlank(0, 60, true);
    AddCategory(60, 200, 1, true);
    AddBlank(360, 60, true);

    Timer->Run();

    ASSERT_EQ(Receiver.Items.size(), 3u);
    EXPECT_EQ(Receiver.Items[1].Start, 60000);
    EXPECT_EQ(Receiver.Items[1].Duration, 300000);
    EXPECT_EQ(Receiver.Items[1].Time, 300000);
    EXPECT_EQ(Receiver.Items[2].Start, 360000);
}

TEST_F(RandTimerFixture, SlotWithoutCandidateStopsTheRunAndKeepsWhatWasDrawn) {
    AddSongs(1, {200, 210, 220});
    AddCategory(0, 200);
    AddCategory(200, 200, 6, false, QStringLiteral("Ballady")); // no ballads in the library
    AddCategory(400, 200);

    Timer->Run();

    EXPECT_TRUE(Timer->IsCancelled());
    EXPECT_EQ(Prompt.Errors(),
              QStringList{QStringLiteral("Brak dostepnej pozycji dla kategorii Ballady")});
    ASSERT_EQ(Receiver.Items.size(), 1u);
    EXPECT_EQ(Receiver.Items[0].Start, 0);
}

// Presses "Przerwij" once a number of songs have been drawn.
class TCancellingPrompt final : public IPrompt {
public:
    TCancellingPrompt(TRandTimer& timer, int drawn) : Timer(timer), Drawn(drawn) {}
    void ShowMessage(TBoxKind, const QString& text) override { Texts.append(text); }
    bool AskYesNo(TBoxKind, const QString&) override { return false; }
    void SetBusyCursor(bool) override {}
    void ProcessEvents() override {
        if (Timer.SongHistory().Count() >= Drawn)
            Timer.Cancel();
    }
    QStringList Texts;

private:
    TRandTimer& Timer;
    int Drawn;
};

TEST_F(RandTimerFixture, CancelledRunHandsOverThePartialList) {
    AddSongs(1, {200, 210, 220, 230, 240, 250, 260, 270, 280, 290});
    for (int i = 0; i < 8; ++i)
        AddCategory(i * 200, 200);
    TCancellingPrompt cancelling(*Timer, 2);
    SetPrompt(&cancelling);
    Timer->Run();
    SetPrompt(&Prompt);

    EXPECT_TRUE(Timer->IsCancelled());
    EXPECT_TRUE(cancelling.Texts.isEmpty());
    EXPECT_GE(Receiver.Items.size(), 2u);
    EXPECT_LT(Receiver.Items.size(), 8u);
}

TEST_F(RandTimerFixture, ClockWithoutRowsWritesAnEmptyListPositionFile) {
    Timer->Run();
    EXPECT_TRUE(Receiver.Items.empty());
    EXPECT_EQ(Timer->RangeCount(), 0);
    const QString path = ListPositionFile(Day());
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

// A slot whose draw fails as a broken store would.
class TFailingSlot final : public TBaseRandObj {
public:
    using TBaseRandObj::TBaseRandObj;
    TPassClass ClassifyPass() override { return PassClass = TPassClass::Plain; }
    bool IsCuttable() const override { return false; }
    void Prepare(TMainBaseQuery&) override { ClassifyPass(); }
    std::unique_ptr<TRandedItem> Draw(int, int, int, bool, bool) override {
        throw std::runtime_error("database disk image is malformed");
    }
};

TEST_F(RandTimerFixture, ErrorInTheRunIsReportedAndGivesNoOutput) {
    AddSongs(1, {200, 210});
    AddCategory(0, 200);
    AddSlot<TFailingSlot>(200, 200, 1);

    Timer->Run();

    EXPECT_EQ(Prompt.Errors(),
              QStringList{QStringLiteral("Błąd losowania: database disk image is malformed")});
    EXPECT_TRUE(Receiver.Items.empty());
    EXPECT_TRUE(Timer->Failed());
    EXPECT_FALSE(QFile::exists(ListPositionFile(Day()))) << "a failed run keeps no draw lists";
}

// --- Method A: the needed length of a slot

TEST_F(RandTimerFixture, AveragesLeaveOutExactTimeAndUnknownCategories) {
    TRandObj* first = AddCategory(0, 200);
    TRandObj* second = AddCategory(200, 300);
    TRandObj* unknown = AddCategory(500, 100, 99);
    TRandObj* exact = AddCategory(600, 50);
    exact->ExTime = true;
    TRandObj* other = AddCategory(650, 120, 2);
    Timer->DrawMode = 1;
    Timer->BuildRanges();
    SetPassSlots(*Timer, {0, 1, 2, 3, 4});
    ComputeAverages(*Timer, Timer->Range(0));

    EXPECT_EQ(NeededTime(*Timer, *first), 250000);
    EXPECT_EQ(NeededTime(*Timer, *second), 250000);
    EXPECT_EQ(NeededTime(*Timer, *unknown), 100000);
    EXPECT_EQ(NeededTime(*Timer, *exact), 250000);
    EXPECT_EQ(NeededTime(*Timer, *other), 120000);

    Timer->DrawMode = 2;
    EXPECT_EQ(NeededTime(*Timer, *first), 200000);
}

TEST_F(RandTimerFixture, SlotOfUnknownCategoryIsDrawnInMethodA) {
    AddSongs(99, {200, 210});
    AddSongs(1, {200, 210, 220});
    AddCategory(0, 200);
    AddCategory(200, 200, 99, false, QStringLiteral("Nieznana"));
    AddCategory(400, 200);
    Timer->DrawMode = 1;

    Timer->Run();

    EXPECT_TRUE(Prompt.Errors().isEmpty());
    ASSERT_EQ(Receiver.Items.size(), 3u);
    EXPECT_EQ(Receiver.Items[1].Category, 99);
}

// --- Building the slots from a clock

class FillGeneratorTest : public RandTimerFixture {
protected:
    void SetUp() override {
        RandTimerFixture::SetUp();
        CreateCategoryList();
        CreateBroadcastList();
    }
    void TearDown() override {
        FreeBroadcastList();
        FreeCategoryList();
        RandTimerFixture::TearDown();
    }

    // A clock file with the rows given as markup.
    QString WriteClock(const QString& rows) {
        const QString path = Station.Path(QStringLiteral("test.ctm"));
        EXPECT_TRUE(WriteFileBytes(
            path,
            (QStringLiteral("\r\n<clock name=\"test\">\r\n") + rows + "</clock>\r\n").toUtf8()));
        return path;
    }
};

TEST_F(FillGeneratorTest, UndefinedRowRefusesTheBuild) {
    TClock clock;
    ASSERT_TRUE(clock.LoadClockFile(WriteClock(QStringLiteral(
        "<clObj clHour=\"0\" ownHour=\"1\" id=\"0\" exTime=\"0\" uexTime=\"0\"/>\r\n"
        "<clObj clHour=\"210\" ownHour=\"0\" id=\"9876\" exTime=\"0\" uexTime=\"0\"/>\r\n"))));
    ASSERT_EQ(clock.RowCount(), 2);
    Prompt.Clear();

    const TClockObjData* failed = nullptr;
    EXPECT_FALSE(FillGenerator(clock, *Timer, &failed));

    EXPECT_EQ(failed, clock.Row(1));
    EXPECT_EQ(Prompt.Texts(TBoxKind::bkWarning),
              QStringList{QStringLiteral(
                  "Zegar zawiera niezdefiniowaną kategorię. Operacje nie może być kontynuowana.")});
}

TEST_F(FillGeneratorTest, RowsBecomeSlotsWithTheirSettings) {
    TClock clock;
    ASSERT_TRUE(clock.LoadClockFile(WriteClock(QStringLiteral(
        "<clObj clHour=\"0\" ownHour=\"1\" id=\"0\" exTime=\"0\" uexTime=\"0\"/>\r\n"
        "<clObj clHour=\"210\" ownHour=\"0\" id=\"14\" exTime=\"0\" uexTime=\"0\"/>\r\n"))));
    ASSERT_TRUE(FillGenerator(clock, *Timer));

    ASSERT_EQ(Timer->DrawObjectCount(), 2);
    const auto* music = dynamic_cast<const TRandObj*>(&Timer->DrawObject(0));
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(music->SlotStart, 0);
    EXPECT_EQ(music->SlotTime, 210000);
    EXPECT_TRUE(music->OwnHour);
    EXPECT_EQ(music->SCat, 1);
    EXPECT_FALSE(music->Rest);
    EXPECT_EQ(music->SlotName, QStringLiteral("Muzyka"));
    const auto* blank = dynamic_cast<const TBlankObj*>(&Timer->DrawObject(1));
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(blank->SlotStart, 210000);
    EXPECT_EQ(blank->SCat, 13);
    EXPECT_EQ(blank->Info, QStringLiteral("\"Zapowiedź prezentera\""));
}

TEST_F(FillGeneratorTest, BlockedLabelInAListIsAskedThroughThePrompt) {
    TTestSong song;
    song.Title = QStringLiteral("Zakazany");
    song.Artist = QStringLiteral("Zespół");
    song.Label1 = AddLabel(QStringLiteral("Wytwórnia"));
    const int songId = AddTestSong(song);
    DisabledLabels->Replace({{QStringLiteral("Wytwórnia"), song.Label1}});
    TDetailPlayList list;
    list.SetName(QStringLiteral("Lista dnia"));
    list.AddSong(songId);
    Prompt.QueueAnswers({false});

    EXPECT_EQ(Timer->GetListData(list), nullptr);

    EXPECT_EQ(Prompt.Texts(TBoxKind::bkWarning),
              QStringList{QStringLiteral(
                  "Kategoria \"Lista dnia\" typu Lista, zawiera utwór \"Zespół - Zakazany\", "
                  "ktory ma przypisaną etykietę \"Wytwórnia\".\r\nEtykieta ta znajduje się na "
                  "liście Blokady etykiet.\r\nCzy mimo to, kontynuowac dobieranie utworów?\r\n"
                  "UWAGA: W razie akceceptacji, utwór ten zostanie umieszczony na Play Liście, "
                  "pomimo blokady!")});
}
