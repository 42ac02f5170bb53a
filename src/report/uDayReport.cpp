#include "report/uDayReport.h"

#include <algorithm>
#include <numeric>

QString RuleResultKey(TRuleResult result) {
    switch (result) {
    case TRuleResult::Ok:
        return QStringLiteral("ok");
    case TRuleResult::Broken:
        return QStringLiteral("broken");
    case TRuleResult::Relaxed:
        return QStringLiteral("relaxed");
    }
    return {};
}

std::optional<TRuleResult> RuleResultOfKey(const QString& key) {
    for (TRuleResult result : {TRuleResult::Ok, TRuleResult::Broken, TRuleResult::Relaxed})
        if (RuleResultKey(result) == key)
            return result;
    return std::nullopt;
}

int TReportTotals::Broken() const {
    return std::accumulate(BrokenByRule.begin(), BrokenByRule.end(), 0);
}

int TReportTotals::Relaxed() const {
    return std::accumulate(RelaxedByRule.begin(), RelaxedByRule.end(), 0);
}

void TReportTotals::AddGap(int ms) {
    ++Gaps;
    GapMs += ms;
    MaxGapMs = std::max(MaxGapMs, ms);
}

void TReportTotals::AddCut(int ms) {
    ++Cuts;
    CutMs += ms;
}

void TReportTotals::AddMix(int ms) {
    ++Mixes;
    MixMs += ms;
}

void TReportTotals::AddFixedHour(int driftMs) {
    ++FixedHours;
    MaxFixedDriftMs = std::max(MaxFixedDriftMs, driftMs);
}

void TReportTotals::AddChecks(const TRuleChecks& checks) {
    for (int rule = 0; rule < DayRuleCount; ++rule) {
        if (checks[rule] == TRuleResult::Broken)
            ++BrokenByRule[rule];
        else if (checks[rule] == TRuleResult::Relaxed)
            ++RelaxedByRule[rule];
    }
}
