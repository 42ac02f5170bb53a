#pragma once

#include "ui/stats/uStatItem.h"

#include <QStringList>
#include <vector>

class QCategoryAxis;
class QChart;
class QObject;
class QScatterSeries;

// The two charts of the statistics window: the plays as points (day across, hour up) and the
// plays per day as bars.

// The plays chart with its day axis (named seriesDate; labels set by SetDayLabels) and its hour
// axis 0..24.
QChart* NewPlaysChart(QCategoryAxis*& dayAxis);
// One label per day, the first at x = 0.
void SetDayLabels(QCategoryAxis& dayAxis, const QStringList& labels);
// The points of one item, in its colour with a dark outline; attached to the chart's axes.
QScatterSeries* NewPlaysSeries(QChart& chart, const TStatItem& item);
// Shows or hides an item's points. A detached series goes back to `owner`.
void ShowPlaysSeries(QChart& chart, QScatterSeries& series, bool shown, QObject& owner);

// The bar chart of the plays per day: empty until filled.
QChart* NewDailyBarsChart();
// One bar group per day (labelled as on the plays chart), one bar per shown item.
void FillDailyBars(QChart& chart, const QStringList& dayLabels,
                   const std::vector<TStatItem>& items);
