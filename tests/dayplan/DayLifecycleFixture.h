#pragma once

#include "clocks/uCategory.h"
#include "clocks/uClock.h"
#include "dayplan/uDayLifecycle.h"
#include "dayplan/uStores.h"
#include "foundation/uAppPaths.h"
#include "foundation/uDateTime.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "synthetic/uSyntheticLibrary.h"

#include <QFileInfo>
#include <QList>
#include <gtest/gtest.h>
#include <memory>

// Answers the lifecycle's dialogs with paths the test sets and remembers what it was told.
class TFakeDayHost final : public IDayHost {
public:
    QString ClockFile;
    QString ExportFile;
    QString ExportDir;
    QString ExportName;
    QList<TDayState> States;
    QList<int> FocusedRows;

    QString ChooseClockFile() override { return ClockFile; }
    QString ChooseExportFile(const QString& dir, const QString& fileName, int) override {
        ExportDir = dir;
        ExportName = fileName;
        return ExportFile;
    }
    void StateChanged(TDayState state) override { States.append(state); }
    void FocusRow(int row) override { FocusedRows.append(row); }
};

// The default station with every store up, a small made-up library and a short clock of three
// music slots ("Krótki.ctm"). The history begins on the first test day.
class DayLifecycleFixture : public ::testing::Test {
protected:
    const QDate FirstDay{2025, 3, 10};

    TTempStation Station;
    TRecordingPrompt Prompt;
    TFakeDayHost Host;
    std::unique_ptr<TDayLifecycle> Days;
    QString ShortClock;

    void SetUp() override {
        Station.CopyDefaultStation();
        EnsureDirectory(AppFilePath(kPlanDir));
        ASSERT_TRUE(BringUpStores());
        TSyntheticLibraryOptions options;
        options.Songs = 300;
        options.Artists = 100;
        options.Albums = 20;
        options.Labels = 10;
        options.CharCombinations = 50;
        ASSERT_EQ(StoreSyntheticLibrary(TSyntheticLibrary(SyntheticOptionsFromSettings(options))),
                  options.Songs);
        TimeRanges->SetFirstDay(DateToDateTime(FirstDay));
        ShortClock = Station.Path(QStringLiteral("Zegary/Krótki.ctm"));
        WriteShortClock(ShortClock);
        Host.ClockFile = ShortClock;
        // An accepted day always gets its ".mix".
        Host.ExportFile = Station.Path(QStringLiteral("PlayListy/dzien"));
        Days = std::make_unique<TDayLifecycle>(Host);
    }
    void TearDown() override {
        Days.reset();
        ReleaseStores();
    }

    static void WriteShortClock(const QString& path) {
        TClock clock;
        TBaseClockObject* music = nullptr;
        for (TBaseClockObject* object : clock.AvailableObjects())
            if (!music && dynamic_cast<TCategory*>(object))
                music = object;
        ASSERT_NE(music, nullptr);
        for (int i = 0; i < 3; ++i)
            ASSERT_NE(clock.InsertObjects(*music, nullptr, ipAfter), nullptr);
        ASSERT_TRUE(clock.SaveClockFile(path, true));
    }

    // Which of the date's files exist, as "plh", "plp", "plz".
    static QStringList FilesOf(const QDate& date) {
        QStringList files;
        for (TPlanKind kind : {pkHistory, pkCurrent, pkPlanned})
            if (QFileInfo::exists(PlanFilePath(kind, date)))
                files << PlanExtension(kind);
        return files;
    }

    // Shows the date and gives it the short clock.
    void PlanDay(const QDate& date) {
        Days->ShowDay(date);
        ASSERT_EQ(Days->ChooseClock(), TDayResult::drDone);
    }
    // Plans and generates the date.
    void GenerateDay(const QDate& date) {
        PlanDay(date);
        Days->Seed = 5;
        ASSERT_EQ(Days->Generate(), TDayResult::drDone);
    }
};
