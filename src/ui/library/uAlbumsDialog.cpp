#include "ui/library/uAlbumsDialog.h"

#include "library/uEntityEditing.h"
#include "library/uLibraryEntities.h"
#include "ui/library/uAlbumListModel.h"
#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

TAlbumsDialog::TAlbumsDialog(int artistId, int albumId, QWidget* parent)
    : QDialog(parent), FArtistId(artistId) {
    setObjectName(QStringLiteral("AlbumsDialog"));
    setWindowTitle(QStringLiteral("Albumy"));
    FModel = new TAlbumListModel(this);
    FModel->Load(artistId);

    auto* artistCaption = new QLabel(QStringLiteral("Wykonawca:"), this);
    lblArtist = Named(new QLabel(GetArtistName(artistId), this), "lblArtist");
    QFont bold = lblArtist->font();
    bold.setBold(true);
    lblArtist->setFont(bold);
    auto* artistRow = new QHBoxLayout;
    artistRow->addWidget(artistCaption);
    artistRow->addWidget(lblArtist, 1);

    tvAlbums = Named(new QTableView(this), "tvAlbums");
    tvAlbums->setModel(FModel);
    tvAlbums->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvAlbums->setSelectionMode(QAbstractItemView::SingleSelection);
    tvAlbums->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvAlbums->setAlternatingRowColors(true);
    tvAlbums->setWordWrap(false);
    tvAlbums->verticalHeader()->hide();
    tvAlbums->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tvAlbums->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tvAlbums->horizontalHeader()->setSectionResizeMode(TAlbumListModel::acTitle,
                                                       QHeaderView::Stretch);
    tvAlbums->horizontalHeader()->setSectionResizeMode(TAlbumListModel::acYear, QHeaderView::Fixed);
    tvAlbums->setColumnWidth(TAlbumListModel::acYear,
                             fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);

    edtTitle = Named(new QLineEdit(this), "edtTitle");
    edtTitle->setMaxLength(kAlbumTitleMax);
    edtYear = Named(new QLineEdit(this), "edtYear");
    static const QRegularExpression yearDigits(QStringLiteral("[0-9]{0,4}"));
    edtYear->setValidator(new QRegularExpressionValidator(yearDigits, edtYear));
    edtYear->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    auto* titleCaption = new QLabel(QStringLiteral("Tytuł:"), this);
    auto* yearCaption = new QLabel(QStringLiteral("Rok:"), this);
    titleCaption->setBuddy(edtTitle);
    yearCaption->setBuddy(edtYear);
    auto* fields = new QHBoxLayout;
    fields->addWidget(titleCaption);
    fields->addWidget(edtTitle, 1);
    fields->addWidget(yearCaption);
    fields->addWidget(edtYear);

    btnAdd = Named(new QPushButton(QStringLiteral("Dodaj"), this), "btnAdd");
    btnChange = Named(new QPushButton(QStringLiteral("Zmień"), this), "btnChange");
    btnRemove = Named(new QPushButton(QStringLiteral("Usuń"), this), "btnRemove");
    auto* edits = new QHBoxLayout;
    for (QPushButton* button : {btnAdd, btnChange, btnRemove}) {
        // Enter in a field must not close the dialog by the wrong button.
        button->setAutoDefault(false);
        edits->addWidget(button);
    }
    edits->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(artistRow);
    layout->addWidget(tvAlbums, 1);
    layout->addLayout(fields);
    layout->addLayout(edits);
    btnOK = AddOkCancelButtons(*this, *layout);

    connect(btnAdd, &QPushButton::clicked, this, &TAlbumsDialog::AddAlbum);
    connect(btnChange, &QPushButton::clicked, this, &TAlbumsDialog::ChangeAlbum);
    connect(btnRemove, &QPushButton::clicked, this, &TAlbumsDialog::RemoveAlbum);
    connect(edtTitle, &QLineEdit::textChanged, this, &TAlbumsDialog::UpdateButtons);
    connect(edtYear, &QLineEdit::textChanged, this, &TAlbumsDialog::UpdateButtons);
    connect(tvAlbums->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TAlbumsDialog::ShowSelected);
    connect(tvAlbums, &QTableView::doubleClicked, this, &TAlbumsDialog::accept);

    resize(480, 420);
    Select(FModel->RowOfAlbum(albumId));
    ShowSelected();
}

