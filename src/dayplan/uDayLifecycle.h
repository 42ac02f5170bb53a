#pragma once

#include "clocks/uClock.h"
#include "dayplan/uDayHistory.h"
#include "dayplan/uDayHost.h"
#include "dayplan/uDayPlayList.h"
#include "dayplan/uDayState.h"

#include <QDate>
#include <cstdint>
#include <optional>

class IResultReceiver;

// How an operation of the day ended: done, refused by a rule or by the user (the reason has
// been shown), or failed on a file or the store (the writer has reported it).
enum class TDayResult { drDone, drRefused, drFailed };

// The broadcast days as the main window plans them, one date at a time: which state the shown
// date is in, its play list, history and clock, and the operations that move it from state to
// state. Independent of any window: the window (or the command line) is the host.
class TDayLifecycle {
public:
    explicit TDayLifecycle(IDayHost& host);
    TDayLifecycle(const TDayLifecycle&) = delete;
    TDayLifecycle& operator=(const TDayLifecycle&) = delete;

    TDayState State() const { return FState; }
    const QDate& ShownDate() const { return FShownDate; }
    const QDate& LastPickedDate() const { return FLastPickedDate; }

    // The three views' contents.
    TDayPlayList& PlayList() { return FPlayList; }
    TDayHistory& History() { return FHistory; }
    TClock& DayClock() { return FDayClock; }
    // False when the shown accepted day's history could not be loaded.
    bool HistoryShown() const { return FHistoryShown; }

    // Where a generation hands its items: the play list unless the window puts a model over it.
    IResultReceiver* ResultView;
    // The seed of the next generation; the clock's when none.
    std::optional<std::uint32_t> Seed;

    // --- Showing dates
    // Shows the date in the page its files decide. The shown day is left and saved first, so a
    // day left for another in the same state keeps its edits.
    void ShowDay(const QDate& date);
    // Leaves the shown state (saving it) for another one.
    void SwitchState(TDayState newState);
    void ShowNextDay();
    // Only when the shown date is after the first day.
    void ShowPreviousDay();
    // The calendar's choice; the date picked last time does nothing.
    void PickDate(const QDate& date);

    // --- The operations of the pages
    TDayResult ChooseClock(); // "Wybierz zegar"
    void StartEmptyClock();   // "Pusty zegar"
    TDayResult ChangeClock(); // "Zmień zegar"
    // "Generuj". A run stopped early still leaves its items as the pending day; the answer is
    // then drRefused.
    TDayResult Generate();
    TDayResult Accept();                // "Zatwierdź"
    TDayResult Back();                  // "Wstecz"
    TDayResult Export(int filterIndex); // 1 ".mix", 2 ".txt"
    TDayResult ResetHistory();          // "Wyczyść historię"
    TDayResult ClearLibrary();          // "Wyczyść bazę danych"

    // The pending day's list to its plan file (others read plan files after this).
    bool SavePendingDay();
    // The main window closes: the shown day's list or clock is written.
    bool SaveOnClose();

private:
    // Leaving the shown state: the clock or the list is saved.
    void LeaveState(TDayState newState);
    // The list's plan file on leaving: the one it came from, else the shown day's; nothing for
    // a list whose file could not be read whole.
    bool SavePlayList();
    // Empties the list and unties it from its day, so leaving writes nothing.
    void DropPlayList();
    // The export file chosen in the save dialog, with the filter's extension; empty when
    // cancelled.
    QString ChooseExportPath(int filterIndex);
    void ShowHistoryDay(const QDate& date);
    // "Przywróć" on an accepted day: asks, then brings it back as the pending day it was
    // accepted from, its plays withdrawn from the statistics.
    TDayResult TakeBackAcceptedDay();
    void SetState(TDayState state);
    // An empty, unmodified clock meant for the shown day's "plz".
    void ResetDayClock();
    bool IsListComplete() const;

    IDayHost& FHost;
    TDayPlayList FPlayList;
    TDayHistory FHistory;
    TClock FDayClock;
    TDayState FState = dsNone;
    QDate FShownDate;
    QDate FLastPickedDate;
    bool FHistoryShown = false;
};
