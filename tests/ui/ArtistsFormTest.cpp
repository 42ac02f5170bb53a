#include "DialogSteps.h"
#include "FindChild.h"
#include "ModelCheck.h"
#include "dayplan/uStores.h"
#include "library/uDBMainBase.h"
#include "library/uDBSchema.h"
#include "library/uEntityEditing.h"
#include "library/uLibraryEntities.h"
#include "library/uSongStore.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestText.h"
#include "ui/library/uArtistDialog.h"
#include "ui/library/uArtistsForm.h"
#include "ui/library/uFindDialog.h"
#include "ui/stats/uStatistcForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The artist list as the music director uses it: looking through the performers, finding one
// by the first letters of the name, making, editing and deleting performers through the
// artist dialog, and choosing one for a song.

namespace {

// The stored fields of an artist.
TArtistFields Stored(int artistId) {
    const std::optional<TDBRecord> row = ArtistExists(artistId);
    if (!row)
        return {};
    return {row->AsString(Col::Art_Name), row->AsInteger(Col::Alias1), row->AsInteger(Col::Alias2),
            row->AsInteger(Col::Art_FreqGroup)};
}

void ExpectFields(const TArtistFields& actual, const TArtistFields& expected) {
    EXPECT_EQ(actual.Name, expected.Name);
    EXPECT_EQ(actual.Alias1, expected.Alias1);
    EXPECT_EQ(actual.Alias2, expected.Alias2);
    EXPECT_EQ(actual.FreqGroup, expected.FreqGroup);
}

QStringList ComboTexts(const QComboBox& combo) {
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts.append(combo.itemText(i));
    return texts;
}

// A library of ten performers, one of them with two songs, and three frequency groups, the
// default artist group "Rzadko".
class ArtistsFormTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    std::unique_ptr<TArtistsForm> Form;
    std::unique_ptr<TModelCheck> Check;
    // What the user does in each dialog the window opens, in order.
    std::deque<TStep> Steps;
    int Often = -1, Seldom = -1, Medium = -1;

    // In the order the list shows them.
    const QStringList Names{
        U("abba"),    U("Ania Dąbrowska"), U("Lady Pank"), U("Łzy"),       U("Myslovitz"),
        U("Perfect"), U("Sistars"),        U("Ścianka"),   U("zakopower"), U("Żuk")};

    void SetUp() override {
        Station.CopyDefaultStation();
        ASSERT_TRUE(BringUpStores());
        Often = AddGroup("Często");
        Seldom = AddGroup("Rzadko");
        Medium = AddGroup("Średnio");
        FreqGroups->SetDefArtGr(Seldom);
        // Stored in another order than the list's.
        for (int i = static_cast<int>(Names.size()) - 1; i >= 0; --i)
            ASSERT_NE(FindArtist(Names[i], true), -1);
        for (const char* title : {"Autobiografia", "Nie płacz Ewka"}) {
            TBaseSong song;
            song.ArtistId = Id("Perfect");
            song.Title = U(title);
            bool added = false;
            ASSERT_NE(AddSong(song, added), -1);
        }
        Prompt.Clear();
    }
    void TearDown() override {
        Check.reset();
        Form.reset();
        EXPECT_TRUE(Steps.empty()) << "a dialog expected was not opened";
        ReleaseStores();
    }

    static int AddGroup(const char* name) {
        auto group = std::make_unique<TArFreqGroup>();
        group->Name = U(name);
        return FreqGroups->Add(std::move(group));
    }
    static int Id(const char* name) { return FindArtist(U(name), false); }

    TDialogRunner Runner() { return RunSteps(Steps); }

    void Open(TArtistsFormUse use = TArtistsFormUse::Browse) {
        Check.reset();
        Form = std::make_unique<TArtistsForm>(MainBase.get(), use);
        Form->DialogRunner = Runner();
        Check = std::make_unique<TModelCheck>(Grid().model());
        Form->show();
    }

    QTableView& Grid() const { return *FindChild<QTableView>(*Form, "tvArtists"); }
    QAction& Action(const char* name) const { return *FindChild<QAction>(*Form, name); }

