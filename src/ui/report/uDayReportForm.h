#pragma once

#include "report/uDayReport.h"
#include "ui/uDialogRunner.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class TReportHoursModel;
class TReportPositionsModel;

// "Raport dnia": why each position of a day is where it is and which rule it keeps. The day's
// totals at the top (dead air, cuts, mixes, fixed hours, broken and relaxed rules), the
// positions with a column per rule on the first page (those with a remark marked, and on
// request alone), the hours on the second.
class TDayReportForm final : public QDialog {
    Q_OBJECT
public:
    // The form keeps its own copy of the report.
    explicit TDayReportForm(TDayReport report, QWidget* parent = nullptr);

    const TDayReport& Report() const { return FReport; }

private:
    QWidget* CreatePositionsPage();
    QWidget* CreateHoursPage();
    void ShowRemarksOnly(bool only);

    TDayReport FReport;
    TReportPositionsModel* FPositions = nullptr;
    TReportHoursModel* FHours = nullptr;
    QSortFilterProxyModel* FRemarks = nullptr;

    // Named after their members (objectName).
    QLabel* lblSummary = nullptr;
    QTabWidget* pcPages = nullptr;
    QTableView* gridPositions = nullptr;
    QCheckBox* chbRemarksOnly = nullptr;
    QTableView* gridHours = nullptr;
    QPushButton* btnClose = nullptr;
};

// The day's summary as the window's top line shows it.
QString DayReportSummaryText(const TReportTotals& totals);

// Opens the window on the report; `run` runs it (empty: modally).
void ShowDayReport(const TDayReport& report, QWidget* parent, const TDialogRunner& run = {});
