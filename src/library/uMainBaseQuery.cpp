#include "library/uMainBaseQuery.h"

#include "foundation/uFormat.h"
#include "library/uDBCollation.h"
#include "library/uDBMainBase.h"
#include "library/uDBSchema.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <optional>
#include <sqlite3.h>

namespace {

// --- Values

QVariant ColumnValue(const SQLite::Column& column) {
    switch (column.getType()) {
    case SQLITE_INTEGER:
        return QVariant::fromValue<qint64>(column.getInt64());
    case SQLITE_FLOAT:
        return column.getDouble();
    case SQLITE_TEXT: {
        // The text first, then its length, as the engine asks.
        const char* text = column.getText();
        return QString::fromUtf8(text, column.getBytes());
    }
    case SQLITE_BLOB: {
        const void* bytes = column.getBlob();
        return QByteArray(static_cast<const char*>(bytes), column.getBytes());
    }
    default:
        return QVariant();
    }
}

void BindValue(SQLite::Statement& statement, int index, const QVariant& value) {
    if (!value.isValid()) {
        statement.bind(index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        statement.bind(index, static_cast<int64_t>(value.toLongLong()));
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        statement.bind(index, value.toDouble());
        return;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        statement.bind(index, bytes.constData(), static_cast<int>(bytes.size()));
        return;
    }
    default:
        statement.bind(index, value.toString().toStdString());
        return;
    }
}

// --- Adapting statement texts

enum TTokenKind { tkSpace, tkWord, tkQuoted, tkLiteral, tkPunct };

struct TToken {
    TTokenKind Kind;
    QString Text;
};

bool IsWordChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// The quoted run from `pos` up to its closing `close`; a doubled closing character stays
// inside. An unclosed run takes the rest of the text.
qsizetype QuotedEnd(const QString& sql, qsizetype pos, QChar close) {
    qsizetype i = pos + 1;
    while (i < sql.size()) {
        if (sql[i] == close) {
            if (close != QLatin1Char(']') && i + 1 < sql.size() && sql[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return sql.size();
}

QList<TToken> Tokenize(const QString& sql) {
    QList<TToken> tokens;
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        const QChar next = i + 1 < sql.size() ? sql[i + 1] : QChar();
        qsizetype end = i + 1;
        TTokenKind kind = tkPunct;
        if (c.isSpace()) {
            while (end < sql.size() && sql[end].isSpace())
                ++end;
            kind = tkSpace;
        } else if (c == QLatin1Char('-') && next == QLatin1Char('-')) {
            while (end < sql.size() && sql[end] != QLatin1Char('\n'))
                ++end;
            kind = tkSpace;
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            const qsizetype close = sql.indexOf(QLatin1String("*/"), i + 2);
            end = close < 0 ? sql.size() : close + 2;
            kind = tkSpace;
        } else if (c == QLatin1Char('\'')) {
            end = QuotedEnd(sql, i, c);
            kind = tkLiteral;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('`')) {
            end = QuotedEnd(sql, i, c);
            kind = tkQuoted;
        } else if (c == QLatin1Char('[')) {
            end = QuotedEnd(sql, i, QLatin1Char(']'));
            kind = tkQuoted;
        } else if (IsWordChar(c)) {
            while (end < sql.size() && IsWordChar(sql[end]))
                ++end;
            kind = tkWord;
        }
        tokens.append({kind, sql.mid(i, end - i)});
        i = end;
    }
    return tokens;
}

bool IsWord(const TToken& token, const char* word) {
    return token.Kind == tkWord &&
           token.Text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool IsPunct(const TToken& token, char c) {
    return token.Kind == tkPunct && token.Text == QLatin1Char(c);
}

bool IsTableName(const QString& name) {
    for (const TTableDef& def : TableDefs())
        if (def.Name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// "Stats.db" -> "Stats", "\"Stats.db\"" -> "\"Stats\"", for the store's own tables only.
QList<TToken> StripTableExtensions(const QList<TToken>& tokens) {
    static const QLatin1String extension(".db");
    QList<TToken> out;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const TToken& token = tokens[i];
        if (token.Kind == tkWord && i + 2 < tokens.size() && IsPunct(tokens[i + 1], '.') &&
            IsWord(tokens[i + 2], "db") && IsTableName(token.Text)) {
            out.append(token);
            i += 2;
            continue;
        }
        if (token.Kind == tkQuoted && token.Text.startsWith(QLatin1Char('"'))) {
            const QString inner = token.Text.mid(1, token.Text.size() - 2);
            if (inner.endsWith(extension, Qt::CaseInsensitive) &&
                IsTableName(inner.chopped(extension.size()))) {
                out.append({tkQuoted,
                            QLatin1Char('"') + inner.chopped(extension.size()) + QLatin1Char('"')});
                continue;
            }
        }
        out.append(token);
    }
    return out;
}

// The ORDER BY being read: where its current term starts in the output.
struct TOrderBy {
    int Depth;
    qsizetype TermStart;
    bool HasCollate = false;
};

qsizetype LastNonSpace(const QList<TToken>& tokens, qsizetype from, qsizetype before) {
    for (qsizetype i = before - 1; i >= from; --i)
        if (tokens[i].Kind != tkSpace)
            return i;
    return -1;
}

// Gives the term [order.TermStart, end of out) the Polish collation, placed before its
// ASC/DESC/NULLS words.
void CollateTerm(QList<TToken>& out, const TOrderBy& order) {
    if (order.HasCollate)
        return;
    qsizetype last = LastNonSpace(out, order.TermStart, out.size());
    while (last >= 0 &&
           (IsWord(out[last], "ASC") || IsWord(out[last], "DESC") || IsWord(out[last], "NULLS") ||
            IsWord(out[last], "FIRST") || IsWord(out[last], "LAST")))
        last = LastNonSpace(out, order.TermStart, last);
    if (last < 0)
        return;
    out.insert(last + 1, {tkSpace, QStringLiteral(" COLLATE ") + QLatin1String(kPolishCollation)});
}

QList<TToken> CollateOrderTerms(const QList<TToken>& tokens) {
    QList<TToken> out;
    QList<TOrderBy> orders; // nested ORDER BYs of subqueries
    int depth = 0;
    for (const TToken& token : tokens) {
        if (!orders.isEmpty() && orders.last().Depth == depth) {
            TOrderBy& order = orders.last();
            if (IsPunct(token, ',')) {
                CollateTerm(out, order);
                out.append(token);
                order = {depth, out.size()};
                continue;
            }
            if (IsPunct(token, ')') || IsPunct(token, ';') || IsWord(token, "LIMIT") ||
                IsWord(token, "OFFSET")) {
                CollateTerm(out, order);
                orders.removeLast();
            } else if (IsWord(token, "COLLATE")) {
                order.HasCollate = true;
            }
        }
        if (IsPunct(token, '('))
            ++depth;
        else if (IsPunct(token, ')'))
            --depth;
        out.append(token);
        if (IsWord(token, "BY")) {
            const qsizetype previous = LastNonSpace(out, 0, out.size() - 1);
            if (previous >= 0 && IsWord(out[previous], "ORDER"))
                orders.append({depth, out.size()});
        }
    }
    while (!orders.isEmpty()) {
        CollateTerm(out, orders.last());
        orders.removeLast();
    }
    return out;
}

} // namespace

QString AdaptSql(const QString& sql) {
    QString result;
    result.reserve(sql.size() + 32);
    for (const TToken& token : CollateOrderTerms(StripTableExtensions(Tokenize(sql))))
        result += token.Text;
    return result;
}

// --- TFieldReader

int TFieldReader::FieldIndex(const QString& name) const {
    const int count = FieldCount();
    for (int i = 0; i < count; ++i)
        if (FieldName(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TFieldReader::RequireField(const QString& name) const {
    const int index = FieldIndex(name);
    if (index < 0)
        throw SQLite::Exception("no such column: " + name.toStdString());
    return index;
}

QVariant TFieldReader::Value(const QString& name) const {
    return ValueAt(RequireField(name));
}

int TFieldReader::AsInteger(const QString& name) const {
    return static_cast<int>(AsInt64(name));
}

qint64 TFieldReader::AsInt64(const QString& name) const {
    return Value(name).toLongLong();
}

double TFieldReader::AsFloat(const QString& name) const {
    return Value(name).toDouble();
}

QString TFieldReader::AsString(const QString& name) const {
    const QVariant value = Value(name);
    if (value.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(value.toByteArray());
    return value.toString();
}

QByteArray TFieldReader::AsBlob(const QString& name) const {
    const QVariant value = Value(name);
    if (value.typeId() == QMetaType::QString)
        return value.toString().toUtf8();
    return value.toByteArray();
}

// --- TDBRecord

TDBRecord::TDBRecord(qint64 rowId, QStringList names, QVariantList values)
    : Id(rowId), Names(std::move(names)), Values(std::move(values)) {}

// --- TMainBaseQuery

TMainBaseQuery::TMainBaseQuery(TDBMainBase* base) : FixedBase(base) {}

TMainBaseQuery::~TMainBaseQuery() {
    Release();
}

void TMainBaseQuery::SetSQL(const QString& text) {
    Close();
    if (text == Text)
        return;
    Release();
    Text = text;
    AdaptedText = AdaptSql(text).toStdString();
}

void TMainBaseQuery::SetParam(int index, const QVariant& value) {
    for (TParam& param : Params)
        if (param.Index == index) {
            param.Value = value;
            return;
        }
    Params.append({index, QString(), value});
}

void TMainBaseQuery::SetParam(const QString& name, const QVariant& value) {
    for (TParam& param : Params)
        if (param.Index == 0 && param.Name == name) {
            param.Value = value;
            return;
        }
    Params.append({0, name, value});
}

TDBMainBase& TMainBaseQuery::Store() const {
    if (FixedBase)
        return *FixedBase;
    if (!MainBase)
        throw SQLite::Exception("the library store is not open");
    return *MainBase;
}

SQLite::Statement& TMainBaseQuery::Prepared() {
    TDBMainBase& base = Store();
    if (Statement && PreparedOn == &base)
        return *Statement;
    Release();
    Statement = std::make_unique<SQLite::Statement>(base.Connection(), AdaptedText);
    PreparedOn = &base;
    base.RegisterQuery(this);
    Columns.clear();
    NameIndexes.clear();
    for (int i = 0; i < Statement->getColumnCount(); ++i)
        Columns.append(QString::fromUtf8(Statement->getColumnName(i)));
    return *Statement;
}

void TMainBaseQuery::BindParams() {
    Statement->clearBindings();
    for (const TParam& param : Params) {
        const int index =
            param.Index > 0 ? param.Index : Statement->getIndex(param.Name.toUtf8().constData());
        if (index <= 0 || index > Statement->getBindParameterCount())
            throw SQLite::Exception("no such parameter: " + (param.Index > 0
                                                                 ? std::to_string(param.Index)
                                                                 : param.Name.toStdString()));
        BindValue(*Statement, index, param.Value);
    }
}

void TMainBaseQuery::Open() {
    Close();
    SQLite::Statement& statement = Prepared();
    try {
        BindParams();
        AtEof = !statement.executeStep();
    } catch (...) {
        statement.tryReset();
        throw;
    }
    IsActive = true;
}

int TMainBaseQuery::ExecSQL() {
    Close();
    SQLite::Statement& statement = Prepared();
    try {
        BindParams();
        const int changes = statement.exec();
        statement.tryReset();
        return changes;
    } catch (...) {
        statement.tryReset();
        throw;
    }
}

void TMainBaseQuery::Next() {
    if (Eof())
        return;
    try {
        AtEof = !Statement->executeStep();
    } catch (...) {
        Close();
        throw;
    }
}

void TMainBaseQuery::Close() {
    if (Statement)
        Statement->tryReset();
    IsActive = false;
    AtEof = true;
}

void TMainBaseQuery::Release() {
    Close();
    if (PreparedOn)
        PreparedOn->UnregisterQuery(this);
    PreparedOn = nullptr;
    // The readers share the statement: they go first, so it is finalized here.
    ColumnReaders.clear();
    Statement.reset();
}

int TMainBaseQuery::FieldIndex(const QString& name) const {
    const auto known = NameIndexes.constFind(name);
    if (known != NameIndexes.cend())
        return *known;
    const int index = TFieldReader::FieldIndex(name);
    NameIndexes.insert(name, index);
    return index;
}

QVariant TMainBaseQuery::ValueAt(int index) const {
    if (Eof() || index < 0 || index >= FieldCount())
        return QVariant();
    // A column reads whichever row the statement stands on, so one per position serves every
    // row; making one per value would copy the statement's shared pointer each time.
    if (ColumnReaders.empty())
        for (int i = 0; i < FieldCount(); ++i)
            ColumnReaders.push_back(Statement->getColumn(i));
    return ColumnValue(ColumnReaders[static_cast<size_t>(index)]);
}

TDBRecord TMainBaseQuery::Record() const {
    QVariantList values;
    values.reserve(FieldCount());
    for (int i = 0; i < FieldCount(); ++i)
        values.append(ValueAt(i));
    return TDBRecord(-1, Columns, values);
}

QString WithBoundId(const QString& text, const QVariantList& args) {
    return Format(QString(text).replace(QLatin1String("%d"), QLatin1String("?1")), args);
}
