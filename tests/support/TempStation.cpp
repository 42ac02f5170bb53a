#include "support/TempStation.h"

#include "foundation/uAppPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

TTempStation::TTempStation() {
    SetProgramDir(TempDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       TempDir.filePath(QStringLiteral(".settings")));
}

TTempStation::~TTempStation() {
    SetProgramDir(QString());
}

void TTempStation::CopyDefaultStation() const {
    const QDir source(QStringLiteral(DOBIERALNIK_SOURCE_DIR "/station"));
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = TempDir.filePath(source.relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
}
