#include "generator/uDrawContext.h"

#include "generator/uRandClassess.h"

void TDrawRunData::AddHistory(const TAllowedSong& song, int startMs) {
    SongHistory.Add(song, startMs);
    ArtistHistory.Add(song, startMs);
}

void TDrawRunData::RemoveHistory(int serial) {
    SongHistory.Remove(serial);
    ArtistHistory.Remove(serial);
}
