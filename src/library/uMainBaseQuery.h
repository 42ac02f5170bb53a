#pragma once

#include "foundation/uDateTime.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <SQLiteCpp/Column.h>
#include <memory>
#include <string>
#include <vector>

namespace SQLite {
class Statement;
}
class TDBMainBase;

// Errors: every operation that reaches the engine throws SQLite::Exception (a
// std::runtime_error whose what() is the engine's text, or ours in the same style); the store
// operations of the library catch it and turn it into their message and failure result.

// Field values read by name, shared by a stored row and a query's current row. Names compare
// without regard to case, as SQL's do; of two fields with one name the first counts. Reading
// a name the row does not have throws. A null value reads as 0, an empty text or empty bytes.
class TFieldReader {
public:
    virtual ~TFieldReader() = default;

    bool HasField(const QString& name) const { return FieldIndex(name) >= 0; }
    // The value as stored: qint64, double, QString, QByteArray, or invalid for null.
    QVariant Value(const QString& name) const;
    bool IsNull(const QString& name) const { return !Value(name).isValid(); }
    int AsInteger(const QString& name) const;
    qint64 AsInt64(const QString& name) const;
    double AsFloat(const QString& name) const;
    QString AsString(const QString& name) const;
    TDateTime AsDateTime(const QString& name) const { return AsFloat(name); }
    QByteArray AsBlob(const QString& name) const;

    virtual int FieldCount() const = 0;
    virtual QString FieldName(int index) const = 0;
    // The value of the field at a position (0-based); invalid out of range.
    virtual QVariant ValueAt(int index) const = 0;

protected:
    // The first field of that name in any letter case; -1 when there is none.
    virtual int FieldIndex(const QString& name) const;
    int RequireField(const QString& name) const;
};

// One row as it was read: its rowid and its fields.
class TDBRecord final : public TFieldReader {
public:
    TDBRecord() = default;
    TDBRecord(qint64 rowId, QStringList names, QVariantList values);

    qint64 RowId() const { return Id; }
    int FieldCount() const override { return static_cast<int>(Names.size()); }
    QString FieldName(int index) const override { return Names.value(index); }
    const QStringList& FieldNames() const { return Names; }
    QVariant ValueAt(int index) const override { return Values.value(index); }

private:
    qint64 Id = -1;
    QStringList Names;
    QVariantList Values;
};

// Makes one of the program's statement texts fit SQLite, in this one place:
// - a table named with its file extension ("Stats.db", also quoted) loses the extension;
// - every ORDER BY term without a collation gets the Polish one, so "ORDER BY lArtName" puts
//   "Ł" between "L" and "M" (numbers are not affected by a collation).
// Text inside quotes is left alone except for a quoted table name.
QString AdaptSql(const QString& sql);

// A statement on the library store. Its text is replaced whole (SetSQL) and then opened: the
// rows are read in order with Eof/Next and their fields by name. The text is prepared once and
// kept prepared while it stays the same, so reopening with other parameters is cheap.
// Parameters ("?", "?NNN", ":name") are always bound, never pasted into the text; a
// placeholder without a value is null. Changing the rows of a table while a query is reading
// it gives undefined results: read the ids first, then change.
//
//     TMainBaseQuery query;
//     query.SetSQL(Format(sqlArtistSongs, {artistId}));
//     for (query.Open(); !query.Eof(); query.Next())
//         ids.append(query.AsInteger("Song_Id"));
//     query.Close();
class TMainBaseQuery final : public TFieldReader {
public:
    // Runs on `base`, which must outlive the query, or, when none is given, on the process-wide
    // store as it is when the query is opened.
    explicit TMainBaseQuery(TDBMainBase* base = nullptr);
    ~TMainBaseQuery() override;
    TMainBaseQuery(const TMainBaseQuery&) = delete;
    TMainBaseQuery& operator=(const TMainBaseQuery&) = delete;

    // Closes the query; the new text is adapted with AdaptSql. The parameters stay.
    void SetSQL(const QString& text);
    const QString& SQL() const { return Text; }

    // 1-based position of a "?" or "?NNN".
    void SetParam(int index, const QVariant& value);
    // ":name" (with its colon).
    void SetParam(const QString& name, const QVariant& value);
    void ClearParams() { Params.clear(); }

    // Runs the statement and stands on its first row (Eof when there is none).
    void Open();
    // Runs a statement that returns no rows; the number of rows it changed.
    int ExecSQL();
    void Next();
    void Close();
    bool Active() const { return IsActive; }
    bool Eof() const { return !IsActive || AtEof; }

    int FieldCount() const override { return static_cast<int>(Columns.size()); }
    QString FieldName(int index) const override { return Columns.value(index); }
    QVariant ValueAt(int index) const override;
    // The current row; the rowid is -1 (a query's rows need not have one).
    TDBRecord Record() const;

protected:
    // Remembers each spelling asked for, as long as the statement stays prepared: a query read
    // row by row asks for the same few names over and over.
    int FieldIndex(const QString& name) const override;

private:
    friend class TDBMainBase;

    struct TParam {
        int Index; // 0 when named
        QString Name;
        QVariant Value;
    };

    TDBMainBase* FixedBase;
    TDBMainBase* PreparedOn = nullptr;
    std::unique_ptr<SQLite::Statement> Statement;
    QString Text;
    std::string AdaptedText;
    QList<TParam> Params;
    QStringList Columns;
    mutable QHash<QString, int> NameIndexes;
    mutable std::vector<SQLite::Column> ColumnReaders;
    bool IsActive = false;
    bool AtEof = true;

    TDBMainBase& Store() const;
    SQLite::Statement& Prepared();
    void BindParams();
    // Finalizes the prepared statement; the store calls it before it closes its connection.
    void Release();
};

// Leaves a query closed when its reading ends, also by an exception.
class TQueryCloser {
public:
    explicit TQueryCloser(TMainBaseQuery& query) : Query(query) {}
    ~TQueryCloser() { Query.Close(); }
    TQueryCloser(const TQueryCloser&) = delete;
    TQueryCloser& operator=(const TQueryCloser&) = delete;

private:
    TMainBaseQuery& Query;
};

// A statement text with its "%d" id turned into the bound parameter ?1, so one prepared
// statement serves every id; `args` fill its other placeholders.
QString WithBoundId(const QString& text, const QVariantList& args = {});
