#include "ui/clockeditor/uRowPropertiesDialogs.h"

#include "foundation/uArUtils.h"
#include "ui/uDialogButtons.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TBroadcastPropertiesDialog::TBroadcastPropertiesDialog(const QString& name, int beginSeconds,
                                                       int lengthSeconds, QWidget* parent)
    : QDialog(parent), FBegin(beginSeconds) {
    setWindowTitle(QStringLiteral("Właściwości audycji"));
    auto* nameText = new QLabel(name, this);
    QFont bold = nameText->font();
    bold.setBold(true);
    nameText->setFont(bold);
    edtMinutes = new QSpinBox(this);
    edtMinutes->setObjectName(QStringLiteral("edtMinutes"));
    edtMinutes->setRange(0, 24 * 60);
    edtMinutes->setValue((lengthSeconds + 59) / 60);
    lblEnd = new QLabel(this);
    lblEnd->setObjectName(QStringLiteral("lblEnd"));

    auto* minutes = new QHBoxLayout;
    minutes->addWidget(edtMinutes);
    minutes->addWidget(new QLabel(QStringLiteral("min."), this));
    minutes->addStretch(1);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Nazwa:"), nameText);
    fields->addRow(QStringLiteral("Początek:"), new QLabel(FormatDurationHMS(beginSeconds), this));
    fields->addRow(QStringLiteral("Czas trwania:"), minutes);
    fields->addRow(QStringLiteral("Koniec:"), lblEnd);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    btnOK = AddOkCancelButtons(*this, *layout);

    connect(edtMinutes, &QSpinBox::valueChanged, this, &TBroadcastPropertiesDialog::ShowEnd);
    ShowEnd();
}

int TBroadcastPropertiesDialog::Minutes() const {
    return edtMinutes->value();
}

void TBroadcastPropertiesDialog::ShowEnd() {
    lblEnd->setText(FormatDurationHMS(FBegin + Minutes() * 60));
}

TTitleDialog::TTitleDialog(const QString& title, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Reklama o - Właściwości"));
    edtTitle = new QLineEdit(title, this);
    edtTitle->setObjectName(QStringLiteral("edtTitle"));
    edtTitle->setMinimumWidth(320);
    auto* note = new QLabel(
        QStringLiteral("Tekst ten pojawi się w polu tytuł pozycji \"Reklama o\"."), this);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Tytuł:"), edtTitle);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(note);
    btnOK = AddOkCancelButtons(*this, *layout);
    // Only a changed text is taken.
    btnOK->setEnabled(false);
    connect(edtTitle, &QLineEdit::textChanged, this, [this] { btnOK->setEnabled(true); });
}

QString TTitleDialog::Title() const {
    return edtTitle->text();
}