TAlbumsDialog::~TAlbumsDialog() = default;

std::optional<TChosenAlbum> TAlbumsDialog::Chosen() const {
    const int row = SelectedRow();
    if (row < 0)
        return std::nullopt;
    const TAlbumEntry& entry = FModel->EntryAt(row);
    return TChosenAlbum{entry.Id, entry.Title};
}

void TAlbumsDialog::AddAlbum() {
    if (!btnAdd->isEnabled())
        return;
    Select(FModel->Add(edtTitle->text().trimmed(), Year()));
}

void TAlbumsDialog::ChangeAlbum() {
    if (!btnChange->isEnabled())
        return;
    Select(FModel->Change(SelectedRow(), edtTitle->text().trimmed(), Year()));
}

void TAlbumsDialog::RemoveAlbum() {
    const int row = SelectedRow();
    if (row < 0)
        return;
    FModel->Remove(row);
    Select(std::min(row, FModel->Count() - 1));
}

void TAlbumsDialog::accept() {
    if (!btnOK->isEnabled() || !SaveArtistAlbums(FArtistId, FModel->Entries()))
        return;
    QDialog::accept();
}

int TAlbumsDialog::SelectedRow() const {
    const QModelIndexList rows = tvAlbums->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TAlbumsDialog::Select(int row) {
    if (row < 0 || row >= FModel->Count()) {
        tvAlbums->selectionModel()->clear();
        ShowSelected();
        return;
    }
    const QModelIndex index = FModel->index(row, TAlbumListModel::acTitle);
    tvAlbums->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
    tvAlbums->scrollTo(index);
    // Selecting the row already selected changes no selection, but the fields must show it.
    ShowSelected();
}

void TAlbumsDialog::ShowSelected() {
    const int row = SelectedRow();
    if (row >= 0) {
        const TAlbumEntry& entry = FModel->EntryAt(row);
        edtTitle->setText(entry.Title);
        edtYear->setText(entry.Year == -1 ? QString() : QString::number(entry.Year));
    }
    UpdateButtons();
}

int TAlbumsDialog::Year() const {
    const QString text = edtYear->text();
    return text.isEmpty() ? -1 : text.toInt();
}

void TAlbumsDialog::UpdateButtons() {
    const int row = SelectedRow();
    const QString title = edtTitle->text().trimmed();
    // Titles are told apart without regard to letter case, as the library finds albums.
    const bool known = !title.isEmpty() && FModel->RowOfTitle(title, row) >= 0;
    btnAdd->setEnabled(!title.isEmpty() && FModel->RowOfTitle(title) < 0);
    const TAlbumEntry& entry = FModel->EntryAt(row);
    btnChange->setEnabled(row >= 0 && !title.isEmpty() && !known &&
                          (title != entry.Title || Year() != entry.Year));
    btnRemove->setEnabled(row >= 0);
    btnOK->setEnabled(row >= 0 && FArtistId != -1);
}

bool ChooseAlbum(TDBMainBase* store, int artistId, int& albumId, QString& albumTitle,
                 QWidget* parent, const TDialogRunner& run) {
    if (!store || artistId == -1)
        return false;
    TAlbumsDialog dialog(artistId, albumId, parent);
    if (!(run ? run(dialog) : RunModalDialog(dialog)))
        return false;
    const std::optional<TChosenAlbum> chosen = dialog.Chosen();
    if (!chosen || chosen->Id == -1)
        return false;
    albumId = chosen->Id;
    albumTitle = chosen->Title;
    return true;
}
