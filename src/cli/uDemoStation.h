#pragma once

#include "settings/uDefaultStation.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

// A station to try the program on at once: the default station with a made-up library, a few
// frequency groups (on a share of the songs and of the artists), time blockades (on a share of
// the songs), a blocked label, an active separation schedule and a clock of its own beside the
// two default ones. The same options give the same library.

inline constexpr int DemoMinSongs = 100;
inline constexpr int DemoMaxSongs = 1000000;

struct TDemoStationOptions {
    // Enough songs to generate days from with every restriction at work, stored in a few
    // seconds.
    int Songs = 20000;
    std::uint32_t Seed = 1;
};

// What the demo made.
struct TDemoStation {
    int Songs = 0; // stored
    // The clock files in ClockDir, the demo's own last.
    QStringList ClockPaths;
};

// A line telling what the demo is doing now.
using TDemoProgress = std::function<void(const QString& text)>;

// Makes the demo station in `dir`, which becomes the program directory. The stores must not be
// up; they are released again at the end, with everything on disk. A whole station without a
// library (as "init" leaves it) is filled; otherwise refuses (scExists), touching nothing, when
// `dir` already holds some of a station's files or a library. On any failure (scFailed, the
// reason in `error`) removes everything it made. `progress` may be empty.
TStationCreation CreateDemoStation(const QString& dir, const TDemoStationOptions& options,
                                   const TDemoProgress& progress, QString* error,
                                   TDemoStation* made = nullptr);
