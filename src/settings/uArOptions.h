#pragma once

#include "settings/uArSongCategories.h"
#include "settings/uCharacteristics.h"

#include <QString>
#include <QtGlobal>
#include <memory>

// The scheduling options: the value lists of the six song characteristics and the song
// categories with their draw parameters.
class TArOptions {
public:
    TArOptions();
    ~TArOptions();
    TArOptions(const TArOptions&) = delete;
    TArOptions& operator=(const TArOptions&) = delete;

    // --- Characteristic values

    // The value list of a kind; nullptr for any other kind.
    TCharValueList* CharValues(int kind);
    const TCharValueList* CharValues(int kind) const;
    // The last id handed out for a kind; 0 for any other kind.
    int LastCharId(int kind) const;
    // Ignored for any other kind.
    void SetLastCharId(int kind, int id);

    // The text of the value with the id; empty when none.
    QString CharValueName(int kind, int id) const;
    // The id of the first value whose text equals the text, letter case ignored (Polish
    // letters too); -1 when none.
    int CharValueId(int kind, const QString& text) const;
    // The list position of the value with the id; -1 when none.
    int CharValueIndex(int kind, int id) const;
    // Appends the text under the next id of the kind and returns that id, without looking for
    // an equal text; -1 for any other kind or when the ids are used up.
    int AddCharValue(int kind, const QString& text);

    // "charakterystyki.xml" in the program directory. Loading reports a missing file in an
    // error box; saving writes every time.
    void LoadCharacteristics();
    bool SaveCharacteristics() const;

    // --- Song categories and draw parameters

    TArSongCategories& Categories() { return *FCategories; }
    const TArSongCategories& Categories() const { return *FCategories; }

    // The play time, in seconds, of every new slot, fixed list and blank.
    quint16 DefaultPlayTime() const { return 210; }

    bool CanCut() const { return FCategories->CanCut(); }
    void SetCanCut(bool value) { FCategories->SetCanCut(value); }
    bool CutHPrior() const { return FCategories->CutHPrior(); }
    void SetCutHPrior(bool value) { FCategories->SetCutHPrior(value); }
    bool MixCSong() const { return FCategories->MixCSong(); }
    void SetMixCSong(bool value) { FCategories->SetMixCSong(value); }

    // "dnkat.xml"; saved only when the categories changed.
    void LoadSongCategories();
    bool SaveSongCategories();

    // The characteristics when asked, then the categories when they changed.
    void SaveOptions(bool withCharacteristics);

private:
    const TCharValue* FindCharValue(int kind, int id) const;

    TCharacteristics FChars;
    std::unique_ptr<TArSongCategories> FCategories;
};
