#pragma once

#include "generator/uDayRules.h"

#include <QString>
#include <vector>

// Where a generation run hands its items, in day order. The play-list view implements it to
// build the day's positions; the command line and the tests collect the items as they come.

// One item of the generated day as it is handed over. Times are milliseconds; Start counts
// from midnight of the day.
struct TResultItem {
    int SongId = -1; // -1 for a blank
    int Start = 0;
    int Mix = 0;
    bool Mixed = false;
    int CatId = -1;
    QString Info{};
    int Category = 0;
    bool OwnHour = false;
    int Duration = 0;
    int Time = 0;
    // The rules given up to place the song (TRandedItem::Relaxed).
    TDayRuleSet Relaxed = 0;

    bool operator==(const TResultItem&) const = default;
};

class IResultReceiver {
public:
    virtual ~IResultReceiver() = default;

    virtual void AddResultItem(const TResultItem& item) = 0;
};

// Keeps every item it is given, in order.
class TCollectingReceiver final : public IResultReceiver {
public:
    void AddResultItem(const TResultItem& item) override { Items.push_back(item); }

    std::vector<TResultItem> Items;
};
