#pragma once

#include <QString>
#include <QStringList>

// Every ".dat" file (extension in any letter case) in the folder and the folders below it, as
// full paths: a folder's files by name, then its subfolders by name, so songs keep the order
// of the playout system's library. Folders that cannot be read are passed over.
QStringList DatFilesInFolder(const QString& folder);
