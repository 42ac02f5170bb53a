#include "ui/uResultForm.h"

#include "clocks/uCategory.h"
#include "clocks/uClockObjList.h"
#include "dayplan/uDayPlayList.h"
#include "dayplan/uPlayListEdits.h"
#include "dayplan/uPositionStats.h"
#include "foundation/uDateTime.h"
#include "foundation/uPrompt.h"
#include "library/uDBMainBase.h"
#include "preview/uPlaySong.h"
#include "ui/library/uSongsViewForm.h"
#include "ui/stats/uShowStats.h"
#include "ui/uResultBlankMenu.h"
#include "ui/uResultExportDialog.h"
#include "ui/uResultItemEditForm.h"
#include "ui/uResultModel.h"
#include "ui/uResultPrint.h"

#include <QAction>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QAction* NewAction(QObject* parent, const char* name, const QString& caption, const QString& hint) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(hint);
    action->setToolTip(hint);
    return action;
}

bool IsEditKey(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool IsPlayKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_P && key.modifiers() == Qt::ControlModifier;
}

} // namespace

TResultForm::TResultForm(TDayPlayList& list, QWidget* parent)
    : QWidget(parent), FList(list), FModel(new TResultModel(list, this)),
      FTree(new QTreeView(this)) {
    setWindowTitle(QStringLiteral("Rezultat"));

    FTree->setObjectName(QStringLiteral("ResultTree"));
    FTree->setModel(FModel);
    FTree->setRootIsDecorated(false);
    FTree->setItemsExpandable(false);
    FTree->setUniformRowHeights(true);
    FTree->setAllColumnsShowFocus(true);
    FTree->setSelectionBehavior(QAbstractItemView::SelectRows);
    FTree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FTree->setContextMenuPolicy(Qt::CustomContextMenu);
    FTree->header()->setSectionsMovable(true);
    FTree->header()->setStretchLastSection(true);
    FitColumnWidths();
    FTree->installEventFilter(this);

    pnlBottom = new QWidget(this);
    pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
    auto* save = new QPushButton(QStringLiteral("Save"), pnlBottom);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), pnlBottom);
    auto* buttons = new QHBoxLayout(pnlBottom);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    connect(save, &QPushButton::clicked, this, &TResultForm::SaveToPendingPath);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FTree);
    layout->addWidget(pnlBottom);

    ExportFileChooser = [this](const QString& dir, const QString& fileName, int filterIndex) {
        return ExecExportDialog(this, dir, fileName, filterIndex);
    };
    EditWindowRunner = [](TResultItemEditForm& form) { return form.exec() == QDialog::Accepted; };
    SongPicker = [this]() -> std::optional<int> {
        if (!MainBase)
            return std::nullopt;
        const std::optional<TPickedSong> song = PickSong(*MainBase, {}, this);
        return song ? std::optional<int>(song->Id) : std::nullopt;
    };
    PrinterChooser = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };

    BuildActions();
    BuildPopup();
    FollowCategoryList();

    connect(FTree, &QTreeView::customContextMenuRequested, this, &TResultForm::ShowPopup);
    connect(FTree, &QTreeView::doubleClicked, this, [this] { EditPosition(); });
    const auto changed = [this] {
        UpdateActions();
        emit StateChanged();
    };
    connect(FTree->selectionModel(), &QItemSelectionModel::currentChanged, this, changed);
    connect(FTree->selectionModel(), &QItemSelectionModel::selectionChanged, this, changed);
    connect(FModel, &QAbstractItemModel::rowsInserted, this, changed);
    connect(FModel, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(FModel, &QAbstractItemModel::rowsMoved, this, changed);
    connect(FModel, &QAbstractItemModel::modelReset, this, changed);
    UpdateActions();
}

TResultForm::~TResultForm() {
    // The blank items live in the add menu: they go before the menu does.
    FBlankMenu.reset();
}

void TResultForm::FitColumnWidths() {
    // The usual widths, widened where this font would clip the header or a bold start time.
    constexpr int kPadding = 16;
    const QFontMetrics headerMetrics = FTree->header()->fontMetrics();
    QFont bold = FTree->font();
    bold.setBold(true);
    const int hourWidth =
        QFontMetrics(bold).horizontalAdvance(QStringLiteral("00:00:00.000")) + kPadding;
    for (int column = 0; column < TResultModel::rcColumnCount; ++column) {
        const int usual = TResultModel::ColumnWidth(column);
        if (usual <= 0)
            continue;
        const QString header = FModel->headerData(column, Qt::Horizontal).toString();
        int width = std::max(usual, headerMetrics.horizontalAdvance(header) + kPadding);
        if (column == TResultModel::rcHour)
            width = std::max(width, hourWidth);
        FTree->header()->resizeSection(column, width);
    }
}

