#pragma once

#include <QString>

class TArOptions;
class TRunAliases;

// A file of extra aliases for one import run, written by hand: UTF-8 text, one alias a line as
// KIND:WORD=VALUE ("Nastrój:Zadumany=Spokojny"), where KIND is the caption of an imported kind
// (letter case and diacritics ignored) and VALUE one of its existing values. Blank lines and
// lines starting with "#" are notes. Blanks around the three parts are left out; when a word
// comes twice for a kind, its first line counts.

// Adds the file's aliases. False, with the reason naming the file (and the line) in `error`,
// when the file cannot be read or any line is wrong; `aliases` is then left as it was, so a run
// never goes on with half of a file.
bool ReadRunAliases(const QString& path, const TArOptions& options, TRunAliases& aliases,
                    QString* error);

// Texts of the reading.
inline const QString kRunAliasesUnreadable =
    QStringLiteral("Nie można odczytać pliku aliasów \"%1\".");
inline const QString kRunAliasesLineError = QStringLiteral("Plik aliasów \"%1\", wiersz %2: %3");
inline const QString kRunAliasesNotUtf8 = QStringLiteral("tekst nie jest zapisany w UTF-8.");
inline const QString kRunAliasesMalformed =
    QStringLiteral("oczekiwano CHARAKTERYSTYKA:SŁOWO=WARTOŚĆ.");
