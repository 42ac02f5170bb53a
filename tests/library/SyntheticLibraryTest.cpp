#include "LibraryFixture.h"
#include "synthetic/uSyntheticLibrary.h"

#include <QSet>
#include <algorithm>

namespace {

TSyntheticLibraryOptions SmallOptions(std::uint32_t seed) {
    TSyntheticLibraryOptions options;
    options.Seed = seed;
    options.Songs = 300;
    options.Artists = 40;
    options.Albums = 30;
    options.Labels = 10;
    options.CharCombinations = 50;
    options.TimeRestIds = {3, 4};
    options.FreqGroupIds = {8};
    options.RestrictedShare = 0.5;
    return options;
}

QString Fingerprint(const TSyntheticLibrary& library) {
    QStringList parts;
    for (int i = 0; i < library.SongCount(); ++i) {
        const TSongData song = library.Song(i);
        parts.append(QStringLiteral("%1|%2|%3|%4|%5|%6")
                         .arg(song.ArtistName, song.Title, song.AlbumTitle, library.Label1Value(i))
                         .arg(song.SongTime)
                         .arg(song.CharType));
    }
    return parts.join(QLatin1Char('\n'));
}

TEST(SyntheticLibrary, TheSeedDecidesTheLibrary) {
    const TSyntheticLibrary first(SmallOptions(5));
    const TSyntheticLibrary again(SmallOptions(5));
    const TSyntheticLibrary other(SmallOptions(6));
    EXPECT_EQ(first.SongCount(), 300);
    EXPECT_EQ(Fingerprint(first), Fingerprint(again));
    EXPECT_NE(Fingerprint(first), Fingerprint(other));
}

TEST(SyntheticLibrary, NamesAreDistinctAsTheStoreComparesThem) {
    TSyntheticLibraryOptions options = SmallOptions(1);
    options.Artists = 3000; // more than the plain combinations of words give easily
    options.Songs = 3000;
    const TSyntheticLibrary library(options);
    QSet<QString> artists;
    for (const QString& name : library.ArtistNames())
        artists.insert(name.toLower());
    EXPECT_EQ(artists.size(), 3000);
    QSet<QString> songs;
    for (int i = 0; i < library.SongCount(); ++i) {
        const TSongData song = library.Song(i);
        songs.insert(song.ArtistName.toLower() + QLatin1Char('|') + song.Title.toLower());
        ASSERT_FALSE(song.Title.isEmpty());
        ASSERT_GT(song.SongTime, 0);
        if (song.NEnd != -1) {
            ASSERT_LT(song.NStart, song.NEnd);
        }
    }
    EXPECT_EQ(songs.size(), library.SongCount());
}

// With a mix, the songs go to its categories by weight, take their category's years and
// mostly the values it leans to.
TEST(SyntheticLibrary, ACategoryMixDecidesCategoriesYearsAndLeanings) {
    TSyntheticLibraryOptions options = SmallOptions(2);
    options.Songs = 2000;
    options.CharCombinations = 400;
    TSyntheticCategory recent;
    recent.Id = 11;
    recent.Weight = 1;
    recent.FirstYear = 2024;
    recent.LastYear = 2025;
    TSyntheticCategory slow;
    slow.Id = 6;
    slow.Weight = 3;
    slow.Leanings[ckTempo] = {{1}, 0.8};
    TSyntheticCategory none; // no weight, no songs
    none.Id = 9;
    none.Weight = 0;
    options.CategoryMix = {recent, slow, none};

    const TSyntheticLibrary library(options);
    int recentSongs = 0;
    int slowSongs = 0;
    int slowTempo = 0;
    for (int i = 0; i < library.SongCount(); ++i) {
        const TSongData song = library.Song(i);
        if (song.Category == QStringLiteral("11")) {
            ++recentSongs;
            EXPECT_TRUE(song.Year == 2024 || song.Year == 2025) << song.Year;
        } else {
            ASSERT_EQ(song.Category, QStringLiteral("6"));
            ++slowSongs;
            slowTempo += song.Tempo == 1 ? 1 : 0;
        }
    }
    // A quarter and three quarters, give or take the chance.
    EXPECT_GT(recentSongs, 400);
    EXPECT_LT(recentSongs, 600);
    // 80 per cent lean to tempo 1, and a fifth of the rest (one of five values) takes it too.
    EXPECT_GT(slowTempo, slowSongs * 3 / 4);
}

class SyntheticStoreTest : public LibraryFixture {};

TEST_F(SyntheticStoreTest, TheLibraryIsStoredAsAnImportWould) {
    const TSyntheticLibraryOptions options = SmallOptions(3);
    const TSyntheticLibrary library(options);
    int lastReport = 0;
    EXPECT_EQ(StoreSyntheticLibrary(library, [&](int done) { lastReport = done; }), 300);
    EXPECT_EQ(lastReport, 300);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
    EXPECT_EQ(Rows(tiBaseSongs), 300);
    EXPECT_EQ(Rows(tiDatSongs), 300);
    EXPECT_EQ(Rows(tiDataSongs), 300);
    EXPECT_EQ(Rows(tiZSongs), 300);
    EXPECT_LE(Rows(tiArtists), options.Artists);
    EXPECT_LE(Rows(tiAlbums), options.Albums);
    EXPECT_LE(Rows(tiLabels), options.Labels);
    EXPECT_LE(Rows(tiChars), options.CharCombinations);

    // A song read back is the generated one, and a share carries restrictions.
    int restricted = 0;
    for (int i = 0; i < library.SongCount(); ++i) {
        const TSongData song = library.Song(i);
        const int artist = FindArtist(song.ArtistName, false);
        const std::optional<TDBRecord> row =
            Base().BaseSongsTable().Locate(QStringLiteral("Art_Id;Title"), {artist, song.Title});
        ASSERT_TRUE(row) << S(song.Title);
        EXPECT_EQ(row->AsInteger(QStringLiteral("Label1_Id")), LabelIdOf(library.Label1Value(i)));
        const int timeRest = row->AsInteger(QStringLiteral("Time_Rest"));
        if (timeRest != -1) {
            ++restricted;
            EXPECT_TRUE(timeRest == 3 || timeRest == 4);
            EXPECT_EQ(row->AsInteger(QStringLiteral("Freq_Rest")), 8);
        }
    }
    EXPECT_GT(restricted, 100);
    EXPECT_LT(restricted, 200);

    // Storing it again adds nothing: every song is already there.
    EXPECT_EQ(StoreSyntheticLibrary(library), 0);
    EXPECT_EQ(Rows(tiBaseSongs), 300);
}

TEST_F(SyntheticStoreTest, AFailureKeepsNothing) {
    const TSyntheticLibrary library(SmallOptions(4));
    Base().Connection().exec("CREATE TEMP TRIGGER fail_late BEFORE INSERT ON main.ZSongs WHEN "
                             "new.ZSong_Id > 200 BEGIN SELECT RAISE(ABORT, 'dysk pełny'); END");
    EXPECT_EQ(StoreSyntheticLibrary(library), -1);
    EXPECT_EQ(Prompt.Errors(), QStringList{QStringLiteral("Błąd zapisu: dysk pełny.")});
    EXPECT_EQ(Rows(tiBaseSongs), 0);
    EXPECT_EQ(Rows(tiArtists), 0);
    EXPECT_EQ(Rows(tiLabels), 0);
}

TEST_F(SyntheticStoreTest, TheStationsSettingsGiveTheValues) {
    Options = std::make_unique<TArOptions>();
    for (int id : {3, 5, 9}) {
        TArSongCat category;
        category.Id = id;
        category.Name = QStringLiteral("Kategoria %1").arg(id);
        category.Db = id != 5; // not kept in the library
        Options->Categories().AddCategory(category);
    }
    Options->AddCharValue(ckType, QStringLiteral("Rock"));
    const int tempo = Options->AddCharValue(ckTempo, QStringLiteral("Szybkie"));
    FreqGroups->Add(std::make_unique<TArFreqGroup>());
    TSyntheticLibraryOptions options = SyntheticOptionsFromSettings();
    Options.reset();
    EXPECT_EQ(options.Categories, (std::vector<int>{3, 9}));
    EXPECT_EQ(options.CharValues[ckType].size(), 1u);
    EXPECT_EQ(options.CharValues[ckTempo], std::vector<int>{tempo});
    EXPECT_TRUE(options.CharValues[ckVocal].empty());
    EXPECT_EQ(options.FreqGroupIds.size(), 1u);

    options.Songs = 20;
    const TSyntheticLibrary library(options);
    for (int i = 0; i < library.SongCount(); ++i) {
        const TSongData song = library.Song(i);
        EXPECT_TRUE(song.Category == QStringLiteral("3") || song.Category == QStringLiteral("9"));
        EXPECT_EQ(song.Tempo, tempo);
        EXPECT_EQ(song.Vocal, -1);
    }
}

} // namespace
