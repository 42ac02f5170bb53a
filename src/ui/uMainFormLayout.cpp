#include "dayplan/uDayLifecycle.h"
#include "ui/clockeditor/uTimerForm.h"
#include "ui/uClockTree.h"
#include "ui/uDayHistoryForm.h"
#include "ui/uMainForm.h"
#include "ui/uResultForm.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The page a docked view fills.
QWidget* NewPage(QStackedWidget* pages, const QString& name) {
    auto* page = new QWidget(pages);
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    pages->addWidget(page);
    return page;
}

void Dock(QWidget* page, QWidget* view) {
    page->layout()->addWidget(view);
}

} // namespace

QAction* TMainForm::NewAction(const char* name, const QString& caption, const QString& hint,
                              const QKeySequence& key) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    action->setShortcut(key);
    addAction(action); // shortcuts work while the action is in no visible bar or menu
    return action;
}

void TMainForm::CreateActions() {
    const QString addCaption = QStringLiteral("&Dodaj kategorię/audycję");
    acnTimerNewItem =
        NewAction("acnTimerNewItem", addCaption, QStringLiteral("Dodaj kategorię/audycję"),
                  QKeySequence(Qt::Key_Insert));
    acnTimerUp = NewAction("acnTimerUp", QStringLiteral("Przesuń w &górę"),
                           QStringLiteral("Przesuń w górę"), QKeySequence(Qt::CTRL | Qt::Key_G));
    acnTimerDown = NewAction("acnTimerDown", QStringLiteral("Przesuń w &dół"),
                             QStringLiteral("Przesuń w dół"), QKeySequence(Qt::CTRL | Qt::Key_D));
    acnTimerDelItem = NewAction("acnTimerDelItem", QStringLiteral("&Usuń"), QStringLiteral("Usuń"),
                                QKeySequence(Qt::Key_Delete));
    acnRand = NewAction("acnRand", QStringLiteral("&Generuj"), QStringLiteral("Generuj"),
                        QKeySequence(Qt::CTRL | Qt::Key_G));
    acnAccept = NewAction("acnAccept", QStringLiteral("&Zatwierdź"), QStringLiteral("Zatwierdź"),
                          QKeySequence(Qt::CTRL | Qt::Key_A));
    acnNext = NewAction("acnNext", QStringLiteral("Dzień &następny"),
                        QStringLiteral("Dzień następny"), QKeySequence(Qt::CTRL | Qt::Key_N));
    acnPrev = NewAction("acnPrev", QStringLiteral("Dzień &poprzedni"),
                        QStringLiteral("Dzień poprzedni"), QKeySequence(Qt::CTRL | Qt::Key_P));
    acnSavePlayListAsMix =
        NewAction("acnSavePlayListAsMix", QStringLiteral("Zapisz do pliku &MIX"),
                  QStringLiteral("Zapisz do pliku *.mix"), QKeySequence(Qt::CTRL | Qt::Key_S));
    acnSavePlayListAsText =
        NewAction("acnSavePlayListAsText", QStringLiteral("Zapisz do pliku &TXT"),
                  QStringLiteral("Zapisz do pliku *.txt"), QKeySequence(Qt::CTRL | Qt::Key_T));
    acnLoadClock = NewAction("acnLoadClock", QStringLiteral("&Zmień zegar"),
                             QStringLiteral("Zmień zegar"), QKeySequence(Qt::CTRL | Qt::Key_L));
    acnBack = NewAction("acnBack", QStringLiteral("&Wstecz"), QStringLiteral("Przywróć"),
                        QKeySequence(Qt::CTRL | Qt::Key_Backspace));
    // Ctrl+P stays with "Dzień poprzedni", which is always at hand; printing is in the menu.
    acnPrint =
        NewAction("acnPrint", QStringLiteral("Drukuj"), QStringLiteral("Drukuj"), QKeySequence());
    acnResetstats = NewAction("acnResetstats", QStringLiteral("Wyczyść historię"),
                              QStringLiteral("Wyczyść historię"), QKeySequence());
    acnHistory = NewAction("acnHistory", QStringLiteral("Statystyki"), QStringLiteral("Statystyki"),
                           QKeySequence(Qt::CTRL | Qt::Key_H));
    acnReport = NewAction("acnReport", QStringLiteral("&Raport dnia"),
                          QStringLiteral("Raport dnia: reguły każdej pozycji, cisza, cięcia"),
                          QKeySequence(Qt::CTRL | Qt::Key_R));
    meDBClear = NewAction("meDBClear", QStringLiteral("Wyczyść &bazę danych"),
                          QStringLiteral("Wyczyść bazę danych"), QKeySequence());
    meAbout = NewAction("meAbout", QStringLiteral("&O programie"), QStringLiteral("O programie"),
                        QKeySequence());

    QStyle* look = style();
    acnPrev->setIcon(look->standardIcon(QStyle::SP_ArrowLeft));
    acnNext->setIcon(look->standardIcon(QStyle::SP_ArrowRight));
    acnTimerUp->setIcon(look->standardIcon(QStyle::SP_ArrowUp));
    acnTimerDown->setIcon(look->standardIcon(QStyle::SP_ArrowDown));
    acnTimerDelItem->setIcon(look->standardIcon(QStyle::SP_TrashIcon));

    // An accepted day is restored with the shortcut of "Wstecz" while that action is hidden.
    FRestoreShortcut = new QShortcut(acnBack->shortcut(), this);
}

