#include "import/uImportRun.h"

#include "foundation/uFormat.h"
#include "foundation/uMsgLog.h"
#include "foundation/uPrompt.h"
#include "import/uImportBatch.h"
#include "import/uImportRefs.h"
#include "library/uDBMainBase.h"
#include "library/uSongStore.h"
#include "library/uStoreErrors.h"
#include "settings/uCharAliases.h"

namespace {

void ReportDuplicate(const TSongData& song) {
    ShowInformation(Format(kSongAlreadyImported, {song.ArtistName, song.Title}));
}

} // namespace

bool IsDuplicateSong(const TSongData& song) {
    if (!MainBase || song.ArtistId == -1)
        return false;
    try {
        return MainBase->BaseSongsTable()
            .Locate(QStringLiteral("Art_Id;Title"), {song.ArtistId, song.Title.trimmed()},
                    lmCaseInsensitive)
            .has_value();
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
        return false;
    }
}

TSongImporter::TSongImporter(IImportChoices& choices)
    : FAliases(std::make_unique<TCharAliases>()),
      FRefs(std::make_unique<TImportRefs>(*FAliases, choices)) {}

TSongImporter::~TSongImporter() = default;

void TSongImporter::CountLost(int lost) {
    FResult.Added -= lost;
    FResult.Failed += lost;
}

void TSongImporter::Import(TDatFileEntry& entry) {
    if (!entry.IsSong() || !entry.Song->Selected)
        return;
    TSongData& song = *entry.Song;
    FRefs->ResolveSongRefs(song);
    bool added = false;
    if (IsDuplicateSong(song)) {
        ReportDuplicate(song);
        ++FResult.Duplicates;
    } else if (const int id = AddSong(song, added); id == -1) {
        ++FResult.Failed;
    } else if (!added) {
        // Stored already under the title as written, blanks and all.
        ReportDuplicate(song);
        ++FResult.Duplicates;
    } else {
        song.SongId = id;
        ++FResult.Added;
    }
    CountLost(FBatch.ItemDone(added));
}

TImportResult TSongImporter::Finish() {
    CountLost(FBatch.Finish());
    return FResult;
}

TImportResult ImportSelected(TDatFileList& list, IImportChoices& choices) {
    TBusyGuard busy;
    TSongImporter importer(choices);
    for (TDatFileEntry& entry : list)
        importer.Import(entry);
    return importer.Finish();
}
