#include "foundation/uArUtils.h"
#include "foundation/uRandom.h"
#include "generator/uCutAllowance.h"
#include "generator/uRandClassess.h"
#include "generator/uRandTimer.h"
#include "settings/uArSongCategories.h"

#include <algorithm>
#include <cmath>

// Making each stretch of the day come out at its length: linking items with their mixes,
// swapping songs for shorter or longer ones, cutting songs of over-full stretches.

namespace {

// The overlap a cut song keeps into the next one when the mix table gives no value.
constexpr int kCutMix = 3000;

// A sweep of StepToFit can swap songs back and forth when mixes differ; a stretch that has
// not settled after this many sweeps keeps its songs.
constexpr int kMaxStepSweeps = 64;

int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

bool InWindow(int value, int max, int min) {
    return min <= value && value <= max;
}

int PlayedTime(const TRandedItem& item) {
    return item.Cut ? item.Song->Time : item.Song->FullTime;
}

} // namespace

void LinkItems(TRandedItem& current, TRandedItem& previous, bool markMixed,
               const TArSongCategories& categories) {
    previous.Mix = previous.Cut ? kCutMix : previous.OrigMix;
    const int row = categories.IndexById(previous.Song->Category);
    const int column = categories.IndexById(current.Song->Category);
    if (row != TArSongCategories::NoIndex && column != TArSongCategories::NoIndex &&
        categories.CanMix(row, column)) {
        const int value = categories.MixValue(row, column);
        previous.MixRule = value != 255;
        if (previous.MixRule)
            previous.Mix = value * 1000;
        if (previous.Mix > 0) {
            previous.Duration = PlayedTime(previous) - previous.Mix;
            if (markMixed)
                previous.Mixed = true;
        }
    } else {
        previous.Duration = PlayedTime(previous);
        previous.Mix = 0;
    }
    current.Start = previous.Start + previous.Duration;
}

void TRandTimer::AddHistory(const TRandedItem& item) {
    RunData.AddHistory(*item.Song, item.Start);
}

void TRandTimer::RemoveHistory(const TRandedItem& item) {
    RunData.RemoveHistory(item.Song->Serial);
}

int TRandTimer::PassSum(const TPassItems& items) const {
    int sum = 0;
    for (const auto& item : items)
        if (item)
            sum += item->Duration;
    return sum;
}

std::unique_ptr<TRandedItem> TRandTimer::ReplacePassItem(TPassItems& items, int position,
                                                         std::unique_ptr<TRandedItem> item) {
    item->Start = items[position]->Start;
    std::swap(items[position], item);
    AddHistory(*items[position]);
    return item;
}

bool TRandTimer::ChainAndSum(TTimerRange& range, int& sum) {
    int first = 0;
    while (first < range.SlotCount() && !range.Item(first))
        ++first;
    for (int slot = first + 1; slot < range.SlotCount(); ++slot)
        if (range.Item(slot) && range.Item(slot - 1))
            LinkItems(*range.Item(slot), *range.Item(slot - 1), false, SongCategories());
    sum = 0;
    for (int slot = 0; slot < range.SlotCount(); ++slot) {
        if (!range.Item(slot))
            return false;
        sum += range.Item(slot)->Duration;
    }
    return true;
}

TFitWindow TRandTimer::FitWindow(const TTimerRange& range, const TPassItems& items) const {
    int longest = 0;
    int longestCuttable = 0;
    for (size_t position = 0; position < items.size(); ++position)
        if (const TRandedItem* item = items[position].get()) {
            longest = std::max(longest, item->Duration);
            if (range.DrawObject(PassSlots[position])->IsCuttable())
                longestCuttable = std::max(longestCuttable, item->Duration);
        }
    for (int slot = 0; slot < range.SlotCount(); ++slot) {
        const TRandedItem* item = range.Item(slot);
        if (item && range.DrawObject(slot)->IsCuttable())
            longestCuttable = std::max(longestCuttable, item->Duration);
    }
    if (longestCuttable > 0)
        return {0, CutAllowance(longestCuttable)};
    return {CutAllowance(longest), 0};
}

int TRandTimer::FitTarget(const TTimerRange& range, const TPassItems& items) const {
    return range.FreeTime() - FitWindow(range, items).Short;
}

bool TRandTimer::PutAndCheck(TTimerRange& range, TPassItems& items) {
    const TFitWindow window = FitWindow(range, items);
    for (size_t position = 0; position < items.size(); ++position)
        if (items[position])
            range.PutItem(PassSlots[position], std::move(items[position]));
    int sum = 0;
    // Being full is not enough: a stretch running past what its songs can lose would push songs
    // past the next fixed hour. One with an empty slot cannot be measured yet.
    if (!ChainAndSum(range, sum) || window.Holds(sum - range.Length)) {
        for (int slot : PassSlots)
            if (const TRandedItem* item = range.Item(slot))
                AddHistory(*item);
        return true;
    }
    for (size_t position = 0; position < items.size(); ++position)
        if (!items[position])
            items[position] = range.DetachItem(PassSlots[position]);
    return false;
}

