#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class TMainBaseQuery;

// The SQL texts of a slot's song filter: which characteristic combinations match, and the
// conditions on labels, combinations and years that the candidate query carries. Ids are given
// as decimal texts, as the slot settings keep them.

// Character_Id values, ascending. Kept as numbers and implicitly shared: a large library has
// thousands per filter, and the slots of a day with one filter hold the same list.
using TCharacterIds = QList<int>;

// The Character_Id values of the rows of "chars" that match the values of the five
// characteristic kinds; empty when every list is empty. Within a kind the values are
// alternatives; the kinds are joined by AND (any) or OR. Runs on `query`, or on a query made for
// the call when none is given. Store errors throw SQLite::Exception.
void LoadCharacterIds(TCharacterIds& result, const QStringList& type, const QStringList& tempo,
                      TMainBaseQuery* query, bool any, const QStringList& vocal,
                      const QStringList& atmosphere, const QStringList& language);

// "((chars.Type = 3)OR(chars.Type = 5))"; preceded by the join word and a blank when a clause of
// an earlier kind was not empty. Empty for no values.
QString KindClause(const QStringList& values, const QString& column, const QString& joinWord,
                   bool afterEarlier);

// The label condition for two label names looked up in the labels table (an empty or unknown
// name sets none). Empty, or ending in ") \r\n".
QString LabelsClause(const QString& lab1, const QString& lab2, bool any);
// The same for label ids already looked up (-1: no condition).
QString LabelIdsClause(int labelId1, int labelId2, bool any);

// "BaseSongs.Character_Id IN (...)", split into IN lists of at most 1000 ids joined by OR.
inline constexpr int kMaxInListIds = 1000;
QString CharIdsClause(bool afterEarlier, const TCharacterIds& ids);

// The condition on BaseSongs.SYear for the year value ids of kind "Lata", from their texts in
// the settings. A value without a usable text sets no condition; empty when none is left.
QString YearsClause(bool afterEarlier, const QStringList& yearIds);
// The same for the value texts themselves.
QString YearTextsClause(bool afterEarlier, const QStringList& yearTexts);
// "1980 - 1989" a range, "1985", "-1985", "1985-" an equality; empty for a text that is not a
// year (it would be pasted into the statement).
QString YearClause(const QString& text);

// The candidate SELECT of a slot with two open "%s": the extra condition and the order column.
QString CandidateTemplate(int sCat, const QString& lab1, const QString& lab2, bool any,
                          const QStringList& yearIds, const TCharacterIds& characterIds);
// The candidate SELECT of one song (a fixed list's); no row when it has no DatSongs row.
QString SingleSongQuery(int songId);
// The extra condition of an exact-time slot: songs at least the slot's length.
QString ExactTimeCondition(int slotTimeMs);
// The order column the candidate query is filled with.
inline const QString kCandidateOrder = QStringLiteral("BaseSongs.Song_Time");

// What the characteristic ids of a slot depend on.
struct TCharFilter {
    QStringList Type{};
    QStringList Tempo{};
    QStringList Language{};
    QStringList Atmosphere{};
    QStringList Vocal{};
    bool Any = true;

    bool operator==(const TCharFilter&) const = default;
};
size_t qHash(const TCharFilter& filter, size_t seed = 0);

// What a slot's candidate template depends on.
struct TTemplateArgs {
    int SCat = 0;
    QString Lab1{};
    QString Lab2{};
    bool Any = true;
    QStringList YearIds{};
    TCharacterIds CharacterIds{};

    bool operator==(const TTemplateArgs&) const = default;
};
size_t qHash(const TTemplateArgs& args, size_t seed = 0);

// The characteristic ids and candidate templates of one run, made once per distinct filter: the
// slots of a day share a handful of filters, and in a large library every list and template of
// a filter is long. The library and the settings do not change during a run. Switched off, it
// makes everything anew at every call (same results, for comparison).
class TFilterCache {
public:
    explicit TFilterCache(bool enabled = true) : Enabled(enabled) {}
    void SetEnabled(bool enabled);
    // LoadCharacterIds on `query`; store errors throw SQLite::Exception.
    TCharacterIds CharacterIds(const TCharFilter& filter, TMainBaseQuery& query);
    // CandidateTemplate; equal arguments give one shared text.
    QString Template(const TTemplateArgs& args);
    // How many times the ids were looked up anew (for tests of the cache).
    int CharacterLoads() const { return CharacterLoadCount; }
    void Clear();

private:
    bool Enabled;
    int CharacterLoadCount = 0;
    QHash<TCharFilter, TCharacterIds> Ids;
    QHash<TTemplateArgs, QString> Templates;
};
