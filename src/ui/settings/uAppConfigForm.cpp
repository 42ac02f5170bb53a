#include "ui/settings/uAppConfigForm.h"

#include "foundation/uFormat.h"
#include "foundation/uPrompt.h"
#include "settings/uSettings.h"
#include "ui/library/uArtistDialog.h"
#include "ui/uDialogButtons.h"
#include "ui/uNamed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>
#include <utility>

namespace {

// The item index of each selection method; anything unknown shows as "A".
const QStringList kSelectionMethods = {QStringLiteral("A"), QStringLiteral("B"),
                                       QStringLiteral("AB")};

// Every group by name with its id in the item data, in the list's own order.
void FillGroupsInListOrder(QComboBox& list, const TArFreqGroups& groups) {
    for (int index = 0; index < groups.Count(); ++index)
        list.addItem(groups.Items(index).Name, groups.Items(index).Id);
}

// Ticks the box and stands on the group when the id is one of the list's; the box cleared
// otherwise.
void ShowGroup(QCheckBox& box, QComboBox& list, int id) {
    const int index = id == -1 ? -1 : list.findData(id);
    if (index >= 0)
        list.setCurrentIndex(index);
    box.setChecked(index >= 0);
}

int ChosenGroup(const QCheckBox& box, const QComboBox& list) {
    return box.isChecked() && list.currentIndex() >= 0 ? list.currentData().toInt() : -1;
}

QLabel* NewNote(const QString& text, QWidget* parent) {
    auto* note = new QLabel(text, parent);
    note->setWordWrap(true);
    return note;
}

} // namespace

