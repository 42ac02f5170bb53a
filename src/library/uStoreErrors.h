#pragma once

#include <QString>
#include <exception>

// How the library's store operations report the errors they catch.

// The text of an operation that needs the store while it is not open.
inline const QString kStoreNotOpen = QStringLiteral("the library store is not open");

// The engine's text of an error.
QString StoreErrorText(const std::exception& error);
// "Błąd zapisu do bazy danych: "%s"." in an error box.
void ShowStoreWriteError(const QString& text);
void ShowStoreWriteError(const std::exception& error);
// "Błąd bazy danych: "%s"." in an error box, for a lookup that failed.
void ShowStoreReadError(const std::exception& error);
