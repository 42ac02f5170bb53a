#include "ui/restrictions/uNamedListForm.h"

#include "foundation/uPrompt.h"
#include "library/uDBCollation.h"
#include "ui/uNamed.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// By name in Polish alphabetical order; entries of one name keep the order of their ids.
bool NameBefore(const TNamedEntry& a, const TNamedEntry& b) {
    const int order = ComparePolishTexts(a.Name, b.Name);
    return order != 0 ? order < 0 : a.Id < b.Id;
}

} // namespace

TNamedListForm::TNamedListForm(QWidget* parent) : QDialog(parent) {
    setModal(true);
}

TNamedListForm::~TNamedListForm() = default;

void TNamedListForm::SetUp(QListWidget* list) {
    FList = list;
    FList->setSelectionMode(QAbstractItemView::SingleSelection);
    // Wide enough for a group named after its rule ("Katalog: co 2 dni, najwyżej 3 razy w
    // tygodniu").
    FList->setMinimumSize(380, 280);

    btnNew = Named(new QPushButton(QStringLiteral("Nowa"), this), "btnNew");
    btnEdit = Named(new QPushButton(QStringLiteral("Edycja"), this), "btnEdit");
    btnDelete = Named(new QPushButton(QStringLiteral("Usuń"), this), "btnDelete");
    auto* edits = new QVBoxLayout;
    for (QPushButton* button : {btnNew, btnEdit, btnDelete}) {
        // Enter in the list must not run a button behind the user's back.
        button->setAutoDefault(false);
        edits->addWidget(button);
    }
    edits->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(FList, 1);
    top->addLayout(edits);

    auto* buttons = new QDialogButtonBox(this);
    btnOK = Named(buttons->addButton(QStringLiteral("Zamnknij"), QDialogButtonBox::AcceptRole),
                  "btnOK");
    btnCancel = Named(buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole),
                      "btnCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buttons);

    connect(btnNew, &QPushButton::clicked, this, &TNamedListForm::NewEntry);
    connect(btnEdit, &QPushButton::clicked, this, &TNamedListForm::EditEntry);
    connect(btnDelete, &QPushButton::clicked, this, &TNamedListForm::DeleteEntry);
    connect(FList, &QListWidget::itemDoubleClicked, this, &TNamedListForm::EditEntry);
    connect(FList, &QListWidget::currentRowChanged, this, &TNamedListForm::UpdateButtons);
    Fill(-1);
}

void TNamedListForm::NewEntry() {
    const int id = CreateEntry();
    if (id != -1)
        Fill(id);
    UpdateButtons();
}

void TNamedListForm::EditEntry() {
    const TNamedEntry* entry = CurrentEntry();
    if (entry == nullptr || !entry->Editable)
        return;
    const int id = entry->Id;
    // A new name moves the line; the list follows the entry.
    if (ChangeEntry(id))
        Fill(id);
    UpdateButtons();
}

void TNamedListForm::DeleteEntry() {
    const TNamedEntry* entry = CurrentEntry();
    if (entry == nullptr || !entry->Editable || !AskYesNo(kDeleteEntryQuestion))
        return;
    const int row = FList->currentRow();
    RemoveEntry(entry->Id);
    // The list stands where the entry was: on the one that followed it.
    Fill(-1, row);
}

void TNamedListForm::done(int result) {
    if (result == QDialog::Accepted)
        SaveList();
    else
        RestoreList();
    QDialog::done(result);
}

void TNamedListForm::Fill(int currentId, int fallbackRow) {
    FEntries = Entries();
    std::sort(FEntries.begin(), FEntries.end(), NameBefore);
    const QSignalBlocker quiet(FList);
    FList->clear();
    int current = -1;
    for (const TNamedEntry& entry : FEntries) {
        if (entry.Id == currentId)
            current = FList->count();
        FList->addItem(entry.Name);
    }
    if (current < 0)
        current = std::min(fallbackRow, FList->count() - 1);
    FList->setCurrentRow(current);
    UpdateButtons();
}

const TNamedEntry* TNamedListForm::CurrentEntry() const {
    const int row = FList->currentRow();
    return row >= 0 && row < static_cast<int>(FEntries.size()) ? &FEntries[row] : nullptr;
}

void TNamedListForm::UpdateButtons() {
    const TNamedEntry* entry = CurrentEntry();
    const bool editable = entry != nullptr && entry->Editable;
    btnEdit->setEnabled(editable);
    btnDelete->setEnabled(editable);
    btnOK->setEnabled(ListChanged());
}
