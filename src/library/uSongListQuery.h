#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariantList>
#include <vector>

class TDBMainBase;
class TMainBaseQuery;

// The song list ("Utwory") read from the library as it is looked at: the ids of the songs the
// list holds, in its order (performer, then title, Polish alphabetical order), are read in one
// pass; the songs' fields a page at a time, when a row is first asked for. A library of tens of
// thousands of songs is never copied whole.

// The list's columns, in the order they are shown.
enum class TSongColumn : int {
    Artist = 0,
    Title = 1,
    Time = 2,
    Album = 3,
    Category = 4,
    Label1 = 5,
    Label2 = 6,
    Info = 7,
};
inline constexpr int SongColumnCount = 8;

// The column's title, as "Filtruj po:" offers it too.
QString SongColumnTitle(TSongColumn column);

// What the list is narrowed to: the rows whose value in the column begins with the text,
// letter case ignored; on "Czas" the songs at least that long (the text read as
// minutes:seconds.milliseconds); on "Kategoria nagrania" the songs of one song category.
struct TSongFilter {
    TSongColumn Column = TSongColumn::Artist;
    QString Text;
    int CategoryId = -1; // -1: any category

    bool IsEmpty() const;
};

// The least length a "Czas" filter text asks for, in milliseconds; 100000 for a text that is
// no time.
int SongTimeFilterMs(const QString& text);

// The SQL condition of a filter ("AND (...) \r\n", or empty), its values as parameters.
struct TSqlCondition {
    QString Text;
    QVariantList Params;
};
TSqlCondition SongFilterCondition(const TSongFilter& filter);

// One row of the list.
struct TSongListRow {
    int SongId = -1;
    QString Artist;
    QString Title;
    int TimeMs = -1;
    QString Album;
    int Category = 1;
    QString Label1;
    QString Label2;
    QString Info;
    int Year = 0;
    QString Path;
    QString FileName;
};

class TSongListQuery {
public:
    // The song-list query with its two insertable parts: an extra table (empty or ", DatSongs")
    // and extra conditions (each beginning with "AND" and ending with a line break), as the
    // opener restricts the list, e.g. to one song category.
    TSongListQuery(TDBMainBase& store, QString extraTable = {}, QString conditions = {});

    // Reads the list again under the filter; false (the error shown, the list empty) when the
    // library cannot be read.
    bool Run(const TSongFilter& filter = {});
    const TSongFilter& Filter() const { return FFilter; }

    int Count() const { return static_cast<int>(FIds.size()); }
    int SongIdAt(int row) const;
    // -1 when the song is not in the list.
    int RowOfSong(int songId) const;
    // The row's fields, read with the rows around it when first asked for; an empty row (its
    // id -1) out of range or when the library cannot be read.
    const TSongListRow& RowAt(int row);

    // Every row of the list, in its order, for "Zapisz do pliku tekstowego".
    QList<TSongListRow> AllRows() const;

private:
    QString SongListSql(const QString& moreConditions) const;
    // The filter's values for its "?" in the statement.
    void BindFilter(TMainBaseQuery& query) const;
    void FetchPage(int page);
    QList<TSongListRow> ReadRows(const QString& moreConditions) const;

    TDBMainBase& FStore;
    QString FExtraTable;
    QString FConditions;
    TSongFilter FFilter;
    TSqlCondition FFilterCondition;
    std::vector<int> FIds;
    QHash<int, int> FRowOfId;
    // The pages read, newest last; the oldest go when there are too many.
    QHash<int, QList<TSongListRow>> FPages;
    QList<int> FPageOrder;
};
