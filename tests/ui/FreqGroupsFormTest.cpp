#include "DialogSteps.h"
#include "FindChild.h"
#include "ListLines.h"
#include "dayplan/uStores.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"
#include "support/TestText.h"
#include "ui/restrictions/uFreqEditForm.h"
#include "ui/restrictions/uFreqGroupsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// The frequency groups edited in their window and in "Grupa częstotliwości", and what reaches
// "grupy.xml".

namespace {

std::string Describe(const TArFreqGroup& group) {
    return std::to_string(group.Id) + " " + S(group.Name) + " " + std::to_string(group.Freq) + "/" +
           std::to_string(group.FPeriod) + " " + std::to_string(group.Max) + "/" +
           std::to_string(group.MPeriod) + (group.ReadOnly ? " ro" : "");
}

// Everything the groups hold: the four group ids, the counter, the changed flag, each group.
std::string Describe(const TArFreqGroups& groups) {
    std::string text = "last " + std::to_string(groups.LastId()) + " ids";
    for (const int id :
         {groups.DefSongGr(), groups.DefArtGr(), groups.GlobSongGr(), groups.GlobArtGr()})
        text += " " + std::to_string(id);
    text += std::string(groups.Changed() ? " changed" : "") + "\n";
    for (int i = 0; i < groups.Count(); ++i)
        text += Describe(groups.Items(i)) + "\n";
    return text;
}

// A station whose "grupy.xml" holds "Hity" (every 3 hours, at most 5 a week), "Standard"
// (ReadOnly) and "Rzadkie" (every 2 days), "Hity" the default song group.
class FreqGroupsFormTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    std::deque<TStep> Steps;

    void SetUp() override {
        Station.CopyDefaultStation();
        ASSERT_TRUE(BringUpStores());
        const int hits = FreqGroups->Add(
            std::make_unique<TArFreqGroup>(TArFreqGroup{-1, U("Hity"), 3, fpHours, 5, mpWeek}));
        FreqGroups->Add(std::make_unique<TArFreqGroup>(
            TArFreqGroup{-1, U("Standard"), -1, fpDays, 10, mpDay, true}));
        FreqGroups->Add(
            std::make_unique<TArFreqGroup>(TArFreqGroup{-1, U("Rzadkie"), 2, fpDays, -1, mpDay}));
        FreqGroups->SetDefSongGr(hits);
        ASSERT_TRUE(FreqGroups->Save());
        Prompt.Clear();
    }
    void TearDown() override {
        EXPECT_TRUE(Steps.empty()) << "a dialog expected was not opened";
        ReleaseStores();
    }

    TDialogRunner Runner() { return RunSteps(Steps); }
    QByteArray FileBytes() const { return ReadFileBytes(Station.Path(FreqGroupsFileName)); }
    static std::string Stored() {
        TArFreqGroups stored;
        EXPECT_TRUE(stored.Load());
        return Describe(stored);
    }
};

void Select(TFreqGroupsForm& form, const char* name) {
    auto& list = *FindChild<QListWidget>(form, "listGroups");
    list.setCurrentRow(Lines(list).indexOf(U(name)));
}

TEST_F(FreqGroupsFormTest, ANewGroupIsMadeInTheDialogAndSaved) {
    Steps.push_back(ActThenClose<TFreqGroupsForm>(
        [](TFreqGroupsForm& form) {
            EXPECT_EQ(form.windowTitle(), U("Blokady częstotliwości"));
            auto& list = *FindChild<QListWidget>(form, "listGroups");
            EXPECT_EQ(Lines(list), (QStringList{U("Hity"), U("Rzadkie"), U("Standard")}));
            EXPECT_EQ(FindChild<QPushButton>(form, "btnOK")->text(), U("Zamnknij"));
            EXPECT_FALSE(FindChild<QPushButton>(form, "btnOK")->isEnabled());
            FindChild<QPushButton>(form, "btnNew")->click();
            EXPECT_EQ(Lines(list),
                      (QStringList{U("Hity"), U("Łagodne"), U("Rzadkie"), U("Standard")}));
            EXPECT_TRUE(FindChild<QPushButton>(form, "btnOK")->isEnabled());
        },
        true));
    Steps.push_back([](QDialog& dialog) {
        auto& edit = As<TFreqEditForm>(dialog);
        EXPECT_EQ(edit.windowTitle(), U("Grupa częstotliwości"));
        // A new group has no limits.
        EXPECT_FALSE(FindChild<QCheckBox>(edit, "chbFreq")->isChecked());
        EXPECT_FALSE(FindChild<QCheckBox>(edit, "chbMax")->isChecked());
        EXPECT_EQ(FindChild<QComboBox>(edit, "cmbPeriod")->currentText(), U("dni"));
        EXPECT_EQ(FindChild<QComboBox>(edit, "cmbPeriodInMax")->currentText(), U("dzień"));
        FindChild<QLineEdit>(edit, "edtName")->setText(U("Łagodne"));
        FindChild<QCheckBox>(edit, "chbFreq")->setChecked(true);
        FindChild<QSpinBox>(edit, "edtFreq")->setValue(4);
        FindChild<QComboBox>(edit, "cmbPeriod")->setCurrentIndex(0);
        FindChild<QCheckBox>(edit, "chbMax")->setChecked(true);
        FindChild<QSpinBox>(edit, "edtMax")->setValue(2147483647);
        FindChild<QComboBox>(edit, "cmbPeriodInMax")->setCurrentIndex(2);
        FindChild<QPushButton>(edit, "btnOK")->click();
        return edit.result() == QDialog::Accepted;
    });
    EXPECT_TRUE(EditFreqGroups(nullptr, Runner()));
    const std::string expected = "last 4 ids 1 -1 -1 -1\n"
                                 "1 Hity 3/0 5/2\n"
                                 "2 Standard -1/1 10/1 ro\n"
                                 "3 Rzadkie 2/1 -1/1\n"
                                 "4 Łagodne 4/0 2147483647/3\n";
    EXPECT_EQ(Stored(), expected);
    EXPECT_EQ(Describe(*FreqGroups), expected);
}

