#include "dayplan/uDayLifecycle.h"
#include "dayplan/uDayMessages.h"
#include "dayplan/uRelaxedFile.h"
#include "foundation/uAppPaths.h"
#include "foundation/uDateTime.h"
#include "foundation/uMsgLog.h"
#include "foundation/uPrompt.h"
#include "library/uDBMainBase.h"
#include "settings/uSettings.h"

TDayResult TDayLifecycle::ResetHistory() {
    if (FState != dsEmpty || !AskYesNo(DayText::ResetHistory))
        return TDayResult::drRefused;
    TBusyGuard busy;
    MainBase->CloseTables();
    if (!MainBase->ResetStats())
        return TDayResult::drFailed;
    DeleteFilesByExt(PlanDirName(pkHistory), PlanExtension(pkHistory));
    DeleteFilesByExt(PlanDirName(pkCurrent), PlanExtension(pkCurrent));
    DeleteFilesByExt(PlanDirName(pkCurrent), kRelaxedFileExtension);
    TimeRanges->SetFirstDay(Now());
    return TimeRanges->Save() ? TDayResult::drDone : TDayResult::drFailed;
}

TDayResult TDayLifecycle::ClearLibrary() {
    if (!AskYesNo(DayText::ClearLibrary))
        return TDayResult::drRefused;
    TBusyGuard busy;
    MainBase->CloseTables();
    return MainBase->ClearDatabase() ? TDayResult::drDone : TDayResult::drFailed;
}
