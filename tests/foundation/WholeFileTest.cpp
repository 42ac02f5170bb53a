#include "foundation/HTMLParser.h"
#include "foundation/uWholeFile.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"
#include "support/TestText.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(PlainText, OnlyTabLineEndsAndPrintableCharactersAreText) {
    const struct {
        const char* What;
        QString Text;
        bool Plain;
    } cases[] = {
        {"Polish letters and line ends", QStringLiteral("Łąka\tŻółw\r\nźdźbło\n"), true},
        {"nothing", QString(), true},
        {"a NUL", QString(QStringLiteral("a")) + QChar(0) + QStringLiteral("b"), false},
        {"a control byte", QString(QChar(0x01)), false},
        {"DEL", QString(QChar(0x7F)), false},
        {"a byte Windows-1250 leaves undefined", QString(QChar(0x81)), false},
        {"the euro sign (byte 0x80)", QStringLiteral("€"), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPlainText(c.Text), c.Plain) << c.What;
}

TEST(HTMLParserEnd, ACutDocumentEndsInside) {
    const struct {
        const char* What;
        const char* Text;
        bool Inside;
    } cases[] = {
        {"whole", "<a x=\"1\">\r\n  <b/>\r\n</a>\r\n", false},
        {"whole without a last line end", "<a><b/></a>", false},
        {"an empty root", "<a/>", false},
        {"an element never closed", "<a>\r\n  <b/>\r\n", true},
        {"cut inside a start tag", "<a>\r\n  <b x=\"1", true},
        {"cut inside the end tag", "<a>\r\n  <b/>\r\n</a", true},
        {"cut inside a comment", "<!-- komentarz", true},
        {"an inner element left open by hand", "<a><b><c/></a>", false},
    };
    THTMLParser parser;
    for (const auto& c : cases) {
        parser.Parse(QString::fromUtf8(c.Text));
        EXPECT_EQ(parser.EndedInside(), c.Inside) << c.What;
    }
}

class WholeFileTest : public ::testing::Test {
protected:
    TTempStation Station;

    void TearDown() override { ForgetUnreadFiles(); }

    QString Write(const QByteArray& bytes) {
        const QString path = Station.Path(QStringLiteral("plik.xml"));
        EXPECT_TRUE(WriteFileBytes(path, bytes));
        return path;
    }
};

TEST_F(WholeFileTest, ADocumentNotReadWholeGivesItsReasonAndIsNoted) {
    const struct {
        const char* What;
        QByteArray Bytes;
        const char* Reason; // nothing: read whole
        int Elements;       // top-level elements the parser holds afterwards
    } cases[] = {
        {"whole", "<ranges lastId=\"0\">\r\n</ranges>\r\n", nullptr, 1},
        {"empty", "", "plik jest pusty", 0},
        {"blank", " \r\n\r\n", "plik jest pusty", 0},
        {"cut off", "<ranges lastId=\"2\">\r\n  <range id=\"1\"/>\r\n  <ran",
         "plik jest niekompletny", 1},
        {"binary", QByteArray("<ranges>\0\0\0</ranges>", 20), "plik nie jest plikiem tekstowym", 1},
        {"another document", "<groups/>\r\n", "brak elementu \"ranges\"", 1},
        {"no markup", "root:x:0:0:root:/root:/bin/bash\n", "brak elementu \"ranges\"", 0},
    };
    for (const auto& c : cases) {
        ForgetUnreadFiles();
        const QString path = Write(c.Bytes);
        THTMLParser parser;
        QString error;
        const bool whole = LoadWholeDocument(parser, path, false, QStringLiteral("ranges"), &error);
        EXPECT_EQ(whole, c.Reason == nullptr) << c.What;
        EXPECT_EQ(S(error), c.Reason ? c.Reason : "") << c.What;
        int elements = 0;
        for (int i = 0; i < parser.Root()->ChildCount(); ++i)
            elements += parser.Root()->TagChild(i)->NodeType == ntElement ? 1 : 0;
        EXPECT_EQ(elements, c.Elements) << c.What << ": what could be read is parsed";
        EXPECT_EQ(UnreadFiles(),
                  c.Reason ? QStringList{QFileInfo(path).absoluteFilePath()} : QStringList())
            << c.What;
    }
}

TEST_F(WholeFileTest, ADirectoryInTheFilesPlaceIsNotedButAMissingFileIsNot) {
    const QString dir = Station.Path(QStringLiteral("katalog.xml"));
    ASSERT_TRUE(QDir().mkpath(dir));
    QString text;
    QString error;
    EXPECT_FALSE(ReadWholeText(dir, text, &error));
    EXPECT_EQ(S(error), "w miejscu pliku jest katalog");
    EXPECT_EQ(UnreadFiles(), QStringList{QFileInfo(dir).absoluteFilePath()});

    ForgetUnreadFiles();
    EXPECT_FALSE(ReadWholeText(Station.Path(QStringLiteral("brak.xml")), text, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(UnreadFiles().isEmpty()) << "nothing is there to keep";
}

TEST_F(WholeFileTest, AFileIsNotedOnce) {
    const QString path = Write("");
    QString text;
    THTMLParser parser;
    LoadWholeDocument(parser, path, false, QString(), nullptr);
    LoadWholeDocument(parser, path, false, QString(), nullptr);
    EXPECT_EQ(UnreadFiles().size(), 1);
}

} // namespace
