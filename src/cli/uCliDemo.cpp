#include "cli/uCliCommand.h"
#include "cli/uCliMain.h"
#include "cli/uDemoStation.h"
#include "foundation/uAppPaths.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

namespace {

// Reads "--songs N" and "--seed N"; false, with the reason in `error`, for anything else.
bool ReadDemoOptions(const QStringList& args, TDemoStationOptions& options, QString& error) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& name = args[i];
        const bool songs = name == QLatin1String("--songs");
        if (!songs && name != QLatin1String("--seed")) {
            error = QStringLiteral("Nieznany argument \"%1\" polecenia demo.").arg(name);
            return false;
        }
        if (i + 1 == args.size()) {
            error = QStringLiteral("Brak wartości opcji %1.").arg(name);
            return false;
        }
        const QString& text = args[++i];
        bool ok = false;
        if (songs) {
            const int value = text.toInt(&ok);
            if (!ok || value < DemoMinSongs || value > DemoMaxSongs) {
                error =
                    QStringLiteral("Nieprawidłowa liczba utworów \"%1\": dozwolone od %2 do %3.")
                        .arg(text)
                        .arg(DemoMinSongs)
                        .arg(DemoMaxSongs);
                return false;
            }
            options.Songs = value;
        } else {
            const uint value = text.toUInt(&ok);
            if (!ok) {
                error = QStringLiteral("Nieprawidłowe ziarno \"%1\": dozwolone od 0 do %2.")
                            .arg(text)
                            .arg(std::numeric_limits<uint>::max());
                return false;
            }
            options.Seed = value;
        }
    }
    return true;
}

QString ClockNames(const QStringList& paths) {
    QStringList names;
    for (const QString& path : paths)
        names.append(QLatin1Char('"') + QFileInfo(path).completeBaseName() + QLatin1Char('"'));
    return names.join(QStringLiteral(", "));
}

} // namespace

int CliDemo(TCliContext& context) {
    TDemoStationOptions options;
    QString error;
    if (!ReadDemoOptions(context.Args, options, error)) {
        context.Err << error << Qt::endl;
        return ceUsage;
    }
    TDemoStation made;
    const auto progress = [&context](const QString& text) { context.Out << text << Qt::endl; };
    const TStationCreation result =
        CreateDemoStation(ProgramDir(), options, progress, &error, &made);
    if (result == TStationCreation::scCreated)
        context.Out << QStringLiteral("Założono stację demonstracyjną w katalogu \"%1\": utworów "
                                      "%2, zegary %3.")
                           .arg(QDir::toNativeSeparators(ProgramDir()))
                           .arg(made.Songs)
                           .arg(ClockNames(made.ClockPaths))
                    << Qt::endl;
    return StationExitCode(result, error, context.Err);
}
