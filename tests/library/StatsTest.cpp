#include "StatsTestSupport.h"
#include "foundation/uFormat.h"
#include "foundation/uMsgLog.h"
#include "library/uAcceptedDays.h"
#include "library/uSongData.h"
#include "support/TestText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <memory>

namespace {

struct TStoredRow {
    QByteArray StatsVal;
    TDateTime BeginTime = 0;
    TDateTime EndTime = 0;
    int BeginId = -1;
    int EndId = -1;
};

// The statistics rows of an id in the order they were written.
QList<TStoredRow> StoredRows(const QString& table, int id) {
    TMainBaseQuery query;
    query.SetSQL(QStringLiteral("SELECT StatsVal, BeginTime, EndTime, BeginId, EndId FROM ") +
                 table + QStringLiteral(" WHERE StatsId = ?1 ORDER BY SId"));
    query.SetParam(1, id);
    QList<TStoredRow> rows;
    for (query.Open(); !query.Eof(); query.Next())
        rows.append({query.AsBlob(QStringLiteral("StatsVal")),
                     query.AsDateTime(QStringLiteral("BeginTime")),
                     query.AsDateTime(QStringLiteral("EndTime")),
                     query.AsInteger(QStringLiteral("BeginId")),
                     query.AsInteger(QStringLiteral("EndId"))});
    query.Close();
    return rows;
}

int AllRows(const QString& table) {
    TMainBaseQuery query;
    query.SetSQL(QStringLiteral("SELECT count(*) AS n FROM ") + table);
    query.Open();
    const int count = query.AsInteger(QStringLiteral("n"));
    query.Close();
    return count;
}

QByteArray LittleEndian(quint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian<quint32>(value, bytes.data());
    return bytes;
}

void DropTable(const char* name) {
    MainBase->Connection().exec(std::string("DROP TABLE ") + name);
}

using StatsTest = StatsFixture;

// --- Appending plays

// The k-th play of a run: one a minute from 1 May 2024 00:00 on.
int RunMinute(int k) {
    return k % 1440;
}
TDateTime RunDay(int k) {
    return May(1) + k / 1440;
}
TDateTime RunTime(int k) {
    return May(1, 0, 0) + static_cast<TDateTime>(k) / 1440;
}

struct TRolloverCase {
    int Plays;
    QList<int> EndIds; // of the rows, in order
};

TEST_F(StatsTest, EveryRowHolds240PlaysAndTheNextStartsANewRow) {
    const TRolloverCase cases[] = {
        {1, {0}},        {239, {238}},      {240, {239}},
        {241, {239, 0}}, {480, {239, 239}}, {481, {239, 239, 0}},
    };
    TStoreTransaction batch(*MainBase);
    int songId = 0;
    for (const TRolloverCase& c : cases) {
        ++songId;
        for (int k = 0; k < c.Plays; ++k)
            ASSERT_TRUE(AddSongStats(*MainBase, songId, RunMinute(k), RunDay(k)));
        const QList<TStoredRow> rows = StoredRows(QStringLiteral("Stats"), songId);
        ASSERT_EQ(rows.size(), c.EndIds.size()) << c.Plays << " plays";
        for (int r = 0; r < rows.size(); ++r) {
            const TStoredRow& row = rows[r];
            const int first = r * kStatsRowEntries;
            const int last = first + c.EndIds[r];
            EXPECT_EQ(row.BeginId, 0) << c.Plays << " plays, row " << r;
            EXPECT_EQ(row.EndId, c.EndIds[r]) << c.Plays << " plays, row " << r;
            EXPECT_EQ(row.StatsVal.size(), (c.EndIds[r] + 1) * 4) << c.Plays << " plays, row " << r;
            EXPECT_EQ(ToPlayTime(row.BeginTime), ToPlayTime(RunTime(first))) << c.Plays;
            EXPECT_EQ(ToPlayTime(row.EndTime), ToPlayTime(RunTime(last))) << c.Plays;
            for (int i = 0; i <= c.EndIds[r]; ++i)
                ASSERT_EQ(CardinalAt(row.StatsVal, i),
                          PackDayStamp(RunMinute(first + i), RunDay(first + i)))
                    << c.Plays << " plays, row " << r << ", entry " << i;
        }
    }
    batch.Commit();
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

struct TEntryCase {
    const char* What;
    bool (*Add)(TDBMainBase&, int, int, TDateTime);
    const char* Table;
    const char* OtherTable;
};

TEST_F(StatsTest, APlayIsItsDayStampInItsTable) {
    const TEntryCase cases[] = {
        {"song", AddSongStats, "Stats", "AStats"},
        {"artist", AddArtistStats, "AStats", "Stats"},
    };
    int id = 40;
    for (const TEntryCase& c : cases) {
        ++id;
        // The time of day of the day argument plays no part: the minute gives the time.
        ASSERT_TRUE(c.Add(*MainBase, id, 75, May(3, 18, 30))) << c.What;
        const QList<TStoredRow> rows = StoredRows(QString::fromLatin1(c.Table), id);
        ASSERT_EQ(rows.size(), 1) << c.What;
        EXPECT_EQ(rows[0].StatsVal, LittleEndian(PackDayStamp(75, May(3)))) << c.What;
        EXPECT_EQ(ToPlayTime(rows[0].BeginTime), ToPlayTime(May(3, 1, 15))) << c.What;
        EXPECT_EQ(ToPlayTime(rows[0].EndTime), ToPlayTime(May(3, 1, 15))) << c.What;
        EXPECT_TRUE(StoredRows(QString::fromLatin1(c.OtherTable), id).isEmpty()) << c.What;
    }
}

TEST_F(StatsTest, NoIdIsNeverRecorded) {
    EXPECT_FALSE(AddSongStats(*MainBase, -1, 10, May(3)));
    EXPECT_FALSE(AddArtistStats(*MainBase, -1, 10, May(3)));
    EXPECT_EQ(AllRows(QStringLiteral("Stats")), 0);
    EXPECT_EQ(AllRows(QStringLiteral("AStats")), 0);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(StatsTest, APlayAtTheStampEpochPacksToZeroAndIsNeverCounted) {
    const TDateTime epoch = *TryEncodeDate(2000, 1, 1);
    ASSERT_TRUE(AddSongStats(*MainBase, 5, 0, epoch));
    EXPECT_EQ(StoredRows(QStringLiteral("Stats"), 5).value(0).StatsVal, QByteArray(4, '\0'));
    TStatsCache cache(*MainBase, &Reader);
    EXPECT_EQ(cache.SongPlayCount(5, false, 0, 0), 0);
    EXPECT_EQ(cache.SongPlayCount(5, false, epoch, epoch + 1), 0);

    ASSERT_TRUE(AddSongStats(*MainBase, 5, 1, epoch));
    EXPECT_EQ(cache.SongPlayCount(5, false, 0, 0), 1);
}

TEST_F(StatsTest, AFailedWriteIsReportedAndRecordsNothing) {
    DropTable("AStats");
    EXPECT_FALSE(AddArtistStats(*MainBase, 3, 10, May(3)));
    EXPECT_EQ(S(Prompt.Errors().join(QLatin1Char('|'))),
              S(Format(kDatabaseWriteError, {QStringLiteral("no such table: AStats")})));
}

// --- Recording an accepted day

TResultSongData Position(int songId, int artistId, int hourMs) {
    TResultSongData position;
    position.SongId = songId;
    position.ArtistId = artistId;
    position.Hour = hourMs;
    position.Blank = songId == -1;
    return position;
}

// Holds a read lock on the store from a second connection, so committing fails.
class TReadLock {
public:
    TReadLock()
        : Db(MainBase->DatabasePath().toStdString()), Read(Db, "SELECT count(*) FROM Stats") {
        Db.exec("BEGIN");
        Read.executeStep();
    }

private:
    SQLite::Database Db;
    SQLite::Statement Read;
};

enum THistoryOutcome { hoWritten, hoFails, hoNone, hoCommitFails };

struct TRecordCase {
    const char* What;
    THistoryOutcome History;
    const char* DroppedTable; // a store error on the way
    bool Result;
    bool Kept;
    bool FileWritten;
    QString ErrorStart;
};

TEST_F(StatsTest, AnAcceptedDayIsRecordedWholeOrNotAtAll) {
    const QString historyPath = Station.Path(QStringLiteral("Plan/Historia/20000503.plh"));
    // A file where the directory should be: the history file cannot be made.
    const QString blockedPath = Station.Path(QStringLiteral("blocker/20000503.plh"));
    const TRecordCase cases[] = {
        {"history written", hoWritten, nullptr, true, true, true, {}},
        {"no history file", hoNone, nullptr, true, true, false, {}},
        {"history file fails", hoFails, nullptr, false, false, false,
         FileSaveErrorText(blockedPath, QString()).section(QLatin1String(" ("), 0, 0)},
        {"a play cannot be stored", hoWritten, "AStats", false, false, false,
         Format(kDatabaseWriteError, {QStringLiteral("no such table: AStats")})},
        {"the plays cannot be kept", hoCommitFails, nullptr, false, false, false,
         Format(kDatabaseWriteError, {QStringLiteral("database is locked")})},
    };
    const TResultSongData song = Position(7, 70, HourMs(0, 0));
    const TResultSongData blank = Position(-1, -1, HourMs(0, 3));
    const TResultSongData late = Position(8, 70, HourMs(23, 59, 59) + 999);
    const QList<const TResultSongData*> positions = {&song, &blank, &late};
    ASSERT_TRUE(WriteFileBytes(Station.Path(QStringLiteral("blocker")), "not a directory"));

    for (const TRecordCase& c : cases) {
        Prompt.Clear();
        if (c.DroppedTable)
            DropTable(c.DroppedTable);
        TDayAcceptance acceptance;
        acceptance.PlanFile = "<CurrentRoot>\r\n</CurrentRoot>\r\n";
        if (c.History != hoNone)
            acceptance.FileSteps.push_back({TFileStepKind::fsWrite,
                                            c.History == hoFails ? blockedPath : historyPath,
                                            "<PalyList>\r\n</PalyList>\r\n"});
        std::unique_ptr<TReadLock> lock;
        if (c.History == hoCommitFails)
            lock = std::make_unique<TReadLock>();

        EXPECT_EQ(RecordDayStats(*MainBase, May(3), positions, acceptance), c.Result) << c.What;
        lock.reset();
        // The history file stands exactly when the plays were kept.
        EXPECT_EQ(QFileInfo::exists(historyPath), c.FileWritten) << c.What;
        EXPECT_FALSE(HasFileSteps(*MainBase)) << c.What;
        EXPECT_EQ(FindAcceptedDay(*MainBase, May(3)).has_value(), c.Kept) << c.What;
        const QString errors = Prompt.Errors().join(QLatin1Char('|'));
        if (c.ErrorStart.isEmpty())
            EXPECT_EQ(S(errors), "") << c.What;
        else
            EXPECT_TRUE(errors.startsWith(c.ErrorStart)) << c.What << ": " << S(errors);
        EXPECT_EQ(BusyDepth(), 0) << c.What;
        EXPECT_GE(Prompt.BusyChanges, 2) << c.What;

        const QList<TStoredRow> first = StoredRows(QStringLiteral("Stats"), 7);
        const QList<TStoredRow> second = StoredRows(QStringLiteral("Stats"), 8);
        if (c.Kept) {
            ASSERT_EQ(first.size(), 1) << c.What;
            ASSERT_EQ(second.size(), 1) << c.What;
            EXPECT_EQ(CardinalAt(first[0].StatsVal, 0), PackDayStamp(0, May(3))) << c.What;
            // The start in whole minutes: 23:59:59.999 is minute 1439.
            EXPECT_EQ(CardinalAt(second[0].StatsVal, 0), PackDayStamp(1439, May(3))) << c.What;
            const QList<TStoredRow> artist = StoredRows(QStringLiteral("AStats"), 70);
            ASSERT_EQ(artist.size(), 1) << c.What;
            EXPECT_EQ(artist[0].EndId, 1) << c.What;
            // The blank leaves no trace.
            EXPECT_EQ(AllRows(QStringLiteral("Stats")), 2) << c.What;
            EXPECT_EQ(AllRows(QStringLiteral("AStats")), 1) << c.What;
        } else {
            EXPECT_TRUE(first.isEmpty()) << c.What;
            EXPECT_TRUE(second.isEmpty()) << c.What;
            if (!c.DroppedTable) {
                EXPECT_EQ(AllRows(QStringLiteral("AStats")), 0) << c.What;
            }
        }
        // Each case starts on a fresh store.
        QFile::remove(historyPath);
        DoneMainBase();
        ASSERT_TRUE(QDir(Station.Path(QStringLiteral("Data"))).removeRecursively());
        InitMainBase();
    }
}

} // namespace

namespace {

// The plays of every id of both tables in the order recorded, over all its rows. Each row must
// tell its own first and last play right, as the played-in-a-window answers read only those.
QStringList AllStoredPlays() {
    QStringList plays;
    for (const QString& table : {QStringLiteral("Stats"), QStringLiteral("AStats")})
        for (int id : {7, 8, 70}) {
            QStringList entries;
            for (const TStoredRow& row : StoredRows(table, id)) {
                EXPECT_EQ(row.BeginId, 0);
                EXPECT_EQ(row.StatsVal.size(), 4 * (row.EndId + 1));
                EXPECT_NEAR(row.BeginTime, FromPlayTime(EntryPlayTime(CardinalAt(row.StatsVal, 0))),
                            1e-6);
                EXPECT_NEAR(row.EndTime,
                            FromPlayTime(EntryPlayTime(CardinalAt(row.StatsVal, row.EndId))), 1e-6);
                for (int i = 0; i <= row.EndId; ++i)
                    entries << QString::number(CardinalAt(row.StatsVal, i));
            }
            plays << QStringLiteral("%1 %2: %3").arg(table).arg(id).arg(entries.join(u','));
        }
    return plays;
}

// The plays of a day: `count` positions of song 7 or 8 (artist 70), a minute apart.
QList<TResultSongData> DayPositions(int count, int song) {
    QList<TResultSongData> positions;
    for (int i = 0; i < count; ++i)
        positions.append(Position(song, 70, HourMs(0, i % 1440)));
    return positions;
}

QList<const TResultSongData*> Pointers(const QList<TResultSongData>& positions) {
    QList<const TResultSongData*> pointers;
    for (const TResultSongData& position : positions)
        pointers.append(&position);
    return pointers;
}

} // namespace

TEST_F(StatsTest, AWithdrawnDayLeavesThePlaysAsIfItHadNeverBeenAccepted) {
    // Days of plays in acceptance order; the one withdrawn; the rows must then equal those of
    // the other days accepted alone.
    const struct {
        const char* What;
        QList<QPair<int, int>> Days; // (plays, song) for 3, 4, 5 May ...
        int Withdrawn;               // index into Days
    } cases[] = {
        {"the last day", {{3, 7}, {2, 7}}, 1},
        {"the only day", {{3, 7}}, 0},
        {"a day in the middle", {{2, 7}, {3, 8}, {2, 7}}, 1},
        {"a day that started a new row", {{240, 7}, {5, 7}}, 1},
        {"a day that filled a row", {{238, 7}, {4, 7}}, 1},
        {"a day before a full row", {{3, 7}, {240, 7}}, 0},
    };
    for (const auto& c : cases) {
        const auto reset = [this] {
            DoneMainBase();
            ASSERT_TRUE(QDir(Station.Path(QStringLiteral("Data"))).removeRecursively());
            InitMainBase();
        };
        std::vector<QList<TResultSongData>> days;
        for (const auto& [plays, song] : c.Days)
            days.push_back(DayPositions(plays, song));

        for (int i = 0; i < static_cast<int>(days.size()); ++i) {
            if (i != c.Withdrawn) {
                ASSERT_TRUE(RecordDayStats(*MainBase, May(3 + i), Pointers(days[i]))) << c.What;
            }
        }
        const QStringList expected = AllStoredPlays();
        reset();

        for (int i = 0; i < static_cast<int>(days.size()); ++i)
            ASSERT_TRUE(RecordDayStats(*MainBase, May(3 + i), Pointers(days[i]))) << c.What;
        ASSERT_TRUE(WithdrawDayStats(May(3 + c.Withdrawn), {})) << c.What;
        EXPECT_EQ(AllStoredPlays(), expected) << c.What;
        EXPECT_FALSE(FindAcceptedDay(*MainBase, May(3 + c.Withdrawn)).has_value()) << c.What;
        EXPECT_TRUE(Prompt.Errors().isEmpty()) << c.What;
        reset();
    }
}
