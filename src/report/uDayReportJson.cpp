#include "report/uDayReportJson.h"

#include "foundation/uAppPaths.h"
#include "foundation/uTextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <climits>
#include <cmath>

namespace {

// A value that is not what the report holds; its text names the key.
struct TBadValue {
    QString Key;
};

// --- Writing

QJsonObject RuleCounts(const std::array<int, DayRuleCount>& counts) {
    QJsonObject object;
    for (TDayRule rule : AllDayRules)
        if (const int count = counts[static_cast<int>(rule)]; count > 0)
            object.insert(DayRuleKey(rule), count);
    return object;
}

QJsonObject TotalsJson(const TReportTotals& totals) {
    return {
        {QStringLiteral("positions"), totals.Positions},
        {QStringLiteral("songs"), totals.Songs},
        {QStringLiteral("gaps"), totals.Gaps},
        {QStringLiteral("gap_ms"), totals.GapMs},
        {QStringLiteral("max_gap_ms"), totals.MaxGapMs},
        {QStringLiteral("cuts"), totals.Cuts},
        {QStringLiteral("cut_ms"), totals.CutMs},
        {QStringLiteral("mixes"), totals.Mixes},
        {QStringLiteral("mix_ms"), totals.MixMs},
        {QStringLiteral("broken"), totals.Broken()},
        {QStringLiteral("relaxed"), totals.Relaxed()},
        {QStringLiteral("broken_by_rule"), RuleCounts(totals.BrokenByRule)},
        {QStringLiteral("relaxed_by_rule"), RuleCounts(totals.RelaxedByRule)},
        {QStringLiteral("fixed_hours"), totals.FixedHours},
        {QStringLiteral("max_fixed_drift_ms"), totals.MaxFixedDriftMs},
    };
}

QJsonObject PositionJson(const TPositionReport& position) {
    QJsonObject checks;
    for (TDayRule rule : AllDayRules)
        if (const auto& result = position.Checks[static_cast<int>(rule)])
            checks.insert(DayRuleKey(rule), RuleResultKey(*result));
    return {
        {QStringLiteral("start_ms"), position.StartMs},
        {QStringLiteral("end_ms"), position.EndMs},
        {QStringLiteral("song_id"), position.SongId},
        {QStringLiteral("category"), position.Category},
        {QStringLiteral("blank"), position.Blank},
        {QStringLiteral("own_hour"), position.OwnHour},
        {QStringLiteral("artist"), position.Artist},
        {QStringLiteral("title"), position.Title},
        {QStringLiteral("slot"), position.Slot},
        {QStringLiteral("slot_start_ms"), position.SlotStartMs},
        {QStringLiteral("checks"), checks},
    };
}

// --- Reading

QJsonValue Member(const QJsonObject& object, const QString& key) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        throw TBadValue{key};
    return value;
}

qint64 Integer(const QJsonObject& object, const QString& key) {
    const QJsonValue value = Member(object, key);
    const double number = value.toDouble();
    if (!value.isDouble() || std::trunc(number) != number)
        throw TBadValue{key};
    return static_cast<qint64>(number);
}

int Int(const QJsonObject& object, const QString& key) {
    const qint64 value = Integer(object, key);
    if (value < INT_MIN || value > INT_MAX)
        throw TBadValue{key};
    return static_cast<int>(value);
}

bool Bool(const QJsonObject& object, const QString& key) {
    const QJsonValue value = Member(object, key);
    if (!value.isBool())
        throw TBadValue{key};
    return value.toBool();
}

QString Text(const QJsonObject& object, const QString& key) {
    const QJsonValue value = Member(object, key);
    if (!value.isString())
        throw TBadValue{key};
    return value.toString();
}

QJsonObject Object(const QJsonObject& object, const QString& key) {
    const QJsonValue value = Member(object, key);
    if (!value.isObject())
        throw TBadValue{key};
    return value.toObject();
}

QJsonArray Array(const QJsonObject& object, const QString& key) {
    const QJsonValue value = Member(object, key);
    if (!value.isArray())
        throw TBadValue{key};
    return value.toArray();
}

// The rule of a key; a name no rule has is no report of this program.
TDayRule RuleOfKey(const QString& key) {
    for (TDayRule rule : AllDayRules)
        if (DayRuleKey(rule) == key)
            return rule;
    throw TBadValue{key};
}

std::array<int, DayRuleCount> ReadRuleCounts(const QJsonObject& object) {
    std::array<int, DayRuleCount> counts{};
    for (auto it = object.begin(); it != object.end(); ++it)
        counts[static_cast<int>(RuleOfKey(it.key()))] = Int(object, it.key());
    return counts;
}

