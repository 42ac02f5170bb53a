#include "cli/uCliCommand.h"
#include "cli/uCliMain.h"
#include "dayplan/uStores.h"
#include "import/uBatchImportChoices.h"
#include "import/uDatFile.h"
#include "import/uDatFileList.h"
#include "import/uImportCharKinds.h"
#include "import/uImportOptions.h"
#include "import/uImportRun.h"
#include "import/uImportWork.h"
#include "import/uRunAliasesFile.h"
#include "settings/uSettings.h"

#include <optional>

namespace {

struct TImportDatArgs {
    TUnknownValueAction Unknown = uaAdd;
    QStringList Replacements; // KIND=VALUE, as given
    bool Remember = false;
    QString AliasesFile;
    QStringList Files;
};

std::optional<TUnknownValueAction> UnknownActionByName(const QString& name) {
    if (name == QLatin1String("add"))
        return uaAdd;
    if (name == QLatin1String("ignore"))
        return uaIgnore;
    return std::nullopt;
}

// The value of the option `name` at args[i], given as "--name VALUE" or "--name=VALUE" (empty
// when the value is missing), with i moved onto the last argument it took; nullopt when args[i]
// is another argument.
std::optional<QString> OptionValue(const QStringList& args, qsizetype& i, const QString& name) {
    const QString& arg = args[i];
    if (arg == name)
        return i + 1 < args.size() ? args[++i] : QString();
    if (arg.startsWith(name + QLatin1Char('=')))
        return arg.mid(name.size() + 1);
    return std::nullopt;
}

// The arguments, or nothing when they are wrong (the reason is written). Kinds and values are
// checked later, against the station's lists.
std::optional<TImportDatArgs> ParseArgs(const QStringList& args, QTextStream& err) {
    const QString unknownOption = QStringLiteral("--unknown");
    const QString replaceOption = QStringLiteral("--replace");
    const QString aliasesOption = QStringLiteral("--aliases");
    TImportDatArgs parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--remember")) {
            parsed.Remember = true;
        } else if (const std::optional<QString> unknown = OptionValue(args, i, unknownOption)) {
            const std::optional<TUnknownValueAction> action = UnknownActionByName(*unknown);
            if (!action) {
                err << QStringLiteral("Opcja --unknown przyjmuje \"add\" albo \"ignore\".")
                    << Qt::endl;
                return std::nullopt;
            }
            parsed.Unknown = *action;
        } else if (const std::optional<QString> replace = OptionValue(args, i, replaceOption)) {
            if (!replace->contains(QLatin1Char('='))) {
                err << QStringLiteral("Opcja --replace przyjmuje CHARAKTERYSTYKA=WARTOŚĆ.")
                    << Qt::endl;
                return std::nullopt;
            }
            parsed.Replacements.append(*replace);
        } else if (const std::optional<QString> aliases = OptionValue(args, i, aliasesOption)) {
            if (aliases->isEmpty() || !parsed.AliasesFile.isEmpty()) {
                err << QStringLiteral("Opcja --aliases przyjmuje jeden plik.") << Qt::endl;
                return std::nullopt;
            }
            parsed.AliasesFile = *aliases;
        } else if (args[i].startsWith(QLatin1String("--"))) {
            err << QStringLiteral("Nieznana opcja \"%1\". Zobacz --help.").arg(args[i]) << Qt::endl;
            return std::nullopt;
        } else {
            parsed.Files.append(args[i]);
        }
    }
    // Nothing would be remembered: say so rather than let the user believe otherwise.
    if (parsed.Remember && parsed.Replacements.isEmpty() && parsed.AliasesFile.isEmpty()) {
        err << QStringLiteral("Opcja --remember działa tylko z --replace albo --aliases.")
            << Qt::endl;
        return std::nullopt;
    }
    if (parsed.Files.isEmpty()) {
        err << QStringLiteral("Podaj co najmniej jeden plik .dat.") << Qt::endl;
        return std::nullopt;
    }
    return parsed;
}

// The answers of the run, or nothing when a replacement or the aliases file names a kind or a
// value the station does not have (the reason is written).
std::optional<TBatchImportRules> BuildRules(const TImportDatArgs& args, const TArOptions& options,
                                            QTextStream& err) {
    TBatchImportRules rules;
    rules.Unknown = args.Unknown;
    rules.Remember = args.Remember;
    for (const QString& replacement : args.Replacements) {
        const qsizetype equals = replacement.indexOf(QLatin1Char('='));
        QString error;
        const std::optional<TKindValue> target = FindImportedKindValue(
            options, replacement.left(equals), replacement.mid(equals + 1), &error);
        if (!target) {
            err << QStringLiteral("Opcja --replace \"%1\": %2").arg(replacement, error) << Qt::endl;
            return std::nullopt;
        }
        if (!rules.Replacements.emplace(target->Kind, target->Value).second) {
            err << QStringLiteral("Opcja --replace podana dwa razy dla charakterystyki %1.")
                       .arg(CharKindCaption(target->Kind))
                << Qt::endl;
            return std::nullopt;
        }
    }
    QString error;
    if (!args.AliasesFile.isEmpty() &&
        !ReadRunAliases(args.AliasesFile, options, rules.Aliases, &error)) {
        err << error << Qt::endl;
        return std::nullopt;
    }
    return rules;
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
    // Checked before the first song file is read: a wrong rule stores nothing, not even labels.
    std::optional<TBatchImportRules> rules = BuildRules(*args, *Options, context.Err);
    if (!rules)
        return ceUsage;

    TBatchImportChoices choices(std::move(*rules));
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
