#include "DialogSteps.h"
#include "FindChild.h"
#include "ModelCheck.h"
#include "import/uImportOptions.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestText.h"
#include "ui/import/uImportOptionsForm.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <deque>
#include <gtest/gtest.h>
#include <ostream>

// "Opcje importu": the directories searched for audio files and the values that become a song's
// labels, read from and written to the per-user settings.

static void PrintTo(const TImportOptions& options, std::ostream* out) {
    *out << "{" << options.ToLabel1Id << ", " << options.ToLabel2Id << ", " << S(options.Paths)
         << "}";
}

namespace {

class ImportOptionsFormTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    std::deque<TStep> Steps;
    // What the fake chooser answers, one per "Dodaj"; empty when the queue runs out, as when
    // the user closes the dialog without a choice.
    QStringList Chosen;
    // How the chooser was asked: the title, "|", the directory it starts at.
    QStringList Asked;

    const TImportOptions Stored{lsCode, lsQuality, {U("/muzyka/polskie"), U("/muzyka/żywe")}};

    void SetUp() override { ASSERT_TRUE(SaveImportOptions(Stored)); }
    void TearDown() override { EXPECT_TRUE(Steps.empty()) << "the window was not opened"; }

    // Opens the window over the stored options and plays `what` in it.
    bool Open(std::function<bool(TImportOptionsForm&)> what) {
        Steps.push_back([what](QDialog& dialog) { return what(As<TImportOptionsForm>(dialog)); });
        return EditImportOptions(nullptr, RunSteps(Steps),
                                 [this](QWidget*, const QString& title, const QString& start) {
                                     Asked.append(title + QLatin1Char('|') + start);
                                     return Chosen.isEmpty() ? QString() : Chosen.takeFirst();
                                 });
    }

    template <class T> static T& W(const QDialog& form, const char* name) {
        return *FindChild<T>(form, name);
    }
    static QStringList Rows(const QDialog& form) {
        const QAbstractItemModel& model = *W<QListView>(form, "listPaths").model();
        QStringList rows;
        for (int row = 0; row < model.rowCount(); ++row)
            rows.append(model.index(row, 0).data().toString());
        return rows;
    }
    static void Select(const QDialog& form, std::initializer_list<int> rows) {
        auto& list = W<QListView>(form, "listPaths");
        list.selectionModel()->clearSelection();
        for (int row : rows)
            list.selectionModel()->select(list.model()->index(row, 0), QItemSelectionModel::Select);
    }
    static bool PressOK(TImportOptionsForm& form) {
        W<QPushButton>(form, "btnOK").click();
        return form.result() == QDialog::Accepted;
    }
};

TEST_F(ImportOptionsFormTest, ShowsTheStoredOptionsWithNothingToSaveYet) {
    EXPECT_FALSE(Open([this](TImportOptionsForm& form) {
        EXPECT_EQ(form.windowTitle(), U("Opcje importu"));
        EXPECT_EQ(form.objectName(), U("ImportOptionsForm"));
        TModelCheck check(W<QListView>(form, "listPaths").model());
        EXPECT_EQ(Rows(form), Stored.Paths);
        EXPECT_EQ(W<QComboBox>(form, "cmbMap1").currentText(), U("Kod"));
        EXPECT_EQ(W<QComboBox>(form, "cmbMap2").currentText(), U("Jakość"));
        auto& list = W<QComboBox>(form, "cmbMap1");
        QStringList items;
        for (int index = 0; index < list.count(); ++index)
            items.append(list.itemText(index));
        EXPECT_EQ(items, QStringList({U("Jakość"), U("Kod"), QString()}));

        QStringList captions;
        for (const QLabel* label : form.findChildren<QLabel*>())
            captions.append(label->text());
        for (const char* caption :
             {"Lokalizacje plików muzycznych:", "do", "Etykieta 1", "Etykieta 2"})
            EXPECT_TRUE(captions.contains(U(caption))) << caption;
        EXPECT_EQ(W<QGroupBox>(form, "grpMapping").title(), U(" Mapowanie "));
        EXPECT_EQ(W<QPushButton>(form, "btnAdd").text(), U("Dodaj"));
        EXPECT_EQ(W<QPushButton>(form, "btnDelete").text(), U("Usuń"));
        EXPECT_FALSE(W<QPushButton>(form, "btnOK").isEnabled());
        EXPECT_FALSE(W<QPushButton>(form, "btnDelete").isEnabled());
        // Enter on a window with nothing changed closes nothing and writes nothing.
        form.accept();
        EXPECT_NE(form.result(), QDialog::Accepted);
        return false;
    }));
}

