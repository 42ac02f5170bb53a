#include "LibraryFixture.h"
#include "library/uSongListQuery.h"

#include <QStringList>

// The song list read from the library: its order, its filters and its rows read a page at a
// time.

namespace {

class SongListQueryTest : public LibraryFixture {
protected:
    int Song(const char* artist, const char* title, int timeMs, const char* category = "4",
             const char* album = nullptr) {
        const int artistId = FindArtist(QString::fromUtf8(artist), true);
        TBaseSong song = MakeSong(artistId, QString::fromUtf8(title));
        song.SongTime = timeMs;
        song.Category = QString::fromLatin1(category);
        if (album)
            song.AlbumId = FindAlbum(QString::fromUtf8(album), artistId, true);
        bool added = false;
        const int id = AddSong(song, added);
        EXPECT_TRUE(added) << title;
        return id;
    }
    void SetUp() override {
        LibraryFixture::SetUp();
        Song("Abba", "Waterloo", 165000, "4", "Waterloo");
        Song("ABC", "Look of Love", 210000, "2");
        Song("Kabaret", "Abecadło", 180000);
        Song("Łzy", "Agnieszka", 240000, "2");
        Song("lady Pank", "Mniej niż zero", 179999);
        Song("Ładne Oczy", "Ćma", 200000);
    }
    QStringList Listed(TSongListQuery& list) {
        QStringList lines;
        for (int row = 0; row < list.Count(); ++row)
            lines.append(list.RowAt(row).Artist + QStringLiteral(" - ") + list.RowAt(row).Title);
        return lines;
    }
    QStringList Artists(const TSongFilter& filter, const QString& conditions = {}) {
        TSongListQuery list(Base(), {}, conditions);
        EXPECT_TRUE(list.Run(filter));
        QStringList artists;
        for (int row = 0; row < list.Count(); ++row)
            artists.append(list.RowAt(row).Artist);
        return artists;
    }
};

TEST_F(SongListQueryTest, ListsEverySongByPerformerInPolishOrder) {
    TSongListQuery list(Base());
    ASSERT_TRUE(list.Run());
    EXPECT_EQ(Listed(list),
              (QStringList{QStringLiteral("Abba - Waterloo"), QStringLiteral("ABC - Look of Love"),
                           QStringLiteral("Kabaret - Abecadło"),
                           QStringLiteral("lady Pank - Mniej niż zero"),
                           QStringLiteral("Ładne Oczy - Ćma"), QStringLiteral("Łzy - Agnieszka")}));
    const TSongListRow& first = list.RowAt(0);
    EXPECT_EQ(first.TimeMs, 165000);
    EXPECT_EQ(first.Album, QStringLiteral("Waterloo"));
    EXPECT_EQ(first.Category, 4);
    EXPECT_EQ(first.Info, QStringLiteral("opis"));
    EXPECT_EQ(list.RowOfSong(first.SongId), 0);
    EXPECT_EQ(list.RowAt(6).SongId, -1) << "out of range";
}

TEST_F(SongListQueryTest, FiltersKeepWhatTheyAskFor) {
    const struct {
        const char* What;
        TSongFilter Filter;
        QStringList Artists;
    } cases[] = {
        {"no filter", {}, {"Abba", "ABC", "Kabaret", "lady Pank", "Ładne Oczy", "Łzy"}},
        {"a prefix in any case, not inside a name",
         {TSongColumn::Artist, QStringLiteral("ab")},
         {"Abba", "ABC"}},
        {"Polish capitals folded", {TSongColumn::Artist, QStringLiteral("łz")}, {"Łzy"}},
        {"a title", {TSongColumn::Title, QStringLiteral("ĆM")}, {"Ładne Oczy"}},
        {"an album", {TSongColumn::Album, QStringLiteral("water")}, {"Abba"}},
        {"at least three minutes",
         {TSongColumn::Time, QStringLiteral("3:00")},
         {"ABC", "Kabaret", "Ładne Oczy", "Łzy"}},
        {"a time that is none asks for 1:40",
         {TSongColumn::Time, QStringLiteral("3:x")},
         {"Abba", "ABC", "Kabaret", "lady Pank", "Ładne Oczy", "Łzy"}},
        {"a song category", {TSongColumn::Category, {}, 2}, {"ABC", "Łzy"}},
        {"quotes are a value", {TSongColumn::Artist, QStringLiteral("a' OR '1'='1")}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        QStringList expected;
        for (const QString& artist : c.Artists)
            expected.append(artist);
        EXPECT_EQ(Artists(c.Filter), expected);
    }
}

TEST_F(SongListQueryTest, TheOpenersConditionsAndTheFilterBothHold) {
    const QString oneCategory = QStringLiteral("AND (BaseSongs.Category = \"4\") \r\n");
    EXPECT_EQ(Artists({}, oneCategory),
              (QStringList{"Abba", "Kabaret", "lady Pank", "Ładne Oczy"}));
    // "Ł" is a letter of its own, not an "L".
    EXPECT_EQ(Artists({TSongColumn::Artist, QStringLiteral("l")}, oneCategory),
              QStringList{"lady Pank"});
    EXPECT_EQ(Artists({TSongColumn::Artist, QStringLiteral("Ł")}, oneCategory),
              QStringList{"Ładne Oczy"});
}

TEST_F(SongListQueryTest, ReadsRowsAPageAtATimeAcrossALongList) {
    for (int i = 0; i < 250; ++i)
        Song("Zespół",
             QStringLiteral("Utwór %1").arg(i, 3, 10, QLatin1Char('0')).toUtf8().constData(), 1000);
    TSongListQuery list(Base());
    ASSERT_TRUE(list.Run());
    ASSERT_EQ(list.Count(), 256);
    // Backwards, so every page is read for a row in its middle first.
    for (int row = list.Count() - 1; row >= 6; --row)
        EXPECT_EQ(list.RowAt(row).Title,
                  QStringLiteral("Utwór %1").arg(row - 6, 3, 10, QLatin1Char('0')));
    EXPECT_EQ(list.AllRows().size(), 256);
}

TEST_F(SongListQueryTest, TimeFilterTexts) {
    const struct {
        const char* Text;
        int Ms;
    } cases[] = {{"3:00", 180000}, {"2:30.5", 150005}, {"0:59", 59000},
                 {"abc", 100000},  {":", 100000},      {"1:2:3", 100000}};
    for (const auto& c : cases)
        EXPECT_EQ(SongTimeFilterMs(QString::fromLatin1(c.Text)), c.Ms) << c.Text;
}

} // namespace
