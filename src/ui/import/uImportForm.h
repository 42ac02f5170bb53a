#pragma once

#include "ui/library/uSongProperties.h"
#include "ui/uChooseDirectory.h"
#include "ui/uDialogRunner.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class QPushButton;
class QListView;
class QStringListModel;

// What the import asks of the user beyond its own windows, replaceable so the whole import can
// be driven without one.
struct TImportWindowHooks {
    // Runs every window of the import: "Import z plików dat" itself, its list, the options
    // and the questions (empty: modally).
    TDialogRunner Run;
    // "Przeglądaj": the chosen ".dat" files, empty when given up.
    std::function<QStringList(QWidget* parent)> ChooseFiles;
    // "Katalog" and the options' "Dodaj".
    TChooseDirectory ChooseDirectory;
    // The song window a double click on the list opens.
    TSongWindowHooks SongWindow;
};

// "Import z plików dat": the user chooses ".dat" files (or a folder of them), and "Import"
// reads them into the list window. The dialog closes when the list window ends with "Import"
// and comes back when it ends with "Anuluj" or the reading was stopped.
class TImportForm final : public QDialog {
    Q_OBJECT
public:
    explicit TImportForm(TImportWindowHooks hooks, QWidget* parent = nullptr);

    const QStringList& Files() const { return FFiles; }

    // "Import".
    void accept() override;

private:
    void ChooseFiles();
    void ChooseFolder();
    void SetFiles(const QStringList& files);
    void EditOptions();
    bool RunDialog(QDialog& dialog) const;

    TImportWindowHooks FHooks;
    QStringList FFiles;
    QStringListModel* FFilesModel = nullptr;

    // Named after their members (objectName).
    QListView* listFiles = nullptr;
    QPushButton* btnFiles = nullptr;
    QPushButton* btnFolder = nullptr;
    QPushButton* btnOptions = nullptr;
    QPushButton* btnOK = nullptr;
};

// "&Baza" → "&Import" → "Plik &Orvo dat": true when the list window ended with "Import".
bool ImportDatFiles(QWidget* parent, const TImportWindowHooks& hooks = {});

inline const QString kChooseDatFilesTitle = QStringLiteral("Importuj z plików Orvo dat");
inline const QString kNoDatFilesInFolder = QStringLiteral("W katalogu \"%s\" nie ma plików dat.");
