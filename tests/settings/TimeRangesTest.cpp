#include "foundation/HTMLParser.h"
#include "foundation/uTextFile.h"
#include "settings/uArTimeRanges.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

TDateTime DateOf(int year, int month, int day) {
    return DateToDateTime(QDate(year, month, day));
}

std::unique_ptr<TArTimeRange> NewRange(const QString& name, int id = -1) {
    auto range = std::make_unique<TArTimeRange>();
    range->Name = name;
    range->Id = id;
    return range;
}

// --- One blockade

struct TIsFreeCase {
    const char* What;
    std::vector<TArRangePair> Hours;
    std::vector<TArRangePair> Dates;
    std::vector<int> Days;
    int Minute;
    TDateTime Date;
    bool Free;
};

TEST(TimeRange, IsFree) {
    const std::vector<TArRangePair> lateEvening = {{22, 24}};
    const std::vector<TArRangePair> morning = {{6, 10}};
    const std::vector<TArRangePair> endOfYear = {{355, 365}};
    const std::vector<int> weekend = {1, 7};
    const TIsFreeCase cases[] = {
        {"nothing blocks nothing, at midnight", {}, {}, {}, 0, DateOf(2023, 6, 14), true},
        {"nothing blocks nothing, at 24:00", {}, {}, {}, 1440, DateOf(2024, 2, 29), true},
        {"22..24 blocks 22:00", lateEvening, {}, {}, 1320, DateOf(2023, 6, 14), false},
        {"22..24 blocks 24:00", lateEvening, {}, {}, 1440, DateOf(2023, 6, 14), false},
        {"22..24 leaves 21:59", lateEvening, {}, {}, 1319, DateOf(2023, 6, 14), true},
        {"22..24 on a leap day", lateEvening, {}, {}, 1320, DateOf(2024, 2, 29), false},
        {"22..24 leaves 21:59 of a leap day", lateEvening, {}, {}, 1319, DateOf(2024, 2, 29), true},
        {"6..10 leaves 05:59", morning, {}, {}, 359, DateOf(2023, 6, 14), true},
        {"6..10 blocks 06:00", morning, {}, {}, 360, DateOf(2023, 6, 14), false},
        {"6..10 blocks 10:00", morning, {}, {}, 600, DateOf(2023, 6, 14), false},
        {"6..10 leaves 10:01", morning, {}, {}, 601, DateOf(2023, 6, 14), true},
        {"0..24 blocks midnight", {{0, 24}}, {}, {}, 0, DateOf(2023, 6, 14), false},
        {"0..24 blocks 23:59", {{0, 24}}, {}, {}, 1439, DateOf(2023, 6, 14), false},
        {"355..365 blocks 21 December", {}, endOfYear, {}, 0, DateOf(2023, 12, 21), false},
        {"355..365 blocks 31 December", {}, endOfYear, {}, 0, DateOf(2023, 12, 31), false},
        {"355..365 leaves 20 December", {}, endOfYear, {}, 0, DateOf(2023, 12, 20), true},
        {"leap year: 20 December is day 355", {}, endOfYear, {}, 0, DateOf(2024, 12, 20), false},
        {"leap year: 31 December is day 366", {}, endOfYear, {}, 0, DateOf(2024, 12, 31), true},
        {"leap year: day 60 is 29 February", {}, {{60, 60}}, {}, 0, DateOf(2024, 2, 29), false},
        {"leap year: 1 March is day 61", {}, {{60, 60}}, {}, 0, DateOf(2024, 3, 1), true},
        {"common year: day 60 is 1 March", {}, {{60, 60}}, {}, 0, DateOf(2023, 3, 1), false},
        {"days 1 and 7 block Sunday", {}, {}, weekend, 720, DateOf(2024, 3, 10), false},
        {"days 1 and 7 block Saturday", {}, {}, weekend, 720, DateOf(2024, 3, 9), false},
        {"days 1 and 7 leave Monday", {}, {}, weekend, 720, DateOf(2024, 3, 11), true},
        {"days 1 and 7 leave Friday", {}, {}, weekend, 720, DateOf(2024, 3, 8), true},
        {"any part blocks on its own", morning, endOfYear, weekend, 720, DateOf(2024, 3, 10),
         false},
        {"free when no part blocks", morning, endOfYear, weekend, 720, DateOf(2024, 3, 11), true},
        {"the time of day of the date does not matter",
         lateEvening,
         {},
         weekend,
         100,
         DateOf(2024, 3, 11) + 0.99,
         true},
    };
    for (const TIsFreeCase& c : cases) {
        TArTimeRange range;
        for (const TArRangePair& pair : c.Hours)
            range.AddHours(pair.Start, pair.Stop);
        for (const TArRangePair& pair : c.Dates)
            range.AddDates(pair.Start, pair.Stop);
        for (int day : c.Days)
            range.SetDay(day, true);
        EXPECT_EQ(range.IsFree(c.Minute, c.Date), c.Free) << c.What;
    }
}

