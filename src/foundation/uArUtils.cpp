#include "foundation/uArUtils.h"

#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

constexpr int MSecsPerHour = 3600000;
constexpr int MSecsPerMinute = 60000;

// 1 January 2000, day 0 of the statistics stamps.
constexpr qint64 DayStampEpoch = 36526;

// Sums of parsed parts can leave the 32-bit range; a saturated value beats a wrapped one.
int ClampToInt(qint64 value) {
    return static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max()));
}

quint16 LowWord(int value) {
    return static_cast<quint16>(static_cast<quint32>(value) & 0xFFFFu);
}

// Typed durations are often padded with spaces (" 3:05"); they count as zeros.
QString SpacesToZeros(QString text) {
    return text.replace(QLatin1Char(' '), QLatin1Char('0'));
}

// Removes from `text` everything up to and including the first `separator` and returns what
// stood before it; nothing when the separator does not occur.
std::optional<QString> TakeBefore(QString& text, QChar separator) {
    const qsizetype at = text.indexOf(separator);
    if (at < 0)
        return std::nullopt;
    QString before = text.left(at);
    text.remove(0, at + 1);
    return before;
}

QString TwoDigits(qint64 value) {
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

// Spaces and every control character, as list items typed or pasted by hand may carry them.
QString TrimControls(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

QString DayAndMonthOfYear(int dayOfYear) {
    // Year 1 is a common year, so day 60 is always 1 March.
    const QDate date = QDate(1, 1, 1).addDays(static_cast<qint64>(dayOfYear) - 1);
    return QString::asprintf("%2d ", date.day()) + LongMonthName(date.month());
}

} // namespace

int StrToIntDef(const QString& text, int def) {
    qsizetype at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-'))) {
        negative = text[at] == QLatin1Char('-');
        ++at;
    }
    if (at == text.size())
        return def;
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    for (; at < text.size(); ++at) {
        const char16_t c = text[at].unicode();
        if (c < u'0' || c > u'9')
            return def;
        value = value * 10 + (c - u'0');
        if (value > limit)
            return def;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return def;
    return static_cast<int>(value);
}

// --- Durations in seconds ---

QString FormatDurationHMS(int seconds) {
    return SpacesToZeros(
        QString::asprintf("%2d:%2d:%2d", seconds / 3600, seconds % 3600 / 60, seconds % 60));
}

int ParseDurationHMS(const QString& text) {
    QString rest = SpacesToZeros(text);
    qint64 hours = 0;
    qint64 minutes = 0;
    qint64 seconds = 0;
    if (const auto part = TakeBefore(rest, QLatin1Char(':')))
        hours = StrToIntDef(*part, 0);
    if (const auto part = TakeBefore(rest, QLatin1Char(':')))
        minutes = std::min(StrToIntDef(*part, 0), 59);
    if (!rest.isEmpty())
        seconds = std::min(StrToIntDef(rest, 0), 59);
    return ClampToInt(hours * 3600 + minutes * 60 + seconds);
}

int DateTimeToSeconds(TDateTime value) {
    const TDateTimeParts parts = SplitDateTime(value);
    return ClampToInt(parts.Days * SecsPerDay + parts.MSecOfDay / 1000);
}

TDateTime SecondsToDateTime(int seconds) {
    return static_cast<TDateTime>(seconds) / SecsPerDay;
}

QString FormatDateTimeHMS(TDateTime value) {
    const TDateTimeParts parts = SplitDateTime(value);
    const qint64 hours = parts.Days * HoursPerDay + parts.MSecOfDay / MSecsPerHour;
    const int minutes = parts.MSecOfDay / MSecsPerMinute % 60;
    const int seconds = parts.MSecOfDay / 1000 % 60;
    return SpacesToZeros(
        QString::asprintf("%2lld:%2d:%2d", static_cast<long long>(hours), minutes, seconds));
}

// --- Durations in milliseconds ---

TMinSecMs ParseMinSecMs(const QString& text) {
    TMinSecMs result;
    QString rest = SpacesToZeros(text);
    if (const auto part = TakeBefore(rest, QLatin1Char(':')))
        result.Minutes = LowWord(StrToIntDef(*part, 0));
    if (const auto part = TakeBefore(rest, QLatin1Char('.'))) {
        result.Seconds = std::min<quint16>(LowWord(StrToIntDef(*part, 0)), 59);
    } else if (!rest.isEmpty()) {
        result.Seconds = LowWord(StrToIntDef(rest, 0));
        rest.clear();
    }
    if (!rest.isEmpty())
        result.MSecs = LowWord(StrToIntDef(rest, 0));
    return result;
}

THourMinSecMs ParseHourMinSecMs(const QString& text) {
    QString rest = SpacesToZeros(text);
    const auto hours = TakeBefore(rest, QLatin1Char(':'));
    if (!hours)
        return {};
    const TMinSecMs tail = ParseMinSecMs(rest);
    return {LowWord(StrToIntDef(*hours, 0)), tail.Minutes, tail.Seconds, tail.MSecs};
}

int ParseDurationMs(const QString& text, bool withHours) {
    qint64 hours = 0;
    TMinSecMs tail;
    if (withHours) {
        const THourMinSecMs parts = ParseHourMinSecMs(text);
        hours = parts.Hours;
        tail = {parts.Minutes, parts.Seconds, parts.MSecs};
    } else {
        tail = ParseMinSecMs(text);
    }
    return ClampToInt(hours * MSecsPerHour + qint64(tail.Minutes) * MSecsPerMinute +
                      qint64(tail.Seconds) * 1000 + tail.MSecs);
}

std::optional<TDateTime> ParseMinSecMsTime(const QString& text) {
    const TMinSecMs parts = ParseMinSecMs(text);
    return TryEncodeTime(0, parts.Minutes, parts.Seconds, parts.MSecs);
}

QString FormatDurationMs(int msecs, bool withHours) {
    if (msecs < 0)
        return QStringLiteral("00:00:000");
    QString text;
    int rest = msecs;
    if (withHours) {
        text += TwoDigits(rest / MSecsPerHour) + QLatin1Char(':');
        rest %= MSecsPerHour;
    }
    text += TwoDigits(rest / MSecsPerMinute) + QLatin1Char(':');
    text += TwoDigits(rest % MSecsPerMinute / 1000) + QLatin1Char('.');
    text += QString::number(rest % 1000).rightJustified(3, QLatin1Char('0'));
    return text;
}

QString FormatHoursMinutes(int msecs) {
    if (msecs <= 0)
        return QStringLiteral("00:00");
    return TwoDigits(msecs / MSecsPerHour) + QLatin1Char(':') +
           TwoDigits(msecs % MSecsPerHour / MSecsPerMinute);
}

int MsToMinutes(int msecs) {
    // Integer arithmetic keeps the halves exact whatever the floating-point rounding mode.
    int minutes = msecs / MSecsPerMinute;
    const int twiceRemainder = std::abs(msecs % MSecsPerMinute) * 2;
    const int away = msecs < 0 ? -1 : 1;
    if (twiceRemainder > MSecsPerMinute || (twiceRemainder == MSecsPerMinute && minutes % 2 != 0))
        minutes += away;
    return minutes;
}

// --- Dates ---

QString FormatDateKey(TDateTime date, const QString& ext) {
    const QDate day = DateTimeToDate(date);
    QString key = SpacesToZeros(QString::asprintf("%4d%2d%2d", day.year(), day.month(), day.day()));
    if (!ext.isEmpty())
        key += QLatin1Char('.') + ext;
    return key;
}

std::optional<TDateTime> ParseDateKey(const QString& text) {
    const QString key = CutAtDot(text);
    if (key.isEmpty())
        return 0.0;
    const int year = StrToIntDef(key.mid(0, 4), 1899);
    if (year == 1899)
        return 0.0;
    const int month = StrToIntDef(key.mid(4, 2), 0);
    if (month == 0)
        return 0.0;
    const int day = StrToIntDef(key.mid(6, 2), 0);
    if (day == 0)
        return 0.0;
    return TryEncodeDate(year, month, day);
}

QString FormatHourRange(int startHour, int stopHour) {
    return QString::asprintf("%2d:00 - %2d:00", startHour, stopHour);
}

QString FormatDayRange(int startDay, int stopDay) {
    return DayAndMonthOfYear(startDay) + QStringLiteral(" - ") + DayAndMonthOfYear(stopDay);
}

// --- Packed values ---

qint32 PackWords(int high, int low) {
    return static_cast<qint32>((static_cast<quint32>(high) << 16) |
                               (static_cast<quint32>(low) & 0xFFFFu));
}

TWordPair UnpackWords(qint32 value) {
    const auto bits = static_cast<quint32>(value);
    return {static_cast<quint16>(bits >> 16), static_cast<quint16>(bits & 0xFFFFu)};
}

quint32 PackDayStamp(int number, TDateTime date) {
    // Days before 2000 wrap around modulo 2^32, as the stored stamps always have.
    const auto days = static_cast<quint32>(SplitDateTime(date).Days - DayStampEpoch);
    return (days << 16) | (static_cast<quint32>(number) & 0xFFFFu);
}

TDayStamp UnpackDayStamp(quint32 value) {
    return {static_cast<TDateTime>(qint64(value >> 16) + DayStampEpoch),
            static_cast<quint16>(value & 0xFFFFu)};
}

QByteArray SetCardinalAt(const QByteArray& bytes, int index, quint32 value) {
    if (index < 0)
        return bytes;
    QByteArray result = bytes;
    const qsizetype offset = qsizetype(index) * 4;
    if (result.size() < offset + 4)
        result.append(QByteArray(offset + 4 - result.size(), '\0'));
    qToLittleEndian<quint32>(value, result.data() + offset);
    return result;
}

quint32 CardinalAt(const QByteArray& bytes, int index) {
    const qsizetype offset = qsizetype(index) * 4;
    if (index < 0 || bytes.size() < offset + 4)
        return 0;
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

// --- Texts ---

QString QuoteList(const QString& text) {
    QStringList items = text.split(QLatin1Char(','));
    // A trailing comma (or trailing blanks) does not start another item.
    if (TrimControls(items.last()).isEmpty())
        items.removeLast();
    for (QString& item : items) {
        // Doubled quotes keep an item's own quote from ending it early in the comma-text reader.
        item = QLatin1Char('"') +
               TrimControls(item).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
               QLatin1Char('"');
    }
    return items.join(QLatin1Char(','));
}

QString RemoveQuotes(const QString& text) {
    return QString(text).remove(QLatin1Char('"'));
}

QString FileNameStem(const QString& path) {
    // Paths in station files are written with backslashes; accept both separators.
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return CutAtDot(path.mid(slash + 1));
}

QString CutAtDot(const QString& text) {
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    return dot < 0 ? text : text.left(dot);
}

bool TextToBool(const QString& text, bool def) {
    if (text == QLatin1String("1") || text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text == QLatin1String("0") ||
        text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return def;
}

QString BoolToText(bool flag) {
    return flag ? QStringLiteral("1") : QStringLiteral("0");
}
