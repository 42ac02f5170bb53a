#include "ui/clockeditor/uValueChooserDialog.h"

#include "ui/uNamed.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

TValueChooserDialog::TValueChooserDialog(const QStringList& offered, const QStringList& chosen,
                                         QWidget* parent)
    : QDialog(parent), FChoice(offered, chosen) {
    setWindowTitle(QStringLiteral("Charakterystyka"));
    lstChosen = Named(new QListWidget(this), "lstChosen");
    cmbAvailable = Named(new QComboBox(this), "cmbAvailable");
    cmbAvailable->setMinimumWidth(200);
    btnAdd = Named(new QPushButton(QStringLiteral("Dodaj"), this), "btnAdd");
    btnRemove = Named(new QPushButton(QStringLiteral("Usuń z listy"), this), "btnRemove");
    btnReplace = Named(new QPushButton(QStringLiteral("Zamień"), this), "btnReplace");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    btnOK = Named(buttons->button(QDialogButtonBox::Ok), "btnOK");
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Lista opcji"), this), 0, 0);
    grid->addWidget(lstChosen, 1, 0, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("Dostępne opcje"), this), 0, 1);
    grid->addWidget(cmbAvailable, 1, 1);
    grid->addWidget(btnAdd, 2, 1);
    grid->addWidget(btnRemove, 3, 1);
    grid->addWidget(btnReplace, 4, 1);
    grid->setRowStretch(5, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    connect(cmbAvailable, &QComboBox::currentIndexChanged, this, [this](int index) {
        FChoice.SelectAvailable(index);
        ShowChoice();
    });
    connect(lstChosen, &QListWidget::currentRowChanged, this, [this](int row) {
        FChoice.SelectChosen(row);
        ShowChoice();
    });
    connect(btnAdd, &QPushButton::clicked, this, [this] { Run(&TValueChoice::Add); });
    connect(btnRemove, &QPushButton::clicked, this, [this] { Run(&TValueChoice::Remove); });
    connect(btnReplace, &QPushButton::clicked, this, [this] { Run(&TValueChoice::Replace); });
    ShowChoice();
}

void TValueChooserDialog::Run(void (TValueChoice::*move)()) {
    (FChoice.*move)();
    ShowChoice();
}

void TValueChooserDialog::ShowChoice() {
    {
        const QSignalBlocker chosenQuiet(lstChosen);
        const QSignalBlocker availableQuiet(cmbAvailable);
        lstChosen->clear();
        lstChosen->addItems(FChoice.Chosen());
        cmbAvailable->clear();
        cmbAvailable->addItems(FChoice.Available());
        cmbAvailable->setCurrentIndex(FChoice.AvailableIndex());
        lstChosen->setCurrentRow(FChoice.ChosenIndex());
    }
    btnAdd->setEnabled(FChoice.CanAdd());
    btnRemove->setEnabled(FChoice.CanRemove());
    btnReplace->setEnabled(FChoice.CanReplace());
    btnOK->setEnabled(FChoice.Touched());
}
