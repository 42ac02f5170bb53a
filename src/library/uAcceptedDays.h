#pragma once

#include "foundation/uDateTime.h"
#include "library/uFileJournal.h"

#include <QByteArray>
#include <optional>
#include <vector>

class TDBMainBase;

// What the store keeps of each accepted day besides its plays: the plan file the day was
// accepted from and the plays that were recorded for it. With them an accepted day can be taken
// back whole: the pending day comes back with its positions and its plays leave the statistics.

// One recorded play of a position: the song and its performer (-1 when none), at the minute.
struct TRecordedPlay {
    int SongId = -1;
    int ArtistId = -1;
    int Minute = 0;
};

struct TAcceptedDay {
    QByteArray PlanFile; // byte for byte
    std::vector<TRecordedPlay> Plays;
};

// Keeps the day's record, replacing an earlier one; call it inside the acceptance's unit of
// work. Throws SQLite::Exception.
void KeepAcceptedDay(TDBMainBase& base, TDateTime day, const TAcceptedDay& accepted);
// The day's record; nothing for a day accepted without one (before records were kept, or after
// the library was cleared). Throws SQLite::Exception.
std::optional<TAcceptedDay> FindAcceptedDay(TDBMainBase& base, TDateTime day);

// Takes the accepted day back as one unit: each recorded play is withdrawn from Stats and
// AStats, the record is forgotten and the file steps (the plan file back, the history file
// deleted) are recorded, then carried out. False, with the message shown, when the store or a
// file fails; then nothing has changed (or the file steps finish at the next opening).
bool WithdrawDayStats(TDateTime day, const TFileSteps& fileSteps);