TEST(TimeRange, PartsAndClear) {
    TArTimeRange range;
    range.AddHours(6, 10);
    range.AddHours(-1, 70000); // the low 16 bits, as the file stores them
    range.AddDates(1, 31);
    range.SetDay(2, true);
    range.SetDay(0, true); // not a weekday
    range.SetDay(8, true);
    EXPECT_EQ(range.HourCount(), 2);
    EXPECT_EQ(range.HourRange(1), (TArRangePair{65535, 4464}));
    EXPECT_EQ(range.DateRange(0), (TArRangePair{1, 31}));
    EXPECT_TRUE(range.HasDay(2));
    EXPECT_FALSE(range.HasDay(0));
    EXPECT_FALSE(range.HasDay(8));
    EXPECT_THROW(range.HourRange(2), std::out_of_range);

    range.SetHourCount(1);
    range.SetDateCount(3);
    EXPECT_EQ(range.HourCount(), 1);
    EXPECT_EQ(range.DateCount(), 3);
    EXPECT_EQ(range.DateRange(2), (TArRangePair{0, 0}));
    range.SetDay(2, false);
    EXPECT_FALSE(range.HasDays());

    range.SetDay(5, true);
    range.Clear();
    EXPECT_EQ(range.HourCount(), 0);
    EXPECT_EQ(range.DateCount(), 0);
    EXPECT_FALSE(range.HasDays());
}

struct TRangeNodeCase {
    const char* What;
    QString Body;
    std::vector<TArRangePair> Hours;
    std::vector<TArRangePair> Dates;
    std::vector<int> Days;
};

TEST(TimeRange, LoadFromNode) {
    const QString three = QStringLiteral("<Item start=\"1\" stop=\"2\"/><Item start=\"3\" "
                                         "stop=\"4\"/><Item start=\"5\" stop=\"6\"/>");
    const TRangeNodeCase cases[] = {
        {"count 2 with three items gives two pairs",
         QStringLiteral("<hours count=\"2\">%1</hours>").arg(three),
         {{1, 2}, {3, 4}},
         {},
         {}},
        {"count 3 with one item gives one pair",
         QStringLiteral("<hours count=\"3\"><Item start=\"6\" stop=\"10\"/></hours>"),
         {{6, 10}},
         {},
         {}},
        {"without count, none", QStringLiteral("<hours>%1</hours>").arg(three), {}, {}, {}},
        {"count 0, none", QStringLiteral("<hours count=\"0\">%1</hours>").arg(three), {}, {}, {}},
        {"dates alike",
         QStringLiteral("<dates count=\"2\">%1</dates>").arg(three),
         {},
         {{1, 2}, {3, 4}},
         {}},
        {"missing ends are 0, others keep their low 16 bits",
         QStringLiteral("<hours count=\"2\"><Item stop=\"5\"/><Item start=\"-1\" "
                        "stop=\"x\"/></hours>"),
         {{0, 5}, {65535, 0}},
         {},
         {}},
        {"days without id or outside the week are dropped",
         QStringLiteral("<days><Item id=\"7\"/><Item/><Item id=\"1\"/><Item id=\"9\"/>"
                        "<Item id=\"1\"/></days>"),
         {},
         {},
         {1, 7}},
        {"a part written twice: the first counts",
         QStringLiteral("<hours count=\"1\"><Item start=\"1\" stop=\"2\"/></hours>"
                        "<hours count=\"1\"><Item start=\"3\" stop=\"4\"/></hours>"),
         {{1, 2}},
         {},
         {}},
    };
    for (const TRangeNodeCase& c : cases) {
        THTMLParser parser;
        parser.Parse(QStringLiteral("<range id=\"4\" name=\"A &amp; B\">%1</range>").arg(c.Body));
        TArTimeRange range;
        range.AddHours(20, 21); // replaced by the element's parts
        range.LoadFromNode(*FindChild(parser.Root(), QStringLiteral("range")));
        EXPECT_EQ(range.Id, 4) << c.What;
        EXPECT_EQ(range.Name, QStringLiteral("A & B")) << c.What;
        std::vector<TArRangePair> hours;
        for (int i = 0; i < range.HourCount(); ++i)
            hours.push_back(range.HourRange(i));
        std::vector<TArRangePair> dates;
        for (int i = 0; i < range.DateCount(); ++i)
            dates.push_back(range.DateRange(i));
        std::vector<int> days;
        for (int day = 1; day <= 7; ++day)
            if (range.HasDay(day))
                days.push_back(day);
        EXPECT_EQ(hours, c.Hours) << c.What;
        EXPECT_EQ(dates, c.Dates) << c.What;
        EXPECT_EQ(days, c.Days) << c.What;
    }
}

