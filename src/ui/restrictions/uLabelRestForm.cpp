#include "ui/restrictions/uLabelRestForm.h"

#include "foundation/uPrompt.h"
#include "library/uExistingLabels.h"
#include "settings/uSettings.h"
#include "ui/library/uLabelsForm.h"
#include "ui/restrictions/uNamedListForm.h"
#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

TLabelRestForm::TLabelRestForm(TArDisabledLabels& labels, TDBMainBase* store, QWidget* parent)
    : QDialog(parent), FLabels(labels), FStore(store) {
    setObjectName(QStringLiteral("LabelRestForm"));
    setWindowTitle(QStringLiteral("Blokady etykiet"));
    setModal(true);
    CreateLayout();
    for (const TDisabledLabel& label : DropVanishedLabels())
        AddLine(label);
    if (listLabels->count() > 0)
        listLabels->setCurrentRow(0);
    btnOK->setEnabled(false);
    UpdateButtons();
}

void TLabelRestForm::CreateLayout() {
    lblInfo = Named(new QLabel(QStringLiteral("Uwory oznaczone tymi etykietami nie będą brane "
                                              "pod uwagę przy losowaniu."),
                               this),
                    "lblInfo");
    lblInfo->setWordWrap(true);
    listLabels = Named(new QListWidget(this), "listLabels");
    listLabels->setMinimumSize(240, 220);
    btnAdd = Named(new QPushButton(QStringLiteral("Dodaj"), this), "btnAdd");
    btnDelete = Named(new QPushButton(QStringLiteral("Usuń"), this), "btnDelete");

    auto* edits = new QVBoxLayout;
    for (QPushButton* button : {btnAdd, btnDelete}) {
        // Enter in the list must not run a button behind the user's back.
        button->setAutoDefault(false);
        edits->addWidget(button);
    }
    edits->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(listLabels, 1);
    middle->addLayout(edits);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblInfo);
    layout->addLayout(middle, 1);
    btnOK = AddOkCancelButtons(*this, *layout);

    connect(btnAdd, &QPushButton::clicked, this, &TLabelRestForm::AddLabel);
    connect(btnDelete, &QPushButton::clicked, this, &TLabelRestForm::DeleteLabel);
    connect(listLabels, &QListWidget::itemSelectionChanged, this, &TLabelRestForm::UpdateButtons);
}

std::vector<TDisabledLabel> TLabelRestForm::DropVanishedLabels() {
    const std::vector<TDisabledLabel>& all = FLabels.Labels();
    if (FStore == nullptr)
        return all;
    std::vector<int> ids;
    for (const TDisabledLabel& label : all)
        ids.push_back(label.Id);
    // A library that cannot be read tells nothing about which labels are gone.
    const std::optional<std::vector<int>> existing = ExistingLabelIds(*FStore, ids);
    if (!existing || existing->size() == all.size())
        return all;
    std::vector<TDisabledLabel> kept;
    for (const TDisabledLabel& label : all)
        if (std::find(existing->begin(), existing->end(), label.Id) != existing->end())
            kept.push_back(label);
    FLabels.Replace(kept);
    FLabels.Save();
    return kept;
}

void TLabelRestForm::AddLabel() {
    if (FStore == nullptr)
        return;
    const std::optional<TChosenLabel> chosen = PickLabel(FStore, this, DialogRunner);
    if (!chosen || chosen->Id == -1)
        return;
    // A label listed already is only stood on: a second line would block nothing more.
    for (int row = 0; row < listLabels->count(); ++row)
        if (listLabels->item(row)->data(Qt::UserRole).toInt() == chosen->Id) {
            listLabels->setCurrentRow(row);
            return;
        }
    AddLine({chosen->Value, chosen->Id});
    listLabels->setCurrentRow(listLabels->count() - 1);
    btnOK->setEnabled(true);
}

void TLabelRestForm::DeleteLabel() {
    QListWidgetItem* current = listLabels->currentItem();
    if (current == nullptr || !current->isSelected() || !AskYesNo(kDeleteEntryQuestion))
        return;
    delete current;
    btnOK->setEnabled(true);
    UpdateButtons();
}

void TLabelRestForm::accept() {
    FLabels.Replace(Listed());
    FLabels.Save();
    QDialog::accept();
}

void TLabelRestForm::AddLine(const TDisabledLabel& label) {
    auto* item = new QListWidgetItem(label.Text, listLabels);
    item->setData(Qt::UserRole, label.Id);
}

std::vector<TDisabledLabel> TLabelRestForm::Listed() const {
    std::vector<TDisabledLabel> labels;
    for (int row = 0; row < listLabels->count(); ++row) {
        const QListWidgetItem& item = *listLabels->item(row);
        labels.push_back({item.text(), item.data(Qt::UserRole).toInt()});
    }
    return labels;
}

void TLabelRestForm::UpdateButtons() {
    btnAdd->setEnabled(FStore != nullptr);
    btnDelete->setEnabled(!listLabels->selectedItems().isEmpty());
}

bool EditLabelRestrictions(TDBMainBase* store, QWidget* parent, const TDialogRunner& run) {
    if (!DisabledLabels)
        return false;
    TLabelRestForm form(*DisabledLabels, store, parent);
    if (run)
        form.DialogRunner = run;
    return form.DialogRunner(form);
}
