#include "library/uStatsRows.h"

#include "foundation/uArUtils.h"
#include "foundation/uFormat.h"

#include <algorithm>

namespace {

// Every statistics row of a table (its name), with the fields of the rows of one id.
const QString sqlEveryStatsRow =
    QStringLiteral("SELECT %0:s.StatsId, %0:s.StatsVal, %0:s.BeginTime, %0:s.EndTime, "
                   "%0:s.BeginId, %0:s.EndId FROM %0:s");

// Positions of the fields in the select list of the statistics rows' texts.
enum TStatsColumn { scStatsId, scStatsVal, scBeginTime, scEndTime, scBeginId, scEndId };

} // namespace

TStatsRows::TStatsRows(TDBMainBase& store, TTableId table)
    : Store(store), Table(table), Query(&store) {
    Query.SetSQL(WithBoundId(table == tiStats ? sqlSongStatsRows : sqlArtistStatsRows));
}

void TStatsRows::Open(int id) {
    Query.SetParam(1, id);
    Query.Open();
}

template <class TVisit> bool TStatsRows::VisitEntries(const TMainBaseQuery& rows, TVisit visit) {
    const QByteArray bytes = rows.ValueAt(scStatsVal).toByteArray();
    const int first = std::max(0, rows.ValueAt(scBeginId).toInt());
    // EndId never reaches past the entries the bytes hold.
    const int last = std::min(rows.ValueAt(scEndId).toInt(),
                              static_cast<int>(bytes.size() / kStatsEntryBytes) - 1);
    for (int i = first; i <= last; ++i) {
        // An empty entry is no play (a play at 00:00 on 1 January 2000 packs to it, too).
        const quint32 entry = CardinalAt(bytes, i);
        if (entry != 0 && visit(EntryPlayTime(entry)))
            return true;
    }
    return false;
}

template <class TVisit>
void TStatsRows::VisitRowPlays(const TMainBaseQuery& rows, TPlayTime from, TPlayTime to, bool all,
                               TVisit visit) {
    if (!all && ToPlayTime(rows.ValueAt(scBeginTime).toDouble()) > to)
        return;
    VisitEntries(rows, [&](TPlayTime time) {
        if (all || (time >= from && time <= to))
            visit(time);
        return false;
    });
}

template <class TVisit>
void TStatsRows::VisitPlays(int id, TPlayTime from, TPlayTime to, bool all, TVisit visit) {
    TQueryCloser closer(Query);
    for (Open(id); !Query.Eof(); Query.Next())
        VisitRowPlays(Query, from, to, all, visit);
}

bool TStatsRows::Played(int id, TPlayTime from, TPlayTime to) {
    if (from > to)
        return false;
    TQueryCloser closer(Query);
    for (Open(id); !Query.Eof(); Query.Next()) {
        const TPlayTime end = ToPlayTime(Query.ValueAt(scEndTime).toDouble());
        if (end >= from && end <= to)
            return true;
        // The row's last play is after the window, but an earlier one may lie in it: a play
        // on the morning of a day the song was played again later still counts.
        if (end > to && ToPlayTime(Query.ValueAt(scBeginTime).toDouble()) <= to &&
            VisitEntries(Query, [&](TPlayTime time) { return time >= from && time <= to; }))
            return true;
    }
    return false;
}

int TStatsRows::Count(int id, TPlayTime from, TPlayTime to, bool all) {
    int count = 0;
    VisitPlays(id, from, to, all, [&](TPlayTime) { ++count; });
    return count;
}

void TStatsRows::Collect(int id, TPlayTime from, TPlayTime to, std::vector<TPlayTime>& times) {
    VisitPlays(id, from, to, false, [&](TPlayTime time) { times.push_back(time); });
}

std::unordered_map<int, int> TStatsRows::CountEvery(TPlayTime from, TPlayTime to, bool all) {
    TMainBaseQuery rows(&Store);
    rows.SetSQL(Format(sqlEveryStatsRow, {TableDef(Table).Name}));
    TQueryCloser closer(rows);
    std::unordered_map<int, int> counts;
    for (rows.Open(); !rows.Eof(); rows.Next()) {
        int count = 0;
        VisitRowPlays(rows, from, to, all, [&](TPlayTime) { ++count; });
        if (count > 0)
            counts[static_cast<int>(rows.ValueAt(scStatsId).toLongLong())] += count;
    }
    return counts;
}
