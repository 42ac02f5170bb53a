#include "library/uDBMainBase.h"

#include "foundation/uAppPaths.h"
#include "foundation/uFormat.h"
#include "foundation/uMsgLog.h"
#include "foundation/uPrompt.h"
#include "library/uDBCollation.h"
#include "library/uDBSchema.h"
#include "library/uFileJournal.h"
#include "library/uProgress.h"
#include "library/uSchemaConversion.h"
#include "library/uStoreCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

namespace {

// Ranges per case-insensitive locate through a name index: a name with a few Polish letters
// is narrowed to itself.
constexpr size_t kMaxLocateRanges = 8;

// The current row of a query whose column 0 is the rowid and the rest a table's fields.
TDBRecord CurrentRow(const TMainBaseQuery& query) {
    QStringList names;
    QVariantList values;
    for (int i = 1; i < query.FieldCount(); ++i) {
        names.append(query.FieldName(i));
        values.append(query.ValueAt(i));
    }
    return TDBRecord(query.ValueAt(0).toLongLong(), names, values);
}

QString PolishEquality(const QString& field, const QString& param) {
    return QStringLiteral("%1 = %2 COLLATE %3").arg(field, param, QLatin1String(kPolishCollation));
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void ThrowFileError(const QString& text) {
    throw SQLite::Exception(text.toStdString());
}

QString ErrorText(const std::exception& e) {
    return QString::fromUtf8(e.what());
}

// A copy keeps the permissions of its source; a template shipped read-only must not make the
// library read-only.
void MakeWritable(const QString& path) {
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

// --- TDBTable

TDBTable::TDBTable(TDBMainBase& base, const TTableDef& def) : Base(base), Def(def) {
    for (const QString& columns : Def.IndexedColumns) {
        const QStringList first =
            columns.section(QLatin1Char(','), 0, 0).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (first.size() == 3 &&
            first[2].compare(QLatin1String("NOCASE"), Qt::CaseInsensitive) == 0)
            NoCaseFields.append(first[0]);
    }
}

void TDBTable::Open() {
    if (IsActive)
        return;
    SQLite::Database& db = Base.Connection();
    EnsureTable(db, Def);
    QStringList fields;
    SQLite::Statement info(db, "PRAGMA table_info(" + Def.Name.toStdString() + ")");
    while (info.executeStep())
        fields.append(QString::fromUtf8(info.getColumn(1).getText()));
    Fields = fields;
    IsActive = true;
}

void TDBTable::Close() {
    Statements.clear();
    RangeQueries.clear();
    Plain.clear();
    Fields.clear();
    IsActive = false;
}

bool TDBTable::HasField(const QString& name) const {
    return Fields.contains(name, Qt::CaseInsensitive);
}

QString TDBTable::CheckedField(const QString& name) const {
    for (const QString& field : Fields)
        if (field.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return field;
    throw SQLite::Exception(
        QStringLiteral("no such column: %1.%2").arg(Def.Name, name.trimmed()).toStdString());
}

TMainBaseQuery& TDBTable::Statement(const QString& sql) {
    std::unique_ptr<TMainBaseQuery>& query = Statements[sql];
    if (!query) {
        query = std::make_unique<TMainBaseQuery>(&Base);
        query->SetSQL(sql);
    }
    return *query;
}

int TDBTable::RecordCount() {
    Open();
    TMainBaseQuery& query = Statement(QStringLiteral("SELECT count(*) FROM %1").arg(Def.Name));
    query.Open();
    const int count = query.AsInteger(QStringLiteral("count(*)"));
    query.Close();
    return count;
}

std::optional<TDBRecord> TDBTable::Locate(const QString& fields, const QVariantList& values,
                                          TLocateMatch match) {
    Open();
    const QStringList names = fields.split(QLatin1Char(';'));
    if (names.size() != values.size())
        throw SQLite::Exception(QStringLiteral("%1 fields and %2 values to locate in %3")
                                    .arg(names.size())
                                    .arg(values.size())
                                    .arg(Def.Name)
                                    .toStdString());
    std::optional<TDBRecord> found;
    if (names.size() == 1 && match == lmCaseInsensitive &&
        values[0].typeId() == QMetaType::QString &&
        LocateByIndex(CheckedField(names[0]), values[0].toString(), found))
        return found;
    QStringList conditions;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString field = CheckedField(names[i]);
        const QString param = QStringLiteral("?%1").arg(i + 1);
        if (!values[i].isValid())
            conditions.append(field + QStringLiteral(" IS NULL"));
        else if (values[i].typeId() == QMetaType::QString && match == lmCaseInsensitive)
            conditions.append(PolishEquality(field, param));
        else if (values[i].typeId() == QMetaType::QString && NoCaseIndexed(field))
            // Equal texts are equal under NOCASE too, which lets the index find them.
            conditions.append(
                QStringLiteral("(%1 = %2 COLLATE NOCASE AND %1 = %2)").arg(field, param));
        else // the columns are declared without a collation: "=" compares exactly
            conditions.append(QStringLiteral("%1 = %2").arg(field, param));
    }
    return LocateWhere(conditions.join(QStringLiteral(" AND ")), values);
}

std::optional<TDBRecord> TDBTable::LocateWhere(const QString& condition,
                                               const QVariantList& values) {
    TMainBaseQuery& query =
        Statement(QStringLiteral("SELECT rowid, * FROM %1 WHERE %2 ORDER BY rowid LIMIT 1")
                      .arg(Def.Name, condition));
    for (qsizetype i = 0; i < values.size(); ++i)
        if (values[i].isValid())
            query.SetParam(static_cast<int>(i + 1), values[i]);
    query.Open();
    std::optional<TDBRecord> found;
    if (!query.Eof())
        found = CurrentRow(query);
    query.Close();
    return found;
}

bool TDBTable::NoCaseIndexed(const QString& field) const {
    return NoCaseFields.contains(field, Qt::CaseInsensitive);
}

bool TDBTable::PlainColumn(const QString& field) {
    const auto known = Plain.constFind(field);
    if (known != Plain.cend())
        return *known;
    // Read once while the table is open; what the table writes afterwards keeps it (NoteTexts).
    SQLite::Statement texts(Base.Connection(),
                            QStringLiteral("SELECT %1 FROM %2 WHERE typeof(%1) = 'text'")
                                .arg(field, Def.Name)
                                .toStdString());
    bool plain = true;
    while (plain && texts.executeStep()) {
        const char* text = texts.getColumn(0).getText();
        plain =
            IsPlainText(std::string_view(text, static_cast<size_t>(texts.getColumn(0).getBytes())));
    }
    Plain.insert(field, plain);
    return plain;
}

void TDBTable::NoteTexts(const TFieldValues& values) {
    for (const auto& [name, value] : values) {
        const auto known = Plain.find(CheckedField(name));
        if (known != Plain.end() && value.typeId() == QMetaType::QString) {
            const QByteArray text = value.toString().toUtf8();
            *known = *known && IsPlainText(std::string_view(text.constData(),
                                                            static_cast<size_t>(text.size())));
        }
    }
}

bool TDBTable::LocateByIndex(const QString& field, const QString& value,
                             std::optional<TDBRecord>& found) {
    if (!NoCaseIndexed(field))
        return false;
    const QByteArray text = value.toUtf8();
    const std::vector<TTextRange> ranges = PolishEqualRanges(
        std::string_view(text.constData(), static_cast<size_t>(text.size())), kMaxLocateRanges);
    if (ranges.empty() || !PlainColumn(field))
        return false;
    TMainBaseQuery& query = RangesQuery(field, ranges.size());
    query.SetParam(1, value);
    for (size_t i = 0; i < ranges.size(); ++i) {
        query.SetParam(static_cast<int>(2 * i + 2), QByteArray::fromStdString(ranges[i].From));
        query.SetParam(static_cast<int>(2 * i + 3), QByteArray::fromStdString(ranges[i].To));
    }
    // The rows come in the index's order: the first in rowid order is looked for.
    found.reset();
    for (query.Open(); !query.Eof(); query.Next())
        if (!found || query.ValueAt(0).toLongLong() < found->RowId())
            found = CurrentRow(query);
    query.Close();
    return true;
}

TMainBaseQuery& TDBTable::RangesQuery(const QString& field, size_t count) {
    std::unique_ptr<TMainBaseQuery>& query = RangeQueries[{field, count}];
    if (!query) {
        // The bounds are bytes, not always whole characters: bound as blobs, compared as text.
        QStringList inRanges;
        for (size_t i = 0; i < count; ++i)
            inRanges.append(QStringLiteral("%1 >= CAST(?%2 AS TEXT) COLLATE NOCASE AND "
                                           "%1 < CAST(?%3 AS TEXT) COLLATE NOCASE")
                                .arg(field)
                                .arg(2 * i + 2)
                                .arg(2 * i + 3));
        query = std::make_unique<TMainBaseQuery>(&Base);
        query->SetSQL(QStringLiteral("SELECT rowid, * FROM %1 WHERE (%2) AND %3")
                          .arg(Def.Name, inRanges.join(QStringLiteral(" OR ")),
                               PolishEquality(field, QStringLiteral("?1"))));
    }
    return *query;
}

qint64 TDBTable::Append(const TFieldValues& values) {
    Open();
    QStringList fields;
    QStringList params;
    for (qsizetype i = 0; i < values.size(); ++i) {
        fields.append(CheckedField(values[i].first));
        params.append(QStringLiteral("?%1").arg(i + 1));
    }
    TMainBaseQuery& query =
        Statement(values.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(Def.Name)
                                   : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                         .arg(Def.Name, fields.join(QStringLiteral(", ")),
                                              params.join(QStringLiteral(", "))));
    for (qsizetype i = 0; i < values.size(); ++i)
        query.SetParam(static_cast<int>(i + 1), values[i].second);
    NoteTexts(values);
    query.ExecSQL();
    return Base.Connection().getLastInsertRowid();
}

bool TDBTable::Update(qint64 rowId, const TFieldValues& values) {
    Open();
    if (values.isEmpty())
        return Locate(Def.KeyField, {rowId}).has_value();
    QStringList assignments;
    for (qsizetype i = 0; i < values.size(); ++i)
        assignments.append(
            QStringLiteral("%1 = ?%2").arg(CheckedField(values[i].first)).arg(i + 1));
    const int rowParam = static_cast<int>(values.size() + 1);
    TMainBaseQuery& query = Statement(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3")
                                          .arg(Def.Name, assignments.join(QStringLiteral(", ")))
                                          .arg(rowParam));
    for (qsizetype i = 0; i < values.size(); ++i)
        query.SetParam(static_cast<int>(i + 1), values[i].second);
    query.SetParam(rowParam, rowId);
    NoteTexts(values);
    return query.ExecSQL() > 0;
}

bool TDBTable::Delete(qint64 rowId) {
    Open();
    TMainBaseQuery& query =
        Statement(QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(Def.Name));
    query.SetParam(1, rowId);
    return query.ExecSQL() > 0;
}

// --- TStoreTransaction

TStoreTransaction::TStoreTransaction(TDBMainBase& base)
    : Base(base), Generation(0), Level(base.TransactionLevel + 1) {
    Base.Connection().exec("SAVEPOINT unit" + std::to_string(Level));
    Generation = Base.ConnectionGeneration;
    Base.TransactionLevel = Level;
}

TStoreTransaction::~TStoreTransaction() {
    if (Finished || Generation != Base.ConnectionGeneration || !Base.Connected())
        return;
    // Undoes the unit's work and leaves the savepoint, so an outer unit can carry on.
    const std::string name = "unit" + std::to_string(Level);
    Base.Connection().tryExec("ROLLBACK TO " + name);
    Base.Connection().tryExec("RELEASE " + name);
    Base.TransactionLevel = Level - 1;
}

void TStoreTransaction::Commit() {
    if (Finished)
        return;
    if (Generation != Base.ConnectionGeneration) {
        // The connection was closed meanwhile, committing everything pending.
        Finished = true;
        return;
    }
    Base.Connection().exec("RELEASE unit" + std::to_string(Level));
    Finished = true;
    Base.TransactionLevel = Level - 1;
}

// --- TDBMainBase: files and connection

TDBMainBase::TDBMainBase(const QString& dataDir) : Dir(QDir::cleanPath(dataDir)) {
    for (const TTableDef& def : TableDefs())
        Tables[def.Id] = std::make_unique<TDBTable>(*this, def);
}

TDBMainBase::~TDBMainBase() {
    CloseTables();
}

QString TDBMainBase::TemplateDir() const {
    return Dir + QLatin1Char('/') + kTemplateDirName;
}

QString TDBMainBase::DatabasePath() const {
    return Dir + QLatin1Char('/') + kDatabaseFileName;
}

QString TDBMainBase::TemplatePath() const {
    return TemplateDir() + QLatin1Char('/') + kDatabaseFileName;
}

SQLite::Database& TDBMainBase::Connection() {
    if (!Db)
        Db = OpenStore();
    return *Db;
}

bool TDBMainBase::PrepareDataDir() {
    const auto makeFile = [](const QString& path) {
        try {
            CreateStoreFile(path);
        } catch (const std::exception& e) {
            ThrowFileError(FileSaveErrorText(Native(path), ErrorText(e)));
        }
    };
    if (!QFileInfo(Dir).isDir()) {
        // A new station starts with an empty library.
        if (!QDir().mkpath(Dir))
            ThrowFileError(FileSaveErrorText(Native(DatabasePath()),
                                             QStringLiteral("cannot create ") + Native(Dir)));
        makeFile(TemplatePath());
    }
    UpgradeTemplate();
    if (QFileInfo::exists(DatabasePath()))
        return false;
    if (!QFileInfo::exists(TemplatePath())) {
        makeFile(DatabasePath());
        return false;
    }
    QFile templateFile(TemplatePath());
    if (!templateFile.copy(DatabasePath()))
        ThrowFileError(FileSaveErrorText(Native(DatabasePath()), templateFile.errorString()));
    MakeWritable(DatabasePath());
    return true;
}

void TDBMainBase::UpgradeTemplate() {
    if (!QFileInfo(TemplatePath()).isFile())
        return;
    // Only clearing reads the template, and the library copied from it is converted when it is
    // opened: a template that cannot be converted now does no harm yet.
    try {
        const std::unique_ptr<SQLite::Database> db = OpenWholeStore(TemplatePath());
        UpgradeStoreSchema(*db);
    } catch (const std::exception& e) {
        LogMessage(msMainDB, TLogLevel::Notice,
                   FileLoadErrorText(Native(TemplatePath()), ErrorText(e)));
    }
}

std::unique_ptr<SQLite::Database> TDBMainBase::OpenStore() {
    const bool copied = PrepareDataDir();
    const QString path = DatabasePath();
    std::unique_ptr<SQLite::Database> db;
    try {
        db = OpenWholeStore(path);
    } catch (const std::exception& e) {
        if (!copied)
            ThrowFileError(FileLoadErrorText(Native(path), ErrorText(e)));
        // The fault is the template's; the copy made of it just now holds nothing of anyone's.
        QFile::remove(path);
        ThrowFileError(FileLoadErrorText(Native(TemplatePath()), ErrorText(e)));
    }
    try {
        UpgradeStoreSchema(*db);
    } catch (const std::exception& e) {
        // The old declarations work as well here; the next start tries again.
        LogMessage(msMainDB, TLogLevel::Error, Format(kDatabaseWriteError, {ErrorText(e)}));
    }
    return db;
}

TDBTable& TDBMainBase::Table(TTableId id) {
    TDBTable& table = *Tables.at(id);
    table.Open();
    return table;
}

void TDBMainBase::ForgetStatements() {
    for (const std::unique_ptr<TDBTable>& table : Tables)
        table->Close();
    // Releasing unregisters, so walk a copy.
    const std::set<TMainBaseQuery*> queries = Queries;
    for (TMainBaseQuery* query : queries)
        query->Release();
}

void TDBMainBase::CloseTables() {
    ForgetStatements();
    if (!Db)
        return;
    if (sqlite3_get_autocommit(Db->getHandle()) == 0) {
        try {
            Db->exec("COMMIT");
        } catch (const std::exception& e) {
            ShowError(kCannotSaveDatabase);
            LogMessage(msMainDB, TLogLevel::Notice,
                       kCannotSaveDatabase +
                           Format(QStringLiteral(" %s : %s"), {kDatabaseFileName, ErrorText(e)}));
        }
    }
    Db.reset();
    ++ConnectionGeneration;
    TransactionLevel = 0;
}

// --- Locates

std::optional<TDBRecord> TDBMainBase::LocateSong(int songId) {
    return BaseSongsTable().Locate(Col::Song_Id, {songId});
}

std::optional<TDBRecord> TDBMainBase::LocateChars(int characterId) {
    return CharsTable().Locate(Col::Character_Id, {characterId});
}

std::optional<TDBRecord> TDBMainBase::LocateDataSong(int songId) {
    return DataSongsTable().Locate(Col::SongData_Id, {songId});
}

std::optional<TDBRecord> TDBMainBase::LocateDatSong(int songId) {
    return DatSongsTable().Locate(Col::SongDat_Id, {songId});
}

std::optional<TDBRecord> TDBMainBase::LocateZSong(int songId) {
    return ZSongsTable().Locate(Col::ZSong_Id, {songId});
}

std::optional<TDBRecord> TDBMainBase::LocateSongStats(int songId) {
    return StatsTable().Locate(Col::StatsId, {songId});
}

std::optional<TDBRecord> TDBMainBase::LocateArtistStats(int artistId) {
    return AStatsTable().Locate(Col::StatsId, {artistId});
}

// --- Clearing and resetting

bool TDBMainBase::ClearDatabase() {
    const QDir templateDir(TemplateDir());
    if (!templateDir.exists())
        return false;
    if (!QFileInfo::exists(TemplatePath())) {
        // Without its database the template would leave no library at all.
        LogMessage(msMainDB, TLogLevel::Error, MissingFileText(Native(TemplatePath())));
        return false;
    }
    CloseTables();
    // The copies are made first, beside the data, so a failed copy changes nothing.
    QTemporaryDir staging(Dir + QStringLiteral("/.clear-XXXXXX"));
    const QStringList templateFiles = templateDir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : templateFiles) {
        QFile source(templateDir.filePath(name));
        if (!staging.isValid() || !source.copy(staging.filePath(name))) {
            LogMessage(msMainDB, TLogLevel::Error,
                       FileSaveErrorText(Native(QDir(Dir).filePath(name)),
                                         staging.isValid() ? source.errorString()
                                                           : staging.errorString()));
            return false;
        }
    }
    const QDir dataDir(Dir);
    for (const QString& name : dataDir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile file(dataDir.filePath(name));
        if (!file.remove())
            LogMessage(msMainDB, TLogLevel::Notice,
                       Format(kDeleteTableError, {name, file.errorString()}));
    }
    bool done = true;
    for (const QString& name : templateFiles) {
        QFile staged(staging.filePath(name));
        if (!staged.rename(dataDir.filePath(name))) {
            LogMessage(msMainDB, TLogLevel::Error,
                       FileSaveErrorText(Native(dataDir.filePath(name)), staged.errorString()));
            done = false;
        }
        MakeWritable(dataDir.filePath(name));
    }
    return done;
}

bool TDBMainBase::ResetStats() {
    if (!QDir(TemplateDir()).exists())
        return false;
    CloseTables();
    QString failedTable = TableDef(tiStats).FileName;
    try {
        TStoreTransaction transaction(*this);
        for (TTableId id : {tiStats, tiAStats}) {
            const TTableDef& def = TableDef(id);
            failedTable = def.FileName;
            Connection().exec(
                QStringLiteral("DROP TABLE IF EXISTS %1").arg(def.Name).toStdString());
            EnsureTable(Connection(), def);
        }
        transaction.Commit();
    } catch (const std::exception& e) {
        LogMessage(msMainDB, TLogLevel::Notice,
                   Format(kDeleteTableError, {failedTable, ErrorText(e)}));
        CloseTables();
        return false;
    }
    CloseTables();
    return true;
}

// --- The version-2308 upgrade

void TDBMainBase::UpgradeStats() {
    QList<TTableId> stale;
    int rows = 0;
    try {
        for (TTableId id : {tiStats, tiAStats})
            if (!Table(id).HasField(Col::SId))
                stale.append(id);
        for (TTableId id : stale)
            rows += Table(id).RecordCount();
    } catch (const std::exception&) {
        ResetStats();
        return;
    }
    if (stale.isEmpty())
        return;

    std::unique_ptr<TProgressWindow> window = NewProgressWindow();
    window->SetOperation(kUpgradeOperation);
    window->SetMax(rows);
    // A window that never runs the work changes nothing; the next start tries again.
    QString failure;
    window->OnExecute = [&] { failure = ConvertStats(stale, *window); };
    window->Execute();
    if (!failure.isEmpty())
        LogMessage(msMainDB, TLogLevel::Error, Format(kDatabaseWriteError, {failure}));
}

QString TDBMainBase::ConvertStats(const QList<TTableId>& tables, TProgressWindow& window) {
    QString failure;
    try {
        TStoreTransaction transaction(*this);
        for (TTableId id : tables)
            ConvertStatsTable(id, window);
        transaction.Commit();
    } catch (const std::exception& e) {
        failure = ErrorText(e);
        if (failure.isEmpty())
            failure = kUpgradeOperation;
    }
    // The tables' fields changed (or the old ones are back): read them again on next use.
    ForgetStatements();
    return failure;
}

void TDBMainBase::ConvertStatsTable(TTableId id, TProgressWindow& window) {
    const TTableDef& def = TableDef(id);
    const QString rebuilt = def.Name + QStringLiteral("_2308");
    SQLite::Database& db = Connection();
    db.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(rebuilt).toStdString());
    CreateTableAs(db, def, rebuilt);
    {
        const QString fields =
            QStringLiteral("StatsId, StatsVal, BeginTime, EndTime, BeginId, EndId");
        TMainBaseQuery read(this);
        read.SetSQL(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(fields, def.Name));
        TMainBaseQuery write(this);
        write.SetSQL(QStringLiteral("INSERT INTO %1 (%2) VALUES (?1, ?2, ?3, ?4, ?5, ?6)")
                         .arg(rebuilt, fields));
        for (read.Open(); !read.Eof(); read.Next()) {
            for (int i = 0; i < read.FieldCount(); ++i)
                write.SetParam(i + 1, read.ValueAt(i));
            write.ExecSQL();
            window.Step(1, kPleaseWait);
        }
    }
    ForgetStatements(); // nothing may hold the old table while it is dropped
    db.exec(QStringLiteral("DROP TABLE %1").arg(def.Name).toStdString());
    db.exec(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(rebuilt, def.Name).toStdString());
    CreateIndexes(db, def);
}

// --- The process-wide store

void InitMainBase() {
    if (!MainBase)
        MainBase = std::make_unique<TDBMainBase>(AppFilePath(kDataDirName));
    try {
        MainBase->Connection();
    } catch (...) {
        MainBase.reset();
        throw;
    }
    MainBase->UpgradeStats();
    // A change committed by a run that was killed before its files were done is finished now,
    // before anything looks at the files.
    QString error;
    if (!FinishFileSteps(*MainBase, &error)) {
        MainBase.reset();
        throw SQLite::Exception(error.toStdString());
    }
}

void DoneMainBase() {
    MainBase.reset();
}

void DeleteFilesByExt(const QString& dir, const QString& ext) {
    const QDir directory(AppFilePath(dir));
    for (const QString& name :
         directory.entryList({QStringLiteral("*.") + ext}, QDir::Files | QDir::Hidden))
        QFile::remove(directory.filePath(name));
}
