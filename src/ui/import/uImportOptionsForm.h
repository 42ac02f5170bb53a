#pragma once

#include "import/uImportOptions.h"
#include "ui/uChooseDirectory.h"
#include "ui/uDialogRunner.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QListView;
class QPushButton;
class QWidget;
class TImportPathsModel;

// "Opcje importu": the further directories searched for audio files and which value of a .dat
// file becomes label 1 and label 2 of a song. OK, enabled once something changed, writes the
// options to the per-user settings; "Anuluj" writes nothing.
class TImportOptionsForm final : public QDialog {
    Q_OBJECT
public:
    explicit TImportOptionsForm(const TImportOptions& options, QWidget* parent = nullptr);

    // Runs nothing but the window itself; kept alike with the other settings windows.
    TDialogRunner DialogRunner = RunModalDialog;
    // The directory chooser of "Dodaj".
    TChooseDirectory ChooseDirectory;

    // The options as the window shows them.
    TImportOptions Options() const;

    // Stays open, after saying so, when the options could not be written: closing would let the
    // user believe they were.
    void accept() override;

private:
    QWidget* CreateMapping();
    void AddDirectory();
    void DeleteSelected();
    void UpdateEnabling();
    void MarkChanged();

    // The directories being edited; the model works on them directly.
    QStringList FPaths;
    TImportPathsModel* FPathsModel = nullptr;

    // Named after their members (objectName).
    QListView* listPaths = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDelete = nullptr;
    QComboBox* cmbMap1 = nullptr;
    QComboBox* cmbMap2 = nullptr;
    QPushButton* btnOK = nullptr;
};

// "&Opcje" → "&Import" and "Opcje importu" of the import window: the window over the stored
// options. True on OK. `run` runs the window (empty: modally), `choose` asks for a directory
// (empty: the system's dialog).
bool EditImportOptions(QWidget* parent, const TDialogRunner& run = {},
                       const TChooseDirectory& choose = {});

inline const QString kImportOptionsNotSaved =
    QStringLiteral("Nie udało się zapisać opcji importu.");
