#include "ui/library/uSongProperties.h"

#include "foundation/uArUtils.h"
#include "foundation/uPrompt.h"
#include "library/uDBMainBase.h"
#include "library/uSongData.h"
#include "settings/uSettings.h"
#include "ui/uDialogButtons.h"
#include "ui/uMaskedDigits.h"
#include "ui/uNamed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>
#include <iterator>

namespace {

// The most "99:99.999" can show.
constexpr int kLongestShownTime = 99 * 60000 + 59999;

// Minutes and seconds take only 0-5 in their tens place ("99:99.999").
class TCueTimeValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        return AtMost(input, 0, 5) && AtMost(input, 3, 5) ? Acceptable : Invalid;
    }
};

// The names the toggles of multi-edit are known by: "tgl" and the field's.
const char* const FieldNames[] = {
    "Artist",    "Title",      "Album",     "Info",       "Category", "Label1",     "Label2",
    "Type",      "Tempo",      "TempoIn",   "TempoOut",   "Vocal",    "Atmosphere", "Language",
    "Year",      "SongTime",   "Intro",     "Outro",      "FadeIn",   "FadeOut",    "Mix",
    "NStart",    "NEnd",       "Compress",  "Frequ",      "Mode",     "Quality",    "File",
    "Code",      "CreateDate", "Composer",  "TextAuthor", "Producer", "Publisher",  "Year2",
    "TimeRest1", "TimeRest2",  "TimeRest3", "FreqRest",
};
static_assert(std::size(FieldNames) == SongFieldCount);

const QString kToggleMark = QStringLiteral("✓");

// The date a file without one shows, blank.
const QDate kNoDate(1899, 12, 30);

QString TimeText(int msecs) {
    return FormatDurationMs(qBound(0, msecs, kLongestShownTime), false);
}

QLabel* Caption(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

QGridLayout* PageGrid(QWidget* page) {
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(2, 1);
    grid->setHorizontalSpacing(8);
    return grid;
}

// Fills the grid's last row with the space left, so the rows stay at the top.
void EndGrid(QGridLayout& grid) {
    grid.setRowStretch(grid.rowCount(), 1);
}

void SetBold(QWidget* widget, bool bold) {
    QFont font = widget->font();
    if (font.bold() == bold)
        return;
    font.setBold(bold);
    widget->setFont(font);
}

void SelectData(QComboBox* list, int id) {
    list->setCurrentIndex(list->findData(id));
}

// Setting the same text again would move the cursor of someone typing in it.
void ShowText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

// The id the list's entry stands for; -1 without one.
int CurrentId(const QComboBox* list) {
    return list->currentIndex() < 0 ? -1 : list->currentData().toInt();
}

} // namespace

TSongProperties::TSongProperties(TSongWindowModel& model, const TSongWindowHooks& hooks,
                                 QWidget* parent)
    : QDialog(parent), FModel(model), FHooks(hooks) {
    setObjectName(QStringLiteral("SongProperties"));
    setWindowTitle(kSongWindowCaption);

    pcPages = Named(new QTabWidget(this), "pcPages");
    // Every page's caption in sight: the window is as wide as its tabs.
    pcPages->setUsesScrollButtons(false);
    FPages = {CreateInfoPage(), CreateCharsPage(),  CreateTimesPage(),
              CreateFilePage(), CreateRightsPage(), CreateRestrictionsPage()};
    for (int page = 0; page < SongPageCount; ++page) {
        pcPages->addTab(FPages[page], SongPageCaption(TSongPage(page)));
        pcPages->setTabVisible(page, FModel.PageShown(TSongPage(page)));
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pcPages, 1);
    btnOK = AddOkCancelButtons(*this, *layout);

    FillLists();
    Connect();
    for (int page = 0; page < SongPageCount; ++page)
        if (FModel.PageLoaded(TSongPage(page)))
            ShowPage(TSongPage(page));
    ShowStates();
    resize(sizeHint().expandedTo(QSize(520, 0)));
}

// --- Building

