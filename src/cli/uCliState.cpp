#include "cli/uCliDay.h"
#include "cli/uCliMain.h"

int CliState(TCliContext& context) {
    const QDate date = DayArgument(context, 1);
    if (!date.isValid())
        return ceUsage;
    // Only the files decide; nothing is opened.
    context.Out << DayStateName(DayStateOf(date)) << Qt::endl;
    return ceDone;
}
