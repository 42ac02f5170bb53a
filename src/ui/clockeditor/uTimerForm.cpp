#include "ui/clockeditor/uTimerForm.h"

#include "clocks/uClockObjList.h"
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
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString PlacementSection = QStringLiteral("TimerWnd");
constexpr int MinObjectsWidth = 150;

} // namespace

TTimerForm::TTimerForm(QWidget* parent) : TTimerForm(std::make_unique<TClock>(cmClock), parent) {}

TTimerForm::TTimerForm(std::unique_ptr<TClock> editor, QWidget* parent)
    : QMainWindow(parent), FOwnClock(std::move(editor)), FClock(FOwnClock.get()) {
    setWindowFlag(Qt::Window);
    // The broadcast window reads the rows after the editor closed.
    setAttribute(Qt::WA_DeleteOnClose, Mode() != cmBroadcast);
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
    ApplyMode();
    ShowName();
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
    acnOK = Named(new QAction(QStringLiteral("Zapisz audycję"), this), "acnOK");
    acnCatEdit = Named(new QAction(QStringLiteral("Edytuj"), this), "acnCatEdit");
    acnCatEdit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    acnCatEdit->setShortcutContext(Qt::WidgetWithChildrenShortcut);
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
    connect(acnOK, &QAction::triggered, this, &TTimerForm::AcceptBroadcast);
    connect(acnCatEdit, &QAction::triggered, this, &TTimerForm::EditSelectedObject);
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
    layout->addSpacing(12);
    layout->addWidget(CreateTimesPanel());
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
    TreeCat->addAction(acnCatEdit);
    meObjects = Named(new QMenu(TreeCat), "meObjects");
    meObjects->addAction(acnCatEdit);
    TreeCat->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TreeCat, &QWidget::customContextMenuRequested, this, [this](const QPoint& point) {
        UpdateActions();
        meObjects->popup(TreeCat->viewport()->mapToGlobal(point));
    });
    connect(TreeCat, &QListView::doubleClicked, this, &TTimerForm::EditSelectedObject);
    connect(TreeCat->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TTimerForm::UpdateActions);
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
    connect(FTree, &TClockTree::StateChanged, this, [this] {
        ShowBroadcastTimes();
        UpdateActions();
    });
    // A broadcast's rows are fixed from its begin on: before one is picked, no cell is edited.
    FTree->MayEditCells = [this] {
        return Mode() != cmBroadcast || FClock->BroadcastBegin().has_value();
    };

    splMain = Named(new QSplitter(Qt::Horizontal, central), "splMain");
    splMain->addWidget(FTree);
    splMain->addWidget(CreateObjectsPanel());
    splMain->setStretchFactor(0, 1);
    splMain->setStretchFactor(1, 0);
    splMain->setCollapsible(1, false);
    splMain->setSizes({700, 300});
    layout->addWidget(splMain, 1);
    layout->addWidget(CreateBottomPanel());
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
    acnClockSaveAs->setEnabled(editable && Mode() == cmClock);
    acnLoad->setEnabled(Mode() == cmClock);
    acnOK->setEnabled(FClock->Modified);
    btnOK->setEnabled(acnOK->isEnabled());
    const TClockObjData* focused = FTree->FocusedRow();
    const bool onBroadcastRow = focused != nullptr && focused->IsBroadcastRow();
    acnCatEdit->setEnabled(!FReadOnly && ObjectEditor && SelectedObject() != nullptr &&
                           !onBroadcastRow);
}

bool TTimerForm::AddShown() const {
    return acnAdd->isVisible();
}

bool TTimerForm::AddEnabled() const {
    return acnAdd->isEnabled();
}

void TTimerForm::Add() {
    acnAdd->trigger();
}

TBaseClockObject* TTimerForm::SelectedObject() const {
    TBaseClockObject* object = FObjects->ObjectAt(TreeCat->currentIndex());
    return object != nullptr && object->ObjType() != otBroadcast ? object : nullptr;
}

bool TTimerForm::EditSelectedObject() {
    UpdateActions();
    TBaseClockObject* object = SelectedObject();
    if (!acnCatEdit->isEnabled() || object == nullptr || !ObjectEditor(*object))
        return false;
    // The items of broadcasts follow their master at once; the file follows now, not at exit.
    if (CategoryList)
        CategoryList->SaveCategories(true);
    return true;
}

void TTimerForm::ShowCaption() {
    if (Mode() == cmBroadcast) {
        setWindowTitle(TimerBroadcastCaption);
        return;
    }
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
    if (!(Mode() == cmBroadcast ? MayCloseBroadcast() : MayClose())) {
        event->ignore();
        return;
    }
    SavePlacement();
    event->accept();
    emit Finished();
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
