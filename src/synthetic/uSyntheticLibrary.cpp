#include "synthetic/uSyntheticLibrary.h"

#include "foundation/uRandom.h"
#include "library/uDBMainBase.h"
#include "library/uLibraryEntities.h"
#include "library/uSongStore.h"
#include "library/uStoreErrors.h"
#include "settings/uSettings.h"

#include <QSet>

namespace {

// --- Word stock

const char* const kFirstNames[] = {
    "Anna",      "Maria",    "Katarzyna",  "Małgorzata", "Agnieszka", "Barbara",   "Ewa",
    "Krystyna",  "Elżbieta", "Zofia",      "Joanna",     "Magdalena", "Monika",    "Beata",
    "Urszula",   "Halina",   "Łucja",      "Żaneta",     "Jadwiga",   "Grażyna",   "Piotr",
    "Krzysztof", "Andrzej",  "Tomasz",     "Paweł",      "Michał",    "Marcin",    "Grzegorz",
    "Józef",     "Łukasz",   "Adam",       "Zbigniew",   "Jerzy",     "Tadeusz",   "Mateusz",
    "Dariusz",   "Wojciech", "Mariusz",    "Maciej",     "Stanisław", "Bożena",    "Jarosław",
    "Ryszard",   "Czesław",  "Przemysław", "Sławomir",   "Wiesław",   "Kazimierz",
};

const char* const kSurnames[] = {
    "Nowak",       "Kowalski",    "Wiśniewski",  "Wójcik",      "Kowalczyk",    "Kamiński",
    "Lewandowski", "Zieliński",   "Szymański",   "Woźniak",     "Dąbrowski",    "Kozłowski",
    "Jankowski",   "Mazur",       "Kwiatkowski", "Krawczyk",    "Piotrowski",   "Grabowski",
    "Nowakowski",  "Pawłowski",   "Michalski",   "Nowicki",     "Adamczyk",     "Dudek",
    "Zając",       "Wieczorek",   "Jabłoński",   "Król",        "Majewski",     "Olszewski",
    "Jaworski",    "Wróbel",      "Malinowski",  "Pawlak",      "Witkowski",    "Walczak",
    "Stępień",     "Górski",      "Rutkowski",   "Michalak",    "Sikora",       "Ostrowski",
    "Baran",       "Duda",        "Szewczyk",    "Tomaszewski", "Pietrzak",     "Marciniak",
    "Wróblewski",  "Zalewski",    "Jakubowski",  "Jasiński",    "Zawadzki",     "Sadowski",
    "Bąk",         "Chmielewski", "Włodarczyk",  "Borkowski",   "Czarnecki",    "Sawicki",
    "Sokołowski",  "Urbański",    "Kubiak",      "Maciejewski", "Szczepański",  "Kucharski",
    "Wilk",        "Kalinowski",  "Lis",         "Mazurek",     "Wysocki",      "Adamski",
    "Kaźmierczak", "Wasilewski",  "Sobczak",     "Czerwiński",  "Andrzejewski", "Cieślak",
    "Głowacki",    "Zakrzewski",  "Kołodziej",   "Sikorski",    "Krajewski",    "Gajewski",
    "Szulc",       "Szymczak",    "Baranowski",  "Łuczak",      "Żak",          "Ślusarczyk",
};

const char* const kBandAdjectives[] = {
    "Czerwone", "Białe",      "Złote",     "Srebrne", "Nocne",     "Leśne",
    "Miejskie", "Dzikie",     "Ciche",     "Głośne",  "Wielkie",   "Małe",
    "Zielone",  "Niebieskie", "Szalone",   "Wolne",   "Stare",     "Nowe",
    "Jasne",    "Ciemne",     "Gorące",    "Zimne",   "Słoneczne", "Księżycowe",
    "Żelazne",  "Szklane",    "Papierowe", "Morskie", "Górskie",   "Polne",
};

const char* const kBandNouns[] = {
    "Gitary",  "Skrzydła", "Gwiazdy", "Ptaki",   "Koty",   "Wilki", "Maki",   "Róże",
    "Fale",    "Wiatry",   "Dzwony",  "Sygnały", "Anioły", "Żagle", "Łodzie", "Latarnie",
    "Cienie",  "Ogrody",   "Ulice",   "Mosty",   "Chmury", "Burze", "Ognie",  "Kwiaty",
    "Dźwięki", "Serca",    "Drogi",   "Pociągi", "Lustra", "Okna",
};

const char* const kTitleWords[] = {
    "miłość",  "noc",     "dzień",   "serce",  "deszcz", "słońce", "wiatr",       "morze",
    "łzy",     "sen",     "czas",    "droga",  "miasto", "wiosna", "jesień",      "zima",
    "lato",    "gwiazda", "księżyc", "żal",    "radość", "taniec", "piosenka",    "ogień",
    "woda",    "niebo",   "ziemia",  "dom",    "świat",  "życie",  "marzenie",    "pamięć",
    "cisza",   "krzyk",   "uśmiech", "dłonie", "oczy",   "usta",   "wspomnienie", "tęsknota",
    "światło", "cień",    "rzeka",   "góry",   "las",    "pole",   "ptak",        "kwiat",
};

const char* const kTitleJoins[] = {
    "i",   "w",    "na",   "bez",     "dla",      "przez",   "pod",   "nad",   "po",     "za",
    "mój", "twój", "nasz", "ostatni", "pierwszy", "jeszcze", "znowu", "tylko", "zawsze", "nigdy",
};

const char* const kAlbumWords[] = {
    "Najlepsze", "Złota kolekcja", "Koncert", "Na żywo", "Przeboje", "Ballady",          "Powroty",
    "Debiut",    "Antologia",      "Ścieżki", "Światła", "Początek", "Ostatni rozdział",
};

const char* const kLabelFirst[] = {
    "Polskie",   "Warszawskie", "Krakowskie",  "Gdańskie",    "Nowe",     "Stare",       "Wielkie",
    "Bałtyckie", "Śląskie",     "Mazowieckie", "Wrocławskie", "Łódzkie",  "Tatrzańskie", "Złote",
    "Srebrne",   "Niezależne",  "Miejskie",    "Radiowe",     "Studyjne", "Koncertowe",  "Domowe",
    "Leśne",     "Morskie",     "Górskie",     "Nocne",
};

const char* const kLabelSecond[] = {
    "Nagrania", "Dźwięki",  "Płyty",     "Records",   "Studio", "Fonografia", "Wydawnictwo",
    "Muzyka",   "Taśmy",    "Produkcje", "Brzmienia", "Sound",  "Media",      "Fonoteka",
    "Winyle",   "Archiwum", "Edycje",    "Tłocznia",  "Nuty",   "Melodie",
};

template <std::size_t N> QString Pick(TRandom& random, const char* const (&words)[N]) {
    return QString::fromUtf8(words[random.Uniform(static_cast<int>(N))]);
}

bool Chance(TRandom& random, double share) {
    return random.Uniform(1000000) < static_cast<int>(share * 1000000);
}

int Between(TRandom& random, int low, int high) {
    return low + random.Uniform(high - low + 1);
}

int PickFrom(TRandom& random, const std::vector<int>& values) {
    return values.empty() ? -1 : values[random.Uniform(static_cast<int>(values.size()))];
}

using TCharValues = std::array<std::vector<int>, CharKindCount>;
using TLeanings = std::array<TSyntheticCategory::TLeaning, CharKindCount>;

// A value of the kind: one of the leaning's for its share of the draws, else any.
int PickValue(TRandom& random, const TCharValues& values, const TLeanings* leanings,
              TCharKind kind) {
    if (leanings) {
        const TSyntheticCategory::TLeaning& leaning = (*leanings)[kind];
        if (!leaning.Values.empty() && Chance(random, leaning.Share))
            return PickFrom(random, leaning.Values);
    }
    return PickFrom(random, values[kind]);
}

// Type, Tempo, TempoIn, TempoOut, Vocal, Atmosphere, Language.
std::array<int, 7> Combination(TRandom& random, const TCharValues& values,
                               const TLeanings* leanings = nullptr) {
    return {PickValue(random, values, leanings, ckType),
            PickValue(random, values, leanings, ckTempo),
            PickValue(random, values, leanings, ckTempo),
            PickValue(random, values, leanings, ckTempo),
            PickValue(random, values, leanings, ckVocal),
            PickValue(random, values, leanings, ckAtmosphere),
            PickValue(random, values, leanings, ckLanguage)};
}

QString Capitalized(const QString& text) {
    return text.isEmpty() ? text : text.left(1).toUpper() + text.mid(1);
}

// `count` names made by `make`, distinct without regard to letter case, as the store tells
// them apart; a name drawn twice gets a number.
QStringList DistinctNames(int count, const std::function<QString()>& make) {
    QStringList names;
    QSet<QString> seen;
    for (int i = 0; i < count; ++i) {
        QString name = make();
        for (int n = 2; seen.contains(name.toLower()); ++n)
            name = make() + (n > 8 ? QStringLiteral(" %1").arg(n) : QString());
        seen.insert(name.toLower());
        names.append(name);
    }
    return names;
}

// A woman's surname takes the feminine ending: Kowalski -> Kowalska.
QString SurnameFor(const QString& firstName, const QString& surname) {
    if (firstName.endsWith(QLatin1Char('a')) && surname.endsWith(QLatin1Char('i')))
        return surname.chopped(1) + QLatin1Char('a');
    return surname;
}

QString PersonName(TRandom& random) {
    const QString first = Pick(random, kFirstNames);
    QString surname = SurnameFor(first, Pick(random, kSurnames));
    if (random.Uniform(5) == 0)
        surname += QLatin1Char('-') + SurnameFor(first, Pick(random, kSurnames));
    return first + QLatin1Char(' ') + surname;
}

QString Performer(TRandom& random) {
    switch (random.Uniform(4)) {
    case 0:
        return Pick(random, kBandAdjectives) + QLatin1Char(' ') + Pick(random, kBandNouns);
    case 1:
        return QStringLiteral("Zespół ") + Pick(random, kSurnames);
    default:
        return PersonName(random);
    }
}

QString Title(TRandom& random) {
    QString title = Capitalized(Pick(random, kTitleWords));
    const int more = random.Uniform(4);
    for (int i = 0; i < more; ++i)
        title +=
            QLatin1Char(' ') + (i % 2 == 0 ? Pick(random, kTitleJoins) : Pick(random, kTitleWords));
    return title;
}

} // namespace

