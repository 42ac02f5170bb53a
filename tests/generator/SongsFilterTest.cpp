#include "clocks/uObjProperties.h"
#include "foundation/uFormat.h"
#include "generator/GeneratorFixture.h"
#include "generator/uSongsFilter.h"
#include "generator/uSongsFilterUtils.h"

#include <set>

namespace {

const QString kCandidateFields = QStringLiteral(
    "SELECT BaseSongs.Song_Id, BaseSongs.Title, BaseSongs.Art_Id, \r\n"
    "BaseSongs.SYear, BaseSongs.Character_Id, BaseSongs.Category,\r\n"
    "BaseSongs.Song_Time, BaseSongs.Label1_Id, BaseSongs.Label2_Id,\r\n"
    "BaseSongs.Time_Rest, BaseSongs.Time_Rest2, BaseSongs.Time_Rest3, BaseSongs.Freq_Rest, \r\n"
    "DatSongs.SongDat_Id, DatSongs.Mix, DatSongs.NStart, DatSongs.Nend \r\n"
    " FROM BaseSongs, DatSongs\r\n");

TCharacterIds Numbers(int first, int last) {
    TCharacterIds ids;
    for (int i = first; i <= last; ++i)
        ids.append(i);
    return ids;
}

QString InList(int first, int last) {
    QStringList texts;
    for (int id : Numbers(first, last))
        texts.append(QString::number(id));
    return QStringLiteral("BaseSongs.Character_Id IN (") + texts.join(',') + ')';
}

struct TTextCase {
    const char* Name;
    QString Actual;
    QString Expected;
};

void ExpectTexts(const std::vector<TTextCase>& cases) {
    for (const TTextCase& c : cases)
        EXPECT_EQ(c.Actual.toStdString(), c.Expected.toStdString()) << c.Name;
}

} // namespace

TEST(SongsFilterClauses, KindClause) {
    ExpectTexts({
        {"two values first", KindClause({"3", "5"}, "chars.Type", "AND", false),
         "((chars.Type = 3)OR(chars.Type = 5))"},
        {"after an earlier kind", KindClause({"2"}, "chars.Tempo", "AND", true),
         "AND ((chars.Tempo = 2))"},
        {"or join", KindClause({"1", "2", "4"}, "chars.Vocal", "OR", true),
         "OR ((chars.Vocal = 1)OR(chars.Vocal = 2)OR(chars.Vocal = 4))"},
        {"no values", KindClause({}, "chars.Type", "AND", true), ""},
    });
}

TEST(SongsFilterClauses, LabelIdsClause) {
    const QString one = "(BaseSongs.Label1_Id = 5 OR BaseSongs.Label2_Id = 5)";
    const QString two = "(BaseSongs.Label1_Id = 6 OR BaseSongs.Label2_Id = 6)";
    ExpectTexts({
        {"label 1 only", LabelIdsClause(5, -1, true), "(" + one + ") \r\n"},
        {"label 2 only", LabelIdsClause(-1, 6, true), " (" + two + ") \r\n"},
        {"both, and", LabelIdsClause(5, 6, true), "(" + one + " AND " + two + ") \r\n"},
        {"both, or", LabelIdsClause(5, 6, false), "(" + one + " OR " + two + ") \r\n"},
        {"none", LabelIdsClause(-1, -1, true), ""},
    });
}

TEST(SongsFilterClauses, CharIdsClauseChunksByThousand) {
    ExpectTexts({
        {"first", CharIdsClause(false, {7, 9}), " (BaseSongs.Character_Id IN (7,9)) \r\n"},
        {"after labels", CharIdsClause(true, {7}), " AND (BaseSongs.Character_Id IN (7)) \r\n"},
        {"none", CharIdsClause(true, {}), ""},
        {"1000 ids: one list", CharIdsClause(false, Numbers(1, 1000)),
         " (" + InList(1, 1000) + ") \r\n"},
        {"1001 ids: two lists", CharIdsClause(false, Numbers(1, 1001)),
         " ((" + InList(1, 1000) + ") OR (" + InList(1001, 1001) + ")) \r\n"},
        {"2500 ids: 1000, 1000, 500", CharIdsClause(true, Numbers(1, 2500)),
         " AND ((" + InList(1, 1000) + ") OR (" + InList(1001, 2000) + ") OR (" +
             InList(2001, 2500) + ")) \r\n"},
    });
}

TEST(SongsFilterClauses, YearClause) {
    const QString range = "((BaseSongs.SYear >= 1980) AND (BaseSongs.SYear <= 1989))";
    const QString equal = "(BaseSongs.SYear = 1985)";
    ExpectTexts({
        {"range with blanks", YearClause("1980 - 1989"), range},
        {"range without blanks", YearClause("1980-1989"), range},
        {"single year", YearClause("1985"), equal},
        {"open start", YearClause("-1985"), equal},
        {"open end", YearClause("1985-"), equal},
        {"missing text", YearClause(""), ""},
        {"not a year", YearClause("lata 80"), ""},
    });
}

