#include "ui/broadcasts/uBroadcastCopyDialog.h"

#include "clocks/uBroadcastEditing.h"
#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TBroadcastCopyDialog::TBroadcastCopyDialog(const QString& name, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Kopia audycji"));
    edtName = Named(new QLineEdit(name, this), "edtName");
    edtName->setMaxLength(MaxBroadcastNameLength);
    edtName->setMinimumWidth(320);
    edtName->selectAll();
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Zapisz jako:"), edtName);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    btnOK = AddOkCancelButtons(*this, *layout);
}

QString TBroadcastCopyDialog::Name() const {
    return edtName->text();
}
