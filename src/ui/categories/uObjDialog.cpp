#include "ui/categories/uObjDialog.h"

#include "clocks/uCategoryEditing.h"
#include "clocks/uClockObjList.h"
#include "clocks/uObjDialogModel.h"
#include "generator/uSongsFilter.h"
#include "library/uStoreErrors.h"
#include "settings/uSettings.h"
#include "ui/categories/uLabelChooserDialog.h"
#include "ui/categories/uSongLinesModel.h"
#include "ui/clockeditor/uValueChooserDialog.h"
#include "ui/library/uSongsViewForm.h"
#include "ui/uMaskedDigits.h"
#include "ui/uNamed.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <exception>

namespace {

// "Czas:" is HH:MM:SS; minutes and seconds take only 0-5 in their tens place.
class TPlayTimeValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        return AtMost(input, 3, 5) && AtMost(input, 6, 5) ? Acceptable : Invalid;
    }
};

// The objectNames of the boxes of the characteristics frame: check box, text, chooser.
struct TBoxNames {
    const char* Check;
    const char* Text;
    const char* Chooser;
};
constexpr TBoxNames BoxNames[] = {
    {"chbType", "edtType", "btnType"},
    {"chbAtmosphere", "edtAtmosphere", "btnAtmosphere"},
    {"chbTempo", "edtTempo", "btnTempo"},
    {"chbVocal", "edtVocal", "btnVocal"},
    {"chbLanguage", "edtLanguage", "btnLanguage"},
    {"chbYears", "edtYears", "btnYears"},
    {"chbLab1", "edtLab1", "btnLab1"},
    {"chbLab2", "edtLab2", "btnLab2"},
};

const QString SepEnbNames[] = {QStringLiteral("Włączony"), QStringLiteral("Wyłączony"),
                               QStringLiteral("Domyślnie")};

