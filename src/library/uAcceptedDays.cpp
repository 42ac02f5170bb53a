#include "library/uAcceptedDays.h"

#include "foundation/uArUtils.h"
#include "foundation/uMsgLog.h"
#include "library/uDBMainBase.h"
#include "library/uPlayTime.h"
#include "library/uStoreErrors.h"

#include <QtEndian>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

const char* const kAcceptedTable = "AcceptedDays";
const char* const kDayColumn = "Day"; // the date key, YYYYMMDD as a number
const char* const kPlanFileColumn = "PlanFile";
const char* const kPlaysColumn = "Plays"; // three little-endian 32-bit numbers a play

constexpr int kPlayBytes = 12;

int64_t DayKey(TDateTime day) {
    return static_cast<int64_t>(FormatDateKey(day).toLongLong());
}

QByteArray PackPlays(const std::vector<TRecordedPlay>& plays) {
    QByteArray bytes(static_cast<qsizetype>(plays.size()) * kPlayBytes, Qt::Uninitialized);
    char* out = bytes.data();
    for (const TRecordedPlay& play : plays) {
        qToLittleEndian<qint32>(play.SongId, out);
        qToLittleEndian<qint32>(play.ArtistId, out + 4);
        qToLittleEndian<qint32>(play.Minute, out + 8);
        out += kPlayBytes;
    }
    return bytes;
}

std::vector<TRecordedPlay> UnpackPlays(const QByteArray& bytes) {
    std::vector<TRecordedPlay> plays;
    for (qsizetype at = 0; at + kPlayBytes <= bytes.size(); at += kPlayBytes) {
        const char* in = bytes.constData() + at;
        plays.push_back({qFromLittleEndian<qint32>(in), qFromLittleEndian<qint32>(in + 4),
                         qFromLittleEndian<qint32>(in + 8)});
    }
    return plays;
}

QByteArray BlobOf(const SQLite::Column& column) {
    return QByteArray(static_cast<const char*>(column.getBlob()), column.getBytes());
}

void EnsureTable(SQLite::Database& db) {
    db.exec(
        QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2 INTEGER PRIMARY KEY, %3 BLOB, %4 BLOB)")
            .arg(QLatin1String(kAcceptedTable), QLatin1String(kDayColumn),
                 QLatin1String(kPlanFileColumn), QLatin1String(kPlaysColumn))
            .toStdString());
}

TDateTime EntryTime(quint32 entry) {
    return FromPlayTime(EntryPlayTime(entry));
}

// Removes one play (its packed entry) of the id from the statistics table: the newest row holding
// it loses that entry, keeps its others in order, and is deleted when none is left; its first
// and last play times follow. Nothing happens when the play is not there.
void WithdrawEntry(SQLite::Database& db, TTableId table, int id, quint32 entry) {
    const QString name = TableDef(table).Name;
    SQLite::Statement rows(db, QStringLiteral("SELECT SId, StatsVal, BeginId, EndId FROM %1 "
                                              "WHERE StatsId = ? ORDER BY SId DESC")
                                   .arg(name)
                                   .toStdString());
    rows.bind(1, id);
    while (rows.executeStep()) {
        const int64_t rowId = rows.getColumn(0).getInt64();
        const QByteArray packed = BlobOf(rows.getColumn(1));
        const int first = std::max(0, rows.getColumn(2).getInt());
        const int last =
            std::min(rows.getColumn(3).getInt(), static_cast<int>(packed.size() / 4) - 1);
        std::vector<quint32> entries;
        for (int i = first; i <= last; ++i)
            entries.push_back(CardinalAt(packed, i));
        const auto found = std::find(entries.rbegin(), entries.rend(), entry);
        if (found == entries.rend())
            continue;
        entries.erase(std::next(found).base());
        rows.reset();

        const auto isPlay = [](quint32 value) { return value != 0; };
        const auto firstPlay = std::find_if(entries.begin(), entries.end(), isPlay);
        if (firstPlay == entries.end()) {
            SQLite::Statement remove(
                db, QStringLiteral("DELETE FROM %1 WHERE SId = ?").arg(name).toStdString());
            remove.bind(1, rowId);
            remove.exec();
            return;
        }
        const auto lastPlay = std::find_if(entries.rbegin(), entries.rend(), isPlay);
        QByteArray values;
        for (int i = 0; i < static_cast<int>(entries.size()); ++i)
            values = SetCardinalAt(values, i, entries[i]);
        SQLite::Statement update(db, QStringLiteral("UPDATE %1 SET StatsVal = ?, BeginId = 0, "
                                                    "EndId = ?, BeginTime = ?, EndTime = ? "
                                                    "WHERE SId = ?")
                                         .arg(name)
                                         .toStdString());
        update.bind(1, values.constData(), static_cast<int>(values.size()));
        update.bind(2, static_cast<int>(entries.size()) - 1);
        update.bind(3, EntryTime(*firstPlay));
        update.bind(4, EntryTime(*lastPlay));
        update.bind(5, rowId);
        update.exec();
        return;
    }
}

} // namespace

