#include "ui/import/uDialogImportChoices.h"

#include "settings/uArOptions.h"
#include "ui/import/uCutFieldLenDlg.h"
#include "ui/import/uUnknownOptionForm.h"

#include <QApplication>

TDialogImportChoices::TDialogImportChoices(const TArOptions& options, QWidget* parent)
    : FOptions(options), FParent(parent) {}

QWidget* TDialogImportChoices::Parent() const {
    // The questions come while the progress window runs the import: over it, not behind it.
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : FParent;
}

QString TDialogImportChoices::ChooseLongText(const TLongTextQuestion& question) {
    TCutFieldLenDlg dialog(question, Parent());
    DialogRunner(dialog);
    return dialog.ResultText();
}

TUnknownValueAnswer TDialogImportChoices::ChooseUnknownValue(int kind, const QString&,
                                                             const QString& question) {
    const TCharValueList* values = FOptions.CharValues(kind);
    TUnknownOptionForm dialog(values ? *values : TCharValueList{}, question, Parent());
    DialogRunner(dialog);
    return dialog.Answer();
}
