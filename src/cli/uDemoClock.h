#pragma once

#include <QString>

// The demo station's own clock, showing what the two default clocks do not: a fixed list and
// music slots with characteristic conditions, joined by "AND" and by "OR". Every one of its 24
// hours starts at the full hour with the station jingle and the news broadcast, then thirteen
// music slots and an advertisement block.

inline const QString DemoClockName = QStringLiteral("Dzień z listą przebojów");
inline const QString DemoListName = QStringLiteral("Lista przebojów tygodnia");

// Adds the fixed list (songs of the library that carry neither a blocked label nor a time
// blockade, so generating never stops to ask about them) to the category list and writes the
// clock to `path`. Needs the stores up with the library stored and the labels blocked. False,
// with the reason in `error`, when an object the clock uses is missing, the library has no song
// for the list, or the file cannot be written.
bool WriteDemoClock(const QString& path, QString* error);
