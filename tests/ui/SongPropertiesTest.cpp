#include "FindChild.h"
#include "dayplan/uStores.h"
#include "library/uDBMainBase.h"
#include "library/uLibraryEntities.h"
#include "library/uSongData.h"
#include "library/uSongStore.h"
#include "library/uSongWindowModel.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestText.h"
#include "ui/library/uSongProperties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The song window as a music director uses it: a song added with its performer chosen and its
// time typed, a song corrected, several songs changed at once, a song of an import corrected.

namespace {

class SongPropertiesTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    int Kult = -1;
    int Perfect = -1;
    int Arahja = -1;
    int Rarely = -1;
    int Night = -1;
    std::unique_ptr<TSongWindowModel> Model;
    std::unique_ptr<TSongProperties> Window;
    TSongWindowHooks Hooks;
    // What the choosers were asked, one line each.
    QStringList Asked;

    void SetUp() override {
        Station.CopyDefaultStation();
        ASSERT_TRUE(BringUpStores());
        auto group = std::make_unique<TArFreqGroup>();
        group->Name = QStringLiteral("Rzadko");
        Rarely = FreqGroups->Add(std::move(group));
        FreqGroups->SetDefSongGr(Rarely);
        auto range = std::make_unique<TArTimeRange>();
        range->Name = QStringLiteral("Noc");
        Night = TimeRanges->Add(std::move(range));

        Kult = FindArtist(QStringLiteral("Kult"), true);
        Perfect = FindArtist(QStringLiteral("Perfect"), true);
        TBaseSong song;
        song.ArtistId = Kult;
        song.Title = QStringLiteral("Arahja");
        song.AlbumId = FindAlbum(QStringLiteral("Spokojnie"), Kult, true);
        song.Label1Id = FindLabel(QStringLiteral("Pomaton"), true);
        song.SongTime = 200000;
        song.Intro = 1000;
        song.CharType = 2;
        song.Path = QStringLiteral("/muzyka/");
        song.FileName = QStringLiteral("arahja.mp3");
        song.CreateDate = 45000.5;
        song.Quality = QStringLiteral("CD");
        song.Mode = 2;
        bool added = false;
        Arahja = AddSong(song, added);
        ASSERT_TRUE(added);
        Prompt.Clear();

        Hooks.ArtistChooser = [this](const QString& initial, int& id, QString& name) {
            Asked.append(QStringLiteral("artist from ") + initial);
            id = Perfect;
            name = QStringLiteral("Perfect");
            return true;
        };
        Hooks.AlbumChooser = [this](int artistId, int& id, QString& title) {
            Asked.append(QStringLiteral("album of %1").arg(artistId));
            title = QStringLiteral("Unu");
            id = FindAlbum(title, artistId, true);
            return true;
        };
        Hooks.LabelChooser = [this](const QString& current, int& id, QString& value) {
            Asked.append(QStringLiteral("label from ") + current);
            id = -1; // "Brak etykiety"
            value.clear();
            return true;
        };
        Hooks.FileChooser = [this](const QString& current, bool directory) {
            Asked.append(
                (directory ? QStringLiteral("directory from ") : QStringLiteral("file from ")) +
                current);
            return directory ? QStringLiteral("/nowe") : QStringLiteral("/nowe/plik.wav");
        };
    }
    void TearDown() override {
        Window.reset();
        Model.reset();
        ReleaseStores();
    }

    void Show(std::unique_ptr<TSongWindowModel> model) {
        ASSERT_TRUE(model);
        Window.reset();
        Model = std::move(model);
        Window = std::make_unique<TSongProperties>(*Model, Hooks);
        Window->show();
    }

