// Times the statistics window ("Statystyka") for 20 played songs over a month: opening it until
// the chart is drawn on the screen, moving to the next month, and turning to the bars of the
// plays per day.
//
//   bench_stats_window STATION     a station with accepted days (bench/demo_month.sh makes one);
//                                  STATS_STATION names it when no argument is given
//
// The window only reads the station, but bringing its stores up and down saves their settings:
// give it a copy of a station you care about.

#include "dayplan/uStores.h"
#include "foundation/uAppPaths.h"
#include "foundation/uArUtils.h"
#include "library/uDBMainBase.h"
#include "ui/stats/uStatistcForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <cstdio>

namespace {

constexpr int kSongs = 20;
constexpr int kRuns = 5;

double Ms(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The most played songs: the heaviest chart a director can ask for.
QList<TStatEntry> PlayedSongs() {
    QList<TStatEntry> songs;
    SQLite::Statement query(MainBase->Connection(),
                            "SELECT StatsId, SUM(EndId + 1) AS Plays FROM Stats "
                            "WHERE StatsId <> -1 GROUP BY StatsId ORDER BY Plays DESC LIMIT 20");
    while (query.executeStep()) {
        const int id = query.getColumn(0).getInt();
        songs.append({QStringLiteral("Utwór %1").arg(id), id});
    }
    return songs;
}

// The middle of the accepted days: its month holds most of them.
TDateTime MiddleAcceptedDay() {
    QStringList days = ListPlanFiles(pkHistory);
    days.sort();
    if (days.isEmpty())
        return 0;
    return ParseDateKey(FileNameStem(days[days.size() / 2])).value_or(0);
}

void Settle() {
    QApplication::processEvents();
    QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString dir =
        args.size() > 1 ? args[1] : QString::fromLocal8Bit(qgetenv("STATS_STATION"));
    if (dir.isEmpty()) {
        std::fprintf(stderr, "usage: bench_stats_window STATION (or STATS_STATION=STATION)\n");
        return 2;
    }
    SetProgramDir(dir);
    if (!BringUpStores()) {
        std::fprintf(stderr, "the station's stores did not come up\n");
        return 1;
    }
    const QList<TStatEntry> songs = PlayedSongs();
    const TDateTime day = MiddleAcceptedDay();
    if (songs.size() < kSongs || day == 0) {
        std::fprintf(stderr, "the station has no accepted days with %d played songs\n", kSongs);
        ReleaseStores();
        return 1;
    }

    double open = 0, next = 0, bars = 0;
    int plays = 0;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        TStatistcForm form(*MainBase, TStatKind::Songs);
        form.AddItems(songs);
        form.ShowPeriodOf(TStatPeriodKind::Month, day);
        form.show();
        Settle();
        open += Ms(timer);
        plays = 0;
        for (int row = 0; row < form.ItemCount(); ++row)
            plays += form.Item(row).Count;

        timer.restart();
        form.findChild<QPushButton*>(QStringLiteral("btnUp"))->click();
        Settle();
        next += Ms(timer);

        timer.restart();
        form.findChild<QCheckBox*>(QStringLiteral("chbDailyBars"))->setChecked(true);
        Settle();
        bars += Ms(timer);
    }
    std::printf("%d songs, %d plays in the month of %s\n", kSongs, plays,
                qPrintable(FormatShortDate(DateTimeToDate(day))));
    std::printf("open until the month is drawn: %7.1f ms\n", open / kRuns);
    std::printf("the next month:                %7.1f ms\n", next / kRuns);
    std::printf("turning to the daily bars:     %7.1f ms\n", bars / kRuns);
    ReleaseStores();
    return 0;
}
