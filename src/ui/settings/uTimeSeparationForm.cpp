#include "ui/settings/uTimeSeparationForm.h"

#include "settings/uSettings.h"
#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TTimeSeparationForm::TTimeSeparationForm(TArSeparations& separations, QWidget* parent)
    : QDialog(parent), FSeparations(separations) {
    setObjectName(QStringLiteral("TimeSeparationForm"));
    setWindowTitle(QStringLiteral("Rozkład czasowy"));

    chbDefaultActive =
        Named(new QCheckBox(QStringLiteral("Domyślnie aktywny"), this), "chbDefaultActive");
    edtCheckDays = Named(new QSpinBox(this), "edtCheckDays");
    edtCheckDays->setRange(1, 15);
    edtHours = Named(new QSpinBox(this), "edtHours");
    edtHours->setRange(1, 23);

    chbDefaultActive->setChecked(separations.DefActive());
    edtCheckDays->setValue(separations.BlockDayCount());
    edtHours->setValue(separations.Hours());

    auto* fields = new QFormLayout;
    fields->addRow(chbDefaultActive);
    fields->addRow(QStringLiteral("Ilość dni sprawdzanych wstecz:"), edtCheckDays);
    fields->addRow(QStringLiteral("Rozpiętość godzin:"), edtHours);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch(1);
    btnOK = AddOkCancelButtons(*this, *layout);
    setMinimumWidth(320);
}

void TTimeSeparationForm::accept() {
    FSeparations.SetDefActive(chbDefaultActive->isChecked());
    // Nothing reads it, but it is kept at the value the schedule has always been saved with.
    FSeparations.SetNoBlockDayCount(1);
    FSeparations.SetBlockDayCount(edtCheckDays->value());
    FSeparations.SetHours(edtHours->value());
    if (FSeparations.Changed())
        FSeparations.Save();
    QDialog::accept();
}

bool EditSeparations(QWidget* parent, const TDialogRunner& run) {
    if (!Separations)
        return false;
    TTimeSeparationForm form(*Separations, parent);
    if (run)
        form.DialogRunner = run;
    return form.DialogRunner(form);
}
