#include "dayplan/uPositionStats.h"
#include "library/uSongData.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<TResultSongData> Song(int songId, const char* artist, int artistId,
                                      const char* title) {
    auto position = std::make_unique<TResultSongData>();
    position->SongId = songId;
    position->ArtistName = U(artist);
    position->ArtistId = artistId;
    position->Title = U(title);
    return position;
}

std::unique_ptr<TResultSongData> Blank(const char* text) {
    auto position = std::make_unique<TResultSongData>();
    position->Blank = true;
    position->Title = U(text);
    return position;
}

} // namespace

// The selected rows of a play list as the statistics window is asked about them: every song
// and every performer once, in Polish alphabetical order, blanks left out.
TEST(PositionStatsTest, SongsAndArtistsOnceEachInPolishOrderWithoutBlanks) {
    std::vector<std::unique_ptr<TResultSongData>> rows;
    rows.push_back(Song(7, "Żuk", 70, "Noc"));
    rows.push_back(Blank("Reklama"));
    rows.push_back(Song(3, "Łza", 30, "Ballada"));
    rows.push_back(Song(4, "Lato", 40, "Upał"));
    rows.push_back(Song(3, "Łza", 30, "Ballada")); // played twice that day
    rows.push_back(Song(5, "ŁZA", 31, "Inna"));    // the same name in capitals: one artist
    std::vector<const TResultSongData*> positions;
    for (const auto& row : rows)
        positions.push_back(row.get());

    const TPositionStatEntries entries = CollectPositionStats(positions);

    const TStatEntries songs{
        {U("Lato - Upał"), 4}, {U("Łza - Ballada"), 3}, {U("ŁZA - Inna"), 5}, {U("Żuk - Noc"), 7}};
    const TStatEntries artists{{U("Lato"), 40}, {U("Łza"), 30}, {U("Żuk"), 70}};
    EXPECT_EQ(entries.Songs, songs);
    EXPECT_EQ(entries.Artists, artists);
}

TEST(PositionStatsTest, OnlyBlanksAskNothing) {
    const auto blank = Blank("Reklama");
    const TPositionStatEntries entries = CollectPositionStats({blank.get(), nullptr});
    EXPECT_TRUE(entries.Songs.isEmpty());
    EXPECT_TRUE(entries.Artists.isEmpty());
}
