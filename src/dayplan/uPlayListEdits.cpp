#include "dayplan/uPlayListEdits.h"

#include "clocks/uCategory.h"
#include "dayplan/uDayPlayList.h"
#include "foundation/uArUtils.h"
#include "foundation/uFormat.h"
#include "foundation/uPrompt.h"
#include "library/uSongStore.h"
#include "settings/uArSongCategories.h"
#include "settings/uSettings.h"

namespace {

// The mix table's word for "the song's own mix point".
constexpr int kOwnMixPoint = 255;

bool InRange(const TDayPlayList& list, int row) {
    return row >= 0 && row < list.Count();
}

int EndOf(const TResultSongData& position) {
    return position.Hour + position.SongTime;
}

// From `row` on, every row starts where the row before it ends, up to the next fixed-hour row.
// Moving chains by the positions' own lengths, not by their overlaps.
void ChainFrom(TDayPlayList& list, int row) {
    for (int s = std::max(row, 1); s < list.Count(); ++s) {
        TResultSongData& position = list.Position(s);
        if (position.OwnHour)
            break;
        position.Hour = EndOf(list.Position(s - 1));
    }
}

} // namespace

int CategoryNumber(const QString& category, int fallback) {
    bool ok = false;
    const int number = category.toInt(&ok);
    return ok ? number : fallback;
}

int MixedEnd(TResultSongData& position, const QString& nextCategory,
             const TArSongCategories* categories) {
    int row = TArSongCategories::NoIndex;
    int column = TArSongCategories::NoIndex;
    const int own = CategoryNumber(position.Category, TArSongCategories::NoIndex);
    if (categories && own != TArSongCategories::NoIndex) {
        row = categories->IndexById(own);
        const int next = CategoryNumber(nextCategory, TArSongCategories::NoIndex);
        if (next != TArSongCategories::NoIndex)
            column = categories->IndexById(next);
    }
    if (row != TArSongCategories::NoIndex && column != TArSongCategories::NoIndex &&
        categories->CanMix(row, column)) {
        const int value = categories->MixValue(row, column);
        const int overlap = value == kOwnMixPoint ? position.Mix : value * 1000;
        if (overlap < 0) {
            position.PlayTime = position.SongTime;
            position.Mixed = -1;
        } else {
            position.PlayTime = position.SongTime - overlap;
            position.Mixed = overlap;
        }
    } else {
        position.PlayTime = position.SongTime;
    }
    return position.Hour + position.PlayTime;
}

int MixedEnd(TResultSongData& position, const QString& nextCategory) {
    return MixedEnd(position, nextCategory, Options ? &Options->Categories() : nullptr);
}

void ShiftFollowing(TDayPlayList& list, int row, int delta) {
    for (int s = row + 1; s < list.Count(); ++s) {
        TResultSongData& position = list.Position(s);
        if (position.OwnHour)
            break;
        position.Hour += delta;
    }
}

bool MovePositionUp(TDayPlayList& list, int row) {
    if (!InRange(list, row) || row == 0)
        return false;
    TResultSongData& moved = list.Position(row);
    TResultSongData& before = list.Position(row - 1);
    moved.Hour = row - 1 > 0 ? EndOf(list.Position(row - 2)) : before.Hour;
    if (!before.OwnHour)
        before.Hour = EndOf(moved);
    list.MoveRow(row, row - 1);
    // A fixed row keeps its start; what came after the moved row follows it anew.
    if (before.OwnHour)
        ChainFrom(list, row + 1);
    return true;
}

bool MovePositionDown(TDayPlayList& list, int row) {
    if (!InRange(list, row) || row + 1 >= list.Count())
        return false;
    TResultSongData& moved = list.Position(row);
    TResultSongData& after = list.Position(row + 1);
    if (!after.OwnHour)
        after.Hour = row > 0 ? EndOf(list.Position(row - 1)) : moved.Hour;
    moved.Hour = EndOf(after);
    list.MoveRow(row, row + 1);
    // The fixed row kept its start, so the moved row and those after it are chained from it.
    if (after.OwnHour)
        ChainFrom(list, row + 2);
    return true;
}

