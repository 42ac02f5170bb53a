#include "cli/uCliCommand.h"

const QList<TCliCommand>& CliCommands() {
    static const QList<TCliCommand> commands = {
        {"init", "init                 zakłada nową stację w katalogu --dir", CliInit, true},
    };
    return commands;
}
