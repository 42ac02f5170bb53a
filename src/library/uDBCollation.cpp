#include "library/uDBCollation.h"

#include <QChar>
#include <QString>
#include <SQLiteCpp/Exception.h>
#include <algorithm>
#include <sqlite3.h>
#include <unordered_map>

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

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Where a comparison of two texts can start: the end of the characters both begin with.
// Most comparisons of a sort meet texts with a shared beginning (the songs of one artist).
// Identical bytes decode to identical characters up to the last byte that is no continuation
// byte: such a byte always starts a character, and no character before it reads past it.
size_t SharedCharacters(std::string_view a, std::string_view b) {
    const auto [endA, endB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    size_t start = static_cast<size_t>(endA - a.begin());
    while (start > 0) {
        --start;
        if (!IsContinuationByte(static_cast<unsigned char>(a[start])))
            break;
    }
    return start;
}

// Appends `code` to `out` as UTF-8.
char* AppendUtf8(char* out, char32_t code) {
    if (code < 0x80) {
        *out++ = static_cast<char>(code);
    } else if (code < 0x800) {
        *out++ = static_cast<char>(0xC0 | (code >> 6));
        *out++ = static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (code >> 12));
        *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (code & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (code >> 18));
        *out++ = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

// The Latin letters of Western and Central European names (Latin-1 and the Latin Extended
// blocks) lower-case one character at a time, as QString does. İ is the one exception: it
// lower-cases to two characters.
constexpr char32_t kLastSimpleLatin = 0x024F;
constexpr char32_t kCapitalIWithDot = 0x0130;

// Lower-cases ASCII and the Latin range above into `out`, which has room for one and a half
// times the input (a two-byte letter may lower-case to a three-byte one, as Ⱥ to ⱥ). Returns
// the end of the output, or nullptr at anything else (other scripts, broken bytes), which
// QString handles.
char* LowerLatin(std::string_view text, char* out) {
    for (size_t pos = 0; pos < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[pos]);
        if (lead < 0x80) {
            *out++ = AsciiLower(static_cast<char>(lead));
            ++pos;
            continue;
        }
        // Two-byte sequences with leads C2..C9 are exactly U+0080..U+027F; C0 and C1 would be
        // overlong forms, which QString replaces.
        if (lead < 0xC2 || lead > 0xC9 || pos + 1 >= text.size() ||
            !IsContinuationByte(static_cast<unsigned char>(text[pos + 1])))
            return nullptr;
        const char32_t code =
            ((lead & 0x1F) << 6) | (static_cast<unsigned char>(text[pos + 1]) & 0x3F);
        if (code > kLastSimpleLatin || code == kCapitalIWithDot)
            return nullptr;
        out = AppendUtf8(out, QChar::toLower(code));
        pos += 2;
    }
    return out;
}

void LowerFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const char* text = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
    const std::string_view value(text ? text : "", text ? sqlite3_value_bytes(args[0]) : 0);
    // The sort of the song list lower-cases every name and title: most of them are Latin text,
    // done here in one pass without building a QString.
    char* buffer = static_cast<char*>(sqlite3_malloc64(value.size() + value.size() / 2 + 1));
    if (!buffer) {
        sqlite3_result_error_nomem(context);
        return;
    }
    if (const char* end = LowerLatin(value, buffer)) {
        sqlite3_result_text64(context, buffer, static_cast<sqlite3_uint64>(end - buffer),
                              sqlite3_free, SQLITE_UTF8);
        return;
    }
    sqlite3_free(buffer);
    const QByteArray lower =
        QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())).toLower().toUtf8();
    sqlite3_result_text64(context, lower.constData(), static_cast<sqlite3_uint64>(lower.size()),
                          SQLITE_TRANSIENT, SQLITE_UTF8);
}

// --- Texts the collation takes as equal, as ranges of bytes

// Weights shared by several code points: the letters in all their cases (and the few signs
// that fold to a letter, as K, the Kelvin sign, to k). Every other weight has one code point.
const std::unordered_map<quint32, std::vector<char32_t>>& SharedWeights() {
    static const std::unordered_map<quint32, std::vector<char32_t>> shared = [] {
        std::unordered_map<quint32, std::vector<char32_t>> classes;
        for (char32_t code = 0; code < BrokenByteBase; ++code)
            if (const quint32 weight = Weight(code); weight != code * 4)
                classes[weight].push_back(code);
        for (auto& [weight, codes] : classes)
            if (weight % 4 == 0 && Weight(weight / 4) == weight)
                codes.push_back(weight / 4);
        return classes;
    }();
    return shared;
}

