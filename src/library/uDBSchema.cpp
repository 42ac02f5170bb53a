#include "library/uDBSchema.h"

#include "library/uDBCollation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>

namespace {

// Keys assigned by the store never come back after a delete (AUTOINCREMENT), so an id kept in
// a plan or history file cannot come to name a different song later. The -1 rows do not
// disturb the counting: the first assigned key is 1.
// No column, index or other schema object names the store's own collation: every other SQLite
// tool (the shell, backups, integrity checks) must be able to read the file. The statements
// that compare or order names name the collation themselves; the name indexes are under
// NOCASE, which every SQLite has, and find a name in any letter case (TDBTable::Locate).
std::vector<TTableDef> MakeTableDefs() {
    const QString statsColumns =
        QStringLiteral("StatsId INTEGER, SId INTEGER PRIMARY KEY AUTOINCREMENT, StatsVal BLOB, "
                       "BeginTime REAL, EndTime REAL, BeginId INTEGER, EndId INTEGER");
    return {
        {tiAlbums,
         QStringLiteral("albums"),
         QStringLiteral("albums.db"),
         Col::Album_Id,
         QStringLiteral("Album_Id INTEGER PRIMARY KEY AUTOINCREMENT, "
                        "Album_Title TEXT, Album_Year INTEGER, Album_Art_Id INTEGER"),
         {QStringLiteral("Album_Art_Id, Album_Title")},
         QStringLiteral("-1, '', -1, -1")},
        {tiArtists,
         QStringLiteral("Artists"),
         QStringLiteral("Artists.db"),
         Col::Art_Id,
         QStringLiteral("Art_Id INTEGER PRIMARY KEY AUTOINCREMENT, Art_Name TEXT, "
                        "Alias1 INTEGER, Alias2 INTEGER, Art_FreqGroup INTEGER"),
         {QStringLiteral("Art_Name COLLATE NOCASE")},
         QStringLiteral("-1, '', -1, -1, -1")},
        {tiLabels,
         QStringLiteral("Labels"),
         QStringLiteral("Labels.db"),
         Col::Label_Id,
         QStringLiteral("Label_Id INTEGER PRIMARY KEY AUTOINCREMENT, LValue TEXT, "
                        "Expired INTEGER, NextLabelId INTEGER"),
         {QStringLiteral("LValue COLLATE NOCASE")},
         QStringLiteral("-1, '', 0, -1")},
        {tiBaseSongs,
         QStringLiteral("BaseSongs"),
         QStringLiteral("BaseSongs.db"),
         Col::Song_Id,
         QStringLiteral("Song_Id INTEGER PRIMARY KEY AUTOINCREMENT, Title TEXT, "
                        "Art_Id INTEGER, Album_Id INTEGER, Character_Id INTEGER, "
                        "Label1_Id INTEGER, Label2_Id INTEGER, Song_Time INTEGER, SYear INTEGER, "
                        "Song_Info TEXT, Category TEXT, Time_Rest INTEGER, Time_Rest2 INTEGER, "
                        "Time_Rest3 INTEGER, Freq_Rest INTEGER, Art_Alias1 INTEGER, "
                        "Art_Alias2 INTEGER"),
         // The duplicate rule (performer and title) and the candidate query (category).
         {QStringLiteral("Art_Id, Title"), Col::Category},
         QString()},
        {tiDataSongs,
         QStringLiteral("DataSongs"),
         QStringLiteral("DataSongs.db"),
         Col::SongData_Id,
         QStringLiteral("SongData_Id INTEGER PRIMARY KEY, Compress TEXT, Frequ INTEGER, "
                        "Mode INTEGER, Quality TEXT, Path TEXT, FileName TEXT, Code TEXT, "
                        "OwnerId INTEGER, CreateDate REAL"),
         {},
         QString()},
        {tiDatSongs,
         QStringLiteral("DatSongs"),
         QStringLiteral("DatSongs.db"),
         Col::SongDat_Id,
         QStringLiteral("SongDat_Id INTEGER PRIMARY KEY, Intro INTEGER, Outro INTEGER, "
                        "FadeIn INTEGER, FadeOut INTEGER, Mix INTEGER, NStart INTEGER, "
                        "NEnd INTEGER"),
         {},
         QString()},
        {tiChars,
         QStringLiteral("Chars"),
         QStringLiteral("Chars.db"),
         Col::Character_Id,
         QStringLiteral("Character_Id INTEGER PRIMARY KEY AUTOINCREMENT, Type INTEGER, "
                        "Tempo INTEGER, Atmosphere INTEGER, Language INTEGER, Vocal INTEGER, "
                        "TempoIn INTEGER, TempoOut INTEGER"),
         // A combination is found by all seven values.
         {QStringLiteral("Type, Tempo, Atmosphere, Language, Vocal, TempoIn, TempoOut")},
         QString()},
        {tiZSongs,
         QStringLiteral("ZSongs"),
         QStringLiteral("ZSongs.db"),
         Col::ZSong_Id,
         QStringLiteral("ZSong_Id INTEGER PRIMARY KEY, Composer TEXT, TextAuthor TEXT, "
                        "Producer TEXT, Publisher TEXT, Year2 INTEGER"),
         {},
         QString()},
        {tiUsers,
         QStringLiteral("users"),
         QStringLiteral("users.db"),
         Col::User_Id,
         QStringLiteral("User_Id INTEGER PRIMARY KEY AUTOINCREMENT, User_Name TEXT"),
         {},
         QString()},
        {tiStats,
         QStringLiteral("Stats"),
         QStringLiteral("Stats.db"),
         Col::SId,
         statsColumns,
         {Col::StatsId},
         QString()},
        {tiAStats,
         QStringLiteral("AStats"),
         QStringLiteral("AStats.db"),
         Col::SId,
         statsColumns,
         {Col::StatsId},
         QString()},
    };
}

void Exec(SQLite::Database& db, const QString& sql) {
    db.exec(sql.toStdString());
}

QString IndexName(const TTableDef& def, qsizetype index) {
    return QStringLiteral("%1_%2").arg(def.Name).arg(index + 1);
}

// As SQLite keeps it in the schema.
QString IndexSql(const TTableDef& def, qsizetype index) {
    return QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
        .arg(IndexName(def, index), def.Name, def.IndexedColumns[index]);
}

} // namespace

