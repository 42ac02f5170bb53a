#pragma once

#include "generator/uResultReceiver.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QDate;
class QDialog;
class QMenu;
class QPrinter;
class QTreeView;
class TBlankCategory;
class TDayPlayList;
class TResultBlankMenu;
class TResultItemEditForm;
class TResultModel;

// "Rezultat": the play list of one pending day, one row per position, for the music director
// to correct by hand before the day is accepted. Shows and edits the day's TDayPlayList; the
// main window docks it into its pending page and binds its actions to the view's operations.
class TResultForm : public QWidget, public IResultReceiver {
    Q_OBJECT
public:
    explicit TResultForm(TDayPlayList& list, QWidget* parent = nullptr);
    ~TResultForm() override;

    // The list changed as a whole (loaded, emptied, generated): the rows are shown again.
    void Reload();
    // A generated item: the list makes the position and the view shows its row at once.
    void AddResultItem(const TResultItem& item) override;

    // Focus and selection, by row in play order; -1 none.
    int FocusedRow() const;
    void FocusRow(int row);
    int SelectedCount() const;

    // The operations the main window's actions are bound to, with their enabling rules.
    bool CanMoveUp() const;
    bool CanMoveDown() const;
    bool CanDelete() const;
    bool CanAddItem() const;
    void MoveUp();
    void MoveDown();
    // After the question "Czy usunąć utwór z play listy?".
    void DeletePosition();
    // Opens the "&Dodaj" menu at the focused row.
    void AddItem();
    void Print();

    // The view's save dialog for the exports, opened in `dir` with `fileName` and the filter
    // (1 ".mix", 2 ".txt"); empty when cancelled.
    QString ChooseExportFile(const QString& dir, const QString& fileName, int filterIndex);

    // The bottom panel is hidden when the view is docked in the main window.
    void SetBottomPanelVisible(bool visible);

    // --- The view's own operations
    // "&Edytuj" and "&Graj": a focused row that is the only one selected.
    bool CanEdit() const;
    // The focused position in the edit window "Edycja utworu".
    void EditPosition();
    // "&Graj": the focused position's audio file in the external player.
    void PlayPosition();
    // A position made from the blank object, after the focused row (after the last when none
    // is focused); it becomes the focused row.
    void InsertBlank(const TBlankCategory& blank);
    // "Nowy utwór": a song chosen in the song list, placed as InsertBlank places a blank.
    void InsertSong();
    // "Statystyki": the songs and performers of the selected rows in the two-page statistics
    // window, on the period that holds `day`; nothing opens without a song among them.
    void ShowPositionStats(const QDate& day);
    // The pop-up's move and delete items become the host's actions (their captions, shortcuts
    // and enabling); nullptr keeps the view's own item.
    void BindHostActions(QAction* up, QAction* down, QAction* del);

    QTreeView* Tree() const { return FTree; }
    TResultModel* Model() const { return FModel; }
    QMenu* PopupMenu() const { return FPopup; }
    // "&Dodaj": the blank objects of the category list.
    QMenu* AddMenu() const { return FAddMenu; }
    TResultBlankMenu& BlankMenu() const { return *FBlankMenu; }
    QAction* EditAction() const { return acnEdit; }
    QAction* PlayAction() const { return acnPlay; }
    QAction* AddNewAction() const { return acnAddNew; }
    QAction* StatisticAction() const { return acnStatistic; }

    // The dialogs, replaceable where no one is there to answer them.
    // The export save dialog: (dir, fileName, filterIndex) -> chosen file, empty when cancelled.
    std::function<QString(const QString&, const QString&, int)> ExportFileChooser;
    // Runs the filled edit window; true on OK.
    std::function<bool(TResultItemEditForm&)> EditWindowRunner;
    // Lets the user set up the printer; false when cancelled.
    std::function<bool(QPrinter&)> PrinterChooser;
    // The song list with OK and "Anuluj": the chosen song's id, none when cancelled.
    std::function<std::optional<int>()> SongPicker;
    // Runs the statistics window (empty: modally).
    std::function<bool(QDialog&)> StatsRunner;
    // Writes the day to its plan file, so that the statistics, which read the plan files, see
    // the rows as they stand; empty: nothing is written.
    std::function<bool()> PlanWriter;

signals:
    // Focus, selection or rows changed: the main window evaluates its actions again.
    void StateChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitColumnWidths();
    void BuildActions();
    void BuildPopup();
    void ShowPopup(const QPoint& position);
    void UpdateActions();
    // Follows the category list in force (it comes up after the view may have been made).
    void FollowCategoryList();
    bool IsOnlySelectedFocused() const;
    void SaveToPendingPath();

    TDayPlayList& FList;
    TResultModel* FModel = nullptr;
    QTreeView* FTree = nullptr;
    QWidget* pnlBottom = nullptr;
    QMenu* FPopup = nullptr;
    QMenu* FAddMenu = nullptr;
    std::unique_ptr<TResultBlankMenu> FBlankMenu;
    QAction* meUp = nullptr;
    QAction* meDown = nullptr;
    QAction* meDel = nullptr;
    QAction* acnAddNew = nullptr;
    QAction* neNewSong = nullptr;
    QAction* acnEdit = nullptr;
    QAction* acnPlay = nullptr;
    QAction* acnStatistic = nullptr;
    QAction* mePrint = nullptr;
    // What the pop-up shows for moving and deleting: the view's own items or the host's.
    QAction* FUpItem = nullptr;
    QAction* FDownItem = nullptr;
    QAction* FDelItem = nullptr;
};
