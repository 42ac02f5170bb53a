#include "ImportFixture.h"
#include "import/uAudioFileSearch.h"
#include "import/uDatFile.h"

namespace {

class AudioFileSearchTest : public ImportFixture {
protected:
    // Where the found file lives, its name and extension; empty when none was found.
    struct TFound {
        QString Path, FileName, AudioExt;
    };
    TFound Find(const QString& datName, const QStringList& searchDirs) {
        TAudioFileSearch search(searchDirs);
        TSongData song;
        const QString dat = QDir(Dir(QStringLiteral("dat"))).filePath(datName);
        const bool found = search.FindAudioFile(dat, song);
        EXPECT_EQ(found, !song.FileName.isEmpty());
        return {song.Path, song.FileName, song.AudioExt};
    }
};

TEST_F(AudioFileSearchTest, EveryDirectoryIsSearchedForMp2BeforeMp3) {
    const QString datDir = Dir(QStringLiteral("dat"));
    const QString first = Dir(QStringLiteral("muzyka1"));
    const QString second = Dir(QStringLiteral("muzyka2"));
    Touch(datDir, QStringLiteral("utwor.mp3"));
    Touch(second, QStringLiteral("utwor.mp2"));
    Touch(first, QStringLiteral("utwor.wav"));

    const TFound found = Find(QStringLiteral("utwor.dat"), {first, second});
    EXPECT_EQ(S(found.FileName), "utwor.mp2");
    EXPECT_EQ(S(found.AudioExt), "mp2");
    EXPECT_EQ(S(found.Path), S(second + QLatin1Char('/')));
}

TEST_F(AudioFileSearchTest, TheDatFilesDirectoryComesFirst) {
    const QString datDir = Dir(QStringLiteral("dat"));
    const QString other = Dir(QStringLiteral("muzyka"));
    Touch(datDir, QStringLiteral("utwor.wav"));
    Touch(other, QStringLiteral("utwor.wav"));
    const TFound found = Find(QStringLiteral("utwor.dat"), {other});
    EXPECT_EQ(S(found.FileName), "utwor.wav");
    EXPECT_EQ(S(found.Path), S(datDir + QLatin1Char('/')));
}

TEST_F(AudioFileSearchTest, NamesMatchWithoutRegardToLetterCaseExactFirst) {
    const QString datDir = Dir(QStringLiteral("dat"));
    Touch(datDir, QStringLiteral("UTWOR.MP3"));
    EXPECT_EQ(S(Find(QStringLiteral("utwor.dat"), {}).FileName), "UTWOR.MP3");
    Touch(datDir, QStringLiteral("utwor.mp3"));
    EXPECT_EQ(S(Find(QStringLiteral("utwor.dat"), {}).FileName), "utwor.mp3");
}

TEST_F(AudioFileSearchTest, BaseNameEndsAtTheFirstDot) {
    const QString datDir = Dir(QStringLiteral("dat"));
    Touch(datDir, QStringLiteral("album.mp3"));
    Touch(datDir, QStringLiteral("album.01.mp3"));
    const TFound found = Find(QStringLiteral("album.01.dat"), {});
    EXPECT_EQ(S(found.FileName), "album.mp3");
    EXPECT_EQ(S(found.AudioExt), "mp3");
}

TEST_F(AudioFileSearchTest, NothingFound) {
    const QString datDir = Dir(QStringLiteral("dat"));
    Touch(datDir, QStringLiteral("utwor.ogg"));
    Touch(datDir, QStringLiteral("inny.mp3"));
    Touch(datDir, QStringLiteral(".mp3"));
    EXPECT_EQ(S(Find(QStringLiteral("utwor.dat"), {Station.Path(QStringLiteral("brak"))}).FileName),
              "");
    // A name that starts with its dot has no base name.
    EXPECT_EQ(S(Find(QStringLiteral(".dat"), {}).FileName), "");
}

TEST_F(AudioFileSearchTest, ReadDatFileKeepsTheDatDirectoryWithoutAnAudioFile) {
    const QString dat =
        WriteSongDat(QStringLiteral("cisza.dat"), QStringLiteral("W"), QStringLiteral("T"));
    TAudioFileSearch search({Dir(QStringLiteral("muzyka"))});
    TSongData song;
    ASSERT_TRUE(ReadDatFile(dat, song, search));
    EXPECT_EQ(S(song.Path), S(Station.Path(QStringLiteral("dat/"))));
    EXPECT_EQ(S(song.FileName), "");

    Touch(Dir(QStringLiteral("muzyka")), QStringLiteral("cisza.mp2"));
    TAudioFileSearch fresh({Dir(QStringLiteral("muzyka"))});
    ASSERT_TRUE(ReadDatFile(dat, song, fresh));
    EXPECT_EQ(S(song.Path), S(Station.Path(QStringLiteral("muzyka/"))));
    EXPECT_EQ(S(song.FileName), "cisza.mp2");
}

} // namespace