const std::vector<TTableDef>& TableDefs() {
    static const std::vector<TTableDef> defs = MakeTableDefs();
    return defs;
}

const TTableDef& TableDef(TTableId id) {
    return TableDefs().at(id);
}

void SetUpConnection(SQLite::Database& db) {
    RegisterPolishText(db.getHandle());
    // Builds may switch double-quoted literals off; the statement texts rely on them.
    sqlite3_db_config(db.getHandle(), SQLITE_DBCONFIG_DQS_DML, 1, nullptr);
    sqlite3_db_config(db.getHandle(), SQLITE_DBCONFIG_DQS_DDL, 1, nullptr);
}

bool EnsureTable(SQLite::Database& db, const TTableDef& def) {
    if (db.tableExists(def.Name.toStdString())) {
        CreateIndexes(db, def);
        return false;
    }
    CreateTableAs(db, def, def.Name);
    CreateIndexes(db, def);
    if (!def.Sentinel.isEmpty())
        Exec(db, QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(def.Name, def.Sentinel));
    return true;
}

void CreateTableAs(SQLite::Database& db, const TTableDef& def, const QString& name) {
    Exec(db, QStringLiteral("CREATE TABLE %1 (%2)").arg(name, def.Columns));
}

void CreateIndexes(SQLite::Database& db, const TTableDef& def) {
    for (qsizetype i = 0; i < def.IndexedColumns.size(); ++i)
        Exec(db, IndexSql(def, i).replace(QStringLiteral("CREATE INDEX"),
                                          QStringLiteral("CREATE INDEX IF NOT EXISTS")));
}

void RefreshIndexes(SQLite::Database& db) {
    SQLite::Statement stored(db, "SELECT sql FROM sqlite_master WHERE type = 'index' AND "
                                 "name = ?1 COLLATE NOCASE");
    QList<std::pair<QString, QString>> stale; // name, declaration
    for (const TTableDef& def : TableDefs()) {
        if (!db.tableExists(def.Name.toStdString()))
            continue;
        for (qsizetype i = 0; i < def.IndexedColumns.size(); ++i) {
            const QString name = IndexName(def, i);
            stored.bind(1, name.toStdString());
            const bool same = stored.executeStep() &&
                              QString::fromUtf8(stored.getColumn(0).getText()) == IndexSql(def, i);
            stored.reset();
            if (!same)
                stale.append({name, IndexSql(def, i)});
        }
    }
    if (stale.isEmpty())
        return;
    SQLite::Transaction transaction(db);
    for (const auto& [name, sql] : stale) {
        Exec(db, QStringLiteral("DROP INDEX IF EXISTS %1").arg(name));
        Exec(db, sql);
    }
    transaction.commit();
}

void CreateSchema(SQLite::Database& db) {
    SQLite::Transaction transaction(db);
    for (const TTableDef& def : TableDefs())
        EnsureTable(db, def);
    transaction.commit();
}

void CreateStoreFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    const bool existed = QFileInfo::exists(path);
    try {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        SetUpConnection(db);
        CreateSchema(db);
    } catch (...) {
        if (!existed)
            QFile::remove(path);
        throw;
    }
}
