#include "ui/uGuiPrompt.h"

#include <QApplication>
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

void TGuiPrompt::SetBusyCursor(bool busy) {
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void TGuiPrompt::ProcessEvents() {
    QApplication::processEvents();
}
