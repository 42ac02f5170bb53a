#pragma once

#include <QString>
#include <QStringList>

// The files a new station starts from are built into the program (the repository's station/
// folder), so a station can be made anywhere without the sources at hand.

enum class TStationCreation { scCreated, scExists, scFailed };

// The names of the default station's files, relative to a station directory.
QStringList DefaultStationFiles();

// Copies the default station into `dir`. Refuses, touching nothing, when any of its files is
// already there; on a copy failure removes what it had copied.
TStationCreation CreateStation(const QString& dir, QString* error);
