#include "preview/uPlaySong.h"

#include "foundation/uAppPaths.h"
#include "foundation/uFormat.h"
#include "foundation/uMsgLog.h"
#include "foundation/uPrompt.h"
#include "foundation/uTextFile.h"
#include "library/uSongData.h"
#include "preview/uExecFile.h"

#include <QFileInfo>
#include <QProcess>

namespace {

const QString kFilePlaceholder = QStringLiteral("%s");

struct TPlayerConfig {
    QString Player;
    QString Template;
};

// False (with the error shown) when the file cannot be read.
bool ReadPlayerConfig(TPlayerConfig& config) {
    const QString path = AppFilePath(kPlayerConfigFileName);
    QStringList lines;
    QString error;
    if (!ReadTextLines(path, lines, &error)) {
        ShowError(Format(kPlayerConfigLoadError, {path, error}));
        return false;
    }
    config.Player = lines.value(0).trimmed();
    config.Template = lines.value(1);
    return true;
}

// The file's place and nothing else that looks like a placeholder.
bool IsValidTemplate(const QString& parameterTemplate) {
    return parameterTemplate.count(kFilePlaceholder) == 1 &&
           parameterTemplate.count(QLatin1Char('%')) == 1;
}

} // namespace

QStringList PlayerArguments(const QString& parameterTemplate, const QString& file) {
    QStringList arguments = QProcess::splitCommand(parameterTemplate);
    for (QString& argument : arguments)
        argument.replace(kFilePlaceholder, file);
    return arguments;
}

bool PlaySong(const QString& file) {
    TPlayerConfig config;
    ReadPlayerConfig(config);
    if (config.Player.isEmpty()) {
        ShowError(kNoPlayerDefined);
        return false;
    }
    if (!QFileInfo::exists(config.Player)) {
        ShowError(MissingFileText(config.Player));
        return false;
    }
    if (!IsValidTemplate(config.Template)) {
        ShowError(Format(kPlayerTemplateError, {config.Template}));
        return false;
    }
    TExecFile exec;
    exec.CommandLine = config.Player;
    exec.Parameters = PlayerArguments(config.Template, file);
    if (!exec.Execute()) {
        ShowError(Format(kPlayError, {exec.ErrorText()}));
        return false;
    }
    return true;
}

bool PreviewSong(const TBaseSong& song) {
    if (song.FileName.isEmpty()) {
        ShowError(kNoSongAudioFile);
        return false;
    }
    QString file = song.Path;
    if (!file.isEmpty() && !file.endsWith(QLatin1Char('/')) && !file.endsWith(QLatin1Char('\\')))
        file += QLatin1Char('/');
    file += song.FileName;
    if (!QFileInfo::exists(file)) {
        ShowError(Format(kSongFileMissing, {file}));
        return false;
    }
    return PlaySong(file);
}
