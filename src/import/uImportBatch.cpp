#include "import/uImportBatch.h"

#include "library/uDBMainBase.h"
#include "library/uStoreErrors.h"

TImportBatch::TImportBatch(int size) : Size(size > 0 ? size : kDefaultSize) {
    Begin();
}

TImportBatch::~TImportBatch() = default;

int TImportBatch::ItemDone(bool wrote) {
    ++Items;
    if (wrote)
        ++Written;
    if (Items < Size)
        return 0;
    const int lost = Commit();
    Begin();
    return lost;
}

int TImportBatch::Finish() {
    return Commit();
}

void TImportBatch::Begin() {
    Items = 0;
    Written = 0;
    if (!MainBase)
        return;
    try {
        Unit = std::make_unique<TStoreTransaction>(*MainBase);
    } catch (const std::exception&) {
        // A store that cannot be opened: each write reports it as it fails.
        Unit.reset();
    }
}

int TImportBatch::Commit() {
    int lost = 0;
    if (Unit) {
        try {
            Unit->Commit();
        } catch (const std::exception& e) {
            ShowStoreWriteError(e);
            lost = Written;
        }
    }
    Unit.reset();
    Items = 0;
    Written = 0;
    return lost;
}
