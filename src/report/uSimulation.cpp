#include "report/uSimulation.h"

#include "dayplan/uDayLifecycle.h"
#include "library/uDBMainBase.h"
#include "report/uPendingDayReport.h"

#include <SQLiteCpp/Statement.h>

namespace {

void CollectPlays(TDayLifecycle& days, const QDate& date, std::vector<TRotationPlay>& plays) {
    for (const TResultSongData* position : days.PlayList().Positions())
        if (!position->Blank && position->SongId != -1)
            plays.push_back({date, position->Hour, position->SongId, position->Category.toInt()});
}

// One day through its states up to accepted; the reason when it could not get there.
QString SimulateDay(TDayLifecycle& days, const QDate& date, std::optional<std::uint32_t> seed,
                    TSimulatedDay& day, std::vector<TRotationPlay>& plays) {
    days.ShowDay(date);
    if (days.State() == dsHistory)
        return kSimulationDayAccepted.arg(date.toString(Qt::ISODate));
    if (days.State() == dsEmpty && days.ChooseClock() != TDayResult::drDone)
        return QStringLiteral("nie udało się nadać zegara");
    if (days.State() == dsFuture) {
        days.Seed = seed;
        const TDayResult generated = days.Generate();
        if (generated == TDayResult::drFailed || days.State() != dsPending)
            return QStringLiteral("nie udało się wygenerować dnia");
        day.Stopped = generated == TDayResult::drRefused;
    }
    QString error;
    const std::optional<TDayReport> report = PendingDayReport(days, date, &error);
    if (!report)
        return error;
    day.Summary = report->Summary;
    std::vector<TRotationPlay> dayPlays;
    CollectPlays(days, date, dayPlays);
    if (days.Accept() != TDayResult::drDone)
        return QStringLiteral("nie udało się zatwierdzić dnia");
    day.Accepted = true;
    plays.insert(plays.end(), dayPlays.begin(), dayPlays.end());
    return {};
}

} // namespace

TSimulationResult RunSimulation(TDayLifecycle& days, const TSimulationPlan& plan) {
    TSimulationResult result;
    std::vector<TRotationPlay> plays;
    for (int i = 0; i < plan.Days; ++i) {
        const QDate date = plan.From.addDays(i);
        TSimulatedDay day;
        day.Date = date;
        std::optional<std::uint32_t> seed;
        if (plan.Seed)
            seed = *plan.Seed + static_cast<std::uint32_t>(i);
        const QString error = SimulateDay(days, date, seed, day, plays);
        if (!error.isEmpty()) {
            result.Error = kSimulationDayFailed.arg(date.toString(Qt::ISODate), error);
            break;
        }
        result.Days.push_back(day);
    }
    result.Categories = RotationByCategory(plays, LibrarySongsByCategory());
    return result;
}

std::map<int, std::vector<int>> LibrarySongsByCategory() {
    std::map<int, std::vector<int>> songs;
    SQLite::Statement query(MainBase->Connection(),
                            "SELECT Song_Id, Category FROM BaseSongs WHERE Song_Id <> -1");
    while (query.executeStep())
        songs[query.getColumn(1).getInt()].push_back(query.getColumn(0).getInt());
    return songs;
}
