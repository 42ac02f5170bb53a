#include "ui/stats/uStatistcForm.h"

#include "foundation/uAppPaths.h"
#include "foundation/uFormat.h"
#include "foundation/uMsgLog.h"
#include "foundation/uPrompt.h"
#include "library/uHistoryStats.h"
#include "library/uLibraryEntities.h"
#include "ui/stats/uStatCharts.h"
#include "ui/stats/uStatItemsModel.h"
#include "ui/uNamed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QTreeView>
#include <QVBoxLayout>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChartView>
#include <QtCharts/QScatterSeries>
#include <QtPrintSupport/QPrintDialog>
#include <QtPrintSupport/QPrinter>
#include <algorithm>
#include <exception>

namespace {

const QString PlacementSection = QStringLiteral("StatistcForm");

QChartView* NewChartView(QChart* chart, QWidget* parent, const char* name) {
    auto* view = Named(new QChartView(chart, parent), name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(200);
    return view;
}

} // namespace

TStatistcForm::TStatistcForm(TStatKind kind, QWidget* parent, bool embedded)
    : QDialog(parent), FKind(kind), FEmbedded(embedded) {
    setObjectName(QStringLiteral("StatistcForm"));
    setWindowTitle(QStringLiteral("Statystyka"));
    if (embedded)
        setWindowFlags(Qt::Widget);
    setMinimumSize(400, 400);
    FModel = new TStatItemsModel(kind, this);
    FPeriod = StatPeriodOf(TStatPeriodKind::Week, Today());
    CreateLayout();
    ConnectControls();
    if (!embedded)
        resize(760, 620);
}

TStatistcForm::TStatistcForm(TDBMainBase& store, TStatKind kind, QWidget* parent)
    : TStatistcForm(kind, parent, false) {
    FOwnHistory = std::make_unique<THistoryStats>(store);
    FHistory = FOwnHistory.get();
}

TStatistcForm::TStatistcForm(THistoryStats& history, TStatKind kind, QWidget* page)
    : TStatistcForm(kind, page, true) {
    FHistory = &history;
}

TStatistcForm::~TStatistcForm() = default;

void TStatistcForm::CreateLayout() {
    auto* lblRange = new QLabel(QStringLiteral("Przedział czasu:"), this);
    cmbTimeRange = Named(new QComboBox(this), "cmbTimeRange");
    cmbTimeRange->addItems({QStringLiteral("Tydzień"), QStringLiteral("Miesiąc")});
    lblRange->setBuddy(cmbTimeRange);
    lblTimeRange = Named(new QLabel(QStringLiteral("Tydzień:"), this), "lblTimeRange");
    edtDate = Named(new QLineEdit(this), "edtDate");
    edtDate->setReadOnly(true);
    edtDate->setMinimumWidth(150);
    btnDown = Named(new QPushButton(QStringLiteral("<"), this), "btnDown");
    btnDown->setToolTip(QStringLiteral("Poprzedni okres"));
    btnUp = Named(new QPushButton(QStringLiteral(">"), this), "btnUp");
    btnUp->setToolTip(QStringLiteral("Następny okres"));
    for (QPushButton* button : {btnDown, btnUp})
        button->setFixedWidth(32);
    btnDate = Named(new QDateEdit(this), "btnDate");
    btnDate->setCalendarPopup(true);
    btnDate->setToolTip(QStringLiteral("Pokaż okres zawierający wybrany dzień"));
    chbDailyBars =
        Named(new QCheckBox(QStringLiteral("Słupki: odtworzenia na dzień"), this), "chbDailyBars");
    btnName = Named(new QPushButton(QStringLiteral("Drukuj"), this), "btnName");

    // Two rows, so the period stays readable in the smallest window.
    auto* range = new QHBoxLayout;
    range->addWidget(lblRange);
    range->addWidget(cmbTimeRange);
    range->addStretch(1);
    range->addWidget(btnDate);
    auto* period = new QHBoxLayout;
    period->addWidget(lblTimeRange);
    period->addWidget(edtDate, 1);
    period->addWidget(btnDown);
    period->addWidget(btnUp);

    Chart = NewChartView(NewPlaysChart(seriesDate), this, "Chart");
    BarChart = NewChartView(NewDailyBarsChart(), this, "BarChart");
    stkCharts = Named(new QStackedWidget(this), "stkCharts");
    stkCharts->addWidget(Chart);
    stkCharts->addWidget(BarChart);

    Tree = Named(new QTreeView(this), "Tree");
    Tree->setModel(FModel);
    Tree->setRootIsDecorated(false);
    Tree->setUniformRowHeights(true);
    Tree->setAllColumnsShowFocus(true);
    Tree->setMinimumHeight(70);
    QHeaderView* header = Tree->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(TStatItemsModel::colColor, QHeaderView::Fixed);
    header->setSectionResizeMode(TStatItemsModel::colName, QHeaderView::Stretch);
    header->setSectionResizeMode(TStatItemsModel::colCount, QHeaderView::Fixed);
    header->resizeSection(TStatItemsModel::colColor, 40);
    header->resizeSection(TStatItemsModel::colCount, 70);

    splStats = Named(new QSplitter(Qt::Vertical, this), "splStats");
    splStats->addWidget(stkCharts);
    splStats->addWidget(Tree);
    splStats->setStretchFactor(0, 1);
    splStats->setStretchFactor(1, 0);
    splStats->setChildrenCollapsible(false);

    btnClose = Named(new QPushButton(QStringLiteral("Zamknij"), this), "btnClose");
    // Enter in the date picker must not move the period or close the window.
    for (QPushButton* button : {btnDown, btnUp, btnName, btnClose})
        button->setAutoDefault(false);
    auto* foot = new QHBoxLayout;
    foot->addWidget(chbDailyBars);
    foot->addStretch(1);
    foot->addWidget(btnName);
    foot->addWidget(btnClose);

    auto* layout = new QVBoxLayout(this);
    if (FEmbedded)
        layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(range);
    layout->addLayout(period);
    layout->addWidget(splStats, 1);
    layout->addLayout(foot);
}

void TStatistcForm::ConnectControls() {
    connect(cmbTimeRange, &QComboBox::currentIndexChanged, this, [this] {
        lblTimeRange->setText(PeriodKind() == TStatPeriodKind::Month ? QStringLiteral("Miesiąc:")
                                                                     : QStringLiteral("Tydzień:"));
        if (FPeriodShown)
            ShowPeriod(FPeriod.Start);
    });
    connect(btnDown, &QPushButton::clicked, this,
            [this] { ShowPeriod(MoveStatPeriod(FPeriod, -1).Start); });
    connect(btnUp, &QPushButton::clicked, this,
            [this] { ShowPeriod(MoveStatPeriod(FPeriod, 1).Start); });
    connect(btnDate, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        const TDateTime day = DateToDateTime(date);
        if (day != 0 && day != FPeriod.Start)
            ShowPeriod(day);
    });
    connect(chbDailyBars, &QCheckBox::toggled, this, [this](bool bars) {
        stkCharts->setCurrentWidget(bars ? BarChart : Chart);
        UpdateDailyBars();
    });
    connect(btnName, &QPushButton::clicked, this, &TStatistcForm::Print);
    connect(btnClose, &QPushButton::clicked, this, &TStatistcForm::reject);
    connect(FModel, &TStatItemsModel::ShownChanged, this, &TStatistcForm::ShowItem);
}

