#pragma once

#include "dayplan/uDayHost.h"
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
    // The clock file an empty day is planned with; a day already planned keeps its own.
    QString ClockFile;
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

// Answers the lifecycle's dialogs during a simulation: the plan's clock, and the export
// dialog's own folder and name.
class TSimulationHost final : public IDayHost {
public:
    explicit TSimulationHost(QString clockFile) : FClockFile(std::move(clockFile)) {}
    QString ChooseClockFile() override { return FClockFile; }
    QString ChooseExportFile(const QString& dir, const QString& fileName, int filterIndex) override;

private:
    QString FClockFile;
};

// Runs the plan on `days` (whose host answers as TSimulationHost does). A day already
// accepted, or one that cannot be planned, generated, reported or accepted, ends the run.
TSimulationResult RunSimulation(TDayLifecycle& days, const TSimulationPlan& plan);

// The library's song ids by song category.
std::map<int, std::vector<int>> LibrarySongsByCategory();

inline const QString kSimulationDayAccepted = QStringLiteral("Dzień %1 jest już zatwierdzony.");
inline const QString kSimulationDayFailed = QStringLiteral("Dzień %1: %2");
