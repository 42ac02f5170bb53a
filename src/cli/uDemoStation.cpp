#include "cli/uDemoStation.h"

#include "cli/uDemoCategories.h"
#include "cli/uDemoClock.h"
#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "clocks/uClockObjList.h"
#include "dayplan/uStores.h"
#include "foundation/uAppPaths.h"
#include "foundation/uRandom.h"
#include "library/uDBMainBase.h"
#include "library/uEntityEditing.h"
#include "library/uLibraryEntities.h"
#include "settings/uSettings.h"
#include "synthetic/uSyntheticLibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <algorithm>
#include <exception>
#include <memory>
#include <span>

namespace {

// --- Restrictions

struct TDemoRestrictions {
    std::vector<int> TimeRanges;
    std::vector<int> SongGroups;
    std::vector<int> ArtistGroups;
};

struct TDemoGroup {
    const char* Name;
    int Freq;
    int FPeriod;
    int Max;
    int MPeriod;
};

const TDemoGroup kSongGroups[] = {
    {"Przeboje: nie częściej niż co 4 godziny", 4, fpHours, -1, mpDay},
    {"Rotacja: najwyżej 2 razy na dzień", -1, fpDays, 2, mpDay},
    {"Katalog: co 2 dni, najwyżej 3 razy w tygodniu", 2, fpDays, 3, mpWeek},
};

const TDemoGroup kArtistGroups[] = {
    {"Wykonawcy: nie częściej niż co 2 godziny", 2, fpHours, -1, mpDay},
    {"Gwiazdy: najwyżej 4 razy na dzień", -1, fpDays, 4, mpDay},
};

// Share of the artists that get a group of their own (the songs' share is the library's).
constexpr int kArtistGroupOneIn = 5;

std::vector<int> AddGroups(std::span<const TDemoGroup> groups) {
    std::vector<int> ids;
    for (const TDemoGroup& demo : groups) {
        auto group = std::make_unique<TArFreqGroup>();
        group->Name = QString::fromUtf8(demo.Name);
        group->Freq = demo.Freq;
        group->FPeriod = demo.FPeriod;
        group->Max = demo.Max;
        group->MPeriod = demo.MPeriod;
        ids.push_back(FreqGroups->Add(std::move(group)));
    }
    return ids;
}

int AddTimeRange(const QString& name, void (*fill)(TArTimeRange&)) {
    auto range = std::make_unique<TArTimeRange>();
    range->Name = name;
    fill(*range);
    return TimeRanges->Add(std::move(range));
}

TDemoRestrictions AddRestrictions() {
    TDemoRestrictions ids;
    ids.TimeRanges = {
        AddTimeRange(QStringLiteral("Nie w nocy"), [](TArTimeRange& r) { r.AddHours(0, 5); }),
        AddTimeRange(QStringLiteral("Nie rano"), [](TArTimeRange& r) { r.AddHours(6, 9); }),
        AddTimeRange(QStringLiteral("Nie w weekendy"),
                     [](TArTimeRange& r) {
                         r.SetDay(1, true); // Sunday
                         r.SetDay(7, true); // Saturday
                     }),
        // Christmas songs: blocked all year but 21 to 31 December.
        AddTimeRange(QStringLiteral("Tylko w okresie świątecznym"),
                     [](TArTimeRange& r) { r.AddDates(1, 354); }),
    };
    ids.SongGroups = AddGroups(kSongGroups);
    ids.ArtistGroups = AddGroups(kArtistGroups);
    // Three days back, so that the separation weighs the statistics of several earlier days.
    if (!Separations->DefActive()) {
        Separations->SetDefActive(true);
        Separations->SetBlockDayCount(3);
    }
    return ids;
}

// A share of the performers gets one of the artist groups.
bool GiveArtistsGroups(const TSyntheticLibrary& library, const std::vector<int>& groups,
                       TRandom& random) {
    QMap<int, QList<int>> artistsOf;
    for (const QString& name : library.ArtistNames()) {
        if (random.Uniform(kArtistGroupOneIn) != 0)
            continue;
        const int group = groups[random.Uniform(static_cast<int>(groups.size()))];
        // Performers without a song were never stored.
        if (const int id = FindArtist(name, false); id != -1)
            artistsOf[group].append(id);
    }
    for (auto it = artistsOf.cbegin(); it != artistsOf.cend(); ++it)
        if (!SetArtistsFreqGroup(it.value(), it.key()))
            return false;
    return true;
}

// Blocks one label that songs carry, unless the station blocks some already.
void BlockALabel(const TSyntheticLibrary& library, TRandom& random) {
    const QStringList& labels = library.LabelValues();
    if (DisabledLabels->Count() > 0 || labels.isEmpty())
        return;
    const int start = random.Uniform(static_cast<int>(labels.size()));
    for (int i = 0; i < labels.size(); ++i) {
        const QString& value = labels[(start + i) % labels.size()];
        if (const int id = LabelIdOf(value); id != -1) {
            DisabledLabels->Replace({{value, id}});
            return;
        }
    }
}

bool SaveSettings() {
    const bool ranges = TimeRanges->Save();
    const bool groups = FreqGroups->Save();
    const bool labels = DisabledLabels->Save();
    const bool separations = Separations->Save();
    return ranges && groups && labels && separations;
}

// --- Library

// A library of the size asked for, with performers, albums and labels in the proportions of a
// real station's, songs in the categories as the clocks draw them and the restrictions spread
// over a share of the songs.
TSyntheticLibraryOptions LibraryOptions(const TDemoStationOptions& options,
                                        const TDemoRestrictions& restrictions) {
    TSyntheticLibraryOptions library;
    library.Seed = options.Seed;
    library.Songs = options.Songs;
    library.Artists = std::max(10, options.Songs / 10);
    library.Albums = library.Artists;
    library.Labels = std::clamp(options.Songs / 100, 10, 500);
    library.CharCombinations = std::max(50, options.Songs / 10);
    library = SyntheticOptionsFromSettings(library);
    library.CategoryMix = DemoCategoryMix();
    library.TimeRestIds = restrictions.TimeRanges;
    library.FreqGroupIds = restrictions.SongGroups;
    return library;
}

int StoreLibrary(const TSyntheticLibrary& library, const TDemoProgress& progress) {
    const int total = library.SongCount();
    int reportedTenths = 0;
    return StoreSyntheticLibrary(library, [&](int done) {
        const int tenths = static_cast<int>(10LL * done / std::max(1, total));
        if (progress && tenths > reportedTenths) {
            reportedTenths = tenths;
            progress(QStringLiteral("Zapisano %1 z %2 utworów.").arg(done).arg(total));
        }
    });
}

// --- Clocks

QString ClockDirectory() {
    return Config.ClockDir.isEmpty() ? AppFilePath(QStringLiteral("Zegary")) : Config.ClockDir;
}

// The default clocks sit in the station's "Zegary"; a ClockDir elsewhere gets copies of those
// it lacks. Their paths in ClockDir, or empty when one cannot be copied.
QStringList EnsureDefaultClocks(const QString& clockDir, QStringList& madeFiles) {
    const QDir own(AppFilePath(QStringLiteral("Zegary")));
    const QDir target(clockDir);
    QStringList paths;
    const QString pattern = QStringLiteral("*.") + ClockFileExtension;
    for (const QString& name : own.entryList({pattern}, QDir::Files, QDir::Name)) {
        const QString path = target.filePath(name);
        if (own != target && !QFileInfo::exists(path)) {
            if (!QFile::copy(own.filePath(name), path))
                return {};
            madeFiles.append(path);
        }
        paths.append(path);
    }
    return paths;
}

// --- Undoing

// The entries a directory held before the demo, so that a failed demo can take away what it
// added: new entries whole, and the files it names that it made inside entries already there.
class TDirSnapshot {
public:
    explicit TDirSnapshot(const QString& dir) : Dir(dir), Before(Entries()) {}

