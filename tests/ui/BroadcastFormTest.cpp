#include "ClockDrops.h"
#include "FindChild.h"
#include "ModelCheck.h"
#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "clocks/uClockMessages.h"
#include "clocks/uClockObjList.h"
#include "dayplan/uStores.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestText.h"
#include "ui/broadcasts/uBroadcastsForm.h"
#include "ui/clockeditor/uTimerForm.h"
#include "ui/clockeditor/uTimerMessages.h"
#include "ui/uClockTree.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QTimeEdit>
#include <QTreeView>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A broadcast built in the clock editor's broadcast mode, from the broadcast window, and then
// placed in a clock.

namespace {

QTime At(int hours, int minutes = 0, int seconds = 0) {
    return QTime(hours, minutes, seconds);
}

bool Bold(const QWidget& widget) {
    return widget.font().bold();
}

// Typed as a keyboard with Polish letters types them: committed by the input method.
void TypeName(QWidget& window, const QString& name) {
    QLineEdit& edit = *FindChild<QLineEdit>(window, "edtName");
    edit.selectAll();
    QInputMethodEvent typing;
    typing.setCommitString(name);
    QApplication::sendEvent(&edit, &typing);
}

// A picker set as the user sets it: the time typed, then Enter.
void Pick(TTimerForm& editor, const char* picker, const QTime& time) {
    FindChild<QTimeEdit>(editor, picker)->setTime(time);
}

class BroadcastEditorTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    std::unique_ptr<TTimerForm> Editor;

    void SetUp() override {
        Station.CopyDefaultStation();
        ASSERT_TRUE(BringUpStores());
        Editor = std::make_unique<TTimerForm>(std::make_unique<TClock>(cmBroadcast), nullptr);
        Editor->show();
    }
    void TearDown() override {
        Editor.reset();
        ReleaseStores();
    }

    TClock& Clock() { return Editor->Clock(); }
    QTimeEdit& Begin() { return *FindChild<QTimeEdit>(*Editor, "dtBegin"); }
    QTimeEdit& End() { return *FindChild<QTimeEdit>(*Editor, "dtEnd"); }
    bool Drop(const QString& name) { return DropOnClock(*Editor, name); }
    bool CanEditHour(int row) {
        bool opened = false;
        Editor->Tree().DialogRunner = [&](QDialog&) {
            opened = true;
            return false;
        };
        const QAbstractItemModel& rows = *FindChild<QTreeView>(*Editor, "TreeClock")->model();
        Editor->Tree().EditCell(rows.index(row, ccHour));
        return opened;
    }
};

TEST_F(BroadcastEditorTest, ShowsTheBroadcastsCaptionPickersAndButtonsWithoutFilesOrBroadcasts) {
    EXPECT_EQ(Editor->windowTitle(), QStringLiteral("Audycja"));
    EXPECT_FALSE(FindChild<QMenu>(*Editor, "meFile")->menuAction()->isVisible());
    EXPECT_FALSE(FindChild<QAction>(*Editor, "acnClockSaveAs")->isVisible());
    EXPECT_EQ(FindChild<QLabel>(*Editor, "lblObjects")->text(),
              QStringLiteral("Dostępne kategorie"));
    EXPECT_TRUE(FindChild<QWidget>(*Editor, "pnlBottom")->isVisible());
    EXPECT_TRUE(Begin().isVisible());
    EXPECT_EQ(Begin().toolTip(), QStringLiteral("Początek audycji"));
    EXPECT_FALSE(End().isEnabled()) << "no begin yet";
    EXPECT_FALSE(FindChild<QPushButton>(*Editor, "btnOK")->isEnabled()) << "nothing changed";
    const QAbstractItemModel& objects = *FindChild<QListView>(*Editor, "TreeCat")->model();
    for (int row = 0; row < objects.rowCount(); ++row)
        EXPECT_NE(objects.index(row, 0).data().toString(), QStringLiteral("Serwis informacyjny"))
            << "no broadcast inside a broadcast";
}

