#include "cli/uCliDay.h"
#include "cli/uCliMain.h"

int CliPlan(TCliContext& context) {
    TCliDayHost host;
    return RunDayCommand(context, 2, host, [&](TDayLifecycle& days, const QDate&) {
        if (!RequireState(days, dsEmpty, context.Err))
            return int(ceRefused);
        host.ClockFile = FindClockFile(context.Args.at(1));
        if (host.ClockFile.isEmpty()) {
            context.Err << QStringLiteral("Nie ma pliku zegara \"%1\".").arg(context.Args.at(1))
                        << Qt::endl;
            return int(ceFileError);
        }
        return ExitCodeOf(days.ChooseClock());
    });
}
