#include "foundation/uTextFile.h"
#include "settings/uArDisabledLabels.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class DisabledLabelsTest : public ::testing::Test {
protected:
    QString FilePath() const { return station.Path(DisabledLabelsFileName); }
    void WriteDocument(const QString& text) const { ASSERT_TRUE(WriteTextFile(FilePath(), text)); }
    // A document of one "lab" line per attribute text.
    void WriteLabs(const QStringList& attrs) const {
        QString text = QStringLiteral("<labels>\r\n");
        for (const QString& attr : attrs)
            text += QStringLiteral("  <lab %1/>\r\n").arg(attr);
        WriteDocument(text + QStringLiteral("</labels>\r\n"));
    }
    QByteArray FileBytes() const { return ReadFileBytes(FilePath()); }

    TTempStation station;
    TRecordingPrompt prompt;
};

struct TDisabledCase {
    const char* What;
    QStringList Labs;
    int Id1;
    int Id2;
    bool AnyDisabled;
};

TEST_F(DisabledLabelsTest, IsAnyDisabled) {
    const QStringList nine = {QStringLiteral("id=\"9\" val=\"Dziewiątka\"")};
    const QStringList withoutId = {QStringLiteral("val=\"bez id\""),
                                   QStringLiteral("id=\"9\" val=\"Dziewiątka\"")};
    const TDisabledCase cases[] = {
        {"the second label disabled", nine, 5, 9, true},
        {"the first label disabled", nine, 9, 5, true},
        {"neither disabled", nine, 5, 8, false},
        {"a song without labels", nine, -1, -1, false},
        {"an entry without id does not match songs without a label", withoutId, 5, -1, false},
        {"an entry without id leaves the others working", withoutId, -1, 9, true},
        {"an empty list disables nothing", {}, 5, 9, false},
    };
    for (const TDisabledCase& c : cases) {
        WriteLabs(c.Labs);
        TArDisabledLabels labels;
        labels.Load();
        EXPECT_EQ(labels.IsAnyDisabled(c.Id1, c.Id2), c.AnyDisabled) << c.What;
        EXPECT_EQ(labels.IsDisabled(c.Id1) || labels.IsDisabled(c.Id2), c.AnyDisabled) << c.What;
    }
}

TEST_F(DisabledLabelsTest, LoadsEntriesSortedByTextIgnoringCase) {
    WriteLabs({QStringLiteral("id=\"3\" val=\"beta\""), QStringLiteral("id=\"1\" val=\"CEZAR\""),
               QStringLiteral("val=\"Alfa\""), QStringLiteral("id=\"x\" val=\"delta\"")});
    TArDisabledLabels labels;
    EXPECT_TRUE(labels.Load());
    ASSERT_EQ(labels.Count(), 4);
    const std::vector<TDisabledLabel> expected = {{QStringLiteral("Alfa"), -1},
                                                  {QStringLiteral("beta"), 3},
                                                  {QStringLiteral("CEZAR"), 1},
                                                  {QStringLiteral("delta"), -1}};
    EXPECT_EQ(labels.Labels(), expected);
    EXPECT_EQ(labels.LabelText(1), QStringLiteral("beta"));
    EXPECT_EQ(labels.LabelId(2), 1);
    EXPECT_FALSE(labels.Changed());
}

TEST_F(DisabledLabelsTest, LoadReplacesTheList) {
    WriteLabs({QStringLiteral("id=\"3\" val=\"a\"")});
    TArDisabledLabels labels;
    labels.Load();
    labels.Load();
    EXPECT_EQ(labels.Count(), 1);
    ASSERT_TRUE(QFile::remove(FilePath()));
    labels.Load();
    EXPECT_EQ(labels.Count(), 0) << "without a file no label is disabled";
    EXPECT_FALSE(labels.IsDisabled(3));
}

// Sorted: "abc", "R&B...", "Łódź" (Ł comes after the ASCII letters).
const char kLabelsBytes[] = "<labels>\r\n"
                            "  <lab id=\"12\" val=\"abc\"/>\r\n"
                            "  <lab id=\"5\" val=\"R&amp;B &quot;Hot&quot; &gt;x&lt; &apos;\"/>\r\n"
                            "  <lab id=\"7\" val=\"\xA3\xF3"
                            "d\x9F\"/>\r\n"
                            "</labels>\r\n";

TEST_F(DisabledLabelsTest, WritesEscapedTextsByteForByte) {
    TArDisabledLabels labels;
    labels.Replace({{QStringLiteral("R&B \"Hot\" >x< '"), 5},
                    {QStringLiteral("Łódź"), 7},
                    {QStringLiteral("abc"), 12}});
    EXPECT_TRUE(labels.Changed());
    EXPECT_TRUE(labels.IsDisabled(7));
    EXPECT_TRUE(labels.Save());
    EXPECT_EQ(FileBytes(), QByteArray(kLabelsBytes));
    EXPECT_FALSE(labels.Changed());

    TArDisabledLabels reread;
    reread.Load();
    EXPECT_EQ(reread.Labels(), labels.Labels()) << "quotes, \"&\" and \">\" survive";
    reread.MarkChanged();
    ASSERT_TRUE(QFile::remove(FilePath()));
    reread.Save();
    EXPECT_EQ(FileBytes(), QByteArray(kLabelsBytes));
}

struct TOldTextCase {
    const char* What;
    QString Val;
    QString Text;
};

