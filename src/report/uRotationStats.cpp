#include "report/uRotationStats.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr int kDayMs = 24 * 60 * 60 * 1000;

// The distance of two times of day, the short way round the clock.
int TimeOfDayDistance(int a, int b) {
    const int d = std::abs(a - b) % kDayMs;
    return std::min(d, kDayMs - d);
}

bool IsSameHourReturn(const TRotationPlay& previous, const TRotationPlay& play) {
    const qint64 days = previous.Day.daysTo(play.Day);
    // A second play on the same day is the frequency groups' matter, not a return.
    return days >= 1 && days <= kReturnDays &&
           TimeOfDayDistance(previous.StartMs, play.StartMs) <= kReturnWindowMs;
}

} // namespace

std::vector<TCategoryRotation> RotationByCategory(const std::vector<TRotationPlay>& plays,
                                                  const std::map<int, std::vector<int>>& songs) {
    std::map<int, TCategoryRotation> byCategory;
    for (const auto& [category, ids] : songs) {
        TCategoryRotation& rotation = byCategory[category];
        rotation.Category = category;
        rotation.Songs = static_cast<int>(ids.size());
    }

    std::vector<TRotationPlay> ordered = plays;
    std::stable_sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) {
        return a.Day != b.Day ? a.Day < b.Day : a.StartMs < b.StartMs;
    });
    std::unordered_map<int, int> playsOfSong;
    std::unordered_map<int, TRotationPlay> previousOfSong;
    for (const TRotationPlay& play : ordered) {
        TCategoryRotation& rotation = byCategory[play.Category];
        rotation.Category = play.Category;
        ++rotation.Plays;
        rotation.MaxPlays = std::max(rotation.MaxPlays, ++playsOfSong[play.SongId]);
        const auto previous = previousOfSong.find(play.SongId);
        if (previous != previousOfSong.end() && IsSameHourReturn(previous->second, play))
            ++rotation.SameHourReturns;
        previousOfSong[play.SongId] = play;
    }

    std::vector<TCategoryRotation> result;
    for (auto& [category, rotation] : byCategory) {
        if (const auto library = songs.find(category); library != songs.end()) {
            for (int id : library->second)
                rotation.NeverPlayed += playsOfSong.count(id) == 0 ? 1 : 0;
        }
        rotation.FairShare = rotation.Songs > 0 ? double(rotation.Plays) / rotation.Songs : 0;
        result.push_back(rotation);
    }
    return result;
}
