#include "FindChild.h"
#include "ModelCheck.h"
#include "dayplan/uStores.h"
#include "library/uDBMainBase.h"
#include "library/uDBSchema.h"
#include "library/uEntityEditing.h"
#include "library/uLibraryEntities.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestText.h"
#include "ui/library/uAlbumsDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The albums dialog as the song window opens it: the performer's albums listed, edited as a
// list, stored on OK, and the selected one handed back.

namespace {

// An artist with three albums, and another artist with one.
class AlbumsDialogTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    int Artist = -1, Other = -1;
    int Zorro = -1, Ballads = -1, Eight = -1, Foreign = -1;

    void SetUp() override {
        Station.CopyDefaultStation();
        ASSERT_TRUE(BringUpStores());
        Artist = FindArtist(U("Maanam"), true);
        Other = FindArtist(U("Kult"), true);
        Zorro = AddAlbum(Artist, "Zorro", 1999);
        Ballads = AddAlbum(Artist, "ballady", -1);
        Eight = AddAlbum(Artist, "Ósemka", 1986);
        Foreign = AddAlbum(Other, "Spokojnie", 1988);
        Prompt.Clear();
    }
    void TearDown() override { ReleaseStores(); }

    static int AddAlbum(int artistId, const char* title, int year) {
        QList<TAlbumEntry> entries{{-1, U(title), year, false}};
        EXPECT_TRUE(SaveArtistAlbums(artistId, entries));
        return entries.first().Id;
    }

    // The album's stored title, year (-1 for none) and artist.
    struct TStoredAlbum {
        QString Title;
        int Year = -1;
        int ArtistId = -1;
    };
    static TStoredAlbum Stored(int albumId) {
        const std::optional<TDBRecord> row =
            MainBase->AlbumsTable().Locate(Col::Album_Id, {albumId});
        if (!row)
            return {};
        return {row->AsString(Col::Album_Title),
                row->IsNull(Col::Album_Year) ? -1 : row->AsInteger(Col::Album_Year),
                row->AsInteger(Col::Album_Art_Id)};
    }

    static QStringList Rows(const QTableView& grid) {
        QStringList rows;
        for (int row = 0; row < grid.model()->rowCount(); ++row)
            rows.append(grid.model()->index(row, 0).data().toString() + QLatin1Char('/') +
                        grid.model()->index(row, 1).data().toString());
        return rows;
    }
    static QString SelectedTitle(const QTableView& grid) {
        const QModelIndexList rows = grid.selectionModel()->selectedRows();
        return rows.isEmpty() ? QString() : rows.first().data().toString();
    }
    static void SelectRow(QTableView& grid, int row) { grid.selectRow(row); }
};

TEST_F(AlbumsDialogTest, TheArtistsAlbumsAreListedByTitleAndTheChosenOneIsGiven) {
    const auto choose = [this](QDialog& dialog) {
        TModelCheck check(FindChild<QTableView>(dialog, "tvAlbums")->model());
        EXPECT_EQ(dialog.windowTitle(), U("Albumy"));
        EXPECT_EQ(FindChild<QLabel>(dialog, "lblArtist")->text(), U("Maanam"));
        auto& grid = *FindChild<QTableView>(dialog, "tvAlbums");
        EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal).toString(), U("Tytuł"));
        EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), U("Rok"));
        // Only this artist's albums, in Polish alphabetical order.
        EXPECT_EQ(Rows(grid), (QStringList{U("ballady/"), U("Ósemka/1986"), U("Zorro/1999")}));
        // Opened on the song's album, its fields shown.
        EXPECT_EQ(SelectedTitle(grid), U("Zorro"));
        EXPECT_EQ(FindChild<QLineEdit>(dialog, "edtTitle")->text(), U("Zorro"));
        EXPECT_EQ(FindChild<QLineEdit>(dialog, "edtYear")->text(), U("1999"));
        SelectRow(grid, 1);
        EXPECT_EQ(FindChild<QLineEdit>(dialog, "edtTitle")->text(), U("Ósemka"));
        FindChild<QPushButton>(dialog, "btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    };
    int album = Zorro;
    QString title;
    EXPECT_TRUE(ChooseAlbum(MainBase.get(), Artist, album, title, nullptr, choose));
    EXPECT_EQ(album, Eight);
    EXPECT_EQ(title, U("Ósemka"));

    // "Anuluj" changes nothing.
    EXPECT_FALSE(
        ChooseAlbum(MainBase.get(), Artist, album, title, nullptr, [](QDialog&) { return false; }));
    EXPECT_EQ(album, Eight);
    EXPECT_EQ(title, U("Ósemka"));

    // Without an artist there are no albums to choose from, and no dialog.
    EXPECT_FALSE(ChooseAlbum(MainBase.get(), -1, album, title, nullptr, [](QDialog&) {
        ADD_FAILURE() << "dialog opened";
        return true;
    }));
    EXPECT_FALSE(ChooseAlbum(nullptr, Artist, album, title, nullptr, [](QDialog&) {
        ADD_FAILURE() << "dialog opened";
        return true;
    }));
}

