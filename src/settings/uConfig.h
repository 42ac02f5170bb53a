#pragma once

#include "foundation/uDateTime.h"

#include <QString>

// The three program-wide values kept in "konfig.dat" beside the settings documents.
struct TConfig {
    QString ClockDir;    // where the clock files are opened and saved
    QString PlayListDir; // where the day's play lists are exported
    // "A", "B" or "AB" (alternating by the day of the year).
    QString SelectionMethod = QStringLiteral("A");
};

inline const QString ConfigFileName = QStringLiteral("konfig.dat");

// From "konfig.dat" when it exists; otherwise the two directories come from the "Paths" section
// of the per-user settings, or default to "Zegary" and "PlayListy" in the program directory.
// An unreadable "konfig.dat" is reported and leaves the values as they were.
void LoadConfig(TConfig& config);
// Writes "konfig.dat" whole; an empty value gets no line. A failure is reported twice: once as
// the store's message and once in a box of its own.
bool SaveConfig(const TConfig& config);

// The generator's draw mode for a selection method on a date: "A" gives 1, "B" gives 2, "AB"
// gives 2 on odd days of the year and 1 on even ones, anything else 1.
int SelectionMode(const QString& selectionMethod, TDateTime date);
