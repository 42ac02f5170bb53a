#include "clocks/ClockFixture.h"

#include <vector>

namespace {

const QString kConfirmDelete = QStringLiteral("Czy usunąć pozycję z zegara?");

// A clock in clock mode over the fixture's lists.
class ClockTest : public TClockFixture {
protected:
    void SetUp() override {
        TClockFixture::SetUp();
        Clock = std::make_unique<TClock>(cmClock);
    }
    void TearDown() override {
        Clock.reset();
        TClockFixture::TearDown();
    }

    TClockObjData* Add(const TBaseClockObject* object) const {
        return Clock->InsertObjects(*object, nullptr, ipAfter);
    }
    // Rows of the objects; a fixed hour (>= 0) is set on the row after all were added.
    struct TRowSpec {
        const TBaseClockObject* Object;
        int FixedHour = -1;
    };
    void Build(const std::vector<TRowSpec>& rows) const {
        for (const TRowSpec& row : rows)
            Add(row.Object);
        int index = 0;
        for (const TRowSpec& row : rows) {
            if (row.FixedHour >= 0) {
                ASSERT_TRUE(Clock->SetRowHour(Clock->Row(index), row.FixedHour, true));
            }
            ++index;
        }
    }
    std::vector<int> Hours() const { return HoursOf(Clock->Rows()); }
    static std::vector<int> HoursOf(const TClockRows& rows) {
        std::vector<int> hours;
        for (const auto& row : rows)
            hours.push_back(row->RowHour);
        return hours;
    }
    QStringList Names() const {
        QStringList names;
        for (const auto& row : Clock->Rows())
            names.append(row->Name());
        return names;
    }
    std::vector<bool> Fixed() const {
        std::vector<bool> fixed;
        for (const auto& row : Clock->Rows())
            fixed.push_back(row->OwnHour());
        return fixed;
    }

