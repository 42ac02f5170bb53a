#include "cli/uCliCommand.h"

const QList<TCliCommand>& CliCommands() {
    static const QList<TCliCommand> commands = {
        {"init", "init                 zakłada nową stację w katalogu --dir", CliInit, true},
        {"demo",
         "demo [--songs N] [--seed N]  zakłada w katalogu --dir stację z przykładową biblioteką",
         CliDemo, true},
        {"state", "state DATA           stan dnia: empty, future, pending albo history", CliState},
        {"plan", "plan DATA ZEGAR      przypisuje zegar (plik .ctm) pustemu dniowi", CliPlan},
        {"generate", "generate DATA [--seed N]  generuje play listę dnia z jego zegara",
         CliGenerate},
        {"accept", "accept DATA          zatwierdza play listę dnia (statystyki, historia, .mix)",
         CliAccept},
        {"back", "back DATA            jeden krok wstecz w stanie dnia", CliBack},
        {"export-mix", "export-mix DATA PLIK zapisuje play listę dnia do pliku .mix", CliExportMix},
        {"export-txt", "export-txt DATA PLIK zapisuje play listę dnia do pliku .txt",
         CliExportText},
        {"show",
         "show DATA            wypisuje pozycje dnia (start, kategoria, wykonawca, tytuł, "
         "czas)",
         CliShow},
        {"report",
         "report DATA [--json]  raport dnia: reguły każdej pozycji, przerwy, cięcia, miksy,\n"
         "                       stałe godziny; kod 1, gdy któraś reguła jest złamana",
         CliReport},
        {"simulate",
         "simulate DATA --days N [--clock ZEGAR] [--seed N] [--json]  planuje, generuje i\n"
         "                       zatwierdza N dni od DATY na kopii stacji (stacja bez zmian);\n"
         "                       podsumowanie raportu każdego dnia i rotacja kategorii",
         CliSimulate},
        {"import-dat",
         "import-dat [--unknown add|ignore] [--replace CHARAKTERYSTYKA=WARTOŚĆ]...\n"
         "             [--remember] [--aliases PLIK] PLIK...  importuje utwory z plików .dat\n"
         "                       nieznane słowo: wiersz CHARAKTERYSTYKA:SŁOWO=WARTOŚĆ pliku\n"
         "                       --aliases, inaczej --replace jego charakterystyki (zastępuje\n"
         "                       istniejącą wartością), inaczej --unknown (dodaje albo pomija);\n"
         "                       --remember zapisuje zastąpienia w pliku .als charakterystyki;\n"
         "                       CHARAKTERYSTYKA: Typ, Nastrój, Tempo, Wokal, Język",
         CliImportDat},
        {"play", "play NUMER           odtwarza utwór odtwarzaczem z pliku odtwarzacz.dat",
         CliPlay},
    };
    return commands;
}
