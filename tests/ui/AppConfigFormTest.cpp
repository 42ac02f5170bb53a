#include "DialogSteps.h"
#include "FindChild.h"
#include "StationSnapshot.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestText.h"
#include "ui/settings/uAppConfigForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

// "Konfiguracja programu" as the music director uses it: the directories, the default and
// global frequency groups and the draw parameters, each stored in its own file on OK.

namespace {

class AppConfigFormTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    // What the user does in the window, one step for each time it is opened.
    std::deque<TStep> Steps;

    // Three groups, the default artist group set, both directories there and "konfig.dat"
    // written by the program itself.
    void SetUp() override {
        Station.CopyDefaultStation();
        ASSERT_TRUE(QDir().mkdir(Station.Path(QStringLiteral("PlayListy"))));
        Config = TConfig();
        InitOptions();
        for (const char* name : {"Rzadko", "często", "Bardzo rzadko"}) {
            auto group = std::make_unique<TArFreqGroup>();
            group->Name = U(name);
            FreqGroups->Add(std::move(group));
        }
        FreqGroups->SetDefArtGr(2);
        ASSERT_TRUE(FreqGroups->Save());
        ASSERT_TRUE(SaveConfig(Config));
        Prompt.Clear();
    }
    void TearDown() override {
        EXPECT_TRUE(Steps.empty()) << "the window was not opened";
        DoneOptions();
        Config = TConfig();
    }

    // Opens the window on the page and plays `what` in it.
    bool Open(TAppConfigPage page, std::function<bool(TAppConfigForm&)> what) {
        Steps.push_back([what](QDialog& dialog) { return what(As<TAppConfigForm>(dialog)); });
        return EditAppConfig(page, nullptr, RunSteps(Steps));
    }

    static bool PressOK(TAppConfigForm& form) {
        FindChild<QPushButton>(form, "btnOK")->click();
        return form.result() == QDialog::Accepted;
    }
    template <class T> static T& W(const TAppConfigForm& form, const char* name) {
        return *FindChild<T>(form, name);
    }
    static QStringList Items(const QComboBox& list) {
        QStringList items;
        for (int index = 0; index < list.count(); ++index)
            items.append(list.itemText(index));
        return items;
    }
};

TEST_F(AppConfigFormTest, OpensOnTheAskedPageWithEveryPageInOrder) {
    const std::pair<TAppConfigPage, const char*> pages[] = {
        {TAppConfigPage::Paths, "tabPaths"},
        {TAppConfigPage::DefaultRestr, "tabDefaultRestr"},
        {TAppConfigPage::GlobalRestr, "tabGlobalRestr"},
    };
    for (const auto& [page, name] : pages) {
        Open(page, [name](TAppConfigForm& form) {
            EXPECT_EQ(form.windowTitle(), U("Konfiguracja programu"));
            auto& tabs = W<QTabWidget>(form, "PageControl");
            EXPECT_EQ(tabs.currentWidget()->objectName(), QString::fromLatin1(name));
            QStringList captions;
            for (int index = 0; index < tabs.count(); ++index)
                captions.append(tabs.tabText(index));
            EXPECT_EQ(captions, QStringList({U("Ścieżki"), U("Blokady domyślne"),
                                             U("Blokady globalne"), U("Parametry losowania")}));
            EXPECT_EQ(tabs.widget(3)->objectName(), QStringLiteral("tabRandOptions"));
            return false;
        });
    }
}

