#pragma once

#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>

// Every file and folder below a station directory with the file's bytes, to show that a
// window closed without OK left the station exactly as it was (no file written, none made).
inline QMap<QString, QByteArray> StationSnapshot(const QString& dir) {
    QMap<QString, QByteArray> entries;
    const QDir root(dir);
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = root.relativeFilePath(path);
        entries.insert(name, it.fileInfo().isDir() ? QByteArray("<dir>") : ReadFileBytes(path));
    }
    return entries;
}
