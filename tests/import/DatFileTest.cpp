#include "ImportFixture.h"
#include "import/uAudioFileSearch.h"
#include "import/uDatFile.h"
#include "support/TestFiles.h"

namespace {

class DatFileTest : public ImportFixture {
protected:
    TAudioFileSearch Audio;

    // The song a file of these lines gives; false when the file is not a song.
    bool Read(const QStringList& lines, TSongData& song) {
        return ReadDatFile(WriteDat(Dir(QStringLiteral("dat")), QStringLiteral("utwor.dat"), lines),
                           song, Audio);
    }
    TSongData ReadSong(const QStringList& lines) {
        TSongData song;
        EXPECT_TRUE(Read(lines, song));
        return song;
    }
};

TEST_F(DatFileTest, EveryKeyGoesIntoItsField) {
    FreqGroups->SetDefSongGr(3);
    const TSongData song = ReadSong({
        QStringLiteral("Tyt= Tylko słowa "), QStringLiteral("Wyk=  Zespół Żółć  "),
        QStringLiteral("Pta= Płyta "),       QStringLiteral("Aut= Autor tekstu "),
        QStringLiteral("Wyd= Wydawca "),     QStringLiteral("Kom= Kompozytor "),
        QStringLiteral("Rok= 1999 "),        QStringLiteral("Typ=A - Rock"),
        QStringLiteral("Tmc=Szybkie"),       QStringLiteral("Tmi=Wolne"),
        QStringLiteral("Tmo=Średnie"),       QStringLiteral("Gen=Męski"),
        QStringLiteral("Nas=Radosny"),       QStringLiteral("Nar=Polski"),
        QStringLiteral("FIn=0:00.500"),      QStringLiteral("FOu=3:20.000"),
        QStringLiteral("Mix=3:18.250"),      QStringLiteral("Int=0:12.000"),
        QStringLiteral("Out=3:10.000"),      QStringLiteral("NwP=0:01.000"),
        QStringLiteral("NwK=3:21.000"),      QStringLiteral("Tot=3:25.500"),
        QStringLiteral("Ktg=Przeboje"),      QStringLiteral("Jak= HQ "),
        QStringLiteral("Kod= K-17 "),        QStringLiteral("BPM=128"),
    });
    const QString datDir = Station.Path(QStringLiteral("dat/"));

    EXPECT_EQ(S(song.Title), " Tylko słowa ");
    EXPECT_EQ(S(song.ArtistName), "Zespół Żółć");
    EXPECT_EQ(S(song.AlbumTitle), "Płyta");
    EXPECT_EQ(S(song.TextAuthor), "Autor tekstu");
    EXPECT_EQ(S(song.Publisher), "Wydawca");
    EXPECT_EQ(S(song.Composer), "Kompozytor");
    EXPECT_EQ(song.Year, 1999);
    EXPECT_EQ(song.Year2, 1999);
    EXPECT_EQ(S(song.TypeText), "Rock");
    EXPECT_EQ(S(song.TempoText), "Szybkie");
    EXPECT_EQ(S(song.TempoInText), "Wolne");
    EXPECT_EQ(S(song.TempoOutText), "Średnie");
    EXPECT_EQ(S(song.VocalText), "Męski");
    EXPECT_EQ(S(song.AtmosphereText), "Radosny");
    EXPECT_EQ(S(song.LanguageText), "Polski");
    EXPECT_EQ(song.FadeIn, 500);
    EXPECT_EQ(song.FadeOut, 200000);
    EXPECT_EQ(song.Mix, 198250);
    EXPECT_EQ(song.Intro, 12000);
    EXPECT_EQ(song.Outro, 190000);
    EXPECT_EQ(song.NStart, 1000);
    EXPECT_EQ(song.NEnd, 201000);
    EXPECT_EQ(song.SongTime, 205500);
    EXPECT_EQ(S(song.Category), "2");
    EXPECT_EQ(S(song.Quality), "HQ");
    EXPECT_EQ(S(song.Code), "K-17");
    EXPECT_EQ(S(song.Bpm), "128");
    // What the file does not say.
    EXPECT_EQ(S(song.Compress), "");
    EXPECT_EQ(song.Frequ, -1);
    EXPECT_EQ(song.Mode, 0);
    EXPECT_EQ(song.OwnerId, -1);
    EXPECT_EQ(song.CreateDate, 0);
    EXPECT_EQ(song.Label1Id, -1);
    EXPECT_EQ(song.Label2Id, -1);
    EXPECT_EQ(song.FreqRest, 3);
    EXPECT_TRUE(song.Selected);
    EXPECT_EQ(S(song.Path), S(datDir));
    EXPECT_EQ(S(song.FileName), "");
    EXPECT_EQ(S(song.AudioExt), "");
    EXPECT_EQ(song.ArtistId, -1);
    EXPECT_EQ(song.CharType, -1);
}

TEST_F(DatFileTest, KeysIgnoreLetterCaseAndTheFirstLineOfAKeyCounts) {
    const TSongData song = ReadSong({
        QStringLiteral("tYT=Pierwszy"),
        QStringLiteral("WYK=Wykonawca"),
        QStringLiteral("Tyt=Drugi"),
        QStringLiteral("linia bez znaku równości"),
        QStringLiteral("Pta=a=b"),
    });
    EXPECT_EQ(S(song.Title), "Pierwszy");
    EXPECT_EQ(S(song.ArtistName), "Wykonawca");
    EXPECT_EQ(S(song.AlbumTitle), "a=b");
}

TEST_F(DatFileTest, MissingKeysGiveTheirDefaults) {
    const TSongData song = ReadSong({QStringLiteral("Tyt=T"), QStringLiteral("Wyk=W")});
    EXPECT_EQ(song.Year, -1);
    EXPECT_EQ(song.SongTime, 0);
    EXPECT_EQ(song.FadeIn, 0);
    EXPECT_EQ(song.NEnd, 0);
    EXPECT_EQ(S(song.Category), "1");
    EXPECT_EQ(S(song.TypeText), "");
}

TEST_F(DatFileTest, TimesAndNumbers) {
    struct TCase {
        const char* Line;
        int TotalMs;
    } const cases[] = {
        {"Tot=3:25.500", 205500},
        {"Tot=205", 205000},
        {"Tot= 3: 5.  7", 185007}, // blanks count as zeros
        {"Tot=3:75.000", 239000},  // seconds above 59 before a point count as 59
        {"Tot=3:75", 255000},
        {"Tot=", 0},
        {"Tot=abc", 0},
    };
    for (const TCase& c : cases) {
        const TSongData song =
            ReadSong({QStringLiteral("Tyt=T"), QStringLiteral("Wyk=W"), QString::fromUtf8(c.Line)});
        EXPECT_EQ(song.SongTime, c.TotalMs) << c.Line;
    }
    const TSongData song =
        ReadSong({QStringLiteral("Tyt=T"), QStringLiteral("Wyk=W"), QStringLiteral("Rok=19x9")});
    EXPECT_EQ(song.Year, -1);
    EXPECT_EQ(song.Year2, -1);
}

TEST_F(DatFileTest, TypePrefixIsDroppedOnlyAtTheSecondCharacter) {
    struct TCase {
        const char* Value;
        const char* Word;
    } const cases[] = {
        {"A - Rock", "Rock"},
        {"1 - Poezja śpiewana", "Poezja śpiewana"},
        {"Rock - Pop", "Rock - Pop"},
        {"AB - Rock", "AB - Rock"},
        {"A-Rock", "A-Rock"},
        {"A - ", ""},
        {"Rock", "Rock"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(S(DatTypeWord(QString::fromUtf8(c.Value))), c.Word) << c.Value;
}

TEST_F(DatFileTest, CategoryNameIsLookedUpIgnoringLetterCase) {
    TArSongCat gentle;
    gentle.Id = 20;
    gentle.Name = QStringLiteral("łagodne");
    ASSERT_TRUE(Options->Categories().AddCategory(gentle));
    struct TCase {
        const char* Value;
        const char* Category;
    } const cases[] = {
        {"Ktg=PRZEBOJE", "2"},
        {"Ktg=Ballady", "6"},
        {"Ktg=Nieznana", "1"},
        {"Ktg=", "1"},
        // Polish capitals fold like the others.
        {"Ktg=NOWOŚCI", "11"},
        {"Ktg=nowości", "11"},
        {"Ktg=ZŁOTE PRZEBOJE", "4"},
        {"Ktg=ŁAGODNE", "20"},
        {"Ktg=Łagodne", "20"},
        // A letter without its mark is another letter.
        {"Ktg=NOWOSCI", "1"},
        {"Ktg=Zlote przeboje", "1"},
    };
    for (const TCase& c : cases) {
        const TSongData song = ReadSong(
            {QStringLiteral("Tyt=T"), QStringLiteral("Wyk=W"), QString::fromUtf8(c.Value)});
        EXPECT_EQ(S(song.Category), c.Category) << c.Value;
    }
}

TEST_F(DatFileTest, FilesThatAreNotSongs) {
    const QByteArray song = "Tyt=T\r\nWyk=W\r\n";
    struct TCase {
        const char* Name;
        QByteArray Bytes;
    } const cases[] = {
        {"empty", QByteArray()},
        {"empty title", "Tyt=\r\nWyk=W\r\n"},
        {"no performer", "Tyt=T\r\n"},
        {"blank performer", "Tyt=T\r\nWyk=   \r\n"},
        {"nul byte", song + QByteArray(1, '\0')},
        {"binary", QByteArray("\x7f"
                              "ELF\x02\x01\x01",
                              7) +
                       song},
        {"undefined code page byte", song + "Pta=\x98\r\n"},
        {"huge", song + "Kom=" + QByteArray(kMaxDatFileSize, 'x')},
    };
    const QString dir = Dir(QStringLiteral("bad"));
    for (const TCase& c : cases) {
        const QString path = QDir(dir).filePath(QStringLiteral("plik.dat"));
        ASSERT_TRUE(WriteFileBytes(path, c.Bytes));
        TSongData read;
        EXPECT_FALSE(ReadDatFile(path, read, Audio)) << c.Name;
        EXPECT_FALSE(ParseDatBytes(c.Bytes, read)) << c.Name;
    }
    TSongData read;
    EXPECT_FALSE(ReadDatFile(QDir(dir).filePath(QStringLiteral("brak.dat")), read, Audio));
    EXPECT_FALSE(ReadDatFile(dir, read, Audio));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

// A few stray control bytes are a slip in a text file and are read as they stand; a file
// that is mostly controls is binary.
TEST_F(DatFileTest, StrayControlBytesAreReadButABinaryFileIsNot) {
    const QByteArray song = "Tyt=T\r\nWyk=W\r\n";
    struct TCase {
        const char* Name;
        QByteArray Bytes;
        bool IsSong;
        const char* Album; // read when a song
    } const cases[] = {
        {"start of heading in a value", song + "Pta=P\x01yta\r\n", true, "P\x01yta"},
        {"old end-of-file mark", song + "Pta=P\x1Ayta\r\n", true, "P\x1Ayta"},
        {"delete", song + "Pta=P\x7Fyta\r\n", true, "P\x7Fyta"},
        {"escape and bell", song + "Pta=\x1B\x07\r\n", true, "\x1B\x07"},
        {"end-of-file mark after the text", song + "\x1A", true, ""},
        {"control in the performer", "Tyt=T\r\nWyk=W\x02\r\n", true, ""},
        // 20 bytes, two of them controls: the most a text may hold; 21 bytes with three are
        // too many.
        {"one byte in ten a control", song + "Pta=\x01\x02", true, "\x01\x02"},
        {"more than one byte in ten", song + "Pta=\x01\x02\x03", false, ""},
        {"nul byte alone", song + "Pta=P" + QByteArray(1, '\0') + "yta\r\n", false, ""},
        {"binary file", QByteArray(64, '\x01') + song, false, ""},
    };
    const QString dir = Dir(QStringLiteral("controls"));
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TSongData parsed;
        EXPECT_EQ(ParseDatBytes(c.Bytes, parsed), c.IsSong);
        const QString path = QDir(dir).filePath(QStringLiteral("plik.dat"));
        ASSERT_TRUE(WriteFileBytes(path, c.Bytes));
        TSongData read;
        ASSERT_EQ(ReadDatFile(path, read, Audio), c.IsSong);
        if (c.IsSong) {
            EXPECT_EQ(S(read.Title), "T");
            EXPECT_EQ(S(read.AlbumTitle), c.Album);
        }
    }
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(DatFileTest, PolishLettersAndOldLineEndsAreRead) {
    // "Żółć" in Windows-1250, and lines ended by CR alone or LF alone.
    const QByteArray bytes = "Tyt=\xAF\xF3\xB3\xE6\rWyk=Kto\nPta=\x8C"
                             "cie\xBF"
                             "ka";
    TSongData song;
    ASSERT_TRUE(ParseDatBytes(bytes, song));
    EXPECT_EQ(S(song.Title), "Żółć");
    EXPECT_EQ(S(song.ArtistName), "Kto");
    EXPECT_EQ(S(song.AlbumTitle), "Ścieżka");
}

} // namespace
