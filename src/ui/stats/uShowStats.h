#pragma once

#include "foundation/uDateTime.h"
#include "ui/stats/uStatItem.h"
#include "ui/uDialogRunner.h"

#include <QList>
#include <QString>

class QWidget;
class TDBMainBase;

// The statistics windows as the lists open them.

// More than MaxStatEntries entries: asks whether to show only the first ones. False (show
// nothing) on No; on Yes the list is cut to them. No question for fewer.
bool LimitStatEntries(QList<TStatEntry>& entries);

// "Statystyka" for the songs or artists, showing the week holding `day` (0: today). More than
// MaxStatEntries items are asked down first. `run` runs the window and its dialogs (empty:
// modally).
void ShowStats(TDBMainBase& store, TStatKind kind, const QList<TStatEntry>& items, TDateTime day,
               QWidget* parent, const TDialogRunner& run = {});

// "Statystyka" with the pages "Utwory" and "Wykonawcy" for what was chosen in a day's play list,
// both showing the week holding `day` (0: today). Nothing when both lists are empty. `run` runs
// the window and its dialogs (empty: modally).
void ShowPlayListStats(TDBMainBase& store, const QList<TStatEntry>& songs,
                       const QList<TStatEntry>& artists, TDateTime day, QWidget* parent,
                       const TDialogRunner& run = {});
