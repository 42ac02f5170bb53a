#include "ui/categories/uSongListDialog.h"

#include "ui/categories/uSongLinesModel.h"
#include "ui/uNamed.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TSongListDialog::TSongListDialog(QList<TSongLine> songs, TUse use, QWidget* parent)
    : QDialog(parent), FUse(use), FSongs(std::move(songs)) {
    setWindowTitle(QStringLiteral("Utwory"));
    FModel = new TSongLinesModel([this] { return FSongs; }, true, this);

    tvSongs = Named(new QTableView(this), "tvSongs");
    tvSongs->setModel(FModel);
    tvSongs->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvSongs->setSelectionMode(QAbstractItemView::SingleSelection);
    tvSongs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvSongs->setAlternatingRowColors(true);
    tvSongs->verticalHeader()->hide();
    tvSongs->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tvSongs->setWordWrap(false);
    QHeaderView* header = tvSongs->horizontalHeader();
    header->setSectionResizeMode(TSongLinesModel::scArtist, QHeaderView::Interactive);
    header->setSectionResizeMode(TSongLinesModel::scTitle, QHeaderView::Stretch);
    header->setSectionResizeMode(TSongLinesModel::scTime, QHeaderView::ResizeToContents);
    header->resizeSection(TSongLinesModel::scArtist, 220);

    lblCount = Named(new QLabel(this), "lblCount");
    lblCount->setText(QString::number(FModel->Count()));

    auto* buttons = new QDialogButtonBox(this);
    if (FUse == TUse::Choose) {
        btnOK = Named(buttons->addButton(QDialogButtonBox::Ok), "btnOK");
        buttons->addButton(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
        connect(tvSongs, &QTableView::doubleClicked, this, [this] {
            if (ChosenSongId() != -1)
                accept();
        });
        connect(tvSongs->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &TSongListDialog::UpdateControls);
    } else {
        btnOK = Named(buttons->addButton(QStringLiteral("Zamknij"), QDialogButtonBox::AcceptRole),
                      "btnOK");
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* count = new QHBoxLayout;
    count->addWidget(new QLabel(QStringLiteral("Ilość:"), this));
    count->addWidget(lblCount);
    count->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tvSongs, 1);
    layout->addLayout(count);
    layout->addWidget(buttons);
    resize(640, 480);
    UpdateControls();
}

int TSongListDialog::ChosenSongId() const {
    const QModelIndexList rows = tvSongs->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : FModel->SongIdAt(rows.first().row());
}

void TSongListDialog::UpdateControls() {
    if (FUse == TUse::Choose)
        btnOK->setEnabled(ChosenSongId() != -1);
}

int ChooseSong(TLibrarySongs& library, const QString& conditions, const TDialogRunner& run,
               QWidget* parent) {
    TSongListDialog dialog(library.SongList(QString(), conditions), TSongListDialog::TUse::Choose,
                           parent);
    return run(dialog) ? dialog.ChosenSongId() : -1;
}

void ShowFilteredSongs(const QList<TSongLine>& songs, const TDialogRunner& run, QWidget* parent) {
    TSongListDialog dialog(songs, TSongListDialog::TUse::Show, parent);
    run(dialog);
}
