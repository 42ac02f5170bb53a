#include "foundation/uTextFile.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

TEST(Cp1250, PolishLettersTakeTheirSingleBytes) {
    const QString text = QStringLiteral("ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ €„”–");
    const QByteArray bytes = EncodeCp1250(text);
    EXPECT_EQ(bytes, QByteArray("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF "
                                "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF \x80\x84\x94\x96"));
    EXPECT_EQ(DecodeCp1250(bytes), text);
}

TEST(Cp1250, EveryByteSurvivesDecodingAndEncoding) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    int unmappable = -1;
    EXPECT_EQ(EncodeCp1250(DecodeCp1250(all), &unmappable), all);
    EXPECT_EQ(unmappable, 0);
}

TEST(Cp1250, AnUnmappableCharacterBecomesOneQuestionMarkAndNothingElseChanges) {
    int unmappable = 0;
    // Cyrillic, a CJK character and an emoji (a surrogate pair) between Polish letters.
    const QString text = QStringLiteral("Łódź Ж 中 \U0001F3B5 żółw");
    EXPECT_EQ(EncodeCp1250(text, &unmappable), QByteArray("\xA3\xF3"
                                                          "d\x9F ? ? ? \xBF\xF3\xB3w"));
    EXPECT_EQ(unmappable, 3);
}

TEST(TextFile, LinesAreWrittenWithCrLfAfterEveryLine) {
    TTempStation station;
    const QString path = station.Path(QStringLiteral("a.xml"));
    ASSERT_TRUE(WriteTextLines(
        path, {QStringLiteral("<a>"), QStringLiteral("  zażółć"), QStringLiteral("</a>")}));
    EXPECT_EQ(ReadFileBytes(path), QByteArray("<a>\r\n  za\xBF\xF3\xB3\xE6\r\n</a>\r\n"));

    QStringList lines;
    ASSERT_TRUE(ReadTextLines(path, lines));
    EXPECT_EQ(lines, (QStringList{QStringLiteral("<a>"), QStringLiteral("  zażółć"),
                                  QStringLiteral("</a>")}));
}

TEST(TextFile, ReadingAcceptsBareLfAndAMissingLastLineEnd) {
    TTempStation station;
    const QString path = station.Path(QStringLiteral("b.txt"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("one\ntwo\r\nthree");
    }
    QStringList lines;
    ASSERT_TRUE(ReadTextLines(path, lines));
    EXPECT_EQ(lines,
              (QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}));
}

TEST(TextFile, AMissingFileIsAnErrorWithAReason) {
    TTempStation station;
    QString text = QStringLiteral("kept");
    QString error;
    EXPECT_FALSE(ReadTextFile(station.Path(QStringLiteral("none.xml")), text, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(text, QStringLiteral("kept"));
}

TEST(TextFile, AFailedWriteLeavesTheOldFileWhole) {
    TTempStation station;
    const QString path = station.Path(QStringLiteral("konfig.dat"));
    ASSERT_TRUE(WriteTextFile(path, QStringLiteral("Zegary=x\r\n")));

    // A file size limit makes the write fail half-way, as a full disk would (root included).
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit limited = old;
    limited.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    QString error;
    const bool written = WriteTextFile(path, QString(4096, QLatin1Char('y')), &error);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadFileBytes(path), QByteArray("Zegary=x\r\n"));
    EXPECT_EQ(QDir(station.Dir()).entryList(QDir::Files), QStringList{QStringLiteral("konfig.dat")})
        << "no temporary file is left behind";
}

} // namespace
