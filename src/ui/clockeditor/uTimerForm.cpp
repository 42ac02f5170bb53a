#include "ui/clockeditor/uTimerForm.h"

#include "foundation/uAppPaths.h"
#include "foundation/uPrompt.h"
#include "ui/clockeditor/uAvailableObjectsModel.h"
#include "ui/clockeditor/uClockFileDialogs.h"
#include "ui/clockeditor/uTimerMessages.h"
#include "ui/uClockTree.h"
#include "ui/uNamed.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QSettings>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString PlacementSection = QStringLiteral("TimerWnd");
constexpr int MinObjectsWidth = 150;

} // namespace

TTimerForm::TTimerForm(QWidget* parent)
    : QMainWindow(parent), FOwnClock(std::make_unique<TClock>(cmClock)), FClock(FOwnClock.get()) {
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    Build();
    resize(1000, 600);
}

TTimerForm::TTimerForm(TClock& dayClock, QWidget* parent)
    : QMainWindow(parent), FClock(&dayClock), FDocked(true) {
    setWindowFlags(Qt::Widget);
    Build();
}

void TTimerForm::Build() {
    setObjectName(QStringLiteral("TimerForm"));
    CreateActions();
    CreateLayout();
    CreateMenus();
    // The tree follows the clock's edits; the available objects follow the lists as well.
    FClock->OnListsChanged = [this] { ListsChanged(); };
    if (FDocked) {
        // The day's name stands in the tree's own label; the main window has the menus.
        pnlTop->hide();
        menuBar()->hide();
        FTree->SetNameLabelVisible(true);
    }
    ShowCaption();
    UpdateActions();
}

TTimerForm::~TTimerForm() {
    // The tree looks at the clock until it is gone.
    delete FTree;
    FTree = nullptr;
    if (FClock)
        FClock->OnListsChanged = nullptr;
}

void TTimerForm::CreateActions() {
    QStyle* look = style();
    acnAdd = Named(new QAction(QStringLiteral("Dodaj"), this), "acnAdd");
    acnAdd->setVisible(false);
    acnAdd->setEnabled(false);
    acnDel =
        Named(new QAction(look->standardIcon(QStyle::SP_TrashIcon), QStringLiteral("Usuń"), this),
              "acnDel");
    acnDel->setShortcut(QKeySequence(Qt::Key_Delete));
    acnUp = Named(
        new QAction(look->standardIcon(QStyle::SP_ArrowUp), QStringLiteral("Przesuń w górę"), this),
        "acnUp");
    acnDown = Named(new QAction(look->standardIcon(QStyle::SP_ArrowDown),
                                QStringLiteral("Przesuń w dół"), this),
                    "acnDown");
    acnLoad = Named(new QAction(QStringLiteral("Otwórz"), this), "acnLoad");
    acnLoad->setShortcut(QKeySequence::Open);
    acnClockSave = Named(new QAction(QStringLiteral("Zapisz"), this), "acnClockSave");
    acnClockSave->setShortcut(QKeySequence::Save);
    acnClockSaveAs = Named(new QAction(QStringLiteral("Zapisz jako ..."), this), "acnClockSaveAs");
    // Docked, the main window's row actions have the keys.
    if (!FDocked)
        for (QAction* action : {acnDel, acnUp, acnDown, acnLoad, acnClockSave, acnClockSaveAs})
            addAction(action);

    connect(acnAdd, &QAction::triggered, this, [] { ShowError(TimerNotImplemented); });
    connect(acnDel, &QAction::triggered, this, [this] { FTree->DeleteRow(); });
    connect(acnUp, &QAction::triggered, this, [this] { FTree->MoveUp(); });
    connect(acnDown, &QAction::triggered, this, [this] { FTree->MoveDown(); });
    connect(acnLoad, &QAction::triggered, this, &TTimerForm::Open);
    connect(acnClockSave, &QAction::triggered, this, &TTimerForm::Save);
    connect(acnClockSaveAs, &QAction::triggered, this, &TTimerForm::SaveAs);
}

