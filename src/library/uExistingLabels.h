#pragma once

#include <optional>
#include <vector>

class TDBMainBase;

// The ids among `labelIds` that the store's labels table still has (field Label_Id), in the
// order given. Nothing when the store cannot be read ("Błąd bazy danych: "%s"." is shown), so
// a caller never takes a failed lookup for labels that are gone.
std::optional<std::vector<int>> ExistingLabelIds(TDBMainBase& store,
                                                 const std::vector<int>& labelIds);
