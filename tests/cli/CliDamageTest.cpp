#include "cli/uCliMain.h"
#include "support/CliRunner.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"
#include "support/TestText.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <functional>
#include <gtest/gtest.h>

// A station in a hostile world: damaged settings and day files, an export that cannot be
// written, a day taken back, an acceptance killed at any moment. Nothing the director keeps is
// lost, rewritten half or counted twice, and the command line says so with exit code 3.

namespace {

QString Iso(const QDate& date) {
    return date.toString(Qt::ISODate);
}

const QString kWeekday = QStringLiteral("Dzień powszedni.ctm");

// Every statistics row of the station's library, keys left out.
QStringList StatsRows(const QString& dir) {
    SQLite::Database db(QDir(dir).filePath(QStringLiteral("Data/library.db")).toStdString());
    QStringList rows;
    for (const char* table : {"Stats", "AStats"}) {
        SQLite::Statement query(db, std::string("SELECT StatsId, hex(StatsVal), EndId, "
                                                "BeginTime, EndTime FROM ") +
                                        table + " ORDER BY StatsId, SId");
        while (query.executeStep())
            rows << QStringLiteral("%1 %2 %3 %4 %5 %6")
                        .arg(QLatin1String(table))
                        .arg(query.getColumn(0).getInt())
                        .arg(QString::fromStdString(query.getColumn(1).getString()))
                        .arg(query.getColumn(2).getInt())
                        .arg(query.getColumn(3).getDouble(), 0, 'f', 6)
                        .arg(query.getColumn(4).getDouble(), 0, 'f', 6);
    }
    return rows;
}

class CliDamageTest : public ::testing::Test {
protected:
    // A small demo station with today generated and pending, and a copy of it accepted.
    static void SetUpTestSuite() {
        Template = new TTempStation;
        const QString pending = Template->Path(QStringLiteral("pending"));
        ASSERT_EQ(RunCliCommand({QStringLiteral("--dir"), pending, QStringLiteral("init")}).Code,
                  ceDone);
        ASSERT_EQ(RunCliCommand({QStringLiteral("--dir"), pending, QStringLiteral("demo"),
                                 QStringLiteral("--songs"), QStringLiteral("1500")})
                      .Code,
                  ceDone);
        const QString today = Iso(QDate::currentDate());
        ASSERT_EQ(RunCliCommand(
                      {QStringLiteral("--dir"), pending, QStringLiteral("plan"), today, kWeekday})
                      .Code,
                  ceDone);
        ASSERT_EQ(RunCliCommand({QStringLiteral("--dir"), pending, QStringLiteral("generate"),
                                 today, QStringLiteral("--seed"), QStringLiteral("4")})
                      .Code,
                  ceDone);
        const QString accepted = Template->Path(QStringLiteral("accepted"));
        ASSERT_TRUE(CopyDirectory(pending, accepted));
        const TCliRun accept =
            RunCliCommand({QStringLiteral("--dir"), accepted, QStringLiteral("--yes"),
                           QStringLiteral("accept"), today});
        ASSERT_EQ(accept.Code, ceDone) << S(accept.Err);
    }
    static void TearDownTestSuite() {
        delete Template;
        Template = nullptr;
    }

