#pragma once

#include <QString>

class IImportChoices;
class TSongData;

// The first (maximum - 3) characters followed by "...", or the first `maximum` characters
// when the maximum is below 4.
QString AutoCutText(const QString& text, int maximum);

// Every text of the song longer than its store field ("Wykonawca" 50, "Album" 50, "Tytuł" 50,
// "Jakość" 20, "Kompresja" 30, "Ścieżka" 100, "Nazwa pliku" 100, "Kod" 10, in that order) is
// replaced by the text `choices` picks. An answer that is empty takes the automatic cut, one
// still too long its first `maximum` characters.
void CutLongFields(TSongData& song, IImportChoices& choices);
