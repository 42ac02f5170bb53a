#include "ui/restrictions/uHourRangeForm.h"

#include "foundation/uDateTime.h"
#include "foundation/uPrompt.h"
#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox* NewHourEdit(QWidget* parent, int value, const char* name) {
    auto* edit = Named(new QSpinBox(parent), name);
    // The lowest hour also takes a negative entry in: nothing below 0 can be typed.
    edit->setRange(0, HoursPerDay);
    edit->setValue(value);
    edit->setSuffix(QStringLiteral(":00"));
    return edit;
}

} // namespace

THourRangeForm::THourRangeForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HourRangeForm"));
    setWindowTitle(QStringLiteral("Zakres godzin"));
    setModal(true);
    edtFrom = NewHourEdit(this, 0, "edtFrom");
    edtTo = NewHourEdit(this, HoursPerDay, "edtTo");

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Od:"), edtFrom);
    fields->addRow(QStringLiteral("Do:"), edtTo);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    btnOK = AddOkCancelButtons(*this, *layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int THourRangeForm::From() const {
    return edtFrom->value();
}

int THourRangeForm::To() const {
    return edtTo->value();
}

void THourRangeForm::accept() {
    if (From() >= To()) {
        ShowError(kHourRangeOrder);
        return;
    }
    QDialog::accept();
}
