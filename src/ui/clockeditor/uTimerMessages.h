#pragma once

#include <QString>

// Texts the clock editor shows.

inline const QString TimerSaveChangesQuestion = QStringLiteral("Czy chcesz zapisać zmiany?");
inline const QString TimerEnterClockName = QStringLiteral("Wpisz nazwę zegara.");
inline const QString TimerEnterBroadcastName = QStringLiteral("Wpisz nazwę dla audycji.");
inline const QString TimerNotImplemented = QStringLiteral("Nie zaimplementowane.");
inline const QString TimerClockCaption = QStringLiteral("Zegar");
inline const QString TimerBroadcastCaption = QStringLiteral("Audycja");
// The caption with the file the clock was opened from or saved to ("Zegar", its path).
inline const QString TimerFileCaption = QStringLiteral("%1 - %2");
