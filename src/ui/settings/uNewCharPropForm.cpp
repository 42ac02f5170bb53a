#include "ui/settings/uNewCharPropForm.h"

#include "settings/uCharacteristics.h"
#include "settings/uYearRange.h"
#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox* NewYearBox(QWidget* parent, int year, const char* name) {
    auto* box = Named(new QSpinBox(parent), name);
    box->setRange(MinCharYear, MaxCharYear);
    box->setValue(year);
    box->setMinimumWidth(90);
    return box;
}

} // namespace

TNewCharPropForm::TNewCharPropForm(int kind, const QString& value, QWidget* parent)
    : QDialog(parent), FYears(kind == ckYears) {
    setObjectName(QStringLiteral("NewCharPropForm"));
    setWindowTitle(value.isEmpty() ? QStringLiteral("Nowa opcja") : QStringLiteral("Edycja opcji"));
    auto* layout = new QVBoxLayout(this);
    if (FYears) {
        CreateYearPanel(value);
        layout->addWidget(pnlYear);
    } else {
        CreateTextEdit(value);
        auto* fields = new QFormLayout;
        fields->addRow(CharKindTag(kind) + QLatin1Char(':'), edtValue);
        layout->addLayout(fields);
    }
    btnOK = AddOkCancelButtons(*this, *layout);
    // The year panel changes its rows with "Zakres": the dialog follows them.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    UpdateButtons();
}

void TNewCharPropForm::CreateYearPanel(const QString& value) {
    pnlYear = Named(new QWidget(this), "pnlYear");
    // Room for the caption, whichever rows are shown.
    pnlYear->setMinimumWidth(240);
    chbRange = Named(new QCheckBox(QStringLiteral("Zakres"), pnlYear), "chbRange");
    edtYear = NewYearBox(pnlYear, 1980, "edtYear");
    edtFrom = NewYearBox(pnlYear, 1980, "edtFrom");
    edtTo = NewYearBox(pnlYear, 1990, "edtTo");
    FYearRows = new QFormLayout(pnlYear);
    FYearRows->setContentsMargins(0, 0, 0, 0);
    FYearRows->addRow(chbRange);
    FYearRows->addRow(QStringLiteral("Rok:"), edtYear);
    FYearRows->addRow(QStringLiteral("Od:"), edtFrom);
    FYearRows->addRow(QStringLiteral("Do:"), edtTo);

    // The range never turns round: each end pushes the other along.
    connect(edtFrom, &QSpinBox::valueChanged, this, [this](int from) {
        if (from > edtTo->value())
            edtTo->setValue(from);
    });
    connect(edtTo, &QSpinBox::valueChanged, this, [this](int to) {
        if (to < edtFrom->value())
            edtFrom->setValue(to);
    });
    connect(chbRange, &QCheckBox::toggled, this, &TNewCharPropForm::ShowYearRows);

    if (!value.isEmpty()) {
        const TYearRange read = ParseYearRange(value);
        chbRange->setChecked(read.IsRange);
        // From first: the parsed range is in order, so setting To after it never lowers From.
        (read.IsRange ? edtFrom : edtYear)->setValue(read.From);
        if (read.IsRange)
            edtTo->setValue(read.To);
    }

    ShowYearRows();
}

void TNewCharPropForm::CreateTextEdit(const QString& value) {
    edtValue = Named(new QLineEdit(value, this), "edtValue");
    edtValue->setMinimumWidth(240);
    connect(edtValue, &QLineEdit::textChanged, this, &TNewCharPropForm::UpdateButtons);
    edtValue->selectAll();
    edtValue->setFocus();
}

void TNewCharPropForm::ShowYearRows() {
    const bool range = chbRange->isChecked();
    FYearRows->setRowVisible(edtYear, !range);
    FYearRows->setRowVisible(edtFrom, range);
    FYearRows->setRowVisible(edtTo, range);
}

QString TNewCharPropForm::Value() const {
    if (FYears)
        return YearRangeText({chbRange->isChecked(),
                              chbRange->isChecked() ? edtFrom->value() : edtYear->value(),
                              chbRange->isChecked() ? edtTo->value() : edtYear->value()});
    // Spaces around a value would make a twin of a value already listed.
    return edtValue->text().trimmed();
}

void TNewCharPropForm::accept() {
    if (!btnOK->isEnabled())
        return;
    if (Accepting && !Accepting(Value()))
        return;
    QDialog::accept();
}

void TNewCharPropForm::UpdateButtons() {
    btnOK->setEnabled(!Value().isEmpty());
}
