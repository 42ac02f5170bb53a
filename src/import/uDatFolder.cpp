#include "import/uDatFolder.h"

#include <QDir>

namespace {

void CollectDatFiles(const QString& folder, QStringList& files) {
    const QDir dir(folder);
    const QDir::SortFlags byName = QDir::Name | QDir::IgnoreCase;
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Readable | QDir::Hidden, byName);
    for (const QFileInfo& entry : entries)
        if (entry.suffix().compare(QLatin1String("dat"), Qt::CaseInsensitive) == 0)
            files.append(entry.filePath());
    // Links to folders are not followed: a link back up would never end.
    const QFileInfoList subfolders =
        dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, byName);
    for (const QFileInfo& subfolder : subfolders)
        CollectDatFiles(subfolder.filePath(), files);
}

} // namespace

QStringList DatFilesInFolder(const QString& folder) {
    QStringList files;
    if (!folder.isEmpty())
        CollectDatFiles(QDir::cleanPath(folder), files);
    return files;
}
