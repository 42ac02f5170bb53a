#pragma once

#include "FindChild.h"
#include "cli/uDemoStation.h"
#include "dayplan/uDayLifecycle.h"
#include "foundation/uAppPaths.h"
#include "library/uProgress.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "ui/uClockTree.h"
#include "ui/uMainForm.h"
#include "ui/uProgressForm.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

// The main window driven as the music director drives it, on a small demo station, with the
// file dialogs answered by the test.

inline const QString WeekdayClock = QStringLiteral("Dzień powszedni.ctm");

class MainFormDay : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    std::unique_ptr<TMainForm> Form;
    QDate Today = QDate::currentDate();
    QString ExportPath;

    void SetUp() override {
        QString error;
        TDemoStationOptions options;
        options.Songs = 400;
        ASSERT_EQ(CreateDemoStation(Station.Dir(), options, {}, &error),
                  TStationCreation::scCreated)
            << error.toStdString();
        // Generating runs in the real "Postęp" window, as in the program.
        SetProgressWindowFactory(TProgressForm::Factory());
        Form = std::make_unique<TMainForm>();
        Form->ClockFileChooser = [] { return QDir(Config.ClockDir).filePath(WeekdayClock); };
        Form->ExportFileChooser = [this](const QString& dir, const QString& name, int) {
            ExportPath = QDir(dir).filePath(name);
            return ExportPath;
        };
        Form->FirstActivation();
        ASSERT_TRUE(Form->StoresUp());
        ASSERT_EQ(Form->Days()->State(), dsEmpty);
    }

    void TearDown() override {
        Form.reset();
        SetProgressWindowFactory({});
    }

    TDayLifecycle& Days() const { return *Form->Days(); }
    bool ClockMenuShown() const { return Form->ClockView()->ViewMenu()->menuAction()->isVisible(); }
    bool Exists(TPlanKind kind) const { return !ExistingPlanFilePath(kind, Today).isEmpty(); }

    void PlanToday() {
        FindChild<QPushButton>(*Form, "btnTimer")->click();
        ASSERT_EQ(Days().State(), dsFuture);
    }
    void GenerateToday() {
        PlanToday();
        FindChild<QAction>(*Form, "acnRand")->trigger();
        ASSERT_EQ(Days().State(), dsPending) << Prompt.Errors().join(u'\n').toStdString();
        ASSERT_GT(Days().PlayList().Count(), 0);
    }
    void AcceptToday() {
        GenerateToday();
        Prompt.DefaultAnswer = true; // accepted also when incomplete; the export asks too
        FindChild<QAction>(*Form, "acnAccept")->trigger();
        ASSERT_EQ(Days().State(), dsHistory) << Prompt.Errors().join(u'\n').toStdString();
    }
};
