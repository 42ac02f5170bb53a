#include "ui/library/uSongsViewForm.h"

#include "foundation/uFormat.h"
#include "foundation/uMsgLog.h"
#include "foundation/uPrompt.h"
#include "foundation/uTextFile.h"
#include "library/uSongData.h"
#include "library/uSongStore.h"
#include "library/uStatEntry.h"
#include "preview/uPlaySong.h"
#include "settings/uSettings.h"
#include "ui/library/uLibraryChoosers.h"
#include "ui/library/uLibraryGrid.h"
#include "ui/library/uSongListModel.h"
#include "ui/stats/uShowStats.h"
#include "ui/uNamed.h"
#include "ui/uWindowAction.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString DeleteOneQuestion = QStringLiteral("Czy na pewno chcesz usunąć ten utwór?");
const QString DeleteManyQuestion = QStringLiteral("Czy na pewno chcesz usunąć zaznaczone utwory?");
const QString FindInactive = QStringLiteral("Funkcja nie aktywna w tej wersji.");
const QString SaveTextError = QStringLiteral("Błąd podczas zapisywania pliku \"%s\". (%s)");

// Widths that show a usual performer, title and album whole.
constexpr int ColumnWidths[SongColumnCount] = {190, 210, 80, 190, 130, 150, 150, 160};

QString ChooseTextFile(QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Zapisz jako..."), QString(),
                                        QStringLiteral("Plik tekstowy (*.txt)"));
}

} // namespace

TSongsViewForm::TSongsViewForm(TDBMainBase& store, const TSongsViewUse& use, QWidget* parent)
    : QDialog(parent), FStore(store), FMultiSelect(use.MultiSelect) {
    setObjectName(QStringLiteral("SongsViewForm"));
    setWindowTitle(QStringLiteral("Utwory"));
    TextFileChooser = [this] { return ChooseTextFile(this); };
    SongWindowHooks = LibraryChoosers(&store, this);
    FModel = new TSongListModel(store, use.ExtraTable, use.Conditions, this);
    CreateActions();
    CreateLayout(use);
    FillCategories();
    ApplyFilter();
    resize(1280, 700);
}

void TSongsViewForm::CreateActions() {
    acnNew = NewWindowAction(*this, QStringLiteral("&Nowy"), Qt::Key_Insert, "acnNew");
    acnEdit = NewWindowAction(*this, QStringLiteral("&Edytuj"), Qt::CTRL | Qt::Key_E, "acnEdit");
    acnDelete = NewWindowAction(*this, QStringLiteral("&Usuń"), Qt::Key_Delete, "acnDelete");
    acnPlay = NewWindowAction(*this, QStringLiteral("&Graj"), Qt::CTRL | Qt::Key_P, "acnPlay");
    // Kept for the keys a director knows; this version has no search of its own.
    acnFind = NewWindowAction(*this, QStringLiteral("&Znajdź"), {}, "acnFind");
    acnFind->setVisible(false);
    acnSaveText = NewWindowAction(*this, QStringLiteral("Zapisz do pliku tekstowego"),
                                  Qt::CTRL | Qt::Key_S, "acnSaveText");
    acnStats = NewWindowAction(*this, QStringLiteral("Statystyka utworu"), Qt::CTRL | Qt::Key_H,
                               "acnStats");
    connect(acnNew, &QAction::triggered, this, &TSongsViewForm::NewSong);
    connect(acnEdit, &QAction::triggered, this, &TSongsViewForm::EditSongs);
    connect(acnDelete, &QAction::triggered, this, &TSongsViewForm::DeleteSongs);
    connect(acnPlay, &QAction::triggered, this, &TSongsViewForm::PlayCurrentSong);
    connect(acnFind, &QAction::triggered, this, [] { ShowInformation(FindInactive); });
    connect(acnSaveText, &QAction::triggered, this, &TSongsViewForm::SaveAsText);
    connect(acnStats, &QAction::triggered, this, &TSongsViewForm::ShowSongStats);
}

