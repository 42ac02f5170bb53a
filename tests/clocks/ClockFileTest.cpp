#include "clocks/ClockFixture.h"
#include "foundation/uAppPaths.h"
#include "foundation/uTextFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

class ClockFileTest : public TClockFixture {
protected:
    QString ClockFile(const QString& name = QStringLiteral("zegar.ctm")) const {
        return Station.Path(name);
    }
    // A clock read from the markup.
    std::unique_ptr<TClock> Read(const QString& markup) const {
        EXPECT_TRUE(WriteTextFile(ClockFile(), markup));
        auto clock = std::make_unique<TClock>(cmClock);
        EXPECT_TRUE(clock->LoadClockFile(ClockFile()));
        return clock;
    }
    static QString SavedText(TClock& clock, const QString& path) {
        EXPECT_TRUE(clock.SaveClockFile(path, true));
        QString text;
        EXPECT_TRUE(ReadTextFile(path, text));
        return text;
    }
    // Everything a row shows and carries, its items included.
    static void ExpectSameRows(const TClockRows& read, const TClockRows& written) {
        ASSERT_EQ(read.size(), written.size());
        for (std::size_t i = 0; i < written.size(); ++i) {
            const TClockObjData& a = *written[i];
            const TClockObjData& b = *read[i];
            for (int column = 0; column < ClockColumnCount; ++column)
                EXPECT_EQ(b.CellText(column), a.CellText(column)) << i << " " << column;
            EXPECT_EQ(b.Flags, a.Flags) << i;
            EXPECT_EQ(b.RowPlayTime, a.RowPlayTime) << i;
            EXPECT_EQ(b.ImageIndex, a.ImageIndex) << i;
            ASSERT_EQ(b.Object() != nullptr, a.Object() != nullptr) << i;
            if (a.Object() != nullptr) {
                EXPECT_EQ(b.Object()->Id, a.Object()->Id) << i;
                EXPECT_EQ(b.Object()->ExTime(), a.Object()->ExTime()) << i;
                EXPECT_EQ(b.Object()->UExTime, a.Object()->UExTime) << i;
                EXPECT_EQ(b.Object()->UserInfo, a.Object()->UserInfo) << i;
            }
            ExpectSameRows(b.Children, a.Children);
        }
    }
};

// --- The written form

TEST_F(ClockFileTest, IsWrittenAsTheClockElementWithOneRowElementEach) {
    BroadcastList->AddBroadcast(NewBroadcast(QStringLiteral("Dżingle"), {Jingle}));
    TClock clock(cmClock);
    clock.SetName(QStringLiteral("Próbny"));
    TClockObjData* hits = clock.InsertObjects(*Hits, nullptr, ipAfter);
    clock.SetRowPlayTime(hits, 300, true);
    clock.SetRowChars(hits, ccTempo, QStringLiteral("Wolne,Szybkie"));
    clock.SetRowAny(hits, false);
    TClockObjData* news = clock.InsertObjects(*News, nullptr, ipAfter);
    news->Object()->UserInfo = QStringLiteral("Wiadomości");
    ASSERT_TRUE(clock.SetRowHour(news, Hms(0, 10), true));
    clock.InsertObjects(*BroadcastList->BroadcastAt(0), nullptr, ipAfter);

    EXPECT_EQ(
        SavedText(clock, ClockFile()),
        CrLfLines({
            "",
            "  <clock name=\"Próbny\">",
            "    <clObj clHour=\"0\" ownHour=\"0\" clPlayTime=\"300\" any=\"0\" id=\"0\" "
            "exTime=\"1\" uexTime=\"0\">",
            "      <tempo>",
            "        <val id=\"1\"/>",
            "        <val id=\"3\"/>",
            "      </tempo>",
            "    </clObj>",
            "    <clObj clHour=\"600\" ownHour=\"1\" id=\"2\" exTime=\"1\" uexTime=\"0\" "
            "UserInfo=\"Wiadomości\"/>",
            "    <clObj clHour=\"780\" ownHour=\"0\" id=\"10001\" exTime=\"1\" uexTime=\"0\">",
            "      <brObj objType=\"5\" objName=\"Jingiel\" exTime=\"1\" id=\"-1\" sCat=\"1\" "
            "rest=\"1\" hprior=\"0\" uexTime=\"0\" sepEnb=\"2\" masterId=\"3\" "
            "playTime=\"10\" hour=\"780\" ownHour=\"0\" ownTime=\"0\" mstType=\"3\" any=\"1\" "
            "clHour=\"780\" changes=\"0\">",
            "        <propType/>",
            "        <tempo/>",
            "        <atmosphere/>",
            "        <years/>",
            "        <vocal/>",
            "        <language/>",
            "      </brObj>",
            "    </clObj>",
            "  </clock>",
        }));
}

