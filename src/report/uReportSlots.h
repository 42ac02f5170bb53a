#pragma once

#include "report/uSlotFilter.h"

#include <QString>
#include <QtGlobal>
#include <vector>

class TClock;
class TResultSongData;

// The slots of a day's clock as the report matches positions to them: one per top-level row,
// a broadcast row giving one per item (standing for its master in the category list), in clock
// order, as the generator turns the rows into its slots. A row whose object is gone, a list no
// longer in the category list and an item whose master is gone give no slot.

enum class TSlotKind { skCategory, skList, skBlank };

struct TReportSlot {
    int ObjectId = -1;    // the clock object the positions of the slot carry (CatId)
    QString ObjectName;   // its name in the category list, as a plan file keeps it
    QString Name;         // the row's name
    int StartMs = 0;      // the row's start
    bool OwnHour = false; // the row's start is a fixed hour
    TSlotKind Kind = TSlotKind::skCategory;
    int SCat = 1;         // the song category it draws from
    bool Rest = false;    // "Nie uwzględniaj blokad": the restrictions are not applied
    int SepEnb = 2;       // a TSeparationMode
    TSlotFilter Filter{}; // basic categories only
};

std::vector<TReportSlot> ClockSlots(const TClock& clock);

// Hands each position the next unused slot of its clock object, in clock order. A position
// carries the object's id as long as it stays in memory; read back from its plan file it has
// only the object's name, which then decides.
class TSlotMatcher {
public:
    explicit TSlotMatcher(std::vector<TReportSlot> rowSlots);

    // nullptr when no unused slot is left for the position's object.
    const TReportSlot* Take(const TResultSongData& position);

private:
    std::vector<TReportSlot> Slots;
    std::vector<bool> Used;
};
