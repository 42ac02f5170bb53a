#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

class TDBMainBase;

// One artist as the artist list reads it.
struct TArtistListRow {
    int Id = -1;
    QString Name;
    int Alias1 = -1;
    int Alias2 = -1;
    int FreqGroup = -1;
};

// The artists of the library by name in Polish alphabetical order (letter case ignored), one
// column "Wykonawca": the rows of the artist-list query, read again on every Run.
class TArtistListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    // Reads `store`, which must outlive the model; nullptr: the process-wide store. Empty until
    // the first Run or Preset.
    explicit TArtistListModel(TDBMainBase* store, QObject* parent = nullptr);

    // Reads the list again, without the artist `excludedId` (an artist is no alias of itself).
    // False, the list left empty, when the library cannot be read ("Błąd bazy danych: "%s"." is
    // shown).
    bool Run(int excludedId = -1);
    // Only that artist (nothing for -1), until the next Run: a drop-down shows its current
    // artist without reading the whole list before it is opened.
    void Preset(int artistId, const QString& name);

    int Count() const { return static_cast<int>(FRows.size()); }
    // An empty row (its id -1) out of range.
    const TArtistListRow& RowAt(int row) const;
    // -1 when the artist is not listed.
    int RowOfArtist(int artistId) const;
    // The first row whose name begins with the text, letter case ignored (Polish letters too);
    // -1 when there is none or the text is empty.
    int RowStartingWith(const QString& text) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    TDBMainBase* FStore;
    QList<TArtistListRow> FRows;
};
