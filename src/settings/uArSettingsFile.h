#pragma once

#include <QString>

class THTMLParser;
class TLineDocument;

// Messages name some settings documents by their file name and others by their full path.
enum class TFileNaming { fnFileName, fnFullPath };

// Parses the settings document of the program directory, whose top element is `rootName`. A
// missing file is reported at level 1 (no box) and one that cannot be read whole at level 2,
// both with the source "Opcje", and answer false; the parser then holds what could be read of
// it (the elements before a cut), which the store may take.
bool LoadSettingsDocument(THTMLParser& parser, const QString& fileName, TFileNaming naming,
                          const QString& rootName);
// Writes the document over the file of the program directory; a failure is reported at level 2
// and answers false.
bool SaveSettingsDocument(const TLineDocument& doc, const QString& fileName, TFileNaming naming);
