#pragma once

#include "ui/uDialogRunner.h"

#include <QWidget>
#include <functional>

class QDialog;
class QLabel;
class QModelIndex;
class QMenu;
class QTreeView;
class TClock;
class TClockTreeModel;
struct TClockObjData;

// The clock of a planned day, docked in the main window: its rows as a tree (a broadcast row
// with its items), the name label "Zegar bazowy: ", the totals below, and the column switches
// of the "&Widok" menu the main window shows while a planned day is on screen. Rows are deleted
// and moved through the main window's actions.
class TClockTree final : public QWidget {
    Q_OBJECT
public:
    explicit TClockTree(TClock& clock, QWidget* parent = nullptr);
    ~TClockTree() override;

    // The clock got new rows or a new name.
    void Reload();

    // The row with the focus; nullptr when none.
    TClockObjData* FocusedRow() const;
    void FocusRow(const TClockObjData* row);

    // The enabling rules of the main window's row actions.
    bool CanDelete() const;
    bool CanMoveUp() const;
    bool CanMoveDown() const;
    void DeleteRow();
    void MoveUp();
    void MoveDown();

    // "&Widok": one switch per optional column.
    QMenu* ViewMenu() const { return meTimerView; }

    // In the clock editor: objects dropped from its available objects become rows (the new row
    // gets the focus), and the name stands in the editor's own name field.
    void AcceptDrops(bool accepts);
    void SetNameLabelVisible(bool visible);

    // Cell editing: "Godzina" and "Czas" in the "Czas" dialog, a characteristic in the value
    // chooser, "Łącznik" in a drop-down; only the cells the row's object has. Off in the viewer;
    // `MayEditCells`, when set, can hold it back (a broadcast without a begin yet).
    void SetCellsEditable(bool editable);
    std::function<bool()> MayEditCells;
    // Opens the cell's editor, as a click on the cell does; false when the cell is not edited.
    bool EditCell(const QModelIndex& index);
    // Runs a cell's dialog; replaceable so the window can be driven without a user.
    TDialogRunner DialogRunner = RunModalDialog;

    // "Właściwości audycji" of a focused broadcast row, "Właściwości" (the title) of a focused
    // advertisement blank; what a double-click on a row runs. False when neither applies.
    bool CanEditBroadcastProperties() const;
    bool CanEditTitle() const;
    bool EditBroadcastProperties();
    bool EditTitle();
    bool EditRowProperties();
    // The row pop-up menu ("Przesuń w górę", "Przesuń w dół", "Usuń", "Właściwości audycji",
    // "Właściwości"), its items shown and enabled for the focused row.
    QMenu* RowMenu() const { return meRow; }

signals:
    // The focus or the rows changed: the main window evaluates its actions again.
    void StateChanged();

private:
    // Named after their members (objectName).
    QLabel* lblNameText = nullptr;
    QTreeView* TreeClock = nullptr;
    QLabel* lblCount = nullptr;
    QLabel* lblDuration = nullptr;

    bool CellEditingAllowed() const;
    void EditTime(TClockObjData& row, int column);
    void EditChars(TClockObjData& row, int column);

    bool FCellsEditable = false;
    void CreateRowMenu();
    void UpdateRowMenu();

    QMenu* meRow = nullptr;
    QAction* acnRowUp = nullptr;
    QAction* acnRowDown = nullptr;
    QAction* acnRowDel = nullptr;
    QAction* acnBroadcastProperties = nullptr;
    QAction* acnReklamaOProperties = nullptr;

    void CreateViewMenu();
    void FitColumns();
    void ShowTotals();
    void SaveColumnSwitches() const;

    TClock& FClock;
    TClockTreeModel* FModel;
    QMenu* meTimerView;
};
