#pragma once

#include "generator/GeneratorFixture.h"
#include "generator/uRandTimer.h"
#include "generator/uResultReceiver.h"
#include "generator/uTimerRange.h"

#include <memory>
#include <vector>

// A generator on a station with the default settings and its store, with helpers that lay
// out slots (times in seconds, as clock rows give them).
class RandTimerFixture : public GeneratorFixture {
protected:
    TRandom Random{2024};
    std::unique_ptr<TRandTimer> Timer;
    TCollectingReceiver Receiver;

    void SetUp() override {
        GeneratorFixture::SetUp();
        Timer = NewTimer();
    }
    void TearDown() override {
        Timer.reset();
        GeneratorFixture::TearDown();
    }

    std::unique_ptr<TRandTimer> NewTimer() {
        auto timer = std::make_unique<TRandTimer>(*MainBase, Random);
        timer->SetDate(Day());
        timer->ResultView = &Receiver;
        return timer;
    }

    template <class T>
    T* AddSlot(int startSec, int timeSec, int sCat, bool ownHour = false,
               const QString& name = QStringLiteral("Muzyka"), int catId = 0) {
        auto slot = std::make_unique<T>(catId);
        slot->SetSlotStart(startSec);
        slot->SetSlotTime(timeSec);
        slot->SCat = static_cast<quint8>(sCat);
        slot->OwnHour = ownHour;
        slot->SlotName = name;
        slot->Rest = false;
        T* added = slot.get();
        Timer->AddDrawObject(std::move(slot));
        return added;
    }
    TRandObj* AddCategory(int startSec, int timeSec, int sCat = 1, bool ownHour = false,
                          const QString& name = QStringLiteral("Muzyka")) {
        return AddSlot<TRandObj>(startSec, timeSec, sCat, ownHour, name);
    }
    TBlankObj* AddBlank(int startSec, int timeSec, bool ownHour = false) {
        auto* blank = AddSlot<TBlankObj>(startSec, timeSec, 3, ownHour, QStringLiteral("Reklama"));
        blank->Info = QStringLiteral("Blok reklamowy");
        return blank;
    }

    // Songs of one category with the lengths given (seconds), each by its own performer.
    static std::vector<int> AddSongs(int category, std::initializer_list<int> seconds,
                                     const QString& prefix = QStringLiteral("Utwór")) {
        std::vector<int> ids;
        int n = 0;
        for (int length : seconds) {
            TTestSong song;
            song.Title = QStringLiteral("%1 %2 %3").arg(prefix).arg(category).arg(++n);
            song.Artist = QStringLiteral("Wykonawca %1 %2").arg(category).arg(n);
            song.Category = category;
            song.Time = length * 1000;
            ids.push_back(AddTestSong(song));
        }
        return ids;
    }

    // A way into the passes.
    static void SetPassSlots(TRandTimer& timer, std::vector<int> passSlots) {
        timer.PassSlots = std::move(passSlots);
    }
    static void ComputeAverages(TRandTimer& timer, const TTimerRange& range) {
        timer.ComputeCategoryAverages(range);
    }
    static int NeededTime(const TRandTimer& timer, const TBaseRandObj& object) {
        return timer.NeededTime(object);
    }

    // An item as a draw makes it: a song of the category, its full time, its own mix.
    static std::unique_ptr<TRandedItem> MakeItem(int songId, int category, int fullTime,
                                                 int mix = 0, int catId = 0) {
        return std::make_unique<TRandedItem>(
            std::make_unique<TAllowedSong>(songId, category, mix, fullTime, fullTime, songId),
            catId);
    }
};
