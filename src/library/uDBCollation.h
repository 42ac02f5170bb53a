#pragma once

#include <string_view>

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

// Registers on the connection the Unicode-aware LOWER (replacing SQLite's ASCII one) and the
// collation above. Throws SQLite::Exception when the engine refuses.
void RegisterPolishText(sqlite3* db);