TEST(TimeRange, ElementWithoutIdHasIdMinusOne) {
    THTMLParser parser;
    parser.Parse(QStringLiteral("<range name=\"x\"/>"));
    TArTimeRange range;
    range.LoadFromNode(*FindChild(parser.Root(), QStringLiteral("range")));
    EXPECT_EQ(range.Id, -1);
}

// --- The list and "blokady.xml"

class TimeRangesFileTest : public ::testing::Test {
protected:
    QString FilePath() const { return station.Path(TimeRangesFileName); }
    void WriteDocument(const QString& text) const { ASSERT_TRUE(WriteTextFile(FilePath(), text)); }
    QByteArray FileBytes() const { return ReadFileBytes(FilePath()); }
    static QStringList Ids(const TArTimeRanges& ranges) {
        QStringList ids;
        for (int i = 0; i < ranges.Count(); ++i)
            ids << QString::number(ranges.Items(i).Id);
        return ids;
    }

    TTempStation station;
    TRecordingPrompt prompt;
};

// Two ranges: ids 2 and 10, so id 10 is written first.
const char kTwoRangesBytes[] = "<ranges lastId=\"10\" first=\"45000,5\">\r\n"
                               "  <range id=\"10\" name=\"Noc &amp; &quot;cisza&quot; "
                               "&lt;\xBF&gt; &apos;x&apos;\">\r\n"
                               "    <hours count=\"1\">\r\n"
                               "      <Item start=\"22\" stop=\"24\"/>\r\n"
                               "    </hours>\r\n"
                               "    <dates count=\"2\">\r\n"
                               "      <Item start=\"1\" stop=\"6\"/>\r\n"
                               "      <Item start=\"355\" stop=\"365\"/>\r\n"
                               "    </dates>\r\n"
                               "    <days>\r\n"
                               "    <Item id=\"1\"/>\r\n"
                               "    <Item id=\"7\"/>\r\n"
                               "    </days>\r\n"
                               "  </range>\r\n"
                               "  <range id=\"2\" name=\"\xA3\xF3"
                               "d\x9F\">\r\n"
                               "    <hours count=\"0\">\r\n"
                               "    </hours>\r\n"
                               "    <dates count=\"0\">\r\n"
                               "    </dates>\r\n"
                               "    <days>\r\n"
                               "    </days>\r\n"
                               "  </range>\r\n"
                               "</ranges>\r\n";

TEST_F(TimeRangesFileTest, WritesTheDocumentByteForByte) {
    TArTimeRanges ranges;
    ranges.Add(NewRange(QStringLiteral("Łódź"), 2));
    auto night = NewRange(QStringLiteral("Noc & \"cisza\" <ż> 'x'"), 10);
    night->AddHours(22, 24);
    night->AddDates(1, 6);
    night->AddDates(355, 365);
    night->SetDay(7, true);
    night->SetDay(1, true);
    ranges.Add(std::move(night));
    ranges.SetFirstDay(45000.5); // saves at once

    EXPECT_EQ(FileBytes(), QByteArray(kTwoRangesBytes));
    EXPECT_FALSE(ranges.Changed());
    EXPECT_TRUE(prompt.Boxes.isEmpty());
}

