#include "library/uDBCollation.h"

#include <QChar>
#include <QString>
#include <SQLiteCpp/Exception.h>
#include <sqlite3.h>

namespace {

// Above every code point, so a stray byte sorts after all characters.
constexpr char32_t BrokenByteBase = 0x110000;

// The next code point of `text` from `pos`, moving `pos` past it.
char32_t NextCodePoint(std::string_view text, size_t& pos) {
    const unsigned char lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    int continuation;
    char32_t code;
    if ((lead & 0xE0) == 0xC0) {
        continuation = 1;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        continuation = 2;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        continuation = 3;
        code = lead & 0x07;
    } else {
        return BrokenByteBase + lead;
    }
    const size_t start = pos;
    for (int i = 0; i < continuation; ++i) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            pos = start;
            return BrokenByteBase + lead;
        }
        code = (code << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    return code;
}

// Sort weight of one character: four slots per base letter leave room for its Polish
// variants right after it (a, ą; z, ź, ż).
quint32 Weight(char32_t code) {
    if (code < 0x80) {
        if (code >= 'A' && code <= 'Z')
            code += 'a' - 'A';
        return code * 4;
    }
    const char32_t folded = code < BrokenByteBase ? QChar::toCaseFolded(code) : code;
    switch (folded) {
    case 0x0105: // ą
        return 'a' * 4 + 1;
    case 0x0107: // ć
        return 'c' * 4 + 1;
    case 0x0119: // ę
        return 'e' * 4 + 1;
    case 0x0142: // ł
        return 'l' * 4 + 1;
    case 0x0144: // ń
        return 'n' * 4 + 1;
    case 0x00F3: // ó
        return 'o' * 4 + 1;
    case 0x015B: // ś
        return 's' * 4 + 1;
    case 0x017A: // ź
        return 'z' * 4 + 1;
    case 0x017C: // ż
        return 'z' * 4 + 2;
    default:
        return folded * 4;
    }
}

int CollationCallback(void*, int lengthA, const void* a, int lengthB, const void* b) {
    return ComparePolish(std::string_view(static_cast<const char*>(a), lengthA),
                         std::string_view(static_cast<const char*>(b), lengthB));
}

void LowerFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const char* text = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
    const int length = sqlite3_value_bytes(args[0]);
    std::string lower(text ? text : "", text ? length : 0);
    bool ascii = true;
    for (char& c : lower) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
        if (c >= 'A' && c <= 'Z')
            c += 'a' - 'A';
    }
    if (!ascii)
        lower = QString::fromUtf8(text, length).toLower().toStdString();
    sqlite3_result_text(context, lower.data(), static_cast<int>(lower.size()), SQLITE_TRANSIENT);
}

void Check(sqlite3* db, int result) {
    if (result != SQLITE_OK)
        throw SQLite::Exception(db, result);
}

} // namespace

int ComparePolish(std::string_view a, std::string_view b) {
    size_t posA = 0;
    size_t posB = 0;
    while (posA < a.size() && posB < b.size()) {
        const quint32 weightA = Weight(NextCodePoint(a, posA));
        const quint32 weightB = Weight(NextCodePoint(b, posB));
        if (weightA != weightB)
            return weightA < weightB ? -1 : 1;
    }
    if (posA < a.size())
        return 1;
    if (posB < b.size())
        return -1;
    return 0;
}

void RegisterPolishText(sqlite3* db) {
    Check(db, sqlite3_create_function_v2(db, "LOWER", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                         nullptr, LowerFunction, nullptr, nullptr, nullptr));
    Check(db, sqlite3_create_collation_v2(db, kPolishCollation, SQLITE_UTF8, nullptr,
                                          CollationCallback, nullptr));
}
