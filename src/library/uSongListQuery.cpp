#include "library/uSongListQuery.h"

#include "foundation/uArUtils.h"
#include "foundation/uFormat.h"
#include "library/uDBMainBase.h"
#include "library/uDBSchema.h"
#include "library/uMainBaseQuery.h"
#include "library/uStoreErrors.h"

#include <QRegularExpression>
#include <QStringList>
#include <exception>

namespace {

constexpr int PageSize = 100;
// Enough for several screens scrolled back and forth; the rest is read again when needed.
constexpr int MaxPages = 50;
constexpr int UnreadableTimeMs = 100000;

const QString IdsSelect =
    QStringLiteral("SELECT BaseSongs.Song_Id, LOWER(Artists.Art_Name) as lArtName, "
                   "LOWER(BaseSongs.Title) as lSongTitle \r\n");

// The field a text filter looks at.
QString FilteredField(TSongColumn column) {
    switch (column) {
    case TSongColumn::Artist:
        return QStringLiteral("Artists.Art_Name");
    case TSongColumn::Title:
        return QStringLiteral("BaseSongs.Title");
    case TSongColumn::Album:
        return QStringLiteral("Albums.Album_Title");
    case TSongColumn::Label1:
        return QStringLiteral("LL.LValue");
    case TSongColumn::Label2:
        return QStringLiteral("LL2.LValue");
    case TSongColumn::Info:
        return QStringLiteral("BaseSongs.Song_Info");
    case TSongColumn::Time:
    case TSongColumn::Category:
        break;
    }
    return {};
}

int CategoryNumber(const QString& text) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok ? number : 1;
}

} // namespace

QString SongColumnTitle(TSongColumn column) {
    static const QStringList titles = {QStringLiteral("Wykonawca"),
                                       QStringLiteral("Tytuł"),
                                       QStringLiteral("Czas"),
                                       QStringLiteral("Album"),
                                       QStringLiteral("Kategoria nagrania"),
                                       QStringLiteral("Etykieta 1"),
                                       QStringLiteral("Etykieta 2"),
                                       QStringLiteral("Info")};
    return titles.value(static_cast<int>(column));
}

bool TSongFilter::IsEmpty() const {
    return Column == TSongColumn::Category ? CategoryId < 0 : Text.isEmpty();
}

int SongTimeFilterMs(const QString& text) {
    static const QRegularExpression time(QStringLiteral("^\\d*(:\\d*)?(\\.\\d*)?$"));
    if (!time.match(text).hasMatch() || !text.contains(QRegularExpression(QStringLiteral("\\d"))))
        return UnreadableTimeMs;
    return ParseDurationMs(text, false);
}

TSqlCondition SongFilterCondition(const TSongFilter& filter) {
    if (filter.IsEmpty())
        return {};
    switch (filter.Column) {
    case TSongColumn::Time:
        return {QStringLiteral("AND (BaseSongs.Song_Time >= ?) \r\n"),
                {SongTimeFilterMs(filter.Text)}};
    case TSongColumn::Category:
        return {QStringLiteral("AND (BaseSongs.Category = ?) \r\n"),
                {QString::number(filter.CategoryId)}};
    default: {
        // The store's LOWER folds Polish letters as QString does; the text is a value, never
        // part of the statement.
        const QString prefix = filter.Text.toLower();
        return {QStringLiteral("AND (SUBSTR(LOWER(%1), 1, ?) = ?) \r\n")
                    .arg(FilteredField(filter.Column)),
                {prefix.size(), prefix}};
    }
    }
}

TSongListQuery::TSongListQuery(TDBMainBase& store, QString extraTable, QString conditions)
    : FStore(store), FExtraTable(std::move(extraTable)), FConditions(std::move(conditions)) {}

QString TSongListQuery::SongListSql(const QString& moreConditions) const {
    return Format(sqlSongList, {FExtraTable, FConditions + FFilterCondition.Text + moreConditions});
}

