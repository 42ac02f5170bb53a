#pragma once

#include "library/uDBMainBase.h"
#include "library/uLibraryEntities.h"
#include "library/uSongStore.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestText.h"

#include <QByteArray>
#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>
#include <string>

// A station with an empty library store, the frequency groups (default artist group 7) and a
// recording prompt; everything is released at the end.
class LibraryFixture : public ::testing::Test {
protected:
    static constexpr int kDefaultArtistGroup = 7;

    TTempStation Station;
    TRecordingPrompt Prompt;

    void SetUp() override {
        FreqGroups = std::make_unique<TArFreqGroups>();
        FreqGroups->SetDefArtGr(kDefaultArtistGroup);
        InitMainBase();
        ASSERT_TRUE(MainBase);
    }
    void TearDown() override {
        DoneMainBase();
        FreqGroups.reset();
    }

    TDBMainBase& Base() { return *MainBase; }

    // Rows of a table other than its -1 row.
    int Rows(TTableId id) {
        TDBTable& table = Base().Table(id);
        return table.RecordCount() - (table.Locate(table.KeyField(), {-1}) ? 1 : 0);
    }

    // A complete song of the artist, every field set.
    static TBaseSong MakeSong(int artistId, const QString& title) {
        TBaseSong song;
        song.Title = title;
        song.ArtistId = artistId;
        song.Category = QStringLiteral("4");
        song.Info = QStringLiteral("opis");
        song.CharType = 1;
        song.Tempo = 2;
        song.TempoIn = 3;
        song.TempoOut = 4;
        song.Vocal = 5;
        song.Atmosphere = 6;
        song.Language = 7;
        song.Year = 1999;
        song.SongTime = 200000;
        song.Intro = 1000;
        song.Outro = 190000;
        song.FadeIn = 500;
        song.FadeOut = 195000;
        song.Mix = 192000;
        song.NStart = -1;
        song.NEnd = -1;
        song.Compress = QStringLiteral("MPEG");
        song.Frequ = 44100;
        song.Mode = 2;
        song.Quality = QStringLiteral("HQ");
        song.Code = QStringLiteral("K1");
        song.OwnerId = 3;
        song.CreateDate = 45000.5;
        song.Path = QStringLiteral("/muzyka/");
        song.FileName = QStringLiteral("plik.mp3");
        song.Composer = QStringLiteral("Kompozytor");
        song.TextAuthor = QStringLiteral("Autor");
        song.Producer = QStringLiteral("Producent");
        song.Publisher = QStringLiteral("Wydawca");
        song.Year2 = 2000;
        song.TimeRest = 11;
        song.TimeRest2 = 12;
        song.TimeRest3 = 13;
        song.FreqRest = 14;
        return song;
    }

    // Adds a song and expects it to be stored.
    int StoreSong(int artistId, const QString& title) {
        bool added = false;
        const int id = AddSong(MakeSong(artistId, title), added);
        EXPECT_NE(id, -1) << S(title);
        EXPECT_TRUE(added) << S(title);
        return id;
    }

    void AddStatsRows(TDBTable& table, int id, int count) {
        for (int i = 0; i < count; ++i)
            table.Append({{QStringLiteral("StatsId"), id},
                          {QStringLiteral("StatsVal"), QByteArray(4, '\1')},
                          {QStringLiteral("EndId"), 0}});
    }

    // Every statement of the kind ("INSERT", "UPDATE", "DELETE") on the table fails with
    // "dysk pełny" from now on (for this connection).
    void MakeFail(const char* event, const char* table) {
        Base().Connection().exec(std::string("CREATE TEMP TRIGGER fail_") + event + "_" + table +
                                 " BEFORE " + event + " ON main." + table +
                                 " BEGIN SELECT RAISE(ABORT, 'dysk pełny'); END");
    }
    void StopFailing(const char* event, const char* table) {
        Base().Connection().exec(std::string("DROP TRIGGER temp.fail_") + event + "_" + table);
    }
};
