#pragma once

#include "ui/library/uNamedRowsModel.h"

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
class TArtistListModel final : public TNamedRowsModel<TArtistListRow, &TArtistListRow::Name> {
public:
    // Reads `store`, which must outlive the model; nullptr: the process-wide store. Empty until
    // the first Run or Preset.
    explicit TArtistListModel(TDBMainBase* store, QObject* parent = nullptr);

    // Reads the list again, without the artist `excludedId` (an artist is no alias of itself).
    bool Run(int excludedId = -1);
    // Only that artist (nothing for -1), until the next Run: a drop-down shows its current
    // artist without reading the whole list before it is opened.
    void Preset(int artistId, const QString& name);

    int RowOfArtist(int artistId) const { return RowOfId(artistId); }

private:
    TDBMainBase* FStore;
};