TEST_F(ImportOptionsFormTest, AddedAndRemovedDirectoriesAndTheMappingAreStoredOnOK) {
    Chosen = {U("/nagrania/nowe"), U("/nagrania/stare")};
    EXPECT_TRUE(Open([this](TImportOptionsForm& form) {
        TModelCheck check(W<QListView>(form, "listPaths").model());
        W<QPushButton>(form, "btnAdd").click();
        W<QPushButton>(form, "btnAdd").click();
        EXPECT_EQ(Rows(form), QStringList({U("/muzyka/polskie"), U("/muzyka/żywe"),
                                           U("/nagrania/nowe"), U("/nagrania/stare")}));
        Select(form, {0});
        W<QPushButton>(form, "btnDelete").click();
        W<QComboBox>(form, "cmbMap1").setCurrentText(U("Jakość"));
        W<QComboBox>(form, "cmbMap2").setCurrentIndex(2);
        return PressOK(form);
    }));
    EXPECT_TRUE(Prompt.Boxes.isEmpty()) << S(Prompt.Errors());
    // The first choice starts at the last directory listed, the next at the one just added.
    EXPECT_EQ(Asked, QStringList(
                         {U("Wybierz katalog|/muzyka/żywe"), U("Wybierz katalog|/nagrania/nowe")}));
    const TImportOptions expected{
        lsQuality, lsNone, {U("/muzyka/żywe"), U("/nagrania/nowe"), U("/nagrania/stare")}};
    EXPECT_EQ(LoadImportOptions(), expected);
}

TEST_F(ImportOptionsFormTest, AnulujWritesNothing) {
    Chosen = {U("/nagrania/nowe")};
    EXPECT_FALSE(Open([](TImportOptionsForm& form) {
        W<QPushButton>(form, "btnAdd").click();
        Select(form, {0, 1});
        W<QPushButton>(form, "btnDelete").click();
        W<QComboBox>(form, "cmbMap1").setCurrentIndex(2);
        form.reject();
        return form.result() == QDialog::Accepted;
    }));
    EXPECT_EQ(LoadImportOptions(), Stored);
}

TEST_F(ImportOptionsFormTest, OKIsEnabledByEachKindOfChange) {
    struct TCase {
        const char* Change;
        std::function<void(TImportOptionsForm&)> Do;
    };
    const TCase cases[] = {
        {"a directory added",
         [](TImportOptionsForm& form) { W<QPushButton>(form, "btnAdd").click(); }},
        {"a directory removed",
         [](TImportOptionsForm& form) {
             Select(form, {1});
             W<QPushButton>(form, "btnDelete").click();
         }},
        {"label 1 mapped",
         [](TImportOptionsForm& form) { W<QComboBox>(form, "cmbMap1").setCurrentIndex(0); }},
        {"label 2 mapped",
         [](TImportOptionsForm& form) { W<QComboBox>(form, "cmbMap2").setCurrentIndex(2); }},
    };
    for (const TCase& change : cases) {
        Chosen = {U("/nagrania")};
        Open([&change](TImportOptionsForm& form) {
            change.Do(form);
            EXPECT_TRUE(W<QPushButton>(form, "btnOK").isEnabled()) << change.Change;
            return false;
        });
    }
}

