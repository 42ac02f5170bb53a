#pragma once

#include "dayplan/uDayHost.h"
#include "ui/import/uImportForm.h"
#include "ui/uDialogRunner.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QDateEdit;
class QLabel;
class QMenu;
class QPushButton;
class QShortcut;
class QStackedWidget;
class QToolBar;
class TBaseClockObject;
class TClockTree;
class TDayHistoryForm;
class TDayLifecycle;
class TResultForm;
class TTimerForm;
enum class TAppConfigPage;

// The program's only top-level window: one date at a time in the page of the date's state,
// the tool bars and the menu through which the day is planned, generated and accepted. The
// stores are brought up at the first activation and released when the window goes.
class TMainForm final : public QMainWindow, public IDayHost {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Brings up the stores, makes the docked views and shows today; runs once, however often
    // the window becomes active. On a failure the window closes (the program ends).
    void FirstActivation();
    bool StoresUp() const { return FStoresUp; }

    // The pending day's list to its plan file; other windows call it before they read plan
    // files.
    bool SavePendingDay();

    // Null until the first activation brought the stores up.
    TDayLifecycle* Days() const { return FDays.get(); }
    TResultForm* ResultView() const { return FResultForm; }
    TDayHistoryForm* HistoryView() const { return FHistoryForm; }
    TClockTree* ClockView() const { return FClockTree; }

    // The dialogs, replaceable so the window can be driven without a user.
    std::function<QString()> ClockFileChooser;
    std::function<QString(const QString& dir, const QString& fileName, int filterIndex)>
        ExportFileChooser;
    // Runs the settings windows of "Blo&kady", "&Opcje" and "&Zegar", and the dialogs they open
    // (empty: modally).
    TDialogRunner SettingsRunner;
    // The file choosers and song window of "&Import" → "Plik &Orvo dat"; its windows run
    // through SettingsRunner when the hooks bring no runner of their own.
    TImportWindowHooks ImportHooks;

    // --- IDayHost
    QString ChooseClockFile() override;
    QString ChooseExportFile(const QString& dir, const QString& fileName, int filterIndex) override;
    void StateChanged(TDayState state) override;
    void ViewsChanged() override;
    void FocusRow(int row) override;

    // Visibility and enabling of the actions for the shown state and the views' focus.
    void UpdateActions();

    // "&Zegar" → "&Zegary": the clock editor on a new clock, on a chosen file to edit, or on a
    // chosen file to look at; nullptr when no file was chosen or it could not be read.
    enum class TClockEditorUse { New, Edit, View };
    TTimerForm* OpenClockEditor(TClockEditorUse use);
    // "&Zegar" → "&Audycje" and "&Kategorie", modal.
    void OpenBroadcastsWindow();
    void OpenCategoriesWindow();
    // "&Baza" → "&Utwory" → "&Przegladaj", "&Wykonawcy" and "&Etykiety".
    void OpenSongsWindow();
    void OpenNewSongWindow();
    void OpenArtistsWindow();
    void OpenLabelsWindow();
    // "&Baza" → "&Import" → "Plik &Orvo dat" and "&Opcje" → "&Import".
    void OpenImportWindow();
    void OpenImportOptionsWindow();
    // "&Opcje" → "&Konfiguracja" and "Blo&kady" → "Blokady &globalne" / "Blokady &domyślne".
    void OpenConfigWindow(TAppConfigPage page);
    // "&Zegar" → "&Charakterystyki utworów".
    void OpenCharacteristicsWindow();
    // "Blo&kady" → "Blokady &czasowe", "Blokady c&zęstotliwościowe", "Blokady &etykiet" and
    // "&Rozkład czasowy".
    void OpenTimeRestrictionsWindow();
    void OpenFreqGroupsWindow();
    void OpenLabelRestrictionsWindow();
    void OpenSeparationsWindow();
    // "Statystyki": the play-list view's statistics for the shown date.
    void ShowPendingDayStats();
    // "&Raport dnia": the report window of the shown pending or accepted day.
    void ShowDayReportWindow();
    // "Edytuj" of the clock editors: the object dialog on a category-list object, its name kept.
    std::function<bool(TBaseClockObject&)> ObjectEditor();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The actions, in the order of the window's action list. Every action and widget below is
    // named after its member (objectName), so tests find it with findChild.
    QAction* acnTimerNewItem = nullptr;
    QAction* acnTimerUp = nullptr;
    QAction* acnTimerDown = nullptr;
    QAction* acnTimerDelItem = nullptr;
    QAction* acnRand = nullptr;
    QAction* acnAccept = nullptr;
    QAction* acnNext = nullptr;
    QAction* acnPrev = nullptr;
    QAction* acnSavePlayListAsMix = nullptr;
    QAction* acnSavePlayListAsText = nullptr;
    QAction* acnLoadClock = nullptr;
    QAction* acnBack = nullptr;
    QAction* acnPrint = nullptr;
    QAction* acnResetstats = nullptr;
    QAction* acnHistory = nullptr;
    QAction* acnReport = nullptr;
    QAction* meDBClear = nullptr;
    QAction* meAbout = nullptr;

