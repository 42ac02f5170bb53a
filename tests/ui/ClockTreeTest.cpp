#include "FindChild.h"
#include "ModelCheck.h"
#include "clocks/uClock.h"
#include "dayplan/uStores.h"
#include "foundation/uAppPaths.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "ui/uClockTree.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTreeView>
#include <gtest/gtest.h>

// The planned day's clock as the main window docks it.

namespace {

class ClockTree : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    std::unique_ptr<TClock> Clock;
    std::unique_ptr<TClockTree> Tree;
    std::unique_ptr<TModelCheck> Check;

    void SetUp() override {
        Station.CopyDefaultStation();
        ASSERT_TRUE(BringUpStores());
        Clock = std::make_unique<TClock>();
        ASSERT_TRUE(
            Clock->LoadClockFile(Station.Path(QStringLiteral("Zegary/Dzień powszedni.ctm"))));
        Tree = std::make_unique<TClockTree>(*Clock);
        Check = std::make_unique<TModelCheck>(FindChild<QTreeView>(*Tree, "TreeClock")->model());
    }
    void TearDown() override {
        Check.reset();
        Tree.reset();
        Clock.reset();
        ReleaseStores();
    }

    QAbstractItemModel& Model() const { return *FindChild<QTreeView>(*Tree, "TreeClock")->model(); }
    QModelIndex Index(const TClockObjData* row, int column) const {
        const QModelIndex parent = row->Parent ? Index(row->Parent, 0) : QModelIndex();
        return Model().index(Clock->IndexOfRow(row), column, parent);
    }
    // A broadcast row of the clock (the default clocks start every hour with one).
    TClockObjData* BroadcastRow() const {
        for (const auto& row : Clock->Rows())
            if (!row->Children.empty())
                return row.get();
        return nullptr;
    }
};

TEST_F(ClockTree, ShowsTheRowsWithTheBroadcastsItemsUnderThem) {
    ASSERT_EQ(Model().rowCount(), Clock->RowCount());
    const TClockObjData* broadcast = BroadcastRow();
    ASSERT_NE(broadcast, nullptr);
    const QModelIndex parent = Index(broadcast, 0);
    ASSERT_EQ(Model().rowCount(parent), int(broadcast->Children.size()));
    const TClockObjData& item = *broadcast->Children.front();
    for (int column = 0; column < ClockColumnCount; ++column)
        EXPECT_EQ(Model().index(0, column, parent).data().toString(), item.CellText(column));
    EXPECT_EQ(Model().headerData(2, Qt::Horizontal).toString(), QStringLiteral("Czas"));
}

TEST_F(ClockTree, NamesTheClockOrSaysThereIsNone) {
    EXPECT_EQ(FindChild<QLabel>(*Tree, "lblNameText")->text(),
              QStringLiteral("Zegar bazowy: Dzień powszedni"));
    Clock->ClearClock();
    Clock->SetName({});
    Tree->Reload();
    EXPECT_EQ(FindChild<QLabel>(*Tree, "lblNameText")->text(),
              QStringLiteral("Zegar bazowy: Brak"));
    EXPECT_EQ(FindChild<QLabel>(*Tree, "lblCount")->text(), QStringLiteral("Pozycji: 0"));
}

TEST_F(ClockTree, DrawsFixedHoursAndItemsApart) {
    const QColor fixed(0x40, 0x00, 0x80);
    const TClockObjData& first = *Clock->Row(0);
    ASSERT_TRUE(first.OwnHour());
    const QModelIndex hour = Index(&first, ccHour);
    EXPECT_TRUE(hour.data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(hour.data(Qt::ForegroundRole).value<QColor>(), fixed);
    EXPECT_FALSE(Index(&first, ccName).data(Qt::FontRole).value<QFont>().bold());

    const TClockObjData* broadcast = BroadcastRow();
    ASSERT_GE(broadcast->Children.size(), 2u);
    EXPECT_EQ(Index(broadcast->Children[0].get(), ccName).data(Qt::BackgroundRole).value<QColor>(),
              QColor(0xDD, 0xDD, 0xDD));
    EXPECT_EQ(Index(broadcast->Children[1].get(), ccName).data(Qt::BackgroundRole).value<QColor>(),
              QColor(0xFF, 0xFF, 0xEE));
    ASSERT_GE(Clock->RowCount(), 2);
    EXPECT_EQ(Index(Clock->Row(1), ccName).data(Qt::BackgroundRole).value<QColor>(),
              QColor(0xEE, 0xEE, 0xEE));
    EXPECT_FALSE(Index(Clock->Row(0), ccName).data(Qt::BackgroundRole).isValid());
}

TEST_F(ClockTree, ColumnSwitchesStartWithMoodLanguageAndTempoAndAreKept) {
    for (int column = ccAtmosphere; column <= ccAnd; ++column)
        EXPECT_EQ(FindChild<QTreeView>(*Tree, "TreeClock")->isColumnHidden(column),
                  column != ccAtmosphere && column != ccTempo && column != ccLanguage)
            << column;
    QAction* years = Tree->ViewMenu()->actions().at(4);
    ASSERT_EQ(years->text(), QStringLiteral("&Lata"));
    years->setChecked(true);
    EXPECT_FALSE(FindChild<QTreeView>(*Tree, "TreeClock")->isColumnHidden(ccYears));

    TClockTree again(*Clock);
    EXPECT_FALSE(FindChild<QTreeView>(again, "TreeClock")->isColumnHidden(ccYears))
        << "kept in TimerWnd/Props";
}

TEST_F(ClockTree, OnlyWholeRowsGoAndRowsMoveAmongTheirLevel) {
    const TClockObjData* broadcast = BroadcastRow();
    const TClockObjData* item = broadcast->Children.front().get();
    Tree->FocusRow(item);
    EXPECT_FALSE(Tree->CanDelete()) << "an item goes with its broadcast";
    EXPECT_FALSE(Tree->CanMoveUp()) << "the first item of its broadcast";
    EXPECT_TRUE(Tree->CanMoveDown());

    Tree->FocusRow(Clock->Row(Clock->RowCount() - 1));
    EXPECT_TRUE(Tree->CanDelete());
    EXPECT_FALSE(Tree->CanMoveDown());

    const int rows = Clock->RowCount();
    Prompt.QueueAnswers({false, true});
    Tree->DeleteRow();
    EXPECT_EQ(Model().rowCount(), rows) << "not confirmed";
    Tree->DeleteRow();
    EXPECT_EQ(Model().rowCount(), rows - 1);
    EXPECT_EQ(Tree->FocusedRow(), Clock->Row(rows - 2)) << "the focus goes to the new last row";
}

} // namespace
