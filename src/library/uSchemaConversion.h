#pragma once

#include <QString>

namespace SQLite {
class Database;
}

// Libraries made by earlier versions declared the name columns with the store's own collation
// (and so their indexes). No other SQLite tool knows it, so the shell, backup and repair tools
// failed on such a file even in an integrity check. The statements name the collation
// themselves now, so the declarations can go without changing any result.

// Whether a table, index, view or trigger of the database names the store's collation.
bool NamesStoreCollation(SQLite::Database& db);

// Rebuilds every table whose declaration names the collation without it: the same columns,
// rows and keys, and the same next key of an AUTOINCREMENT table (a deleted key is never
// handed out again). Its indexes and triggers are made again, and any other index, view or
// trigger naming the collation loses it likewise. One transaction: on a failure the file stays
// as it was. Nothing happens when nothing names it. Throws SQLite::Exception.
void RemoveStoreCollation(SQLite::Database& db);

// Brings the schema of a library (or template) of an earlier version up to date: removes the
// collation (above), then makes the indexes as the store declares them now (RefreshIndexes).
// Throws SQLite::Exception; what was done by then is kept, the rest is tried next time.
void UpgradeStoreSchema(SQLite::Database& db);

// The declaration without the collation clauses naming the store's collation.
QString WithoutStoreCollation(const QString& sql);
