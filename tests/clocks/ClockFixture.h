#pragma once

#include "clocks/ClockTestUtils.h"
#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "clocks/uClockObjList.h"

#include <QFile>
#include <QString>
#include <initializer_list>
#include <memory>

// A station with the default settings, a small category list and an empty broadcast list (no
// file), both process-wide, so clocks and broadcasts find their objects.
class TClockFixture : public TStationTest {
protected:
    void SetUp() override {
        TStationTest::SetUp();
        // The tests write their own broadcast list.
        QFile::remove(Station.Path(BroadcastListFileName));
        CategoryList = std::make_unique<TClockObjList>();
        BroadcastList = std::make_unique<TBroadcastList>();
        Hits = AddCategory(QStringLiteral("Przeboje"), 210);
        Hits->Properties.Tempo = {3};       // "Szybkie"
        Hits->Properties.Language = {1, 2}; // "Polski", "Angielski"
        Ballads = AddCategory(QStringLiteral("Ballady"), 240);
        News = AddBlank(QStringLiteral("Informacje"), 180);
        Jingle = AddBlank(QStringLiteral("Jingiel"), 10);
        Songs = AddList(QStringLiteral("Lista"), 200);
    }
    void TearDown() override {
        BroadcastList.reset();
        CategoryList.reset();
        TStationTest::TearDown();
    }

    static TBaseClockObject* AddCategory(const QString& name, int playTime) {
        auto category = std::make_unique<TCategory>();
        category->SetName(name);
        category->SetPlayTime(playTime);
        return CategoryList->AddObject(std::move(category));
    }
    static TBaseClockObject* AddBlank(const QString& name, int playTime) {
        auto blank = std::make_unique<TBlankCategory>();
        blank->SetName(name);
        blank->SetPlayTime(playTime);
        blank->Info = name;
        return CategoryList->AddObject(std::move(blank));
    }
    static TBaseClockObject* AddList(const QString& name, int playTime) {
        auto list = std::make_unique<TDetailPlayList>();
        list->SetName(name);
        list->SetPlayTime(playTime);
        list->AddSong(7);
        return CategoryList->AddObject(std::move(list));
    }

    // An item standing for the master, as the broadcast editor makes it.
    static std::unique_ptr<TBroadcastItem> NewItem(const TBaseClockObject& master, int hour,
                                                   int playTime = -1) {
        auto item = std::make_unique<TBroadcastItem>();
        item->SetMasterId(master.Id);
        item->MstType = master.ObjType();
        item->SetName(master.ObjName());
        item->SetExTime(master.ExTime());
        item->SetPlayTime(playTime < 0 ? master.GetPlayTime() : playTime);
        item->Hour = hour;
        return item;
    }
    // A broadcast of the masters laid out one after another from `start`, kept out of any list.
    static std::unique_ptr<TBroadcast>
    NewBroadcast(const QString& name, std::initializer_list<const TBaseClockObject*> masters,
                 int start = 0) {
        auto broadcast = std::make_unique<TBroadcast>();
        broadcast->SetName(name);
        int hour = start;
        for (const TBaseClockObject* master : masters) {
            std::unique_ptr<TBroadcastItem> item = NewItem(*master, hour);
            const QString key = QString::number(hour);
            hour += item->GetPlayTime();
            broadcast->AddItem(std::move(item), key);
        }
        return broadcast;
    }
    // The news block: jingle, news, jingle (200 s), in the broadcast list.
    TBroadcast* AddNewsBroadcast() const {
        return BroadcastList->AddBroadcast(
            NewBroadcast(QStringLiteral("Serwis"), {Jingle, News, Jingle}));
    }
    // The same block pinned to a time of day, its end `length` seconds later.
    TBroadcast* AddPinnedBroadcast(const QString& name, int begin, int length) const {
        std::unique_ptr<TBroadcast> broadcast = NewBroadcast(name, {Jingle, News, Jingle}, begin);
        broadcast->ItemAt(0)->OwnHour = true;
        broadcast->BeginTime = SecondsToDateTime(begin);
        broadcast->EndTime = SecondsToDateTime(begin + length);
        return BroadcastList->AddBroadcast(std::move(broadcast));
    }

    TBaseClockObject* Hits = nullptr;
    TBaseClockObject* Ballads = nullptr;
    TBaseClockObject* News = nullptr;
    TBaseClockObject* Jingle = nullptr;
    TBaseClockObject* Songs = nullptr;
};

// Seconds of a time of day.
inline int Hms(int hours, int minutes = 0, int seconds = 0) {
    return hours * 3600 + minutes * 60 + seconds;
}
