// Times building, saving and loading a full day's clock of the default station: 24 hours of an
// ident fixed at the full hour, the hourly news broadcast and fourteen slots of categories and
// advertisement blanks (384 rows, 72 broadcast items under them).

#include "BenchStation.h"
#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "clocks/uClockObjList.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using TClockType = std::chrono::steady_clock;

// Mean milliseconds of one run over `runs` runs.
double MeanMs(int runs, const std::function<void()>& run) {
    const auto start = TClockType::now();
    for (int i = 0; i < runs; ++i)
        run();
    const std::chrono::duration<double, std::milli> total = TClockType::now() - start;
    return total.count() / runs;
}

constexpr int kIdent = 13;
constexpr int kNewsBroadcast = 10001;
// Categories and the advertisement block (15) of one hour after the news.
const std::vector<int> kHour = {1, 10, 2, 1, 15, 6, 3, 1, 4, 2, 15, 1, 9, 5};

int CountRows(const TClockRows& rows) {
    int count = 0;
    for (const auto& row : rows)
        count += 1 + CountRows(row->Children);
    return count;
}

void BuildDay(TClock& clock) {
    clock.ClearClock();
    clock.SetName(QStringLiteral("Pomiar"));
    const TBroadcast& news = *BroadcastList->FindBroadcast(kNewsBroadcast);
    for (int hour = 0; hour < 24; ++hour) {
        TClockObjData* ident =
            clock.InsertObjects(*CategoryList->FindById(kIdent), nullptr, ipAfter);
        clock.SetRowHour(ident, hour * 3600, true);
        clock.InsertObjects(news, nullptr, ipAfter);
        for (int id : kHour)
            clock.InsertObjects(*CategoryList->FindById(id), nullptr, ipAfter);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QTemporaryDir dir;
    if (!OpenScratchStation(dir))
        return 1;

    const int runs = 50;
    const QString path = dir.filePath(QStringLiteral("pomiar.ctm"));
    {
        TClock clock(cmClock);
        const double build = MeanMs(runs, [&clock] { BuildDay(clock); });
        std::printf("rows: %d top-level, %d in all\n", clock.RowCount(), CountRows(clock.Rows()));
        std::printf("build by inserting: %8.3f ms\n", build);
        const double save = MeanMs(runs, [&clock, &path] { clock.SaveClockFile(path, true); });
        std::printf("save:               %8.3f ms\n", save);
    }
    TClock loaded(cmClock);
    const double load = MeanMs(runs, [&loaded, &path] { loaded.LoadClockFile(path); });
    std::printf("load:               %8.3f ms (%d rows read)\n", load, CountRows(loaded.Rows()));

    FreeBroadcastList();
    FreeCategoryList();
    DoneOptions();
    return 0;
}
