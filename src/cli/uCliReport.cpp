#include "cli/uCliDay.h"
#include "cli/uCliMain.h"
#include "report/uDayReportJson.h"
#include "report/uDayReportText.h"
#include "report/uShownDayReport.h"

#include <optional>

// "report DATE [--json]": the day report of a pending or accepted day. Exit 0 when no rule is
// broken (relaxed ones do not count), 1 when one is, 3 when a file or the store fails or the day
// has no play list to report on (empty or only planned): there is nothing to read, which is no
// judgement of the day's rules.

namespace {

const QString kJsonOption = QStringLiteral("--json");

} // namespace

int CliReport(TCliContext& context) {
    const bool json = context.Args.removeAll(kJsonOption) > 0;
    TCliDayHost host;
    return RunDayCommand(
        context, 1, host,
        [&](TDayLifecycle& days, const QDate&) {
            QString error;
            const std::optional<TDayReport> report = ShownDayReport(days, &error);
            if (!report && !error.isEmpty())
                context.Err << error << Qt::endl;
            if (!report)
                return int(ceFileError);
            if (json)
                context.Out << QString::fromUtf8(DayReportJsonText(*report)) << Qt::endl;
            else
                for (const QString& line : DayReportText(*report))
                    context.Out << line << Qt::endl;
            return int(report->HasBroken() ? ceRefused : ceDone);
        },
        false);
}
