#pragma once

#include "foundation/uDateTime.h"
#include "settings/uArIdList.h"

#include <QString>
#include <QtGlobal>
#include <vector>

class TLineDocument;
class TTagNode;

// One part of a blockade: whole hours of the day (0..24), or day-of-year numbers of a common
// year (1..365), both ends included.
struct TArRangePair {
    quint16 Start = 0;
    quint16 Stop = 0;

    bool operator==(const TArRangePair&) const = default;
};

// One time blockade: when a song that refers to it must not be played. Each part blocks on its
// own; an empty part blocks nothing.
class TArTimeRange {
public:
    int Id = -1; // -1 until added to the list
    QString Name;

    // Empties the hours, the dates and the days.
    void Clear();

    // Each end keeps the low 16 bits of the number, as the file stores it.
    void AddHours(int start, int stop);
    void AddDates(int start, int stop);
    // Shortens the part, or lengthens it with 0..0 pairs.
    void SetHourCount(int count);
    void SetDateCount(int count);
    int HourCount() const { return static_cast<int>(FHours.size()); }
    int DateCount() const { return static_cast<int>(FDates.size()); }
    // Out of range throws std::out_of_range.
    TArRangePair HourRange(int index) const { return FHours.at(index); }
    TArRangePair DateRange(int index) const { return FDates.at(index); }

    // Weekdays 1 = Sunday .. 7 = Saturday; any other number is never a weekday and is ignored.
    void SetDay(int weekday, bool blocked);
    bool HasDay(int weekday) const;
    bool HasDays() const { return FDays != 0; }

    // Whether a song may start at the minute of the day (0..1439) on the date. A date range is
    // compared with the day of the year of the date itself, so in a leap year a range after
    // 28 February applies one calendar day earlier than it is shown.
    bool IsFree(int minute, TDateTime date) const;

    // Replaces the parts by those of a "range" element; the id and name are taken as well.
    void LoadFromNode(const TTagNode& element);
    void SaveToList(TLineDocument& doc) const;

private:
    std::vector<TArRangePair> FHours;
    std::vector<TArRangePair> FDates;
    quint8 FDays = 0; // bit n set: weekday n blocked
};

inline const QString TimeRangesFileName = QStringLiteral("blokady.xml");

// The time blockades of "blokady.xml", together with the program's first day (the day from
// which the planning history counts).
class TArTimeRanges : public TArIdList<TArTimeRange> {
public:
    TArTimeRanges();

    // Reads the file into the list: ranges with ids the file has are replaced, the others stay
    // (a settings window's Cancel relies on it). A missing file is silent; an unreadable one is
    // reported, keeping what was read before the damage. Returns whether the file was read whole.
    bool Load();
    // Writes the file whether or not anything changed; a failure is reported. The changed flag
    // is cleared either way. Returns whether the file was written.
    bool Save();
    // The write at every exit: skipped while the file could not be read whole and nothing was
    // changed, so the ranges it holds beyond the damage are not lost.
    bool SaveAtExit();
    bool ReadWhole() const { return FReadWhole; }

    TDateTime FirstDay() const { return FFirstDay; }
    // Sets the first day and saves at once.
    void SetFirstDay(TDateTime date);

private:
    TDateTime FFirstDay;
    bool FReadWhole = true;
};
