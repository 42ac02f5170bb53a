#pragma once

#include <QtGlobal>
#include <cstdint>
#include <vector>

class TRandom;

// Index arguments out of range throw std::out_of_range, as the string lists these containers
// stand in for do; such an index is a programming error, not a run-time condition.

// A plain list of integers in the order they were added; duplicates allowed.
class TIntegerList {
public:
    int Add(std::int32_t value);
    void Delete(int index);
    void Clear() { Values.clear(); }
    int Count() const { return static_cast<int>(Values.size()); }
    std::int32_t Items(int index) const;
    void SetCapacity(int capacity);
    // The first index holding the value, -1 when none.
    int IndexOf(std::int32_t value) const;

    auto begin() const { return Values.begin(); }
    auto end() const { return Values.end(); }

private:
    std::vector<std::int32_t> Values;
};

// Base of the objects an integer-keyed list can own; the list frees them through it.
class TListObject {
public:
    virtual ~TListObject() = default;
};

enum class TDuplicates { duIgnore, duAccept };

// Result of a key search: whether the key is present and the position it has or would have.
struct TKeyPosition {
    bool Found = false;
    int Position = 0;
};

// Entries (integer key, payload) with numeric ordering and the neighbour searches of the draw.
// The payload is either an object (AddKey/ObjectAt, owned when OwnsObjects) or a plain integer
// (AddKeyValue/ValueAt, never freed), tagged per entry so an integer is never taken for an object.
class TIntegerObjectList {
public:
    explicit TIntegerObjectList(bool ownsObjects = false) : Owning(ownsObjects) {}
    virtual ~TIntegerObjectList();

    // Copying an owning list would free its objects twice.
    TIntegerObjectList(const TIntegerObjectList&) = delete;
    TIntegerObjectList& operator=(const TIntegerObjectList&) = delete;
    // Moving hands the entries (and their ownership) over and leaves the source empty.
    TIntegerObjectList(TIntegerObjectList&& other) noexcept;
    TIntegerObjectList& operator=(TIntegerObjectList&& other) noexcept;

    bool OwnsObjects() const { return Owning; }
    bool Sorted() const { return IsSorted; }
    // Switching on sorts the entries once by key; entries with equal keys stay (in no set order).
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return DuplicateMode; }
    void SetDuplicates(TDuplicates duplicates) { DuplicateMode = duplicates; }

    // Appends, or inserts at the key's place when sorted. With duplicates ignored, a present key
    // adds nothing and answers the existing index; the object then stays with the caller.
    int AddKey(std::int32_t key, TListObject* object);
    int AddKeyValue(std::int32_t key, qintptr value);

    // Halving search; meaningful only while sorted. With no match the position is the first
    // greater key (Count when none); with a match it is the first equal key when duplicates are
    // accepted, else the equal entry the search met first.
    TKeyPosition FindKey(std::int32_t key) const;

    int Count() const { return static_cast<int>(Entries.size()); }
    std::int32_t KeyAt(int index) const;
    // nullptr when the entry carries an integer.
    TListObject* ObjectAt(int index) const;
    // -1 when the entry carries an object.
    qintptr ValueAt(int index) const;
    void SetValueAt(int index, qintptr value);
    void SetCapacity(int capacity);

    // Deletes the entry with this key and this object; a null object deletes the entry at the
    // key's search position. Nothing happens when the key or the pair is absent.
    void DeleteKey(std::int32_t key, const TListObject* object = nullptr);
    // Deletes the entry with this key carrying this integer, if any.
    void DeleteKeyValue(std::int32_t key, qintptr value);
    void Delete(int index);
    void Clear();

    // Neighbour searches around a wanted key k on the sorted list; each answers an index or -1
    // (always -1 on an empty list). "pos" below is the FindKey position of k.

    // The entry after a present k (-1 when that is the last one); else the first greater key;
    // the last entry when every key is smaller.
    int NearestAbove(std::int32_t k) const;
    // The first key not below k, the last entry when all are below. A negative k picks a
    // uniformly random index among the first five instead.
    int FirstAtLeast(std::int32_t k, TRandom& random) const;
    // A key not above k; a match found at the last index gives the entry before it, a match
    // found at index 0 gives -1.
    int LastAtMost(std::int32_t k) const;
    // The nearest entry from pos upward with a key greater than k.
    int FirstAbove(std::int32_t k) const;
    // The nearest entry from pos downward with a key less than k.
    int LastBelow(std::int32_t k) const;

protected:
    // Copies the entries and modes of a list that owns nothing.
    void CopyFrom(const TIntegerObjectList& other);

private:
    struct TEntry {
        std::int32_t Key;
        bool HoldsObject;
        union {
            TListObject* Object;
            qintptr Value;
        };
    };

    int Insert(TEntry entry);
    // The first index of the run of entries equal to a found key.
    int FirstOfEqual(std::int32_t key, int position) const;
    const TEntry& EntryAt(int index) const;
    void FreeObject(const TEntry& entry) const;

    std::vector<TEntry> Entries;
    bool Owning;
    bool IsSorted = false;
    TDuplicates DuplicateMode = TDuplicates::duIgnore;
};

// The integer-to-integer map of the draw's candidate lists and of the play-count memo: never
// owns anything, so it may be copied freely (a cached candidate list is copied per draw).
class TDoubleIntegerList : public TIntegerObjectList {
public:
    TDoubleIntegerList() : TIntegerObjectList(false) {}
    TDoubleIntegerList(const TDoubleIntegerList& other) : TIntegerObjectList(false) {
        CopyFrom(other);
    }
    TDoubleIntegerList& operator=(const TDoubleIntegerList& other) {
        if (this != &other)
            CopyFrom(other);
        return *this;
    }
    TDoubleIntegerList(TDoubleIntegerList&&) noexcept = default;
    TDoubleIntegerList& operator=(TDoubleIntegerList&&) noexcept = default;
};
