#pragma once

#include <QList>
#include <QString>

// What the library windows do with artists, labels and albums, on the process-wide library
// store (MainBase). The windows collect the values and ask the questions through these; every
// refusal and failure is shown here, so a false answer only tells the window to stay open.
// Store failures show "Błąd zapisu do bazy danych: "%s"." and change nothing.

// --- Artists

struct TArtistFields {
    QString Name;
    int Alias1 = -1; // other artists counted as the same performer, -1 none
    int Alias2 = -1;
    int FreqGroup = -1;
};

// The frequency group preselected for a new artist: the default artist group.
int DefaultArtistFreqGroup();
// True when no other artist than `ownId` has the name, letter case ignored; otherwise shows
// "W bazie wykonawców istnieje już wpis "%s"." and answers false.
bool CheckArtistName(const QString& name, int ownId = -1);
// The new artist's id; -1 when the name is empty or taken (shown) or writing fails.
int NewArtist(const TArtistFields& fields);
// Writes name, aliases and group of one artist after the same check.
bool EditArtist(int artistId, const TArtistFields& fields);
// Several artists edited at once: only the group, written to each of them as one unit.
bool SetArtistsFreqGroup(const QList<int>& artistIds, int freqGroup);
// Asks whether the artists (with every song of theirs) are to be deleted; Yes is true.
bool ConfirmArtistsDeletion(int count);
// Deletes each artist that still exists with its songs (their rows and play statistics) and
// its own play statistics, all artists as one unit: a failure deletes nothing. The -1 row is
// never deleted.
bool DeleteArtists(const QList<int>& artistIds);

// --- Labels

// A value the label dialog accepts: not empty, at most 30 characters, no "*".
bool IsValidLabelValue(const QString& value);
// The new label's id; -1 when the value is not valid, another label has it, letter case
// ignored ("Podana etykieta już istnieje." is shown), or writing fails.
int NewLabel(const QString& value);
// Gives the label a new value, after the same checks (the label's own row does not count, so
// its letter case can be changed).
bool RenameLabel(int labelId, const QString& value);
// Asks whether the label is to be deleted; Yes is true.
bool ConfirmLabelDeletion();
// Deletes the label and takes it off every song that carries it (that label becomes -1), as
// one unit, so no song drops out of the song list. The -1 row is never deleted.
bool DeleteLabel(int labelId);

// --- Albums of an artist

struct TAlbumEntry {
    int Id = -1; // -1: not stored yet
    QString Title;
    int Year = -1; // -1: empty
    bool Changed = false;
};

// The artist's albums, ordered by title; empty for artist -1 and on a failure (shown).
QList<TAlbumEntry> ArtistAlbums(int artistId);
// The albums dialog's OK: appends every new entry (the artist's album, its id then written to
// the entry) and writes title and year of every changed one, as one unit. Entries removed from
// the dialog's list are not deleted. False for artist -1.
bool SaveArtistAlbums(int artistId, QList<TAlbumEntry>& entries);

// Texts of the windows' edits.
inline const QString kArtistNameTaken =
    QStringLiteral("W bazie wykonawców istnieje już wpis \"%s\".");
inline const QString kDeleteArtistQuestion =
    QStringLiteral("Usunięcie wykonawcy spowoduje usunięcie wszystkich utworów tego wykonawcy z "
                   "bazy. Czy kontynuować?");
inline const QString kDeleteArtistsQuestion =
    QStringLiteral("Usunięcie wykonawców spowoduje usunięcie wszystkich utworów tych wykonawców "
                   "z bazy. Czy kontynuować?");
inline const QString kLabelExists = QStringLiteral("Podana etykieta już istnieje.");
inline const QString kDeleteLabelQuestion =
    QStringLiteral("Etykieta zostanie usunięta ze wszystkich charakterystyk. Czy kontynuowac?");
inline constexpr int kLabelValueMax = 30;
