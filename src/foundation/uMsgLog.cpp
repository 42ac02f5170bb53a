#include "foundation/uMsgLog.h"

#include "foundation/uPrompt.h"

namespace {
int busyDepth = 0;
}

void LogMessage(const QString& source, TLogLevel level, const QString& text) {
    Q_UNUSED(source);
    if (level >= TLogLevel::Error)
        ShowError(text);
}

QString FileLoadErrorText(const QString& path, const QString& reason) {
    return QStringLiteral("Błąd podczas ładowania pliku \"%1\". (%2)").arg(path, reason);
}

QString FileSaveErrorText(const QString& path, const QString& reason) {
    return QStringLiteral("Błąd podczas zapisywania pliku \"%1\". (%2)").arg(path, reason);
}

QString MissingFileText(const QString& path) {
    return QStringLiteral("Brak pliku \"%1\".").arg(path);
}

void BeginBusy() {
    if (busyDepth++ == 0)
        Prompt().SetBusyCursor(true);
}

void EndBusy() {
    if (busyDepth <= 0) {
        busyDepth = 0;
        return;
    }
    if (--busyDepth == 0)
        Prompt().SetBusyCursor(false);
}

int BusyDepth() {
    return busyDepth;
}
