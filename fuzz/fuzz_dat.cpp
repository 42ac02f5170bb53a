// The ".dat" song file reader on arbitrary bytes, followed by the cutting of over-long texts.
// Nothing may crash or hang, a song always has a title and a trimmed performer, and after the
// cut every limited text fits its field.
#include "import/uCutLongFields.h"
#include "import/uDatFile.h"
#include "import/uImportChoices.h"
#include "library/uSongData.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TSongData song;
    if (!ParseDatBytes(bytes, song))
        return 0;
    if (song.Title.isEmpty() || song.ArtistName.isEmpty() ||
        song.ArtistName != song.ArtistName.trimmed())
        std::abort();
    (void)DatTypeWord(song.TypeText);

    // No prompt is installed: the fixed choices report to the silent one.
    TFixedImportChoices choices(uaIgnore);
    CutLongFields(song, choices);
    if (song.ArtistName.size() > 50 || song.AlbumTitle.size() > 50 || song.Title.size() > 50 ||
        song.Quality.size() > 20 || song.Code.size() > 10)
        std::abort();
    return 0;
}
