#pragma once

#include "ui/restrictions/uNamedListForm.h"

#include <memory>
#include <type_traits>
#include <utility>

// A list window over a settings list keyed by id (TArIdList), whose entries are made and
// edited in a `TDialog`: constructed from an entry and the window, it writes the user's values
// back with StoreInto, and, when it opens dialogs of its own, runs them through its
// DialogRunner. The list as it was when the window opened is kept, for "Anuluj".
template <class TList, class TDialog> class TIdListForm : public TNamedListForm {
protected:
    using TItem = std::remove_cvref_t<decltype(std::declval<const TList&>().Items(0))>;

    TIdListForm(TList& list, QWidget* parent)
        : TNamedListForm(parent), FItems(list), FSnapshot(list.Snapshot()) {}

    // Whether the window may edit and delete the entry.
    virtual bool IsEditable(const TItem&) const { return true; }

    std::vector<TNamedEntry> Entries() const override {
        std::vector<TNamedEntry> entries;
        for (int i = 0; i < FItems.Count(); ++i) {
            const TItem& item = FItems.Items(i);
            entries.push_back({item.Id, item.Name, IsEditable(item)});
        }
        return entries;
    }
    int CreateEntry() override {
        auto item = std::make_unique<TItem>();
        if (!RunEntryDialog(*item))
            return -1;
        return FItems.Add(std::move(item));
    }
    bool ChangeEntry(int id) override {
        TItem* item = FItems.FindById(id);
        if (item == nullptr || !RunEntryDialog(*item))
            return false;
        FItems.MarkChanged();
        return true;
    }
    void RemoveEntry(int id) override { FItems.DeleteById(id); }
    bool ListChanged() const override { return FItems.Changed(); }
    void SaveList() override { FItems.Save(); }
    void RestoreList() override { FItems.Restore(FSnapshot); }

private:
    bool RunEntryDialog(TItem& item) {
        TDialog dialog(item, this);
        if constexpr (requires { dialog.DialogRunner; })
            dialog.DialogRunner = DialogRunner;
        if (!DialogRunner(dialog))
            return false;
        dialog.StoreInto(item);
        return true;
    }

    TList& FItems;
    typename TList::TSnapshot FSnapshot;
};
