#include "cli/uCliDay.h"
#include "cli/uCliMain.h"
#include "report/uShownDayReport.h"

int CliBack(TCliContext& context) {
    TCliDayHost host;
    return RunDayCommand(context, 1, host, [&](TDayLifecycle& days, const QDate&) {
        if (days.State() == dsEmpty) {
            context.Err << QStringLiteral("Dzień %1 jest pusty: nie ma kroku wstecz.")
                               .arg(days.ShownDate().toString(Qt::ISODate))
                        << Qt::endl;
            return int(ceRefused);
        }
        return ExitCodeOf(BackRemovingReport(days));
    });
}