TEST_F(AppConfigFormTest, ShowsTheSettingsAsTheyAre) {
    Open(TAppConfigPage::Paths, [this](TAppConfigForm& form) {
        EXPECT_EQ(W<QLineEdit>(form, "edtClock").text(), Station.Path(QStringLiteral("Zegary")));
        EXPECT_EQ(W<QLineEdit>(form, "edtPlaylist").text(),
                  Station.Path(QStringLiteral("PlayListy")));
        // The default lists by name, the global ones in the list's order.
        const QStringList byName{U("Bardzo rzadko"), U("często"), U("Rzadko")};
        EXPECT_EQ(Items(W<QComboBox>(form, "cmbArtFreqGr")), byName);
        EXPECT_EQ(Items(W<QComboBox>(form, "cmbSongFreqGr")), byName);
        EXPECT_EQ(Items(W<QComboBox>(form, "cmbArtGlobGr")),
                  QStringList({U("Rzadko"), U("często"), U("Bardzo rzadko")}));

        EXPECT_TRUE(W<QCheckBox>(form, "chbArtFreqGr").isChecked());
        EXPECT_TRUE(W<QComboBox>(form, "cmbArtFreqGr").isEnabled());
        EXPECT_EQ(W<QComboBox>(form, "cmbArtFreqGr").currentText(), U("często"));
        for (auto [box, list] : {std::pair{"chbSongFreqGr", "cmbSongFreqGr"},
                                 std::pair{"chbArtGlobGr", "cmbArtGlobGr"},
                                 std::pair{"chbSongGlobGr", "cmbSongGlobGr"}}) {
            EXPECT_FALSE(W<QCheckBox>(form, box).isChecked()) << box;
            EXPECT_FALSE(W<QComboBox>(form, list).isEnabled()) << list;
            EXPECT_EQ(W<QComboBox>(form, list).currentIndex(), 0) << list;
        }

        EXPECT_EQ(Items(W<QComboBox>(form, "cmbRandMethod")),
                  QStringList({U("Metoda A"), U("Metoda B"), U("Naprzemiennie metody A i B")}));
        EXPECT_EQ(W<QComboBox>(form, "cmbRandMethod").currentIndex(), 0);
        EXPECT_TRUE(W<QCheckBox>(form, "chbCanCut").isChecked());
        // The station lets high-priority songs be cut too.
        EXPECT_FALSE(W<QCheckBox>(form, "chbCanCutHighPrior").isChecked());
        EXPECT_TRUE(W<QCheckBox>(form, "chbCanCutHighPrior").isEnabled());
        // The station made by "init" gives up rules rather than stop the day.
        EXPECT_EQ(W<QCheckBox>(form, "chbRelaxRules").text(),
                  U("Rozluźniaj reguły, gdy brak kandydata"));
        EXPECT_TRUE(W<QCheckBox>(form, "chbRelaxRules").isChecked());
        // The directories shown count as a change.
        EXPECT_TRUE(W<QPushButton>(form, "btnOK").isEnabled());
        return false;
    });
}

TEST_F(AppConfigFormTest, AGroupOfAnIdNoLongerListedShowsAsNone) {
    FreqGroups->SetGlobSongGr(77);
    Open(TAppConfigPage::GlobalRestr, [](TAppConfigForm& form) {
        EXPECT_FALSE(W<QCheckBox>(form, "chbSongGlobGr").isChecked());
        EXPECT_FALSE(W<QComboBox>(form, "cmbSongGlobGr").isEnabled());
        return false;
    });
}

TEST_F(AppConfigFormTest, WithoutDirectoriesOKWaitsForAChange) {
    const std::pair<const char*, std::function<void(TAppConfigForm&)>> changes[] = {
        {"a directory", [](TAppConfigForm& f) { W<QLineEdit>(f, "edtClock").setText("x"); }},
        {"a group box", [](TAppConfigForm& f) { W<QCheckBox>(f, "chbSongGlobGr").click(); }},
        {"a group list",
         [](TAppConfigForm& f) { W<QComboBox>(f, "cmbArtFreqGr").setCurrentIndex(2); }},
        {"the method",
         [](TAppConfigForm& f) { W<QComboBox>(f, "cmbRandMethod").setCurrentIndex(1); }},
        {"cutting", [](TAppConfigForm& f) { W<QCheckBox>(f, "chbCanCut").click(); }},
        {"high priority", [](TAppConfigForm& f) { W<QCheckBox>(f, "chbCanCutHighPrior").click(); }},
        {"relaxing", [](TAppConfigForm& f) { W<QCheckBox>(f, "chbRelaxRules").click(); }},
    };
    Config.ClockDir.clear();
    Config.PlayListDir.clear();
    for (const auto& [what, change] : changes) {
        Open(TAppConfigPage::Paths, [what, change](TAppConfigForm& form) {
            auto& ok = W<QPushButton>(form, "btnOK");
            EXPECT_FALSE(ok.isEnabled()) << what;
            change(form);
            EXPECT_TRUE(ok.isEnabled()) << what;
            return false;
        });
    }
}

TEST_F(AppConfigFormTest, TickingAGroupBoxEnablesItsList) {
    Open(TAppConfigPage::DefaultRestr, [](TAppConfigForm& form) {
        auto& list = W<QComboBox>(form, "cmbSongFreqGr");
        W<QCheckBox>(form, "chbSongFreqGr").click();
        EXPECT_TRUE(list.isEnabled());
        W<QCheckBox>(form, "chbSongFreqGr").click();
        EXPECT_FALSE(list.isEnabled());
        return false;
    });
}