TEST_F(BroadcastEditorTest, CellsWaitForABeginWhichFixesTheFirstRow) {
    ASSERT_TRUE(Drop(QStringLiteral("Muzyka")));
    ASSERT_TRUE(Drop(QStringLiteral("Przeboje")));
    EXPECT_FALSE(CanEditHour(1));

    Pick(*Editor, "dtBegin", At(10));
    EXPECT_EQ(Clock().Row(0)->RowHour, 10 * 3600);
    EXPECT_TRUE(Clock().Row(0)->OwnHour());
    EXPECT_EQ(Clock().Row(1)->RowHour, Clock().Row(0)->EndHour());
    EXPECT_TRUE(Bold(Begin()));
    EXPECT_TRUE(End().isEnabled());
    EXPECT_FALSE(Bold(End()));
    EXPECT_EQ(End().time(), At(0).addSecs(Clock().Row(1)->EndHour())) << "the last row's end";
    EXPECT_TRUE(CanEditHour(1));
    EXPECT_TRUE(FindChild<QPushButton>(*Editor, "btnOK")->isEnabled());
}

TEST_F(BroadcastEditorTest, ABeginAfterALaterFixedRowIsRefused) {
    ASSERT_TRUE(Drop(QStringLiteral("Muzyka")));
    ASSERT_TRUE(Drop(QStringLiteral("Przeboje")));
    Pick(*Editor, "dtBegin", At(10));
    ASSERT_TRUE(Clock().SetRowHour(Clock().Row(1), 10 * 3600 + 30 * 60, true));
    Pick(*Editor, "dtBegin", At(11));
    EXPECT_EQ(Prompt.Errors(), QStringList{ClockHourNotBeforeText.arg(QStringLiteral("11:00:00"),
                                                                      QStringLiteral("10:30:00"))});
    EXPECT_EQ(Begin().time(), At(10)) << "back to the first row's start";
    EXPECT_EQ(Clock().Row(0)->RowHour, 10 * 3600);
}

TEST_F(BroadcastEditorTest, AnEndIsBoldAndNeverBeforeTheBegin) {
    ASSERT_TRUE(Drop(QStringLiteral("Muzyka")));
    Pick(*Editor, "dtBegin", At(10));
    Pick(*Editor, "dtEnd", At(9));
    EXPECT_EQ(End().time(), At(10));
    EXPECT_TRUE(Bold(End()));
    Pick(*Editor, "dtEnd", At(11));
    EXPECT_EQ(Clock().BroadcastEnd(), 11 * 3600);
    // A begin moved past the end frees the end: it shows the rows' end again.
    Pick(*Editor, "dtBegin", At(12));
    EXPECT_FALSE(Bold(End()));
    EXPECT_EQ(End().time(), At(0).addSecs(Clock().Row(0)->EndHour()));
}