QWidget* TTimerForm::CreateTopPanel() {
    pnlTop = Named(new QWidget(this), "pnlTop");
    auto* layout = new QHBoxLayout(pnlTop);
    layout->setContentsMargins(6, 4, 6, 4);
    auto* label = new QLabel(QStringLiteral("Nazwa:"), pnlTop);
    edtName = Named(new QLineEdit(pnlTop), "edtName");
    edtName->setMaxLength(MaxClockNameLength);
    edtName->setMinimumWidth(260);
    label->setBuddy(edtName);
    connect(edtName, &QLineEdit::textEdited, this, [this](const QString& text) {
        FClock->SetName(text);
        FClock->Modified = true;
        UpdateActions();
    });

    tbTimer = Named(new QToolBar(QStringLiteral("Zegar"), pnlTop), "tbTimer");
    tbTimer->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (QAction* action : {acnAdd, acnDel, acnUp, acnDown})
        tbTimer->addAction(action);

    layout->addWidget(label);
    layout->addWidget(edtName);
    layout->addSpacing(12);
    layout->addWidget(tbTimer);
    layout->addStretch(1);
    return pnlTop;
}

QWidget* TTimerForm::CreateObjectsPanel() {
    pnlObjects = Named(new QWidget(this), "pnlObjects");
    auto* layout = new QVBoxLayout(pnlObjects);
    layout->setContentsMargins(4, 0, 0, 0);
    lblObjects =
        Named(new QLabel(QStringLiteral("Dostępne kategorie i audycje"), pnlObjects), "lblObjects");
    FObjects = new TAvailableObjectsModel(*FClock, this);
    TreeCat = Named(new QListView(pnlObjects), "TreeCat");
    TreeCat->setModel(FObjects);
    TreeCat->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeCat->setDragEnabled(true);
    TreeCat->setDragDropMode(QAbstractItemView::DragOnly);
    TreeCat->setDefaultDropAction(Qt::CopyAction);
    TreeCat->setMinimumWidth(MinObjectsWidth);
    layout->addWidget(lblObjects);
    layout->addWidget(TreeCat, 1);
    return pnlObjects;
}

void TTimerForm::CreateLayout() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CreateTopPanel());

    FTree = Named(new TClockTree(*FClock, central), "ClockTree");
    FTree->SetNameLabelVisible(false);
    FTree->AcceptDrops(true);
    FTree->SetCellsEditable(true);
    connect(FTree, &TClockTree::StateChanged, this, &TTimerForm::UpdateActions);

    splMain = Named(new QSplitter(Qt::Horizontal, central), "splMain");
    splMain->addWidget(FTree);
    splMain->addWidget(CreateObjectsPanel());
    splMain->setStretchFactor(0, 1);
    splMain->setStretchFactor(1, 0);
    splMain->setCollapsible(1, false);
    splMain->setSizes({700, 300});
    layout->addWidget(splMain, 1);
    setCentralWidget(central);
}

void TTimerForm::CreateMenus() {
    meFile = Named(menuBar()->addMenu(QStringLiteral("&Plik")), "meFile");
    meFile->addAction(acnLoad);
    meFile->addAction(acnClockSave);
    meFile->addAction(acnClockSaveAs);
    if (!FDocked)
        menuBar()->addMenu(FTree->ViewMenu());
}

void TTimerForm::UpdateActions() {
    const bool editable = !FReadOnly && !FDocked;
    acnDel->setEnabled(editable && FTree->CanDelete());
    acnUp->setEnabled(acnDel->isEnabled() && FTree->CanMoveUp());
    acnDown->setEnabled(acnDel->isEnabled() && FTree->CanMoveDown());
    acnClockSave->setEnabled(editable && FClock->Modified && !FFileName.isEmpty());
    acnClockSaveAs->setEnabled(editable);
}

