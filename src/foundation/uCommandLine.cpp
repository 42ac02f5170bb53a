#include "foundation/uCommandLine.h"

#include "foundation/uAppPaths.h"

#include <QFileInfo>

bool TakeProgramDirOption(QStringList& args, QString* error) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString dir;
        if (args[i] == QLatin1String("--dir")) {
            if (i + 1 >= args.size()) {
                *error = QStringLiteral("Brak katalogu po --dir.");
                return false;
            }
            dir = args[i + 1];
            args.remove(i, 2);
        } else if (args[i].startsWith(QLatin1String("--dir="))) {
            dir = args[i].mid(6);
            args.remove(i);
        } else {
            continue;
        }
        if (!QFileInfo(dir).isDir()) {
            *error = QStringLiteral("Katalog \"%1\" nie istnieje.").arg(dir);
            return false;
        }
        SetProgramDir(dir);
        return true;
    }
    return true;
}
