#include "ui/import/uCutFieldLenDlg.h"

#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kCurrentLengthCaption = QStringLiteral("Aktualna dłogość: ");

// Wide enough for the message to wrap in few lines.
constexpr int kMinimumWidth = 420;
// Room beside a text for the frame and the cursor of an edit field.
constexpr int kEditFrame = 16;

} // namespace

TCutFieldLenDlg::TCutFieldLenDlg(const TLongTextQuestion& question, QWidget* parent)
    : QDialog(parent), FQuestion(question) {
    setObjectName(QStringLiteral("CutFieldLenDlg"));
    setWindowTitle(QStringLiteral("Zbyt długi tekst"));
    setMinimumWidth(kMinimumWidth);

    lblMessage = Named(new QLabel(question.Message, this), "lblMessage");
    lblMessage->setWordWrap(true);
    auto* lblResultCaption = Named(new QLabel(kResultTextCaption, this), "lblResultCaption");
    // Not wrapped: a path or a file name has no spaces to break at, and the result is never
    // longer than the maximum, so the label simply takes the width it needs.
    lblResult = Named(new QLabel(this), "lblResult");
    lblResult->setTextFormat(Qt::PlainText);
    lblResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rdbAuto = Named(new QRadioButton(kAutoCutChoice, this), "rdbAuto");
    rdbAdjust = Named(new QRadioButton(kAdjustTextChoice, this), "rdbAdjust");
    edtText = Named(new QLineEdit(question.Text, this), "edtText");
    lblLength = Named(new QLabel(this), "lblLength");

    // The widest result is the first maximum characters; reserving it up front keeps the
    // dialog from jumping while the user types.
    const int resultWidth =
        QFontMetrics(lblResult->font()).horizontalAdvance(question.Text.left(question.Maximum));
    lblResult->setMinimumWidth(resultWidth);
    edtText->setMinimumWidth(resultWidth + kEditFrame);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMessage);
    layout->addSpacing(6);
    layout->addWidget(lblResultCaption);
    layout->addWidget(lblResult);
    layout->addSpacing(6);
    layout->addWidget(rdbAuto);
    layout->addWidget(rdbAdjust);
    auto* adjustRows = new QVBoxLayout;
    // Indented under its choice, as belonging to it.
    adjustRows->setContentsMargins(20, 0, 0, 0);
    adjustRows->addWidget(edtText);
    adjustRows->addWidget(lblLength);
    layout->addLayout(adjustRows);
    layout->addStretch();
    btnOK = AddOkButton(*this, *layout);

    rdbAuto->setChecked(true);
    connect(rdbAdjust, &QRadioButton::toggled, this, [this](bool adjust) {
        ShowState();
        if (adjust)
            edtText->setFocus();
    });
    connect(edtText, &QLineEdit::textChanged, this, &TCutFieldLenDlg::ShowState);
    ShowState();
}

QString TCutFieldLenDlg::ResultText() const {
    if (!rdbAdjust->isChecked())
        return FQuestion.AutoCut;
    return edtText->text().left(FQuestion.Maximum);
}

bool TCutFieldLenDlg::CanAccept() const {
    if (!rdbAdjust->isChecked())
        return true;
    const QString text = edtText->text();
    return !text.isEmpty() && text.size() <= FQuestion.Maximum;
}

void TCutFieldLenDlg::ShowState() {
    const bool adjust = rdbAdjust->isChecked();
    edtText->setEnabled(adjust);
    lblLength->setEnabled(adjust);
    lblLength->setText(kCurrentLengthCaption + QString::number(edtText->text().size()));
    lblResult->setText(ResultText());
    btnOK->setEnabled(CanAccept());
}

void TCutFieldLenDlg::accept() {
    if (CanAccept())
        QDialog::accept();
}

void TCutFieldLenDlg::reject() {
    // Closing must never lose the answer: while it is valid, a close keeps it like OK.
    accept();
}
