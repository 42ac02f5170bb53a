#include "cli/uCliMain.h"
#include "cli/uDemoClock.h"
#include "clocks/uCategory.h"
#include "clocks/uClock.h"
#include "clocks/uClockObjList.h"
#include "dayplan/uStores.h"
#include "foundation/uAppPaths.h"
#include "foundation/uDateTime.h"
#include "foundation/uRandom.h"
#include "generator/uFillGenerator.h"
#include "generator/uRandTimer.h"
#include "library/uDBMainBase.h"
#include "library/uMainBaseQuery.h"
#include "settings/uSettings.h"
#include "support/CliRunner.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

namespace {

TCliRun RunDemo(const QString& dir, const QStringList& args) {
    return RunCliCommand(QStringList{QStringLiteral("--dir"), dir, QStringLiteral("demo")} + args);
}

QStringList DemoArgs(int songs, int seed) {
    return {QStringLiteral("--songs"), QString::number(songs), QStringLiteral("--seed"),
            QString::number(seed)};
}

// The rows of a query, each as its fields joined by "|".
QStringList QueryRows(const QString& sql) {
    QStringList rows;
    TMainBaseQuery query(MainBase.get());
    query.SetSQL(sql);
    for (query.Open(); !query.Eof(); query.Next()) {
        QStringList fields;
        for (int i = 0; i < query.FieldCount(); ++i)
            fields.append(query.ValueAt(i).toString());
        rows.append(fields.join(QLatin1Char('|')));
    }
    return rows;
}

int QueryCount(const QString& sql) {
    return QueryRows(sql).value(0).toInt();
}

// Everything the seed decides about the library: songs with their restrictions and labels, and
// the performers' groups.
QStringList LibraryDump() {
    return QueryRows(QStringLiteral(
               "SELECT s.Title, a.Art_Name, s.Category, s.Song_Time, s.Time_Rest, s.Freq_Rest, "
               "l.LValue FROM BaseSongs s JOIN Artists a ON a.Art_Id = s.Art_Id LEFT JOIN Labels "
               "l ON l.Label_Id = s.Label1_Id WHERE s.Song_Id <> -1 ORDER BY s.Song_Id")) +
           QueryRows(QStringLiteral("SELECT Art_Name, Art_FreqGroup FROM Artists ORDER BY Art_Id"));
}

// The names in the directory (hidden ones aside), for readable comparisons.
std::string Entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(", ").toStdString();
}

// The stores up on a station made by the demo, as the program opens it; no box may show.
class TOpenedStation {
public:
    explicit TOpenedStation(const QString& dir) {
        SetProgramDir(dir);
        Up = BringUpStores();
    }
    ~TOpenedStation() { ReleaseStores(); }

    TRecordingPrompt Prompt;
    bool Up;
};

class CliDemo : public ::testing::Test {
protected:
    TTempStation Scratch;
    QString Station = Scratch.Path(QStringLiteral("demo"));
};

TEST_F(CliDemo, MakesAStationWithLibraryRestrictionsAndClocks) {
    const TCliRun run = RunDemo(Station, DemoArgs(300, 7));
    ASSERT_EQ(run.Code, ceDone) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();

    TOpenedStation opened(Station);
    ASSERT_TRUE(opened.Up);
    EXPECT_EQ(QueryCount(QStringLiteral("SELECT count(*) FROM BaseSongs WHERE Song_Id <> -1")),
              300);
    EXPECT_GT(TimeRanges->Count(), 0);
    EXPECT_GT(FreqGroups->Count(), 0);
    EXPECT_EQ(DisabledLabels->Count(), 1);
    EXPECT_TRUE(Separations->DefActive());
    // The restrictions are on a share of the songs and of the performers, not on all of them.
    const int timeRestricted =
        QueryCount(QStringLiteral("SELECT count(*) FROM BaseSongs WHERE Time_Rest <> -1"));
    const int freqRestricted =
        QueryCount(QStringLiteral("SELECT count(*) FROM BaseSongs WHERE Freq_Rest <> -1"));
    const int groupedArtists =
        QueryCount(QStringLiteral("SELECT count(*) FROM Artists WHERE Art_FreqGroup <> -1"));
    EXPECT_GT(timeRestricted, 0);
    EXPECT_LT(timeRestricted, 300);
    EXPECT_GT(freqRestricted, 0);
    EXPECT_GT(groupedArtists, 0);
    EXPECT_LT(groupedArtists,
              QueryCount(QStringLiteral("SELECT count(*) FROM Artists WHERE Art_Id <> -1")));

    const QStringList clocks =
        QDir(Config.ClockDir).entryList({QStringLiteral("*.ctm")}, QDir::Files, QDir::Name);
    EXPECT_EQ(clocks,
              (QStringList{QStringLiteral("Dzień powszedni.ctm"),
                           DemoClockName + QStringLiteral(".ctm"), QStringLiteral("Weekend.ctm")}));
    EXPECT_TRUE(opened.Prompt.Boxes.isEmpty());
}

