#include "DialogSteps.h"
#include "FindChild.h"
#include "ModelCheck.h"
#include "dayplan/uStores.h"
#include "foundation/uTextFile.h"
#include "library/uDBMainBase.h"
#include "library/uLibraryEntities.h"
#include "library/uSongData.h"
#include "library/uSongStore.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"
#include "support/TestText.h"
#include "ui/library/uSongsViewForm.h"
#include "ui/stats/uStatistcForm.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The song list ("Utwory") as a director uses it: narrowed by the filter, songs deleted, one
// chosen for a list or a play list.

namespace {

class SongsViewFormTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    int First = -1;
    int Second = -1;
    std::unique_ptr<TSongsViewForm> Form;
    std::unique_ptr<TModelCheck> Check;

    void SetUp() override {
        Station.CopyDefaultStation();
        ASSERT_TRUE(BringUpStores());
        ASSERT_GE(Options->Categories().Count(), 2);
        First = Options->Categories().IdAt(0);
        Second = Options->Categories().IdAt(1);
        Song("Abba", "Waterloo", 165000, First);
        Song("ABC", "Look of Love", 210000, Second);
        Song("Kabaret", "Abecadło", 180000, First);
        Song("Łzy", "Agnieszka", 240000, Second);
        Song("Lady Pank", "Mniej niż zero", 179999, First);
        Open({});
    }
    void TearDown() override {
        Check.reset();
        Form.reset();
        ReleaseStores();
    }

    static int Song(const char* artist, const char* title, int timeMs, int category) {
        TBaseSong song;
        song.ArtistId = FindArtist(QString::fromUtf8(artist), true);
        song.Title = QString::fromUtf8(title);
        song.SongTime = timeMs;
        song.Category = QString::number(category);
        bool added = false;
        const int id = AddSong(song, added);
        EXPECT_TRUE(added) << title;
        return id;
    }
    void Open(const TSongsViewUse& use) {
        Check.reset();
        Form = std::make_unique<TSongsViewForm>(*MainBase, use);
        Check = std::make_unique<TModelCheck>(Grid().model());
        Form->show();
    }
    QTableView& Grid() const { return *FindChild<QTableView>(*Form, "tvSongs"); }
    QStringList Artists() const {
        QStringList names;
        const QAbstractItemModel& model = *Grid().model();
        for (int row = 0; row < model.rowCount(); ++row)
            names.append(model.index(row, 0).data().toString());
        return names;
    }
    QString CountText() const { return FindChild<QLabel>(*Form, "lblCount")->text(); }
};

TEST_F(SongsViewFormTest, ShowsTheEightColumnsAndTheCount) {
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Utwory"));
    const QAbstractItemModel& model = *Grid().model();
    ASSERT_EQ(model.columnCount(), 8);
    QStringList titles;
    for (int column = 0; column < 8; ++column)
        titles.append(model.headerData(column, Qt::Horizontal).toString());
    EXPECT_EQ(titles, (QStringList{"Wykonawca", "Tytuł", "Czas", "Album", "Kategoria nagrania",
                                   "Etykieta 1", "Etykieta 2", "Info"}));
    EXPECT_EQ(Artists(), (QStringList{"Abba", "ABC", "Kabaret", "Lady Pank", "Łzy"}));
    EXPECT_EQ(model.index(0, 2).data().toString(), QStringLiteral("02:45.000"));
    EXPECT_EQ(model.index(0, 4).data().toString(), Options->Categories().NameById(First));
    EXPECT_EQ(CountText(), QStringLiteral("Liczba utwrów: 5"));
}

