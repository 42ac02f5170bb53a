#include "ui/clockeditor/uClockFileDialogs.h"

#include "clocks/uClock.h"
#include "settings/uSettings.h"

#include <QDir>
#include <QFileDialog>

namespace {

const QString kClockFilter = QStringLiteral("Zagar (*.ctm)");

} // namespace

QString ChooseClockToOpen(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Otwórz zegar"), Config.ClockDir, kClockFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(ClockFileExtension);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString ChooseClockToSave(QWidget* parent, const QString& suggestedName) {
    QFileDialog dialog(parent, QStringLiteral("Zapisz jako ..."), Config.ClockDir, kClockFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(ClockFileExtension);
    dialog.selectFile(suggestedName);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
