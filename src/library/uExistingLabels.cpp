#include "library/uExistingLabels.h"

#include "library/uDBMainBase.h"
#include "library/uDBSchema.h"
#include "library/uStoreErrors.h"

std::optional<std::vector<int>> ExistingLabelIds(TDBMainBase& store,
                                                 const std::vector<int>& labelIds) {
    try {
        TDBTable& labels = store.LabelsTable();
        std::vector<int> existing;
        for (const int id : labelIds)
            if (labels.Locate(Col::Label_Id, {id}))
                existing.push_back(id);
        return existing;
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
        return std::nullopt;
    }
}
