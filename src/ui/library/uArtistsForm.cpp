#include "ui/library/uArtistsForm.h"

#include "foundation/uFormat.h"
#include "foundation/uMsgLog.h"
#include "foundation/uPrompt.h"
#include "library/uDBMainBase.h"
#include "library/uEntityEditing.h"
#include "library/uLibraryEntities.h"
#include "library/uStatEntry.h"
#include "ui/library/uArtistDialog.h"
#include "ui/library/uArtistListModel.h"
#include "ui/library/uFindDialog.h"
#include "ui/library/uLibraryGrid.h"
#include "ui/stats/uShowStats.h"
#include "ui/uNamed.h"
#include "ui/uWindowAction.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

TArtistsForm::TArtistsForm(TDBMainBase* store, TArtistsFormUse use, QWidget* parent)
    : QDialog(parent), FStore(store), FChoosing(use == TArtistsFormUse::Choose) {
    setObjectName(QStringLiteral("ArtistsForm"));
    setWindowTitle(QStringLiteral("Wykonawcy"));
    FModel = new TArtistListModel(store, this);
    CreateActions(use);
    CreateLayout(use);
    Rerun({});
    resize(460, 600);
}

TArtistsForm::~TArtistsForm() = default;

void TArtistsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreCurrentRow(*tvArtists);
}

void TArtistsForm::CreateActions(TArtistsFormUse use) {
    acnNew = NewWindowAction(*this, QStringLiteral("Nowy"), Qt::Key_Insert, "acnNew");
    acnEdit = NewWindowAction(*this, QStringLiteral("Edytuj"), Qt::CTRL | Qt::Key_E, "acnEdit");
    acnDelete = NewWindowAction(*this, QStringLiteral("Usuń"), Qt::Key_Delete, "acnDelete");
    // Choosing a performer for a song is no occasion to delete one with all its songs.
    acnDelete->setVisible(use == TArtistsFormUse::Browse);
    acnFind = NewWindowAction(*this, QStringLiteral("Szukaj"), Qt::CTRL | Qt::Key_F, "acnFind");
    acnStats =
        NewWindowAction(*this, QStringLiteral("Statystyka"), Qt::CTRL | Qt::Key_H, "acnStats");
    connect(acnNew, &QAction::triggered, this, &TArtistsForm::AddArtist);
    connect(acnEdit, &QAction::triggered, this, &TArtistsForm::EditArtists);
    connect(acnDelete, &QAction::triggered, this, &TArtistsForm::DeleteSelected);
    connect(acnFind, &QAction::triggered, this, &TArtistsForm::Search);
    connect(acnStats, &QAction::triggered, this, &TArtistsForm::ShowArtistStats);
}

void TArtistsForm::CreateLayout(TArtistsFormUse use) {
    tbArtists = Named(new QToolBar(this), "tbArtists");
    tbArtists->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tbArtists->addActions({acnNew, acnEdit, acnDelete, acnFind, acnStats});

    tvArtists = Named(new QTableView(this), "tvArtists");
    SetUpLibraryGrid(*tvArtists, FModel, true, {acnNew, acnEdit, acnDelete, acnFind, acnStats});

    const bool browse = use == TArtistsFormUse::Browse;
    const TListFooter footer =
        AddListFooter(*this, browse ? QStringLiteral("Zamknij") : QStringLiteral("OK"), !browse);
    lblCount = footer.Count;
    btnOK = footer.OK;
    btnCancel = footer.Cancel;
    // Enter in the grid must not close the window behind the user's back.
    btnOK->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tbArtists);
    layout->addWidget(tvArtists, 1);
    layout->addLayout(footer.Row);

    connect(tvArtists, &QTableView::doubleClicked, this, [this] {
        if (acnEdit->isEnabled())
            EditArtists();
    });
    connect(tvArtists->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TArtistsForm::UpdateActions);
    connect(tvArtists->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TArtistsForm::UpdateActions);
    connect(FModel, &QAbstractItemModel::modelReset, this, &TArtistsForm::UpdateActions);
}

bool TArtistsForm::GoToName(const QString& text) {
    const int row = FModel->RowStartingWith(text);
    if (row < 0)
        return false;
    SelectRows({row});
    return true;
}

std::optional<TChosenArtist> TArtistsForm::CurrentArtist() const {
    const TArtistListRow& row = FModel->RowAt(tvArtists->currentIndex().row());
    if (row.Id == -1)
        return std::nullopt;
    return TChosenArtist{row.Id, row.Name};
}

int TArtistsForm::Count() const {
    return FModel->Count();
}

void TArtistsForm::AddArtist() {
    TArtistFields fields;
    fields.FreqGroup = DefaultArtistFreqGroup();
    TArtistDialog dialog(FStore, -1, fields, this);
    int added = -1;
    dialog.Saving = [&added](const TArtistFields& values) {
        added = NewArtist(values);
        return added != -1;
    };
    if (!DialogRunner(dialog) || added == -1)
        return;
    Rerun({added});
}

