#include "FindChild.h"
#include "MainFormDayFixture.h"
#include "cli/uDemoStation.h"
#include "clocks/uClock.h"
#include "clocks/uClockObjList.h"
#include "dayplan/uDayLifecycle.h"
#include "dayplan/uDayMessages.h"
#include "foundation/uAppPaths.h"
#include "library/uDBMainBase.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "ui/categories/uCategoriesForm.h"
#include "ui/clockeditor/uAvailableObjectsModel.h"
#include "ui/clockeditor/uTimerForm.h"
#include "ui/uClockTree.h"
#include "ui/uDayHistoryForm.h"
#include "ui/uMainForm.h"
#include "ui/uProgressForm.h"
#include "ui/uResultForm.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTreeView>
#include <QTreeWidget>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace {

TEST_F(MainFormDay, FromTheEmptyPageToHistoryAndBack) {
    EXPECT_EQ(FindChild<QStackedWidget>(*Form, "Pages")->currentWidget(),
              FindChild<QWidget>(*Form, "tbEmpty"));

    PlanToday();
    EXPECT_EQ(FindChild<QStackedWidget>(*Form, "Pages")->currentWidget(),
              FindChild<QWidget>(*Form, "tbFuture"));
    EXPECT_EQ(FindChild<QLabel>(*Form->ClockView(), "lblNameText")->text(),
              QStringLiteral("Zegar bazowy: Dzień powszedni"));
    EXPECT_GT(FindChild<QTreeView>(*Form->ClockView(), "TreeClock")->model()->rowCount(), 0);
    EXPECT_TRUE(ClockMenuShown()) << "the clock's \"&Widok\" joins the menu on a planned day";

    FindChild<QAction>(*Form, "acnRand")->trigger();
    ASSERT_EQ(Days().State(), dsPending);
    EXPECT_EQ(FindChild<QStackedWidget>(*Form, "Pages")->currentWidget(),
              FindChild<QWidget>(*Form, "tbPending"));
    const int positions = Days().PlayList().Count();
    EXPECT_GT(positions, 0);
    EXPECT_TRUE(Exists(pkPlanned)) << "the clock was written when the planned day was left";
    EXPECT_FALSE(ClockMenuShown());

    Prompt.DefaultAnswer = true; // accepted also when incomplete; the export asks too
    FindChild<QAction>(*Form, "acnAccept")->trigger();
    ASSERT_EQ(Days().State(), dsHistory);
    EXPECT_EQ(FindChild<QStackedWidget>(*Form, "Pages")->currentWidget(),
              FindChild<QWidget>(*Form, "tbHistory"));
    EXPECT_EQ(Form->HistoryView()->List()->topLevelItemCount(), positions);
    EXPECT_TRUE(Exists(pkHistory));
    EXPECT_FALSE(Exists(pkCurrent));
    EXPECT_FALSE(Exists(pkPlanned));
    EXPECT_TRUE(QFileInfo::exists(ExportPath + QStringLiteral(".mix"))) << ExportPath.toStdString();

    // "Wstecz" is hidden on an accepted day; its shortcut restores the day all the same.
    auto* restore = Form->findChild<QShortcut*>();
    ASSERT_NE(restore, nullptr);
    ASSERT_TRUE(restore->isEnabled());
    emit restore->activated();
    EXPECT_EQ(Days().State(), dsPending);
    EXPECT_EQ(FindChild<QStackedWidget>(*Form, "Pages")->currentWidget(),
              FindChild<QWidget>(*Form, "tbPending"));
    EXPECT_FALSE(Exists(pkHistory));
    EXPECT_TRUE(Prompt.Errors().isEmpty()) << Prompt.Errors().join(u'\n').toStdString();
}

TEST_F(MainFormDay, NavigatingShowsTheDateInThePicker) {
    FindChild<QAction>(*Form, "acnNext")->trigger();
    EXPECT_EQ(Days().ShownDate(), Today.addDays(1));
    EXPECT_EQ(FindChild<QDateEdit>(*Form, "dtDate")->date(), Today.addDays(1));
    FindChild<QAction>(*Form, "acnPrev")->trigger();
    EXPECT_EQ(FindChild<QDateEdit>(*Form, "dtDate")->date(), Today);
    FindChild<QAction>(*Form, "acnPrev")->trigger();
    EXPECT_EQ(FindChild<QDateEdit>(*Form, "dtDate")->date(), Today)
        << "no day before the first day";
}

