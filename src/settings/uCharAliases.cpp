#include "settings/uCharAliases.h"

#include "foundation/uAppPaths.h"
#include "foundation/uMsgLog.h"
#include "foundation/uTextFile.h"

#include <QFileInfo>
#include <algorithm>

namespace {

QStringList ReadAliasFile(const QString& path) {
    QStringList lines;
    // A missing or unreadable file starts an empty list; the file is made when the store is freed.
    if (QFileInfo::exists(path))
        ReadTextLines(path, lines);
    std::stable_sort(lines.begin(), lines.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return lines;
}

} // namespace

QString CharAliasFileName(int kind) {
    switch (kind) {
    case ckType:
        return QStringLiteral("type.als");
    case ckAtmosphere:
        return QStringLiteral("atmosphere.als");
    case ckTempo:
        return QStringLiteral("tempo.als");
    case ckVocal:
        return QStringLiteral("vocal.als");
    case ckLanguage:
        return QStringLiteral("language.als");
    case ckYears:
        return QStringLiteral("years.als");
    default:
        return {};
    }
}

TCharAliases::~TCharAliases() {
    WriteLoadedLists();
}

QStringList* TCharAliases::AliasList(int kind) {
    if (!IsCharKind(kind))
        return nullptr;
    std::optional<QStringList>& list = FLists[kind];
    if (!list)
        list = ReadAliasFile(AppFilePath(CharAliasFileName(kind)));
    return &*list;
}

QString TCharAliases::FindAlias(int kind, const QString& alias) {
    const QStringList* list = AliasList(kind);
    if (list == nullptr)
        return {};
    for (const QString& line : *list) {
        const qsizetype separator = line.indexOf(QLatin1Char('='));
        if (separator < 0)
            continue;
        if (QStringView(line).left(separator).compare(alias, Qt::CaseInsensitive) == 0)
            return line.mid(separator + 1);
    }
    return {};
}

void TCharAliases::AddAlias(int kind, const QString& alias, const QString& value) {
    if (QStringList* list = AliasList(kind))
        list->append(alias + QLatin1Char('=') + value);
}

void TCharAliases::WriteLoadedLists() const {
    for (int kind = 0; kind < CharKindCount; ++kind) {
        if (!FLists[kind])
            continue;
        const QString path = AppFilePath(CharAliasFileName(kind));
        QString error;
        if (!WriteTextLines(path, *FLists[kind], &error))
            LogMessage(msOptions, 2, FileSaveErrorText(path, error));
    }
}
