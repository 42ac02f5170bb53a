#include "preview/uExecFile.h"

#include <QFileInfo>
#include <QProcess>

bool TExecFile::Execute() {
    FErrorText.clear();
    FProcessId = 0;
    QProcess process;
    process.setProgram(CommandLine);
    process.setArguments(Parameters);
    process.setWorkingDirectory(QFileInfo(CommandLine).absolutePath());
    // The player must not hold on to the program's own standard streams.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (process.startDetached(&FProcessId))
        return true;
    FErrorText = process.errorString();
    return false;
}