    // A fresh copy of the pending (or accepted) station.
    void Use(const char* which) {
        Dir = Station.Path(QStringLiteral("stacja"));
        QDir(Dir).removeRecursively();
        ASSERT_TRUE(CopyDirectory(Template->Path(QString::fromLatin1(which)), Dir));
    }
    TCliRun Run(QStringList args) {
        args.prepend(Dir);
        args.prepend(QStringLiteral("--dir"));
        return RunCliCommand(args);
    }
    QString State() { return Run({QStringLiteral("state"), Iso(Today)}).Out.trimmed(); }

public:
    QString PathOf(const QString& name) const { return QDir(Dir).filePath(name); }
    QString DayFile(const char* dirAndExtension) const {
        return PathOf(
            QString::fromLatin1(dirAndExtension).arg(Today.toString(QStringLiteral("yyyyMMdd"))));
    }
    QString PendingFile() const { return DayFile("Plan/Biezacy/%1.plp"); }
    QString HistoryFile() const { return DayFile("Plan/Historia/%1.plh"); }
    QString PlannedFile() const { return DayFile("Plan/Plan/%1.plz"); }
    QString MixFile() const { return DayFile("PlayListy/%1.mix"); }

protected:
    static TTempStation* Template;
    TTempStation Station;
    QString Dir;
    const QDate Today = QDate::currentDate();
};

TTempStation* CliDamageTest::Template = nullptr;

// Damages of a file: what the file holds afterwards (nothing: a directory in its place).
QByteArray CutInHalf(const QByteArray& bytes) {
    return bytes.left(bytes.size() / 2);
}
QByteArray Binary(const QByteArray&) {
    return QByteArray("\x7F\x45\x4C\x46\x02\x01\x01\0\0\0\0\0", 12);
}
QByteArray Emptied(const QByteArray&) {
    return QByteArray("");
}
QByteArray Directory(const QByteArray&) {
    return QByteArray();
}

TEST_F(CliDamageTest, ASettingsFileNotReadWholeStopsTheCommandAndStaysAsItIs) {
    const struct {
        const char* File;
        std::function<QByteArray(const QByteArray&)> Damage;
    } cases[] = {
        {"blokady.xml", CutInHalf},         {"blokady.xml", Emptied}, {"kategorie.xml", Binary},
        {"kategorie.xml", CutInHalf},       {"dnkat.xml", Emptied},   {"grupy.xml", Directory},
        {"etykiety.xml", CutInHalf},        {"rozklad.xml", Binary},  {"audycje.xml", CutInHalf},
        {"charakterystyki.xml", CutInHalf}, {"konfig.dat", Emptied},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        Use("pending");
        const QString path = PathOf(QString::fromLatin1(c.File));
        const QByteArray damaged = c.Damage(ReadFileBytes(path));
        QFile::remove(path); // "konfig.dat" is made only by the settings window
        if (damaged.isNull())
            ASSERT_TRUE(QDir().mkdir(path));
        else
            ASSERT_TRUE(WriteFileBytes(path, damaged));

        for (const char* command : {"show", "accept"}) {
            const TCliRun run =
                Run({QStringLiteral("--yes"), QString::fromLatin1(command), Iso(Today)});
            EXPECT_EQ(run.Code, ceFileError) << command;
            EXPECT_TRUE(run.Err.contains(QStringLiteral("Błąd podczas ładowania pliku")))
                << command << ": " << S(run.Err);
        }
        if (damaged.isNull())
            EXPECT_TRUE(QFileInfo(path).isDir());
        else
            EXPECT_EQ(ReadFileBytes(path), damaged) << "never rewritten";
        EXPECT_EQ(State(), QStringLiteral("pending"));
        EXPECT_TRUE(StatsRows(Dir).isEmpty());
    }
}

TEST_F(CliDamageTest, ADamagedDayFileIsAnErrorAndStaysAsItIs) {
    const QString notAClock = Station.Path(QStringLiteral("passwd"));
    ASSERT_TRUE(WriteFileBytes(notAClock, "root:x:0:0:root:/root:/bin/bash\n"));
    Use("pending");
    ASSERT_TRUE(QFile::remove(PendingFile()));
    ASSERT_TRUE(QFile::remove(PlannedFile()));
    TCliRun run = Run({QStringLiteral("plan"), Iso(Today), notAClock});
    EXPECT_EQ(run.Code, ceFileError) << "a file that is no clock is no empty clock";
    EXPECT_EQ(State(), QStringLiteral("empty"));

    const struct {
        const char* What;
        const char* Which;
        std::function<QString(CliDamageTest&)> File;
        const char* Command;
    } cases[] = {
        {"a cut plan file", "pending", &CliDamageTest::PendingFile, "accept"},
        {"a cut clock", "pending", &CliDamageTest::PlannedFile, "generate"},
        {"a cut history file", "accepted", &CliDamageTest::HistoryFile, "show"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        Use(c.Which);
        if (QString(QLatin1String(c.Command)) == QLatin1String("generate")) {
            ASSERT_TRUE(QFile::remove(PendingFile()));
        }
        const QString path = c.File(*this);
        const QString state = State();
        const QByteArray cut = CutInHalf(ReadFileBytes(path));
        ASSERT_TRUE(WriteFileBytes(path, cut));
        const QStringList stats = StatsRows(Dir);

        run = Run({QStringLiteral("--yes"), QString::fromLatin1(c.Command), Iso(Today)});
        EXPECT_EQ(run.Code, ceFileError);
        EXPECT_TRUE(run.Err.contains(QStringLiteral("niekompletny"))) << S(run.Err);
        EXPECT_EQ(ReadFileBytes(path), cut);
        EXPECT_EQ(State(), state);
        EXPECT_EQ(StatsRows(Dir), stats);
    }
}

// A library file that is not whole (emptied, or with a page overwritten) is an error on every
// command: the file is kept byte for byte and the day does not move.
QByteArray PageOverwritten(const QByteArray& bytes) {
    QByteArray damaged = bytes;
    constexpr qsizetype kPage = 4096;
    // The second page onwards holds the tables' b-trees; the header page stays readable.
    damaged.replace(kPage, kPage, QByteArray(kPage, '\x5A'));
    return damaged;
}

TEST_F(CliDamageTest, ADamagedLibraryStopsEveryCommandAndStaysAsItIs) {
    const struct {
        const char* What;
        QByteArray (*Damage)(const QByteArray&);
    } damages[] = {{"emptied", &Emptied}, {"a page overwritten", &PageOverwritten}};
    for (const auto& damage : damages) {
        for (const char* command : {"generate", "accept", "show"}) {
            SCOPED_TRACE(std::string(damage.What) + ", " + command);
            Use("pending");
            const QString library = PathOf(QStringLiteral("Data/library.db"));
            const QByteArray damaged = damage.Damage(ReadFileBytes(library));
            ASSERT_TRUE(WriteFileBytes(library, damaged));
            const QByteArray pending = ReadFileBytes(PendingFile());

            const TCliRun run =
                Run({QStringLiteral("--yes"), QString::fromLatin1(command), Iso(Today)});
            EXPECT_EQ(run.Code, ceFileError) << S(run.Err);
            EXPECT_TRUE(run.Err.contains(QStringLiteral("library.db"))) << S(run.Err);
            EXPECT_EQ(ReadFileBytes(library), damaged);
            EXPECT_EQ(ReadFileBytes(PendingFile()), pending);
            EXPECT_FALSE(QFileInfo::exists(HistoryFile()));
            EXPECT_FALSE(QFileInfo::exists(MixFile()));
        }
    }
}

TEST_F(CliDamageTest, AnAcceptanceWhoseMixCannotBeWrittenLeavesTheDayPending) {
    Use("pending");
    QDir(PathOf(QStringLiteral("PlayListy"))).removeRecursively();
    ASSERT_TRUE(WriteFileBytes(PathOf(QStringLiteral("PlayListy")), "not a directory"));
    const TCliRun run = Run({QStringLiteral("--yes"), QStringLiteral("accept"), Iso(Today)});
    EXPECT_EQ(run.Code, ceFileError);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("Błąd podczas zapisywania pliku"))) << S(run.Err);
    EXPECT_EQ(State(), QStringLiteral("pending"));
    EXPECT_TRUE(QFileInfo::exists(PendingFile()));
    EXPECT_FALSE(QFileInfo::exists(HistoryFile()));
    EXPECT_TRUE(StatsRows(Dir).isEmpty());
}

