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
inline const QString GenerateError = QStringLiteral("Błąd losowania: %s");
inline const QString ClockNotWhole =
    QStringLiteral("Zegar dnia nie został wczytany w całości z pliku \"%s\". Popraw plik albo "
                   "wybierz inny zegar (\"Zmień zegar\").");
inline const QString ListNotWhole =
    QStringLiteral("Play lista dnia nie została wczytana w całości z pliku \"%s\"; nie można "
                   "jej zatwierdzić ani zapisać. Popraw plik albo usuń play listę (\"Wstecz\").");
inline const QString Preparing = QStringLiteral("Przygotowywanie danych...");
inline const QString Incomplete =
    QStringLiteral("Play lista jest nie kompletna (nie obejmuje całego dnia).\r\n"
                   "Po akceptacji, zmiany nie będą możliwe.\r\n"
                   "Czy pomimo to chcesz ją zaakceptować?");
inline const QString AcceptNeedsMix =
    QStringLiteral("Play lista nie została zatwierdzona: nie zapisano jej pliku MIX.");
inline const QString TakeBackAccepted =
    QStringLiteral("Play lista wróci do edycji, a jej odtworzenia zostaną usunięte ze "
                   "statystyk. Czy kontynuować?");
inline const QString NoAcceptedRecord =
    QStringLiteral("Nie można przywrócić play listy na dzień %s: zatwierdzono ją bez zapisu jej "
                   "pozycji.");
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