// The shortest UTF-8 form of a code point, ASCII letters in lower case (as SQLite's NOCASE
// takes them).
std::string FoldedUtf8(char32_t code) {
    char bytes[4];
    std::string text(bytes, AppendUtf8(bytes, code));
    for (char& c : text)
        c = AsciiLower(c);
    return text;
}

// The end of the texts beginning with `prefix` under NOCASE: its last byte one up. A prefix of
// well-formed text holds no 0xFF byte, so there always is one.
std::string Successor(std::string prefix) {
    prefix.back() = static_cast<char>(static_cast<unsigned char>(prefix.back()) + 1);
    return prefix;
}

constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;
constexpr char32_t kLastCodePoint = 0x10FFFF;

// A sign outside ASCII that the collation takes for an ASCII letter: ſ for s, the Kelvin sign
// for k.
bool TakenForAscii(char32_t code) {
    const quint32 weight = Weight(code);
    return code >= 0x80 && weight % 4 == 0 && weight / 4 < 0x80;
}

// The shortest encoding of a code point takes this many bytes.
size_t EncodedLength(char32_t code) {
    return code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
}

void Check(sqlite3* db, int result) {
    if (result != SQLITE_OK)
        throw SQLite::Exception(db, result);
}

} // namespace

int ComparePolish(std::string_view a, std::string_view b) {
    if (a == b)
        return 0;
    const size_t start = SharedCharacters(a, b);
    size_t posA = start;
    size_t posB = start;
    while (posA < a.size() && posB < b.size()) {
        const char byteA = a[posA];
        const char byteB = b[posB];
        // Two ASCII characters: their weights compare as their lower-case bytes.
        if (((static_cast<unsigned char>(byteA) | static_cast<unsigned char>(byteB)) & 0x80) == 0) {
            const char lowerA = AsciiLower(byteA);
            const char lowerB = AsciiLower(byteB);
            if (lowerA != lowerB)
                return lowerA < lowerB ? -1 : 1;
            ++posA;
            ++posB;
            continue;
        }
        const char32_t codeA = NextCodePoint(a, posA);
        const char32_t codeB = NextCodePoint(b, posB);
        if (codeA == codeB)
            continue;
        const quint32 weightA = Weight(codeA);
        const quint32 weightB = Weight(codeB);
        if (weightA != weightB)
            return weightA < weightB ? -1 : 1;
    }
    if (posA < a.size())
        return 1;
    if (posB < b.size())
        return -1;
    return 0;
}

bool IsPlainText(std::string_view text) {
    for (size_t pos = 0; pos < text.size();) {
        const size_t start = pos;
        const char32_t code = NextCodePoint(text, pos);
        if (code == 0 || code > kLastCodePoint ||
            (code >= kFirstSurrogate && code <= kLastSurrogate) ||
            pos - start != EncodedLength(code) || TakenForAscii(code))
            return false;
    }
    return true;
}

std::vector<TTextRange> PolishEqualRanges(std::string_view text, size_t maxRanges) {
    if (text.empty() || !IsPlainText(text))
        return {};
    std::vector<std::string> prefixes{std::string()};
    for (size_t pos = 0; pos < text.size();) {
        const char32_t code = NextCodePoint(text, pos);
        if (code < 0x80) { // NOCASE folds its other case, plain text has no other form of it
            for (std::string& prefix : prefixes)
                prefix += AsciiLower(static_cast<char>(code));
            continue;
        }
        // The other cases of the character as plain text can hold them.
        std::vector<std::string> forms{FoldedUtf8(code)};
        if (const auto shared = SharedWeights().find(Weight(code)); shared != SharedWeights().end())
            for (char32_t other : shared->second)
                if (other >= 0x80 && !TakenForAscii(other))
                    if (std::string form = FoldedUtf8(other);
                        std::find(forms.begin(), forms.end(), form) == forms.end())
                        forms.push_back(std::move(form));
        if (prefixes.size() * forms.size() > maxRanges)
            break;
        std::vector<std::string> longer;
        for (const std::string& prefix : prefixes)
            for (const std::string& form : forms)
                longer.push_back(prefix + form);
        prefixes = std::move(longer);
    }
    if (prefixes.front().empty())
        return {};
    std::vector<TTextRange> ranges;
    for (const std::string& prefix : prefixes)
        ranges.push_back({prefix, Successor(prefix)});
    return ranges;
}

void RegisterPolishText(sqlite3* db) {
    Check(db, sqlite3_create_function_v2(db, "LOWER", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                         nullptr, LowerFunction, nullptr, nullptr, nullptr));
    Check(db, sqlite3_create_collation_v2(db, kPolishCollation, SQLITE_UTF8, nullptr,
                                          CollationCallback, nullptr));
}

int ComparePolishTexts(const QString& a, const QString& b) {
    return ComparePolish(a.toStdString(), b.toStdString());
}
