#include "FindChild.h"
#include "support/RecordingPrompt.h"
#include "ui/uBusyAnimation.h"
#include "ui/uProgressForm.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>
#include <stdexcept>

// The "Postęp" window runs its work once it is on screen and closes when the work ends.

namespace {

struct TStoppable final : TBasePrgressObject {
    int Cancels = 0;
    void Cancel() override { ++Cancels; }
};

class ProgressForm : public ::testing::Test {
protected:
    TRecordingPrompt Prompt;
    TStoppable Operation; // outlives the window that reports it
    TProgressForm Form;
};

TEST_F(ProgressForm, StartsItsTextsAsTheCoreExpects) {
    EXPECT_EQ(Form.windowTitle(), QStringLiteral("Postęp"));
    EXPECT_EQ(FindChild<QLabel>(Form, "lblOperation")->text(), QStringLiteral("?"));
    EXPECT_EQ(FindChild<QProgressBar>(Form, "pgrProgress")->maximum(), 100);
    EXPECT_EQ(FindChild<QPushButton>(Form, "btnCancel")->text(), QStringLiteral("Przerwij"));
}

TEST_F(ProgressForm, WithoutWorkClosesRightAfterShowing) {
    Form.Execute();
    EXPECT_FALSE(Form.isVisible());
}

TEST_F(ProgressForm, RunsTheWorkWhileShownThenTheDoneStep) {
    QStringList ran;
    Form.OnExecute = [&] {
        EXPECT_TRUE(Form.isVisible()) << "the work starts once the window is on screen";
        EXPECT_TRUE(FindChild<TBusyAnimation>(Form, "Animate")->IsRunning());
        ran << QStringLiteral("execute");
    };
    Form.Procedure = [&] { ran << QStringLiteral("procedure"); };
    Form.OnDone = [&] { ran << QStringLiteral("done"); };
    Form.Execute();
    EXPECT_EQ(ran, (QStringList{QStringLiteral("execute"), QStringLiteral("done")}));
    EXPECT_FALSE(Form.isVisible());
    EXPECT_FALSE(FindChild<TBusyAnimation>(Form, "Animate")->IsRunning());
}

TEST_F(ProgressForm, StepsFillTheBarAndShowTheLastText) {
    constexpr int Steps = 7;
    Form.Procedure = [&] {
        Form.SetMax(Steps);
        for (int i = 1; i <= Steps; ++i)
            Form.Step(1, QStringLiteral("Krok %1").arg(i));
    };
    Form.Execute();
    EXPECT_EQ(FindChild<QProgressBar>(Form, "pgrProgress")->value(), Steps);
    EXPECT_EQ(FindChild<QLabel>(Form, "lblInfo")->text(), QStringLiteral("Krok 7"));
    EXPECT_EQ(Prompt.EventsProcessed, Steps) << "each step lets the window repaint";
}

TEST_F(ProgressForm, AnAttachedOperationReportsIntoTheWindow) {
    Form.Attach(&Operation);
    Operation.SetProgressMax(4);
    Operation.StepProgress();
    Operation.ReportMessage(QStringLiteral("Losowanie"));
    EXPECT_EQ(FindChild<QProgressBar>(Form, "pgrProgress")->maximum(), 4);
    EXPECT_EQ(FindChild<QProgressBar>(Form, "pgrProgress")->value(), 1);
    EXPECT_EQ(FindChild<QLabel>(Form, "lblInfo")->text(), QStringLiteral("Losowanie"));
}

TEST_F(ProgressForm, InterruptAsksTheAttachedOperationToStopAndCloses) {
    for (const bool attached : {true, false}) {
        TStoppable operation;
        TProgressForm form;
        if (attached)
            form.Attach(&operation);
        bool finished = false;
        form.OnExecute = [&] {
            FindChild<QPushButton>(form, "btnCancel")->click();
            finished = true; // the work decides when it stops
        };
        form.Execute();
        EXPECT_TRUE(finished);
        EXPECT_EQ(operation.Cancels, attached ? 1 : 0);
        EXPECT_FALSE(form.isVisible());
    }
}

TEST_F(ProgressForm, AFailingWorkIsReportedAndTheWindowCloses) {
    Form.OnExecute = [] { throw std::runtime_error("brak pamięci"); };
    Form.Execute();
    EXPECT_EQ(Prompt.Errors(), QStringList{QStringLiteral("brak pamięci")});
    EXPECT_FALSE(Form.isVisible());
}

TEST_F(ProgressForm, IsWhatTheCoreGetsOnceInstalled) {
    SetProgressWindowFactory(TProgressForm::Factory());
    const std::unique_ptr<TProgressWindow> window = NewProgressWindow();
    SetProgressWindowFactory({});
    EXPECT_NE(dynamic_cast<TProgressForm*>(window.get()), nullptr);
}

} // namespace