void TSongsViewForm::CreateLayout(const TSongsViewUse& use) {
    cmbFiltred = Named(new QComboBox(this), "cmbFiltred");
    for (int column = 0; column < SongColumnCount; ++column)
        cmbFiltred->addItem(SongColumnTitle(static_cast<TSongColumn>(column)), column);
    edtFilter = Named(new QLineEdit(this), "edtFilter");
    edtFilter->setMinimumWidth(220);
    // A length is typed as minutes:seconds.milliseconds.
    FTimeChars =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9:.]*")), edtFilter);
    cmbFilter = Named(new QComboBox(this), "cmbFilter");
    cmbFilter->setMinimumWidth(220);
    cmbFilter->hide();
    tbSongs = Named(new QToolBar(this), "tbSongs");
    tbSongs->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tbSongs->addActions({acnNew, acnEdit, acnDelete, acnPlay, acnStats, acnSaveText});

    auto* filterRow = new QHBoxLayout;
    auto* byLabel = new QLabel(QStringLiteral("Filtruj po:"), this);
    auto* textLabel = new QLabel(QStringLiteral("Filtr:"), this);
    byLabel->setBuddy(cmbFiltred);
    textLabel->setBuddy(edtFilter);
    filterRow->addWidget(tbSongs);
    filterRow->addStretch(1);
    filterRow->addWidget(byLabel);
    filterRow->addWidget(cmbFiltred);
    filterRow->addSpacing(12);
    filterRow->addWidget(textLabel);
    filterRow->addWidget(edtFilter);
    filterRow->addWidget(cmbFilter);

    tvSongs = Named(new QTableView(this), "tvSongs");
    SetUpLibraryGrid(*tvSongs, FModel, use.MultiSelect,
                     {acnNew, acnEdit, acnDelete, acnPlay, acnStats, acnSaveText});
    for (int column = 0; column < SongColumnCount; ++column)
        tvSongs->setColumnWidth(column, ColumnWidths[column]);
    connect(tvSongs, &QTableView::doubleClicked, this, &TSongsViewForm::EditSongs);

    const TListFooter footer = AddListFooter(
        *this, use.BrowseOnly ? QStringLiteral("Zamknij") : QStringLiteral("OK"), !use.BrowseOnly);
    lblCount = footer.Count;
    btnOK = footer.OK;
    btnCancel = footer.Cancel;
    // Enter takes the song the list stands on.
    btnOK->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(tvSongs, 1);
    layout->addLayout(footer.Row);

    connect(cmbFiltred, &QComboBox::currentIndexChanged, this, &TSongsViewForm::ColumnChosen);
    connect(edtFilter, &QLineEdit::textChanged, this, &TSongsViewForm::ApplyFilter);
    connect(cmbFilter, &QComboBox::currentIndexChanged, this, &TSongsViewForm::ApplyFilter);
    connect(tvSongs->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TSongsViewForm::UpdateActions);
    connect(tvSongs->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TSongsViewForm::UpdateActions);
    connect(FModel, &QAbstractItemModel::modelReset, this, &TSongsViewForm::UpdateActions);
}

void TSongsViewForm::FillCategories() {
    cmbFilter->addItem(QString(), -1);
    if (!Options)
        return;
    const TArSongCategories& categories = Options->Categories();
    for (int i = 0; i < categories.Count(); ++i)
        cmbFilter->addItem(categories.NameAt(i), categories.IdAt(i));
}

void TSongsViewForm::ColumnChosen() {
    const auto column = static_cast<TSongColumn>(cmbFiltred->currentData().toInt());
    const bool byCategory = column == TSongColumn::Category;
    edtFilter->setVisible(!byCategory);
    cmbFilter->setVisible(byCategory);
    edtFilter->setValidator(column == TSongColumn::Time ? FTimeChars : nullptr);
    ApplyFilter();
}

void TSongsViewForm::ApplyFilter() {
    TSongFilter filter;
    filter.Column = static_cast<TSongColumn>(cmbFiltred->currentData().toInt());
    if (filter.Column == TSongColumn::Category)
        filter.CategoryId = cmbFilter->currentData().toInt();
    else
        filter.Text = edtFilter->text();
    FModel->Run(filter);
    GoToRow(0);
    ShowCount();
}

void TSongsViewForm::SetFilter(TSongColumn column, const QString& text) {
    cmbFiltred->setCurrentIndex(static_cast<int>(column));
    edtFilter->setText(text);
}

void TSongsViewForm::SetCategoryFilter(int categoryId) {
    cmbFiltred->setCurrentIndex(static_cast<int>(TSongColumn::Category));
    cmbFilter->setCurrentIndex(std::max(cmbFilter->findData(categoryId), 0));
}

int TSongsViewForm::Count() const {
    return FModel->rowCount();
}

void TSongsViewForm::ShowCount() {
    lblCount->setText(QStringLiteral("Liczba utwrów: %1").arg(FModel->rowCount()));
}

void TSongsViewForm::GoToRow(int row) {
    if (FModel->rowCount() == 0)
        return;
    const QModelIndex index = FModel->index(std::clamp(row, 0, FModel->rowCount() - 1), 0);
    tvSongs->setCurrentIndex(index);
    tvSongs->scrollTo(index);
}

QList<int> TSongsViewForm::RowsActedOn() const {
    QList<int> rows = SelectedRows();
    if (rows.isEmpty() && tvSongs->currentIndex().isValid())
        rows.append(tvSongs->currentIndex().row());
    return rows;
}

