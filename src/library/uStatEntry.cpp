#include "library/uStatEntry.h"

#include "foundation/uFormat.h"
#include "foundation/uPrompt.h"

bool CollectStatEntries(int count, const std::function<std::optional<TStatEntry>(int)>& entryAt,
                        TStatEntries& entries) {
    entries.clear();
    for (int row = 0; row < count; ++row) {
        const std::optional<TStatEntry> entry = entryAt(row);
        if (!entry)
            continue;
        if (entries.size() == MaxStatEntries) {
            if (AskYesNo(Format(kStatLimitQuestion, {MaxStatEntries})))
                return true;
            entries.clear();
            return false;
        }
        entries.append(*entry);
    }
    return true;
}