TEST_F(BroadcastEditorTest, ClosingFollowsTheAnswersAndNeedsAName) {
    const struct {
        const char* What;
        bool Modify;
        const char* Name;
        bool WithOk;
        std::vector<bool> Answers;
        bool Closes;
        bool Accepted;
        QStringList Questions;
        QStringList Errors;
    } cases[] = {
        {"unchanged: no question", false, "", false, {}, true, false, {}, {}},
        {"OK without a name", true, "", true, {}, false, false, {}, {TimerEnterBroadcastName}},
        {"OK with a name", true, "Poranek", true, {}, true, true, {}, {}},
        {"cancel, no: the edits go",
         true,
         "Poranek",
         false,
         {false},
         true,
         false,
         {TimerSaveChangesQuestion},
         {}},
        {"cancel, yes: kept",
         true,
         "Poranek",
         false,
         {true},
         true,
         true,
         {TimerSaveChangesQuestion},
         {}},
        {"cancel, yes without a name",
         true,
         "",
         false,
         {true},
         false,
         false,
         {TimerSaveChangesQuestion},
         {TimerEnterBroadcastName}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        Editor = std::make_unique<TTimerForm>(std::make_unique<TClock>(cmBroadcast), nullptr);
        Editor->show();
        if (c.Modify) {
            ASSERT_TRUE(Drop(QStringLiteral("Muzyka")));
        }
        if (*c.Name)
            TypeName(*Editor, QString::fromUtf8(c.Name));
        Prompt.Clear();
        for (bool answer : c.Answers)
            Prompt.QueueAnswers({answer});
        if (c.WithOk)
            FindChild<QPushButton>(*Editor, "btnOK")->click();
        else
            FindChild<QPushButton>(*Editor, "btnCancel")->click();
        EXPECT_EQ(Editor->isVisible(), !c.Closes);
        EXPECT_EQ(Editor->Accepted(), c.Accepted);
        EXPECT_EQ(Prompt.Questions(), c.Questions);
        EXPECT_EQ(Prompt.Errors(), c.Errors);
    }
}

// The broadcast window over the station's broadcasts, its editor played by the test.
class BroadcastsFormTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    std::unique_ptr<TBroadcastsForm> Window;
    std::unique_ptr<TModelCheck> Check;
    // What the director does in the editor; its answer is whether it closed with OK.
    std::function<bool(TTimerForm&)> Director;

    void SetUp() override {
        Station.CopyDefaultStation();
        ASSERT_TRUE(BringUpStores());
        Window = std::make_unique<TBroadcastsForm>(*BroadcastList);
        Window->EditorRunner = [this](TTimerForm& editor) {
            editor.show();
            return Director(editor);
        };
        Check = std::make_unique<TModelCheck>(List().model());
    }
    void TearDown() override {
        Check.reset();
        Window.reset();
        ReleaseStores();
    }

    QListView& List() { return *FindChild<QListView>(*Window, "lvBroadcasts"); }
    QStringList Lines() {
        QStringList lines;
        for (int row = 0; row < List().model()->rowCount(); ++row)
            lines.append(List().model()->index(row, 0).data().toString());
        return lines;
    }
    QString Current() { return List().currentIndex().data().toString(); }
    void Click(const char* button) { FindChild<QPushButton>(*Window, button)->click(); }
    TBroadcast* Named(const QString& name) {
        for (int i = 0; i < BroadcastList->BroadcastCount(); ++i)
            if (BroadcastList->BroadcastAt(i)->ObjName() == name)
                return BroadcastList->BroadcastAt(i);
        return nullptr;
    }
};

TEST_F(BroadcastsFormTest, OpensOnTheFirstBroadcast) {
    EXPECT_EQ(Window->windowTitle(), QStringLiteral("Audycje"));
    ASSERT_GE(Lines().size(), 2);
    EXPECT_EQ(Current(), Lines().first());
    for (const char* button : {"btnEdit", "btnDelete", "btnCopy"})
        EXPECT_TRUE(FindChild<QPushButton>(*Window, button)->isEnabled()) << button;
}

TEST_F(BroadcastsFormTest, APinnedBroadcastBuiltInTheEditorIsPlacedInAClock) {
    Director = [](TTimerForm& editor) {
        for (const char* name : {"Reklama o", "Muzyka", "Przeboje"})
            EXPECT_TRUE(DropOnClock(editor, QString::fromUtf8(name)));
        TypeName(editor, QStringLiteral("Poranek z żurawiem"));
        Pick(editor, "dtBegin", At(7));
        Pick(editor, "dtEnd", At(8));
        editor.AcceptBroadcast();
        return editor.Accepted();
    };
    Click("btnNew");
    TBroadcast* made = Named(QStringLiteral("Poranek z żurawiem"));
    ASSERT_TRUE(made);
    EXPECT_EQ(Current(), QStringLiteral("Poranek z żurawiem")) << "the new one is selected";
    EXPECT_EQ(made->ItemCount(), 3);
    EXPECT_TRUE(made->IsPinned());
    EXPECT_EQ(made->BeginSeconds(), 7 * 3600);
    EXPECT_EQ(made->EndSeconds(), 8 * 3600);
    EXPECT_TRUE(made->ExactEnd);
    EXPECT_EQ(made->GetPlayTime(), 3600);
    Click("btnClose");
    EXPECT_FALSE(BroadcastList->Modified()) << "closing wrote the list";

    // In a clock it is fixed at its begin; one pinned across it is refused.
    TTimerForm clock;
    const QString shown = made->GetName();
    ASSERT_TRUE(DropOnClock(clock, QStringLiteral("Muzyka")));
    ASSERT_TRUE(DropOnClock(clock, shown));
    const TClockObjData& row = *clock.Clock().Row(1);
    EXPECT_EQ(row.RowHour, 7 * 3600);
    EXPECT_TRUE(row.OwnHour());
    EXPECT_EQ(row.Children.size(), 3u);
    EXPECT_TRUE(Prompt.Errors().isEmpty()) << S(Prompt.Errors());
    EXPECT_FALSE(DropOnClock(clock, shown)) << "the same hours are taken";
    EXPECT_EQ(Prompt.Errors().size(), 1);
    EXPECT_EQ(clock.Clock().RowCount(), 2);
}

