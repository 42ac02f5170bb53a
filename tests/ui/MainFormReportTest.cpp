#include "FindChild.h"
#include "MainFormDayFixture.h"
#include "report/uDayReportJson.h"
#include "ui/report/uDayReportForm.h"
#include "ui/uDayHistoryForm.h"
#include "ui/uResultForm.h"

#include <QAction>
#include <QFile>
#include <QTableView>
#include <QTreeWidget>

// "&Raport dnia" in the main window: the pending day's report, kept with the day when it is
// accepted and read back on its history page.

namespace {

TEST_F(MainFormDay, TheDayReportOfThePendingDayIsKeptWithItsHistory) {
    QAction& report = *FindChild<QAction>(*Form, "acnReport");
    EXPECT_FALSE(report.isVisible());
    GenerateToday();
    ASSERT_TRUE(report.isVisible());
    ASSERT_TRUE(report.isEnabled());
    EXPECT_TRUE(Form->ResultView()->PopupMenu()->actions().contains(&report));

    int pendingRows = -1;
    TDayReport shown;
    Form->SettingsRunner = [&](QDialog& dialog) {
        auto* form = dynamic_cast<TDayReportForm*>(&dialog);
        EXPECT_NE(form, nullptr) << dialog.windowTitle().toStdString();
        if (form) {
            pendingRows = FindChild<QTableView>(*form, "gridPositions")->model()->rowCount();
            shown = form->Report();
        }
        dialog.reject();
        return false;
    };
    report.trigger();
    EXPECT_EQ(pendingRows, Days().PlayList().Count());
    EXPECT_EQ(shown.Date, Today);

    Prompt.DefaultAnswer = true;
    FindChild<QAction>(*Form, "acnAccept")->trigger();
    ASSERT_EQ(Days().State(), dsHistory);
    ASSERT_TRUE(QFile::exists(DayReportPath(Today)));
    ASSERT_TRUE(report.isVisible());
    EXPECT_TRUE(Form->HistoryView()->List()->actions().contains(&report));
    const TDayReport pending = shown;
    report.trigger();
    EXPECT_EQ(shown, pending) << "the stored report, slots and all";
}

} // namespace
