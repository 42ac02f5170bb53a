#include "dayplan/uDayPlayList.h"

#include "clocks/uClockObjList.h"
#include "dayplan/uPlanFile.h"
#include "dayplan/uRelaxedFile.h"
#include "foundation/uAppPaths.h"
#include "foundation/uFormat.h"
#include "foundation/uMsgLog.h"
#include "foundation/uPrompt.h"
#include "foundation/uTextFile.h"
#include "library/uSongStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString kPlanWriteError = QStringLiteral("Błąd zapisu pliku %s. (%s)");
const QString kPlanReadError = QStringLiteral("Błąd odczytu pliku %s. (%s)");

bool InRange(int row, int count) {
    return row >= 0 && row < count;
}

} // namespace

void TDayPlayList::AddResultItem(const TResultItem& item) {
    const int time = std::max(item.Time, 0);
    auto position = std::make_unique<TResultSongData>();
    if (item.SongId != -1) {
        // A song deleted since the draw read the library has nothing left to play.
        if (!ReadSong(*position, item.SongId))
            return;
        position->DbTime = position->SongTime;
        position->SetSongTime(time);
        position->SongId = item.SongId;
        position->Mixed = item.Mixed ? item.Mix : 0;
    } else {
        position->Blank = true;
        position->Title = item.Info;
        position->SetSongTime(time);
        position->DbTime = position->SongTime;
        position->Category = QString::number(item.Category);
    }
    position->PlayTime = item.Duration;
    position->Hour = item.Start;
    position->OwnHour = item.OwnHour;
    position->CatId = item.CatId;
    position->CategoryName = CategoryNameOfId(item.CatId);
    position->Relaxed = item.Relaxed;
    Append(std::move(position));
    ProcessPendingEvents();
}

void TDayPlayList::Append(std::unique_ptr<TResultSongData> position) {
    InsertRow(Count(), std::move(position));
}

bool TDayPlayList::SavePlanFile(const QString& path) {
    QString error;
    // A new station has no plan directories yet.
    if (!path.isEmpty())
        QDir().mkpath(QFileInfo(path).absolutePath());
    if (!WriteTextLines(path, PlanFileLines(Positions()), &error)) {
        LogMessage(msResult, TLogLevel::Error, Format(kPlanWriteError, {path, error}));
        return false;
    }
    return SaveRelaxedMarks(path);
}

bool TDayPlayList::SaveRelaxedMarks(const QString& planPath) {
    if (FKeepRelaxedFile)
        return true;
    const QString path = RelaxedFilePath(planPath);
    const QStringList lines = RelaxedFileLines(Positions());
    QString error;
    if (lines.isEmpty()) {
        // A record left from an earlier list of the day would mark positions it never had.
        QFile file(path);
        if (!file.exists() || file.remove())
            return true;
        error = file.errorString();
    } else if (WriteTextLines(path, lines, &error)) {
        return true;
    }
    LogMessage(msResult, TLogLevel::Error, Format(kPlanWriteError, {path, error}));
    return false;
}

bool TDayPlayList::LoadPlanFile(const QString& path) {
    ClearView();
    PendingPath = path;
    try {
        const bool read =
            ReadPlanFile(path, true, false, [this](std::unique_ptr<TResultSongData> position) {
                Append(std::move(position));
            });
        if (read)
            ReadRelaxedMarks(path);
        return read;
    } catch (const TPlanFileError& failure) {
        LogMessage(msResult, TLogLevel::Error, Format(kPlanReadError, {path, failure.Message}));
        FReadWhole = false;
        return false;
    }
}

void TDayPlayList::ReadRelaxedMarks(const QString& planPath) {
    const QString path = RelaxedFilePath(planPath);
    QString error;
    const auto marks = ReadRelaxedFile(path, &error);
    if (!marks) {
        LogMessage(msResult, TLogLevel::Error, Format(kPlanReadError, {path, error}));
        FKeepRelaxedFile = true;
        return;
    }
    ApplyRelaxedMarks(*marks, FRows);
}

void TDayPlayList::ClearView() {
    FRows.clear();
    FOwned.clear();
    PendingPath.clear();
    FReadWhole = true;
    FKeepRelaxedFile = false;
}

bool TDayPlayList::LoadPlanDay(const QDate& day) {
    const bool loaded = LoadPlanFile(ExistingPlanFilePath(pkCurrent, day));
    ViewDate = day;
    return loaded;
}

bool TDayPlayList::SavePlanDay(const QDate& day) {
    return SavePlanFile(PlanFilePath(pkCurrent, day));
}

std::vector<const TResultSongData*> TDayPlayList::Positions() const {
    return {FRows.begin(), FRows.end()};
}

bool TDayPlayList::MoveRow(int from, int to) {
    if (!InRange(from, Count()) || !InRange(to, Count()))
        return false;
    TResultSongData* moved = FRows[from];
    FRows.erase(FRows.begin() + from);
    FRows.insert(FRows.begin() + to, moved);
    FKeepRelaxedFile = false;
    return true;
}

bool TDayPlayList::RemoveRow(int row) {
    if (!InRange(row, Count()))
        return false;
    const TResultSongData* removed = FRows[row];
    FRows.erase(FRows.begin() + row);
    std::erase_if(FOwned, [removed](const auto& owned) { return owned.get() == removed; });
    FKeepRelaxedFile = false;
    return true;
}

void TDayPlayList::InsertRow(int row, std::unique_ptr<TResultSongData> position) {
    if (!position)
        return;
    row = std::clamp(row, 0, Count());
    FRows.insert(FRows.begin() + row, position.get());
    FOwned.push_back(std::move(position));
    // The rows the record names are no longer the list's: the next save writes it afresh.
    FKeepRelaxedFile = false;
}
