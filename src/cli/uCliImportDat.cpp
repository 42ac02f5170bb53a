#include "cli/uCliCommand.h"
#include "cli/uCliMain.h"
#include "dayplan/uStores.h"
#include "import/uDatFile.h"
#include "import/uDatFileList.h"
#include "import/uImportChoices.h"
#include "import/uImportOptions.h"
#include "import/uImportRun.h"
#include "import/uImportWork.h"

#include <optional>

namespace {

struct TImportDatArgs {
    TUnknownValueAction Unknown = uaAdd;
    QStringList Files;
};

std::optional<TUnknownValueAction> UnknownActionByName(const QString& name) {
    if (name == QLatin1String("add"))
        return uaAdd;
    if (name == QLatin1String("ignore"))
        return uaIgnore;
    return std::nullopt;
}

// The arguments, or nothing when they are wrong (the reason is written).
std::optional<TImportDatArgs> ParseArgs(const QStringList& args, QTextStream& err) {
    TImportDatArgs parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        QString value;
        if (arg == QLatin1String("--unknown")) {
            value = i + 1 < args.size() ? args[++i] : QString();
        } else if (arg.startsWith(QLatin1String("--unknown="))) {
            value = arg.mid(10);
        } else if (arg.startsWith(QLatin1String("--"))) {
            err << QStringLiteral("Nieznana opcja \"%1\". Zobacz --help.").arg(arg) << Qt::endl;
            return std::nullopt;
        } else {
            parsed.Files.append(arg);
            continue;
        }
        const std::optional<TUnknownValueAction> action = UnknownActionByName(value);
        if (!action) {
            err << QStringLiteral("Opcja --unknown przyjmuje \"add\" albo \"ignore\".") << Qt::endl;
            return std::nullopt;
        }
        parsed.Unknown = *action;
    }
    if (parsed.Files.isEmpty()) {
        err << QStringLiteral("Podaj co najmniej jeden plik .dat.") << Qt::endl;
        return std::nullopt;
    }
    return parsed;
}

// The rows the user must look at: files that are not songs and songs without audio.
int ReportRows(const TDatFileList& list, QTextStream& err) {
    int badFiles = 0;
    for (const TDatFileEntry& entry : list) {
        if (entry.IsSong() && entry.Status == kAudioFileFound)
            continue;
        err << entry.DatFile << QStringLiteral(": ") << entry.Status << Qt::endl;
        if (!entry.IsSong())
            ++badFiles;
    }
    return badFiles;
}

} // namespace

int CliImportDat(TCliContext& context) {
    const std::optional<TImportDatArgs> args = ParseArgs(context.Args, context.Err);
    if (!args)
        return ceUsage;
    TStoresSession stores;
    if (!stores.IsUp())
        return ceFileError;

    TFixedImportChoices choices(args->Unknown);
    // The operations the desktop program runs in its progress window; here they run at once.
    TDatReadWork reading(args->Files, LoadImportOptions(), choices);
    RunImportWork(reading);
    TDatFileList& list = reading.List;
    const int badFiles = ReportRows(list, context.Err);
    TSongsImportWork storing(list, choices);
    RunImportWork(storing);
    const TImportResult& result = storing.Result;
    context.Out << QStringLiteral("Zaimportowano: %1, już w bazie: %2, błędne pliki: %3, "
                                  "niezapisane: %4.")
                       .arg(result.Added)
                       .arg(result.Duplicates)
                       .arg(badFiles)
                       .arg(result.Failed)
                << Qt::endl;
    // A duplicate is handled by skipping it; a file that is not a song, a song that could not
    // be stored, or an alias file that could not be read whole, is not.
    return badFiles == 0 && result.Failed == 0 && UnreadFiles().isEmpty() ? ceDone : ceFileError;
}