TEST_F(SongsViewFormTest, TheFilterNarrowsTheListAndTheCountFollows) {
    Form->SetFilter(TSongColumn::Artist, QStringLiteral("ab"));
    EXPECT_EQ(Artists(), (QStringList{"Abba", "ABC"})) << "not Kabaret";
    EXPECT_EQ(CountText(), QStringLiteral("Liczba utwrów: 2"));

    Form->SetFilter(TSongColumn::Time, QStringLiteral("3:00"));
    EXPECT_EQ(Artists(), (QStringList{"ABC", "Kabaret", "Łzy"}));
    QLineEdit& text = *FindChild<QLineEdit>(*Form, "edtFilter");
    ASSERT_TRUE(text.validator());
    QString typed = QStringLiteral("3a");
    int at = 2;
    EXPECT_EQ(text.validator()->validate(typed, at), QValidator::Invalid) << "digits only";

    Form->SetCategoryFilter(Second);
    EXPECT_FALSE(text.isVisibleTo(Form.get()));
    EXPECT_TRUE(FindChild<QComboBox>(*Form, "cmbFilter")->isVisibleTo(Form.get()));
    EXPECT_EQ(Artists(), (QStringList{"ABC", "Łzy"}));
    Form->SetCategoryFilter(-1);
    EXPECT_EQ(Artists().size(), 5) << "the empty entry";

    Form->SetFilter(TSongColumn::Artist, QString());
    EXPECT_EQ(CountText(), QStringLiteral("Liczba utwrów: 5"));
}

