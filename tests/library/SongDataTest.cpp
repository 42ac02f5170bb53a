#include "library/uSongData.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace {

TEST(SongData, ANewSongIsUnsetEverywhere) {
    const TResultSongData song;
    EXPECT_EQ(S(song.Category), "1");
    for (int value : {song.SongId,     song.ArtistId,  song.AlbumId,  song.Label1Id, song.Label2Id,
                      song.CharType,   song.Tempo,     song.TempoIn,  song.TempoOut, song.Vocal,
                      song.Atmosphere, song.Language,  song.Year,     song.SongTime, song.FadeIn,
                      song.FadeOut,    song.Mix,       song.Intro,    song.Outro,    song.NStart,
                      song.NEnd,       song.Frequ,     song.OwnerId,  song.Year2,    song.TimeRest,
                      song.TimeRest2,  song.TimeRest3, song.FreqRest, song.PlayTime, song.CatId,
                      song.DbTime,     song.Mixed})
        EXPECT_EQ(value, -1);
    EXPECT_EQ(song.Mode, 0);
    EXPECT_EQ(song.CreateDate, 0);
    EXPECT_TRUE(song.Selected);
    EXPECT_FALSE(song.Blank);
    EXPECT_FALSE(song.OwnHour);
    EXPECT_FALSE(song.HasPlayFile);
    EXPECT_EQ(song.Hour, 0);
    EXPECT_EQ(song.Owner, nullptr);
}

TEST(SongData, APlayListPositionPlaysAsLongAsItsSong) {
    TResultSongData position;
    TBaseSong& asSong = position;
    asSong.SetSongTime(180000);
    EXPECT_EQ(position.SongTime, 180000);
    EXPECT_EQ(position.PlayTime, 180000);

    TBaseSong plain;
    plain.SetSongTime(1000);
    EXPECT_EQ(plain.SongTime, 1000);
}

TEST(SongData, CloneKeepsTheKindAndTheFields) {
    TResultSongData position;
    position.Title = QStringLiteral("Autobiografia");
    position.ArtistName = QStringLiteral("Perfect");
    position.Hour = 3600000;
    position.SetSongTime(240000);
    const TBaseSong& base = position;
    const std::unique_ptr<TBaseSong> copy = base.Clone();
    const auto* clone = dynamic_cast<const TResultSongData*>(copy.get());
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(S(clone->Title), "Autobiografia");
    EXPECT_EQ(S(clone->ArtistName), "Perfect");
    EXPECT_EQ(clone->Hour, 3600000);
    EXPECT_EQ(clone->PlayTime, 240000);
    // The clone is a copy: setting its time leaves the original alone.
    copy->SetSongTime(1);
    EXPECT_EQ(position.PlayTime, 240000);
    EXPECT_NE(dynamic_cast<TSongData*>(TSongData().Clone().get()), nullptr);
}

struct TFileCase {
    QString Path;
    QString FileName;
    QString Full;
};

TEST(SongData, TheAudioFileIsItsDirectoryFollowedByItsName) {
    const TFileCase cases[] = {
        {QStringLiteral("/muzyka/"), QStringLiteral("a.mp3"), QStringLiteral("/muzyka/a.mp3")},
        {QStringLiteral("/muzyka"), QStringLiteral("a.mp3"), QStringLiteral("/muzyka/a.mp3")},
        {QStringLiteral("D:\\Muzyka\\"), QStringLiteral("a.mp3"),
         QStringLiteral("D:\\Muzyka\\a.mp3")},
        {QStringLiteral("D:\\Muzyka"), QStringLiteral("a.mp3"),
         QStringLiteral("D:\\Muzyka\\a.mp3")},
        {QString(), QStringLiteral("a.mp3"), QStringLiteral("a.mp3")},
    };
    for (const TFileCase& c : cases) {
        TResultSongData song;
        song.Path = c.Path;
        song.SetFileName(c.FileName);
        EXPECT_EQ(S(song.FullFileName()), S(c.Full));
    }

    TResultSongData song;
    song.SetFullFileName(QStringLiteral("/muzyka/rock/Łzy.mp3"));
    EXPECT_EQ(S(song.Path), "/muzyka/rock/");
    EXPECT_EQ(S(song.FileName), "Łzy.mp3");
    song.SetFullFileName(QStringLiteral("D:\\Muzyka\\x.wav"));
    EXPECT_EQ(S(song.Path), "D:\\Muzyka\\");
    EXPECT_EQ(S(song.FileName), "x.wav");
    song.SetFullFileName(QStringLiteral("samo.mp3"));
    EXPECT_TRUE(song.Path.isEmpty());
    EXPECT_EQ(S(song.FullFileName()), "samo.mp3");
}

} // namespace
