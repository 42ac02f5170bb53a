#pragma once

#include <memory>
#include <vector>

class TBaseRandObj;
class TRandedItem;

// A stretch of the day between two fixed hours: it starts at a slot with a fixed start (the
// clock's first slot or one whose hour is its own) and ends where the next stretch starts.
// Times are ms since midnight.
class TTimerRange {
public:
    TTimerRange();
    ~TTimerRange();
    TTimerRange(const TTimerRange&) = delete;
    TTimerRange& operator=(const TTimerRange&) = delete;

    // Set whenever an item is put into the range.
    bool Dirty = false;
    int Start = 0;
    int End = 0;
    int Length = 0;

    int SlotCount() const { return static_cast<int>(Slots.size()); }
    // Appends a slot (not owned) with no item.
    void AddSlot(TBaseRandObj* object);
    TBaseRandObj* DrawObject(int slot) const { return Slots.at(slot); }
    // nullptr while the slot has no item.
    TRandedItem* Item(int slot) const { return Items.at(slot).get(); }
    // Stores the item, freeing one it replaces; nullptr empties the slot.
    void PutItem(int slot, std::unique_ptr<TRandedItem> item);
    // Empties the slot and hands its item back.
    std::unique_ptr<TRandedItem> DetachItem(int slot);
    // Sets End and Length.
    void SetEnd(int ms);
    // Length less the durations of the items present. Always summed afresh: linking items
    // changes their durations without touching the range.
    int FreeTime() const;

private:
    std::vector<TBaseRandObj*> Slots;
    std::vector<std::unique_ptr<TRandedItem>> Items;
};
