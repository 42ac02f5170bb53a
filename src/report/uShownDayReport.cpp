#include "report/uShownDayReport.h"

#include "foundation/uFormat.h"
#include "foundation/uMsgLog.h"
#include "report/uAcceptedDayReport.h"
#include "report/uDayReportJson.h"
#include "report/uPendingDayReport.h"

#include <QFile>

std::optional<TDayReport> ShownDayReport(TDayLifecycle& days, QString* error) {
    const QDate& date = days.ShownDate();
    switch (days.State()) {
    case dsPending:
        return PendingDayReport(days, date, error);
    case dsHistory:
        // A history file that cannot be read has been reported by its reader.
        if (!days.HistoryShown())
            return std::nullopt;
        return AcceptedDayReport(days.History(), date, error);
    default:
        if (error)
            *error = kNoReportForState.arg(date.toString(Qt::ISODate), DayStateName(days.State()));
        return std::nullopt;
    }
}

TDayResult AcceptKeepingReport(TDayLifecycle& days) {
    const QDate date = days.ShownDate();
    QString error;
    const std::optional<TDayReport> report =
        days.State() == dsPending ? PendingDayReport(days, date, &error) : std::nullopt;
    const TDayResult result = days.Accept();
    if (result != TDayResult::drDone)
        return result;
    // A report of an earlier acceptance of the day describes another list.
    QFile::remove(DayReportPath(date));
    if (report && !WriteDayReportFile(DayReportPath(date), *report, &error))
        error = FileSaveErrorText(DayReportPath(date), error);
    if (!report || !error.isEmpty())
        LogMessage(msResult, TLogLevel::Error, Format(kReportNotKept, {error}));
    return result;
}

TDayResult BackRemovingReport(TDayLifecycle& days) {
    const bool accepted = days.State() == dsHistory;
    const QDate date = days.ShownDate();
    const TDayResult result = days.Back();
    if (accepted && result == TDayResult::drDone && days.State() != dsHistory)
        QFile::remove(DayReportPath(date));
    return result;
}
