#include "clocks/uClockRows.h"

#include "clocks/uBroadcastList.h"
#include "foundation/uArUtils.h"
#include "settings/uSettings.h"

#include <algorithm>

namespace {

struct TCharColumnInfo {
    TCharKind Kind;
    const char* Caption;
    // "dowolne" agrees with the plural names of these characteristics.
    bool NeuterAny;
};

// Columns 3..8.
constexpr std::array<TCharColumnInfo, CharColumnCount> kCharColumns = {{
    {ckAtmosphere, "Nastrój", false},
    {ckTempo, "Tempo", true},
    {ckLanguage, "Język", false},
    {ckVocal, "Wokal", false},
    {ckYears, "Lata", true},
    {ckType, "Typ", false},
}};

const TCharColumnInfo& CharColumn(int column) {
    return kCharColumns.at(column - FirstCharColumn);
}

// One of the Polish forms of a count: 1, 2 to 4, the rest (0 and 5 on; 22 too).
QString CountWord(int count, const char* one, const char* few, const char* many) {
    const char* word = count == 1 ? one : (count >= 2 && count <= 4 ? few : many);
    return QStringLiteral("%1 %2 ").arg(count).arg(QString::fromUtf8(word));
}

} // namespace

TCharKind CharKindOfColumn(int column) {
    return CharColumn(column).Kind;
}

QString ClockColumnCaption(int column) {
    switch (column) {
    case ccHour:
        return QStringLiteral("Godzina");
    case ccName:
        return QStringLiteral("Kategoria");
    case ccTime:
        return QStringLiteral("Czas");
    case ccAnd:
        return QStringLiteral("Łącznik");
    default:
        return IsCharColumn(column) ? QString::fromUtf8(CharColumn(column).Caption) : QString();
    }
}

QString AnyValueText(int column) {
    return CharColumn(column).NeuterAny ? QStringLiteral("dowolne") : QStringLiteral("dowolny");
}

// --- TClockObjData

void TClockObjData::SetPlayTime(int seconds) {
    RowPlayTime = seconds;
    TimeText = FormatDurationHMS(seconds);
}

QString TClockObjData::Name() const {
    return RowObject ? RowObject->ObjName() : UnknownRowName;
}

QString TClockObjData::CellText(int column) const {
    switch (column) {
    case ccHour:
        return FormatDurationHMS(RowHour);
    case ccName:
        return Name();
    case ccTime:
        return TimeText;
    case ccAnd:
        if (!RowObject || !HasCharConditions(*RowObject))
            return QString();
        return Any() ? QStringLiteral("AND") : QStringLiteral("OR");
    default:
        return IsCharColumn(column) ? CharText(column) : QString();
    }
}

// --- Filling rows

bool HasCharConditions(const TBaseClockObject& object) {
    if (object.ObjType() == otCategory)
        return true;
    const auto* item = dynamic_cast<const TBroadcastItem*>(&object);
    return item != nullptr && item->MstType != otPlayList && item->MstType != otBlank;
}

bool IsEditableCell(const TClockObjData& row, int column) {
    const TBaseClockObject* object = row.Object();
    if (!object)
        return false;
    switch (object->ObjType()) {
    case otPlayList:
    case otBlank:
        return column == ccHour || column == ccTime;
    case otCategory:
        return column == ccHour || (column >= ccTime && column <= ccAnd);
    case otBroadcastItem:
        return HasCharConditions(*object) && column >= FirstCharColumn && column <= ccAnd;
    default:
        return false;
    }
}

void InitRow(TClockObjData& row, int image, std::unique_ptr<TBaseClockObject> object) {
    row.ImageIndex = image;
    row.RowObject = std::move(object);
    const TBaseClockObject* copy = row.Object();
    row.SetPlayTime(copy != nullptr ? copy->GetPlayTime() : 0);
    row.RowHour = 0;
    const bool withChars = copy != nullptr && HasCharConditions(*copy);
    for (int column = FirstCharColumn; column <= LastCharColumn; ++column) {
        QString text;
        if (withChars) {
            text = PropertiesText(copy->Properties.Array(CharKindOfColumn(column)),
                                  CharKindOfColumn(column));
            if (text.isEmpty())
                text = AnyValueText(column);
        }
        row.CharText(column) = text;
    }
    row.SetAny(withChars ? copy->Properties.Any : true);
    std::fill(row.Flags.begin(), row.Flags.begin() + rfAny, false);
    row.SetOwnPlayTime(copy != nullptr && copy->OwnTime);
    row.Edited = false;
}

std::unique_ptr<TBaseClockObject> MakeClockCopy(const TBaseClockObject& object) {
    if (const auto* broadcast = dynamic_cast<const TBroadcast*>(&object)) {
        auto copy = std::make_unique<TBroadcast>();
        copy->CopyBroadcast(*broadcast, true);
        return copy;
    }
    std::unique_ptr<TBaseClockObject> copy = CreateClockObject(object.ObjType());
    if (copy)
        copy->Assign(object);
    return copy;
}

// --- Characteristic texts

QString CharTextOfIds(const TPropArray& ids, int column) {
    const TCharKind kind = CharKindOfColumn(column);
    QStringList names;
    for (int id : ids) {
        const QString name = Options ? Options->CharValueName(kind, id) : QString();
        if (!name.isEmpty())
            names.append(name);
    }
    return names.isEmpty() ? AnyValueText(column) : names.join(QLatin1Char(','));
}

TPropArray IdsOfCharText(const QString& text, int column) {
    TPropArray ids;
    if (!Options)
        return ids;
    const TCharKind kind = CharKindOfColumn(column);
    for (const QString& name : text.split(QLatin1Char(','))) {
        const int id = Options->CharValueId(kind, name.trimmed());
        if (id != -1)
            ids.push_back(id);
    }
    return ids;
}

// --- Duration text

QString DurationText(int seconds) {
    seconds = std::max(seconds, 0);
    const int days = seconds / SecsPerDay;
    const int rest = seconds % SecsPerDay;
    QString text;
    if (days > 0)
        text += CountWord(days, "dzień", "dni", "dni");
    text += CountWord(rest / 3600, "godzina", "godziny", "godzin");
    text += CountWord(rest % 3600 / 60, "minuta", "minuty", "minut");
    text += CountWord(rest % 60, "sekunda", "sekundy", "sekund");
    return text;
}
