#pragma once

#include <QString>
#include <QStringList>

// Starts a program and does not wait for it: the program runs in its own directory, detached
// from this process, and gets its arguments one by one, never through a shell, so nothing in
// an argument (blanks, quotes, ";", "$(...)") is read as more than text.
class TExecFile {
public:
    QString CommandLine;    // the program to start
    QStringList Parameters; // its arguments

    // Whether the program was started; when not, ErrorText says why.
    bool Execute();
    const QString& ErrorText() const { return FErrorText; }
    // The process id of the last started program.
    qint64 ProcessId() const { return FProcessId; }

private:
    QString FErrorText;
    qint64 FProcessId = 0;
};
