#include "cli/uCliCommand.h"
#include "cli/uCliMain.h"
#include "dayplan/uStores.h"
#include "foundation/uArUtils.h"
#include "library/uSongData.h"
#include "library/uSongStore.h"
#include "preview/uPlaySong.h"

int CliPlay(TCliContext& context) {
    const int songId = context.Args.size() == 1 ? StrToIntDef(context.Args.first(), -1) : -1;
    if (songId < 0) {
        context.Err << QStringLiteral("Podaj numer utworu. Zobacz --help.") << Qt::endl;
        return ceUsage;
    }
    TStoresSession stores;
    if (!stores.IsUp())
        return ceFileError;
    TResultSongData song;
    if (!ReadSong(song, songId)) {
        context.Err << kUnknownSongId << Qt::endl;
        return ceRefused;
    }
    if (!PreviewSong(song))
        return ceFileError;
    context.Out << QStringLiteral("Odtwarzanie: %1").arg(song.FullFileName()) << Qt::endl;
    return ceDone;
}
