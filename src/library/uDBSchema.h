#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace SQLite {
class Database;
}

// The eleven tables of the music library, in the order in which they are closed and deleted.
enum TTableId : int {
    tiAlbums,
    tiArtists,
    tiLabels,
    tiBaseSongs,
    tiDataSongs,
    tiDatSongs,
    tiChars,
    tiZSongs,
    tiUsers,
    tiStats,
    tiAStats,
    tiTableCount
};

struct TTableDef {
    TTableId Id;
    QString Name;               // as SQL names it, e.g. "Stats" (SQL ignores its case)
    QString FileName;           // as the program's texts name the table, e.g. "Stats.db"
    QString KeyField;           // the row key; the rowid itself, assigned by the store unless given
    QString Columns;            // column definitions of CREATE TABLE
    QStringList IndexedColumns; // one entry per secondary index: "Art_Id, Title"
    QString Sentinel;           // VALUES of the -1 "none" row, or empty
};

// The definitions in module order (indexed by TTableId).
const std::vector<TTableDef>& TableDefs();
const TTableDef& TableDef(TTableId id);

// --- Files of the store, relative to the "Data" directory

inline const QString kDataDirName = QStringLiteral("Data");
inline const QString kTemplateDirName = QStringLiteral("Empty");
inline const QString kDatabaseFileName = QStringLiteral("library.db");

// --- Creating tables

// Sets a fresh connection up for the store: the Polish LOWER and collation, string literals in
// double quotes (the program's statement texts use them). Throws SQLite::Exception.
void SetUpConnection(SQLite::Database& db);

// Creates the table when it is missing, with its indexes and its -1 row; an existing table
// only gains the indexes it lacks. True when the table was created.
bool EnsureTable(SQLite::Database& db, const TTableDef& def);
// Creates the table's layout (no indexes, no -1 row) under another name.
void CreateTableAs(SQLite::Database& db, const TTableDef& def, const QString& name);
void CreateIndexes(SQLite::Database& db, const TTableDef& def);
// Makes the indexes of every table there is as declared here, in one transaction: a missing
// one is created, one an earlier version declared otherwise is made again.
void RefreshIndexes(SQLite::Database& db);
// Every table that is missing, in one transaction.
void CreateSchema(SQLite::Database& db);
// A new database file holding the empty library (the template a new station starts from).
// A file this call began and could not finish is removed. Throws SQLite::Exception.
void CreateStoreFile(const QString& path);

// --- The library's statement texts, filled by Format before they are run

// The last statistics row of an id: the table's name ("Stats.db" or "AStats.db"), the id.
inline const QString sqlLastStatsRow = QStringLiteral(
    "SELECT %s.StatsId, %0:s.SId, %0:s.EndId FROM %0:s WHERE %0:s.StatsId=%d ORDER BY %0:s.SId");
// The statistics rows of a song, resp. an artist: the id.
inline const QString sqlSongStatsRows =
    QStringLiteral("SELECT stats.StatsId, stats.StatsVal, stats.BeginTime, stats.EndTime, \r\n"
                   "stats.BeginId, stats.EndId \r\nFROM stats \r\nWHERE stats.StatsId = %d \r\n"
                   "ORDER BY stats.BeginTime");
inline const QString sqlArtistStatsRows =
    QStringLiteral("SELECT astats.StatsId, astats.StatsVal, astats.BeginTime, astats.EndTime, \r\n"
                   "astats.BeginId, astats.EndId \r\nFROM astats \r\nWHERE astats.StatsId = %d \r\n"
                   "ORDER BY astats.BeginTime");
// The songs of an artist: the artist id.
inline const QString sqlArtistSongs = QStringLiteral(
    "SELECT BaseSongs.Song_Id, BaseSongs.Art_Id FROM BaseSongs WHERE BaseSongs.Art_Id = %d");
// Every artist but the -1 row, in alphabetical order.
inline const QString sqlArtistList =
    QStringLiteral("SELECT artists.Art_Name, LOWER(artists.Art_Name) as lArtName, artists.Art_Id, "
                   "artists.Alias1, artists.Alias2, artists.Art_FreqGroup \r\n"
                   "FROM artists WHERE artists.Art_Id <> -1 ORDER BY lArtName");
// The albums of an artist: the artist id.
inline const QString sqlArtistAlbums = QStringLiteral(
    "SELECT albums.Album_Id, albums.Album_Title, albums.Album_Year, albums.Album_Art_Id  "
    "FROM \"albums\"  WHERE albums.Album_Art_Id = %d  ORDER BY albums.Album_Title");
// Every label but the -1 row, in alphabetical order.
inline const QString sqlLabelList =
    QStringLiteral("SELECT labels.Label_Id, LOWER(labels.LValue) as lLabName, labels.LValue \r\n"
                   "FROM labels WHERE labels.Label_Id <> -1 ORDER BY lLabName");
// The song list: an extra table (empty or ", DatSongs") and extra conditions (empty, or
// conditions each beginning with "AND" and ending with a line break).
inline const QString sqlSongList = QStringLiteral(
    "SELECT BaseSongs.Song_Id, BaseSongs.Title, BaseSongs.Art_Id, BaseSongs.Album_Id, \r\n"
    "BaseSongs.SYear, BaseSongs.Character_Id, \r\n"
    "BaseSongs.Song_Time, BaseSongs.Song_Info, BaseSongs.Label1_Id, BaseSongs.Label2_Id,\r\n"
    "BaseSongs.Category, BaseSongs.Time_Rest, \r\n"
    "BaseSongs.Time_Rest2, BaseSongs.Time_Rest3, BaseSongs.Freq_Rest, \r\n"
    "Artists.Art_Id, Artists.Art_Name, \r\n"
    "LL.LValue as LabValue1, LL.Label_Id, \r\n"
    "LL2.LValue as LabValue2, LL2.Label_Id, \r\n"
    "Albums.Album_Id, Albums.Album_Title, \r\n"
    "ZSongs.ZSong_Id, ZSongs.Composer, \r\n"
    "ZSongs.TextAuthor, ZSongs.Producer, \r\n"
    "ZSongs.Publisher, ZSongs.Year2, \r\n"
    "DataSongs.SongData_Id, DataSongs.FileName, DataSongs.Path, \r\n"
    "LOWER(Artists.Art_Name) as lArtName, LOWER(BaseSongs.Title) as lSongTitle \r\n"
    "FROM \"BaseSongs\", \"Artists\", Labels LL, Labels LL2, \"Albums\", \"ZSongs\", "
    "DataSongs %s\r\n"
    "WHERE (BaseSongs.Art_Id = Artists.Art_Id) \r\n"
    "AND (BaseSongs.Label1_Id = LL.Label_Id) \r\n"
    "AND (BaseSongs.Label2_Id = LL2.Label_Id) \r\n"
    "AND (BaseSongs.Album_Id = Albums.Album_Id) \r\n"
    "AND (BaseSongs.Song_Id = ZSongs.ZSong_Id) \r\n"
    "AND (BaseSongs.Song_Id = DataSongs.SongData_Id) \r\n"
    "%sORDER BY lArtName, lSongTitle");
