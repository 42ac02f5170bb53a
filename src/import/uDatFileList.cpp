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

TDatFileReader::TDatFileReader(const TImportOptions& options, IImportChoices& choices)
    : FOptions(options), FChoices(choices), FAudio(options.Paths) {}

TDatFileEntry TDatFileReader::Read(const QString& file) {
    TDatFileEntry entry;
    entry.DatFile = file;
    auto song = std::make_unique<TSongData>();
    if (!ReadDatFile(file, *song, FAudio)) {
        entry.Status = kDatFileError;
        return entry;
    }
    song->Label1Id = ImportLabelId(*song, FOptions.ToLabel1Id);
    song->Label2Id = ImportLabelId(*song, FOptions.ToLabel2Id);
    CutLongFields(*song, FChoices);
    entry.Status = song->FileName.isEmpty() ? kAudioFileMissing : kAudioFileFound;
    entry.Song = std::move(song);
    FBatch.ItemDone(true);
    return entry;
}

TDatFileList ReadDatFiles(const QStringList& files, const TImportOptions& options,
                          IImportChoices& choices) {
    TBusyGuard busy;
    TDatFileReader reader(options, choices);
    TDatFileList list;
    list.reserve(files.size());
    for (const QString& file : files)
        list.push_back(reader.Read(file));
    reader.Finish();
    return list;
}
