#include "DialogSteps.h"
#include "FindChild.h"
#include "StationSnapshot.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestText.h"
#include "ui/settings/uTimeSeparationForm.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSpinBox>
#include <deque>
#include <gtest/gtest.h>

// "Rozkład czasowy" as the music director uses it: the three values shown, written back on OK
// and saved only when one of them changed.

namespace {

class TimeSeparationFormTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    std::deque<TStep> Steps;

    // A schedule active by default, looking 3 days back over 2 hours either side.
    void SetUp() override {
        Station.CopyDefaultStation();
        InitOptions();
        Separations->SetDefActive(true);
        Separations->SetBlockDayCount(3);
        Separations->SetHours(2);
        ASSERT_TRUE(Separations->Save());
        Prompt.Clear();
    }
    void TearDown() override {
        EXPECT_TRUE(Steps.empty()) << "the window was not opened";
        DoneOptions();
    }

    bool Open(std::function<bool(TTimeSeparationForm&)> what) {
        Steps.push_back([what](QDialog& dialog) { return what(As<TTimeSeparationForm>(dialog)); });
        return EditSeparations(nullptr, RunSteps(Steps));
    }
    template <class T> static T& W(const QObject& window, const char* name) {
        return *FindChild<T>(window, name);
    }
    static bool PressOK(TTimeSeparationForm& form) {
        FindChild<QPushButton>(form, "btnOK")->click();
        return form.result() == QDialog::Accepted;
    }
};

TEST_F(TimeSeparationFormTest, ShowsTheScheduleWithOKAvailableAtOnce) {
    Open([](TTimeSeparationForm& form) {
        EXPECT_EQ(form.windowTitle(), U("Rozkład czasowy"));
        EXPECT_EQ(W<QCheckBox>(form, "chbDefaultActive").text(), U("Domyślnie aktywny"));
        EXPECT_TRUE(W<QCheckBox>(form, "chbDefaultActive").isChecked());
        auto& days = W<QSpinBox>(form, "edtCheckDays");
        auto& hours = W<QSpinBox>(form, "edtHours");
        EXPECT_EQ(days.value(), 3);
        EXPECT_EQ(hours.value(), 2);
        EXPECT_EQ(std::pair(days.minimum(), days.maximum()), std::pair(1, 15));
        EXPECT_EQ(std::pair(hours.minimum(), hours.maximum()), std::pair(1, 23));
        EXPECT_TRUE(W<QPushButton>(form, "btnOK").isEnabled());
        return false;
    });
}

TEST_F(TimeSeparationFormTest, OKWritesTheValuesAndSavesTheSchedule) {
    Separations->SetNoBlockDayCount(4);
    ASSERT_TRUE(Separations->Save());
    EXPECT_TRUE(Open([](TTimeSeparationForm& form) {
        W<QCheckBox>(form, "chbDefaultActive").setChecked(false);
        W<QSpinBox>(form, "edtCheckDays").setValue(15);
        W<QSpinBox>(form, "edtHours").setValue(23);
        return PressOK(form);
    }));
    EXPECT_FALSE(Separations->Changed());
    TArSeparations saved;
    ASSERT_TRUE(saved.Load());
    EXPECT_FALSE(saved.DefActive());
    EXPECT_EQ(saved.NoBlockDayCount(), 1);
    EXPECT_EQ(saved.BlockDayCount(), 15);
    EXPECT_EQ(saved.Hours(), 23);
    EXPECT_TRUE(Prompt.Boxes.isEmpty()) << S(Prompt.Errors());
}

TEST_F(TimeSeparationFormTest, OKWithoutAChangeWritesNothing) {
    QFile::remove(Station.Path(SeparationsFileName));
    EXPECT_TRUE(Open(PressOK));
    EXPECT_FALSE(QFileInfo::exists(Station.Path(SeparationsFileName)));
}

TEST_F(TimeSeparationFormTest, CancelChangesNothing) {
    const auto before = StationSnapshot(Station.Dir());
    EXPECT_FALSE(Open([](TTimeSeparationForm& form) {
        W<QCheckBox>(form, "chbDefaultActive").setChecked(false);
        W<QSpinBox>(form, "edtCheckDays").setValue(9);
        form.reject();
        return form.result() == QDialog::Accepted;
    }));
    EXPECT_TRUE(Separations->DefActive());
    EXPECT_EQ(Separations->BlockDayCount(), 3);
    EXPECT_FALSE(Separations->Changed());
    EXPECT_EQ(StationSnapshot(Station.Dir()), before);
}

} // namespace
