#pragma once

#include "foundation/uAppPaths.h"
#include "foundation/uArUtils.h"
#include "foundation/uDateTime.h"
#include "library/uDBMainBase.h"
#include "library/uPlanReader.h"
#include "library/uStatsCache.h"
#include "library/uStatsWriting.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QMap>
#include <gtest/gtest.h>
#include <stdexcept>

// A day of May 2024 with a time of day.
inline TDateTime May(int day, int hour = 0, int minute = 0, int second = 0) {
    return *TryEncodeDateTime(2024, 5, day, hour, minute, second, 0);
}

// Milliseconds from midnight, as plan positions carry their start.
inline int HourMs(int hour, int minute, int second = 0) {
    return ((hour * 60 + minute) * 60 + second) * 1000;
}

// Hands out the positions a test gave for each day, by the plan file's date key, and
// records what was read.
class TFakePlanReader final : public IPlanReader {
public:
    QMap<QString, QList<TPlanItem>> Days;
    QStringList Read; // date keys, in the order read
    QList<bool> Light;
    bool Asked = false;
    QString Unreadable; // reading this day's file throws

    bool ReadPlanFile(const QString& path, bool ask, bool light,
                      const TPlanItemReceiver& receiver) override {
        const QString key = FileNameStem(path);
        Read.append(key);
        Light.append(light);
        Asked = Asked || ask;
        if (key == Unreadable)
            throw std::runtime_error("unreadable plan file");
        for (const TPlanItem& item : Days.value(key))
            receiver(item);
        return true;
    }
};

// A station with its library store, plan files made on request and a fake plan reader.
class StatsFixture : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    TFakePlanReader Reader;

    void SetUp() override {
        InitMainBase();
        ASSERT_TRUE(MainBase);
    }
    void TearDown() override { DoneMainBase(); }

    static QString DateKey(TDateTime day) { return FormatDateKey(day); }

    // A file in the kind's directory.
    static void MakeFileIn(TPlanKind kind, const QString& name) {
        const QString dir = AppFilePath(PlanDirName(kind));
        ASSERT_TRUE(QDir().mkpath(dir));
        ASSERT_TRUE(WriteFileBytes(dir + QLatin1Char('/') + name, QByteArray()));
    }
    // An (empty) dated file of the kind; the fake reader supplies its positions.
    static void MakePlanFile(TPlanKind kind, TDateTime day) {
        MakeFileIn(kind, FormatDateKey(day, PlanExtension(kind)));
    }
    // A file in the kind's directory whose name is no date.
    static void MakeStrayFile(TPlanKind kind, const QString& name) { MakeFileIn(kind, name); }
    // A pending day: its current plan file with these positions.
    void Pending(TDateTime day, const QList<TPlanItem>& items) {
        MakePlanFile(pkCurrent, day);
        Reader.Days[DateKey(day)] += items;
    }
    // A pending play of a song by an artist.
    void PendingPlay(int songId, int artistId, TDateTime at) {
        const TDateTimeParts parts = SplitDateTime(at);
        Pending(static_cast<TDateTime>(parts.Days), {{songId, parts.MSecOfDay, artistId}});
    }
    // An accepted day: its history file (the plays go to the tables separately).
    static void Accepted(TDateTime day) { MakePlanFile(pkHistory, day); }
    // A stored play of a song by an artist.
    static void StoredPlay(int songId, int artistId, TDateTime at) {
        const TDateTimeParts parts = SplitDateTime(at);
        const int minute = parts.MSecOfDay / 60000;
        ASSERT_TRUE(AddSongStats(*MainBase, songId, minute, static_cast<TDateTime>(parts.Days)));
        ASSERT_TRUE(
            AddArtistStats(*MainBase, artistId, minute, static_cast<TDateTime>(parts.Days)));
    }
};
