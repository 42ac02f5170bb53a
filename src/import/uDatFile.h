#pragma once

#include <QByteArray>
#include <QString>

class TAudioFileSearch;
class TSongData;

// The playout system's ".dat" song file: Windows-1250 text, one "key=value" a line. A key is
// matched without regard to letter case, the first line of a key counts and a missing key
// reads as an empty value.

// Shown for a file that is not a song.
inline const QString kDatFileError = QStringLiteral("Błąd w pliku");
// A song's description is a few hundred bytes; anything far bigger is not one.
inline constexpr qsizetype kMaxDatFileSize = 1024 * 1024;

// Replaces the song with what the bytes say (every key of the file, the fields an import
// fixes, "Selected"); the directory, the audio file and the frequency group are left to
// ReadDatFile. False when the bytes are not a song: empty, too big, not Windows-1250 text,
// or without a title or a performer. Not text: a NUL byte, a byte the code page leaves
// undefined, or control bytes (other than tab, line ends, form feed and 0x1A) in more than
// one byte of ten; a few stray controls are read into the values as they stand.
bool ParseDatBytes(const QByteArray& bytes, TSongData& song);
// The word of a "Typ" value: without a one-character prefix such as "A - ".
QString DatTypeWord(const QString& value);

// Reads the ".dat" file into the song: ParseDatBytes, then Path (the file's directory with a
// trailing "/"), the audio file found by `audio` and the default song frequency group.
// False when the file cannot be read or is not a song.
bool ReadDatFile(const QString& fileName, TSongData& song, TAudioFileSearch& audio);