TEST_F(MainFormDay, TheCalendarShowsThePickedDateOnce) {
    QCalendarWidget& calendar = *FindChild<QDateEdit>(*Form, "dtDate")->calendarWidget();
    const QDate picked = Today.addDays(3);
    emit calendar.clicked(picked);
    EXPECT_EQ(Days().ShownDate(), picked);
    FindChild<QAction>(*Form, "acnNext")->trigger();
    emit calendar.clicked(picked);
    EXPECT_EQ(Days().ShownDate(), picked.addDays(1)) << "the date picked last time does nothing";
}

TEST_F(MainFormDay, ExportsThePendingDayWithTheActionsFilter) {
    GenerateToday();
    QList<int> filters;
    Form->ExportFileChooser = [&](const QString& dir, const QString& name, int filter) {
        filters << filter;
        ExportPath = QDir(dir).filePath(name);
        return ExportPath;
    };
    FindChild<QAction>(*Form, "acnSavePlayListAsText")->trigger();
    Prompt.DefaultAnswer = true; // the ".mix" export asks about cut and overlong positions
    FindChild<QAction>(*Form, "acnSavePlayListAsMix")->trigger();
    EXPECT_EQ(filters, (QList<int>{2, 1}));
    EXPECT_TRUE(QFileInfo::exists(ExportPath + QStringLiteral(".txt")));
    EXPECT_TRUE(QFileInfo::exists(ExportPath + QStringLiteral(".mix")));
}

// Which of the day actions are shown, and which of the shown ones can be used, per state.
using TActionNames = std::set<QString>;

struct TActionsCase {
    const char* Name;
    TDayState State;
    TActionNames Shown;
    TActionNames Usable; // shown and enabled; the row actions of a pending day are checked apart
};

class MainFormActions : public MainFormDay, public ::testing::WithParamInterface<TActionsCase> {
protected:
    std::map<QString, QAction*> DayActions() const {
        std::map<QString, QAction*> actions;
        for (const char* name :
             {"acnTimerNewItem", "acnTimerUp", "acnTimerDown", "acnTimerDelItem", "acnRand",
              "acnAccept", "acnSavePlayListAsMix", "acnSavePlayListAsText", "acnLoadClock",
              "acnBack", "acnPrint", "acnResetstats", "ToolSeparator1", "ToolSeparator2"})
            actions[QLatin1String(name)] = FindChild<QAction>(*Form, name);
        return actions;
    }
};

const TActionNames PendingRowActions = {
    QStringLiteral("acnTimerNewItem"), QStringLiteral("acnTimerUp"), QStringLiteral("acnTimerDown"),
    QStringLiteral("acnTimerDelItem")};

TEST_P(MainFormActions, ShownAndUsableByState) {
    const TActionsCase& test = GetParam();
    switch (test.State) {
    case dsFuture:
        PlanToday();
        break;
    case dsPending:
        GenerateToday();
        break;
    case dsHistory:
        AcceptToday();
        break;
    default:
        break;
    }
    ASSERT_EQ(Days().State(), test.State);

    TActionNames shown, usable;
    for (const auto& [name, action] : DayActions()) {
        if (action->isVisible())
            shown.insert(name);
        if (action->isVisible() && action->isEnabled() &&
            !(test.State == dsPending && PendingRowActions.count(name)))
            usable.insert(name);
    }
    EXPECT_EQ(shown, test.Shown);
    EXPECT_EQ(usable, test.Usable);

    if (test.State == dsPending) {
        const TResultForm& view = *Form->ResultView();
        EXPECT_EQ(FindChild<QAction>(*Form, "acnTimerNewItem")->isEnabled(), view.CanAddItem());
        EXPECT_EQ(FindChild<QAction>(*Form, "acnTimerUp")->isEnabled(), view.CanMoveUp());
        EXPECT_EQ(FindChild<QAction>(*Form, "acnTimerDown")->isEnabled(), view.CanMoveDown());
        EXPECT_EQ(FindChild<QAction>(*Form, "acnTimerDelItem")->isEnabled(), view.CanDelete());
        EXPECT_EQ(FindChild<QAction>(*Form, "acnTimerNewItem")->text(),
                  QStringLiteral("Dodaj utwór"));
    }
    if (test.State == dsFuture || test.State == dsPending) {
        EXPECT_EQ(FindChild<QAction>(*Form, "acnBack")->toolTip(),
                  test.State == dsFuture ? QStringLiteral("Wyczyść") : QStringLiteral("Przywróć"));
    }
}

