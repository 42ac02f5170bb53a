#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "clocks/uClockObjList.h"

#include <algorithm>

// Broadcast mode: a broadcast shown as rows, one per item, each a copy of the item's master with
// the item's own settings on top, and the rows written back into a broadcast.

namespace {

// One row's characteristic texts: the item's own values (changed in the broadcast) or else the
// master's.
void FillCharTexts(TClockObjData& row, const TBroadcastItem& item, const TBaseClockObject& master) {
    const bool anyTexts = master.ObjType() != otPlayList && master.ObjType() != otBlank;
    for (int column = FirstCharColumn; column <= LastCharColumn; ++column) {
        const TCharKind kind = CharKindOfColumn(column);
        const TPropArray& own = item.Properties.Array(kind);
        row.Flags[column] = !own.empty();
        QString text = PropertiesText(own.empty() ? master.Properties.Array(kind) : own, kind);
        if (text.isEmpty() && anyTexts)
            text = AnyValueText(column);
        row.CharText(column) = text;
    }
    row.SetAny(item.Properties.Any);
    row.Flags[rfAnyChanged] = item.Properties.Any != master.Properties.Any;
}

} // namespace

void TClock::RowsFromBroadcast(const TBroadcast& broadcast) {
    ClearClock();
    SetName(broadcast.ObjName());
    int previousEnd = 0;
    for (int i = 0; i < broadcast.ItemCount(); ++i) {
        const TBroadcastItem& item = *broadcast.ItemAt(i);
        TClockObjData* row = AddRow(FRows, RowCount(), nullptr);
        const TBaseClockObject* master =
            CategoryList ? CategoryList->FindById(item.MasterId()) : nullptr;
        if (master != nullptr) {
            std::unique_ptr<TBaseClockObject> copy = MakeClockCopy(*master);
            copy->SetExTime(item.ExTime());
            copy->UserInfo = item.UserInfo;
            row->ImageIndex = master->ObjType();
            row->RowObject = std::move(copy);
            row->SetPlayTime(master->GetPlayTime());
            if (item.GetPlayTime() != master->GetPlayTime()) {
                row->SetOwnPlayTime(true);
                row->SetPlayTime(item.GetPlayTime());
            }
            FillCharTexts(*row, item, *master);
        } else {
            // A row without object, still taking its place in time.
            row->SetAny(true);
            row->SetPlayTime(std::max(item.GetPlayTime(), 0));
        }
        row->SetOwnHour(item.OwnHour);
        row->RowHour = item.OwnHour ? item.Hour : previousEnd;
        previousEnd = row->EndHour();
    }
    FBroadcastBegin.reset();
    FBroadcastEnd.reset();
    if (broadcast.IsPinned()) {
        FBroadcastBegin = broadcast.BeginSeconds();
        if (broadcast.ExactEnd)
            FBroadcastEnd = broadcast.EndSeconds();
    }
    Modified = false;
    ShowTotals();
}

std::unique_ptr<TBroadcast> TClock::BroadcastFromRows(const QString& name) const {
    auto broadcast = std::make_unique<TBroadcast>();
    BroadcastFromRows(*broadcast, name);
    return broadcast;
}

void TClock::BroadcastFromRows(TBroadcast& target, const QString& name) const {
    target.ClearItems();
    target.SetName(name);
    for (const auto& row : FRows) {
        const TBaseClockObject* object = row->Object();
        if (object == nullptr)
            continue;
        auto item = std::make_unique<TBroadcastItem>();
        item->SetMasterId(object->Id);
        item->MstType = object->ObjType();
        // Named like its master, so the file reads well and a lost master is still recognisable.
        item->SetName(object->ObjName());
        item->SetSCat(object->SCat());
        item->SetExTime(object->ExTime());
        item->SetPlayTime(row->RowPlayTime);
        item->AddOwnTime(row->OwnPlayTime());
        item->Hour = row->RowHour;
        item->OwnHour = row->OwnHour();
        item->UserInfo = object->UserInfo;
        item->Properties.Any = row->Any();
        for (int column = FirstCharColumn; column <= LastCharColumn; ++column)
            item->Properties.Array(CharKindOfColumn(column)) =
                row->Flags[column] ? IdsOfCharText(row->CharText(column), column) : TPropArray{};
        const QString key = QString::number(item->Hour);
        target.AddItem(std::move(item), key);
    }
}

void TClock::ApplyBroadcastTimes(TBroadcast& broadcast) const {
    if (!FBroadcastBegin) {
        broadcast.BeginTime = UnsetBroadcastTime;
        broadcast.EndTime = UnsetBroadcastTime;
        broadcast.ExactEnd = false;
        return;
    }
    // Times of day: the end stops a second before midnight, which would read as "not set".
    broadcast.BeginTime = SecondsToDateTime(*FBroadcastBegin);
    broadcast.EndTime = SecondsToDateTime(std::clamp(BroadcastEnd(), 0, SecsPerDay - 1));
    broadcast.ExactEnd = FBroadcastEnd.has_value();
}