void KeepAcceptedDay(TDBMainBase& base, TDateTime day, const TAcceptedDay& accepted) {
    SQLite::Database& db = base.Connection();
    EnsureTable(db);
    SQLite::Statement insert(db,
                             QStringLiteral("INSERT OR REPLACE INTO %1 (%2, %3, %4) "
                                            "VALUES (?, ?, ?)")
                                 .arg(QLatin1String(kAcceptedTable), QLatin1String(kDayColumn),
                                      QLatin1String(kPlanFileColumn), QLatin1String(kPlaysColumn))
                                 .toStdString());
    const QByteArray plays = PackPlays(accepted.Plays);
    insert.bind(1, DayKey(day));
    insert.bind(2, accepted.PlanFile.constData(), static_cast<int>(accepted.PlanFile.size()));
    insert.bind(3, plays.constData(), static_cast<int>(plays.size()));
    insert.exec();
}

std::optional<TAcceptedDay> FindAcceptedDay(TDBMainBase& base, TDateTime day) {
    SQLite::Database& db = base.Connection();
    if (!db.tableExists(kAcceptedTable))
        return std::nullopt;
    SQLite::Statement select(db,
                             QStringLiteral("SELECT %1, %2 FROM %3 WHERE %4 = ?")
                                 .arg(QLatin1String(kPlanFileColumn), QLatin1String(kPlaysColumn),
                                      QLatin1String(kAcceptedTable), QLatin1String(kDayColumn))
                                 .toStdString());
    select.bind(1, DayKey(day));
    if (!select.executeStep())
        return std::nullopt;
    return TAcceptedDay{BlobOf(select.getColumn(0)), UnpackPlays(BlobOf(select.getColumn(1)))};
}

bool WithdrawDayStats(TDateTime day, const TFileSteps& fileSteps) {
    TBusyGuard busy;
    if (!MainBase) {
        ShowStoreWriteError(kStoreNotOpen);
        return false;
    }
    QString error;
    if (!FinishFileSteps(*MainBase, &error) || !ProbeFileSteps(fileSteps, &error)) {
        LogMessage(msPlayListFile, TLogLevel::Error, error);
        return false;
    }
    try {
        TStoreTransaction unit(*MainBase);
        SQLite::Database& db = MainBase->Connection();
        if (const std::optional<TAcceptedDay> accepted = FindAcceptedDay(*MainBase, day)) {
            for (const TRecordedPlay& play : accepted->Plays) {
                const quint32 entry = PackDayStamp(play.Minute, day);
                if (play.SongId != -1)
                    WithdrawEntry(db, tiStats, play.SongId, entry);
                if (play.ArtistId != -1)
                    WithdrawEntry(db, tiAStats, play.ArtistId, entry);
            }
            SQLite::Statement forget(
                db, QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                        .arg(QLatin1String(kAcceptedTable), QLatin1String(kDayColumn))
                        .toStdString());
            forget.bind(1, DayKey(day));
            forget.exec();
        }
        RecordFileSteps(*MainBase, fileSteps);
        unit.Commit();
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return false;
    }
    if (!FinishFileSteps(*MainBase, &error)) {
        LogMessage(msPlayListFile, TLogLevel::Error, error);
        return false;
    }
    return true;
}