TReportTotals ReadTotals(const QJsonObject& object) {
    TReportTotals totals;
    totals.Positions = Int(object, QStringLiteral("positions"));
    totals.Songs = Int(object, QStringLiteral("songs"));
    totals.Gaps = Int(object, QStringLiteral("gaps"));
    totals.GapMs = Integer(object, QStringLiteral("gap_ms"));
    totals.MaxGapMs = Int(object, QStringLiteral("max_gap_ms"));
    totals.Cuts = Int(object, QStringLiteral("cuts"));
    totals.CutMs = Integer(object, QStringLiteral("cut_ms"));
    totals.Mixes = Int(object, QStringLiteral("mixes"));
    totals.MixMs = Integer(object, QStringLiteral("mix_ms"));
    totals.FixedHours = Int(object, QStringLiteral("fixed_hours"));
    totals.MaxFixedDriftMs = Int(object, QStringLiteral("max_fixed_drift_ms"));
    totals.BrokenByRule = ReadRuleCounts(Object(object, QStringLiteral("broken_by_rule")));
    totals.RelaxedByRule = ReadRuleCounts(Object(object, QStringLiteral("relaxed_by_rule")));
    // The totals are kept with their parts; parts that do not add up are no report's.
    if (totals.Broken() != Int(object, QStringLiteral("broken")))
        throw TBadValue{QStringLiteral("broken")};
    if (totals.Relaxed() != Int(object, QStringLiteral("relaxed")))
        throw TBadValue{QStringLiteral("relaxed")};
    return totals;
}

TPositionReport ReadPosition(const QJsonObject& object) {
    TPositionReport position;
    position.StartMs = Int(object, QStringLiteral("start_ms"));
    position.EndMs = Int(object, QStringLiteral("end_ms"));
    position.SongId = Int(object, QStringLiteral("song_id"));
    position.Category = Int(object, QStringLiteral("category"));
    position.Blank = Bool(object, QStringLiteral("blank"));
    position.OwnHour = Bool(object, QStringLiteral("own_hour"));
    position.Artist = Text(object, QStringLiteral("artist"));
    position.Title = Text(object, QStringLiteral("title"));
    position.Slot = Text(object, QStringLiteral("slot"));
    position.SlotStartMs = Int(object, QStringLiteral("slot_start_ms"));
    const QJsonObject checks = Object(object, QStringLiteral("checks"));
    for (auto it = checks.begin(); it != checks.end(); ++it) {
        const std::optional<TRuleResult> result = RuleResultOfKey(Text(checks, it.key()));
        if (!result)
            throw TBadValue{it.key()};
        position.Checks[static_cast<int>(RuleOfKey(it.key()))] = result;
    }
    return position;
}

QJsonObject ElementObject(const QJsonValue& value, const QString& key) {
    if (!value.isObject())
        throw TBadValue{key};
    return value.toObject();
}

TDayReport ReadReport(const QJsonObject& object) {
    TDayReport report;
    const QString date = Text(object, QStringLiteral("date"));
    report.Date = QDate::fromString(date, Qt::ISODate);
    if (!report.Date.isValid())
        throw TBadValue{QStringLiteral("date")};
    for (const QJsonValue& value : Array(object, QStringLiteral("positions")))
        report.Positions.push_back(ReadPosition(ElementObject(value, QStringLiteral("positions"))));
    report.Summary = ReadTotals(Object(object, QStringLiteral("summary")));
    for (const QJsonValue& value : Array(object, QStringLiteral("hours"))) {
        const QJsonObject hour = ElementObject(value, QStringLiteral("hours"));
        report.Hours.push_back({Int(hour, QStringLiteral("hour")), ReadTotals(hour)});
    }
    return report;
}

} // namespace

QJsonObject ReportTotalsJson(const TReportTotals& totals) {
    return TotalsJson(totals);
}

QJsonObject DayReportJson(const TDayReport& report) {
    QJsonArray positions;
    for (const TPositionReport& position : report.Positions)
        positions.append(PositionJson(position));
    QJsonArray hours;
    for (const THourTotals& hour : report.Hours) {
        QJsonObject object = TotalsJson(hour.Totals);
        object.insert(QStringLiteral("hour"), hour.Hour);
        hours.append(object);
    }
    return {
        {QStringLiteral("date"), report.Date.toString(Qt::ISODate)},
        {QStringLiteral("positions"), positions},
        {QStringLiteral("summary"), TotalsJson(report.Summary)},
        {QStringLiteral("hours"), hours},
    };
}

QByteArray DayReportJsonText(const TDayReport& report, bool indented) {
    return QJsonDocument(DayReportJson(report))
        .toJson(indented ? QJsonDocument::Indented : QJsonDocument::Compact);
}

std::optional<TDayReport> ReadDayReportJson(const QByteArray& text, QString* error) {
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parse);
    if (parse.error != QJsonParseError::NoError || !document.isObject()) {
        if (error)
            *error = parse.error != QJsonParseError::NoError
                         ? parse.errorString()
                         : QStringLiteral("raport nie jest obiektem JSON");
        return std::nullopt;
    }
    try {
        return ReadReport(document.object());
    } catch (const TBadValue& bad) {
        if (error)
            *error = QStringLiteral("błędna albo brakująca wartość \"%1\"").arg(bad.Key);
        return std::nullopt;
    }
}

QString DayReportPath(const QDate& day) {
    return DatedFilePath(PlanDirName(pkHistory), QStringLiteral("rpt.json"), day);
}

bool WriteDayReportFile(const QString& path, const TDayReport& report, QString* error) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return WriteWholeFile(path, DayReportJsonText(report, true), error);
}

std::optional<TDayReport> ReadDayReportFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return ReadDayReportJson(file.readAll(), error);
}
