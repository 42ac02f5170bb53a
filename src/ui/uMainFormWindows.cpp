#include "clocks/uBroadcastList.h"
#include "clocks/uClockObjList.h"
#include "dayplan/uDayLifecycle.h"
#include "foundation/uPrompt.h"
#include "library/uDBMainBase.h"
#include "report/uShownDayReport.h"
#include "ui/broadcasts/uBroadcastsForm.h"
#include "ui/categories/uCategoriesForm.h"
#include "ui/categories/uObjDialog.h"
#include "ui/clockeditor/uTimerForm.h"
#include "ui/import/uImportOptionsForm.h"
#include "ui/library/uArtistsForm.h"
#include "ui/library/uLabelsForm.h"
#include "ui/library/uLibraryChoosers.h"
#include "ui/library/uSongsViewForm.h"
#include "ui/report/uDayReportForm.h"
#include "ui/restrictions/uFreqGroupsForm.h"
#include "ui/restrictions/uLabelRestForm.h"
#include "ui/restrictions/uRestrictionForm.h"
#include "ui/settings/uAppConfigForm.h"
#include "ui/settings/uSongCharOptForm.h"
#include "ui/settings/uTimeSeparationForm.h"
#include "ui/uClockTree.h"
#include "ui/uDayHistoryForm.h"
#include "ui/uMainForm.h"
#include "ui/uResultForm.h"

#include <QAction>

// The windows reached from the main menu.

TTimerForm* TMainForm::OpenClockEditor(TClockEditorUse use) {
    QString path;
    if (use != TClockEditorUse::New) {
        path = ChooseClockFile();
        if (path.isEmpty())
            return nullptr;
    }
    auto* editor = new TTimerForm(this);
    editor->ObjectEditor = ObjectEditor();
    editor->OpenFileChooser = ClockFileChooser;
    if (!path.isEmpty() && !editor->OpenFile(path)) {
        delete editor;
        return nullptr;
    }
    editor->SetReadOnly(use == TClockEditorUse::View);
    editor->show();
    return editor;
}

void TMainForm::OpenBroadcastsWindow() {
    if (!BroadcastList)
        return;
    TBroadcastsForm window(*BroadcastList, this);
    window.ObjectEditor = ObjectEditor();
    window.exec();
}

void TMainForm::OpenSongsWindow() {
    if (MainBase)
        BrowseSongs(*MainBase, this);
}

void TMainForm::OpenNewSongWindow() {
    int songId = -1;
    if (MainBase)
        NewSong(*MainBase, this, songId, LibraryChoosers(MainBase.get(), this));
}

void TMainForm::OpenArtistsWindow() {
    if (MainBase)
        BrowseArtists(MainBase.get(), this);
}

void TMainForm::OpenLabelsWindow() {
    if (MainBase)
        ManageLabels(MainBase.get(), this);
}

void TMainForm::OpenCategoriesWindow() {
    if (!CategoryList)
        return;
    TCategoriesForm window(*CategoryList, MainBase.get(), this);
    window.exec();
}

std::function<bool(TBaseClockObject&)> TMainForm::ObjectEditor() {
    return [this](TBaseClockObject& object) {
        return CategoryList && EditClockObject(*CategoryList, object, MainBase.get(), this, false);
    };
}

void TMainForm::ConnectSettingsActions() {
    connect(meSongChars, &QAction::triggered, this, &TMainForm::OpenCharacteristicsWindow);
    connect(meTimeRestr, &QAction::triggered, this, &TMainForm::OpenTimeRestrictionsWindow);
    connect(meFreqGroups, &QAction::triggered, this, &TMainForm::OpenFreqGroupsWindow);
    connect(meLabelRestr, &QAction::triggered, this, &TMainForm::OpenLabelRestrictionsWindow);
    connect(meTimeSeparation, &QAction::triggered, this, &TMainForm::OpenSeparationsWindow);
    connect(meGlobalRestr, &QAction::triggered, this,
            [this] { OpenConfigWindow(TAppConfigPage::GlobalRestr); });
    connect(meDefaultRestr, &QAction::triggered, this,
            [this] { OpenConfigWindow(TAppConfigPage::DefaultRestr); });
    connect(meConfig, &QAction::triggered, this,
            [this] { OpenConfigWindow(TAppConfigPage::Paths); });
    connect(acnHistory, &QAction::triggered, this, &TMainForm::ShowPendingDayStats);
    connect(acnReport, &QAction::triggered, this, &TMainForm::ShowDayReportWindow);
    connect(meOrvoDatFile, &QAction::triggered, this, &TMainForm::OpenImportWindow);
    connect(meImportOpt, &QAction::triggered, this, &TMainForm::OpenImportOptionsWindow);
}

void TMainForm::OpenImportWindow() {
    if (!FStoresUp)
        return;
    TImportWindowHooks hooks = ImportHooks;
    if (!hooks.Run)
        hooks.Run = SettingsRunner;
    ImportDatFiles(this, hooks);
}

void TMainForm::OpenImportOptionsWindow() {
    if (FStoresUp)
        EditImportOptions(this, SettingsRunner, ImportHooks.ChooseDirectory);
}

void TMainForm::OpenConfigWindow(TAppConfigPage page) {
    if (FStoresUp)
        EditAppConfig(page, this, SettingsRunner);
}

void TMainForm::OpenCharacteristicsWindow() {
    if (FStoresUp && EditSongCharacteristics(this, SettingsRunner) && FClockTree)
        FClockTree->Reload(); // the docked clock shows characteristic values by name
}

void TMainForm::OpenTimeRestrictionsWindow() {
    if (FStoresUp)
        EditTimeRestrictions(this, SettingsRunner);
}

void TMainForm::OpenFreqGroupsWindow() {
    if (FStoresUp)
        EditFreqGroups(this, SettingsRunner);
}

void TMainForm::OpenLabelRestrictionsWindow() {
    if (FStoresUp && MainBase)
        EditLabelRestrictions(MainBase.get(), this, SettingsRunner);
}

void TMainForm::OpenSeparationsWindow() {
    if (FStoresUp)
        EditSeparations(this, SettingsRunner);
}

void TMainForm::ShowDayReportWindow() {
    if (!FDays)
        return;
    QString error;
    const std::optional<TDayReport> report = ShownDayReport(*FDays, &error);
    if (!report) {
        if (!error.isEmpty())
            ShowError(error);
        return;
    }
    ShowDayReport(*report, this, SettingsRunner);
}

void TMainForm::ShowPendingDayStats() {
    if (ShownState() == dsPending && FResultForm)
        FResultForm->ShowPositionStats(FDays->ShownDate());
}
