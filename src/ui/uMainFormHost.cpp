#include "dayplan/uDayLifecycle.h"
#include "report/uShownDayReport.h"
#include "settings/uSettings.h"
#include "ui/clockeditor/uClockFileDialogs.h"
#include "ui/clockeditor/uTimerForm.h"
#include "ui/uClockTree.h"
#include "ui/uDayHistoryForm.h"
#include "ui/uMainForm.h"
#include "ui/uResultForm.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <functional>

// --- What the day's lifecycle asks of the window

QString TMainForm::ChooseClockFile() {
    if (ClockFileChooser)
        return ClockFileChooser();
    return ChooseClockToOpen(this);
}

QString TMainForm::ChooseExportFile(const QString& dir, const QString& fileName, int filterIndex) {
    if (ExportFileChooser)
        return ExportFileChooser(dir, fileName, filterIndex);
    return FResultForm ? FResultForm->ChooseExportFile(dir, fileName, filterIndex) : QString();
}

void TMainForm::StateChanged(TDayState state) {
    switch (state) {
    case dsHistory:
        Pages->setCurrentWidget(tbHistory);
        break;
    case dsPending:
        Pages->setCurrentWidget(tbPending);
        break;
    case dsFuture:
        Pages->setCurrentWidget(tbFuture);
        break;
    default:
        Pages->setCurrentWidget(tbEmpty);
        break;
    }
    acnBack->setToolTip(state == dsFuture ? QStringLiteral("Wyczyść") : QStringLiteral("Przywróć"));
    const QString addCaption = state == dsPending ? QStringLiteral("Dodaj utwór")
                                                  : QStringLiteral("Dodaj kategorię/audycję");
    acnTimerNewItem->setText(addCaption);
    acnTimerNewItem->setToolTip(addCaption);
    if (FClockViewMenu)
        FClockViewMenu->menuAction()->setVisible(state == dsFuture);
    UpdateActions();
}

void TMainForm::ViewsChanged() {
    if (!FDays)
        return;
    {
        const QSignalBlocker blocker(dtDate);
        dtDate->setDate(FDays->ShownDate());
    }
    if (FHistoryForm) {
        if (FDays->State() == dsHistory)
            FHistoryForm->ShowHistory(FDays->History(), FDays->HistoryShown(), FDays->ShownDate());
        else
            FHistoryForm->Clear();
    }
    if (FResultForm)
        FResultForm->Reload();
    if (FClockTree)
        FClockTree->Reload();
    UpdateActions();
}

void TMainForm::FocusRow(int row) {
    if (FResultForm)
        FResultForm->FocusRow(row);
}

// --- The actions

void TMainForm::RunDayOperation(const std::function<void()>& operation) {
    if (!FDays)
        return;
    operation();
    UpdateActions();
}

void TMainForm::ShowPickedDate() {
    // Typing a date ends here too; the date already shown is not shown again.
    if (FDays && dtDate->date() != FDays->ShownDate())
        RunDayOperation([this] { FDays->PickDate(dtDate->date()); });
}