const TActionNames OpenDayShown = {QStringLiteral("acnTimerUp"),
                                   QStringLiteral("acnTimerDown"),
                                   QStringLiteral("acnTimerDelItem"),
                                   QStringLiteral("acnRand"),
                                   QStringLiteral("acnAccept"),
                                   QStringLiteral("acnSavePlayListAsMix"),
                                   QStringLiteral("acnSavePlayListAsText"),
                                   QStringLiteral("acnLoadClock"),
                                   QStringLiteral("acnBack"),
                                   QStringLiteral("acnPrint"),
                                   QStringLiteral("acnResetstats"),
                                   QStringLiteral("ToolSeparator1"),
                                   QStringLiteral("ToolSeparator2")};

TActionNames With(TActionNames names, const QString& name) {
    names.insert(name);
    return names;
}

INSTANTIATE_TEST_SUITE_P(
    States, MainFormActions,
    ::testing::Values(TActionsCase{"Empty",
                                   dsEmpty,
                                   {QStringLiteral("acnPrint"), QStringLiteral("acnResetstats")},
                                   {QStringLiteral("acnResetstats")}},
                      TActionsCase{"Future",
                                   dsFuture,
                                   OpenDayShown,
                                   {QStringLiteral("acnRand"), QStringLiteral("acnLoadClock"),
                                    QStringLiteral("acnBack"), QStringLiteral("ToolSeparator1"),
                                    QStringLiteral("ToolSeparator2")}},
                      TActionsCase{
                          "Pending",
                          dsPending,
                          With(OpenDayShown, QStringLiteral("acnTimerNewItem")),
                          {QStringLiteral("acnAccept"), QStringLiteral("acnSavePlayListAsMix"),
                           QStringLiteral("acnSavePlayListAsText"), QStringLiteral("acnBack"),
                           QStringLiteral("acnPrint"), QStringLiteral("ToolSeparator1"),
                           QStringLiteral("ToolSeparator2")}},
                      TActionsCase{"History",
                                   dsHistory,
                                   {QStringLiteral("acnPrint"), QStringLiteral("acnResetstats")},
                                   {QStringLiteral("acnPrint")}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MainFormDay, SharedShortcutsReachOneActionAtATime) {
    const QKeySequence ctrlG(Qt::CTRL | Qt::Key_G);
    PlanToday();
    EXPECT_EQ(FindChild<QAction>(*Form, "acnRand")->shortcut(), ctrlG);
    EXPECT_TRUE(FindChild<QAction>(*Form, "acnTimerUp")->shortcut().isEmpty())
        << "a planned day is generated with it";
    FindChild<QAction>(*Form, "acnRand")->trigger();
    ASSERT_EQ(Days().State(), dsPending);
    EXPECT_EQ(FindChild<QAction>(*Form, "acnTimerUp")->shortcut(), ctrlG);
    EXPECT_FALSE(FindChild<QAction>(*Form, "acnRand")->isEnabled());
}

// The rows of the planned day's clock move and go through the window's actions.
TEST_F(MainFormDay, ClockRowsMoveAndGoThroughTheActions) {
    PlanToday();
    TClock& clock = Days().DayClock();
    int free = -1; // a row that, like the next one, has no fixed hour
    for (int i = 1; i + 1 < clock.RowCount() && free < 0; ++i)
        if (!clock.Row(i)->OwnHour() && !clock.Row(i + 1)->OwnHour() &&
            clock.Row(i)->Children.empty() && clock.Row(i + 1)->Children.empty())
            free = i;
    ASSERT_GE(free, 0);
    TClockObjData* row = clock.Row(free);
    Form->ClockView()->FocusRow(row);
    EXPECT_TRUE(FindChild<QAction>(*Form, "acnTimerUp")->isEnabled());
    EXPECT_TRUE(FindChild<QAction>(*Form, "acnTimerDown")->isEnabled());
    EXPECT_TRUE(FindChild<QAction>(*Form, "acnTimerDelItem")->isEnabled());

    FindChild<QAction>(*Form, "acnTimerDown")->trigger();
    EXPECT_EQ(clock.Row(free + 1), row);
    EXPECT_EQ(Form->ClockView()->FocusedRow(), row) << "the focus follows the row";

    const int rows = clock.RowCount();
    Prompt.QueueAnswers({true});
    FindChild<QAction>(*Form, "acnTimerDelItem")->trigger();
    EXPECT_EQ(clock.RowCount(), rows - 1);
    EXPECT_EQ(FindChild<QTreeView>(*Form->ClockView(), "TreeClock")->model()->rowCount(), rows - 1);
    EXPECT_TRUE(clock.Modified);
}

// The actions that ask before they destroy something reach the operation they name; answering
// "Nie" leaves the day as it was.
struct TQuestionCase {
    const char* Name;
    TDayState State;
    const char* Action; // its object name
    const QString* Question;
};

class MainFormQuestions : public MainFormDay,
                          public ::testing::WithParamInterface<TQuestionCase> {};

TEST_P(MainFormQuestions, AskFirstAndKeepTheDayOnNo) {
    const TQuestionCase& test = GetParam();
    if (test.State == dsFuture)
        PlanToday();
    else if (test.State == dsPending)
        GenerateToday();
    ASSERT_EQ(Days().State(), test.State);
    Prompt.Clear();
    FindChild<QAction>(*Form, test.Action)->trigger();
    EXPECT_EQ(Prompt.Questions(), QStringList{*test.Question});
    EXPECT_EQ(Days().State(), test.State);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, MainFormQuestions,
    ::testing::Values(
        TQuestionCase{"ResetHistory", dsEmpty, "acnResetstats", &DayText::ResetHistory},
        TQuestionCase{"ClearLibrary", dsEmpty, "meDBClear", &DayText::ClearLibrary},
        TQuestionCase{"BackFromFuture", dsFuture, "acnBack", &DayText::ClearClock},
        TQuestionCase{"BackFromPending", dsPending, "acnBack", &DayText::DeletePlayList}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MainFormDay, ClosingWritesThePendingDay) {
    GenerateToday();
    ASSERT_FALSE(Exists(pkCurrent));
    Form->close();
    EXPECT_TRUE(Exists(pkCurrent));
}

TEST_F(MainFormDay, ClosingWritesThePlannedDaysClock) {
    PlanToday();
    ASSERT_FALSE(Exists(pkPlanned));
    Form->close();
    EXPECT_TRUE(Exists(pkPlanned));
}

TEST_F(MainFormDay, AnEmptyClockBuiltByDroppingGeneratesADay) {
    FindChild<QPushButton>(*Form, "btnEmptyTimer")->click();
    ASSERT_EQ(Days().State(), dsFuture);
    auto* editor = Form->findChild<TTimerForm*>(QStringLiteral("TimerForm"));
    ASSERT_TRUE(editor);
    EXPECT_TRUE(editor->Docked());
    auto& available =
        dynamic_cast<TAvailableObjectsModel&>(*FindChild<QListView>(*editor, "TreeCat")->model());
    QModelIndex category;
    for (int row = 0; row < available.rowCount() && !category.isValid(); ++row)
        if (available.ObjectAt(available.index(row, 0))->ObjType() == otCategory)
            category = available.index(row, 0);
    ASSERT_TRUE(category.isValid());
    QAbstractItemModel& rows = *FindChild<QTreeView>(*editor, "TreeClock")->model();
    while (Days().DayClock().ClockTotalTime() < 24 * 3600) {
        const std::unique_ptr<QMimeData> drag(available.mimeData({category}));
        ASSERT_TRUE(rows.dropMimeData(drag.get(), Qt::CopyAction, -1, 0, {}));
    }
    EXPECT_TRUE(Days().DayClock().Modified);
    Days().Seed = 3;
    FindChild<QAction>(*Form, "acnRand")->trigger();
    ASSERT_EQ(Days().State(), dsPending);
    // From midnight on, through the whole day: the last stretch is filled with whole songs, so
    // without a fixed hour at midnight it may end a few seconds short of it.
    const TDayPlayList& list = Days().PlayList();
    ASSERT_FALSE(list.IsEmpty());
    const TResultSongData& last = list.Position(list.Count() - 1);
    EXPECT_EQ(list.Position(0).Hour, 0);
    EXPECT_GE(qint64(last.Hour) + last.PlayTime, qint64(24 * 3600 - 60) * 1000);
}

TEST_F(MainFormDay, WhatTheCategoryWindowChangesShowsAtOnceInTheOpenViews) {
    PlanToday();
    auto* editor = Form->findChild<TTimerForm*>(QStringLiteral("TimerForm"));
    ASSERT_TRUE(editor);
    const auto available = [editor] {
        QStringList names;
        const QAbstractItemModel& model = *FindChild<QListView>(*editor, "TreeCat")->model();
        for (int row = 0; row < model.rowCount(); ++row)
            names.append(model.index(row, 0).data().toString());
        return names;
    };
    const TClockObjData* used = nullptr;
    for (const auto& row : Days().DayClock().Rows())
        if (!used && row->Object() && row->Object()->ObjType() == otCategory)
            used = row.get();
    ASSERT_TRUE(used);
    const int usedId = used->Object()->Id;
    const QString renamed = used->Name() + QStringLiteral(" dnia");

    TCategoriesForm window(*CategoryList, MainBase.get());
    const auto fill = [](std::function<void(QDialog&)> step) {
        return [step](QDialog& dialog) {
            step(dialog);
            FindChild<QPushButton>(dialog, "btnOK")->click();
            return dialog.result() == QDialog::Accepted;
        };
    };
    window.DialogRunner = fill([](QDialog& dialog) {
        auto& kinds = *FindChild<QComboBox>(dialog, "cmbKind");
        kinds.setCurrentIndex(kinds.findData(int(otBlank)));
        FindChild<QLineEdit>(dialog, "edtName")->setText(QStringLiteral("Cisza przed burzą"));
    });
    FindChild<QPushButton>(window, "btnNew")->click();
    EXPECT_TRUE(available().contains(QStringLiteral("Cisza przed burzą")));

    QListView& lines = *FindChild<QListView>(window, "lvObjects");
    for (int row = 0; row < lines.model()->rowCount(); ++row)
        if (lines.model()->index(row, 0).data().toString() == used->Name()) {
            lines.setCurrentIndex(lines.model()->index(row, 0));
            lines.selectionModel()->select(lines.currentIndex(),
                                           QItemSelectionModel::ClearAndSelect);
        }
    window.DialogRunner = fill(
        [&renamed](QDialog& dialog) { FindChild<QLineEdit>(dialog, "edtName")->setText(renamed); });
    FindChild<QPushButton>(window, "btnEdit")->click();
    EXPECT_TRUE(available().contains(renamed));
    int rowsRenamed = 0;
    for (const auto& row : Days().DayClock().Rows())
        if (row->Object() && row->Object()->Id == usedId) {
            EXPECT_EQ(row->Name(), renamed);
            ++rowsRenamed;
        }
    EXPECT_GT(rowsRenamed, 0);

    // The play-list view offers the new blank among the blanks it inserts.
    FindChild<QAction>(*Form, "acnRand")->trigger();
    ASSERT_EQ(Days().State(), dsPending);
    QStringList blanks;
    for (const QAction* item : FindChild<QMenu>(*Form, "meAdd")->actions())
        blanks.append(item->text());
    EXPECT_TRUE(blanks.contains(QStringLiteral("Cisza przed burzą"))) << S(blanks);
}

TEST_F(MainFormDay, ASecondActivationChangesNothing) {
    TClockTree* clock = Form->ClockView();
    TDayLifecycle* days = Form->Days();
    Form->FirstActivation();
    EXPECT_EQ(Form->ClockView(), clock);
    EXPECT_EQ(Form->Days(), days);
}

} // namespace