TEST_F(TimeRangesFileTest, LoadsWhatItWroteAndWritesItBackUnchanged) {
    QFile file(FilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kTwoRangesBytes);
    file.close();

    TArTimeRanges ranges;
    EXPECT_TRUE(ranges.Load());
    EXPECT_FALSE(ranges.Changed());
    EXPECT_EQ(ranges.LastId(), 10);
    EXPECT_EQ(ranges.FirstDay(), 45000.5);
    ASSERT_EQ(Ids(ranges), QStringList({"10", "2"}));
    const TArTimeRange* night = ranges.FindById(10);
    ASSERT_NE(night, nullptr);
    EXPECT_EQ(night->Name, QStringLiteral("Noc & \"cisza\" <ż> 'x'"));
    EXPECT_EQ(night->HourCount(), 1);
    EXPECT_EQ(night->DateRange(1), (TArRangePair{355, 365}));
    EXPECT_TRUE(night->HasDay(1));
    EXPECT_TRUE(night->HasDay(7));
    EXPECT_EQ(ranges.FindById(2)->Name, QStringLiteral("Łódź"));

    ASSERT_TRUE(QFile::remove(FilePath()));
    EXPECT_TRUE(ranges.Save());
    EXPECT_EQ(FileBytes(), QByteArray(kTwoRangesBytes));
}

TEST_F(TimeRangesFileTest, IdsAreOrderedByTheirDecimalText) {
    TArTimeRanges ranges;
    for (int id : {3, 11, 1, 2, 10})
        ranges.Add(NewRange(QStringLiteral("r"), id));
    EXPECT_EQ(Ids(ranges), QStringList({"1", "10", "11", "2", "3"}));
    EXPECT_EQ(ranges.IndexOfId(2), 3);
    EXPECT_EQ(ranges.IndexOfId(4), -1);
    EXPECT_EQ(ranges.FindById(4), nullptr);
}

struct TFirstDayTextCase {
    const char* What;
    TDateTime Value;
    QString Text;
};

TEST_F(TimeRangesFileTest, FirstDayIsWrittenAsTheLocaleWritesAGeneralNumber) {
    const TFirstDayTextCase cases[] = {
        {"a whole day", 45000, QStringLiteral("45000")},
        {"a comma before the fraction", 45000.25, QStringLiteral("45000,25")},
        {"15 significant digits", 45678.1234567890123, QStringLiteral("45678,123456789")},
        {"before 1900", -1.25, QStringLiteral("-1,25")},
        {"zero", 0, QStringLiteral("0")},
        {"small values stay plain down to 0.00001", 0.00001, QStringLiteral("0,00001")},
        {"below that, an exponent", 0.000001, QStringLiteral("1E-6")},
    };
    for (const TFirstDayTextCase& c : cases) {
        TArTimeRanges ranges;
        ranges.SetFirstDay(c.Value);
        QString text;
        ASSERT_TRUE(ReadTextFile(FilePath(), text));
        EXPECT_EQ(text,
                  QStringLiteral("<ranges lastId=\"0\" first=\"%1\">\r\n</ranges>\r\n").arg(c.Text))
            << c.What;

        TArTimeRanges reread;
        reread.Load();
        EXPECT_DOUBLE_EQ(reread.FirstDay(), c.Value) << c.What;
    }
}

struct TFirstDayReadCase {
    const char* What;
    QString Attr;
    std::optional<TDateTime> Value; // none: the current date and time
};

