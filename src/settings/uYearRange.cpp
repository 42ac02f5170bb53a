#include "settings/uYearRange.h"

#include <algorithm>
#include <utility>

namespace {

int ReadYear(const QString& text) {
    bool ok = false;
    const int year = text.trimmed().toInt(&ok);
    return std::clamp(ok ? year : FallbackCharYear, MinCharYear, MaxCharYear);
}

} // namespace

TYearRange ParseYearRange(const QString& text) {
    const qsizetype dash = text.indexOf(QLatin1Char('-'));
    if (dash < 0) {
        const int year = ReadYear(text);
        return {false, year, year};
    }
    int from = ReadYear(text.left(dash));
    int to = ReadYear(text.mid(dash + 1));
    if (from > to)
        std::swap(from, to);
    return {true, from, to};
}

QString YearRangeText(const TYearRange& range) {
    const int from = std::min(range.From, range.To);
    const int to = std::max(range.From, range.To);
    if (!range.IsRange || from == to)
        return QString::number(range.IsRange ? from : range.From);
    return QStringLiteral("%1 - %2").arg(from).arg(to);
}
