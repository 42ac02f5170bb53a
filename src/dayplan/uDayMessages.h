#pragma once

#include <QString>

// The texts the day's lifecycle shows and asks.
namespace DayText {

inline const QString NoPlayList = QStringLiteral("Brak play listy na dzień %s.");
inline const QString GeneratePreviousFirst =
    QStringLiteral("Najpierw należy ułożyć play liste na dzień poprzedni.");
inline const QString AcceptPreviousFirst =
    QStringLiteral("Najpierw należy zaakceptować play liste na dzień poprzedni.");
inline const QString Generating = QStringLiteral("Trwa dobieranie nagrań...");
inline const QString Preparing = QStringLiteral("Przygotowywanie danych...");
inline const QString Incomplete =
    QStringLiteral("Play lista jest nie kompletna (nie obejmuje całego dnia).\r\n"
                   "Po akceptacji, zmiany nie będą możliwe.\r\n"
                   "Czy pomimo to chcesz ją zaakceptować?");
inline const QString DeletePlayList =
    QStringLiteral("Play lista zostanie skasowana. Czy kontynuować?");
inline const QString ClearClock = QStringLiteral("Zegar zostanie wyczyszczony. Czy kontynuować?");
inline const QString ResetHistory = QStringLiteral(
    "Wykasowane zostanaą wszelki statystyki dotychczsowych play list a także wszystkie ułożone "
    "juz play listy. Czas startowy programu zostanie ustawiony na dzień dzisiejszy. Czy "
    "kontynuować?");
inline const QString ClearLibrary =
    QStringLiteral("Wszystkie informacje o utworach i wykonawcach zostaną bezpowrotnie "
                   "utracone. Czy kontynuować?");

} // namespace DayText
