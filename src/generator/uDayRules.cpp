#include "generator/uDayRules.h"

QString DayRuleKey(TDayRule rule) {
    switch (rule) {
    case TDayRule::Category:
        return QStringLiteral("category");
    case TDayRule::Labels:
        return QStringLiteral("labels");
    case TDayRule::TimeBlockades:
        return QStringLiteral("time_blockades");
    case TDayRule::SongFrequency:
        return QStringLiteral("song_frequency");
    case TDayRule::ArtistFrequency:
        return QStringLiteral("artist_frequency");
    case TDayRule::Separation:
        return QStringLiteral("separation");
    case TDayRule::Characteristics:
        return QStringLiteral("characteristics");
    }
    return {};
}

QString DayRuleCaption(TDayRule rule) {
    switch (rule) {
    case TDayRule::Category:
        return QStringLiteral("Kategoria");
    case TDayRule::Labels:
        return QStringLiteral("Blokady etykiet");
    case TDayRule::TimeBlockades:
        return QStringLiteral("Blokady czasowe");
    case TDayRule::SongFrequency:
        return QStringLiteral("Częstotliwość utworu");
    case TDayRule::ArtistFrequency:
        return QStringLiteral("Częstotliwość wykonawcy");
    case TDayRule::Separation:
        return QStringLiteral("Rozkład czasowy");
    case TDayRule::Characteristics:
        return QStringLiteral("Charakterystyki");
    }
    return {};
}
