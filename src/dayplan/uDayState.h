#pragma once

#include <QDate>
#include <QString>

// Every date is in one of four states, and the state is nothing but which dated plan file
// exists for it.
enum TDayState : int {
    dsNone = 0, // before the first date is shown
    dsEmpty = 1,
    dsHistory = 2, // accepted: its history file ("plh") exists
    dsPending = 3, // generated, not accepted: its current plan file ("plp")
    dsFuture = 4,  // planned: its clock ("plz")
};

// The state's name as the command line prints it: "empty", "future", "pending", "history"
// ("none" before a date is shown).
QString DayStateName(TDayState state);

// The files are tested in the order history, current, planned; the first found decides.
TDayState DayStateOf(const QDate& day);

// Days must be generated and accepted in date order from the first day of the history on; the
// rule binds only days after the first day (whose date part counts).
bool IsAfterFirstDay(const QDate& day);
