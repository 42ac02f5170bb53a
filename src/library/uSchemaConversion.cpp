#include "library/uSchemaConversion.h"

#include "library/uDBCollation.h"
#include "library/uDBSchema.h"

#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <optional>

namespace {

struct TSchemaObject {
    QString Type; // "table", "index", "view", "trigger"
    QString Name;
    QString Table; // the table an index or trigger belongs to
    QString Sql;
};

const QRegularExpression& CollateClause() {
    static const QRegularExpression clause(
        QStringLiteral(R"(\s*\bCOLLATE\s+(?:%1|"%1"|'%1'|`%1`|\[%1\])(?![\w$]))")
            .arg(QRegularExpression::escape(QLatin1String(kPolishCollation))),
        QRegularExpression::CaseInsensitiveOption);
    return clause;
}

bool NamesCollation(const QString& sql) {
    return CollateClause().match(sql).hasMatch();
}

bool AnyNamesCollation(const QList<TSchemaObject>& schema) {
    for (const TSchemaObject& object : schema)
        if (NamesCollation(object.Sql))
            return true;
    return false;
}

QString Quoted(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QString Key(const QString& name) {
    return name.toLower();
}

void Exec(SQLite::Database& db, const QString& sql) {
    db.exec(sql.toStdString());
}

QString Text(const SQLite::Statement& statement, int column) {
    return QString::fromUtf8(statement.getColumn(column).getText());
}

// The schema objects of the database in the order they were made; SQLite's own are left out.
QList<TSchemaObject> ReadSchema(SQLite::Database& db) {
    SQLite::Statement read(db, "SELECT type, name, tbl_name, sql FROM sqlite_master "
                               "WHERE sql IS NOT NULL AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' "
                               "ORDER BY rowid");
    QList<TSchemaObject> objects;
    while (read.executeStep())
        objects.append({Text(read, 0), Text(read, 1), Text(read, 2), Text(read, 3)});
    return objects;
}

// Restores the connection's way of renaming tables when the conversion ends. The legacy way
// leaves views and triggers of other tables as they are written: they name the table by its
// old name, which the rebuilt table takes again.
class TLegacyRename {
public:
    explicit TLegacyRename(SQLite::Database& db)
        : Db(db), Previous(db.execAndGet("PRAGMA legacy_alter_table").getInt()) {
        Db.exec("PRAGMA legacy_alter_table = ON");
    }
    ~TLegacyRename() {
        Db.tryExec(std::string("PRAGMA legacy_alter_table = ") + (Previous ? "ON" : "OFF"));
    }
    TLegacyRename(const TLegacyRename&) = delete;
    TLegacyRename& operator=(const TLegacyRename&) = delete;

private:
    SQLite::Database& Db;
    int Previous;
};

// A name no schema object has, made from `base`.
QString FreeName(SQLite::Database& db, const QString& base) {
    SQLite::Statement taken(db, "SELECT 1 FROM sqlite_master WHERE name = ?1 COLLATE NOCASE");
    QString name = base;
    for (int i = 2;; ++i) {
        taken.bind(1, name.toStdString());
        const bool exists = taken.executeStep();
        taken.reset();
        if (!exists)
            return name;
        name = base + QString::number(i);
    }
}

// The last key an AUTOINCREMENT table handed out; nothing for another table.
std::optional<qint64> KeyCounter(SQLite::Database& db, const QString& table) {
    if (!db.tableExists("sqlite_sequence"))
        return std::nullopt;
    SQLite::Statement read(db, "SELECT seq FROM sqlite_sequence WHERE name = ?1");
    read.bind(1, table.toStdString());
    if (!read.executeStep())
        return std::nullopt;
    return read.getColumn(0).getInt64();
}

// Copying rows may make or move the table's counter; it must say what it said before, so a
// deleted key is never handed out again.
void RestoreKeyCounter(SQLite::Database& db, const QString& table,
                       const std::optional<qint64>& counter) {
    if (!db.tableExists("sqlite_sequence"))
        return;
    SQLite::Statement forget(db, "DELETE FROM sqlite_sequence WHERE name = ?1");
    forget.bind(1, table.toStdString());
    forget.exec();
    if (!counter)
        return;
    SQLite::Statement insert(db, "INSERT INTO sqlite_sequence (name, seq) VALUES (?1, ?2)");
    insert.bind(1, table.toStdString());
    insert.bind(2, static_cast<int64_t>(*counter));
    insert.exec();
}

QStringList ColumnNames(SQLite::Database& db, const QString& table) {
    SQLite::Statement info(db, ("PRAGMA table_info(" + Quoted(table) + ")").toStdString());
    QStringList names;
    while (info.executeStep())
        names.append(Quoted(Text(info, 1)));
    return names;
}

bool HasRowId(const QString& tableSql) {
    static const QRegularExpression withoutRowId(QStringLiteral(R"(\bWITHOUT\s+ROWID\s*$)"),
                                                 QRegularExpression::CaseInsensitiveOption);
    return !withoutRowId.match(tableSql).hasMatch();
}

// The table moves aside, the new one takes its name and its rows (rowids included), the old
// one goes with its indexes and triggers.
void RebuildTable(SQLite::Database& db, const TSchemaObject& table) {
    const std::optional<qint64> counter = KeyCounter(db, table.Name);
    const QString aside = FreeName(db, table.Name + QStringLiteral("_przed"));
    Exec(db, QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(Quoted(table.Name), Quoted(aside)));
    Exec(db, WithoutStoreCollation(table.Sql));
    QStringList columns = ColumnNames(db, aside);
    if (HasRowId(table.Sql))
        columns.prepend(QStringLiteral("rowid"));
    const QString list = columns.join(QStringLiteral(", "));
    Exec(db, QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3")
                 .arg(Quoted(table.Name), list, Quoted(aside)));
    Exec(db, QStringLiteral("DROP TABLE %1").arg(Quoted(aside)));
    RestoreKeyCounter(db, table.Name, counter);
}

} // namespace

QString WithoutStoreCollation(const QString& sql) {
    return QString(sql).remove(CollateClause());
}

bool NamesStoreCollation(SQLite::Database& db) {
    return AnyNamesCollation(ReadSchema(db));
}

void RemoveStoreCollation(SQLite::Database& db) {
    const QList<TSchemaObject> schema = ReadSchema(db);
    if (!AnyNamesCollation(schema))
        return;
    QSet<QString> rebuilt;
    for (const TSchemaObject& object : schema)
        if (object.Type == QLatin1String("table") && NamesCollation(object.Sql))
            rebuilt.insert(Key(object.Name));

    SQLite::Transaction transaction(db);
    TLegacyRename legacyRename(db);
    // Indexes and triggers of a rebuilt table go with the old table; every other object naming
    // the collation is dropped here. All of them are made again at the end, in their order.
    QStringList remake;
    for (const TSchemaObject& object : schema) {
        if (object.Type == QLatin1String("table"))
            continue;
        const bool ofRebuilt =
            object.Type != QLatin1String("view") && rebuilt.contains(Key(object.Table));
        if (!ofRebuilt && !NamesCollation(object.Sql))
            continue;
        if (!ofRebuilt)
            Exec(db, QStringLiteral("DROP %1 %2").arg(object.Type.toUpper(), Quoted(object.Name)));
        remake.append(WithoutStoreCollation(object.Sql));
    }
    for (const TSchemaObject& object : schema)
        if (rebuilt.contains(Key(object.Name)) && object.Type == QLatin1String("table"))
            RebuildTable(db, object);
    for (const QString& sql : remake)
        Exec(db, sql);
    transaction.commit();
}

void UpgradeStoreSchema(SQLite::Database& db) {
    RemoveStoreCollation(db);
    RefreshIndexes(db);
}
