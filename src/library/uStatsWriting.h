#pragma once

#include "foundation/uDateTime.h"
#include "library/uDBSchema.h"
#include "library/uFileJournal.h"

#include <QByteArray>
#include <QList>

class TDBMainBase;
class TResultSongData;

// Recording plays in the statistics tables of a store (the layout: uPlayTime.h).

// Appends one play (minute of the day, day) of the id to the statistics table (tiStats or
// tiAStats). False without writing for id -1 (blanks, positions without an artist). A failure
// shows "Błąd zapisu do bazy danych: "%s"." and gives false.
bool AddStatsEntry(TDBMainBase& store, TTableId table, int id, int minute, TDateTime day);
bool AddSongStats(TDBMainBase& store, int songId, int minute, TDateTime day);
bool AddArtistStats(TDBMainBase& store, int artistId, int minute, TDateTime day);

// What accepting a day changes besides its plays.
struct TDayAcceptance {
    // The pending day's plan file, kept so the day can be taken back with its positions.
    QByteArray PlanFile;
    // The history file and the export to write, the plan files to delete.
    TFileSteps FileSteps;
};

// Records an accepted day: the song and the artist play of every position, in list order,
// at its start minute, the day's record (its plan file and plays), and the file steps, all in
// one unit of work; the file steps are carried out once it is committed (or, after a kill, at the
// next opening of the store). Every write step is tried first: when one could not be made, or a
// play cannot be stored ("Błąd zapisu do bazy danych: "%s"." is shown), nothing of the day is
// kept and the answer is false. File steps left by an earlier run are finished first; while they
// cannot be, nothing is recorded. Runs under the busy cursor.
bool RecordDayStats(TDBMainBase& store, TDateTime day,
                    const QList<const TResultSongData*>& positions,
                    const TDayAcceptance& acceptance = {});
