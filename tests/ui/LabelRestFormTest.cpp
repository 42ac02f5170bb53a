#include "DialogSteps.h"
#include "FindChild.h"
#include "ListLines.h"
#include "dayplan/uStores.h"
#include "library/uDBMainBase.h"
#include "library/uEntityEditing.h"
#include "library/uLibraryEntities.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"
#include "support/TestText.h"
#include "ui/library/uLabelsForm.h"
#include "ui/restrictions/uLabelRestForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

// The label blockades: the labels whose songs are never drawn, checked against the library on
// opening and picked from the label list.

namespace {

// A library with the labels "Jazz", "Polskie" and "Rock"; "etykiety.xml" blocks "Rock" and
// "Jazz".
class LabelRestFormTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    std::deque<TStep> Steps;
    int Jazz = -1;
    int Polish = -1;
    int Rock = -1;

    void SetUp() override {
        Station.CopyDefaultStation();
        ASSERT_TRUE(BringUpStores());
        Jazz = AddLabel(U("Jazz"));
        Polish = AddLabel(U("Polskie"));
        Rock = AddLabel(U("Rock"));
        DisabledLabels->Replace({{U("Rock"), Rock}, {U("Jazz"), Jazz}});
        ASSERT_TRUE(DisabledLabels->Save());
        Prompt.Clear();
    }
    void TearDown() override {
        EXPECT_TRUE(Steps.empty()) << "a dialog expected was not opened";
        ReleaseStores();
    }

    TDialogRunner Runner() { return RunSteps(Steps); }
    QByteArray FileBytes() const { return ReadFileBytes(Station.Path(DisabledLabelsFileName)); }
    static std::vector<TDisabledLabel> Stored() {
        TArDisabledLabels stored;
        EXPECT_TRUE(stored.Load());
        return stored.Labels();
    }
};

// In the label list: the label `value`, then OK.
TStep PickInLabelList(const char* value) {
    return [value = U(value)](QDialog& dialog) {
        auto& form = As<TLabelsForm>(dialog);
        // Managed use: neither the choice panel nor "Anuluj".
        EXPECT_FALSE(FindChild<QGroupBox>(form, "gbChoice")->isVisibleTo(&form));
        EXPECT_FALSE(FindChild<QPushButton>(form, "btnCancel")->isVisibleTo(&form));
        auto& grid = *FindChild<QTableView>(form, "tvLabels");
        for (int row = 0; row < grid.model()->rowCount(); ++row)
            if (grid.model()->index(row, 0).data().toString() == value)
                grid.setCurrentIndex(grid.model()->index(row, 0));
        FindChild<QPushButton>(form, "btnOK")->click();
        return form.result() == QDialog::Accepted;
    };
}

TEST_F(LabelRestFormTest, LabelsAreAddedFromTheLabelListAndRemovedThenStored) {
    Steps.push_back(ActThenClose<TLabelRestForm>(
        [this](TLabelRestForm& form) {
            EXPECT_EQ(form.windowTitle(), U("Blokady etykiet"));
            EXPECT_EQ(FindChild<QLabel>(form, "lblInfo")->text(),
                      U("Uwory oznaczone tymi etykietami nie będą brane pod uwagę przy "
                        "losowaniu."));
            auto& list = *FindChild<QListWidget>(form, "listLabels");
            auto& ok = *FindChild<QPushButton>(form, "btnOK");
            EXPECT_EQ(Lines(list), (QStringList{U("Jazz"), U("Rock")}));
            EXPECT_FALSE(ok.isEnabled());
            FindChild<QPushButton>(form, "btnAdd")->click();
            EXPECT_EQ(Lines(list), (QStringList{U("Jazz"), U("Rock"), U("Polskie")}));
            EXPECT_TRUE(ok.isEnabled());
            // A label listed already is not listed twice.
            FindChild<QPushButton>(form, "btnAdd")->click();
            EXPECT_EQ(Lines(list).size(), 3);
            EXPECT_EQ(list.currentItem()->text(), U("Jazz"));
            Prompt.QueueAnswers({true});
            FindChild<QPushButton>(form, "btnDelete")->click();
            EXPECT_EQ(Lines(list), (QStringList{U("Rock"), U("Polskie")}));
        },
        true));
    Steps.push_back(PickInLabelList("Polskie"));
    Steps.push_back(PickInLabelList("Jazz"));
    EXPECT_TRUE(EditLabelRestrictions(MainBase.get(), nullptr, Runner()));

    const std::vector<TDisabledLabel> expected{{U("Polskie"), Polish}, {U("Rock"), Rock}};
    EXPECT_EQ(Stored(), expected);
    EXPECT_EQ(DisabledLabels->Labels(), expected);
    EXPECT_TRUE(DisabledLabels->IsDisabled(Polish));
    EXPECT_FALSE(DisabledLabels->IsDisabled(Jazz));
    EXPECT_EQ(Prompt.Questions(), QStringList{U("Czy na pewno chcesz skasować?")});
    EXPECT_TRUE(Prompt.Errors().isEmpty());
}

