#include "ui/categories/uCategoriesForm.h"

#include "clocks/uClockObjList.h"
#include "clocks/uObjDialogModel.h"
#include "ui/categories/uCategoryLinesModel.h"
#include "ui/categories/uObjDialog.h"
#include "ui/uNamed.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

TCategoriesForm::TCategoriesForm(TClockObjList& list, TDBMainBase* store, QWidget* parent)
    : QDialog(parent), FList(list), FStore(store), FWindow(list) {
    setObjectName(QStringLiteral("CategoriesForm"));
    setWindowTitle(QStringLiteral("Kategorie"));
    FLines = new TCategoryLinesModel(FList, FWindow, this);

    lvObjects = Named(new QListView(this), "lvObjects");
    lvObjects->setModel(FLines);
    lvObjects->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvObjects->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvObjects->setUniformItemSizes(true);

    btnNew = Named(new QPushButton(QStringLiteral("Nowa"), this), "btnNew");
    btnEdit = Named(new QPushButton(QStringLiteral("Edycja"), this), "btnEdit");
    btnDelete = Named(new QPushButton(QStringLiteral("Usuń"), this), "btnDelete");
    btnClose = Named(new QPushButton(QStringLiteral("Zamknij"), this), "btnClose");
    // Enter in the list must not close the window.
    for (QPushButton* button : {btnNew, btnEdit, btnDelete, btnClose})
        button->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btnNew);
    buttons->addWidget(btnEdit);
    buttons->addWidget(btnDelete);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lvObjects, 1);
    layout->addLayout(buttons);

    connect(btnNew, &QPushButton::clicked, this, &TCategoriesForm::NewObject);
    connect(btnEdit, &QPushButton::clicked, this, &TCategoriesForm::EditObject);
    connect(btnDelete, &QPushButton::clicked, this, &TCategoriesForm::DeleteObjects);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(lvObjects, &QListView::doubleClicked, this, [this] {
        if (btnEdit->isEnabled())
            EditObject();
    });
    connect(lvObjects->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TCategoriesForm::UpdateButtons);
    // Lines leave with their objects, also when another window deletes them.
    connect(FLines, &QAbstractItemModel::rowsRemoved, this, &TCategoriesForm::UpdateButtons);
    connect(FLines, &QAbstractItemModel::modelReset, this, &TCategoriesForm::UpdateButtons);

    resize(420, 480);
    UpdateButtons();
}

TCategoriesForm::~TCategoriesForm() = default;

void TCategoriesForm::NewObject() {
    TObjDialogModel model = FWindow.NewDialog();
    TObjDialog dialog(model, FList, FStore, this);
    dialog.DialogRunner = DialogRunner;
    if (!DialogRunner(dialog))
        return;
    if (const TBaseClockObject* added = FWindow.AddNew(model))
        Select(added);
}

void TCategoriesForm::EditObject() {
    const std::vector<TBaseClockObject*> selected = SelectedObjects();
    if (selected.size() != 1)
        return;
    TBaseClockObject& object = *selected.front();
    const std::unique_ptr<TObjDialogModel> model = FWindow.EditDialog(object);
    if (!model)
        return;
    TObjDialog dialog(*model, FList, FStore, this);
    dialog.DialogRunner = DialogRunner;
    if (!DialogRunner(dialog))
        return;
    // A new name moves the line (the list tells the model); the selection follows it.
    FWindow.ApplyEdit(*model, object);
    Select(&object);
}

void TCategoriesForm::DeleteObjects() {
    // The lines leave as the list deletes their objects.
    FWindow.DeleteSelected(SelectedObjects());
    UpdateButtons();
}

void TCategoriesForm::done(int result) {
    FWindow.Close(result == QDialog::Accepted);
    QDialog::done(result);
}

std::vector<TBaseClockObject*> TCategoriesForm::SelectedObjects() const {
    QModelIndexList rows = lvObjects->selectionModel()->selectedRows();
    // In the order of the lines, whatever order they were selected in.
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<TBaseClockObject*> objects;
    for (const QModelIndex& index : rows)
        if (TBaseClockObject* object = FLines->ObjectAt(index.row()))
            objects.push_back(object);
    return objects;
}

void TCategoriesForm::Select(const TBaseClockObject* object) {
    const int row = FLines->RowOf(object);
    if (row < 0)
        return;
    const QModelIndex index = FLines->index(row);
    lvObjects->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    lvObjects->scrollTo(index);
    UpdateButtons();
}

void TCategoriesForm::UpdateButtons() {
    const qsizetype selected = lvObjects->selectionModel()->selectedRows().size();
    btnEdit->setEnabled(selected == 1);
    btnDelete->setEnabled(selected > 0);
}
