#include "settings/uCharAliases.h"

#include "foundation/uAppPaths.h"
#include "foundation/uMsgLog.h"
#include "foundation/uTextFile.h"
#include "foundation/uWholeFile.h"

#include <QFileInfo>
#include <algorithm>

namespace {

// A missing file starts an empty list, made when the store is freed. One that cannot be read
// whole is reported and starts empty too, but is written again only when an alias is added.
TCharAliases::TList ReadAliasFile(const QString& path) {
    TCharAliases::TList list;
    if (QFileInfo::exists(path)) {
        QString text;
        QString error;
        if (ReadWholeText(path, text, &error)) {
            list.Lines = TextLines(text);
        } else {
            list.ReadWhole = false;
            LogMessage(msOptions, TLogLevel::Error, FileLoadErrorText(path, error));
        }
    }
    std::stable_sort(list.Lines.begin(), list.Lines.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return list;
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
    std::optional<TList>& list = FLists[kind];
    if (!list)
        list = ReadAliasFile(AppFilePath(CharAliasFileName(kind)));
    return &list->Lines;
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
    if (QStringList* list = AliasList(kind)) {
        list->append(alias + QLatin1Char('=') + value);
        FLists[kind]->Added = true;
    }
}

void TCharAliases::WriteLoadedLists() const {
    for (int kind = 0; kind < CharKindCount; ++kind) {
        if (!FLists[kind] || (!FLists[kind]->ReadWhole && !FLists[kind]->Added))
            continue;
        const QString path = AppFilePath(CharAliasFileName(kind));
        QString error;
        if (!WriteTextLines(path, FLists[kind]->Lines, &error))
            LogMessage(msOptions, TLogLevel::Error, FileSaveErrorText(path, error));
    }
}
