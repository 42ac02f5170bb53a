#include "ui/library/uLibraryGrid.h"

#include "ui/uNamed.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

void SetUpLibraryGrid(QTableView& grid, QAbstractItemModel* model, bool multiSelect,
                      const QList<QAction*>& actions) {
    grid.setModel(model);
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                      : QAbstractItemView::SingleSelection);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setAlternatingRowColors(true);
    grid.setWordWrap(false);
    grid.verticalHeader()->hide();
    grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid.verticalHeader()->setDefaultSectionSize(grid.fontMetrics().height() + 6);
    grid.horizontalHeader()->setStretchLastSection(true);
    grid.addActions(actions);
    grid.setContextMenuPolicy(Qt::ActionsContextMenu);
}

void SelectGridRows(QTableView& grid, const QList<int>& rows) {
    QItemSelectionModel* selection = grid.selectionModel();
    const QAbstractItemModel* model = grid.model();
    QList<QModelIndex> indexes;
    for (int row : rows)
        if (row >= 0 && row < model->rowCount())
            indexes.append(model->index(row, 0));
    if (indexes.isEmpty()) {
        selection->clear();
        return;
    }
    selection->setCurrentIndex(indexes.first(),
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    for (const QModelIndex& index : indexes.mid(1))
        selection->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    grid.scrollTo(indexes.first(), QAbstractItemView::PositionAtCenter);
}

void CentreCurrentRow(QTableView& grid) {
    if (grid.currentIndex().isValid())
        grid.scrollTo(grid.currentIndex(), QAbstractItemView::PositionAtCenter);
}

TListFooter AddListFooter(QDialog& dialog, const QString& okCaption, bool withCancel) {
    TListFooter footer;
    footer.Count = Named(new QLabel(&dialog), "lblCount");
    footer.OK = Named(new QPushButton(okCaption, &dialog), "btnOK");
    footer.Cancel = Named(new QPushButton(QStringLiteral("Anuluj"), &dialog), "btnCancel");
    footer.Cancel->setVisible(withCancel);
    footer.Row = new QHBoxLayout;
    footer.Row->addWidget(footer.Count);
    footer.Row->addStretch(1);
    footer.Row->addWidget(footer.OK);
    footer.Row->addWidget(footer.Cancel);
    QObject::connect(footer.OK, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(footer.Cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return footer;
}
