#pragma once

#include "import/uDatFileList.h"
#include "import/uImportBatch.h"

#include <QString>
#include <memory>

class IImportChoices;
class TCharAliases;
class TImportRefs;
class TSongData;

// Whether the library holds a song of the song's performer (its resolved id) with its title,
// surrounding blanks left out, letter case ignored.
bool IsDuplicateSong(const TSongData& song);

struct TImportResult {
    int Added = 0;
    int Duplicates = 0;
    int Failed = 0; // reported and skipped
};

// Stores ticked songs one at a time, as ImportSelected does for a whole list, with one alias
// store for its life (its lists are written back when it goes). The songs are committed in
// units of work; Finish commits the last one and answers the counts.
class TSongImporter {
public:
    explicit TSongImporter(IImportChoices& choices);
    ~TSongImporter();
    TSongImporter(const TSongImporter&) = delete;
    TSongImporter& operator=(const TSongImporter&) = delete;

    // Nothing for a row that is no song or is not ticked.
    void Import(TDatFileEntry& entry);
    TImportResult Finish();

private:
    void CountLost(int lost);

    std::unique_ptr<TCharAliases> FAliases;
    std::unique_ptr<TImportRefs> FRefs;
    TImportBatch FBatch;
    TImportResult FResult;
};

// Stores the ticked songs of the list, in list order, with one alias store for the whole run
// (its lists are written back at the end, whatever happened). Each song has its references
// resolved through `choices`; a song the library holds already is reported ("Utwór %s - %s
// już jest wpisany do bazy.") and skipped, as is one that cannot be stored (its error was
// shown); the others are stored all the same. A stored song gets its id in SongId.
TImportResult ImportSelected(TDatFileList& list, IImportChoices& choices);

inline const QString kSongAlreadyImported =
    QStringLiteral("Utwór %s - %s już jest wpisany do bazy.");