    template <class T> T& W(const char* name) const { return *FindChild<T>(*Window, name); }
    // Not hidden by the window; a page not in front hides its fields as well.
    bool Shown(const char* name) const { return !W<QWidget>(name).isHidden(); }
    bool Bold(const char* name) const { return W<QWidget>(name).font().bold(); }
    void Page(TSongPage page) { W<QTabWidget>("pcPages").setCurrentIndex(page); }
    static void Type(QLineEdit& edit, const char* text, int from = 0) {
        edit.setFocus();
        edit.setCursorPosition(from);
        QTest::keyClicks(&edit, QString::fromUtf8(text));
    }
    void ChooseData(const char* name, int id) {
        QComboBox& list = W<QComboBox>(name);
        const int index = list.findData(id);
        ASSERT_GE(index, 0) << name << " " << id;
        list.setCurrentIndex(index);
    }
    void Ok() { W<QPushButton>("btnOK").click(); }
    bool Accepted() const { return Window->result() == QDialog::Accepted; }

    QVariant Stored(TTableId table, int songId, const char* field) {
        TDBTable& t = MainBase->Table(table);
        const std::optional<TDBRecord> row = t.Locate(t.KeyField(), {songId});
        return row ? row->Value(QLatin1String(field)) : QVariant();
    }
};

TEST_F(SongPropertiesTest, SixPagesWithTheirCaptions) {
    Show(TSongWindowModel::ForNewSong(*MainBase));
    EXPECT_EQ(S(Window->windowTitle()), "Właściwości utworu");
    QTabWidget& pages = W<QTabWidget>("pcPages");
    const QStringList captions{"Info",     "Charakterystyka", "Czasy",
                               "Nagranie", "ZAIKS",           "Parametry losowania"};
    ASSERT_EQ(pages.count(), captions.size());
    for (int i = 0; i < pages.count(); ++i) {
        EXPECT_EQ(pages.tabText(i), captions[i]);
        EXPECT_TRUE(pages.isTabVisible(i)) << i;
    }
    for (const char* hidden : {"tglType", "tglCategory", "tglTimeRest1"})
        EXPECT_FALSE(Shown(hidden)) << hidden << ": toggles are for several songs";
}

TEST_F(SongPropertiesTest, ANewSongStartsAnyNowAndInTheDefaultGroup) {
    Show(TSongWindowModel::ForNewSong(*MainBase));
    const std::pair<const char*, TCharKind> lists[] = {
        {"cmbType", ckType},         {"cmbTempo", ckTempo}, {"cmbTempoIn", ckTempo},
        {"cmbTempoOut", ckTempo},    {"cmbVocal", ckVocal}, {"cmbAtmosphere", ckAtmosphere},
        {"cmbLanguage", ckLanguage},
    };
    for (const auto& [name, kind] : lists) {
        QComboBox& list = W<QComboBox>(name);
        EXPECT_EQ(S(list.currentText()), "Dowolny") << name;
        ASSERT_GT(Options->CharValues(kind)->size(), 1u) << name;
        EXPECT_EQ(list.count(), 1 + int(Options->CharValues(kind)->size())) << name;
        EXPECT_EQ(list.itemText(1), Options->CharValues(kind)->front().Text) << name;
    }
    EXPECT_EQ(W<QDateEdit>("dtpDate").date(), DateTimeToDate(Model->CreateDate()));
    EXPECT_EQ(W<QDateEdit>("dtpDate").date(), QDate::currentDate());
    EXPECT_TRUE(W<QCheckBox>("chbFreqRest").isChecked());
    EXPECT_EQ(W<QComboBox>("cmbFreqRest").currentData().toInt(), Rarely);
    EXPECT_FALSE(W<QCheckBox>("chbTimeRest1").isChecked());
    EXPECT_FALSE(W<QComboBox>("cmbTimeRest1").isEnabled());
    EXPECT_FALSE(W<QCheckBox>("chbIntro").isChecked());
    EXPECT_FALSE(W<QLineEdit>("edtIntro").isEnabled());
}

