#include "cli/uCliDay.h"
#include "cli/uCliMain.h"
#include "report/uShownDayReport.h"

int CliAccept(TCliContext& context) {
    TCliDayHost host;
    return RunDayCommand(context, 1, host, [&](TDayLifecycle& days, const QDate&) {
        if (!RequireState(days, dsPending, context.Err))
            return int(ceRefused);
        return ExitCodeOf(AcceptKeepingReport(days));
    });
}
