#include "foundation/HTMLParser.h"
#include "foundation/uTextFile.h"
#include "settings/uArFreqGroups.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<TArFreqGroup> NewGroup(const QString& name, int id = -1) {
    auto group = std::make_unique<TArFreqGroup>();
    group->Name = name;
    group->Id = id;
    return group;
}

// --- One group

struct TMaxPeriodCase {
    int Max;
    int MPeriod;
    int Hours;
};

TEST(FreqGroup, MaxPeriodHours) {
    const TMaxPeriodCase cases[] = {
        {3, mpHour, 1}, {3, mpDay, 24}, {3, mpWeek, 168}, {3, mpMonth, 720}, {0, mpDay, 24},
        {3, 4, -1},     {3, -1, -1},    {-1, mpWeek, -1}, {-1, mpHour, -1},  {-1, mpMonth, -1},
    };
    for (const TMaxPeriodCase& c : cases) {
        TArFreqGroup group;
        group.Max = c.Max;
        group.MPeriod = c.MPeriod;
        EXPECT_EQ(group.MaxPeriodHours(), c.Hours) << "max " << c.Max << " mperiod " << c.MPeriod;
    }
}

TEST(FreqGroup, ResetRestoresTheDefaults) {
    TArFreqGroup group{7, QStringLiteral("g"), 2, fpHours, 3, mpWeek, true};
    group.Reset();
    EXPECT_EQ(group.Id, -1);
    EXPECT_EQ(group.Name, QString());
    EXPECT_EQ(group.Freq, -1);
    EXPECT_EQ(group.FPeriod, fpDays);
    EXPECT_EQ(group.Max, -1);
    EXPECT_EQ(group.MPeriod, mpDay);
    EXPECT_FALSE(group.ReadOnly);
}

struct TGroupNodeCase {
    const char* What;
    QString Attrs;
    TArFreqGroup Expected;
};

TEST(FreqGroup, LoadFromNode) {
    const TGroupNodeCase cases[] = {
        {"every attribute missing: the defaults", QString(), {-1, QString(), -1, 1, -1, 1, false}},
        {"every attribute given",
         QStringLiteral("id=\"3\" name=\"Hity &amp; &quot;przeboje&quot;\" freq=\"2\" "
                        "fperiod=\"0\" max=\"5\" mperiod=\"3\" readOnly=\"1\""),
         {3, QStringLiteral("Hity & \"przeboje\""), 2, 0, 5, 3, true}},
        {"numbers that are not numbers: the defaults",
         QStringLiteral("id=\"x\" freq=\"2h\" fperiod=\"\" max=\" 5\" mperiod=\"1.0\""),
         {-1, QString(), -1, 1, -1, 1, false}},
        {"readOnly spelled true",
         QStringLiteral("readOnly=\"TRUE\""),
         {-1, QString(), -1, 1, -1, 1, true}},
        {"readOnly neither true nor false",
         QStringLiteral("readOnly=\"tak\""),
         {-1, QString(), -1, 1, -1, 1, false}},
    };
    for (const TGroupNodeCase& c : cases) {
        THTMLParser parser;
        parser.Parse(QStringLiteral("<group %1/>").arg(c.Attrs));
        TArFreqGroup group{9, QStringLiteral("stara"), 4, 0, 4, 0, true}; // all replaced
        group.LoadFromNode(*FindChild(parser.Root(), QStringLiteral("group")));
        const TArFreqGroup& e = c.Expected;
        EXPECT_EQ(group.Id, e.Id) << c.What;
        EXPECT_EQ(group.Name, e.Name) << c.What;
        EXPECT_EQ(group.Freq, e.Freq) << c.What;
        EXPECT_EQ(group.FPeriod, e.FPeriod) << c.What;
        EXPECT_EQ(group.Max, e.Max) << c.What;
        EXPECT_EQ(group.MPeriod, e.MPeriod) << c.What;
        EXPECT_EQ(group.ReadOnly, e.ReadOnly) << c.What;
    }
}

// --- The list and "grupy.xml"