void TTimerForm::ShowCaption() {
    const QString path = FFileDir.isEmpty() ? QString() : FFileDir + QLatin1Char('/') + FFileName;
    setWindowTitle(path.isEmpty() ? TimerClockCaption
                                  : TimerFileCaption.arg(TimerClockCaption, path));
}

void TTimerForm::ShowName() {
    edtName->setText(FClock->Name());
}

void TTimerForm::ListsChanged() {
    FTree->Reload();
    FObjects->Reload();
}

void TTimerForm::SetReadOnly(bool readOnly) {
    FReadOnly = readOnly;
    pnlTop->setVisible(!readOnly);
    pnlObjects->setVisible(!readOnly);
    FTree->AcceptDrops(!readOnly);
    FTree->SetCellsEditable(!readOnly);
    for (QAction* action : {acnDel, acnUp, acnDown, acnClockSave, acnClockSaveAs})
        action->setVisible(!readOnly);
    UpdateActions();
}

bool TTimerForm::OpenFile(const QString& path) {
    const bool whole = FClock->LoadClockFile(path);
    FClock->Modified = false;
    const QFileInfo file(path);
    FFileName = file.fileName();
    FFileDir = file.absolutePath();
    ShowName();
    FTree->Reload();
    ShowCaption();
    UpdateActions();
    return whole;
}

void TTimerForm::Open() {
    const QString path = OpenFileChooser ? OpenFileChooser() : ChooseClockToOpen(this);
    if (!path.isEmpty())
        OpenFile(path);
}

bool TTimerForm::SaveAs() {
    if (FClock->Name().isEmpty()) {
        ShowError(TimerEnterClockName);
        return false;
    }
    const QString suggested = FClock->Name() + QLatin1Char('.') + ClockFileExtension;
    const QString path =
        SaveFileChooser ? SaveFileChooser(suggested) : ChooseClockToSave(this, suggested);
    if (path.isEmpty())
        return false;
    // A clock saved under a new name is written whether or not it changed.
    if (!FClock->SaveClockFile(path, true))
        return false;
    const QFileInfo file(path);
    FFileName = file.fileName();
    FFileDir = file.absolutePath();
    // What is in the file is no unsaved change.
    FClock->Modified = false;
    ShowCaption();
    UpdateActions();
    return true;
}

bool TTimerForm::Save() {
    if (FClock->Name().isEmpty() || FFileDir.isEmpty())
        return SaveAs();
    if (!FClock->SaveClockFile(FFileDir + QLatin1Char('/') + FFileName, false))
        return false;
    FClock->Modified = false;
    UpdateActions();
    return true;
}

bool TTimerForm::MayClose() {
    if (FDocked || FReadOnly || !FClock->Modified)
        return true;
    if (!AskYesNo(TimerSaveChangesQuestion))
        return true;
    if (FClock->Name().isEmpty()) {
        ShowError(TimerEnterClockName);
        return false;
    }
    return Save();
}

void TTimerForm::closeEvent(QCloseEvent* event) {
    if (FDocked) {
        event->accept();
        return;
    }
    if (!MayClose()) {
        event->ignore();
        return;
    }
    SavePlacement();
    event->accept();
}

void TTimerForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!FPlaced && !FDocked) {
        FPlaced = true;
        RestorePlacement();
    }
}

void TTimerForm::RestorePlacement() {
    const std::unique_ptr<QSettings> settings = UserSettings();
    settings->beginGroup(PlacementSection);
    restoreGeometry(settings->value(QStringLiteral("Geometry")).toByteArray());
    restoreState(settings->value(QStringLiteral("State")).toByteArray());
    splMain->restoreState(settings->value(QStringLiteral("Splitter")).toByteArray());
}

void TTimerForm::SavePlacement() const {
    const std::unique_ptr<QSettings> settings = UserSettings();
    settings->beginGroup(PlacementSection);
    settings->setValue(QStringLiteral("Geometry"), saveGeometry());
    settings->setValue(QStringLiteral("State"), saveState());
    settings->setValue(QStringLiteral("Splitter"), splMain->saveState());
}
