#include "foundation/uIntegerList.h"
#include "foundation/uRandom.h"

#include <climits>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <type_traits>
#include <vector>

namespace {

using TKeys = std::vector<std::int32_t>;

// Filled unsorted and then sorted once, as the draw fills its candidate lists; each entry
// carries its position in `keys` as its integer.
TDoubleIntegerList SortedList(const TKeys& keys, TDuplicates duplicates = TDuplicates::duAccept) {
    TDoubleIntegerList list;
    list.SetDuplicates(duplicates);
    for (std::size_t i = 0; i < keys.size(); ++i)
        list.AddKeyValue(keys[i], static_cast<qintptr>(i));
    list.SetSorted(true);
    return list;
}

TKeys KeysOf(const TIntegerObjectList& list) {
    TKeys keys;
    for (int i = 0; i < list.Count(); ++i)
        keys.push_back(list.KeyAt(i));
    return keys;
}

std::vector<qintptr> ValuesOf(const TIntegerObjectList& list) {
    std::vector<qintptr> values;
    for (int i = 0; i < list.Count(); ++i)
        values.push_back(list.ValueAt(i));
    return values;
}

// Counts its own destruction, to see that an owning list frees each object exactly once.
class TCountedObject : public TListObject {
public:
    explicit TCountedObject(int& freed) : Freed(freed) {}
    ~TCountedObject() override { ++Freed; }

private:
    int& Freed;
};

// ---- TRandom ----

TEST(RandomTest, UniformStaysInRangeAndReachesEveryValue) {
    TRandom random(42);
    std::set<int> seen;
    for (int i = 0; i < 500; ++i) {
        const int drawn = random.Uniform(7);
        ASSERT_GE(drawn, 0);
        ASSERT_LT(drawn, 7);
        seen.insert(drawn);
    }
    EXPECT_EQ(seen.size(), 7u);
}

TEST(RandomTest, SameSeedRepeatsTheSequence) {
    TRandom first(2024);
    TRandom second(7);
    second.Seed(2024);
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(first.Uniform(1000), second.Uniform(1000));
}

TEST(RandomTest, DegenerateRangesAnswerZero) {
    TRandom random(1);
    EXPECT_EQ(random.Uniform(1), 0);
    EXPECT_EQ(random.Uniform(0), 0);
    EXPECT_EQ(random.Uniform(-3), 0);
}

// ---- TIntegerList ----

TEST(IntegerListTest, KeepsOrderAndDuplicates) {
    TIntegerList list;
    list.SetCapacity(10);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Add(30), 0);
    EXPECT_EQ(list.Add(-4), 1);
    EXPECT_EQ(list.Add(30), 2);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(TKeys(list.begin(), list.end()), (TKeys{30, -4, 30}));
    EXPECT_EQ(list.IndexOf(30), 0);
    EXPECT_EQ(list.IndexOf(-4), 1);
    EXPECT_EQ(list.IndexOf(5), -1);

    list.Delete(0);
    EXPECT_EQ(TKeys(list.begin(), list.end()), (TKeys{-4, 30}));
    EXPECT_EQ(list.Items(1), 30);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.IndexOf(30), -1);
}

TEST(IntegerListTest, IndexOutOfRangeThrows) {
    TIntegerList list;
    list.Add(1);
    EXPECT_THROW(list.Items(1), std::out_of_range);
    EXPECT_THROW(list.Items(-1), std::out_of_range);
    EXPECT_THROW(list.Delete(1), std::out_of_range);
    EXPECT_EQ(list.Count(), 1);
}

// ---- TIntegerObjectList: searching ----

