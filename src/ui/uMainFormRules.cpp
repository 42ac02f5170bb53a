#include "dayplan/uDayLifecycle.h"
#include "ui/clockeditor/uTimerForm.h"
#include "ui/uClockTree.h"
#include "ui/uDayHistoryForm.h"
#include "ui/uMainForm.h"
#include "ui/uResultForm.h"
#include "ui/uResultModel.h"

#include <QDateEdit>
#include <QPushButton>
#include <QShortcut>

// Which actions the shown day offers; evaluated again after every change of the state, the
// views' rows or their focus.

TDayState TMainForm::ShownState() const {
    return FDays ? FDays->State() : dsNone;
}

void TMainForm::UpdateActions() {
    const TDayState state = ShownState();
    const bool dayOpen = state == dsPending || state == dsFuture;

    // On a future day the add action is the docked clock's own "Dodaj".
    const bool listAdds = state == dsPending && FResultForm;
    const bool clockAdds = state == dsFuture && FClockEditor && FClockEditor->AddShown();
    acnTimerNewItem->setVisible(listAdds || clockAdds);
    acnTimerNewItem->setEnabled((listAdds && FResultForm->CanAddItem()) ||
                                (clockAdds && FClockEditor->AddEnabled()));

    for (QAction* action :
         {acnTimerUp, acnTimerDown, acnTimerDelItem, acnRand, acnAccept, acnSavePlayListAsMix,
          acnSavePlayListAsText, acnLoadClock, ToolSeparator1, ToolSeparator2, ToolSeparator3})
        action->setVisible(dayOpen);
    UpdateRowActions(state);

    acnRand->setEnabled(state == dsFuture);
    acnLoadClock->setEnabled(state == dsFuture);
    acnAccept->setEnabled(state == dsPending);
    acnSavePlayListAsMix->setEnabled(state == dsPending);
    acnSavePlayListAsText->setEnabled(state == dsPending);
    acnPrint->setEnabled(state == dsHistory || state == dsPending);
    acnResetstats->setEnabled(state == dsEmpty);
    acnHistory->setVisible(state == dsPending);
    acnReport->setVisible(state == dsPending || state == dsHistory);
    acnReport->setEnabled(
        (state == dsPending && FResultForm && FResultForm->Model()->rowCount() > 0) ||
        (state == dsHistory && FDays && FDays->HistoryShown()));
    acnHistory->setEnabled(state == dsPending && FResultForm &&
                           FResultForm->Model()->rowCount() > 0);

    acnBack->setVisible(state == dsNone || dayOpen);
    FRestoreShortcut->setEnabled(state == dsHistory);

    const bool storesUp = FDays != nullptr;
    for (QAction* action :
         {acnNext, acnPrev, meDBClear, meSongsNew, meSongsBrowse, meArtists, meLabels, meSongChars,
          meTimeRestr, meFreqGroups, meLabelRestr, meTimeSeparation, meGlobalRestr, meDefaultRestr,
          meConfig, meOrvoDatFile, meImportOpt})
        action->setEnabled(storesUp);
    dtDate->setEnabled(storesUp);
    btnTimer->setEnabled(storesUp);
    btnEmptyTimer->setEnabled(storesUp);

    ResolveSharedShortcuts();
}

void TMainForm::UpdateRowActions(TDayState state) {
    bool up = false, down = false, remove = false;
    if (state == dsPending && FResultForm) {
        up = FResultForm->CanMoveUp();
        down = FResultForm->CanMoveDown();
        remove = FResultForm->CanDelete();
    } else if (state == dsFuture && FClockTree) {
        up = FClockTree->CanMoveUp();
        down = FClockTree->CanMoveDown();
        remove = FClockTree->CanDelete();
    }
    acnTimerUp->setEnabled(up);
    acnTimerDown->setEnabled(down);
    acnTimerDelItem->setEnabled(remove);
}

void TMainForm::ResolveSharedShortcuts() {
    // "Przesuń w górę" and "Generuj" share Ctrl+G; a planned day is generated with it, a
    // generated day's row moves up with it.
    const QKeySequence ctrlG(Qt::CTRL | Qt::Key_G);
    acnTimerUp->setShortcut(acnRand->isEnabled() ? QKeySequence() : ctrlG);
}
