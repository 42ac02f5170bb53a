#pragma once

#include "clocks/uClockRows.h"
#include "clocks/uNotifyListener.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TBroadcast;
class TTagNode;

// "Zegar": the template of a broadcast day, an ordered list of rows (a broadcast row with one
// child row per item). The same rows, one per item and without children, describe a broadcast
// while it is edited (broadcast mode). The clock owns copies of the objects it shows and follows
// the category list and the broadcast list while it exists.

// How the clock is used. The clock of a day, shown in the main window, has no mode and follows
// the rules of clock mode.
enum TClockMode : int { cmNone = 0, cmClock = 1, cmBroadcast = 2 };

// Where a new row goes relative to the row it is dropped on.
enum TInsertPosition : int { ipBefore, ipAfter };

inline constexpr int MaxClockNameLength = 200;
inline const QString ClockFileExtension = QStringLiteral("ctm");

using TClockRows = std::vector<std::unique_ptr<TClockObjData>>;

class TClock final : public INotifyListener {
public:
    // Registers with the category list and the broadcast list that exist at this moment.
    explicit TClock(TClockMode mode = cmNone);
    ~TClock() override;
    TClock(const TClock&) = delete;
    TClock& operator=(const TClock&) = delete;

    TClockMode Mode() const { return FMode; }

    const QString& Name() const { return FName; }
    // Cut to 200 characters.
    void SetName(const QString& name);
    // The file the clock was loaded from, or the day's file it is to be written to.
    QString ClockPath;
    // Set by every edit; neither loading nor saving clears it.
    bool Modified = false;

    // Called whenever the totals (row count and total time) are to be shown again.
    std::function<void()> OnShowTotals;
    // Called after the clock followed an edit of the category list or the broadcast list: the
    // available objects and the rows' names may have changed.
    std::function<void()> OnListsChanged;

    // --- Rows

    const TClockRows& Rows() const { return FRows; }
    int RowCount() const { return static_cast<int>(FRows.size()); }
    // nullptr when out of range.
    TClockObjData* Row(int index) const;
    // The position of a row among the rows of its level; -1 when it is not in this clock.
    int IndexOfRow(const TClockObjData* row) const;
    // The neighbours at the same level; nullptr at either end.
    TClockObjData* PreviousRow(const TClockObjData* row) const;
    TClockObjData* NextRow(const TClockObjData* row) const;

    // Removes all rows and destroys their copies.
    void ClearClock();

    // --- Files (".ctm" clock files and the days' "plz" files)

    // Clears the clock and reads the file (a missing one leaves it empty). A file that cannot be
    // read whole (cut off, no text, not a clock) is reported and leaves the clock empty: half a
    // clock would generate half a day. Start hours are used as stored.
    bool LoadClockFile(const QString& path);
    // False after the last LoadClockFile met a file it could not read whole.
    bool ReadWhole() const { return FReadWhole; }
    // Writes the clock when it is modified, or always with force; a failure is reported.
    // Does not clear Modified.
    bool SaveClockFile(const QString& path, bool force);

    // --- Editing; each successful edit sets Modified

    // Drops a category-list object or (not in broadcast mode) a broadcast before or after a
    // top-level row, or after the last row with no target. A broadcast must be complete, and a
    // pinned one must fit between the fixed hours around the drop; otherwise the user is told
    // and nothing is inserted (nullptr).
    TClockObjData* InsertObjects(const TBaseClockObject& object, TClockObjData* target,
                                 TInsertPosition position);
    // Removes a top-level row after the user confirms.
    bool DeleteRow(TClockObjData* row);
    // Swap a row with its neighbour at the same level, keeping fixed hours where they are; two
    // fixed rows cannot pass each other.
    bool MoveRowUp(TClockObjData* row);
    bool MoveRowDown(TClockObjData* row);
    // The rows after this one, up to the next fixed row, start where their predecessor ends.
    void RecalcFrom(TClockObjData* row);

    // "Godzina": a fixed hour must lie between the fixed hours around the row.
    bool SetRowHour(TClockObjData* row, int hour, bool fixed);
    // "Czas" with "Dokładny czas".
    void SetRowPlayTime(TClockObjData* row, int seconds, bool exact);
    // A characteristic column; an empty choice means any value.
    void SetRowChars(TClockObjData* row, int column, const QString& text);
    // "Łącznik": true for "AND".
    void SetRowAny(TClockObjData* row, bool andAll);
    // The value names the chooser offers for a characteristic cell.
    QStringList OfferedValues(const TClockObjData* row, int column) const;

