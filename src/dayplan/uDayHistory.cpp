#include "dayplan/uDayHistory.h"

#include "foundation/HTMLParser.h"
#include "foundation/uAppPaths.h"
#include "foundation/uArUtils.h"
#include "foundation/uDateTime.h"
#include "foundation/uFormat.h"
#include "foundation/uMsgLog.h"
#include "foundation/uPrompt.h"
#include "foundation/uTextFile.h"
#include "foundation/uWholeFile.h"
#include "foundation/uXmlEscape.h"
#include "foundation/uXmlWriter.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace {

const QString kRootName = QStringLiteral("PalyList");
const QString kItemName = QStringLiteral("Item");
const QString kWriteError = QStringLiteral("Nie można zapisać pliku %s. (%s)");
const QString kNotAHistoryFile = QStringLiteral("Błąd w pliku %s");
const QString kLoadError = QStringLiteral("Błąd ładowania play listy z pliku %s. (%s)");
const QString kNotABoolean = QStringLiteral("\"%s\" nie jest wartością logiczną");

QString CommentLine(const QDate& day) {
    return Format(QStringLiteral("<!-- %s %s -->"),
                  {XmlEscape(QStringLiteral("Play lista na dzień")), FormatShortDate(day)});
}

TLineAttrs ItemAttrs(const TResultSongData& position) {
    // A blank has no performer: its category name tells what it is.
    const QString& artist =
        position.ArtistName.isEmpty() ? position.CategoryName : position.ArtistName;
    TLineAttrs attrs;
    attrs.Add(QStringLiteral("hour"), FormatDurationMs(position.Hour, true))
        .AddEscaped(QStringLiteral("artist"), artist)
        .AddEscaped(QStringLiteral("title"), position.Title)
        .Add(QStringLiteral("time"), FormatDurationMs(position.SongTime, false))
        .Add(QStringLiteral("Blank"), position.Blank ? 1 : 0);
    return attrs;
}

// "1"/"true"/"0"/"false" in any letter case; nothing for any other text.
std::optional<bool> ParseBoolean(const QString& text) {
    const bool asTrue = TextToBool(text, true);
    if (asTrue != TextToBool(text, false))
        return std::nullopt;
    return asTrue;
}

} // namespace

QStringList DayHistoryLines(const std::vector<const TResultSongData*>& positions,
                            const QDate& day) {
    TLineDocument document;
    document.AddLine(CommentLine(day));
    document.Open(kRootName);
    for (const TResultSongData* position : positions)
        document.Element(kItemName, ItemAttrs(*position));
    document.Close();
    return document.Lines();
}

bool WriteDayHistory(const std::vector<const TResultSongData*>& positions, const QDate& day) {
    const QString path = PlanFilePath(pkHistory, day);
    // A new station has no plan directories yet.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    if (WriteTextLines(path, DayHistoryLines(positions, day), &error))
        return true;
    LogMessage(msPlayListFile, TLogLevel::Error, Format(kWriteError, {path, error}));
    return false;
}

void TDayHistory::Clear() {
    FFileName.clear();
    FRows.clear();
}

bool TDayHistory::LoadDayHistory(const QString& fileName) {
    Clear();
    FFileName = fileName;
    if (fileName.isEmpty() || !QFileInfo::exists(fileName))
        return false;
    ProcessPendingEvents(); // the "loading" text shows while the file is read

    THTMLParser parser;
    QString error;
    // The root is looked for below, with its own message.
    if (!LoadWholeDocument(parser, fileName, true, QString(), &error)) {
        LogMessage(msHistory, TLogLevel::Error, Format(kLoadError, {fileName, error}));
        return false;
    }
    const TTagNode* root = FindChild(parser.Root(), kRootName);
    if (!root) {
        LogMessage(msHistory, TLogLevel::Error, Format(kNotAHistoryFile, {fileName}));
        return false;
    }
    for (const TTagNode* node : ElementsBelow(root, kItemName)) {
        TDayHistoryRow row;
        row.Hour = node->GetAttr(QStringLiteral("hour"));
        row.Artist = XmlUnescape(node->GetAttr(QStringLiteral("artist")));
        row.Title = XmlUnescape(node->GetAttr(QStringLiteral("title")));
        row.Time = node->GetAttr(QStringLiteral("time"));
        // Every writer puts the flag on each item; one without it is no blank.
        const QString blank = node->GetAttr(QStringLiteral("Blank"));
        const std::optional<bool> isBlank =
            blank.isEmpty() ? std::optional<bool>(false) : ParseBoolean(blank);
        if (!isBlank) {
            LogMessage(msHistory, TLogLevel::Error,
                       Format(kLoadError, {fileName, Format(kNotABoolean, {blank})}));
            FRows.clear(); // never half a day
            return false;
        }
        row.Blank = *isBlank;
        FRows.push_back(row);
    }
    return true;
}