TSyntheticLibraryOptions SyntheticOptionsFromSettings(TSyntheticLibraryOptions options) {
    if (Options) {
        QList<TCategoryEntry> categories;
        Options->Categories().ListDbCategories(categories);
        if (!categories.isEmpty()) {
            options.Categories.clear();
            for (const TCategoryEntry& entry : categories)
                options.Categories.push_back(entry.Id);
        }
        for (int kind = 0; kind < CharKindCount; ++kind) {
            options.CharValues[kind].clear();
            if (const TCharValueList* values = Options->CharValues(kind))
                for (const TCharValue& value : *values)
                    options.CharValues[kind].push_back(value.Id);
        }
    }
    if (TimeRanges) {
        options.TimeRestIds.clear();
        for (int i = 0; i < TimeRanges->Count(); ++i)
            options.TimeRestIds.push_back(TimeRanges->Items(i).Id);
    }
    if (FreqGroups) {
        options.FreqGroupIds.clear();
        for (int i = 0; i < FreqGroups->Count(); ++i)
            options.FreqGroupIds.push_back(FreqGroups->Items(i).Id);
    }
    return options;
}

TSyntheticLibrary::TSyntheticLibrary(const TSyntheticLibraryOptions& options) {
    TRandom random(options.Seed);
    const int artistCount = std::max(1, options.Artists);
    Artists = DistinctNames(artistCount, [&] { return Performer(random); });
    People = DistinctNames(500, [&] { return PersonName(random); });
    Labels = DistinctNames(std::max(0, options.Labels), [&] {
        return Pick(random, kLabelFirst) + QLatin1Char(' ') + Pick(random, kLabelSecond);
    });
    // Albums go to the artists in turn, so every artist has about the same number.
    for (int i = 0; i < std::max(0, options.Albums); ++i) {
        const int artist = i % artistCount;
        Albums.append(Pick(random, kAlbumWords) +
                      (random.Uniform(3) == 0 ? QString() : QLatin1Char(' ') + Title(random)));
        AlbumArtist.push_back(artist);
    }
    std::vector<std::vector<int>> albumsOf(artistCount);
    for (int i = 0; i < Albums.size(); ++i)
        albumsOf[AlbumArtist[i]].push_back(i);

    PlanCategories(options, random);
    if (CategoryPlans.empty())
        for (int i = 0; i < std::max(1, options.CharCombinations); ++i)
            Combinations.push_back(Combination(random, options.CharValues));

    // A performer's titles must differ without regard to case, or the store takes the second
    // for the first.
    QSet<QString> titles;
    Songs.reserve(std::max(0, options.Songs));
    for (int i = 0; i < options.Songs; ++i) {
        TSongPlan song;
        song.Artist = random.Uniform(artistCount);
        song.Title = Title(random);
        const QString prefix = QString::number(song.Artist) + QLatin1Char('|');
        for (int n = 2; titles.contains(prefix + song.Title.toLower()); ++n)
            song.Title =
                Title(random) + (n > 4 ? QStringLiteral(" (wersja %1)").arg(n) : QString());
        titles.insert(prefix + song.Title.toLower());

        const std::vector<int>& own = albumsOf[song.Artist];
        if (!own.empty() && Chance(random, options.AlbumShare))
            song.Album = own[random.Uniform(static_cast<int>(own.size()))];
        if (!Labels.isEmpty()) {
            song.Label1 = random.Uniform(static_cast<int>(Labels.size()));
            if (Chance(random, options.SecondLabelShare))
                song.Label2 = random.Uniform(static_cast<int>(Labels.size()));
        }
        PlaceSong(options, random, song);
        song.SongTime = Between(random, 150, 330) * 1000 + random.Uniform(1000);
        song.Intro = Between(random, 0, 20000);
        song.Outro = song.SongTime - Between(random, 3000, 15000);
        song.FadeOut = song.SongTime - Between(random, 1000, 8000);
        // Mix is not a cue position but how far the song runs into the next one.
        song.Mix = Between(random, 2000, 10000);
        if (Chance(random, options.CutShare)) {
            song.NStart = Between(random, 200, 5000);
            song.NEnd = song.SongTime - Between(random, 500, 10000);
        }
        if (Chance(random, options.RestrictedShare)) {
            song.TimeRest = PickFrom(random, options.TimeRestIds);
            song.FreqRest = PickFrom(random, options.FreqGroupIds);
        }
        song.Composer = random.Uniform(static_cast<int>(People.size()));
        song.TextAuthor = random.Uniform(static_cast<int>(People.size()));
        Songs.push_back(std::move(song));
    }
}

