#include "ui/uMainForm.h"

#include "dayplan/uDayLifecycle.h"
#include "dayplan/uStores.h"
#include "foundation/uAppPaths.h"
#include "ui/clockeditor/uTimerForm.h"
#include "ui/uClockTree.h"
#include "ui/uDayHistoryForm.h"
#include "ui/uResultForm.h"

#include <QCloseEvent>
#include <QSettings>
#include <QTimer>

namespace {

const QString MainWindowSection = QStringLiteral("MainWnd");

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    EnsureDirectory(AppFilePath(kPlanDir));
    setWindowTitle(QStringLiteral("Dobieralnik"));
    resize(1240, 760);
    CreateActions();
    CreatePages();
    CreateMenus();
    ConnectActions();
    RestoreWindowState();
    UpdateActions();
}

TMainForm::~TMainForm() {
    // The views first (they look at the day's list and clock), then the day itself (its clock
    // follows the category and broadcast lists), then the stores.
    delete FHistoryForm;
    delete FClockEditor;
    FClockTree = nullptr;
    delete FResultForm;
    FDays.reset();
    if (FActivated)
        ReleaseStores();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Queued, so the window is on screen before the stores (and maybe the statistics upgrade
    // in its progress window) take their time.
    if (!FActivated)
        QTimer::singleShot(0, this, &TMainForm::FirstActivation);
}

void TMainForm::FirstActivation() {
    if (FActivated)
        return;
    FActivated = true;
    FStoresUp = BringUpStores();
    if (!FStoresUp) {
        // The error has been shown; nothing may use a store that is not up.
        close();
        return;
    }
    FDays = std::make_unique<TDayLifecycle>(*this);
    CreateViews();
    FDays->ShowDay(QDate::currentDate());
    UpdateActions();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // Never refused: a failed save reports itself.
    if (FDays)
        FDays->SaveOnClose();
    SaveWindowState();
    event->accept();
}

bool TMainForm::SavePendingDay() {
    return !FDays || FDays->SavePendingDay();
}

void TMainForm::RestoreWindowState() {
    const std::unique_ptr<QSettings> settings = UserSettings();
    settings->beginGroup(MainWindowSection);
    restoreGeometry(settings->value(QStringLiteral("Geometry")).toByteArray());
    restoreState(settings->value(QStringLiteral("State")).toByteArray());
}

void TMainForm::SaveWindowState() const {
    const std::unique_ptr<QSettings> settings = UserSettings();
    settings->beginGroup(MainWindowSection);
    settings->setValue(QStringLiteral("Geometry"), saveGeometry());
    settings->setValue(QStringLiteral("State"), saveState());
}
