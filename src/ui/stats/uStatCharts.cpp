#include "ui/stats/uStatCharts.h"

#include "foundation/uDateTime.h"

#include <QFont>
#include <QPen>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

// Dark enough to frame white and yellow points on the white chart.
const QColor kOutline(0x30, 0x30, 0x30);

QChart* NewChart() {
    auto* chart = new QChart;
    // The item list shows every colour with its name.
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    return chart;
}

// The days' short dates stand on end: a month has some thirty of them.
void StyleDayLabels(QAbstractAxis& axis) {
    axis.setLabelsAngle(-90);
    // Standing, a date is as wide as a line of text, which a month's day has room for; the
    // chart would still cut it to the day's width as if it lay flat.
    axis.setTruncateLabels(false);
    QFont font = axis.labelsFont();
    font.setPointSizeF(std::max(7.0, font.pointSizeF() - 1));
    axis.setLabelsFont(font);
}

constexpr qreal kHourMargin = 0.4;

// A label every 2, 3, 4 or 6 hours, as many as the chart's height has room for: labels that
// do not fit are drawn as dots.
void SpaceHourLabels(QValueAxis& hours, qreal height) {
    constexpr qreal kLabelRoom = 18;
    int every = 6;
    for (int hoursApart : {2, 3, 4}) {
        if (height >= (HoursPerDay / hoursApart + 1) * kLabelRoom) {
            every = hoursApart;
            break;
        }
    }
    if (hours.tickInterval() != every) {
        hours.setTickInterval(every);
        hours.setMinorTickCount(every - 1);
    }
}

} // namespace

QChart* NewPlaysChart(QCategoryAxis*& dayAxis) {
    QChart* chart = NewChart();
    dayAxis = new QCategoryAxis(chart);
    dayAxis->setObjectName(QStringLiteral("seriesDate"));
    dayAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    StyleDayLabels(*dayAxis);
    chart->addAxis(dayAxis, Qt::AlignBottom);

    auto* hours = new QValueAxis(chart);
    hours->setObjectName(QStringLiteral("axisHours"));
    // A little room below midnight and above the end of the day, so a play in the first or
    // the last minutes is not cut in half by the chart's edge; the labels stay on the hours.
    hours->setRange(-kHourMargin, HoursPerDay + kHourMargin);
    hours->setTickType(QValueAxis::TicksDynamic);
    hours->setTickAnchor(0);
    hours->setLabelFormat(QStringLiteral("%d"));
    hours->setTitleText(QStringLiteral("Godzina"));
    chart->addAxis(hours, Qt::AlignLeft);
    SpaceHourLabels(*hours, 0);
    QObject::connect(chart, &QChart::plotAreaChanged, hours,
                     [hours](const QRectF& area) { SpaceHourLabels(*hours, area.height()); });
    return chart;
}

void SetDayLabels(QCategoryAxis& dayAxis, const QStringList& labels) {
    for (const QString& label : dayAxis.categoriesLabels())
        dayAxis.remove(label);
    // Each day's points stand in the middle of its column, between the grid lines.
    dayAxis.setStartValue(-0.5);
    for (qsizetype day = 0; day < labels.size(); ++day)
        dayAxis.append(labels[day], static_cast<double>(day) + 0.5);
    dayAxis.setRange(-0.5, static_cast<double>(std::max<qsizetype>(labels.size(), 1)) - 0.5);
}

QScatterSeries* NewPlaysSeries(QChart& chart, const TStatItem& item) {
    auto* series = new QScatterSeries;
    series->setName(item.Name);
    series->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    series->setMarkerSize(9);
    series->setColor(item.Color);
    series->setBorderColor(kOutline);
    chart.addSeries(series);
    for (QAbstractAxis* axis : chart.axes())
        series->attachAxis(axis);
    return series;
}

void ShowPlaysSeries(QChart& chart, QScatterSeries& series, bool shown, QObject& owner) {
    const bool attached = chart.series().contains(&series);
    if (shown && !attached) {
        chart.addSeries(&series);
        for (QAbstractAxis* axis : chart.axes())
            series.attachAxis(axis);
    } else if (!shown && attached) {
        chart.removeSeries(&series);
        series.setParent(&owner);
    }
}

QChart* NewDailyBarsChart() {
    return NewChart();
}

void FillDailyBars(QChart& chart, const QStringList& dayLabels,
                   const std::vector<TStatItem>& items) {
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    auto* bars = new QBarSeries;
    bars->setBarWidth(0.9);
    int most = 0;
    for (const TStatItem& item : items) {
        if (!item.Shown)
            continue;
        auto* set = new QBarSet(item.Name);
        set->setColor(item.Color);
        // A month of many items makes bars a few pixels wide: a black frame would hide the
        // colour, a darker shade of it still frames white and yellow.
        set->setBorderColor(item.Color.darker(160));
        for (int count : item.DayCounts) {
            set->append(count);
            most = std::max(most, count);
        }
        bars->append(set);
    }
    chart.addSeries(bars);

    auto* days = new QBarCategoryAxis(&chart);
    days->setObjectName(QStringLiteral("axisBarDays"));
    days->append(dayLabels);
    StyleDayLabels(*days);
    chart.addAxis(days, Qt::AlignBottom);
    bars->attachAxis(days);

    // Whole plays only: a tick every play, or every few plays for a busy period.
    const int step = std::max(1, static_cast<int>(std::ceil(most / 10.0)));
    auto* plays = new QValueAxis(&chart);
    plays->setObjectName(QStringLiteral("axisBarPlays"));
    // A step of room above the tallest bar, so it does not look cut off.
    plays->setRange(0, (most / step + 1) * step);
    plays->setTickType(QValueAxis::TicksDynamic);
    plays->setTickAnchor(0);
    plays->setTickInterval(step);
    plays->setLabelFormat(QStringLiteral("%d"));
    plays->setTitleText(QStringLiteral("Odtworzenia"));
    chart.addAxis(plays, Qt::AlignLeft);
    bars->attachAxis(plays);
}