void TStatistcForm::AddItems(const QList<TStatEntry>& entries) {
    std::vector<TStatItem> items = FModel->Items();
    for (const TStatEntry& entry : entries) {
        TStatItem item;
        item.Id = entry.Id;
        item.Name = entry.Name;
        item.Color = StatItemColor(FCreated++);
        item.Series = NewPlaysSeries(*Chart->chart(), item);
        items.push_back(std::move(item));
    }
    FModel->SetItems(std::move(items));
    FBarsStale = true;
    if (FPeriodShown)
        DrawPlays();
}

TStatPeriodKind TStatistcForm::PeriodKind() const {
    return cmbTimeRange->currentIndex() == 1 ? TStatPeriodKind::Month : TStatPeriodKind::Week;
}

void TStatistcForm::ShowPeriod(TDateTime day) {
    FPeriod = StatPeriodOf(PeriodKind(), day);
    FPeriodShown = true;
    edtDate->setText(StatPeriodText(FPeriod));
    SetDayLabels(*seriesDate, StatPeriodDayLabels(FPeriod));
    {
        const QSignalBlocker blocker(btnDate);
        btnDate->setDate(DateTimeToDate(FPeriod.Start));
    }
    DrawPlays();
}

void TStatistcForm::ShowPeriodOf(TStatPeriodKind kind, TDateTime day) {
    SetPeriodKindSilently(kind);
    ShowPeriod(day);
}