TEST_F(SongsViewFormTest, DeletingAsksInTheSingularOrThePlural) {
    Open({true, true, {}, {}});
    QTableView& grid = Grid();
    QAction& remove = *FindChild<QAction>(*Form, "acnDelete");
    grid.selectRow(1);
    Prompt.QueueAnswers({false});
    remove.trigger();
    EXPECT_EQ(Prompt.Questions(), QStringList{"Czy na pewno chcesz usunąć ten utwór?"});
    EXPECT_EQ(Form->Count(), 5);

    Prompt.Clear();
    grid.clearSelection();
    for (int row : {0, 2, 4})
        grid.selectionModel()->select(grid.model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    grid.selectionModel()->setCurrentIndex(grid.model()->index(2, 0),
                                           QItemSelectionModel::NoUpdate);
    Prompt.QueueAnswers({true});
    remove.trigger();
    EXPECT_EQ(Prompt.Questions(), QStringList{"Czy na pewno chcesz usunąć zaznaczone utwory?"});
    EXPECT_EQ(Artists(), (QStringList{"ABC", "Lady Pank"}));
    EXPECT_EQ(grid.currentIndex().row(), 1) << "the row before the current one";
}

TEST_F(SongsViewFormTest, StatystykaUtworuShowsTheSelectedSongsByPerformerAndTitle) {
    Open({true, true, {}, {}});
    QAction& stats = *FindChild<QAction>(*Form, "acnStats");
    EXPECT_EQ(stats.text(), QStringLiteral("Statystyka utworu"));
    EXPECT_EQ(stats.shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    QTableView& grid = Grid();
    grid.clearSelection();
    EXPECT_FALSE(stats.isEnabled()) << "enabled as \"&Usuń\" is";
    for (int row : {4, 0})
        grid.selectionModel()->select(grid.model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_TRUE(stats.isEnabled());
    QStringList shown;
    Form->StatsRunner = [&shown](QDialog& dialog) {
        auto& window = As<TStatistcForm>(dialog);
        EXPECT_EQ(window.Kind(), TStatKind::Songs);
        for (int row = 0; row < window.ItemCount(); ++row)
            shown.append(window.Item(row).Name);
        return false;
    };
    stats.trigger();
    EXPECT_EQ(shown,
              (QStringList{QStringLiteral("Abba - Waterloo"), QStringLiteral("Łzy - Agnieszka")}));
}

TEST_F(SongsViewFormTest, PickSongReturnsTheChosenSongOfTheCategory) {
    const QString condition = QStringLiteral("AND (BaseSongs.Category = \"%1\") \r\n").arg(Second);
    QStringList shown;
    const std::optional<TPickedSong> picked =
        PickSong(*MainBase, condition, nullptr, [&](QDialog& dialog) {
            auto& grid = *FindChild<QTableView>(dialog, "tvSongs");
            for (int row = 0; row < grid.model()->rowCount(); ++row)
                shown.append(grid.model()->index(row, 0).data().toString());
            EXPECT_FALSE(grid.selectionMode() == QAbstractItemView::ExtendedSelection);
            grid.setCurrentIndex(grid.model()->index(1, 0));
            FindChild<QPushButton>(dialog, "btnOK")->click();
            return dialog.result() == QDialog::Accepted;
        });
    EXPECT_EQ(shown, (QStringList{"ABC", "Łzy"}));
    ASSERT_TRUE(picked);
    EXPECT_EQ(picked->Artist, QStringLiteral("Łzy"));
    EXPECT_EQ(picked->Title, QStringLiteral("Agnieszka"));
    EXPECT_EQ(picked->TimeMs, 240000);
    EXPECT_GE(picked->Id, 0);

    EXPECT_FALSE(PickSong(*MainBase, condition, nullptr, [](QDialog& dialog) {
        FindChild<QPushButton>(dialog, "btnCancel")->click();
        return dialog.result() == QDialog::Accepted;
    })) << "Anuluj";
}

TEST_F(SongsViewFormTest, BrowsingShowsOnlyZamknij) {
    BrowseSongs(*MainBase, nullptr, [](QDialog& dialog) {
        EXPECT_EQ(FindChild<QPushButton>(dialog, "btnOK")->text(), QStringLiteral("Zamknij"));
        EXPECT_FALSE(FindChild<QPushButton>(dialog, "btnCancel")->isVisibleTo(&dialog));
        EXPECT_EQ(FindChild<QTableView>(dialog, "tvSongs")->selectionMode(),
                  QAbstractItemView::ExtendedSelection);
        return true;
    });
}

TEST_F(SongsViewFormTest, TheListIsWrittenAsTextUnderTheFilter) {
    const QString path = Station.Path(QStringLiteral("utwory.txt"));
    Form->TextFileChooser = [&] { return path; };
    Form->SetFilter(TSongColumn::Artist, QStringLiteral("ab"));
    ASSERT_TRUE(Form->SaveAsText());
    const QString name = Options->Categories().NameById(First);
    const QString other = Options->Categories().NameById(Second);
    QStringList lines = TextLines(DecodeCp1250(ReadFileBytes(path)));
    lines.removeAll(QString());
    // A year not known is left empty, as a length not known is.
    EXPECT_EQ(lines,
              (QStringList{QStringLiteral("Abba; Waterloo; %1; ; 02:45.000").arg(name),
                           QStringLiteral("ABC; Look of Love; %1; ; 03:30.000").arg(other)}));
}

TEST_F(SongsViewFormTest, ANewSongIsFoundInTheListAndAnEditMovesIt) {
    const int artist = FindArtist(QStringLiteral("Kabaret"), true);
    Form->SongWindowHooks.ArtistChooser = [artist](const QString&, int& id, QString& name) {
        id = artist;
        name = QStringLiteral("Kabaret");
        return true;
    };
    Form->SongWindowHooks.Run = [](QDialog& dialog) {
        dialog.show();
        FindChild<QPushButton>(dialog, "btnArtist")->click();
        // Polish letters come committed by the input method, as a keyboard types them.
        QInputMethodEvent typing;
        typing.setCommitString(QStringLiteral("Żółty"));
        QApplication::sendEvent(FindChild<QLineEdit>(dialog, "edtTitle"), &typing);
        QLineEdit& time = *FindChild<QLineEdit>(dialog, "edtSongTime");
        time.setFocus();
        time.setCursorPosition(0);
        QTest::keyClicks(&time, QStringLiteral("0400000"));
        FindChild<QPushButton>(dialog, "btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    };
    FindChild<QAction>(*Form, "acnNew")->trigger();
    EXPECT_TRUE(Prompt.Errors().isEmpty()) << S(Prompt.Errors());
    ASSERT_EQ(Form->Count(), 6);
    ASSERT_TRUE(Form->CurrentSong());
    EXPECT_EQ(Form->CurrentSong()->Title, QStringLiteral("Żółty")) << "the list stands on it";
    EXPECT_EQ(Form->CurrentSong()->TimeMs, 240000);
    EXPECT_EQ(Grid().currentIndex().row(), 3) << "after Kabaret's Abecadło";

    // A new title moves the song; the list follows it.
    Form->SongWindowHooks.Run = [](QDialog& dialog) {
        dialog.show();
        QLineEdit& title = *FindChild<QLineEdit>(dialog, "edtTitle");
        title.selectAll();
        title.setFocus();
        QTest::keyClicks(&title, QStringLiteral("Aaa"));
        FindChild<QPushButton>(dialog, "btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    };
    FindChild<QAction>(*Form, "acnEdit")->trigger();
    ASSERT_TRUE(Form->CurrentSong());
    EXPECT_EQ(Form->CurrentSong()->Title, QStringLiteral("Aaa"));
    EXPECT_EQ(Grid().currentIndex().row(), 2) << "now before Abecadło";
}

} // namespace