    QDateEdit* dtDate = nullptr;
    QToolBar* tbNavigation = nullptr;
    QToolBar* tbOperations = nullptr;
    QAction* ToolSeparator1 = nullptr;
    QAction* ToolSeparator2 = nullptr;
    // Before "Drukuj"; goes with the day actions, so no lone line is left on an empty day.
    QAction* ToolSeparator3 = nullptr;
    QStackedWidget* Pages = nullptr;
    QWidget* tbHistory = nullptr;
    QWidget* tbFuture = nullptr;
    QWidget* tbPending = nullptr;
    QWidget* tbEmpty = nullptr;
    QPushButton* btnTimer = nullptr;
    QPushButton* btnEmptyTimer = nullptr;
    QMenu* meBase = nullptr;
    QAction* meSongsNew = nullptr;
    QAction* meSongsBrowse = nullptr;
    QAction* meArtists = nullptr;
    QAction* meLabels = nullptr;
    QAction* meOrvoDatFile = nullptr;
    QMenu* meClock = nullptr;
    QAction* meBroadcasts = nullptr;
    QAction* meCategories = nullptr;
    QAction* meClockNew = nullptr;
    QAction* meClockEdit = nullptr;
    QAction* meClockView = nullptr;
    QAction* meSongChars = nullptr;
    QMenu* meRestrictions = nullptr;
    QAction* meTimeRestr = nullptr;
    QAction* meFreqGroups = nullptr;
    QAction* meLabelRestr = nullptr;
    QAction* meTimeSeparation = nullptr;
    QAction* meGlobalRestr = nullptr;
    QAction* meDefaultRestr = nullptr;
    QMenu* meOptions = nullptr;
    QAction* meImportOpt = nullptr;
    QAction* meConfig = nullptr;
    QMenu* meOperations = nullptr;
    QMenu* meTools = nullptr;
    QMenu* meHelp = nullptr;

    // Layout and actions.
    void CreateActions();
    QAction* NewAction(const char* name, const QString& caption, const QString& hint,
                       const QKeySequence& key);
    void CreateTopPanel(QWidget* parent);
    void CreatePages();
    void CreateMenus();
    void ConnectActions();
    void ConnectSettingsActions();
    void CreateViews();
    void RestoreWindowState();
    void SaveWindowState() const;

    // Runs a day operation and shows the outcome.
    void RunDayOperation(const std::function<void()>& operation);
    void ShowPickedDate();
    void ShowAbout();

    // State rules.
    TDayState ShownState() const;
    void UpdateRowActions(TDayState state);
    void ResolveSharedShortcuts();

    std::unique_ptr<TDayLifecycle> FDays;
    TDayHistoryForm* FHistoryForm = nullptr;
    TTimerForm* FClockEditor = nullptr;
    TClockTree* FClockTree = nullptr;
    TResultForm* FResultForm = nullptr;
    QMenu* FClockViewMenu = nullptr;
    QShortcut* FRestoreShortcut = nullptr;
    bool FActivated = false;
    bool FStoresUp = false;
};