TEST_F(ClockFileTest, AClockReadsBackEqualAndSavesToTheSameBytes) {
    TBroadcast* pinned = AddPinnedBroadcast(QStringLiteral("Serwis"), Hms(6), 600);
    std::unique_ptr<TBroadcast> block = NewBroadcast(QStringLiteral("Blok"), {Hits, Jingle});
    TBroadcast* free = BroadcastList->AddBroadcast(std::move(block));
    TClock clock(cmClock);
    clock.SetName(QStringLiteral("Dzień <próbny> & \"pełny\""));
    TClockObjData* hits = clock.InsertObjects(*Hits, nullptr, ipAfter);
    clock.SetRowChars(hits, ccAtmosphere, QStringLiteral("Radosny,Spokojny"));
    clock.SetRowChars(hits, ccYears, QString());
    clock.InsertObjects(*Songs, nullptr, ipAfter);
    TClockObjData* news = clock.InsertObjects(*News, nullptr, ipAfter);
    news->Object()->UserInfo = QStringLiteral("Reklama <\"Firma\"> & 'Syn'");
    clock.SetRowPlayTime(news, 200, false);
    clock.InsertObjects(*pinned, nullptr, ipAfter);
    clock.InsertObjects(*Ballads, nullptr, ipAfter);
    TClockObjData* blockRow = clock.InsertObjects(*free, nullptr, ipAfter);
    TClockObjData* item = blockRow->Children[0].get();
    clock.SetRowChars(item, ccAtmosphere, QStringLiteral("Radosny"));
    clock.SetRowAny(item, false);

    // A planned day's file has the same form.
    ASSERT_TRUE(QDir(Station.Dir()).mkdir(kPlanDir));
    const QString planned = PlanFilePath(pkPlanned, QDate(2024, 3, 1));
    SavedText(clock, planned);
    const QByteArray bytes = ReadFileBytes(planned);
    TClock read(cmClock);
    ASSERT_TRUE(read.LoadClockFile(planned));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
    EXPECT_EQ(read.Name(), clock.Name());
    EXPECT_EQ(read.ClockPath, planned);
    ExpectSameRows(read.Rows(), clock.Rows());
    EXPECT_EQ(read.Row(3)->Children.size(), 3u);
    EXPECT_EQ(read.Row(5)->Children[0]->CharText(ccTempo), QStringLiteral("Szybkie"))
        << "the item's values filled from its master";

    ASSERT_TRUE(read.SaveClockFile(ClockFile(), true));
    EXPECT_EQ(ReadFileBytes(ClockFile()), bytes);
}

// --- Reading rows

TEST_F(ClockFileTest, RowIdsAreLookedUpInTheListTheyBelongTo) {
    AddNewsBroadcast();                                 // 10001
    AddPinnedBroadcast(QStringLiteral("Nocny"), 0, 60); // 10002
    struct TCase {
        const char* Row;
        int Kind; // -1: no object
    };
    const TCase cases[] = {
        {"<clObj id=\"4\"/>", otPlayList},
        {"<clObj/>", -1},
        {"<clObj id=\"-3\"/>", -1},
        {"<clObj id=\"10001\"/>", -1}, // looked for in the category list
        {"<clObj id=\"10001\"><brObj objType=\"5\" masterId=\"3\"/></clObj>", otBroadcast},
        {"<clObj id=\"10001\"><tempo/></clObj>", otBroadcast},
        {"<clObj id=\"10002\"/>", otBroadcast},
        {"<clObj id=\"10003\"/>", -1},
    };
    for (const TCase& c : cases) {
        std::unique_ptr<TClock> clock =
            Read(QStringLiteral("<clock>%1</clock>").arg(QString::fromUtf8(c.Row)));
        ASSERT_EQ(clock->RowCount(), 1) << c.Row;
        const TBaseClockObject* object = clock->Row(0)->Object();
        EXPECT_EQ(object != nullptr ? int(object->ObjType()) : -1, c.Kind) << c.Row;
    }
}