void TSongProperties::AddRow(QGridLayout& grid, TSongField field, QWidget* caption,
                             QList<QWidget*> editors, QWidget* button) {
    TFieldControls& controls = FControls[field];
    const int row = grid.rowCount();
    if (HasToggle(field)) {
        auto* toggle = new QToolButton(grid.parentWidget());
        toggle->setObjectName(QStringLiteral("tgl") + QLatin1String(FieldNames[field]));
        toggle->setCheckable(true);
        // Sized for its mark, which shows only while the toggle is down (see ShowStates).
        toggle->setText(kToggleMark);
        toggle->setFixedSize(toggle->sizeHint());
        toggle->setText(QString());
        toggle->setToolTip(QStringLiteral("Zapisz to pole we wszystkich zaznaczonych utworach"));
        toggle->setFocusPolicy(Qt::NoFocus);
        grid.addWidget(toggle, row, 0);
        controls.Toggle = toggle;
    }
    if (auto* label = qobject_cast<QLabel*>(caption); label && !editors.isEmpty())
        label->setBuddy(editors.first());
    grid.addWidget(caption, row, 1);
    if (editors.size() == 1) {
        // A field of a fixed width (a time, a year, a code) keeps to the left of its column.
        QWidget* editor = editors.first();
        grid.addWidget(editor, row, 2,
                       editor->maximumWidth() < QWIDGETSIZE_MAX ? Qt::AlignLeft : Qt::Alignment());
    } else {
        auto* line = new QHBoxLayout;
        line->setContentsMargins(0, 0, 0, 0);
        for (QWidget* editor : editors)
            line->addWidget(editor);
        line->addStretch(1);
        grid.addLayout(line, row, 2);
    }
    if (button)
        grid.addWidget(button, row, 3);
    controls.Caption = caption;
    controls.Check = qobject_cast<QCheckBox*>(caption);
    controls.Editors = editors;
    controls.Button = button;
}

QWidget* TSongProperties::CreateInfoPage() {
    auto* page = Named(new QWidget(pcPages), "tsInfo");
    auto* layout = new QVBoxLayout(page);

    pnlMain = Named(new QWidget(page), "pnlMain");
    auto* main = PageGrid(pnlMain);
    main->setContentsMargins(0, 0, 0, 0);
    edtArtist = Named(new QLineEdit(pnlMain), "edtArtist");
    edtArtist->setReadOnly(true);
    edtArtist->setMaxLength(50);
    edtArtist->installEventFilter(this);
    btnArtist = Named(new QPushButton(QStringLiteral("Edycja"), pnlMain), "btnArtist");
    edtTitle = Named(new QLineEdit(pnlMain), "edtTitle");
    edtTitle->setMaxLength(50);
    edtAlbum = Named(new QLineEdit(pnlMain), "edtAlbum");
    edtAlbum->setReadOnly(true);
    edtAlbum->setMaxLength(50);
    edtAlbum->installEventFilter(this);
    btnAlbum = Named(new QPushButton(QStringLiteral("Edycja"), pnlMain), "btnAlbum");
    AddRow(*main, sfArtist, Caption(QStringLiteral("Wykonawca:"), pnlMain), {edtArtist}, btnArtist);
    AddRow(*main, sfTitle, Caption(QStringLiteral("Tytuł:"), pnlMain), {edtTitle});
    AddRow(*main, sfAlbum, Caption(QStringLiteral("Album:"), pnlMain), {edtAlbum}, btnAlbum);
    layout->addWidget(pnlMain);

    auto* rest = new QWidget(page);
    auto* grid = PageGrid(rest);
    grid->setContentsMargins(0, 0, 0, 0);
    edtInfo = Named(new QLineEdit(rest), "edtInfo");
    cmbCategory = Named(new QComboBox(rest), "cmbCategory");
    cmbCategory->setMinimumContentsLength(20);
    AddRow(*grid, sfInfo, Caption(QStringLiteral("Opis:"), rest), {edtInfo});
    AddRow(*grid, sfCategory, Caption(QStringLiteral("Kategoria nagrania:"), rest), {cmbCategory});
    // The two grids line up: their captions, and their fields up to the buttons' column.
    const int captionWidth = fontMetrics().horizontalAdvance(QStringLiteral("Kategoria nagrania:"));
    main->setColumnMinimumWidth(1, captionWidth);
    grid->setColumnMinimumWidth(1, captionWidth);
    // (An empty column gets no spacing before it: it is counted in.)
    grid->setColumnMinimumWidth(3, btnArtist->sizeHint().width() + main->horizontalSpacing());
    layout->addWidget(rest);
    layout->addStretch(1);
    return page;
}