TEST_F(SongPropertiesTest, AChangedFieldIsShownInBold) {
    Show(TSongWindowModel::ForSong(*MainBase, Arahja));
    EXPECT_FALSE(Bold("edtTitle"));
    Type(W<QLineEdit>("edtTitle"), " (live)", 6);
    EXPECT_EQ(S(W<QLineEdit>("edtTitle").text()), "Arahja (live)");
    EXPECT_TRUE(Bold("edtTitle"));
    EXPECT_FALSE(Bold("edtInfo"));

    Page(spChars);
    EXPECT_EQ(W<QComboBox>("cmbType").currentData().toInt(), 2) << "read when first shown";
    ChooseData("cmbType", 5);
    EXPECT_TRUE(Bold("cmbType"));
    EXPECT_FALSE(Bold("cmbTempo"));
    EXPECT_TRUE(Model->SectionChanged(ssChars));
    EXPECT_FALSE(Model->SectionChanged(ssTimes));
}

TEST_F(SongPropertiesTest, TitleAlbumAndDescriptionWaitForAPerformer) {
    Show(TSongWindowModel::ForNewSong(*MainBase));
    for (const char* name : {"edtTitle", "edtAlbum", "edtInfo", "btnAlbum"})
        EXPECT_FALSE(W<QWidget>(name).isEnabled()) << name;
    EXPECT_TRUE(W<QLineEdit>("edtArtist").isReadOnly()) << "the performer is chosen, not typed";
    W<QPushButton>("btnArtist").click();
    EXPECT_EQ(Asked, QStringList{"artist from "});
    EXPECT_EQ(S(W<QLineEdit>("edtArtist").text()), "Perfect");
    for (const char* name : {"edtTitle", "edtAlbum", "edtInfo", "btnAlbum"})
        EXPECT_TRUE(W<QWidget>(name).isEnabled()) << name;
    EXPECT_TRUE(Bold("edtArtist"));

    W<QPushButton>("btnAlbum").click();
    EXPECT_EQ(Asked.last(), QStringLiteral("album of %1").arg(Perfect));
    EXPECT_EQ(S(W<QLineEdit>("edtAlbum").text()), "Unu");
}

TEST_F(SongPropertiesTest, AnotherPerformerClearsTheAlbum) {
    Show(TSongWindowModel::ForSong(*MainBase, Arahja));
    EXPECT_EQ(S(W<QLineEdit>("edtAlbum").text()), "Spokojnie");
    // A double click on the performer chooses one, as "Edycja" does.
    QTest::mouseDClick(&W<QLineEdit>("edtArtist"), Qt::LeftButton);
    EXPECT_EQ(Asked, QStringList{"artist from Kult"});
    EXPECT_EQ(S(W<QLineEdit>("edtArtist").text()), "Perfect");
    EXPECT_TRUE(W<QLineEdit>("edtAlbum").text().isEmpty());
    EXPECT_TRUE(Bold("edtAlbum"));
}

TEST_F(SongPropertiesTest, TheAlbumIsChosenOnlyForAChosenArtist) {
    // A song of an import list names a performer the library does not have yet.
    TSongData song;
    song.ArtistName = QStringLiteral("Nowy Zespół");
    song.Title = QStringLiteral("Pierwsza");
    Show(TSongWindowModel::ForImportedSong(song));
    EXPECT_TRUE(W<QLineEdit>("edtTitle").isEnabled());
    EXPECT_FALSE(W<QPushButton>("btnAlbum").isEnabled());
    QTest::mouseDClick(&W<QLineEdit>("edtAlbum"), Qt::LeftButton);
    EXPECT_TRUE(Asked.isEmpty());
}

struct TLengthCase {
    const char* Name;
    int Length;
};