void TMainForm::CreateTopPanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(6, 4, 6, 4);
    auto* label = new QLabel(QStringLiteral("Dzień:"), panel);
    dtDate = new QDateEdit(QDate::currentDate(), panel);
    dtDate->setObjectName(QStringLiteral("dtDate"));
    dtDate->setLocale(QLocale(QLocale::Polish, QLocale::Poland));
    dtDate->setDisplayFormat(QStringLiteral("d MMMM yyyy (dddd)"));
    dtDate->setCalendarPopup(true);
    dtDate->setMinimumWidth(230);
    label->setBuddy(dtDate);

    tbNavigation = new QToolBar(QStringLiteral("Nawigacja"), panel);
    tbNavigation->setObjectName(QStringLiteral("tbNavigation"));
    tbNavigation->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tbNavigation->addAction(acnPrev);
    tbNavigation->addAction(acnNext);

    tbOperations = new QToolBar(QStringLiteral("Operacje"), panel);
    tbOperations->setObjectName(QStringLiteral("tbOperations"));
    tbOperations->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tbOperations->addAction(acnTimerNewItem);
    tbOperations->addAction(acnTimerDelItem);
    tbOperations->addAction(acnTimerUp);
    tbOperations->addAction(acnTimerDown);
    ToolSeparator1 = tbOperations->addSeparator();
    ToolSeparator1->setObjectName(QStringLiteral("ToolSeparator1"));
    tbOperations->addAction(acnLoadClock);
    tbOperations->addAction(acnRand);
    tbOperations->addAction(acnAccept);
    tbOperations->addAction(acnBack);
    ToolSeparator2 = tbOperations->addSeparator();
    ToolSeparator2->setObjectName(QStringLiteral("ToolSeparator2"));
    tbOperations->addAction(acnSavePlayListAsMix);
    tbOperations->addAction(acnSavePlayListAsText);
    tbOperations->addAction(acnHistory);
    tbOperations->addAction(acnReport);
    ToolSeparator3 = tbOperations->addSeparator();
    ToolSeparator3->setObjectName(QStringLiteral("ToolSeparator3"));
    tbOperations->addAction(acnPrint);
    // The row actions show only their icons (their hints name them), so the day's operations
    // fit beside the date on an ordinary screen.
    for (QAction* action : {acnTimerDelItem, acnTimerUp, acnTimerDown})
        if (auto* button = qobject_cast<QToolButton*>(tbOperations->widgetForAction(action)))
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);

    layout->addWidget(label);
    layout->addWidget(dtDate);
    layout->addWidget(tbNavigation);
    layout->addWidget(tbOperations, 1);
    parent->layout()->addWidget(panel);
}

