#pragma once

#include "foundation/uIntegerList.h"
#include "settings/uColors.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <bitset>
#include <memory>
#include <vector>

class TTagNode;

// The song categories of "dnkat.xml": the classes of the library's audio items, which of them
// may be mixed into which, which of them each kind of clock object may use, and the draw
// parameters stored beside them.

// One song category.
struct TArSongCat {
    QString Name;
    QString ShortName;
    int Id = -1;
    // Stored and written back; nothing else reads it.
    bool Visible = true;
    // Songs of the library may be given this category.
    bool Db = false;
    TColor Color = clNone;
    // Ids of the categories a song of this one may be mixed into, each with an optional
    // overlap in seconds: "5(3),7".
    QString Mix;
};

// The categories one kind of clock object (0 category slot, 2 fixed list, 3 blank) offers.
struct TCategoryAttribution {
    int Id = -1;
    QString Descr;
    // Preselected for a new object of the kind; -1 when none.
    int DefItem = -1;
    TIntegerList Items;

    // Only real category ids (above 0) are offered.
    void AddItem(int id);
};

// A category as a list entry: what a chooser shows and the id it stands for.
struct TCategoryEntry {
    QString Name;
    int Id = -1;
};

class TArSongCategories {
public:
    // What IndexById answers for an id no category has.
    static constexpr int NoIndex = 255;
    // The mix matrices are indexed by category index, which must stay below NoIndex.
    static constexpr int MaxCategories = 255;

    // --- Categories, in file order (index = position, 0-based; out of range throws)

    int Count() const { return static_cast<int>(FItems.size()); }
    const TArSongCat& At(int index) const { return FItems.at(index); }
    QString NameAt(int index) const { return At(index).Name; }
    int IdAt(int index) const { return At(index).Id; }
    TColor ColorAt(int index) const { return At(index).Color; }
    QString ShortNameAt(int index) const { return At(index).ShortName; }

    // Appends the category and records its id in the hidden and db sets. Returns false, adding
    // nothing, for an id outside 0..254 or when the table is full.
    bool AddCategory(const TArSongCat& category);

    // The first category with the id decides each lookup.
    int IndexById(int id) const;         // NoIndex when none
    QString NameById(int id) const;      // empty when none
    QString ShortNameById(int id) const; // empty when none
    TColor ColorById(int id) const;      // clWhite when none
    // The first category whose name matches with letter case ignored, Polish letters too (the
    // playout system's files may write "NOWOŚCI" for "Nowości"); 1 (the music category) when
    // none does or the name is empty.
    int IdByName(const QString& name) const;

    bool IsHidden(int id) const;
    bool IsDb(int id) const;
    // Appends every category whose id is in the db set, in list order.
    void ListDbCategories(QList<TCategoryEntry>& list) const;

    // --- Mix matrix, [row category index][column category index]; cells outside the matrix
    // answer false and 0

    int MixSize() const { return FMixSize; }
    // n x n cells, all false and 0.
    void SetMixSize(int n);
    // Refills the row from a mix text; ignored for a row outside the matrix.
    void ParseMix(int row, const QString& text);
    // A song of the row's category followed by one of the column's may overlap it.
    bool CanMix(int row, int column) const;
    // The overlap in seconds; 255 means the song's own mix point.
    int MixValue(int row, int column) const;

    // --- Attribution, sorted by the decimal text of the id

    int AttributionCount() const { return static_cast<int>(FAttribution.size()); }
    const TCategoryAttribution& AttributionAt(int index) const { return *FAttribution.at(index); }
    // nullptr when no record has the id.
    const TCategoryAttribution* AttributionById(int id) const;
    // Returns false, dropping the record, when its id is already present.
    bool AddAttribution(std::unique_ptr<TCategoryAttribution> record);

    // --- Draw parameters

    bool MixCSong() const { return FMixCSong; }
    // Remembered without marking a change: it reaches the file with the next other change.
    void SetMixCSong(bool value) { FMixCSong = value; }
    bool CutHPrior() const { return FCutHPrior; }
    void SetCutHPrior(bool value);
    bool CanCut() const { return FCanCut; }
    void SetCanCut(bool value);

    bool Changed() const { return FChanged; }
    void MarkChanged() { FChanged = true; }

    // --- "dnkat.xml" in the program directory

    // Replaces the table with the file's. Reports a missing file in an error box and any other
    // failure as a load error; what was read before a failure stays. Returns false when
    // something was reported.
    bool Load();
    // Writes the file only when something changed. The flag is cleared even when writing
    // fails, so a failed change is not tried again at exit.
    bool Save();

private:
    void Clear();
    // False with the reason when an item's colour cannot be read; the items before it stay.
    bool ReadCategories(const TTagNode* categories, QString& error);
    void ReadAttribution(const TTagNode* attribution);
    QStringList DocumentLines() const;
    int CellIndex(int row, int column) const { return row * FMixSize + column; }
    bool InMatrix(int row, int column) const;

    std::vector<TArSongCat> FItems;
    std::bitset<256> FHidden;
    std::bitset<256> FDb;
    int FMixSize = 0;
    std::vector<bool> FCanMix;
    std::vector<quint8> FMixValue;
    std::vector<std::unique_ptr<TCategoryAttribution>> FAttribution;
    bool FMixCSong = false;
    bool FCutHPrior = true;
    bool FCanCut = true;
    bool FChanged = false;
};
