#include "import/uDatFileList.h"

#include "foundation/uMsgLog.h"
#include "import/uAudioFileSearch.h"
#include "import/uCutLongFields.h"
#include "import/uDatFile.h"
#include "import/uImportBatch.h"
#include "import/uImportOptions.h"
#include "library/uLibraryEntities.h"

int ImportLabelId(const TSongData& song, int source) {
    switch (source) {
    case lsQuality:
        return FindLabel(song.Quality, true);
    case lsCode:
        return FindLabel(song.Code, true);
    default:
        return -1;
    }
}

TDatFileList ReadDatFiles(const QStringList& files, const TImportOptions& options,
                          IImportChoices& choices) {
    TBusyGuard busy;
    TAudioFileSearch audio(options.Paths);
    // The labels made while reading are written in units too.
    TImportBatch batch;
    TDatFileList list;
    list.reserve(files.size());
    for (const QString& file : files) {
        TDatFileEntry entry;
        entry.DatFile = file;
        auto song = std::make_unique<TSongData>();
        if (!ReadDatFile(file, *song, audio)) {
            entry.Status = kDatFileError;
            list.push_back(std::move(entry));
            continue;
        }
        song->Label1Id = ImportLabelId(*song, options.ToLabel1Id);
        song->Label2Id = ImportLabelId(*song, options.ToLabel2Id);
        CutLongFields(*song, choices);
        entry.Status = song->FileName.isEmpty() ? kAudioFileMissing : kAudioFileFound;
        entry.Song = std::move(song);
        list.push_back(std::move(entry));
        batch.ItemDone(true);
    }
    batch.Finish();
    return list;
}
