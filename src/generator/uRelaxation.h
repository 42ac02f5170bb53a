#pragma once

#include "generator/uDayRules.h"

#include <array>

// When no candidate of a category slot keeps every rule, the draw gives rules up one at a time,
// keeping up those it gave up before, until a candidate keeps the rest. The order goes from the
// rule a listener notices least (a song heard at about the same hour on an earlier day) to the
// one the station set for a reason of its own (songs that must not play at certain times).
// Blocked labels, the slot's category and its characteristics filter are never given up.
inline constexpr std::array<TDayRule, 4> RelaxationOrder = {
    TDayRule::Separation,
    TDayRule::ArtistFrequency,
    TDayRule::SongFrequency,
    TDayRule::TimeBlockades,
};