TEST_F(FreqGroupsFormTest, AReadOnlyGroupIsNeitherEditedNorDeleted) {
    TFreqGroupsForm form(*FreqGroups);
    form.DialogRunner = Runner();
    form.show();
    auto& list = *FindChild<QListWidget>(form, "listGroups");
    auto& edit = *FindChild<QPushButton>(form, "btnEdit");
    auto& remove = *FindChild<QPushButton>(form, "btnDelete");
    EXPECT_EQ(list.currentItem()->text(), U("Hity"));
    EXPECT_TRUE(edit.isEnabled());
    EXPECT_TRUE(remove.isEnabled());
    Select(form, "Standard");
    EXPECT_FALSE(edit.isEnabled());
    EXPECT_FALSE(remove.isEnabled());
    // Neither a double click nor the buttons' work reach it.
    const QRect line = list.visualItemRect(list.currentItem());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, line.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, line.center());
    form.EditEntry();
    form.DeleteEntry();
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
    Select(form, "Rzadkie");
    EXPECT_TRUE(edit.isEnabled());
    EXPECT_TRUE(remove.isEnabled());
}

TEST_F(FreqGroupsFormTest, EditAndDeleteChangeTheGroupsTheFileKeepsTheRest) {
    Prompt.QueueAnswers({true});
    Steps.push_back(ActThenClose<TFreqGroupsForm>(
        [this](TFreqGroupsForm& form) {
            Select(form, "Hity");
            FindChild<QPushButton>(form, "btnEdit")->click();
            Select(form, "Rzadkie");
            FindChild<QPushButton>(form, "btnDelete")->click();
            EXPECT_EQ(Prompt.Questions(), QStringList{U("Czy na pewno chcesz skasować?")});
            EXPECT_EQ(Lines(*FindChild<QListWidget>(form, "listGroups")),
                      (QStringList{U("Przeboje"), U("Standard")}));
        },
        true));
    // Unticked limits go back to none; the window of the count keeps its default.
    Steps.push_back([](QDialog& dialog) {
        FindChild<QLineEdit>(dialog, "edtName")->setText(U("Przeboje"));
        FindChild<QCheckBox>(dialog, "chbFreq")->setChecked(false);
        FindChild<QComboBox>(dialog, "cmbPeriodInMax")->setCurrentIndex(-1);
        FindChild<QPushButton>(dialog, "btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    });
    EXPECT_TRUE(EditFreqGroups(nullptr, Runner()));
    EXPECT_EQ(Stored(), "last 3 ids 1 -1 -1 -1\n"
                        "1 Przeboje -1/0 5/1\n"
                        "2 Standard -1/1 10/1 ro\n");
}

TEST_F(FreqGroupsFormTest, CancelPutsTheGroupsBackAndLeavesTheFileAsItWas) {
    const QByteArray before = FileBytes();
    const std::string memory = Describe(*FreqGroups);
    Prompt.DefaultAnswer = true;
    Steps.push_back(ActThenClose<TFreqGroupsForm>(
        [](TFreqGroupsForm& form) {
            FindChild<QPushButton>(form, "btnNew")->click();
            Select(form, "Rzadkie");
            FindChild<QPushButton>(form, "btnEdit")->click();
            Select(form, "Hity");
            FindChild<QPushButton>(form, "btnDelete")->click();
            EXPECT_EQ(Lines(*FindChild<QListWidget>(form, "listGroups")),
                      (QStringList{U("Inna"), U("Standard"), U("Zmieniona")}));
        },
        false));
    for (const char* name : {"Inna", "Zmieniona"})
        Steps.push_back([name = U(name)](QDialog& dialog) {
            FindChild<QLineEdit>(dialog, "edtName")->setText(name);
            FindChild<QCheckBox>(dialog, "chbMax")->setChecked(true);
            FindChild<QPushButton>(dialog, "btnOK")->click();
            return dialog.result() == QDialog::Accepted;
        });
    EXPECT_FALSE(EditFreqGroups(nullptr, Runner()));

    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(Describe(*FreqGroups), memory);
    // Written at exit as it stands, the groups give the same bytes.
    FreqGroups->MarkChanged();
    ASSERT_TRUE(FreqGroups->Save());
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(FreqGroupsFormTest, TheDialogShowsTheGroupsLimits) {
    const struct {
        TArFreqGroup Group;
        bool Freq;
        int FreqValue;
        const char* Period;
        bool Max;
        int MaxValue;
        const char* PeriodInMax;
    } cases[] = {
        {{1, U("a"), 3, fpHours, 5, mpWeek}, true, 3, "godzin", true, 5, "tydzień"},
        {{1, U("b"), -1, fpDays, -1, mpMonth}, false, 1, "dni", false, 1, "miesiąc"},
        // Values the lists do not offer select nothing.
        {{1, U("c"), 7, 5, 2, mpHour}, true, 7, "", true, 2, ""},
        {{1, U("d"), 7, -1, 2, 4}, true, 7, "", true, 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(S(c.Group.Name));
        TFreqEditForm dialog(c.Group);
        EXPECT_EQ(FindChild<QLineEdit>(dialog, "edtName")->text(), c.Group.Name);
        EXPECT_EQ(FindChild<QCheckBox>(dialog, "chbFreq")->isChecked(), c.Freq);
        EXPECT_EQ(FindChild<QSpinBox>(dialog, "edtFreq")->value(), c.FreqValue);
        EXPECT_EQ(FindChild<QComboBox>(dialog, "cmbPeriod")->currentText(), U(c.Period));
        EXPECT_EQ(FindChild<QCheckBox>(dialog, "chbMax")->isChecked(), c.Max);
        EXPECT_EQ(FindChild<QSpinBox>(dialog, "edtMax")->value(), c.MaxValue);
        EXPECT_EQ(FindChild<QComboBox>(dialog, "cmbPeriodInMax")->currentText(), U(c.PeriodInMax));
        // Stored back untouched, only what the lists could not show is replaced.
        TArFreqGroup stored = c.Group;
        stored.ReadOnly = true;
        dialog.StoreInto(stored);
        TArFreqGroup expected = c.Group;
        expected.ReadOnly = true;
        if (c.Group.FPeriod != fpHours)
            expected.FPeriod = fpDays;
        if (c.Group.MPeriod < mpDay || c.Group.MPeriod > mpMonth)
            expected.MPeriod = mpDay;
        EXPECT_EQ(Describe(stored), Describe(expected));
    }
}

TEST_F(FreqGroupsFormTest, ClickingACaptionTogglesItsBoxAndABoxEnablesItsControls) {
    TFreqEditForm dialog(TArFreqGroup{});
    dialog.show();
    auto& freq = *FindChild<QCheckBox>(dialog, "chbFreq");
    auto& max = *FindChild<QCheckBox>(dialog, "chbMax");
    EXPECT_EQ(FindChild<QLabel>(dialog, "lblFreq")->text(), U("Nie częściej niż co"));
    EXPECT_EQ(FindChild<QLabel>(dialog, "lblMax")->text(), U("Maksymalnie"));
    // Which of the distance's edit and list and the count's edit and list are enabled, as
    // "EL EL" with "-" for a disabled one.
    const auto enabled = [&dialog] {
        std::string flags;
        for (auto [name, flag] : {std::pair{"edtFreq", 'E'},
                                  {"cmbPeriod", 'L'},
                                  {"edtMax", 'E'},
                                  {"cmbPeriodInMax", 'L'}})
            flags += FindChild<QWidget>(dialog, name)->isEnabled() ? flag : '-';
        return flags;
    };
    EXPECT_EQ(enabled(), "----");
    QTest::mouseClick(FindChild<QLabel>(dialog, "lblFreq"), Qt::LeftButton);
    EXPECT_TRUE(freq.isChecked());
    EXPECT_EQ(enabled(), "EL--");
    QTest::mouseClick(FindChild<QLabel>(dialog, "lblMax"), Qt::LeftButton);
    EXPECT_TRUE(max.isChecked());
    EXPECT_EQ(enabled(), "ELEL");
    QTest::mouseClick(FindChild<QLabel>(dialog, "lblFreq"), Qt::LeftButton);
    EXPECT_FALSE(freq.isChecked());
    EXPECT_EQ(enabled(), "--EL");

    auto& ok = *FindChild<QPushButton>(dialog, "btnOK");
    EXPECT_FALSE(ok.isEnabled());
    FindChild<QLineEdit>(dialog, "edtName")->setText(U("x"));
    EXPECT_TRUE(ok.isEnabled());
    EXPECT_EQ(FindChild<QSpinBox>(dialog, "edtFreq")->maximum(), 2147483647);
    EXPECT_EQ(FindChild<QSpinBox>(dialog, "edtMax")->minimum(), 1);
}

} // namespace
