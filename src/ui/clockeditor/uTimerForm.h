#pragma once

#include "clocks/uClock.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QLabel;
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
class TTimerForm final : public QMainWindow {
    Q_OBJECT
public:
    // The clock editor, on a clock of its own.
    explicit TTimerForm(QWidget* parent = nullptr);
    // Docked on the day's clock, which must outlive the view.
    TTimerForm(TClock& dayClock, QWidget* parent);
    ~TTimerForm() override;

    TClock& Clock() { return *FClock; }
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

    // "Otwórz", "Zapisz" and "Zapisz jako ..."; the two saves answer whether the clock was
    // written.
    void Open();
    bool Save();
    bool SaveAs();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateActions();
    void CreateLayout();
    void CreateMenus();
    QWidget* CreateTopPanel();
    QWidget* CreateObjectsPanel();
    void UpdateActions();
    void ShowCaption();
    void ShowName();
    void ListsChanged();
    // Whether the window may close: asks about unsaved changes and saves on "Tak".
    bool MayClose();
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
};
