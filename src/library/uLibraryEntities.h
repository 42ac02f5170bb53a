#pragma once

#include "library/uMainBaseQuery.h"

#include <QString>
#include <optional>

// The shared rows songs refer to, on the process-wide library store (MainBase): performers
// (Artists), albums (Albums), record labels (Labels) and combinations of characteristic values
// (Chars). Each is found by its natural key and made on demand:
// - an artist is its name, letter case ignored (Polish letters too);
// - an album is its title, letter case ignored, together with its artist;
// - a label is its value, letter case ignored;
// - a characteristics row is the exact combination of its seven values, -1 included.
// The -1 rows ("none") are never found by a name and never made.
//
// Lookups answer -1 or an empty text when there is no such row; a store error is shown as
// "Błąd bazy danych: "%s"." and answered the same way. With no store brought up they simply
// answer -1 or empty.

// The artist's id; with `create`, a new artist (no aliases, the default artist frequency
// group) when there is none. -1 for an empty name, or when not found and not created, or when
// creating fails ("Błąd zapisu do bazy danych: "%s"." is shown).
int FindArtist(const QString& name, bool create);
// Empty when there is no such artist.
QString GetArtistName(int artistId);
// The artist's row, or nothing (always nothing for -1). Throws SQLite::Exception, as the
// store's locates do.
std::optional<TDBRecord> ArtistExists(int artistId);

// The album's id; with `create`, a new album of the artist (its year left empty). -1 for an
// empty title or artist -1, or when not found and not created, or when creating fails (the
// message as in FindArtist).
int FindAlbum(const QString& title, int artistId, bool create);
// Empty when there is no such album.
QString GetAlbumTitle(int albumId);

// The label's id; with `create`, a new label when there is none. -1 for an empty value, or
// when not found and not created, or when creating fails (the message as in FindArtist).
int FindLabel(const QString& value, bool create);
// The id of the label with the value, letter case ignored; -1 when none.
int LabelIdOf(const QString& value);
// Appends a label and gives its id. Throws SQLite::Exception when it cannot be written.
int AddLabel(const QString& value);
// Empty when there is no such label.
QString GetLabelValue(int labelId);

// The id of the characteristics row with exactly these values; with `create`, a new row when
// there is none. -1 when not found and not created, or on any error (no message).
int FindChars(int type, int tempo, int tempoIn, bool create, int atmosphere, int vocal,
              int language, int tempoOut);

// Texts of the lookups.
inline const QString kDatabaseError = QStringLiteral("Błąd bazy danych: \"%s\".");
