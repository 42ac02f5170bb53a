#include "report/uSlotFilter.h"

#include "report/uReportLibrary.h"
#include "settings/uCharacteristics.h"
#include "settings/uSettings.h"

#include <algorithm>

namespace {

bool Contains(const std::vector<int>& values, int value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

std::optional<int> YearNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

bool HasKinds(const std::array<std::vector<int>, 5>& kinds) {
    return std::any_of(kinds.begin(), kinds.end(), [](const auto& ids) { return !ids.empty(); });
}

bool CarriesLabel(const TReportSong& song, int labelId) {
    return song.Label1Id == labelId || song.Label2Id == labelId;
}

bool YearsMatch(const TSlotFilter& filter, const TReportSong& song) {
    bool anyCondition = false;
    for (int id : filter.YearIds) {
        const std::optional<TYearSpan> span =
            YearSpanOfText(Options ? Options->CharValueName(ckYears, id) : QString());
        if (!span)
            continue;
        anyCondition = true;
        if (span->From <= song.Year && song.Year <= span->To)
            return true;
    }
    return !anyCondition;
}

} // namespace

bool KindsAdmit(const std::array<std::vector<int>, 5>& kinds, bool any, const TReportChars& row) {
    const int values[] = {row.Type, row.Tempo, row.Language, row.Atmosphere, row.Vocal};
    bool started = false;
    bool admitted = false;
    for (size_t kind = 0; kind < kinds.size(); ++kind) {
        if (kinds[kind].empty())
            continue;
        const bool inKind = Contains(kinds[kind], values[kind]);
        admitted = !started ? inKind : (any ? admitted && inKind : admitted || inKind);
        started = true;
    }
    return admitted;
}

std::optional<TYearSpan> YearSpanOfText(const QString& text) {
    const int dash = text.indexOf(QLatin1Char('-'));
    if (dash < 0) {
        const std::optional<int> year = YearNumber(text);
        return year ? std::optional<TYearSpan>({*year, *year}) : std::nullopt;
    }
    const int from = YearNumber(text.left(dash)).value_or(-1);
    const int to = YearNumber(text.mid(dash + 1)).value_or(-1);
    // One end missing: the year given.
    if (from == -1 && to != -1)
        return TYearSpan{to, to};
    if (from != -1 && to == -1)
        return TYearSpan{from, from};
    return TYearSpan{from, to};
}

bool TSlotFilterCheck::Matches(const TSlotFilter& filter, const TReportSong& song) {
    return LabelsMatch(filter, song) && CharsMatch(filter, song) && YearsMatch(filter, song);
}

bool TSlotFilterCheck::CharsMatch(const TSlotFilter& filter, const TReportSong& song) {
    if (!HasKinds(filter.Kinds))
        return true;
    const std::unordered_map<int, TReportChars>& chars = Library.Chars();
    const auto key = std::make_pair(filter.Kinds, filter.Any);
    auto known = AnyRowMatches.find(key);
    if (known == AnyRowMatches.end()) {
        const bool anyRow = std::any_of(chars.begin(), chars.end(), [&](const auto& row) {
            return KindsAdmit(filter.Kinds, filter.Any, row.second);
        });
        known = AnyRowMatches.emplace(key, anyRow).first;
    }
    // Values that no combination has are no condition in the draw.
    if (!known->second)
        return true;
    const auto row = chars.find(song.CharacterId);
    return row != chars.end() && KindsAdmit(filter.Kinds, filter.Any, row->second);
}

bool TSlotFilterCheck::LabelsMatch(const TSlotFilter& filter, const TReportSong& song) {
    const int first = Library.LabelId(filter.Lab1);
    const int second = Library.LabelId(filter.Lab2);
    if (first != -1 && second != -1)
        return filter.Any ? CarriesLabel(song, first) && CarriesLabel(song, second)
                          : CarriesLabel(song, first) || CarriesLabel(song, second);
    if (first != -1)
        return CarriesLabel(song, first);
    if (second != -1)
        return CarriesLabel(song, second);
    return true;
}
