#pragma once

#include "clocks/uClock.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QPushButton;
class QTime;
class QTimeEdit;
class TBaseClockObject;
class QLineEdit;
class QListView;
class QMenu;
class QModelIndex;
class QSplitter;
class QToolBar;
class TAvailableObjectsModel;
class TClockTree;

// "Zegar": the window in which a clock is built from the objects of the category list and the
// broadcasts, dragged from "Dostępne kategorie i audycje" onto the clock's rows, and kept in a
// clock file. Opened empty ("&Nowy"), on a file ("&Edycja"), or on a file to look at only
// ("&Oglądaj", nothing can be changed). Docked in the main window it shows the clock of a
// future day, which the day writes itself: no name field, no tool bar, no file menu, no
// question when it goes; its "&Widok" joins the main menu.
// On a clock in broadcast mode it is "Audycja", the editor of one broadcast opened from the
// broadcast window: no file menu, no broadcasts to drop, the begin and end pickers, and
// "Zapisz audycję" / "Anuluj"; the caller reads the rows back after an OK close.
class TTimerForm final : public QMainWindow {
    Q_OBJECT
public:
    // The clock editor, on a clock of its own.
    explicit TTimerForm(QWidget* parent = nullptr);
    // The editor on the clock it is handed: a clock of clock mode, or a broadcast's rows. Only a
    // clock-mode editor deletes itself when it closes.
    TTimerForm(std::unique_ptr<TClock> editor, QWidget* parent);
    // Docked on the day's clock, which must outlive the view.
    TTimerForm(TClock& dayClock, QWidget* parent);
    ~TTimerForm() override;

    TClock& Clock() { return *FClock; }
    TClockMode Mode() const { return FClock->Mode(); }
    bool Docked() const { return FDocked; }
    TClockTree& Tree() { return *FTree; }
    const QString& FileName() const { return FFileName; }
    const QString& FileDir() const { return FFileDir; }

    // Opens the file as "Otwórz" does; false (the clock left empty) when it cannot be read.
    bool OpenFile(const QString& path);
    // The viewer: the available objects, the tool bar, the name and the saving are hidden, and
    // no cell can be edited.
    void SetReadOnly(bool readOnly);
    bool ReadOnly() const { return FReadOnly; }

    // The dialogs, replaceable so the window can be driven without a user: the file to open,
    // and the file to save to (given the suggested name); empty for a cancelled dialog.
    std::function<QString()> OpenFileChooser;
    std::function<QString(const QString& suggestedName)> SaveFileChooser;
    // "Edytuj" on an available object: the object dialog in edit mode, true after its OK. The
    // action is off while none is set.
    std::function<bool(TBaseClockObject& object)> ObjectEditor;

    // "Otwórz", "Zapisz" and "Zapisz jako ..."; the two saves answer whether the clock was
    // written.
    void Open();
    bool Save();
    bool SaveAs();

    // Broadcast mode: shows the window modal until it closes; true when it closed with OK (the
    // name is then set and the rows are to be kept).
    bool RunModal();
    bool Accepted() const { return FAccepted; }
    // "Zapisz audycję": closes with OK unless the name is missing.
    void AcceptBroadcast();

    // "Dodaj", which the main window's add action follows on a future day's clock: kept for the
    // tool bar's layout, never shown nor enabled.
    bool AddShown() const;
    bool AddEnabled() const;
    void Add();

    // "Edytuj" on the selected available object; false when nothing was edited.
    bool EditSelectedObject();

signals:
    // The window has closed (it may stay in memory in broadcast mode).
    void Finished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateActions();
    void CreateLayout();
    void CreateMenus();
    QWidget* CreateTopPanel();
    QWidget* CreateObjectsPanel();
    QWidget* CreateTimesPanel();
    QWidget* CreateBottomPanel();
    void ApplyMode();
    void UpdateActions();
    void ShowCaption();
    void ShowName();
    void ListsChanged();
    // Whether the window may close: asks about unsaved changes and saves on "Tak".
    bool MayClose();
    bool MayCloseBroadcast();
    // Broadcast mode: the begin and end the user picked, and the pickers shown again after every
    // change of the rows.
    void BeginPicked(const QTime& time);
    void EndPicked(const QTime& time);
    void ShowBroadcastTimes();
    TBaseClockObject* SelectedObject() const;
    void RestorePlacement();
    void SavePlacement() const;

    void Build();

    std::unique_ptr<TClock> FOwnClock;
    TClock* FClock = nullptr;
    bool FDocked = false;
    TAvailableObjectsModel* FObjects = nullptr;
    QString FFileName;
    QString FFileDir;
    bool FReadOnly = false;
    bool FPlaced = false;
    bool FAccepted = false;
    bool FClosingWithOk = false;

    // Named after their members (objectName).
    TClockTree* FTree = nullptr;
    QLineEdit* edtName = nullptr;
    QToolBar* tbTimer = nullptr;
    QWidget* pnlTop = nullptr;
    QWidget* pnlObjects = nullptr;
    QLabel* lblObjects = nullptr;
    QListView* TreeCat = nullptr;
    QSplitter* splMain = nullptr;
    QMenu* meFile = nullptr;
    QAction* acnAdd = nullptr;
    QAction* acnDel = nullptr;
    QAction* acnUp = nullptr;
    QAction* acnDown = nullptr;
    QAction* acnLoad = nullptr;
    QAction* acnClockSave = nullptr;
    QAction* acnClockSaveAs = nullptr;
    QAction* acnOK = nullptr;
    QAction* acnCatEdit = nullptr;
    QMenu* meObjects = nullptr;
    QWidget* pnlTimes = nullptr;
    QTimeEdit* dtBegin = nullptr;
    QTimeEdit* dtEnd = nullptr;
    QWidget* pnlBottom = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
};