void TMainForm::CreatePages() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    CreateTopPanel(central);

    Pages = new QStackedWidget(central);
    Pages->setObjectName(QStringLiteral("Pages"));
    tbHistory = NewPage(Pages, QStringLiteral("tbHistory"));
    tbFuture = NewPage(Pages, QStringLiteral("tbFuture"));
    tbPending = NewPage(Pages, QStringLiteral("tbPending"));
    tbEmpty = new QWidget(Pages);
    tbEmpty->setObjectName(QStringLiteral("tbEmpty"));
    Pages->addWidget(tbEmpty);

    auto* emptyText = new QLabel(QStringLiteral("Brak planu."), tbEmpty);
    QFont large = emptyText->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    emptyText->setFont(large);
    emptyText->setAlignment(Qt::AlignCenter);
    btnTimer = new QPushButton(QStringLiteral("Wybierz zegar"), tbEmpty);
    btnEmptyTimer = new QPushButton(QStringLiteral("Pusty zegar"), tbEmpty);
    btnTimer->setObjectName(QStringLiteral("btnTimer"));
    btnEmptyTimer->setObjectName(QStringLiteral("btnEmptyTimer"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnTimer);
    buttons->addWidget(btnEmptyTimer);
    buttons->addStretch();
    auto* emptyLayout = new QVBoxLayout(tbEmpty);
    emptyLayout->addStretch(1);
    emptyLayout->addWidget(emptyText);
    emptyLayout->addLayout(buttons);
    emptyLayout->addStretch(2);
    Pages->setCurrentWidget(tbEmpty);

    layout->addWidget(Pages, 1);
    setCentralWidget(central);
}

void TMainForm::CreateMenus() {
    meBase = menuBar()->addMenu(QStringLiteral("&Baza"));
    meBase->setObjectName(QStringLiteral("meBase"));
    QMenu* songs = meBase->addMenu(QStringLiteral("&Utwory"));
    meSongsNew = songs->addAction(QStringLiteral("&Nowy"));
    meSongsNew->setObjectName(QStringLiteral("meSongsNew"));
    meSongsBrowse = songs->addAction(QStringLiteral("&Przegladaj"));
    meSongsBrowse->setObjectName(QStringLiteral("meSongsBrowse"));
    meArtists = meBase->addAction(QStringLiteral("&Wykonawcy"));
    meArtists->setObjectName(QStringLiteral("meArtists"));
    meLabels = meBase->addAction(QStringLiteral("&Etykiety"));
    meLabels->setObjectName(QStringLiteral("meLabels"));
    QMenu* import = meBase->addMenu(QStringLiteral("&Import"));
    meOrvoDatFile = import->addAction(QStringLiteral("Plik &Orvo dat"));
    meOrvoDatFile->setObjectName(QStringLiteral("meOrvoDatFile"));

    meClock = menuBar()->addMenu(QStringLiteral("&Zegar"));
    meClock->setObjectName(QStringLiteral("meClock"));
    meBroadcasts = meClock->addAction(QStringLiteral("&Audycje"));
    meCategories = meClock->addAction(QStringLiteral("&Kategorie"));
    meBroadcasts->setObjectName(QStringLiteral("meBroadcasts"));
    meCategories->setObjectName(QStringLiteral("meCategories"));
    QMenu* clocks = meClock->addMenu(QStringLiteral("&Zegary"));
    meClockNew = clocks->addAction(QStringLiteral("&Nowy"));
    meClockEdit = clocks->addAction(QStringLiteral("&Edycja"));
    meClockView = clocks->addAction(QStringLiteral("&Oglądaj"));
    meClockNew->setObjectName(QStringLiteral("meClockNew"));
    meClockEdit->setObjectName(QStringLiteral("meClockEdit"));
    meClockView->setObjectName(QStringLiteral("meClockView"));
    meSongChars = meClock->addAction(QStringLiteral("&Charakterystyki utworów"));
    meSongChars->setObjectName(QStringLiteral("meSongChars"));

    meRestrictions = menuBar()->addMenu(QStringLiteral("Blo&kady"));
    meRestrictions->setObjectName(QStringLiteral("meRestrictions"));
    meTimeRestr = meRestrictions->addAction(QStringLiteral("Blokady &czasowe"));
    meFreqGroups = meRestrictions->addAction(QStringLiteral("Blokady c&zęstotliwościowe"));
    meLabelRestr = meRestrictions->addAction(QStringLiteral("Blokady &etykiet"));
    meTimeSeparation = meRestrictions->addAction(QStringLiteral("&Rozkład czasowy"));
    meGlobalRestr = meRestrictions->addAction(QStringLiteral("Blokady &globalne"));
    meDefaultRestr = meRestrictions->addAction(QStringLiteral("Blokady &domyślne"));
    meTimeRestr->setObjectName(QStringLiteral("meTimeRestr"));
    meFreqGroups->setObjectName(QStringLiteral("meFreqGroups"));
    meLabelRestr->setObjectName(QStringLiteral("meLabelRestr"));
    meTimeSeparation->setObjectName(QStringLiteral("meTimeSeparation"));
    meGlobalRestr->setObjectName(QStringLiteral("meGlobalRestr"));
    meDefaultRestr->setObjectName(QStringLiteral("meDefaultRestr"));

    meOperations = menuBar()->addMenu(QStringLiteral("&Operacje"));
    meOperations->setObjectName(QStringLiteral("meOperations"));
    meOperations->addAction(acnRand);
    meOperations->addAction(acnAccept);
    meOperations->addAction(acnBack);
    meOperations->addSeparator();
    meOperations->addAction(acnLoadClock);
    meOperations->addSeparator();
    meOperations->addAction(acnSavePlayListAsMix);
    meOperations->addAction(acnSavePlayListAsText);
    meOperations->addAction(acnPrint);
    meOperations->addAction(acnReport);

    meOptions = menuBar()->addMenu(QStringLiteral("&Opcje"));
    meOptions->setObjectName(QStringLiteral("meOptions"));
    meImportOpt = meOptions->addAction(QStringLiteral("&Import"));
    meImportOpt->setObjectName(QStringLiteral("meImportOpt"));
    meConfig = meOptions->addAction(QStringLiteral("&Konfiguracja"));
    meConfig->setObjectName(QStringLiteral("meConfig"));

    meTools = menuBar()->addMenu(QStringLiteral("&Narzędzia"));
    meTools->setObjectName(QStringLiteral("meTools"));
    meTools->addAction(acnResetstats);
    meTools->addAction(meDBClear);

    meHelp = menuBar()->addMenu(QStringLiteral("&Pomoc"));
    meHelp->setObjectName(QStringLiteral("meHelp"));
    meHelp->addAction(meAbout);
}