QWidget* TSongProperties::CreateCharsPage() {
    auto* page = Named(new QWidget(pcPages), "tsChars");
    auto* grid = PageGrid(page);
    edtLabel1 = Named(new QLineEdit(page), "edtLabel1");
    btnLabel1 = Named(new QPushButton(QStringLiteral("Edycja"), page), "btnLabel1");
    edtLabel2 = Named(new QLineEdit(page), "edtLabel2");
    btnLabel2 = Named(new QPushButton(QStringLiteral("Edycja"), page), "btnLabel2");
    for (QLineEdit* label : {edtLabel1, edtLabel2}) {
        label->setReadOnly(true);
        label->setMaxLength(30);
        label->installEventFilter(this);
    }
    AddRow(*grid, sfLabel1, Caption(QStringLiteral("Etykieta 1:"), page), {edtLabel1}, btnLabel1);
    AddRow(*grid, sfLabel2, Caption(QStringLiteral("Etykieta 2:"), page), {edtLabel2}, btnLabel2);

    const struct {
        TSongField Field;
        const char* Name;
        const char* Caption;
        QComboBox* TSongProperties::*Member;
    } lists[] = {
        {sfType, "cmbType", "Typ:", &TSongProperties::cmbType},
        {sfTempo, "cmbTempo", "Tempo:", &TSongProperties::cmbTempo},
        {sfTempoIn, "cmbTempoIn", "Tempo początkowe:", &TSongProperties::cmbTempoIn},
        {sfTempoOut, "cmbTempoOut", "Tempo końcowe:", &TSongProperties::cmbTempoOut},
        {sfVocal, "cmbVocal", "Wokal:", &TSongProperties::cmbVocal},
        {sfAtmosphere, "cmbAtmosphere", "Nastrój:", &TSongProperties::cmbAtmosphere},
        {sfLanguage, "cmbLanguage", "Język:", &TSongProperties::cmbLanguage},
    };
    for (const auto& list : lists) {
        QComboBox* combo = Named(new QComboBox(page), list.Name);
        combo->setMinimumContentsLength(16);
        this->*list.Member = combo;
        AddRow(*grid, list.Field, Caption(QString::fromUtf8(list.Caption), page), {combo});
    }
    edtYear = Named(new QLineEdit(page), "edtYear");
    edtYear->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}")), edtYear));
    edtYear->setMaximumWidth(edtYear->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                             16);
    AddRow(*grid, sfYear, Caption(QStringLiteral("Rok:"), page), {edtYear});
    EndGrid(*grid);
    return page;
}

QLineEdit* TSongProperties::TimeEdit(const char* name, QWidget* parent) {
    QLineEdit* edit = Named(new QLineEdit(parent), name);
    edit->setInputMask(QStringLiteral("99:99.999;0"));
    edit->setValidator(new TCueTimeValidator(edit));
    edit->setText(TimeText(0));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00:00.0000")) + 16);
    return edit;
}

QWidget* TSongProperties::CreateTimesPage() {
    auto* page = Named(new QWidget(pcPages), "tsTimes");
    auto* grid = PageGrid(page);
    edtSongTime = TimeEdit("edtSongTime", page);
    AddRow(*grid, sfSongTime, Caption(QStringLiteral("Czas:"), page), {edtSongTime});
    const struct {
        TSongField Field;
        const char* Check;
        const char* Edit;
        const char* Caption;
        QCheckBox* TSongProperties::*CheckMember;
        QLineEdit* TSongProperties::*EditMember;
    } cues[] = {
        {sfIntro, "chbIntro", "edtIntro", "Intro:", &TSongProperties::chbIntro,
         &TSongProperties::edtIntro},
        {sfOutro, "chbOutro", "edtOutro", "Outro:", &TSongProperties::chbOutro,
         &TSongProperties::edtOutro},
        {sfFadeIn, "chbFadeIn", "edtFadeIn", "Fade in:", &TSongProperties::chbFadeIn,
         &TSongProperties::edtFadeIn},
        {sfFadeOut, "chbFadeOut", "edtFadeOut", "Fade out:", &TSongProperties::chbFadeOut,
         &TSongProperties::edtFadeOut},
        {sfMix, "chbMix", "edtMix", "Mix:", &TSongProperties::chbMix, &TSongProperties::edtMix},
        {sfNStart, "chbNStart", "edtNStart", "Nowy początek:", &TSongProperties::chbNStart,
         &TSongProperties::edtNStart},
        {sfNEnd, "chbNEnd", "edtNEnd", "Nowy koniec:", &TSongProperties::chbNEnd,
         &TSongProperties::edtNEnd},
    };
    for (const auto& cue : cues) {
        QCheckBox* check = Named(new QCheckBox(QString::fromUtf8(cue.Caption), page), cue.Check);
        QLineEdit* edit = TimeEdit(cue.Edit, page);
        this->*cue.CheckMember = check;
        this->*cue.EditMember = edit;
        AddRow(*grid, cue.Field, check, {edit});
    }
    EndGrid(*grid);
    return page;
}