TEST_F(BroadcastsFormTest, EditingWritesTheRowsBackAndACancelKeepsTheBroadcast) {
    const QString first = Current();
    TBroadcast* edited = Named(first);
    ASSERT_TRUE(edited);
    const int items = edited->ItemCount();
    Director = [](TTimerForm& editor) {
        EXPECT_TRUE(DropOnClock(editor, QStringLiteral("Muzyka")));
        editor.close();
        return editor.Accepted();
    };
    Prompt.QueueAnswers({false});
    Click("btnEdit");
    EXPECT_EQ(edited->ItemCount(), items) << "answered No";

    Director = [](TTimerForm& editor) {
        EXPECT_TRUE(DropOnClock(editor, QStringLiteral("Muzyka")));
        TypeName(editor, QStringLiteral("Serwis rozszerzony"));
        editor.AcceptBroadcast();
        return editor.Accepted();
    };
    Click("btnEdit");
    EXPECT_EQ(edited->ItemCount(), items + 1);
    EXPECT_EQ(edited->ObjName(), QStringLiteral("Serwis rozszerzony"));
    EXPECT_TRUE(Lines().contains(QStringLiteral("Serwis rozszerzony")));
}

TEST_F(BroadcastsFormTest, CopyAndDeleteAskFirst) {
    const QString first = Current();
    const int count = BroadcastList->BroadcastCount();
    Window->CopyNameAsker = [](const QString&) { return QString(); };
    Click("btnCopy");
    EXPECT_EQ(BroadcastList->BroadcastCount(), count) << "cancelled";

    Window->CopyNameAsker = [&](const QString& name) {
        EXPECT_EQ(name, first);
        return QStringLiteral("Kopia serwisu");
    };
    Click("btnCopy");
    ASSERT_EQ(BroadcastList->BroadcastCount(), count + 1);
    EXPECT_EQ(Current(), QStringLiteral("Kopia serwisu"));
    EXPECT_EQ(Named(QStringLiteral("Kopia serwisu"))->ItemCount(), Named(first)->ItemCount());

    Prompt.QueueAnswers({false});
    Click("btnDelete");
    EXPECT_EQ(BroadcastList->BroadcastCount(), count + 1);
    Prompt.QueueAnswers({true});
    Click("btnDelete");
    EXPECT_EQ(BroadcastList->BroadcastCount(), count);
    EXPECT_FALSE(Lines().contains(QStringLiteral("Kopia serwisu")));
    EXPECT_EQ(Prompt.Questions(), (QStringList{QStringLiteral("Czy na pewno usunąć audycję?"),
                                               QStringLiteral("Czy na pewno usunąć audycję?")}));
}

TEST_F(BroadcastsFormTest, WithoutBroadcastsOnlyNewIsOffered) {
    while (BroadcastList->BroadcastCount() > 0)
        BroadcastList->DeleteBroadcast(BroadcastList->BroadcastAt(0)->Id);
    TBroadcastsForm empty(*BroadcastList);
    for (const char* button : {"btnEdit", "btnDelete", "btnCopy"})
        EXPECT_FALSE(FindChild<QPushButton>(empty, button)->isEnabled()) << button;
    EXPECT_TRUE(FindChild<QPushButton>(empty, "btnNew")->isEnabled());
}

} // namespace