// Texts are kept with Windows line ends; the controls show plain ones.
QString ShownText(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The lines of a plain text as a memo has them: no lines for no text, and a line break at
// the very end starts no further line.
QStringList MemoLines(const QString& text) {
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void SetTextQuietly(QLineEdit* edit, const QString& text) {
    // Setting the text again would move the cursor of someone typing in it.
    if (edit->text() == text)
        return;
    const QSignalBlocker quiet(edit);
    edit->setText(text);
}

void SetChecked(QCheckBox* box, bool checked) {
    const QSignalBlocker quiet(box);
    box->setChecked(checked);
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TObjDialog::TObjDialog(TObjDialogModel& model, const TClockObjList& list, TDBMainBase* store,
                       QWidget* parent)
    : QDialog(parent), FModel(model), FList(list), FLibrary(store) {
    setObjectName(QStringLiteral("ObjDialog"));
    setWindowTitle(FModel.IsNew() ? QStringLiteral("Nowa kategoria") : FModel.Name());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    btnOK = Named(buttons->button(QDialogButtonBox::Ok), "btnOK");
    Named(buttons->button(QDialogButtonBox::Cancel), "btnCancel")
        ->setText(QStringLiteral("Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TObjDialog::TryAccept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateCommonPanel());
    layout->addWidget(CreateCharsFrame(), 1);
    layout->addWidget(CreateSongsPanel(), 1);
    layout->addWidget(CreateInfoPanel(), 1);
    layout->addWidget(buttons);
    Connect();
    ShowModel();
    resize(560, 620);
}

// --- Building

QWidget* TObjDialog::CreateCommonPanel() {
    auto* panel = new QWidget(this);
    cmbKind = Named(new QComboBox(panel), "cmbKind");
    for (TObjKind kind : SelectableObjKinds)
        cmbKind->addItem(ObjKindName(kind), int(kind));
    edtKind = Named(new QLineEdit(panel), "edtKind");
    edtKind->setReadOnly(true);
    // The kind of an object being edited is shown, not offered for typing.
    edtKind->setFrame(false);
    QPalette plain = edtKind->palette();
    plain.setColor(QPalette::Base, plain.color(QPalette::Window));
    edtKind->setPalette(plain);
    lblDescription = Named(new QLabel(panel), "lblDescription");
    lblDescription->setWordWrap(true);
    lblDescription->setMinimumHeight(fontMetrics().lineSpacing() * 3);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescription->setFrameShape(QFrame::StyledPanel);
    lblDescription->setMargin(4);
    edtName = Named(new QLineEdit(panel), "edtName");
    cmbSCat = Named(new QComboBox(panel), "cmbSCat");
    cmbSCat->setMinimumContentsLength(20);
    edtTime = Named(new QLineEdit(panel), "edtTime");
    edtTime->setInputMask(QStringLiteral("99:99:99;0"));
    edtTime->setValidator(new TPlayTimeValidator(edtTime));
    edtTime->setMaximumWidth(edtTime->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) +
                             24);
    chbExTime = Named(new QCheckBox(QStringLiteral("Dokładny czas"), panel), "chbExTime");
    cmbSepEnb = Named(new QComboBox(panel), "cmbSepEnb");
    for (const QString& name : SepEnbNames)
        cmbSepEnb->addItem(name);
    chbRest = Named(new QCheckBox(QStringLiteral("Nie uwzględniaj blokad"), panel), "chbRest");
    chbHPrior = Named(new QCheckBox(QStringLiteral("Wysoki priorytet"), panel), "chbHPrior");

    auto* kind = new QHBoxLayout;
    kind->setContentsMargins(0, 0, 0, 0);
    kind->addWidget(cmbKind, 1);
    kind->addWidget(edtKind, 1);
    auto* time = new QHBoxLayout;
    time->setContentsMargins(0, 0, 0, 0);
    time->addWidget(edtTime);
    time->addSpacing(12);
    time->addWidget(chbExTime);
    time->addStretch(1);
    auto* sepEnb = new QHBoxLayout;
    sepEnb->setContentsMargins(0, 0, 0, 0);
    lblSepEnb =
        Named(BuddyLabel(QStringLiteral("Rozkład czasowy:"), cmbSepEnb, panel), "lblSepEnb");
    sepEnb->addWidget(lblSepEnb);
    sepEnb->addWidget(cmbSepEnb);
    sepEnb->addStretch(1);
    auto* ticks = new QHBoxLayout;
    ticks->setContentsMargins(0, 0, 0, 0);
    // No fixed gap: a blank hides the first box and the second moves up to its place.
    ticks->setSpacing(18);
    ticks->addWidget(chbRest);
    ticks->addWidget(chbHPrior);
    ticks->addStretch(1);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(BuddyLabel(QStringLiteral("Typ:"), cmbKind, panel), 0, 0);
    grid->addLayout(kind, 0, 1);
    grid->addWidget(lblDescription, 1, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("Nazwa:"), edtName, panel), 2, 0);
    grid->addWidget(edtName, 2, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("Kategoria nagrania:"), cmbSCat, panel), 3, 0);
    grid->addWidget(cmbSCat, 3, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("Czas:"), edtTime, panel), 4, 0);
    grid->addLayout(time, 4, 1);
    grid->addLayout(ticks, 5, 1);
    grid->addLayout(sepEnb, 6, 1);
    grid->setColumnStretch(1, 1);
    return panel;
}

QGroupBox* TObjDialog::CreateCharsFrame() {
    gbChars = Named(new QGroupBox(QStringLiteral("Charakterystyka"), this), "gbChars");
    auto* grid = new QGridLayout;
    for (int box = 0; box < BoxCount; ++box) {
        const QString caption = box < LabelBoxBase
                                    ? CharKindCaption(box)
                                    : QStringLiteral("Etykieta %1").arg(box - LabelBoxBase + 1);
        TBoxControls& controls = FBoxes[box];
        controls.Check = Named(new QCheckBox(caption, gbChars), BoxNames[box].Check);
        controls.Text = Named(new QLineEdit(gbChars), BoxNames[box].Text);
        // Values are picked, never typed: a typed name could match no value.
        controls.Text->setReadOnly(true);
        controls.Text->installEventFilter(this);
        controls.Chooser = Named(new QToolButton(gbChars), BoxNames[box].Chooser);
        controls.Chooser->setText(QStringLiteral("..."));
        // A gap between the characteristics and the labels.
        const int row = box < LabelBoxBase ? box : box + 1;
        grid->addWidget(controls.Check, row, 0);
        grid->addWidget(controls.Text, row, 1);
        grid->addWidget(controls.Chooser, row, 2);
    }
    grid->setRowMinimumHeight(LabelBoxBase, 6);
    grid->setColumnStretch(1, 1);

    rbAll =
        Named(new QRadioButton(QStringLiteral("Wszystkie warunki spełnione"), gbChars), "rbAll");
    rbAny =
        Named(new QRadioButton(QStringLiteral("Dowolny z waruków spełniony"), gbChars), "rbAny");
    auto* conditions = new QButtonGroup(gbChars);
    conditions->addButton(rbAll);
    conditions->addButton(rbAny);
    btnTest = Named(new QPushButton(QStringLiteral("Test"), gbChars), "btnTest");

    auto* bottom = new QHBoxLayout;
    auto* choice = new QVBoxLayout;
    choice->addWidget(rbAll);
    choice->addWidget(rbAny);
    bottom->addLayout(choice);
    bottom->addStretch(1);
    bottom->addWidget(btnTest, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(gbChars);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(bottom);
    layout->addStretch(1);
    return gbChars;
}

QWidget* TObjDialog::CreateSongsPanel() {
    pnlSongs = Named(new QWidget(this), "pnlSongs");
    FSongs = new TSongLinesModel(
        [this] {
            QList<TSongLine> lines;
            for (int id : FModel.Songs())
                lines.append(FLibrary.Song(id));
            return lines;
        },
        false, this);
    tvSongs = Named(new QTableView(pnlSongs), "tvSongs");
    tvSongs->setModel(FSongs);
    tvSongs->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvSongs->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tvSongs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvSongs->setWordWrap(false);
    tvSongs->verticalHeader()->hide();
    tvSongs->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tvSongs->horizontalHeader()->resizeSection(TSongLinesModel::scArtist, 200);
    tvSongs->horizontalHeader()->setStretchLastSection(true);

    btnAddSong = Named(new QPushButton(QStringLiteral("Dodaj utwór"), pnlSongs), "btnAddSong");
    btnRemoveSongs = Named(new QPushButton(QStringLiteral("Usuń"), pnlSongs), "btnRemoveSongs");
    btnSongUp = Named(new QPushButton(QStringLiteral("Przesuń w górę"), pnlSongs), "btnSongUp");
    btnSongDown = Named(new QPushButton(QStringLiteral("Przesuń w dół"), pnlSongs), "btnSongDown");
    lblSongCount = Named(new QLabel(pnlSongs), "lblSongCount");
    lblMeanTime = Named(new QLabel(pnlSongs), "lblMeanTime");
    chbRepList =
        Named(new QCheckBox(QStringLiteral("Zachowaj pełne cykle"), pnlSongs), "chbRepList");
    chbRndList = Named(new QCheckBox(QStringLiteral("Rozkład losowy"), pnlSongs), "chbRndList");

    auto* side = new QVBoxLayout;
    for (QPushButton* button : {btnAddSong, btnRemoveSongs, btnSongUp, btnSongDown})
        side->addWidget(button);
    side->addStretch(1);
    auto* list = new QHBoxLayout;
    list->addWidget(tvSongs, 1);
    list->addLayout(side);
    auto* totals = new QHBoxLayout;
    totals->addWidget(new QLabel(QStringLiteral("Ilość:"), pnlSongs));
    totals->addWidget(lblSongCount);
    totals->addSpacing(24);
    totals->addWidget(new QLabel(QStringLiteral("Średni czas:"), pnlSongs));
    totals->addWidget(lblMeanTime);
    totals->addStretch(1);
    auto* order = new QHBoxLayout;
    order->addWidget(chbRepList);
    order->addSpacing(12);
    order->addWidget(chbRndList);
    order->addStretch(1);

    auto* layout = new QVBoxLayout(pnlSongs);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Utwory"), pnlSongs));
    layout->addLayout(list, 1);
    layout->addLayout(totals);
    layout->addLayout(order);
    return pnlSongs;
}

QWidget* TObjDialog::CreateInfoPanel() {
    pnlInfo = Named(new QWidget(this), "pnlInfo");
    memInfo = Named(new QPlainTextEdit(pnlInfo), "memInfo");
    auto* layout = new QVBoxLayout(pnlInfo);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(BuddyLabel(QStringLiteral("Informacja:"), memInfo, pnlInfo));
    layout->addWidget(memInfo, 1);
    return pnlInfo;
}

void TObjDialog::Connect() {
    connect(cmbKind, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        FModel.SelectKind(static_cast<TObjKind>(cmbKind->itemData(index).toInt()));
        ShowModel();
    });
    connect(edtName, &QLineEdit::textChanged, this, [this](const QString& text) {
        FModel.SetName(text);
        btnOK->setEnabled(FModel.CanAccept());
    });
    connect(cmbSCat, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        FModel.SetSCat(cmbSCat->itemData(index).toInt());
        ShowModel();
    });
    connect(chbRest, &QCheckBox::clicked, this,
            [this](bool checked) { FModel.ClickRest(checked); });
    connect(chbHPrior, &QCheckBox::clicked, this,
            [this](bool checked) { FModel.ClickHPrior(checked); });
    connect(cmbSepEnb, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            FModel.SetSepEnb(static_cast<quint8>(index));
    });
    // The shown text: text() leaves out the mask's blanks, which are zeros here.
    connect(edtTime, &QLineEdit::textChanged, this,
            [this] { FModel.SetPlayTimeText(edtTime->displayText()); });
    connect(chbExTime, &QCheckBox::toggled, this,
            [this](bool checked) { FModel.SetExTime(checked); });

    for (int box = 0; box < BoxCount; ++box) {
        connect(FBoxes[box].Check, &QCheckBox::toggled, this,
                [this, box](bool checked) { BoxTicked(box, checked); });
        connect(FBoxes[box].Chooser, &QToolButton::clicked, this,
                [this, box] { ChooseBoxText(box); });
    }
    connect(rbAll, &QRadioButton::toggled, this,
            [this](bool checked) { FModel.SetAllConditions(checked); });
    connect(btnTest, &QPushButton::clicked, this, &TObjDialog::RunTest);

    connect(btnAddSong, &QPushButton::clicked, this, &TObjDialog::AddSong);
    connect(btnRemoveSongs, &QPushButton::clicked, this, &TObjDialog::RemoveSongs);
    connect(btnSongUp, &QPushButton::clicked, this, [this] { MoveSong(true); });
    connect(btnSongDown, &QPushButton::clicked, this, [this] { MoveSong(false); });
    connect(tvSongs->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TObjDialog::UpdateSongButtons);
    connect(chbRepList, &QCheckBox::toggled, this,
            [this](bool checked) { FModel.SetRepList(checked); });
    connect(chbRndList, &QCheckBox::toggled, this, [this](bool checked) {
        FModel.SetRndList(checked);
        // The separation schedule applies to a list only in random order.
        ShowModel();
    });
    connect(memInfo, &QPlainTextEdit::textChanged, this, &TObjDialog::InfoEdited);
}

