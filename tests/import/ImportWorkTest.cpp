#include "ImportFixture.h"
#include "import/uImportWork.h"
#include "library/uSongStore.h"

#include <QFileInfo>
#include <memory>

// Reading and storing as the progress window runs them: one step per file or ticked song, and
// "Przerwij" stopping between two of them, with everything before the stop kept whole.

namespace {

// What a progress window was told; it outlives the window, which goes with its work.
struct TWindowRecord {
    QString Operation;
    QStringList Infos;
    int Max = -1;
    int Steps = 0;
};

// A progress window that runs the work at once and presses "Przerwij" after `StopAfter` steps
// (never with 0).
class TStoppingWindow final : public TProgressWindow {
public:
    TStoppingWindow(int stopAfter, TWindowRecord& record) : StopAfter(stopAfter), Record(record) {}

    void SetOperation(const QString& text) override { Record.Operation = text; }
    void SetInfo(const QString& text) override { Record.Infos.append(text); }
    void SetMax(int count) override { Record.Max = count; }
    void Advance(int count) override {
        Record.Steps += count;
        if (Record.Steps == StopAfter)
            CancelAttached();
    }
    void Execute() override { RunWork(); }

private:
    int StopAfter;
    TWindowRecord& Record;
};

class ImportWorkTest : public ImportFixture {
protected:
    // What the last window was told.
    TWindowRecord Window;

    void UseWindowStoppingAfter(int steps) {
        SetProgressWindowFactory([this, steps] {
            Window = TWindowRecord();
            return std::make_unique<TStoppingWindow>(steps, Window);
        });
    }
    void TearDown() override {
        SetProgressWindowFactory({});
        ImportFixture::TearDown();
    }

    // Song files "Utwór 1" .. "Utwór count" by "Zespół".
    QStringList SongFiles(int count) {
        QStringList files;
        for (int i = 1; i <= count; ++i)
            files.append(WriteSongDat(QStringLiteral("song%1.dat").arg(i), QStringLiteral("Zespół"),
                                      QStringLiteral("Utwór %1").arg(i),
                                      {QStringLiteral("Tot=3:00.000")}));
        return files;
    }
    static bool Stored(int number) {
        const int artist = FindArtist(QStringLiteral("Zespół"), false);
        return artist != -1 &&
               MainBase->BaseSongsTable()
                   .Locate(QStringLiteral("Art_Id;Title"),
                           {artist, QStringLiteral("Utwór %1").arg(number)}, lmCaseInsensitive)
                   .has_value();
    }
};

TEST_F(ImportWorkTest, ReadingStepsThroughTheFilesAndStopsBetweenTwo) {
    const QStringList files = SongFiles(5);
    UseWindowStoppingAfter(2);
    TDatReadWork reading(files, {}, Choices);
    RunImportWork(reading);

    EXPECT_EQ(Window.Operation, kReadingDatFiles);
    EXPECT_EQ(Window.Max, 5);
    EXPECT_EQ(Window.Infos,
              (QStringList{QStringLiteral("song1.dat"), QStringLiteral("song2.dat")}));
    EXPECT_TRUE(reading.Cancelled());
    ASSERT_EQ(reading.List.size(), 2u) << "no file after the stop is read";
    EXPECT_EQ(reading.List[1].Song->Title, QStringLiteral("Utwór 2"));
}

TEST_F(ImportWorkTest, StoppingTheImportKeepsEverySongBeforeItWholeAndStoresNoneAfter) {
    UseWindowStoppingAfter(0);
    TDatReadWork reading(SongFiles(6), {}, Choices);
    RunImportWork(reading);
    ASSERT_EQ(reading.List.size(), 6u);
    reading.List[1].Song->Selected = false; // "Utwór 2" unticked

    UseWindowStoppingAfter(3);
    TSongsImportWork import(reading.List, Choices);
    RunImportWork(import);

    EXPECT_EQ(Window.Operation, kImportingSongs);
    EXPECT_EQ(Window.Max, 5) << "one step per ticked song";
    EXPECT_EQ(Window.Infos,
              (QStringList{QStringLiteral("Zespół - Utwór 1"), QStringLiteral("Zespół - Utwór 3"),
                           QStringLiteral("Zespół - Utwór 4")}));
    EXPECT_TRUE(import.Cancelled());
    EXPECT_EQ(import.Result.Added, 3);
    for (int number : {1, 3, 4})
        EXPECT_TRUE(Stored(number)) << number;
    for (int number : {2, 5, 6})
        EXPECT_FALSE(Stored(number)) << number;
    // A stored song is whole: read back with its length.
    TResultSongData song;
    ASSERT_TRUE(ReadSong(song, reading.List[3].Song->SongId));
    EXPECT_EQ(song.SongTime, 180000);
    EXPECT_EQ(reading.List[4].Song->SongId, -1);
}

TEST_F(ImportWorkTest, WithoutAStopEveryTickedSongIsStored) {
    TDatReadWork reading(SongFiles(3), {}, Choices);
    RunImportWork(reading); // no window installed: the work runs at once
    TSongsImportWork import(reading.List, Choices);
    RunImportWork(import);
    EXPECT_FALSE(import.Cancelled());
    EXPECT_EQ(import.Result.Added, 3);
    for (int number : {1, 2, 3})
        EXPECT_TRUE(Stored(number)) << number;
}

} // namespace
