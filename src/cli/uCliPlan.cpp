#include "cli/uCliDay.h"
#include "cli/uCliMain.h"
#include "settings/uSettings.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The clock file as given, or by its name in the clock directory.
QString FindClockFile(const QString& given) {
    if (QFileInfo::exists(given))
        return QFileInfo(given).absoluteFilePath();
    const QString inClockDir = QDir(Config.ClockDir).filePath(given);
    if (QFileInfo(given).isRelative() && QFileInfo::exists(inClockDir))
        return inClockDir;
    return {};
}

} // namespace

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
