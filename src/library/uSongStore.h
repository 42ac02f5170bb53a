#pragma once

#include "library/uDBMainBase.h"
#include "library/uSongData.h"

#include <QList>
#include <QString>
#include <optional>

// The store's operations on songs, on the process-wide library store (MainBase). A song lives
// in four tables under one id: its main row in BaseSongs and its DatSongs (cue times),
// DataSongs (audio file) and ZSongs (authorship) rows.
//
// Every operation catches the store's errors and answers with its failure result and message;
// with no store brought up the operations simply fail.
//
// Adding many songs (an import, a generated library) is one unit of work per batch: hold a
// TStoreTransaction (uDBMainBase.h) around the loop and commit it at the end. Each song is
// added whole or not at all either way.
//
//     TStoreTransaction batch(*MainBase);
//     for (TSongData* song : songs)
//         AddSong(*song, added);
//     batch.Commit();

// --- Adding

// Adds the song: its characteristics row is found or made (FindChars), then its main row and
// its three other rows. A song is its performer and its title compared without regard to
// letter case: when that song is stored already, its id comes back, `added` is false and
// nothing is written. -1 when the artist is unknown (error box) or a write fails ("Błąd
// zapisu: %s." under "MainDB"); a failed song leaves none of its rows behind.
int AddSong(const TBaseSong& song, bool& added);
// The steps of AddSong, for callers that store the parts themselves. AddBaseSong writes the
// main row with the given characteristics row and answers as AddSong; the other three append
// the row of the song id and answer whether it was written.
int AddBaseSong(const TBaseSong& song, int characterId, bool& added);
bool AddDatSong(const TBaseSong& song, int songId);
bool AddDataSong(const TBaseSong& song, int songId);
bool AddZSong(const TBaseSong& song, int songId);

// --- Reading

// Reads the song into a play-list position: title, performer (id and name), time, category
// and album title from the main row, cue points from DatSongs (a cue point not set reads as
// 0, and a song with NStart..NEnd inside its length plays only between them), authorship
// from ZSongs and the file from DataSongs. Labels, characteristics, restrictions and the
// description are not read, nor is SongId set. False when the song does not exist. Either
// way a time still unknown (-1) becomes 0.
bool ReadSong(TResultSongData& song, int songId);
// The performer of a song; -1 when the song does not exist.
int SongArtistId(int songId);

// --- Deleting

// Deletes the song's four rows and its play statistics (the artist's stay), as one unit:
// on a failure nothing is deleted ("Błąd zapisu do bazy danych: "%s"." is shown) and the
// answer is false. A song that does not exist is nothing to delete (true).
bool DeleteSong(int songId);
// Deletes every song of the artist as DeleteSong does, as one unit: on a failure no song is
// deleted, the message is shown and the answer is false.
bool DeleteArtistSongs(int artistId);

// --- Updating the sections of a stored song (the song window's OK)

// Each writes its fields from `song` into the row of `songId`. No row: the error box "Błąd
// zapisu do bazy danych: "%s"." with "Nieznany identyfikator utworu."; a failed write: the
// same box with the error text. True when written.

// Main data (when `mainChanged`): performer, album, description, labels, time, title, year,
// category and first time blockade; the characteristics row when one is given.
bool UpdateSongMain(int songId, const TBaseSong& song, bool mainChanged,
                    std::optional<int> characterId);
// The three time blockades and the frequency group.
bool UpdateSongRestrictions(int songId, const TBaseSong& song);
// The seven cue points.
bool UpdateSongTimes(int songId, const TBaseSong& song);
// The audio file: compression, frequency, mode, quality, directory and name, code, owner
// and date.
bool UpdateSongFile(int songId, const TBaseSong& song);
// Authorship: composer, producer, lyricist, publisher and year.
bool UpdateSongRights(int songId, const TBaseSong& song);

// The song window's multi-edit: writes the given BaseSongs fields and DataSongs fields (either
// may be empty) to every listed song, as one unit; a song without the row is skipped. On a
// failure nothing is written, the error box above is shown and the answer is false.
bool UpdateSongsFields(const QList<int>& songIds, const TFieldValues& baseFields,
                       const TFieldValues& dataFields);

// --- The song window's new song

// The value of a cue time field: the time typed ("99:99.999", no hours) when its box is
// ticked, else -1.
int CueTimeValue(bool checked, const QString& text);
// The complaints about the fields of a new song, one line each, empty when it can be saved:
// "Pole "Wykonawca" nie może być puste.", "Pole "Tytuł" nie może być puste.", "Pole "Czas"
// musi być wypełnione.".
QString NewSongFieldErrors(const QString& artistName, const QString& title, bool timeEntered);

enum TNewSongResult { nsAdded, nsDuplicate, nsFailed };
// Stores a new song from the song window. An existing song of the performer with that title
// shows "Utwór %s - %s już jest wpisany." (the performer and title as typed) and is
// nsDuplicate; a failure has shown its message already. The new id goes to song.SongId.
TNewSongResult SaveNewSong(TBaseSong& song, const QString& artistName);

// Texts of the song operations.
inline const QString kSongArtistMissing = QStringLiteral(
    "Nie mozna zapisać utworu. Nie znaleziony artysta. Prosimy o wysłanie producentowi "
    "Dobieralnika opisu czynności wykonywanych przed wystąpieniem tego komunikatu.");
inline const QString kSongWriteError = QStringLiteral("Błąd zapisu: %s.");
inline const QString kUnknownSongId = QStringLiteral("Nieznany identyfikator utworu.");
inline const QString kSongAlreadyStored = QStringLiteral("Utwór %s - %s już jest wpisany.");
inline const QString kEmptyArtistField =
    QStringLiteral("Pole \"Wykonawca\" nie może być puste.\r\n");
inline const QString kEmptyTitleField = QStringLiteral("Pole \"Tytuł\" nie może być puste.\r\n");
inline const QString kEmptyTimeField = QStringLiteral("Pole \"Czas\" musi być wypełnione.");