TEST_F(ClockFileTest, ARowWhoseObjectIsMissingKeepsWhatItWasReadWith) {
    const QString markup = CrLfLines({
        "",
        "  <clock name=\"Stary\">",
        "    <clObj clHour=\"600\" ownHour=\"1\" clPlayTime=\"90\" any=\"0\" id=\"777\" "
        "exTime=\"0\" uexTime=\"1\" UserInfo=\"Tytuł\">",
        "      <atmosphere>",
        "        <val id=\"2\"/>",
        "      </atmosphere>",
        "    </clObj>",
        "  </clock>",
    });
    std::unique_ptr<TClock> clock = Read(markup);
    ASSERT_EQ(clock->RowCount(), 1);
    const TClockObjData& row = *clock->Row(0);
    EXPECT_EQ(row.Object(), nullptr);
    EXPECT_EQ(row.CellText(ccName), QStringLiteral("Nieznana"));
    EXPECT_EQ(row.RowHour, 600);
    EXPECT_TRUE(row.OwnHour());
    EXPECT_EQ(row.RowPlayTime, 90);
    EXPECT_TRUE(row.OwnPlayTime());
    EXPECT_FALSE(row.Any());
    EXPECT_EQ(row.CharText(ccAtmosphere), QStringLiteral("Spokojny"));
    EXPECT_TRUE(row.Flags[ccAtmosphere]);

    // Saved again, it still names the object, so it comes back when the object does.
    EXPECT_EQ(SavedText(*clock, ClockFile(QStringLiteral("kopia.ctm"))), markup);
}

TEST_F(ClockFileTest, ABroadcastRowWhoseBroadcastIsMissingKeepsItsItems) {
    TBroadcast* news = AddNewsBroadcast();
    TClock clock(cmClock);
    clock.SetName(QStringLiteral("Serwisy"));
    clock.InsertObjects(*news, nullptr, ipAfter);
    const QString text = SavedText(clock, ClockFile());
    BroadcastList->DeleteBroadcast(news->Id);

    TClock read(cmClock);
    ASSERT_TRUE(read.LoadClockFile(ClockFile()));
    ASSERT_EQ(read.RowCount(), 1);
    EXPECT_EQ(read.Row(0)->Object(), nullptr);
    EXPECT_EQ(read.Row(0)->Children.size(), 3u);
    // A row without object always states its AND/OR choice.
    QString expected = text;
    expected.replace(QStringLiteral("ownHour=\"1\" id="),
                     QStringLiteral("ownHour=\"1\" any=\"1\" id="));
    EXPECT_EQ(SavedText(read, ClockFile(QStringLiteral("kopia.ctm"))), expected);
}

TEST_F(ClockFileTest, APlayTimeNotSetInTheRowFollowsTheObjectOnLoading) {
    TClock clock(cmClock);
    clock.InsertObjects(*Hits, nullptr, ipAfter);
    TClockObjData* exact = clock.InsertObjects(*Ballads, nullptr, ipAfter);
    clock.SetRowPlayTime(exact, 240, false);
    ASSERT_FALSE(exact->OwnPlayTime());
    const QString text = SavedText(clock, ClockFile());
    EXPECT_EQ(text.count(QStringLiteral("clPlayTime")), 1) << text.toStdString();

    Hits->SetPlayTime(180);
    Ballads->SetPlayTime(300);
    TClock read(cmClock);
    read.LoadClockFile(ClockFile());
    EXPECT_EQ(read.Row(0)->RowPlayTime, 180);
    EXPECT_EQ(read.Row(1)->RowPlayTime, 240) << "an exact time set in the row keeps its length";
    EXPECT_TRUE(read.Row(1)->OwnPlayTime());
    EXPECT_EQ(read.Row(1)->RowHour, 210) << "hours are read as stored";
}

