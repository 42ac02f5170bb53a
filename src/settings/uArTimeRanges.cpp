#include "settings/uArTimeRanges.h"

#include "foundation/HTMLParser.h"
#include "foundation/uAppPaths.h"
#include "foundation/uArUtils.h"
#include "foundation/uXmlEscape.h"
#include "foundation/uXmlWriter.h"
#include "settings/uArSettingsFile.h"

#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const QString kRootTag = QStringLiteral("ranges");
const QString kRangeTag = QStringLiteral("range");
const QString kHoursTag = QStringLiteral("hours");
const QString kDatesTag = QStringLiteral("dates");
const QString kDaysTag = QStringLiteral("days");
const QString kItemTag = QStringLiteral("Item");
const QString kLastIdAttr = QStringLiteral("lastId");
const QString kFirstAttr = QStringLiteral("first");
const QString kIdAttr = QStringLiteral("id");
const QString kNameAttr = QStringLiteral("name");
const QString kCountAttr = QStringLiteral("count");
const QString kStartAttr = QStringLiteral("start");
const QString kStopAttr = QStringLiteral("stop");

constexpr int kMinutesPerHour = 60;

bool IsWeekday(int weekday) {
    return weekday >= 1 && weekday <= 7;
}

// 1 = Sunday .. 7 = Saturday.
int WeekdayOf(const QDate& date) {
    return date.dayOfWeek() % 7 + 1;
}

bool Covers(const std::vector<TArRangePair>& pairs, int value) {
    for (const TArRangePair& pair : pairs)
        if (pair.Start <= value && value <= pair.Stop)
            return true;
    return false;
}

TArRangePair MakePair(int start, int stop) {
    return {static_cast<quint16>(start), static_cast<quint16>(stop)};
}

// At most "count" Items are taken; without a count the part stays empty.
void ReadPairs(const TTagNode* part, std::vector<TArRangePair>& pairs) {
    if (part == nullptr)
        return;
    const int count = StrToIntDef(part->GetAttr(kCountAttr), 0);
    if (count <= 0)
        return;
    TTagNodeList items;
    FindAll(part, kItemTag, items);
    for (const TTagNode* item : items) {
        if (static_cast<int>(pairs.size()) >= count)
            break;
        pairs.push_back(MakePair(StrToIntDef(item->GetAttr(kStartAttr), 0),
                                 StrToIntDef(item->GetAttr(kStopAttr), 0)));
    }
}

void WritePairs(TLineDocument& doc, const QString& tag, const std::vector<TArRangePair>& pairs) {
    doc.Open(tag, TLineAttrs().Add(kCountAttr, static_cast<int>(pairs.size())));
    for (const TArRangePair& pair : pairs)
        doc.Element(kItemTag, TLineAttrs()
                                  .Add(kStartAttr, static_cast<int>(pair.Start))
                                  .Add(kStopAttr, static_cast<int>(pair.Stop)));
    doc.Close();
}

// The number as the locale writes a general float: up to 15 significant digits, the locale's
// decimal separator, a plain exponent ("1E-6") only for values below 0.00001 or of 15 and more
// integer digits.
QString FormatFirstDay(TDateTime value) {
    QString text = QString::number(value, 'g', 15);
    const qsizetype exponentAt = text.indexOf(QLatin1Char('e'));
    if (exponentAt >= 0) {
        const int exponent = text.mid(exponentAt + 1).toInt();
        if (exponent == -5) {
            text = QString::number(value, 'f', 19);
            while (text.endsWith(QLatin1Char('0')))
                text.chop(1);
        } else {
            text = text.left(exponentAt) + QLatin1Char('E') + QString::number(exponent);
        }
    }
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

// Files written under another locale carry a dot, so both separators are read.
std::optional<TDateTime> ParseFirstDay(const QString& text) {
    QString normal = text.trimmed();
    normal.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(normal, &ok);
    if (!ok || !std::isfinite(value) || value < MinDateTime || value > MaxDateTime)
        return std::nullopt;
    return value;
}

} // namespace

// --- TArTimeRange

void TArTimeRange::Clear() {
    FHours.clear();
    FDates.clear();
    FDays = 0;
}

void TArTimeRange::AddHours(int start, int stop) {
    FHours.push_back(MakePair(start, stop));
}

