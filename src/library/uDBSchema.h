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

// --- Column names, as the statement texts and the rows name them

// Spelt as SQL spells them, so a name written here can be checked against the statement texts
// at a glance; a column two tables share (a key and the reference to it) is declared once.
namespace Col {
// albums
inline const QString Album_Id = QStringLiteral("Album_Id");
inline const QString Album_Title = QStringLiteral("Album_Title");
inline const QString Album_Year = QStringLiteral("Album_Year");
inline const QString Album_Art_Id = QStringLiteral("Album_Art_Id");
// Artists
inline const QString Art_Id = QStringLiteral("Art_Id");
inline const QString Art_Name = QStringLiteral("Art_Name");
inline const QString Alias1 = QStringLiteral("Alias1");
inline const QString Alias2 = QStringLiteral("Alias2");
inline const QString Art_FreqGroup = QStringLiteral("Art_FreqGroup");
// Labels
inline const QString Label_Id = QStringLiteral("Label_Id");
inline const QString LValue = QStringLiteral("LValue");
inline const QString Expired = QStringLiteral("Expired");
inline const QString NextLabelId = QStringLiteral("NextLabelId");
// BaseSongs
inline const QString Song_Id = QStringLiteral("Song_Id");
inline const QString Title = QStringLiteral("Title");
inline const QString Character_Id = QStringLiteral("Character_Id");
inline const QString Label1_Id = QStringLiteral("Label1_Id");
inline const QString Label2_Id = QStringLiteral("Label2_Id");
inline const QString Song_Time = QStringLiteral("Song_Time");
inline const QString SYear = QStringLiteral("SYear");
inline const QString Song_Info = QStringLiteral("Song_Info");
inline const QString Category = QStringLiteral("Category");
inline const QString Time_Rest = QStringLiteral("Time_Rest");
inline const QString Time_Rest2 = QStringLiteral("Time_Rest2");
inline const QString Time_Rest3 = QStringLiteral("Time_Rest3");
inline const QString Freq_Rest = QStringLiteral("Freq_Rest");
inline const QString Art_Alias1 = QStringLiteral("Art_Alias1");
inline const QString Art_Alias2 = QStringLiteral("Art_Alias2");
// DataSongs
inline const QString SongData_Id = QStringLiteral("SongData_Id");
inline const QString Compress = QStringLiteral("Compress");
inline const QString Frequ = QStringLiteral("Frequ");
inline const QString Mode = QStringLiteral("Mode");
inline const QString Quality = QStringLiteral("Quality");
inline const QString Path = QStringLiteral("Path");
inline const QString FileName = QStringLiteral("FileName");
inline const QString Code = QStringLiteral("Code");
inline const QString OwnerId = QStringLiteral("OwnerId");
inline const QString CreateDate = QStringLiteral("CreateDate");
// DatSongs
inline const QString SongDat_Id = QStringLiteral("SongDat_Id");
inline const QString Intro = QStringLiteral("Intro");
inline const QString Outro = QStringLiteral("Outro");
inline const QString FadeIn = QStringLiteral("FadeIn");
inline const QString FadeOut = QStringLiteral("FadeOut");
inline const QString Mix = QStringLiteral("Mix");
inline const QString NStart = QStringLiteral("NStart");
inline const QString NEnd = QStringLiteral("NEnd");
// Chars
inline const QString Type = QStringLiteral("Type");
inline const QString Tempo = QStringLiteral("Tempo");
inline const QString Atmosphere = QStringLiteral("Atmosphere");
inline const QString Language = QStringLiteral("Language");
inline const QString Vocal = QStringLiteral("Vocal");
inline const QString TempoIn = QStringLiteral("TempoIn");
inline const QString TempoOut = QStringLiteral("TempoOut");
// ZSongs
inline const QString ZSong_Id = QStringLiteral("ZSong_Id");
inline const QString Composer = QStringLiteral("Composer");
inline const QString TextAuthor = QStringLiteral("TextAuthor");
inline const QString Producer = QStringLiteral("Producer");
inline const QString Publisher = QStringLiteral("Publisher");
inline const QString Year2 = QStringLiteral("Year2");
// users
inline const QString User_Id = QStringLiteral("User_Id");
inline const QString User_Name = QStringLiteral("User_Name");
// Stats and AStats
inline const QString StatsId = QStringLiteral("StatsId");
inline const QString SId = QStringLiteral("SId");
inline const QString StatsVal = QStringLiteral("StatsVal");
inline const QString BeginTime = QStringLiteral("BeginTime");
inline const QString EndTime = QStringLiteral("EndTime");
inline const QString BeginId = QStringLiteral("BeginId");
inline const QString EndId = QStringLiteral("EndId");
} // namespace Col

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
