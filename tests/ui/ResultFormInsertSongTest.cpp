#include "FindChild.h"
#include "ResultFormFixture.h"
#include "library/uDBMainBase.h"
#include "library/uLibraryEntities.h"
#include "library/uSongStore.h"
#include "ui/uResultModel.h"

#include <QAction>
#include <QMenu>
#include <optional>

// "Nowy utwór" of the play-list view's "&Dodaj" menu: a song of the library placed after the
// focused row, the rows around it mixed and moved as the song categories say.

namespace {

class ResultFormInsertSong : public ResultFormFixture {
protected:
    int Spot = -1;

    void SetUp() override {
        ResultFormFixture::SetUp();
        FreqGroups = std::make_unique<TArFreqGroups>();
        InitMainBase();
        ASSERT_TRUE(MainBase);
        TBaseSong song;
        song.ArtistId = FindArtist(QStringLiteral("Agencja"), true);
        song.Title = QStringLiteral("Spot");
        song.SongTime = Ms(0, 30);
        song.Category = QString::number(kAdvert);
        bool added = false;
        Spot = AddSong(song, added);
        ASSERT_TRUE(added);
    }
    void TearDown() override {
        ResultFormFixture::TearDown();
        DoneMainBase();
        FreqGroups.reset();
    }

    void ChooseNewSong(std::optional<int> songId) {
        Form->SongPicker = [songId] { return songId; };
        FindChild<QAction>(*Form, "neNewSong")->trigger();
    }
};

TEST_F(ResultFormInsertSong, TheSongFollowsTheFocusedRowMixedIntoIt) {
    Show({{kMusic, Ms(10), Ms(3)}, {kMusic, Ms(13), Ms(3)}});
    EXPECT_EQ(Form->AddMenu()->actions().value(0)->text(), QStringLiteral("Nowy utwór"));
    Form->FocusRow(0);
    ChooseNewSong(Spot);
    EXPECT_EQ(Titles(), QStringLiteral("ASpotB"));
    // Music mixes into an advert 4 s before its end; the advert mixes into nothing.
    const TResultSongData& before = List.Position(0);
    EXPECT_EQ(before.Mixed, 4000);
    EXPECT_EQ(before.PlayTime, Ms(2, 56));
    EXPECT_EQ(Hours(), (std::vector<int>{Ms(10), Ms(12, 56), Ms(13, 26)}));
    const TResultSongData& inserted = List.Position(1);
    EXPECT_EQ(inserted.SongId, Spot);
    EXPECT_EQ(inserted.DbTime, Ms(0, 30));
    EXPECT_EQ(inserted.ArtistName, QStringLiteral("Agencja"));
    EXPECT_EQ(Form->FocusedRow(), 1);
}

TEST_F(ResultFormInsertSong, NothingIsAddedWithoutASongToRead) {
    Show(FourRows());
    Form->FocusRow(1);
    ChooseNewSong(std::nullopt);
    ASSERT_TRUE(DeleteSong(Spot));
    ChooseNewSong(Spot);
    EXPECT_EQ(Titles(), QStringLiteral("ABCD"));
    EXPECT_EQ(Hours(), (std::vector<int>{Ms(10), Ms(13), Ms(16), Ms(19)}));
}

TEST_F(ResultFormInsertSong, IntoAnEmptyDayTheSongStartsIt) {
    Show({});
    ChooseNewSong(Spot);
    ASSERT_EQ(List.Count(), 1);
    EXPECT_EQ(List.Position(0).Hour, 0);
}

} // namespace
