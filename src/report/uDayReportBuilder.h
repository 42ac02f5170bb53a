#pragma once

#include "report/uDayReport.h"

#include <QDate>
#include <optional>
#include <vector>

class IEarlierPlays;
class TClock;
class TDBMainBase;
class TResultSongData;

// Makes the day report of a play list. It checks each position with its own reading of the
// rules, never through the generator's checks, so what the generator (or a hand edit) got wrong
// shows. The settings are the process-wide ones (uSettings.h); the category list names the
// objects of the clock's slots.
//
// Positions and slots: each position is matched to the next unused slot of its clock object
// (uReportSlots.h). Without a clock, or without a slot for it, a position has slot "" and the
// rules that need its slot (category, characteristics, the fixed hour) are left out; the
// separation schedule then applies as for a slot set to "Domyślnie".
//
// Rules of a song position (a blank, or a song no longer in the library, has none):
// - category: the song's category is the one the slot draws from (category slots only);
// - characteristics: the song passes the slot's filter (category slots only; uSlotFilter.h);
// - labels: neither of the song's labels is blocked;
// - time blockades: none of its three blockades covers the start minute on the day;
// - song frequency: its own group, else the global song group (uPlayRules.h);
// - artist frequency: the same for the performer (the artist with its two aliases) and the
//   artist's group, else the global artist group; an artist not in the library has no limit;
// - separation: when the schedule applies to the slot, the song was not played on any of the
//   schedule's days before within its hours around the start (uPlayRules.h).
// A slot set to ignore the restrictions ("Nie uwzględniaj blokad") leaves out labels, time
// blockades and both frequencies, as the draw does; the separation schedule still applies.
// Start minutes are the positions' starts rounded to the nearest minute. Of two plays that
// conflict the later one (by start, then by list order) is blamed. The day's own plays are its
// positions; `Earlier` gives those of the days before.
//
// A rule that fails is "relaxed" when the position records that the generator gave it up
// (TResultSongData::Relaxed), else "broken".
//
// Totals (play order): a position ends at its start plus the time it plays (SongTime); when the
// next starts later that is a gap, when earlier a mix (an overlap) of the difference; a song
// planned shorter than its stored length (DbTime) is a cut of the difference. Per hour, a
// position counts in the hour it starts, a gap in the hour of the position after it, a mix in
// the hour of the position that overlaps the next.
struct TDayReportInput {
    QDate Date;
    std::vector<const TResultSongData*> Positions; // in play order
    const TClock* Clock = nullptr;                 // none: no slots
    TDBMainBase* Store = nullptr;
    IEarlierPlays* Earlier = nullptr;
};

// Nothing when the store could not answer ("Nie można sporządzić raportu dnia: %s" is shown).
std::optional<TDayReport> BuildDayReport(const TDayReportInput& input);

inline const QString kDayReportStoreError = QStringLiteral("Nie można sporządzić raportu dnia: %s");