void TResultForm::BuildActions() {
    meUp = NewAction(this, "meUp", QStringLiteral("Przesuń w &górę"),
                     QStringLiteral("Przesuń w górę"));
    meDown = NewAction(this, "meDown", QStringLiteral("&Przesuń w dół"),
                       QStringLiteral("Przesuń w dół"));
    meDel = NewAction(this, "meDel", QStringLiteral("&Usuń"), QStringLiteral("Usuń"));
    acnAddNew = NewAction(this, "acnAddNew", QStringLiteral("&Dodaj"), QStringLiteral("Dodaj"));
    acnEdit = NewAction(this, "acnEdit", QStringLiteral("&Edytuj"), QStringLiteral("Edytuj"));
    acnPlay =
        NewAction(this, "acnPlay", QStringLiteral("&Graj"), QStringLiteral("Odwarzanie utworu"));
    acnStatistic = NewAction(this, "acnStatistic", QStringLiteral("Statystyki"), QString());
    mePrint = NewAction(this, "mePrint", QStringLiteral("D&rukuj"), QString());
    // Shown in the menu; the keys themselves are taken by the tree (see eventFilter), so the
    // main window's own Ctrl+P does not make them ambiguous.
    acnEdit->setShortcut(QKeySequence(Qt::Key_Enter));
    acnPlay->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    for (QAction* action : {acnEdit, acnPlay})
        action->setShortcutContext(Qt::WidgetShortcut);
    // Shown in the menu; docked, the key is the main window's "Statystyki", which asks the
    // same of this view for the same day.
    acnStatistic->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    acnStatistic->setShortcutContext(Qt::WidgetShortcut);

    FAddMenu = new QMenu(QStringLiteral("&Dodaj"), this);
    FAddMenu->setObjectName(QStringLiteral("meAdd"));
    acnAddNew->setMenu(FAddMenu);
    neNewSong = NewAction(this, "neNewSong", QStringLiteral("Nowy utwór"), QString());
    neNewSong->setShortcut(QKeySequence(Qt::Key_Insert));
    FAddMenu->addAction(neNewSong);
    connect(neNewSong, &QAction::triggered, this, &TResultForm::InsertSong);
    FBlankMenu = std::make_unique<TResultBlankMenu>(
        *FAddMenu, [this](const TBlankCategory& blank) { InsertBlank(blank); });

    connect(meUp, &QAction::triggered, this, &TResultForm::MoveUp);
    connect(meDown, &QAction::triggered, this, &TResultForm::MoveDown);
    connect(meDel, &QAction::triggered, this, &TResultForm::DeletePosition);
    connect(acnEdit, &QAction::triggered, this, &TResultForm::EditPosition);
    connect(acnPlay, &QAction::triggered, this, &TResultForm::PlayPosition);
    connect(mePrint, &QAction::triggered, this, &TResultForm::Print);
    connect(acnStatistic, &QAction::triggered, this, [this] { ShowPositionStats(FList.ViewDate); });
}

void TResultForm::BuildPopup() {
    FPopup = new QMenu(this);
    FPopup->setObjectName(QStringLiteral("PopupMenu"));
    FUpItem = meUp;
    FDownItem = meDown;
    FDelItem = meDel;
    FPopup->addAction(meUp);
    FPopup->addAction(meDown);
    FPopup->addSeparator();
    FPopup->addAction(acnAddNew);
    FPopup->addAction(meDel);
    FPopup->addAction(acnEdit);
    FPopup->addAction(acnPlay);
    FPopup->addSeparator();
    FPopup->addAction(acnStatistic);
    FPopup->addSeparator();
    FPopup->addAction(mePrint);
}

void TResultForm::BindHostActions(QAction* up, QAction* down, QAction* del) {
    const auto replace = [this](QAction*& item, QAction* host) {
        if (!host || host == item)
            return;
        FPopup->insertAction(item, host);
        FPopup->removeAction(item);
        item = host;
    };
    replace(FUpItem, up);
    replace(FDownItem, down);
    replace(FDelItem, del);
}

void TResultForm::FollowCategoryList() {
    FBlankMenu->Attach(CategoryList.get());
}

void TResultForm::ShowPopup(const QPoint& position) {
    FollowCategoryList();
    UpdateActions();
    FPopup->popup(FTree->viewport()->mapToGlobal(position));
}

void TResultForm::UpdateActions() {
    acnEdit->setEnabled(CanEdit());
    acnPlay->setEnabled(CanEdit());
    acnAddNew->setEnabled(CanAddItem());
    acnStatistic->setEnabled(SelectedCount() > 0);
    meUp->setEnabled(CanMoveUp());
    meDown->setEnabled(CanMoveDown());
    meDel->setEnabled(CanDelete());
}

bool TResultForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FTree &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        const auto& key = static_cast<QKeyEvent&>(*event);
        const bool edit = IsEditKey(key);
        const bool play = IsPlayKey(key);
        if (edit || play) {
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept(); // the key comes to the tree as a key press
                return false;
            }
            if (edit)
                EditPosition();
            else if (CanEdit())
                PlayPosition();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TResultForm::Reload() {
    FModel->Reload();
}

void TResultForm::AddResultItem(const TResultItem& item) {
    FList.AddResultItem(item);
    FModel->ShowAppended();
}

