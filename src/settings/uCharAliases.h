#pragma once

#include "settings/uCharacteristics.h"

#include <QStringList>
#include <array>
#include <optional>

// The file that remembers, for one characteristic kind, which known value an unknown text of the
// playout system's song files stands for; empty for any other kind.
QString CharAliasFileName(int kind);

// The alias lists of one import run: for each kind, lines alias=value. A list is read from its
// file on first use and every list that was read is written back when the store is freed, so
// an import that fails half-way still keeps the aliases it learned.
class TCharAliases {
public:
    TCharAliases() = default;
    ~TCharAliases();
    TCharAliases(const TCharAliases&) = delete;
    TCharAliases& operator=(const TCharAliases&) = delete;

    // The kind's list, loaded and sorted (letter case ignored) on first use; nullptr for any
    // other kind. Later additions go at the end.
    QStringList* AliasList(int kind);
    // The value of the first line whose alias equals the text, letter case ignored; empty when
    // there is none.
    QString FindAlias(int kind, const QString& alias);
    // Appends alias=value without looking for an earlier line of the same alias.
    void AddAlias(int kind, const QString& alias, const QString& value);

    // One kind's lines, as read from its file.
    struct TList {
        QStringList Lines;
        bool ReadWhole = true;
        bool Added = false;
    };

private:
    void WriteLoadedLists() const;

    std::array<std::optional<TList>, CharKindCount> FLists;
};
