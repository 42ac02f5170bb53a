#pragma once

#include "settings/uArTimeRanges.h"
#include "ui/restrictions/uIdListForm.h"
#include "ui/restrictions/uTimeRestDlg.h"

class QListWidget;

// "Blokady czasowe": the time blockades by name, each made and edited in "Blokada czasowa".
// "Zamnknij" saves "blokady.xml"; "Anuluj" puts the blockades back as they were.
class TRestrictionForm final : public TIdListForm<TArTimeRanges, TTimeRestDlg> {
    Q_OBJECT
public:
    explicit TRestrictionForm(TArTimeRanges& ranges, QWidget* parent = nullptr);

private:
    // Named after its member (objectName).
    QListWidget* listRanges = nullptr;
};

// "Blokady czasowe" on the process-wide time blockades; true when it closed with "Zamnknij"
// (the file saved). `run` runs the window and the dialogs it opens (empty: modally).
bool EditTimeRestrictions(QWidget* parent, const TDialogRunner& run = {});
