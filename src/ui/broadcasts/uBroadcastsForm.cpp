#include "ui/broadcasts/uBroadcastsForm.h"

#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "ui/broadcasts/uBroadcastCopyDialog.h"
#include "ui/broadcasts/uBroadcastListModel.h"
#include "ui/clockeditor/uTimerForm.h"
#include "ui/uNamed.h"

#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

TBroadcastsForm::TBroadcastsForm(TBroadcastList& list, QWidget* parent)
    : QDialog(parent), FWindow(list) {
    setObjectName(QStringLiteral("BroadcastsForm"));
    setWindowTitle(QStringLiteral("Audycje"));
    EditorRunner = [](TTimerForm& editor) { return editor.RunModal(); };
    CopyNameAsker = [this](const QString& name) {
        TBroadcastCopyDialog dialog(name, this);
        return dialog.exec() == QDialog::Accepted ? dialog.Name() : QString();
    };

    FModel = new TBroadcastListModel(list, this);
    lvBroadcasts = Named(new QListView(this), "lvBroadcasts");
    lvBroadcasts->setModel(FModel);
    lvBroadcasts->setSelectionMode(QAbstractItemView::SingleSelection);
    lvBroadcasts->setMinimumSize(320, 300);

    btnNew = Named(new QPushButton(QStringLiteral("Nowa"), this), "btnNew");
    btnEdit = Named(new QPushButton(QStringLiteral("Edycja"), this), "btnEdit");
    btnDelete = Named(new QPushButton(QStringLiteral("Usuń"), this), "btnDelete");
    btnCopy = Named(new QPushButton(QStringLiteral("Kopiuj"), this), "btnCopy");
    btnClose = Named(new QPushButton(QStringLiteral("Zamknij"), this), "btnClose");
    btnClose->setDefault(true);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {btnNew, btnEdit, btnDelete, btnCopy})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lvBroadcasts, 1);
    layout->addLayout(buttons);

    connect(btnNew, &QPushButton::clicked, this, &TBroadcastsForm::NewBroadcast);
    connect(btnEdit, &QPushButton::clicked, this, &TBroadcastsForm::EditBroadcast);
    connect(btnDelete, &QPushButton::clicked, this, &TBroadcastsForm::DeleteBroadcast);
    connect(btnCopy, &QPushButton::clicked, this, &TBroadcastsForm::CopyBroadcast);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(lvBroadcasts, &QListView::doubleClicked, this, &TBroadcastsForm::EditBroadcast);
    connect(lvBroadcasts->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TBroadcastsForm::SelectionChanged);
    ShowList();
}

void TBroadcastsForm::ShowList() {
    const int selected = FWindow.Selected();
    FModel->Reload();
    if (selected >= 0)
        lvBroadcasts->setCurrentIndex(FModel->index(selected));
    UpdateButtons();
}

void TBroadcastsForm::SelectionChanged() {
    const QModelIndex current = lvBroadcasts->currentIndex();
    FWindow.Select(current.isValid() ? current.row() : -1);
    UpdateButtons();
}

void TBroadcastsForm::UpdateButtons() {
    for (QPushButton* button : {btnEdit, btnDelete, btnCopy})
        button->setEnabled(FWindow.HasSelection());
}

void TBroadcastsForm::RunEditor(std::unique_ptr<TClock> rows,
                                const std::function<void(const TClock& rows)>& keep) {
    if (!rows)
        return;
    TTimerForm editor(std::move(rows), this);
    editor.ObjectEditor = ObjectEditor;
    if (!EditorRunner(editor))
        return;
    keep(editor.Clock());
    ShowList();
}

void TBroadcastsForm::NewBroadcast() {
    RunEditor(FWindow.NewEditor(),
              [this](const TClock& rows) { FWindow.AddNew(rows, rows.Name()); });
}

void TBroadcastsForm::EditBroadcast() {
    RunEditor(FWindow.EditEditor(),
              [this](const TClock& rows) { FWindow.ApplyEdit(rows, rows.Name()); });
}

void TBroadcastsForm::DeleteBroadcast() {
    if (FWindow.DeleteSelected())
        ShowList();
}

void TBroadcastsForm::CopyBroadcast() {
    const TBroadcast* source = FWindow.SelectedBroadcast();
    if (source == nullptr)
        return;
    const QString name = CopyNameAsker(source->ObjName());
    if (name.isEmpty())
        return;
    FWindow.CopySelected(name);
    ShowList();
}

void TBroadcastsForm::done(int result) {
    FWindow.Close();
    QDialog::done(result);
}
