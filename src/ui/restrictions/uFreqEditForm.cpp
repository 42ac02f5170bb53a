#include "ui/restrictions/uFreqEditForm.h"

#include "settings/uArFreqGroups.h"
#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <climits>

namespace {

QSpinBox* NewCountEdit(QWidget* parent, const char* name) {
    auto* edit = Named(new QSpinBox(parent), name);
    edit->setRange(1, INT_MAX);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 40);
    return edit;
}

QComboBox* NewPeriodList(QWidget* parent, const QStringList& periods, const char* name) {
    auto* list = Named(new QComboBox(parent), name);
    list->addItems(periods);
    return list;
}

// The item of the list, or nothing selected for a value it does not offer.
void SelectItem(QComboBox& list, int item) {
    list.setCurrentIndex(item >= 0 && item < list.count() ? item : -1);
}

} // namespace

TFreqEditForm::TFreqEditForm(const TArFreqGroup& group, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FreqEditForm"));
    setWindowTitle(QStringLiteral("Grupa częstotliwości"));
    setModal(true);
    CreateLayout();
    Fill(group);
    UpdateControls();
}

void TFreqEditForm::CreateLayout() {
    edtName = Named(new QLineEdit(this), "edtName");
    chbFreq = Named(new QCheckBox(this), "chbFreq");
    lblFreq = Named(new QLabel(QStringLiteral("Nie częściej niż co"), this), "lblFreq");
    edtFreq = NewCountEdit(this, "edtFreq");
    cmbPeriod = NewPeriodList(this, {QStringLiteral("godzin"), QStringLiteral("dni")}, "cmbPeriod");
    chbMax = Named(new QCheckBox(this), "chbMax");
    lblMax = Named(new QLabel(QStringLiteral("Maksymalnie"), this), "lblMax");
    edtMax = NewCountEdit(this, "edtMax");
    lblTimesPer = Named(new QLabel(QStringLiteral("razy na"), this), "lblTimesPer");
    cmbPeriodInMax = NewPeriodList(
        this, {QStringLiteral("dzień"), QStringLiteral("tydzień"), QStringLiteral("miesiąc")},
        "cmbPeriodInMax");
    for (QLabel* caption : {lblFreq, lblMax})
        caption->installEventFilter(this);

    auto* name = new QFormLayout;
    name->addRow(QStringLiteral("Nazwa:"), edtName);
    auto* limits = new QGridLayout;
    limits->addWidget(chbFreq, 0, 0);
    limits->addWidget(lblFreq, 0, 1);
    limits->addWidget(edtFreq, 0, 2);
    limits->addWidget(cmbPeriod, 0, 3, 1, 2);
    limits->addWidget(chbMax, 1, 0);
    limits->addWidget(lblMax, 1, 1);
    limits->addWidget(edtMax, 1, 2);
    limits->addWidget(lblTimesPer, 1, 3);
    limits->addWidget(cmbPeriodInMax, 1, 4);
    limits->setColumnStretch(4, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(name);
    layout->addLayout(limits);
    layout->addStretch(1);
    btnOK = AddOkCancelButtons(*this, *layout);

    connect(edtName, &QLineEdit::textChanged, this, &TFreqEditForm::UpdateControls);
    for (QCheckBox* box : {chbFreq, chbMax})
        connect(box, &QCheckBox::toggled, this, &TFreqEditForm::UpdateControls);
}

void TFreqEditForm::Fill(const TArFreqGroup& group) {
    edtName->setText(group.Name);
    chbFreq->setChecked(group.Freq != -1);
    if (group.Freq != -1)
        edtFreq->setValue(group.Freq);
    SelectItem(*cmbPeriod, group.FPeriod);
    chbMax->setChecked(group.Max != -1);
    if (group.Max != -1)
        edtMax->setValue(group.Max);
    // The list offers the windows from a day on; an hour (or an unknown window) selects nothing.
    SelectItem(*cmbPeriodInMax, group.MPeriod >= mpDay ? group.MPeriod - 1 : -1);
}

void TFreqEditForm::StoreInto(TArFreqGroup& group) const {
    const int id = group.Id;
    const bool readOnly = group.ReadOnly;
    group.Reset();
    group.Id = id;
    group.ReadOnly = readOnly;
    group.Freq = chbFreq->isChecked() ? edtFreq->value() : -1;
    group.FPeriod = cmbPeriod->currentIndex() == 0 ? fpHours : fpDays;
    group.Max = chbMax->isChecked() ? edtMax->value() : -1;
    const int window = cmbPeriodInMax->currentIndex();
    group.MPeriod = window >= 0 ? window + 1 : mpDay;
    group.Name = edtName->text();
}

bool TFreqEditForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == lblFreq)
            chbFreq->toggle();
        else if (watched == lblMax)
            chbMax->toggle();
    }
    return QDialog::eventFilter(watched, event);
}

void TFreqEditForm::UpdateControls() {
    btnOK->setEnabled(!edtName->text().isEmpty());
    const bool freq = chbFreq->isChecked();
    edtFreq->setEnabled(freq);
    cmbPeriod->setEnabled(freq);
    const bool max = chbMax->isChecked();
    edtMax->setEnabled(max);
    lblTimesPer->setEnabled(max);
    cmbPeriodInMax->setEnabled(max);
}