TEST_F(LabelRestFormTest, RemovingEnablesOkAndCancelStoresNothing) {
    const QByteArray before = FileBytes();
    Steps.push_back(ActThenClose<TLabelRestForm>(
        [this](TLabelRestForm& form) {
            auto& remove = *FindChild<QPushButton>(form, "btnDelete");
            auto& list = *FindChild<QListWidget>(form, "listLabels");
            list.clearSelection();
            EXPECT_FALSE(remove.isEnabled());
            list.setCurrentRow(1);
            Prompt.QueueAnswers({false, true});
            remove.click();
            EXPECT_EQ(Lines(list).size(), 2) << "\"Nie\" keeps the label";
            remove.click();
            EXPECT_EQ(Lines(list), QStringList{U("Jazz")});
            EXPECT_TRUE(FindChild<QPushButton>(form, "btnOK")->isEnabled());
        },
        false));
    EXPECT_FALSE(EditLabelRestrictions(MainBase.get(), nullptr, Runner()));
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(DisabledLabels->Count(), 2);
    EXPECT_FALSE(DisabledLabels->Changed());
}

TEST_F(LabelRestFormTest, TheLabelListLeftWithoutOkAddsNothing) {
    Steps.push_back(ActThenClose<TLabelRestForm>(
        [](TLabelRestForm& form) {
            FindChild<QPushButton>(form, "btnAdd")->click();
            EXPECT_EQ(Lines(*FindChild<QListWidget>(form, "listLabels")).size(), 2);
            EXPECT_FALSE(FindChild<QPushButton>(form, "btnOK")->isEnabled());
        },
        false));
    Steps.push_back([](QDialog&) { return false; });
    EXPECT_FALSE(EditLabelRestrictions(MainBase.get(), nullptr, Runner()));
}

TEST_F(LabelRestFormTest, ALabelDeletedFromTheLibraryLeavesTheFileOnOpening) {
    ASSERT_TRUE(DeleteLabel(Rock));
    // Dropped at once: cancelling the window keeps it dropped.
    Steps.push_back(ActThenClose<TLabelRestForm>(
        [this](TLabelRestForm& form) {
            EXPECT_EQ(Lines(*FindChild<QListWidget>(form, "listLabels")), QStringList{U("Jazz")});
            EXPECT_EQ(Stored(), (std::vector<TDisabledLabel>{{U("Jazz"), Jazz}}));
        },
        false));
    EXPECT_FALSE(EditLabelRestrictions(MainBase.get(), nullptr, Runner()));
    EXPECT_EQ(Stored(), (std::vector<TDisabledLabel>{{U("Jazz"), Jazz}}));
    EXPECT_EQ(DisabledLabels->Labels(), (std::vector<TDisabledLabel>{{U("Jazz"), Jazz}}));
    EXPECT_FALSE(DisabledLabels->IsDisabled(Rock));
}

TEST_F(LabelRestFormTest, OpeningWithEveryLabelInTheLibraryWritesNothing) {
    // Written by hand, as no save of the program would write it.
    const QByteArray handMade = "<labels>\r\n  <lab id=\"" + QByteArray::number(Jazz) +
                                "\" val=\"Jazz\"/>\r\n</labels>\r\n";
    ASSERT_TRUE(WriteFileBytes(Station.Path(DisabledLabelsFileName), handMade));
    ASSERT_TRUE(DisabledLabels->Load());
    Steps.push_back(ActThenClose<TLabelRestForm>([](TLabelRestForm&) {}, false));
    EXPECT_FALSE(EditLabelRestrictions(MainBase.get(), nullptr, Runner()));
    EXPECT_EQ(FileBytes(), handMade);
}

TEST_F(LabelRestFormTest, WithoutALibraryTheEntriesStayAndNoneCanBeAdded) {
    ASSERT_TRUE(DeleteLabel(Rock));
    Steps.push_back(ActThenClose<TLabelRestForm>(
        [](TLabelRestForm& form) {
            EXPECT_EQ(Lines(*FindChild<QListWidget>(form, "listLabels")),
                      (QStringList{U("Jazz"), U("Rock")}));
            EXPECT_FALSE(FindChild<QPushButton>(form, "btnAdd")->isEnabled());
        },
        false));
    EXPECT_FALSE(EditLabelRestrictions(nullptr, nullptr, Runner()));
    EXPECT_EQ(DisabledLabels->Count(), 2);
}

} // namespace
