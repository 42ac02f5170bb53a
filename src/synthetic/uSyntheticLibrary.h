#pragma once

#include "library/uSongData.h"
#include "settings/uCharacteristics.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// A made-up music library for demonstrations and benchmarks: Polish-sounding performers,
// titles, albums and labels, characteristic combinations, cue times and draw restrictions on
// a share of the songs. The same options (the seed included) always give the same library.

// The years of songs outside a category mix.
inline constexpr int kSyntheticFirstYear = 1960;
inline constexpr int kSyntheticLastYear = 2024;

// What the songs of one song category are like: how many there are beside the others, their
// years, and the characteristic values they lean to, as a station fills a category of new
// songs with this year's, and its ballads with slow ones.
struct TSyntheticCategory {
    int Id = 1;
    int Weight = 1; // the category's share is its weight over the sum of all weights
    int FirstYear = kSyntheticFirstYear;
    int LastYear = kSyntheticLastYear;
    // Per characteristic kind (TCharKind order; the years are FirstYear..LastYear): the
    // values that `Share` of the category's characteristic combinations take; the rest take
    // any value of the kind.
    struct TLeaning {
        std::vector<int> Values;
        double Share = 0;
    };
    std::array<TLeaning, CharKindCount> Leanings{};
};

struct TSyntheticLibraryOptions {
    std::uint32_t Seed = 1;
    int Songs = 50000;
    int Artists = 5000;
    int Albums = 5000; // each belongs to one artist, spread over them in turn
    int Labels = 500;
    // Distinct combinations of characteristic values the songs share.
    int CharCombinations = 5000;
    // Song category numbers the songs are spread over evenly, with any year and any of the
    // characteristic combinations.
    std::vector<int> Categories{1, 2, 4, 5, 6};
    // When not empty, it decides the categories instead: each has its share of the songs and
    // of the CharCombinations (at least kMinCategoryCombinations of its own), made after its
    // leanings.
    std::vector<TSyntheticCategory> CategoryMix;
    // Value ids per characteristic kind (TCharKind order; the years are not a song's); an
    // empty list leaves that kind -1.
    std::array<std::vector<int>, CharKindCount> CharValues{{
        {1, 2, 3, 4, 5, 6},
        {1, 2, 3, 4, 5},
        {1, 2, 3, 4, 5},
        {1, 2, 3},
        {1, 2, 3, 4},
        {},
    }};
    // Ids of time blockades and frequency groups handed to a share of the songs; none when
    // the list is empty.
    std::vector<int> TimeRestIds;
    std::vector<int> FreqGroupIds;
    double RestrictedShare = 0.1;
    // Share of songs with a second label, with an album, with NStart/NEnd cue points.
    double SecondLabelShare = 0.2;
    double AlbumShare = 0.8;
    double CutShare = 0.2;
};

// The options with the categories (those kept in the library), characteristic values, time
// blockades and frequency groups of the station's settings, where those are brought up.
TSyntheticLibraryOptions SyntheticOptionsFromSettings(TSyntheticLibraryOptions options = {});

class TRandom;

inline constexpr int kMinCategoryCombinations = 10;

class TSyntheticLibrary {
public:
    explicit TSyntheticLibrary(const TSyntheticLibraryOptions& options);

    int SongCount() const { return static_cast<int>(Songs.size()); }
    // The song as an import would bring it: performer and album by name, every other field
    // set; ids (artist, album, labels, characteristics row) still to be found.
    TSongData Song(int index) const;
    // Values of the song's labels; empty for none.
    QString Label1Value(int index) const;
    QString Label2Value(int index) const;

    const QStringList& ArtistNames() const { return Artists; }
    const QStringList& AlbumTitles() const { return Albums; }
    const QStringList& LabelValues() const { return Labels; }

private:
    struct TSongPlan {
        QString Title;
        int Artist = 0;
        int Album = -1;
        int Label1 = -1;
        int Label2 = -1;
        int Chars = 0;
        int Category = 1;
        int Year = -1;
        int SongTime = 0;
        int Intro = -1;
        int Outro = -1;
        int FadeOut = -1;
        int Mix = -1;
        int NStart = -1;
        int NEnd = -1;
        int TimeRest = -1;
        int FreqRest = -1;
        int Composer = 0; // person names, by index
        int TextAuthor = 0;
    };
    // Type, Tempo, TempoIn, TempoOut, Vocal, Atmosphere, Language.
    using TCharCombination = std::array<int, 7>;
    // A category of the mix with its own run of Combinations.
    struct TCategoryPlan {
        TSyntheticCategory Category;
        int FirstCombination = 0;
        int CombinationCount = 0;
    };

    void PlanCategories(const TSyntheticLibraryOptions& options, TRandom& random);
    // Category, characteristic combination and year of a song.
    void PlaceSong(const TSyntheticLibraryOptions& options, TRandom& random, TSongPlan& song) const;

    QStringList Artists;
    QStringList Albums;
    std::vector<int> AlbumArtist;
    QStringList Labels;
    QStringList People;
    std::vector<TCharCombination> Combinations;
    std::vector<TCategoryPlan> CategoryPlans; // empty without a mix
    int TotalWeight = 0;
    std::vector<TSongPlan> Songs;
};

// Stores the whole library in the process-wide store as the import does (performers, albums
// and labels found or made by name, then AddSong), as one unit: on a failure nothing is kept.
// `progress` (may be empty) hears the number of songs done now and then. The number of songs
// added, or -1 on a failure.
int StoreSyntheticLibrary(const TSyntheticLibrary& library,
                          const std::function<void(int done)>& progress = {});
