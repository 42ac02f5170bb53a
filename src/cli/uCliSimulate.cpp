#include "cli/uCliDay.h"
#include "cli/uCliMain.h"
#include "dayplan/uStores.h"
#include "foundation/uAppPaths.h"
#include "foundation/uDirectoryCopy.h"
#include "foundation/uPrompt.h"
#include "report/uDayReportJson.h"
#include "report/uSimulation.h"
#include "settings/uArOptions.h"
#include "settings/uArSongCategories.h"
#include "settings/uSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <map>
#include <optional>

// "simulate FROM --days N [--clock CLOCK] [--seed S] [--json]": plans, generates and accepts N
// days from FROM on a private copy of the station and reports each day's summary and the
// library's rotation over the run. The station itself is only read: the copy takes every write,
// the per-user settings and the exported ".mix" files included.

namespace {

struct TSimulateArgs {
    QDate From;
    int Days = 0;
    QString Clock;
    std::optional<std::uint32_t> Seed;
    bool Json = false;
};

constexpr int kMaxDays = 366;

std::optional<TSimulateArgs> ParseArgs(QStringList args, QTextStream& err) {
    TSimulateArgs parsed;
    parsed.Json = args.removeAll(QStringLiteral("--json")) > 0;
    const auto take = [&args](const QString& option) -> std::optional<QString> {
        const qsizetype at = args.indexOf(option);
        if (at < 0)
            return std::nullopt;
        const QString value = args.value(at + 1);
        args.remove(at, at + 1 < args.size() ? 2 : 1);
        return value;
    };
    bool ok = false;
    if (const auto days = take(QStringLiteral("--days")))
        parsed.Days = days->toInt(&ok);
    if (!ok || parsed.Days < 1 || parsed.Days > kMaxDays) {
        err << QStringLiteral("Opcja --days wymaga liczby dni od 1 do %1.").arg(kMaxDays)
            << Qt::endl;
        return std::nullopt;
    }
    if (const auto seed = take(QStringLiteral("--seed"))) {
        const uint value = seed->toUInt(&ok);
        if (!ok) {
            err << QStringLiteral("Opcja --seed wymaga liczby.") << Qt::endl;
            return std::nullopt;
        }
        parsed.Seed = value;
    }
    if (const auto clock = take(QStringLiteral("--clock")))
        parsed.Clock = *clock;
    if (args.size() != 1) {
        err << QStringLiteral("Błędna liczba argumentów. Zobacz --help.") << Qt::endl;
        return std::nullopt;
    }
    parsed.From = ParseCliDate(args.first(), err);
    if (!parsed.From.isValid())
        return std::nullopt;
    return parsed;
}

// The clock an empty day is planned with: the one given, else the first of the clock directory
// by name.
QString ChooseClock(const QString& given, QTextStream& err) {
    if (!given.isEmpty()) {
        const QString file = FindClockFile(given);
        if (file.isEmpty())
            err << QStringLiteral("Nie ma pliku zegara \"%1\".").arg(given) << Qt::endl;
        return file;
    }
    const QStringList clocks =
        QDir(Config.ClockDir).entryList({QStringLiteral("*.ctm")}, QDir::Files, QDir::Name);
    if (clocks.isEmpty()) {
        err << QStringLiteral("W katalogu zegarów nie ma żadnego zegara: podaj --clock.")
            << Qt::endl;
        return {};
    }
    return QDir(Config.ClockDir).filePath(clocks.first());
}

// The per-user settings of the run live in the copy, starting as the user's own.
void MoveUserSettings(const QString& dir) {
    const QString userFile = UserSettings()->fileName();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
    if (QFileInfo::exists(userFile)) {
        const QString copy = UserSettings()->fileName();
        QDir().mkpath(QFileInfo(copy).absolutePath());
        QFile::copy(userFile, copy);
    }
}

// Directories of the station's configuration that lead out of it are bent into the copy: the
// exports must not reach the playout system's folder.
void KeepWritesInCopy(const QString& original, const QString& copy) {
    const auto inCopy = [&](const QString& dir) {
        const QString cleanOriginal = QDir::cleanPath(original);
        const QString clean = QDir::cleanPath(dir);
        if (clean == cleanOriginal || clean.startsWith(cleanOriginal + QLatin1Char('/')))
            return QDir::cleanPath(copy + clean.mid(cleanOriginal.size()));
        return clean;
    };
    Config.ClockDir = inCopy(Config.ClockDir);
    Config.PlayListDir = QDir(copy).filePath(QStringLiteral("PlayListy"));
}

// The song categories' names, read while the stores are up.
using TCategoryNames = std::map<int, QString>;

TCategoryNames ReadCategoryNames(const TSimulationResult& result) {
    TCategoryNames names;
    for (const TCategoryRotation& rotation : result.Categories)
        if (Options)
            names[rotation.Category] = Options->Categories().NameById(rotation.Category);
    return names;
}

// The category's name; its number when it has none.
QString CategoryName(const TCategoryNames& names, int category) {
    const auto found = names.find(category);
    return found == names.end() || found->second.isEmpty() ? QString::number(category)
                                                           : found->second;
}

// Says "Tak" to every question without echoing it, and shows the errors and warnings: a month
// of days asks about every cut song, which would bury what matters.
class TYesPrompt final : public IPrompt {
public:
    explicit TYesPrompt(QTextStream& err) : Err(err) {}
    void ShowMessage(TBoxKind kind, const QString& text) override {
        if (kind == TBoxKind::bkError || kind == TBoxKind::bkWarning)
            Err << text << Qt::endl;
    }
    bool AskYesNo(TBoxKind, const QString&) override { return true; }
    TOptionAnswer AskOption(const QString&, const QString&, const QString&, bool&) override {
        return TOptionAnswer::oaYes;
    }
    void SetBusyCursor(bool) override {}
    void ProcessEvents() override {}

private:
    QTextStream& Err;
};

QJsonObject RotationJson(const TCategoryNames& names, const TCategoryRotation& rotation) {
    return {{QStringLiteral("category"), rotation.Category},
            {QStringLiteral("name"), CategoryName(names, rotation.Category)},
            {QStringLiteral("songs"), rotation.Songs},
            {QStringLiteral("plays"), rotation.Plays},
            {QStringLiteral("never_played"), rotation.NeverPlayed},
            {QStringLiteral("max_plays"), rotation.MaxPlays},
            {QStringLiteral("fair_share"), rotation.FairShare},
            {QStringLiteral("same_hour_returns"), rotation.SameHourReturns}};
}

void WriteJson(const TSimulateArgs& args, const TSimulationResult& result,
               const TCategoryNames& names, QTextStream& out) {
    QJsonArray days;
    for (const TSimulatedDay& day : result.Days)
        days.append(QJsonObject{{QStringLiteral("date"), day.Date.toString(Qt::ISODate)},
                                {QStringLiteral("stopped"), day.Stopped},
                                {QStringLiteral("summary"), ReportTotalsJson(day.Summary)}});
    QJsonArray categories;
    for (const TCategoryRotation& rotation : result.Categories)
        categories.append(RotationJson(names, rotation));
    QJsonObject root{{QStringLiteral("from"), args.From.toString(Qt::ISODate)},
                     {QStringLiteral("days"), days},
                     {QStringLiteral("categories"), categories}};
    if (!result.Error.isEmpty())
        root.insert(QStringLiteral("error"), result.Error);
    out << QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Compact)) << Qt::endl;
}