void TMainForm::CreateViews() {
    FHistoryForm = new TDayHistoryForm(tbHistory);
    Dock(tbHistory, FHistoryForm);
    // The accepted day's report from its list too, where the director reads the day.
    FHistoryForm->List()->setContextMenuPolicy(Qt::ActionsContextMenu);
    FHistoryForm->List()->addAction(acnReport);

    // The day's clock in the clock editor, docked: objects are dropped onto it and its cells are
    // edited as in a clock of its own.
    FClockEditor = new TTimerForm(FDays->DayClock(), tbFuture);
    FClockEditor->ObjectEditor = ObjectEditor();
    Dock(tbFuture, FClockEditor);
    FClockTree = &FClockEditor->Tree();
    // The docked clock's column menu joins the main menu, before "&Pomoc".
    FClockViewMenu = FClockTree->ViewMenu();
    menuBar()->insertMenu(meHelp->menuAction(), FClockViewMenu);
    FClockViewMenu->menuAction()->setVisible(false);
    connect(FClockTree, &TClockTree::StateChanged, this, &TMainForm::UpdateActions);

    FResultForm = new TResultForm(FDays->PlayList(), tbPending);
    FResultForm->SetBottomPanelVisible(false);
    Dock(tbPending, FResultForm);
    FDays->ResultView = FResultForm;
    FResultForm->PlanWriter = [this] { return SavePendingDay(); };
    FResultForm->PopupMenu()->addAction(acnReport);
    connect(FResultForm, &TResultForm::StateChanged, this, &TMainForm::UpdateActions);
}

void TMainForm::ShowAbout() {
    QMessageBox::about(this, QStringLiteral("O programie"),
                       QStringLiteral("<b>Dobieralnik</b><br>Wersja %1<br><br>"
                                      "Układanie play list stacji radiowej.")
                           .arg(QStringLiteral(DOBIERALNIK_VERSION)));
}
