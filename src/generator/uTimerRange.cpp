#include "generator/uTimerRange.h"

#include "generator/uRandClassess.h"

TTimerRange::TTimerRange() = default;
TTimerRange::~TTimerRange() = default;

void TTimerRange::AddSlot(TBaseRandObj* object) {
    Slots.push_back(object);
    Items.emplace_back();
}

void TTimerRange::PutItem(int slot, std::unique_ptr<TRandedItem> item) {
    Items.at(slot) = std::move(item);
    Dirty = true;
}

std::unique_ptr<TRandedItem> TTimerRange::DetachItem(int slot) {
    return std::move(Items.at(slot));
}

void TTimerRange::SetEnd(int ms) {
    End = ms;
    Length = End - Start;
}

int TTimerRange::FreeTime() const {
    int free = Length;
    for (const auto& item : Items)
        if (item)
            free -= item->Duration;
    return free;
}
