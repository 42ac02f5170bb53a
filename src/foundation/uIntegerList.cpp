#include "foundation/uIntegerList.h"

#include "foundation/uRandom.h"

#include <algorithm>
#include <cassert>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

void CheckIndex(int index, int count) {
    if (index < 0 || index >= count)
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

// The first index from `first` on, within the run of entries keyed `key`, whose payload
// matches; -1 when none does.
template <typename TEntries, typename TMatches>
int IndexOfPair(const TEntries& entries, int first, std::int32_t key, TMatches matches) {
    const int count = static_cast<int>(entries.size());
    for (int i = first; i < count && entries[i].Key == key; ++i) {
        if (matches(entries[i]))
            return i;
    }
    return -1;
}

} // namespace

// ---- TIntegerList ----

int TIntegerList::Add(std::int32_t value) {
    Values.push_back(value);
    return Count() - 1;
}

void TIntegerList::Delete(int index) {
    CheckIndex(index, Count());
    Values.erase(Values.begin() + index);
}

std::int32_t TIntegerList::Items(int index) const {
    CheckIndex(index, Count());
    return Values[index];
}

void TIntegerList::SetCapacity(int capacity) {
    if (capacity > 0)
        Values.reserve(static_cast<std::size_t>(capacity));
}

int TIntegerList::IndexOf(std::int32_t value) const {
    const auto found = std::find(Values.begin(), Values.end(), value);
    return found == Values.end() ? -1 : static_cast<int>(found - Values.begin());
}

// ---- TIntegerObjectList ----

TIntegerObjectList::~TIntegerObjectList() {
    Clear();
}

TIntegerObjectList::TIntegerObjectList(TIntegerObjectList&& other) noexcept
    : Entries(std::move(other.Entries)), Owning(other.Owning), IsSorted(other.IsSorted),
      DuplicateMode(other.DuplicateMode) {
    other.Entries.clear();
}

TIntegerObjectList& TIntegerObjectList::operator=(TIntegerObjectList&& other) noexcept {
    if (this != &other) {
        Clear();
        Entries.swap(other.Entries);
        Owning = other.Owning;
        IsSorted = other.IsSorted;
        DuplicateMode = other.DuplicateMode;
    }
    return *this;
}

void TIntegerObjectList::CopyFrom(const TIntegerObjectList& other) {
    // Copied object references would be freed by both lists.
    assert(!Owning && !other.Owning);
    Entries = other.Entries;
    IsSorted = other.IsSorted;
    DuplicateMode = other.DuplicateMode;
}

void TIntegerObjectList::SetSorted(bool sorted) {
    if (sorted && !IsSorted) {
        std::sort(Entries.begin(), Entries.end(),
                  [](const TEntry& a, const TEntry& b) { return a.Key < b.Key; });
    }
    IsSorted = sorted;
}

int TIntegerObjectList::AddKey(std::int32_t key, TListObject* object) {
    TEntry entry;
    entry.Key = key;
    entry.HoldsObject = true;
    entry.Object = object;
    return Insert(entry);
}

int TIntegerObjectList::AddKeyValue(std::int32_t key, qintptr value) {
    TEntry entry;
    entry.Key = key;
    entry.HoldsObject = false;
    entry.Value = value;
    return Insert(entry);
}

int TIntegerObjectList::Insert(TEntry entry) {
    if (!IsSorted) {
        Entries.push_back(entry);
        return Count() - 1;
    }
    const TKeyPosition place = FindKey(entry.Key);
    if (place.Found && DuplicateMode == TDuplicates::duIgnore)
        return place.Position;
    Entries.insert(Entries.begin() + place.Position, entry);
    return place.Position;
}

TKeyPosition TIntegerObjectList::FindKey(std::int32_t key) const {
    TKeyPosition result;
    int low = 0;
    int high = Count() - 1;
    while (low <= high) {
        const int mid = low + (high - low) / 2;
        const std::int32_t midKey = Entries[mid].Key;
        if (midKey < key) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (midKey == key) {
                result.Found = true;
                // Ends the search on this entry; accepting duplicates goes on to the first one.
                if (DuplicateMode != TDuplicates::duAccept)
                    low = mid;
            }
        }
    }
    result.Position = low;
    return result;
}

const TIntegerObjectList::TEntry& TIntegerObjectList::EntryAt(int index) const {
    CheckIndex(index, Count());
    return Entries[index];
}

std::int32_t TIntegerObjectList::KeyAt(int index) const {
    return EntryAt(index).Key;
}

