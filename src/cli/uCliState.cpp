#include "cli/uCliDay.h"
#include "cli/uCliMain.h"

int CliState(TCliContext& context) {
    if (context.Args.size() != 1) {
        context.Err << QStringLiteral("Błędna liczba argumentów. Zobacz --help.") << Qt::endl;
        return ceUsage;
    }
    const QDate date = ParseCliDate(context.Args.first(), context.Err);
    if (!date.isValid())
        return ceUsage;
    // Only the files decide; nothing is opened.
    context.Out << DayStateName(DayStateOf(date)) << Qt::endl;
    return ceDone;
}
