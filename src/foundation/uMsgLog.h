#pragma once

#include <QString>

// Message sources in use.
inline const QString msOptions = QStringLiteral("Opcje");
inline const QString msMainDB = QStringLiteral("MainDB");
inline const QString msHistory = QStringLiteral("Historia");
inline const QString msCategoryList = QStringLiteral("Lista kategorii");
inline const QString msBroadcastList = QStringLiteral("Lista audycji");
inline const QString msClockSave = QStringLiteral("Zapis zegara");
inline const QString msResult = QStringLiteral("Wynik");
inline const QString msDraw = QStringLiteral("Losowanie");
inline const QString msPlayListFile = QStringLiteral("Play list file");

// The level of a logged message, with the numbers of the message log.
enum class TLogLevel : int {
    Info = 0,   // shows nothing
    Notice = 1, // shows nothing: a missing optional file, a value not in a table
    Error = 2,  // shown in an error box with OK
    Severe = 3, // shown in an error box with OK: a file the program cannot run well without
};

// Errors are shown in an error box with OK; informational levels show nothing. No log file is
// written.
void LogMessage(const QString& source, TLogLevel level, const QString& text);

// The standard texts of file errors.
QString FileLoadErrorText(const QString& path, const QString& reason);
QString FileSaveErrorText(const QString& path, const QString& reason);
QString MissingFileText(const QString& path);

// The nesting hourglass cursor. Pair them with TBusyGuard where an early return is possible.
void BeginBusy();
void EndBusy();
int BusyDepth();

class TBusyGuard {
public:
    TBusyGuard() { BeginBusy(); }
    ~TBusyGuard() { EndBusy(); }
    TBusyGuard(const TBusyGuard&) = delete;
    TBusyGuard& operator=(const TBusyGuard&) = delete;
};