TEST(IntegerObjectListTest, FindKey) {
    struct TCase {
        TKeys Keys;
        TDuplicates Duplicates;
        std::int32_t Key;
        bool Found;
        int Position;
    };
    const TCase cases[] = {
        {{10, 20, 20, 30}, TDuplicates::duAccept, 20, true, 1},
        {{10, 20, 20, 30}, TDuplicates::duAccept, 25, false, 3},
        {{10, 20, 20, 30}, TDuplicates::duAccept, 40, false, 4},
        {{10, 20, 20, 30}, TDuplicates::duAccept, 5, false, 0},
        {{10, 20, 20, 30}, TDuplicates::duAccept, 10, true, 0},
        {{10, 20, 20, 30}, TDuplicates::duAccept, 30, true, 3},
        // Accepting duplicates finds the first equal key; ignoring them stops on the first met.
        {{10, 20, 20, 20, 30}, TDuplicates::duAccept, 20, true, 1},
        {{10, 20, 20, 20, 30}, TDuplicates::duIgnore, 20, true, 2},
        {{}, TDuplicates::duAccept, 7, false, 0},
        {{-5, 2, 10}, TDuplicates::duIgnore, -5, true, 0},
        {{-5, 2, 10}, TDuplicates::duIgnore, -1, false, 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "key " << c.Key << " in " << testing::PrintToString(c.Keys));
        const TDoubleIntegerList list = SortedList(c.Keys, c.Duplicates);
        const TKeyPosition result = list.FindKey(c.Key);
        EXPECT_EQ(result.Found, c.Found);
        EXPECT_EQ(result.Position, c.Position);
    }
}

enum class TLookup { NearestAbove, FirstAtLeast, LastAtMost, FirstAbove, LastBelow };

const char* LookupName(TLookup lookup) {
    switch (lookup) {
    case TLookup::NearestAbove:
        return "NearestAbove";
    case TLookup::FirstAtLeast:
        return "FirstAtLeast";
    case TLookup::LastAtMost:
        return "LastAtMost";
    case TLookup::FirstAbove:
        return "FirstAbove";
    case TLookup::LastBelow:
        return "LastBelow";
    }
    return "?";
}

int RunLookup(const TIntegerObjectList& list, TLookup lookup, std::int32_t k) {
    TRandom random(1);
    switch (lookup) {
    case TLookup::NearestAbove:
        return list.NearestAbove(k);
    case TLookup::FirstAtLeast:
        return list.FirstAtLeast(k, random);
    case TLookup::LastAtMost:
        return list.LastAtMost(k);
    case TLookup::FirstAbove:
        return list.FirstAbove(k);
    case TLookup::LastBelow:
        return list.LastBelow(k);
    }
    return -2;
}

TEST(IntegerObjectListTest, NeighbourLookups) {
    struct TCase {
        TLookup Lookup;
        TKeys Keys;
        std::int32_t K;
        int Expected;
    };
    const TKeys dup = {10, 20, 20, 30};
    const TKeys three = {10, 20, 30};
    const TKeys two = {10, 20};
    const TCase cases[] = {
        {TLookup::FirstAbove, dup, 20, 3},
        {TLookup::FirstAbove, dup, 30, -1},
        {TLookup::FirstAbove, dup, 10, 1},
        {TLookup::FirstAbove, dup, 5, 0},
        {TLookup::FirstAbove, dup, 25, 3},
        {TLookup::FirstAbove, dup, 40, -1},
        {TLookup::LastBelow, dup, 20, 0},
        {TLookup::LastBelow, dup, 10, -1},
        {TLookup::LastBelow, dup, 5, -1},
        {TLookup::LastBelow, dup, 25, 2},
        {TLookup::LastBelow, dup, 30, 2},
        {TLookup::LastBelow, dup, 40, 3},
        // After a present key comes the entry after the found one; none after the last.
        {TLookup::NearestAbove, dup, 20, 2},
        {TLookup::NearestAbove, dup, 25, 3},
        {TLookup::NearestAbove, dup, 30, -1},
        {TLookup::NearestAbove, dup, 40, 3},
        {TLookup::NearestAbove, dup, 10, 1},
        {TLookup::NearestAbove, dup, 5, 0},
        {TLookup::NearestAbove, {10}, 10, -1},
        {TLookup::NearestAbove, {10}, 5, 0},
        {TLookup::NearestAbove, {10}, 15, 0},
        {TLookup::FirstAtLeast, two, 5, 0},
        {TLookup::FirstAtLeast, two, 15, 1},
        {TLookup::FirstAtLeast, two, 99, 1},
        {TLookup::FirstAtLeast, two, 10, 0},
        {TLookup::FirstAtLeast, two, 20, 1},
        // A match at the last or the first index gives the entry before it, or none.
        {TLookup::LastAtMost, three, 30, 1},
        {TLookup::LastAtMost, three, 20, 1},
        {TLookup::LastAtMost, three, 10, -1},
        {TLookup::LastAtMost, three, 5, -1},
        {TLookup::LastAtMost, three, 25, 1},
        {TLookup::LastAtMost, three, 99, 2},
        {TLookup::LastAtMost, {10}, 10, -1},
        {TLookup::LastAtMost, {10}, 15, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << LookupName(c.Lookup) << "(" << c.K << ") on "
                                        << testing::PrintToString(c.Keys));
        EXPECT_EQ(RunLookup(SortedList(c.Keys), c.Lookup, c.K), c.Expected);
    }
}