TEST_F(TimeRangesFileTest, FirstDayIsReadWithEitherSeparatorElseItIsNow) {
    const TFirstDayReadCase cases[] = {
        {"comma", QStringLiteral(" first=\"45000,5\""), 45000.5},
        {"dot, as written under another locale", QStringLiteral(" first=\"45000.5\""), 45000.5},
        {"whole", QStringLiteral(" first=\"45000\""), 45000},
        {"negative", QStringLiteral(" first=\"-1,25\""), -1.25},
        {"exponent", QStringLiteral(" first=\"1E-6\""), 0.000001},
        {"missing", QString(), std::nullopt},
        {"empty", QStringLiteral(" first=\"\""), std::nullopt},
        {"not a number", QStringLiteral(" first=\"wczoraj\""), std::nullopt},
        {"two separators", QStringLiteral(" first=\"45.000,5\""), std::nullopt},
        {"out of range", QStringLiteral(" first=\"1E300\""), std::nullopt},
    };
    for (const TFirstDayReadCase& c : cases) {
        const TDateTime before = Now();
        TArTimeRanges ranges;
        ranges.SetFirstDay(1); // replaced by the load
        WriteDocument(QStringLiteral("<ranges lastId=\"0\"%1>\r\n</ranges>\r\n").arg(c.Attr));
        ranges.Load();
        if (c.Value) {
            EXPECT_DOUBLE_EQ(ranges.FirstDay(), *c.Value) << c.What;
        } else {
            EXPECT_GE(ranges.FirstDay(), before) << c.What;
            EXPECT_LE(ranges.FirstDay(), Now()) << c.What;
        }
    }
}

TEST_F(TimeRangesFileTest, NewRangesTakeTheNextIdAndDeletedIdsAreNotReused) {
    WriteDocument(QStringLiteral("<ranges lastId=\"4\" first=\"45000\">\r\n</ranges>\r\n"));
    TArTimeRanges ranges;
    ranges.Load();
    EXPECT_EQ(ranges.Add(NewRange(QStringLiteral("nowa"))), 5);
    EXPECT_EQ(ranges.LastId(), 5);
    EXPECT_TRUE(ranges.Changed());

    EXPECT_TRUE(ranges.DeleteById(5));
    EXPECT_EQ(ranges.Count(), 0);
    EXPECT_EQ(ranges.LastId(), 5);
    EXPECT_EQ(ranges.Add(NewRange(QStringLiteral("kolejna"))), 6);
}

TEST_F(TimeRangesFileTest, AddingAnIdThatIsPresentReplacesThatRange) {
    TArTimeRanges ranges;
    ranges.Add(NewRange(QStringLiteral("stara"), 3));
    EXPECT_EQ(ranges.Add(NewRange(QStringLiteral("nowa"), 3)), 3);
    ASSERT_EQ(ranges.Count(), 1);
    EXPECT_EQ(ranges.Items(0).Name, QStringLiteral("nowa"));
    EXPECT_EQ(ranges.LastId(), 3) << "the counter never falls behind an id in the list";
}

struct TLastIdCase {
    const char* What;
    QString Document;
    QStringList Ids;
    int LastId;
};

TEST_F(TimeRangesFileTest, LastIdIsRaisedToTheIdsReadSoIdsStayUnique) {
    const TLastIdCase cases[] = {
        {"lastId above the ids",
         QStringLiteral("<ranges lastId=\"9\"><range id=\"2\"/></ranges>"),
         {"2"},
         9},
        {"lastId below an id",
         QStringLiteral("<ranges lastId=\"1\"><range id=\"1\"/><range id=\"5\"/></ranges>"),
         {"1", "5"},
         5},
        {"lastId missing", QStringLiteral("<ranges><range id=\"3\"/></ranges>"), {"3"}, 3},
        {"a range without id takes a fresh id, not a later range's",
         QStringLiteral("<ranges lastId=\"0\"><range name=\"a\"/><range id=\"1\"/></ranges>"),
         {"1", "2"},
         2},
    };
    for (const TLastIdCase& c : cases) {
        WriteDocument(c.Document);
        TArTimeRanges ranges;
        ranges.Load();
        EXPECT_EQ(Ids(ranges), c.Ids) << c.What;
        EXPECT_EQ(ranges.LastId(), c.LastId) << c.What;
        const int fresh = ranges.Add(NewRange(QStringLiteral("nowa")));
        EXPECT_EQ(fresh, c.LastId + 1) << c.What;
        EXPECT_EQ(ranges.Count(), c.Ids.size() + 1) << c.What;
    }
    EXPECT_TRUE(prompt.Boxes.isEmpty());
}

