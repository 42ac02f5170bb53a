#include "DialogSteps.h"
#include "FindChild.h"
#include "ListLines.h"
#include "dayplan/uStores.h"
#include "foundation/uArUtils.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"
#include "support/TestText.h"
#include "ui/restrictions/uDateRangeForm.h"
#include "ui/restrictions/uHourRangeForm.h"
#include "ui/restrictions/uRestrictionForm.h"
#include "ui/restrictions/uTimeRestDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// The time blockades edited as the music director edits them: the list, the blockade dialog
// with its day and hour ranges, and what reaches "blokady.xml".

namespace {

// Everything a list of blockades holds, the counter and the changed flag included.
std::string Describe(const TArTimeRanges& ranges) {
    std::string text =
        "last " + std::to_string(ranges.LastId()) + (ranges.Changed() ? " changed" : "") + "\n";
    for (int i = 0; i < ranges.Count(); ++i) {
        const TArTimeRange& range = ranges.Items(i);
        text += std::to_string(range.Id) + " " + S(range.Name) + " hours";
        for (int h = 0; h < range.HourCount(); ++h)
            text += " " + std::to_string(range.HourRange(h).Start) + "-" +
                    std::to_string(range.HourRange(h).Stop);
        text += " dates";
        for (int d = 0; d < range.DateCount(); ++d)
            text += " " + std::to_string(range.DateRange(d).Start) + "-" +
                    std::to_string(range.DateRange(d).Stop);
        text += " days";
        for (int day = 1; day <= 7; ++day)
            if (range.HasDay(day))
                text += " " + std::to_string(day);
        text += "\n";
    }
    return text;
}

// In "Zakres godzin": the hours, then OK.
TStep EnterHours(int from, int to) {
    return [from, to](QDialog& dialog) {
        auto& form = As<THourRangeForm>(dialog);
        FindChild<QSpinBox>(form, "edtFrom")->setValue(from);
        FindChild<QSpinBox>(form, "edtTo")->setValue(to);
        FindChild<QPushButton>(form, "btnOK")->click();
        return form.result() == QDialog::Accepted;
    };
}

// In "Zakres dni": the months first (they limit the days), then the days, then OK.
TStep EnterDates(int dayFrom, int monthFrom, int dayTo, int monthTo) {
    return [=](QDialog& dialog) {
        auto& form = As<TDateRangeForm>(dialog);
        FindChild<QComboBox>(form, "cmbMonthFrom")->setCurrentIndex(monthFrom - 1);
        FindChild<QComboBox>(form, "cmbMonthto")->setCurrentIndex(monthTo - 1);
        FindChild<QSpinBox>(form, "edtDayFrom")->setValue(dayFrom);
        FindChild<QSpinBox>(form, "edtDayTo")->setValue(dayTo);
        FindChild<QPushButton>(form, "btnOK")->click();
        return form.result() == QDialog::Accepted;
    };
}

// A station whose "blokady.xml" holds "Weekend" (Saturday and Sunday) and "Noc" (22..24 and
// 1..6 January).
class RestrictionFormTest : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    std::deque<TStep> Steps;
    int WeekendId = -1;
    int NightId = -1;

    void SetUp() override {
        Station.CopyDefaultStation();
        ASSERT_TRUE(BringUpStores());
        auto weekend = std::make_unique<TArTimeRange>();
        weekend->Name = U("Weekend");
        weekend->SetDay(1, true);
        weekend->SetDay(7, true);
        WeekendId = TimeRanges->Add(std::move(weekend));
        auto night = std::make_unique<TArTimeRange>();
        night->Name = U("Noc");
        night->AddHours(22, 24);
        night->AddDates(1, 6);
        NightId = TimeRanges->Add(std::move(night));
        ASSERT_TRUE(TimeRanges->Save());
        Prompt.Clear();
    }
    void TearDown() override {
        EXPECT_TRUE(Steps.empty()) << "a dialog expected was not opened";
        ReleaseStores();
    }

