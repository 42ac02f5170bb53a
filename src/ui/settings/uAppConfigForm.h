#pragma once

#include "ui/uChooseDirectory.h"
#include "ui/uDialogRunner.h"

#include <QDialog>
#include <QString>
#include <initializer_list>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;
class TArDrawSettings;
class TArFreqGroups;
class TArOptions;
struct TConfig;

// The page "Konfiguracja programu" opens on.
enum class TAppConfigPage { Paths, DefaultRestr, GlobalRestr };

// "Konfiguracja programu": the clock and play-list directories, the frequency groups given to
// new songs and artists and applied to those without one, and how the day is drawn (with
// whether a slot without a candidate gives up rules). OK stores each part in its own file, and
// only the parts that changed; "Anuluj" changes nothing.
class TAppConfigForm final : public QDialog {
    Q_OBJECT
public:
    TAppConfigForm(TConfig& config, TArFreqGroups& groups, TArOptions& options,
                   TArDrawSettings& drawSettings, TAppConfigPage page, QWidget* parent = nullptr);

    // Runs nothing but the window itself; kept alike with the other settings windows.
    TDialogRunner DialogRunner = RunModalDialog;
    // The directory chooser of the "Przeglądaj" buttons.
    TChooseDirectory ChooseDirectory;

    void accept() override;

private:
    QWidget* CreatePathsPage();
    // A frequency group chosen by a tick box and a list.
    struct TGroupChoice {
        QCheckBox* Box;
        QComboBox* List;
    };
    QWidget* CreateGroupsPage(const char* pageName, std::initializer_list<TGroupChoice> rows,
                              const QString& note);
    QWidget* CreateRandPage();
    void Fill();
    void Browse(QLineEdit& edit);
    void UpdateEnabling();
    void MarkChanged();
    // Asks to create a directory that does not exist, and creates it on Yes. False, after
    // saying so, when it could not be created: nothing is stored and the window stays open, so
    // the director does not leave with a directory that is not there.
    static bool OfferToCreate(const QString& directory);
    void StoreConfig();
    void StoreGroups();
    void StoreCutting();
    void StoreDrawSettings();

    TConfig& FConfig;
    TArFreqGroups& FGroups;
    TArOptions& FOptions;
    TArDrawSettings& FDrawSettings;
    // The window is being filled: what changes is not the user's doing.
    bool FFilling = true;

    // Named after their members (objectName).
    QTabWidget* PageControl = nullptr;
    QWidget* tabPaths = nullptr;
    QWidget* tabDefaultRestr = nullptr;
    QWidget* tabGlobalRestr = nullptr;
    QWidget* tabRandOptions = nullptr;
    QLineEdit* edtClock = nullptr;
    QLineEdit* edtPlaylist = nullptr;
    QPushButton* btnBrowseClock = nullptr;
    QPushButton* btnBrowsePlaylist = nullptr;
    QCheckBox* chbArtFreqGr = nullptr;
    QComboBox* cmbArtFreqGr = nullptr;
    QCheckBox* chbSongFreqGr = nullptr;
    QComboBox* cmbSongFreqGr = nullptr;
    QCheckBox* chbArtGlobGr = nullptr;
    QComboBox* cmbArtGlobGr = nullptr;
    QCheckBox* chbSongGlobGr = nullptr;
    QComboBox* cmbSongGlobGr = nullptr;
    QComboBox* cmbRandMethod = nullptr;
    QCheckBox* chbCanCut = nullptr;
    QCheckBox* chbCanCutHighPrior = nullptr;
    QCheckBox* chbRelaxRules = nullptr;
    QPushButton* btnOK = nullptr;
};

// "&Opcje" → "&Konfiguracja", "Blo&kady" → "Blokady &globalne" / "Blokady &domyślne": the window
// on the page, over the process-wide settings. True on OK. `run` runs the window (empty:
// modally).
bool EditAppConfig(TAppConfigPage page, QWidget* parent, const TDialogRunner& run = {});

// Texts of the configuration window.
inline const QString kDirectoryMissing =
    QStringLiteral("Katalog \"%s\" nie istnieje. Czy chcesz go utworzyć?");
inline const QString kDirectoryNotCreated =
    QStringLiteral("Nie udało się utworzyć katalogu \"%s\".");