TEST_F(TimeRangesFileTest, RepeatedIdKeepsTheLaterRange) {
    WriteDocument(QStringLiteral("<ranges lastId=\"4\"><range id=\"4\" name=\"a\"/>"
                                 "<range id=\"4\" name=\"b\"/></ranges>"));
    TArTimeRanges ranges;
    ranges.Load();
    EXPECT_EQ(Ids(ranges), QStringList({"4"}));
    EXPECT_EQ(ranges.FindById(4)->Name, QStringLiteral("b"));
}

TEST_F(TimeRangesFileTest, ReloadRestoresTheFileAndKeepsRangesItDoesNotHave) {
    WriteDocument(
        QStringLiteral("<ranges lastId=\"4\" first=\"45000\">\r\n"
                       "  <range id=\"4\" name=\"plik\">\r\n  </range>\r\n</ranges>\r\n"));
    TArTimeRanges ranges;
    ranges.Load();
    ranges.FindById(4)->Name = QStringLiteral("zmieniona");
    EXPECT_EQ(ranges.Add(NewRange(QStringLiteral("dodana"))), 5);

    ranges.Load(); // a settings window's Cancel
    EXPECT_FALSE(ranges.Changed());
    EXPECT_EQ(ranges.FindById(4)->Name, QStringLiteral("plik"));
    ASSERT_NE(ranges.FindById(5), nullptr);
    EXPECT_EQ(ranges.LastId(), 5) << "the file's lastId 4 would hand out 5 again";
    EXPECT_EQ(ranges.Add(NewRange(QStringLiteral("kolejna"))), 6);
    EXPECT_EQ(ranges.Count(), 3);
}

TEST_F(TimeRangesFileTest, ChangedFlag) {
    WriteDocument(QStringLiteral("<ranges lastId=\"2\" first=\"45000\"><range id=\"1\"/>"
                                 "<range id=\"2\"/></ranges>"));
    TArTimeRanges ranges;
    ranges.Load();
    EXPECT_FALSE(ranges.Changed());
    EXPECT_FALSE(ranges.DeleteById(7));
    EXPECT_FALSE(ranges.Changed()) << "deleting an id no range has changes nothing";
    EXPECT_TRUE(ranges.DeleteById(1));
    EXPECT_TRUE(ranges.Changed());
    ranges.Save();
    EXPECT_FALSE(ranges.Changed());
    ranges.Delete(0);
    EXPECT_TRUE(ranges.Changed());
    EXPECT_EQ(ranges.Count(), 0);
    EXPECT_THROW(ranges.Delete(0), std::out_of_range);
}

TEST_F(TimeRangesFileTest, SaveWritesEvenWhenNothingChanged) {
    WriteDocument(QStringLiteral("<ranges lastId=\"0\" first=\"45000\"></ranges>"));
    TArTimeRanges ranges;
    ranges.Load();
    ASSERT_TRUE(QFile::remove(FilePath()));
    EXPECT_FALSE(ranges.Changed());
    EXPECT_TRUE(ranges.Save());
    EXPECT_EQ(FileBytes(), QByteArray("<ranges lastId=\"0\" first=\"45000\">\r\n</ranges>\r\n"));
}

TEST_F(TimeRangesFileTest, MissingFileIsSilentAndLeavesAnEmptyListStartingNow) {
    const TDateTime before = Now();
    TArTimeRanges ranges;
    EXPECT_FALSE(ranges.Load());
    EXPECT_EQ(ranges.Count(), 0);
    EXPECT_EQ(ranges.LastId(), 0);
    EXPECT_GE(ranges.FirstDay(), before);
    EXPECT_LE(ranges.FirstDay(), Now());
    EXPECT_FALSE(ranges.Changed());
    EXPECT_TRUE(prompt.Boxes.isEmpty());
    EXPECT_FALSE(QFile::exists(FilePath())) << "loading creates no file";
}

