#include "ui/uResultExportDialog.h"

#include <QDir>
#include <QFileDialog>

namespace {

const QStringList kFilters = {QStringLiteral("*.mix"), QStringLiteral("*.txt")};

QString SuffixOf(const QString& filter) {
    return filter.mid(2); // after "*."
}

} // namespace

void PrepareExportDialog(QFileDialog& dialog, const QString& dir, const QString& fileName,
                         int filterIndex) {
    dialog.setWindowTitle(QStringLiteral("Zapisz jako..."));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(kFilters);
    dialog.setDirectory(dir);
    dialog.selectFile(QDir(dir).filePath(fileName));
    const QString& filter = kFilters.value(filterIndex - 1, kFilters.first());
    dialog.selectNameFilter(filter);
    dialog.setDefaultSuffix(SuffixOf(filter));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& chosen) { dialog.setDefaultSuffix(SuffixOf(chosen)); });
}

QString ExecExportDialog(QWidget* parent, const QString& dir, const QString& fileName,
                         int filterIndex) {
    QFileDialog dialog(parent);
    PrepareExportDialog(dialog, dir, fileName, filterIndex);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
