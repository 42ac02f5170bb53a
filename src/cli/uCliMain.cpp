#include "cli/uCliMain.h"

#include "cli/uCliCommand.h"
#include "cli/uCliPrompt.h"
#include "foundation/uCommandLine.h"

namespace {

const char* const kUsage =
    R"(Dobieralnik %1 - układanie play list stacji radiowej, z wiersza poleceń.

Użycie: dobieralnik-cli [--dir KATALOG] [--yes] POLECENIE [ARGUMENTY]

Opcje:
  --dir KATALOG   katalog stacji (domyślnie katalog programu)
  --yes           odpowiada "Tak" na każde pytanie (domyślnie "Nie")
  --help          ten opis
  --version       wersja programu

Polecenia:
%2
Kody wyjścia: 0 wykonane, 1 odmowa (reguła lub odpowiedź "Nie"),
2 błędne użycie, 3 błąd pliku lub bazy.
)";

QString CommandList() {
    QString text;
    for (const TCliCommand& command : CliCommands())
        text += QStringLiteral("  ") + QString::fromUtf8(command.Synopsis) + QLatin1Char('\n');
    return text;
}

// The command named by the first argument that is neither an option nor the value of --dir.
const TCliCommand* FindCommand(const QStringList& args) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--dir")) {
            ++i;
            continue;
        }
        if (args[i].startsWith(QLatin1Char('-')))
            continue;
        for (const TCliCommand& command : CliCommands())
            if (args[i] == QLatin1String(command.Name))
                return &command;
        return nullptr;
    }
    return nullptr;
}

} // namespace

int RunCli(QStringList args, QTextStream& out, QTextStream& err) {
    const TCliCommand* command = FindCommand(args);
    QString error;
    if (!TakeProgramDirOption(args, &error, command && command->CreatesStation)) {
        err << error << Qt::endl;
        return ceUsage;
    }
    const bool answerYes = args.removeAll(QStringLiteral("--yes")) > 0;
    TCliPrompt prompt(err, answerYes);
    SetPrompt(&prompt);
    struct TRestorePrompt {
        ~TRestorePrompt() { SetPrompt(nullptr); }
    } restore;

    if (args.isEmpty() || args.contains(QStringLiteral("--help")) ||
        args.contains(QStringLiteral("-h"))) {
        out << QString::fromUtf8(kUsage).arg(QStringLiteral(DOBIERALNIK_VERSION), CommandList());
        return args.isEmpty() ? ceUsage : ceDone;
    }
    if (args.first() == QLatin1String("--version")) {
        out << "dobieralnik-cli " << DOBIERALNIK_VERSION << Qt::endl;
        return ceDone;
    }
    if (command && args.first() == QLatin1String(command->Name)) {
        TCliContext context{args.mid(1), out, err};
        return command->Handler(context);
    }
    err << QStringLiteral("Nieznane polecenie \"%1\". Zobacz --help.").arg(args.first())
        << Qt::endl;
    return ceUsage;
}