bool TRandTimer::FitRange(TTimerRange& range, int type, TPassItems& items) {
    if (++FitAttempts > 2)
        return false;
    const int diff = FitTarget(range, items) - PassSum(items);
    if (SwapToFit(range, items, diff))
        return true;
    return StepToFit(range, items, type);
}

bool TRandTimer::SwapToFit(TTimerRange& range, TPassItems& items, int diff) {
    diff = RandomSwaps(range, items, diff);
    if (diff == 0)
        return true;
    int cutPosition = -1;
    for (size_t position = 0; position < items.size(); ++position) {
        const TRandedItem* item = items[position].get();
        if (item && item->Duration > 0 && range.DrawObject(PassSlots[position])->IsCuttable() &&
            (cutPosition < 0 || item->Duration > items[cutPosition]->Duration))
            cutPosition = static_cast<int>(position);
    }
    const int tolerance = cutPosition >= 0 ? CutAllowance(items[cutPosition]->Duration) : -2;
    for (size_t position = 0; position < items.size(); ++position) {
        if (CheckCancelled())
            return true;
        TRandedItem* old = items[position].get();
        TBaseRandObj& object = *range.DrawObject(PassSlots[position]);
        // Only a category picks its song by the length wanted; a blank or a list would answer
        // with an item that need not fit and end the fitting as long as before.
        if (!old || !dynamic_cast<TRandObj*>(&object))
            continue;
        ReportSlot(object);
        RemoveHistory(*old);
        auto replacement =
            object.Draw(old->Duration + diff, MsToMinutes(old->Start),
                        static_cast<int>(position) == cutPosition ? -2 : tolerance, false, true);
        if (replacement) {
            auto kept = ReplacePassItem(items, static_cast<int>(position), std::move(replacement));
            if (PutAndCheck(range, items))
                return true;
            // The linked lengths missed the window (mixes differ from the draw's): keep the old.
            RemoveHistory(*items[position]);
            items[position] = std::move(kept);
        }
        AddHistory(*old);
    }
    return false;
}

int TRandTimer::RandomSwaps(TTimerRange& range, TPassItems& items, int diff) {
    std::vector<int> remaining(items.size());
    for (size_t i = 0; i < remaining.size(); ++i)
        remaining[i] = static_cast<int>(i);
    std::vector<int> order;
    while (!remaining.empty()) {
        const int k = FRandom.Uniform(static_cast<int>(remaining.size()));
        order.push_back(remaining[k]);
        remaining.erase(remaining.begin() + k);
    }
    int out = diff;
    for (int position : order) {
        if (CheckCancelled())
            return 0;
        auto* object = dynamic_cast<TRandObj*>(range.DrawObject(PassSlots[position]));
        TRandedItem* old = items[position].get();
        if (!object || !old)
            continue;
        RemoveHistory(*old);
        const int minute = MsToMinutes(old->Start);
        const int target = old->Duration + out;
        const bool shorter = out <= 0;
        auto candidate =
            shorter ? object->DrawAtLeast(minute, target) : object->DrawAtMost(minute, target);
        int length = 0;
        if (candidate) {
            length = candidate->Song->Time - candidate->Mix;
            if (shorter ? length > old->Duration : length < old->Duration)
                candidate.reset();
        }
        if (!candidate) {
            AddHistory(*old);
            continue;
        }
        const int delta = length - old->Duration;
        if (shorter ? out - delta > 0 : out - delta < 0) {
            AddHistory(*old);
            break;
        }
        out -= delta;
        ReplacePassItem(items, position, std::move(candidate));
    }
    if (PutAndCheck(range, items))
        return 0;
    return FitTarget(range, items) - PassSum(items);
}

bool TRandTimer::EvaluateFit(const TTimerRange& range, const TPassItems& items, bool netLengths,
                             int type, int& flipped) const {
    int sum = 0;
    for (const auto& item : items)
        if (item)
            sum += netLengths ? item->Duration - item->Mix : item->Duration;
    const int free = range.FreeTime();
    const TFitWindow window = FitWindow(range, items);
    if (InWindow(sum, free + window.Over, free - window.Short))
        return true;
    if (type == 2 && sum < free - window.Short)
        flipped = 1;
    else if (type == 1 && sum > free + window.Over)
        flipped = 2;
    return false;
}

