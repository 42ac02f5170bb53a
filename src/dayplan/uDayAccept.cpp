#include "dayplan/uDayHistory.h"
#include "dayplan/uDayLifecycle.h"
#include "dayplan/uDayMessages.h"
#include "dayplan/uPlanExport.h"
#include "foundation/uAppPaths.h"
#include "foundation/uArUtils.h"
#include "foundation/uDateTime.h"
#include "foundation/uPrompt.h"
#include "library/uStatsCache.h"
#include "settings/uSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kLastSecondOfDay = 86399;

// The chosen path with everything from the first dot of its file name on replaced by the
// extension; a dot in a directory name is left alone.
QString ExportFilePath(const QString& chosen, const QString& extension) {
    const QFileInfo info(chosen);
    const QString name = CutAtDot(info.fileName()) + extension;
    const QString dir = info.path();
    return chosen.contains(QLatin1Char('/')) ? QDir(dir).filePath(name) : name;
}

} // namespace

bool TDayLifecycle::IsListComplete() const {
    if (FPlayList.IsEmpty())
        return false;
    const TResultSongData& first = FPlayList.Position(0);
    const TResultSongData& last = FPlayList.Position(FPlayList.Count() - 1);
    const qint64 endMs = static_cast<qint64>(last.Hour) + last.PlayTime;
    return first.Hour == 0 && endMs / 1000 > kLastSecondOfDay;
}

TDayResult TDayLifecycle::Accept() {
    if (FState != dsPending)
        return TDayResult::drRefused;
    if (!IsListComplete() && !AskYesNo(DayText::Incomplete))
        return TDayResult::drRefused;
    if (ExistingPlanFilePath(pkHistory, FShownDate.addDays(-1)).isEmpty() &&
        IsAfterFirstDay(FShownDate)) {
        ShowError(DayText::AcceptPreviousFirst);
        return TDayResult::drRefused;
    }

    const std::vector<const TResultSongData*> positions = FPlayList.Positions();
    const QDate day = FShownDate;
    TDayHistoryHook history;
    history.Write = [&] { return WriteDayHistory(positions, day); };
    history.Withdraw = [&] { DeletePlanFile(pkHistory, day); };
    if (!RecordDayStats(DateToDateTime(day),
                        QList<const TResultSongData*>(positions.begin(), positions.end()), history))
        return TDayResult::drFailed;

    if (FPlayList.PendingPath.isEmpty())
        FPlayList.PendingPath = PlanFilePath(pkCurrent, day);
    Export(1);
    ShowDay(day);
    DeleteDayFiles(day);
    return TDayResult::drDone;
}

TDayResult TDayLifecycle::Export(int filterIndex) {
    if (FState != dsPending)
        return TDayResult::drRefused;
    const QString dir = Config.PlayListDir;
    if (!dir.isEmpty())
        QDir().mkpath(dir);
    const QString chosen =
        FHost.ChooseExportFile(dir, FormatDateKey(DateToDateTime(FShownDate)), filterIndex);
    if (chosen.isEmpty())
        return TDayResult::drRefused;

    const std::vector<const TResultSongData*> positions = FPlayList.Positions();
    if (filterIndex == 1) {
        bool stopped = false;
        const bool written = ExportMix(
            positions, ExportFilePath(chosen, QStringLiteral(".mix")),
            [this](int row) { FHost.FocusRow(row); }, &stopped);
        return written ? TDayResult::drDone
                       : (stopped ? TDayResult::drRefused : TDayResult::drFailed);
    }
    return ExportText(positions, ExportFilePath(chosen, QStringLiteral(".txt")), FShownDate)
               ? TDayResult::drDone
               : TDayResult::drFailed;
}