TEST_F(CliDamageTest, TakingBackAsksAndAcceptingAgainCountsEachPlayOnce) {
    Use("accepted");
    const QStringList accepted = StatsRows(Dir);
    const QByteArray history = ReadFileBytes(HistoryFile());
    const QString shown = Run({QStringLiteral("show"), Iso(Today)}).Out;
    ASSERT_FALSE(accepted.isEmpty());

    TCliRun run = Run({QStringLiteral("back"), Iso(Today)});
    EXPECT_EQ(run.Code, ceRefused) << "answered \"Nie\" without --yes";
    EXPECT_EQ(ReadFileBytes(HistoryFile()), history);

    run = Run({QStringLiteral("--yes"), QStringLiteral("back"), Iso(Today)});
    ASSERT_EQ(run.Code, ceDone) << S(run.Err);
    EXPECT_EQ(State(), QStringLiteral("pending"));
    EXPECT_TRUE(StatsRows(Dir).isEmpty());
    EXPECT_EQ(Run({QStringLiteral("show"), Iso(Today)}).Out.count(QLatin1Char('\n')),
              shown.count(QLatin1Char('\n')))
        << "every position is back";

    run = Run({QStringLiteral("--yes"), QStringLiteral("accept"), Iso(Today)});
    ASSERT_EQ(run.Code, ceDone) << S(run.Err);
    EXPECT_EQ(StatsRows(Dir), accepted);
    EXPECT_EQ(ReadFileBytes(HistoryFile()), history);
}

