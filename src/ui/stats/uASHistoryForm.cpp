#include "ui/stats/uASHistoryForm.h"

#include "foundation/uAppPaths.h"
#include "library/uHistoryStats.h"
#include "ui/stats/uStatistcForm.h"
#include "ui/uNamed.h"

#include <QSettings>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString PlacementSection = QStringLiteral("ASHistoryForm");

} // namespace

TASHistoryForm::TASHistoryForm(TDBMainBase& store, QWidget* parent)
    : QDialog(parent), FHistory(std::make_unique<THistoryStats>(store)) {
    setObjectName(QStringLiteral("ASHistoryForm"));
    setWindowTitle(QStringLiteral("Statystyka"));
    setMinimumSize(420, 440);
    pcPages = Named(new QTabWidget(this), "pcPages");
    frmSongs = Named(new TStatistcForm(*FHistory, TStatKind::Songs, pcPages), "frmSongs");
    frmArtists = Named(new TStatistcForm(*FHistory, TStatKind::Artists, pcPages), "frmArtists");
    pcPages->addTab(frmSongs, QStringLiteral("Utwory"));
    pcPages->addTab(frmArtists, QStringLiteral("Wykonawcy"));
    for (TStatistcForm* page : {frmSongs, frmArtists}) {
        page->OnClose = [this] { reject(); };
        // A page prints through the window's runner, so a test can answer its dialog.
        page->DialogRunner = [this](QDialog& dialog) { return DialogRunner(dialog); };
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(pcPages);
    connect(pcPages, &QTabWidget::currentChanged, this, &TASHistoryForm::PageChanged);
    resize(780, 660);
}

TASHistoryForm::~TASHistoryForm() = default;

void TASHistoryForm::Fill(const QList<TStatEntry>& songs, const QList<TStatEntry>& artists,
                          TDateTime day) {
    frmSongs->AddItems(songs);
    frmArtists->AddItems(artists);
    frmSongs->ShowPeriod(day);
    frmArtists->ShowPeriod(day);
    FTakenKind = frmSongs->PeriodKind();
    FTakenStart = frmSongs->Period().Start;
}

void TASHistoryForm::ShowPage(int page) {
    pcPages->setCurrentIndex(page);
}

TStatistcForm* TASHistoryForm::Page(int page) const {
    return page == 1 ? frmArtists : frmSongs;
}

void TASHistoryForm::PageChanged(int page) {
    const TStatistcForm& before = *Page(FShownPage);
    TStatistcForm& now = *Page(page);
    FShownPage = page;
    const TStatPeriodKind kind = before.PeriodKind();
    const TDateTime start = before.Period().Start;
    const bool startChanged = start != FTakenStart;
    const bool kindChanged = kind != FTakenKind;
    if (startChanged && kindChanged)
        now.ShowPeriodOf(kind, start);
    else if (startChanged)
        now.ShowPeriod(start);
    else if (kindChanged)
        now.ShowPeriodOf(kind, now.Period().Start);
    FTakenKind = kind;
    FTakenStart = start;
}

void TASHistoryForm::done(int result) {
    SavePlacement();
    QDialog::done(result);
}

void TASHistoryForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!FPlaced) {
        FPlaced = true;
        RestorePlacement();
    }
}

void TASHistoryForm::RestorePlacement() {
    const std::unique_ptr<QSettings> settings = UserSettings();
    settings->beginGroup(PlacementSection);
    restoreGeometry(settings->value(QStringLiteral("Geometry")).toByteArray());
}

void TASHistoryForm::SavePlacement() const {
    const std::unique_ptr<QSettings> settings = UserSettings();
    settings->beginGroup(PlacementSection);
    settings->setValue(QStringLiteral("Geometry"), saveGeometry());
}