TEST(SongsFilterClauses, YearTextsClauseSkipsMissingTexts) {
    ExpectTexts({
        {"after others, one missing", YearTextsClause(true, {"1985", "", "1990 - 1999"}),
         " AND ((BaseSongs.SYear = 1985) OR ((BaseSongs.SYear >= 1990) AND (BaseSongs.SYear <= "
         "1999))) \r\n"},
        {"first", YearTextsClause(false, {"2024"}), " ((BaseSongs.SYear = 2024)) \r\n"},
        {"only missing texts", YearTextsClause(true, {"", ""}), ""},
    });
}

TEST(SongsFilterClauses, CandidateTemplates) {
    ExpectTexts({
        {"no conditions", CandidateTemplate(3, "", "", true, {}, {}),
         kCandidateFields + " WHERE BaseSongs.Category = \"3\" AND BaseSongs.Song_Id = "
                            "DatSongs.SongDat_Id %s\r\n ORDER BY %s"},
        {"characteristics", CandidateTemplate(1, "", "", true, {}, {7, 9}),
         kCandidateFields + " WHERE BaseSongs.Category = \"1\" AND BaseSongs.Song_Id = "
                            "DatSongs.SongDat_Id AND   (BaseSongs.Character_Id IN (7,9)) \r\n"
                            "  %s \r\n ORDER BY %s"},
        {"single song", SingleSongQuery(42),
         kCandidateFields + " WHERE BaseSongs.Song_Id = 42 AND BaseSongs.Song_Id = "
                            "DatSongs.SongDat_Id "},
        {"exact time", ExactTimeCondition(180000), " AND BaseSongs.Song_Time >= 180000 "},
    });
}

// A small library: songs of category 1 with characteristics, years and labels, one of
// category 2.
class SongsFilterStoreTest : public GeneratorFixture {
protected:
    int Sony = -1;
    int A = -1, B = -1, C = -1, D = -1;

    void SetUp() override {
        GeneratorFixture::SetUp();
        Sony = FindLabel("Sony", true);
        A = AddTestSong(
            {.Title = "A", .Time = 200000, .Type = 3, .Tempo = 2, .Year = 1985, .Label1 = Sony});
        B = AddTestSong({.Title = "B", .Time = 240000, .Type = 5, .Tempo = 2, .Year = 1995});
        C = AddTestSong({.Title = "C", .Time = 180000, .Type = 1, .Tempo = 1, .Year = 2024});
        D = AddTestSong({.Title = "D", .Category = 2, .Type = 3, .Tempo = 2, .Year = 1985});
    }

    static int CharacterOf(int songId) {
        return MainBase->LocateSong(songId)->AsInteger("Character_Id");
    }

    static std::set<int> Candidates(const QString& sqlTemplate, const QString& extra = {}) {
        const auto set = TCandidateSet::Load(Format(sqlTemplate, {extra, kCandidateOrder}));
        std::set<int> ids;
        for (int i = 0; i < set->Count(); ++i)
            ids.insert(set->Row(i).SongId);
        return ids;
    }

    static TCharacterIds CharIds(const QStringList& type, const QStringList& tempo, bool any) {
        TCharacterIds ids;
        LoadCharacterIds(ids, type, tempo, nullptr, any, {}, {}, {});
        return ids;
    }
};

TEST_F(SongsFilterStoreTest, LoadCharacterIdsRunsTheKindConditions) {
    TMainBaseQuery query;
    TCharacterIds ids;
    LoadCharacterIds(ids, {"3", "5"}, {"2"}, &query, true, {}, {}, {});
    EXPECT_TRUE(query.SQL().contains(
        "WHERE ((chars.Type = 3)OR(chars.Type = 5)) AND ((chars.Tempo = 2))    \r\n ORDER BY "
        "chars.Character_Id"))
        << query.SQL().toStdString();
    // A and D share one combination row.
    EXPECT_EQ(ids, TCharacterIds({CharacterOf(A), CharacterOf(B)}));

    const TCharacterIds either = CharIds({"1"}, {"2"}, false);
    EXPECT_EQ(either.size(), 3) << "type 1 or tempo 2";
    EXPECT_TRUE(CharIds({}, {}, true).isEmpty());
}

