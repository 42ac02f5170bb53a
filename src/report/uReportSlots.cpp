#include "report/uReportSlots.h"

#include "clocks/uCategory.h"
#include "clocks/uClock.h"
#include "clocks/uClockObjList.h"
#include "library/uSongData.h"

namespace {

// The place of a characteristic kind in TSlotFilter::Kinds; -1 for the years.
int FilterKindOf(TCharKind kind) {
    switch (kind) {
    case ckType:
        return 0;
    case ckTempo:
        return 1;
    case ckLanguage:
        return 2;
    case ckAtmosphere:
        return 3;
    case ckVocal:
        return 4;
    case ckYears:
        break;
    }
    return -1;
}

TSlotFilter FilterOfRow(const TClockObjData& row, const TBaseClockObject& source) {
    TSlotFilter filter;
    for (int column = FirstCharColumn; column <= LastCharColumn; ++column) {
        const TPropArray ids = IdsOfCharText(row.CharText(column), column);
        const int kind = FilterKindOf(CharKindOfColumn(column));
        std::vector<int>& target = kind < 0 ? filter.YearIds : filter.Kinds[kind];
        target.insert(target.end(), ids.begin(), ids.end());
    }
    filter.Any = row.Any();
    filter.Lab1 = source.Properties.Lab1;
    filter.Lab2 = source.Properties.Lab2;
    return filter;
}

TSlotKind KindOf(const TBaseClockObject& source) {
    switch (source.ObjType()) {
    case otPlayList:
        return TSlotKind::skList;
    case otBlank:
        return TSlotKind::skBlank;
    default:
        return TSlotKind::skCategory;
    }
}

// `row` gives the times and the choices, `source` the object the slot draws from.
TReportSlot MakeSlot(const TClockObjData& row, const TBaseClockObject& source) {
    TReportSlot slot;
    slot.ObjectId = source.Id;
    slot.ObjectName = CategoryNameOfId(source.Id);
    slot.Name = row.Object()->GetName();
    slot.StartMs = row.RowHour * 1000;
    slot.OwnHour = row.OwnHour();
    slot.Kind = KindOf(source);
    slot.SCat = source.SCat();
    slot.Rest = source.Rest();
    slot.SepEnb = source.SepEnb();
    if (slot.Kind == TSlotKind::skCategory)
        slot.Filter = FilterOfRow(row, source);
    return slot;
}

void AddBroadcastItems(const TClockObjData& row, std::vector<TReportSlot>& rowSlots) {
    for (const auto& child : row.Children) {
        const auto* item = dynamic_cast<const TBroadcastItem*>(child->Object());
        const TBaseClockObject* master =
            item && CategoryList ? CategoryList->FindById(item->MasterId()) : nullptr;
        if (master && master->ObjType() != otBroadcast)
            rowSlots.push_back(MakeSlot(*child, *master));
    }
}

} // namespace

std::vector<TReportSlot> ClockSlots(const TClock& clock) {
    std::vector<TReportSlot> rowSlots;
    for (const auto& row : clock.Rows()) {
        const TBaseClockObject* object = row->Object();
        if (!object)
            continue;
        if (object->ObjType() == otBroadcast) {
            AddBroadcastItems(*row, rowSlots);
        } else if (object->ObjType() == otPlayList) {
            // A list draws from the category list's original, which holds its songs.
            const TBaseClockObject* list =
                CategoryList ? CategoryList->FindById(object->Id) : nullptr;
            if (list && list->ObjType() == otPlayList)
                rowSlots.push_back(MakeSlot(*row, *list));
        } else {
            rowSlots.push_back(MakeSlot(*row, *object));
        }
    }
    return rowSlots;
}

TSlotMatcher::TSlotMatcher(std::vector<TReportSlot> rowSlots)
    : Slots(std::move(rowSlots)), Used(Slots.size(), false) {}

const TReportSlot* TSlotMatcher::Take(const TResultSongData& position) {
    const bool byId = position.CatId != -1;
    if (!byId && position.CategoryName.isEmpty())
        return nullptr;
    for (size_t i = 0; i < Slots.size(); ++i) {
        if (Used[i])
            continue;
        const TReportSlot& slot = Slots[i];
        if (byId ? slot.ObjectId == position.CatId : slot.ObjectName == position.CategoryName) {
            Used[i] = true;
            return &slot;
        }
    }
    return nullptr;
}
