#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

// SQLite folds only ASCII letters in LOWER and NOCASE, so names such as "Łukasz" would neither
// match "łukasz" nor sort between "L" and "M". The store registers its own text functions on
// every connection.

// The collation of the name columns and of every ORDER BY term: Polish alphabetical order
// (a ą b c ć d e ę ... l ł m n ń o ó ... s ś ... z ź ż), letter case ignored. Other characters
// follow their case-folded code point.
inline constexpr const char* kPolishCollation = "PL_CI";

// Compares two UTF-8 texts under that collation: below 0, 0 or above 0 as `a` sorts before,
// together with or after `b`. Bytes that are not valid UTF-8 sort after every character, each
// by its own value, so two different broken texts never compare equal.
int ComparePolish(std::string_view a, std::string_view b);
// The same for two Qt texts, as the lists of names shown in the windows are sorted.
int ComparePolishTexts(const QString& a, const QString& b);

// Whether the text is plain: UTF-8 as this program writes it (from QString), every character
// in its shortest form, no surrogate halves, nothing above U+10FFFF, no NUL; and no sign
// outside ASCII that the collation takes for an ASCII letter (ſ for s, the Kelvin sign for k).
// Names and titles are plain unless someone made them otherwise on purpose.
bool IsPlainText(std::string_view text);

// Texts from `From` (included) to `To` (excluded) in the order of SQLite's NOCASE collation
// (bytes compared with ASCII letters folded).
struct TTextRange {
    std::string From;
    std::string To;
};

// Ranges that together hold every plain text the Polish collation takes as equal to `text`
// (and more): one per way of writing the text's first characters in other letter
// cases, for as many characters as `maxRanges` allows. They let an index on a column under
// NOCASE, which every SQLite tool has, find the candidates of an equality under the Polish
// collation. Empty when they would narrow nothing (an empty text) or the text is not plain.
std::vector<TTextRange> PolishEqualRanges(std::string_view text, size_t maxRanges);

// Registers on the connection the Unicode-aware LOWER (replacing SQLite's ASCII one) and the
// collation above. Throws SQLite::Exception when the engine refuses.
void RegisterPolishText(sqlite3* db);
