#pragma once

#include "clocks/uCategory.h"
#include "clocks/uClock.h"
#include "clocks/uClockObjList.h"
#include "dayplan/uStores.h"
#include "foundation/uDateTime.h"
#include "library/uDBMainBase.h"
#include "library/uLibraryEntities.h"
#include "library/uMainBaseQuery.h"
#include "library/uSongStore.h"
#include "library/uStatsWriting.h"
#include "report/uDayReportBuilder.h"
#include "report/uEarlierPlays.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/RestrictionSetup.h"
#include "support/TempStation.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

// A station with the default settings and a tiny library, and a hand-made morning of a
// Wednesday that keeps every rule:
//
//   row  start     slot      song                     rules in force
//   0    07:00:00  Hity *    "Pierwszy" (Ania)        song group: 3 hours between plays
//   1    07:03:20  Hity      "Drugi" (Bartek)         Bartek's group: 1 hour between plays
//   2    07:06:40  Ballady   "Ballada" (Celina)       the row asks for tempo "Wolne"
//   3    07:10:00  Reklama   blank, 60 s
//   4    07:11:00  Hity      "Czwarty" (Darek)
//
// (* a fixed hour; every song 200 s, each position starting as the one before ends). Hity and
// Ballady apply the separation schedule (2 days back, 1 hour either side); the label "Zakazana"
// is blocked; the blockade "Rano" covers 7:00-8:00.
class ReportFixture : public ::testing::Test {
protected:
    static constexpr int kSongMs = 200000;
    static constexpr int kBlankMs = 60000;

    // Made anew by every SetUp, so a test may start over with a fresh station.
    std::unique_ptr<TTempStation> Station;
    TRecordingPrompt Prompt;

    TBaseClockObject* Hits = nullptr;
    TBaseClockObject* Ballads = nullptr;
    TBaseClockObject* Advert = nullptr;

    int BlockedLabel = -1;
    int MorningBlockade = -1;
    int ThreeHours = -1; // a song group
    int OneHour = -1;    // an artist group
    int Bartek = -1;

    int First = -1;  // "Pierwszy"
    int Second = -1; // "Drugi"
    int Ballad = -1; // "Ballada"
    int Fourth = -1; // "Czwarty"

    std::unique_ptr<TClock> Clock;
    std::vector<TClockObjData*> Rows;
    std::vector<std::unique_ptr<TResultSongData>> Day;

    static QDate Date() { return QDate(2024, 5, 15); }
    static TDateTime DayNumber() { return DateToDateTime(Date()); }
    static constexpr int Ms(int hours, int minutes, int seconds = 0) {
        return ((hours * 60 + minutes) * 60 + seconds) * 1000;
    }

    void SetUp() override {
        Station = std::make_unique<TTempStation>();
        Station->CopyDefaultStation();
        ASSERT_TRUE(BringUpStores());
        Hits = AddCategory(QStringLiteral("Hity"), 1);
        Ballads = AddCategory(QStringLiteral("Ballady"), 2);
        auto advert = std::make_unique<TBlankCategory>();
        advert->SetName(QStringLiteral("Reklama"));
        advert->SetPlayTime(kBlankMs / 1000);
        advert->Info = QStringLiteral("Reklama");
        Advert = CategoryList->AddObject(std::move(advert));

        BlockedLabel = FindLabel(QStringLiteral("Zakazana"), true);
        DisabledLabels->Replace({{QStringLiteral("Zakazana"), BlockedLabel}});
        auto morning = std::make_unique<TArTimeRange>();
        morning->Name = QStringLiteral("Rano");
        morning->AddHours(7, 8);
        MorningBlockade = TimeRanges->Add(std::move(morning));
        ThreeHours = AddTestFreqGroup(3, fpHours);
        OneHour = AddTestFreqGroup(1, fpHours);
        Separations->SetBlockDayCount(2);
        Separations->SetHours(1);

        Bartek = FindArtist(QStringLiteral("Bartek"), true);
        SetTestArtistRules(Bartek, -1, -1, OneHour);
        First = AddTestSong({.Artist = "Ania", .Title = "Pierwszy", .FreqRest = ThreeHours});
        Second = AddTestSong({.Artist = "Bartek", .Title = "Drugi"});
        Ballad = AddTestSong({.Artist = "Celina", .Title = "Ballada", .Category = 2, .Tempo = 1});
        Fourth = AddTestSong({.Artist = "Darek", .Title = "Czwarty"});

        BuildClock();
        BuildDay();
        Prompt.Clear();
    }
    void TearDown() override {
        Day.clear();
        Rows.clear();
        Clock.reset();
        ReleaseStores();
        Station.reset();
    }

    static TBaseClockObject* AddCategory(const QString& name, int songCategory) {
        auto category = std::make_unique<TCategory>();
        category->SetName(name);
        category->SetSCat(static_cast<quint8>(songCategory));
        category->SetExTime(false);
        category->SetRest(false);
        category->SetSepEnb(smOn);
        return CategoryList->AddObject(std::move(category));
    }