TEST_F(AppConfigFormTest, BrowsingStartsAtTheTextAndTakesOnlyAChoice) {
    const QString chosen = Station.Path(QStringLiteral("Inne"));
    Open(TAppConfigPage::Paths, [this, chosen](TAppConfigForm& form) {
        QStringList asked;
        QString answer;
        form.ChooseDirectory = [&](QWidget* parent, const QString& title, const QString& start) {
            EXPECT_EQ(parent, &form);
            asked.append(title + QLatin1Char('|') + start);
            return answer;
        };
        W<QPushButton>(form, "btnBrowsePlaylist").click();
        EXPECT_EQ(W<QLineEdit>(form, "edtPlaylist").text(),
                  Station.Path(QStringLiteral("PlayListy")));
        answer = chosen;
        W<QPushButton>(form, "btnBrowseClock").click();
        EXPECT_EQ(W<QLineEdit>(form, "edtClock").text(), chosen);
        EXPECT_EQ(asked, QStringList({U("Wybierz katalog|") + Station.Path("PlayListy"),
                                      U("Wybierz katalog|") + Station.Path("Zegary")}));
        return false;
    });
}

TEST_F(AppConfigFormTest, OKStoresTheDirectoriesTheMethodAndTheGroups) {
    const QString clocks = Station.Path(QStringLiteral("PlayListy"));
    EXPECT_TRUE(Open(TAppConfigPage::Paths, [clocks](TAppConfigForm& form) {
        W<QLineEdit>(form, "edtClock").setText(clocks);
        W<QComboBox>(form, "cmbRandMethod").setCurrentIndex(2);
        W<QCheckBox>(form, "chbArtFreqGr").click();
        W<QCheckBox>(form, "chbSongGlobGr").click();
        W<QComboBox>(form, "cmbSongGlobGr").setCurrentIndex(2);
        return PressOK(form);
    }));
    EXPECT_TRUE(Prompt.Boxes.isEmpty()) << S(Prompt.Errors());
    EXPECT_EQ(Config.ClockDir, clocks);
    EXPECT_EQ(Config.SelectionMethod, QStringLiteral("AB"));

    TConfig saved;
    LoadConfig(saved);
    EXPECT_EQ(saved.ClockDir, clocks);
    EXPECT_EQ(saved.PlayListDir, Station.Path(QStringLiteral("PlayListy")));
    EXPECT_EQ(saved.SelectionMethod, QStringLiteral("AB"));

    TArFreqGroups groups;
    ASSERT_TRUE(groups.Load());
    EXPECT_EQ(groups.DefArtGr(), -1);
    EXPECT_EQ(groups.DefSongGr(), -1);
    EXPECT_EQ(groups.GlobArtGr(), -1);
    EXPECT_EQ(groups.GlobSongGr(), 3); // "Bardzo rzadko", third in the list's order
    EXPECT_EQ(groups.Count(), 3);
}

TEST_F(AppConfigFormTest, OKRewritesNeitherTheConfigNorTheGroupsWhenTheyStayAsTheyWere) {
    QFile::remove(Station.Path(ConfigFileName));
    QFile::remove(Station.Path(FreqGroupsFileName));
    EXPECT_TRUE(Open(TAppConfigPage::Paths, PressOK));
    EXPECT_FALSE(QFileInfo::exists(Station.Path(ConfigFileName)));
    EXPECT_FALSE(QFileInfo::exists(Station.Path(FreqGroupsFileName)));
    EXPECT_TRUE(Prompt.Boxes.isEmpty()) << S(Prompt.Errors());
}

struct TCutCase {
    bool CanCut;
    bool HighPriorBox;
    bool StoredCanCut;
    bool StoredCutHPrior;
};

TEST_F(AppConfigFormTest, TheCuttingBoxesAreStoredAsTheTwoSwitches) {
    const TCutCase cases[] = {
        {true, false, true, true},
        {true, true, true, false},
        {false, false, false, false},
        {false, true, false, false},
    };
    for (const TCutCase& c : cases) {
        EXPECT_TRUE(Open(TAppConfigPage::Paths, [&c](TAppConfigForm& form) {
            auto& canCut = W<QCheckBox>(form, "chbCanCut");
            auto& highPrior = W<QCheckBox>(form, "chbCanCutHighPrior");
            canCut.setChecked(true);
            highPrior.setChecked(c.HighPriorBox);
            canCut.setChecked(c.CanCut);
            EXPECT_EQ(highPrior.isEnabled(), c.CanCut);
            return PressOK(form);
        }));
        TArSongCategories saved;
        saved.Load();
        EXPECT_EQ(saved.CanCut(), c.StoredCanCut) << c.CanCut << c.HighPriorBox;
        EXPECT_EQ(saved.CutHPrior(), c.StoredCutHPrior) << c.CanCut << c.HighPriorBox;
        EXPECT_EQ(Options->CanCut(), c.StoredCanCut);
        EXPECT_EQ(Options->CutHPrior(), c.StoredCutHPrior);
    }
}

