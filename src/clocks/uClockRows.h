#pragma once

#include "clocks/uCategory.h"
#include "settings/uCharacteristics.h"

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

// The rows of a clock: one slot each, with its start hour, play time, a copy of the object it
// draws from and the characteristic choices made in the row. Times are whole seconds; start
// hours count from midnight of the day and may pass the end of the day.

// The columns of a clock's rows.
enum TClockColumn : int {
    ccHour = 0,       // "Godzina"
    ccName = 1,       // "Kategoria"
    ccTime = 2,       // "Czas"
    ccAtmosphere = 3, // "Nastrój"
    ccTempo = 4,      // "Tempo"
    ccLanguage = 5,   // "Język"
    ccVocal = 6,      // "Wokal"
    ccYears = 7,      // "Lata"
    ccType = 8,       // "Typ"
    ccAnd = 9,        // "Łącznik"
};
inline constexpr int ClockColumnCount = 10;
inline constexpr int FirstCharColumn = ccAtmosphere;
inline constexpr int LastCharColumn = ccType;
inline constexpr int CharColumnCount = LastCharColumn - FirstCharColumn + 1;

inline bool IsCharColumn(int column) {
    return column >= FirstCharColumn && column <= LastCharColumn;
}
// The characteristic shown in a characteristic column.
TCharKind CharKindOfColumn(int column);
// The caption of a column ("Godzina", "Nastrój", ...); empty for any other number.
QString ClockColumnCaption(int column);
// What a characteristic column shows when it sets no condition: "dowolny" or "dowolne".
QString AnyValueText(int column);

// The flags of a row. The characteristic columns 3..8 and "Łącznik" (9) use their column
// numbers: the choice was changed in this row.
enum TRowFlag : int {
    rfOwnHour = 0,     // the start hour is fixed by the user
    rfOwnPlayTime = 2, // the play time was set in this row
    rfAnyChanged = ccAnd,
    rfAny = 10, // "AND" (true) or "OR"
};
inline constexpr int RowFlagCount = 11;

// What a row without object shows.
inline const QString UnknownRowName = QStringLiteral("Nieznana");

// One row of a clock. A broadcast row holds one child row per broadcast item; other rows have
// none.
struct TClockObjData {
    // The row's own copy of the object; none when the object referred to was not found.
    std::unique_ptr<TBaseClockObject> RowObject;
    // The play time as HH:MM:SS.
    QString TimeText;
    // The value names chosen per characteristic column, joined by commas.
    std::array<QString, CharColumnCount> CharTexts;
    std::array<bool, RowFlagCount> Flags{};
    int RowPlayTime = 0;
    int RowHour = 0;
    // The kind code shown as the row's icon.
    int ImageIndex = otUndefined;
    // A time cell has just been edited; the editor consumes it.
    bool Edited = false;

    TClockObjData* Parent = nullptr;
    std::vector<std::unique_ptr<TClockObjData>> Children;

    // A row whose object was not found keeps the attributes it was read with that name the
    // object ("id", "exTime", "uexTime", "UserInfo"), so saving does not lose the reference.
    QStringList KeptAttributes;

    TBaseClockObject* Object() const { return RowObject.get(); }
    bool IsBroadcastRow() const { return RowObject && RowObject->ObjType() == otBroadcast; }

    QString& CharText(int column) { return CharTexts.at(column - FirstCharColumn); }
    const QString& CharText(int column) const { return CharTexts.at(column - FirstCharColumn); }

    bool OwnHour() const { return Flags[rfOwnHour]; }
    void SetOwnHour(bool value) { Flags[rfOwnHour] = value; }
    bool OwnPlayTime() const { return Flags[rfOwnPlayTime]; }
    void SetOwnPlayTime(bool value) { Flags[rfOwnPlayTime] = value; }
    bool Any() const { return Flags[rfAny]; }
    void SetAny(bool value) { Flags[rfAny] = value; }

    // Sets the play time with its text.
    void SetPlayTime(int seconds);
    int EndHour() const { return RowHour + RowPlayTime; }

    // The text of a column as the clock shows it.
    QString CellText(int column) const;
    // The object's name, or "Nieznana".
    QString Name() const;
};

// Fills a row from an object it takes: play time, characteristic texts and AND/OR from the
// object (only basic categories and items standing for one carry characteristics), the own
// play time from the object's OwnTime; start hour 0 and no other flag.
void InitRow(TClockObjData& row, int image, std::unique_ptr<TBaseClockObject> object);

// The clock's own copy of an object: a broadcast copied with its items filled from their
// masters, anything else through Assign.
std::unique_ptr<TBaseClockObject> MakeClockCopy(const TBaseClockObject& object);

// Whether a row of this object shows characteristic conditions.
bool HasCharConditions(const TBaseClockObject& object);

// Which cells of a row the clock editor edits: "Godzina" and "Czas" of lists and blanks, every
// cell but the name of a basic category, the characteristics and "Łącznik" of a broadcast item
// standing for a category; nothing of a broadcast, an item of a list or blank, or a row whose
// object is gone.
bool IsEditableCell(const TClockObjData& row, int column);

// The value names of the ids, joined by commas (ids without a name are left out); "dowolny" or
// "dowolne" when none is left.
QString CharTextOfIds(const TPropArray& ids, int column);
// The ids of the comma-separated names, each looked up in the column's characteristic with
// letter case ignored; names without a value ("dowolny" among them) are dropped.
TPropArray IdsOfCharText(const QString& text, int column);

// The duration in Polish words, e.g. "1 dzień 2 godziny 5 minut 1 sekunda " (every part ends
// with a blank; days only when there are any). Negative durations count as none.
QString DurationText(int seconds);
