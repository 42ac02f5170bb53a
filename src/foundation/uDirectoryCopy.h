#pragma once

#include <QString>

// Copies the directory `from` with everything below it into `to` (made when missing), file by
// file, keeping each file's bytes. Links are copied as the files they point to; links to
// directories are not followed. False, with the first file or directory that failed in `error`,
// when anything could not be copied.
bool CopyDirectoryTree(const QString& from, const QString& to, QString* error = nullptr);
