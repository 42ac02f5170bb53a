#pragma once

#include <QString>
#include <QStringList>

class THTMLParser;

// Reading the station's own files, which must be read whole. A file that is there but cannot be
// read whole (a directory in its place, no permission, bytes that are no text, an empty document,
// a document cut off before its end, a document of another kind) fails with the reason in the
// program's words, and is noted for the run: its store keeps it untouched until the user saves a
// deliberate change, and the command line ends with an error.

namespace WholeFileText {
inline const QString IsDirectory = QStringLiteral("w miejscu pliku jest katalog");
inline const QString NotText = QStringLiteral("plik nie jest plikiem tekstowym");
inline const QString Empty = QStringLiteral("plik jest pusty");
inline const QString CutOff = QStringLiteral("plik jest niekompletny");
inline const QString NoRoot = QStringLiteral("brak elementu \"%1\"");
} // namespace WholeFileText

// Whether the text holds only what the program's text files may hold: no NUL or other control
// character besides tab, line feed and carriage return, and no byte Windows-1250 leaves undefined.
bool IsPlainText(const QString& text);

// Reads the whole Windows-1250 file as text. False, with the reason in `error`, when it cannot
// be read or is not text.
bool ReadWholeText(const QString& path, QString& text, QString* error);

// Reads the file and parses it as a document whose top element is `rootName` (any document when
// empty). False, with the reason in `error`, when it cannot be read, is no text, is blank, ends
// before its last element is closed, or has no such top element; the parser then holds the tree
// of whatever text could be read.
bool LoadWholeDocument(THTMLParser& parser, const QString& path, bool trimText,
                       const QString& rootName, QString* error);

// The files of this run that were there but could not be read whole, in the order they were met.
void NoteUnreadFile(const QString& path);
const QStringList& UnreadFiles();
void ForgetUnreadFiles();
