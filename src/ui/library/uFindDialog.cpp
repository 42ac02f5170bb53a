#include "ui/library/uFindDialog.h"

#include "ui/uNamed.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString FindHint = QStringLiteral("Możesz wpisać kilka pierwszych liter...");

} // namespace

TFindDialog::TFindDialog(const QString& caption, const QString& text, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(QStringLiteral("Znajdź"));
    lblCaption = Named(new QLabel(caption, this), "lblCaption");
    edtFind = Named(new QLineEdit(text, this), "edtFind");
    edtFind->setPlaceholderText(FindHint);
    edtFind->setToolTip(FindHint);
    edtFind->setMinimumWidth(edtFind->fontMetrics().horizontalAdvance(FindHint) + 24);
    edtFind->selectAll();
    lblCaption->setBuddy(edtFind);

    btnFind = Named(new QPushButton(QStringLiteral("Szukaj"), this), "btnFind");
    btnFind->setDefault(true);
    btnCancel = Named(new QPushButton(QStringLiteral("Anuluj"), this), "btnCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnFind);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblCaption);
    layout->addWidget(edtFind);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnFind, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(edtFind, &QLineEdit::textChanged, this, &TFindDialog::UpdateButtons);
    UpdateButtons();
}

QString TFindDialog::Text() const {
    return edtFind->text();
}

void TFindDialog::UpdateButtons() {
    btnFind->setEnabled(!edtFind->text().isEmpty());
}

bool AskFindText(const QString& caption, QString& text, QWidget* parent, const TDialogRunner& run) {
    TFindDialog dialog(caption, text, parent);
    if (!(run ? run(dialog) : RunModalDialog(dialog)) || dialog.Text().isEmpty())
        return false;
    text = dialog.Text();
    return true;
}
