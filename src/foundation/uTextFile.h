#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Every text file of the program is single-byte Windows-1250 with CR LF line ends.
// The five bytes that Windows-1250 leaves undefined map to the control characters of the
// same code, so any byte sequence decodes and encodes back unchanged.

QChar Cp1250ToUnicode(unsigned char byte);
QString DecodeCp1250(const QByteArray& bytes);
// Characters Windows-1250 cannot hold become "?" one for one; the rest of the text is kept.
// `unmappable` (optional) receives how many were replaced.
QByteArray EncodeCp1250(const QString& text, int* unmappable = nullptr);

// Reads the whole file. On failure returns false and puts the reason in `error`.
bool ReadTextFile(const QString& path, QString& text, QString* error = nullptr);
bool ReadTextLines(const QString& path, QStringList& lines, QString* error = nullptr);
// The lines of a text, without their CR LF or LF; a final line end starts no further line.
QStringList TextLines(const QString& text);

// Writes the text whole: into a temporary file beside the target that is renamed over it
// only when everything was written, so an interrupted save leaves the old file as it was.
bool WriteTextFile(const QString& path, const QString& text, QString* error = nullptr);

// wwTryOnly writes everything into the temporary file and drops it again: whether the write
// would succeed, the target untouched.
enum class TWholeWrite { wwReplace, wwTryOnly };
// The bytes as they are, written as WriteTextFile writes.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                    TWholeWrite mode = TWholeWrite::wwReplace);
// The lines, each followed by CR LF (the last one too).
bool WriteTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);
// The bytes WriteTextLines writes for the lines.
QByteArray TextLinesBytes(const QStringList& lines);
