#include "foundation/uDirectoryCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool CopyDirectoryTree(const QString& from, const QString& to, QString* error) {
    const auto fail = [error](const QString& path) {
        if (error)
            *error = path;
        return false;
    };
    const QDir source(from);
    if (!source.exists() || !QDir().mkpath(to))
        return fail(source.exists() ? to : from);
    const QFileInfoList entries = source.entryInfoList(
        QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir()) {
            if (entry.isSymLink())
                continue;
            if (!CopyDirectoryTree(entry.filePath(), target, error))
                return false;
        } else if (!QFile::copy(entry.filePath(), target)) {
            return fail(entry.filePath());
        }
    }
    return true;
}
