#include "foundation/uFormat.h"

#include <QLocale>
#include <optional>

namespace {

// One placeholder as written; -1 means "not given".
struct TPlaceholder {
    int Index = -1;
    bool LeftAlign = false;
    int Width = -1;
    int Precision = -1;
    QChar Type;
};

bool IsIntegral(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool IsNumber(const QVariant& value) {
    return IsIntegral(value) || value.typeId() == QMetaType::Double ||
           value.typeId() == QMetaType::Float;
}

// Values of at most 32 bits wrap at 2^32 when read unsigned, as the 32-bit integers of the
// program's texts do; wider ones at 2^64.
quint64 AsUnsigned(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::ULongLong:
    case QMetaType::ULong:
        return value.toULongLong();
    case QMetaType::LongLong:
    case QMetaType::Long:
        return static_cast<quint64>(value.toLongLong());
    default:
        return static_cast<quint32>(value.toLongLong());
    }
}

QString ZeroPadded(QString digits, int precision) {
    if (precision > digits.size())
        digits.prepend(QString(precision - digits.size(), QLatin1Char('0')));
    return digits;
}

QLocale NumberLocale(bool groupDigits) {
    QLocale locale;
    locale.setNumberOptions(groupDigits ? QLocale::DefaultNumberOptions
                                        : QLocale::OmitGroupSeparator);
    return locale;
}

// The placeholder's text without the width applied; nothing when the argument does not fit.
std::optional<QString> Convert(const TPlaceholder& placeholder, const QVariant& arg) {
    switch (placeholder.Type.toLower().unicode()) {
    case 'd': {
        if (!IsIntegral(arg))
            return std::nullopt;
        if (arg.typeId() == QMetaType::ULongLong || arg.typeId() == QMetaType::ULong)
            return ZeroPadded(QString::number(arg.toULongLong()), placeholder.Precision);
        const qint64 value = arg.toLongLong();
        // The magnitude as unsigned, so the lowest 64-bit value has one too.
        const quint64 magnitude =
            value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
        const QString digits = ZeroPadded(QString::number(magnitude), placeholder.Precision);
        return value < 0 ? QLatin1Char('-') + digits : digits;
    }
    case 'u':
        if (!IsIntegral(arg))
            return std::nullopt;
        return ZeroPadded(QString::number(AsUnsigned(arg)), placeholder.Precision);
    case 'x':
        if (!IsIntegral(arg))
            return std::nullopt;
        return ZeroPadded(QString::number(AsUnsigned(arg), 16).toUpper(), placeholder.Precision);
    case 's': {
        if (!arg.isValid())
            return QString();
        if (!arg.canConvert<QString>())
            return std::nullopt;
        const QString text = arg.toString();
        return placeholder.Precision >= 0 ? text.left(placeholder.Precision) : text;
    }
    case 'f':
    case 'n':
        if (!IsNumber(arg))
            return std::nullopt;
        return NumberLocale(placeholder.Type.toLower() == QLatin1Char('n'))
            .toString(arg.toDouble(), 'f', placeholder.Precision >= 0 ? placeholder.Precision : 2);
    case 'g':
        if (!IsNumber(arg))
            return std::nullopt;
        return NumberLocale(false).toString(
            arg.toDouble(), 'g',
            placeholder.Precision >= 0 ? placeholder.Precision : QLocale::FloatingPointShortest);
    default:
        return std::nullopt;
    }
}

class TFormatter {
public:
    TFormatter(const QString& fmt, const QVariantList& args) : Fmt(fmt), Args(args) {}

