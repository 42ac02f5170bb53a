#include "ui/restrictions/uRestrictionForm.h"

#include "settings/uSettings.h"
#include "ui/uNamed.h"

#include <QListWidget>

TRestrictionForm::TRestrictionForm(TArTimeRanges& ranges, QWidget* parent)
    : TIdListForm(ranges, parent) {
    setObjectName(QStringLiteral("RestrictionForm"));
    setWindowTitle(QStringLiteral("Blokady czasowe"));
    listRanges = Named(new QListWidget(this), "listRanges");
    SetUp(listRanges);
}

bool EditTimeRestrictions(QWidget* parent, const TDialogRunner& run) {
    if (!TimeRanges)
        return false;
    TRestrictionForm form(*TimeRanges, parent);
    if (run)
        form.DialogRunner = run;
    return form.DialogRunner(form);
}