TEST_F(SongPropertiesTest, MasksAndLengthLimits) {
    Show(TSongWindowModel::ForNewSong(*MainBase));
    const TLengthCase lengths[] = {
        {"edtArtist", 50}, {"edtAlbum", 50},    {"edtTitle", 50}, {"edtLabel1", 30},
        {"edtLabel2", 30}, {"edtCompress", 30}, {"edtCode", 10},
    };
    for (const TLengthCase& c : lengths)
        EXPECT_EQ(W<QLineEdit>(c.Name).maxLength(), c.Length) << c.Name;
    EXPECT_EQ(W<QComboBox>("cmbQuality").lineEdit()->maxLength(), 20);
    for (const char* time : {"edtSongTime", "edtIntro", "edtOutro", "edtFadeIn", "edtFadeOut",
                             "edtMix", "edtNStart", "edtNEnd"})
        EXPECT_TRUE(W<QLineEdit>(time).inputMask().startsWith(QStringLiteral("99:99.999"))) << time;
    EXPECT_TRUE(W<QLineEdit>("edtYear2").inputMask().startsWith(QStringLiteral("0000")));

    // The tens of minutes and of seconds take 0 to 5 only.
    Page(spTimes);
    W<QCheckBox>("chbIntro").setChecked(true);
    QLineEdit& intro = W<QLineEdit>("edtIntro");
    Type(intro, "7");
    EXPECT_EQ(S(intro.displayText()), "00:00.000");
    Type(intro, "0269");
    EXPECT_EQ(S(intro.displayText()), "02:00.000") << "6 refused in the tens of seconds";
    Type(intro, "59345", 3);
    EXPECT_EQ(S(intro.displayText()), "02:59.345");
    EXPECT_EQ(Model->Number(sfIntro), 2 * 60000 + 59345);
    W<QCheckBox>("chbIntro").setChecked(false);
    EXPECT_EQ(Model->Number(sfIntro), -1) << "a cue point whose box is not ticked is not set";
}

TEST_F(SongPropertiesTest, AHalfTypedYearIsRefusedAndEscTakesItBack) {
    Show(TSongWindowModel::ForSong(*MainBase, Arahja));
    Page(spRights);
    QLineEdit& year = W<QLineEdit>("edtYear2");
    Type(year, "19");
    Page(spInfo);
    Ok();
    EXPECT_FALSE(Accepted());
    EXPECT_EQ(Prompt.Errors(),
              QStringList{QStringLiteral("Pole \"Rok wydania\" jest wypełnione nie "
                                         "właściwie.\r\nNaciśnij Esc by anulować zmiany.")});
    EXPECT_EQ(W<QTabWidget>("pcPages").currentIndex(), int(spRights));

    QTest::keyClick(&year, Qt::Key_Escape);
    EXPECT_TRUE(year.text().isEmpty());
    EXPECT_TRUE(Window->isVisible()) << "Esc takes back the year before it closes anything";
    Type(year, "1988");
    Ok();
    EXPECT_TRUE(Accepted());
    EXPECT_EQ(Stored(tiZSongs, Arahja, "Year2").toInt(), 1988);
}

