#include "cli/uCliMain.h"
#include "foundation/uAppPaths.h"
#include "foundation/uTextFile.h"
#include "import/uImportCharKinds.h"
#include "import/uImportOptions.h"
#include "library/uDBMainBase.h"
#include "library/uLibraryEntities.h"
#include "settings/uArOptions.h"
#include "support/CliRunner.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"
#include "support/TestText.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

// import-dat on a new station: songs stored, bad files and duplicates listed, unknown words
// added, ignored or replaced as asked (replacements remembered on request), the saved import
// options applied.

namespace {

class CliImportDatTest : public ::testing::Test {
protected:
    TTempStation Scratch;
    QString Dir;
    QString DatDir;

    void SetUp() override { NewStation(QStringLiteral("stacja")); }
    // Makes a new station in the scratch directory the one the fixture works on.
    void NewStation(const QString& name) {
        Dir = Scratch.Path(name);
        ASSERT_EQ(RunCliCommand({QStringLiteral("--dir"), Dir, QStringLiteral("init")}).Code,
                  ceDone);
        DatDir = QDir(Dir).filePath(QStringLiteral("dat"));
        QDir().mkpath(DatDir);
    }

    TCliRun Run(QStringList args) {
        args.prepend(QStringLiteral("import-dat"));
        args.prepend(Dir);
        args.prepend(QStringLiteral("--dir"));
        return RunCliCommand(args);
    }
    QString Dat(const QString& name, const QStringList& lines) {
        const QString path = QDir(DatDir).filePath(name);
        EXPECT_TRUE(WriteTextLines(path, lines));
        return path;
    }
    // A song file of performer W with the title and the further lines.
    QString Song(const QString& title, const QStringList& more) {
        return Dat(title + QStringLiteral(".dat"),
                   QStringList{QStringLiteral("Wyk=W"), QStringLiteral("Tyt=") + title} + more);
    }
    QString AliasFile(const QString& kindFile) const { return QDir(Dir).filePath(kindFile); }
    QString ValueName(int kind, const char* text) const {
        SetProgramDir(Dir);
        TArOptions options;
        options.LoadCharacteristics();
        return options.CharValueName(kind, options.CharValueId(kind, U(text)));
    }
    // Runs the check on the station's library.
    template <typename TCheck> void InLibrary(TCheck check) {
        SetProgramDir(Dir);
        InitMainBase();
        check();
        DoneMainBase();
    }
};

TEST_F(CliImportDatTest, StoresSongsAndListsWhatItCouldNot) {
    const QString good = Dat(QStringLiteral("dobry.dat"),
                             {QStringLiteral("Wyk=Kult"), QStringLiteral("Tyt=Arahja")});
    ASSERT_TRUE(WriteFileBytes(QDir(DatDir).filePath(QStringLiteral("dobry.mp3")), {}));
    const QString silent = Dat(QStringLiteral("cichy.dat"),
                               {QStringLiteral("Wyk=Kult"), QStringLiteral("Tyt=Polska")});
    const QString bad = Dat(QStringLiteral("zly.dat"), {QStringLiteral("Tyt=")});

    const TCliRun run = Run({good, bad, silent});
    EXPECT_EQ(run.Code, ceFileError);
    EXPECT_EQ(S(run.Out.trimmed()), "Zaimportowano: 2, już w bazie: 0, błędne pliki: 1, "
                                    "niezapisane: 0.");
    EXPECT_TRUE(run.Err.contains(bad + QStringLiteral(": Błąd w pliku"))) << S(run.Err);
    EXPECT_TRUE(run.Err.contains(silent + QStringLiteral(": Brak pliku muzycznego"))) << S(run.Err);

    const TCliRun again = Run({good});
    EXPECT_EQ(again.Code, ceDone);
    EXPECT_TRUE(again.Err.contains(QStringLiteral("Utwór Kult - Arahja już jest wpisany do bazy.")))
        << S(again.Err);
    EXPECT_EQ(S(again.Out.trimmed()), "Zaimportowano: 0, już w bazie: 1, błędne pliki: 0, "
                                      "niezapisane: 0.");

    InLibrary([] {
        const int artist = FindArtist(QStringLiteral("Kult"), false);
        EXPECT_TRUE(MainBase->BaseSongsTable().Locate(QStringLiteral("Art_Id;Title"),
                                                      {artist, QStringLiteral("Arahja")}));
        EXPECT_TRUE(MainBase->BaseSongsTable().Locate(QStringLiteral("Art_Id;Title"),
                                                      {artist, QStringLiteral("Polska")}));
    });
}

TEST_F(CliImportDatTest, UnknownWordsAreAddedOrIgnoredAsAsked) {
    const QString ignored =
        Dat(QStringLiteral("a.dat"),
            {QStringLiteral("Wyk=W"), QStringLiteral("Tyt=A"), QStringLiteral("Nas=Zadumany")});
    const TCliRun ignore = Run({QStringLiteral("--unknown"), QStringLiteral("ignore"), ignored});
    EXPECT_EQ(ignore.Code, ceDone) << S(ignore.Err);
    EXPECT_TRUE(ignore.Err.contains(
        QStringLiteral("Znaleziono nieznaną opcję: Nastrój: Zadumany [Zignoruj]")))
        << S(ignore.Err);
    const auto moodId = [this] {
        SetProgramDir(Dir);
        TArOptions options;
        options.LoadCharacteristics();
        return options.CharValueId(ckAtmosphere, QStringLiteral("Zadumany"));
    };
    EXPECT_EQ(moodId(), -1);

    const QString added =
        Dat(QStringLiteral("b.dat"),
            {QStringLiteral("Wyk=W"), QStringLiteral("Tyt=B"), QStringLiteral("Nas=Zadumany")});
    const TCliRun add = Run({added});
    EXPECT_EQ(add.Code, ceDone) << S(add.Err);
    EXPECT_TRUE(
        add.Err.contains(QStringLiteral("Znaleziono nieznaną opcję: Nastrój: Zadumany [Dodaj do "
                                        "listy]")))
        << S(add.Err);
    EXPECT_NE(moodId(), -1);
}

TEST_F(CliImportDatTest, TheSavedImportOptionsApply) {
    const QString music = QDir(Dir).filePath(QStringLiteral("muzyka"));
    QDir().mkpath(music);
    ASSERT_TRUE(WriteFileBytes(QDir(music).filePath(QStringLiteral("k.mp2")), {}));
    SetProgramDir(Dir);
    SaveImportOptions({lsCode, lsNone, {music}});
    const QString dat =
        Dat(QStringLiteral("k.dat"),
            {QStringLiteral("Wyk=W"), QStringLiteral("Tyt=K"), QStringLiteral("Kod=PL-7")});
    const TCliRun run = Run({dat});
    EXPECT_EQ(run.Code, ceDone) << S(run.Err);
    EXPECT_TRUE(run.Err.isEmpty()) << S(run.Err);
    InLibrary([] { EXPECT_NE(LabelIdOf(QStringLiteral("PL-7")), -1); });
}

TEST_F(CliImportDatTest, WrongArguments) {
    const QStringList cases[] = {
        {},
        {QStringLiteral("--unknown"), QStringLiteral("replace"), QStringLiteral("a.dat")},
        {QStringLiteral("--unknown")},
        {QStringLiteral("--cicho"), QStringLiteral("a.dat")},
    };
    for (const QStringList& args : cases)
        EXPECT_EQ(Run(args).Code, ceUsage) << S(args.join(QLatin1Char(' ')));
}

TEST_F(CliImportDatTest, ReplacedWordsAreRememberedOnlyWhenAsked) {
    for (const bool remember : {false, true}) {
        SCOPED_TRACE(remember);
        NewStation(remember ? QStringLiteral("pamieta") : QStringLiteral("nie-pamieta"));
        QStringList args = {QStringLiteral("--replace"), QStringLiteral("nastroj=spokojny"),
                            U("--replace=TEMPO=szybkie"),
                            Song(QStringLiteral("A"), {QStringLiteral("Nas=Zadumany"),
                                                       U("Tmc=Pędzące"), U("Nar=Śląski")})};
        if (remember)
            args.prepend(QStringLiteral("--remember"));
        const TCliRun run = Run(args);
        EXPECT_EQ(run.Code, ceDone) << S(run.Err);
        const QString always = remember ? U(", Zawsze zastępuj tą wartością") : QString();
        EXPECT_TRUE(run.Err.contains(U("Znaleziono nieznaną opcję: Nastrój: Zadumany [Zastąp "
                                       "wartością: Spokojny") +
                                     always + QLatin1Char(']')))
            << S(run.Err);
        EXPECT_TRUE(run.Err.contains(U("Znaleziono nieznaną opcję: Tempo: Pędzące [Zastąp "
                                       "wartością: Szybkie") +
                                     always + QLatin1Char(']')))
            << S(run.Err);
        // A kind without a replacement still gets --unknown.
        EXPECT_TRUE(
            run.Err.contains(U("Znaleziono nieznaną opcję: Język: Śląski [Dodaj do listy]")))
            << S(run.Err);
        EXPECT_TRUE(ValueName(ckAtmosphere, "Zadumany").isEmpty());

        QStringList moods;
        QStringList tempos;
        ReadTextLines(AliasFile(QStringLiteral("atmosphere.als")), moods);
        ReadTextLines(AliasFile(QStringLiteral("tempo.als")), tempos);
        EXPECT_EQ(moods,
                  remember ? QStringList{QStringLiteral("Zadumany=Spokojny")} : QStringList{});
        EXPECT_EQ(tempos, remember ? QStringList{U("Pędzące=Szybkie")} : QStringList{});

        // The next import of the same words asks only when nothing was remembered.
        const TCliRun next =
            Run({Song(QStringLiteral("B"), {QStringLiteral("Nas=zadumany"), U("Tmc=PĘDZĄCE")})});
        EXPECT_EQ(next.Code, ceDone) << S(next.Err);
        EXPECT_EQ(next.Err.contains(U("Znaleziono nieznaną opcję:")), !remember) << S(next.Err);
        EXPECT_EQ(ValueName(ckAtmosphere, "Zadumany").isEmpty(), remember);
    }
}

TEST_F(CliImportDatTest, TheAliasesFileComesBeforeTheReplacementOfItsKind) {
    const QString aliases = QDir(Dir).filePath(QStringLiteral("aliasy.txt"));
    ASSERT_TRUE(WriteFileBytes(aliases, "# z Orvo\nnastroj:Zadumany=Smutny\nWokal:Szept=Duet\n"));
    const TCliRun run = Run(
        {QStringLiteral("--aliases"), aliases, QStringLiteral("--replace"), U("Nastrój=Radosny"),
         QStringLiteral("--unknown"), QStringLiteral("ignore"),
         Song(QStringLiteral("A"), {QStringLiteral("Nas=ZADUMANY"), QStringLiteral("Gen=Szept")}),
         Song(QStringLiteral("B"), {QStringLiteral("Nas=Wesoły"), QStringLiteral("Gen=Bas")})});
    EXPECT_EQ(run.Code, ceDone) << S(run.Err);
    for (const char* line :
         {"Nastrój: ZADUMANY [Zastąp wartością: Smutny]", "Wokal: Szept [Zastąp wartością: Duet]",
          "Nastrój: Wesoły [Zastąp wartością: Radosny]", "Wokal: Bas [Zignoruj]"})
        EXPECT_TRUE(run.Err.contains(U("Znaleziono nieznaną opcję: ") + U(line))) << line;
    // Without --remember the run's aliases stay in the run.
    for (const char* kindFile : {"atmosphere.als", "vocal.als"}) {
        QStringList lines;
        ReadTextLines(AliasFile(QString::fromUtf8(kindFile)), lines);
        EXPECT_TRUE(lines.isEmpty()) << kindFile << ": " << S(lines);
    }
}

TEST_F(CliImportDatTest, AWrongReplacementOrAliasesFileImportsNothing) {
    const QString aliases = QDir(Dir).filePath(QStringLiteral("aliasy.txt"));
    ASSERT_TRUE(WriteFileBytes(aliases, "Nastrój:Zadumany=Smutny\n\nTempo:Pędzące=Bardzo\n"));
    const QString missing = QDir(Dir).filePath(QStringLiteral("brak.txt"));
    const struct {
        QStringList Args;
        QString Error;
    } cases[] = {
        {{QStringLiteral("--replace"), QStringLiteral("nastroj=Xyz")},
         U("Opcja --replace \"nastroj=Xyz\": Charakterystyka Nastrój nie ma wartości \"Xyz\".")},
        {{QStringLiteral("--replace"), QStringLiteral("Lata=1990 - 1999")},
         U("Opcja --replace \"Lata=1990 - 1999\": Nieznana charakterystyka \"Lata\" (import "
           "rozpoznaje: Typ, Nastrój, Tempo, Wokal, Język).")},
        {{QStringLiteral("--replace"), QStringLiteral("nastroj")},
         U("Opcja --replace przyjmuje CHARAKTERYSTYKA=WARTOŚĆ.")},
        {{QStringLiteral("--replace"), QStringLiteral("nastroj=Smutny"),
          QStringLiteral("--replace"), U("Nastrój=Spokojny")},
         U("Opcja --replace podana dwa razy dla charakterystyki Nastrój.")},
        {{QStringLiteral("--remember")},
         U("Opcja --remember działa tylko z --replace albo --aliases.")},
        {{QStringLiteral("--aliases=")}, U("Opcja --aliases przyjmuje jeden plik.")},
        {{QStringLiteral("--aliases"), missing},
         U("Nie można odczytać pliku aliasów \"") + missing + U("\".")},
        {{QStringLiteral("--replace"), QStringLiteral("nastroj=Smutny"),
          QStringLiteral("--aliases"), aliases, QStringLiteral("--remember")},
         U("Plik aliasów \"") + aliases +
             U("\", wiersz 3: Charakterystyka Tempo nie ma wartości \"Bardzo\".")},
    };
    const QString song =
        Song(QStringLiteral("A"), {QStringLiteral("Nas=Zadumany"), QStringLiteral("Kod=PL-1")});
    SetProgramDir(Dir);
    SaveImportOptions({lsCode, lsNone, {}});
    for (const auto& c : cases) {
        const TCliRun run = Run(c.Args + QStringList{song});
        EXPECT_EQ(run.Code, ceUsage) << S(c.Args);
        EXPECT_EQ(S(run.Err.trimmed()), S(c.Error));
        EXPECT_TRUE(run.Out.isEmpty()) << S(run.Out);
    }
    // Not even the label a read song file would make.
    InLibrary([] {
        EXPECT_EQ(FindArtist(QStringLiteral("W"), false), -1);
        EXPECT_EQ(LabelIdOf(QStringLiteral("PL-1")), -1);
    });
    EXPECT_FALSE(QFileInfo::exists(AliasFile(QStringLiteral("atmosphere.als"))));
}

TEST_F(CliImportDatTest, HelpNamesTheKindsAReplacementTakes) {
    const TCliRun help = RunCliCommand({QStringLiteral("--dir"), Dir, QStringLiteral("--help")});
    const QString importHelp = help.Out.section(QStringLiteral("import-dat"), 1);
    for (const QString& caption : ImportedCharKindCaptions())
        EXPECT_TRUE(importHelp.contains(caption)) << S(caption);
    for (const char* option : {"--replace", "--remember", "--aliases", "--unknown"})
        EXPECT_TRUE(importHelp.contains(QString::fromUtf8(option))) << option;
}

} // namespace
