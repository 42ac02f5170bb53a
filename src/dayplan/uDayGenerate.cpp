#include "dayplan/uDayLifecycle.h"
#include "dayplan/uDayMessages.h"
#include "foundation/uAppPaths.h"
#include "foundation/uDateTime.h"
#include "foundation/uFormat.h"
#include "foundation/uPrompt.h"
#include "foundation/uRandom.h"
#include "generator/uFillGenerator.h"
#include "generator/uRandTimer.h"
#include "library/uDBMainBase.h"
#include "library/uProgress.h"
#include "library/uStoreErrors.h"

namespace {

bool PreviousDayHasList(const QDate& day) {
    const QDate previous = day.addDays(-1);
    return !ExistingPlanFilePath(pkCurrent, previous).isEmpty() ||
           !ExistingPlanFilePath(pkHistory, previous).isEmpty();
}

} // namespace

TDayResult TDayLifecycle::Generate() {
    if (FState != dsFuture)
        return TDayResult::drRefused;
    if (!PreviousDayHasList(FShownDate) && IsAfterFirstDay(FShownDate)) {
        ShowError(DayText::GeneratePreviousFirst);
        return TDayResult::drRefused;
    }
    if (!FDayClock.ReadWhole()) {
        ShowError(Format(DayText::ClockNotWhole, {FDayClock.ClockPath}));
        return TDayResult::drFailed;
    }

    if (!MainBase) {
        ShowError(Format(DayText::GenerateError, {kStoreNotOpen}));
        return TDayResult::drFailed;
    }

    bool generateOk = true;
    bool failed = false;
    bool stoppedEarly = false;
    const std::unique_ptr<TProgressWindow> progress = NewProgressWindow();
    progress->SetOperation(DayText::Generating);
    progress->SetInfo(DayText::Preparing);
    progress->OnExecute = [&] {
        TRandom random(Seed.value_or(TRandTimer::ClockSeed()));
        TRandTimer generator(*MainBase, random);
        progress->Attach(&generator);
        try {
            generator.ResultView = ResultView;
            ProcessPendingEvents();
            generator.SetDate(DateToDateTime(FShownDate));
            generateOk = FillGenerator(FDayClock, generator);
            if (generateOk) {
                ProcessPendingEvents();
                generator.Run();
                // Stopped with "Przerwij", or by a category with nothing left to draw: the list
                // drawn so far becomes the pending day, for the music director to finish by hand.
                stoppedEarly = generator.IsCancelled();
                failed = generator.Failed();
            }
        } catch (const std::exception& error) {
            ShowError(Format(DayText::GenerateError, {QString::fromUtf8(error.what())}));
            failed = true;
        }
        progress->Attach(nullptr);
    };
    progress->Execute();
    // A run that failed (the store, say) leaves the day planned: what it drew is no day.
    if (!generateOk || failed) {
        FPlayList.ClearView();
        FHost.ViewsChanged();
        return failed ? TDayResult::drFailed : TDayResult::drRefused;
    }

    SwitchState(dsPending);
    FPlayList.PendingPath = PlanFilePath(pkCurrent, FShownDate);
    FPlayList.ViewDate = FShownDate;
    FDayClock.ClearClock();
    FHost.ViewsChanged();
    return stoppedEarly ? TDayResult::drRefused : TDayResult::drDone;
}
