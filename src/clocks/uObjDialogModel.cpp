#include "clocks/uObjDialogModel.h"

#include "clocks/uClockObjList.h"
#include "foundation/uArUtils.h"
#include "foundation/uPrompt.h"
#include "settings/uSettings.h"

#include <algorithm>

namespace {

const QString kNameTaken = QStringLiteral("Kategoria o nazwie \"%1\" już istnieje.");
const QString kSongFilter = QStringLiteral("AND (BaseSongs.Category = \"%1\") \r\n");

bool IsSelectableKind(int kind) {
    return std::find(SelectableObjKinds.begin(), SelectableObjKinds.end(), kind) !=
           SelectableObjKinds.end();
}

// The default song category the settings attribute to the kind; -1 when none.
int DefaultSCat(TObjKind kind) {
    const TCategoryAttribution* attribution =
        Options ? Options->Categories().AttributionById(kind) : nullptr;
    return attribution != nullptr ? attribution->DefItem : -1;
}

TPropArray ValueIds(const TFilterBox& box, int kind) {
    TPropArray ids;
    if (!box.Ticked)
        return ids;
    for (const QString& name : box.Text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString trimmed = name.trimmed();
        if (!trimmed.isEmpty())
            ids.push_back(Options ? Options->CharValueId(kind, trimmed) : -1);
    }
    return ids;
}

bool IsBlankOrControl(QChar c) {
    return c.unicode() <= u' ';
}

} // namespace

// --- Opening

TObjDialogModel::TObjDialogModel() : FPlayTime(DefaultObjPlayTime()) {
    SetUpKind(otCategory);
}

TObjDialogModel::TObjDialogModel(const TBaseClockObject& object) : FObject(&object) {
    SetUpKind(object.ObjType());
    FillFrom(object);
}

void TObjDialogModel::FillFrom(const TBaseClockObject& object) {
    FName = object.ObjName();
    FSCat = object.SCat();
    FPlayTime = object.GetPlayTime();
    FExTime = object.ExTime();
    for (int kind = 0; kind < CharKindCount; ++kind) {
        const TPropArray& ids = object.Properties.Array(kind);
        FChars[kind] = {!ids.empty(), PropertiesText(ids, kind)};
    }
    FLabels[0] = {!object.Properties.Lab1.isEmpty(), object.Properties.Lab1};
    FLabels[1] = {!object.Properties.Lab2.isEmpty(), object.Properties.Lab2};
    FAll = object.Properties.Any;
    if (const auto* list = dynamic_cast<const TDetailPlayList*>(&object)) {
        FSongs = QList<int>(list->Songs().begin(), list->Songs().end());
        FRepList = list->RepList();
        FRndList = list->RndList();
    }
    if (const auto* blank = dynamic_cast<const TBlankCategory*>(&object))
        FInfoLines = LinesOfCommaText(blank->Info);
    // The kind's resets above must not override what the object has.
    FRest = FRememberedRest = object.Rest();
    FHPrior = FRememberedHPrior = object.HPrior();
    FSepEnb = object.SepEnb();
}

// --- The kind

void TObjDialogModel::SelectKind(TObjKind kind) {
    if (IsNew() && IsSelectableKind(kind))
        SetUpKind(kind);
}

void TObjDialogModel::SetUpKind(TObjKind kind) {
    FKind = kind;
    FRest = FRememberedRest;
    FHPrior = FRememberedHPrior;
    switch (kind) {
    case otCategory:
        FExTime = false;
        break;
    case otPlayList:
        // A list is played as it stands: high priority, no restrictions, no separation.
        FHPrior = true;
        FExTime = false;
        FRest = true;
        FSepEnb = smOff;
        break;
    case otBlank:
        // A blank is a fixed stretch of time, never a song.
        FExTime = true;
        FRest = true;
        break;
    default:
        break;
    }
    SetSCat(DefaultSCat(kind));
}

// --- Values

void TObjDialogModel::SetName(const QString& name) {
    if (CanEditName())
        FName = name;
}

QList<TCategoryEntry> TObjDialogModel::SongCategories() const {
    QList<TCategoryEntry> entries;
    if (!Options)
        return entries;
    const TArSongCategories& categories = Options->Categories();
    if (const TCategoryAttribution* attribution = categories.AttributionById(FKind))
        for (int id : attribution->Items)
            entries.append({categories.NameById(id), id});
    return entries;
}

void TObjDialogModel::SetSCat(int id) {
    if (!CanEditSCat() || id == FSCat)
        return;
    FSCat = id;
    // The songs were chosen from the other category.
    FSongs.clear();
}

void TObjDialogModel::ClickRest(bool value) {
    FRest = value;
    if (FKind != otBlank)
        FRememberedRest = value;
}

void TObjDialogModel::ClickHPrior(bool value) {
    FHPrior = value;
    if (FKind != otBlank)
        FRememberedHPrior = value;
}

QString TObjDialogModel::PlayTimeText() const {
    return FormatDurationHMS(FPlayTime);
}

void TObjDialogModel::SetPlayTimeText(const QString& text) {
    FPlayTime = ParseDurationHMS(text);
}

