#pragma once

#include "report/uDayReport.h"
#include "report/uRotationStats.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class TDayLifecycle;

// A rotation simulation: days planned, generated and accepted one after another, each one's
// report kept, and the rotation of the library over the run. It works on the stores that are
// up and changes them as the director's own work would: run it on a private copy of a station.

struct TSimulationPlan {
    QDate From;
    int Days = 0;
    // Day i is generated with Seed + i; without a seed each run draws anew.
    std::optional<std::uint32_t> Seed;
};

struct TSimulatedDay {
    QDate Date;
    bool Stopped = false; // the draw stopped on a slot it could not fill
    bool Accepted = false;
    TReportTotals Summary; // of the day as accepted
};

struct TSimulationResult {
    std::vector<TSimulatedDay> Days; // as far as the run went
    std::vector<TCategoryRotation> Categories;
    // Why the run ended before its last day; empty when it went through.
    QString Error;
};

// Runs the plan on `days`. Its host answers the clock dialog with the clock an empty day is
// planned with (a day already planned keeps its own) and the export dialog with its own folder
// and name. A day already accepted, or one that cannot be planned, generated, reported or
// accepted, ends the run.
TSimulationResult RunSimulation(TDayLifecycle& days, const TSimulationPlan& plan);

// The library's song ids by song category.
std::map<int, std::vector<int>> LibrarySongsByCategory();

inline const QString kSimulationDayAccepted = QStringLiteral("Dzień %1 jest już zatwierdzony.");
inline const QString kSimulationDayFailed = QStringLiteral("Dzień %1: %2");