TEST_F(ImportOptionsFormTest, NoChoiceAndAListedDirectoryAreNoChange) {
    // The second answer is the first stored directory written another way.
    Chosen = {QString(), U("/muzyka/żywe/")};
    EXPECT_FALSE(Open([](TImportOptionsForm& form) {
        W<QPushButton>(form, "btnAdd").click();
        W<QPushButton>(form, "btnAdd").click();
        EXPECT_EQ(Rows(form), QStringList({U("/muzyka/polskie"), U("/muzyka/żywe")}));
        EXPECT_FALSE(W<QPushButton>(form, "btnOK").isEnabled());
        // The directory already there is pointed out instead.
        EXPECT_EQ(W<QListView>(form, "listPaths").currentIndex().row(), 1);
        return false;
    }));
}

TEST_F(ImportOptionsFormTest, UsunIsThereOnlyForASelectionAndTakesAllOfIt) {
    Chosen = {U("/nagrania")};
    EXPECT_TRUE(Open([](TImportOptionsForm& form) {
        auto& remove = W<QPushButton>(form, "btnDelete");
        W<QPushButton>(form, "btnAdd").click();
        Select(form, {});
        EXPECT_FALSE(remove.isEnabled());
        Select(form, {0, 2});
        EXPECT_TRUE(remove.isEnabled());
        remove.click();
        EXPECT_EQ(Rows(form), QStringList({U("/muzyka/żywe")}));
        EXPECT_FALSE(remove.isEnabled());
        return PressOK(form);
    }));
    EXPECT_EQ(LoadImportOptions().Paths, QStringList({U("/muzyka/żywe")}));
}

TEST_F(ImportOptionsFormTest, AStoredNumberOfNoSourceShowsEmptyAndIsStoredAsNone) {
    for (const int unknown : {2, 7, -5}) {
        ASSERT_TRUE(SaveImportOptions({unknown, lsQuality, {}}));
        EXPECT_TRUE(Open([unknown](TImportOptionsForm& form) {
            EXPECT_EQ(W<QComboBox>(form, "cmbMap1").currentText(), QString()) << unknown;
            W<QComboBox>(form, "cmbMap2").setCurrentText(U("Kod"));
            return PressOK(form);
        }));
        EXPECT_EQ(LoadImportOptions(), (TImportOptions{lsNone, lsCode, {}})) << unknown;
    }
}

TEST_F(ImportOptionsFormTest, OptionsThatCannotBeWrittenKeepTheWindowOpen) {
    Chosen = {U("/nagrania")};
    const QString settingsDir = Station.Path(QStringLiteral("niezapisywalne"));
    EXPECT_FALSE(Open([&settingsDir](TImportOptionsForm& form) {
        W<QPushButton>(form, "btnAdd").click();
        // The settings file would have to go into a directory that is a file.
        QFile blocker(settingsDir);
        EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir);
        EXPECT_FALSE(PressOK(form));
        EXPECT_TRUE(W<QPushButton>(form, "btnOK").isEnabled());
        return false;
    }));
    EXPECT_EQ(Prompt.Errors(), QStringList({U("Nie udało się zapisać opcji importu.")}));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       Station.Path(QStringLiteral(".settings")));
    EXPECT_EQ(LoadImportOptions(), Stored);
}

TEST_F(ImportOptionsFormTest, ALongDirectoryCanBeReadWhole) {
    const QString deep =
        U("/muzyka/archiwum rozgłośni/") + QString(U("głęboki katalog/")).repeated(12);
    Chosen = {deep};
    Open([&deep](TImportOptionsForm& form) {
        form.show();
        W<QPushButton>(form, "btnAdd").click();
        auto& list = W<QListView>(form, "listPaths");
        EXPECT_GE(list.width(), 420);
        list.doItemsLayout();
        EXPECT_GT(list.horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(list.model()->index(2, 0).data(Qt::ToolTipRole).toString(), deep);
        return false;
    });
}

} // namespace