TEST(IntegerObjectListTest, EveryLookupAnswersNoneOnAnEmptyList) {
    const TDoubleIntegerList empty = SortedList({});
    for (TLookup lookup : {TLookup::NearestAbove, TLookup::FirstAtLeast, TLookup::LastAtMost,
                           TLookup::FirstAbove, TLookup::LastBelow}) {
        for (std::int32_t k : {-1, 0, 10}) {
            SCOPED_TRACE(testing::Message() << LookupName(lookup) << "(" << k << ")");
            EXPECT_EQ(RunLookup(empty, lookup, k), -1);
        }
    }
}

TEST(IntegerObjectListTest, FirstAtLeastWithNegativeKeyPicksAmongTheFirstFive) {
    struct TCase {
        TKeys Keys;
        std::set<int> Possible;
    };
    const TCase cases[] = {
        {{10, 20, 30, 40, 50, 60, 70}, {0, 1, 2, 3, 4}},
        {{10, 20}, {0, 1}},
        {{10}, {0}},
        // Keys below k: a random position steps one further, but never past the last entry.
        {{-30, -20, -10}, {0, 2}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.Keys));
        const TDoubleIntegerList list = SortedList(c.Keys);
        TRandom random(99);
        std::set<int> seen;
        for (int i = 0; i < 300; ++i) {
            const int index = list.FirstAtLeast(-1, random);
            ASSERT_TRUE(c.Possible.count(index)) << index;
            seen.insert(index);
        }
        EXPECT_EQ(seen, c.Possible);
    }
}

TEST(IntegerObjectListTest, FirstAtLeastIsReproducibleFromTheSeed) {
    const TDoubleIntegerList list = SortedList({10, 20, 30, 40, 50, 60});
    TRandom first(555);
    TRandom second(555);
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(list.FirstAtLeast(-1, first), list.FirstAtLeast(-1, second));
}

// ---- TIntegerObjectList: adding and sorting ----

TEST(IntegerObjectListTest, UnsortedAddAppendsAndKeepsDuplicates) {
    TDoubleIntegerList list; // duplicates ignored, but that only matters while sorted
    EXPECT_EQ(list.AddKeyValue(20, 1), 0);
    EXPECT_EQ(list.AddKeyValue(10, 2), 1);
    EXPECT_EQ(list.AddKeyValue(20, 3), 2);
    EXPECT_EQ(KeysOf(list), (TKeys{20, 10, 20}));
    EXPECT_EQ(ValuesOf(list), (std::vector<qintptr>{1, 2, 3}));
}

TEST(IntegerObjectListTest, SortedAddInsertsInPlace) {
    struct TCase {
        TDuplicates Duplicates;
        int ExpectedIndex;
        TKeys ExpectedKeys;
        std::vector<qintptr> ExpectedValues;
    };
    const TCase cases[] = {
        // An ignored duplicate adds nothing and answers the present entry.
        {TDuplicates::duIgnore, 1, {10, 20, 30}, {2, 1, 3}},
        {TDuplicates::duAccept, 1, {10, 20, 20, 30}, {2, 9, 1, 3}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Duplicates));
        TDoubleIntegerList list;
        list.SetDuplicates(c.Duplicates);
        list.SetSorted(true);
        EXPECT_EQ(list.AddKeyValue(20, 1), 0);
        EXPECT_EQ(list.AddKeyValue(10, 2), 0);
        EXPECT_EQ(list.AddKeyValue(30, 3), 2);
        EXPECT_EQ(list.AddKeyValue(20, 9), c.ExpectedIndex);
        EXPECT_EQ(KeysOf(list), c.ExpectedKeys);
        EXPECT_EQ(ValuesOf(list), c.ExpectedValues);
    }
}

