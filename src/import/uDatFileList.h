#pragma once

#include "library/uSongData.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class IImportChoices;
struct TImportOptions;

// One chosen ".dat" file as the import list shows it.
struct TDatFileEntry {
    QString DatFile;                 // as chosen
    std::unique_ptr<TSongData> Song; // null when the file is not a song
    QString Status;                  // "OK", "Brak pliku muzycznego" or "Błąd w pliku"

    bool IsSong() const { return Song != nullptr; }
};

using TDatFileList = std::vector<TDatFileEntry>;

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
