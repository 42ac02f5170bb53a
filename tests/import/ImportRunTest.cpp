#include "ImportFixture.h"
#include "foundation/uAppPaths.h"
#include "import/uImportOptions.h"
#include "import/uImportRun.h"
#include "library/uSongStore.h"

#include <SQLiteCpp/Database.h>

namespace {

class ImportRunTest : public ImportFixture {
protected:
    TImportOptions ImportOptions;

    TDatFileList Read(const QStringList& files) {
        return ReadDatFiles(files, ImportOptions, Choices);
    }
    TImportResult Import(const QStringList& files) {
        TDatFileList list = Read(files);
        return ImportSelected(list, Choices);
    }
    int Songs() {
        TDBTable& table = MainBase->BaseSongsTable();
        return table.RecordCount() - (table.Locate(table.KeyField(), {-1}) ? 1 : 0);
    }
    int SongId(const QString& performer, const QString& title) {
        const int artist = FindArtist(performer, false);
        const auto row = MainBase->BaseSongsTable().Locate(QStringLiteral("Art_Id;Title"),
                                                           {artist, title}, lmCaseInsensitive);
        return row ? static_cast<int>(row->RowId()) : -1;
    }
};

TEST_F(ImportRunTest, AFileBecomesAStoredSong) {
    Touch(Dir(QStringLiteral("dat")), QStringLiteral("arahja.mp3"));
    const QString dat =
        WriteSongDat(QStringLiteral("arahja.dat"), QStringLiteral("Kult"), QStringLiteral("Arahja"),
                     {QStringLiteral("Pta=Spokojnie"), QStringLiteral("Tot=4:10.250"),
                      QStringLiteral("Int=0:15.000"), QStringLiteral("Typ=B - Rock"),
                      QStringLiteral("Kom=Kazik"), QStringLiteral("Ktg=Złote przeboje")});
    TDatFileList list = Read({dat});
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(S(list[0].Status), "OK");
    const TImportResult result = ImportSelected(list, Choices);
    EXPECT_EQ(result.Added, 1);
    EXPECT_TRUE(Prompt.Boxes.isEmpty());

    const int id = SongId(QStringLiteral("Kult"), QStringLiteral("Arahja"));
    ASSERT_NE(id, -1);
    EXPECT_EQ(list[0].Song->SongId, id);
    TResultSongData stored;
    ASSERT_TRUE(ReadSong(stored, id));
    EXPECT_EQ(S(stored.AlbumTitle), "Spokojnie");
    EXPECT_EQ(stored.SongTime, 250250);
    EXPECT_EQ(stored.Intro, 15000);
    EXPECT_EQ(S(stored.Composer), "Kazik");
    EXPECT_EQ(S(stored.Category), "4");
    EXPECT_EQ(S(stored.FileName), "arahja.mp3");
    EXPECT_EQ(S(stored.Path), S(Station.Path(QStringLiteral("dat/"))));
    EXPECT_EQ(list[0].Song->CharType, CharId(ckType, "Rock"));
}

TEST_F(ImportRunTest, ListRowsShowWhatWasFound) {
    const QString withAudio =
        WriteSongDat(QStringLiteral("a.dat"), QStringLiteral("W"), QStringLiteral("A"));
    Touch(Dir(QStringLiteral("dat")), QStringLiteral("a.wav"));
    const QString withoutAudio =
        WriteSongDat(QStringLiteral("b.dat"), QStringLiteral("W"), QStringLiteral("B"));
    const QString broken =
        WriteDat(Dir(QStringLiteral("dat")), QStringLiteral("c.dat"), {QStringLiteral("Tyt=")});
    const TDatFileList list = Read({withAudio, withoutAudio, broken});
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(S(list[0].Status), "OK");
    EXPECT_EQ(S(list[1].Status), "Brak pliku muzycznego");
    EXPECT_EQ(S(list[2].Status), "Błąd w pliku");
    EXPECT_FALSE(list[2].IsSong());
    EXPECT_EQ(S(list[2].DatFile), S(broken));
}

TEST_F(ImportRunTest, ImportingTheSameFileTwiceReportsTheDuplicate) {
    const QString dat = WriteSongDat(QStringLiteral("d.dat"), QStringLiteral("Myslovitz"),
                                     QStringLiteral("Długość dźwięku samotności"));
    EXPECT_EQ(Import({dat}).Added, 1);
    ASSERT_TRUE(Prompt.Boxes.isEmpty());

    const TImportResult again = Import({dat});
    EXPECT_EQ(again.Added, 0);
    EXPECT_EQ(again.Duplicates, 1);
    EXPECT_EQ(Songs(), 1);
    EXPECT_EQ(Prompt.Texts(TBoxKind::bkInformation),
              QStringList{QStringLiteral(
                  "Utwór Myslovitz - Długość dźwięku samotności już jest wpisany do bazy.")});

    // Other letter case and blanks around the title: the same song.
    const QString other = WriteSongDat(QStringLiteral("e.dat"), QStringLiteral("MYSLOVITZ"),
                                       QStringLiteral("DŁUGOŚĆ DŹWIĘKU SAMOTNOŚCI  "));
    EXPECT_EQ(Import({other}).Duplicates, 1);
    EXPECT_EQ(Songs(), 1);
}

TEST_F(ImportRunTest, ATitleStoredWithBlanksIsStillFoundAsADuplicate) {
    const QString dat = WriteSongDat(QStringLiteral("b.dat"), QStringLiteral("Perfect"),
                                     QStringLiteral("Autobiografia "));
    EXPECT_EQ(Import({dat}).Added, 1);
    const TImportResult again = Import({dat});
    EXPECT_EQ(again.Duplicates, 1);
    EXPECT_EQ(again.Failed, 0);
    EXPECT_EQ(Songs(), 1);
    EXPECT_EQ(Prompt.Texts(TBoxKind::bkInformation).size(), 1);
}

TEST_F(ImportRunTest, OnlyTickedSongsAreStored) {
    const QString a =
        WriteSongDat(QStringLiteral("a.dat"), QStringLiteral("W"), QStringLiteral("A"));
    const QString b =
        WriteSongDat(QStringLiteral("b.dat"), QStringLiteral("W"), QStringLiteral("B"));
    const QString bad = WriteDat(Dir(QStringLiteral("dat")), QStringLiteral("x.dat"), {});
    TDatFileList list = Read({a, bad, b});
    list[0].Song->Selected = false;
    const TImportResult result = ImportSelected(list, Choices);
    EXPECT_EQ(result.Added, 1);
    EXPECT_EQ(SongId(QStringLiteral("W"), QStringLiteral("A")), -1);
    EXPECT_NE(SongId(QStringLiteral("W"), QStringLiteral("B")), -1);
}

TEST_F(ImportRunTest, LabelsComeFromQualityOrCodeAsTheOptionsSay) {
    const QString dat =
        WriteSongDat(QStringLiteral("l.dat"), QStringLiteral("W"), QStringLiteral("L"),
                     {QStringLiteral("Kod= PL-001 "), QStringLiteral("Jak=Studio")});
    const int existing = FindLabel(QStringLiteral("studio"), true);

    ImportOptions.ToLabel1Id = lsCode;
    ImportOptions.ToLabel2Id = lsQuality;
    TDatFileList list = Read({dat});
    const int code = LabelIdOf(QStringLiteral("PL-001"));
    EXPECT_NE(code, -1); // made while reading, before any import
    EXPECT_EQ(list[0].Song->Label1Id, code);
    EXPECT_EQ(list[0].Song->Label2Id, existing);

    ImportOptions.ToLabel1Id = lsNone;
    ImportOptions.ToLabel2Id = lsCode;
    list = Read({dat});
    EXPECT_EQ(list[0].Song->Label1Id, -1);
    EXPECT_EQ(list[0].Song->Label2Id, code);

    // An empty value makes no label.
    const QString noCode =
        WriteSongDat(QStringLiteral("n.dat"), QStringLiteral("W"), QStringLiteral("N"));
    list = Read({noCode});
    EXPECT_EQ(list[0].Song->Label2Id, -1);
}

TEST_F(ImportRunTest, AReplacementChosenAlwaysHoldsInLaterRuns) {
    const QString first = WriteSongDat(QStringLiteral("1.dat"), QStringLiteral("W"),
                                       QStringLiteral("1"), {QStringLiteral("Nas=Pogodny")});
    const QString second = WriteSongDat(QStringLiteral("2.dat"), QStringLiteral("W"),
                                        QStringLiteral("2"), {QStringLiteral("Nas=POGODNY")});
    const int happy = CharId(ckAtmosphere, "Radosny");
    Choices.UnknownAnswers = {{uaReplace, happy, true}};
    TDatFileList list = Read({first});
    ImportSelected(list, Choices);
    EXPECT_EQ(list[0].Song->Atmosphere, happy);
    ASSERT_EQ(Choices.UnknownQuestions.size(), 1);

    list = Read({second});
    ImportSelected(list, Choices);
    EXPECT_EQ(list[0].Song->Atmosphere, happy);
    EXPECT_EQ(Choices.UnknownQuestions.size(), 1);
}

TEST_F(ImportRunTest, ASongThatCannotBeStoredIsReportedAndTheOthersAreKept) {
    MainBase->Connection().exec(
        "CREATE TEMP TRIGGER fail_title BEFORE INSERT ON main.ZSongs WHEN NEW.Composer = 'Zły' "
        "BEGIN SELECT RAISE(ABORT, 'dysk pełny'); END");
    QStringList files;
    for (const char* composer : {"Dobry", "Zły", "Inny"})
        files.append(WriteSongDat(QString::fromUtf8(composer) + QStringLiteral(".dat"),
                                  QStringLiteral("W"), QString::fromUtf8(composer),
                                  {QStringLiteral("Kom=") + QString::fromUtf8(composer)}));
    const TImportResult result = Import(files);
    EXPECT_EQ(result.Added, 2);
    EXPECT_EQ(result.Failed, 1);
    EXPECT_EQ(Songs(), 2);
    EXPECT_EQ(SongId(QStringLiteral("W"), QStringLiteral("Zły")), -1);
    EXPECT_EQ(Prompt.Errors(), QStringList{QStringLiteral("Błąd zapisu: dysk pełny.")});
    // None of the failed song's rows stayed behind.
    EXPECT_EQ(MainBase->DataSongsTable().RecordCount(), MainBase->ZSongsTable().RecordCount());
}

TEST_F(ImportRunTest, ManyFilesAreStoredAcrossSeveralUnitsOfWork) {
    QStringList files;
    for (int i = 0; i < 600; ++i)
        files.append(WriteSongDat(QStringLiteral("s%1.dat").arg(i),
                                  QStringLiteral("Wykonawca %1").arg(i % 37),
                                  QStringLiteral("Utwór %1").arg(i)));
    EXPECT_EQ(Import(files).Added, 600);
    EXPECT_EQ(Songs(), 600);
    // Everything is committed: a fresh connection sees it.
    DoneMainBase();
    InitMainBase();
    EXPECT_EQ(Songs(), 600);
}

TEST_F(ImportRunTest, ImportOptionsRoundTripAndDefaults) {
    EXPECT_EQ(LoadImportOptions(), TImportOptions());
    const TImportOptions saved{
        lsCode, lsQuality, {QStringLiteral("/muzyka/a b"), QStringLiteral("/muzyka/ż")}};
    SaveImportOptions(saved);
    EXPECT_EQ(LoadImportOptions(), saved);

    // A value that cannot be read puts every value back to its default.
    UserSettings()->setValue(QStringLiteral("ImportOpt/toLabel2Id"), QStringLiteral("dwa"));
    EXPECT_EQ(LoadImportOptions(), TImportOptions());
    // A missing value takes its own default.
    UserSettings()->remove(QStringLiteral("ImportOpt/toLabel2Id"));
    const TImportOptions loaded = LoadImportOptions();
    EXPECT_EQ(loaded.ToLabel1Id, lsCode);
    EXPECT_EQ(loaded.ToLabel2Id, -1);
    EXPECT_EQ(loaded.Paths, saved.Paths);
}

} // namespace
