// Imports generated ".dat" files into a fresh station: writes the files (every key, known and
// unknown characteristic words, codes that become labels, an audio file beside every other
// song), then times reading them into the import list and storing them.
//
//     bench_import [files [seed]]

#include "cli/uCliPrompt.h"
#include "foundation/uAppPaths.h"
#include "foundation/uTextFile.h"
#include "import/uDatFileList.h"
#include "import/uImportChoices.h"
#include "import/uImportOptions.h"
#include "import/uImportRun.h"
#include "import/uImportWork.h"
#include "library/uDBMainBase.h"
#include "settings/uDefaultStation.h"
#include "settings/uSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {

double Seconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

QString Pick(QRandomGenerator& random, const QStringList& words) {
    return words.at(random.bounded(static_cast<int>(words.size())));
}

// Plain writes: the generated files need no protection against a half-written save.
void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

QString TimeText(int msecs) {
    return QStringLiteral("%1:%2.%3")
        .arg(msecs / 60000)
        .arg(msecs / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(msecs % 1000, 3, 10, QLatin1Char('0'));
}

// The ".dat" files (and every other song's audio file) in `dir`; their paths.
QStringList WriteDatFiles(const QString& dir, int count, quint32 seed) {
    QRandomGenerator random(seed);
    // A few unknown words among the known ones, so the run adds values too.
    const QStringList types{QStringLiteral("A - Pop"), QStringLiteral("B - Rock"),
                            QStringLiteral("Dance"), QStringLiteral("C - Disco polo")};
    const QStringList moods{QStringLiteral("Radosny"), QStringLiteral("Spokojny"),
                            QStringLiteral("Zadumany")};
    const QStringList tempos{QStringLiteral("Wolne"), QStringLiteral("Średnie"),
                             QStringLiteral("Szybkie")};
    const QStringList vocals{QStringLiteral("Męski"), QStringLiteral("Żeński"),
                             QStringLiteral("Duet")};
    const QStringList languages{QStringLiteral("Polski"), QStringLiteral("Angielski")};
    const QStringList categories{QStringLiteral("Muzyka"), QStringLiteral("Przeboje"),
                                 QStringLiteral("Ballady")};
    QStringList files;
    for (int i = 0; i < count; ++i) {
        const int total = 150000 + static_cast<int>(random.bounded(150000));
        const QString base = QStringLiteral("utwor%1").arg(i, 5, 10, QLatin1Char('0'));
        const QStringList lines{
            QStringLiteral("Tyt=Piosenka numer %1").arg(i),
            QStringLiteral("Wyk=Wykonawca %1").arg(random.bounded(2000)),
            QStringLiteral("Pta=Album %1").arg(random.bounded(3000)),
            QStringLiteral("Aut=Autor %1").arg(random.bounded(500)),
            QStringLiteral("Kom=Kompozytor %1").arg(random.bounded(500)),
            QStringLiteral("Wyd=Wydawca %1").arg(random.bounded(50)),
            QStringLiteral("Rok=%1").arg(1960 + random.bounded(65)),
            QStringLiteral("Typ=") + Pick(random, types),
            QStringLiteral("Tmc=") + Pick(random, tempos),
            QStringLiteral("Tmi=") + Pick(random, tempos),
            QStringLiteral("Tmo=") + Pick(random, tempos),
            QStringLiteral("Gen=") + Pick(random, vocals),
            QStringLiteral("Nas=") + Pick(random, moods),
            QStringLiteral("Nar=") + Pick(random, languages),
            QStringLiteral("FIn=0:00.000"),
            QStringLiteral("FOu=") + TimeText(total - 2000),
            QStringLiteral("Mix=") + TimeText(total - 5000),
            QStringLiteral("Int=0:%1.000").arg(random.bounded(30), 2, 10, QLatin1Char('0')),
            QStringLiteral("Out=") + TimeText(total - 10000),
            QStringLiteral("NwP=0:00.000"),
            QStringLiteral("NwK=") + TimeText(total),
            QStringLiteral("Tot=") + TimeText(total),
            QStringLiteral("Ktg=") + Pick(random, categories),
            QStringLiteral("Jak=HQ"),
            QStringLiteral("Kod=K%1").arg(random.bounded(500)),
            QStringLiteral("BPM=%1").arg(80 + random.bounded(80)),
        };
        const QString path = QDir(dir).filePath(base + QStringLiteral(".dat"));
        WriteBytes(path, EncodeCp1250(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        if (i % 2 == 0)
            WriteBytes(QDir(dir).filePath(base + QStringLiteral(".mp3")), QByteArray());
        files.append(path);
    }
    return files;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const quint32 seed = argc > 2 ? static_cast<quint32>(std::atoi(argv[2])) : 1;

    QTemporaryDir station;
    QString error;
    if (!station.isValid() ||
        CreateStation(station.path(), &error) != TStationCreation::scCreated) {
        std::fprintf(stderr, "cannot make a station: %s\n", qPrintable(error));
        return 1;
    }
    SetProgramDir(station.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QDir(station.path()).filePath(QStringLiteral(".settings")));
    QTextStream err(stderr);
    TCliPrompt prompt(err, false);
    SetPrompt(&prompt);
    InitOptions();
    InitMainBase();
    const QString datDir = QDir(station.path()).filePath(QStringLiteral("dat"));
    QDir().mkpath(datDir);

    QElapsedTimer timer;
    timer.start();
    const QStringList files = WriteDatFiles(datDir, count, seed);
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
