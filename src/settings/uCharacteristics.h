#pragma once

#include <QString>
#include <array>
#include <vector>

class TLineDocument;
class TTagNode;

// The six characteristics a song is described by. Songs and slot filters refer to their values
// by id, never by text.
enum TCharKind : int {
    ckType = 0,
    ckAtmosphere = 1,
    ckTempo = 2,
    ckVocal = 3,
    ckLanguage = 4,
    ckYears = 5,
};

inline constexpr int CharKindCount = 6;

inline bool IsCharKind(int kind) {
    return kind >= 0 && kind < CharKindCount;
}

// The fixed tag of a kind ("Typ", "Nastrój", ...); empty for any other kind.
QString CharKindTag(int kind);
// The caption shown for a kind; "Nieznany" for any other kind.
QString CharKindCaption(int kind);

struct TCharValue {
    QString Text;
    int Id = -1;

    bool operator==(const TCharValue&) const = default;
};

using TCharValueList = std::vector<TCharValue>;

// The value lists of all kinds with the last id handed out for each. An id is never reused, so
// the last id outlives the deletion of the value that carried it.
struct TCharacteristics {
    std::array<TCharValueList, CharKindCount> Values;
    std::array<int, CharKindCount> LastIds{};
};

inline const QString CharacteristicsFileName = QStringLiteral("charakterystyki.xml");
inline const QString CharacteristicsRootTag = QStringLiteral("characterList");

// Adds what the parsed "charakterystyki.xml" holds to the lists. An element of an unknown kind
// is skipped (reported at level 1); values without an id or text are skipped.
void ReadCharacteristics(const TTagNode* documentRoot, TCharacteristics& chars);
// The document of all six kinds, in kind order, values in list order.
TLineDocument CharacteristicsDocument(const TCharacteristics& chars);