    QStringList Listed() const {
        QStringList names;
        for (int row = 0; row < Grid().model()->rowCount(); ++row)
            names.append(Grid().model()->index(row, 0).data().toString());
        return names;
    }
    QString Current() const { return Grid().currentIndex().data().toString(); }
    QStringList Selected() const {
        QStringList names;
        for (const QModelIndex& index : Grid().selectionModel()->selectedRows())
            names.append(index.data().toString());
        names.sort();
        return names;
    }
    void Select(std::initializer_list<const char*> names) {
        QItemSelectionModel& selection = *Grid().selectionModel();
        selection.clear();
        bool first = true;
        for (const char* name : names) {
            const QModelIndex index = Grid().model()->index(Listed().indexOf(U(name)), 0);
            if (first)
                selection.setCurrentIndex(index,
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
            else
                selection.select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
            first = false;
        }
    }
};

// In the find dialog: the text, then "Szukaj".
TStep FindText(QString text) {
    return [text](QDialog& dialog) {
        auto& find = As<TFindDialog>(dialog);
        FindChild<QLineEdit>(find, "edtFind")->setText(text);
        FindChild<QPushButton>(find, "btnFind")->click();
        return find.result() == QDialog::Accepted;
    };
}

// Opens a drop-down as the user does, which fills it, and closes it again.
void DropDown(QComboBox& combo) {
    combo.showPopup();
    combo.hidePopup();
}

TEST_F(ArtistsFormTest, TheArtistsAreListedInPolishOrderWithTheirCount) {
    Open();
    EXPECT_EQ(Form->windowTitle(), U("Wykonawcy"));
    EXPECT_EQ(Listed(), Names);
    EXPECT_EQ(FindChild<QLabel>(*Form, "lblCount")->text(), U("Liczba wykonawców: 10"));
    EXPECT_EQ(Current(), U("abba"));
    // From the main menu the list is only closed.
    EXPECT_EQ(FindChild<QPushButton>(*Form, "btnOK")->text(), U("Zamknij"));
    EXPECT_FALSE(FindChild<QPushButton>(*Form, "btnCancel")->isVisibleTo(Form.get()));
    EXPECT_TRUE(Action("acnDelete").isVisible());
    const struct {
        const char* Name;
        const char* Shortcut;
    } keys[] = {
        {"acnNew", "Ins"}, {"acnEdit", "Ctrl+E"}, {"acnDelete", "Del"}, {"acnFind", "Ctrl+F"}};
    for (const auto& key : keys)
        EXPECT_EQ(Action(key.Name).shortcut().toString(), U(key.Shortcut)) << key.Name;
}

TEST_F(ArtistsFormTest, TheChooserOpensOnTheFirstArtistBeginningWithTheInitialName) {
    const struct {
        const char* Initial;
        const char* Current;
    } cases[] = {{"", "abba"},       {"ł", "Łzy"},       {"ŁZ", "Łzy"},
                 {"l", "Lady Pank"}, {"ś", "Ścianka"},   {"S", "Sistars"},
                 {"żU", "Żuk"},      {"z", "zakopower"}, {"ANIA D", "Ania Dąbrowska"},
                 {"Queen", "abba"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Initial);
        QString shown;
        Steps.push_back([&shown](QDialog& dialog) {
            shown = FindChild<QTableView>(dialog, "tvArtists")->currentIndex().data().toString();
            return false;
        });
        int id = 77;
        QString name = U("bez zmian");
        EXPECT_FALSE(ChooseArtist(MainBase.get(), U(c.Initial), id, name, nullptr, Runner()));
        EXPECT_EQ(shown, U(c.Current));
        // "Anuluj" leaves the caller's artist as it was.
        EXPECT_EQ(id, 77);
        EXPECT_EQ(name, U("bez zmian"));
    }
}

TEST_F(ArtistsFormTest, TheChooserGivesTheChosenArtistAndCannotDelete) {
    Steps.push_back([this](QDialog& dialog) {
        auto& form = As<TArtistsForm>(dialog);
        EXPECT_FALSE(FindChild<QAction>(form, "acnDelete")->isVisible());
        EXPECT_EQ(FindChild<QPushButton>(form, "btnOK")->text(), U("OK"));
        EXPECT_TRUE(FindChild<QPushButton>(form, "btnCancel")->isVisibleTo(&form));
        // Neither the action nor its key deletes anything here.
        form.DeleteSelected();
        FindChild<QAction>(form, "acnDelete")->trigger();
        EXPECT_TRUE(Prompt.Questions().isEmpty());
        // Moved to another artist, then "OK".
        auto& grid = *FindChild<QTableView>(form, "tvArtists");
        grid.setCurrentIndex(grid.model()->index(5, 0));
        FindChild<QPushButton>(form, "btnOK")->click();
        return form.result() == QDialog::Accepted;
    });
    int id = -1;
    QString name;
    EXPECT_TRUE(ChooseArtist(MainBase.get(), U("my"), id, name, nullptr, Runner()));
    EXPECT_EQ(id, Id("Perfect"));
    EXPECT_EQ(name, U("Perfect"));
    EXPECT_NE(Id("Perfect"), -1);
}

TEST(FindDialogTest, SearchIsEnabledOnlyWithText) {
    TFindDialog dialog(kFindArtistCaption);
    EXPECT_EQ(dialog.windowTitle(), U("Znajdź"));
    EXPECT_EQ(FindChild<QLabel>(dialog, "lblCaption")->text(), U("Wykonawca:"));
    auto& field = *FindChild<QLineEdit>(dialog, "edtFind");
    auto& search = *FindChild<QPushButton>(dialog, "btnFind");
    EXPECT_EQ(field.placeholderText(), U("Możesz wpisać kilka pierwszych liter..."));
    EXPECT_EQ(field.toolTip(), U("Możesz wpisać kilka pierwszych liter..."));
    EXPECT_EQ(search.text(), U("Szukaj"));
    EXPECT_FALSE(search.isEnabled());
    field.insert(U("Ł"));
    EXPECT_TRUE(search.isEnabled());
    field.clear();
    EXPECT_FALSE(search.isEnabled());

    // The last text looked for is offered again.
    TFindDialog again(kFindLabelCaption, U("rock"));
    EXPECT_EQ(FindChild<QLabel>(again, "lblCaption")->text(), U("Etykieta:"));
    EXPECT_EQ(FindChild<QLineEdit>(again, "edtFind")->text(), U("rock"));
    EXPECT_TRUE(FindChild<QPushButton>(again, "btnFind")->isEnabled());
}

TEST_F(ArtistsFormTest, SearchStandsOnTheFirstNameBeginningWithTheTextOrSaysNotFound) {
    Open();
    const struct {
        const char* Text;
        const char* Current;
        const char* Message;
    } cases[] = {{"my", "Myslovitz", nullptr},
                 {"ŚCI", "Ścianka", nullptr},
                 {"a", "abba", nullptr},
                 {"ż", "Żuk", nullptr},
                 // Not found: the list stays where it was.
                 {"Queen", "Żuk", "Nie znaleziono: Queen."},
                 {"ysl", "Żuk", "Nie znaleziono: ysl."}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        Prompt.Clear();
        Steps.push_back(FindText(U(c.Text)));
        Action("acnFind").trigger();
        EXPECT_EQ(Current(), U(c.Current));
        EXPECT_EQ(Prompt.Texts(TBoxKind::bkInformation),
                  c.Message ? QStringList{U(c.Message)} : QStringList{});
    }
    // The dialog offers the last text; "Anuluj" moves nothing.
    Steps.push_back([](QDialog& dialog) {
        EXPECT_EQ(FindChild<QLineEdit>(dialog, "edtFind")->text(), U("ysl"));
        return false;
    });
    Action("acnFind").trigger();
    EXPECT_EQ(Current(), U("Żuk"));
}

TEST_F(ArtistsFormTest, NewMakesAnArtistWithItsAliasesAndGroupAndStandsOnIt) {
    Open();
    Steps.push_back([this](QDialog& dialog) {
        auto& artist = As<TArtistDialog>(dialog);
        EXPECT_EQ(artist.windowTitle(), U("Wykonawca"));
        auto& ok = *FindChild<QPushButton>(artist, "btnOK");
        EXPECT_FALSE(ok.isEnabled());
        // A new artist starts with no aliases and the default artist group.
        EXPECT_FALSE(FindChild<QCheckBox>(artist, "chkAlias1")->isChecked());
        EXPECT_FALSE(FindChild<QCheckBox>(artist, "chkAlias2")->isChecked());
        EXPECT_FALSE(FindChild<QComboBox>(artist, "cmbAlias1")->isEnabled());
        EXPECT_TRUE(FindChild<QCheckBox>(artist, "chkFreqGroup")->isChecked());
        auto& groups = *FindChild<QComboBox>(artist, "cmbFreqGroup");
        EXPECT_EQ(ComboTexts(groups), (QStringList{U("Często"), U("Rzadko"), U("Średnio")}));
        EXPECT_EQ(groups.currentText(), U("Rzadko"));

        auto& name = *FindChild<QLineEdit>(artist, "edtName");
        name.setText(U("   "));
        EXPECT_FALSE(ok.isEnabled());
        name.setText(U(" Budka Suflera "));
        EXPECT_TRUE(ok.isEnabled());
        FindChild<QCheckBox>(artist, "chkAlias1")->setChecked(true);
        auto& alias = *FindChild<QComboBox>(artist, "cmbAlias1");
        EXPECT_EQ(alias.count(), 0);
        DropDown(alias);
        // Every artist there is, the new one not yet among them.
        EXPECT_EQ(ComboTexts(alias), Names);
        alias.setCurrentIndex(ComboTexts(alias).indexOf(U("Perfect")));
        // A box ticked with no artist chosen is no alias.
        FindChild<QCheckBox>(artist, "chkAlias2")->setChecked(true);
        groups.setCurrentIndex(groups.findText(U("Średnio")));
        ok.click();
        return artist.result() == QDialog::Accepted;
    });
    Action("acnNew").trigger();
    const int added = Id("Budka Suflera");
    ASSERT_NE(added, -1);
    ExpectFields(Stored(added), {U("Budka Suflera"), Id("Perfect"), -1, Medium});
    EXPECT_EQ(Listed().size(), 11);
    EXPECT_EQ(FindChild<QLabel>(*Form, "lblCount")->text(), U("Liczba wykonawców: 11"));
    EXPECT_EQ(Current(), U("Budka Suflera"));
    EXPECT_EQ(Selected(), QStringList{U("Budka Suflera")});

    // Unticked, the group is none; "Anuluj" makes nothing.
    Steps.push_back([](QDialog& dialog) {
        FindChild<QLineEdit>(dialog, "edtName")->setText(U("Kult"));
        FindChild<QCheckBox>(dialog, "chkFreqGroup")->setChecked(false);
        FindChild<QPushButton>(dialog, "btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    });
    Action("acnNew").trigger();
    ExpectFields(Stored(Id("Kult")), {U("Kult"), -1, -1, -1});
    Steps.push_back([](QDialog& dialog) {
        FindChild<QLineEdit>(dialog, "edtName")->setText(U("Wilki"));
        return false;
    });
    Action("acnNew").trigger();
    EXPECT_EQ(Id("Wilki"), -1);
    EXPECT_EQ(Listed().size(), 12);
    EXPECT_EQ(Current(), U("Kult"));
}

TEST_F(ArtistsFormTest, ANameAnotherArtistHasKeepsTheDialogOpen) {
    Open();
    Steps.push_back([this](QDialog& dialog) {
        auto& name = *FindChild<QLineEdit>(dialog, "edtName");
        auto& ok = *FindChild<QPushButton>(dialog, "btnOK");
        name.setText(U("ŁZY"));
        ok.click();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(Prompt.Errors(), QStringList{U("W bazie wykonawców istnieje już wpis \"ŁZY\".")});
        name.setText(U("Łzy i łzy"));
        ok.click();
        return dialog.result() == QDialog::Accepted;
    });
    Action("acnNew").trigger();
    EXPECT_EQ(Listed().size(), 11);
    EXPECT_EQ(Current(), U("Łzy i łzy"));
}

TEST_F(ArtistsFormTest, EditingOneArtistWritesItsFourFieldsAndFollowsItsNewName) {
    ASSERT_TRUE(EditArtist(Id("Łzy"), {U("Łzy"), Id("Perfect"), -1, Often}));
    Open();
    Select({"Łzy"});
    EXPECT_TRUE(Action("acnEdit").isEnabled());
    Steps.push_back([this](QDialog& dialog) {
        auto& artist = As<TArtistDialog>(dialog);
        EXPECT_EQ(FindChild<QLineEdit>(artist, "edtName")->text(), U("Łzy"));
        EXPECT_TRUE(FindChild<QCheckBox>(artist, "chkAlias1")->isChecked());
        auto& alias1 = *FindChild<QComboBox>(artist, "cmbAlias1");
        // The alias shows before its list is read.
        EXPECT_EQ(alias1.currentText(), U("Perfect"));
        EXPECT_EQ(alias1.count(), 1);
        DropDown(alias1);
        // An artist is no alias of itself.
        QStringList others = Names;
        others.removeAll(U("Łzy"));
        EXPECT_EQ(ComboTexts(alias1), others);
        EXPECT_EQ(alias1.currentText(), U("Perfect"));
        EXPECT_EQ(FindChild<QComboBox>(artist, "cmbFreqGroup")->currentText(), U("Często"));
        // Its own name in another letter case is no clash.
        FindChild<QLineEdit>(artist, "edtName")->setText(U("ŁZY"));
        FindChild<QCheckBox>(artist, "chkAlias2")->setChecked(true);
        auto& alias2 = *FindChild<QComboBox>(artist, "cmbAlias2");
        DropDown(alias2);
        alias2.setCurrentIndex(ComboTexts(alias2).indexOf(U("Żuk")));
        FindChild<QCheckBox>(artist, "chkFreqGroup")->setChecked(false);
        FindChild<QPushButton>(artist, "btnOK")->click();
        return artist.result() == QDialog::Accepted;
    });
    Action("acnEdit").trigger();
    const int id = FindArtist(U("Łzy"), false);
    ExpectFields(Stored(id), {U("ŁZY"), Id("Perfect"), Id("Żuk"), -1});
    EXPECT_EQ(Current(), U("ŁZY"));

    // A new name moves the artist in the list, and the list follows it.
    Steps.push_back([](QDialog& dialog) {
        FindChild<QLineEdit>(dialog, "edtName")->setText(U("Ahoj"));
        FindChild<QCheckBox>(dialog, "chkAlias1")->setChecked(false);
        FindChild<QPushButton>(dialog, "btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    });
    const QRect row = Grid().visualRect(Grid().currentIndex());
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(Grid().viewport(), Qt::LeftButton, {}, row.center());
    ExpectFields(Stored(id), {U("Ahoj"), -1, Id("Żuk"), -1});
    EXPECT_EQ(Listed().indexOf(U("Ahoj")), 1);
    EXPECT_EQ(Current(), U("Ahoj"));

    // A clash keeps the dialog open and the artist as it was.
    Steps.push_back([this](QDialog& dialog) {
        FindChild<QLineEdit>(dialog, "edtName")->setText(U("Perfect"));
        FindChild<QPushButton>(dialog, "btnOK")->click();
        EXPECT_EQ(Prompt.Errors(),
                  QStringList{U("W bazie wykonawców istnieje już wpis \"Perfect\".")});
        return dialog.result() == QDialog::Accepted;
    });
    Action("acnEdit").trigger();
    EXPECT_EQ(Stored(id).Name, U("Ahoj"));
}

TEST_F(ArtistsFormTest, SeveralArtistsTakeOnlyTheFrequencyGroup) {
    ASSERT_TRUE(EditArtist(Id("Sistars"), {U("Sistars"), Id("abba"), -1, Often}));
    Open();
    Select({"Sistars", "Lady Pank", "Żuk"});
    Steps.push_back([this](QDialog& dialog) {
        auto& artists = As<TArtistDialog>(dialog);
        EXPECT_EQ(artists.windowTitle(), U("Wykonawcy"));
        EXPECT_EQ(FindChild<QLabel>(artists, "lblCount")->text(), U("3"));
        EXPECT_EQ(artists.findChild<QLineEdit*>(U("edtName")), nullptr);
        EXPECT_EQ(artists.findChild<QComboBox*>(U("cmbAlias1")), nullptr);
        EXPECT_TRUE(FindChild<QPushButton>(artists, "btnOK")->isEnabled());
        auto& groups = *FindChild<QComboBox>(artists, "cmbFreqGroup");
        groups.setCurrentIndex(groups.findText(U("Średnio")));
        FindChild<QCheckBox>(artists, "chkFreqGroup")->setChecked(true);
        FindChild<QPushButton>(artists, "btnOK")->click();
        return artists.result() == QDialog::Accepted;
    });
    Action("acnEdit").trigger();
    ExpectFields(Stored(Id("Sistars")), {U("Sistars"), Id("abba"), -1, Medium});
    ExpectFields(Stored(Id("Lady Pank")), {U("Lady Pank"), -1, -1, Medium});
    ExpectFields(Stored(Id("Żuk")), {U("Żuk"), -1, -1, Medium});
    EXPECT_EQ(Stored(Id("Perfect")).FreqGroup, Seldom);
    // The list stands on the first of them, all three still selected.
    EXPECT_EQ(Current(), U("Lady Pank"));
    EXPECT_EQ(Selected(), (QStringList{U("Lady Pank"), U("Sistars"), U("Żuk")}));

    // Unticked, the group is none for all of them.
    Steps.push_back([](QDialog& dialog) {
        FindChild<QCheckBox>(dialog, "chkFreqGroup")->setChecked(false);
        FindChild<QPushButton>(dialog, "btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    });
    Action("acnEdit").trigger();
    for (const char* name : {"Sistars", "Lady Pank", "Żuk"})
        EXPECT_EQ(Stored(Id(name)).FreqGroup, -1) << name;
}

TEST_F(ArtistsFormTest, EditAndDeleteNeedASelectedArtist) {
    Open();
    Grid().selectionModel()->clear();
    EXPECT_FALSE(Action("acnEdit").isEnabled());
    EXPECT_FALSE(Action("acnDelete").isEnabled());
    EXPECT_TRUE(Action("acnNew").isEnabled());
    EXPECT_TRUE(Action("acnFind").isEnabled());
    EXPECT_FALSE(Action("acnStats").isEnabled());
    Select({"Perfect"});
    EXPECT_TRUE(Action("acnEdit").isEnabled());
    EXPECT_TRUE(Action("acnDelete").isEnabled());
    EXPECT_TRUE(Action("acnStats").isEnabled());
}

TEST_F(ArtistsFormTest, StatystykaShowsTheSelectedArtistsStillInTheLibrary) {
    Open();
    EXPECT_EQ(Action("acnStats").text(), QStringLiteral("Statystyka"));
    EXPECT_EQ(Action("acnStats").shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    Select({"Łzy", "abba", "Sistars"});
    // Gone since the list was read: it has no plays to show.
    ASSERT_TRUE(DeleteArtists({Id("Sistars")}));
    QStringList shown;
    Form->StatsRunner = [&shown](QDialog& dialog) {
        auto& stats = As<TStatistcForm>(dialog);
        EXPECT_EQ(stats.Kind(), TStatKind::Artists);
        for (int row = 0; row < stats.ItemCount(); ++row)
            shown.append(stats.Item(row).Name);
        return false;
    };
    Action("acnStats").trigger();
    EXPECT_EQ(shown, (QStringList{U("abba"), U("Łzy")}));
}

TEST_F(ArtistsFormTest, StatystykaOfMoreThanTwentyArtistsAsksFirst) {
    for (int i = 0; i < 15; ++i)
        ASSERT_NE(FindArtist(QStringLiteral("Zespół %1").arg(i), true), -1);
    Open();
    Grid().selectAll();
    int opened = 0;
    Form->StatsRunner = [&opened](QDialog& dialog) {
        ++opened;
        EXPECT_EQ(As<TStatistcForm>(dialog).ItemCount(), 20);
        return false;
    };
    Prompt.QueueAnswers({false, true});
    Action("acnStats").trigger();
    EXPECT_EQ(opened, 0) << "No shows nothing";
    Action("acnStats").trigger();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(Prompt.Questions().size(), 2);
}

TEST_F(ArtistsFormTest, DeleteAsksAndTakesTheArtistsWithTheirSongs) {
    Open();
    Select({"Perfect"});
    // "Nie" keeps everything.
    Prompt.QueueAnswers({false});
    Action("acnDelete").trigger();
    EXPECT_EQ(Prompt.Questions(), QStringList{kDeleteArtistQuestion});
    EXPECT_NE(Id("Perfect"), -1);
    EXPECT_EQ(Listed().size(), 10);

    Prompt.Clear();
    Prompt.QueueAnswers({true});
    Action("acnDelete").trigger();
    EXPECT_EQ(Prompt.Questions(), QStringList{kDeleteArtistQuestion});
    EXPECT_EQ(Id("Perfect"), -1);
    EXPECT_EQ(MainBase->BaseSongsTable().Locate(Col::Title, {U("Autobiografia")}), std::nullopt);
    EXPECT_EQ(Listed().size(), 9);
    EXPECT_EQ(FindChild<QLabel>(*Form, "lblCount")->text(), U("Liczba wykonawców: 9"));
    // On the artist that followed it.
    EXPECT_EQ(Current(), U("Sistars"));

    // Several at once are asked about together; the last ones leave the list on the new last.
    Prompt.Clear();
    Prompt.QueueAnswers({true});
    Select({"zakopower", "Żuk"});
    Action("acnDelete").trigger();
    EXPECT_EQ(Prompt.Questions(), QStringList{kDeleteArtistsQuestion});
    EXPECT_EQ(Listed(), Names.mid(0, 5) + QStringList({U("Sistars"), U("Ścianka")}));
    EXPECT_EQ(Current(), U("Ścianka"));
}

} // namespace