TEST_F(DisabledLabelsTest, ReadsTextsOfOlderUnescapedFiles) {
    const TOldTextCase cases[] = {
        {"a bare ampersand stays", QStringLiteral("R&B"), QStringLiteral("R&B")},
        {"ampersands between words stay", QStringLiteral("Tom & Jerry & co"),
         QStringLiteral("Tom & Jerry & co")},
        {"an unknown entity stays", QStringLiteral("AT&T;"), QStringLiteral("AT&T;")},
        {"an unfinished entity stays", QStringLiteral("a &amp b"), QStringLiteral("a &amp b")},
        {"an ampersand at the end stays", QStringLiteral("Rock &"), QStringLiteral("Rock &")},
        {"known entities are decoded", QStringLiteral("a &lt;b&gt; &amp; &#65;"),
         QStringLiteral("a <b> & A")},
        {"one level only", QStringLiteral("&amp;lt;"), QStringLiteral("&lt;")},
        {"Polish letters", QStringLiteral("Żółć"), QStringLiteral("Żółć")},
        // Raw quotes were never written faithfully: the parser drops them and a space outside
        // them ends the value.
        {"raw quotes", QStringLiteral("say \"hi there\" now"), QStringLiteral("say hi")},
    };
    for (const TOldTextCase& c : cases) {
        WriteLabs({QStringLiteral("id=\"4\" val=\"%1\"").arg(c.Val)});
        TArDisabledLabels labels;
        labels.Load();
        ASSERT_EQ(labels.Count(), 1) << c.What;
        EXPECT_EQ(labels.LabelText(0), c.Text) << c.What;
        EXPECT_EQ(labels.LabelId(0), 4) << c.What;
    }
}

TEST_F(DisabledLabelsTest, SavesOnlyWhenChanged) {
    WriteLabs({QStringLiteral("id=\"3\" val=\"a\"")});
    TArDisabledLabels labels;
    labels.Load();
    ASSERT_TRUE(QFile::remove(FilePath()));
    EXPECT_TRUE(labels.Save());
    EXPECT_FALSE(QFile::exists(FilePath()));

    labels.Replace({});
    EXPECT_TRUE(labels.Changed());
    EXPECT_FALSE(labels.IsDisabled(3));
    labels.Save();
    EXPECT_EQ(FileBytes(), QByteArray("<labels>\r\n</labels>\r\n"));
}

TEST_F(DisabledLabelsTest, MissingFileIsSilent) {
    TArDisabledLabels labels;
    EXPECT_FALSE(labels.Load());
    EXPECT_EQ(labels.Count(), 0);
    EXPECT_FALSE(labels.Changed());
    EXPECT_TRUE(prompt.Boxes.isEmpty());
}

TEST_F(DisabledLabelsTest, UnreadableFileIsReportedWithTheFullPath) {
    ASSERT_TRUE(QDir(station.Dir()).mkdir(DisabledLabelsFileName));
    TArDisabledLabels labels;
    EXPECT_FALSE(labels.Load());
    ASSERT_EQ(prompt.Errors().size(), 1);
    EXPECT_TRUE(prompt.Errors()[0].startsWith(
        QStringLiteral("Błąd podczas ładowania pliku \"%1\". (").arg(FilePath())))
        << prompt.Errors()[0].toStdString();
}

TEST_F(DisabledLabelsTest, FailedSaveIsReportedWithTheFullPathAndClearsTheChangedFlag) {
    ASSERT_TRUE(QDir(station.Dir()).mkdir(DisabledLabelsFileName));
    TArDisabledLabels labels;
    labels.Replace({{QStringLiteral("a"), 1}});
    EXPECT_FALSE(labels.Save());
    ASSERT_EQ(prompt.Errors().size(), 1);
    EXPECT_TRUE(prompt.Errors()[0].startsWith(
        QStringLiteral("Błąd podczas zapisywania pliku \"%1\". (").arg(FilePath())))
        << prompt.Errors()[0].toStdString();
    EXPECT_FALSE(labels.Changed());
}

TEST_F(DisabledLabelsTest, FileCutInTheMiddleKeepsTheLabelsBeforeTheCut) {
    const QByteArray whole(kLabelsBytes);
    QFile file(FilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(whole.left(whole.indexOf("<lab id=\"7\"") + 6));
    file.close();
    TArDisabledLabels labels;
    EXPECT_FALSE(labels.Load()) << "a cut file is not read whole";
    EXPECT_EQ(labels.Count(), 2);
    EXPECT_TRUE(labels.IsAnyDisabled(12, 5));
    EXPECT_FALSE(labels.IsDisabled(7));
    EXPECT_EQ(prompt.Errors(), QStringList{QStringLiteral("Błąd podczas ładowania pliku \"%1\". "
                                                          "(plik jest niekompletny)")
                                               .arg(FilePath())});
}

TEST_F(DisabledLabelsTest, DefaultStationFileIsWhatAnEmptyListWrites) {
    station.CopyDefaultStation();
    const QByteArray stationBytes = FileBytes();
    TArDisabledLabels labels;
    EXPECT_TRUE(labels.Load());
    EXPECT_EQ(labels.Count(), 0);
    ASSERT_TRUE(QFile::remove(FilePath()));
    labels.MarkChanged();
    labels.Save();
    EXPECT_EQ(FileBytes(), stationBytes);
}

} // namespace
