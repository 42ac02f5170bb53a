#pragma once

#include <memory>

class TStoreTransaction;

// The store writes of an import, grouped into units of work of a few hundred items each: one
// commit per unit instead of one per row keeps thousands of songs fast, and a unit that cannot
// be committed loses only its own items. An item's own failure is undone inside its unit
// (AddSong's nested unit) without touching the others. Without a store nothing is grouped.
class TImportBatch {
public:
    static constexpr int kDefaultSize = 500;

    explicit TImportBatch(int size = kDefaultSize);
    // Undoes the unit still open: call Finish to keep it.
    ~TImportBatch();
    TImportBatch(const TImportBatch&) = delete;
    TImportBatch& operator=(const TImportBatch&) = delete;

    // Counts an item (`wrote`: it wrote something that counts as done); a full unit is
    // committed and the next one begun. Answers how many counted items a failed commit lost
    // (the failure is shown), 0 normally.
    int ItemDone(bool wrote);
    // Commits the open unit; answers as ItemDone.
    int Finish();

private:
    void Begin();
    int Commit();

    int Size;
    int Items = 0;
    int Written = 0;
    std::unique_ptr<TStoreTransaction> Unit;
};