void TArTimeRange::AddDates(int start, int stop) {
    FDates.push_back(MakePair(start, stop));
}

void TArTimeRange::SetHourCount(int count) {
    FHours.resize(std::max(count, 0));
}

void TArTimeRange::SetDateCount(int count) {
    FDates.resize(std::max(count, 0));
}

void TArTimeRange::SetDay(int weekday, bool blocked) {
    if (!IsWeekday(weekday))
        return;
    const auto bit = static_cast<quint8>(1u << weekday);
    FDays = blocked ? (FDays | bit) : (FDays & ~bit);
}

bool TArTimeRange::HasDay(int weekday) const {
    return IsWeekday(weekday) && (FDays & (1u << weekday)) != 0;
}

bool TArTimeRange::IsFree(int minute, TDateTime date) const {
    const QDate day = DateTimeToDate(date);
    if (Covers(FDates, day.dayOfYear()))
        return false;
    for (const TArRangePair& hours : FHours)
        if (hours.Start * kMinutesPerHour <= minute && minute <= hours.Stop * kMinutesPerHour)
            return false;
    return !HasDay(WeekdayOf(day));
}

void TArTimeRange::LoadFromNode(const TTagNode& element) {
    Clear();
    Id = StrToIntDef(element.GetAttr(kIdAttr), -1);
    Name = XmlUnescape(element.GetAttr(kNameAttr));
    ReadPairs(FindChild(&element, kHoursTag), FHours);
    ReadPairs(FindChild(&element, kDatesTag), FDates);
    if (const TTagNode* days = FindChild(&element, kDaysTag)) {
        TTagNodeList items;
        FindAll(days, kItemTag, items);
        for (const TTagNode* item : items)
            SetDay(StrToIntDef(item->GetAttr(kIdAttr), -1), true);
    }
}

void TArTimeRange::SaveToList(TLineDocument& doc) const {
    doc.Open(kRangeTag, TLineAttrs().Add(kIdAttr, Id).AddEscaped(kNameAttr, Name));
    WritePairs(doc, kHoursTag, FHours);
    WritePairs(doc, kDatesTag, FDates);
    doc.Open(kDaysTag);
    // The day items stand level with their "days" line.
    const QString dayIndent(2 * (doc.Depth() - 1), u' ');
    for (int weekday = 1; weekday <= 7; ++weekday)
        if (HasDay(weekday))
            doc.AddLine(dayIndent + QLatin1Char('<') + kItemTag +
                        TLineAttrs().Add(kIdAttr, weekday).Text() + QLatin1String("/>"));
    doc.Close();
    doc.Close();
}

// --- TArTimeRanges

TArTimeRanges::TArTimeRanges() : FFirstDay(Now()) {}

bool TArTimeRanges::Load() {
    THTMLParser parser;
    const bool read =
        LoadSettingsDocument(parser, TimeRangesFileName, TFileNaming::fnFileName, kRootTag);
    FReadWhole = read || !QFileInfo::exists(AppFilePath(TimeRangesFileName));
    const TTagNode* root = FindChild(parser.Root(), kRootTag);
    if (root != nullptr) {
        FFirstDay = ParseFirstDay(root->GetAttr(kFirstAttr)).value_or(Now());
        AddLoaded(*root, kRangeTag, StrToIntDef(root->GetAttr(kLastIdAttr), 0));
    }
    ClearChanged();
    return read;
}

bool TArTimeRanges::Save() {
    TLineDocument doc;
    doc.Open(kRootTag,
             TLineAttrs().Add(kLastIdAttr, LastId()).Add(kFirstAttr, FormatFirstDay(FFirstDay)));
    for (int i = 0; i < Count(); ++i)
        Items(i).SaveToList(doc);
    doc.Close();
    const bool written = SaveSettingsDocument(doc, TimeRangesFileName, TFileNaming::fnFileName);
    ClearChanged();
    if (written)
        FReadWhole = true;
    return written;
}

bool TArTimeRanges::SaveAtExit() {
    return (FReadWhole || Changed()) ? Save() : true;
}

void TArTimeRanges::SetFirstDay(TDateTime date) {
    FFirstDay = date;
    Save();
}
