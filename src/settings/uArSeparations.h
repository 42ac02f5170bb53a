#pragma once

#include <QString>

// How a clock slot asks for the separation check (its "sepEnb" setting).
enum TSeparationMode : int { smOn = 0, smOff = 1, smDefault = 2 };

// The part of the day, in milliseconds since midnight (both ends included), in which a play on
// an earlier day keeps a song away from a slot.
struct TSeparationWindow {
    int FromMs = 0;
    int ToMs = 0;

    bool operator==(const TSeparationWindow&) const = default;
};

inline const QString SeparationsFileName = QStringLiteral("rozklad.xml");

// The separation schedule of "rozklad.xml": a song is kept away from the time of day at which it
// was played on the days before the planned one.
class TArSeparations {
public:
    // A missing file is silent and keeps the values; an unreadable one is reported. Returns
    // whether the file was read.
    bool Load();
    // Writes the file only when something changed; a failure is reported. The changed flag is
    // cleared either way. Returns false only when writing failed.
    bool Save();

    // Whether the check applies to slots whose mode is smDefault.
    bool DefActive() const { return FDefActive; }
    // Stored and written back; nothing reads it.
    int NoBlockDayCount() const { return FNoBlockDayCount; }
    // How many days before the planned day are examined.
    int BlockDayCount() const { return FBlockDayCount; }
    // Half the width of the examined part of the day.
    int Hours() const { return FHours; }

    // Each marks the schedule changed only when the value differs.
    void SetDefActive(bool value);
    void SetNoBlockDayCount(int value) { SetCount(FNoBlockDayCount, value); }
    void SetBlockDayCount(int value) { SetCount(FBlockDayCount, value); }
    void SetHours(int value) { SetCount(FHours, value); }

    // Whether a slot of the mode (smOn, smOff, smDefault) gets the check.
    bool AppliesTo(int mode) const { return mode == smOn || (mode == smDefault && FDefActive); }
    // Hours either side of the slot's start minute, kept within the day: from 00:00 at the
    // earliest to 23:59:59.999 once the end passes 23:59.
    TSeparationWindow WindowAround(int startMinute) const;

    bool Changed() const { return FChanged; }
    void MarkChanged() { FChanged = true; }

private:
    void SetCount(int& field, int value);

    bool FDefActive = false;
    int FNoBlockDayCount = 1;
    int FBlockDayCount = 1;
    int FHours = 1;
    bool FChanged = false;
};
