#include "cli/uCliMain.h"

#include <QCoreApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Dobieralnik"));
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return RunCli(args, out, err);
}
