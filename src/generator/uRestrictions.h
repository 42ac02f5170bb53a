#pragma once

#include "foundation/uDateTime.h"

class TBaseRandObj;
class IDrawContext;
struct TCandidateRow;
class TCandidateSet;
struct TArFreqGroup;

// The check every candidate passes: blocked labels, time blockades, the song's and the artist's
// frequency groups (artist aliases count as the same performer) and the separation schedule,
// at the slot's start minute, against the day's draw history and the earlier days' plays.
// Answers the artist id, or -2 when the song is refused (also when it is not among the slot's
// candidate rows). Processes pending events first. Statistics errors throw.
int CheckCandidate(const TBaseRandObj& slot, const TCandidateSet& rows, int songId,
                   int startMinute);

// The single checks, in the order CheckCandidate applies them; true: allowed.
bool LabelAllowed(const TCandidateRow& row);
bool TimeRangesAllowed(const TCandidateRow& row, int startMinute, TDateTime day);
bool SongFrequencyAllowed(IDrawContext& context, const TCandidateRow& row, int startMinute);
bool ArtistFrequencyAllowed(IDrawContext& context, int artistId, int startMinute);
bool SeparationAllowed(IDrawContext& context, int songId, int startMinute);

inline constexpr int kRefused = -2;
