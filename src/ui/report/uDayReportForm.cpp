#include "ui/report/uDayReportForm.h"

#include "foundation/uArUtils.h"
#include "ui/report/uReportHoursModel.h"
#include "ui/report/uReportPositionsModel.h"
#include "ui/uNamed.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <utility>

namespace {

// Keeps the positions with a broken or relaxed rule.
class TRemarksFilter final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void SetOnly(bool only) {
        FOnly = only;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex&) const override {
        return !FOnly || static_cast<TReportPositionsModel*>(sourceModel())->HasRemarks(row);
    }

private:
    bool FOnly = false;
};

QString Duration(qint64 ms) {
    return FormatDurationMs(static_cast<int>(ms), false);
}

QString RuleCounts(const std::array<int, DayRuleCount>& counts) {
    QStringList parts;
    for (TDayRule rule : AllDayRules)
        if (const int count = counts[static_cast<int>(rule)]; count > 0)
            parts << QStringLiteral("%1 %2").arg(DayRuleCaption(rule)).arg(count);
    return parts.isEmpty() ? QString()
                           : QStringLiteral(" (%1)").arg(parts.join(QStringLiteral(", ")));
}

QTableView* NewGrid(QWidget* parent, const char* name, QAbstractItemModel* model) {
    auto* grid = Named(new QTableView(parent), name);
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    return grid;
}

} // namespace

QString DayReportSummaryText(const TReportTotals& t) {
    return QStringLiteral("Pozycje: %1, utwory: %2.  Cisza: %3 (razem %4, najdłuższa %5).  "
                          "Cięcia: %6 (%7).  Miksy: %8.  Stałe godziny: %9 (największe "
                          "przesunięcie %10).\nZłamane reguły: %11%12.  Rozluźnione: %13%14.")
        .arg(t.Positions)
        .arg(t.Songs)
        .arg(t.Gaps)
        .arg(Duration(t.GapMs), Duration(t.MaxGapMs))
        .arg(t.Cuts)
        .arg(Duration(t.CutMs))
        .arg(t.Mixes)
        .arg(t.FixedHours)
        .arg(Duration(t.MaxFixedDriftMs))
        .arg(t.Broken())
        .arg(RuleCounts(t.BrokenByRule))
        .arg(t.Relaxed())
        .arg(RuleCounts(t.RelaxedByRule));
}

TDayReportForm::TDayReportForm(TDayReport report, QWidget* parent)
    : QDialog(parent), FReport(std::move(report)) {
    setObjectName(QStringLiteral("DayReportForm"));
    setWindowTitle(
        QStringLiteral("Raport dnia %1").arg(FReport.Date.toString(QStringLiteral("dd.MM.yyyy"))));

    lblSummary = Named(new QLabel(DayReportSummaryText(FReport.Summary), this), "lblSummary");
    lblSummary->setWordWrap(true);
    lblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    pcPages = Named(new QTabWidget(this), "pcPages");
    pcPages->addTab(CreatePositionsPage(), QStringLiteral("Pozycje"));
    pcPages->addTab(CreateHoursPage(), QStringLiteral("Godziny"));

    auto* buttons = new QDialogButtonBox(this);
    btnClose = Named(buttons->addButton(QStringLiteral("Zamknij"), QDialogButtonBox::RejectRole),
                     "btnClose");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    layout->addWidget(pcPages, 1);
    layout->addWidget(buttons);
    resize(1320, 700);
}

QWidget* TDayReportForm::CreatePositionsPage() {
    auto* page = new QWidget(this);
    FPositions = new TReportPositionsModel(FReport, this);
    auto* remarks = new TRemarksFilter(this);
    remarks->setSourceModel(FPositions);
    FRemarks = remarks;
    gridPositions = NewGrid(page, "gridPositions", FRemarks);
    const int time =
        gridPositions->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00.000")) + 14;
    const int widths[] = {time, time, 140, 170, 220};
    for (int column = 0; column < TReportPositionsModel::colFirstRule; ++column)
        gridPositions->setColumnWidth(column, widths[column]);
    for (int rule = 0; rule < DayRuleCount; ++rule)
        gridPositions->resizeColumnToContents(TReportPositionsModel::colFirstRule + rule);
    chbRemarksOnly =
        Named(new QCheckBox(QStringLiteral("Tylko pozycje z uwagami"), page), "chbRemarksOnly");
    connect(chbRemarksOnly, &QCheckBox::toggled, this, &TDayReportForm::ShowRemarksOnly);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(chbRemarksOnly);
    layout->addWidget(gridPositions, 1);
    return page;
}

QWidget* TDayReportForm::CreateHoursPage() {
    FHours = new TReportHoursModel(FReport, this);
    gridHours = NewGrid(this, "gridHours", FHours);
    gridHours->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return gridHours;
}

void TDayReportForm::ShowRemarksOnly(bool only) {
    static_cast<TRemarksFilter*>(FRemarks)->SetOnly(only);
}

void ShowDayReport(const TDayReport& report, QWidget* parent, const TDialogRunner& run) {
    TDayReportForm form(report, parent);
    if (run)
        run(form);
    else
        RunModalDialog(form);
}
