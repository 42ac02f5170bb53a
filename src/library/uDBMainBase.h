#pragma once

#include "library/uDBSchema.h"
#include "library/uMainBaseQuery.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <utility>

namespace SQLite {
class Database;
}
class TDBMainBase;
class TProgressWindow;

// The music library store: one SQLite database "Data/library.db" in the program directory
// holding the eleven tables, and the empty template "Data/Empty/library.db" that clearing
// copies. TDBMainBase is the one access object; the table objects (TDBTable) give
// navigational access (locate, append, update, delete a row) and TMainBaseQuery runs the
// program's SQL texts.
//
//     TDBTable& songs = MainBase->BaseSongsTable();
//     if (const std::optional<TDBRecord> row =
//             songs.Locate("Art_Id;Title", {artistId, title}, lmCaseInsensitive))
//         return row->RowId();
//     return songs.Append({{"Title", title}, {"Art_Id", artistId}, {"Album_Id", -1}});
//
// Errors: the building blocks here (accessors, TDBTable, locates, TStoreTransaction) throw
// SQLite::Exception with the engine's text, so each store operation built on them can turn
// it into its own message and failure result. ClearDatabase, ResetStats, UpgradeStats and
// CloseTables handle their own errors.

enum TLocateMatch { lmExact, lmCaseInsensitive };

// Values of named fields, written in the order given: {{"Title", title}, {"Art_Id", id}}.
// An invalid QVariant writes null.
using TFieldValues = QList<std::pair<QString, QVariant>>;

// One table of the store. Rows are addressed by their rowid, which in every table is the
// key field (Song_Id, Art_Id, ..., SId; SongData_Id and the like carry the song's id).
class TDBTable {
public:
    TDBTable(TDBMainBase& base, const TTableDef& def);
    TDBTable(const TDBTable&) = delete;
    TDBTable& operator=(const TDBTable&) = delete;

    const QString& Name() const { return Def.Name; }         // "Stats"
    const QString& FileName() const { return Def.FileName; } // "Stats.db"
    const QString& KeyField() const { return Def.KeyField; }

    // Open: the table exists (created, with its -1 row, when it was missing) and its fields
    // are known. The accessors of TDBMainBase open it; a closed table reopens on next use.
    bool Active() const { return IsActive; }
    void Open();
    const QStringList& FieldNames() const { return Fields; }
    bool HasField(const QString& name) const;
    int RecordCount();

    // The first row (in rowid order) whose fields equal the values. `fields` names one field
    // or several separated by ";", one value each. lmCaseInsensitive compares texts without
    // regard to letter case (Polish letters included); numbers always compare exactly. An
    // invalid QVariant matches null.
    std::optional<TDBRecord> Locate(const QString& fields, const QVariantList& values,
                                    TLocateMatch match = lmExact);
    // Appends a row and gives its key: assigned by the store unless the values give it.
    qint64 Append(const TFieldValues& values);
    // Writes the values into the row; false when there is no such row.
    bool Update(qint64 rowId, const TFieldValues& values);
    // False when there is no such row.
    bool Delete(qint64 rowId);

private:
    friend class TDBMainBase;

    TDBMainBase& Base;
    const TTableDef& Def;
    bool IsActive = false;
    QStringList Fields;
    QStringList NoCaseFields;   // leading an index under NOCASE
    QHash<QString, bool> Plain; // by field, once read
    std::map<std::pair<QString, size_t>, std::unique_ptr<TMainBaseQuery>> RangeQueries;
    // Prepared statements by text, kept while the connection lives.
    std::map<QString, std::unique_ptr<TMainBaseQuery>> Statements;

