#include "cli/uCliMain.h"
#include "foundation/uAppPaths.h"
#include "foundation/uTextFile.h"
#include "import/uImportOptions.h"
#include "library/uDBMainBase.h"
#include "library/uLibraryEntities.h"
#include "settings/uArOptions.h"
#include "support/CliRunner.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"
#include "support/TestText.h"

#include <QDir>
#include <gtest/gtest.h>

// import-dat on a new station: songs stored, bad files and duplicates listed, unknown words
// added or ignored as asked, the saved import options applied.

namespace {

class CliImportDatTest : public ::testing::Test {
protected:
    TTempStation Scratch;
    QString Dir;
    QString DatDir;

    void SetUp() override {
        Dir = Scratch.Path(QStringLiteral("stacja"));
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

} // namespace