TEST_F(AppConfigFormTest, AMissingDirectoryIsMadeOnYesAndLeftOnNo) {
    const QString clocks = Station.Path(U("Nowe zegary"));
    const QString lists = Station.Path(U("Nowe listy"));
    Prompt.QueueAnswers({true, false});
    EXPECT_TRUE(Open(TAppConfigPage::Paths, [&](TAppConfigForm& form) {
        W<QLineEdit>(form, "edtClock").setText(clocks);
        W<QLineEdit>(form, "edtPlaylist").setText(lists);
        return PressOK(form);
    }));
    EXPECT_EQ(Prompt.Questions(),
              QStringList({U("Katalog \"%1\" nie istnieje. Czy chcesz go utworzyć?").arg(clocks),
                           U("Katalog \"%1\" nie istnieje. Czy chcesz go utworzyć?").arg(lists)}));
    EXPECT_TRUE(QFileInfo(clocks).isDir());
    EXPECT_FALSE(QFileInfo::exists(lists));
    // The answer does not stop the directories from being stored.
    TConfig saved;
    LoadConfig(saved);
    EXPECT_EQ(saved.ClockDir, clocks);
    EXPECT_EQ(saved.PlayListDir, lists);
}

// One level is made; a directory whose parent is missing cannot be, and OK then stores nothing.
TEST_F(AppConfigFormTest, ADirectoryThatCannotBeMadeKeepsTheWindowOpenAndStoresNothing) {
    const QByteArray config = ReadFileBytes(Station.Path(ConfigFileName));
    const QString clocks = Station.Path(U("Brak/Zegary"));
    Prompt.QueueAnswers({true});
    EXPECT_FALSE(Open(TAppConfigPage::Paths, [&](TAppConfigForm& form) {
        W<QLineEdit>(form, "edtClock").setText(clocks);
        EXPECT_FALSE(PressOK(form));
        EXPECT_EQ(Prompt.Errors(),
                  QStringList{U("Nie udało się utworzyć katalogu \"%1\".").arg(clocks)});
        form.reject();
        return false;
    }));
    EXPECT_FALSE(QFileInfo::exists(clocks));
    EXPECT_EQ(ReadFileBytes(Station.Path(ConfigFileName)), config);
}

TEST_F(AppConfigFormTest, CancelLeavesTheSettingsAndEveryFileAsTheyWere) {
    const auto before = StationSnapshot(Station.Dir());
    const TConfig config = Config;
    EXPECT_FALSE(Open(TAppConfigPage::Paths, [this](TAppConfigForm& form) {
        W<QLineEdit>(form, "edtClock").setText(Station.Path(QStringLiteral("Gdzie indziej")));
        W<QComboBox>(form, "cmbRandMethod").setCurrentIndex(1);
        W<QCheckBox>(form, "chbArtFreqGr").click();
        W<QCheckBox>(form, "chbSongFreqGr").click();
        W<QCheckBox>(form, "chbCanCut").click();
        W<QCheckBox>(form, "chbRelaxRules").click();
        form.reject();
        return form.result() == QDialog::Accepted;
    }));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
    EXPECT_EQ(StationSnapshot(Station.Dir()), before);
    EXPECT_EQ(Config.ClockDir, config.ClockDir);
    EXPECT_EQ(Config.SelectionMethod, config.SelectionMethod);
    EXPECT_EQ(FreqGroups->DefArtGr(), 2);
    EXPECT_EQ(FreqGroups->DefSongGr(), -1);
    EXPECT_FALSE(FreqGroups->Changed());
    EXPECT_TRUE(Options->CanCut());
    EXPECT_TRUE(DrawSettings->RelaxWhenNoCandidate());
}

TEST_F(AppConfigFormTest, OKStoresTheRelaxingInItsOwnFileOnlyWhenChanged) {
    const QString path = Station.Path(DrawSettingsFileName);
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_TRUE(Open(TAppConfigPage::Paths, PressOK));
    EXPECT_FALSE(QFileInfo::exists(path)) << "left as it was";

    EXPECT_TRUE(Open(TAppConfigPage::Paths, [](TAppConfigForm& form) {
        W<QCheckBox>(form, "chbRelaxRules").click();
        return PressOK(form);
    }));
    EXPECT_FALSE(DrawSettings->RelaxWhenNoCandidate());
    EXPECT_EQ(ReadFileBytes(path), QByteArray("<draw relax=\"0\"/>\r\n"));
    EXPECT_TRUE(Prompt.Boxes.isEmpty()) << S(Prompt.Errors());

    Open(TAppConfigPage::Paths, [](TAppConfigForm& form) {
        EXPECT_FALSE(W<QCheckBox>(form, "chbRelaxRules").isChecked());
        return false;
    });
}

} // namespace
