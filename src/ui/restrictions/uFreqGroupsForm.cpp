#include "ui/restrictions/uFreqGroupsForm.h"

#include "settings/uSettings.h"
#include "ui/uNamed.h"

#include <QListWidget>

TFreqGroupsForm::TFreqGroupsForm(TArFreqGroups& groups, QWidget* parent)
    : TIdListForm(groups, parent) {
    setObjectName(QStringLiteral("FreqGroupsForm"));
    setWindowTitle(QStringLiteral("Blokady częstotliwości"));
    listGroups = Named(new QListWidget(this), "listGroups");
    SetUp(listGroups);
}

bool EditFreqGroups(QWidget* parent, const TDialogRunner& run) {
    if (!FreqGroups)
        return false;
    TFreqGroupsForm form(*FreqGroups, parent);
    if (run)
        form.DialogRunner = run;
    return form.DialogRunner(form);
}
