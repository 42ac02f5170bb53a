#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "clocks/uClockMessages.h"
#include "clocks/uClockObjList.h"
#include "foundation/uArUtils.h"
#include "foundation/uPrompt.h"
#include "settings/uSettings.h"

#include <algorithm>

// The cell edits of the clock editor, and the begin and end of a broadcast being edited.

namespace {

QString HourText(int seconds) {
    return FormatDurationHMS(seconds);
}

} // namespace

// --- Cell edits

bool TClock::SetRowHour(TClockObjData* row, int hour, bool fixed) {
    const int index = IndexOfRow(row);
    if (index < 0)
        return false;
    TClockRows& rows = SiblingsOf(row);
    if (fixed) {
        if (const std::optional<int> before = FixedStartBefore(rows, index);
            before && hour <= *before) {
            ShowError(ClockHourNotLaterText.arg(HourText(hour), HourText(*before)));
            return false;
        }
        if (const std::optional<int> after = FixedStartFrom(rows, index + 1);
            after && hour >= *after) {
            ShowError(ClockHourNotBeforeText.arg(HourText(hour), HourText(*after)));
            return false;
        }
    }
    row->SetOwnHour(fixed);
    if (fixed)
        SetStart(*row, hour);
    row->Edited = true;
    if (FMode == cmBroadcast && row->Parent == nullptr && index == 0)
        AfterFirstRowHourEdit(*row);
    RecalcHours(!fixed && index > 0 ? rows[index - 1].get() : row);
    AfterHoursChanged();
    Touch();
    return true;
}

// The first row of a broadcast carries its begin: fixing it sets the begin, freeing it frees
// the whole broadcast.
void TClock::AfterFirstRowHourEdit(TClockObjData& row) {
    if (row.OwnHour()) {
        FBroadcastBegin = row.RowHour;
        return;
    }
    for (const auto& each : FRows)
        each->SetOwnHour(false);
    SetStart(row, 0);
    FBroadcastBegin.reset();
    FBroadcastEnd.reset();
}

void TClock::SetRowPlayTime(TClockObjData* row, int seconds, bool exact) {
    if (IndexOfRow(row) < 0)
        return;
    const QString before = row->TimeText;
    const bool wasOwn = row->OwnPlayTime();
    row->SetPlayTime(seconds);
    // Confirming the play time the row already follows does not make it the row's own.
    row->SetOwnPlayTime(wasOwn || row->TimeText != before);
    if (TBaseClockObject* object = row->Object(); object != nullptr && exact != object->ExTime()) {
        object->SetExTime(exact);
        object->UExTime = true;
    }
    row->Edited = true;
    RecalcHours(row);
    AfterHoursChanged();
    Touch();
}

void TClock::SetRowChars(TClockObjData* row, int column, const QString& text) {
    if (IndexOfRow(row) < 0 || !IsCharColumn(column))
        return;
    const QString value = text.isEmpty() ? AnyValueText(column) : text;
    row->Flags[column] = row->Flags[column] || value != row->CharText(column);
    row->CharText(column) = value;
    Touch();
}

void TClock::SetRowAny(TClockObjData* row, bool andAll) {
    if (IndexOfRow(row) < 0)
        return;
    row->SetAny(andAll);
    const TBaseClockObject* object = row->Object();
    row->Flags[rfAnyChanged] = andAll != (object != nullptr ? object->Properties.Any : true);
    Touch();
}

QStringList TClock::OfferedValues(const TClockObjData* row, int column) const {
    QStringList names;
    if (row == nullptr || !IsCharColumn(column) || !Options)
        return names;
    const TCharKind kind = CharKindOfColumn(column);
    const TBaseClockObject* object = row->Object();
    // A basic category narrows the choice to its own values, when it has any.
    if (object != nullptr && object->ObjType() == otCategory &&
        !object->Properties.Array(kind).empty()) {
        for (int id : object->Properties.Array(kind)) {
            const QString name = Options->CharValueName(kind, id);
            if (!name.isEmpty())
                names.append(name);
        }
        return names;
    }
    if (const TCharValueList* values = Options->CharValues(kind))
        for (const TCharValue& value : *values)
            names.append(value.Text);
    return names;
}

// --- Begin and end of a broadcast

bool TClock::SetBroadcastBegin(int seconds) {
    seconds = std::clamp(seconds, 0, SecsPerDay - 1);
    if (const std::optional<int> after = FixedStartFrom(FRows, 1); after && seconds >= *after) {
        ShowError(ClockHourNotBeforeText.arg(HourText(seconds), HourText(*after)));
        return false;
    }
    FBroadcastBegin = seconds;
    if (!FRows.empty()) {
        TClockObjData& first = *FRows.front();
        first.SetOwnHour(true);
        SetStart(first, seconds);
        RecalcHours(&first);
    }
    AfterHoursChanged();
    Touch();
    return true;
}

int TClock::BroadcastEnd() const {
    if (FBroadcastEnd)
        return *FBroadcastEnd;
    if (!FRows.empty())
        return FRows.back()->EndHour();
    return FBroadcastBegin.value_or(0);
}

bool TClock::SetBroadcastEnd(int seconds) {
    if (!FBroadcastBegin)
        return false;
    FBroadcastEnd = std::clamp(seconds, *FBroadcastBegin, SecsPerDay - 1);
    Touch();
    return true;
}

// --- Broadcast rows and the advertisement blank

int TClock::BroadcastRowBegin(const TClockObjData& row) {
    const auto* broadcast = dynamic_cast<const TBroadcast*>(row.Object());
    return broadcast && broadcast->HasBegin() ? broadcast->BeginSeconds() : row.RowHour;
}

bool TClock::SetBroadcastRowLength(TClockObjData* row, int minutes) {
    if (IndexOfRow(row) < 0 || !row->IsBroadcastRow() || minutes < 0)
        return false;
    auto& broadcast = static_cast<TBroadcast&>(*row->Object());
    broadcast.EndTime = SecondsToDateTime(BroadcastRowBegin(*row) + minutes * 60);
    if (!broadcast.IsPinned())
        broadcast.SetPlayTime(minutes * 60);
    row->SetPlayTime(broadcast.GetPlayTime());
    RecalcFrom(row);
    Touch();
    return true;
}

bool TClock::SetRowTitle(TClockObjData* row, const QString& title) {
    if (IndexOfRow(row) < 0 || !IsAdvertBlankRow(*row))
        return false;
    row->Object()->UserInfo = title;
    Touch();
    return true;
}

bool IsAdvertBlankRow(const TClockObjData& row) {
    const TBaseClockObject* object = row.Object();
    if (!object)
        return false;
    if (object->ObjType() == otBlank)
        return object->Id == AdvertBlankId;
    const auto* item = dynamic_cast<const TBroadcastItem*>(object);
    return item && item->MasterId() == AdvertBlankId;
}
