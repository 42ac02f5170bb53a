#include "DialogSteps.h"
#include "FindChild.h"
#include "ModelCheck.h"
#include "clocks/uClockObjList.h"
#include "clocks/uObjDialogModel.h"
#include "dayplan/uStores.h"
#include "library/uDBMainBase.h"
#include "library/uLibraryEntities.h"
#include "library/uSongStore.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestText.h"
#include "ui/categories/uLabelChooserDialog.h"
#include "ui/categories/uObjDialog.h"
#include "ui/clockeditor/uValueChooserDialog.h"
#include "ui/library/uSongsViewForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The object dialog filled in as a music director fills it: the kind chosen, the name typed,
// the characteristics picked, songs added from the library, and what "Test" finds.

namespace {

class ObjDialogTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    std::unique_ptr<TObjDialogModel> Model;
    std::unique_ptr<TObjDialog> Dialog;
    // What the user does in each dialog the object dialog opens, in order.
    std::deque<TStep> Steps;

    void SetUp() override {
        Station.CopyDefaultStation();
        ASSERT_TRUE(BringUpStores());
        Prompt.Clear();
    }
    void TearDown() override {
        Dialog.reset();
        Model.reset();
        EXPECT_TRUE(Steps.empty()) << "a dialog expected was not opened";
        ReleaseStores();
    }

    // The dialog in new mode, or in edit mode on the object; over the station's library unless
    // told otherwise.
    void Open(TDBMainBase* store = MainBase.get()) {
        Dialog.reset();
        Model = std::make_unique<TObjDialogModel>();
        Show(store);
    }
    void OpenOn(const TBaseClockObject& object, TDBMainBase* store = MainBase.get()) {
        Dialog.reset();
        Model = std::make_unique<TObjDialogModel>(object);
        Show(store);
    }
    void Show(TDBMainBase* store) {
        Dialog = std::make_unique<TObjDialog>(*Model, *CategoryList, store);
        Dialog->DialogRunner = RunSteps(Steps);
        Dialog->show();
    }

    template <class T> T& W(const char* name) const { return *FindChild<T>(*Dialog, name); }
    bool Shown(const char* name) const { return W<QWidget>(name).isVisibleTo(Dialog.get()); }
    void ChooseKind(TObjKind kind) {
        QComboBox& kinds = W<QComboBox>("cmbKind");
        kinds.setCurrentIndex(kinds.findData(int(kind)));
    }
    void ChooseSongCategory(const char* name) {
        QComboBox& categories = W<QComboBox>("cmbSCat");
        const int index = categories.findText(QString::fromUtf8(name));
        ASSERT_GE(index, 0) << name;
        categories.setCurrentIndex(index);
    }

    // A song of the library; its id.
    static int AddLibrarySong(const char* artist, const char* title, int category, int seconds,
                              int charType = -1) {
        TBaseSong song;
        song.ArtistId = FindArtist(QString::fromUtf8(artist), true);
        song.Title = QString::fromUtf8(title);
        song.Category = QString::number(category);
        song.SongTime = seconds * 1000;
        song.CharType = charType;
        bool added = false;
        return AddSong(song, added);
    }

    QStringList SongRows(const QAbstractItemModel& model) const {
        QStringList rows;
        for (int row = 0; row < model.rowCount(); ++row)
            rows.append(model.index(row, 0).data().toString() + QStringLiteral(" - ") +
                        model.index(row, 1).data().toString());
        return rows;
    }
    QStringList ListedSongs() const { return SongRows(*W<QTableView>("tvSongs").model()); }
};

// In the value chooser: each value moved to the chosen ones, then OK.
TStep PickValues(QStringList values, int* offered = nullptr) {
    return [values, offered](QDialog& dialog) {
        auto& chooser = As<TValueChooserDialog>(dialog);
        auto& available = *FindChild<QComboBox>(chooser, "cmbAvailable");
        if (offered)
            *offered = available.count() + static_cast<int>(chooser.Choice().Chosen().size());
        for (const QString& value : values) {
            available.setCurrentIndex(available.findText(value));
            FindChild<QPushButton>(chooser, "btnAdd")->click();
        }
        FindChild<QPushButton>(chooser, "btnOK")->click();
        return chooser.result() == QDialog::Accepted;
    };
}

// --- The kind

struct TKindLook {
    TObjKind Kind;
    bool Chars, Songs, Info, ExTimeShown, RestShown, SepEnbShown;
    bool Rest, HPrior, ExTime;
    int SepEnb;
    bool SepEnbEnabled;
    const char* SongCategory;
    int SongCategories;
};

