#pragma once

#include "foundation/uDateTime.h"
#include "foundation/uRandom.h"
#include "generator/uDrawContext.h"
#include "generator/uRandClassess.h"
#include "library/uDBMainBase.h"
#include "library/uLibraryEntities.h"
#include "library/uMainBaseQuery.h"
#include "library/uSongStore.h"
#include "library/uStatsCache.h"
#include "library/uStatsWriting.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/RestrictionSetup.h"
#include "support/TempStation.h"

#include <gtest/gtest.h>
#include <memory>

// The run side of a draw, without a generator.
class TTestDrawContext final : public IDrawContext {
public:
    TTestDrawContext(TDBMainBase& store, TDateTime day) : Cache(store), Date(day) {}

    TDrawRunData Run;
    TStatsCache Cache;
    TRandom Rand{12345};
    TDateTime Date;
    bool Cancelled = false;

    TRandedHistoryList& SongHistory() override { return Run.SongHistory; }
    TRandedHistoryList& ArtistHistory() override { return Run.ArtistHistory; }
    TStatsCache& Stats() override { return Cache; }
    TRandom& Random() override { return Rand; }
    TDateTime Day() const override { return Date; }
    TCandidateCache& Candidates() override { return Run.Candidates; }
    TArtistRulesCache& Artists() override { return Run.Artists; }
    bool CheckCancelled() override { return Cancelled; }
};

// What a test song differs in; everything else is plain.
struct TTestSong {
    QString Artist = QStringLiteral("Wykonawca");
    QString Title;
    int Category = 1;
    int Time = 200000;
    int Type = -1;
    int Tempo = -1;
    int Year = -1;
    int Label1 = -1;
    int Label2 = -1;
    int FreqRest = -1;
    int TimeRest = -1;
    int NStart = -1;
    int NEnd = -1;
    int Mix = 0;
};

// A station with the default settings, its library store and a draw context for a Wednesday.
class GeneratorFixture : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    std::unique_ptr<TTestDrawContext> Context;

    static TDateTime Day() { return *TryEncodeDate(2024, 5, 15); }

    void SetUp() override {
        Station.CopyDefaultStation();
        InitOptions();
        InitMainBase();
        ASSERT_TRUE(MainBase);
        Context = std::make_unique<TTestDrawContext>(*MainBase, Day());
    }
    void TearDown() override {
        Context.reset();
        DoneMainBase();
        DoneOptions();
    }

    static int ArtistId(const QString& name) { return FindArtist(name, true); }

    static int AddTestSong(const TTestSong& wanted) {
        TBaseSong song;
        song.Title = wanted.Title;
        song.ArtistId = ArtistId(wanted.Artist);
        song.Category = QString::number(wanted.Category);
        song.SongTime = wanted.Time;
        song.CharType = wanted.Type;
        song.Tempo = wanted.Tempo;
        song.Year = wanted.Year;
        song.Label1Id = wanted.Label1;
        song.Label2Id = wanted.Label2;
        song.FreqRest = wanted.FreqRest;
        song.TimeRest = wanted.TimeRest;
        song.NStart = wanted.NStart;
        song.NEnd = wanted.NEnd;
        song.Mix = wanted.Mix;
        bool added = false;
        const int id = AddSong(song, added);
        EXPECT_TRUE(added) << wanted.Title.toStdString();
        return id;
    }

    // The song placed in the day being drawn, starting at the minute.
    void PlaceInDay(int songId, int artistId, int minute) {
        const TAllowedSong song(songId, 1, 0, 1000, 1000, artistId);
        Context->Run.AddHistory(song, minute * 60000);
    }

    // An accepted play on an earlier day.
    static void PlayedOn(TDateTime day, int minute, int songId, int artistId) {
        ASSERT_TRUE(AddSongStats(*MainBase, songId, minute, day));
        ASSERT_TRUE(AddArtistStats(*MainBase, artistId, minute, day));
    }

    template <class T> std::unique_ptr<T> MakeSlot(int catId = 1) {
        auto slot = std::make_unique<T>(catId);
        slot->Owner = Context.get();
        return slot;
    }
};
