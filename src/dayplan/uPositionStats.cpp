#include "dayplan/uPositionStats.h"

#include "library/uDBCollation.h"
#include "library/uSongData.h"

#include <algorithm>

namespace {

// A text already there is kept with the id of the first position that had it.
void AddOnce(TStatEntries& entries, const QString& name, int id) {
    const auto sameText = [&name](const TStatEntry& entry) {
        return ComparePolishTexts(entry.Name, name) == 0;
    };
    if (std::none_of(entries.cbegin(), entries.cend(), sameText))
        entries.append({name, id});
}

void SortByName(TStatEntries& entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const TStatEntry& a, const TStatEntry& b) {
        return ComparePolishTexts(a.Name, b.Name) < 0;
    });
}

} // namespace

TPositionStatEntries CollectPositionStats(const std::vector<const TResultSongData*>& positions) {
    TPositionStatEntries entries;
    for (const TResultSongData* position : positions) {
        if (!position || position->Blank || position->SongId == -1)
            continue;
        AddOnce(entries.Songs, position->ArtistName + QStringLiteral(" - ") + position->Title,
                position->SongId);
        if (position->ArtistId != -1)
            AddOnce(entries.Artists, position->ArtistName, position->ArtistId);
    }
    SortByName(entries.Songs);
    SortByName(entries.Artists);
    return entries;
}
