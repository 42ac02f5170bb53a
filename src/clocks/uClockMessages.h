#pragma once

#include <QString>

// Texts the clock shows to the user.

// A start hour refused because a fixed row before it starts later (start, that row's start).
inline const QString ClockHourNotLaterText =
    QStringLiteral("Niewłaściwa godzina początkowa %1. \r\nGodzina powinna być późniejsza niż %2.");
// A start hour refused because a fixed row after it starts earlier (start, that row's start).
inline const QString ClockHourNotBeforeText = QStringLiteral(
    "Niewłaściwa godzina początkowa %1. \r\nGodzina nie może być późniejsza niż %2.");
// A pinned broadcast that overlaps the next fixed hour (its length, that hour).
inline const QString BroadcastDoesNotFitText =
    QStringLiteral("Audycja o czasie trwania %1, nie zmieści się przed godziną %2.");
inline const QString BroadcastIncompleteText =
    QStringLiteral("Audycja zawiera niezdefiniowane kategorie (prawdopodobnie wykasowane) i nie "
                   "może zostać dodana.");
// Two fixed rows passing each other (the row's start, "przed" or "za", the other's start).
inline const QString RowCannotMoveText =
    QStringLiteral("Nie można przesunąć pozycji rozpoczynającej się o godzinie %1 %2 godzinę %3.");
inline const QString MoveBeforeWord = QStringLiteral("przed");
inline const QString MoveAfterWord = QStringLiteral("za");
inline const QString ConfirmRowDeleteText = QStringLiteral("Czy usunąć pozycję z zegara?");
inline const QString ClockLoadErrorText = QStringLiteral("Błąd podczas otwieania zegara: %1.");
inline const QString ClockSaveErrorText =
    QStringLiteral("Błąd podczas zapisywania zegara: %1. Zegar nie został zapisany.");