bool TRandTimer::StepToFit(TTimerRange& range, TPassItems& items, int type) {
    for (auto& item : items)
        if (item)
            item->Exhausted = false;
    int flipped = 0;
    const int positions = static_cast<int>(items.size());
    int exhausted = 0;
    for (int sweep = 0; sweep < kMaxStepSweeps && exhausted < positions && flipped == 0; ++sweep) {
        exhausted = 0;
        for (int position = 0; position < positions && flipped == 0; ++position) {
            if (CheckCancelled())
                return true;
            TRandedItem* old = items[position].get();
            TBaseRandObj& object = *range.DrawObject(PassSlots[position]);
            ReportSlot(object);
            if (!old || old->Exhausted) {
                ++exhausted;
                continue;
            }
            RemoveHistory(*old);
            const int needed = old->Song->Time - old->Mix;
            const int minute = MsToMinutes(old->Start);
            auto replacement = type == 2
                                   ? object.DrawShorter(needed, old->Song->SongId, minute, true)
                                   : object.DrawLonger(needed, old->Song->SongId, minute, true);
            if (replacement) {
                ReplacePassItem(items, position, std::move(replacement));
                if (EvaluateFit(range, items, true, type, flipped)) {
                    // The net lengths only estimate the linked stretch: it must really fit.
                    if (PutAndCheck(range, items))
                        return true;
                    EvaluateFit(range, items, false, type, flipped);
                }
            } else {
                old->Exhausted = true;
                AddHistory(*old);
                ++exhausted;
            }
        }
    }
    if (flipped == 0)
        return true;
    if (PutAndCheck(range, items))
        return true;
    if (EvaluateFit(range, items, false, type, flipped))
        return true;
    return FitRange(range, flipped, items);
}

TRandedItem* TRandTimer::LongestCuttable(TTimerRange& range) const {
    TRandedItem* chosen = nullptr;
    for (int slot = 0; slot < range.SlotCount(); ++slot) {
        TRandedItem* item = range.Item(slot);
        if (!item || item->Cut || !range.DrawObject(slot)->IsCuttable())
            continue;
        if (item->Duration + item->Mix > (chosen ? chosen->Duration : 0))
            chosen = item;
    }
    return chosen;
}

bool TRandTimer::CutOverfull(TTimerRange& range, int excess) {
    bool cut = false;
    for (TRandedItem* item = LongestCuttable(range); item; item = LongestCuttable(range)) {
        TAllowedSong& song = *item->Song;
        // The item may lose at most a quarter of its current duration.
        const int shortest = RoundHalfEven(item->Duration * 0.75);
        const int full = song.FullTime - (item->MixRule ? item->Mix : kCutMix);
        excess -= item->Duration - full;
        item->Duration = full;
        if (excess > full - shortest) {
            excess -= full - shortest;
            song.Time = song.FullTime - (full - shortest);
            item->Duration = shortest;
        } else {
            item->Duration -= excess;
            song.Time = song.FullTime - excess;
            excess = 0;
        }
        item->Cut = true;
        cut = true;
        if (excess <= 0)
            break;
    }
    return cut;
}

void TRandTimer::FillGap(TTimerRange& range) {
    const int slotCount = range.SlotCount();
    if (slotCount < 2 || !range.Item(slotCount - 1))
        return;
    const TRandedItem& last = *range.Item(slotCount - 1);
    const int gap = range.End - last.Start - last.Song->FullTime;
    if (gap <= 0)
        return;
    int chosenSlot = -1;
    int chosenAmount = 0;
    for (int slot = 0; slot < slotCount; ++slot) {
        const TRandedItem* item = range.Item(slot);
        if (!item || !item->Cut)
            continue;
        const int amount = item->Song->FullTime - item->Song->Time;
        if (amount > chosenAmount) {
            chosenSlot = slot;
            chosenAmount = amount;
        }
    }
    if (chosenSlot < 0)
        return;
    const int added = std::min(gap, chosenAmount);
    TRandedItem& chosen = *range.Item(chosenSlot);
    chosen.Song->Time += added;
    chosen.Duration += added;
    for (int slot = chosenSlot + 1; slot < slotCount; ++slot)
        if (TRandedItem* item = range.Item(slot))
            item->Start += added;
}

void TRandTimer::FinalFit() {
    TRandedItem* previous = nullptr;
    int previousRange = -1;
    int sum = 0;
    int r = 0;
    while (r < RangeCount()) {
        TTimerRange& range = *Ranges[r];
        bool restart = false;
        for (int slot = 0; slot < range.SlotCount() && !restart; ++slot) {
            TRandedItem* item = range.Item(slot);
            if (!item)
                continue;
            const TBaseRandObj& object = *range.DrawObject(slot);
            if (previous)
                LinkItems(*item, *previous, true, SongCategories());
            if (!previous || object.OwnHour)
                item->Start = object.SlotStart;
            if (previous) {
                sum += previous->Duration;
                if (previousRange != r) {
                    TTimerRange& left = *Ranges[previousRange];
                    if (sum > left.Length && CutOverfull(left, sum - left.Length)) {
                        // Link the stretch again with its cut songs, and check it again.
                        r = previousRange;
                        restart = true;
                        previous = nullptr;
                        previousRange = -1;
                        sum = 0;
                        continue;
                    }
                    if (sum <= left.Length)
                        FillGap(left);
                    sum = 0;
                }
            }
            previous = item;
            previousRange = r;
        }
        if (!restart)
            ++r;
    }
}
