#pragma once

#include "generator/uDayRules.h"

#include <QDate>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>
#include <vector>

// The day report: a check of one day's play list (pending or accepted, edited by hand or not)
// against the library and the settings, made apart from the generator so that it also finds
// what the generator got wrong. These are its values; uDayReportBuilder.h makes them,
// uDayReportJson.h stores them and uDayReportText.h writes them for people.

// How a position keeps one rule: it does, it does not, or it does not because the generator
// gave the rule up for it (no candidate of the slot kept every rule).
enum class TRuleResult { Ok, Broken, Relaxed };

// "ok", "broken", "relaxed": the result in the report's files.
QString RuleResultKey(TRuleResult result);
std::optional<TRuleResult> RuleResultOfKey(const QString& key);

// Results by rule (TDayRule as index); a rule that does not apply to the position is left out.
using TRuleChecks = std::array<std::optional<TRuleResult>, DayRuleCount>;

// Every rule, in report order.
inline constexpr std::array<TDayRule, DayRuleCount> AllDayRules = {
    TDayRule::Category,        TDayRule::Labels,          TDayRule::TimeBlockades,
    TDayRule::SongFrequency,   TDayRule::ArtistFrequency, TDayRule::Separation,
    TDayRule::Characteristics,
};

// One position of the day as the report sees it. Times are ms from the day's midnight.
struct TPositionReport {
    int StartMs = 0;
    int EndMs = 0;     // start + the time it plays
    int SongId = -1;   // -1 for a blank (or a song gone from the library)
    int Category = -1; // the song category number
    bool Blank = false;
    bool OwnHour = false;
    QString Artist;
    QString Title;
    // The clock slot the position fills: the row's name, and its start (-1: no slot found).
    QString Slot;
    int SlotStartMs = -1;
    TRuleChecks Checks{};

    bool operator==(const TPositionReport&) const = default;
};

// Totals of the day, or of one hour of it. Gaps are dead air (a position starting after the one
// before it ends), cuts songs planned shorter than they are, mixes positions overlapping the
// next; fixed hours the positions at a fixed hour of the clock, with the largest distance of
// their start from that hour.
struct TReportTotals {
    int Positions = 0;
    int Songs = 0;
    int Gaps = 0;
    qint64 GapMs = 0;
    int MaxGapMs = 0;
    int Cuts = 0;
    qint64 CutMs = 0;
    int Mixes = 0;
    qint64 MixMs = 0;
    int FixedHours = 0;
    int MaxFixedDriftMs = 0;
    std::array<int, DayRuleCount> BrokenByRule{};
    std::array<int, DayRuleCount> RelaxedByRule{};

    int Broken() const;
    int Relaxed() const;

    void AddGap(int ms);
    void AddCut(int ms);
    void AddMix(int ms);
    void AddFixedHour(int driftMs);
    void AddChecks(const TRuleChecks& checks);

    bool operator==(const TReportTotals&) const = default;
};

struct THourTotals {
    int Hour = 0; // of the start; past midnight the count goes on (24, 25, ...)
    TReportTotals Totals;

    bool operator==(const THourTotals&) const = default;
};

struct TDayReport {
    QDate Date;
    std::vector<TPositionReport> Positions; // in play order
    TReportTotals Summary;
    std::vector<THourTotals> Hours; // the hours that have a position, in order

    bool HasBroken() const { return Summary.Broken() > 0; }

    bool operator==(const TDayReport&) const = default;
};
