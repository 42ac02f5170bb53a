#pragma once

#include "library/uDBSchema.h"
#include "library/uMainBaseQuery.h"
#include "library/uPlayTime.h"

#include <unordered_map>
#include <vector>

class TDBMainBase;

// The stored statistics rows of songs (tiStats) or artists (tiAStats) of a store, read through
// one prepared statement with the id bound. Every answer throws SQLite::Exception when the
// store cannot answer.
class TStatsRows {
public:
    // The store must outlive the rows.
    TStatsRows(TDBMainBase& store, TTableId table);

    // Whether the id has a stored play in [from, to]. A row whose last play lies in the
    // window answers without unpacking it.
    bool Played(int id, TPlayTime from, TPlayTime to);
    // The stored plays of the id in [from, to]; with `all`, every stored play.
    int Count(int id, TPlayTime from, TPlayTime to, bool all);
    // Appends the stored plays of the id in [from, to], in row order.
    void Collect(int id, TPlayTime from, TPlayTime to, std::vector<TPlayTime>& times);
    // Count for every id at once, in one pass over the table; ids without a play in the
    // window are left out.
    std::unordered_map<int, int> CountEvery(TPlayTime from, TPlayTime to, bool all);

private:
    TDBMainBase& Store;
    TTableId Table;
    TMainBaseQuery Query;

    void Open(int id);
    // Calls `visit` with each non-empty entry of the row `rows` stands on until it answers
    // true.
    template <class TVisit> static bool VisitEntries(const TMainBaseQuery& rows, TVisit visit);
    // Calls `visit` with every play of the current row in [from, to] (every one with `all`).
    template <class TVisit>
    static void VisitRowPlays(const TMainBaseQuery& rows, TPlayTime from, TPlayTime to, bool all,
                              TVisit visit);
    // The same for every stored play of the id.
    template <class TVisit>
    void VisitPlays(int id, TPlayTime from, TPlayTime to, bool all, TVisit visit);
};