// The real program killed at moments spread over its run: afterwards (once any command has
// opened the store again) the day is either still pending with nothing recorded, or accepted
// whole: history file, ".mix", statistics, and no plan files.
TEST_F(CliDamageTest, AnAcceptanceKilledAtAnyMomentIsAllOrNothing) {
    const QString acceptedDir = Template->Path(QStringLiteral("accepted"));
    const QStringList wholeStats = StatsRows(acceptedDir);
    const auto acceptedFile = [&](const char* dirAndExtension) {
        return ReadFileBytes(QDir(acceptedDir)
                                 .filePath(QString::fromLatin1(dirAndExtension)
                                               .arg(Today.toString(QStringLiteral("yyyyMMdd")))));
    };
    const QByteArray wholeHistory = acceptedFile("Plan/Historia/%1.plh");
    const QByteArray wholeMix = acceptedFile("PlayListy/%1.mix");

    const auto startAccept = [this](QProcess& accept) {
        accept.setStandardOutputFile(QProcess::nullDevice());
        accept.setStandardErrorFile(QProcess::nullDevice());
        accept.start(QStringLiteral(DOBIERALNIK_CLI_PATH),
                     {QStringLiteral("--dir"), Dir, QStringLiteral("--yes"),
                      QStringLiteral("accept"), Iso(Today)});
        return accept.waitForStarted();
    };
    // How long an undisturbed acceptance takes here.
    Use("pending");
    QElapsedTimer timer;
    timer.start();
    {
        QProcess accept;
        ASSERT_TRUE(startAccept(accept));
        ASSERT_TRUE(accept.waitForFinished());
        ASSERT_EQ(accept.exitCode(), 0);
    }
    const qint64 whole = std::max<qint64>(timer.elapsed(), 20);

    // Kills spread over the run; the last tries let it end, so both outcomes are seen.
    const int tries = 16;
    const int kills = tries - 2;
    int pending = 0;
    int done = 0;
    for (int i = 0; i < tries; ++i) {
        SCOPED_TRACE(i);
        Use("pending");
        QProcess accept;
        ASSERT_TRUE(startAccept(accept));
        if (i < kills) {
            QThread::msleep(static_cast<unsigned long>(whole * i / kills));
            accept.kill(); // SIGKILL: nothing of the program runs after it
        }
        accept.waitForFinished();

        // Any command that opens the store finishes what a killed acceptance committed.
        Run({QStringLiteral("show"), Iso(Today)});
        const QString state = State();
        if (state == QLatin1String("pending")) {
            ++pending;
            EXPECT_TRUE(QFileInfo::exists(PendingFile()));
            EXPECT_TRUE(QFileInfo::exists(PlannedFile()));
            EXPECT_FALSE(QFileInfo::exists(HistoryFile()));
            EXPECT_TRUE(StatsRows(Dir).isEmpty());
        } else {
            ++done;
            ASSERT_EQ(S(state), "history");
            EXPECT_FALSE(QFileInfo::exists(PendingFile()));
            EXPECT_FALSE(QFileInfo::exists(PlannedFile()));
            EXPECT_EQ(ReadFileBytes(HistoryFile()), wholeHistory);
            EXPECT_EQ(ReadFileBytes(MixFile()), wholeMix);
            EXPECT_EQ(StatsRows(Dir), wholeStats);
            const TCliRun again =
                Run({QStringLiteral("--yes"), QStringLiteral("accept"), Iso(Today)});
            EXPECT_EQ(again.Code, ceRefused) << "an accepted day is not accepted twice";
        }
    }
    EXPECT_GT(pending, 0);
    EXPECT_GT(done, 0);
}

} // namespace