// The demo's own clock must be usable at once: every slot resolves, the fixed list holds no
// song of the blocked label (generating would stop to ask), and the hours are fixed.
TEST_F(CliDemo, ItsOwnClockIsReadyToGenerate) {
    ASSERT_EQ(RunDemo(Station, DemoArgs(300, 7)).Code, ceDone);
    TOpenedStation opened(Station);
    ASSERT_TRUE(opened.Up);

    TClock clock;
    clock.LoadClockFile(QDir(Config.ClockDir).filePath(DemoClockName + QStringLiteral(".ctm")));
    int fixedHours = 0;
    int listRows = 0;
    int conditionRows = 0;
    for (const auto& row : clock.Rows()) {
        fixedHours += row->OwnHour() ? 1 : 0;
        listRows += row->Object() && row->Object()->ObjType() == otPlayList ? 1 : 0;
        for (int column = FirstCharColumn; column <= LastCharColumn; ++column)
            if (row->Flags[column]) {
                ++conditionRows;
                break;
            }
    }
    EXPECT_EQ(fixedHours, 24);
    EXPECT_EQ(listRows, 24);
    EXPECT_GT(conditionRows, 0);

    const auto* list = dynamic_cast<const TDetailPlayList*>(CategoryList->FindByName(DemoListName));
    ASSERT_NE(list, nullptr);
    ASSERT_GT(list->SongCount(), 0);
    for (int songId : list->Songs()) {
        const QStringList labels = QueryRows(
            QStringLiteral("SELECT Label1_Id, Label2_Id FROM BaseSongs WHERE Song_Id = %1")
                .arg(songId));
        ASSERT_EQ(labels.size(), 1);
        const QStringList ids = labels.first().split(QLatin1Char('|'));
        EXPECT_FALSE(DisabledLabels->IsAnyDisabled(ids[0].toInt(), ids[1].toInt())) << songId;
    }

    TRandom random(1);
    TRandTimer generator(*MainBase, random);
    generator.SetDate(*TryEncodeDate(2024, 5, 15));
    EXPECT_TRUE(FillGenerator(clock, generator));
    EXPECT_TRUE(opened.Prompt.Boxes.isEmpty());
}

// Day after day every slot of the demo's clock and of the default ones (the weekend clock on
// Saturdays and Sundays) finds a song under the separation schedule and the frequency groups:
// a category the clocks draw from often holds songs enough that their conditions find. A week
// of each shows it; a category that runs dry stops the second or third day.
TEST_F(CliDemo, AWeekOfDaysRunsWithoutAStop) {
    const auto demoClock = [](const QDate&) { return DemoClockName + QStringLiteral(".ctm"); };
    const auto defaultClock = [](const QDate& day) {
        return day.dayOfWeek() >= Qt::Saturday ? QStringLiteral("Weekend.ctm")
                                               : QStringLiteral("Dzień powszedni.ctm");
    };
    const struct {
        const char* Name;
        std::function<QString(const QDate&)> ClockOf;
    } schemes[] = {{"own-clock", demoClock}, {"default-clocks", defaultClock}};
    constexpr int kDays = 7;
    for (const auto& scheme : schemes) {
        SCOPED_TRACE(scheme.Name);
        const QString dir = Scratch.Path(QString::fromUtf8(scheme.Name));
        ASSERT_EQ(RunDemo(dir, DemoArgs(3000, 1)).Code, ceDone);
        // The station's history begins on the day it was made.
        const QDate first = QDate::currentDate();
        for (int i = 0; i < kDays; ++i) {
            const QDate day = first.addDays(i);
            const QString date = day.toString(Qt::ISODate);
            SCOPED_TRACE(date.toStdString());
            const auto run = [&](const QStringList& command) {
                return RunCliCommand(QStringList{QStringLiteral("--dir"), dir} + command);
            };
            ASSERT_EQ(run({QStringLiteral("plan"), date, scheme.ClockOf(day)}).Code, ceDone);
            const TCliRun generated = run(
                {QStringLiteral("generate"), date, QStringLiteral("--seed"), QString::number(i)});
            ASSERT_EQ(generated.Code, ceDone) << generated.Err.toStdString();
            const TCliRun accepted = run({QStringLiteral("--yes"), QStringLiteral("accept"), date});
            ASSERT_EQ(accepted.Code, ceDone) << accepted.Err.toStdString();
            EXPECT_EQ(run({QStringLiteral("state"), date}).Out.trimmed(),
                      QStringLiteral("history"));
        }
    }
}

