#include "foundation/uArUtils.h"
#include "foundation/uFormat.h"
#include "foundation/uPrompt.h"
#include "generator/uRandClassess.h"
#include "generator/uRandTimer.h"
#include "settings/uArSongCategories.h"

#include <algorithm>

// The four priority passes over the day's stretches.

namespace {

bool InClasses(TPassClasses classes, TPassClass passClass) {
    return std::find(classes.begin(), classes.end(), passClass) != classes.end();
}

bool IsSingleClass(TPassClasses classes, TPassClass passClass) {
    return classes.size() == 1 && *classes.begin() == passClass;
}

// The category-table index under which the slot counts in the pass's averages; -1 for a slot
// that does not count: one of exact time, or of a song category missing from the table.
int AverageIndex(const TBaseRandObj& object, const TArSongCategories& categories) {
    if (object.ExTime)
        return -1;
    const int index = categories.IndexById(object.SCat);
    return index == TArSongCategories::NoIndex ? -1 : index;
}

} // namespace

bool TRandTimer::FillPass(TPassClasses classes) {
    for (const auto& range : Ranges) {
        StepProgress();
        if (CheckCancelled())
            break;
        FillRangePass(*range, classes);
    }
    return true;
}

void TRandTimer::FillRangePass(TTimerRange& range, TPassClasses classes) {
    PassSlots.clear();
    int filled = 0;
    for (int slot = 0; slot < range.SlotCount(); ++slot) {
        if (range.Item(slot))
            ++filled;
        else if (InClasses(classes, range.DrawObject(slot)->PassClass))
            PassSlots.push_back(slot);
    }
    if (PassSlots.empty())
        return;
    const bool completing = filled + static_cast<int>(PassSlots.size()) == range.SlotCount();
    if (DrawMode == 1)
        ComputeCategoryAverages(range);
    DrawPassSlots(range, classes, completing);
}

void TRandTimer::ComputeCategoryAverages(const TTimerRange& range) {
    std::fill(CategoryAvgTime.begin(), CategoryAvgTime.end(), 0);
    std::fill(CategorySlotCount.begin(), CategorySlotCount.end(), 0);
    for (int slot : PassSlots) {
        const TBaseRandObj& object = *range.DrawObject(slot);
        const int index = AverageIndex(object, SongCategories());
        if (index < 0 || index >= static_cast<int>(CategoryAvgTime.size()))
            continue;
        CategoryAvgTime[index] += object.SlotTime;
        CategorySlotCount[index] += 1;
    }
    for (size_t i = 0; i < CategoryAvgTime.size(); ++i)
        if (CategorySlotCount[i] != 0)
            CategoryAvgTime[i] /= CategorySlotCount[i];
}

void TRandTimer::UpdateCategoryAverage(int categoryIndex, int drawnDuration) {
    int& average = CategoryAvgTime[categoryIndex];
    int& count = CategorySlotCount[categoryIndex];
    const int total = average * count - drawnDuration;
    count -= 1;
    average = count != 0 && total > 0 ? total / count : 0;
}

int TRandTimer::NeededTime(const TBaseRandObj& object) const {
    int needed = 0;
    if (DrawMode == 1) {
        const int index = SongCategories().IndexById(object.SCat);
        if (index != TArSongCategories::NoIndex && index < static_cast<int>(CategoryAvgTime.size()))
            needed = CategoryAvgTime[index];
    }
    return needed != 0 ? needed : object.SlotTime;
}

void TRandTimer::ReportSlot(const TBaseRandObj& object) {
    const QString start = FormatDurationMs(object.SlotStart, true).section(QLatin1Char('.'), 0, 0);
    ReportMessage(Format(QStringLiteral("Dobieranie utworu dla kategorii: %s  (%s)."),
                         {object.SlotName, start}));
}

