#include "ui/uChooseDirectory.h"

#include <QFileDialog>

QString ChooseDirectoryDialog(QWidget* parent, const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, title, start);
}