TEST_F(SongPropertiesTest, EditingAStoredSongWritesWhatChanged) {
    bool opened = false;
    Hooks.Run = [&](QDialog& dialog) {
        opened = true;
        auto& window = dynamic_cast<TSongProperties&>(dialog);
        dialog.show();
        window.findChild<QTabWidget*>(QStringLiteral("pcPages"))->setCurrentIndex(spTimes);
        QLineEdit& intro = *FindChild<QLineEdit>(window, "edtIntro");
        EXPECT_EQ(S(intro.displayText()), "00:01.000") << "read when first shown";
        EXPECT_TRUE(FindChild<QCheckBox>(window, "chbIntro")->isChecked());
        EXPECT_FALSE(FindChild<QCheckBox>(window, "chbOutro")->isChecked());
        Type(intro, "0003500");
        window.findChild<QTabWidget*>(QStringLiteral("pcPages"))->setCurrentIndex(spChars);
        EXPECT_EQ(S(FindChild<QLineEdit>(window, "edtLabel1")->text()), "Pomaton");
        FindChild<QPushButton>(window, "btnLabel1")->click();
        FindChild<QPushButton>(window, "btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    };
    EXPECT_TRUE(EditSong(*MainBase, Arahja, nullptr, Hooks));
    EXPECT_TRUE(opened);
    EXPECT_EQ(Asked, QStringList{"label from Pomaton"});
    EXPECT_EQ(Stored(tiDatSongs, Arahja, "Intro").toInt(), 3500);
    EXPECT_EQ(Stored(tiBaseSongs, Arahja, "Label1_Id").toInt(), -1) << "\"Brak etykiety\"";
    EXPECT_EQ(S(Stored(tiBaseSongs, Arahja, "Title").toString()), "Arahja");
    EXPECT_EQ(Stored(tiDataSongs, Arahja, "Mode").toInt(), 2);
    EXPECT_TRUE(Prompt.Boxes.isEmpty()) << S(Prompt.Errors());
}

TEST_F(SongPropertiesTest, TheRecordingPageShowsAndWritesTheAudioFile) {
    Show(TSongWindowModel::ForSong(*MainBase, Arahja));
    Page(spFile);
    EXPECT_EQ(S(W<QLineEdit>("edtFile").text()), "/muzyka/arahja.mp3");
    EXPECT_EQ(S(W<QComboBox>("cmbMode").currentText()), "Stereo");
    EXPECT_EQ(S(W<QComboBox>("cmbQuality").currentText()), "CD");
    EXPECT_EQ(W<QDateEdit>("dtpDate").date(), QDate(2023, 3, 15));
    EXPECT_EQ(W<QTimeEdit>("dtpTime").time(), QTime(12, 0));
    EXPECT_TRUE(W<QComboBox>("cmbFrequ").currentText().isEmpty());

    W<QPushButton>("btnBrowse").click();
    EXPECT_EQ(Asked, QStringList{"file from /muzyka/arahja.mp3"});
    EXPECT_EQ(S(W<QLineEdit>("edtFile").text()), "/nowe/plik.wav");
    W<QComboBox>("cmbMode").setCurrentIndex(2);
    W<QComboBox>("cmbFrequ").setCurrentText(QStringLiteral("48000"));
    Ok();
    ASSERT_TRUE(Accepted());
    EXPECT_EQ(S(Stored(tiDataSongs, Arahja, "Path").toString()), "/nowe/");
    EXPECT_EQ(S(Stored(tiDataSongs, Arahja, "FileName").toString()), "plik.wav");
    EXPECT_EQ(Stored(tiDataSongs, Arahja, "Mode").toInt(), 3) << "Joint stereo";
    EXPECT_EQ(Stored(tiDataSongs, Arahja, "Frequ").toInt(), 48000);
    EXPECT_EQ(Stored(tiDataSongs, Arahja, "CreateDate").toDouble(), 45000.5);
}

TEST_F(SongPropertiesTest, ANewSongIsAddedAndFoundInTheStore) {
    int attempts = 0;
    Hooks.Run = [&](QDialog& dialog) {
        dialog.show();
        auto* pages = FindChild<QTabWidget>(dialog, "pcPages");
        // OK with nothing filled in: one box names every empty field and "Czasy" comes up.
        FindChild<QPushButton>(dialog, "btnOK")->click();
        ++attempts;
        EXPECT_EQ(Prompt.Errors(),
                  QStringList{kEmptyArtistField + kEmptyTitleField + kEmptyTimeField});
        EXPECT_EQ(pages->currentIndex(), int(spTimes));

        FindChild<QPushButton>(dialog, "btnArtist")->click();
        Type(*FindChild<QLineEdit>(dialog, "edtTitle"), "Autobiografia");
        Type(*FindChild<QLineEdit>(dialog, "edtSongTime"), "0630250");
        pages->setCurrentIndex(spChars);
        QComboBox& type = *FindChild<QComboBox>(dialog, "cmbType");
        type.setCurrentIndex(type.findText(QStringLiteral("Rock")));
        pages->setCurrentIndex(spRestrictions);
        FindChild<QCheckBox>(dialog, "chbTimeRest2")->setChecked(true);
        FindChild<QPushButton>(dialog, "btnOK")->click();
        ++attempts;
        return dialog.result() == QDialog::Accepted;
    };
    int id = -1;
    ASSERT_TRUE(NewSong(*MainBase, nullptr, id, Hooks));
    EXPECT_EQ(attempts, 2);
    ASSERT_NE(id, -1);
    EXPECT_EQ(S(Stored(tiBaseSongs, id, "Title").toString()), "Autobiografia");
    EXPECT_EQ(Stored(tiBaseSongs, id, "Art_Id").toInt(), Perfect);
    EXPECT_EQ(Stored(tiBaseSongs, id, "Song_Time").toInt(), 6 * 60000 + 30250);
    EXPECT_EQ(Stored(tiBaseSongs, id, "Time_Rest2").toInt(), Night);
    EXPECT_EQ(Stored(tiBaseSongs, id, "Freq_Rest").toInt(), Rarely);
    const int chars = Stored(tiBaseSongs, id, "Character_Id").toInt();
    EXPECT_EQ(Stored(tiChars, chars, "Type").toInt(),
              Options->CharValueId(ckType, QStringLiteral("Rock")));
    EXPECT_EQ(Stored(tiChars, chars, "Vocal").toInt(), kAnyCharValue);
    EXPECT_EQ(DateTimeToDate(Stored(tiDataSongs, id, "CreateDate").toDouble()),
              QDate::currentDate());
}

TEST_F(SongPropertiesTest, ANewSongAlreadyStoredKeepsTheWindowOpen) {
    std::unique_ptr<TSongWindowModel> model = TSongWindowModel::ForNewSong(*MainBase);
    model->SetArtist(Kult, QStringLiteral("Kult"));
    Show(std::move(model));
    Type(W<QLineEdit>("edtTitle"), "ARAHJA");
    Type(W<QLineEdit>("edtSongTime"), "0300000");
    Ok();
    EXPECT_FALSE(Accepted());
    EXPECT_EQ(Prompt.Texts(TBoxKind::bkInformation),
              QStringList{QStringLiteral("Utwór Kult - ARAHJA już jest wpisany.")});
}

TEST_F(SongPropertiesTest, MultiEditHidesWhatItCannotWriteAndShowsToggles) {
    TBaseSong other;
    other.ArtistId = Perfect;
    other.Title = QStringLiteral("Niepokonani");
    other.CharType = 4;
    other.Vocal = 1;
    bool added = false;
    const int second = AddSong(other, added);
    Show(TSongWindowModel::ForSongs(*MainBase, {Arahja, second}));

    QTabWidget& pages = W<QTabWidget>("pcPages");
    for (int page = 0; page < SongPageCount; ++page)
        EXPECT_EQ(pages.isTabVisible(page), page != spTimes && page != spRights) << page;
    EXPECT_FALSE(Shown("pnlMain"));
    EXPECT_FALSE(Shown("dtpDate"));
    for (const char* toggle :
         {"tglCategory",  "tglInfo",     "tglYear",    "tglLanguage", "tglAtmosphere",
          "tglVocal",     "tglTempoOut", "tglTempoIn", "tglTempo",    "tglType",
          "tglLabel2",    "tglLabel1",   "tglCode",    "tglFile",     "tglMode",
          "tglQuality",   "tglCompress", "tglFrequ",   "tglFreqRest", "tglTimeRest1",
          "tglTimeRest2", "tglTimeRest3"})
        EXPECT_TRUE(Shown(toggle)) << toggle;
    EXPECT_TRUE(W<QLineEdit>("edtInfo").isEnabled()) << "no performer is shown for several songs";

    Page(spChars);
    const int pop = Options->CharValueId(ckType, QStringLiteral("Pop"));
    ChooseData("cmbType", pop);
    EXPECT_TRUE(W<QToolButton>("tglType").isChecked()) << "a change puts its toggle down";
    EXPECT_FALSE(W<QToolButton>("tglVocal").isChecked());
    Page(spFile);
    W<QPushButton>("btnBrowse").click();
    EXPECT_EQ(Asked, QStringList{"directory from "});
    EXPECT_TRUE(W<QToolButton>("tglFile").isChecked());
    W<QToolButton>("tglFile").click();
    EXPECT_FALSE(Model->Toggled(sfFile));
    Ok();
    ASSERT_TRUE(Accepted());
    EXPECT_TRUE(Model->Written());

    for (int id : {Arahja, second}) {
        const int chars = Stored(tiBaseSongs, id, "Character_Id").toInt();
        EXPECT_EQ(Stored(tiChars, chars, "Type").toInt(), pop) << id;
        EXPECT_EQ(S(Stored(tiDataSongs, id, "Path").toString()), id == Arahja ? "/muzyka/" : "")
            << id;
    }
    const int secondChars = Stored(tiBaseSongs, second, "Character_Id").toInt();
    EXPECT_EQ(Stored(tiChars, secondChars, "Vocal").toInt(), 1) << "each song keeps its vocal";
}

TEST_F(SongPropertiesTest, EditSongsTellsWhetherAnythingWasWritten) {
    const auto closeWith = [this](bool changeYear) {
        Hooks.Run = [changeYear](QDialog& dialog) {
            dialog.show();
            if (changeYear) {
                FindChild<QTabWidget>(dialog, "pcPages")->setCurrentIndex(spChars);
                Type(*FindChild<QLineEdit>(dialog, "edtYear"), "1990");
            }
            FindChild<QPushButton>(dialog, "btnOK")->click();
            return dialog.result() == QDialog::Accepted;
        };
    };
    closeWith(false);
    EXPECT_FALSE(EditSongs(*MainBase, {Arahja}, nullptr, Hooks));
    closeWith(true);
    EXPECT_TRUE(EditSongs(*MainBase, {Arahja}, nullptr, Hooks));
    EXPECT_EQ(Stored(tiBaseSongs, Arahja, "SYear").toInt(), 1990);
    EXPECT_FALSE(EditSongs(*MainBase, {}, nullptr, Hooks));
}

TEST_F(SongPropertiesTest, AnImportedSongIsCorrectedOnItsFirstPage) {
    TSongData song;
    song.ArtistName = QStringLiteral("Kult");
    song.ArtistId = -1;
    song.Title = QStringLiteral("Arahia");
    song.AlbumTitle = QStringLiteral("Spokojnie");
    Hooks.Run = [](QDialog& dialog) {
        dialog.show();
        QTabWidget& pages = *FindChild<QTabWidget>(dialog, "pcPages");
        for (int page = 0; page < SongPageCount; ++page)
            EXPECT_EQ(pages.isTabVisible(page), page == spInfo) << page;
        QLineEdit& title = *FindChild<QLineEdit>(dialog, "edtTitle");
        title.selectAll();
        QTest::keyClicks(&title, QStringLiteral("Arahja"));
        QComboBox& category = *FindChild<QComboBox>(dialog, "cmbCategory");
        category.setCurrentIndex(category.count() - 1);
        FindChild<QPushButton>(dialog, "btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    };
    ASSERT_TRUE(EditImportedSong(song, nullptr, Hooks));
    EXPECT_EQ(S(song.Title), "Arahja");
    EXPECT_EQ(S(song.AlbumTitle), "Spokojnie");
    QList<TCategoryEntry> categories;
    Options->Categories().ListDbCategories(categories);
    EXPECT_EQ(S(song.Category), S(QString::number(categories.last().Id)));
    EXPECT_EQ(S(Stored(tiBaseSongs, Arahja, "Title").toString()), "Arahja") << "nothing stored";
}

} // namespace
