#pragma once

#include "import/uAudioFileSearch.h"
#include "import/uImportBatch.h"
#include "import/uImportOptions.h"
#include "library/uSongData.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class IImportChoices;

// One chosen ".dat" file as the import list shows it.
struct TDatFileEntry {
    QString DatFile;                 // as chosen
    std::unique_ptr<TSongData> Song; // null when the file is not a song
    QString Status;                  // "OK", "Brak pliku muzycznego" or "Błąd w pliku"

    bool IsSong() const { return Song != nullptr; }
};

using TDatFileList = std::vector<TDatFileEntry>;

// Reads chosen files one at a time into import list rows, as ReadDatFiles does for all of them;
// the labels made on the way are written in units of work, the last one by Finish (or undone
// when the reader goes without it).
class TDatFileReader {
public:
    TDatFileReader(const TImportOptions& options, IImportChoices& choices);

    TDatFileEntry Read(const QString& file);
    void Finish() { FBatch.Finish(); }

private:
    const TImportOptions FOptions;
    IImportChoices& FChoices;
    TAudioFileSearch FAudio;
    TImportBatch FBatch;
};

// Reads the files in order, under the busy cursor. Each song gets its labels from its "Jak"
// or "Kod" value as the options say (labels are made here, whether or not the song is
// imported later), then has its over-long texts cut through `choices`.
TDatFileList ReadDatFiles(const QStringList& files, const TImportOptions& options,
                          IImportChoices& choices);

// The label the options make from the song's values: -1 for none or an empty value.
int ImportLabelId(const TSongData& song, int source);

// Statuses of a list row.
inline const QString kAudioFileFound = QStringLiteral("OK");
inline const QString kAudioFileMissing = QStringLiteral("Brak pliku muzycznego");
