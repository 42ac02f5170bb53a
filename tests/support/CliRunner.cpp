#include "support/CliRunner.h"

#include "cli/uCliMain.h"

#include <QTextStream>

TCliRun RunCliCommand(const QStringList& args) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = RunCli(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}
