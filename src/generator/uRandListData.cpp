#include "generator/uRandListData.h"

#include "clocks/uCategory.h"
#include "foundation/uAppPaths.h"
#include "foundation/uArUtils.h"
#include "foundation/uFormat.h"
#include "foundation/uMsgLog.h"
#include "foundation/uTextFile.h"
#include "library/uDBMainBase.h"
#include "library/uDBSchema.h"
#include "library/uLibraryEntities.h"
#include "settings/uSettings.h"

#include <QFileInfo>

namespace {

const QString kDrawError = QStringLiteral("Błąd losowania: %s");

// A song's label id as the blockade check sees it: "no label" matches no blocked label.
int LabelForCheck(int labelId) {
    return labelId == -1 ? -2 : labelId;
}

bool LabelBlocked(int labelId) {
    return DisabledLabels && DisabledLabels->IsDisabled(labelId);
}

void AppendPlayed(TRandListData& data, int lastIndex) {
    for (int k = 0; k <= lastIndex; ++k)
        data.Played.append(QString::number(data.Songs[k]));
}

} // namespace

QString ListPositionFile(TDateTime day) {
    return DatedFilePath(kListDir, QStringLiteral("dat"), DateTimeToDate(day));
}

void TRandListSet::LoadListPositions(TDateTime day) {
    PrevLines.clear();
    const QString path = ListPositionFile(day - 1);
    if (!QFileInfo::exists(path))
        return;
    QString error;
    if (!ReadTextLines(path, PrevLines, &error)) {
        PrevLines.clear();
        LogMessage(msDraw, TLogLevel::Error, Format(kDrawError, {FileLoadErrorText(path, error)}));
    }
}

TListSongCheck TRandListSet::CheckListLabels(const QString& listName, int songId) const {
    TListSongCheck result;
    const std::optional<TDBRecord> song = MainBase->LocateSong(songId);
    if (!song)
        return result;
    result.Exists = true;
    const int label1 = LabelForCheck(song->AsInteger(Col::Label1_Id));
    const int label2 = LabelForCheck(song->AsInteger(Col::Label2_Id));
    if (!LabelBlocked(label1) && !LabelBlocked(label2))
        return result;
    QStringList names;
    for (int label : {label1, label2})
        if (LabelBlocked(label))
            names.append(GetLabelValue(label));
    if (OnLabelQuestion)
        result.Keep =
            OnLabelQuestion(listName, names.join(QStringLiteral(", ")), song->AsString(Col::Title),
                            GetArtistName(song->AsInteger(Col::Art_Id)));
    return result;
}

TRandListData* TRandListSet::GetListData(const TDetailPlayList& list) {
    for (const auto& data : Lists)
        if (data->ListId == list.Id)
            return data.get();
    auto data = std::make_unique<TRandListData>(list.Id);
    for (int songId : list.Songs()) {
        const TListSongCheck check = CheckListLabels(list.GetName(), songId);
        if (!check.Keep)
            return nullptr;
        if (check.Exists)
            data->Songs.push_back(songId);
    }
    Lists.push_back(std::move(data));
    TRandListData* added = Lists.back().get();
    if (list.RepList())
        RestoreListPosition(*added);
    return added;
}

void TRandListSet::RestoreListPosition(TRandListData& data) const {
    const QString name = QString::number(data.ListId);
    for (const QString& line : PrevLines) {
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || line.left(equals) != name)
            continue;
        const QString value = line.mid(equals + 1);
        const int comma = value.indexOf(QLatin1Char(','));
        if (comma < 0)
            return;
        const int songId = StrToIntDef(value.left(comma), -1);
        const int index = StrToIntDef(value.mid(comma + 1), -1);
        data.LastIndex = -1;
        data.LastSongId = -1;
        if (songId != -1) {
            for (int k = 0; k < static_cast<int>(data.Songs.size()); ++k)
                if (data.Songs[k] == songId) {
                    data.LastIndex = k;
                    data.LastSongId = songId;
                }
            if (data.LastIndex != -1) {
                AppendPlayed(data, data.LastIndex);
                return;
            }
        }
        // The remembered song left the list: the stored index says where it stood.
        if (index != -1 && index < static_cast<int>(data.Songs.size())) {
            data.LastIndex = index;
            data.LastSongId = data.Songs[index];
            AppendPlayed(data, index);
        }
        return;
    }
}

bool TRandListSet::SaveListPositions(TDateTime day) const {
    QStringList lines;
    for (const auto& data : Lists)
        lines.append(
            Format(QStringLiteral("%d=%d,%d"), {data->ListId, data->LastSongId, data->LastIndex}));
    const QString path = ListPositionFile(day);
    QString error;
    if (WriteTextLines(path, lines, &error))
        return true;
    LogMessage(msDraw, TLogLevel::Error, Format(kDrawError, {FileSaveErrorText(path, error)}));
    return false;
}
