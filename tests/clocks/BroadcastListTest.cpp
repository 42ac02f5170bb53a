#include "clocks/ClockFixture.h"
#include "foundation/uTextFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class BroadcastListTest : public TClockFixture {
protected:
    QString FilePath() const { return Station.Path(BroadcastListFileName); }
    void WriteFile(const QString& text) const { ASSERT_TRUE(WriteTextFile(FilePath(), text)); }
    static QString Broadcast(int id) {
        return QStringLiteral("<obj objType=\"4\" objName=\"b%1\" id=\"%1\"/>").arg(id);
    }
    // A list of two broadcasts with all the features of the form, in the broadcast list.
    void FillList() const {
        std::unique_ptr<TBroadcast> free = NewBroadcast(QStringLiteral("Serwis"), {Jingle, News});
        free->ItemAt(1)->UserInfo = QStringLiteral("Wiadomości & pogoda");
        free->ItemAt(1)->Properties.Atmosphere = {2, 5};
        free->ItemAt(1)->OwnTime = true;
        BroadcastList->AddBroadcast(std::move(free));
        std::unique_ptr<TBroadcast> pinned =
            NewBroadcast(QStringLiteral("Lista przebojów"), {Jingle, Hits, Ballads}, Hms(18));
        pinned->ItemAt(0)->OwnHour = true;
        pinned->BeginTime = SecondsToDateTime(Hms(18));
        pinned->EndTime = SecondsToDateTime(Hms(19));
        pinned->ExactEnd = true;
        pinned->SetHPrior(true);
        BroadcastList->AddBroadcast(std::move(pinned));
    }

    TRecordingListener Listener;
};

// --- Ids

TEST_F(BroadcastListTest, AFreshListHandsOutIdsFrom10001) {
    EXPECT_EQ(BroadcastList->AddBroadcast(NewBroadcast(QStringLiteral("a"), {Jingle}))->Id, 10001);
    EXPECT_EQ(BroadcastList->AddBroadcast(NewBroadcast(QStringLiteral("b"), {Jingle}))->Id, 10002);
    EXPECT_EQ(BroadcastList->LastId(), 10002);
}

TEST_F(BroadcastListTest, TheCounterComesFromTheFileAndItsBroadcasts) {
    struct TCase {
        const char* What;
        QString Root;
        int Next;
    };
    const TCase cases[] = {
        {"raised by a higher id", QStringLiteral("lastId=\"10005\""), 10011},
        {"as written", QStringLiteral("lastId=\"10020\""), 10021},
        {"absent", QString(), 10011},
        // A lower counter would hand out ids that clocks look up in the category list.
        {"below the broadcast ids", QStringLiteral("lastId=\"5\""), 10011},
    };
    for (const TCase& c : cases) {
        WriteFile(QStringLiteral("<BrList %1>%2</BrList>").arg(c.Root, Broadcast(10010)));
        TBroadcastList list;
        list.LoadBroadcasts();
        EXPECT_EQ(list.NextBroadcastId(), c.Next) << c.What;
    }
    WriteFile(QStringLiteral("<BrList lastId=\"3\"/>"));
    TBroadcastList list;
    list.LoadBroadcasts();
    EXPECT_EQ(list.NextBroadcastId(), 10001);
}

// --- The file

