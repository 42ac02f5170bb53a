#pragma once

#include "library/uStatEntry.h"

#include <vector>

class TResultSongData;

// What the statistics window is asked about for some positions of a play list.
struct TPositionStatEntries {
    // "performer - title" with the song id.
    TStatEntries Songs;
    // The performer's name with the artist id.
    TStatEntries Artists;
};

// The songs and the artists of the positions, each list sorted by its texts (Polish
// alphabetical order, letter case ignored) and holding a text once however often it comes.
// Blanks, which are no song and have no performer, are left out.
TPositionStatEntries CollectPositionStats(const std::vector<const TResultSongData*>& positions);
