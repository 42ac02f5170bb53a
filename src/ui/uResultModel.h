#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <memory>

class TDayPlayList;
class TResultSongData;
struct TPositionEdit;

// The rows of a day's play list as the play-list view shows them: one row per position in
// play order, with the category colour in the start column, odd rows shaded and fixed-hour
// rows in bold. Every edit of the list goes through here so the views hear of it.
class TResultModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn {
        rcHour,
        rcCategory,
        rcArtist,
        rcTitle,
        rcTime,
        rcMix,
        rcClockCategory,
        rcColumnCount
    };
    // The starting width of a column; 0 leaves it to the view.
    static int ColumnWidth(int column);
    // Odd rows (0-based) are shaded with it.
    static QColor OddRowColor();

    explicit TResultModel(TDayPlayList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    TDayPlayList& List() const { return FList; }
    // nullptr when the row does not exist.
    TResultSongData* PositionAt(int row) const;

    // The list changed as a whole behind the model's back.
    void Reload();
    // Rows the list gained at its end behind the model's back.
    void ShowAppended();

    // The edits of the list; each answers the row to focus afterwards, -1 when nothing changed
    // (or, after a deletion, nothing is left).
    int MoveUp(int row);
    int MoveDown(int row);
    int Delete(int row);
    int InsertAfter(int after, std::unique_ptr<TResultSongData> position);
    int Edit(int row, const TPositionEdit& edit);

private:
    QVariant Text(const TResultSongData& position, int column) const;
    QVariant Background(const TResultSongData& position, int row, int column) const;
    QVariant Foreground(const TResultSongData& position, int column) const;
    // Starts, mixes and shading may change anywhere after an edit.
    void AllRowsChanged();

    TDayPlayList& FList;
    // The rows the views know of; the list may be ahead of it until the views are told.
    int FRowCount = 0;
};
