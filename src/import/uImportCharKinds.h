#pragma once

#include "settings/uCharacteristics.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class TArOptions;

// The characteristic kinds the import reads from a song file's words, in kind order. The years
// are not among them: a song file has no word for them.
inline constexpr std::array<int, 5> ImportedCharKinds = {ckType, ckAtmosphere, ckTempo, ckVocal,
                                                         ckLanguage};

bool IsImportedCharKind(int kind);

// The imported kind whose caption the name is, letter case and Polish diacritics ignored, so
// that it can be typed on any keyboard ("nastroj" is "Nastrój"); nullopt when there is none.
std::optional<int> ImportedCharKindByName(const QString& name);

// The captions of the imported kinds, in kind order.
QStringList ImportedCharKindCaptions();

// An existing value of a kind, as the user named it.
struct TKindValue {
    int Kind = -1;
    TCharValue Value; // the value's own text and id
};

// The existing value named by a kind name (as ImportedCharKindByName takes it) and a value
// text (letter case ignored). Nullopt, with the reason in the program's words in `error`, when
// the kind is not an imported one or has no such value.
std::optional<TKindValue> FindImportedKindValue(const TArOptions& options, const QString& kindName,
                                                const QString& valueText, QString* error);

// Texts of the look-up.
inline const QString kUnknownImportedKind =
    QStringLiteral("Nieznana charakterystyka \"%1\" (import rozpoznaje: %2).");
inline const QString kUnknownKindValue =
    QStringLiteral("Charakterystyka %1 nie ma wartości \"%2\".");