TAppConfigForm::TAppConfigForm(TConfig& config, TArFreqGroups& groups, TArOptions& options,
                               TArDrawSettings& drawSettings, TAppConfigPage page, QWidget* parent)
    : QDialog(parent), ChooseDirectory(ChooseDirectoryDialog), FConfig(config), FGroups(groups),
      FOptions(options), FDrawSettings(drawSettings) {
    setObjectName(QStringLiteral("AppConfigForm"));
    setWindowTitle(QStringLiteral("Konfiguracja programu"));

    PageControl = Named(new QTabWidget(this), "PageControl");
    PageControl->addTab(CreatePathsPage(), QStringLiteral("Ścieżki"));
    chbArtFreqGr = Named(
        new QCheckBox(QStringLiteral("Domyślna blokada częstotliwości dla wykonawców:"), this),
        "chbArtFreqGr");
    cmbArtFreqGr = Named(new QComboBox(this), "cmbArtFreqGr");
    chbSongFreqGr =
        Named(new QCheckBox(QStringLiteral("Domyślna blokada częstotliwości dla utworów:"), this),
              "chbSongFreqGr");
    cmbSongFreqGr = Named(new QComboBox(this), "cmbSongFreqGr");
    tabDefaultRestr = CreateGroupsPage(
        "tabDefaultRestr", {{chbArtFreqGr, cmbArtFreqGr}, {chbSongFreqGr, cmbSongFreqGr}},
        QStringLiteral("Domyslne blokady są brane pod uwage jedynie przy dodawaniu, ręcznym "
                       "lub automatycznym przez import."));
    PageControl->addTab(tabDefaultRestr, QStringLiteral("Blokady domyślne"));

    chbArtGlobGr = Named(
        new QCheckBox(QStringLiteral("Globalna blokada częstotliwości dla wykonawców:"), this),
        "chbArtGlobGr");
    cmbArtGlobGr = Named(new QComboBox(this), "cmbArtGlobGr");
    chbSongGlobGr =
        Named(new QCheckBox(QStringLiteral("Globalna blokada częstotliwości dla utworów:"), this),
              "chbSongGlobGr");
    cmbSongGlobGr = Named(new QComboBox(this), "cmbSongGlobGr");
    tabGlobalRestr = CreateGroupsPage(
        "tabGlobalRestr", {{chbArtGlobGr, cmbArtGlobGr}, {chbSongGlobGr, cmbSongGlobGr}},
        QStringLiteral("Blokady brane pod uwagę podczas losowania, w przypadku gdy wykonawca "
                       "lub utwór nie maja zdefiniowanych własnych blokad."));
    PageControl->addTab(tabGlobalRestr, QStringLiteral("Blokady globalne"));

    PageControl->addTab(CreateRandPage(), QStringLiteral("Parametry losowania"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl, 1);
    btnOK = AddOkCancelButtons(*this, *layout);
    setMinimumSize(620, 300);

    Fill();
    switch (page) {
    case TAppConfigPage::Paths:
        PageControl->setCurrentWidget(tabPaths);
        break;
    case TAppConfigPage::DefaultRestr:
        PageControl->setCurrentWidget(tabDefaultRestr);
        break;
    case TAppConfigPage::GlobalRestr:
        PageControl->setCurrentWidget(tabGlobalRestr);
        break;
    }
}

QWidget* TAppConfigForm::CreatePathsPage() {
    tabPaths = Named(new QWidget(PageControl), "tabPaths");
    edtClock = Named(new QLineEdit(tabPaths), "edtClock");
    edtPlaylist = Named(new QLineEdit(tabPaths), "edtPlaylist");
    btnBrowseClock =
        Named(new QPushButton(QStringLiteral("Przeglądaj"), tabPaths), "btnBrowseClock");
    btnBrowsePlaylist =
        Named(new QPushButton(QStringLiteral("Przeglądaj"), tabPaths), "btnBrowsePlaylist");

    auto* grid = new QGridLayout(tabPaths);
    int row = 0;
    for (auto [caption, edit, button] :
         {std::tuple{QStringLiteral("Zegary:"), edtClock, btnBrowseClock},
          std::tuple{QStringLiteral("Play listy:"), edtPlaylist, btnBrowsePlaylist}}) {
        auto* label = new QLabel(caption, tabPaths);
        label->setBuddy(edit);
        edit->setMinimumWidth(360);
        button->setAutoDefault(false);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(button, row, 2);
        connect(edit, &QLineEdit::textChanged, this, &TAppConfigForm::MarkChanged);
        connect(button, &QPushButton::clicked, this, [this, edit] { Browse(*edit); });
        ++row;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
    return tabPaths;
}

QWidget* TAppConfigForm::CreateGroupsPage(const char* pageName,
                                          std::initializer_list<TGroupChoice> rows,
                                          const QString& note) {
    auto* pageWidget = Named(new QWidget(PageControl), pageName);
    auto* grid = new QGridLayout(pageWidget);
    int row = 0;
    for (auto [box, list] : rows) {
        list->setMinimumWidth(180);
        grid->addWidget(box, row, 0);
        grid->addWidget(list, row, 1);
        connect(box, &QCheckBox::toggled, this, [this] {
            UpdateEnabling();
            MarkChanged();
        });
        connect(list, &QComboBox::currentIndexChanged, this, &TAppConfigForm::MarkChanged);
        ++row;
    }
    grid->setRowMinimumHeight(row++, 8);
    grid->addWidget(NewNote(note, pageWidget), row++, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
    return pageWidget;
}

QWidget* TAppConfigForm::CreateRandPage() {
    tabRandOptions = Named(new QWidget(PageControl), "tabRandOptions");
    cmbRandMethod = Named(new QComboBox(tabRandOptions), "cmbRandMethod");
    cmbRandMethod->addItems({QStringLiteral("Metoda A"), QStringLiteral("Metoda B"),
                             QStringLiteral("Naprzemiennie metody A i B")});
    chbCanCut = Named(new QCheckBox(QStringLiteral("Utwory mogą być skracane"), tabRandOptions),
                      "chbCanCut");
    chbCanCutHighPrior =
        Named(new QCheckBox(QStringLiteral("Utwory z kategorii o wysokim priorytecie, nie mogą być "
                                           "skracane"),
                            tabRandOptions),
              "chbCanCutHighPrior");
    chbRelaxRules = Named(
        new QCheckBox(QStringLiteral("Rozluźniaj reguły, gdy brak kandydata"), tabRandOptions),
        "chbRelaxRules");

    auto* form = new QFormLayout(tabRandOptions);
    form->addRow(QStringLiteral("Metoda dobierania utworów:"), cmbRandMethod);
    form->addRow(chbCanCut);
    form->addRow(chbCanCutHighPrior);
    form->addRow(chbRelaxRules);

    // Taken whenever OK is pressed; a change here is a change of the settings all the same.
    connect(cmbRandMethod, &QComboBox::currentIndexChanged, this, &TAppConfigForm::MarkChanged);
    connect(chbCanCut, &QCheckBox::toggled, this, [this] {
        UpdateEnabling();
        MarkChanged();
    });
    connect(chbCanCutHighPrior, &QCheckBox::toggled, this, &TAppConfigForm::MarkChanged);
    connect(chbRelaxRules, &QCheckBox::toggled, this, &TAppConfigForm::MarkChanged);
    return tabRandOptions;
}

void TAppConfigForm::Fill() {
    FFilling = true;
    edtClock->setText(FConfig.ClockDir);
    edtPlaylist->setText(FConfig.PlayListDir);
    // The default lists by name, the global ones in the groups' order; each stands on its first
    // group until ShowGroup finds the one in force.
    FillFreqGroups(*cmbArtFreqGr, FGroups);
    FillFreqGroups(*cmbSongFreqGr, FGroups);
    FillGroupsInListOrder(*cmbArtGlobGr, FGroups);
    FillGroupsInListOrder(*cmbSongGlobGr, FGroups);
    ShowGroup(*chbArtFreqGr, *cmbArtFreqGr, FGroups.DefArtGr());
    ShowGroup(*chbSongFreqGr, *cmbSongFreqGr, FGroups.DefSongGr());
    ShowGroup(*chbArtGlobGr, *cmbArtGlobGr, FGroups.GlobArtGr());
    ShowGroup(*chbSongGlobGr, *cmbSongGlobGr, FGroups.GlobSongGr());
    chbCanCut->setChecked(FOptions.CanCut());
    chbCanCutHighPrior->setChecked(FOptions.CanCut() && !FOptions.CutHPrior());
    chbRelaxRules->setChecked(FDrawSettings.RelaxWhenNoCandidate());
    cmbRandMethod->setCurrentIndex(
        std::max<int>(static_cast<int>(kSelectionMethods.indexOf(FConfig.SelectionMethod)), 0));
    UpdateEnabling();
    FFilling = false;
    // Showing a directory counts as a change, so OK is there from the start.
    btnOK->setEnabled(!FConfig.ClockDir.isEmpty() || !FConfig.PlayListDir.isEmpty());
}

void TAppConfigForm::Browse(QLineEdit& edit) {
    const QString chosen = ChooseDirectory(this, kChooseDirectoryTitle, edit.text());
    if (!chosen.isEmpty())
        edit.setText(chosen);
}

void TAppConfigForm::UpdateEnabling() {
    for (auto [box, list] :
         {std::pair{chbArtFreqGr, cmbArtFreqGr}, std::pair{chbSongFreqGr, cmbSongFreqGr},
          std::pair{chbArtGlobGr, cmbArtGlobGr}, std::pair{chbSongGlobGr, cmbSongGlobGr}})
        list->setEnabled(box->isChecked());
    chbCanCutHighPrior->setEnabled(chbCanCut->isChecked());
}

void TAppConfigForm::MarkChanged() {
    if (!FFilling)
        btnOK->setEnabled(true);
}

void TAppConfigForm::accept() {
    if (!btnOK->isEnabled())
        return;
    if (!OfferToCreate(edtClock->text()) || !OfferToCreate(edtPlaylist->text()))
        return;
    StoreConfig();
    StoreGroups();
    StoreCutting();
    StoreDrawSettings();
    QDialog::accept();
}

bool TAppConfigForm::OfferToCreate(const QString& directory) {
    // An empty text names no directory to make.
    if (directory.isEmpty() || QDir(directory).exists() ||
        !AskYesNo(Format(kDirectoryMissing, {directory})))
        return true;
    if (QDir().mkdir(directory))
        return true;
    ShowError(Format(kDirectoryNotCreated, {directory}));
    return false;
}

void TAppConfigForm::StoreConfig() {
    const TConfig before = FConfig;
    FConfig.ClockDir = edtClock->text();
    FConfig.PlayListDir = edtPlaylist->text();
    FConfig.SelectionMethod =
        kSelectionMethods.value(cmbRandMethod->currentIndex(), kSelectionMethods.first());
    if (FConfig.ClockDir != before.ClockDir || FConfig.PlayListDir != before.PlayListDir ||
        FConfig.SelectionMethod != before.SelectionMethod)
        SaveConfig(FConfig);
}

void TAppConfigForm::StoreGroups() {
    FGroups.SetDefArtGr(ChosenGroup(*chbArtFreqGr, *cmbArtFreqGr));
    FGroups.SetDefSongGr(ChosenGroup(*chbSongFreqGr, *cmbSongFreqGr));
    FGroups.SetGlobArtGr(ChosenGroup(*chbArtGlobGr, *cmbArtGlobGr));
    FGroups.SetGlobSongGr(ChosenGroup(*chbSongGlobGr, *cmbSongGlobGr));
    if (FGroups.Changed())
        FGroups.Save();
}

void TAppConfigForm::StoreCutting() {
    FOptions.SetCutHPrior(chbCanCut->isChecked() && !chbCanCutHighPrior->isChecked());
    FOptions.SetCanCut(chbCanCut->isChecked());
    FOptions.SaveOptions(true);
}

void TAppConfigForm::StoreDrawSettings() {
    FDrawSettings.SetRelaxWhenNoCandidate(chbRelaxRules->isChecked());
    FDrawSettings.Save(); // only when it changed
}

bool EditAppConfig(TAppConfigPage page, QWidget* parent, const TDialogRunner& run) {
    if (!Options || !FreqGroups || !DrawSettings)
        return false;
    TAppConfigForm form(Config, *FreqGroups, *Options, *DrawSettings, page, parent);
    if (run)
        form.DialogRunner = run;
    return form.DialogRunner(form);
}
