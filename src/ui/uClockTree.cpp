#include "ui/uClockTree.h"

#include "clocks/uClock.h"
#include "foundation/uAppPaths.h"
#include "ui/clockeditor/uAnyDelegate.h"
#include "ui/clockeditor/uClockTimeDialog.h"
#include "ui/clockeditor/uRowPropertiesDialogs.h"
#include "ui/clockeditor/uValueChooserDialog.h"
#include "ui/uClockTreeModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QString ClockPropsSection = QStringLiteral("TimerWnd/Props");

// The optional columns in the order of the menu, and which are shown on first use.
struct TColumnSwitch {
    int Column;
    const char16_t* Caption;
    bool ShownAtFirst;
};

constexpr TColumnSwitch ColumnSwitches[] = {
    {ccAtmosphere, u"&Nastrój", true}, {ccTempo, u"&Tempo", true}, {ccVocal, u"&Wokal", false},
    {ccLanguage, u"&Język", true},     {ccYears, u"&Lata", false}, {ccType, u"&Typ", false},
    {ccAnd, u"&Łącznk", false}};

constexpr int ColumnWidths[] = {100, 100, 70, 80, 80, 70, 70, 70, 70};
constexpr int MaxColumnWidth = 260;

// Whether the row is still one of the clock's: after a delete or a reload the remembered
// focus may point at a row that is gone, which must not be looked at.
bool ClockHoldsRow(const TClock& clock, const TClockObjData* row) {
    for (const auto& top : clock.Rows()) {
        if (top.get() == row)
            return true;
        for (const auto& child : top->Children)
            if (child.get() == row)
                return true;
    }
    return false;
}

QString SwitchKey(int column) {
    return QStringLiteral("Column%1").arg(column);
}

} // namespace

