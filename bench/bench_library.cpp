// Builds a made-up library of 50,000 songs (5,000 performers, 5,000 albums, 500 labels,
// 5,000 characteristic combinations) in a fresh station with AddSong, then runs the library
// window's song list over it, stepping through every row and reading the grid's columns.
//
//     bench_library [--detail] [songs [seed]]
//
// --detail also prints the query plan and where the query's time goes: the same text without
// the Polish order, without any order, and without LOWER, each with and without reading
// every field of every row.

#include "cli/uCliPrompt.h"
#include "foundation/uAppPaths.h"
#include "foundation/uFormat.h"
#include "library/uDBMainBase.h"
#include "library/uMainBaseQuery.h"
#include "synthetic/uSyntheticLibrary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {

double Seconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// The columns the song list's grid shows.
const char* const kGridColumns[] = {"Art_Name", "Title",     "Song_Time", "Album_Title",
                                    "Category", "LabValue1", "LabValue2", "Song_Info"};

// Runs the text, stepping through every row; with `allFields` every field of every row is
// read, otherwise the grid's columns. The number of rows.
int RunList(const QString& sql, bool allFields, qint64& checksum) {
    TMainBaseQuery query;
    query.SetSQL(sql);
    query.Open();
    QList<int> columns;
    for (int i = 0; i < query.FieldCount(); ++i)
        if (allFields)
            columns.append(i);
    for (const char* name : kGridColumns)
        for (int i = 0; !allFields && i < query.FieldCount(); ++i)
            if (query.FieldName(i).compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
                columns.append(i);
                break;
            }
    int rows = 0;
    for (; !query.Eof(); query.Next()) {
        for (int column : columns)
            checksum += query.ValueAt(column).isValid() ? 1 : 0;
        ++rows;
    }
    query.Close();
    return rows;
}

double TimeList(const QString& sql, bool allFields, qint64& checksum) {
    QElapsedTimer timer;
    timer.start();
    RunList(sql, allFields, checksum);
    return Seconds(timer);
}

void PrintDetail(const QString& songList, qint64& checksum) {
    const QString sql = AdaptSql(songList);
    TMainBaseQuery plan;
    plan.SetSQL(QStringLiteral("EXPLAIN QUERY PLAN ") + sql);
    for (plan.Open(); !plan.Eof(); plan.Next())
        std::printf("  plan: %s\n", qPrintable(plan.AsString(QStringLiteral("detail"))));
    plan.Close();

    QString binaryOrder = sql;
    binaryOrder.replace(QStringLiteral("COLLATE PL_CI"), QStringLiteral("COLLATE BINARY"));
    const QString noOrder = sql.left(sql.indexOf(QStringLiteral("ORDER BY")));
    QString noLower = noOrder;
    noLower.replace(QStringLiteral("LOWER(Artists.Art_Name)"), QStringLiteral("Artists.Art_Name"));
    noLower.replace(QStringLiteral("LOWER(BaseSongs.Title)"), QStringLiteral("BaseSongs.Title"));
    const std::pair<const char*, QString> variants[] = {{"as written", sql},
                                                        {"binary order", binaryOrder},
                                                        {"no order", noOrder},
                                                        {"no order, no LOWER", noLower}};
    for (const auto& [name, text] : variants) {
        TimeList(text, false, checksum); // warm the cache
        const double grid = TimeList(text, false, checksum);
        const double all = TimeList(text, true, checksum);
        std::printf("  %-20s grid columns %.3f s, every field %.3f s\n", name, grid, all);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool detail = args.removeAll(QStringLiteral("--detail")) > 0;
    TSyntheticLibraryOptions options;
    if (args.size() > 1)
        options.Songs = args[1].toInt();
    if (args.size() > 2)
        options.Seed = args[2].toUInt();

    QTemporaryDir station;
    SetProgramDir(station.path());
    QTextStream err(stderr);
    TCliPrompt prompt(err, false);
    SetPrompt(&prompt);
    InitMainBase();

    QElapsedTimer timer;
    timer.start();
    const TSyntheticLibrary library(options);
    const double generate = Seconds(timer);

    timer.restart();
    const int added = StoreSyntheticLibrary(library);
    const double build = Seconds(timer);

    const QString songList = Format(sqlSongList, {QString(), QString()});
    qint64 checksum = 0; // keeps the reads from being optimised away
    timer.restart();
    const int rows = RunList(songList, false, checksum);
    const double list = Seconds(timer);

    std::printf("generate %d songs: %.3f s\n", library.SongCount(), generate);
    std::printf("build library (AddSong): %.3f s, %d songs added\n", build, added);
    std::printf("song list query: %.3f s, %d rows\n", list, rows);
    if (detail)
        PrintDetail(songList, checksum);
    std::printf("(checksum %lld)\n", static_cast<long long>(checksum));

    DoneMainBase();
    SetPrompt(nullptr);
    return added == options.Songs && rows == added ? 0 : 1;
}
