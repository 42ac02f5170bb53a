#include "ui/library/uArtistDialog.h"

#include "library/uDBCollation.h"
#include "library/uLibraryEntities.h"
#include "settings/uSettings.h"
#include "ui/library/uArtistListModel.h"
#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <vector>

namespace {

// A drop-down that reads its entries only when it is first opened: a library has thousands of
// artists, and most edits never open the alias lists.
class TLazyComboBox final : public QComboBox {
public:
    using QComboBox::QComboBox;

    std::function<void()> FirstDropDown;

    void showPopup() override {
        if (FirstDropDown) {
            const std::function<void()> fill = std::move(FirstDropDown);
            FirstDropDown = nullptr;
            fill();
        }
        QComboBox::showPopup();
    }
};

// Wide enough for a usual artist name.
constexpr int NameFieldWidth = 320;

} // namespace

void FillFreqGroups(QComboBox& combo, const TArFreqGroups& freqGroups) {
    combo.clear();
    struct TGroup {
        QString Name;
        std::string Key;
        int Id;
    };
    std::vector<TGroup> groups;
    for (int i = 0; i < freqGroups.Count(); ++i) {
        const TArFreqGroup& group = freqGroups.Items(i);
        groups.push_back({group.Name, group.Name.toStdString(), group.Id});
    }
    std::stable_sort(groups.begin(), groups.end(), [](const TGroup& a, const TGroup& b) {
        return ComparePolish(a.Key, b.Key) < 0;
    });
    for (const TGroup& group : groups)
        combo.addItem(group.Name, group.Id);
}

TArtistDialog::TArtistDialog(TDBMainBase* store, int artistId, const TArtistFields& fields,
                             QWidget* parent)
    : QDialog(parent), FStore(store), FArtistId(artistId), FFreqGroup(fields.FreqGroup) {
    setObjectName(QStringLiteral("ArtistDialog"));
    setWindowTitle(QStringLiteral("Wykonawca"));
    auto* grid = new QGridLayout;
    auto* nameLabel = new QLabel(QStringLiteral("Wykonawca:"), this);
    edtName = Named(new QLineEdit(fields.Name, this), "edtName");
    edtName->setMaxLength(kArtistNameMax);
    edtName->setMinimumWidth(NameFieldWidth);
    nameLabel->setBuddy(edtName);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(edtName, 0, 1);
    AddAliasRow(*grid, "chkAlias1", "cmbAlias1", QStringLiteral("Alias 1:"), fields.Alias1,
                chkAlias1, cmbAlias1, FAlias1Artists);
    AddAliasRow(*grid, "chkAlias2", "cmbAlias2", QStringLiteral("Alias 2:"), fields.Alias2,
                chkAlias2, cmbAlias2, FAlias2Artists);
    AddGroupRow(*grid, fields.FreqGroup);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    btnOK = AddOkCancelButtons(*this, *layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(edtName, &QLineEdit::textChanged, this, &TArtistDialog::UpdateButtons);
    UpdateButtons();
    edtName->setFocus();
}

TArtistDialog::TArtistDialog(int artistCount, int freqGroup, QWidget* parent)
    : QDialog(parent), FSeveral(true), FFreqGroup(freqGroup) {
    setObjectName(QStringLiteral("ArtistDialog"));
    setWindowTitle(QStringLiteral("Wykonawcy"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Liczba wykonawców:"), this), 0, 0);
    lblCount = Named(new QLabel(QString::number(artistCount), this), "lblCount");
    grid->addWidget(lblCount, 0, 1);
    AddGroupRow(*grid, freqGroup);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    btnOK = AddOkCancelButtons(*this, *layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    UpdateButtons();
}

TArtistDialog::~TArtistDialog() = default;

void TArtistDialog::AddAliasRow(QGridLayout& grid, const char* checkName, const char* comboName,
                                const QString& caption, int aliasId, QCheckBox*& check,
                                QComboBox*& combo, TArtistListModel*& list) {
    check = Named(new QCheckBox(caption, this), checkName);
    auto* lazy = Named(new TLazyComboBox(this), comboName);
    combo = lazy;
    list = new TArtistListModel(FStore, this);
    // Until the list is opened it holds only the alias itself, so the field shows it.
    list->Preset(aliasId, aliasId == -1 ? QString() : GetArtistName(aliasId));
    lazy->setModel(list);
    lazy->setCurrentIndex(list->RowOfArtist(aliasId));
    lazy->setMinimumWidth(NameFieldWidth);
    lazy->setMaxVisibleItems(20);
    TArtistListModel* artists = list;
    lazy->FirstDropDown = [this, lazy, artists] {
        const int shown = artists->RowAt(lazy->currentIndex()).Id;
        artists->Run(FArtistId);
        lazy->setCurrentIndex(artists->RowOfArtist(shown));
    };
    check->setChecked(aliasId != -1);
    lazy->setEnabled(aliasId != -1);
    connect(check, &QCheckBox::toggled, lazy, &QComboBox::setEnabled);
    const int row = grid.rowCount();
    grid.addWidget(check, row, 0);
    grid.addWidget(lazy, row, 1);
}

void TArtistDialog::AddGroupRow(QGridLayout& grid, int freqGroup) {
    chkFreqGroup =
        Named(new QCheckBox(QStringLiteral("Blokada częstotliwości:"), this), "chkFreqGroup");
    cmbFreqGroup = Named(new QComboBox(this), "cmbFreqGroup");
    cmbFreqGroup->setMinimumWidth(NameFieldWidth);
    // Group names say what the group does and run long; none is to be cut.
    cmbFreqGroup->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    if (FreqGroups)
        FillFreqGroups(*cmbFreqGroup, *FreqGroups);
    cmbFreqGroup->setCurrentIndex(freqGroup == -1 ? -1 : cmbFreqGroup->findData(freqGroup));
    chkFreqGroup->setChecked(freqGroup != -1);
    cmbFreqGroup->setEnabled(freqGroup != -1);
    connect(chkFreqGroup, &QCheckBox::toggled, cmbFreqGroup, &QComboBox::setEnabled);
    const int row = grid.rowCount();
    grid.addWidget(chkFreqGroup, row, 0);
    grid.addWidget(cmbFreqGroup, row, 1);
}

int TArtistDialog::AliasOf(const QCheckBox* check, const QComboBox* combo,
                           const TArtistListModel* list) const {
    if (!check || !check->isChecked())
        return -1;
    return list->RowAt(combo->currentIndex()).Id;
}

TArtistFields TArtistDialog::Fields() const {
    TArtistFields fields;
    if (!FSeveral) {
        // Spaces around a name would make a second artist of the same name.
        fields.Name = edtName->text().trimmed();
        fields.Alias1 = AliasOf(chkAlias1, cmbAlias1, FAlias1Artists);
        fields.Alias2 = AliasOf(chkAlias2, cmbAlias2, FAlias2Artists);
    }
    if (chkFreqGroup->isChecked())
        fields.FreqGroup =
            cmbFreqGroup->currentIndex() < 0 ? FFreqGroup : cmbFreqGroup->currentData().toInt();
    return fields;
}

void TArtistDialog::accept() {
    if (!btnOK->isEnabled())
        return;
    if (Saving && !Saving(Fields()))
        return;
    QDialog::accept();
}

void TArtistDialog::UpdateButtons() {
    btnOK->setEnabled(FSeveral || !edtName->text().trimmed().isEmpty());
}