QWidget* TSongProperties::CreateFilePage() {
    auto* page = Named(new QWidget(pcPages), "tsFile");
    auto* grid = PageGrid(page);
    edtCompress = Named(new QLineEdit(page), "edtCompress");
    edtCompress->setMaxLength(30);
    cmbFrequ = Named(new QComboBox(page), "cmbFrequ");
    cmbFrequ->setEditable(true);
    cmbFrequ->setInsertPolicy(QComboBox::NoInsert);
    cmbFrequ->setValidator(new QIntValidator(0, 999999, cmbFrequ));
    cmbMode = Named(new QComboBox(page), "cmbMode");
    cmbQuality = Named(new QComboBox(page), "cmbQuality");
    cmbQuality->setEditable(true);
    cmbQuality->setInsertPolicy(QComboBox::NoInsert);
    cmbQuality->lineEdit()->setMaxLength(20);
    edtFile = Named(new QLineEdit(page), "edtFile");
    edtFile->setMaxLength(200);
    edtFile->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    btnBrowse = Named(new QPushButton(QStringLiteral("Przeglądaj"), page), "btnBrowse");
    edtCode = Named(new QLineEdit(page), "edtCode");
    edtCode->setMaxLength(10);
    edtCode->setMaximumWidth(edtCode->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 10 + 16);
    dtpDate = Named(new QDateEdit(page), "dtpDate");
    dtpDate->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    dtpDate->setCalendarPopup(true);
    // A file without a date shows none.
    dtpDate->setMinimumDate(kNoDate);
    dtpDate->setSpecialValueText(QStringLiteral(" "));
    dtpTime = Named(new QTimeEdit(page), "dtpTime");
    dtpTime->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    // Room for the digits beside the arrows, whatever the style.
    const int digits = fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000"));
    dtpDate->setMinimumWidth(digits + 36);
    dtpTime->setMinimumWidth(digits + 12);

    AddRow(*grid, sfCompress, Caption(QStringLiteral("Kompresja:"), page), {edtCompress});
    AddRow(*grid, sfFrequ, Caption(QStringLiteral("Częstotliwość:"), page), {cmbFrequ});
    AddRow(*grid, sfMode, Caption(QStringLiteral("Tryb:"), page), {cmbMode});
    AddRow(*grid, sfQuality, Caption(QStringLiteral("Jakość:"), page), {cmbQuality});
    // Several songs keep their files' names and are moved to one directory.
    AddRow(*grid, sfFile,
           Caption(FModel.ChoosesDirectory() ? QStringLiteral("Katalog:") : QStringLiteral("Plik:"),
                   page),
           {edtFile}, btnBrowse);
    AddRow(*grid, sfCode, Caption(QStringLiteral("Kod:"), page), {edtCode});
    AddRow(*grid, sfCreateDate, Caption(QStringLiteral("Data i godzina:"), page),
           {dtpDate, dtpTime});
    EndGrid(*grid);
    return page;
}

QWidget* TSongProperties::CreateRightsPage() {
    auto* page = Named(new QWidget(pcPages), "tsRights");
    auto* grid = PageGrid(page);
    edtComposer = Named(new QLineEdit(page), "edtComposer");
    edtTextAuthor = Named(new QLineEdit(page), "edtTextAuthor");
    edtProducer = Named(new QLineEdit(page), "edtProducer");
    edtPublisher = Named(new QLineEdit(page), "edtPublisher");
    edtYear2 = Named(new QLineEdit(page), "edtYear2");
    edtYear2->setInputMask(QStringLiteral("0000;_"));
    edtYear2->setMaximumWidth(edtYear2->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                              16);
    edtYear2->installEventFilter(this);
    AddRow(*grid, sfComposer, Caption(QStringLiteral("Kompozytor:"), page), {edtComposer});
    AddRow(*grid, sfTextAuthor, Caption(QStringLiteral("Autor tekstu:"), page), {edtTextAuthor});
    AddRow(*grid, sfProducer, Caption(QStringLiteral("Producent:"), page), {edtProducer});
    AddRow(*grid, sfPublisher, Caption(QStringLiteral("Wydawca:"), page), {edtPublisher});
    AddRow(*grid, sfYear2, Caption(QStringLiteral("Rok wydania:"), page), {edtYear2});
    EndGrid(*grid);
    return page;
}

QWidget* TSongProperties::CreateRestrictionsPage() {
    auto* page = Named(new QWidget(pcPages), "tsRestrictions");
    auto* grid = PageGrid(page);
    const struct {
        TSongField Field;
        const char* Check;
        const char* List;
        const char* Caption;
        QCheckBox* TSongProperties::*CheckMember;
        QComboBox* TSongProperties::*ListMember;
    } rows[] = {
        {sfTimeRest1, "chbTimeRest1", "cmbTimeRest1",
         "Blokada czasowa 1:", &TSongProperties::chbTimeRest1, &TSongProperties::cmbTimeRest1},
        {sfTimeRest2, "chbTimeRest2", "cmbTimeRest2",
         "Blokada czasowa 2:", &TSongProperties::chbTimeRest2, &TSongProperties::cmbTimeRest2},
        {sfTimeRest3, "chbTimeRest3", "cmbTimeRest3",
         "Blokada czasowa 3:", &TSongProperties::chbTimeRest3, &TSongProperties::cmbTimeRest3},
        {sfFreqRest, "chbFreqRest", "cmbFreqRest",
         "Grupa częstotliwości:", &TSongProperties::chbFreqRest, &TSongProperties::cmbFreqRest},
    };
    for (const auto& r : rows) {
        QCheckBox* check = Named(new QCheckBox(QString::fromUtf8(r.Caption), page), r.Check);
        QComboBox* list = Named(new QComboBox(page), r.List);
        list->setMinimumContentsLength(20);
        this->*r.CheckMember = check;
        this->*r.ListMember = list;
        AddRow(*grid, r.Field, check, {list});
    }
    EndGrid(*grid);
    return page;
}