    TMainBaseQuery& Statement(const QString& sql);
    // The first row (in rowid order) meeting the condition, whose parameters are ?1, ?2 ...
    std::optional<TDBRecord> LocateWhere(const QString& condition, const QVariantList& values);
    // Whether an index of the table begins with the field under NOCASE.
    bool NoCaseIndexed(const QString& field) const;
    // Whether every text of the field is plain (IsPlainText), the condition for finding it
    // through the NOCASE index; read once while the table is open.
    bool PlainColumn(const QString& field);
    // Keeps PlainColumn true to the values about to be written.
    void NoteTexts(const TFieldValues& values);
    // Locates the first row whose field equals the value under the Polish collation through
    // the field's NOCASE index; false, doing nothing, when the index cannot find it.
    bool LocateByIndex(const QString& field, const QString& value, std::optional<TDBRecord>& found);
    // The statement of LocateByIndex for that many ranges.
    TMainBaseQuery& RangesQuery(const QString& field, size_t count);
    // The table's spelling of a field name; throws when the table has no such field.
    QString CheckedField(const QString& name) const;
    void Close();
};

// A unit of work: everything done inside it is kept by Commit, or undone when it ends without
// one (an error, an early return). Units nest; an inner one undone leaves the outer going.
// Bulk work (an import, accepting a day, deleting an artist's songs) runs inside one. Closing
// the tables commits a unit still open; the unit must not outlive its store.
class TStoreTransaction {
public:
    explicit TStoreTransaction(TDBMainBase& base);
    ~TStoreTransaction();
    TStoreTransaction(const TStoreTransaction&) = delete;
    TStoreTransaction& operator=(const TStoreTransaction&) = delete;

    void Commit();

private:
    TDBMainBase& Base;
    int Generation;
    int Level;
    bool Finished = false;
};

class TDBMainBase {
public:
    // The store kept in `dataDir`; nothing is opened yet.
    explicit TDBMainBase(const QString& dataDir);
    // Runs CloseTables.
    ~TDBMainBase();
    TDBMainBase(const TDBMainBase&) = delete;
    TDBMainBase& operator=(const TDBMainBase&) = delete;

    const QString& DataDir() const { return Dir; }
    QString TemplateDir() const;  // DataDir/Empty
    QString DatabasePath() const; // DataDir/library.db
    QString TemplatePath() const; // DataDir/Empty/library.db

    // The connection, opened on first use. Opening makes a missing store first: a missing
    // data directory gets the directory, the template and the database made from the schema;
    // a missing database is copied from the template (made from the schema without one).
    // A database (or template) of an earlier version is converted (uSchemaConversion.h).
    // Throws SQLite::Exception whose text is the program's file error: "Błąd podczas
    // ładowania pliku ..." when the file is not a whole, usable database (empty, not a
    // database, a table missing, damaged pages, unreadable, read-only: uStoreCheck.h),
    // "Błąd podczas zapisywania pliku ..." when a missing one cannot be made. A file that
    // cannot be used is never replaced or changed.
    SQLite::Database& Connection();
    bool Connected() const { return Db != nullptr; }

    // Table accessors: each opens its table first when it is closed (see TDBTable::Open).
    TDBTable& Table(TTableId id);
    TDBTable& AlbumsTable() { return Table(tiAlbums); }
    TDBTable& ArtistsTable() { return Table(tiArtists); }
    TDBTable& LabelsTable() { return Table(tiLabels); }
    TDBTable& BaseSongsTable() { return Table(tiBaseSongs); }
    TDBTable& DataSongsTable() { return Table(tiDataSongs); }
    TDBTable& DatSongsTable() { return Table(tiDatSongs); }
    TDBTable& CharsTable() { return Table(tiChars); }
    TDBTable& ZSongsTable() { return Table(tiZSongs); }
    TDBTable& UsersTable() { return Table(tiUsers); }
    TDBTable& StatsTable() { return Table(tiStats); }
    TDBTable& AStatsTable() { return Table(tiAStats); }

    // Closes every table and query and the connection, committing a unit of work still
    // open. A failed commit shows "Nie można zapisać bazy danych." and logs it under "MainDB".
    // The next accessor call opens the files as they are then.
    void CloseTables();

