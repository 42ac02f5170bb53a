#include "foundation/uCommandLine.h"

#include "foundation/uAppPaths.h"

#include <QDir>
#include <QFileInfo>

bool TakeProgramDirOption(QStringList& args, QString* error, bool createMissing) {
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
        if (createMissing && !QFileInfo::exists(dir))
            QDir().mkpath(dir);
        if (!QFileInfo(dir).isDir()) {
            *error = QStringLiteral("Katalog \"%1\" nie istnieje.").arg(dir);
            return false;
        }
        SetProgramDir(dir);
        return true;
    }
    return true;
}
