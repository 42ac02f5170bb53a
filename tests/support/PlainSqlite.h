#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

// A database file as any other SQLite tool sees it: opened through the C interface with
// nothing of the program's registered (no collation, no LOWER), for reading only.
class TPlainSqlite {
public:
    explicit TPlainSqlite(const QString& path);
    ~TPlainSqlite();
    TPlainSqlite(const TPlainSqlite&) = delete;
    TPlainSqlite& operator=(const TPlainSqlite&) = delete;

    // The rows of a statement, each as its values joined by "|" (blobs in hex, null as
    // "NULL"); on an error a single row "error: " and the engine's text.
    QStringList Rows(const QString& sql) const;
    // "ok" for a sound file, else the check's first line or the error.
    QString IntegrityCheck() const {
        return Rows(QStringLiteral("PRAGMA integrity_check")).value(0);
    }
    // Every table's rows in rowid order, sqlite_sequence included, each row led by its table.
    QStringList Dump() const;
    // The declarations of every schema object, one per line.
    QString Schema() const;

private:
    sqlite3* Db = nullptr;
};

// Writes garbage over the page in the middle of a database file of at least 8 pages, none of
// them free (so the page is in use). False when the file is not such a database.
bool DamageMiddlePage(const QString& path);
