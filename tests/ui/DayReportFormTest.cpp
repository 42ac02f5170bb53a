#include "FindChild.h"
#include "ModelCheck.h"
#include "ui/report/uDayReportForm.h"
#include "ui/report/uReportHoursModel.h"
#include "ui/report/uReportPositionsModel.h"

#include <QCheckBox>
#include <QTableView>
#include <gtest/gtest.h>

// "Raport dnia": the positions with their rules, the remarks alone on request, the hours with
// the day's total.

namespace {

TPositionReport Song(int startMs, const char* title, TRuleChecks checks) {
    TPositionReport position;
    position.StartMs = startMs;
    position.EndMs = startMs + 180000;
    position.SongId = 1;
    position.Title = QString::fromUtf8(title);
    position.Checks = checks;
    return position;
}

TRuleChecks AllOk() {
    TRuleChecks checks;
    checks.fill(TRuleResult::Ok);
    return checks;
}

TDayReport SampleReport() {
    TDayReport report;
    report.Date = QDate(2026, 12, 11);
    TRuleChecks broken = AllOk();
    broken[static_cast<int>(TDayRule::SongFrequency)] = TRuleResult::Broken;
    TRuleChecks relaxed = AllOk();
    relaxed[static_cast<int>(TDayRule::Separation)] = TRuleResult::Relaxed;
    TPositionReport blank;
    blank.Blank = true;
    blank.Title = QStringLiteral("Blok reklamowy");
    report.Positions = {Song(0, "Pierwsza", AllOk()), Song(180000, "Druga", broken), blank,
                        Song(7200000, "Trzecia", relaxed)};
    report.Summary.Positions = 4;
    report.Summary.Songs = 3;
    report.Summary.BrokenByRule[static_cast<int>(TDayRule::SongFrequency)] = 1;
    report.Summary.RelaxedByRule[static_cast<int>(TDayRule::Separation)] = 1;
    report.Hours = {{0, {}}, {2, {}}};
    return report;
}

TEST(DayReportForm, PositionsShowEachRuleAndTheRemarksCanBeShownAlone) {
    TDayReportForm form(SampleReport());
    auto& grid = *FindChild<QTableView>(form, "gridPositions");
    TModelCheck check(grid.model());
    ASSERT_EQ(grid.model()->rowCount(), 4);
    const int songFrequency =
        TReportPositionsModel::colFirstRule + static_cast<int>(TDayRule::SongFrequency);
    EXPECT_EQ(grid.model()->index(1, songFrequency).data().toString(), QStringLiteral("złamana"));
    EXPECT_EQ(grid.model()->headerData(songFrequency, Qt::Horizontal, Qt::ToolTipRole).toString(),
              QStringLiteral("Częstotliwość utworu"));
    EXPECT_TRUE(grid.model()->index(2, songFrequency).data().toString().isEmpty()) << "a blank";
    EXPECT_TRUE(grid.model()->index(1, 0).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(grid.model()->index(0, 0).data(Qt::BackgroundRole).isValid());

    FindChild<QCheckBox>(form, "chbRemarksOnly")->setChecked(true);
    ASSERT_EQ(grid.model()->rowCount(), 2);
    EXPECT_EQ(grid.model()->index(0, TReportPositionsModel::colTitle).data().toString(),
              QStringLiteral("Druga"));
    EXPECT_EQ(grid.model()->index(1, TReportPositionsModel::colTitle).data().toString(),
              QStringLiteral("Trzecia"));
}

TEST(DayReportForm, HoursEndWithTheDayAndTheSummaryNamesTheRules) {
    TDayReportForm form(SampleReport());
    auto& grid = *FindChild<QTableView>(form, "gridHours");
    TModelCheck check(grid.model());
    ASSERT_EQ(grid.model()->rowCount(), 3);
    EXPECT_EQ(grid.model()->index(1, TReportHoursModel::colHour).data().toString(),
              QStringLiteral("02:00"));
    EXPECT_EQ(grid.model()->index(2, TReportHoursModel::colHour).data().toString(),
              QStringLiteral("Razem"));
    EXPECT_EQ(grid.model()->index(2, TReportHoursModel::colBroken).data().toInt(), 1);
    const QString summary = DayReportSummaryText(form.Report().Summary);
    EXPECT_TRUE(summary.contains(QStringLiteral("Złamane reguły: 1 (Częstotliwość utworu 1)")))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Rozluźnione: 1 (Rozkład czasowy 1)")));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Raport dnia 11.12.2026"));
}

} // namespace
