#pragma once

#include <QString>
#include <QtGlobal>

// The rules a song placed in a day's play list must keep, in the order the day report lists
// them. The generator records which of them it relaxed for a placement; the report checks a
// day against all of them. The values are stored in files: never renumber them.
enum class TDayRule : int {
    Category = 0,        // the song's category is the slot's
    Labels = 1,          // neither of its labels is blocked
    TimeBlockades = 2,   // none of its time blockades covers the start
    SongFrequency = 3,   // its frequency group (period and count)
    ArtistFrequency = 4, // its performer's frequency group, aliases counting as the performer
    Separation = 5,      // the separation schedule
    Characteristics = 6, // the slot's characteristics and labels filter
};

inline constexpr int DayRuleCount = 7;

// A set of rules as bits (1 << rule).
using TDayRuleSet = quint32;

inline constexpr TDayRuleSet RuleBit(TDayRule rule) {
    return TDayRuleSet(1) << static_cast<int>(rule);
}
inline constexpr bool HasRule(TDayRuleSet set, TDayRule rule) {
    return (set & RuleBit(rule)) != 0;
}

// The rule's name in the report's files and JSON ("song_frequency").
QString DayRuleKey(TDayRule rule);
// The rule as the director reads it ("Częstotliwość utworu").
QString DayRuleCaption(TDayRule rule);
