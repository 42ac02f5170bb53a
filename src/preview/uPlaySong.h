#pragma once

#include <QString>
#include <QStringList>

class TBaseSong;

// Previewing a song through the external player named in "odtwarzacz.dat" in the program
// directory: line 1 the player program, line 2 its parameter template with "%s" where the
// audio file goes. The file is read anew at every preview.

inline const QString kPlayerConfigFileName = QStringLiteral("odtwarzacz.dat");

// The template's arguments with the file put in place of "%s". The template is split like a
// command line (blanks separate, double quotes group) before the file is put in, so the file
// is always exactly one argument, or part of the one argument "%s" stands in.
QStringList PlayerArguments(const QString& parameterTemplate, const QString& file);

// Starts the player on the audio file and does not wait for it. Every failure ends in an
// error box; false then.
bool PlaySong(const QString& file);

// The "&Graj" action of the song lists: the song's audio file (Path, a "/" ensured after it,
// then FileName) is checked and played.
bool PreviewSong(const TBaseSong& song);

// Texts of the preview.
inline const QString kPlayerConfigLoadError =
    QStringLiteral("Błąd podczas ładowania pliku configuracyjnego %s. %s");
inline const QString kNoPlayerDefined =
    QStringLiteral("Brak zdefiniowanego odtwarzacza plików muzycznych.");
inline const QString kPlayError = QStringLiteral("Błąd odtwarzania pliku: %s");
inline const QString kPlayerTemplateError =
    QStringLiteral("Błąd formatu parametru (\"%s\") dla odtwarzacza plików muzycznych.");
inline const QString kNoSongAudioFile =
    QStringLiteral("Brak zdefiniowanego pliku muzycznego dla tego utworu.");
inline const QString kSongFileMissing =
    QStringLiteral("Nie mozna odtworzyć utworu. Plik \"%s\" nie istnieje.");
