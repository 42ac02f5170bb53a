#include "support/TestFiles.h"

#include "foundation/uDirectoryCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool CopyDirectory(const QString& from, const QString& to) {
    return CopyDirectoryTree(from, to);
}