TClockTree::TClockTree(TClock& clock, QWidget* parent)
    : QWidget(parent), FClock(clock), FModel(new TClockTreeModel(clock, this)) {
    lblNameText = new QLabel(this);
    QFont bold = lblNameText->font();
    bold.setBold(true);
    lblNameText->setFont(bold);

    TreeClock = new QTreeView(this);
    TreeClock->setModel(FModel);
    TreeClock->setSelectionBehavior(QAbstractItemView::SelectRows);
    TreeClock->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeClock->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeClock->setUniformRowHeights(true);
    TreeClock->setAllColumnsShowFocus(true);
    TreeClock->header()->setStretchLastSection(true);
    for (int column = 0; column < int(std::size(ColumnWidths)); ++column)
        TreeClock->setColumnWidth(column, ColumnWidths[column]);

    lblCount = new QLabel(this);
    lblDuration = new QLabel(this);
    lblNameText->setObjectName(QStringLiteral("lblNameText"));
    TreeClock->setObjectName(QStringLiteral("TreeClock"));
    lblCount->setObjectName(QStringLiteral("lblCount"));
    lblDuration->setObjectName(QStringLiteral("lblDuration"));
    auto* totals = new QHBoxLayout;
    totals->setContentsMargins(4, 2, 4, 2);
    totals->addWidget(lblCount);
    totals->addSpacing(20);
    totals->addWidget(lblDuration, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    lblNameText->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(lblNameText);
    layout->addWidget(TreeClock, 1);
    layout->addLayout(totals);

    CreateViewMenu();
    connect(TreeClock->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TClockTree::StateChanged);
    connect(TreeClock->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TClockTree::StateChanged);

    CreateRowMenu();
    connect(TreeClock, &QTreeView::doubleClicked, this, [this] { EditRowProperties(); });
    TreeClock->setItemDelegateForColumn(ccAnd, new TAnyDelegate(TreeClock));
    connect(TreeClock, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { EditCell(index); });
    connect(FModel, &TClockTreeModel::RowDropped, this, [this](TClockObjData* row) {
        FocusRow(row);
        emit StateChanged();
    });

    // Every edit of the clock and every change the lists made to its rows shows them again.
    FClock.OnShowTotals = [this] { Reload(); };
    FClock.OnListsChanged = [this] { Reload(); };
    Reload();
}

TClockTree::~TClockTree() {
    FClock.OnShowTotals = nullptr;
    FClock.OnListsChanged = nullptr;
}

void TClockTree::CreateViewMenu() {
    meTimerView = new QMenu(QStringLiteral("&Widok"), this);
    const std::unique_ptr<QSettings> settings = UserSettings();
    settings->beginGroup(ClockPropsSection);
    for (const TColumnSwitch& item : ColumnSwitches) {
        QAction* action = meTimerView->addAction(QString::fromUtf16(item.Caption));
        action->setCheckable(true);
        action->setChecked(settings->value(SwitchKey(item.Column), item.ShownAtFirst).toBool());
        TreeClock->setColumnHidden(item.Column, !action->isChecked());
        connect(action, &QAction::toggled, this, [this, column = item.Column](bool shown) {
            TreeClock->setColumnHidden(column, !shown);
            SaveColumnSwitches();
        });
    }
}

void TClockTree::SaveColumnSwitches() const {
    const std::unique_ptr<QSettings> settings = UserSettings();
    settings->beginGroup(ClockPropsSection);
    for (const TColumnSwitch& item : ColumnSwitches)
        settings->setValue(SwitchKey(item.Column), !TreeClock->isColumnHidden(item.Column));
}

void TClockTree::Reload() {
    const TClockObjData* focused = FocusedRow();
    FModel->Reload();
    TreeClock->expandAll();
    FitColumns();
    if (ClockHoldsRow(FClock, focused))
        FocusRow(focused);
    lblNameText->setText(QStringLiteral("Zegar bazowy: ") +
                         (FClock.Name().isEmpty() ? QStringLiteral("Brak") : FClock.Name()));
    ShowTotals();
    emit StateChanged();
}

void TClockTree::FitColumns() {
    // Names of lists and broadcasts, and several chosen values, are longer than the columns'
    // usual widths; they are read whole, not guessed from their first letters.
    for (int column = ccName; column < int(std::size(ColumnWidths)); ++column) {
        if (column == ccTime)
            continue;
        TreeClock->resizeColumnToContents(column);
        TreeClock->setColumnWidth(
            column, qBound(ColumnWidths[column], TreeClock->columnWidth(column), MaxColumnWidth));
    }
}

void TClockTree::ShowTotals() {
    lblCount->setText(QStringLiteral("Pozycji: %1").arg(FClock.RowCount()));
    lblDuration->setText(QStringLiteral("Łączny czas pozycji: %1")
                             .arg(DurationText(FClock.ClockTotalTime()).trimmed()));
}

TClockObjData* TClockTree::FocusedRow() const {
    return FModel->RowAt(TreeClock->currentIndex());
}

void TClockTree::FocusRow(const TClockObjData* row) {
    const QModelIndex index = FModel->IndexOf(row);
    if (!index.isValid())
        return;
    TreeClock->setCurrentIndex(index);
    TreeClock->scrollTo(index);
}

bool TClockTree::CanDelete() const {
    // Only whole rows go; a broadcast's items go with their broadcast.
    const TClockObjData* row = FocusedRow();
    return row && !row->Parent && TreeClock->selectionModel()->hasSelection();
}

bool TClockTree::CanMoveUp() const {
    const TClockObjData* row = FocusedRow();
    return row && TreeClock->selectionModel()->hasSelection() && FClock.PreviousRow(row);
}

bool TClockTree::CanMoveDown() const {
    const TClockObjData* row = FocusedRow();
    return row && TreeClock->selectionModel()->hasSelection() && FClock.NextRow(row);
}

void TClockTree::DeleteRow() {
    if (!CanDelete())
        return;
    TClockObjData* row = FocusedRow();
    const int index = FClock.IndexOfRow(row);
    if (FClock.DeleteRow(row))
        FocusRow(FClock.Row(qMin(index, FClock.RowCount() - 1)));
    emit StateChanged();
}

void TClockTree::MoveUp() {
    if (CanMoveUp())
        FClock.MoveRowUp(FocusedRow());
    emit StateChanged();
}

void TClockTree::MoveDown() {
    if (CanMoveDown())
        FClock.MoveRowDown(FocusedRow());
    emit StateChanged();
}

void TClockTree::AcceptDrops(bool accepts) {
    FModel->SetAcceptsDrops(accepts);
    TreeClock->setAcceptDrops(accepts);
    TreeClock->setDragDropMode(accepts ? QAbstractItemView::DropOnly
                                       : QAbstractItemView::NoDragDrop);
    TreeClock->setDropIndicatorShown(accepts);
    TreeClock->setDefaultDropAction(Qt::CopyAction);
}

void TClockTree::SetNameLabelVisible(bool visible) {
    lblNameText->setVisible(visible);
}

// --- Cell editing

void TClockTree::SetCellsEditable(bool editable) {
    FCellsEditable = editable;
    FModel->SetCellsEditable(editable ? [this] { return CellEditingAllowed(); }
                                      : std::function<bool()>());
}

bool TClockTree::CellEditingAllowed() const {
    return FCellsEditable && (!MayEditCells || MayEditCells());
}

bool TClockTree::EditCell(const QModelIndex& index) {
    TClockObjData* row = FModel->RowAt(index);
    const int column = index.column();
    if (!row || !CellEditingAllowed() || !IsEditableCell(*row, column))
        return false;
    if (column == ccHour || column == ccTime)
        EditTime(*row, column);
    else if (IsCharColumn(column))
        EditChars(*row, column);
    else
        TreeClock->edit(index); // "Łącznik" in its drop-down
    emit StateChanged();
    return true;
}

void TClockTree::EditTime(TClockObjData& row, int column) {
    const bool hour = column == ccHour;
    const bool ticked = hour ? row.OwnHour() : row.Object()->ExTime();
    TClockTimeDialog dialog(hour ? TClockTimeDialog::TUse::Hour : TClockTimeDialog::TUse::PlayTime,
                            hour ? row.RowHour : row.RowPlayTime, ticked,
                            FClock.Mode() != cmBroadcast, this);
    if (!DialogRunner(dialog) || !dialog.Changed())
        return;
    if (hour)
        FClock.SetRowHour(&row, dialog.Seconds(), dialog.Ticked());
    else
        FClock.SetRowPlayTime(&row, dialog.Seconds(), dialog.Ticked());
}

void TClockTree::EditChars(TClockObjData& row, int column) {
    const QString text = row.CharText(column);
    // "dowolny"/"dowolne" chooses nothing.
    const QStringList chosen = text.startsWith(QLatin1String("dowoln"))
                                   ? QStringList()
                                   : text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    TValueChooserDialog dialog(FClock.OfferedValues(&row, column), chosen, this);
    if (DialogRunner(dialog) && dialog.Choice().Changed())
        FClock.SetRowChars(&row, column, dialog.Choice().Text());
}

// --- Row properties and the row pop-up menu

void TClockTree::CreateRowMenu() {
    meRow = new QMenu(this);
    meRow->setObjectName(QStringLiteral("meRow"));
    const auto add = [this](const QString& caption, const char* name, auto run) {
        QAction* action = meRow->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    acnRowUp = add(QStringLiteral("Przesuń w górę"), "acnRowUp", [this] { MoveUp(); });
    acnRowDown = add(QStringLiteral("Przesuń w dół"), "acnRowDown", [this] { MoveDown(); });
    acnRowDel = add(QStringLiteral("Usuń"), "acnRowDel", [this] { DeleteRow(); });
    acnBroadcastProperties = add(QStringLiteral("Właściwości audycji"), "acnBroadcastProperties",
                                 [this] { EditBroadcastProperties(); });
    acnReklamaOProperties =
        add(QStringLiteral("Właściwości"), "acnReklamaOProperties", [this] { EditTitle(); });
    TreeClock->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TreeClock, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        UpdateRowMenu();
        meRow->popup(TreeClock->viewport()->mapToGlobal(at));
    });
    connect(meRow, &QMenu::aboutToShow, this, &TClockTree::UpdateRowMenu);
}

