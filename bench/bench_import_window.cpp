// Times the import of generated ".dat" files through its windows, as a director runs it:
// "Import z plików dat" with the files chosen, "Import" reading them in the progress window
// ("Postęp", updated as it goes), the list window, and its "Import" storing the ticked songs in
// the progress window again. Unknown words are answered with the preselected choice.
//
//     QT_QPA_PLATFORM=offscreen bench_import_window [files [seed]]

#include "BenchDatFiles.h"
#include "cli/uCliPrompt.h"
#include "import/uImportOptions.h"
#include "library/uDBMainBase.h"
#include "settings/uSettings.h"
#include "ui/import/uDatFileListForm.h"
#include "ui/import/uDatFileListModel.h"
#include "ui/import/uImportForm.h"
#include "ui/uProgressForm.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

using bench::Seconds;

namespace {

struct TTimes {
    QElapsedTimer Clock;
    double Reading = 0;
    double Storing = 0;
    int Questions = 0;
    int Rows = 0;
};

void Click(QDialog& dialog, const char* name) {
    if (auto* button = dialog.findChild<QPushButton*>(QLatin1String(name)))
        button->click();
    else
        std::fprintf(stderr, "no %s in %s\n", name, qPrintable(dialog.objectName()));
}

// Plays the director: chooses the files, presses "Import" in each window and takes the
// preselected answer of every question.
TDialogRunner Director(TTimes& times) {
    return [&times](QDialog& dialog) {
        if (dialog.objectName() == QLatin1String("ImportForm")) {
            Click(dialog, "btnFiles");
            times.Clock.start();
            Click(dialog, "btnOK");
        } else if (auto* list = qobject_cast<TDatFileListForm*>(&dialog)) {
            times.Reading = Seconds(times.Clock);
            times.Rows = list->Model()->rowCount();
            times.Clock.restart();
            Click(dialog, "btnOK");
            times.Storing = Seconds(times.Clock);
        } else {
            ++times.Questions;
            dialog.accept();
        }
        return dialog.result() == QDialog::Accepted;
    };
}

// The songs in the library, its -1 row left out.
int SongCount() {
    TDBTable& songs = MainBase->BaseSongsTable();
    return songs.RecordCount() - (songs.Locate(songs.KeyField(), {-1}) ? 1 : 0);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const quint32 seed = argc > 2 ? static_cast<quint32>(std::atoi(argv[2])) : 1;

    QTemporaryDir station;
    const QString datDir = station.isValid() ? bench::MakeImportStation(station.path()) : QString();
    if (datDir.isEmpty())
        return 1;
    // Boxes (duplicates, none expected) go to standard error instead of waiting for a click.
    QTextStream err(stderr);
    TCliPrompt prompt(err, false);
    SetPrompt(&prompt);
    SetProgressWindowFactory(TProgressForm::Factory());
    InitOptions();
    InitMainBase();

    QElapsedTimer timer;
    timer.start();
    const QStringList files = bench::WriteDatFiles(datDir, count, seed);
    std::printf("writing %d .dat files: %.2f s\n", count, Seconds(timer));
    TImportOptions options;
    options.ToLabel1Id = lsCode;
    options.ToLabel2Id = lsQuality;
    SaveImportOptions(options);

    TTimes times;
    TImportWindowHooks hooks;
    hooks.ChooseFiles = [&files](QWidget*) { return files; };
    hooks.Run = Director(times);
    timer.restart();
    const bool imported = ImportDatFiles(nullptr, hooks);
    const double total = Seconds(timer);
    const int stored = SongCount();
    std::printf("reading into the list window (%d rows): %.2f s\n", times.Rows, times.Reading);
    std::printf("storing the ticked songs: %.2f s (%d questions answered)\n", times.Storing,
                times.Questions);
    std::printf("import of %d files through the windows: %.2f s, %d songs in the library\n", count,
                total, stored);

    DoneMainBase();
    DoneOptions();
    SetProgressWindowFactory({});
    SetPrompt(nullptr);
    return imported && stored == count ? 0 : 1;
}
