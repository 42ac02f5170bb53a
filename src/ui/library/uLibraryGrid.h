#pragma once

#include <QList>
#include <QString>

class QAbstractItemModel;
class QAction;
class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableView;

// The parts the library's list windows share: the grid of rows and the line under it with the
// count and the closing buttons.

// Whole rows selected (several with `multiSelect`), nothing edited in place, rows of one
// height (the grid never measures rows it does not show), the actions in its pop-up menu.
void SetUpLibraryGrid(QTableView& grid, QAbstractItemModel* model, bool multiSelect,
                      const QList<QAction*>& actions);

// Selects the rows (the first becomes the current one, shown in the middle of the grid); none
// clears the selection. Rows out of range are passed over.
void SelectGridRows(QTableView& grid, const QList<int>& rows);
// The current row in the middle of the grid, once the grid has a height to centre it in.
void CentreCurrentRow(QTableView& grid);

// "lblCount", then "btnOK" (accepting) and "btnCancel" ("Anuluj", rejecting, shown only
// `withCancel`) at the right.
struct TListFooter {
    QHBoxLayout* Row = nullptr;
    QLabel* Count = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Cancel = nullptr;
};
TListFooter AddListFooter(QDialog& dialog, const QString& okCaption, bool withCancel);
