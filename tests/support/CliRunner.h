#pragma once

#include <QString>
#include <QStringList>

// Runs one dobieralnik-cli command line in-process and keeps what it printed.
struct TCliRun {
    int Code;
    QString Out;
    QString Err;
};

TCliRun RunCliCommand(const QStringList& args);
