#pragma once

#include "settings/uDefaultStation.h"

#include <QStringList>
#include <QTextStream>

// What one command of dobieralnik-cli gets: its own arguments (after the command name) and
// the two output streams. It returns an exit code of TCliExit.
struct TCliContext {
    QStringList Args;
    QTextStream& Out;
    QTextStream& Err;
};

using TCliHandler = int (*)(TCliContext& context);

struct TCliCommand {
    const char* Name;
    const char* Synopsis; // shown by --help
    TCliHandler Handler;
    bool CreatesStation = false; // --dir may name a directory that does not exist yet
};

// The exit code of making a station: done, refused (a station is already there) or failed;
// the reason of the last two is written to `err`.
int StationExitCode(TStationCreation result, const QString& error, QTextStream& err);

// Every command, in the order --help lists them.
const QList<TCliCommand>& CliCommands();

// The commands, one per file.
int CliInit(TCliContext& context);
int CliDemo(TCliContext& context);
int CliState(TCliContext& context);
int CliPlan(TCliContext& context);
int CliGenerate(TCliContext& context);
int CliAccept(TCliContext& context);
int CliBack(TCliContext& context);
int CliExportMix(TCliContext& context);
int CliExportText(TCliContext& context);
int CliShow(TCliContext& context);
int CliReport(TCliContext& context);
int CliSimulate(TCliContext& context);
int CliImportDat(TCliContext& context);
int CliPlay(TCliContext& context);