TEST_F(SongsFilterStoreTest, CandidateQueryAdmitsTheMatchingSongs) {
    const TCharacterIds typeAndTempo = CharIds({"3", "5"}, {"2"}, true);
    const TCharacterIds noRow = CharIds({"18"}, {}, true);
    ASSERT_TRUE(noRow.isEmpty());
    struct {
        const char* Name;
        QString Template;
        std::set<int> Expected;
    } cases[] = {
        {"category only", CandidateTemplate(1, "", "", true, {}, {}), {A, B, C}},
        {"characteristics", CandidateTemplate(1, "", "", true, {}, typeAndTempo), {A, B}},
        {"label", CandidateTemplate(1, "", "Sony", true, {}, {}), {A}},
        {"label and characteristics",
         CandidateTemplate(1, "sony", "", true, {}, typeAndTempo),
         {A}},
        {"unknown label sets nothing",
         CandidateTemplate(1, "Nieznana", "", true, {}, {}),
         {A, B, C}},
        {"years 1980-1989 or 2024", CandidateTemplate(1, "", "", true, {"4", "9"}, {}), {A, C}},
        {"year without a text", CandidateTemplate(1, "", "", true, {"77"}, {}), {A, B, C}},
        {"no matching combination", CandidateTemplate(1, "", "", true, {}, noRow), {A, B, C}},
        {"other category", CandidateTemplate(2, "", "", true, {}, typeAndTempo), {D}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Candidates(c.Template), c.Expected) << c.Name;
    EXPECT_EQ(Candidates(CandidateTemplate(1, "", "", true, {}, {}), ExactTimeCondition(200000)),
              std::set<int>({A, B}));
}

TEST_F(SongsFilterStoreTest, FilterCacheGivesWhatLoadingGivesOncePerFilter) {
    const TCharFilter typeAndTempo{.Type = {"3", "5"}, .Tempo = {"2"}};
    const TCharFilter typeOrTempo{.Type = {"1"}, .Tempo = {"2"}, .Any = false};
    for (const bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "cache on" : "cache off");
        TFilterCache cache(enabled);
        TMainBaseQuery query;
        const TCharacterIds first = cache.CharacterIds(typeAndTempo, query);
        const TCharacterIds again = cache.CharacterIds(typeAndTempo, query);
        EXPECT_EQ(first, CharIds({"3", "5"}, {"2"}, true));
        EXPECT_EQ(again, first);
        EXPECT_EQ(first.isSharedWith(again), enabled);
        EXPECT_EQ(cache.CharacterIds(typeOrTempo, query), CharIds({"1"}, {"2"}, false));
        EXPECT_EQ(cache.CharacterLoads(), enabled ? 2 : 3);

        const TTemplateArgs args{
            .SCat = 1, .Lab1 = "Sony", .YearIds = {"4"}, .CharacterIds = first};
        const QString made = cache.Template(args);
        const QString madeAgain = cache.Template(args);
        EXPECT_EQ(made, CandidateTemplate(1, "Sony", "", true, {"4"}, first));
        EXPECT_EQ(madeAgain, made);
        EXPECT_EQ(made.isSharedWith(madeAgain), enabled);
        TTemplateArgs otherCategory = args;
        otherCategory.SCat = 2;
        EXPECT_EQ(cache.Template(otherCategory),
                  CandidateTemplate(2, "Sony", "", true, {"4"}, first));
    }
}

TEST_F(SongsFilterStoreTest, SingleSongQueryNeedsTheDatRow) {
    EXPECT_EQ(TCandidateSet::Load(SingleSongQuery(B))->Count(), 1);
    TMainBaseQuery drop;
    drop.SetSQL("DELETE FROM DatSongs WHERE SongDat_Id = ?");
    drop.SetParam(1, B);
    drop.ExecSQL();
    EXPECT_EQ(TCandidateSet::Load(SingleSongQuery(B))->Count(), 0);
}

TEST_F(SongsFilterStoreTest, SongsFilterBuildsTheWindowCondition) {
    TObjProperties props;
    props.PropType = {3, 5};
    props.Tempo = {2};
    props.Lab1 = "Sony";
    TSongsFilter filter;
    filter.SetFilter(props, 1);
    EXPECT_EQ(filter.TypeIds, QStringList({"3", "5"}));
    const QString where = filter.GetWhere();
    EXPECT_FALSE(filter.NoConditions);
    EXPECT_TRUE(where.startsWith("AND BaseSongs.Category = \"1\" AND BaseSongs.Song_Id = "
                                 "DatSongs.SongDat_Id AND ("))
        << where.toStdString();
    EXPECT_EQ(Candidates(kCandidateFields + " WHERE 1 = 1 " + where + "%s ORDER BY %s"),
              std::set<int>({A}));

    TSongsFilter plain;
    plain.SetFilter(TObjProperties(), 2);
    EXPECT_EQ(plain.GetWhere(), "AND BaseSongs.Category = \"2\" ");
    EXPECT_TRUE(plain.NoConditions);
}
