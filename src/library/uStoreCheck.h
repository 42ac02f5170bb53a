#pragma once

#include <QString>
#include <memory>

namespace SQLite {
class Database;
}

// A library file is used only when it is whole. An empty file, a file that is not a database,
// one that lacks a table of the store or fails SQLite's quick check is an error and is left
// exactly as it is: never made anew over, never "repaired", so that whatever it still holds
// can be saved by someone who knows how.

// Opens the database file for reading and writing with the store's connection set up, after
// checking it whole and writable. Throws SQLite::Exception whose text is the reason, in the
// program's words where the fault is the file's (the engine's text otherwise, e.g. for a file
// that cannot be read); the file is not changed.
std::unique_ptr<SQLite::Database> OpenWholeStore(const QString& path);

// The reasons, each followed by kStoreLeftAlone.
inline const QString kStoreFileEmpty = QStringLiteral("Plik jest pusty.");
inline const QString kStoreNotDatabase = QStringLiteral("Plik nie jest bazą danych biblioteki.");
inline const QString kStoreTableMissing = QStringLiteral("Brak tabeli \"%s\".");
inline const QString kStoreDamaged = QStringLiteral("Baza danych jest uszkodzona (%s).");
inline const QString kStoreLeftAlone = QStringLiteral(" Plik pozostawiono bez zmian.");
