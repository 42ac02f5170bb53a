#pragma once

class TClock;
struct TClockObjData;
class TRandTimer;

// Turns the rows of the day's clock into the generator's slots, in clock order (a broadcast
// row gives one slot per item). The generator's date must be set first: fixed lists take up
// the previous day's positions. A top-level row without an object, or a fixed list whose
// blocked song the user would not keep, makes the build fail: the warning "Zegar zawiera
// niezdefiniowaną kategorię. Operacje nie może być kontynuowana." is shown, the offending row
// is handed back through `failedRow` (for the clock editor to select) and the answer is false.
bool FillGenerator(const TClock& clock, TRandTimer& generator,
                   const TClockObjData** failedRow = nullptr);
