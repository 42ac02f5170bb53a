#include "ui/import/uUnknownOptionForm.h"

#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kMinimumWidth = 420;

// A wrapped label breaks only between words, so it must be at least as wide as its widest one.
int WidestWord(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = qMax(widest, metrics.horizontalAdvance(word));
    return widest;
}

} // namespace

TUnknownOptionForm::TUnknownOptionForm(const TCharValueList& values, const QString& question,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("UnknownOptionForm"));
    setWindowTitle(QStringLiteral("Nieznana opcja"));
    setMinimumWidth(kMinimumWidth);

    lblQuestion = Named(new QLabel(question, this), "lblQuestion");
    lblQuestion->setTextFormat(Qt::PlainText);
    lblQuestion->setWordWrap(true);
    lblQuestion->setMinimumWidth(WidestWord(lblQuestion->fontMetrics(), question));
    rdbAdd = Named(new QRadioButton(kAddValueChoice, this), "rdbAdd");
    rdbReplace = Named(new QRadioButton(kReplaceValueChoice, this), "rdbReplace");
    cmbValues = Named(new QComboBox(this), "cmbValues");
    for (const TCharValue& value : values)
        cmbValues->addItem(value.Text, value.Id);
    cmbValues->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    chbAlways = Named(new QCheckBox(kAlwaysReplaceChoice, this), "chbAlways");
    rdbIgnore = Named(new QRadioButton(kIgnoreValueChoice, this), "rdbIgnore");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblQuestion);
    layout->addSpacing(6);
    layout->addWidget(rdbAdd);
    layout->addWidget(rdbReplace);
    auto* replaceRows = new QVBoxLayout;
    // Indented under their choice, as belonging to it.
    replaceRows->setContentsMargins(20, 0, 0, 0);
    replaceRows->addWidget(cmbValues);
    replaceRows->addWidget(chbAlways);
    layout->addLayout(replaceRows);
    layout->addWidget(rdbIgnore);
    layout->addStretch();
    btnOK = AddOkButton(*this, *layout);

    rdbAdd->setChecked(true);
    // With no value to put in its place the word can only be added or ignored.
    rdbReplace->setEnabled(cmbValues->count() > 0);
    connect(rdbReplace, &QRadioButton::toggled, this, &TUnknownOptionForm::ShowState);
    ShowState();
}

TUnknownValueAnswer TUnknownOptionForm::Answer() const {
    if (rdbReplace->isChecked() && cmbValues->currentIndex() >= 0)
        return {uaReplace, cmbValues->currentData().toInt(), chbAlways->isChecked()};
    if (rdbIgnore->isChecked())
        return {uaIgnore, -1, false};
    return {uaAdd, -1, false};
}

void TUnknownOptionForm::ShowState() {
    const bool replace = rdbReplace->isChecked();
    cmbValues->setEnabled(replace);
    chbAlways->setEnabled(replace);
}
