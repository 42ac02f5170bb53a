#include "ui/import/uImportOptionsForm.h"

#include "foundation/uPrompt.h"
#include "ui/import/uImportPathsModel.h"
#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace {

// The values a label can be taken from, with the source each stands for; a stored number that
// is none of them shows as the empty entry.
void FillLabelSources(QComboBox& list, int source) {
    list.addItem(QStringLiteral("Jakość"), lsQuality);
    list.addItem(QStringLiteral("Kod"), lsCode);
    list.addItem(QString(), lsNone);
    const int index = list.findData(source);
    list.setCurrentIndex(index >= 0 ? index : list.findData(lsNone));
}

int ChosenLabelSource(const QComboBox& list) {
    return list.currentIndex() >= 0 ? list.currentData().toInt() : lsNone;
}

} // namespace

TImportOptionsForm::TImportOptionsForm(const TImportOptions& options, QWidget* parent)
    : QDialog(parent), ChooseDirectory(ChooseDirectoryDialog), FPaths(options.Paths) {
    setObjectName(QStringLiteral("ImportOptionsForm"));
    setWindowTitle(QStringLiteral("Opcje importu"));

    FPathsModel = new TImportPathsModel(FPaths, this);
    listPaths = Named(new QListView(this), "listPaths");
    listPaths->setModel(FPathsModel);
    listPaths->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listPaths->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Directories run deep: the list is wide enough for a usual one and scrolls sideways for
    // the rest, rather than cutting off the end that tells them apart.
    listPaths->setMinimumWidth(420);
    listPaths->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    listPaths->setTextElideMode(Qt::ElideMiddle);
    auto* caption = new QLabel(QStringLiteral("Lokalizacje plików muzycznych:"), this);
    caption->setBuddy(listPaths);

    btnAdd = Named(new QPushButton(QStringLiteral("Dodaj"), this), "btnAdd");
    btnDelete = Named(new QPushButton(QStringLiteral("Usuń"), this), "btnDelete");
    for (QPushButton* button : {btnAdd, btnDelete})
        button->setAutoDefault(false);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btnAdd);
    buttons->addWidget(btnDelete);
    buttons->addStretch(1);
    auto* paths = new QHBoxLayout;
    paths->addWidget(listPaths, 1);
    paths->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(paths, 1);
    layout->addWidget(CreateMapping());
    btnOK = AddOkCancelButtons(*this, *layout);
    btnOK->setEnabled(false);

    connect(btnAdd, &QPushButton::clicked, this, &TImportOptionsForm::AddDirectory);
    connect(btnDelete, &QPushButton::clicked, this, &TImportOptionsForm::DeleteSelected);
    connect(listPaths->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TImportOptionsForm::UpdateEnabling);
    // Shown only now, so that showing the stored choice is no change of the user's.
    FillLabelSources(*cmbMap1, options.ToLabel1Id);
    FillLabelSources(*cmbMap2, options.ToLabel2Id);
    for (QComboBox* list : {cmbMap1, cmbMap2})
        connect(list, &QComboBox::currentIndexChanged, this, &TImportOptionsForm::MarkChanged);
    UpdateEnabling();
}

QWidget* TImportOptionsForm::CreateMapping() {
    auto* group = Named(new QGroupBox(QStringLiteral(" Mapowanie "), this), "grpMapping");
    cmbMap1 = Named(new QComboBox(group), "cmbMap1");
    cmbMap2 = Named(new QComboBox(group), "cmbMap2");
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (auto [list, target] : {std::pair{cmbMap1, QStringLiteral("Etykieta 1")},
                                std::pair{cmbMap2, QStringLiteral("Etykieta 2")}}) {
        list->setMinimumWidth(120);
        grid->addWidget(list, row, 0);
        grid->addWidget(new QLabel(QStringLiteral("do"), group), row, 1);
        grid->addWidget(new QLabel(target, group), row, 2);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    return group;
}

TImportOptions TImportOptionsForm::Options() const {
    TImportOptions options;
    options.ToLabel1Id = ChosenLabelSource(*cmbMap1);
    options.ToLabel2Id = ChosenLabelSource(*cmbMap2);
    options.Paths = FPaths;
    return options;
}

void TImportOptionsForm::AddDirectory() {
    const QModelIndex current = listPaths->currentIndex();
    const QString start = current.isValid() ? current.data().toString()
                                            : (FPaths.isEmpty() ? QString() : FPaths.last());
    const QString chosen = ChooseDirectory(this, kChooseDirectoryTitle, start);
    if (chosen.isEmpty())
        return;
    // A directory listed already is only shown: searching it twice would find nothing new.
    if (FPathsModel->Add(chosen))
        MarkChanged();
    const QModelIndex shown = FPathsModel->index(FPathsModel->RowOf(chosen));
    listPaths->selectionModel()->setCurrentIndex(shown, QItemSelectionModel::ClearAndSelect);
    listPaths->scrollTo(shown);
}

void TImportOptionsForm::DeleteSelected() {
    QList<int> rows;
    for (const QModelIndex& index : listPaths->selectionModel()->selectedRows())
        rows.append(index.row());
    if (rows.isEmpty())
        return;
    FPathsModel->Remove(rows);
    listPaths->selectionModel()->clearSelection();
    MarkChanged();
    UpdateEnabling();
}

void TImportOptionsForm::UpdateEnabling() {
    btnDelete->setEnabled(listPaths->selectionModel()->hasSelection());
}

void TImportOptionsForm::MarkChanged() {
    btnOK->setEnabled(true);
}

void TImportOptionsForm::accept() {
    if (!btnOK->isEnabled())
        return;
    if (!SaveImportOptions(Options())) {
        ShowError(kImportOptionsNotSaved);
        return;
    }
    QDialog::accept();
}

bool EditImportOptions(QWidget* parent, const TDialogRunner& run, const TChooseDirectory& choose) {
    TImportOptionsForm form(LoadImportOptions(), parent);
    if (run)
        form.DialogRunner = run;
    if (choose)
        form.ChooseDirectory = choose;
    return form.DialogRunner(form);
}
