#pragma once

#include "report/uDayReport.h"

#include <QByteArray>
#include <QDate>
#include <QJsonObject>
#include <QString>
#include <optional>

// The day report as one JSON object, as `dobieralnik-cli report --json` prints it and as an
// accepted day keeps it beside its history file:
//
//   {"date": "2024-05-15",
//    "positions": [{"start_ms", "end_ms", "song_id", "category", "blank", "own_hour", "artist",
//                   "title", "slot", "slot_start_ms", "checks": {rule name: "ok" | "broken" |
//                   "relaxed"}}, ...],
//    "summary": {totals},
//    "hours": [{"hour": 7, totals}, ...]}
//
// with the totals "positions", "songs", "gaps", "gap_ms", "max_gap_ms", "cuts", "cut_ms",
// "mixes", "mix_ms", "broken", "relaxed", "broken_by_rule", "relaxed_by_rule" (rule name: count,
// only rules with a count), "fixed_hours", "max_fixed_drift_ms". Rule names are DayRuleKey's.

QJsonObject DayReportJson(const TDayReport& report);
// The totals alone, as "summary" holds them.
QJsonObject ReportTotalsJson(const TReportTotals& totals);
// Compact UTF-8 text of the object, or indented for reading.
QByteArray DayReportJsonText(const TDayReport& report, bool indented = false);

// The report back from its JSON text. Nothing, with the reason in `error`, when the text is no
// JSON object or a value is missing or of the wrong kind.
std::optional<TDayReport> ReadDayReportJson(const QByteArray& text, QString* error = nullptr);

// Where an accepted day keeps its report: Plan/Historia/YYYYMMDD.rpt.json.
QString DayReportPath(const QDate& day);
// Writes the report whole (a temporary file renamed over the target); false with the reason.
bool WriteDayReportFile(const QString& path, const TDayReport& report, QString* error = nullptr);
// Reads a stored report; nothing, with the reason, when it cannot be read or is no report.
std::optional<TDayReport> ReadDayReportFile(const QString& path, QString* error = nullptr);
