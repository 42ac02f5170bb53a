#include "cli/uCliDay.h"
#include "cli/uCliMain.h"

namespace {

int ExportDay(TCliContext& context, int filterIndex) {
    TCliDayHost host;
    return RunDayCommand(context, 2, host, [&](TDayLifecycle& days, const QDate&) {
        if (!RequireState(days, dsPending, context.Err))
            return int(ceRefused);
        host.ExportFile = context.Args.at(1);
        return ExitCodeOf(days.Export(filterIndex));
    });
}

} // namespace

int CliExportMix(TCliContext& context) {
    return ExportDay(context, 1);
}

int CliExportText(TCliContext& context) {
    return ExportDay(context, 2);
}