void TSyntheticLibrary::PlanCategories(const TSyntheticLibraryOptions& options, TRandom& random) {
    TotalWeight = 0;
    for (const TSyntheticCategory& category : options.CategoryMix)
        TotalWeight += std::max(0, category.Weight);
    if (TotalWeight == 0)
        return;
    for (const TSyntheticCategory& category : options.CategoryMix) {
        if (category.Weight <= 0)
            continue;
        TCategoryPlan plan{category, static_cast<int>(Combinations.size()), 0};
        plan.CombinationCount =
            std::max(kMinCategoryCombinations,
                     static_cast<int>(static_cast<long long>(options.CharCombinations) *
                                      category.Weight / TotalWeight));
        for (int i = 0; i < plan.CombinationCount; ++i)
            Combinations.push_back(Combination(random, options.CharValues, &category.Leanings));
        CategoryPlans.push_back(std::move(plan));
    }
}

void TSyntheticLibrary::PlaceSong(const TSyntheticLibraryOptions& options, TRandom& random,
                                  TSongPlan& song) const {
    if (CategoryPlans.empty()) {
        song.Chars = random.Uniform(static_cast<int>(Combinations.size()));
        song.Category = options.Categories.empty() ? 1 : PickFrom(random, options.Categories);
        song.Year = Between(random, kSyntheticFirstYear, kSyntheticLastYear);
        return;
    }
    int ticket = random.Uniform(TotalWeight);
    const TCategoryPlan* chosen = &CategoryPlans.back();
    for (const TCategoryPlan& plan : CategoryPlans) {
        if (ticket < plan.Category.Weight) {
            chosen = &plan;
            break;
        }
        ticket -= plan.Category.Weight;
    }
    const TSyntheticCategory& category = chosen->Category;
    song.Category = category.Id;
    song.Chars = chosen->FirstCombination + random.Uniform(chosen->CombinationCount);
    song.Year =
        Between(random, category.FirstYear, std::max(category.FirstYear, category.LastYear));
}

