#include "library/uStoreCheck.h"

#include "foundation/uFormat.h"
#include "library/uDBSchema.h"

#include <QFileInfo>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

namespace {

[[noreturn]] void ThrowFault(const QString& problem) {
    throw SQLite::Exception((problem + kStoreLeftAlone).toStdString());
}

// The first line of SQLite's own report: enough to tell a damaged file from another.
QString FirstLine(const char* text) {
    return QString::fromUtf8(text).section(QLatin1Char('\n'), 0, 0).trimmed();
}

// The engine's first read of the file and its quick check (the structure of every page, no
// comparison of indexes with their tables: that would take as long as reading the library
// twice). Nothing is written.
void CheckPages(SQLite::Database& db) {
    try {
        db.execAndGet("SELECT count(*) FROM sqlite_master");
        SQLite::Statement check(db, "PRAGMA quick_check(1)");
        if (check.executeStep() && check.getColumn(0).getString() != "ok")
            ThrowFault(Format(kStoreDamaged, {FirstLine(check.getColumn(0).getText())}));
    } catch (const SQLite::Exception& e) {
        switch (e.getErrorCode() & 0xFF) { // the primary code of an extended one
        case SQLITE_NOTADB:
            ThrowFault(kStoreNotDatabase);
        case SQLITE_CORRUPT:
            ThrowFault(Format(kStoreDamaged, {FirstLine(e.what())}));
        default:
            throw;
        }
    }
}

void CheckTables(SQLite::Database& db) {
    for (const TTableDef& def : TableDefs())
        if (!db.tableExists(def.Name.toStdString()))
            ThrowFault(Format(kStoreTableMissing, {def.Name}));
}

} // namespace

std::unique_ptr<SQLite::Database> OpenWholeStore(const QString& path) {
    // SQLite takes an empty file for an empty database and would fill it.
    const QFileInfo file(path);
    if (file.isFile() && file.size() == 0)
        ThrowFault(kStoreFileEmpty);
    auto db = std::make_unique<SQLite::Database>(path.toStdString(), SQLite::OPEN_READWRITE);
    SetUpConnection(*db);
    CheckPages(*db);
    if (sqlite3_db_readonly(db->getHandle(), "main") == 1)
        throw SQLite::Exception(sqlite3_errstr(SQLITE_READONLY), SQLITE_READONLY);
    CheckTables(*db);
    return db;
}
