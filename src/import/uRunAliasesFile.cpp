#include "import/uRunAliasesFile.h"

#include "import/uBatchImportChoices.h"
#include "import/uImportCharKinds.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// One line's alias, or the reason it is none.
struct TAliasLine {
    TKindValue Target;
    QString Word;
};

std::optional<TAliasLine> ParseAliasLine(const QString& line, const TArOptions& options,
                                         QString& error) {
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    const qsizetype equals = colon < 0 ? -1 : line.indexOf(QLatin1Char('='), colon + 1);
    const QString word = equals < 0 ? QString() : line.mid(colon + 1, equals - colon - 1).trimmed();
    if (word.isEmpty()) {
        error = kRunAliasesMalformed;
        return std::nullopt;
    }
    std::optional<TKindValue> target =
        FindImportedKindValue(options, line.left(colon), line.mid(equals + 1), &error);
    if (!target)
        return std::nullopt;
    return TAliasLine{*target, word};
}

} // namespace

bool ReadRunAliases(const QString& path, const TArOptions& options, TRunAliases& aliases,
                    QString* error) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = kRunAliasesUnreadable.arg(path);
        return false;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = kRunAliasesUnreadable.arg(path);
        return false;
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);

    TRunAliases read = aliases;
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = QString(utf8.decode(lines[i])).trimmed();
        QString reason;
        if (utf8.hasError()) {
            reason = kRunAliasesNotUtf8;
        } else if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        } else if (const std::optional<TAliasLine> alias = ParseAliasLine(line, options, reason)) {
            read.Add(alias->Target.Kind, alias->Word, alias->Target.Value);
            continue;
        }
        if (error)
            *error = kRunAliasesLineError.arg(path, QString::number(i + 1), reason);
        return false;
    }
    aliases = std::move(read);
    return true;
}
