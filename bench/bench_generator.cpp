// Generates days of play list from the demo station's own 24-hour clock (category slots with
// conditions, blanks, a fixed list, the hourly news broadcast, a fixed hour at every full hour)
// on its made-up library of 50,000 songs, with its frequency groups, time blockades, blocked
// label and separation schedule at work: six days first, each accepted into the statistics,
// then a pending day (generated and saved as its plan file, not accepted), then the measured
// day, whose draws must look back over all of them. Prints the time of the measured day, the
// time of merely running each of its slots' candidate queries once and the ratio, the same for
// each distinct statement once (the generator keeps a statement's rows for the run, so that is
// its real floor), and the peak resident memory.
//
//     bench_generator [songs [seed]]

#include "cli/uCliPrompt.h"
#include "cli/uDemoStation.h"
#include "clocks/uClock.h"
#include "dayplan/uDayPlayList.h"
#include "dayplan/uStores.h"
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
#include "library/uStatsWriting.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

double Seconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// A value of /proc/self/status ("VmHWM", "VmRSS"), in MB; -1 when it cannot be read.
double StatusMb(const QByteArray& key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').value(0).toLong() / 1024.0;
    return -1;
}

// Lets VmHWM start again from the present resident size, so that the peak of the days is not
// the peak of making the library.
bool ResetPeakResident() {
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
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
    run->Timer = std::make_unique<TRandTimer>(*MainBase, random);
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
        AddSongStats(*MainBase, item.SongId, minute, day);
        AddArtistStats(*MainBase, SongArtistId(item.SongId), minute, day);
    }
    unit.Commit();
}

// Saves the day as its plan file, as leaving a generated day does: the day is pending, and the
// statistics of later days read its plays from that file.
bool SavePending(const TDayRun& run, TDateTime day) {
    TDayPlayList list;
    for (const TResultItem& item : run.Receiver.Items)
        list.AddResultItem(item);
    return list.SavePlanDay(DateTimeToDate(day));
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
    TDemoStationOptions options;
    options.Songs = args.size() > 1 ? args[1].toInt() : 50000;
    options.Seed = args.size() > 2 ? args[2].toUInt() : 1;

    QTemporaryDir station;
    // The user's own settings must not send the station's clocks elsewhere.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       station.filePath(QStringLiteral(".settings")));
    QTextStream err(stderr);
    TCliPrompt prompt(err, false);
    SetPrompt(&prompt);

    QElapsedTimer timer;
    timer.start();
    QString error;
    TDemoStation made;
    if (CreateDemoStation(station.path(), options, {}, &error, &made) !=
        TStationCreation::scCreated) {
        std::fprintf(stderr, "cannot create the station: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("demo station: %d songs stored in %.1f s\n", made.Songs, Seconds(timer));

    SetProgramDir(station.path());
    // Also installs the plan-file reader, through which the statistics see the pending day.
    if (!BringUpStores())
        return 1;
    const double wholePeak = StatusMb("VmHWM");
    std::printf("resident memory with the stores up: %.1f MB (peak so far %.1f MB)\n",
                StatusMb("VmRSS"), wholePeak);
    const bool peakReset = ResetPeakResident();

    const QString clockPath = made.ClockPaths.last();
    const TDateTime measured = *TryEncodeDate(2024, 5, 15);
    TRandom random(options.Seed);
    for (int back = 7; back >= 2; --back) {
        const TDateTime day = measured - back;
        const auto run = GenerateDay(clockPath, day, random);
        AcceptDay(*run, day);
        std::printf("earlier day -%d: %.3f s, %zu items, accepted\n", back, run->RunSeconds,
                    run->Receiver.Items.size());
    }
    const auto pending = GenerateDay(clockPath, measured - 1, random);
    const bool pendingSaved = SavePending(*pending, measured - 1);
    std::printf("earlier day -1: %.3f s, %zu items, %s\n", pending->RunSeconds,
                pending->Receiver.Items.size(), pendingSaved ? "pending" : "NOT SAVED");

    const auto day = GenerateDay(clockPath, measured, random);
    const double daysPeak = StatusMb("VmHWM");
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
    std::printf("peak resident memory (VmHWM) while generating the days: %.1f MB%s; with the "
                "floor runs: %.1f MB; over the whole run: %.1f MB\n",
                daysPeak, peakReset ? "" : " (could not be reset: whole run)", StatusMb("VmHWM"),
                std::max(wholePeak, StatusMb("VmHWM")));

    const bool complete =
        static_cast<int>(day->Receiver.Items.size()) == day->Timer->DrawObjectCount();
    ReleaseStores();
    SetPrompt(nullptr);
    return made.Songs == options.Songs && pendingSaved && complete ? 0 : 1;
}
