#include "settings/uDefaultStation.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kResourceRoot = QStringLiteral(":/station/");

} // namespace

QStringList DefaultStationFiles() {
    QStringList files;
    QDirIterator it(kResourceRoot, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next().mid(kResourceRoot.size()));
    files.sort();
    return files;
}

TStationCreation CreateStation(const QString& dir, QString* error) {
    const QDir target(dir);
    const QStringList files = DefaultStationFiles();
    for (const QString& file : files) {
        if (QFileInfo::exists(target.filePath(file))) {
            *error = QStringLiteral("W katalogu \"%1\" jest już stacja (plik \"%2\"). "
                                    "Niczego nie nadpisano.")
                         .arg(QDir::toNativeSeparators(dir), file);
            return TStationCreation::scExists;
        }
    }
    QStringList copied;
    for (const QString& file : files) {
        const QString destination = target.filePath(file);
        QDir().mkpath(QFileInfo(destination).path());
        if (!QFile::copy(kResourceRoot + file, destination)) {
            *error = QStringLiteral("Błąd podczas zapisywania pliku \"%1\".")
                         .arg(QDir::toNativeSeparators(destination));
            for (const QString& done : copied)
                QFile::remove(done);
            return TStationCreation::scFailed;
        }
        // Copies out of the program's resources come read-only.
        QFile::setPermissions(destination, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadGroup | QFileDevice::ReadOther);
        copied.append(destination);
    }
    return TStationCreation::scCreated;
}
