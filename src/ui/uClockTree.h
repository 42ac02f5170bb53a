#pragma once

#include <QWidget>

class QLabel;
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

signals:
    // The focus or the rows changed: the main window evaluates its actions again.
    void StateChanged();

private:
    // Named after their members (objectName).
    QLabel* lblNameText = nullptr;
    QTreeView* TreeClock = nullptr;
    QLabel* lblCount = nullptr;
    QLabel* lblDuration = nullptr;

    void CreateViewMenu();
    void FitColumns();
    void ShowTotals();
    void SaveColumnSwitches() const;

    TClock& FClock;
    TClockTreeModel* FModel;
    QMenu* meTimerView;
};
