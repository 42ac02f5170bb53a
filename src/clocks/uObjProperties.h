#pragma once

#include "settings/uCharacteristics.h"

#include <QString>
#include <array>
#include <vector>

class TTagNode;

// Ids of values of one song characteristic.
using TPropArray = std::vector<int>;

// The song-filter settings of a slot: which characteristic values and labels the songs drawn
// for it must have. An empty array or label sets no condition.
struct TObjProperties {
    TPropArray Years;      // "Lata"
    TPropArray Atmosphere; // "Nastrój"
    TPropArray Tempo;      // "Tempo"
    TPropArray PropType;   // "Typ"
    TPropArray Vocal;      // "Wokal"
    TPropArray Language;   // "Język"
    // True: every characteristic condition must hold ("AND"); false: any one of them ("OR").
    bool Any = true;
    QString Lab1;
    QString Lab2;

    bool operator==(const TObjProperties&) const = default;

    // The array of a characteristic kind (TCharKind); any other kind throws std::out_of_range.
    TPropArray& Array(int kind);
    const TPropArray& Array(int kind) const;

    // "any", "lab1", "lab2" on the element, then the six characteristic elements (always all
    // six, in the order of CharElementNames).
    void SaveToNode(TTagNode& node) const;
    // Each characteristic element present replaces its array; an absent one leaves it as it is.
    void LoadFromNode(const TTagNode& node);
};

// The characteristic kind stored in each element, in the order the elements are written.
struct TCharElement {
    const char* Name;
    TCharKind Kind;
};
inline constexpr std::array<TCharElement, CharKindCount> CharElements = {{
    {"propType", ckType},
    {"tempo", ckTempo},
    {"atmosphere", ckAtmosphere},
    {"years", ckYears},
    {"vocal", ckVocal},
    {"language", ckLanguage},
}};

// The element name of a characteristic kind ("propType", "tempo", ...); empty for any other kind.
QString CharElementName(int kind);

// The value names of the ids in the kind's value list, joined by "," without blanks. An id
// without a name adds nothing (a nameless last id leaves the comma of the name before it).
QString PropertiesText(const TPropArray& values, int kind);