TEST(IntegerObjectListTest, SwitchingSortedOnSortsOnceKeepingPairs) {
    TDoubleIntegerList list;
    const TKeys keys = {50, 10, 40, 10, 30};
    for (std::int32_t key : keys)
        list.AddKeyValue(key, key * 100 + list.Count());
    list.SetSorted(true);
    EXPECT_TRUE(list.Sorted());
    EXPECT_EQ(KeysOf(list), (TKeys{10, 10, 30, 40, 50}));
    for (int i = 0; i < list.Count(); ++i)
        EXPECT_EQ(list.ValueAt(i) / 100, list.KeyAt(i)) << i;

    // Off again, adds append; on again, they are sorted in.
    list.SetSorted(false);
    list.AddKeyValue(20, 2000);
    EXPECT_EQ(list.KeyAt(list.Count() - 1), 20);
    list.SetSorted(true);
    EXPECT_EQ(KeysOf(list), (TKeys{10, 10, 20, 30, 40, 50}));
}

TEST(IntegerObjectListTest, KeysOrderNumerically) {
    EXPECT_EQ(KeysOf(SortedList({10, -5, 2})), (TKeys{-5, 2, 10}));
    EXPECT_EQ(KeysOf(SortedList({INT32_MAX, 0, INT32_MIN, -1})),
              (TKeys{INT32_MIN, -1, 0, INT32_MAX}));

    TDoubleIntegerList list;
    list.SetSorted(true);
    for (std::int32_t key : {10, 2, -5, 100, -40})
        list.AddKeyValue(key, 0);
    EXPECT_EQ(KeysOf(list), (TKeys{-40, -5, 2, 10, 100}));
}

TEST(IntegerObjectListTest, PayloadKindsDoNotMix) {
    int freed = 0;
    TCountedObject object(freed);
    TIntegerObjectList list;
    list.AddKey(1, &object);
    list.AddKeyValue(2, 77);
    EXPECT_EQ(list.ObjectAt(0), &object);
    EXPECT_EQ(list.ValueAt(0), -1);
    EXPECT_EQ(list.ObjectAt(1), nullptr);
    EXPECT_EQ(list.ValueAt(1), 77);
    list.SetValueAt(1, 78);
    EXPECT_EQ(list.ValueAt(1), 78);
}

TEST(IntegerObjectListTest, IndexOutOfRangeThrows) {
    TDoubleIntegerList list = SortedList({10, 20});
    EXPECT_THROW(list.KeyAt(2), std::out_of_range);
    EXPECT_THROW(list.KeyAt(-1), std::out_of_range);
    EXPECT_THROW(list.ValueAt(2), std::out_of_range);
    EXPECT_THROW(list.ObjectAt(-1), std::out_of_range);
    EXPECT_THROW(list.Delete(2), std::out_of_range);
    EXPECT_THROW(list.SetValueAt(5, 1), std::out_of_range);
    EXPECT_EQ(list.Count(), 2);
}

// ---- TIntegerObjectList: deleting by key ----

class DeleteKeyTest : public testing::Test {
protected:
    // Keys with one distinct (non-owned) object each, sorted with duplicates accepted.
    void Fill(const TKeys& keys, TDuplicates duplicates = TDuplicates::duAccept) {
        Objects.clear();
        Objects.reserve(keys.size());
        List.SetDuplicates(duplicates);
        for (std::int32_t key : keys) {
            Objects.emplace_back(Freed);
            List.AddKey(key, &Objects.back());
        }
        List.SetSorted(true);
    }
    const TListObject* Object(int index) const { return &Objects[index]; }

    int Freed = 0;
    std::vector<TCountedObject> Objects;
    TIntegerObjectList List;
};

