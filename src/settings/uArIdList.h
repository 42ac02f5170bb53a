#pragma once

#include "foundation/HTMLParser.h"

#include <QString>
#include <algorithm>
#include <charconv>
#include <climits>
#include <memory>
#include <string_view>
#include <vector>

// The decimal text of an id, built on the stack: lists keyed by id are ordered by these texts,
// and their lookups run for every candidate of a draw, so they must not allocate.
class TIdText {
public:
    explicit TIdText(int id) {
        FLength =
            static_cast<int>(std::to_chars(FDigits, FDigits + sizeof FDigits, id).ptr - FDigits);
    }
    std::string_view View() const { return {FDigits, static_cast<std::size_t>(FLength)}; }

private:
    char FDigits[12];
    int FLength = 0;
};

// A settings list of owned entries (each with a public int Id) kept in the order of their ids'
// decimal texts ("10" before "2", as these lists have always been shown and written), one entry
// per id, with the counter of handed-out ids and a changed flag.
//
// The counter never falls behind an id in the list, so an entry added as new (Id -1) can never
// take the id of an entry already present.
template <class T> class TArIdList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // Out of range throws std::out_of_range.
    T& Items(int index) { return *FItems.at(index); }
    const T& Items(int index) const { return *FItems.at(index); }

    // nullptr when no entry has the id.
    T* FindById(int id) {
        const int index = IndexOfId(id);
        return index < 0 ? nullptr : FItems[index].get();
    }
    const T* FindById(int id) const { return const_cast<TArIdList*>(this)->FindById(id); }
    // -1 when no entry has the id.
    int IndexOfId(int id) const {
        const int pos = PositionOf(id);
        return HoldsAt(pos, id) ? pos : -1;
    }

    // Takes the entry. A new one (Id -1) gets LastId + 1; one with an id replaces the entry of
    // that id, if any. Answers the entry's id, or -1 (dropping it) when the ids are used up.
    int Add(std::unique_ptr<T> item) {
        if (item == nullptr)
            return -1;
        if (item->Id == -1) {
            if (FLastId == INT_MAX)
                return -1;
            item->Id = ++FLastId;
        } else {
            RaiseLastId(item->Id);
        }
        const int id = item->Id;
        const int pos = PositionOf(id);
        if (HoldsAt(pos, id))
            FItems[pos] = std::move(item);
        else
            FItems.insert(FItems.begin() + pos, std::move(item));
        FChanged = true;
        return id;
    }

    // Returns whether an entry had the id. The counter stays, so a deleted id is never reused.
    bool DeleteById(int id) {
        const int index = IndexOfId(id);
        if (index < 0)
            return false;
        Delete(index);
        return true;
    }
    // Out of range throws std::out_of_range.
    void Delete(int index) {
        FItems.at(index);
        FItems.erase(FItems.begin() + index);
        FChanged = true;
    }

    // The highest id handed out so far.
    int LastId() const { return FLastId; }

    // The whole list as it stands (copies of the entries, the counter, the changed flag), so
    // an editing window can put it back when the user cancels.
    struct TSnapshot {
        std::vector<T> Items;
        int LastId = 0;
        bool Changed = false;
    };
    TSnapshot Snapshot() const {
        TSnapshot snapshot{{}, FLastId, FChanged};
        snapshot.Items.reserve(FItems.size());
        for (const auto& item : FItems)
            snapshot.Items.push_back(*item);
        return snapshot;
    }
    // Back to the snapshot exactly, the counter too: the ids handed out since were seen only
    // by the window that is being cancelled, so handing them out again harms nothing, and the
    // next save writes the very bytes the file had.
    void Restore(const TSnapshot& snapshot) {
        FItems.clear();
        FItems.reserve(snapshot.Items.size());
        for (const T& item : snapshot.Items)
            FItems.push_back(std::make_unique<T>(item));
        FLastId = snapshot.LastId;
        FChanged = snapshot.Changed;
    }

    bool Changed() const { return FChanged; }
    void MarkChanged() { FChanged = true; }

protected:
    // Adds an entry for each element of the tag below the root of a file whose counter says
    // lastId. The counter is first raised past every id of the file and of the list (which
    // keeps its entries over a reload), so the entries read without an id, numbered as new,
    // never take one of those.
    void AddLoaded(const TTagNode& root, const QString& tag, int lastId) {
        TTagNodeList elements;
        FindAll(&root, tag, elements);
        std::vector<std::unique_ptr<T>> items;
        for (const TTagNode* element : elements) {
            items.push_back(std::make_unique<T>());
            items.back()->LoadFromNode(*element);
        }
        FLastId = lastId;
        for (const auto& item : FItems)
            RaiseLastId(item->Id);
        for (const auto& item : items)
            RaiseLastId(item->Id);
        for (auto& item : items)
            Add(std::move(item));
    }
    void ClearChanged() { FChanged = false; }

private:
    void RaiseLastId(int id) { FLastId = std::max(FLastId, id); }
    // The index of the id, or where it would go.
    int PositionOf(int id) const {
        const TIdText wanted(id);
        const auto pos =
            std::lower_bound(FItems.begin(), FItems.end(), wanted.View(),
                             [](const std::unique_ptr<T>& item, std::string_view text) {
                                 return TIdText(item->Id).View() < text;
                             });
        return static_cast<int>(pos - FItems.begin());
    }
    bool HoldsAt(int pos, int id) const { return pos < Count() && FItems[pos]->Id == id; }

    std::vector<std::unique_ptr<T>> FItems;
    int FLastId = 0;
    bool FChanged = false;
};
