#pragma once

#include "import/uDatFileList.h"

#include <QString>

class IImportChoices;
class TSongData;

// Whether the library holds a song of the song's performer (its resolved id) with its title,
// surrounding blanks left out, letter case ignored.
bool IsDuplicateSong(const TSongData& song);

struct TImportResult {
    int Added = 0;
    int Duplicates = 0;
    int Failed = 0; // reported and skipped
};

// Stores the ticked songs of the list, in list order, with one alias store for the whole run
// (its lists are written back at the end, whatever happened). Each song has its references
// resolved through `choices`; a song the library holds already is reported ("Utwór %s - %s
// już jest wpisany do bazy.") and skipped, as is one that cannot be stored (its error was
// shown); the others are stored all the same. A stored song gets its id in SongId.
TImportResult ImportSelected(TDatFileList& list, IImportChoices& choices);

inline const QString kSongAlreadyImported =
    QStringLiteral("Utwór %s - %s już jest wpisany do bazy.");
