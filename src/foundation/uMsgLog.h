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

// Levels 0 and 1 are informational and show nothing; 2 and 3 are errors shown in an
// error box with OK. No log file is written.
void LogMessage(const QString& source, int level, const QString& text);

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
