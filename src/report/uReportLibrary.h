#pragma once

#include "library/uMainBaseQuery.h"

#include <QString>
#include <array>
#include <optional>
#include <unordered_map>

class TDBMainBase;

// What the rules ask of a song in the library.
struct TReportSong {
    int ArtistId = -1;
    QString Category; // the number as stored, in decimal
    int CharacterId = -1;
    int Year = -1;
    int Label1Id = -1;
    int Label2Id = -1;
    std::array<int, 3> TimeRests{-1, -1, -1};
    int FreqGroup = -1;
};

// What the rules ask of a performer: the aliases that count as the same performer, and its
// frequency group (-1 none).
struct TReportArtist {
    int Alias1 = -1;
    int Alias2 = -1;
    int FreqGroup = -1;
};

// The values of one characteristics combination (a row of "chars").
struct TReportChars {
    int Type = -1;
    int Tempo = -1;
    int Language = -1;
    int Atmosphere = -1;
    int Vocal = -1;
};

// The library rows a day's report reads, each read once. Store errors throw SQLite::Exception.
class TReportLibrary {
public:
    // The store must outlive the object.
    explicit TReportLibrary(TDBMainBase& store);

    // Nothing when the song (the artist) is not in the library.
    const std::optional<TReportSong>& Song(int songId);
    const std::optional<TReportArtist>& Artist(int artistId);
    // Every characteristics combination, read at the first call.
    const std::unordered_map<int, TReportChars>& Chars();
    // The id of the label with that name, letter case ignored; -1 for an empty or unknown name.
    int LabelId(const QString& name);

private:
    TDBMainBase& Store;
    TMainBaseQuery SongQuery;
    TMainBaseQuery ArtistQuery;
    std::unordered_map<int, std::optional<TReportSong>> Songs;
    std::unordered_map<int, std::optional<TReportArtist>> Artists;
    std::optional<std::unordered_map<int, TReportChars>> AllChars;
    std::unordered_map<QString, int> Labels;
};
