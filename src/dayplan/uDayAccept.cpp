#include "dayplan/uDayHistory.h"
#include "dayplan/uDayLifecycle.h"
#include "dayplan/uDayMessages.h"
#include "dayplan/uPlanExport.h"
#include "dayplan/uPlanFile.h"
#include "dayplan/uRelaxedFile.h"
#include "foundation/uAppPaths.h"
#include "foundation/uArUtils.h"
#include "foundation/uDateTime.h"
#include "foundation/uFormat.h"
#include "foundation/uPrompt.h"
#include "foundation/uTextFile.h"
#include "library/uAcceptedDays.h"
#include "library/uDBMainBase.h"
#include "library/uStatsWriting.h"
#include "library/uStoreErrors.h"
#include "settings/uSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

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
    if (!FPlayList.ReadWhole()) {
        ShowError(Format(DayText::ListNotWhole, {FPlayList.PendingPath}));
        return TDayResult::drFailed;
    }
    if (!IsListComplete() && !AskYesNo(DayText::Incomplete))
        return TDayResult::drRefused;
    if (ExistingPlanFilePath(pkHistory, FShownDate.addDays(-1)).isEmpty() &&
        IsAfterFirstDay(FShownDate)) {
        ShowError(DayText::AcceptPreviousFirst);
        return TDayResult::drRefused;
    }

    const std::vector<const TResultSongData*> positions = FPlayList.Positions();
    const QDate day = FShownDate;
    // The export is made first, as the playout system will get it: a question answered "stop"
    // or a cancelled dialog leaves the day pending with nothing recorded, for a day accepted
    // without its ".mix" would never get one.
    const QString mixPath = ChooseExportPath(1);
    const std::optional<QStringList> mix =
        mixPath.isEmpty() ? std::nullopt
                          : MixExportLines(positions, [this](int row) { FHost.FocusRow(row); });
    if (!mix) {
        ShowError(DayText::AcceptNeedsMix);
        return TDayResult::drRefused;
    }

    // Everything the acceptance changes happens at once, or (after a failure) not at all.
    TDayAcceptance acceptance;
    acceptance.PlanFile = TextLinesBytes(PlanFileLines(positions));
    acceptance.FileSteps = {
        {TFileStepKind::fsWrite, PlanFilePath(pkHistory, day),
         TextLinesBytes(DayHistoryLines(positions, day))},
        {TFileStepKind::fsWrite, mixPath, TextLinesBytes(*mix)},
    };
    for (const QString& ended : DayFilesEndedByAcceptance(day))
        acceptance.FileSteps.push_back({TFileStepKind::fsDelete, ended, {}});
    // The record of the rules given up belongs to the pending list and goes with it.
    acceptance.FileSteps.push_back(
        {TFileStepKind::fsDelete, RelaxedFilePath(PlanFilePath(pkCurrent, day)), {}});
    if (!MainBase) {
        ShowStoreWriteError(kStoreNotOpen);
        return TDayResult::drFailed;
    }
    if (!RecordDayStats(*MainBase, DateToDateTime(day),
                        QList<const TResultSongData*>(positions.begin(), positions.end()),
                        acceptance))
        return TDayResult::drFailed;

    // Its plan file is gone with the acceptance: leaving the list must not write it again.
    DropPlayList();
    ShowDay(day);
    return TDayResult::drDone;
}

QString TDayLifecycle::ChooseExportPath(int filterIndex) {
    const QString dir = Config.PlayListDir;
    if (!dir.isEmpty())
        QDir().mkpath(dir);
    const QString chosen =
        FHost.ChooseExportFile(dir, FormatDateKey(DateToDateTime(FShownDate)), filterIndex);
    if (chosen.isEmpty())
        return {};
    return ExportFilePath(chosen,
                          filterIndex == 1 ? QStringLiteral(".mix") : QStringLiteral(".txt"));
}

TDayResult TDayLifecycle::Export(int filterIndex) {
    if (FState != dsPending)
        return TDayResult::drRefused;
    if (!FPlayList.ReadWhole()) {
        ShowError(Format(DayText::ListNotWhole, {FPlayList.PendingPath}));
        return TDayResult::drFailed;
    }
    const QString path = ChooseExportPath(filterIndex);
    if (path.isEmpty())
        return TDayResult::drRefused;

    const std::vector<const TResultSongData*> positions = FPlayList.Positions();
    if (filterIndex == 1) {
        bool stopped = false;
        const bool written = ExportMix(
            positions, path, [this](int row) { FHost.FocusRow(row); }, &stopped);
        return written ? TDayResult::drDone
                       : (stopped ? TDayResult::drRefused : TDayResult::drFailed);
    }
    return ExportText(positions, path, FShownDate) ? TDayResult::drDone : TDayResult::drFailed;
}

TDayResult TDayLifecycle::TakeBackAcceptedDay() {
    if (!AskYesNo(DayText::TakeBackAccepted))
        return TDayResult::drRefused;
    const QDate day = FShownDate;
    std::optional<TAcceptedDay> accepted;
    try {
        if (MainBase)
            accepted = FindAcceptedDay(*MainBase, DateToDateTime(day));
    } catch (const std::exception& error) {
        ShowStoreReadError(error);
        return TDayResult::drFailed;
    }
    if (!accepted) {
        // Without the positions it was accepted from, taking it back would lose the day.
        ShowError(Format(DayText::NoAcceptedRecord, {FormatShortDate(day)}));
        return TDayResult::drRefused;
    }
    const QString pendingPath = PlanFilePath(pkCurrent, day);
    // The accepted day kept no record of rules given up: one still lying beside the plan file
    // would belong to another list.
    const TFileSteps steps = {
        {TFileStepKind::fsWrite, pendingPath, accepted->PlanFile},
        {TFileStepKind::fsDelete, PlanFilePath(pkHistory, day), {}},
        {TFileStepKind::fsDelete, RelaxedFilePath(pendingPath), {}},
    };
    if (!WithdrawDayStats(DateToDateTime(day), steps))
        return TDayResult::drFailed;

    FHistory.Clear();
    FPlayList.LoadPlanFile(pendingPath);
    FPlayList.ViewDate = day;
    SetState(dsPending);
    return TDayResult::drDone;
}
