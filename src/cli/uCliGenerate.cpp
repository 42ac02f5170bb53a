#include "cli/uCliDay.h"
#include "cli/uCliMain.h"

int CliGenerate(TCliContext& context) {
    std::optional<std::uint32_t> seed;
    if (const qsizetype at = context.Args.indexOf(QStringLiteral("--seed")); at >= 0) {
        bool ok = false;
        const uint value = context.Args.value(at + 1).toUInt(&ok);
        if (!ok) {
            context.Err << QStringLiteral("Opcja --seed wymaga liczby.") << Qt::endl;
            return ceUsage;
        }
        seed = value;
        context.Args.remove(at, 2);
    }
    TCliDayHost host;
    return RunDayCommand(context, 1, host, [&](TDayLifecycle& days, const QDate&) {
        if (!RequireState(days, dsFuture, context.Err))
            return int(ceRefused);
        days.Seed = seed;
        return ExitCodeOf(days.Generate());
    });
}
