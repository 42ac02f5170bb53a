#include "ui/settings/uSongCharOptForm.h"

#include "foundation/uFormat.h"
#include "foundation/uPrompt.h"
#include "settings/uSettings.h"
#include "ui/settings/uNewCharPropForm.h"
#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

TSongCharOptForm::TSongCharOptForm(TArOptions& options, QWidget* parent)
    : QDialog(parent), FOptions(options), FDraft(options) {
    setObjectName(QStringLiteral("SongCharOptForm"));
    setWindowTitle(QStringLiteral("Charakterystyki utworu"));

    cmbChars = Named(new QComboBox(this), "cmbChars");
    for (int kind = 0; kind < CharKindCount; ++kind)
        cmbChars->addItem(CharKindTag(kind), kind);
    listProps = Named(new QListWidget(this), "listProps");
    listProps->setMinimumSize(300, 280);
    auto* listCaption = new QLabel(QStringLiteral("Dostępne opcje:"), this);
    listCaption->setBuddy(listProps);
    lblWarning = Named(
        new QLabel(QStringLiteral("Uwaga! Usunięcie opcji może zdesynchronizować bazę danych."),
                   this),
        "lblWarning");
    lblWarning->setWordWrap(true);

    btnAdd = Named(new QPushButton(QStringLiteral("Dodaj"), this), "btnAdd");
    btnEdit = Named(new QPushButton(QStringLiteral("Edycja"), this), "btnEdit");
    btnDelete = Named(new QPushButton(QStringLiteral("Usuń"), this), "btnDelete");
    btnSync = Named(new QPushButton(QStringLiteral("Synchronizacja"), this), "btnSync");
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {btnAdd, btnEdit, btnDelete, btnSync}) {
        // Enter in the list must not close the window behind the user's back.
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto* kindRow = new QFormLayout;
    kindRow->addRow(QStringLiteral("Charakterystyka:"), cmbChars);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(listProps, 1);
    listRow->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kindRow);
    layout->addWidget(listCaption);
    layout->addLayout(listRow, 1);
    layout->addWidget(lblWarning);
    btnOK = AddOkCancelButtons(*this, *layout);
    btnOK->setEnabled(false);

    connect(cmbChars, &QComboBox::currentIndexChanged, this, [this] { ShowValues(); });
    connect(listProps, &QListWidget::currentRowChanged, this, &TSongCharOptForm::UpdateButtons);
    connect(listProps, &QListWidget::itemDoubleClicked, this, &TSongCharOptForm::EditCurrent);
    connect(btnAdd, &QPushButton::clicked, this, &TSongCharOptForm::AddValue);
    connect(btnEdit, &QPushButton::clicked, this, &TSongCharOptForm::EditCurrent);
    connect(btnDelete, &QPushButton::clicked, this, &TSongCharOptForm::DeleteCurrent);
    connect(btnSync, &QPushButton::clicked, this, &TSongCharOptForm::Synchronize);
    ShowValues();
}

void TSongCharOptForm::AddValue() {
    TNewCharPropForm dialog(Kind(), QString(), this);
    dialog.Accepting = [this](const QString& text) { return Unique(text, -1); };
    if (!DialogRunner(dialog))
        return;
    if (FDraft.Add(Kind(), dialog.Value()) == -1)
        return;
    MarkChanged();
    ShowValues(static_cast<int>(FDraft.Values(Kind()).size()) - 1);
}

void TSongCharOptForm::EditCurrent() {
    const int row = CurrentRow();
    if (row < 0)
        return;
    TNewCharPropForm dialog(Kind(), FDraft.Values(Kind())[row].Text, this);
    // The value may keep its own text, or change only its letter case.
    dialog.Accepting = [this, row](const QString& text) { return Unique(text, row); };
    if (!DialogRunner(dialog))
        return;
    FDraft.Rename(Kind(), row, dialog.Value());
    MarkChanged();
    ShowValues(row);
}

void TSongCharOptForm::DeleteCurrent() {
    const int row = CurrentRow();
    if (row < 0)
        return;
    FDraft.Remove(Kind(), row);
    MarkChanged();
    ShowValues(row);
}

void TSongCharOptForm::Synchronize() {
    ShowInformation(kCharSyncMissing);
}

void TSongCharOptForm::accept() {
    // OK waits for a change; nothing to put back before one.
    if (btnOK->isEnabled()) {
        FDraft.CopyInto(FOptions);
        FOptions.SaveCharacteristics();
    }
    QDialog::accept();
}

int TSongCharOptForm::Kind() const {
    return cmbChars->currentData().toInt();
}

int TSongCharOptForm::CurrentRow() const {
    return listProps->currentItem() != nullptr ? listProps->currentRow() : -1;
}

void TSongCharOptForm::ShowValues(int row) {
    listProps->clear();
    for (const TCharValue& value : FDraft.Values(Kind())) {
        auto* item = new QListWidgetItem(value.Text, listProps);
        item->setData(Qt::UserRole, value.Id);
    }
    if (listProps->count() > 0)
        listProps->setCurrentRow(std::clamp(row, 0, listProps->count() - 1));
    UpdateButtons();
}

bool TSongCharOptForm::Unique(const QString& text, int except) const {
    if (FDraft.IndexOfText(Kind(), text, except) < 0)
        return true;
    ShowError(Format(kCharValueExists, {text}));
    return false;
}

void TSongCharOptForm::MarkChanged() {
    btnOK->setEnabled(true);
}

void TSongCharOptForm::UpdateButtons() {
    const bool onValue = CurrentRow() >= 0;
    btnEdit->setEnabled(onValue);
    btnDelete->setEnabled(onValue);
}

bool EditSongCharacteristics(QWidget* parent, const TDialogRunner& run) {
    if (!Options)
        return false;
    TSongCharOptForm form(*Options, parent);
    if (run)
        form.DialogRunner = run;
    return form.DialogRunner(form);
}