    void RemoveAdded(const QStringList& madeFiles) const {
        for (const QString& file : madeFiles)
            QFile::remove(file);
        for (const QString& entry : Entries()) {
            if (Before.contains(entry))
                continue;
            const QString path = Dir.filePath(entry);
            if (QFileInfo(path).isDir())
                QDir(path).removeRecursively();
            else
                QFile::remove(path);
        }
    }

private:
    QStringList Entries() const {
        return Dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QDir Dir;
    QStringList Before;
};

// --- The whole

class TDemoBuilder {
public:
    TDemoBuilder(const TDemoStationOptions& options, const TDemoProgress& progress)
        : Demo(options), Progress(progress), Random(options.Seed) {}

    // With the stores up: everything but the default files. False with the reason in Error.
    bool Fill(TDemoStation& made) {
        try {
            return FillStores(made);
        } catch (const std::exception& e) {
            Error = QStringLiteral("Błąd: %1.").arg(QString::fromUtf8(e.what()));
            return false;
        }
    }

    QStringList MadeFiles;
    QString Error;

private:
    bool FillStores(TDemoStation& made) {
        Report(QStringLiteral("Blokady czasowe, grupy częstotliwości i rozkład czasowy."));
        const TDemoRestrictions restrictions = AddRestrictions();

        Report(QStringLiteral("Tworzenie biblioteki: %1 utworów.").arg(Demo.Songs));
        const TSyntheticLibrary library(LibraryOptions(Demo, restrictions));
        made.Songs = StoreLibrary(library, Progress);
        if (made.Songs < 0)
            return Fail(QStringLiteral("Nie udało się zapisać biblioteki utworów."));
        if (!GiveArtistsGroups(library, restrictions.ArtistGroups, Random))
            return Fail(QStringLiteral("Nie udało się przypisać grup częstotliwości wykonawcom."));
        BlockALabel(library, Random);
        if (!SaveSettings())
            return Fail(QStringLiteral("Nie udało się zapisać ustawień stacji."));

        const QString clockDir = ClockDirectory();
        QDir().mkpath(clockDir);
        made.ClockPaths = EnsureDefaultClocks(clockDir, MadeFiles);
        if (made.ClockPaths.isEmpty())
            return Fail(QStringLiteral("Nie udało się umieścić zegarów w katalogu \"%1\".")
                            .arg(QDir::toNativeSeparators(clockDir)));
        const QString clockPath =
            QDir(clockDir).filePath(DemoClockName + QLatin1Char('.') + ClockFileExtension);
        Report(QStringLiteral("Zegar \"%1\".").arg(DemoClockName));
        if (!QFileInfo::exists(clockPath))
            MadeFiles.append(clockPath);
        if (!WriteDemoClock(clockPath, &Error))
            return false;
        made.ClockPaths.append(clockPath);
        if (!CategoryList->SaveCategories(false))
            return Fail(QStringLiteral("Nie udało się zapisać listy kategorii."));
        return true;
    }

