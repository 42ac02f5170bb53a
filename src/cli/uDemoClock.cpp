#include "cli/uDemoClock.h"

#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "clocks/uClockObjList.h"
#include "library/uDBMainBase.h"
#include "library/uDBSchema.h"
#include "library/uMainBaseQuery.h"
#include "settings/uSettings.h"

#include <QDir>
#include <QFileInfo>
#include <exception>
#include <vector>

namespace {

constexpr int kHourSeconds = 3600;
constexpr int kListSongs = 12;
// The song category of the fixed list: "Przeboje".
constexpr int kListCategory = 2;
// From this hour to the end of kLivelyTo the music may be lively; the rest of the day is calmer.
constexpr int kLivelyFrom = 6;
constexpr int kLivelyTo = 19;

const QString kJingleName = QStringLiteral("Jingiel stacji");
const QString kNewsName = QStringLiteral("Serwis informacyjny");
const QString kMusicName = QStringLiteral("Muzyka");
constexpr int kDaySeconds = 24 * kHourSeconds;

// Songs without a time blockade, in the order they were stored; %1 narrows them to a category.
const QString sqlListSongs =
    QStringLiteral("SELECT Song_Id, Label1_Id, Label2_Id FROM BaseSongs WHERE Song_Id <> -1 AND "
                   "Time_Rest = -1 %1 ORDER BY Song_Id");
const QString sqlInCategory = QStringLiteral("AND Category = ?1");

struct TDemoCondition {
    int Column;
    QString Values; // value names joined by commas
};

struct TDemoRow {
    QString Object; // the category-list object's name
    std::vector<TDemoCondition> Conditions = {};
    bool AnyOf = false; // "OR": one condition is enough
};

// The slots that follow the jingle and the news in every hour. The conditions are the rows'
// own; the objects chosen for them have none of their own to contradict.
std::vector<TDemoRow> HourRows(int hour) {
    const bool lively = hour >= kLivelyFrom && hour <= kLivelyTo;
    const QString tempo =
        lively ? QStringLiteral("Średnie,Szybkie") : QStringLiteral("Wolne,Średnie");
    const QString mood = lively ? QStringLiteral("Radosny,Energetyczny,Taneczny")
                                : QStringLiteral("Spokojny,Romantyczny,Marzycielski");
    return {
        {QStringLiteral("Przeboje")},
        {QStringLiteral("Muzyka"), {{ccTempo, tempo}}},
        {QStringLiteral("Polska muzyka")},
        {DemoListName},
        {QStringLiteral("Złote przeboje")},
        {QStringLiteral("Nowości")},
        {QStringLiteral("Szybkie przeboje")},
        {QStringLiteral("Blok reklamowy")},
        {QStringLiteral("Ballady")},
        {QStringLiteral("Rock i alternatywa")},
        {QStringLiteral("Muzyka taneczna")},
        {QStringLiteral("Lata 90.")},
        {QStringLiteral("Przeboje"),
         {{ccLanguage, QStringLiteral("Polski")}, {ccVocal, QStringLiteral("Żeński,Duet")}},
         true},
        {QStringLiteral("Muzyka"), {{ccAtmosphere, mood}}},
    };
}

// The first songs of the category (-1: of any) that the list may hold: none with a time
// blockade or a blocked label, so generating never has to ask about them.
QList<int> ListSongIds(int category) {
    QList<int> ids;
    TMainBaseQuery query(MainBase.get());
    query.SetSQL(sqlListSongs.arg(category == -1 ? QString() : sqlInCategory));
    if (category != -1)
        query.SetParam(1, QString::number(category));
    for (query.Open(); !query.Eof() && ids.size() < kListSongs; query.Next()) {
        const bool blocked =
            DisabledLabels && DisabledLabels->IsAnyDisabled(query.AsInteger(Col::Label1_Id),
                                                            query.AsInteger(Col::Label2_Id));
        if (!blocked)
            ids.append(query.AsInteger(Col::Song_Id));
    }
    query.Close();
    return ids;
}

// "Lista": the week's hits in a fixed order, set up as the object dialog sets up a new list.
bool AddDemoList(QString* error) {
    QList<int> songs = ListSongIds(kListCategory);
    if (songs.isEmpty())
        songs = ListSongIds(-1);
    if (songs.isEmpty()) {
        *error = QStringLiteral("W bibliotece nie ma utworów dla listy \"%1\".").arg(DemoListName);
        return false;
    }
    auto list = std::make_unique<TDetailPlayList>();
    list->SetName(DemoListName);
    list->SetSCat(kListCategory);
    list->SetRest(true);
    list->SetHPrior(true);
    list->SetExTime(false);
    list->SetSepEnb(smOff);
    for (int id : songs)
        list->AddSong(id);
    list->SetRepList(true);
    list->SetRndList(false);
    if (!CategoryList->AddObject(std::move(list))) {
        *error = QStringLiteral("Nie można dodać listy \"%1\" do kategorii.").arg(DemoListName);
        return false;
    }
    return true;
}

const TBroadcast* FindBroadcastNamed(const QString& name) {
    for (int i = 0; i < BroadcastList->BroadcastCount(); ++i)
        if (const TBroadcast* broadcast = BroadcastList->BroadcastAt(i);
            broadcast->GetName() == name)
            return broadcast;
    return nullptr;
}

QString MissingObjectText(const QString& name) {
    return QStringLiteral("Stacja nie ma kategorii ani audycji \"%1\", której używa zegar \"%2\".")
        .arg(name, DemoClockName);
}

// Appends a row of the object after the last row; false when there is no such object.
TClockObjData* AppendRow(TClock& clock, const TBaseClockObject* object) {
    return object ? clock.InsertObjects(*object, nullptr, ipAfter) : nullptr;
}

bool FillHour(TClock& clock, int hour, QString* error) {
    TClockObjData* jingle = AppendRow(clock, CategoryList->FindByName(kJingleName));
    if (!jingle) {
        *error = MissingObjectText(kJingleName);
        return false;
    }
    if (!clock.SetRowHour(jingle, hour * kHourSeconds, true)) {
        *error = QStringLiteral("Nie można ustalić godziny %1:00 w zegarze \"%2\".")
                     .arg(hour)
                     .arg(DemoClockName);
        return false;
    }
    if (!AppendRow(clock, FindBroadcastNamed(kNewsName))) {
        *error = MissingObjectText(kNewsName);
        return false;
    }
    for (const TDemoRow& slot : HourRows(hour)) {
        TClockObjData* row = AppendRow(clock, CategoryList->FindByName(slot.Object));
        if (!row) {
            *error = MissingObjectText(slot.Object);
            return false;
        }
        for (const TDemoCondition& condition : slot.Conditions)
            clock.SetRowChars(row, condition.Column, condition.Values);
        if (slot.AnyOf)
            clock.SetRowAny(row, false);
    }
    return true;
}

// The last hour has no fixed hour after it: one more music slot takes it to midnight, so a
// generated day is complete.
bool FillToMidnight(TClock& clock, QString* error) {
    const int rest = kDaySeconds - clock.ClockTotalTime();
    if (rest <= 0)
        return true;
    TClockObjData* row = AppendRow(clock, CategoryList->FindByName(kMusicName));
    if (!row) {
        *error = MissingObjectText(kMusicName);
        return false;
    }
    clock.SetRowPlayTime(row, rest, false);
    return true;
}

} // namespace

bool WriteDemoClock(const QString& path, QString* error) {
    if (!MainBase || !CategoryList || !BroadcastList) {
        *error = QStringLiteral("Zegar \"%1\" wymaga otwartej stacji.").arg(DemoClockName);
        return false;
    }
    try {
        if (!AddDemoList(error))
            return false;
    } catch (const std::exception& e) {
        *error = QStringLiteral("Błąd bazy danych: \"%1\".").arg(QString::fromUtf8(e.what()));
        return false;
    }
    TClock clock(cmClock);
    clock.SetName(DemoClockName);
    for (int hour = 0; hour < 24; ++hour)
        if (!FillHour(clock, hour, error))
            return false;
    if (!FillToMidnight(clock, error))
        return false;
    QDir().mkpath(QFileInfo(path).path());
    if (!clock.SaveClockFile(path, true)) {
        *error = QStringLiteral("Błąd podczas zapisywania pliku \"%1\".")
                     .arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}
