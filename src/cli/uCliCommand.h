#pragma once

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

// Every command, in the order --help lists them.
const QList<TCliCommand>& CliCommands();

// The commands, one per file.
int CliInit(TCliContext& context);