TEST_F(BroadcastListTest, WithoutAFileTheListStaysEmptyAndQuiet) {
    BroadcastList->LoadBroadcasts();
    EXPECT_EQ(BroadcastList->BroadcastCount(), 0);
    EXPECT_EQ(BroadcastList->LastId(), 10000);
    EXPECT_FALSE(BroadcastList->Modified());
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(BroadcastListTest, AReadFileIsKeptInTheOrderOfTheIdTexts) {
    WriteFile(QStringLiteral("<BrList>%1%2%3</BrList>")
                  .arg(Broadcast(10010), Broadcast(10002), Broadcast(10002)));
    BroadcastList->LoadBroadcasts();
    ASSERT_EQ(BroadcastList->BroadcastCount(), 2) << "a repeated id keeps the first broadcast";
    EXPECT_EQ(BroadcastList->BroadcastAt(0)->Id, 10002);
    EXPECT_EQ(BroadcastList->BroadcastAt(1)->Id, 10010);
    EXPECT_EQ(BroadcastList->BroadcastAt(0)->Owner, BroadcastList.get());
    EXPECT_FALSE(BroadcastList->Modified());
}

TEST_F(BroadcastListTest, AnUnreadableFileIsReported) {
    ASSERT_TRUE(QDir(Station.Dir()).mkdir(BroadcastListFileName));
    BroadcastList->LoadBroadcasts();
    ASSERT_EQ(Prompt.Errors().size(), 1);
    EXPECT_TRUE(Prompt.Errors()[0].startsWith(
        QStringLiteral("Błąd podczas ładowania audycji: Błąd podczas ładowania pliku \"")))
        << Prompt.Errors()[0].toStdString();
    EXPECT_EQ(BroadcastList->BroadcastCount(), 0);
}

TEST_F(BroadcastListTest, AFailedSaveIsReportedAndNotTriedAgain) {
    FillList();
    ASSERT_TRUE(QDir(Station.Dir()).mkdir(BroadcastListFileName));
    EXPECT_FALSE(BroadcastList->SaveBroadcasts());
    ASSERT_EQ(Prompt.Errors().size(), 1);
    EXPECT_TRUE(Prompt.Errors()[0].startsWith(
        QStringLiteral("Błąd podczas zapisywania audycji: Błąd podczas zapisywania pliku \"")))
        << Prompt.Errors()[0].toStdString();
    EXPECT_FALSE(BroadcastList->Modified());
    EXPECT_TRUE(BroadcastList->SaveBroadcasts()) << "nothing to write any more";
    EXPECT_EQ(Prompt.Errors().size(), 1);
}

TEST_F(BroadcastListTest, OnlyAModifiedListIsWritten) {
    BroadcastList->SaveBroadcasts();
    EXPECT_FALSE(QFileInfo::exists(FilePath()));
}

TEST_F(BroadcastListTest, SavedBroadcastsReadBackEqualAndSaveToTheSameBytes) {
    FillList();
    ASSERT_TRUE(BroadcastList->SaveBroadcasts());
    const QByteArray bytes = ReadFileBytes(FilePath());

    TBroadcastList read;
    read.LoadBroadcasts();
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
    ASSERT_EQ(read.BroadcastCount(), 2);
    EXPECT_EQ(read.LastId(), 10002);
    for (int i = 0; i < 2; ++i) {
        const TBroadcast& a = *BroadcastList->BroadcastAt(i);
        const TBroadcast& b = *read.BroadcastAt(i);
        EXPECT_EQ(ElementText(b), ElementText(a));
        EXPECT_EQ(b.GetName(), a.GetName());
        EXPECT_EQ(b.GetPlayTime(), a.GetPlayTime());
        EXPECT_EQ(b.Length(), a.Length());
        EXPECT_EQ(b.HPrior(), a.HPrior());
        ASSERT_EQ(b.ItemCount(), a.ItemCount());
        for (int k = 0; k < a.ItemCount(); ++k) {
            EXPECT_EQ(b.ItemKey(k), a.ItemKey(k));
            EXPECT_EQ(b.ItemAt(k)->MasterId(), a.ItemAt(k)->MasterId());
            EXPECT_EQ(b.ItemAt(k)->Hour, a.ItemAt(k)->Hour);
            EXPECT_EQ(b.ItemAt(k)->OwnHour, a.ItemAt(k)->OwnHour);
            EXPECT_EQ(b.ItemAt(k)->OwnTime, a.ItemAt(k)->OwnTime);
            EXPECT_EQ(b.ItemAt(k)->UserInfo, a.ItemAt(k)->UserInfo);
            EXPECT_EQ(b.ItemAt(k)->Properties, a.ItemAt(k)->Properties);
        }
    }
    EXPECT_EQ(read.BroadcastAt(1)->GetName(),
              QStringLiteral("Lista przebojów (18:00:00 - 19:00:00)"));
    EXPECT_TRUE(read.BroadcastAt(1)->ExactEnd);

    QFile::remove(FilePath());
    read.SetModified(true);
    ASSERT_TRUE(read.SaveBroadcasts());
    EXPECT_EQ(ReadFileBytes(FilePath()), bytes);
}

// --- Adding and deleting

TEST_F(BroadcastListTest, AnAddedBroadcastIsToldBeforeItJoinsTheList) {
    BroadcastList->AddListener(&Listener);
    TBroadcast* added = AddNewsBroadcast();
    ASSERT_EQ(Listener.Events.size(), 1u);
    EXPECT_EQ(Listener.Events[0].Kind, nkAdded);
    EXPECT_EQ(Listener.Events[0].Object, added);
    EXPECT_EQ(added->Owner, BroadcastList.get());
    EXPECT_TRUE(BroadcastList->Modified());
    BroadcastList->RemoveListener(&Listener);
}

TEST_F(BroadcastListTest, ADeletedBroadcastIsToldWhileItStillExists) {
    TBroadcast* news = AddNewsBroadcast();
    BroadcastList->SetModified(false);
    BroadcastList->AddListener(&Listener);
    BroadcastList->DeleteBroadcast(12345);
    EXPECT_TRUE(Listener.Events.empty());

    BroadcastList->DeleteBroadcast(news->Id);
    ASSERT_EQ(Listener.Events.size(), 1u);
    EXPECT_EQ(Listener.Events[0].Kind, nkDeleted);
    EXPECT_EQ(Listener.Events[0].Name, QStringLiteral("Serwis"));
    EXPECT_EQ(BroadcastList->BroadcastCount(), 0);
    EXPECT_TRUE(BroadcastList->Modified());
    BroadcastList->RemoveListener(&Listener);
}

// --- The process-wide list

TEST_F(BroadcastListTest, IsCreatedLoadedAndSavedWhenFreed) {
    BroadcastList.reset();
    WriteFile(QStringLiteral("<BrList lastId=\"10001\">%1</BrList>").arg(Broadcast(10001)));
    CreateBroadcastList();
    ASSERT_TRUE(BroadcastList);
    EXPECT_EQ(BroadcastList->BroadcastCount(), 1);
    BroadcastList->AddBroadcast(NewBroadcast(QStringLiteral("Nowa"), {Jingle}));
    FreeBroadcastList();
    EXPECT_FALSE(BroadcastList);

    TBroadcastList saved;
    saved.LoadBroadcasts();
    EXPECT_EQ(saved.BroadcastCount(), 2);
    EXPECT_NE(saved.FindBroadcast(10002), nullptr);
}

} // namespace
