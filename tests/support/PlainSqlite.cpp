#include "support/PlainSqlite.h"

#include "support/TestFiles.h"

#include <QByteArray>
#include <sqlite3.h>

TPlainSqlite::TPlainSqlite(const QString& path) {
    sqlite3_open_v2(path.toUtf8().constData(), &Db, SQLITE_OPEN_READONLY, nullptr);
}

TPlainSqlite::~TPlainSqlite() {
    sqlite3_close(Db);
}

QStringList TPlainSqlite::Rows(const QString& sql) const {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(Db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        return {QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(Db))};
    QStringList rows;
    int result;
    while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
        QStringList values;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            const int bytes = sqlite3_column_bytes(statement, i);
            switch (sqlite3_column_type(statement, i)) {
            case SQLITE_NULL:
                values.append(QStringLiteral("NULL"));
                break;
            case SQLITE_BLOB:
                values.append(QStringLiteral("x'%1'").arg(QString::fromLatin1(
                    QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, i)), bytes)
                        .toHex())));
                break;
            default:
                values.append(QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, i)), bytes));
            }
        }
        rows.append(values.join(QLatin1Char('|')));
    }
    if (result != SQLITE_DONE)
        rows = QStringList{QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(Db))};
    sqlite3_finalize(statement);
    return rows;
}

QStringList TPlainSqlite::Dump() const {
    QStringList rows;
    for (const QString& table : Rows(
             QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"))) {
        const bool rowIds = table != QLatin1String("sqlite_sequence");
        const QString order = rowIds ? QStringLiteral("rowid") : QStringLiteral("name");
        for (const QString& row :
             Rows(QStringLiteral("SELECT %1* FROM \"%2\" ORDER BY %3")
                      .arg(rowIds ? QStringLiteral("rowid, ") : QString(), table, order)))
            rows.append(table + QLatin1Char(':') + row);
    }
    return rows;
}

QString TPlainSqlite::Schema() const {
    return Rows(QStringLiteral("SELECT sql FROM sqlite_master WHERE sql IS NOT NULL ORDER BY name"))
        .join(QLatin1Char('\n'));
}

bool DamageMiddlePage(const QString& path) {
    int pageSize = 0;
    int pages = 0;
    {
        const TPlainSqlite db(path);
        pageSize = db.Rows(QStringLiteral("PRAGMA page_size")).value(0).toInt();
        pages = db.Rows(QStringLiteral("PRAGMA page_count")).value(0).toInt();
        if (pageSize <= 0 || pages < 8 ||
            db.Rows(QStringLiteral("PRAGMA freelist_count")).value(0) != QLatin1String("0"))
            return false;
    }
    QByteArray bytes = ReadFileBytes(path);
    const qsizetype middle = static_cast<qsizetype>(pages / 2) * pageSize;
    for (qsizetype i = 0; i < pageSize; ++i)
        bytes[middle + i] = static_cast<char>((i * 37 + 11) % 251);
    return WriteFileBytes(path, bytes);
}
