#include "report/uDayReportText.h"

#include "foundation/uArUtils.h"

namespace {

QString Duration(qint64 ms) {
    return FormatDurationMs(static_cast<int>(ms), false);
}

// The captions of the rules with that result, joined by commas; empty when none.
QString RulesWith(const TRuleChecks& checks, TRuleResult result) {
    QStringList captions;
    for (TDayRule rule : AllDayRules)
        if (checks[static_cast<int>(rule)] == result)
            captions << DayRuleCaption(rule);
    return captions.join(QStringLiteral(", "));
}

QString RuleCounts(const std::array<int, DayRuleCount>& counts) {
    QStringList parts;
    for (TDayRule rule : AllDayRules)
        if (const int count = counts[static_cast<int>(rule)]; count > 0)
            parts << QStringLiteral("%1: %2").arg(DayRuleCaption(rule)).arg(count);
    return parts.isEmpty() ? QString()
                           : QStringLiteral(" (%1)").arg(parts.join(QStringLiteral(", ")));
}

QString PositionLine(const TPositionReport& position) {
    const QString what = position.Artist.isEmpty()
                             ? position.Title
                             : QStringLiteral("%1 - %2").arg(position.Artist, position.Title);
    QString line =
        QStringLiteral("%1-%2  %3  %4")
            .arg(FormatDurationMs(position.StartMs, true), FormatDurationMs(position.EndMs, true),
                 position.Slot.isEmpty() ? QStringLiteral("(bez slotu)") : position.Slot, what);
    const QString broken = RulesWith(position.Checks, TRuleResult::Broken);
    const QString relaxed = RulesWith(position.Checks, TRuleResult::Relaxed);
    if (!broken.isEmpty())
        line += QStringLiteral("  ZŁAMANE: ") + broken;
    if (!relaxed.isEmpty())
        line += QStringLiteral("  rozluźnione: ") + relaxed;
    return line;
}

// The totals on one line, for an hour.
QString HourLine(const THourTotals& hour) {
    const TReportTotals& t = hour.Totals;
    return QStringLiteral("%1:00  pozycje %2, utwory %3, przerwy %4 (%5), cięcia %6 (%7), "
                          "miksy %8 (%9), złamane %10, rozluźnione %11")
        .arg(hour.Hour, 2, 10, QLatin1Char('0'))
        .arg(t.Positions)
        .arg(t.Songs)
        .arg(t.Gaps)
        .arg(Duration(t.GapMs))
        .arg(t.Cuts)
        .arg(Duration(t.CutMs))
        .arg(t.Mixes)
        .arg(Duration(t.MixMs))
        .arg(t.Broken())
        .arg(t.Relaxed());
}

QStringList SummaryLines(const TReportTotals& t) {
    return {
        QStringLiteral("Pozycje: %1, utwory: %2").arg(t.Positions).arg(t.Songs),
        QStringLiteral("Przerwy (cisza): %1, łącznie %2, najdłuższa %3")
            .arg(t.Gaps)
            .arg(Duration(t.GapMs), Duration(t.MaxGapMs)),
        QStringLiteral("Skrócone utwory: %1, łącznie %2").arg(t.Cuts).arg(Duration(t.CutMs)),
        QStringLiteral("Miksy (nakładanie się pozycji): %1, łącznie %2")
            .arg(t.Mixes)
            .arg(Duration(t.MixMs)),
        QStringLiteral("Stałe godziny: %1, największe odchylenie %2")
            .arg(t.FixedHours)
            .arg(Duration(t.MaxFixedDriftMs)),
        QStringLiteral("Złamane reguły: %1%2").arg(t.Broken()).arg(RuleCounts(t.BrokenByRule)),
        QStringLiteral("Rozluźnione reguły: %1%2")
            .arg(t.Relaxed())
            .arg(RuleCounts(t.RelaxedByRule)),
    };
}

} // namespace

QStringList DayReportText(const TDayReport& report) {
    QStringList lines{QStringLiteral("Raport dnia %1").arg(report.Date.toString(Qt::ISODate)),
                      QString()};
    for (const TPositionReport& position : report.Positions)
        lines << PositionLine(position);
    lines << QString() << QStringLiteral("Podsumowanie dnia:") << SummaryLines(report.Summary);
    lines << QString() << QStringLiteral("Godziny:");
    for (const THourTotals& hour : report.Hours)
        lines << HourLine(hour);
    return lines;
}
