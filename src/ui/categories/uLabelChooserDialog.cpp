#include "ui/categories/uLabelChooserDialog.h"

#include "ui/uNamed.h"

#include <QDialogButtonBox>
#include <QItemSelectionModel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

TLabelChooserDialog::TLabelChooserDialog(const QStringList& labels, const QString& current,
                                         QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Etykiety"));
    FModel = new QStringListModel(labels, this);
    lvLabels = Named(new QListView(this), "lvLabels");
    lvLabels->setModel(FModel);
    lvLabels->setSelectionMode(QAbstractItemView::SingleSelection);
    lvLabels->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    btnOK = Named(buttons->button(QDialogButtonBox::Ok), "btnOK");
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lvLabels, &QListView::doubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lvLabels, 1);
    layout->addWidget(buttons);
    resize(300, 400);

    const auto update = [this] { btnOK->setEnabled(!Chosen().isEmpty()); };
    connect(lvLabels->selectionModel(), &QItemSelectionModel::selectionChanged, this, update);
    // Labels are told apart without regard to letter case, as the library finds them.
    for (int i = 0; i < labels.size(); ++i)
        if (labels[i].compare(current, Qt::CaseInsensitive) == 0) {
            lvLabels->setCurrentIndex(FModel->index(i));
            break;
        }
    update();
}

QString TLabelChooserDialog::Chosen() const {
    const QModelIndexList rows = lvLabels->selectionModel()->selectedRows();
    return rows.isEmpty() ? QString() : rows.first().data().toString();
}