void TObjDialog::SetNameEditable(bool editable) {
    FNameEditable = editable;
    ShowModel();
}

// --- Showing the model

void TObjDialog::ShowModel() {
    const bool isNew = FModel.IsNew();
    cmbKind->setVisible(isNew);
    edtKind->setVisible(!isNew);
    {
        const QSignalBlocker quiet(cmbKind);
        cmbKind->setCurrentIndex(cmbKind->findData(int(FModel.Kind())));
    }
    edtKind->setText(FModel.KindName());
    lblDescription->setText(ShownText(FModel.KindDescription()));

    SetTextQuietly(edtName, FModel.Name());
    edtName->setEnabled(FModel.CanEditName() && FNameEditable);
    ShowSongCategories();

    SetChecked(chbRest, FModel.Rest());
    chbRest->setVisible(FModel.RestVisible());
    SetChecked(chbHPrior, FModel.HPrior());
    {
        const QSignalBlocker quiet(cmbSepEnb);
        cmbSepEnb->setCurrentIndex(FModel.SepEnb());
    }
    lblSepEnb->setVisible(FModel.SepEnbVisible());
    cmbSepEnb->setVisible(FModel.SepEnbVisible());
    cmbSepEnb->setEnabled(FModel.SepEnbEnabled());
    if (edtTime->displayText() != FModel.PlayTimeText()) {
        const QSignalBlocker quiet(edtTime);
        edtTime->setText(FModel.PlayTimeText());
    }
    SetChecked(chbExTime, FModel.ExTime());
    chbExTime->setVisible(FModel.ExTimeVisible());

    gbChars->setVisible(FModel.CharsFrameVisible());
    ShowBoxes();
    {
        const QSignalBlocker quietAll(rbAll);
        const QSignalBlocker quietAny(rbAny);
        rbAll->setChecked(FModel.AllConditions());
        rbAny->setChecked(!FModel.AllConditions());
    }
    btnTest->setEnabled(FLibrary.HasStore());

    pnlSongs->setVisible(FModel.SongListVisible());
    SetChecked(chbRepList, FModel.RepList());
    SetChecked(chbRndList, FModel.RndList());
    ShowSongs();

    pnlInfo->setVisible(FModel.InfoVisible());
    const QString info = FModel.InfoLines().join(QLatin1Char('\n'));
    if (memInfo->toPlainText() != info) {
        const QSignalBlocker quiet(memInfo);
        memInfo->setPlainText(info);
    }
    memInfo->setReadOnly(!FModel.CanEditInfo());

    btnOK->setEnabled(FModel.CanAccept());
}

