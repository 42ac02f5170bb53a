#include "generator/uSongsFilterUtils.h"

#include "foundation/uFormat.h"
#include "library/uDBSchema.h"
#include "library/uLibraryEntities.h"
#include "library/uMainBaseQuery.h"
#include "settings/uCharacteristics.h"
#include "settings/uSettings.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <optional>

namespace {

const QString sqlCharacterIds = QStringLiteral(
    "SELECT chars.Character_Id, chars.Type, chars.Tempo, chars.Language, chars.Atmosphere, "
    "chars.Vocal\r\n FROM \"chars\"\r\n WHERE %s %s %s %s %s \r\n ORDER BY chars.Character_Id");

const QString sqlCandidateFields = QStringLiteral(
    "SELECT BaseSongs.Song_Id, BaseSongs.Title, BaseSongs.Art_Id, \r\n"
    "BaseSongs.SYear, BaseSongs.Character_Id, BaseSongs.Category,\r\n"
    "BaseSongs.Song_Time, BaseSongs.Label1_Id, BaseSongs.Label2_Id,\r\n"
    "BaseSongs.Time_Rest, BaseSongs.Time_Rest2, BaseSongs.Time_Rest3, BaseSongs.Freq_Rest, \r\n"
    "DatSongs.SongDat_Id, DatSongs.Mix, DatSongs.NStart, DatSongs.Nend \r\n"
    " FROM BaseSongs, DatSongs\r\n");

const QString sqlCandidatesFiltered =
    sqlCandidateFields +
    QStringLiteral(" WHERE BaseSongs.Category = \"%s\" AND BaseSongs.Song_Id = "
                   "DatSongs.SongDat_Id AND %s %s %s %s \r\n ORDER BY %s");

const QString sqlCandidatesPlain =
    sqlCandidateFields +
    QStringLiteral(" WHERE BaseSongs.Category = \"%s\" AND BaseSongs.Song_Id = "
                   "DatSongs.SongDat_Id %s\r\n ORDER BY %s");

const QString sqlSingleSong =
    sqlCandidateFields +
    QStringLiteral(" WHERE BaseSongs.Song_Id = %d AND BaseSongs.Song_Id = DatSongs.SongDat_Id ");

const QString kOpenPlace = QStringLiteral("%s");
const QString kClauseEnd = QStringLiteral(") \r\n");

QString LabelCondition(int labelId) {
    return Format(QStringLiteral("(BaseSongs.Label1_Id = %d OR BaseSongs.Label2_Id = %d)"),
                  {labelId, labelId});
}

void AppendInList(QString& text, const TCharacterIds& ids, qsizetype first, qsizetype end) {
    text += QLatin1StringView("BaseSongs.Character_Id IN (");
    char digits[16];
    for (qsizetype i = first; i < end; ++i) {
        if (i > first)
            text += QLatin1Char(',');
        const auto written = std::to_chars(std::begin(digits), std::end(digits), ids[i]);
        text += QLatin1StringView(digits, written.ptr - digits);
    }
    text += QLatin1Char(')');
}

// The trimmed text as a year; nothing when it is not a whole number.
std::optional<int> YearNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString YearEquals(int year) {
    return Format(QStringLiteral("(BaseSongs.SYear = %s)"), {QString::number(year)});
}

} // namespace

QString KindClause(const QStringList& values, const QString& column, const QString& joinWord,
                   bool afterEarlier) {
    if (values.isEmpty())
        return {};
    QString text = afterEarlier ? joinWord + QStringLiteral(" (") : QStringLiteral("(");
    for (int i = 0; i < values.size(); ++i) {
        text += Format(QStringLiteral("(%s = %s)"), {column, values[i]});
        if (i + 1 < values.size())
            text += QStringLiteral("OR");
    }
    return text + QLatin1Char(')');
}

void LoadCharacterIds(TCharacterIds& result, const QStringList& type, const QStringList& tempo,
                      TMainBaseQuery* query, bool any, const QStringList& vocal,
                      const QStringList& atmosphere, const QStringList& language) {
    result.clear();
    const QString joinWord = any ? QStringLiteral("AND") : QStringLiteral("OR");
    const struct {
        const QStringList& Values;
        const char* Column;
    } kinds[] = {{type, "chars.Type"},
                 {tempo, "chars.Tempo"},
                 {language, "chars.Language"},
                 {atmosphere, "chars.Atmosphere"},
                 {vocal, "chars.Vocal"}};
    QVariantList clauses;
    bool afterEarlier = false;
    for (const auto& kind : kinds) {
        const QString clause =
            KindClause(kind.Values, QString::fromLatin1(kind.Column), joinWord, afterEarlier);
        afterEarlier = afterEarlier || !clause.isEmpty();
        clauses.append(clause);
    }
    if (!afterEarlier)
        return;
    std::unique_ptr<TMainBaseQuery> own;
    if (query == nullptr) {
        own = std::make_unique<TMainBaseQuery>();
        query = own.get();
    }
    query->SetSQL(Format(sqlCharacterIds, clauses));
    for (query->Open(); !query->Eof(); query->Next())
        result.append(query->AsInteger(Col::Character_Id));
    query->Close();
}

QString LabelIdsClause(int labelId1, int labelId2, bool any) {
    const QString joiner = any ? QStringLiteral(" AND ") : QStringLiteral(" OR ");
    QString text;
    if (labelId1 != -1)
        text = QLatin1Char('(') + LabelCondition(labelId1);
    if (labelId2 != -1)
        text += (text.isEmpty() ? QStringLiteral(" (") : joiner) + LabelCondition(labelId2);
    return text.isEmpty() ? text : text + kClauseEnd;
}

