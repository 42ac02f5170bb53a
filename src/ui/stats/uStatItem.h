#pragma once

#include "library/uStatEntry.h"

#include <QColor>
#include <QList>
#include <QString>

class QScatterSeries;

// What the statistics window is asked to show: songs (named performer - title) or artists.
enum class TStatKind { Songs = 0, Artists = 1 };

// One song or artist of the statistics window: its points on the chart, their number in the
// period shown and whether they are shown.
struct TStatItem {
    int Id = -1;
    QString Name;
    QColor Color;
    // Belongs to the chart while shown and to the window otherwise.
    QScatterSeries* Series = nullptr;
    int Count = 0;
    bool Shown = true;
    // The plays of each day of the period.
    QList<int> DayCounts;
};

// The colour of the item created `index`-th; the table repeats after its 20 colours.
QColor StatItemColor(int index);
