#include "ui/import/uImportForm.h"

#include "foundation/uFormat.h"
#include "foundation/uPrompt.h"
#include "import/uDatFolder.h"
#include "import/uImportOptions.h"
#include "import/uImportWork.h"
#include "settings/uSettings.h"
#include "ui/import/uDatFileListForm.h"
#include "ui/import/uDialogImportChoices.h"
#include "ui/import/uImportOptionsForm.h"
#include "ui/uNamed.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

QStringList ChooseDatFilesDialog(QWidget* parent) {
    QFileDialog dialog(parent, kChooseDatFilesTitle);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(QStringLiteral("Orvo *.dat (*.dat *.DAT)"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

} // namespace

TImportForm::TImportForm(TImportWindowHooks hooks, QWidget* parent)
    : QDialog(parent), FHooks(std::move(hooks)) {
    setObjectName(QStringLiteral("ImportForm"));
    setWindowTitle(QStringLiteral("Import z plików dat"));
    if (!FHooks.ChooseFiles)
        FHooks.ChooseFiles = ChooseDatFilesDialog;
    if (!FHooks.ChooseDirectory)
        FHooks.ChooseDirectory = ChooseDirectoryDialog;

    FFilesModel = new QStringListModel(this);
    listFiles = Named(new QListView(this), "listFiles");
    listFiles->setModel(FFilesModel);
    listFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listFiles->setTextElideMode(Qt::ElideMiddle);
    listFiles->setUniformItemSizes(true); // thousands of files must not be measured one by one

    btnFiles = Named(new QPushButton(QStringLiteral("Przeglądaj"), this), "btnFiles");
    btnFolder = Named(new QPushButton(QStringLiteral("Katalog"), this), "btnFolder");
    btnFolder->setToolTip(QStringLiteral("Pliki dat z wybranego katalogu i jego podkatalogów"));
    btnOptions = Named(new QPushButton(QStringLiteral("Opcje importu"), this), "btnOptions");
    connect(btnFiles, &QPushButton::clicked, this, &TImportForm::ChooseFiles);
    connect(btnFolder, &QPushButton::clicked, this, &TImportForm::ChooseFolder);
    connect(btnOptions, &QPushButton::clicked, this, &TImportForm::EditOptions);

    auto* buttons = new QDialogButtonBox(this);
    btnOK =
        Named(buttons->addButton(QStringLiteral("Import"), QDialogButtonBox::AcceptRole), "btnOK");
    buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* choose = new QHBoxLayout;
    choose->addWidget(btnFiles);
    choose->addWidget(btnFolder);
    choose->addStretch(1);
    choose->addWidget(btnOptions);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Pliki do importu:"), this));
    layout->addWidget(listFiles, 1);
    layout->addLayout(choose);
    layout->addWidget(buttons);

    SetFiles({});
    setMinimumSize(480, 320);
    resize(600, 400);
}

bool TImportForm::RunDialog(QDialog& dialog) const {
    return FHooks.Run ? FHooks.Run(dialog) : RunModalDialog(dialog);
}

void TImportForm::SetFiles(const QStringList& files) {
    FFiles = files;
    FFilesModel->setStringList(files);
    btnOK->setEnabled(!files.isEmpty());
}

void TImportForm::ChooseFiles() {
    const QStringList files = FHooks.ChooseFiles(this);
    if (!files.isEmpty())
        SetFiles(files);
}

void TImportForm::ChooseFolder() {
    const QString folder = FHooks.ChooseDirectory(this, kChooseDirectoryTitle, {});
    if (folder.isEmpty())
        return;
    const QStringList files = DatFilesInFolder(folder);
    if (files.isEmpty()) {
        ShowInformation(Format(kNoDatFilesInFolder, {folder}));
        return;
    }
    SetFiles(files);
}

void TImportForm::EditOptions() {
    EditImportOptions(this, FHooks.Run, FHooks.ChooseDirectory);
}

void TImportForm::accept() {
    if (FFiles.isEmpty() || !Options)
        return;
    TDialogImportChoices choices(*Options, this);
    if (FHooks.Run)
        choices.DialogRunner = FHooks.Run;
    // The options are read anew at every "Import": they may have just been changed.
    TDatReadWork reading(FFiles, LoadImportOptions(), choices);
    RunImportWork(reading);
    if (reading.Cancelled())
        return;
    TDatFileListForm list(reading.List, choices, this);
    list.SongWindow = FHooks.SongWindow;
    if (RunDialog(list))
        QDialog::accept();
}

bool ImportDatFiles(QWidget* parent, const TImportWindowHooks& hooks) {
    TImportForm form(hooks, parent);
    return hooks.Run ? hooks.Run(form) : RunModalDialog(form);
}