QList<int> TSongsViewForm::SelectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : tvSongs->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TSongsViewForm::UpdateActions() {
    const qsizetype selected = SelectedRows().size();
    if (FMultiSelect) {
        acnDelete->setEnabled(selected > 0);
        acnStats->setEnabled(selected > 0);
        acnPlay->setEnabled(selected == 1);
        acnEdit->setEnabled(selected > 0);
    } else {
        const bool onRow = tvSongs->currentIndex().isValid();
        acnDelete->setEnabled(onRow);
        acnStats->setEnabled(onRow);
        acnPlay->setEnabled(onRow);
        acnEdit->setEnabled(onRow);
    }
}

std::optional<TPickedSong> TSongsViewForm::CurrentSong() const {
    const QModelIndex current = tvSongs->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    const TSongListRow& row = FModel->RowAt(current.row());
    return TPickedSong{row.SongId, row.Artist, row.Title, row.TimeMs};
}

void TSongsViewForm::NewSong() {
    int songId = -1;
    if (!::NewSong(FStore, this, songId, SongWindowHooks))
        return;
    FModel->Rerun();
    GoToRow(FModel->RowOfSong(songId));
    ShowCount();
}

void TSongsViewForm::EditSongs() {
    const QList<int> rows = RowsActedOn();
    if (rows.isEmpty())
        return;
    QList<int> songIds;
    for (int row : rows)
        songIds.append(FModel->SongIdAt(row));
    const bool written = songIds.size() == 1
                             ? EditSong(FStore, songIds.first(), this, SongWindowHooks)
                             : ::EditSongs(FStore, songIds, this, SongWindowHooks);
    if (!written)
        return;
    FModel->Rerun();
    // A new name or title may move the song in the list.
    GoToRow(FModel->RowOfSong(songIds.first()));
    ShowCount();
}

void TSongsViewForm::DeleteSongs() {
    const QList<int> rows = RowsActedOn();
    if (rows.isEmpty() || !AskYesNo(rows.size() == 1 ? DeleteOneQuestion : DeleteManyQuestion))
        return;
    const int current = tvSongs->currentIndex().row();
    {
        const TBusyGuard busy;
        for (int row : rows)
            if (!DeleteSong(FModel->SongIdAt(row)))
                break;
    }
    FModel->Rerun();
    // The row that preceded the current one.
    GoToRow(current - 1);
    ShowCount();
}

void TSongsViewForm::PlayCurrentSong() {
    const QModelIndex current = tvSongs->currentIndex();
    if (!current.isValid())
        return;
    const TSongListRow& row = FModel->RowAt(current.row());
    TBaseSong song;
    song.SongId = row.SongId;
    song.Path = row.Path;
    song.SetFileName(row.FileName);
    PreviewSong(song);
}

void TSongsViewForm::ShowSongStats() {
    const QList<int> rows = RowsActedOn();
    TStatEntries entries;
    const auto entryAt = [this, &rows](int index) -> std::optional<TStatEntry> {
        const TSongListRow& row = FModel->RowAt(rows[index]);
        return TStatEntry{row.Artist + QStringLiteral(" - ") + row.Title, row.SongId};
    };
    if (rows.isEmpty() || !CollectStatEntries(static_cast<int>(rows.size()), entryAt, entries))
        return;
    ShowStats(FStore, TStatKind::Songs, entries, 0, this, StatsRunner);
}

bool TSongsViewForm::SaveAsText() {
    const QString path = TextFileChooser();
    if (path.isEmpty())
        return false;
    QStringList lines;
    for (const TSongListRow& row : FModel->AllRows())
        lines.append(Format(QStringLiteral("%s; %s; %s; %s; %s"),
                            {row.Artist, row.Title, SongCategoryName(row.Category),
                             row.Year < 0 ? QString() : QString::number(row.Year),
                             SongTimeText(row.TimeMs)}));
    QString error;
    if (!WriteTextLines(path, lines, &error)) {
        ShowError(Format(SaveTextError, {path, error}));
        return false;
    }
    return true;
}

void BrowseSongs(TDBMainBase& store, QWidget* parent, const TDialogRunner& run) {
    TSongsViewUse use;
    use.MultiSelect = true;
    use.BrowseOnly = true;
    TSongsViewForm form(store, use, parent);
    (run ? run : RunModalDialog)(form);
}

std::optional<TPickedSong> PickSong(TDBMainBase& store, const QString& conditions, QWidget* parent,
                                    const TDialogRunner& run) {
    TSongsViewUse use;
    use.Conditions = conditions;
    TSongsViewForm form(store, use, parent);
    if (!(run ? run : RunModalDialog)(form))
        return std::nullopt;
    return form.CurrentSong();
}
