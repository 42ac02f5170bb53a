#include "cli/uCliCommand.h"
#include "cli/uCliMain.h"
#include "foundation/uAppPaths.h"
#include "settings/uDefaultStation.h"

int CliInit(TCliContext& context) {
    if (!context.Args.isEmpty()) {
        context.Err << QStringLiteral("Polecenie init nie przyjmuje argumentów.") << Qt::endl;
        return ceUsage;
    }
    QString error;
    const TStationCreation result = CreateStation(ProgramDir(), &error);
    if (result == TStationCreation::scCreated)
        context.Out << QStringLiteral("Założono stację w katalogu \"%1\".").arg(ProgramDir())
                    << Qt::endl;
    return StationExitCode(result, error, context.Err);
}

int StationExitCode(TStationCreation result, const QString& error, QTextStream& err) {
    switch (result) {
    case TStationCreation::scCreated:
        return ceDone;
    case TStationCreation::scExists:
        err << error << Qt::endl;
        return ceRefused;
    case TStationCreation::scFailed:
        break;
    }
    err << error << Qt::endl;
    return ceFileError;
}