TSongData TSyntheticLibrary::Song(int index) const {
    const TSongPlan& plan = Songs.at(index);
    const TCharCombination& chars = Combinations[plan.Chars];
    TSongData song;
    song.Title = plan.Title;
    song.ArtistName = Artists[plan.Artist];
    song.AlbumTitle = plan.Album == -1 ? QString() : Albums[plan.Album];
    song.Category = QString::number(plan.Category);
    song.CharType = chars[0];
    song.Tempo = chars[1];
    song.TempoIn = chars[2];
    song.TempoOut = chars[3];
    song.Vocal = chars[4];
    song.Atmosphere = chars[5];
    song.Language = chars[6];
    song.Year = plan.Year;
    song.Year2 = plan.Year;
    song.SetSongTime(plan.SongTime);
    song.Intro = plan.Intro;
    song.Outro = plan.Outro;
    song.FadeIn = 0;
    song.FadeOut = plan.FadeOut;
    song.Mix = plan.Mix;
    song.NStart = plan.NStart;
    song.NEnd = plan.NEnd;
    song.TimeRest = plan.TimeRest;
    song.FreqRest = plan.FreqRest;
    song.Path = QStringLiteral("/muzyka/%1/").arg(plan.Artist % 100, 2, 10, QLatin1Char('0'));
    song.SetFileName(QStringLiteral("%1.mp3").arg(index + 1, 6, 10, QLatin1Char('0')));
    song.AudioExt = QStringLiteral("mp3");
    song.Composer = People[plan.Composer];
    song.TextAuthor = People[plan.TextAuthor];
    return song;
}