TEST(IntegerObjectListTest, DeleteKeyWithAnObjectOfNoEntryKeyedSoDeletesNothing) {
    struct TCase {
        TKeys Keys;
        int Stranger; // index of the entry whose object is offered; -1: an object of no entry
    };
    const TCase cases[] = {
        {{10, 20, 20, 30}, -1},
        {{10, 20, 20, 30}, 0},
        {{10, 20, 20, 30}, 3},
        // The entries keyed 20 are the last of the list.
        {{10, 20, 20}, -1},
        {{10, 20, 20}, 0},
        {{20, 20}, -1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << testing::PrintToString(c.Keys) << " " << c.Stranger);
        int freed = 0;
        std::vector<TCountedObject> objects(c.Keys.size() + 1, TCountedObject(freed));
        TIntegerObjectList list;
        list.SetDuplicates(TDuplicates::duAccept);
        for (std::size_t i = 0; i < c.Keys.size(); ++i)
            list.AddKey(c.Keys[i], &objects[i]);
        list.SetSorted(true);
        const TListObject* offered = c.Stranger < 0 ? &objects.back() : list.ObjectAt(c.Stranger);
        list.DeleteKey(20, offered);
        EXPECT_EQ(KeysOf(list), c.Keys);
    }
}

TEST_F(DeleteKeyTest, DeletesTheEntryWithKeyAndObject) {
    Fill({10, 20, 20, 30});
    TListObject* second20 = List.ObjectAt(2);
    List.DeleteKey(20, second20);
    EXPECT_EQ(KeysOf(List), (TKeys{10, 20, 30}));
    EXPECT_NE(List.ObjectAt(1), second20);
    EXPECT_EQ(Freed, 0); // not owned
}

TEST_F(DeleteKeyTest, WithoutObjectDeletesAtTheSearchPosition) {
    Fill({10, 20, 20, 30});
    TListObject* first20 = List.ObjectAt(1);
    List.DeleteKey(20);
    EXPECT_EQ(KeysOf(List), (TKeys{10, 20, 30}));
    EXPECT_NE(List.ObjectAt(1), first20);
}

TEST_F(DeleteKeyTest, AbsentKeyDeletesNothing) {
    Fill({10, 20, 30});
    List.DeleteKey(25);
    List.DeleteKey(25, Object(1));
    EXPECT_EQ(KeysOf(List), (TKeys{10, 20, 30}));
}

TEST_F(DeleteKeyTest, FindsAPairBeforeWhereTheSearchStops) {
    // Ignoring duplicates, the search on 20 stops at index 2; the pair sought sits at index 1.
    Fill({10, 20, 20, 20, 30}, TDuplicates::duIgnore);
    ASSERT_EQ(List.FindKey(20).Position, 2);
    TListObject* first20 = List.ObjectAt(1);
    List.DeleteKey(20, first20);
    EXPECT_EQ(List.Count(), 4);
    for (int i = 0; i < List.Count(); ++i)
        EXPECT_NE(List.ObjectAt(i), first20);
}

TEST(IntegerObjectListTest, DeleteKeyValueMatchesTheInteger) {
    struct TCase {
        std::int32_t Key;
        qintptr Value;
        TKeys ExpectedKeys;
        std::vector<qintptr> ExpectedValues;
    };
    // Entries (key, value): (10, 0), (20, 1), (20, 2), (30, 3).
    const TCase cases[] = {
        {20, 2, {10, 20, 30}, {0, 1, 3}},        {20, 1, {10, 20, 30}, {0, 2, 3}},
        {20, 3, {10, 20, 20, 30}, {0, 1, 2, 3}}, // value of another key
        {20, 9, {10, 20, 20, 30}, {0, 1, 2, 3}}, {25, 1, {10, 20, 20, 30}, {0, 1, 2, 3}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Key << " / " << c.Value);
        TDoubleIntegerList list = SortedList({10, 20, 20, 30});
        list.DeleteKeyValue(c.Key, c.Value);
        EXPECT_EQ(KeysOf(list), c.ExpectedKeys);
        EXPECT_EQ(ValuesOf(list), c.ExpectedValues);
    }
}

// ---- Ownership and copying ----

