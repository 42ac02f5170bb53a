#include "ui/restrictions/uDateRangeForm.h"

#include "foundation/uDateTime.h"
#include "foundation/uPrompt.h"
#include "settings/uCommonYear.h"
#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// A day and its month; the month keeps the day within its length.
QHBoxLayout* NewDateRow(QSpinBox* day, QComboBox* month) {
    day->setRange(1, CommonMonthLength(1));
    for (int number = 1; number <= 12; ++number)
        month->addItem(LongMonthName(number), number);
    month->setCurrentIndex(0);
    QObject::connect(month, &QComboBox::currentIndexChanged, day, [day, month] {
        // Lowering the maximum lowers a day past it.
        day->setMaximum(CommonMonthLength(month->currentData().toInt()));
    });
    auto* row = new QHBoxLayout;
    row->addWidget(day);
    row->addWidget(month, 1);
    return row;
}

int MonthOf(const QComboBox& month) {
    return month.currentData().toInt();
}

} // namespace

TDateRangeForm::TDateRangeForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DateRangeForm"));
    setWindowTitle(QStringLiteral("Zakres dni"));
    setModal(true);
    edtDayFrom = Named(new QSpinBox(this), "edtDayFrom");
    edtDayTo = Named(new QSpinBox(this), "edtDayTo");
    cmbMonthFrom = Named(new QComboBox(this), "cmbMonthFrom");
    cmbMonthto = Named(new QComboBox(this), "cmbMonthto");

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Od:"), NewDateRow(edtDayFrom, cmbMonthFrom));
    fields->addRow(QStringLiteral("Do:"), NewDateRow(edtDayTo, cmbMonthto));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    btnOK = AddOkCancelButtons(*this, *layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TDateRangeForm::StartDay() const {
    return CommonDayOfYear(MonthOf(*cmbMonthFrom), edtDayFrom->value());
}

int TDateRangeForm::StopDay() const {
    return CommonDayOfYear(MonthOf(*cmbMonthto), edtDayTo->value());
}

void TDateRangeForm::accept() {
    // Within one common year the day numbers are in the order of the dates.
    if (StartDay() >= StopDay()) {
        ShowError(kDateRangeOrder);
        return;
    }
    QDialog::accept();
}