    // The row with that id, or nothing. Deleting the found row and locating again walks
    // through every row with the id (every statistics row of a song or an artist).
    std::optional<TDBRecord> LocateSong(int songId);          // BaseSongs.Song_Id
    std::optional<TDBRecord> LocateChars(int characterId);    // Chars.Character_Id
    std::optional<TDBRecord> LocateDataSong(int songId);      // DataSongs.SongData_Id
    std::optional<TDBRecord> LocateDatSong(int songId);       // DatSongs.SongDat_Id
    std::optional<TDBRecord> LocateZSong(int songId);         // ZSongs.ZSong_Id
    std::optional<TDBRecord> LocateSongStats(int songId);     // Stats.StatsId
    std::optional<TDBRecord> LocateArtistStats(int artistId); // AStats.StatsId

    // Replaces the database with a copy of the template and deletes every other file in the
    // data directory (sub-directories stay). False, changing nothing, when the template
    // directory is missing, or its database is ("Brak pliku ..." is shown), or the copy
    // cannot be made; false also when the copy could not be put in place.
    bool ClearDatabase();
    // Recreates Stats and AStats empty, leaving every other table as it is. False, changing
    // nothing, when the template directory is missing or the work fails ("Błąd kasowania:
    // %s : %s." is logged).
    bool ResetStats();
    // Rebuilds a statistics table that lacks SId (the version-2308 layout) with it: the rows
    // keep their order and values and get increasing SIds. It runs inside a progress window
    // (operation "Trwa uaktualnienie bazy danych do wersji 2308.", one step "Proszę
    // czekać...." per row) and swaps the tables in one transaction, so on a failure the old
    // tables stay, "Błąd zapisu do bazy danych: "%s"." is shown and the next start tries
    // again. When the work cannot
    // even be prepared the statistics are reset instead. Nothing happens when both tables
    // are current.
    void UpgradeStats();

private:
    friend class TMainBaseQuery;
    friend class TStoreTransaction;

    QString Dir;
    std::unique_ptr<SQLite::Database> Db;
    // Counts the connections closed, so a unit of work can tell its connection is gone.
    int ConnectionGeneration = 0;
    int TransactionLevel = 0;
    std::array<std::unique_ptr<TDBTable>, tiTableCount> Tables;
    std::set<TMainBaseQuery*> Queries; // prepared on the connection

    std::unique_ptr<SQLite::Database> OpenStore();
    // Makes what a new station lacks; true when the database was copied from the template.
    bool PrepareDataDir();
    // Converts a template of an earlier version (see uSchemaConversion.h).
    void UpgradeTemplate();
    void RegisterQuery(TMainBaseQuery* query) { Queries.insert(query); }
    void UnregisterQuery(TMainBaseQuery* query) { Queries.erase(query); }
    // Marks the tables closed and drops every prepared statement; the connection stays.
    void ForgetStatements();
    QString ConvertStats(const QList<TTableId>& tables, TProgressWindow& window);
    void ConvertStatsTable(TTableId id, TProgressWindow& window);
};

// The process-wide store, brought up by InitMainBase and released by DoneMainBase.
inline std::unique_ptr<TDBMainBase> MainBase;

// Creates the store on "Data" of the program directory when there is none, opens it, runs
// UpgradeStats and finishes the file steps an interrupted change left (see uFileJournal.h).
// Throws SQLite::Exception when the store cannot be opened or those steps cannot be finished,
// leaving no store;
// the start-up shows it as "Błąd podczas initializacji: %s".
void InitMainBase();
// Closes and frees the store; nothing when there is none.
void DoneMainBase();

// Deletes every file "*.<ext>" in the directory `dir` of the program directory.
void DeleteFilesByExt(const QString& dir, const QString& ext);

// Texts of the store.
inline const QString kCannotSaveDatabase = QStringLiteral("Nie można zapisać bazy danych.");
inline const QString kDeleteTableError = QStringLiteral("Błąd kasowania: %s : %s.");
inline const QString kUpgradeOperation =
    QStringLiteral("Trwa uaktualnienie bazy danych do wersji 2308.");
inline const QString kPleaseWait = QStringLiteral("Proszę czekać....");
inline const QString kDatabaseWriteError = QStringLiteral("Błąd zapisu do bazy danych: \"%s\".");
