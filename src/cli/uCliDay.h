#pragma once

#include "cli/uCliCommand.h"
#include "dayplan/uDayHost.h"
#include "dayplan/uDayLifecycle.h"

#include <QDate>
#include <functional>

// The day commands drive the same lifecycle as the main window: the station's stores are
// brought up, the date is shown, one operation runs, and the shown day is saved as closing
// the window saves it.

// Answers the lifecycle's dialogs with the paths the command was given.
class TCliDayHost final : public IDayHost {
public:
    QString ClockFile;  // for "Wybierz zegar"
    QString ExportFile; // for the save dialog; empty: the dialog's own folder and name

    QString ChooseClockFile() override { return ClockFile; }
    QString ChooseExportFile(const QString& dir, const QString& fileName, int filterIndex) override;
};

// The clock file as given, or by its name in the clock directory; empty when there is none.
QString FindClockFile(const QString& given);

// A date given as YYYY-MM-DD; otherwise the usage error is written and the date is invalid.
QDate ParseCliDate(const QString& text, QTextStream& err);

// The date a day command starts with, when it got `argCount` arguments; otherwise the usage
// error is written and the date is invalid.
QDate DayArgument(TCliContext& context, int argCount);

// The exit code of an operation's result.
int ExitCodeOf(TDayResult result);

// False, with the reason written, when the shown date is not in the state.
bool RequireState(const TDayLifecycle& days, TDayState state, QTextStream& err);

using TDayOperation = std::function<int(TDayLifecycle& days, const QDate& date)>;

// Checks that the command got `argCount` arguments, the first a date, brings the stores up,
// shows the date, runs the operation and saves the shown day. The operation's exit code, or
// the code of the first thing that failed. A command that only looks passes `saveDay` false.
int RunDayCommand(TCliContext& context, int argCount, TCliDayHost& host,
                  const TDayOperation& operation, bool saveDay = true);
