#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"

// The clock follows the category list and the broadcast list: its rows hold copies, so the
// edits of the originals reach them only through here.

std::vector<TClockObjData*> TClock::RowsReferringTo(const TBaseClockObject& object) const {
    std::vector<TClockObjData*> rows;
    const bool isBroadcast = object.ObjType() == otBroadcast;
    const auto refers = [&object, isBroadcast](const TClockObjData& row) {
        const TBaseClockObject* copy = row.Object();
        if (copy == nullptr)
            return false;
        // Ids of the two lists never meet; kinds keep them apart all the same.
        if (isBroadcast)
            return copy->ObjType() == otBroadcast && copy->Id == object.Id;
        if (const auto* item = dynamic_cast<const TBroadcastItem*>(copy))
            return item->MasterId() == object.Id;
        return copy->ObjType() != otBroadcast && copy->Id == object.Id;
    };
    for (const auto& row : FRows) {
        if (refers(*row))
            rows.push_back(row.get());
        for (const auto& child : row->Children)
            if (refers(*child))
                rows.push_back(child.get());
    }
    return rows;
}

void TClock::Notify(TNotifyKind kind, TBaseClockObject* object) {
    if (object != nullptr && kind != nkAdded) {
        for (TClockObjData* row : RowsReferringTo(*object)) {
            if (kind == nkDeleted)
                row->RowObject->SetName(UnknownRowName);
            else
                FollowChange(*row, *object);
        }
        if (kind == nkChanged)
            AfterHoursChanged();
    }
    if (OnListsChanged)
        OnListsChanged();
}

void TClock::FollowChange(TClockObjData& row, const TBaseClockObject& source) {
    TBaseClockObject& copy = *row.RowObject;
    copy.SetName(source.ObjName());
    copy.SetSCat(source.SCat());
    copy.SetRest(source.Rest());
    copy.SetHPrior(source.HPrior());
    copy.SetSepEnb(source.SepEnb());
    if (row.OwnPlayTime() || copy.UExTime)
        return;
    copy.SetExTime(source.ExTime());
    // The copy too: a broadcast item writes its own play time into the clock file.
    copy.SetPlayTime(source.GetPlayTime());
    row.SetPlayTime(source.GetPlayTime());
    // Starts after the row would otherwise overlap it or leave a gap.
    RecalcHours(&row);
}