    // "Właściwości audycji": a broadcast row lasts `minutes` from its begin (the pinned begin,
    // else the row's start), and the rows after it follow. False for any other row.
    bool SetBroadcastRowLength(TClockObjData* row, int minutes);
    // The begin the dialog shows for a broadcast row.
    static int BroadcastRowBegin(const TClockObjData& row);
    // "Reklama o - Właściwości": the title the advertisement blank's position will carry.
    bool SetRowTitle(TClockObjData* row, const QString& title);

    // --- Totals

    // From the first row's start to the last row's end; 0 for an empty clock.
    int ClockTotalTime() const;

    // --- Broadcast mode

    // Shows the broadcast's items as rows (copies of their masters with the items' settings).
    void RowsFromBroadcast(const TBroadcast& broadcast);
    // A new broadcast, or the target emptied and refilled, with one item per row that has an
    // object; the items follow their masters' later edits.
    std::unique_ptr<TBroadcast> BroadcastFromRows(const QString& name) const;
    void BroadcastFromRows(TBroadcast& target, const QString& name) const;

    // The begin chosen for the broadcast, in seconds; none until the user sets one (rows
    // cannot be fixed before) or while a free broadcast is shown.
    std::optional<int> BroadcastBegin() const { return FBroadcastBegin; }
    // Fixes the first row at the begin; refused when a later fixed row does not start after it.
    bool SetBroadcastBegin(int seconds);
    // The end set by the user (ExactEnd), else the end of the last row.
    int BroadcastEnd() const;
    bool ExactEnd() const { return FBroadcastEnd.has_value(); }
    // Only with a begin; an end before the begin becomes the begin.
    bool SetBroadcastEnd(int seconds);
    // Pins the broadcast to the begin and end when a begin is set, otherwise frees it.
    void ApplyBroadcastTimes(TBroadcast& broadcast) const;

    // --- The objects that can be dropped: broadcasts first (not in broadcast mode), then the
    // basic categories, lists and blanks, each group by name with letter case ignored.
    std::vector<TBaseClockObject*> AvailableObjects() const;

    // Follows the lists: a deleted object's rows show "Nieznana", a changed object's rows take
    // its settings (and its play time where the row has none of its own).
    void Notify(TNotifyKind kind, TBaseClockObject* object) override;

private:
    TClockRows& SiblingsOf(const TClockObjData* row);
    const TClockRows& SiblingsOf(const TClockObjData* row) const;
    TClockObjData* AddRow(TClockRows& rows, int index, TClockObjData* parent);
    // The start where the rows of the row's level begin: midnight, or the broadcast row's start.
    static int LevelStart(const TClockObjData& row);

    // Sets a row's start; a broadcast row's items follow.
    void SetStart(TClockObjData& row, int hour);
    void RecalcHours(TClockObjData* row);
    void AfterHoursChanged();
    void ShowTotals() const;
    void Touch();

    bool CanPlaceBroadcast(const TBroadcast& broadcast, int index) const;
    // The start of a row just inserted at the index, fixed where the rules fix it.
    void PlaceNewRow(TClockObjData& row, int index);
    void AddBroadcastChildren(TClockObjData& row);
    void AfterFirstRowHourEdit(TClockObjData& row);

    void LoadRow(TClockObjData& row, const TTagNode& element);
    void LoadChildRows(const TTagNode& element, TClockObjData& parent);
    void SaveRow(TClockObjData& row, TTagNode& node);
    void SaveChildRow(TClockObjData& row, TTagNode& node);

    void FollowChange(TClockObjData& row, const TBaseClockObject& source);
    std::vector<TClockObjData*> RowsReferringTo(const TBaseClockObject& object) const;

    TClockMode FMode;
    QString FName;
    bool FReadWhole = true;
    TClockRows FRows;
    std::optional<int> FBroadcastBegin;
    std::optional<int> FBroadcastEnd;
};

// The advertisement blank ("Reklama o"), in a row of its own or as a broadcast's item.
bool IsAdvertBlankRow(const TClockObjData& row);

// The nearest fixed start before the position among the rows (broadcast rows' items included,
// the first row counting as fixed), and the nearest fixed start from the position on.
std::optional<int> FixedStartBefore(const TClockRows& rows, int index);
std::optional<int> FixedStartFrom(const TClockRows& rows, int index);
