#include "dayplan/uDayPlayList.h"
#include "library/uStatsCache.h"
#include "report/ReportFixture.h"
#include "report/uDayReportJson.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <functional>

// The report as JSON: what it holds, that it reads back as it was, and what is no report.

namespace {

class DayReportJsonTest : public ReportFixture {
protected:
    // A report with a broken rule, a relaxed one, a gap, a cut and a mix.
    TDayReport Varied() {
        Replace(4, AddTestSong({.Artist = "Ewelina", .Title = "Obca", .Category = 2}));
        const int song = AddTestSong({.Artist = "Ewelina", .Title = "Wczorajsza"});
        PlayedBefore(1, 7 * 60, song);
        Replace(1, song);
        Day[1]->Relaxed = RuleBit(TDayRule::Separation);
        Day[0]->Hour += 1500;
        Day[2]->SetSongTime(150000);
        return Report();
    }

    static QJsonObject Parsed(const TDayReport& report) {
        return QJsonDocument::fromJson(DayReportJsonText(report)).object();
    }
};

QStringList Keys(const QJsonObject& object) {
    QStringList keys = object.keys();
    keys.sort();
    return keys;
}

TEST_F(DayReportJsonTest, HoldsTheDayItsPositionsAndTheirTotals) {
    const TDayReport report = Varied();
    const QJsonObject json = Parsed(report);
    EXPECT_EQ(Keys(json), (QStringList{"date", "hours", "positions", "summary"}));
    EXPECT_EQ(json["date"].toString(), QStringLiteral("2024-05-15"));

    const QJsonArray positions = json["positions"].toArray();
    ASSERT_EQ(positions.size(), 5);
    const QJsonObject second = positions[1].toObject();
    EXPECT_EQ(Keys(second),
              (QStringList{"artist", "blank", "category", "checks", "end_ms", "own_hour", "slot",
                           "slot_start_ms", "song_id", "start_ms", "title"}));
    EXPECT_EQ(second["start_ms"].toInt(), Ms(7, 3, 20));
    EXPECT_EQ(second["end_ms"].toInt(), Ms(7, 6, 40));
    EXPECT_EQ(second["slot"].toString(), QStringLiteral("Hity"));
    EXPECT_EQ(second["category"].toInt(), 1);
    const QJsonObject checks = second["checks"].toObject();
    EXPECT_EQ(Keys(checks),
              (QStringList{"artist_frequency", "category", "characteristics", "labels",
                           "separation", "song_frequency", "time_blockades"}));
    EXPECT_EQ(checks["separation"].toString(), QStringLiteral("relaxed"));
    EXPECT_EQ(checks["labels"].toString(), QStringLiteral("ok"));
    EXPECT_EQ(positions[4].toObject()["checks"].toObject()["category"].toString(),
              QStringLiteral("broken"));
    const QJsonObject blank = positions[3].toObject();
    EXPECT_EQ(blank["song_id"].toInt(), -1);
    EXPECT_TRUE(blank["blank"].toBool());
    EXPECT_TRUE(blank["checks"].toObject().isEmpty());

    const QJsonObject summary = json["summary"].toObject();
    EXPECT_EQ(Keys(summary),
              (QStringList{"broken", "broken_by_rule", "cut_ms", "cuts", "fixed_hours", "gap_ms",
                           "gaps", "max_fixed_drift_ms", "max_gap_ms", "mix_ms", "mixes",
                           "positions", "relaxed", "relaxed_by_rule", "songs"}));
    EXPECT_EQ(summary["broken"].toInt(), 1);
    EXPECT_EQ(summary["broken_by_rule"].toObject(), (QJsonObject{{"category", 1}}));
    EXPECT_EQ(summary["relaxed_by_rule"].toObject(), (QJsonObject{{"separation", 1}}));
    EXPECT_EQ(summary["gaps"].toInt(), 1);
    EXPECT_EQ(summary["gap_ms"].toInt(), 50000);
    EXPECT_EQ(summary["cut_ms"].toInt(), 50000);
    EXPECT_EQ(summary["mix_ms"].toInt(), 1500);
    EXPECT_EQ(summary["max_fixed_drift_ms"].toInt(), 1500);

    const QJsonArray hours = json["hours"].toArray();
    ASSERT_EQ(hours.size(), 1);
    EXPECT_EQ(hours[0].toObject()["hour"].toInt(), 7);
    EXPECT_EQ(hours[0].toObject()["positions"].toInt(), 5);
}

TEST_F(DayReportJsonTest, ReadsBackAsItWas) {
    const TDayReport report = Varied();
    for (bool indented : {false, true}) {
        QString error;
        const auto read = ReadDayReportJson(DayReportJsonText(report, indented), &error);
        ASSERT_TRUE(read.has_value()) << error.toStdString();
        EXPECT_EQ(*read, report);
    }

    const QString path = DayReportPath(Date());
    EXPECT_TRUE(path.endsWith(QStringLiteral("/Plan/Historia/20240515.rpt.json")))
        << path.toStdString();
    QString error;
    ASSERT_TRUE(WriteDayReportFile(path, report, &error)) << error.toStdString();
    const auto stored = ReadDayReportFile(path, &error);
    ASSERT_TRUE(stored.has_value()) << error.toStdString();
    EXPECT_EQ(*stored, report);
    EXPECT_FALSE(ReadDayReportFile(path + QStringLiteral(".brak"), &error).has_value());
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(DayReportJsonTest, WhatIsNoReport) {
    const QJsonObject good = DayReportJson(Varied());
    const auto changed = [&](const std::function<void(QJsonObject&)>& change) {
        QJsonObject json = good;
        change(json);
        return QJsonDocument(json).toJson();
    };
    const auto inFirstPosition = [](QJsonObject& json,
                                    const std::function<void(QJsonObject&)>& change) {
        QJsonArray positions = json["positions"].toArray();
        QJsonObject first = positions[0].toObject();
        change(first);
        positions[0] = first;
        json["positions"] = positions;
    };
    const struct {
        const char* What;
        QByteArray Text;
    } cases[] = {
        {"no JSON", "raport"},
        {"an array", "[]"},
        {"cut off", QJsonDocument(good).toJson(QJsonDocument::Compact).chopped(10)},
        {"no summary", changed([](QJsonObject& json) { json.remove("summary"); })},
        {"no date", changed([](QJsonObject& json) { json["date"] = "15 maja"; })},
        {"a start as text", changed([&](QJsonObject& json) {
             inFirstPosition(json, [](QJsonObject& p) { p["start_ms"] = "07:00"; });
         })},
        {"a start that is no whole number", changed([&](QJsonObject& json) {
             inFirstPosition(json, [](QJsonObject& p) { p["start_ms"] = 1.5; });
         })},
        {"a rule no report has", changed([&](QJsonObject& json) {
             inFirstPosition(json, [](QJsonObject& p) {
                 QJsonObject checks = p["checks"].toObject();
                 checks["tempo"] = "ok";
                 p["checks"] = checks;
             });
         })},
        {"a result no report has", changed([&](QJsonObject& json) {
             inFirstPosition(json, [](QJsonObject& p) {
                 QJsonObject checks = p["checks"].toObject();
                 checks["labels"] = "maybe";
                 p["checks"] = checks;
             });
         })},
        {"a total that its parts do not make", changed([](QJsonObject& json) {
             QJsonObject summary = json["summary"].toObject();
             summary["broken"] = 7;
             json["summary"] = summary;
         })},
        {"an hour without its number", changed([](QJsonObject& json) {
             QJsonArray hours = json["hours"].toArray();
             QJsonObject hour = hours[0].toObject();
             hour.remove("hour");
             hours[0] = hour;
             json["hours"] = hours;
         })},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(ReadDayReportJson(c.Text, &error).has_value()) << c.What;
        EXPECT_FALSE(error.isEmpty()) << c.What;
    }
}

} // namespace

namespace {

// A stored report lies beside the history files but is none: the statistics must not take its
// day for accepted (after "Wstecz" or "Wyczyść historię" a stray one may be left there).
TEST_F(DayReportJsonTest, AStoredReportIsNoAcceptedDayForTheStatistics) {
    ASSERT_TRUE(WriteDayReportFile(DayReportPath(Date().addDays(1)), Report()));
    TDayPlayList pending;
    pending.Append(SongAt(First, Ms(7, 0), Hits->Id));
    ASSERT_TRUE(pending.SavePlanDay(Date()));

    TStatsCache cache(*MainBase);
    cache.LoadPlans();
    EXPECT_EQ(cache.CacheStart(), DayNumber());
    EXPECT_TRUE(cache.SongPlayed(First, DayNumber(), DayNumber() + 1));
}

} // namespace