    void Report(const QString& text) const {
        if (Progress)
            Progress(text);
    }

    bool Fail(const QString& text) {
        Error = text;
        return false;
    }

    const TDemoStationOptions& Demo;
    const TDemoProgress& Progress;
    TRandom Random;
};

// Every file of a new station is there.
bool IsWholeStation(const QString& dir) {
    const QStringList files = DefaultStationFiles();
    return std::all_of(files.begin(), files.end(), [&](const QString& file) {
        return QFileInfo::exists(QDir(dir).filePath(file));
    });
}

bool AnyStoreUp() {
    return MainBase || Options || TimeRanges || FreqGroups || DisabledLabels || Separations ||
           CategoryList || BroadcastList;
}

} // namespace

TStationCreation CreateDemoStation(const QString& dir, const TDemoStationOptions& options,
                                   const TDemoProgress& progress, QString* error,
                                   TDemoStation* made) {
    if (options.Songs < DemoMinSongs || options.Songs > DemoMaxSongs) {
        *error = QStringLiteral("Liczba utworów musi wynosić od %1 do %2.")
                     .arg(DemoMinSongs)
                     .arg(DemoMaxSongs);
        return TStationCreation::scFailed;
    }
    // Bringing the stores up here would mix this station with the one already open.
    if (AnyStoreUp()) {
        *error = QStringLiteral("Inna stacja jest otwarta; stacji demonstracyjnej nie założono.");
        return TStationCreation::scFailed;
    }
    // A library without the station's files is still someone's; the demo adds to none.
    const QString library = QStringLiteral("%1/%2").arg(kDataDirName, kDatabaseFileName);
    if (QFileInfo::exists(QDir(dir).filePath(library))) {
        *error = QStringLiteral("W katalogu \"%1\" jest już stacja (plik \"%2\"). "
                                "Niczego nie nadpisano.")
                     .arg(QDir::toNativeSeparators(dir), library);
        return TStationCreation::scExists;
    }

    const TDirSnapshot snapshot(dir);
    // A station "init" has just made, still without a library, is filled as it is.
    const bool freshStation = !IsWholeStation(dir);
    if (freshStation) {
        if (progress)
            progress(QStringLiteral("Zakładanie stacji w katalogu \"%1\".")
                         .arg(QDir::toNativeSeparators(dir)));
        const TStationCreation created = CreateStation(dir, error);
        if (created != TStationCreation::scCreated)
            return created;
    }

    SetProgramDir(dir);
    TDemoBuilder builder(options, progress);
    if (freshStation)
        for (const QString& file : DefaultStationFiles())
            builder.MadeFiles.append(QDir(dir).filePath(file));
    builder.MadeFiles.append(QDir(dir).filePath(library));

    TDemoStation result;
    bool filled = BringUpStores();
    if (filled)
        filled = builder.Fill(result);
    else
        builder.Error = QStringLiteral("Nie udało się otworzyć stacji.");
    // The stores are released whatever happened, so the files can be taken away after a failure.
    const bool released = ReleaseStores();
    if (filled && !released)
        builder.Error = QStringLiteral("Nie udało się zapisać stacji.");
    if (!filled || !released) {
        snapshot.RemoveAdded(builder.MadeFiles);
        *error = builder.Error + QStringLiteral(" Stacji demonstracyjnej nie założono.");
        return TStationCreation::scFailed;
    }
    if (made)
        *made = result;
    return TStationCreation::scCreated;
}
