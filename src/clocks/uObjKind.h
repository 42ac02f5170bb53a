#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// The kind code every clock object carries (its ObjType), also the icon of its line in a view.
enum TObjKind : quint8 {
    otCategory = 0,
    otUndefined = 1, // never created
    otPlayList = 2,
    otBlank = 3,
    otBroadcast = 4,
    otBroadcastItem = 5,
};

// The kinds the object dialog offers, in the order of its selector.
inline constexpr std::array<TObjKind, 3> SelectableObjKinds = {otCategory, otPlayList, otBlank};

// The name shown in the kind selector; empty for a kind the selector does not offer.
QString ObjKindName(TObjKind kind);
// The description shown under the selector; empty for a kind without one.
QString ObjKindDescription(TObjKind kind);
