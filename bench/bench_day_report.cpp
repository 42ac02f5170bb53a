// The day report of one generated day on a station with history: the day after the station's
// newest accepted day (bench/demo_month.sh makes a 50,000-song demo station with a month of
// them), generated in memory from the weekday or weekend clock and not saved (the generator
// still writes the day's fixed-list positions, as every generation does), then reported
// several times, each time reading the library and the earlier plays afresh. Prints the time
// of each report and the best, in ms.
//
//     bench_day_report STATION_DIR [RUNS]

#include "cli/uCliPrompt.h"
#include "clocks/uClock.h"
#include "dayplan/uDayPlayList.h"
#include "dayplan/uStores.h"
#include "foundation/uAppPaths.h"
#include "foundation/uArUtils.h"
#include "foundation/uDateTime.h"
#include "foundation/uPrompt.h"
#include "foundation/uRandom.h"
#include "generator/uFillGenerator.h"
#include "generator/uRandTimer.h"
#include "library/uDBMainBase.h"
#include "report/uDayReportBuilder.h"
#include "report/uEarlierPlays.h"
#include "settings/uSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

namespace {

// The day after the newest accepted day; today on a station without one.
QDate DayToReport() {
    TDateTime newest = 0;
    for (const QString& name : ListPlanFiles(pkHistory))
        newest = std::max(newest, ParseDateKey(name).value_or(0));
    return newest > 0 ? DateTimeToDate(newest).addDays(1) : QDate::currentDate();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_day_report STATION_DIR [RUNS]\n");
        return 2;
    }
    const int runs = args.size() > 2 ? std::max(1, args[2].toInt()) : 5;
    // The user's own settings must not send the station's clocks elsewhere.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QDir(args[1]).filePath(QStringLiteral(".settings")));
    QTextStream err(stderr);
    TCliPrompt prompt(err, false);
    SetPrompt(&prompt);
    SetProgramDir(args[1]);
    if (!BringUpStores())
        return 1;

    const QDate date = DayToReport();
    const QString clockName = date.dayOfWeek() >= Qt::Saturday
                                  ? QStringLiteral("Weekend.ctm")
                                  : QStringLiteral("Dzień powszedni.ctm");
    TClock clock;
    if (!clock.LoadClockFile(QDir(Config.ClockDir).filePath(clockName))) {
        std::fprintf(stderr, "no clock %s\n", qPrintable(clockName));
        return 1;
    }
    TRandom random(1);
    TRandTimer generator(*MainBase, random);
    generator.SetDate(DateToDateTime(date));
    TDayPlayList list;
    generator.ResultView = &list;
    if (!FillGenerator(clock, generator))
        return 1;
    QElapsedTimer timer;
    timer.start();
    generator.Run();
    std::printf("day %s (%s): %d positions generated in %.0f ms\n",
                qPrintable(date.toString(Qt::ISODate)), qPrintable(clockName), list.Count(),
                timer.nsecsElapsed() / 1e6);

    double best = 0;
    int broken = 0;
    for (int run = 0; run < runs; ++run) {
        timer.restart();
        TStatsEarlierPlays earlier(*MainBase, date, ReportLookbackDays());
        const auto report =
            BuildDayReport({date, list.Positions(), &clock, MainBase.get(), &earlier});
        const double ms = timer.nsecsElapsed() / 1e6;
        if (!report)
            return 1;
        broken = report->Summary.Broken();
        best = run == 0 ? ms : std::min(best, ms);
        std::printf("report %d: %.1f ms\n", run + 1, ms);
    }
    std::printf("best of %d: %.1f ms (target under 200 ms); broken rules: %d\n", runs, best,
                broken);
    ReleaseStores();
    SetPrompt(nullptr);
    return 0;
}