void TSongListQuery::BindFilter(TMainBaseQuery& query) const {
    for (int i = 0; i < FFilterCondition.Params.size(); ++i)
        query.SetParam(i + 1, FFilterCondition.Params[i]);
}

bool TSongListQuery::Run(const TSongFilter& filter) {
    FFilter = filter;
    FFilterCondition = SongFilterCondition(filter);
    FIds.clear();
    FRowOfId.clear();
    FPages.clear();
    FPageOrder.clear();
    try {
        // The same statement with only the ids and the sort keys selected.
        const QString full = SongListSql({});
        const qsizetype from = full.indexOf(QStringLiteral("FROM \"BaseSongs\""));
        TMainBaseQuery query(&FStore);
        query.SetSQL(IdsSelect + full.mid(from));
        BindFilter(query);
        TQueryCloser closer(query);
        for (query.Open(); !query.Eof(); query.Next()) {
            const int id = query.AsInteger(Col::Song_Id);
            FRowOfId.insert(id, static_cast<int>(FIds.size()));
            FIds.push_back(id);
        }
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
        FIds.clear();
        FRowOfId.clear();
        return false;
    }
    return true;
}

int TSongListQuery::SongIdAt(int row) const {
    return row >= 0 && row < Count() ? FIds[static_cast<std::size_t>(row)] : -1;
}

int TSongListQuery::RowOfSong(int songId) const {
    return FRowOfId.value(songId, -1);
}

const TSongListRow& TSongListQuery::RowAt(int row) {
    static const TSongListRow none;
    if (row < 0 || row >= Count())
        return none;
    const int page = row / PageSize;
    if (!FPages.contains(page))
        FetchPage(page);
    const QList<TSongListRow>& rows = FPages[page];
    const int offset = row % PageSize;
    return offset < rows.size() ? rows[offset] : none;
}

void TSongListQuery::FetchPage(int page) {
    QStringList ids;
    QHash<int, int> offsetOfId;
    for (int row = page * PageSize; row < std::min(Count(), (page + 1) * PageSize); ++row) {
        offsetOfId.insert(SongIdAt(row), row - page * PageSize);
        ids.append(QString::number(SongIdAt(row)));
    }
    QList<TSongListRow> rows(offsetOfId.size());
    try {
        for (TSongListRow& read : ReadRows(QStringLiteral("AND (BaseSongs.Song_Id IN (%1)) \r\n")
                                               .arg(ids.join(QLatin1Char(',')))))
            if (const auto offset = offsetOfId.find(read.SongId); offset != offsetOfId.end())
                rows[*offset] = std::move(read);
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
    }
    FPages.insert(page, rows);
    FPageOrder.append(page);
    if (FPageOrder.size() > MaxPages)
        FPages.remove(FPageOrder.takeFirst());
}

QList<TSongListRow> TSongListQuery::ReadRows(const QString& moreConditions) const {
    QList<TSongListRow> rows;
    TMainBaseQuery query(&FStore);
    query.SetSQL(SongListSql(moreConditions));
    BindFilter(query);
    TQueryCloser closer(query);
    for (query.Open(); !query.Eof(); query.Next()) {
        TSongListRow row;
        row.SongId = query.AsInteger(Col::Song_Id);
        row.Artist = query.AsString(Col::Art_Name);
        row.Title = query.AsString(Col::Title);
        row.TimeMs = query.AsInteger(Col::Song_Time);
        row.Album = query.AsString(Col::Album_Title);
        row.Category = CategoryNumber(query.AsString(Col::Category));
        row.Label1 = query.AsString(QStringLiteral("LabValue1"));
        row.Label2 = query.AsString(QStringLiteral("LabValue2"));
        row.Info = query.AsString(Col::Song_Info);
        row.Year = query.AsInteger(Col::SYear);
        row.Path = query.AsString(Col::Path);
        row.FileName = query.AsString(Col::FileName);
        rows.append(std::move(row));
    }
    return rows;
}

QList<TSongListRow> TSongListQuery::AllRows() const {
    try {
        return ReadRows({});
    } catch (const std::exception& e) {
        ShowStoreReadError(e);
        return {};
    }
}