QString TSyntheticLibrary::Label1Value(int index) const {
    const int label = Songs.at(index).Label1;
    return label == -1 ? QString() : Labels[label];
}

QString TSyntheticLibrary::Label2Value(int index) const {
    const int label = Songs.at(index).Label2;
    return label == -1 ? QString() : Labels[label];
}

int StoreSyntheticLibrary(const TSyntheticLibrary& library,
                          const std::function<void(int done)>& progress) {
    if (!MainBase)
        return -1;
    try {
        TStoreTransaction unit(*MainBase);
        int added = 0;
        for (int i = 0; i < library.SongCount(); ++i) {
            TSongData song = library.Song(i);
            song.ArtistId = FindArtist(song.ArtistName, true);
            song.AlbumId = FindAlbum(song.AlbumTitle, song.ArtistId, true);
            song.Label1Id = FindLabel(library.Label1Value(i), true);
            song.Label2Id = FindLabel(library.Label2Value(i), true);
            bool stored = false;
            if (AddSong(song, stored) == -1)
                return -1; // the message is out; the unit undoes everything
            added += stored ? 1 : 0;
            if (progress && (i + 1) % 1000 == 0)
                progress(i + 1);
        }
        unit.Commit();
        if (progress)
            progress(library.SongCount());
        return added;
    } catch (const std::exception& e) {
        ShowStoreWriteError(e);
        return -1;
    }
}