void TArtistsForm::EditArtists() {
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty())
        return;
    QList<int> ids;
    for (int row : rows)
        ids.append(FModel->RowAt(row).Id);
    const TArtistListRow first = FModel->RowAt(rows.first());
    bool saved = false;
    if (rows.size() == 1) {
        TArtistDialog dialog(FStore, first.Id,
                             {first.Name, first.Alias1, first.Alias2, first.FreqGroup}, this);
        dialog.Saving = [&saved, id = first.Id](const TArtistFields& values) {
            saved = EditArtist(id, values);
            return saved;
        };
        DialogRunner(dialog);
    } else {
        TArtistDialog dialog(static_cast<int>(ids.size()), first.FreqGroup, this);
        dialog.Saving = [&saved, &ids](const TArtistFields& values) {
            saved = SetArtistsFreqGroup(ids, values.FreqGroup);
            return saved;
        };
        DialogRunner(dialog);
    }
    if (saved)
        Rerun(ids, rows.first());
}

void TArtistsForm::DeleteSelected() {
    if (FChoosing)
        return;
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty() || !ConfirmArtistsDeletion(static_cast<int>(rows.size())))
        return;
    QList<int> ids;
    for (int row : rows)
        ids.append(FModel->RowAt(row).Id);
    bool deleted = false;
    {
        const TBusyGuard busy;
        deleted = DeleteArtists(ids);
    }
    // The list stands where the first of them was: on the artist that followed them.
    if (deleted)
        Rerun({}, rows.first());
}

void TArtistsForm::Search() {
    QString text = FLastSearch;
    if (!AskFindText(kFindArtistCaption, text, this, DialogRunner))
        return;
    FLastSearch = text;
    if (!GoToName(text))
        ShowInformation(Format(kArtistNotFound, {text}));
}

void TArtistsForm::Rerun(const QList<int>& artistIds, int fallbackRow) {
    FModel->Run();
    ShowCount();
    QList<int> rows;
    for (int id : artistIds)
        if (const int row = FModel->RowOfArtist(id); row >= 0)
            rows.append(row);
    if (rows.isEmpty() && FModel->Count() > 0)
        rows.append(std::clamp(fallbackRow, 0, FModel->Count() - 1));
    SelectRows(rows);
}

void TArtistsForm::SelectRows(const QList<int>& rows) {
    SelectGridRows(*tvArtists, rows);
    UpdateActions();
}

void TArtistsForm::ShowArtistStats() {
    const QList<int> rows = SelectedRows();
    TDBMainBase* store = FStore ? FStore : MainBase.get();
    if (rows.isEmpty() || !store)
        return;
    // The list is read when it opens; an artist deleted since (in another window, or with the
    // last of its songs) has no plays to show.
    const auto entryAt = [this, &rows](int index) -> std::optional<TStatEntry> {
        const int id = FModel->RowAt(rows[index]).Id;
        const QString name = GetArtistName(id);
        if (name.isEmpty())
            return std::nullopt;
        return TStatEntry{name, id};
    };
    TStatEntries entries;
    if (CollectStatEntries(static_cast<int>(rows.size()), entryAt, entries) && !entries.isEmpty())
        ShowStats(*store, TStatKind::Artists, entries, 0, this, StatsRunner);
}

QList<int> TArtistsForm::SelectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : tvArtists->selectionModel()->selectedRows())
        rows.append(index.row());
    // In the order of the list, whatever order they were selected in.
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TArtistsForm::ShowCount() {
    lblCount->setText(QStringLiteral("Liczba wykonawców: %1").arg(FModel->Count()));
}

void TArtistsForm::UpdateActions() {
    const bool selected = tvArtists->selectionModel()->hasSelection();
    acnEdit->setEnabled(selected);
    acnDelete->setEnabled(selected);
    acnStats->setEnabled(selected);
    acnFind->setEnabled(FModel->Count() > 0);
    btnOK->setEnabled(!FChoosing || CurrentArtist().has_value());
}

void BrowseArtists(TDBMainBase* store, QWidget* parent, const TDialogRunner& run) {
    TArtistsForm form(store, TArtistsFormUse::Browse, parent);
    if (run)
        form.DialogRunner = run;
    form.DialogRunner(form);
}

bool ChooseArtist(TDBMainBase* store, const QString& initialName, int& artistId,
                  QString& artistName, QWidget* parent, const TDialogRunner& run) {
    TArtistsForm form(store, TArtistsFormUse::Choose, parent);
    if (run)
        form.DialogRunner = run;
    form.GoToName(initialName);
    if (!form.DialogRunner(form))
        return false;
    const std::optional<TChosenArtist> chosen = form.CurrentArtist();
    if (!chosen)
        return false;
    artistId = chosen->Id;
    artistName = chosen->Name;
    return true;
}
