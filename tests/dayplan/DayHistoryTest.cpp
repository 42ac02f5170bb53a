#include "DayPlanFixture.h"
#include "dayplan/uDayHistory.h"
#include "foundation/uAppPaths.h"
#include "foundation/uDateTime.h"

#include <QFileInfo>

namespace {

class DayHistoryTest : public DayPlanFixture {
protected:
    std::vector<std::unique_ptr<TResultSongData>> Owned;
    TDayHistory History;

    TResultSongData& Add(int hour, const char* artist, const char* title, int time) {
        auto position = std::make_unique<TResultSongData>();
        position->Hour = hour;
        position->ArtistName = QString::fromUtf8(artist);
        position->Title = QString::fromUtf8(title);
        position->SetSongTime(time);
        Owned.push_back(std::move(position));
        return *Owned.back();
    }
    std::vector<const TResultSongData*> Positions() const {
        std::vector<const TResultSongData*> positions;
        for (const auto& position : Owned)
            positions.push_back(position.get());
        return positions;
    }

    static QString HistoryPath() { return PlanFilePath(pkHistory, Day()); }

    // A history file made by hand.
    QString WriteHistory(const QByteArray& bytes) const {
        const QString path = Station.Path(QStringLiteral("dzien.plh"));
        EXPECT_TRUE(WriteFileBytes(path, bytes));
        return path;
    }
    QString Rows() const {
        QStringList rows;
        for (const TDayHistoryRow& row : History.Rows())
            rows << QStringList{row.Hour, row.Artist, row.Title, row.Time,
                                row.Blank ? QStringLiteral("1") : QStringLiteral("0")}
                        .join(QLatin1Char(';'));
        return rows.join(QLatin1Char('|'));
    }
};

TEST_F(DayHistoryTest, FileHoldsTheCommentTheRootAndOneLinePerPosition) {
    Add(Ms(7, 5, 9, 500), "Maryla", "Wyspa", 75 * 60000);
    TResultSongData& blank = Add(Ms(8, 20, 9, 500), "", "Blok", 60000);
    blank.Blank = true;
    blank.CategoryName = QStringLiteral("Reklama o");
    ASSERT_TRUE(WriteDayHistory(Positions(), Day()));
    EXPECT_EQ(S(HistoryPath()), S(AppFilePath(QStringLiteral("Plan/Historia/20240506.plh"))));
    // The date in the comment is the station's short date; nothing reads it back.
    const QByteArray comment = EncodeCp1250(
        QStringLiteral("<!-- Play lista na dzień %1 -->\r\n").arg(FormatShortDate(Day())));
    EXPECT_EQ(ReadFileBytes(HistoryPath()).toStdString(),
              comment.toStdString() +
                  "<PalyList>\r\n"
                  "  <Item hour=\"07:05:09.500\" artist=\"Maryla\" title=\"Wyspa\" "
                  "time=\"75:00.000\" Blank=\"0\"/>\r\n"
                  "  <Item hour=\"08:20:09.500\" artist=\"Reklama o\" title=\"Blok\" "
                  "time=\"01:00.000\" Blank=\"1\"/>\r\n"
                  "</PalyList>\r\n");
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(DayHistoryTest, WrittenFileIsShownAsItStands) {
    Add(Ms(0, 0), "Zespół \"Dwa\" & Syn", "<Tytuł> & 'inny'", 200000);
    Add(Ms(23, 59, 59, 999), "Stanisław", "Łąka", 1);
    Owned.back()->Blank = true;
    ASSERT_TRUE(WriteDayHistory(Positions(), Day()));
    const QString item = FileLines(HistoryPath()).value(2);
    EXPECT_TRUE(item.contains(QStringLiteral("artist=\"Zespół &quot;Dwa&quot; &amp; Syn\"")))
        << S(item);
    EXPECT_TRUE(item.contains(QStringLiteral("title=\"&lt;Tytuł&gt; &amp; &apos;inny&apos;\"")))
        << S(item);

    ASSERT_TRUE(History.LoadDayHistory(HistoryPath()));
    EXPECT_EQ(S(History.FileName()), S(HistoryPath()));
    EXPECT_EQ(S(Rows()), "00:00:00.000;Zespół \"Dwa\" & Syn;<Tytuł> & 'inny';03:20.000;0|"
                         "23:59:59.999;Stanisław;Łąka;00:00.001;1");
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(DayHistoryTest, WritingTheSameDayTwiceKeepsTheSecondList) {
    Add(Ms(6, 0), "Maryla", "Wyspa", 1000);
    Add(Ms(6, 1), "Maryla", "Druga", 1000);
    ASSERT_TRUE(WriteDayHistory(Positions(), Day()));
    Owned.clear();
    Add(Ms(9, 0), "Stanisław", "Łąka", 2000);
    ASSERT_TRUE(WriteDayHistory(Positions(), Day()));
    ASSERT_TRUE(History.LoadDayHistory(HistoryPath()));
    EXPECT_EQ(S(Rows()), "09:00:00.000;Stanisław;Łąka;00:02.000;0");
}

TEST_F(DayHistoryTest, WriteFailureIsReportedAndGivesFalse) {
    BlockWithDirectory(HistoryPath());
    Add(Ms(6, 0), "Maryla", "Wyspa", 1000);
    EXPECT_FALSE(WriteDayHistory(Positions(), Day()));
    ASSERT_EQ(Prompt.Errors().size(), 1);
    const QString error = Prompt.Errors()[0];
    const QString start = QStringLiteral("Nie można zapisać pliku %1. (").arg(HistoryPath());
    EXPECT_TRUE(error.startsWith(start) && error.endsWith(QLatin1Char(')')) &&
                error.size() > start.size() + 1)
        << S(error);
    EXPECT_TRUE(QFileInfo(HistoryPath()).isDir());
}

struct TLoadCase {
    const char* What;
    QByteArray Bytes;
    bool Loaded;
    const char* Rows;
    const char* Error; // %1 is the file name
};

TEST_F(DayHistoryTest, LoadingChecksTheFile) {
    const TLoadCase cases[] = {
        {"an empty list", "<PalyList>\r\n</PalyList>\r\n", true, "", nullptr},
        {"an empty element", "<!-- x -->\r\n<PalyList/>\r\n", true, "", nullptr},
        {"no history element", "<CurrentRoot>\r\n  <Item hour=\"1\"/>\r\n</CurrentRoot>\r\n", false,
         "", "Błąd w pliku %1"},
        {"an empty file", "", false, "", "Błąd ładowania play listy z pliku %1. (plik jest pusty)"},
        // Half a day is never shown for the day.
        {"a file cut off", "<PalyList>\r\n  <Item hour=\"h\" Blank=\"0\"/>\r\n  <Item ho", false,
         "", "Błąd ładowania play listy z pliku %1. (plik jest niekompletny)"},
        {"boolean words",
         "<PalyList><Item hour=\"h\" Blank=\"TRUE\"/><Item Blank=\"false\"/>"
         "</PalyList>",
         true, "h;;;;1|;;;;0", nullptr},
        {"no flag is no blank", "<PalyList><Item title=\"t\"/></PalyList>", true, ";;t;;0",
         nullptr},
        {"a flag that is no boolean",
         "<PalyList><Item title=\"a\" Blank=\"1\"/><Item title=\"b\" Blank=\"tak\"/></PalyList>",
         false, "", "Błąd ładowania play listy z pliku %1. (\"tak\" nie jest wartością logiczną)"},
    };
    for (const TLoadCase& c : cases) {
        Prompt.Clear();
        const QString path = WriteHistory(c.Bytes);
        EXPECT_EQ(History.LoadDayHistory(path), c.Loaded) << c.What;
        EXPECT_EQ(S(Rows()), c.Rows) << c.What;
        const QString expected = c.Error ? QString::fromUtf8(c.Error).arg(path) : QString();
        EXPECT_EQ(S(Prompt.Errors().join(QLatin1Char('|'))), S(expected)) << c.What;
    }
}

TEST_F(DayHistoryTest, MissingFileLoadsNothingAndSaysNothing) {
    Add(Ms(6, 0), "Maryla", "Wyspa", 1000);
    ASSERT_TRUE(WriteDayHistory(Positions(), Day()));
    ASSERT_TRUE(History.LoadDayHistory(HistoryPath()));
    const QString missing = Station.Path(QStringLiteral("brak.plh"));
    EXPECT_FALSE(History.LoadDayHistory(missing));
    EXPECT_TRUE(History.Rows().empty());
    EXPECT_EQ(S(History.FileName()), S(missing));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(DayHistoryTest, UnreadableFileIsReported) {
    const QString path = Station.Path(QStringLiteral("katalog.plh"));
    BlockWithDirectory(path);
    EXPECT_FALSE(History.LoadDayHistory(path));
    ASSERT_EQ(Prompt.Errors().size(), 1);
    const QString start = QStringLiteral("Błąd ładowania play listy z pliku %1. (").arg(path);
    EXPECT_TRUE(Prompt.Errors()[0].startsWith(start)) << S(Prompt.Errors()[0]);
}

} // namespace
