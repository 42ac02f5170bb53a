#pragma once

#include "generator/uSongsFilterUtils.h"

#include <QString>
#include <QStringList>

struct TObjProperties;

// A slot's filter settings as a WHERE fragment for the songs window (the clock object dialog's
// Test button): the same conditions as the slot's candidate query.
class TSongsFilter {
public:
    QString Lab1;
    QString Lab2;
    bool Any = true;
    QString Where;
    QStringList VocalIds;
    QStringList AtmosphereIds;
    QStringList TempoIds;
    QStringList LanguageIds;
    QStringList TypeIds;
    QStringList YearIds;
    TCharacterIds CharacterIds;
    int SCat = -1;
    // Set by BuildWhere: no label, characteristic or year condition, so DatSongs is not joined.
    bool NoConditions = false;

    void SetFilter(const TObjProperties& props, int sCat);
    // Store errors throw SQLite::Exception.
    void BuildWhere();
    // Builds the fragment when it is not built yet.
    QString GetWhere();
};
