#include "ui/uGuiPrompt.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon IconOf(TBoxKind kind) {
    switch (kind) {
    case TBoxKind::bkError:
        return QMessageBox::Critical;
    case TBoxKind::bkWarning:
        return QMessageBox::Warning;
    case TBoxKind::bkInformation:
        return QMessageBox::Information;
    case TBoxKind::bkQuestion:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void TGuiPrompt::ShowMessage(TBoxKind kind, const QString& text) {
    QMessageBox box(IconOf(kind), QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool TGuiPrompt::AskYesNo(TBoxKind kind, const QString& text) {
    QMessageBox box(IconOf(kind), QApplication::applicationDisplayName(), text,
                    QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton* yes = box.addButton(QStringLiteral("&Tak"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("&Nie"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

TOptionAnswer TGuiPrompt::AskOption(const QString& title, const QString& text,
                                    const QString& checkCaption, bool& checked) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* yes = box.addButton(QStringLiteral("Tak"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Nie"), QMessageBox::NoRole);
    // Closing the box stops the work, as "Przerwij" does.
    QPushButton* abort = box.addButton(QStringLiteral("Przerwij"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(abort);
    auto* check = new QCheckBox(checkCaption);
    check->setChecked(checked);
    box.setCheckBox(check); // owned by the box
    box.exec();
    checked = check->isChecked();
    if (box.clickedButton() == yes)
        return TOptionAnswer::oaYes;
    if (box.clickedButton() == no)
        return TOptionAnswer::oaNo;
    return TOptionAnswer::oaAbort;
}

void TGuiPrompt::SetBusyCursor(bool busy) {
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void TGuiPrompt::ProcessEvents() {
    QApplication::processEvents();
}