    TDialogRunner Runner() { return RunSteps(Steps); }
    QByteArray FileBytes() const { return ReadFileBytes(Station.Path(TimeRangesFileName)); }
    // The blockades as the file holds them.
    static std::string Stored() {
        TArTimeRanges stored;
        EXPECT_TRUE(stored.Load());
        return Describe(stored);
    }
};

void Select(TRestrictionForm& form, const char* name) {
    auto& list = *FindChild<QListWidget>(form, "listRanges");
    list.setCurrentRow(Lines(list).indexOf(U(name)));
}

TEST_F(RestrictionFormTest, ANewBlockadeIsMadeInTheDialogAndSaved) {
    Steps.push_back(ActThenClose<TRestrictionForm>(
        [](TRestrictionForm& form) {
            EXPECT_EQ(form.windowTitle(), U("Blokady czasowe"));
            auto& list = *FindChild<QListWidget>(form, "listRanges");
            EXPECT_EQ(Lines(list), (QStringList{U("Noc"), U("Weekend")}));
            auto& ok = *FindChild<QPushButton>(form, "btnOK");
            EXPECT_EQ(ok.text(), U("Zamnknij"));
            EXPECT_EQ(FindChild<QPushButton>(form, "btnCancel")->text(), U("Anuluj"));
            EXPECT_FALSE(ok.isEnabled());
            FindChild<QPushButton>(form, "btnNew")->click();
            EXPECT_EQ(Lines(list), (QStringList{U("Noc"), U("Ścisza"), U("Weekend")}));
            EXPECT_EQ(list.currentItem()->text(), U("Ścisza"));
            EXPECT_TRUE(ok.isEnabled());
        },
        true));
    Steps.push_back([](QDialog& dialog) {
        auto& rest = As<TTimeRestDlg>(dialog);
        EXPECT_EQ(rest.windowTitle(), U("Blokada czasowa"));
        FindChild<QLineEdit>(rest, "edtRestName")->setText(U("Ścisza"));
        FindChild<QCheckBox>(rest, "chbHourEnabled")->setChecked(true);
        FindChild<QPushButton>(rest, "btnAddHour")->click();
        FindChild<QCheckBox>(rest, "chbDateEnabled")->setChecked(true);
        FindChild<QPushButton>(rest, "btnAddDate")->click();
        EXPECT_EQ(Lines(*FindChild<QListWidget>(rest, "listHours")),
                  QStringList{U(" 6:00 - 10:00")});
        EXPECT_EQ(Lines(*FindChild<QListWidget>(rest, "listDates")),
                  QStringList{U("15 marzec - 10 maj")});
        FindChild<QCheckBox>(rest, "chbDaysEnabled")->setChecked(true);
        // Sunday and Wednesday.
        auto& days = *FindChild<QListWidget>(rest, "listDays");
        days.item(0)->setCheckState(Qt::Checked);
        days.item(3)->setCheckState(Qt::Checked);
        FindChild<QPushButton>(rest, "btnOK")->click();
        return rest.result() == QDialog::Accepted;
    });
    Steps.push_back(EnterHours(6, 10));
    Steps.push_back(EnterDates(15, 3, 10, 5));
    EXPECT_TRUE(EditTimeRestrictions(nullptr, Runner()));

    // 15 March and 10 May are days 74 and 130 of a common year.
    const std::string expected = "last 3\n" + std::to_string(WeekendId) +
                                 " Weekend hours dates days 1 7\n" + std::to_string(NightId) +
                                 " Noc hours 22-24 dates 1-6 days\n"
                                 "3 Ścisza hours 6-10 dates 74-130 days 1 4\n";
    EXPECT_EQ(Stored(), expected);
    EXPECT_EQ(Describe(*TimeRanges), expected);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(RestrictionFormTest, EditRewritesTheBlockadeAndDeleteAsksFirst) {
    Prompt.QueueAnswers({false, true});
    Steps.push_back(ActThenClose<TRestrictionForm>(
        [this](TRestrictionForm& form) {
            auto& list = *FindChild<QListWidget>(form, "listRanges");
            Select(form, "Weekend");
            FindChild<QPushButton>(form, "btnEdit")->click();
            EXPECT_EQ(Lines(list), (QStringList{U("Niedziela"), U("Noc")}));
            EXPECT_EQ(list.currentItem()->text(), U("Niedziela"));

            Select(form, "Noc");
            FindChild<QPushButton>(form, "btnDelete")->click();
            EXPECT_EQ(Prompt.Questions(), QStringList{U("Czy na pewno chcesz skasować?")});
            EXPECT_EQ(Lines(list).size(), 2);
            FindChild<QPushButton>(form, "btnDelete")->click();
            EXPECT_EQ(Lines(list), QStringList{U("Niedziela")});
        },
        true));
    // The dialog opens on the blockade: its days ticked, the other parts unticked and empty.
    Steps.push_back([](QDialog& dialog) {
        auto& rest = As<TTimeRestDlg>(dialog);
        EXPECT_EQ(FindChild<QLineEdit>(rest, "edtRestName")->text(), U("Weekend"));
        EXPECT_FALSE(FindChild<QCheckBox>(rest, "chbDateEnabled")->isChecked());
        EXPECT_FALSE(FindChild<QCheckBox>(rest, "chbHourEnabled")->isChecked());
        EXPECT_TRUE(FindChild<QCheckBox>(rest, "chbDaysEnabled")->isChecked());
        auto& days = *FindChild<QListWidget>(rest, "listDays");
        for (int row = 0; row < days.count(); ++row)
            EXPECT_EQ(days.item(row)->checkState() == Qt::Checked, row == 0 || row == 6) << row;
        FindChild<QLineEdit>(rest, "edtRestName")->setText(U("Niedziela"));
        days.item(6)->setCheckState(Qt::Unchecked);
        FindChild<QPushButton>(rest, "btnOK")->click();
        return rest.result() == QDialog::Accepted;
    });
    EXPECT_TRUE(EditTimeRestrictions(nullptr, Runner()));
    EXPECT_EQ(Stored(), "last 2\n" + std::to_string(WeekendId) + " Niedziela hours dates days 1\n");
}

TEST_F(RestrictionFormTest, CancelPutsTheListBackAndLeavesTheFileAsItWas) {
    const QByteArray before = FileBytes();
    const std::string memory = Describe(*TimeRanges);
    Prompt.DefaultAnswer = true;
    Steps.push_back(ActThenClose<TRestrictionForm>(
        [](TRestrictionForm& form) {
            FindChild<QPushButton>(form, "btnNew")->click();
            Select(form, "Weekend");
            FindChild<QPushButton>(form, "btnEdit")->click();
            Select(form, "Noc");
            FindChild<QPushButton>(form, "btnDelete")->click();
            EXPECT_EQ(Lines(*FindChild<QListWidget>(form, "listRanges")),
                      (QStringList{U("Inna"), U("Zmieniona")}));
        },
        false));
    Steps.push_back([](QDialog& dialog) {
        FindChild<QLineEdit>(dialog, "edtRestName")->setText(U("Inna"));
        FindChild<QPushButton>(dialog, "btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    });
    Steps.push_back([](QDialog& dialog) {
        FindChild<QLineEdit>(dialog, "edtRestName")->setText(U("Zmieniona"));
        FindChild<QCheckBox>(dialog, "chbHourEnabled")->setChecked(true);
        FindChild<QPushButton>(dialog, "btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    });
    EXPECT_FALSE(EditTimeRestrictions(nullptr, Runner()));

    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(Describe(*TimeRanges), memory);
    // The blockades are written at every exit: the same bytes again.
    ASSERT_TRUE(TimeRanges->SaveAtExit());
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(RestrictionFormTest, ADoubleClickEditsTheBlockade) {
    TRestrictionForm form(*TimeRanges);
    form.DialogRunner = Runner();
    form.show();
    auto& list = *FindChild<QListWidget>(form, "listRanges");
    Steps.push_back([](QDialog& dialog) {
        EXPECT_EQ(FindChild<QLineEdit>(dialog, "edtRestName")->text(), U("Weekend"));
        return false;
    });
    const QRect line = list.visualItemRect(list.item(1));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, line.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, line.center());
    EXPECT_FALSE(FindChild<QPushButton>(form, "btnOK")->isEnabled());
}

TEST_F(RestrictionFormTest, EachPartOfTheDialogWorksOnlyWhileItsBoxIsTicked) {
    TArTimeRange night = *TimeRanges->FindById(NightId);
    TTimeRestDlg dialog(night);
    auto& ok = *FindChild<QPushButton>(dialog, "btnOK");
    auto& dates = *FindChild<QListWidget>(dialog, "listDates");
    auto& hours = *FindChild<QListWidget>(dialog, "listHours");
    auto& days = *FindChild<QListWidget>(dialog, "listDays");
    EXPECT_EQ(Lines(dates), QStringList{U(" 1 styczeń -  6 styczeń")});
    EXPECT_EQ(Lines(hours), QStringList{U("22:00 - 24:00")});
    EXPECT_EQ(Lines(days), (QStringList{U("niedziela"), U("poniedziałek"), U("wtorek"), U("środa"),
                                        U("czwartek"), U("piątek"), U("sobota")}));
    // Which of the dates' "Dodaj" and "Usuń", the hours' and the day list are enabled, as
    // "AD AD L" with "-" for a disabled one.
    const auto enabled = [&dialog] {
        std::string flags;
        for (auto [name, flag] : {std::pair{"btnAddDate", 'A'},
                                  {"btnDeleteDate", 'D'},
                                  {"btnAddHour", 'A'},
                                  {"btnDeleteHour", 'D'}})
            flags += FindChild<QPushButton>(dialog, name)->isEnabled() ? flag : '-';
        flags += FindChild<QListWidget>(dialog, "listDays")->isEnabled() ? 'L' : '-';
        return flags;
    };
    EXPECT_EQ(enabled(), "A-A--");
    dates.setCurrentRow(0);
    EXPECT_EQ(enabled(), "ADA--");
    FindChild<QCheckBox>(dialog, "chbDaysEnabled")->setChecked(true);
    FindChild<QCheckBox>(dialog, "chbDateEnabled")->setChecked(false);
    EXPECT_EQ(enabled(), "--A-L");

    hours.setCurrentRow(0);
    Prompt.QueueAnswers({false, true});
    FindChild<QPushButton>(dialog, "btnDeleteHour")->click();
    EXPECT_EQ(Lines(hours).size(), 1) << "\"Nie\" keeps the line";
    FindChild<QPushButton>(dialog, "btnDeleteHour")->click();
    EXPECT_TRUE(Lines(hours).isEmpty());
    EXPECT_EQ(Prompt.Questions(), QStringList(2, U("Czy na pewno chcesz skasować?")));
    EXPECT_EQ(enabled(), "--A-L");

    FindChild<QLineEdit>(dialog, "edtRestName")->clear();
    EXPECT_FALSE(ok.isEnabled());
    FindChild<QLineEdit>(dialog, "edtRestName")->setText(U("Nic"));
    EXPECT_TRUE(ok.isEnabled());

    // An unticked part is emptied, whatever its list still shows; the id stays.
    days.item(2)->setCheckState(Qt::Checked);
    dialog.StoreInto(night);
    TArTimeRanges stored;
    auto copy = std::make_unique<TArTimeRange>(night);
    stored.Add(std::move(copy));
    EXPECT_EQ(Describe(stored), "last " + std::to_string(NightId) + " changed\n" +
                                    std::to_string(NightId) + " Nic hours dates days 3\n");
}

TEST_F(RestrictionFormTest, AnHourRangeMustStartBeforeItEnds) {
    const struct {
        int From, To;
        bool Accepted;
    } cases[] = {{0, 24, true}, {5, 5, false}, {10, 6, false}, {23, 24, true}, {-3, 1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.From << ".." << c.To);
        Prompt.Clear();
        THourRangeForm form;
        EXPECT_EQ(form.windowTitle(), U("Zakres godzin"));
        const bool accepted = EnterHours(c.From, c.To)(form);
        EXPECT_EQ(accepted, c.Accepted);
        EXPECT_EQ(Prompt.Errors(), c.Accepted ? QStringList{} : QStringList{kHourRangeOrder});
        if (accepted) {
            EXPECT_EQ(form.From(), std::max(c.From, 0));
        }
    }
    EXPECT_EQ(kHourRangeOrder, U("Godzina początkowa musi być mniejsza niż godzina końcowa."));
}

TEST_F(RestrictionFormTest, ADayRangeIsStoredAsDaysOfACommonYear) {
    const struct {
        int DayFrom, MonthFrom, DayTo, MonthTo;
        bool Accepted;
        int Start, Stop;
    } cases[] = {{15, 3, 10, 5, true, 74, 130}, {1, 1, 31, 12, true, 1, 365},
                 {28, 2, 1, 3, true, 59, 60},   {5, 6, 6, 6, true, 156, 157},
                 {5, 6, 5, 6, false, 0, 0},     {10, 7, 9, 7, false, 0, 0},
                 {1, 8, 31, 7, false, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.DayFrom << "." << c.MonthFrom << ".." << c.DayTo << "." << c.MonthTo);
        Prompt.Clear();
        TDateRangeForm form;
        EXPECT_EQ(form.windowTitle(), U("Zakres dni"));
        EXPECT_EQ(EnterDates(c.DayFrom, c.MonthFrom, c.DayTo, c.MonthTo)(form), c.Accepted);
        EXPECT_EQ(Prompt.Errors(), c.Accepted ? QStringList{} : QStringList{kDateRangeOrder});
        if (c.Accepted) {
            EXPECT_EQ(form.StartDay(), c.Start);
            EXPECT_EQ(form.StopDay(), c.Stop);
        }
    }
    EXPECT_EQ(kDateRangeOrder, U("Data początkowa musi być wcześniejsza niż data końcowa."));
}

TEST_F(RestrictionFormTest, AMonthOffersOnlyItsOwnDaysAndFebruaryNo29th) {
    TDateRangeForm form;
    auto& months = *FindChild<QComboBox>(form, "cmbMonthFrom");
    auto& day = *FindChild<QSpinBox>(form, "edtDayFrom");
    ASSERT_EQ(months.count(), 12);
    EXPECT_EQ(months.currentText(), U("styczeń"));
    EXPECT_EQ(months.itemText(1), U("luty"));
    EXPECT_EQ(months.itemText(9), U("październik"));
    EXPECT_EQ(day.maximum(), 31);
    day.setValue(31);
    const struct {
        int Month;
        int Maximum;
        int Day;
    } steps[] = {{4, 30, 30}, {2, 28, 28}, {3, 31, 28}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.Month);
        months.setCurrentIndex(step.Month - 1);
        EXPECT_EQ(day.maximum(), step.Maximum);
        EXPECT_EQ(day.value(), step.Day);
    }
    // February refuses 29 in the field, typed or set.
    months.setCurrentIndex(1);
    day.setValue(29);
    EXPECT_EQ(day.value(), 28);
    day.clear();
    QTest::keyClicks(&day, QStringLiteral("29"));
    EXPECT_NE(day.value(), 29);
    EXPECT_EQ(FindChild<QComboBox>(form, "cmbMonthto")->currentText(), U("styczeń"));
}

} // namespace