void TSongProperties::FillLists() {
    if (Options) {
        QList<TCategoryEntry> categories;
        Options->Categories().ListDbCategories(categories);
        for (const TCategoryEntry& category : categories)
            cmbCategory->addItem(category.Name, category.Id);
        // A song may have a category no longer offered to the library: it is still shown.
        const int own = FModel.Number(sfCategory);
        if (cmbCategory->findData(own) < 0 && !Options->Categories().NameById(own).isEmpty())
            cmbCategory->addItem(Options->Categories().NameById(own), own);
    }
    for (const auto& [field, list] : CharLists()) {
        list->addItem(kAnyCharCaption, kAnyCharValue);
        if (const TCharValueList* values =
                Options ? Options->CharValues(CharKindOfField(field)) : nullptr)
            for (const TCharValue& value : *values)
                list->addItem(value.Text, value.Id);
    }
    cmbMode->addItems(SongModeNames());
    cmbQuality->addItems(SongQualityNames());
    cmbFrequ->addItems(SongFrequencyNames());
    if (TimeRanges)
        for (int i = 0; i < TimeRanges->Count(); ++i)
            for (QComboBox* list : {cmbTimeRest1, cmbTimeRest2, cmbTimeRest3})
                list->addItem(TimeRanges->Items(i).Name, TimeRanges->Items(i).Id);
    if (FreqGroups)
        for (int i = 0; i < FreqGroups->Count(); ++i)
            cmbFreqRest->addItem(FreqGroups->Items(i).Name, FreqGroups->Items(i).Id);
}

// --- Binding

std::array<std::pair<TSongField, QComboBox*>, 7> TSongProperties::CharLists() const {
    return {{{sfType, cmbType},
             {sfTempo, cmbTempo},
             {sfTempoIn, cmbTempoIn},
             {sfTempoOut, cmbTempoOut},
             {sfVocal, cmbVocal},
             {sfAtmosphere, cmbAtmosphere},
             {sfLanguage, cmbLanguage}}};
}

