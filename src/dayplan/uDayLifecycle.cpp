#include "dayplan/uDayLifecycle.h"

#include "dayplan/uDayMessages.h"
#include "dayplan/uRelaxedFile.h"
#include "foundation/uAppPaths.h"
#include "foundation/uMsgLog.h"
#include "foundation/uPrompt.h"

#include <QFile>

TDayLifecycle::TDayLifecycle(IDayHost& host) : ResultView(&FPlayList), FHost(host) {}

void TDayLifecycle::ShowDay(const QDate& date) {
    TBusyGuard busy;
    // The shown day is always left first, its list or clock saved: the files decide the new
    // state, the date shown again may be the same one, and a day left for another in the same
    // state keeps its edits. The new state is then entered afresh.
    LeaveState(dsNone);
    FState = dsNone;
    FShownDate = date;
    switch (DayStateOf(date)) {
    case dsHistory:
        SwitchState(dsHistory);
        ShowHistoryDay(date);
        break;
    case dsPending:
        SwitchState(dsPending);
        FPlayList.LoadPlanDay(date);
        FPlayList.ViewDate = date;
        break;
    case dsFuture:
        SwitchState(dsFuture);
        ResetDayClock();
        FDayClock.LoadClockFile(FDayClock.ClockPath);
        break;
    default:
        SwitchState(dsEmpty);
        break;
    }
    FHost.ViewsChanged();
}

void TDayLifecycle::ShowHistoryDay(const QDate& date) {
    FHistoryShown = FHistory.LoadDayHistory(PlanFilePath(pkHistory, date));
}

void TDayLifecycle::SwitchState(TDayState newState) {
    if (newState == FState)
        return;
    LeaveState(newState);
    if (newState != dsPending)
        FPlayList.ClearView();
    SetState(newState);
}

void TDayLifecycle::LeaveState(TDayState newState) {
    // A failed save is reported by its writer; the day is left all the same.
    if (FState == dsFuture) {
        FDayClock.SaveClockFile(FDayClock.ClockPath, false);
        if (newState != dsPending)
            FDayClock.ClearClock();
    } else if (FState == dsPending) {
        SavePlayList();
        FPlayList.ClearView();
    }
}

bool TDayLifecycle::SavePlayList() {
    // After an accepted day was taken back its list has no file of its own; it still belongs to
    // its day, so nothing the user did to it is lost.
    if (!FPlayList.ReadWhole())
        return true; // the file keeps what could not be read
    QString path = FPlayList.PendingPath;
    if (path.isEmpty() && FPlayList.ViewDate.isValid())
        path = PlanFilePath(pkCurrent, FPlayList.ViewDate);
    return path.isEmpty() || FPlayList.SavePlanFile(path);
}

void TDayLifecycle::DropPlayList() {
    FPlayList.ClearView();
    FPlayList.ViewDate = QDate();
}

void TDayLifecycle::SetState(TDayState state) {
    FState = state;
    if (state != dsHistory)
        FHistory.Clear();
    FHost.StateChanged(state);
}

void TDayLifecycle::ShowNextDay() {
    ShowDay(FShownDate.addDays(1));
}

void TDayLifecycle::ShowPreviousDay() {
    if (IsAfterFirstDay(FShownDate))
        ShowDay(FShownDate.addDays(-1));
}

void TDayLifecycle::PickDate(const QDate& date) {
    if (date == FLastPickedDate)
        return;
    ShowDay(date);
    FLastPickedDate = date;
}

TDayResult TDayLifecycle::ChooseClock() {
    const QString path = FHost.ChooseClockFile();
    if (path.isEmpty())
        return TDayResult::drRefused;
    if (!FDayClock.LoadClockFile(path))
        return TDayResult::drFailed;
    FDayClock.ClockPath = PlanFilePath(pkPlanned, FShownDate);
    FDayClock.Modified = true;
    SwitchState(dsFuture);
    FHost.ViewsChanged();
    return TDayResult::drDone;
}

void TDayLifecycle::ResetDayClock() {
    FDayClock.ClearClock();
    FDayClock.SetName({});
    FDayClock.ClockPath = PlanFilePath(pkPlanned, FShownDate);
    FDayClock.Modified = false;
}

void TDayLifecycle::StartEmptyClock() {
    ResetDayClock();
    SwitchState(dsFuture);
    FHost.ViewsChanged();
}

TDayResult TDayLifecycle::ChangeClock() {
    const QString path = FHost.ChooseClockFile();
    if (path.isEmpty())
        return TDayResult::drRefused;
    const bool loaded = FDayClock.LoadClockFile(path);
    FDayClock.Modified = false;
    FDayClock.ClockPath = path;
    FHost.ViewsChanged();
    return loaded ? TDayResult::drDone : TDayResult::drFailed;
}

TDayResult TDayLifecycle::Back() {
    switch (FState) {
    case dsHistory: {
        const TDayResult taken = TakeBackAcceptedDay();
        if (taken != TDayResult::drDone)
            return taken;
        break;
    }
    case dsPending:
        if (!AskYesNo(DayText::DeletePlayList))
            return TDayResult::drRefused;
        FPlayList.ClearView();
        DeletePlanFile(pkCurrent, FShownDate);
        QFile::remove(RelaxedFilePath(PlanFilePath(pkCurrent, FShownDate)));
        ResetDayClock();
        if (const QString planned = ExistingPlanFilePath(pkPlanned, FShownDate); !planned.isEmpty())
            FDayClock.LoadClockFile(planned);
        SetState(dsFuture);
        break;
    case dsFuture:
        if (!AskYesNo(DayText::ClearClock))
            return TDayResult::drRefused;
        ResetDayClock();
        DeletePlanFile(pkPlanned, FShownDate);
        SetState(dsEmpty);
        break;
    default:
        return TDayResult::drDone;
    }
    FHost.ViewsChanged();
    return TDayResult::drDone;
}

bool TDayLifecycle::SavePendingDay() {
    return FState != dsPending || SavePlayList();
}

bool TDayLifecycle::SaveOnClose() {
    switch (FState) {
    case dsPending:
        return SavePlayList();
    case dsFuture:
        return FDayClock.SaveClockFile(FDayClock.ClockPath, false);
    default:
        return true;
    }
}