TEST_F(ClockFileTest, AChangedCharacteristicSetToAnyIsStoredEmpty) {
    TClock clock(cmClock);
    TClockObjData* row = clock.InsertObjects(*Hits, nullptr, ipAfter);
    clock.SetRowChars(row, ccAtmosphere, QStringLiteral("Radosny"));
    clock.SetRowChars(row, ccAtmosphere, QString());
    const QString text = SavedText(clock, ClockFile());
    EXPECT_TRUE(text.contains(QStringLiteral("      <atmosphere/>\r\n"))) << text.toStdString();

    TClock read(cmClock);
    read.LoadClockFile(ClockFile());
    EXPECT_TRUE(read.Row(0)->Flags[ccAtmosphere]);
    EXPECT_EQ(read.Row(0)->CharText(ccAtmosphere), QStringLiteral("dowolny"));
}

TEST_F(ClockFileTest, AClockWithoutANameIsNamedAfterItsFile) {
    ASSERT_TRUE(WriteTextFile(ClockFile(QStringLiteral("Dzień roboczy.ctm")),
                              QStringLiteral("<clock><clObj id=\"0\"/></clock>")));
    TClock clock(cmClock);
    ASSERT_TRUE(clock.LoadClockFile(ClockFile(QStringLiteral("Dzień roboczy.ctm"))));
    EXPECT_EQ(clock.Name(), QStringLiteral("Dzień roboczy"));
}

// --- Missing and unreadable files

TEST_F(ClockFileTest, AMissingFileGivesAnEmptyClockQuietly) {
    TClock clock(cmClock);
    clock.InsertObjects(*Hits, nullptr, ipAfter);
    const QString path = ClockFile(QStringLiteral("brak.ctm"));
    EXPECT_TRUE(clock.LoadClockFile(path));
    EXPECT_EQ(clock.RowCount(), 0);
    EXPECT_EQ(clock.ClockPath, path);
    EXPECT_TRUE(clock.Modified) << "loading leaves the flag as it was";
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(ClockFileTest, AnUnreadableFileIsReportedTwice) {
    ASSERT_TRUE(QDir(Station.Dir()).mkdir(QStringLiteral("zegar.ctm")));
    TClock clock(cmClock);
    EXPECT_FALSE(clock.LoadClockFile(ClockFile()));
    const QStringList errors = Prompt.Errors();
    ASSERT_EQ(errors.size(), 2) << "an error box, then the log's own";
    EXPECT_EQ(errors[0], errors[1]);
    EXPECT_TRUE(errors[0].startsWith(
        QStringLiteral("Błąd podczas otwieania zegara: Błąd podczas ładowania pliku \"")))
        << errors[0].toStdString();
    EXPECT_TRUE(errors[0].endsWith(QStringLiteral(").")));
    EXPECT_FALSE(clock.Modified);
}

TEST_F(ClockFileTest, AFailedSaveIsReportedTwiceAndLeavesTheClockAsItWas) {
    ASSERT_TRUE(QDir(Station.Dir()).mkdir(QStringLiteral("zegar.ctm")));
    TClock clock(cmClock);
    clock.InsertObjects(*Hits, nullptr, ipAfter);
    EXPECT_FALSE(clock.SaveClockFile(ClockFile(), false));
    const QStringList errors = Prompt.Errors();
    ASSERT_EQ(errors.size(), 2);
    EXPECT_EQ(errors[0], errors[1]);
    EXPECT_TRUE(errors[0].startsWith(
        QStringLiteral("Błąd podczas zapisywania zegara: Błąd podczas zapisywania pliku \"")))
        << errors[0].toStdString();
    EXPECT_TRUE(errors[0].endsWith(QStringLiteral("). Zegar nie został zapisany.")));
    EXPECT_TRUE(clock.Modified);
    EXPECT_EQ(clock.RowCount(), 1);
}

TEST_F(ClockFileTest, OnlyAModifiedClockIsWrittenWithoutForceAndSavingKeepsTheFlag) {
    TClock clock(cmClock);
    EXPECT_TRUE(clock.SaveClockFile(ClockFile(), false));
    EXPECT_FALSE(QFileInfo::exists(ClockFile()));
    clock.InsertObjects(*Hits, nullptr, ipAfter);
    EXPECT_TRUE(clock.SaveClockFile(ClockFile(), false));
    EXPECT_TRUE(QFileInfo::exists(ClockFile()));
    EXPECT_TRUE(clock.Modified);
}

} // namespace
