#include "cli/uCliDay.h"

#include "cli/uCliMain.h"
#include "dayplan/uStores.h"
#include "foundation/uAppPaths.h"
#include "settings/uSettings.h"

#include <QDir>
#include <QFileInfo>

QString TCliDayHost::ChooseExportFile(const QString& dir, const QString& fileName,
                                      int filterIndex) {
    if (!ExportFile.isEmpty())
        return ExportFile;
    const QString extension = filterIndex == 1 ? QStringLiteral(".mix") : QStringLiteral(".txt");
    return QDir(dir.isEmpty() ? ProgramDir() : dir).filePath(fileName + extension);
}

QString FindClockFile(const QString& given) {
    if (QFileInfo::exists(given))
        return QFileInfo(given).absoluteFilePath();
    const QString inClockDir = QDir(Config.ClockDir).filePath(given);
    if (QFileInfo(given).isRelative() && QFileInfo::exists(inClockDir))
        return inClockDir;
    return {};
}

QDate ParseCliDate(const QString& text, QTextStream& err) {
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid() || text.size() != 10)
        err << QStringLiteral("Błędna data \"%1\": podaj RRRR-MM-DD.").arg(text) << Qt::endl;
    return text.size() == 10 ? date : QDate();
}

QDate DayArgument(TCliContext& context, int argCount) {
    if (context.Args.size() != argCount) {
        context.Err << QStringLiteral("Błędna liczba argumentów. Zobacz --help.") << Qt::endl;
        return {};
    }
    return ParseCliDate(context.Args.first(), context.Err);
}

int ExitCodeOf(TDayResult result) {
    switch (result) {
    case TDayResult::drDone:
        return ceDone;
    case TDayResult::drRefused:
        return ceRefused;
    case TDayResult::drFailed:
        return ceFileError;
    }
    return ceFileError;
}

bool RequireState(const TDayLifecycle& days, TDayState state, QTextStream& err) {
    if (days.State() == state)
        return true;
    err << QStringLiteral("Dzień %1 ma stan %2, a polecenie wymaga stanu %3.")
               .arg(days.ShownDate().toString(Qt::ISODate), DayStateName(days.State()),
                    DayStateName(state))
        << Qt::endl;
    return false;
}

int RunDayCommand(TCliContext& context, int argCount, TCliDayHost& host,
                  const TDayOperation& operation, bool saveDay) {
    const QDate date = DayArgument(context, argCount);
    if (!date.isValid())
        return ceUsage;

    EnsureDirectory(AppFilePath(kPlanDir));
    TStoresSession stores;
    if (!stores.IsUp())
        return ceFileError;
    TDayLifecycle days(host);
    days.ShowDay(date);
    // The day's own files (its list, its clock, its history) must be read whole too.
    if (!UnreadFiles().isEmpty())
        return ceFileError;
    const int code = operation(days, date);
    if (saveDay && !days.SaveOnClose() && code == ceDone)
        return ceFileError;
    return code;
}