void TRandTimer::FailSlot(const TBaseRandObj& object) {
    Prompt().ShowMessage(
        TBoxKind::bkError,
        Format(QStringLiteral("Brak dostepnej pozycji dla kategorii %s"), {object.SlotName}));
    Cancelled = true;
}

int TRandTimer::SlotStartMinute(const TTimerRange& range, int slot) const {
    if (slot > 0)
        if (const TRandedItem* previous = range.Item(slot - 1))
            return MsToMinutes(previous->Start + previous->Duration);
    return MsToMinutes(range.DrawObject(slot)->SlotStart);
}

void TRandTimer::DrawPassSlots(TTimerRange& range, TPassClasses classes, bool completing) {
    FitAttempts = 0;
    TPassItems items;
    bool passCancelled = false;
    for (int position = 0; position < static_cast<int>(PassSlots.size()); ++position) {
        if (passCancelled) {
            items.emplace_back();
            continue;
        }
        const int slot = PassSlots[position];
        TBaseRandObj& object = *range.DrawObject(slot);
        ReportSlot(object);
        const int needed = NeededTime(object);
        const int startMinute = SlotStartMinute(range, slot);
        auto item = object.Draw(needed, startMinute, -1, true, false);
        if (!item && RelaxWhenNoCandidate)
            item = object.DrawRelaxed(needed, startMinute);
        if (!item) {
            FailSlot(object);
            items.emplace_back();
        } else {
            item->Start = object.SlotStart;
            items.push_back(std::move(item));
            const int start = ChainRange(range, position, items);
            RunData.AddHistory(*items[position]->Song, start);
            // Only the slots counted in the averages take their share out of them.
            if (const int index = AverageIndex(object, SongCategories());
                DrawMode == 1 && index >= 0)
                UpdateCategoryAverage(index, items[position]->Duration);
        }
        if (CheckCancelled())
            passCancelled = true;
    }
    if (!passCancelled && !IsSingleClass(classes, TPassClass::HighPriorityList)) {
        const int sum = PassSum(items);
        if (completing && !IsSingleClass(classes, TPassClass::ExactTime)) {
            const int free = range.FreeTime();
            const TFitWindow window = FitWindow(range, items);
            int type = 2;
            bool full = false;
            if (sum < free - window.Short) {
                type = 1;
            } else if (window.Holds(sum - free)) {
                full = PutAndCheck(range, items);
                // Linked again, the stretch may have left the window on either side.
                if (!full && PassSum(items) < FitTarget(range, items))
                    type = 1;
            }
            if (InClasses(classes, TPassClass::Filtered))
                StepProgress();
            if (!full)
                FitRange(range, type, items);
        }
    }
    // Items already put into the range by a successful check are no longer held here.
    for (size_t position = 0; position < items.size(); ++position)
        if (items[position])
            range.PutItem(PassSlots[position], std::move(items[position]));
}

int TRandTimer::ChainRange(TTimerRange& range, int position, TPassItems& items) {
    auto itemOfSlot = [&](int slot) -> TRandedItem* {
        if (TRandedItem* item = range.Item(slot))
            return item;
        const auto found = std::find(PassSlots.begin(), PassSlots.end(), slot);
        if (found == PassSlots.end())
            return nullptr;
        const int j = static_cast<int>(found - PassSlots.begin());
        return j <= position && j < static_cast<int>(items.size()) ? items[j].get() : nullptr;
    };
    const int slot = PassSlots[position];
    if (slot == 0)
        if (TRandedItem* first = itemOfSlot(0))
            first->Start = range.DrawObject(0)->SlotStart;
    TRandedItem* previous = itemOfSlot(0);
    for (int k = 1; k < range.SlotCount(); ++k) {
        TRandedItem* current = itemOfSlot(k);
        if (current && previous)
            LinkItems(*current, *previous, false, SongCategories());
        previous = current;
    }
    const TRandedItem* item = itemOfSlot(slot);
    return item ? item->Start : range.DrawObject(slot)->SlotStart;
}
