#pragma once

// Generated ".dat" files for the import benchmarks: every key, known and unknown
// characteristic words, codes that become labels, an audio file beside every other song.

#include "foundation/uAppPaths.h"
#include "foundation/uTextFile.h"
#include "settings/uDefaultStation.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QStringList>
#include <cstdio>

namespace bench {

inline double Seconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

inline QString Pick(QRandomGenerator& random, const QStringList& words) {
    return words.at(random.bounded(static_cast<int>(words.size())));
}

// Plain writes: the generated files need no protection against a half-written save.
inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

inline QString TimeText(int msecs) {
    return QStringLiteral("%1:%2.%3")
        .arg(msecs / 60000)
        .arg(msecs / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(msecs % 1000, 3, 10, QLatin1Char('0'));
}

// The ".dat" files (and every other song's audio file) in `dir`; their paths.
inline QStringList WriteDatFiles(const QString& dir, int count, quint32 seed) {
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

// Makes `dir` a new station, the program's directory, with the per-user settings inside it;
// the folder for the ".dat" files, or empty when the station could not be made (said why).
inline QString MakeImportStation(const QString& dir) {
    QString error;
    if (CreateStation(dir, &error) != TStationCreation::scCreated) {
        std::fprintf(stderr, "cannot make a station: %s\n", qPrintable(error));
        return {};
    }
    SetProgramDir(dir);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QDir(dir).filePath(QStringLiteral(".settings")));
    const QString datDir = QDir(dir).filePath(QStringLiteral("dat"));
    QDir().mkpath(datDir);
    return datDir;
}

} // namespace bench