void TStatistcForm::SetPeriodKindSilently(TStatPeriodKind kind) {
    const bool shown = FPeriodShown;
    FPeriodShown = false;
    cmbTimeRange->setCurrentIndex(kind == TStatPeriodKind::Month ? 1 : 0);
    FPeriodShown = shown;
}

void TStatistcForm::DrawPlays() {
    ++FDraws;
    QString failure;
    {
        const TBusyGuard busy;
        try {
            FHistory->SetPeriod(FPeriod.Start, FPeriod.LastInstant());
        } catch (const std::exception& error) {
            failure = QString::fromUtf8(error.what());
        }
        // Hidden items are drawn too: ticking one later shows the period on the screen.
        for (int row = 0; row < FModel->Count(); ++row)
            DrawItem(FModel->Item(row), failure);
        FModel->CountsChanged();
        FBarsStale = true;
        UpdateDailyBars();
    }
    // Once for the lot: a store that cannot answer fails for every item alike.
    if (!failure.isEmpty())
        ShowError(Format(kDatabaseError, {failure}));
}

void TStatistcForm::DrawItem(TStatItem& item, QString& failure) {
    QList<TDateTime> times;
    if (failure.isEmpty()) {
        try {
            times = FKind == TStatKind::Artists ? FHistory->ArtistPlayTimes(item.Id)
                                                : FHistory->SongPlayTimes(item.Id);
        } catch (const std::exception& error) {
            failure = QString::fromUtf8(error.what());
        }
    }
    QList<QPointF> points;
    points.reserve(times.size());
    for (TDateTime time : times)
        if (const std::optional<QPointF> point = StatPlayPoint(FPeriod.Start, time))
            points.append(*point);
    item.Series->replace(points);
    item.Count = static_cast<int>(points.size());
    item.DayCounts = StatPlaysPerDay(FPeriod, times);
}

void TStatistcForm::UpdateDailyBars() {
    // The bars are made only when they are looked at.
    if (!FBarsStale || !chbDailyBars->isChecked())
        return;
    FillDailyBars(*BarChart->chart(), StatPeriodDayLabels(FPeriod), FModel->Items());
    FBarsStale = false;
}

void TStatistcForm::ShowItem(int row, bool shown) {
    ShowPlaysSeries(*Chart->chart(), *FModel->Item(row).Series, shown, *this);
    FBarsStale = true;
    UpdateDailyBars();
}

int TStatistcForm::ItemCount() const {
    return FModel->Count();
}

const TStatItem& TStatistcForm::Item(int row) const {
    return FModel->Item(row);
}

QList<QPointF> TStatistcForm::Points(int row) const {
    return FModel->Item(row).Series->points();
}

void TStatistcForm::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    if (!DialogRunner(dialog))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        ShowError(kStatsPrintFailed);
        return;
    }
    auto* view = static_cast<QChartView*>(stkCharts->currentWidget());
    view->render(&painter, QRectF(painter.viewport()), view->viewport()->rect(),
                 Qt::KeepAspectRatio);
    painter.end();
}

void TStatistcForm::reject() {
    if (OnClose)
        OnClose();
    else
        QDialog::reject();
}

void TStatistcForm::done(int result) {
    if (!FEmbedded)
        SavePlacement();
    QDialog::done(result);
}

void TStatistcForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (FPlaced)
        return;
    FPlaced = true;
    if (!FEmbedded)
        RestorePlacement();
    // The chart is what the window is for; the list needs a few rows. Sized once shown, when
    // the splitter knows its height.
    const int height = std::max(splStats->height(), 200);
    splStats->setSizes({height * 3 / 4, height - height * 3 / 4});
}

void TStatistcForm::RestorePlacement() {
    const std::unique_ptr<QSettings> settings = UserSettings();
    settings->beginGroup(PlacementSection);
    restoreGeometry(settings->value(QStringLiteral("Geometry")).toByteArray());
}

void TStatistcForm::SavePlacement() const {
    const std::unique_ptr<QSettings> settings = UserSettings();
    settings->beginGroup(PlacementSection);
    settings->setValue(QStringLiteral("Geometry"), saveGeometry());
}
