#include "ui/library/uLabelsForm.h"

#include "foundation/uFormat.h"
#include "foundation/uPrompt.h"
#include "library/uEntityEditing.h"
#include "ui/library/uFindDialog.h"
#include "ui/library/uLabelDialog.h"
#include "ui/library/uLabelListModel.h"
#include "ui/library/uLibraryGrid.h"
#include "ui/uNamed.h"
#include "ui/uWindowAction.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

TLabelsForm::TLabelsForm(TDBMainBase* store, TLabelsFormUse use, const QString& currentValue,
                         QWidget* parent)
    : QDialog(parent), FStore(store), FChoose(use == TLabelsFormUse::Choose) {
    setObjectName(QStringLiteral("LabelsForm"));
    setWindowTitle(QStringLiteral("Etykiety"));
    FModel = new TLabelListModel(store, this);
    CreateActions();
    CreateLayout(use);
    FModel->Run();
    ShowCount();
    const bool none = use == TLabelsFormUse::Choose && currentValue.isEmpty();
    (none ? rbNoLabel : rbChooseLabel)->setChecked(true);
    tvLabels->setEnabled(!none);
    GoToRow(std::max(FModel->RowOfValue(currentValue), 0));
    resize(400, 560);
}

TLabelsForm::~TLabelsForm() = default;

void TLabelsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreCurrentRow(*tvLabels);
}

void TLabelsForm::CreateActions() {
    acnNew = NewWindowAction(*this, QStringLiteral("Nowa"), Qt::Key_Insert, "acnNew");
    acnEdit = NewWindowAction(*this, QStringLiteral("Edycja"), Qt::CTRL | Qt::Key_E, "acnEdit");
    acnDelete = NewWindowAction(*this, QStringLiteral("Usuń"), Qt::Key_Delete, "acnDelete");
    acnFind = NewWindowAction(*this, QStringLiteral("Szukaj"), Qt::CTRL | Qt::Key_F, "acnFind");
    connect(acnNew, &QAction::triggered, this, &TLabelsForm::CreateLabel);
    connect(acnEdit, &QAction::triggered, this, &TLabelsForm::RenameCurrent);
    connect(acnDelete, &QAction::triggered, this, &TLabelsForm::DeleteCurrent);
    connect(acnFind, &QAction::triggered, this, &TLabelsForm::Search);
}

void TLabelsForm::CreateLayout(TLabelsFormUse use) {
    const bool choosing = use == TLabelsFormUse::Choose;
    tbLabels = Named(new QToolBar(this), "tbLabels");
    tbLabels->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tbLabels->addActions({acnNew, acnEdit, acnDelete, acnFind});

    gbChoice = Named(new QGroupBox(this), "gbChoice");
    rbNoLabel = Named(new QRadioButton(QStringLiteral("Brak etykiety"), gbChoice), "rbNoLabel");
    rbChooseLabel =
        Named(new QRadioButton(QStringLiteral("Wybierz etykietę"), gbChoice), "rbChooseLabel");
    auto* choice = new QHBoxLayout(gbChoice);
    choice->addWidget(rbNoLabel);
    choice->addWidget(rbChooseLabel);
    choice->addStretch(1);
    gbChoice->setVisible(choosing);

    tvLabels = Named(new QTableView(this), "tvLabels");
    SetUpLibraryGrid(*tvLabels, FModel, false, {acnNew, acnEdit, acnDelete, acnFind});

    const TListFooter footer = AddListFooter(*this, QStringLiteral("OK"), choosing);
    lblCount = footer.Count;
    btnOK = footer.OK;
    btnCancel = footer.Cancel;
    // Enter in the grid must not close the window behind the user's back.
    btnOK->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tbLabels);
    layout->addWidget(gbChoice);
    layout->addWidget(tvLabels, 1);
    layout->addLayout(footer.Row);

    connect(rbChooseLabel, &QRadioButton::toggled, this, [this](bool chosen) {
        tvLabels->setEnabled(chosen);
        if (chosen && CurrentRow() < 0)
            GoToRow(0);
        UpdateActions();
    });
    connect(tvLabels, &QTableView::doubleClicked, this, [this] {
        if (acnEdit->isEnabled())
            RenameCurrent();
    });
    connect(tvLabels->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TLabelsForm::UpdateActions);
    connect(tvLabels->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TLabelsForm::UpdateActions);
    connect(FModel, &QAbstractItemModel::modelReset, this, &TLabelsForm::UpdateActions);
}

