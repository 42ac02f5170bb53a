// Generates days of play list from the default station's weekday clock on a made-up library
// of 50,000 songs: six days first, each accepted into the statistics, then the measured day,
// whose draws must look back over those six days. Prints the time of the measured day, the
// time of merely running each of its slots' candidate queries once and the ratio, the same for
// each distinct statement once (the generator keeps a statement's rows for the run, so that is
// its real floor), and the peak resident memory.
//
//     bench_generator [songs [seed]]
//
// No pending (generated, not accepted) day is included: the plan-file reader belongs to the
// day play lists, which this program does not bring up.

#include "cli/uCliPrompt.h"
#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "clocks/uClockObjList.h"
#include "foundation/uAppPaths.h"
#include "foundation/uArUtils.h"
#include "foundation/uDateTime.h"
#include "foundation/uFormat.h"
#include "foundation/uRandom.h"
#include "generator/uFillGenerator.h"
#include "generator/uRandClassess.h"
#include "generator/uRandTimer.h"
#include "generator/uResultReceiver.h"
#include "generator/uSongsFilterUtils.h"
#include "library/uDBMainBase.h"
#include "library/uSongStore.h"
#include "library/uStatsCache.h"
#include "library/uSyntheticLibrary.h"
#include "settings/uDefaultStation.h"
#include "settings/uSettings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <memory>

namespace {

double Seconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// VmHWM of /proc/self/status, in kB; -1 when it cannot be read.
long PeakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

struct TDayRun {
    std::unique_ptr<TRandTimer> Timer;
    TCollectingReceiver Receiver;
    double BuildSeconds = 0;
    double RunSeconds = 0;
};

std::unique_ptr<TDayRun> GenerateDay(const QString& clockPath, TDateTime day, TRandom& random) {
    auto run = std::make_unique<TDayRun>();
    QElapsedTimer timer;
    timer.start();
    TClock clock;
    clock.LoadClockFile(clockPath);
    run->Timer = std::make_unique<TRandTimer>(random);
    run->Timer->SetDate(day);
    run->Timer->ResultView = &run->Receiver;
    FillGenerator(clock, *run->Timer);
    run->BuildSeconds = Seconds(timer);
    timer.restart();
    run->Timer->Run();
    run->RunSeconds = Seconds(timer);
    return run;
}

// Records the day's plays in the statistics, as accepting the day does.
void AcceptDay(const TDayRun& run, TDateTime day) {
    TStoreTransaction unit(*MainBase);
    for (const TResultItem& item : run.Receiver.Items) {
        if (item.SongId < 0)
            continue;
        const int minute = MsToMinutes(item.Start);
        AddSongStats(item.SongId, minute, day);
        AddArtistStats(SongArtistId(item.SongId), minute, day);
    }
    unit.Commit();
}

// Runs every category slot's candidate query once, with nothing cached.
double CandidateFloor(TRandTimer& timer, int& queries, long long& rows) {
    timer.SetCandidateCaching(false);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < timer.DrawObjectCount(); ++i) {
        auto* slot = dynamic_cast<TRandObj*>(&timer.DrawObject(i));
        if (!slot)
            continue;
        slot->OpenCandidates();
        slot->LoadCandidates(false);
        rows += slot->Candidates.Count();
        slot->CloseCandidates();
        ++queries;
    }
    return Seconds(clock);
}

// Runs every distinct candidate statement of the day once: what the generator, which keeps a
// statement's rows for the run, cannot avoid.
double DistinctFloor(TRandTimer& timer, int& statements) {
    QSet<QString> texts;
    for (int i = 0; i < timer.DrawObjectCount(); ++i)
        if (auto* slot = dynamic_cast<TRandObj*>(&timer.DrawObject(i)))
            texts.insert(Format(slot->QueryTemplate,
                                {slot->ExTime ? ExactTimeCondition(slot->SlotTime) : QString(),
                                 QStringLiteral("BaseSongs.Song_Time")}));
    QElapsedTimer clock;
    clock.start();
    for (const QString& text : texts)
        TCandidateSet::Load(text);
    statements = static_cast<int>(texts.size());
    return Seconds(clock);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    TSyntheticLibraryOptions options;
    options.Songs = args.size() > 1 ? args[1].toInt() : 50000;
    options.Seed = args.size() > 2 ? args[2].toUInt() : 1;

    QTemporaryDir station;
    QString error;
    if (CreateStation(station.path(), &error) != TStationCreation::scCreated) {
        std::fprintf(stderr, "cannot create the station: %s\n", qPrintable(error));
        return 1;
    }
    SetProgramDir(station.path());
    QTextStream err(stderr);
    TCliPrompt prompt(err, false);
    SetPrompt(&prompt);
    InitMainBase();
    InitOptions();
    CreateCategoryList();
    CreateBroadcastList();

    QElapsedTimer timer;
    timer.start();
    const TSyntheticLibrary library(SyntheticOptionsFromSettings(options));
    const int added = StoreSyntheticLibrary(library);
    std::printf("library: %d songs stored in %.1f s\n", added, Seconds(timer));

    const QString clockPath = station.filePath(QStringLiteral("Zegary/Dzień powszedni.ctm"));
    const TDateTime measured = *TryEncodeDate(2024, 5, 15);
    TRandom random(options.Seed);
    for (int back = 6; back >= 1; --back) {
        const TDateTime day = measured - back;
        const auto run = GenerateDay(clockPath, day, random);
        AcceptDay(*run, day);
        std::printf("earlier day -%d: %.3f s, %zu items, accepted\n", back, run->RunSeconds,
                    run->Receiver.Items.size());
    }

    const auto day = GenerateDay(clockPath, measured, random);
    int queries = 0;
    long long rows = 0;
    const double floor = CandidateFloor(*day->Timer, queries, rows);
    std::printf("clock: %d slots, %d category slots\n", day->Timer->DrawObjectCount(), queries);
    std::printf("measured day: build %.3f s, generation %.3f s, %zu items\n", day->BuildSeconds,
                day->RunSeconds, day->Receiver.Items.size());
    std::printf("candidate queries run once each: %.3f s (%lld rows)\n", floor, rows);
    std::printf("generation / floor: %.2f\n", floor > 0 ? day->RunSeconds / floor : 0.0);
    int statements = 0;
    const double distinct = DistinctFloor(*day->Timer, statements);
    std::printf("distinct candidate statements (%d) run once each: %.3f s; generation / that: "
                "%.2f\n",
                statements, distinct, distinct > 0 ? day->RunSeconds / distinct : 0.0);
    std::printf("peak resident memory (VmHWM): %.1f MB\n", PeakResidentKb() / 1024.0);

    const bool complete =
        static_cast<int>(day->Receiver.Items.size()) == day->Timer->DrawObjectCount();
    FreeBroadcastList();
    FreeCategoryList();
    DoneOptions();
    DoneMainBase();
    SetPrompt(nullptr);
    return added == options.Songs && complete ? 0 : 1;
}