void TObjDialog::ShowSongCategories() {
    const QSignalBlocker quiet(cmbSCat);
    cmbSCat->clear();
    for (const TCategoryEntry& entry : FModel.SongCategories())
        cmbSCat->addItem(entry.Name, entry.Id);
    // An object may draw from a category the settings no longer attribute to its kind: it is
    // still shown as it is.
    if (FModel.SCat() >= 0 && cmbSCat->findData(FModel.SCat()) < 0) {
        const QString name = Options ? Options->Categories().NameById(FModel.SCat()) : QString();
        cmbSCat->addItem(name.isEmpty() ? QString::number(FModel.SCat()) : name, FModel.SCat());
    }
    cmbSCat->setCurrentIndex(cmbSCat->findData(FModel.SCat()));
    cmbSCat->setEnabled(FModel.CanEditSCat());
}

void TObjDialog::ShowBoxes() {
    for (int box = 0; box < BoxCount; ++box) {
        const TFilterBox& value =
            box < LabelBoxBase ? FModel.CharBox(box) : FModel.LabelBox(box - LabelBoxBase);
        TBoxControls& controls = FBoxes[box];
        SetChecked(controls.Check, value.Ticked);
        SetTextQuietly(controls.Text, value.Text);
        controls.Text->setEnabled(value.Ticked);
        // Labels are picked from the library: without one there is nothing to pick.
        controls.Chooser->setEnabled(value.Ticked && (box < LabelBoxBase || FLibrary.HasStore()));
    }
}

