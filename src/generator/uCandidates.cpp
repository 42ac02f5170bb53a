#include "generator/uCandidates.h"

#include "library/uDBSchema.h"
#include "library/uLibraryEntities.h"
#include "library/uMainBaseQuery.h"

namespace {

// Column positions of the candidate SELECT (read by position: a name lookup per field and row
// would dominate loading a large category).
enum TCandidateColumn : int {
    ccSongId = 0,
    ccArtId = 2,
    ccCategory = 5,
    ccSongTime = 6,
    ccLabel1 = 7,
    ccLabel2 = 8,
    ccTimeRest = 9,
    ccTimeRest2 = 10,
    ccTimeRest3 = 11,
    ccFreqRest = 12,
    ccMix = 14,
    ccNStart = 15,
    ccNEnd = 16,
};

int IntAt(const TMainBaseQuery& query, int column) {
    return static_cast<int>(query.ValueAt(column).toLongLong());
}

TCandidateRow ReadRow(const TMainBaseQuery& query) {
    TCandidateRow row;
    row.SongId = IntAt(query, ccSongId);
    row.ArtId = IntAt(query, ccArtId);
    row.Category = IntAt(query, ccCategory);
    row.SongTime = IntAt(query, ccSongTime);
    row.Label1Id = IntAt(query, ccLabel1);
    row.Label2Id = IntAt(query, ccLabel2);
    row.TimeRest[0] = IntAt(query, ccTimeRest);
    row.TimeRest[1] = IntAt(query, ccTimeRest2);
    row.TimeRest[2] = IntAt(query, ccTimeRest3);
    row.FreqRest = IntAt(query, ccFreqRest);
    row.Mix = IntAt(query, ccMix);
    row.NStart = IntAt(query, ccNStart);
    row.NEnd = IntAt(query, ccNEnd);
    return row;
}

} // namespace

int TCandidateRow::EffectiveTime() const {
    if (NStart != -1 && NEnd != -1 && NEnd - NStart < SongTime)
        return NEnd - NStart;
    return SongTime;
}

TCandidateSet::TCandidateSet(std::vector<TCandidateRow> rows) : Rows(std::move(rows)) {
    IndexBySong.reserve(Rows.size());
    for (int i = 0; i < Count(); ++i)
        IndexBySong.emplace(Rows[i].SongId, i); // the first row of a song counts
}

std::shared_ptr<const TCandidateSet> TCandidateSet::Load(const QString& sql) {
    TMainBaseQuery query;
    query.SetSQL(sql);
    std::vector<TCandidateRow> rows;
    for (query.Open(); !query.Eof(); query.Next())
        rows.push_back(ReadRow(query));
    query.Close();
    // Kept for the run: without the growth reserve.
    rows.shrink_to_fit();
    return std::make_shared<const TCandidateSet>(std::move(rows));
}

int TCandidateSet::IndexOf(int songId) const {
    const auto found = IndexBySong.find(songId);
    return found == IndexBySong.end() ? -1 : found->second;
}

const TCandidateRow* TCandidateSet::Find(int songId) const {
    const int index = IndexOf(songId);
    return index < 0 ? nullptr : &Rows[index];
}

TSortedCandidates TCandidateSet::SortedByTime(bool mixAdjusted) const {
    TSortedCandidates sorted;
    TDoubleIntegerList& list = sorted.List;
    list.SetDuplicates(TDuplicates::duAccept);
    list.SetCapacity(Count());
    for (const TCandidateRow& row : Rows)
        list.AddKeyValue(row.TimeKey(mixAdjusted), row.SongId);
    list.SetSorted(true);
    sorted.Rows.reserve(Rows.size());
    for (int i = 0; i < list.Count(); ++i)
        sorted.Rows.push_back(IndexOf(static_cast<int>(list.ValueAt(i))));
    return sorted;
}

void TCandidateCache::SetEnabled(bool enabled) {
    Enabled = enabled;
    FilterTexts.SetEnabled(enabled);
    if (!Enabled)
        Clear();
}

std::shared_ptr<TCandidateStatement> TCandidateCache::Statement(const QString& sql) {
    if (!Enabled)
        return std::make_shared<TCandidateStatement>(sql);
    auto& statement = Statements[sql];
    if (!statement)
        statement = std::make_shared<TCandidateStatement>(sql);
    return statement;
}

std::shared_ptr<const TCandidateSet> TCandidateCache::Open(TCandidateStatement& statement) {
    if (Enabled && statement.Set)
        return statement.Set;
    ++LoadCount;
    auto set = TCandidateSet::Load(statement.Text);
    if (Enabled)
        statement.Set = set;
    return set;
}

TSortedCandidates TCandidateCache::Sorted(TCandidateStatement& statement, const TCandidateSet& set,
                                          bool mixAdjusted) {
    if (!Enabled)
        return set.SortedByTime(mixAdjusted);
    std::optional<TSortedCandidates>& sorted = statement.SortedLists[mixAdjusted ? 1 : 0];
    if (!sorted)
        sorted = set.SortedByTime(mixAdjusted);
    return *sorted;
}

void TCandidateCache::Clear() {
    // Slots may still hold their statements: what those gave is forgotten with the rest.
    for (const auto& statement : std::as_const(Statements)) {
        statement->Set.reset();
        for (auto& sorted : statement->SortedLists)
            sorted.reset();
    }
    Statements.clear();
    FilterTexts.Clear();
}

const TArtistRules& TArtistRulesCache::Get(int artistId) {
    const auto found = Rules.find(artistId);
    if (found != Rules.end())
        return found->second;
    TArtistRules rules;
    if (const auto row = ArtistExists(artistId)) {
        rules.Exists = true;
        rules.Alias1 = row->AsInteger(Col::Alias1);
        rules.Alias2 = row->AsInteger(Col::Alias2);
        rules.FreqGroup = row->AsInteger(Col::Art_FreqGroup);
    }
    return Rules.emplace(artistId, rules).first->second;
}
