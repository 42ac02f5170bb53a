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

TImportResult ImportSelected(TDatFileList& list, IImportChoices& choices) {
    TBusyGuard busy;
    TImportResult result;
    TCharAliases aliases;
    TImportRefs refs(aliases, choices);
    TImportBatch batch;
    const auto countLost = [&result](int lost) {
        result.Added -= lost;
        result.Failed += lost;
    };
    for (TDatFileEntry& entry : list) {
        if (!entry.IsSong() || !entry.Song->Selected)
            continue;
        TSongData& song = *entry.Song;
        refs.ResolveSongRefs(song);
        bool added = false;
        if (IsDuplicateSong(song)) {
            ReportDuplicate(song);
            ++result.Duplicates;
        } else if (const int id = AddSong(song, added); id == -1) {
            ++result.Failed;
        } else if (!added) {
            // Stored already under the title as written, blanks and all.
            ReportDuplicate(song);
            ++result.Duplicates;
        } else {
            song.SongId = id;
            ++result.Added;
        }
        countLost(batch.ItemDone(added));
    }
    countLost(batch.Finish());
    return result;
}
