#include "cli/uDemoCategories.h"

#include "settings/uSettings.h"

#include <QString>

namespace {

struct TDemoLeaning {
    TCharKind Kind;
    const char* Values; // value names joined by commas
    double Share;
};

struct TDemoCategory {
    const char* Name;
    int Weight; // per cent of the songs
    int FirstYear;
    int LastYear;
    std::vector<TDemoLeaning> Leanings = {};
};

// The weights follow the music slots of a weekday of the default clock (about 320 a day):
// "Przeboje" about a third, "Muzyka" a fifth, and so on. The years and leanings make the
// slots' own conditions match most of a category: "Nowości" asks for 2024 and 2025, "Złote
// przeboje" for 1960 to 1989 and "Lata 90." for the nineties (both "Złote przeboje"),
// "Ballady" for slow songs of a calm or romantic mood, "Rock i alternatywa" and "Muzyka
// taneczna" for those types in "Muzyka".
const TDemoCategory kDemoCategories[] = {
    {"Muzyka",
     22,
     kSyntheticFirstYear,
     kSyntheticLastYear,
     {{ckType, "Rock,Alternatywa,Dance,Pop", 0.5}}},
    {"Przeboje", 30, 1980, 2025, {{ckLanguage, "Polski", 0.3}}},
    {"Nowości", 10, 2024, 2025},
    {"Złote przeboje", 15, 1960, 1999},
    {"Polska muzyka", 9, kSyntheticFirstYear, kSyntheticLastYear, {{ckLanguage, "Polski", 0.9}}},
    {"Ballady",
     12,
     kSyntheticFirstYear,
     kSyntheticLastYear,
     {{ckTempo, "Wolne", 0.8}, {ckAtmosphere, "Spokojny,Romantyczny", 0.8}}},
    // Kept in the library, drawn by no clock.
    {"Archiwum", 2, 1950, 1979},
};

// The id of the category of that name kept in the library; -1 when the station has none.
int DbCategoryId(const TArSongCategories& categories, const QString& name) {
    for (int i = 0; i < categories.Count(); ++i)
        if (categories.NameAt(i) == name && categories.IsDb(categories.IdAt(i)))
            return categories.IdAt(i);
    return -1;
}

std::vector<int> ValueIds(TCharKind kind, const char* names) {
    std::vector<int> ids;
    for (const QString& name : QString::fromUtf8(names).split(QLatin1Char(',')))
        if (const int id = Options->CharValueId(kind, name); id != -1)
            ids.push_back(id);
    return ids;
}

} // namespace

std::vector<TSyntheticCategory> DemoCategoryMix() {
    std::vector<TSyntheticCategory> mix;
    if (!Options)
        return mix;
    for (const TDemoCategory& demo : kDemoCategories) {
        const int id = DbCategoryId(Options->Categories(), QString::fromUtf8(demo.Name));
        if (id == -1)
            continue;
        TSyntheticCategory category;
        category.Id = id;
        category.Weight = demo.Weight;
        category.FirstYear = demo.FirstYear;
        category.LastYear = demo.LastYear;
        for (const TDemoLeaning& leaning : demo.Leanings)
            category.Leanings[leaning.Kind] = {ValueIds(leaning.Kind, leaning.Values),
                                               leaning.Share};
        mix.push_back(std::move(category));
    }
    return mix;
}