int DeletePositionAt(TDayPlayList& list, int row) {
    if (!InRange(list, row))
        return -1;
    const int removedHour = list.Position(row).Hour;
    list.RemoveRow(row);
    return ClosePositionGap(list, row, removedHour);
}

int ClosePositionGap(TDayPlayList& list, int row, int removedHour) {
    const bool hasNext = row < list.Count();
    const bool hasPrevious = row > 0;
    if (hasNext) {
        const TResultSongData& next = list.Position(row);
        const int delta = hasPrevious ? MixedEnd(list.Position(row - 1), next.Category) - next.Hour
                                      : removedHour - next.Hour;
        ShiftFollowing(list, row - 1, delta);
        return row;
    }
    return hasPrevious ? row - 1 : -1;
}

int InsertPositionAfter(TDayPlayList& list, int after, std::unique_ptr<TResultSongData> position) {
    const int row = PutPositionAfter(list, after, std::move(position));
    if (row >= 0)
        ChainInsertedPosition(list, row);
    return row;
}

int PutPositionAfter(TDayPlayList& list, int after, std::unique_ptr<TResultSongData> position) {
    if (!position || after < -1 || after >= list.Count() || (after == -1 && !list.IsEmpty()))
        return -1;
    list.InsertRow(after + 1, std::move(position));
    return after + 1;
}

void ChainInsertedPosition(TDayPlayList& list, int row) {
    if (!InRange(list, row))
        return;
    TResultSongData& inserted = list.Position(row);
    inserted.Hour = row > 0 ? MixedEnd(list.Position(row - 1), inserted.Category) : 0;
    if (row + 1 < list.Count()) {
        const TResultSongData& next = list.Position(row + 1);
        // The rows after it start where it ends (a fixed-hour row stays where it is).
        if (!next.OwnHour)
            ShiftFollowing(list, row, MixedEnd(inserted, next.Category) - next.Hour);
    }
}

std::unique_ptr<TResultSongData> MakeBlankPosition(const TBlankCategory& blank) {
    auto position = std::make_unique<TResultSongData>();
    position->Blank = true;
    position->Title = blank.Info;
    position->SetSongTime(blank.GetPlayTime() * 1000);
    position->DbTime = position->SongTime;
    position->Category = QString::number(blank.SCat());
    position->CatId = blank.Id;
    position->CategoryName = blank.ObjName();
    return position;
}

std::unique_ptr<TResultSongData> MakeSongPosition(int songId) {
    auto position = std::make_unique<TResultSongData>();
    if (!ReadSong(*position, songId))
        return nullptr;
    // What the library holds, so a later edit can tell a longer time from it.
    position->DbTime = position->SongTime;
    position->SongId = songId;
    return position;
}

bool ApplyPositionEdit(TDayPlayList& list, int row, const TPositionEdit& edit) {
    if (!InRange(list, row))
        return false;
    TResultSongData& position = list.Position(row);
    if (edit.SongTime != position.SongTime) {
        const bool longerThanStored = !position.Blank && position.DbTime < edit.SongTime;
        if (!longerThanStored ||
            AskYesNo(Format(kLongerSongTimeQuestion, {FormatDurationMs(edit.SongTime, false),
                                                      FormatDurationMs(position.DbTime, false)}))) {
            const int delta = edit.SongTime - position.SongTime;
            position.SetSongTime(edit.SongTime);
            if (position.Blank)
                position.DbTime = edit.SongTime;
            ShiftFollowing(list, row, delta);
        }
    }
    if (edit.FullFileName != position.FullFileName()) {
        position.SetFullFileName(edit.FullFileName);
        position.HasPlayFile = true;
    }
    position.OwnHour = edit.OwnHour;
    if (edit.Hour != position.Hour) {
        const int delta = edit.Hour - position.Hour;
        position.Hour = edit.Hour;
        ShiftFollowing(list, row, delta);
    }
    if (position.Blank && edit.Info != position.Title)
        position.Title = edit.Info;
    return true;
}