std::optional<TChosenLabel> TLabelsForm::Choice() const {
    if (!WithLabel())
        return TChosenLabel{};
    const TLabelListRow& row = FModel->RowAt(CurrentRow());
    if (row.Id == -1)
        return std::nullopt;
    return TChosenLabel{row.Id, row.Value};
}

int TLabelsForm::Count() const {
    return FModel->Count();
}

void TLabelsForm::CreateLabel() {
    if (!WithLabel())
        return;
    TLabelDialog dialog(QString(), this);
    int added = -1;
    dialog.Saving = [&added](const QString& value) {
        added = NewLabel(value);
        return added != -1;
    };
    if (DialogRunner(dialog) && added != -1)
        Rerun(added);
}

void TLabelsForm::RenameCurrent() {
    const TLabelListRow row = FModel->RowAt(CurrentRow());
    if (!WithLabel() || row.Id == -1)
        return;
    TLabelDialog dialog(row.Value, this);
    bool renamed = false;
    dialog.Saving = [&renamed, id = row.Id](const QString& value) {
        renamed = RenameLabel(id, value);
        return renamed;
    };
    if (DialogRunner(dialog) && renamed)
        Rerun(row.Id);
}

void TLabelsForm::DeleteCurrent() {
    const int current = CurrentRow();
    const int id = FModel->RowAt(current).Id;
    if (!WithLabel() || id == -1 || !ConfirmLabelDeletion())
        return;
    // The list stands where the label was: on the label that followed it.
    if (DeleteLabel(id))
        Rerun(-1, current);
}

void TLabelsForm::Search() {
    if (!WithLabel())
        return;
    QString text = FLastSearch;
    if (!AskFindText(kFindLabelCaption, text, this, DialogRunner))
        return;
    FLastSearch = text;
    const int row = FModel->RowStartingWith(text);
    if (row < 0)
        ShowInformation(Format(kLabelNotFound, {text}));
    else
        GoToRow(row);
}

void TLabelsForm::Rerun(int labelId, int fallbackRow) {
    FModel->Run();
    ShowCount();
    const int row = FModel->RowOfLabel(labelId);
    GoToRow(row >= 0 ? row : std::min(fallbackRow, FModel->Count() - 1));
}

void TLabelsForm::GoToRow(int row) {
    SelectGridRows(*tvLabels, {row});
    UpdateActions();
}

bool TLabelsForm::WithLabel() const {
    return rbChooseLabel->isChecked();
}

int TLabelsForm::CurrentRow() const {
    const QModelIndex current = tvLabels->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TLabelsForm::ShowCount() {
    lblCount->setText(QStringLiteral("Liczba etykiet: %1").arg(FModel->Count()));
}

void TLabelsForm::UpdateActions() {
    const bool withLabel = WithLabel();
    const bool onLabel = withLabel && CurrentRow() >= 0;
    acnNew->setEnabled(withLabel);
    acnEdit->setEnabled(onLabel);
    acnDelete->setEnabled(onLabel);
    acnFind->setEnabled(withLabel && FModel->Count() > 0);
    btnOK->setEnabled(!FChoose || !withLabel || onLabel);
}

void ManageLabels(TDBMainBase* store, QWidget* parent, const TDialogRunner& run) {
    // The same window as the pick; from the menu, the label it is left on does not matter.
    PickLabel(store, parent, run);
}

bool ChooseLabel(TDBMainBase* store, const QString& currentValue, int& labelId, QString& value,
                 QWidget* parent, const TDialogRunner& run) {
    TLabelsForm form(store, TLabelsFormUse::Choose, currentValue, parent);
    if (run)
        form.DialogRunner = run;
    if (!form.DialogRunner(form))
        return false;
    const std::optional<TChosenLabel> chosen = form.Choice();
    if (!chosen)
        return false;
    labelId = chosen->Id;
    value = chosen->Value;
    return true;
}

std::optional<TChosenLabel> PickLabel(TDBMainBase* store, QWidget* parent,
                                      const TDialogRunner& run) {
    TLabelsForm form(store, TLabelsFormUse::Manage, QString(), parent);
    if (run)
        form.DialogRunner = run;
    if (!form.DialogRunner(form))
        return std::nullopt;
    return form.Choice();
}