    QString Run() {
        QString result;
        result.reserve(Fmt.size() + TextArgsSize());
        while (Pos < Fmt.size()) {
            // The text up to the next placeholder in one piece: statement texts run long.
            qsizetype next = Fmt.indexOf(QLatin1Char('%'), Pos);
            if (next < 0)
                next = Fmt.size();
            if (next > Pos) {
                result += QStringView(Fmt).sliced(Pos, next - Pos);
                Pos = next;
                continue;
            }
            if (Pos + 1 < Fmt.size() && Fmt[Pos + 1] == QLatin1Char('%')) {
                result += QLatin1Char('%');
                Pos += 2;
                continue;
            }
            const qsizetype start = Pos;
            const std::optional<QString> filled = Placeholder();
            result += filled ? *filled : Fmt.mid(start, Pos - start);
        }
        return result;
    }

private:
    const QString& Fmt;
    const QVariantList& Args;
    qsizetype Pos = 0;
    int NextArg = 0;

    // Room for the text arguments, so that pasting a long one takes no reallocations.
    qsizetype TextArgsSize() const {
        qsizetype size = 16;
        for (const QVariant& arg : Args)
            if (arg.typeId() == QMetaType::QString)
                size += static_cast<const QString*>(arg.constData())->size();
        return size;
    }

    std::optional<QVariant> TakeArg() {
        if (NextArg < 0 || NextArg >= Args.size())
            return std::nullopt;
        return Args[NextArg++];
    }

    // Digits, or "*" for the next argument; -1 when neither stands at the position.
    std::optional<int> Number() {
        if (Pos < Fmt.size() && Fmt[Pos] == QLatin1Char('*')) {
            ++Pos;
            const std::optional<QVariant> arg = TakeArg();
            if (!arg || !IsIntegral(*arg))
                return std::nullopt;
            return arg->toInt();
        }
        int value = -1;
        while (Pos < Fmt.size() && Fmt[Pos].isDigit() && Fmt[Pos].unicode() < 128) {
            value = (value < 0 ? 0 : value) * 10 + (Fmt[Pos].unicode() - '0');
            if (value > 1000000)
                return std::nullopt; // no real text pads that far
            ++Pos;
        }
        return value;
    }

    // Reads the placeholder at Pos (a "%") and leaves Pos after it. Nothing when it cannot
    // be filled; Pos then still ends after what was read.
    std::optional<QString> Placeholder() {
        ++Pos; // the "%"
        TPlaceholder placeholder;
        // An index is the digits (or "*") before a ":".
        const qsizetype numberStart = Pos;
        qsizetype scan = Pos;
        while (scan < Fmt.size() && Fmt[scan].isDigit())
            ++scan;
        if (scan < Fmt.size() && Fmt[scan] == QLatin1Char('*') && scan == Pos)
            ++scan;
        if (scan > numberStart && scan < Fmt.size() && Fmt[scan] == QLatin1Char(':')) {
            const std::optional<int> index = Number();
            if (!index)
                return std::nullopt;
            ++Pos; // the ":"
            placeholder.Index = *index;
        }
        if (Pos < Fmt.size() && Fmt[Pos] == QLatin1Char('-')) {
            placeholder.LeftAlign = true;
            ++Pos;
        }
        const std::optional<int> width = Number();
        if (!width)
            return std::nullopt;
        placeholder.Width = *width;
        if (Pos < Fmt.size() && Fmt[Pos] == QLatin1Char('.')) {
            ++Pos;
            const std::optional<int> precision = Number();
            if (!precision)
                return std::nullopt;
            placeholder.Precision = *precision;
        }
        if (Pos >= Fmt.size())
            return std::nullopt;
        placeholder.Type = Fmt[Pos++];
        if (placeholder.Index >= 0)
            NextArg = placeholder.Index;
        const std::optional<QVariant> arg = TakeArg();
        if (!arg)
            return std::nullopt;
        std::optional<QString> text = Convert(placeholder, *arg);
        if (text && placeholder.Width > text->size()) {
            const QString padding(placeholder.Width - text->size(), QLatin1Char(' '));
            *text = placeholder.LeftAlign ? *text + padding : padding + *text;
        }
        return text;
    }
};

} // namespace

QString Format(const QString& fmt, const QVariantList& args) {
    return TFormatter(fmt, args).Run();
}