void TSongProperties::Connect() {
    connect(pcPages, &QTabWidget::currentChanged, this, &TSongProperties::PageChosen);
    connect(btnArtist, &QPushButton::clicked, this, &TSongProperties::ChooseArtist);
    connect(btnAlbum, &QPushButton::clicked, this, &TSongProperties::ChooseAlbum);
    connect(btnLabel1, &QPushButton::clicked, this, [this] { ChooseLabel(sfLabel1); });
    connect(btnLabel2, &QPushButton::clicked, this, [this] { ChooseLabel(sfLabel2); });
    connect(btnBrowse, &QPushButton::clicked, this, &TSongProperties::ChooseFile);

    const auto text = [this](TSongField field, QLineEdit* edit) {
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& value) {
            FModel.SetText(field, value);
            Changed();
        });
    };
    text(sfTitle, edtTitle);
    text(sfInfo, edtInfo);
    text(sfCompress, edtCompress);
    text(sfFile, edtFile);
    text(sfCode, edtCode);
    text(sfComposer, edtComposer);
    text(sfTextAuthor, edtTextAuthor);
    text(sfProducer, edtProducer);
    text(sfPublisher, edtPublisher);
    connect(edtYear, &QLineEdit::textEdited, this, [this](const QString& value) {
        FModel.SetNumber(sfYear, value.isEmpty() ? -1 : value.toInt());
        Changed();
    });
    connect(edtYear2, &QLineEdit::textEdited, this, [this] {
        // Only a whole year reaches the song; anything between is refused when the field is
        // left.
        if (YearTextValid(edtYear2->text()))
            FModel.SetNumber(sfYear2, YearOfText(edtYear2->text()));
        Changed();
    });

    connect(cmbCategory, &QComboBox::currentIndexChanged, this, [this] {
        if (FShowing || cmbCategory->currentIndex() < 0)
            return;
        FModel.SetNumber(sfCategory, cmbCategory->currentData().toInt());
        Changed();
    });
    for (const auto& [field, list] : CharLists())
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, field = field, list = list] { ReadCharValue(field, list); });
    connect(cmbMode, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (FShowing)
            return;
        FModel.SetNumber(sfMode, index + 1);
        Changed();
    });
    connect(cmbQuality, &QComboBox::currentTextChanged, this, [this](const QString& value) {
        if (FShowing)
            return;
        FModel.SetText(sfQuality, value);
        Changed();
    });
    connect(cmbFrequ, &QComboBox::currentTextChanged, this, [this](const QString& value) {
        if (FShowing)
            return;
        FModel.SetNumber(sfFrequ, value.isEmpty() ? -1 : value.toInt());
        Changed();
    });
    connect(dtpDate, &QDateEdit::dateChanged, this, &TSongProperties::ReadCreateDate);
    connect(dtpTime, &QTimeEdit::timeChanged, this, &TSongProperties::ReadCreateDate);

    ConnectTime(sfSongTime, edtSongTime);
    for (TSongField field : {sfIntro, sfOutro, sfFadeIn, sfFadeOut, sfMix, sfNStart, sfNEnd})
        ConnectTime(field, qobject_cast<QLineEdit*>(FControls[field].Editors.first()));
    ConnectRestriction(sfTimeRest1, chbTimeRest1, cmbTimeRest1);
    ConnectRestriction(sfTimeRest2, chbTimeRest2, cmbTimeRest2);
    ConnectRestriction(sfTimeRest3, chbTimeRest3, cmbTimeRest3);
    ConnectRestriction(sfFreqRest, chbFreqRest, cmbFreqRest);

    for (int f = 0; f < SongFieldCount; ++f)
        if (QToolButton* toggle = FControls[f].Toggle)
            connect(toggle, &QToolButton::toggled, this, [this, f](bool down) {
                if (FShowing)
                    return;
                FModel.SetToggled(TSongField(f), down);
                ShowStates();
            });
}

void TSongProperties::ConnectTime(TSongField field, QLineEdit* edit) {
    QCheckBox* check = FControls[field].Check;
    const auto read = [this, field, edit, check] {
        if (FShowing)
            return;
        // The mask's blank is the digit 0, which text() would leave out.
        const QString typed = edit->displayText();
        FModel.SetNumber(field, check ? CueTimeValue(check->isChecked(), typed)
                                      : ParseDurationMs(typed, false));
        Changed();
    };
    connect(edit, &QLineEdit::textEdited, this, read);
    if (check)
        connect(check, &QCheckBox::toggled, this, read);
}

void TSongProperties::ConnectRestriction(TSongField field, QCheckBox* check, QComboBox* list) {
    const auto read = [this, field, check, list] {
        if (FShowing)
            return;
        if (check->isChecked() && list->currentIndex() < 0 && list->count() > 0) {
            // Ticking the box chooses the first entry, which the user then changes.
            const QSignalBlocker quiet(list);
            list->setCurrentIndex(0);
        }
        FModel.SetNumber(field, check->isChecked() ? CurrentId(list) : -1);
        Changed();
    };
    connect(check, &QCheckBox::toggled, this, read);
    connect(list, &QComboBox::currentIndexChanged, this, read);
}

void TSongProperties::ReadCharValue(TSongField field, QComboBox* list) {
    if (FShowing || list->currentIndex() < 0)
        return;
    FModel.SetNumber(field, list->currentData().toInt());
    Changed();
}

void TSongProperties::ReadCreateDate() {
    if (FShowing)
        return;
    const TDateTime day = dtpDate->date() == kNoDate ? 0 : DateToDateTime(dtpDate->date());
    const TDateTime time = dtpTime->time().msecsSinceStartOfDay() / double(MSecsPerDay);
    FModel.SetCreateDate(ComposeDateTime(day, time));
    Changed();
}

void TSongProperties::Changed() {
    ShowStates();
}

// --- Showing the model