static_assert(!std::is_copy_constructible_v<TIntegerObjectList>);
static_assert(!std::is_copy_assignable_v<TIntegerObjectList>);
static_assert(std::is_nothrow_move_constructible_v<TIntegerObjectList>);
static_assert(std::is_nothrow_move_assignable_v<TIntegerObjectList>);
static_assert(std::is_copy_constructible_v<TDoubleIntegerList>);

class OwnershipTest : public testing::Test {
protected:
    TCountedObject* NewObject() { return new TCountedObject(Freed); }
    int Freed = 0;
};

TEST_F(OwnershipTest, OwningListFreesEachObjectOnce) {
    {
        TIntegerObjectList list(true);
        EXPECT_TRUE(list.OwnsObjects());
        list.AddKey(1, NewObject());
        list.AddKey(2, nullptr); // no object: deleted without freeing
        list.AddKey(3, NewObject());
        list.AddKey(4, NewObject());
        list.AddKey(5, NewObject());
        list.AddKeyValue(6, 12345); // an integer is never freed

        list.Delete(0);
        EXPECT_EQ(Freed, 1);
        list.Delete(0);
        EXPECT_EQ(Freed, 1);
        list.SetSorted(true);
        list.DeleteKey(3);
        EXPECT_EQ(Freed, 2);
        list.SetValueAt(0, 7); // the displaced object goes
        EXPECT_EQ(Freed, 3);
        EXPECT_EQ(list.Count(), 3);
    }
    EXPECT_EQ(Freed, 4); // the last one with the list
}

TEST_F(OwnershipTest, ClearFreesAllAndTheListStaysUsable) {
    TIntegerObjectList list(true);
    for (int i = 0; i < 3; ++i)
        list.AddKey(i, NewObject());
    list.Clear();
    EXPECT_EQ(Freed, 3);
    EXPECT_EQ(list.Count(), 0);
    list.AddKey(1, NewObject());
    EXPECT_EQ(list.Count(), 1);
    list.Clear();
    EXPECT_EQ(Freed, 4);
}

TEST_F(OwnershipTest, NonOwningListFreesNothing) {
    std::vector<TCountedObject> objects(3, TCountedObject(Freed));
    Freed = 0; // the temporary the vector was filled from
    {
        TIntegerObjectList list;
        EXPECT_FALSE(list.OwnsObjects());
        for (int i = 0; i < 3; ++i)
            list.AddKey(i, &objects[i]);
        list.Delete(0);
        list.Clear();
        list.AddKey(1, &objects[1]);
    }
    EXPECT_EQ(Freed, 0);
}

TEST_F(OwnershipTest, MovingHandsOwnershipOver) {
    {
        TIntegerObjectList source(true);
        source.AddKey(1, NewObject());
        source.AddKey(2, NewObject());

        TIntegerObjectList moved(std::move(source));
        EXPECT_EQ(source.Count(), 0); // NOLINT(bugprone-use-after-move): the source is left empty
        EXPECT_EQ(moved.Count(), 2);
        EXPECT_TRUE(moved.OwnsObjects());

        TIntegerObjectList target(true);
        target.AddKey(9, NewObject());
        target = std::move(moved);
        EXPECT_EQ(Freed, 1); // the target's own object
        EXPECT_EQ(target.Count(), 2);
    }
    EXPECT_EQ(Freed, 3);
}

TEST(IntegerObjectListCopyTest, CopiedDoubleIntegerListIsIndependent) {
    TDoubleIntegerList original = SortedList({10, 20, 30}, TDuplicates::duIgnore);
    TDoubleIntegerList copy(original);
    copy.Delete(0);
    copy.AddKeyValue(40, 3);
    EXPECT_EQ(KeysOf(original), (TKeys{10, 20, 30}));
    EXPECT_EQ(KeysOf(copy), (TKeys{20, 30, 40}));
    EXPECT_TRUE(copy.Sorted());
    EXPECT_EQ(copy.Duplicates(), TDuplicates::duIgnore);

    copy = original;
    EXPECT_EQ(KeysOf(copy), (TKeys{10, 20, 30}));
}

} // namespace
