#include "cli/uCliMain.h"

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

Kody wyjścia: 0 wykonane, 1 odmowa (reguła lub odpowiedź "Nie"),
2 błędne użycie, 3 błąd pliku lub bazy.
)";

} // namespace

int RunCli(QStringList args, QTextStream& out, QTextStream& err) {
    QString error;
    if (!TakeProgramDirOption(args, &error)) {
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
        out << QString::fromUtf8(kUsage).arg(QStringLiteral(DOBIERALNIK_VERSION));
        return args.isEmpty() ? ceUsage : ceDone;
    }
    if (args.first() == QLatin1String("--version")) {
        out << "dobieralnik-cli " << DOBIERALNIK_VERSION << Qt::endl;
        return ceDone;
    }
    err << QStringLiteral("Nieznane polecenie \"%1\". Zobacz --help.").arg(args.first())
        << Qt::endl;
    return ceUsage;
}
