#pragma once

#include "foundation/uDateTime.h"
#include "generator/uDayRules.h"

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
// The rules in `relaxed` (of TimeBlockades, SongFrequency, ArtistFrequency, Separation) are not
// checked: the draw gave them up for a slot no candidate could fill otherwise.
int CheckCandidate(const TBaseRandObj& slot, const TCandidateSet& rows, int songId, int startMinute,
                   TDayRuleSet relaxed = 0);

// Which of the rules in `among` the song breaks at the start minute, as CheckCandidate would
// check them for the slot (a rule the slot does not check is never broken).
TDayRuleSet BrokenRules(const TBaseRandObj& slot, const TCandidateRow& row, int startMinute,
                        TDayRuleSet among);
// Whether CheckCandidate checks the rule for the slot at all: the separation only where the
// schedule applies to the slot, the others only when the slot keeps restrictions.
bool RuleChecked(const TBaseRandObj& slot, TDayRule rule);

// The single checks, in the order CheckCandidate applies them; true: allowed.
bool LabelAllowed(const TCandidateRow& row);
bool TimeRangesAllowed(const TCandidateRow& row, int startMinute, TDateTime day);
bool SongFrequencyAllowed(IDrawContext& context, const TCandidateRow& row, int startMinute);
bool ArtistFrequencyAllowed(IDrawContext& context, int artistId, int startMinute);
bool SeparationAllowed(IDrawContext& context, int songId, int startMinute);

inline constexpr int kRefused = -2;
