#pragma once

#include <QByteArray>
#include <QString>

// The file's bytes as they are on disk; empty when it cannot be read.
QByteArray ReadFileBytes(const QString& path);
// Writes the bytes as they are (for files the program must cope with, not write itself).
bool WriteFileBytes(const QString& path, const QByteArray& bytes);
// Copies the directory with everything below it into `to` (made when missing).
bool CopyDirectory(const QString& from, const QString& to);