void TClockTree::UpdateRowMenu() {
    const bool editable = CellEditingAllowed();
    acnRowUp->setEnabled(editable && CanMoveUp());
    acnRowDown->setEnabled(editable && CanMoveDown());
    acnRowDel->setEnabled(editable && CanDelete());
    acnBroadcastProperties->setVisible(CanEditBroadcastProperties());
    acnReklamaOProperties->setVisible(CanEditTitle());
}

bool TClockTree::CanEditBroadcastProperties() const {
    const TClockObjData* row = FocusedRow();
    return CellEditingAllowed() && row && row->IsBroadcastRow();
}

bool TClockTree::CanEditTitle() const {
    const TClockObjData* row = FocusedRow();
    return CellEditingAllowed() && row && IsAdvertBlankRow(*row);
}

bool TClockTree::EditBroadcastProperties() {
    if (!CanEditBroadcastProperties())
        return false;
    TClockObjData* row = FocusedRow();
    TBroadcastPropertiesDialog dialog(row->Object()->GetName(), TClock::BroadcastRowBegin(*row),
                                      row->RowPlayTime, this);
    if (DialogRunner(dialog))
        FClock.SetBroadcastRowLength(row, dialog.Minutes());
    emit StateChanged();
    return true;
}

bool TClockTree::EditTitle() {
    if (!CanEditTitle())
        return false;
    TClockObjData* row = FocusedRow();
    TTitleDialog dialog(row->Object()->UserInfo, this);
    if (DialogRunner(dialog))
        FClock.SetRowTitle(row, dialog.Title());
    emit StateChanged();
    return true;
}

bool TClockTree::EditRowProperties() {
    return EditBroadcastProperties() || EditTitle();
}
