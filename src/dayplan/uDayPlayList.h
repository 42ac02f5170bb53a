#pragma once

#include "generator/uResultReceiver.h"
#include "library/uSongData.h"

#include <QDate>
#include <QString>
#include <memory>
#include <vector>

// The play list of one day: its positions in play order. A generation run hands its items
// here; a pending day is loaded from and saved to its current plan file ("plp"). The desktop
// program shows and edits it through a model over these rows.
class TDayPlayList : public IResultReceiver {
public:
    // Makes a position of a generated item: a song read from the library (dropped when the
    // song is gone) or a blank. The position is appended as the last row.
    void AddResultItem(const TResultItem& item) override;

    // Appends a position as the last row.
    void Append(std::unique_ptr<TResultSongData> position);

    // Writes the rows in order to `path`, replacing the file, and the record of the rules given
    // up beside it (uRelaxedFile.h; removed when no position gave up a rule); a failure is
    // logged ("Wynik", an error box) and gives false.
    bool SavePlanFile(const QString& path);
    // Empties the list, remembers `path` as PendingPath and reads the file when it exists
    // (asking about positions whose song is gone), then the record of the rules given up. False
    // when the file is missing, or cannot be read whole (logged; the list stays empty and
    // ReadWhole() false until it is emptied again: such a list is never written over its file,
    // accepted or exported). A record that cannot be read whole is logged and the positions
    // keep no rules given up; the record is left as it is until the rows are changed.
    bool LoadPlanFile(const QString& path);
    bool ReadWhole() const { return FReadWhole; }
    // Empties the list and forgets PendingPath.
    void ClearView();

    bool LoadPlanDay(const QDate& day); // the day's existing "plp"
    bool SavePlanDay(const QDate& day); // to the day's "plp"

    int Count() const { return static_cast<int>(FRows.size()); }
    bool IsEmpty() const { return FRows.empty(); }
    TResultSongData& Position(int row) const { return *FRows.at(row); }
    // The rows in play order.
    std::vector<const TResultSongData*> Positions() const;

    // Editing by row (play order); false when the row or its neighbour does not exist.
    bool MoveRow(int from, int to);
    bool RemoveRow(int row);
    void InsertRow(int row, std::unique_ptr<TResultSongData> position);

    // The plan file the list was loaded from or is to be written to.
    QString PendingPath;
    // The day shown.
    QDate ViewDate;

private:
    // Owning storage in the order the positions came; FRows is the play order.
    std::vector<std::unique_ptr<TResultSongData>> FOwned;
    std::vector<TResultSongData*> FRows;
    bool FReadWhole = true;
    // The record beside the plan file could not be read: saving does not write over it (nor
    // remove it) until the rows change.
    bool FKeepRelaxedFile = false;

    void ReadRelaxedMarks(const QString& planPath);
    bool SaveRelaxedMarks(const QString& planPath);
};
