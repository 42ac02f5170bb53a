#pragma once

#include <QDate>
#include <QString>
#include <map>
#include <vector>

// How a run of days rotated the library, category by category: how many of its songs were
// played and how evenly, and how often a song came back at the same time of day within a week
// (listeners of one daily slot hear it again).

struct TRotationPlay {
    QDate Day;
    int StartMs = 0; // from the day's midnight
    int SongId = -1;
    int Category = -1;
};

struct TCategoryRotation {
    int Category = -1;
    int Songs = 0;        // in the library
    int Plays = 0;        // in the run
    int NeverPlayed = 0;  // songs of the library not played once
    int MaxPlays = 0;     // of one song
    double FairShare = 0; // plays per song, were they spread evenly
    // Plays that came one to seven days after the song's previous play, at most an hour of
    // the day away from it (across midnight too).
    int SameHourReturns = 0;

    bool operator==(const TCategoryRotation&) const = default;
};

// A week and an hour, as the same-hour returns count them.
inline constexpr int kReturnDays = 7;
inline constexpr int kReturnWindowMs = 60 * 60 * 1000;

// The rotation of every category that has songs or plays, by category number. `songs` holds
// the library's song ids of each category; a play of a song not among them still counts in its
// category.
std::vector<TCategoryRotation> RotationByCategory(const std::vector<TRotationPlay>& plays,
                                                  const std::map<int, std::vector<int>>& songs);