QString LabelsClause(const QString& lab1, const QString& lab2, bool any) {
    const auto idOf = [](const QString& name) { return name.isEmpty() ? -1 : LabelIdOf(name); };
    return LabelIdsClause(idOf(lab1), idOf(lab2), any);
}

QString CharIdsClause(bool afterEarlier, const TCharacterIds& ids) {
    if (ids.isEmpty())
        return {};
    QString text = afterEarlier ? QStringLiteral(" AND (") : QStringLiteral(" (");
    // Up to seven digits and a comma per id: one allocation for the whole clause.
    text.reserve(64 + ids.size() * 8 + (ids.size() / kMaxInListIds + 1) * 40);
    if (ids.size() <= kMaxInListIds) {
        AppendInList(text, ids, 0, ids.size());
    } else {
        for (qsizetype first = 0; first < ids.size(); first += kMaxInListIds) {
            if (first > 0)
                text += QLatin1StringView(" OR ");
            text += QLatin1Char('(');
            AppendInList(text, ids, first, std::min<qsizetype>(first + kMaxInListIds, ids.size()));
            text += QLatin1Char(')');
        }
    }
    text += kClauseEnd;
    return text;
}

QString YearClause(const QString& text) {
    const int dash = text.indexOf(QLatin1Char('-'));
    if (dash < 0) {
        // The text goes into the statement: only a number may.
        const auto year = YearNumber(text);
        return year ? YearEquals(*year) : QString();
    }
    const int a = YearNumber(text.left(dash)).value_or(-1);
    const int b = YearNumber(text.mid(dash + 1)).value_or(-1);
    if (a == -1 && b != -1)
        return YearEquals(b);
    if (a != -1 && b == -1)
        return YearEquals(a);
    return Format(QStringLiteral("((BaseSongs.SYear >= %d) AND (BaseSongs.SYear <= %d))"), {a, b});
}

QString YearTextsClause(bool afterEarlier, const QStringList& yearTexts) {
    QStringList conditions;
    for (const QString& text : yearTexts) {
        const QString condition = YearClause(text);
        if (!condition.isEmpty())
            conditions.append(condition);
    }
    if (conditions.isEmpty())
        return {};
    return (afterEarlier ? QStringLiteral(" AND (") : QStringLiteral(" (")) +
           conditions.join(QStringLiteral(" OR ")) + kClauseEnd;
}

QString YearsClause(bool afterEarlier, const QStringList& yearIds) {
    QStringList texts;
    for (const QString& id : yearIds) {
        bool ok = false;
        const int value = id.toInt(&ok);
        texts.append(ok && Options ? Options->CharValueName(ckYears, value) : QString());
    }
    return YearTextsClause(afterEarlier, texts);
}

QString CandidateTemplate(int sCat, const QString& lab1, const QString& lab2, bool any,
                          const QStringList& yearIds, const TCharacterIds& characterIds) {
    const QString labels = LabelsClause(lab1, lab2, any);
    const QString chars = CharIdsClause(!labels.isEmpty(), characterIds);
    const QString years = YearsClause(!labels.isEmpty() || !chars.isEmpty(), yearIds);
    const QString category = QString::number(sCat);
    if (!labels.isEmpty() || !chars.isEmpty() || !years.isEmpty())
        return Format(sqlCandidatesFiltered,
                      {category, labels, chars, years, kOpenPlace, kOpenPlace});
    return Format(sqlCandidatesPlain, {category, kOpenPlace, kOpenPlace});
}

QString SingleSongQuery(int songId) {
    return Format(sqlSingleSong, {songId});
}

QString ExactTimeCondition(int slotTimeMs) {
    return Format(QStringLiteral(" AND BaseSongs.Song_Time >= %d "), {slotTimeMs});
}

size_t qHash(const TCharFilter& filter, size_t seed) {
    return qHashMulti(seed, filter.Type, filter.Tempo, filter.Language, filter.Atmosphere,
                      filter.Vocal, filter.Any);
}

size_t qHash(const TTemplateArgs& args, size_t seed) {
    return qHashMulti(seed, args.SCat, args.Lab1, args.Lab2, args.Any, args.YearIds,
                      args.CharacterIds);
}

void TFilterCache::SetEnabled(bool enabled) {
    Enabled = enabled;
    if (!Enabled)
        Clear();
}

TCharacterIds TFilterCache::CharacterIds(const TCharFilter& filter, TMainBaseQuery& query) {
    if (Enabled) {
        const auto found = Ids.constFind(filter);
        if (found != Ids.constEnd())
            return found.value();
    }
    TCharacterIds ids;
    ++CharacterLoadCount;
    LoadCharacterIds(ids, filter.Type, filter.Tempo, &query, filter.Any, filter.Vocal,
                     filter.Atmosphere, filter.Language);
    ids.squeeze();
    if (Enabled)
        Ids.insert(filter, ids);
    return ids;
}

QString TFilterCache::Template(const TTemplateArgs& args) {
    if (Enabled) {
        const auto found = Templates.constFind(args);
        if (found != Templates.constEnd())
            return found.value();
    }
    QString text = CandidateTemplate(args.SCat, args.Lab1, args.Lab2, args.Any, args.YearIds,
                                     args.CharacterIds);
    text.squeeze();
    if (Enabled)
        Templates.insert(args, text);
    return text;
}

void TFilterCache::Clear() {
    Ids.clear();
    Templates.clear();
}