TEST_F(AlbumsDialogTest, TheButtonsFollowTheFieldsAndTheSelection) {
    TAlbumsDialog dialog(Artist, -1);
    TModelCheck check(FindChild<QTableView>(dialog, "tvAlbums")->model());
    auto& grid = *FindChild<QTableView>(dialog, "tvAlbums");
    auto& title = *FindChild<QLineEdit>(dialog, "edtTitle");
    auto& year = *FindChild<QLineEdit>(dialog, "edtYear");
    auto& add = *FindChild<QPushButton>(dialog, "btnAdd");
    auto& change = *FindChild<QPushButton>(dialog, "btnChange");
    auto& remove = *FindChild<QPushButton>(dialog, "btnRemove");
    auto& ok = *FindChild<QPushButton>(dialog, "btnOK");
    // Nothing selected: nothing to change, remove or choose.
    EXPECT_EQ(SelectedTitle(grid), QString());
    EXPECT_FALSE(change.isEnabled());
    EXPECT_FALSE(remove.isEnabled());
    EXPECT_FALSE(ok.isEnabled());

    const struct {
        int Row;
        const char* Title;
        const char* Year;
        bool Add, Change;
    } cases[] = {{-1, "", "", false, false},
                 {-1, "Nocny patrol", "", true, false},
                 // A title the list has, in any letter case, is not added twice.
                 {-1, "ÓSEMKA", "", false, false},
                 {0, "ballady", "", false, false},
                 {0, "ballady", "1990", false, true},
                 {0, "Ballady", "", false, true},
                 {0, "Zorro", "", false, false},
                 {0, "  ", "", false, false},
                 {2, "Zorro 2", "1999", true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Title);
        if (c.Row < 0)
            grid.clearSelection();
        else
            SelectRow(grid, c.Row);
        title.setText(U(c.Title));
        year.setText(U(c.Year));
        EXPECT_EQ(add.isEnabled(), c.Add);
        EXPECT_EQ(change.isEnabled(), c.Change);
        EXPECT_EQ(remove.isEnabled(), c.Row >= 0);
        EXPECT_EQ(ok.isEnabled(), c.Row >= 0);
    }
    // The year takes four digits at most, typed a character at a time.
    year.clear();
    for (const QChar ch : U("19x99"))
        year.insert(QString(ch));
    EXPECT_EQ(year.text(), U("1999"));
}

TEST_F(AlbumsDialogTest, OkStoresTheEditedListAndGivesTheNewAlbum) {
    const auto edit = [](QDialog& dialog) {
        auto& grid = *FindChild<QTableView>(dialog, "tvAlbums");
        TModelCheck check(grid.model());
        auto& title = *FindChild<QLineEdit>(dialog, "edtTitle");
        auto& year = *FindChild<QLineEdit>(dialog, "edtYear");
        // "ballady" gets its year and a capital.
        SelectRow(grid, 0);
        title.setText(U("Ballady"));
        year.setText(U("1995"));
        FindChild<QPushButton>(dialog, "btnChange")->click();
        // "Zorro" goes from the list.
        SelectRow(grid, 2);
        FindChild<QPushButton>(dialog, "btnRemove")->click();
        EXPECT_EQ(SelectedTitle(grid), U("Ósemka"));
        // A new album, put in its place and selected.
        title.setText(U(" Nocny patrol "));
        year.setText(U("1984"));
        FindChild<QPushButton>(dialog, "btnAdd")->click();
        EXPECT_EQ(Rows(grid),
                  (QStringList{U("Ballady/1995"), U("Nocny patrol/1984"), U("Ósemka/1986")}));
        EXPECT_EQ(SelectedTitle(grid), U("Nocny patrol"));
        FindChild<QPushButton>(dialog, "btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    };
    int album = Zorro;
    QString title;
    ASSERT_TRUE(ChooseAlbum(MainBase.get(), Artist, album, title, nullptr, edit));
    EXPECT_EQ(title, U("Nocny patrol"));
    ASSERT_NE(album, -1);
    EXPECT_EQ(FindAlbum(U("Nocny patrol"), Artist, false), album);
    const TStoredAlbum added = Stored(album);
    EXPECT_EQ(added.Year, 1984);
    EXPECT_EQ(added.ArtistId, Artist);
    const TStoredAlbum changed = Stored(Ballads);
    EXPECT_EQ(changed.Title, U("Ballady"));
    EXPECT_EQ(changed.Year, 1995);
    // Taken off the list is not deleted: songs may still refer to it.
    EXPECT_EQ(Stored(Zorro).Title, U("Zorro"));
    EXPECT_EQ(Stored(Eight).Year, 1986);
    EXPECT_EQ(Stored(Foreign).ArtistId, Other);
    EXPECT_TRUE(Prompt.Errors().isEmpty());

    // Edits given up with "Anuluj" are not stored.
    const auto giveUp = [](QDialog& dialog) {
        auto& grid = *FindChild<QTableView>(dialog, "tvAlbums");
        SelectRow(grid, 0);
        FindChild<QLineEdit>(dialog, "edtTitle")->setText(U("Inne"));
        FindChild<QPushButton>(dialog, "btnChange")->click();
        FindChild<QLineEdit>(dialog, "edtTitle")->setText(U("Jeszcze inne"));
        FindChild<QPushButton>(dialog, "btnAdd")->click();
        return false;
    };
    EXPECT_FALSE(ChooseAlbum(MainBase.get(), Artist, album, title, nullptr, giveUp));
    EXPECT_EQ(Stored(Ballads).Title, U("Ballady"));
    EXPECT_EQ(FindAlbum(U("Jeszcze inne"), Artist, false), -1);
}

} // namespace