void WriteText(const TSimulateArgs& args, const TSimulationResult& result,
               const TCategoryNames& names, QTextStream& out) {
    out << QStringLiteral("Symulacja od %1: dni %2 (na kopii stacji, stacja bez zmian).")
               .arg(args.From.toString(Qt::ISODate))
               .arg(result.Days.size())
        << Qt::endl;
    out << QStringLiteral("dzień\tpozycje\tutwory\tprzerwy\tcisza_ms\tcięcia\trozluźnione\t"
                          "złamane\tzatrzymany")
        << Qt::endl;
    for (const TSimulatedDay& day : result.Days) {
        const TReportTotals& t = day.Summary;
        out << day.Date.toString(Qt::ISODate) << '\t' << t.Positions << '\t' << t.Songs << '\t'
            << t.Gaps << '\t' << t.GapMs << '\t' << t.Cuts << '\t' << t.Relaxed() << '\t'
            << t.Broken() << '\t' << (day.Stopped ? QStringLiteral("tak") : QStringLiteral("nie"))
            << Qt::endl;
    }
    out << QStringLiteral("kategoria\tutwory\todtworzenia\tnieodtworzone\tnajwięcej\tśrednio\t"
                          "powroty_o_tej_godzinie")
        << Qt::endl;
    for (const TCategoryRotation& r : result.Categories)
        out << CategoryName(names, r.Category) << '\t' << r.Songs << '\t' << r.Plays << '\t'
            << r.NeverPlayed << '\t' << r.MaxPlays << '\t' << QString::number(r.FairShare, 'f', 2)
            << '\t' << r.SameHourReturns << Qt::endl;
}

} // namespace

int CliSimulate(TCliContext& context) {
    const std::optional<TSimulateArgs> args = ParseArgs(context.Args, context.Err);
    if (!args)
        return ceUsage;

    QTemporaryDir work;
    const QString original = QDir::cleanPath(ProgramDir());
    const QString copy = QDir(work.path()).filePath(QStringLiteral("stacja"));
    QString failed;
    if (!work.isValid() || !CopyDirectoryTree(original, copy, &failed)) {
        context.Err << QStringLiteral("Nie udało się skopiować stacji (%1).").arg(failed)
                    << Qt::endl;
        return ceFileError;
    }
    MoveUserSettings(QDir(work.path()).filePath(QStringLiteral("ustawienia")));
    SetProgramDir(copy);

    TSimulationResult result;
    TCategoryNames names;
    {
        EnsureDirectory(AppFilePath(kPlanDir));
        TStoresSession stores;
        if (!stores.IsUp())
            return ceFileError;
        KeepWritesInCopy(original, copy);
        const QString clock = ChooseClock(args->Clock, context.Err);
        if (clock.isEmpty())
            return ceUsage;
        TCliDayHost host;
        host.ClockFile = clock;
        TDayLifecycle days(host);
        // Every question of the run is the director's "Tak": the copy is there to be changed.
        IPrompt& prompt = Prompt();
        TYesPrompt yes(context.Err);
        SetPrompt(&yes);
        result = RunSimulation(days, {args->From, args->Days, args->Seed});
        days.SaveOnClose();
        SetPrompt(&prompt);
        names = ReadCategoryNames(result);
    }
    if (args->Json)
        WriteJson(*args, result, names, context.Out);
    else
        WriteText(*args, result, names, context.Out);
    if (!result.Error.isEmpty()) {
        context.Err << result.Error << Qt::endl;
        return ceFileError;
    }
    for (const TSimulatedDay& day : result.Days)
        if (day.Stopped || day.Summary.Broken() > 0)
            return ceRefused;
    return ceDone;
}