void TMainForm::ConnectActions() {
    const auto day = [this](auto operation) {
        return [this, operation] { RunDayOperation([this, operation] { operation(*FDays); }); };
    };
    connect(acnNext, &QAction::triggered, this, day([](TDayLifecycle& d) { d.ShowNextDay(); }));
    connect(acnPrev, &QAction::triggered, this, day([](TDayLifecycle& d) { d.ShowPreviousDay(); }));
    connect(acnRand, &QAction::triggered, this, day([](TDayLifecycle& d) { d.Generate(); }));
    connect(acnAccept, &QAction::triggered, this,
            day([](TDayLifecycle& d) { AcceptKeepingReport(d); }));
    connect(acnBack, &QAction::triggered, this,
            day([](TDayLifecycle& d) { BackRemovingReport(d); }));
    connect(FRestoreShortcut, &QShortcut::activated, this, [this] {
        if (FDays && FDays->State() == dsHistory)
            RunDayOperation([this] { BackRemovingReport(*FDays); });
    });
    connect(acnLoadClock, &QAction::triggered, this,
            day([](TDayLifecycle& d) { d.ChangeClock(); }));
    connect(acnSavePlayListAsMix, &QAction::triggered, this,
            day([](TDayLifecycle& d) { d.Export(1); }));
    connect(acnSavePlayListAsText, &QAction::triggered, this,
            day([](TDayLifecycle& d) { d.Export(2); }));
    connect(acnResetstats, &QAction::triggered, this,
            day([](TDayLifecycle& d) { d.ResetHistory(); }));
    connect(meDBClear, &QAction::triggered, this, day([](TDayLifecycle& d) { d.ClearLibrary(); }));
    connect(btnTimer, &QPushButton::clicked, this, day([](TDayLifecycle& d) { d.ChooseClock(); }));
    connect(btnEmptyTimer, &QPushButton::clicked, this,
            day([](TDayLifecycle& d) { d.StartEmptyClock(); }));
    connect(meAbout, &QAction::triggered, this, &TMainForm::ShowAbout);
    connect(meSongsNew, &QAction::triggered, this, &TMainForm::OpenNewSongWindow);
    connect(meSongsBrowse, &QAction::triggered, this, &TMainForm::OpenSongsWindow);
    connect(meArtists, &QAction::triggered, this, &TMainForm::OpenArtistsWindow);
    connect(meLabels, &QAction::triggered, this, &TMainForm::OpenLabelsWindow);
    connect(meBroadcasts, &QAction::triggered, this, &TMainForm::OpenBroadcastsWindow);
    connect(meCategories, &QAction::triggered, this, &TMainForm::OpenCategoriesWindow);
    connect(meClockNew, &QAction::triggered, this,
            [this] { OpenClockEditor(TClockEditorUse::New); });
    connect(meClockEdit, &QAction::triggered, this,
            [this] { OpenClockEditor(TClockEditorUse::Edit); });
    connect(meClockView, &QAction::triggered, this,
            [this] { OpenClockEditor(TClockEditorUse::View); });
    ConnectSettingsActions();

    // The row actions work on the view of the shown state.
    const auto onRows = [this](std::function<void(TResultForm&)> onList,
                               std::function<void(TClockTree&)> onClock) {
        return [this, onList = std::move(onList), onClock = std::move(onClock)] {
            const TDayState state = ShownState();
            if (state == dsPending && FResultForm)
                onList(*FResultForm);
            else if (state == dsFuture && FClockTree)
                onClock(*FClockTree);
            UpdateActions();
        };
    };
    connect(acnTimerUp, &QAction::triggered, this,
            onRows([](TResultForm& list) { list.MoveUp(); },
                   [](TClockTree& clock) { clock.MoveUp(); }));
    connect(acnTimerDown, &QAction::triggered, this,
            onRows([](TResultForm& list) { list.MoveDown(); },
                   [](TClockTree& clock) { clock.MoveDown(); }));
    connect(acnTimerDelItem, &QAction::triggered, this,
            onRows([](TResultForm& list) { list.DeletePosition(); },
                   [](TClockTree& clock) { clock.DeleteRow(); }));
    connect(acnTimerNewItem, &QAction::triggered, this, [this] {
        if (ShownState() == dsPending && FResultForm)
            FResultForm->AddItem();
        else if (ShownState() == dsFuture && FClockEditor && FClockEditor->AddEnabled())
            FClockEditor->Add();
        UpdateActions();
    });
    connect(acnPrint, &QAction::triggered, this, [this] {
        if (ShownState() == dsHistory && FHistoryForm)
            FHistoryForm->Print();
        else if (ShownState() == dsPending && FResultForm)
            FResultForm->Print();
    });

    // The calendar's choice, and a date typed into the picker.
    connect(dtDate->calendarWidget(), &QCalendarWidget::clicked, this,
            [this](QDate date) { RunDayOperation([this, date] { FDays->PickDate(date); }); });
    connect(dtDate, &QDateEdit::editingFinished, this, &TMainForm::ShowPickedDate);
}
