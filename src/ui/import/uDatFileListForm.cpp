#include "ui/import/uDatFileListForm.h"

#include "foundation/uPrompt.h"
#include "import/uImportWork.h"
#include "ui/import/uDatFileListModel.h"
#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Wide enough for a usual performer, title and file name; the window can be widened for more.
constexpr int kColumnWidths[TDatFileListModel::colCount] = {60, 180, 270, 170, 170, 160};

} // namespace

TDatFileListForm::TDatFileListForm(TDatFileList& list, IImportChoices& choices, QWidget* parent)
    : QDialog(parent), FList(list), FChoices(choices) {
    setObjectName(QStringLiteral("DatFileListForm"));
    setWindowTitle(QStringLiteral("Import z plików dat"));

    FModel = new TDatFileListModel(list, this);
    gridFiles = Named(new QTableView(this), "gridFiles");
    gridFiles->setModel(FModel);
    gridFiles->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    gridFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridFiles->setWordWrap(false);
    gridFiles->verticalHeader()->hide();
    gridFiles->verticalHeader()->setDefaultSectionSize(gridFiles->fontMetrics().height() + 6);
    gridFiles->horizontalHeader()->setStretchLastSection(true);
    for (int column = 0; column < TDatFileListModel::colCount; ++column)
        gridFiles->setColumnWidth(column, kColumnWidths[column]);
    connect(gridFiles, &QTableView::doubleClicked, this, &TDatFileListForm::EditSongAt);

    lblTicked = Named(new QLabel(this), "lblTicked");
    connect(FModel, &TDatFileListModel::TickedCountChanged, this,
            &TDatFileListForm::ShowTickedCount);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gridFiles, 1);
    layout->addWidget(lblTicked);
    btnOK = AddOkCancelButtons(*this, *layout);
    btnOK->setText(QStringLiteral("Import"));
    ShowTickedCount();

    setMinimumSize(650, 370);
    resize(1080, 560);
}

void TDatFileListForm::ShowTickedCount() {
    const int ticked = FModel->TickedCount();
    lblTicked->setText(
        QStringLiteral("Zaznaczone utwory: %1 z %2 plików").arg(ticked).arg(FModel->rowCount()));
    btnOK->setEnabled(ticked > 0);
}

void TDatFileListForm::EditSongAt(const QModelIndex& index) {
    TSongData* song = FModel->SongAt(index.row());
    if (song != nullptr && EditImportedSong(*song, this, SongWindow))
        FModel->SongChanged(index.row());
}

void TDatFileListForm::accept() {
    const int ticked = FModel->TickedCount();
    TSongsImportWork storing(FList, FChoices);
    RunImportWork(storing);
    FResult = storing.Result;
    if (storing.Cancelled())
        ShowInformation(kImportStopped.arg(FResult.Added).arg(ticked));
    QDialog::accept();
}
