#pragma once

#include "library/uSongData.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

// The history file of an accepted day ("plh" in Plan/Historia): what was played, compactly.
// Its existence marks the day as accepted.

// The lines of the day's history file for the positions in play order.
QStringList DayHistoryLines(const std::vector<const TResultSongData*>& positions, const QDate& day);
// Writes the day's history file from the positions in play order, replacing it. A failure is
// logged ("Play list file", an error box) and gives false.
bool WriteDayHistory(const std::vector<const TResultSongData*>& positions, const QDate& day);

// One row of the history view, as the file holds it.
struct TDayHistoryRow {
    QString Hour;
    QString Artist;
    QString Title;
    QString Time;
    bool Blank = false;
};

// The read-only day history as the history view shows it.
class TDayHistory {
public:
    void Clear();
    // Reads a history file; false (nothing shown) when it is missing, and false with the error
    // logged ("Historia") when it is not a history file or cannot be read.
    bool LoadDayHistory(const QString& fileName);

    const std::vector<TDayHistoryRow>& Rows() const { return FRows; }
    const QString& FileName() const { return FFileName; }

private:
    QString FFileName;
    std::vector<TDayHistoryRow> FRows;
};