TEST_F(TimeRangesFileTest, DocumentWithoutRangesRootKeepsTheList) {
    TArTimeRanges ranges;
    ranges.SetFirstDay(45000);
    ranges.Add(NewRange(QStringLiteral("r"), 1));
    WriteDocument(QStringLiteral("<groups lastId=\"7\"><range id=\"3\"/></groups>"));
    EXPECT_FALSE(ranges.Load());
    EXPECT_EQ(Ids(ranges), QStringList({"1"}));
    EXPECT_EQ(ranges.FirstDay(), 45000);
    EXPECT_FALSE(ranges.Changed());
    EXPECT_EQ(prompt.Errors(), QStringList{QStringLiteral("Błąd podczas ładowania pliku "
                                                          "\"blokady.xml\". (brak elementu "
                                                          "\"ranges\")")});
    EXPECT_FALSE(ranges.ReadWhole());
}

TEST_F(TimeRangesFileTest, UnreadableFileIsReportedWithTheFileName) {
    ASSERT_TRUE(QDir(station.Dir()).mkdir(TimeRangesFileName));
    TArTimeRanges ranges;
    ranges.Add(NewRange(QStringLiteral("r"), 1));
    EXPECT_FALSE(ranges.Load());
    ASSERT_EQ(prompt.Errors().size(), 1);
    EXPECT_TRUE(prompt.Errors()[0].startsWith(
        QStringLiteral("Błąd podczas ładowania pliku \"blokady.xml\". (")))
        << prompt.Errors()[0].toStdString();
    EXPECT_EQ(ranges.Count(), 1);
    EXPECT_FALSE(ranges.Changed());
}

TEST_F(TimeRangesFileTest, FailedSaveIsReportedAndClearsTheChangedFlag) {
    ASSERT_TRUE(QDir(station.Dir()).mkdir(TimeRangesFileName));
    TArTimeRanges ranges;
    ranges.Add(NewRange(QStringLiteral("r")));
    EXPECT_FALSE(ranges.Save());
    ASSERT_EQ(prompt.Errors().size(), 1);
    EXPECT_TRUE(prompt.Errors()[0].startsWith(
        QStringLiteral("Błąd podczas zapisywania pliku \"blokady.xml\". (")))
        << prompt.Errors()[0].toStdString();
    EXPECT_FALSE(ranges.Changed());
}

TEST_F(TimeRangesFileTest, FileCutInTheMiddleKeepsTheRangesBeforeTheCut) {
    const QByteArray whole(kTwoRangesBytes);
    const QByteArray cut = whole.left(whole.indexOf("<range id=\"2\"") + 8);
    QFile file(FilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(cut);
    file.close();

    TArTimeRanges ranges;
    EXPECT_FALSE(ranges.Load()) << "a cut file is not read whole";
    EXPECT_EQ(Ids(ranges), QStringList({"10"}));
    EXPECT_EQ(ranges.FindById(10)->DateCount(), 2);
    EXPECT_EQ(ranges.LastId(), 10);
    EXPECT_EQ(prompt.Errors(), QStringList{QStringLiteral("Błąd podczas ładowania pliku "
                                                          "\"blokady.xml\". (plik jest "
                                                          "niekompletny)")});
    // Not written at exit, so the ranges past the cut are still in the file.
    EXPECT_TRUE(ranges.SaveAtExit());
    EXPECT_EQ(FileBytes(), cut);
}

TEST_F(TimeRangesFileTest, DefaultStationStartsEmptyAndFixesItsFirstDayAtTheFirstSave) {
    station.CopyDefaultStation();
    const QByteArray stationBytes = FileBytes();
    EXPECT_EQ(stationBytes, QByteArray("<ranges lastId=\"0\">\r\n</ranges>\r\n"));

    const TDateTime before = Now();
    TArTimeRanges ranges;
    EXPECT_TRUE(ranges.Load());
    EXPECT_EQ(ranges.Count(), 0);
    EXPECT_EQ(ranges.LastId(), 0);
    EXPECT_GE(ranges.FirstDay(), before) << "a new station's history starts on its first run";
    EXPECT_LE(ranges.FirstDay(), Now());

    ranges.Save();
    const QString first = QString::number(ranges.FirstDay(), 'g', 15).replace(u'.', u',');
    EXPECT_EQ(FileBytes(), QStringLiteral("<ranges lastId=\"0\" first=\"%1\">\r\n</ranges>\r\n")
                               .arg(first)
                               .toLatin1());

    TArTimeRanges reread;
    reread.Load();
    EXPECT_NEAR(reread.FirstDay(), ranges.FirstDay(), 1e-9);
}

} // namespace