class FreqGroupsFileTest : public ::testing::Test {
protected:
    QString FilePath() const { return station.Path(FreqGroupsFileName); }
    void WriteDocument(const QString& text) const { ASSERT_TRUE(WriteTextFile(FilePath(), text)); }
    void WriteBytes(const QByteArray& bytes) const {
        QFile file(FilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray FileBytes() const { return ReadFileBytes(FilePath()); }

    TTempStation station;
    TRecordingPrompt prompt;
};

const char kGroupsBytes[] =
    "<groups lastId=\"12\" defSongGr=\"2\" defArtGr=\"-1\" globSongGr=\"10\" globArtGr=\"12\">\r\n"
    "  <group id=\"10\" name=\"Rzadko &amp; &lt;\xBF"
    "adne&gt; &quot;hity&quot;\" "
    "freq=\"2\" fperiod=\"0\" max=\"3\" mperiod=\"2\" readOnly=\"1\"/>\r\n"
    "  <group id=\"12\" name=\"\xA3\xF3"
    "d\x9F\" freq=\"-1\" fperiod=\"1\" max=\"-1\" "
    "mperiod=\"1\" readOnly=\"0\"/>\r\n"
    "  <group id=\"2\" name=\"\" freq=\"1\" fperiod=\"1\" max=\"-1\" mperiod=\"1\" "
    "readOnly=\"0\"/>\r\n"
    "</groups>\r\n";

TEST_F(FreqGroupsFileTest, WritesTheDocumentByteForByte) {
    TArFreqGroups groups;
    auto daily = NewGroup(QString(), 2);
    daily->Freq = 1;
    groups.Add(std::move(daily));
    groups.Add(std::make_unique<TArFreqGroup>(TArFreqGroup{
        10, QStringLiteral("Rzadko & <żadne> \"hity\""), 2, fpHours, 3, mpWeek, true}));
    groups.Add(NewGroup(QStringLiteral("Łódź"), 12));
    groups.SetDefSongGr(2);
    groups.SetGlobSongGr(10);
    groups.SetGlobArtGr(12);
    EXPECT_TRUE(groups.Save());
    EXPECT_EQ(FileBytes(), QByteArray(kGroupsBytes));
    EXPECT_FALSE(groups.Changed());
    EXPECT_TRUE(prompt.Boxes.isEmpty());
}

TEST_F(FreqGroupsFileTest, LoadsWhatItWroteAndWritesItBackUnchanged) {
    WriteBytes(kGroupsBytes);
    TArFreqGroups groups;
    EXPECT_TRUE(groups.Load());
    EXPECT_FALSE(groups.Changed());
    EXPECT_EQ(groups.LastId(), 12);
    EXPECT_EQ(groups.DefSongGr(), 2);
    EXPECT_EQ(groups.DefArtGr(), -1);
    EXPECT_EQ(groups.GlobSongGr(), 10);
    EXPECT_EQ(groups.GlobArtGr(), 12);
    ASSERT_EQ(groups.Count(), 3);
    EXPECT_EQ(groups.Items(0).Id, 10);
    const TArFreqGroup* rare = groups.FindById(10);
    ASSERT_NE(rare, nullptr);
    EXPECT_EQ(rare->Name, QStringLiteral("Rzadko & <żadne> \"hity\""));
    EXPECT_EQ(rare->MaxPeriodHours(), 168);
    EXPECT_TRUE(rare->ReadOnly);
    EXPECT_EQ(groups.FindById(12)->Name, QStringLiteral("Łódź"));

    ASSERT_TRUE(QFile::remove(FilePath()));
    groups.MarkChanged();
    EXPECT_TRUE(groups.Save());
    EXPECT_EQ(FileBytes(), QByteArray(kGroupsBytes));
}

TEST_F(FreqGroupsFileTest, MissingRootAttributesGiveNoGroups) {
    WriteDocument(QStringLiteral("<groups>\r\n</groups>\r\n"));
    TArFreqGroups groups;
    groups.SetDefSongGr(4); // replaced by the load
    groups.Load();
    EXPECT_EQ(groups.LastId(), 0);
    EXPECT_EQ(groups.DefSongGr(), -1);
    EXPECT_EQ(groups.DefArtGr(), -1);
    EXPECT_EQ(groups.GlobSongGr(), -1);
    EXPECT_EQ(groups.GlobArtGr(), -1);
}

TEST_F(FreqGroupsFileTest, SettersMarkChangedOnlyWhenTheValueDiffers) {
    WriteDocument(QStringLiteral("<groups lastId=\"1\" defSongGr=\"1\" defArtGr=\"1\" "
                                 "globSongGr=\"1\" globArtGr=\"1\"><group id=\"1\"/></groups>"));
    using TSetter = void (TArFreqGroups::*)(int);
    const TSetter setters[] = {&TArFreqGroups::SetDefSongGr, &TArFreqGroups::SetDefArtGr,
                               &TArFreqGroups::SetGlobSongGr, &TArFreqGroups::SetGlobArtGr};
    for (TSetter setter : setters) {
        TArFreqGroups groups;
        groups.Load();
        (groups.*setter)(1);
        EXPECT_FALSE(groups.Changed());
        (groups.*setter)(-1);
        EXPECT_TRUE(groups.Changed());
    }
}

TEST_F(FreqGroupsFileTest, SavesOnlyWhenChanged) {
    WriteDocument(QStringLiteral("<groups lastId=\"0\"></groups>"));
    TArFreqGroups groups;
    groups.Load();
    ASSERT_TRUE(QFile::remove(FilePath()));
    groups.SetGlobArtGr(-1);
    EXPECT_TRUE(groups.Save());
    EXPECT_FALSE(QFile::exists(FilePath())) << "nothing changed, nothing written";

    EXPECT_EQ(groups.Add(NewGroup(QStringLiteral("g"))), 1);
    EXPECT_TRUE(groups.Changed());
    EXPECT_TRUE(groups.Save());
    EXPECT_TRUE(QFile::exists(FilePath()));
    EXPECT_FALSE(groups.Changed());
}

TEST_F(FreqGroupsFileTest, LastIdIsRaisedToTheIdsReadSoIdsStayUnique) {
    WriteDocument(QStringLiteral("<groups lastId=\"0\"><group name=\"bez id\"/>"
                                 "<group id=\"3\"/></groups>"));
    TArFreqGroups groups;
    groups.Load();
    EXPECT_EQ(groups.LastId(), 4);
    EXPECT_EQ(groups.FindById(4)->Name, QStringLiteral("bez id"));
    EXPECT_EQ(groups.Add(NewGroup(QStringLiteral("nowa"))), 5);
}

TEST_F(FreqGroupsFileTest, ReloadKeepsAnAddedGroupAndItsId) {
    WriteDocument(QStringLiteral("<groups lastId=\"3\"><group id=\"3\"/></groups>"));
    TArFreqGroups groups;
    groups.Load();
    EXPECT_EQ(groups.Add(NewGroup(QStringLiteral("nowa"))), 4);

    groups.Load(); // a settings window's Cancel
    EXPECT_EQ(groups.Count(), 2);
    EXPECT_EQ(groups.LastId(), 4);
    EXPECT_EQ(groups.Add(NewGroup(QStringLiteral("kolejna"))), 5);
}

TEST_F(FreqGroupsFileTest, MissingFileIsSilentAndLeavesNoGroups) {
    TArFreqGroups groups;
    EXPECT_FALSE(groups.Load());
    EXPECT_EQ(groups.Count(), 0);
    EXPECT_EQ(groups.LastId(), 0);
    EXPECT_EQ(groups.DefSongGr(), -1);
    EXPECT_EQ(groups.GlobArtGr(), -1);
    EXPECT_FALSE(groups.Changed());
    EXPECT_TRUE(prompt.Boxes.isEmpty());
}

TEST_F(FreqGroupsFileTest, UnreadableFileIsReportedWithTheFileName) {
    ASSERT_TRUE(QDir(station.Dir()).mkdir(FreqGroupsFileName));
    TArFreqGroups groups;
    EXPECT_FALSE(groups.Load());
    ASSERT_EQ(prompt.Errors().size(), 1);
    EXPECT_TRUE(prompt.Errors()[0].startsWith(
        QStringLiteral("Błąd podczas ładowania pliku \"grupy.xml\". (")))
        << prompt.Errors()[0].toStdString();
}

TEST_F(FreqGroupsFileTest, FailedSaveIsReportedAndClearsTheChangedFlag) {
    ASSERT_TRUE(QDir(station.Dir()).mkdir(FreqGroupsFileName));
    TArFreqGroups groups;
    groups.Add(NewGroup(QStringLiteral("g")));
    EXPECT_FALSE(groups.Save());
    ASSERT_EQ(prompt.Errors().size(), 1);
    EXPECT_TRUE(prompt.Errors()[0].startsWith(
        QStringLiteral("Błąd podczas zapisywania pliku \"grupy.xml\". (")))
        << prompt.Errors()[0].toStdString();
    EXPECT_FALSE(groups.Changed());
}

TEST_F(FreqGroupsFileTest, FileCutInTheMiddleKeepsTheGroupsBeforeTheCut) {
    const QByteArray whole(kGroupsBytes);
    WriteBytes(whole.left(whole.indexOf("<group id=\"12\"") + 20));
    TArFreqGroups groups;
    EXPECT_FALSE(groups.Load()) << "a cut file is not read whole";
    ASSERT_EQ(groups.Count(), 1);
    EXPECT_EQ(groups.Items(0).Id, 10);
    EXPECT_EQ(groups.GlobSongGr(), 10);
    EXPECT_EQ(prompt.Errors(),
              QStringList{QStringLiteral(
                  "Błąd podczas ładowania pliku \"grupy.xml\". (plik jest niekompletny)")});
}

TEST_F(FreqGroupsFileTest, DefaultStationFileIsWhatAnEmptyListWrites) {
    station.CopyDefaultStation();
    const QByteArray stationBytes = FileBytes();
    TArFreqGroups groups;
    EXPECT_TRUE(groups.Load());
    EXPECT_EQ(groups.Count(), 0);
    EXPECT_EQ(groups.DefSongGr(), -1);
    ASSERT_TRUE(QFile::remove(FilePath()));
    groups.MarkChanged();
    groups.Save();
    EXPECT_EQ(FileBytes(), stationBytes);
}

} // namespace
