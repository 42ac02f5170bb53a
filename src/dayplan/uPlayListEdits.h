#pragma once

#include <QString>
#include <memory>

class TArSongCategories;
class TBlankCategory;
class TDayPlayList;
class TResultSongData;

// The director's corrections of a pending day: moving, deleting, inserting and editing
// positions by row (play order). Every change keeps the start times of the positions after it
// in step, up to the next position that starts at a fixed hour.

inline const QString kDeletePositionQuestion = QStringLiteral("Czy usunąć utwór z play listy?");
inline const QString kLongerSongTimeQuestion = QStringLiteral(
    "Nowy czas dźwięku (%s), jest dłuższy niż czas tego dżwięku zapisany w bazie danych (%s). "
    "Czy na pewno chcesz zmienić czas tego dżwięku?");

// A position's category text as a category id; `fallback` when it is not a number.
int CategoryNumber(const QString& category, int fallback);

// Where `position` ends when the next position is of song category `nextCategory`: the mix
// table decides how far it overlaps the next one, and its PlayTime and Mixed follow. Without
// categories nothing is mixed.
int MixedEnd(TResultSongData& position, const QString& nextCategory,
             const TArSongCategories* categories);
// The same with the station's categories.
int MixedEnd(TResultSongData& position, const QString& nextCategory);

// Adds `delta` to the start of every row after `row`, stopping at the first fixed-hour row.
void ShiftFollowing(TDayPlayList& list, int row, int delta);

// Swap the row with its neighbour and chain the starts anew; false (nothing done) when there
// is no such neighbour.
bool MovePositionUp(TDayPlayList& list, int row);
bool MovePositionDown(TDayPlayList& list, int row);

// Removes the row, closing the gap up to the next fixed-hour row. The row to focus afterwards:
// the one that took its place, else the one before it; -1 when nothing is left or the row does
// not exist.
int DeletePositionAt(TDayPlayList& list, int row);
// Its second half, for a view that shows the removal before the rows around it change: closes
// the gap a row that started at `removedHour` left at `row`. The row to focus, as above.
int ClosePositionGap(TDayPlayList& list, int row, int removedHour);

// Inserts the position after `after` (appends it to an empty list when `after` is -1), starts
// it where that row ends and moves the rows after it so they start where it ends. The new row;
// -1 when nothing was inserted.
int InsertPositionAfter(TDayPlayList& list, int after, std::unique_ptr<TResultSongData> position);
// Its two halves, for a view that shows the new row before the rows around it change: puts the
// position in as it is (the new row, or -1 as above), then chains it to its neighbours.
int PutPositionAfter(TDayPlayList& list, int after, std::unique_ptr<TResultSongData> position);
void ChainInsertedPosition(TDayPlayList& list, int row);

// A position for a blank object of the category list.
std::unique_ptr<TResultSongData> MakeBlankPosition(const TBlankCategory& blank);
// A position for a song of the library, as stored; nullptr when the song cannot be read.
std::unique_ptr<TResultSongData> MakeSongPosition(int songId);

// What the edit window hands back. Times in milliseconds.
struct TPositionEdit {
    int SongTime = 0;
    QString FullFileName;
    bool OwnHour = false;
    int Hour = 0;
    QString Info; // a blank's text
};

// Applies an edit: the new length (a song longer than the library says only after a Yes), the
// audio file, the fixed-hour mark, the start and a blank's text; length and start changes move
// the following rows. False when the row does not exist.
bool ApplyPositionEdit(TDayPlayList& list, int row, const TPositionEdit& edit);