TListObject* TIntegerObjectList::ObjectAt(int index) const {
    const TEntry& entry = EntryAt(index);
    return entry.HoldsObject ? entry.Object : nullptr;
}

qintptr TIntegerObjectList::ValueAt(int index) const {
    const TEntry& entry = EntryAt(index);
    return entry.HoldsObject ? -1 : entry.Value;
}

void TIntegerObjectList::SetValueAt(int index, qintptr value) {
    const TEntry displaced = EntryAt(index);
    TEntry& entry = Entries[index];
    entry.HoldsObject = false;
    entry.Value = value;
    FreeObject(displaced);
}

void TIntegerObjectList::SetCapacity(int capacity) {
    if (capacity > 0)
        Entries.reserve(static_cast<std::size_t>(capacity));
}

int TIntegerObjectList::FirstOfEqual(std::int32_t key, int position) const {
    // Ignoring duplicates, the search may stop on any of several equal keys (a list filled
    // unsorted keeps them); the pair sought may lie before that one.
    while (position > 0 && Entries[position - 1].Key == key)
        --position;
    return position;
}

void TIntegerObjectList::DeleteKey(std::int32_t key, const TListObject* object) {
    const TKeyPosition place = FindKey(key);
    if (!place.Found)
        return;
    if (object == nullptr) {
        Delete(place.Position);
        return;
    }
    const int index =
        IndexOfPair(Entries, FirstOfEqual(key, place.Position), key,
                    [object](const TEntry& e) { return e.HoldsObject && e.Object == object; });
    if (index >= 0)
        Delete(index);
}

void TIntegerObjectList::DeleteKeyValue(std::int32_t key, qintptr value) {
    const TKeyPosition place = FindKey(key);
    if (!place.Found)
        return;
    const int index =
        IndexOfPair(Entries, FirstOfEqual(key, place.Position), key,
                    [value](const TEntry& e) { return !e.HoldsObject && e.Value == value; });
    if (index >= 0)
        Delete(index);
}

void TIntegerObjectList::FreeObject(const TEntry& entry) const {
    if (Owning && entry.HoldsObject)
        delete entry.Object;
}

void TIntegerObjectList::Delete(int index) {
    // The entry leaves the list before its object is freed, so a destructor that looks at the
    // list sees it consistent.
    const TEntry removed = EntryAt(index);
    Entries.erase(Entries.begin() + index);
    FreeObject(removed);
}

void TIntegerObjectList::Clear() {
    std::vector<TEntry> removed;
    removed.swap(Entries);
    for (const TEntry& entry : removed)
        FreeObject(entry);
}

// ---- Neighbour searches ----

int TIntegerObjectList::NearestAbove(std::int32_t k) const {
    const int n = Count();
    const int pos = FindKey(k).Position;
    if (pos < n - 1 && k >= Entries[pos].Key)
        return pos + 1;
    if (pos < n && k < Entries[pos].Key)
        return pos;
    if (pos == n)
        return n - 1;
    return -1; // k sits only at the last index
}

int TIntegerObjectList::FirstAtLeast(std::int32_t k, TRandom& random) const {
    const int n = Count();
    if (n == 0)
        return -1;
    const int pos = k < 0 ? random.Uniform(std::min(n, 5)) : FindKey(k).Position;
    if (pos <= 0)
        return 0;
    if (pos < n) {
        if (k <= Entries[pos].Key)
            return pos;
        // Only a random position can hold a smaller key; stepping past the last entry would
        // answer an index outside the list.
        return std::min(pos + 1, n - 1);
    }
    return n - 1;
}

int TIntegerObjectList::LastAtMost(std::int32_t k) const {
    const int n = Count();
    const int pos = FindKey(k).Position;
    if (pos >= n)
        return n - 1;
    if (k < Entries[pos].Key)
        return pos - 1;
    if (pos == n - 1)
        return pos - 1;
    return pos > 0 ? pos : -1;
}

int TIntegerObjectList::FirstAbove(std::int32_t k) const {
    const int n = Count();
    for (int i = std::min(FindKey(k).Position, n - 1); i >= 0 && i < n; ++i) {
        if (Entries[i].Key > k)
            return i;
    }
    return -1;
}

int TIntegerObjectList::LastBelow(std::int32_t k) const {
    const int n = Count();
    for (int i = std::min(FindKey(k).Position, n - 1); i >= 0; --i) {
        if (Entries[i].Key < k)
            return i;
    }
    return -1;
}