void TSongProperties::ShowPage(TSongPage page) {
    FShowing = true;
    switch (page) {
    case spInfo:
        ShowText(edtArtist, FModel.Text(sfArtist));
        ShowText(edtTitle, FModel.Text(sfTitle));
        ShowText(edtAlbum, FModel.Text(sfAlbum));
        ShowText(edtInfo, FModel.Text(sfInfo));
        SelectData(cmbCategory, FModel.Number(sfCategory));
        break;
    case spChars:
        ShowText(edtLabel1, FModel.Text(sfLabel1));
        ShowText(edtLabel2, FModel.Text(sfLabel2));
        for (const auto& [field, list] : CharLists()) {
            // A value the list does not hold (none, or deleted since) shows as "Dowolny".
            const int index = list->findData(FModel.Number(field));
            list->setCurrentIndex(index < 0 ? 0 : index);
        }
        ShowText(edtYear, YearText(FModel.Number(sfYear)));
        break;
    case spTimes:
        ShowText(edtSongTime, TimeText(FModel.Number(sfSongTime)));
        for (TSongField field : {sfIntro, sfOutro, sfFadeIn, sfFadeOut, sfMix, sfNStart, sfNEnd}) {
            const int value = FModel.Number(field);
            FControls[field].Check->setChecked(value != -1);
            ShowText(qobject_cast<QLineEdit*>(FControls[field].Editors.first()), TimeText(value));
        }
        break;
    case spFile: {
        ShowText(edtCompress, FModel.Text(sfCompress));
        const int frequ = FModel.Number(sfFrequ);
        cmbFrequ->setCurrentText(frequ < 0 ? QString() : QString::number(frequ));
        const int mode = FModel.Number(sfMode);
        cmbMode->setCurrentIndex(mode >= 1 && mode <= cmbMode->count() ? mode - 1 : -1);
        cmbQuality->setCurrentText(FModel.Text(sfQuality));
        ShowText(edtFile, FModel.Text(sfFile));
        ShowText(edtCode, FModel.Text(sfCode));
        const TDateTime created = FModel.CreateDate();
        dtpDate->setDate(created == 0 ? kNoDate : DateTimeToDate(created));
        dtpTime->setTime(DateTimeToTime(created));
        break;
    }
    case spRights:
        ShowText(edtComposer, FModel.Text(sfComposer));
        ShowText(edtTextAuthor, FModel.Text(sfTextAuthor));
        ShowText(edtProducer, FModel.Text(sfProducer));
        ShowText(edtPublisher, FModel.Text(sfPublisher));
        edtYear2->setText(YearText(FModel.Number(sfYear2)));
        break;
    case spRestrictions:
        for (TSongField field : {sfTimeRest1, sfTimeRest2, sfTimeRest3, sfFreqRest}) {
            const int id = FModel.Number(field);
            FControls[field].Check->setChecked(id != -1);
            SelectData(qobject_cast<QComboBox*>(FControls[field].Editors.first()), id);
        }
        break;
    }
    FShowing = false;
}

void TSongProperties::ShowStates() {
    FShowing = true;
    pnlMain->setVisible(FModel.MainPanelShown());
    for (int f = 0; f < SongFieldCount; ++f) {
        const auto field = TSongField(f);
        const TFieldControls& controls = FControls[f];
        const bool shown = FModel.FieldShown(field);
        const bool bold = FModel.FieldChanged(field);
        for (QWidget* editor : controls.Editors) {
            editor->setVisible(shown);
            SetBold(editor, bold);
        }
        controls.Caption->setVisible(shown);
        SetBold(controls.Caption, bold);
        if (controls.Button)
            controls.Button->setVisible(shown);
        if (controls.Toggle) {
            controls.Toggle->setVisible(shown && FModel.TogglesShown());
            controls.Toggle->setChecked(FModel.Toggled(field));
            controls.Toggle->setText(FModel.Toggled(field) ? kToggleMark : QString());
        }
        // A cue point or a restriction is edited while its box is ticked.
        if (controls.Check && !controls.Editors.isEmpty())
            controls.Editors.first()->setEnabled(controls.Check->isChecked());
    }
    // Title, album and description belong to a performer; multi-edit keeps each song's own.
    const bool artist = FModel.ArtistShown();
    edtTitle->setEnabled(artist);
    edtAlbum->setEnabled(artist);
    edtInfo->setEnabled(artist || FModel.Mode() == swMulti);
    btnAlbum->setEnabled(artist && FModel.CanChooseAlbum());
    FShowing = false;
}

void TSongProperties::PageChosen(int index) {
    if (index < 0 || index >= SongPageCount)
        return;
    const auto page = TSongPage(index);
    if (FModel.PageLoaded(page))
        return;
    FModel.LoadPage(page);
    ShowPage(page);
    ShowStates();
}

// --- Choosers

void TSongProperties::ChooseArtist() {
    if (!FHooks.ArtistChooser)
        return;
    int id = FModel.Number(sfArtist);
    QString name = FModel.Text(sfArtist);
    if (!FHooks.ArtistChooser(FModel.Text(sfArtist), id, name))
        return;
    FModel.SetArtist(id, name);
    ShowPage(spInfo);
    ShowStates();
}

void TSongProperties::ChooseAlbum() {
    if (!FHooks.AlbumChooser || !FModel.CanChooseAlbum())
        return;
    int id = FModel.Number(sfAlbum);
    QString title = FModel.Text(sfAlbum);
    if (!FHooks.AlbumChooser(FModel.Number(sfArtist), id, title))
        return;
    FModel.SetAlbum(id, title);
    ShowPage(spInfo);
    ShowStates();
}

