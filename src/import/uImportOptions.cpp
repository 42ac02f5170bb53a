#include "import/uImportOptions.h"

#include "foundation/uAppPaths.h"

#include <optional>

namespace {

const QString kLabel1Key = QStringLiteral("toLabel1Id");
const QString kLabel2Key = QStringLiteral("toLabel2Id");
const QString kPathsKey = QStringLiteral("paths");

// The integer under the key, its default when the key is missing, nothing when the value is
// not an integer.
std::optional<int> ReadInteger(const QSettings& settings, const QString& key) {
    if (!settings.contains(key))
        return -1;
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

TImportOptions LoadImportOptions() {
    const auto settings = UserSettings();
    if (settings->status() != QSettings::NoError)
        return {};
    settings->beginGroup(kImportOptionsGroup);
    const std::optional<int> label1 = ReadInteger(*settings, kLabel1Key);
    const std::optional<int> label2 = ReadInteger(*settings, kLabel2Key);
    if (!label1 || !label2)
        return {};
    TImportOptions options;
    options.ToLabel1Id = *label1;
    options.ToLabel2Id = *label2;
    // One directory a line, as the options window writes them.
    const QStringList lines = settings->value(kPathsKey).toString().split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!line.isEmpty())
            options.Paths.append(line);
    }
    return options;
}

bool SaveImportOptions(const TImportOptions& options) {
    const auto settings = UserSettings();
    settings->beginGroup(kImportOptionsGroup);
    settings->setValue(kLabel1Key, options.ToLabel1Id);
    settings->setValue(kLabel2Key, options.ToLabel2Id);
    settings->setValue(kPathsKey, options.Paths.join(QStringLiteral("\r\n")));
    settings->endGroup();
    // Writing happens here, not in setValue: only now does a full disk or a read-only file show.
    settings->sync();
    return settings->status() == QSettings::NoError;
}
