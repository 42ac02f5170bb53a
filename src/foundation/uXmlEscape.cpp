#include "foundation/uXmlEscape.h"

#include "foundation/uArUtils.h"
#include "foundation/uTextFile.h"

#include <QHash>

namespace {

// The Latin-1 entities of HTML 4 with their codes, and the few names the documents add.
const QHash<QString, int>& EntityCodes() {
    static const QHash<QString, int> codes = [] {
        static const char* const latin1[96] = {
            "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",
            "uml",    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",
            "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",  "para",   "middot",
            "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest",
            "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
            "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
            "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",
            "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",
            "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
            "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
            "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
            "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
        };
        QHash<QString, int> table;
        for (int i = 0; i < 96; ++i)
            table.insert(QLatin1String(latin1[i]), 160 + i);
        table.insert(QStringLiteral("quot"), 34);
        table.insert(QStringLiteral("amp"), 38);
        table.insert(QStringLiteral("lt"), 60);
        table.insert(QStringLiteral("gt"), 62);
        table.insert(QStringLiteral("apos"), 39);
        table.insert(QStringLiteral("die"), 168);
        table.insert(QStringLiteral("brkbar"), 166);
        table.insert(QStringLiteral("hibar"), 175);
        return table;
    }();
    return codes;
}

// How many characters after "&" an entity may take.
constexpr qsizetype kMaxEntityLength = 10;

} // namespace

QString XmlEscape(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '<':
            result += QLatin1String("&lt;");
            break;
        case '&':
            result += QLatin1String("&amp;");
            break;
        case '>':
            result += QLatin1String("&gt;");
            break;
        case '"':
            result += QLatin1String("&quot;");
            break;
        case '\'':
            result += QLatin1String("&apos;");
            break;
        case 1:
            result += QLatin1String("&nbsp;");
            break;
        default:
            result += c;
            break;
        }
    }
    return result;
}

QString XmlUnescape(const QString& text) {
    QString result;
    result.reserve(text.size());
    const qsizetype length = text.size();
    qsizetype i = 0;
    while (i < length) {
        const QChar c = text[i];
        if (c != QLatin1Char('&')) {
            result += c;
            ++i;
            continue;
        }
        QString entity;
        bool numeric = false;
        qsizetype end = i + 1;
        while (end < length && end - i <= kMaxEntityLength && text[end] != QLatin1Char(';')) {
            if (text[end] == QLatin1Char('#'))
                numeric = true;
            else
                entity += text[end];
            ++end;
        }
        const int code = numeric ? (StrToIntDef(entity, 0) & 0xFF) : EntityCodes().value(entity);
        if (code == 0) {
            // Not an entity after all: only the "&" goes.
            ++i;
            continue;
        }
        result += Cp1250ToUnicode(static_cast<unsigned char>(code));
        i = end + 1;
    }
    return result;
}
