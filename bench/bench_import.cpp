// Imports generated ".dat" files into a fresh station: writes the files (every key, known and
// unknown characteristic words, codes that become labels, an audio file beside every other
// song), then times reading them into the import list and storing them.
//
//     bench_import [files [seed]]

#include "BenchDatFiles.h"
#include "cli/uCliPrompt.h"
#include "import/uDatFileList.h"
#include "import/uImportChoices.h"
#include "import/uImportOptions.h"
#include "import/uImportRun.h"
#include "import/uImportWork.h"
#include "library/uDBMainBase.h"
#include "settings/uSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

using bench::Seconds;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const quint32 seed = argc > 2 ? static_cast<quint32>(std::atoi(argv[2])) : 1;

    QTemporaryDir station;
    const QString datDir = station.isValid() ? bench::MakeImportStation(station.path()) : QString();
    if (datDir.isEmpty())
        return 1;
    QTextStream err(stderr);
    TCliPrompt prompt(err, false);
    SetPrompt(&prompt);
    InitOptions();
    InitMainBase();

    QElapsedTimer timer;
    timer.start();
    const QStringList files = bench::WriteDatFiles(datDir, count, seed);
    std::printf("writing %d .dat files: %.2f s\n", count, Seconds(timer));

    TImportOptions options;
    options.ToLabel1Id = lsCode;
    options.ToLabel2Id = lsQuality;
    // Answers quietly: the benchmark measures the import, not the reporting.
    struct TQuietChoices final : IImportChoices {
        QString ChooseLongText(const TLongTextQuestion& question) override {
            return question.AutoCut;
        }
        TUnknownValueAnswer ChooseUnknownValue(int, const QString&, const QString&) override {
            return {};
        }
    } choices;

    QElapsedTimer total;
    total.start();
    timer.restart();
    // The operations the import window runs in its progress window.
    TDatReadWork readWork(files, options, choices);
    RunImportWork(readWork);
    TDatFileList& list = readWork.List;
    const double reading = Seconds(timer);
    timer.restart();
    TSongsImportWork storeWork(list, choices);
    RunImportWork(storeWork);
    const TImportResult& result = storeWork.Result;
    const double storing = Seconds(timer);
    std::printf("reading the list: %.2f s\n", reading);
    std::printf("storing: %.2f s (%d added, %d duplicates, %d failed)\n", storing, result.Added,
                result.Duplicates, result.Failed);
    std::printf("import of %d files: %.2f s\n", count, Seconds(total));

    DoneMainBase();
    DoneOptions();
    SetPrompt(nullptr);
    return result.Added == count ? 0 : 1;
}