void TSongProperties::ChooseLabel(TSongField field) {
    if (!FHooks.LabelChooser)
        return;
    int id = FModel.Number(field);
    QString value = FModel.Text(field);
    if (!FHooks.LabelChooser(FModel.Text(field), id, value))
        return;
    FModel.SetLabel(field, id, value);
    ShowPage(spChars);
    ShowStates();
}

void TSongProperties::ChooseFile() {
    const bool directory = FModel.ChoosesDirectory();
    const QString current = FModel.Text(sfFile);
    QString chosen;
    if (FHooks.FileChooser)
        chosen = FHooks.FileChooser(current, directory);
    else if (directory)
        chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Plik muzyczny"), current);
    else
        chosen = QFileDialog::getOpenFileName(
            this, QStringLiteral("Plik muzyczny"), QFileInfo(current).path(),
            QStringLiteral("Pliki muzyczne (*.mp2 *.mp3 *.wav);;Wszystkie pliki (*)"));
    if (chosen.isEmpty())
        return;
    FModel.SetText(sfFile, chosen);
    ShowPage(spFile);
    ShowStates();
}

// --- "Rok wydania" and OK

bool TSongProperties::CheckYear2() {
    if (!FModel.PageShown(spRights) || YearTextValid(edtYear2->text()))
        return true;
    FCheckingYear2 = true;
    ShowError(kYear2Invalid);
    pcPages->setCurrentWidget(FPages[spRights]);
    edtYear2->setFocus();
    FCheckingYear2 = false;
    return false;
}

bool TSongProperties::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        // The performer, the album and the labels are chosen, not typed: a double click chooses.
        if (watched == edtArtist)
            ChooseArtist();
        else if (watched == edtAlbum && btnAlbum->isEnabled())
            ChooseAlbum();
        else if (watched == edtLabel1)
            ChooseLabel(sfLabel1);
        else if (watched == edtLabel2)
            ChooseLabel(sfLabel2);
    } else if (watched == edtYear2 && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Esc takes back what was typed in the year; only a year as the song has it closes the
        // window.
        const QString stored = YearText(FModel.Number(sfYear2));
        if (edtYear2->text() != stored) {
            edtYear2->setText(stored);
            return true;
        }
    } else if (watched == edtYear2 && event->type() == QEvent::FocusOut && !FCheckingYear2) {
        // Leaving the year half typed is refused at once; a box or another window taking the
        // focus is not leaving it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
             reason == Qt::MouseFocusReason) &&
            !YearTextValid(edtYear2->text()))
            QTimer::singleShot(0, this, [this] { CheckYear2(); });
    }
    return QDialog::eventFilter(watched, event);
}

void TSongProperties::accept() {
    if (!CheckYear2())
        return;
    if (!FModel.Accept()) {
        if (FModel.TurnToTimes()) {
            pcPages->setCurrentWidget(FPages[spTimes]);
            edtSongTime->setFocus();
        }
        return;
    }
    QDialog::accept();
}

// --- Opening

namespace {

bool RunSongWindow(TSongWindowModel& model, QWidget* parent, const TSongWindowHooks& hooks) {
    TSongProperties window(model, hooks, parent);
    return hooks.Run ? hooks.Run(window) : RunModalDialog(window);
}

} // namespace

bool NewSong(TDBMainBase& store, QWidget* parent, int& newSongId, const TSongWindowHooks& hooks) {
    const std::unique_ptr<TSongWindowModel> model = TSongWindowModel::ForNewSong(store);
    if (!RunSongWindow(*model, parent, hooks) || model->NewSongId() == -1)
        return false;
    newSongId = model->NewSongId();
    return true;
}

bool EditSong(TDBMainBase& store, int songId, QWidget* parent, const TSongWindowHooks& hooks) {
    const std::unique_ptr<TSongWindowModel> model = TSongWindowModel::ForSong(store, songId);
    return model && RunSongWindow(*model, parent, hooks);
}

bool EditSongs(TDBMainBase& store, const QList<int>& songIds, QWidget* parent,
               const TSongWindowHooks& hooks) {
    if (songIds.isEmpty())
        return false;
    const std::unique_ptr<TSongWindowModel> model = TSongWindowModel::ForSongs(store, songIds);
    return RunSongWindow(*model, parent, hooks) && model->Written();
}

bool EditImportedSong(TSongData& song, QWidget* parent, const TSongWindowHooks& hooks) {
    const std::unique_ptr<TSongWindowModel> model = TSongWindowModel::ForImportedSong(song);
    return RunSongWindow(*model, parent, hooks);
}
