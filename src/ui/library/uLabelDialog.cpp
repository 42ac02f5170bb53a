#include "ui/library/uLabelDialog.h"

#include "library/uEntityEditing.h"
#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TLabelDialog::TLabelDialog(const QString& value, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LabelDialog"));
    setWindowTitle(QStringLiteral("Etykieta"));
    edtValue = Named(new QLineEdit(this), "edtValue");
    edtValue->setMaxLength(kLabelValueMax);
    static const QRegularExpression noStar(QStringLiteral("[^*]*"));
    edtValue->setValidator(new QRegularExpressionValidator(noStar, edtValue));
    edtValue->setText(value);
    // A whole value of usual letters in view.
    edtValue->setMinimumWidth(
        edtValue->fontMetrics().horizontalAdvance(QString(kLabelValueMax, QLatin1Char('n'))) + 16);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Etykieta:"), edtValue);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    btnOK = AddOkCancelButtons(*this, *layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(edtValue, &QLineEdit::textChanged, this, &TLabelDialog::UpdateButtons);
    UpdateButtons();
    edtValue->selectAll();
    edtValue->setFocus();
}

QString TLabelDialog::Value() const {
    // Spaces around a value would make a second label of the same value.
    return edtValue->text().trimmed();
}

void TLabelDialog::accept() {
    if (!btnOK->isEnabled())
        return;
    if (Saving && !Saving(Value()))
        return;
    QDialog::accept();
}

void TLabelDialog::UpdateButtons() {
    btnOK->setEnabled(IsValidLabelValue(Value()));
}
