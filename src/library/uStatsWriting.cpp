#include "library/uStatsWriting.h"

#include "foundation/uArUtils.h"
#include "foundation/uMsgLog.h"
#include "library/uAcceptedDays.h"
#include "library/uDBMainBase.h"
#include "library/uMainBaseQuery.h"
#include "library/uPlayTime.h"
#include "library/uSongData.h"
#include "library/uStoreErrors.h"

#include <SQLiteCpp/Exception.h>
#include <optional>

namespace {

// Appends plays to the statistics tables. Errors throw, so a caller can keep or undo a whole
// day at once.
class TStatsWriter {
public:
    explicit TStatsWriter(TDBMainBase& store)
        : Store(store), SongQuery(&store), ArtistQuery(&store) {}

    // False for id -1, which is never recorded.
    bool Append(TTableId table, int id, int minute, TDateTime day);

private:
    TDBMainBase& Store;
    TMainBaseQuery SongQuery;
    TMainBaseQuery ArtistQuery;

    TMainBaseQuery& LastRowQuery(TTableId table);
};

TMainBaseQuery& TStatsWriter::LastRowQuery(TTableId table) {
    TMainBaseQuery& query = table == tiStats ? SongQuery : ArtistQuery;
    if (query.SQL().isEmpty())
        query.SetSQL(WithBoundId(sqlLastStatsRow, {TableDef(table).FileName}));
    return query;
}

bool TStatsWriter::Append(TTableId table, int id, int minute, TDateTime day) {
    if (id == -1)
        return false;
    const quint32 entry = PackDayStamp(minute, day);
    const TDateTime time =
        PlayDay(day) + static_cast<TDateTime>(minute) / static_cast<TDateTime>(kMinutesPerDay);

    TMainBaseQuery& query = LastRowQuery(table);
    query.SetParam(1, id);
    qint64 lastRow = -1;
    int lastEntry = 0;
    {
        TQueryCloser closer(query);
        for (query.Open(); !query.Eof(); query.Next()) {
            lastRow = query.AsInt64(Col::SId);
            lastEntry = query.AsInteger(Col::EndId);
        }
    }

    TDBTable& stats = Store.Table(table);
    if (lastRow < 0 || lastEntry >= kStatsRowEntries - 1) {
        stats.Append({{Col::StatsId, id},
                      {Col::StatsVal, SetCardinalAt(QByteArray(), 0, entry)},
                      {Col::BeginTime, time},
                      {Col::EndTime, time},
                      {Col::BeginId, 0},
                      {Col::EndId, 0}});
        return true;
    }
    const std::optional<TDBRecord> row = stats.Locate(Col::SId, {lastRow});
    if (!row)
        throw SQLite::Exception("the last statistics row of the id is gone");
    const int nextEntry = lastEntry + 1;
    stats.Update(lastRow,
                 {{Col::StatsVal, SetCardinalAt(row->AsBlob(Col::StatsVal), nextEntry, entry)},
                  {Col::EndId, nextEntry},
                  {Col::EndTime, time}});
    return true;
}

} // namespace

bool AddStatsEntry(TDBMainBase& store, TTableId table, int id, int minute, TDateTime day) {
    if (id == -1)
        return false;
    try {
        TStatsWriter writer(store);
        return writer.Append(table, id, minute, day);
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
}

bool AddSongStats(TDBMainBase& store, int songId, int minute, TDateTime day) {
    return AddStatsEntry(store, tiStats, songId, minute, day);
}

bool AddArtistStats(TDBMainBase& store, int artistId, int minute, TDateTime day) {
    return AddStatsEntry(store, tiAStats, artistId, minute, day);
}

bool RecordDayStats(TDBMainBase& store, TDateTime day,
                    const QList<const TResultSongData*>& positions,
                    const TDayAcceptance& acceptance) {
    TBusyGuard busy;
    QString error;
    try {
        if (!FinishFileSteps(store, &error) || !ProbeFileSteps(acceptance.FileSteps, &error)) {
            LogMessage(msPlayListFile, TLogLevel::Error, error);
            return false;
        }
        TStoreTransaction unit(store);
        TStatsWriter writer(store);
        TAcceptedDay accepted{acceptance.PlanFile, {}};
        for (const TResultSongData* position : positions) {
            if (!position)
                continue;
            const int minute = position->Hour / static_cast<int>(kMSecsPerMinute);
            writer.Append(tiStats, position->SongId, minute, day);
            writer.Append(tiAStats, position->ArtistId, minute, day);
            accepted.Plays.push_back({position->SongId, position->ArtistId, minute});
        }
        KeepAcceptedDay(store, day, accepted);
        RecordFileSteps(store, acceptance.FileSteps);
        unit.Commit();
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
    // The day is accepted from here on; a file step that fails now is tried again.
    if (!FinishFileSteps(store, &error)) {
        LogMessage(msPlayListFile, TLogLevel::Error, error);
        return false;
    }
    return true;
}
