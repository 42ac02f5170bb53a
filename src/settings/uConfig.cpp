#include "settings/uConfig.h"

#include "foundation/uAppPaths.h"
#include "foundation/uMsgLog.h"
#include "foundation/uPrompt.h"
#include "foundation/uTextFile.h"
#include "foundation/uWholeFile.h"

#include <QFileInfo>

namespace {

const QString kClockDirKey = QStringLiteral("Zegary");
const QString kPlayListDirKey = QStringLiteral("PlayListy");
const QString kSelectionMethodKey = QStringLiteral("MetodaDoboru");
const QString kDefaultMethod = QStringLiteral("A");

// The value of the first line whose key matches (letter case ignored): everything after the
// first "=". Empty when no line has the key.
QString ValueOf(const QStringList& lines, const QString& key) {
    for (const QString& line : lines) {
        const qsizetype separator = line.indexOf(QLatin1Char('='));
        if (separator >= 0 &&
            QStringView(line).left(separator).compare(key, Qt::CaseInsensitive) == 0)
            return line.mid(separator + 1);
    }
    return {};
}

// The directories an older installation kept in the per-user settings; false when it has none.
bool ReadUserPaths(TConfig& config) {
    const auto settings = UserSettings();
    if (settings->status() != QSettings::NoError ||
        !settings->childGroups().contains(QStringLiteral("Paths")))
        return false;
    settings->beginGroup(QStringLiteral("Paths"));
    config.ClockDir = settings->value(QStringLiteral("clock")).toString();
    config.PlayListDir = settings->value(QStringLiteral("playlist")).toString();
    settings->endGroup();
    return true;
}

} // namespace

void LoadConfig(TConfig& config) {
    const QString path = AppFilePath(ConfigFileName);
    if (QFileInfo::exists(path)) {
        QString text;
        QString error;
        bool read = ReadWholeText(path, text, &error);
        if (read && text.trimmed().isEmpty()) {
            // The program never writes it empty: what it held is gone.
            read = false;
            error = WholeFileText::Empty;
            NoteUnreadFile(path);
        }
        if (!read) {
            LogMessage(msOptions, TLogLevel::Error, FileLoadErrorText(path, error));
            return;
        }
        const QStringList lines = TextLines(text);
        config.ClockDir = ValueOf(lines, kClockDirKey);
        config.PlayListDir = ValueOf(lines, kPlayListDirKey);
        config.SelectionMethod = ValueOf(lines, kSelectionMethodKey);
        if (config.SelectionMethod.isEmpty())
            config.SelectionMethod = kDefaultMethod;
        return;
    }
    if (ReadUserPaths(config))
        return;
    config.ClockDir = AppFilePath(QStringLiteral("Zegary"));
    config.PlayListDir = AppFilePath(QStringLiteral("PlayListy"));
}

bool SaveConfig(const TConfig& config) {
    QStringList lines;
    const auto addLine = [&lines](const QString& key, const QString& value) {
        if (!value.isEmpty())
            lines.append(key + QLatin1Char('=') + value);
    };
    addLine(kClockDirKey, config.ClockDir);
    addLine(kPlayListDirKey, config.PlayListDir);
    addLine(kSelectionMethodKey, config.SelectionMethod);

    const QString path = AppFilePath(ConfigFileName);
    QString error;
    if (WriteTextLines(path, lines, &error))
        return true;
    const QString text = FileSaveErrorText(path, error);
    LogMessage(msOptions, TLogLevel::Error, text);
    ShowError(text);
    return false;
}

int SelectionMode(const QString& selectionMethod, TDateTime date) {
    if (selectionMethod == QLatin1String("B"))
        return 2;
    if (selectionMethod == QLatin1String("AB"))
        return DayOfYear(date) % 2 == 1 ? 2 : 1;
    return 1;
}
