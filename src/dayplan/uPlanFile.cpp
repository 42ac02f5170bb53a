#include "dayplan/uPlanFile.h"

#include "foundation/HTMLParser.h"
#include "foundation/uArUtils.h"
#include "foundation/uFormat.h"
#include "foundation/uPrompt.h"
#include "foundation/uWholeFile.h"
#include "foundation/uXmlEscape.h"
#include "foundation/uXmlWriter.h"
#include "library/uSongStore.h"

#include <QFileInfo>
#include <stdexcept>

namespace {

const QString kRootName = QStringLiteral("CurrentRoot");
const QString kItemName = QStringLiteral("Item");
const QString kSongDeletedQuestion =
    QStringLiteral("Utwór %s - %s został skasowany z bazy danych. Czy usunąć go z play listy?");

TLineAttrs PositionAttrs(const TResultSongData& position) {
    TLineAttrs attrs;
    attrs.Add(QStringLiteral("songId"), position.SongId);
    if (position.HasPlayFile)
        attrs.AddEscaped(QStringLiteral("playFile"), position.FullFileName());
    attrs.Add(QStringLiteral("ownHour"), position.OwnHour ? 1 : 0)
        .Add(QStringLiteral("hour"), position.Hour)
        .Add(QStringLiteral("time"), position.SongTime)
        .Add(QStringLiteral("dbtime"), position.DbTime)
        .AddEscaped(QStringLiteral("categoryName"), position.CategoryName)
        .Add(QStringLiteral("blank"), position.Blank ? 1 : 0)
        .AddEscaped(QStringLiteral("artist"), position.ArtistName)
        .AddEscaped(QStringLiteral("title"), position.Title)
        .Add(QStringLiteral("sCat"), position.Category) // a number, never escaped
        .Add(QStringLiteral("mixed"), position.Mixed);
    return attrs;
}

int IntAttr(const TTagNode& node, const QString& name, int def) {
    return StrToIntDef(node.GetAttr(name), def);
}

QString TextAttr(const TTagNode& node, const QString& name) {
    return XmlUnescape(node.GetAttr(name));
}

// The position's song is gone from the library: true when the position is to be dropped.
bool DropDeletedSong(const TResultSongData& position, bool ask) {
    if (!ask)
        return true;
    return Prompt().AskYesNo(TBoxKind::bkError,
                             Format(kSongDeletedQuestion, {position.ArtistName, position.Title}));
}

void ReadPlayFile(const TTagNode& node, TResultSongData& position) {
    // The writer escapes the file name, so it is unescaped here like every other text.
    const QString file = TextAttr(node, QStringLiteral("playFile"));
    if (file.isEmpty())
        return;
    position.HasPlayFile = true;
    position.SetFullFileName(file);
    if (position.FileName.endsWith(QLatin1Char('.')))
        position.SetFileName(position.FileName.chopped(1));
}

// The position of one "Item" element; nullptr when it is dropped.
std::unique_ptr<TResultSongData> ReadPosition(const TTagNode& node, bool ask, bool light) {
    auto position = std::make_unique<TResultSongData>();
    position->SongId = IntAttr(node, QStringLiteral("songId"), -1);
    position->Hour = IntAttr(node, QStringLiteral("hour"), 0);
    if (light) {
        // A blank has no performer; looking id -1 up would find the store's placeholder row.
        position->ArtistId = position->SongId == -1 ? -1 : SongArtistId(position->SongId);
        return position;
    }

    position->ArtistName = TextAttr(node, QStringLiteral("artist"));
    position->Title = TextAttr(node, QStringLiteral("title"));
    position->OwnHour = TextToBool(node.GetAttr(QStringLiteral("ownHour")), false);
    position->Mixed = IntAttr(node, QStringLiteral("mixed"), -1);
    position->CategoryName = TextAttr(node, QStringLiteral("categoryName"));
    position->Blank = TextToBool(node.GetAttr(QStringLiteral("blank")), position->SongId == -1);

    const QString songCategory = node.GetAttr(QStringLiteral("sCat"));
    if (position->SongId == -1) {
        position->Category = songCategory;
    } else if (!ReadSong(*position, position->SongId)) {
        position->SongId = -1;
        if (DropDeletedSong(*position, ask))
            return nullptr;
        // Kept with what the file says about it.
        position->Category = songCategory;
    }

    position->CatId = IntAttr(node, QStringLiteral("catId"), -1);
    position->SetSongTime(IntAttr(node, QStringLiteral("time"), 0));
    const int dbTime = IntAttr(node, QStringLiteral("dbtime"), position->SongTime);
    position->DbTime = dbTime == -1 ? position->SongTime : dbTime;
    ReadPlayFile(node, *position);
    return position;
}

} // namespace

QStringList PlanFileLines(const std::vector<const TResultSongData*>& positions) {
    TLineDocument document;
    document.Open(kRootName);
    for (const TResultSongData* position : positions)
        document.Element(kItemName, PositionAttrs(*position));
    document.Close();
    return document.Lines();
}

bool ReadPlanFile(const QString& path, bool ask, bool light, const TPositionReceiver& receiver) {
    if (!receiver || path.isEmpty() || !QFileInfo::exists(path))
        return false;
    THTMLParser parser;
    QString error;
    // Half a day is never taken for a day.
    if (!LoadWholeDocument(parser, path, true, kRootName, &error))
        throw TPlanFileError{error};
    const TTagNode* root = FindChild(parser.Root(), kRootName);
    for (const TTagNode* node : ElementsBelow(root, kItemName)) {
        if (std::unique_ptr<TResultSongData> position = ReadPosition(*node, ask, light))
            receiver(std::move(position));
    }
    return true;
}

bool TPlanFileReader::ReadPlanFile(const QString& path, bool ask, bool light,
                                   const TPlanItemReceiver& receiver) {
    if (!receiver)
        return false;
    try {
        return ::ReadPlanFile(path, ask, light, [&](std::unique_ptr<TResultSongData> position) {
            receiver({position->SongId, position->Hour, position->ArtistId});
        });
    } catch (const TPlanFileError& failure) {
        // The statistics leave out a day they cannot read, as they do any failed read.
        throw std::runtime_error(failure.Message.toStdString());
    }
}
