#pragma once

#include <QStringList>
#include <QTextStream>

// Exit codes of dobieralnik-cli.
enum TCliExit : int {
    ceDone = 0,
    ceRefused = 1, // refused by a rule or by a No answer
    ceUsage = 2,
    ceFileError = 3, // a file or store error
};

// Runs one command line (without the program name) and returns its exit code.
int RunCli(QStringList args, QTextStream& out, QTextStream& err);