void TObjDialog::ShowSongs() {
    // Read again only when the songs changed, so a selection survives other changes.
    if (FSongs->SongIds() != FModel.Songs())
        FSongs->Reload();
    lblSongCount->setText(QString::number(FModel.Songs().size()));
    lblMeanTime->setText(FLibrary.MeanTimeText(FModel.Songs()));
    UpdateSongButtons();
}

void TObjDialog::UpdateSongButtons() {
    btnAddSong->setEnabled(FLibrary.HasStore() && FModel.SCat() >= 0);
    const QList<int> rows = SelectedSongRows();
    btnRemoveSongs->setEnabled(!rows.isEmpty());
    const bool single = rows.size() == 1;
    btnSongUp->setEnabled(single && rows.first() > 0);
    btnSongDown->setEnabled(single && rows.first() + 1 < FModel.Songs().size());
}

// --- The characteristics frame

void TObjDialog::BoxTicked(int box, bool ticked) {
    if (box < LabelBoxBase) {
        FModel.SetCharBox(box, {ticked, FModel.CharBox(box).Text});
    } else {
        const int label = box - LabelBoxBase;
        FModel.SetLabelBox(label, {ticked, FModel.LabelBox(label).Text});
    }
    ShowBoxes();
}

void TObjDialog::ChooseBoxText(int box) {
    if (box < LabelBoxBase) {
        QStringList offered;
        if (Options != nullptr)
            if (const TCharValueList* values = Options->CharValues(box))
                for (const TCharValue& value : *values)
                    offered.append(value.Text);
        const QString text = FModel.CharBox(box).Text;
        QStringList chosen;
        for (const QString& name : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
            chosen.append(name.trimmed());
        TValueChooserDialog dialog(offered, chosen, this);
        if (DialogRunner(dialog) && dialog.Choice().Changed())
            FModel.SetCharBox(box, {FModel.CharBox(box).Ticked, dialog.Choice().Text()});
    } else {
        const int label = box - LabelBoxBase;
        TLabelChooserDialog dialog(FLibrary.LabelNames(), FModel.LabelBox(label).Text, this);
        if (DialogRunner(dialog) && !dialog.Chosen().isEmpty())
            FModel.SetLabelBox(label, {FModel.LabelBox(label).Ticked, dialog.Chosen()});
    }
    ShowBoxes();
}

bool TObjDialog::eventFilter(QObject* watched, QEvent* event) {
    // A double click on a text opens its chooser, as its button does.
    if (event->type() == QEvent::MouseButtonDblClick)
        for (int box = 0; box < BoxCount; ++box)
            if (watched == FBoxes[box].Text && FBoxes[box].Chooser->isEnabled()) {
                ChooseBoxText(box);
                return true;
            }
    return QDialog::eventFilter(watched, event);
}

void TObjDialog::RunTest() {
    if (!FLibrary.HasStore())
        return;
    TSongsFilter filter;
    filter.SetFilter(FModel.FrameProperties(), FModel.SCat());
    QString conditions;
    try {
        conditions = filter.GetWhere();
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
        return;
    }
    // The characteristics and labels are conditions on the songs' cue rows.
    const QString extraTable = filter.NoConditions ? QString() : QStringLiteral(", DatSongs");
    // The song browser, only to look at what the settings select.
    TSongsViewUse use;
    use.BrowseOnly = true;
    use.ExtraTable = extraTable;
    use.Conditions = conditions;
    TSongsViewForm browser(*FLibrary.Store(), use, this);
    DialogRunner(browser);
}

// --- The song list

QList<int> TObjDialog::SelectedSongRows() const {
    QList<int> rows;
    for (const QModelIndex& index : tvSongs->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TObjDialog::SelectSong(int row) {
    tvSongs->selectionModel()->clearSelection();
    if (row < 0 || row >= FSongs->rowCount())
        return;
    const QModelIndex index = FSongs->index(row, 0);
    tvSongs->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    tvSongs->scrollTo(index);
}

void TObjDialog::AddSong() {
    if (!FLibrary.HasStore())
        return;
    const std::optional<TPickedSong> song =
        PickSong(*FLibrary.Store(), FModel.SongBrowserFilter(), this, DialogRunner);
    if (!song)
        return;
    FModel.AddSong(song->Id);
    ShowSongs();
    SelectSong(static_cast<int>(FModel.Songs().size()) - 1);
}

void TObjDialog::RemoveSongs() {
    const QList<int> rows = SelectedSongRows();
    if (rows.isEmpty())
        return;
    FModel.RemoveSongs(rows);
    ShowSongs();
    SelectSong(std::min(rows.first(), static_cast<int>(FModel.Songs().size()) - 1));
}

void TObjDialog::MoveSong(bool up) {
    const QList<int> rows = SelectedSongRows();
    if (rows.size() != 1)
        return;
    const int row = rows.first();
    if (!(up ? FModel.MoveSongUp(row) : FModel.MoveSongDown(row)))
        return;
    ShowSongs();
    SelectSong(up ? row - 1 : row + 1);
}

// --- The rest

void TObjDialog::InfoEdited() {
    FModel.SetInfoLines(MemoLines(memInfo->toPlainText()));
}

void TObjDialog::TryAccept() {
    // A taken name is refused with a warning and the dialog stays open to change it.
    if (FModel.Accept(FList))
        accept();
}

bool EditClockObject(TClockObjList& list, TBaseClockObject& object, TDBMainBase* store,
                     QWidget* parent, bool nameEditable, const TDialogRunner& run) {
    TCategoryWindowModel window(list);
    const std::unique_ptr<TObjDialogModel> model = window.EditDialog(object);
    if (!model)
        return false;
    TObjDialog dialog(*model, list, store, parent);
    dialog.SetNameEditable(nameEditable);
    const TDialogRunner runner = run ? run : TDialogRunner(RunModalDialog);
    dialog.DialogRunner = runner;
    if (!runner(dialog))
        return false;
    window.ApplyEdit(*model, object);
    return true;
}