TEST_F(ObjDialogTest, ChoosingAKindShowsAndTicksItsControls) {
    const TKindLook looks[] = {
        {otPlayList, false, true, false, false, true, true, true, true, false, smOff, false,
         "Muzyka", 9},
        // A list switched the separation schedule off; no later kind switches it on.
        {otBlank, false, false, true, false, false, false, true, false, true, smOff, true,
         "Reklama", 5},
        // Back from a blank: everything it hid is shown again.
        {otCategory, true, false, false, true, true, true, false, false, false, smOff, true,
         "Muzyka", 6},
        {otBlank, false, false, true, false, false, false, true, false, true, smOff, true,
         "Reklama", 5},
    };
    Open();
    EXPECT_EQ(Dialog->windowTitle(), QStringLiteral("Nowa kategoria"));
    EXPECT_TRUE(Shown("cmbKind"));
    EXPECT_FALSE(Shown("edtKind"));
    EXPECT_EQ(W<QComboBox>("cmbKind").currentText(), QStringLiteral("Kategoria podstawowa"));
    EXPECT_EQ(W<QLineEdit>("edtTime").displayText(), QStringLiteral("00:03:30"));
    EXPECT_EQ(W<QComboBox>("cmbSepEnb").currentText(), QStringLiteral("Domyślnie"));
    for (const TKindLook& look : looks) {
        SCOPED_TRACE(int(look.Kind));
        ChooseKind(look.Kind);
        EXPECT_EQ(Model->Kind(), look.Kind);
        EXPECT_EQ(Shown("gbChars"), look.Chars);
        EXPECT_EQ(Shown("btnTest"), look.Chars);
        EXPECT_EQ(Shown("pnlSongs"), look.Songs);
        EXPECT_EQ(Shown("pnlInfo"), look.Info);
        EXPECT_EQ(Shown("chbExTime"), look.ExTimeShown);
        EXPECT_EQ(Shown("chbRest"), look.RestShown);
        EXPECT_EQ(Shown("cmbSepEnb"), look.SepEnbShown);
        EXPECT_EQ(Shown("lblSepEnb"), look.SepEnbShown);
        EXPECT_EQ(W<QCheckBox>("chbRest").isChecked(), look.Rest);
        EXPECT_EQ(W<QCheckBox>("chbHPrior").isChecked(), look.HPrior);
        EXPECT_EQ(W<QCheckBox>("chbExTime").isChecked(), look.ExTime);
        EXPECT_EQ(W<QComboBox>("cmbSepEnb").currentIndex(), look.SepEnb);
        EXPECT_EQ(W<QComboBox>("cmbSepEnb").isEnabled(), look.SepEnbEnabled);
        EXPECT_EQ(W<QComboBox>("cmbSCat").currentText(), QString::fromUtf8(look.SongCategory));
        EXPECT_EQ(W<QComboBox>("cmbSCat").count(), look.SongCategories);
        EXPECT_EQ(
            W<QLabel>("lblDescription").text(),
            ObjKindDescription(look.Kind).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
}

TEST_F(ObjDialogTest, TicksClickedOutsideABlankComeBackWithTheNextKind) {
    Open();
    W<QCheckBox>("chbRest").click();
    ChooseKind(otPlayList);
    EXPECT_TRUE(W<QCheckBox>("chbHPrior").isChecked()) << "a list has high priority";
    W<QCheckBox>("chbHPrior").click();
    ChooseKind(otBlank);
    ChooseKind(otCategory);
    EXPECT_TRUE(W<QCheckBox>("chbRest").isChecked());
    EXPECT_FALSE(W<QCheckBox>("chbHPrior").isChecked());
    EXPECT_TRUE(Model->Rest());
    EXPECT_FALSE(Model->HPrior());
}

TEST_F(ObjDialogTest, ARandomListFollowsTheSeparationSchedule) {
    Open();
    ChooseKind(otPlayList);
    EXPECT_FALSE(W<QComboBox>("cmbSepEnb").isEnabled());
    W<QCheckBox>("chbRndList").click();
    EXPECT_TRUE(W<QComboBox>("cmbSepEnb").isEnabled());
    W<QComboBox>("cmbSepEnb").setCurrentIndex(smOn);
    W<QCheckBox>("chbRepList").click();
    EXPECT_EQ(Model->SepEnb(), smOn);
    EXPECT_TRUE(Model->RndList());
    EXPECT_FALSE(Model->RepList());
}

TEST_F(ObjDialogTest, OkNeedsAName) {
    Open();
    EXPECT_FALSE(W<QPushButton>("btnOK").isEnabled());
    W<QLineEdit>("edtName").setText(QStringLiteral("Nocne granie"));
    EXPECT_TRUE(W<QPushButton>("btnOK").isEnabled());
    W<QLineEdit>("edtName").clear();
    EXPECT_FALSE(W<QPushButton>("btnOK").isEnabled());
}

// --- Edit mode

TEST_F(ObjDialogTest, EditModeShowsTheObject) {
    auto category = std::make_unique<TCategory>();
    category->SetName(QStringLiteral("Poranek"));
    category->SetPlayTime(125);
    category->SetExTime(true);
    category->SetRest(false);
    category->SetHPrior(true);
    category->SetSepEnb(smOn);
    category->SetSCat(2);
    category->Properties.Tempo = {Options->CharValueId(ckTempo, QStringLiteral("Szybkie"))};
    category->Properties.Lab1 = QStringLiteral("EMI");
    category->Properties.Any = false;
    OpenOn(*CategoryList->AddObject(std::move(category)));

    EXPECT_EQ(Dialog->windowTitle(), QStringLiteral("Poranek"));
    EXPECT_FALSE(Shown("cmbKind"));
    EXPECT_TRUE(Shown("edtKind"));
    EXPECT_EQ(W<QLineEdit>("edtKind").text(), QStringLiteral("Kategoria podstawowa"));
    EXPECT_TRUE(W<QLineEdit>("edtKind").isReadOnly());
    EXPECT_EQ(W<QLineEdit>("edtName").text(), QStringLiteral("Poranek"));
    EXPECT_TRUE(W<QLineEdit>("edtName").isEnabled());
    EXPECT_EQ(W<QLineEdit>("edtTime").displayText(), QStringLiteral("00:02:05"));
    EXPECT_TRUE(W<QCheckBox>("chbExTime").isChecked());
    EXPECT_FALSE(W<QCheckBox>("chbRest").isChecked());
    EXPECT_TRUE(W<QCheckBox>("chbHPrior").isChecked());
    EXPECT_EQ(W<QComboBox>("cmbSepEnb").currentText(), QStringLiteral("Włączony"));
    EXPECT_EQ(W<QComboBox>("cmbSCat").currentText(), QStringLiteral("Przeboje"));
    EXPECT_TRUE(W<QCheckBox>("chbTempo").isChecked());
    EXPECT_EQ(W<QLineEdit>("edtTempo").text(), QStringLiteral("Szybkie"));
    EXPECT_TRUE(W<QLineEdit>("edtTempo").isEnabled());
    EXPECT_FALSE(W<QCheckBox>("chbType").isChecked());
    EXPECT_FALSE(W<QLineEdit>("edtType").isEnabled());
    EXPECT_FALSE(W<QToolButton>("btnType").isEnabled());
    EXPECT_TRUE(W<QCheckBox>("chbLab1").isChecked());
    EXPECT_EQ(W<QLineEdit>("edtLab1").text(), QStringLiteral("EMI"));
    EXPECT_TRUE(W<QRadioButton>("rbAny").isChecked());
    EXPECT_FALSE(W<QRadioButton>("rbAll").isChecked());
}

TEST_F(ObjDialogTest, EditModeShowsTheSongsOfAListAndTheTextOfABlank) {
    const int first = AddLibrarySong("Anna", "Ala", 1, 180);
    const int second = AddLibrarySong("Bogdan", "Łąka", 1, 200);
    auto list = std::make_unique<TDetailPlayList>();
    list->SetName(QStringLiteral("Lista"));
    list->SetSCat(1);
    list->AddSong(second);
    list->AddSong(first);
    list->SetRndList(true);
    list->SetRepList(false);
    OpenOn(*CategoryList->AddObject(std::move(list)));
    {
        const TModelCheck check(W<QTableView>("tvSongs").model());
        EXPECT_EQ(ListedSongs(),
                  (QStringList{QStringLiteral("Bogdan - Łąka"), QStringLiteral("Anna - Ala")}));
        EXPECT_EQ(W<QLabel>("lblSongCount").text(), QStringLiteral("2"));
        EXPECT_EQ(W<QLabel>("lblMeanTime").text(), QStringLiteral("00:03:10"));
        EXPECT_TRUE(W<QCheckBox>("chbRndList").isChecked());
        EXPECT_FALSE(W<QCheckBox>("chbRepList").isChecked());
        EXPECT_TRUE(W<QComboBox>("cmbSepEnb").isEnabled());
    }

    auto blank = std::make_unique<TBlankCategory>();
    blank->SetName(QStringLiteral("Cisza"));
    blank->Info = QStringLiteral("\"Blok reklam\",Drugi");
    OpenOn(*CategoryList->AddObject(std::move(blank)));
    EXPECT_EQ(W<QPlainTextEdit>("memInfo").toPlainText(), QStringLiteral("Blok reklam\nDrugi"));
    EXPECT_FALSE(W<QPlainTextEdit>("memInfo").isReadOnly());
}

TEST_F(ObjDialogTest, APredefinedObjectKeepsItsKindNameSongCategoryAndText) {
    const TBaseClockObject* advert = CategoryList->FindById(AdvertBlankId);
    ASSERT_NE(advert, nullptr);
    OpenOn(*advert);
    EXPECT_FALSE(Shown("cmbKind"));
    EXPECT_EQ(W<QLineEdit>("edtKind").text(), QStringLiteral("Pusta"));
    EXPECT_FALSE(W<QLineEdit>("edtName").isEnabled());
    EXPECT_FALSE(W<QComboBox>("cmbSCat").isEnabled());
    EXPECT_TRUE(W<QPlainTextEdit>("memInfo").isReadOnly());
    EXPECT_TRUE(W<QLineEdit>("edtTime").isEnabled()) << "its length can still be set";
    EXPECT_TRUE(W<QPushButton>("btnOK").isEnabled());
}

TEST_F(ObjDialogTest, TheTextOfABlankIsKeptAsCommaText) {
    Open();
    ChooseKind(otBlank);
    W<QLineEdit>("edtName").setText(QStringLiteral("Cisza"));
    W<QPlainTextEdit>("memInfo").setPlainText(QStringLiteral("Blok reklam\nDrugi\n"));
    EXPECT_EQ(Model->InfoLines(),
              (QStringList{QStringLiteral("Blok reklam"), QStringLiteral("Drugi")}));
    const auto blank = Model->CreateObject();
    EXPECT_EQ(dynamic_cast<TBlankCategory&>(*blank).Info, QStringLiteral("\"Blok reklam\",Drugi"));
}

// --- "Czas:"

TEST_F(ObjDialogTest, TheTensOfMinutesAndSecondsTakeOnlyZeroToFive) {
    const struct {
        int Position;
        char Digit;
        const char* Text;
        int Seconds;
    } keys[] = {
        {0, '9', "90:00:00", 90 * 3600}, {1, '7', "07:00:00", 7 * 3600}, {3, '6', "00:00:00", 0},
        {3, '5', "00:50:00", 3000},      {4, '9', "00:09:00", 540},      {6, '9', "00:00:00", 0},
        {6, '4', "00:00:40", 40},        {7, '8', "00:00:08", 8},
    };
    Open();
    QLineEdit& time = W<QLineEdit>("edtTime");
    time.setFocus();
    for (const auto& key : keys) {
        SCOPED_TRACE(key.Text);
        time.setText(QStringLiteral("00:00:00"));
        time.setCursorPosition(key.Position);
        QTest::keyClick(&time, key.Digit);
        EXPECT_EQ(time.displayText(), QString::fromLatin1(key.Text));
        EXPECT_EQ(Model->PlayTime(), key.Seconds);
    }
}

// --- The characteristics frame

TEST_F(ObjDialogTest, ACharacteristicIsPickedWithTheValueChooser) {
    Open();
    EXPECT_FALSE(W<QToolButton>("btnType").isEnabled()) << "an unticked box picks nothing";
    W<QCheckBox>("chbType").click();
    ASSERT_TRUE(W<QToolButton>("btnType").isEnabled());
    int offered = 0;
    Steps.push_back(PickValues({QStringLiteral("Rock")}, &offered));
    W<QToolButton>("btnType").click();
    EXPECT_EQ(offered, static_cast<int>(Options->CharValues(ckType)->size()))
        << "every value of the characteristic is offered";
    EXPECT_EQ(W<QLineEdit>("edtType").text(), QStringLiteral("Rock"));

    // A double click on the text opens the chooser with what the text holds.
    Steps.push_back([](QDialog& dialog) {
        EXPECT_EQ(As<TValueChooserDialog>(dialog).Choice().Chosen(),
                  QStringList{QStringLiteral("Rock")});
        return PickValues({QStringLiteral("Pop")})(dialog);
    });
    QTest::mouseDClick(&W<QLineEdit>("edtType"), Qt::LeftButton);
    EXPECT_EQ(W<QLineEdit>("edtType").text(), QStringLiteral("Rock,Pop"));
    EXPECT_EQ(Model->FrameProperties().PropType,
              (TPropArray{Options->CharValueId(ckType, QStringLiteral("Rock")),
                          Options->CharValueId(ckType, QStringLiteral("Pop"))}));

    // Cancelled, the chooser changes nothing.
    Steps.push_back([](QDialog&) { return false; });
    W<QToolButton>("btnType").click();
    EXPECT_EQ(W<QLineEdit>("edtType").text(), QStringLiteral("Rock,Pop"));

    W<QCheckBox>("chbType").click();
    EXPECT_FALSE(W<QLineEdit>("edtType").isEnabled());
    EXPECT_TRUE(Model->FrameProperties().PropType.empty()) << "an unticked box sets no condition";
    W<QRadioButton>("rbAny").click();
    EXPECT_FALSE(Model->FrameProperties().Any);
}

TEST_F(ObjDialogTest, ALabelIsPickedFromTheLibrarysLabels) {
    FindLabel(QStringLiteral("Sony"), true);
    FindLabel(QStringLiteral("EMI"), true);
    Open();
    W<QCheckBox>("chbLab2").click();
    Steps.push_back([](QDialog& dialog) {
        auto& chooser = As<TLabelChooserDialog>(dialog);
        QListView& labels = *FindChild<QListView>(chooser, "lvLabels");
        const TModelCheck check(labels.model());
        QStringList names;
        for (int row = 0; row < labels.model()->rowCount(); ++row)
            names.append(labels.model()->index(row, 0).data().toString());
        EXPECT_EQ(names, (QStringList{QStringLiteral("EMI"), QStringLiteral("Sony")}));
        labels.setCurrentIndex(labels.model()->index(1, 0));
        FindChild<QPushButton>(chooser, "btnOK")->click();
        return chooser.result() == QDialog::Accepted;
    });
    W<QToolButton>("btnLab2").click();
    EXPECT_EQ(W<QLineEdit>("edtLab2").text(), QStringLiteral("Sony"));
    EXPECT_EQ(Model->FrameProperties().Lab2, QStringLiteral("Sony"));
    EXPECT_EQ(Model->FrameProperties().Lab1, QString());
}

TEST_F(ObjDialogTest, TestShowsTheSongsTheFrameSelects) {
    const int rock = Options->CharValueId(ckType, QStringLiteral("Rock"));
    const int pop = Options->CharValueId(ckType, QStringLiteral("Pop"));
    AddLibrarySong("Anna", "Ala", 1, 180, rock);
    AddLibrarySong("Bogdan", "Łąka", 1, 200, rock);
    AddLibrarySong("Celina", "Zorza", 1, 240, pop);
    AddLibrarySong("Dawid", "Inna kategoria", 2, 240, rock);
    Open();
    W<QCheckBox>("chbType").click();
    Steps.push_back(PickValues({QStringLiteral("Rock")}));
    W<QToolButton>("btnType").click();

    const struct {
        bool Ticked;
        QStringList Songs;
    } cases[] = {
        {true, {QStringLiteral("Anna - Ala"), QStringLiteral("Bogdan - Łąka")}},
        {false,
         {QStringLiteral("Anna - Ala"), QStringLiteral("Bogdan - Łąka"),
          QStringLiteral("Celina - Zorza")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Ticked);
        if (W<QCheckBox>("chbType").isChecked() != c.Ticked)
            W<QCheckBox>("chbType").click();
        Steps.push_back([this, &c](QDialog& dialog) {
            auto& list = As<TSongsViewForm>(dialog);
            QTableView& songs = *FindChild<QTableView>(list, "tvSongs");
            const TModelCheck check(songs.model());
            EXPECT_EQ(SongRows(*songs.model()), c.Songs);
            EXPECT_EQ(FindChild<QLabel>(list, "lblCount")->text(),
                      QStringLiteral("Liczba utwrów: %1").arg(c.Songs.size()));
            return true;
        });
        W<QPushButton>("btnTest").click();
    }
}

// --- The song list

TEST_F(ObjDialogTest, SongsAreAddedFromTheSongCategoryMovedAndRemoved) {
    AddLibrarySong("Anna", "Ala", 1, 180);
    AddLibrarySong("Bogdan", "Łąka", 1, 200);
    AddLibrarySong("Celina", "Zorza", 2, 240);
    Open();
    ChooseKind(otPlayList);
    ChooseSongCategory("Muzyka");
    QTableView& songs = W<QTableView>("tvSongs");
    const TModelCheck check(songs.model());
    EXPECT_EQ(W<QLabel>("lblSongCount").text(), QStringLiteral("0"));
    EXPECT_EQ(W<QLabel>("lblMeanTime").text(), QStringLiteral("0"));

    // Each pick in the chooser, which offers the songs of the chosen category only.
    const auto pick = [this](int row) {
        Steps.push_back([this, row](QDialog& dialog) {
            auto& chooser = As<TSongsViewForm>(dialog);
            QTableView& offered = *FindChild<QTableView>(chooser, "tvSongs");
            EXPECT_EQ(SongRows(*offered.model()),
                      (QStringList{QStringLiteral("Anna - Ala"), QStringLiteral("Bogdan - Łąka")}));
            offered.selectRow(row);
            FindChild<QPushButton>(chooser, "btnOK")->click();
            return chooser.result() == QDialog::Accepted;
        });
        W<QPushButton>("btnAddSong").click();
    };
    pick(1);
    pick(0);
    EXPECT_EQ(ListedSongs(),
              (QStringList{QStringLiteral("Bogdan - Łąka"), QStringLiteral("Anna - Ala")}));
    EXPECT_EQ(W<QLabel>("lblSongCount").text(), QStringLiteral("2"));
    EXPECT_EQ(W<QLabel>("lblMeanTime").text(), QStringLiteral("00:03:10"));

    // The song just added is selected: it can go up, not down.
    EXPECT_TRUE(W<QPushButton>("btnSongUp").isEnabled());
    EXPECT_FALSE(W<QPushButton>("btnSongDown").isEnabled());
    W<QPushButton>("btnSongUp").click();
    EXPECT_EQ(ListedSongs(),
              (QStringList{QStringLiteral("Anna - Ala"), QStringLiteral("Bogdan - Łąka")}));
    EXPECT_EQ(songs.selectionModel()->selectedRows().value(0).row(), 0) << "the moved song";
    songs.selectAll();
    EXPECT_FALSE(W<QPushButton>("btnSongUp").isEnabled()) << "only a single song moves";
    EXPECT_FALSE(W<QPushButton>("btnSongDown").isEnabled());
    songs.selectRow(0);
    W<QPushButton>("btnRemoveSongs").click();
    EXPECT_EQ(ListedSongs(), QStringList{QStringLiteral("Bogdan - Łąka")});
    EXPECT_EQ(W<QLabel>("lblMeanTime").text(), QStringLiteral("00:03:20"));

    // A cancelled chooser adds nothing.
    Steps.push_back([](QDialog&) { return false; });
    W<QPushButton>("btnAddSong").click();
    EXPECT_EQ(Model->Songs().size(), 1);

    // The songs were chosen from the other category.
    ChooseSongCategory("Przeboje");
    EXPECT_TRUE(ListedSongs().isEmpty());
    EXPECT_EQ(W<QLabel>("lblSongCount").text(), QStringLiteral("0"));
    EXPECT_EQ(W<QLabel>("lblMeanTime").text(), QStringLiteral("0"));
}

// --- No library open

TEST_F(ObjDialogTest, WithoutALibraryNoSongOrLabelCanBePickedAndTestIsUnavailable) {
    auto list = std::make_unique<TDetailPlayList>();
    list->SetName(QStringLiteral("Lista"));
    list->AddSong(7);
    OpenOn(*CategoryList->AddObject(std::move(list)), nullptr);
    EXPECT_FALSE(W<QPushButton>("btnAddSong").isEnabled());
    EXPECT_EQ(W<QLabel>("lblSongCount").text(), QStringLiteral("1"));
    EXPECT_EQ(W<QLabel>("lblMeanTime").text(), QStringLiteral("0"));

    Open(nullptr);
    EXPECT_TRUE(Shown("btnTest"));
    EXPECT_FALSE(W<QPushButton>("btnTest").isEnabled());
    W<QCheckBox>("chbLab1").click();
    EXPECT_FALSE(W<QToolButton>("btnLab1").isEnabled());
    W<QCheckBox>("chbYears").click();
    EXPECT_TRUE(W<QToolButton>("btnYears").isEnabled()) << "the values are in the settings";
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

} // namespace
