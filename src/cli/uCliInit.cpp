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
    switch (CreateStation(ProgramDir(), &error)) {
    case TStationCreation::scCreated:
        context.Out << QStringLiteral("Założono stację w katalogu \"%1\".").arg(ProgramDir())
                    << Qt::endl;
        return ceDone;
    case TStationCreation::scExists:
        context.Err << error << Qt::endl;
        return ceRefused;
    case TStationCreation::scFailed:
        context.Err << error << Qt::endl;
        return ceFileError;
    }
    return ceFileError;
}