int TResultForm::FocusedRow() const {
    const QModelIndex current = FTree->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TResultForm::FocusRow(int row) {
    if (row < 0 || row >= FModel->rowCount()) {
        FTree->selectionModel()->clear();
        return;
    }
    const QModelIndex index = FModel->index(row, 0);
    FTree->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
    FTree->scrollTo(index);
}

int TResultForm::SelectedCount() const {
    return static_cast<int>(FTree->selectionModel()->selectedRows().size());
}

bool TResultForm::IsOnlySelectedFocused() const {
    const int row = FocusedRow();
    return row >= 0 && SelectedCount() == 1 && FTree->selectionModel()->isRowSelected(row, {});
}

bool TResultForm::CanMoveUp() const {
    return IsOnlySelectedFocused() && FocusedRow() > 0;
}

bool TResultForm::CanMoveDown() const {
    return IsOnlySelectedFocused() && FocusedRow() + 1 < FModel->rowCount();
}

bool TResultForm::CanDelete() const {
    return IsOnlySelectedFocused();
}

bool TResultForm::CanAddItem() const {
    return FModel->rowCount() == 0 || FocusedRow() >= 0;
}

bool TResultForm::CanEdit() const {
    return IsOnlySelectedFocused();
}

void TResultForm::MoveUp() {
    if (const int row = FModel->MoveUp(FocusedRow()); row >= 0)
        FocusRow(row);
}

void TResultForm::MoveDown() {
    if (const int row = FModel->MoveDown(FocusedRow()); row >= 0)
        FocusRow(row);
}

void TResultForm::DeletePosition() {
    const int row = FocusedRow();
    if (row < 0 || !AskYesNo(kDeletePositionQuestion))
        return;
    FTree->setUpdatesEnabled(false);
    const int focus = FModel->Delete(row);
    FocusRow(focus);
    FTree->setUpdatesEnabled(true);
}

void TResultForm::AddItem() {
    FollowCategoryList();
    if (!CanAddItem() || FAddMenu->isEmpty())
        return;
    const int row = FocusedRow();
    const QRect rowRect = row >= 0 ? FTree->visualRect(FModel->index(row, 0)) : QRect();
    FAddMenu->popup(
        FTree->viewport()->mapToGlobal(rowRect.isValid() ? rowRect.bottomLeft() : QPoint(0, 0)));
}

void TResultForm::InsertBlank(const TBlankCategory& blank) {
    const int focused = FocusedRow();
    const int after = focused >= 0 ? focused : FModel->rowCount() - 1;
    FTree->setUpdatesEnabled(false);
    const int row = FModel->InsertAfter(after, MakeBlankPosition(blank));
    FocusRow(row);
    FTree->setUpdatesEnabled(true);
}

void TResultForm::InsertSong() {
    const std::optional<int> songId = SongPicker ? SongPicker() : std::nullopt;
    if (!songId)
        return;
    std::unique_ptr<TResultSongData> position = MakeSongPosition(*songId);
    // A song deleted meanwhile adds nothing.
    if (!position)
        return;
    const int focused = FocusedRow();
    const int after = focused >= 0 ? focused : FModel->rowCount() - 1;
    FTree->setUpdatesEnabled(false);
    const int row = FModel->InsertAfter(after, std::move(position));
    FocusRow(row);
    FTree->setUpdatesEnabled(true);
}

void TResultForm::ShowPositionStats(const QDate& day) {
    if (!MainBase || (PlanWriter && !PlanWriter()))
        return;
    QList<int> rows;
    for (const QModelIndex& index : FTree->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    std::vector<const TResultSongData*> positions;
    for (int row : rows)
        positions.push_back(FModel->PositionAt(row));
    const TPositionStatEntries entries = CollectPositionStats(positions);
    if (entries.Songs.isEmpty() && entries.Artists.isEmpty())
        return;
    ShowPlayListStats(*MainBase, entries.Songs, entries.Artists, DateToDateTime(day), this,
                      StatsRunner);
}

void TResultForm::EditPosition() {
    const int row = FocusedRow();
    const TResultSongData* position = FModel->PositionAt(row);
    if (!position)
        return;
    TResultItemEditForm form(*position, this);
    if (EditWindowRunner && EditWindowRunner(form))
        FModel->Edit(row, form.Edit());
}

void TResultForm::PlayPosition() {
    if (const TResultSongData* position = FModel->PositionAt(FocusedRow()))
        PreviewSong(*position);
}

void TResultForm::Print() {
    QPrinter printer;
    if (PrinterChooser && PrinterChooser(printer))
        PrintResultRows(*FTree, printer);
}

QString TResultForm::ChooseExportFile(const QString& dir, const QString& fileName,
                                      int filterIndex) {
    return ExportFileChooser ? ExportFileChooser(dir, fileName, filterIndex) : QString();
}

void TResultForm::SetBottomPanelVisible(bool visible) {
    pnlBottom->setVisible(visible);
}

void TResultForm::SaveToPendingPath() {
    if (!FList.PendingPath.isEmpty())
        FList.SavePlanFile(FList.PendingPath);
}