TEST_F(CliDemo, TheSeedDecidesTheLibrary) {
    const QString again = Scratch.Path(QStringLiteral("again"));
    const QString other = Scratch.Path(QStringLiteral("other"));
    ASSERT_EQ(RunDemo(Station, DemoArgs(300, 7)).Code, ceDone);
    ASSERT_EQ(RunDemo(again, DemoArgs(300, 7)).Code, ceDone);
    ASSERT_EQ(RunDemo(other, DemoArgs(300, 8)).Code, ceDone);

    const auto dump = [](const QString& dir) {
        TOpenedStation opened(dir);
        return LibraryDump();
    };
    const QStringList first = dump(Station);
    ASSERT_GT(first.size(), 300);
    EXPECT_EQ(dump(again), first);
    EXPECT_NE(dump(other), first);
    for (const QString& file : {QStringLiteral("etykiety.xml"), QStringLiteral("kategorie.xml")})
        EXPECT_EQ(ReadFileBytes(QDir(again).filePath(file)),
                  ReadFileBytes(QDir(Station).filePath(file)))
            << file.toStdString();
}

// Refused like "init", whether the station's files or only its library are there: nothing is
// written and nothing is left behind.
TEST_F(CliDemo, RefusesADirectoryThatHoldsAStation) {
    for (const QString& existing :
         {QStringLiteral("dnkat.xml"), QStringLiteral("Data/library.db")}) {
        TTempStation station;
        const QString path = station.Path(existing);
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(WriteFileBytes(path, "mine"));

        const TCliRun run = RunDemo(station.Dir(), DemoArgs(300, 7));
        EXPECT_EQ(run.Code, ceRefused) << existing.toStdString();
        EXPECT_TRUE(run.Err.contains(QStringLiteral("jest już stacja"))) << run.Err.toStdString();
        EXPECT_EQ(ReadFileBytes(path), QByteArray("mine"));
        EXPECT_EQ(Entries(station.Dir()), existing.section(QLatin1Char('/'), 0, 0).toStdString());
    }
}

TEST_F(CliDemo, BadArgumentsAreAUsageError) {
    const QStringList cases[] = {
        {QStringLiteral("--songs"), QStringLiteral("dużo")},
        {QStringLiteral("--songs"), QStringLiteral("99")},
        {QStringLiteral("--songs"), QStringLiteral("1000001")},
        {QStringLiteral("--songs"), QStringLiteral("-300")},
        {QStringLiteral("--songs")},
        {QStringLiteral("--seed"), QStringLiteral("-1")},
        {QStringLiteral("--seed"), QStringLiteral("siedem")},
        {QStringLiteral("300")},
    };
    for (const QStringList& args : cases) {
        const TCliRun run = RunDemo(Station, args);
        EXPECT_EQ(run.Code, ceUsage) << args.join(' ').toStdString();
        EXPECT_FALSE(run.Err.isEmpty());
        EXPECT_EQ(Entries(Station), "") << args.join(' ').toStdString();
    }
}

// A station that cannot be made is taken away whole: here "Data" is a file, so the library
// cannot be opened after the default files were already copied.
TEST_F(CliDemo, AFailureLeavesNothingBehind) {
    QDir().mkpath(Station);
    ASSERT_TRUE(WriteFileBytes(QDir(Station).filePath(QStringLiteral("Data")), "not a folder"));

    const TCliRun run = RunDemo(Station, DemoArgs(300, 7));
    EXPECT_EQ(run.Code, ceFileError);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("Stacji demonstracyjnej nie założono.")))
        << run.Err.toStdString();
    EXPECT_EQ(Entries(Station), "Data");
}

} // namespace