    std::unique_ptr<TClock> Clock;
};

// --- Rows filled from objects

TEST_F(ClockTest, ARowShowsItsObjectsConditionsAndAnyForTheRest) {
    const TClockObjData* hits = Add(Hits);
    const TClockObjData* news = Add(News);
    const QStringList expected = {QStringLiteral("00:00:00"), QStringLiteral("Przeboje"),
                                  QStringLiteral("00:03:30"), QStringLiteral("dowolny"),
                                  QStringLiteral("Szybkie"),  QStringLiteral("Polski,Angielski"),
                                  QStringLiteral("dowolny"),  QStringLiteral("dowolne"),
                                  QStringLiteral("dowolny"),  QStringLiteral("AND")};
    for (int column = 0; column < ClockColumnCount; ++column) {
        EXPECT_EQ(hits->CellText(column), expected[column]) << column;
        if (column > ccTime) {
            EXPECT_TRUE(news->CellText(column).isEmpty()) << "a blank has no conditions";
        }
    }
    EXPECT_EQ(hits->ImageIndex, otCategory);
    EXPECT_EQ(news->ImageIndex, otBlank);
    EXPECT_NE(hits->Object(), Hits) << "the clock holds its own copy";
}

TEST_F(ClockTest, TheEditorEditsOnlyTheCellsTheRowsObjectHas) {
    // A broadcast of a category, a blank and a list, besides the objects themselves.
    TBroadcast* mixed = BroadcastList->AddBroadcast(
        NewBroadcast(QStringLiteral("Mieszana"), {Hits, Jingle, Songs}));
    Build({{Hits}, {Songs}, {News}, {mixed}});
    TClockObjData* broadcast = Clock->Row(3);
    ASSERT_EQ(broadcast->Children.size(), 3u);
    TClockObjData gone;
    const struct {
        const char* What;
        const TClockObjData* Row;
        const char* Editable; // one mark per column, "x" editable
    } cases[] = {
        {"a basic category", Clock->Row(0), "x.xxxxxxxx"},
        {"a list", Clock->Row(1), "x.x......."},
        {"a blank", Clock->Row(2), "x.x......."},
        {"a broadcast", broadcast, ".........."},
        {"an item of a category", broadcast->Children[0].get(), "...xxxxxxx"},
        {"an item of a blank", broadcast->Children[1].get(), ".........."},
        {"an item of a list", broadcast->Children[2].get(), ".........."},
        {"a row whose object is gone", &gone, ".........."},
    };
    for (const auto& c : cases) {
        QString marks;
        for (int column = 0; column < ClockColumnCount; ++column)
            marks += IsEditableCell(*c.Row, column) ? QLatin1Char('x') : QLatin1Char('.');
        EXPECT_EQ(marks.toStdString(), c.Editable) << c.What;
    }
}

TEST_F(ClockTest, ABroadcastRowsLengthIsSetInMinutesAndTheRowsAfterFollow) {
    TBroadcast* free = AddNewsBroadcast();
    TBroadcast* pinned = AddPinnedBroadcast(QStringLiteral("Poranek"), 3600, 300);
    Build({{Hits}, {free}, {Ballads}, {pinned}, {Hits}});
    TClockObjData* freeRow = Clock->Row(1);
    EXPECT_EQ(TClock::BroadcastRowBegin(*freeRow), freeRow->RowHour) << "its start";
    Clock->Modified = false;
    ASSERT_TRUE(Clock->SetBroadcastRowLength(freeRow, 5));
    EXPECT_EQ(freeRow->RowPlayTime, 300);
    EXPECT_EQ(Clock->Row(2)->RowHour, freeRow->RowHour + 300);
    EXPECT_TRUE(Clock->Modified);

    TClockObjData* pinnedRow = Clock->Row(3);
    EXPECT_EQ(TClock::BroadcastRowBegin(*pinnedRow), 3600) << "its pinned begin";
    ASSERT_TRUE(Clock->SetBroadcastRowLength(pinnedRow, 10));
    EXPECT_EQ(pinnedRow->RowPlayTime, 600) << "from the begin to the new end";
    EXPECT_EQ(Clock->Row(4)->RowHour, 3600 + 300) << "the row fixed at its old end stays";

    EXPECT_FALSE(Clock->SetBroadcastRowLength(Clock->Row(0), 5)) << "no broadcast";
    EXPECT_FALSE(Clock->SetBroadcastRowLength(nullptr, 5));
}

TEST_F(ClockTest, OnlyTheAdvertisementBlankTakesATitle) {
    CategoryList->EnsurePredefined();
    Build({{CategoryList->FindById(AdvertBlankId)}, {News}});
    Clock->Modified = false;
    EXPECT_TRUE(IsAdvertBlankRow(*Clock->Row(0)));
    ASSERT_TRUE(Clock->SetRowTitle(Clock->Row(0), QStringLiteral("Blok o ósmej")));
    EXPECT_EQ(Clock->Row(0)->Object()->UserInfo, QStringLiteral("Blok o ósmej"));
    EXPECT_TRUE(Clock->Modified) << "so it can be saved";
    EXPECT_FALSE(IsAdvertBlankRow(*Clock->Row(1)));
    EXPECT_FALSE(Clock->SetRowTitle(Clock->Row(1), QStringLiteral("x")));
}

TEST_F(ClockTest, DurationTextUsesThePolishFormsOfEachPart) {
    struct TCase {
        int Seconds;
        const char* Text;
    };
    const TCase cases[] = {
        {0, "0 godzin 0 minut 0 sekund "},
        {Hms(26, 5, 1), "1 dzień 2 godziny 5 minut 1 sekunda "},
        {Hms(0, 1), "0 godzin 1 minuta 0 sekund "},
        {Hms(0, 2), "0 godzin 2 minuty 0 sekund "},
        {Hms(0, 4), "0 godzin 4 minuty 0 sekund "},
        {Hms(0, 5), "0 godzin 5 minut 0 sekund "},
        {Hms(0, 12), "0 godzin 12 minut 0 sekund "},
        {Hms(0, 22), "0 godzin 22 minut 0 sekund "}, // only 2, 3 and 4 take "minuty"
        {Hms(1), "1 godzina 0 minut 0 sekund "},
        {Hms(3), "3 godziny 0 minut 0 sekund "},
        {Hms(21), "21 godzin 0 minut 0 sekund "},
        {Hms(72), "3 dni 0 godzin 0 minut 0 sekund "},
        {Hms(120, 0, 2), "5 dni 0 godzin 0 minut 2 sekundy "},
        {-5, "0 godzin 0 minut 0 sekund "},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(DurationText(c.Seconds), QString::fromUtf8(c.Text)) << c.Seconds;
}

// --- Inserting

TEST_F(ClockTest, InsertedRowsStartWhereTheirPredecessorEnds) {
    EXPECT_FALSE(Clock->Modified);
    int totals = 0;
    Clock->OnShowTotals = [&totals] { ++totals; };
    TClockObjData* hits = Add(Hits);
    TClockObjData* ballads = Add(Ballads);
    EXPECT_TRUE(Clock->Modified);
    EXPECT_GT(totals, 0);

    Clock->InsertObjects(*Jingle, ballads, ipBefore);
    Clock->InsertObjects(*News, hits, ipAfter);
    EXPECT_EQ(Names(), (QStringList{QStringLiteral("Przeboje"), QStringLiteral("Informacje"),
                                    QStringLiteral("Jingiel"), QStringLiteral("Ballady")}));
    EXPECT_EQ(Hours(), (std::vector<int>{0, 210, 390, 400}));
    EXPECT_EQ(Fixed(), (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(Clock->ClockTotalTime(), 640);
}

TEST_F(ClockTest, AFreeBroadcastFirstInTheClockIsFixedAtMidnight) {
    TBroadcast* news = AddNewsBroadcast();
    const TClockObjData* row = Add(news);
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(row->OwnHour());
    EXPECT_EQ(row->RowHour, 0);
    EXPECT_EQ(row->RowPlayTime, 200);
    EXPECT_EQ(row->ImageIndex, otBroadcast);
    ASSERT_EQ(row->Children.size(), 3u);
    EXPECT_EQ(HoursOf(row->Children), (std::vector<int>{0, 10, 190}));
    EXPECT_TRUE(row->Children[0]->OwnHour()) << "the first item carries the fixed start";
    EXPECT_FALSE(row->Children[1]->OwnHour());
    EXPECT_EQ(row->Children[1]->Name(), QStringLiteral("Informacje"));
    EXPECT_EQ(row->Children[1]->ImageIndex, otBlank);
    EXPECT_EQ(row->Children[1]->Parent, row);

    const TClockObjData* next = Add(Hits);
    EXPECT_EQ(next->RowHour, 200);
    EXPECT_FALSE(next->OwnHour()) << "a free broadcast sets no end";
}

TEST_F(ClockTest, AFreeBroadcastLaterInTheClockFollowsItsPredecessor) {
    Add(Hits);
    const TClockObjData* row = Add(AddNewsBroadcast());
    EXPECT_FALSE(row->OwnHour());
    EXPECT_EQ(HoursOf(row->Children), (std::vector<int>{210, 220, 400}));
    EXPECT_FALSE(row->Children[0]->OwnHour());
}

TEST_F(ClockTest, APinnedBroadcastTakesItsBeginAndFixesTheRowAfterItsEnd) {
    Add(Hits);
    const TClockObjData* row = Add(AddPinnedBroadcast(QStringLiteral("Serwis"), Hms(10), 1800));
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(row->OwnHour());
    EXPECT_EQ(row->RowHour, Hms(10));
    EXPECT_EQ(row->RowPlayTime, 1800);
    EXPECT_EQ(HoursOf(row->Children), (std::vector<int>{Hms(10), Hms(10, 0, 10), Hms(10, 3, 10)}));

    const TClockObjData* after = Add(Hits);
    EXPECT_TRUE(after->OwnHour());
    EXPECT_EQ(after->RowHour, Hms(10, 30));
}

TEST_F(ClockTest, APinnedBroadcastMustFitBetweenTheFixedHoursAroundTheDrop) {
    Build({{Hits}, {Ballads, Hms(12)}});
    TClockObjData* first = Clock->Row(0);
    TClockObjData* noon = Clock->Row(1);
    struct TCase {
        const char* What;
        int Begin;
        int Length;
        TClockObjData* Target;
        TInsertPosition Position;
        const char* Error; // nullptr: inserted
    };
    const TCase cases[] = {
        {"begins before the fixed row it follows", Hms(11), 1800, noon, ipAfter,
         "Niewłaściwa godzina początkowa 11:00:00. \r\nGodzina powinna być późniejsza niż "
         "12:00:00."},
        {"begins at the fixed row it follows", Hms(12), 600, noon, ipAfter,
         "Niewłaściwa godzina początkowa 12:00:00. \r\nGodzina powinna być późniejsza niż "
         "12:00:00."},
        {"runs into the next fixed row", Hms(11, 50), 1200, first, ipAfter,
         "Audycja o czasie trwania 00:20:00, nie zmieści się przed godziną 12:00:00."},
        {"at the end, with nothing fixed after it", Hms(13), 600, nullptr, ipAfter, nullptr},
        {"ends right at the next fixed row", Hms(11), 3600, first, ipAfter, nullptr},
        // Before the noon row the anchors are the rows around the drop, not the noon row itself.
        {"dropped before the fixed row it ends at", Hms(11, 30), 1800, noon, ipBefore, nullptr},
    };
    for (const TCase& c : cases) {
        Prompt.Clear();
        const int rows = Clock->RowCount();
        TBroadcast* pinned = AddPinnedBroadcast(QString::fromUtf8(c.What), c.Begin, c.Length);
        TClockObjData* row = Clock->InsertObjects(*pinned, c.Target, c.Position);
        if (c.Error == nullptr) {
            EXPECT_NE(row, nullptr) << c.What;
            EXPECT_TRUE(Prompt.Boxes.isEmpty()) << c.What;
            if (row != nullptr) {
                Prompt.QueueAnswers({true});
                Clock->DeleteRow(row);
            }
        } else {
            EXPECT_EQ(row, nullptr) << c.What;
            EXPECT_EQ(Prompt.Errors(), QStringList{QString::fromUtf8(c.Error)}) << c.What;
            EXPECT_EQ(Clock->RowCount(), rows) << c.What;
        }
    }
}

TEST_F(ClockTest, AnIncompleteBroadcastIsNotInserted) {
    const QString error = QStringLiteral("Audycja zawiera niezdefiniowane kategorie "
                                         "(prawdopodobnie wykasowane) i nie może zostać dodana.");
    TBroadcast* empty = BroadcastList->AddBroadcast(std::make_unique<TBroadcast>());
    TBroadcast* news = AddNewsBroadcast();
    CategoryList->DeleteById(News->Id);
    for (const TBroadcast* broadcast : {empty, news}) {
        Prompt.Clear();
        EXPECT_EQ(Add(broadcast), nullptr);
        EXPECT_EQ(Prompt.Errors(), QStringList{error});
    }
    EXPECT_EQ(Clock->RowCount(), 0);
    EXPECT_FALSE(Clock->Modified);
}

TEST_F(ClockTest, RowsGoInAtTheTopLevelOnly) {
    const TClockObjData* broadcast = Add(AddNewsBroadcast());
    EXPECT_EQ(Clock->InsertObjects(*Hits, broadcast->Children[1].get(), ipAfter), nullptr);
    EXPECT_EQ(Clock->RowCount(), 1);
    EXPECT_EQ(broadcast->Children.size(), 3u);
}

// --- Deleting

TEST_F(ClockTest, DeletesARowOnlyAfterYesAndRecomputesTheHoursAfterIt) {
    Build({{Hits}, {Ballads}, {News}});
    EXPECT_FALSE(Clock->DeleteRow(Clock->Row(1)));
    EXPECT_EQ(Clock->RowCount(), 3);
    EXPECT_EQ(Prompt.Questions(), QStringList{kConfirmDelete});

    Prompt.QueueAnswers({true, true});
    Clock->Modified = false;
    EXPECT_TRUE(Clock->DeleteRow(Clock->Row(1)));
    EXPECT_EQ(Names(), (QStringList{QStringLiteral("Przeboje"), QStringLiteral("Informacje")}));
    EXPECT_EQ(Hours(), (std::vector<int>{0, 210}));
    EXPECT_TRUE(Clock->Modified);

    EXPECT_TRUE(Clock->DeleteRow(Clock->Row(0)));
    EXPECT_EQ(Hours(), (std::vector<int>{210})) << "the new first row keeps its start";
}

TEST_F(ClockTest, ABroadcastsItemsAreNotDeletedOneByOne) {
    const TClockObjData* broadcast = Add(AddNewsBroadcast());
    Prompt.DefaultAnswer = true;
    EXPECT_FALSE(Clock->DeleteRow(broadcast->Children[0].get()));
    EXPECT_TRUE(Prompt.Questions().isEmpty());
}

// --- Moving

struct TMoveCase {
    const char* What;
    bool Up;
    int Index;
    QStringList Names;
    std::vector<int> Hours;
    std::vector<bool> Fixed;
};

TEST_F(ClockTest, MovesKeepFixedHoursInPlace) {
    const QString hits = QStringLiteral("Przeboje");
    const QString ballads = QStringLiteral("Ballady");
    const QString news = QStringLiteral("Informacje");
    const QString jingle = QStringLiteral("Jingiel");
    struct TCase {
        std::vector<TRowSpec> Rows;
        TMoveCase Move;
    };
    const TCase cases[] = {
        {{{Hits}, {Ballads}, {News}},
         {"up, free past free", true, 2, {hits, news, ballads}, {0, 210, 390}, {0, 0, 0}}},
        {{{Hits}, {Ballads, Hms(1)}, {News}},
         {"up, free past fixed", true, 2, {hits, news, ballads}, {0, 210, Hms(1)}, {0, 0, 1}}},
        {{{Hits, 0}, {Ballads}},
         {"up, free past a first row fixed at midnight",
          true,
          1,
          {ballads, hits},
          {0, 240},
          {0, 0}}},
        {{{Hits}, {Ballads}, {News, 600}},
         {"up, fixed past free", true, 2, {hits, news, ballads}, {0, 600, 780}, {0, 1, 0}}},
        {{{Hits}, {Ballads}, {News}},
         {"down, free past free", false, 0, {ballads, hits, news}, {0, 240, 450}, {0, 0, 0}}},
        {{{Hits}, {Ballads}, {News, Hms(1)}},
         {"down, free past fixed",
          false,
          1,
          {hits, news, ballads},
          {0, Hms(1), Hms(1, 3)},
          {0, 1, 0}}},
        // The row after the moved fixed one follows it unless that row is fixed itself.
        {{{Hits}, {Ballads, 600}, {News}, {Jingle, Hms(1)}},
         {"down, fixed past free",
          false,
          1,
          {hits, news, ballads, jingle},
          {0, 210, 600, Hms(1)},
          {0, 0, 1, 1}}},
        {{{Hits}, {Ballads, 600}, {News}, {Jingle}},
         {"down, fixed past free, the next row follows",
          false,
          1,
          {hits, news, ballads, jingle},
          {0, 210, 600, 840},
          {0, 0, 1, 0}}},
    };
    for (const TCase& c : cases) {
        Clock = std::make_unique<TClock>(cmClock);
        Build(c.Rows);
        TClockObjData* row = Clock->Row(c.Move.Index);
        EXPECT_TRUE(c.Move.Up ? Clock->MoveRowUp(row) : Clock->MoveRowDown(row)) << c.Move.What;
        EXPECT_EQ(Names(), c.Move.Names) << c.Move.What;
        EXPECT_EQ(Hours(), c.Move.Hours) << c.Move.What;
        EXPECT_EQ(Fixed(), c.Move.Fixed) << c.Move.What;
        EXPECT_TRUE(Prompt.Boxes.isEmpty()) << c.Move.What;
    }
}

TEST_F(ClockTest, TwoFixedRowsCannotPassEachOther) {
    Build({{Hits}, {Ballads, 600}, {News, Hms(1)}});
    EXPECT_FALSE(Clock->MoveRowUp(Clock->Row(2)));
    EXPECT_FALSE(Clock->MoveRowDown(Clock->Row(1)));
    EXPECT_EQ(Prompt.Errors(),
              (QStringList{QStringLiteral("Nie można przesunąć pozycji rozpoczynającej się o "
                                          "godzinie 01:00:00 przed godzinę 00:10:00."),
                           QStringLiteral("Nie można przesunąć pozycji rozpoczynającej się o "
                                          "godzinie 00:10:00 za godzinę 01:00:00.")}));
    EXPECT_EQ(Hours(), (std::vector<int>{0, 600, Hms(1)}));

    Prompt.Clear();
    EXPECT_FALSE(Clock->MoveRowUp(Clock->Row(0)));
    EXPECT_FALSE(Clock->MoveRowDown(Clock->Row(2)));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(ClockTest, AMovedBroadcastRowTakesItsItemsAlong) {
    Build({{Hits}, {Ballads}});
    TClockObjData* broadcast = Add(AddNewsBroadcast());
    ASSERT_TRUE(Clock->MoveRowUp(broadcast));
    EXPECT_EQ(broadcast->RowHour, 210);
    EXPECT_EQ(HoursOf(broadcast->Children), (std::vector<int>{210, 220, 400}));
    EXPECT_EQ(Hours(), (std::vector<int>{0, 210, 410}));
}

// --- Cell edits

TEST_F(ClockTest, AFixedHourMustLieBetweenTheFixedHoursAroundTheRow) {
    Build({{Hits}, {Ballads}, {News}, {Jingle}});
    ASSERT_TRUE(Clock->SetRowHour(Clock->Row(2), Hms(0, 5), true));
    EXPECT_EQ(Hours(), (std::vector<int>{0, 210, 300, 480}));
    EXPECT_TRUE(Clock->Row(2)->Edited);

    Prompt.Clear();
    EXPECT_FALSE(Clock->SetRowHour(Clock->Row(1), Hms(0, 5), true));
    EXPECT_FALSE(Clock->SetRowHour(Clock->Row(3), Hms(0, 4), true));
    EXPECT_EQ(Prompt.Errors(),
              (QStringList{QStringLiteral("Niewłaściwa godzina początkowa 00:05:00. \r\nGodzina "
                                          "nie może być późniejsza niż 00:05:00."),
                           QStringLiteral("Niewłaściwa godzina początkowa 00:04:00. \r\nGodzina "
                                          "powinna być późniejsza niż 00:05:00.")}));
    EXPECT_EQ(Fixed(), (std::vector<bool>{0, 0, 1, 0}));

    // The first row has nothing before it to stay after.
    ASSERT_TRUE(Clock->SetRowHour(Clock->Row(0), 60, true));
    EXPECT_EQ(Hours(), (std::vector<int>{60, 270, 300, 480}));

    ASSERT_TRUE(Clock->SetRowHour(Clock->Row(2), 0, false));
    EXPECT_EQ(Hours(), (std::vector<int>{60, 270, 510, 690})) << "a freed row follows again";
}

TEST_F(ClockTest, APlayTimeBecomesTheRowsOwnOnlyWhenItChanges) {
    Build({{Hits}, {Ballads}});
    TClockObjData* row = Clock->Row(0);
    Clock->SetRowPlayTime(row, 210, true);
    EXPECT_FALSE(row->OwnPlayTime());
    EXPECT_FALSE(row->Object()->UExTime);

    Clock->SetRowPlayTime(row, 300, true);
    EXPECT_TRUE(row->OwnPlayTime());
    EXPECT_EQ(row->TimeText, QStringLiteral("00:05:00"));
    EXPECT_EQ(Hours(), (std::vector<int>{0, 300}));
    Clock->SetRowPlayTime(row, 300, true);
    EXPECT_TRUE(row->OwnPlayTime()) << "once own, it stays own";

    Clock->SetRowPlayTime(row, 300, false);
    EXPECT_FALSE(row->Object()->ExTime());
    EXPECT_TRUE(row->Object()->UExTime);
    EXPECT_TRUE(Hits->ExTime()) << "the list's object is not touched";
}

TEST_F(ClockTest, ACharacteristicChoiceIsFlaggedOnlyWhenItChanges) {
    TClockObjData* row = Add(Hits);
    Clock->SetRowChars(row, ccTempo, QStringLiteral("Szybkie"));
    EXPECT_FALSE(row->Flags[ccTempo]);
    Clock->SetRowChars(row, ccAtmosphere, QString());
    EXPECT_EQ(row->CharText(ccAtmosphere), QStringLiteral("dowolny"));
    EXPECT_FALSE(row->Flags[ccAtmosphere]);

    Clock->SetRowChars(row, ccTempo, QString());
    EXPECT_EQ(row->CharText(ccTempo), QStringLiteral("dowolne"));
    EXPECT_TRUE(row->Flags[ccTempo]);
    Clock->SetRowChars(row, ccTempo, QStringLiteral("dowolne"));
    EXPECT_TRUE(row->Flags[ccTempo]) << "a changed column stays changed";
}

TEST_F(ClockTest, TheAndOrChoiceIsFlaggedWhenItDiffersFromTheObject) {
    TClockObjData* row = Add(Hits);
    Clock->SetRowAny(row, false);
    EXPECT_TRUE(row->Flags[rfAnyChanged]);
    EXPECT_EQ(row->CellText(ccAnd), QStringLiteral("OR"));
    Clock->SetRowAny(row, true);
    EXPECT_FALSE(row->Flags[rfAnyChanged]);
}

TEST_F(ClockTest, OffersACategorysOwnValuesOrAllOfTheCharacteristic) {
    const TClockObjData* hits = Add(Hits);
    const TClockObjData* ballads = Add(Ballads);
    EXPECT_EQ(Clock->OfferedValues(hits, ccLanguage),
              (QStringList{QStringLiteral("Polski"), QStringLiteral("Angielski")}));
    EXPECT_EQ(Clock->OfferedValues(ballads, ccTempo),
              (QStringList{QStringLiteral("Wolne"), QStringLiteral("Średnie"),
                           QStringLiteral("Szybkie")}));
    EXPECT_EQ(Clock->OfferedValues(hits, ccAtmosphere).size(), 10);
}

// --- Following the lists

TEST_F(ClockTest, RowsFollowTheEditsOfTheirObjects) {
    Build({{Hits}, {Hits}, {Ballads}});
    Clock->SetRowPlayTime(Clock->Row(1), 100, true);
    int told = 0;
    Clock->OnListsChanged = [&told] { ++told; };

    Hits->SetName(QStringLiteral("Hity"));
    Hits->SetHPrior(true);
    Hits->SetPlayTime(200);
    EXPECT_EQ(Names(), (QStringList{QStringLiteral("Hity"), QStringLiteral("Hity"),
                                    QStringLiteral("Ballady")}));
    EXPECT_TRUE(Clock->Row(1)->Object()->HPrior());
    EXPECT_EQ(Clock->Row(0)->RowPlayTime, 200);
    EXPECT_EQ(Clock->Row(0)->TimeText, QStringLiteral("00:03:20"));
    EXPECT_EQ(Clock->Row(1)->RowPlayTime, 100) << "an own play time stays";
    EXPECT_EQ(Hours(), (std::vector<int>{0, 200, 300}));
    EXPECT_EQ(told, 3);

    CategoryList->DeleteById(Ballads->Id);
    EXPECT_EQ(Clock->Row(2)->Name(), QStringLiteral("Nieznana"));
}

TEST_F(ClockTest, AnExactTimeSetInTheRowKeepsItsPlayTime) {
    TClockObjData* row = Add(Hits);
    Clock->SetRowPlayTime(row, 210, false);
    ASSERT_FALSE(row->OwnPlayTime());
    Hits->SetPlayTime(180);
    Hits->SetExTime(true);
    EXPECT_EQ(row->RowPlayTime, 210);
    EXPECT_FALSE(row->Object()->ExTime());
}

TEST_F(ClockTest, BroadcastRowsFollowTheBroadcastAndTheirItemsTheMasters) {
    TBroadcast* news = AddNewsBroadcast();
    const TClockObjData* row = Add(news);
    Jingle->SetName(QStringLiteral("Dżingiel"));
    News->SetPlayTime(200);
    EXPECT_EQ(row->Children[0]->Name(), QStringLiteral("Dżingiel"));
    EXPECT_EQ(row->Children[2]->Name(), QStringLiteral("Dżingiel"));
    EXPECT_EQ(row->Children[1]->RowPlayTime, 200);
    EXPECT_EQ(row->Children[1]->Object()->GetPlayTime(), 200);
    EXPECT_EQ(HoursOf(row->Children), (std::vector<int>{0, 10, 210}));

    news->SetName(QStringLiteral("Wiadomości"));
    EXPECT_EQ(row->Name(), QStringLiteral("Wiadomości"));
    CategoryList->DeleteById(News->Id);
    EXPECT_EQ(row->Children[1]->Name(), QStringLiteral("Nieznana"));
    BroadcastList->DeleteBroadcast(news->Id);
    EXPECT_EQ(row->Name(), QStringLiteral("Nieznana"));
}

TEST_F(ClockTest, OffersBroadcastsFirstThenTheOtherObjectsByName) {
    BroadcastList->AddBroadcast(NewBroadcast(QStringLiteral("serwis"), {Jingle}));
    BroadcastList->AddBroadcast(NewBroadcast(QStringLiteral("Blok"), {Jingle}));
    QStringList names;
    for (const TBaseClockObject* object : Clock->AvailableObjects())
        names.append(object->GetName());
    EXPECT_EQ(names, (QStringList{QStringLiteral("Blok"), QStringLiteral("serwis"),
                                  QStringLiteral("Ballady"), QStringLiteral("Informacje"),
                                  QStringLiteral("Jingiel"), QStringLiteral("Lista"),
                                  QStringLiteral("Przeboje")}));
    TClock editor(cmBroadcast);
    EXPECT_EQ(editor.AvailableObjects().size(), 5u) << "no broadcast inside a broadcast";
}

TEST_F(ClockTest, AClockStopsFollowingWhenItIsGone) {
    TRecordingListener listener;
    CategoryList->AddListener(&listener);
    Clock.reset();
    Hits->SetName(QStringLiteral("Hity"));
    EXPECT_EQ(listener.Events.size(), 1u);
    CategoryList->RemoveListener(&listener);
}

} // namespace