TObjProperties TObjDialogModel::FrameProperties() const {
    TObjProperties properties;
    for (int kind = 0; kind < CharKindCount; ++kind)
        properties.Array(kind) = ValueIds(FChars[kind], kind);
    properties.Lab1 = FLabels[0].Ticked ? FLabels[0].Text : QString();
    properties.Lab2 = FLabels[1].Ticked ? FLabels[1].Text : QString();
    properties.Any = FAll;
    return properties;
}

void TObjDialogModel::AddSong(int songId) {
    FSongs.append(songId);
}

void TObjDialogModel::RemoveSongs(const QList<int>& indexes) {
    QList<int> sorted = indexes;
    std::sort(sorted.begin(), sorted.end(), std::greater<int>());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (int index : sorted)
        if (index >= 0 && index < FSongs.size())
            FSongs.removeAt(index);
}

bool TObjDialogModel::MoveSongUp(int index) {
    if (index <= 0 || index >= FSongs.size())
        return false;
    FSongs.swapItemsAt(index, index - 1);
    return true;
}

bool TObjDialogModel::MoveSongDown(int index) {
    if (index < 0 || index + 1 >= FSongs.size())
        return false;
    FSongs.swapItemsAt(index, index + 1);
    return true;
}

QString TObjDialogModel::SongBrowserFilter() const {
    return kSongFilter.arg(FSCat);
}

void TObjDialogModel::SetInfoLines(const QStringList& lines) {
    if (CanEditInfo())
        FInfoLines = lines;
}

// --- OK

bool TObjDialogModel::Accept(const TClockObjList& list) const {
    if (!CanAccept())
        return false;
    const bool checked = IsNew() || FName != FObject->ObjName();
    if (checked && list.FindByName(FName) != nullptr) {
        ShowWarning(kNameTaken.arg(FName));
        return false;
    }
    return true;
}

std::unique_ptr<TBaseClockObject> TObjDialogModel::CreateObject() const {
    std::unique_ptr<TBaseClockObject> object = CreateClockObject(FKind);
    if (!object)
        return nullptr;
    object->SetName(FName);
    object->SetRest(FRest);
    object->SetHPrior(FHPrior);
    if (FSCat >= 0)
        object->SetSCat(static_cast<quint8>(FSCat));
    object->SetExTime(FExTime);
    object->SetPlayTime(FPlayTime);
    object->SetSepEnb(FSepEnb);
    ApplyOwnFields(*object);
    return object;
}

void TObjDialogModel::ApplyTo(TBaseClockObject& object) const {
    object.SetName(FName);
    if (FSCat >= 0)
        object.SetSCat(static_cast<quint8>(FSCat));
    object.SetRest(FRest);
    object.SetHPrior(FHPrior);
    object.SetSepEnb(FSepEnb);
    object.SetPlayTime(FPlayTime);
    object.SetExTime(FExTime);
    ApplyOwnFields(object);
}

void TObjDialogModel::ApplyOwnFields(TBaseClockObject& object) const {
    if (object.ObjType() == otCategory)
        object.Properties = FrameProperties();
    if (auto* list = dynamic_cast<TDetailPlayList*>(&object)) {
        list->ClearSongs();
        for (int songId : FSongs)
            list->AddSong(songId);
        list->SetRepList(FRepList);
        list->SetRndList(FRndList);
    }
    if (auto* blank = dynamic_cast<TBlankCategory*>(&object))
        blank->Info = CommaTextOf(FInfoLines);
}

// --- Comma text

QString CommaTextOf(const QStringList& lines) {
    if (lines.size() == 1 && lines.first().isEmpty())
        return QStringLiteral("\"\"");
    QStringList items;
    for (const QString& line : lines) {
        const bool quoted = std::any_of(line.begin(), line.end(), [](QChar c) {
            return IsBlankOrControl(c) || c == QLatin1Char('"') || c == QLatin1Char(',');
        });
        items.append(quoted ? QLatin1Char('"') +
                                  QString(line).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                                  QLatin1Char('"')
                            : line);
    }
    return items.join(QLatin1Char(','));
}

QStringList LinesOfCommaText(const QString& text) {
    QStringList lines;
    const qsizetype size = text.size();
    qsizetype pos = 0;
    const auto skipBlanks = [&] {
        while (pos < size && IsBlankOrControl(text[pos]))
            ++pos;
    };
    skipBlanks();
    while (pos < size) {
        QString item;
        if (text[pos] == QLatin1Char('"')) {
            // A quoted item runs to the first quote that is not doubled (or to the end).
            for (++pos; pos < size; ++pos) {
                if (text[pos] == QLatin1Char('"')) {
                    if (pos + 1 < size && text[pos + 1] == QLatin1Char('"')) {
                        item += QLatin1Char('"');
                        ++pos;
                        continue;
                    }
                    ++pos;
                    break;
                }
                item += text[pos];
            }
        } else {
            const qsizetype start = pos;
            while (pos < size && !IsBlankOrControl(text[pos]) && text[pos] != QLatin1Char(','))
                ++pos;
            item = text.mid(start, pos - start);
        }
        lines.append(item);
        skipBlanks();
        if (pos < size && text[pos] == QLatin1Char(',')) {
            // A comma at the very end still separates an empty last item.
            if (pos + 1 == size)
                lines.append(QString());
            ++pos;
            skipBlanks();
        }
    }
    return lines;
}