    // What a test song differs in.
    struct TTestSong {
        const char* Artist = "Wykonawca";
        const char* Title = "";
        int Category = 1;
        int Tempo = -1;
        int Year = -1;
        int Label1 = -1;
        int TimeRest = -1;
        int FreqRest = -1;
        int Time = kSongMs;
    };

    static int AddTestSong(const TTestSong& wanted) {
        TBaseSong song;
        song.Title = QString::fromUtf8(wanted.Title);
        song.ArtistId = FindArtist(QString::fromUtf8(wanted.Artist), true);
        song.Category = QString::number(wanted.Category);
        song.SongTime = wanted.Time;
        song.Tempo = wanted.Tempo;
        song.Year = wanted.Year;
        song.Label1Id = wanted.Label1;
        song.TimeRest = wanted.TimeRest;
        song.FreqRest = wanted.FreqRest;
        bool added = false;
        const int id = AddSong(song, added);
        EXPECT_TRUE(added) << wanted.Title;
        return id;
    }

    TClockObjData* AddRow(const TBaseClockObject& object, int startMs, bool fixed = false) {
        TClockObjData* row = Clock->InsertObjects(object, nullptr, ipAfter);
        EXPECT_NE(row, nullptr);
        row->RowHour = startMs / 1000;
        row->SetOwnHour(fixed);
        Rows.push_back(row);
        return row;
    }

    void BuildClock() {
        Rows.clear();
        Clock = std::make_unique<TClock>();
        AddRow(*Hits, Ms(7, 0), true);
        AddRow(*Hits, Ms(7, 3, 20));
        AddRow(*Ballads, Ms(7, 6, 40))->CharText(ccTempo) = QStringLiteral("Wolne");
        AddRow(*Advert, Ms(7, 10));
        AddRow(*Hits, Ms(7, 11));
    }

    // A song position as the generator makes it: the song read from the library.
    static std::unique_ptr<TResultSongData> SongAt(int songId, int startMs, int catId,
                                                   int time = kSongMs) {
        auto position = std::make_unique<TResultSongData>();
        EXPECT_TRUE(ReadSong(*position, songId));
        position->SongId = songId;
        position->DbTime = position->SongTime;
        position->SetSongTime(time);
        position->Hour = startMs;
        position->CatId = catId;
        position->CategoryName = CategoryNameOfId(catId);
        position->Mixed = 0;
        return position;
    }
    static std::unique_ptr<TResultSongData> BlankAt(int startMs, int catId, int time) {
        auto position = std::make_unique<TResultSongData>();
        position->Blank = true;
        position->Title = QStringLiteral("Reklama");
        position->SetSongTime(time);
        position->DbTime = time;
        position->Category = QStringLiteral("10");
        position->Hour = startMs;
        position->CatId = catId;
        position->CategoryName = CategoryNameOfId(catId);
        return position;
    }

    void BuildDay() {
        Day.push_back(SongAt(First, Ms(7, 0), Hits->Id));
        Day.back()->OwnHour = true;
        Day.push_back(SongAt(Second, Ms(7, 3, 20), Hits->Id));
        Day.push_back(SongAt(Ballad, Ms(7, 6, 40), Ballads->Id));
        Day.push_back(BlankAt(Ms(7, 10), Advert->Id, kBlankMs));
        Day.push_back(SongAt(Fourth, Ms(7, 11), Hits->Id));
    }

    // Puts another song into the position, keeping its time and slot.
    void Replace(int index, int songId) {
        const TResultSongData& old = *Day.at(index);
        auto position = SongAt(songId, old.Hour, old.CatId, old.SongTime);
        position->OwnHour = old.OwnHour;
        Day.at(index) = std::move(position);
    }

    // An accepted play on a day before the reported one (days back, at the minute).
    static void PlayedBefore(int daysBack, int minute, int songId) {
        const TDateTime day = DayNumber() - daysBack;
        ASSERT_TRUE(AddSongStats(*MainBase, songId, minute, day));
        ASSERT_TRUE(AddArtistStats(*MainBase, SongArtistId(songId), minute, day));
    }

    std::vector<const TResultSongData*> Positions() const {
        std::vector<const TResultSongData*> positions;
        for (const auto& position : Day)
            positions.push_back(position.get());
        return positions;
    }

    TDayReport Report(bool withClock = true) {
        TStatsEarlierPlays earlier(*MainBase, Date(), ReportLookbackDays());
        std::optional<TDayReport> report = BuildDayReport(
            {Date(), Positions(), withClock ? Clock.get() : nullptr, MainBase.get(), &earlier});
        EXPECT_TRUE(report.has_value());
        return report.value_or(TDayReport{});
    }

    static std::optional<TRuleResult> ResultOf(const TPositionReport& position, TDayRule rule) {
        return position.Checks[static_cast<int>(rule)];
    }
};
