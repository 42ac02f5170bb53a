#include "generator/uRandTimer.h"

#include "foundation/uDateTime.h"
#include "foundation/uFormat.h"
#include "foundation/uMsgLog.h"
#include "foundation/uPrompt.h"
#include "generator/uRandClassess.h"
#include "generator/uResultReceiver.h"
#include "library/uMainBaseQuery.h"
#include "library/uStatsCache.h"
#include "settings/uSettings.h"

#include <QDateTime>
#include <QFile>
#include <exception>

namespace {

bool AskAboutBlockedLabel(const QString& listName, const QString& labelNames, const QString& title,
                          const QString& artistName) {
    const QString text =
        Format(QStringLiteral("Kategoria \"%s\" typu Lista, zawiera utwór \"%s - %s\", ktory ma "
                              "przypisaną etykietę \"%s\".\r\nEtykieta ta znajduje się na liście "
                              "Blokady etykiet.\r\nCzy mimo to, kontynuowac dobieranie utworów?\r\n"
                              "UWAGA: W razie akceceptacji, utwór ten zostanie umieszczony na Play "
                              "Liście, pomimo blokady!"),
               {listName, artistName, title, labelNames});
    return Prompt().AskYesNo(TBoxKind::bkWarning, text);
}

} // namespace

TRandTimer::TRandTimer(TDBMainBase& store, TRandom& random, IPlanReader* planReader)
    : FRandom(random), FStats(std::make_unique<TStatsCache>(store, planReader)) {
    const int categories = SongCategories().Count();
    CategoryAvgTime.assign(categories, 0);
    CategorySlotCount.assign(categories, 0);
    Lists.OnLabelQuestion = AskAboutBlockedLabel;
    DrawMode = ReadDrawMode();
    RelaxWhenNoCandidate = DrawSettings && DrawSettings->RelaxWhenNoCandidate();
}

TRandTimer::~TRandTimer() = default;

std::uint32_t TRandTimer::ClockSeed() {
    return static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
}

const TArSongCategories& TRandTimer::SongCategories() const {
    return Options->Categories();
}

quint8 TRandTimer::ReadDrawMode() {
    return static_cast<quint8>(SelectionMode(Config.SelectionMethod, Now()));
}

void TRandTimer::SetDate(TDateTime date) {
    FDate = DateToDateTime(DateTimeToDate(date));
    Lists.LoadListPositions(FDate);
    QFile::remove(ListPositionFile(FDate));
}

void TRandTimer::AddDrawObject(std::unique_ptr<TBaseRandObj> object) {
    object->Owner = this;
    DrawObjects.push_back(std::move(object));
}

TRandListData* TRandTimer::GetListData(const TDetailPlayList& list) {
    return Lists.GetListData(list);
}

void TRandTimer::SetCandidateCaching(bool enabled) {
    RunData.Candidates.SetEnabled(enabled);
}

bool TRandTimer::CheckCancelled() {
    ProcessPendingEvents();
    return Cancelled;
}

void TRandTimer::Run() {
    try {
        FStats->LoadPlans();
        {
            TMainBaseQuery query;
            for (const auto& object : DrawObjects)
                object->Prepare(query);
        }
        BuildRanges();
        SetProgressMax(5 * RangeCount() + 2);
        // Every pass answers true; a cancelled run goes through the rest without drawing.
        if (FillPass({TPassClass::HighPriorityList}) && FillPass({TPassClass::HighPriority}) &&
            FillPass({TPassClass::ExactTime}))
            FillPass({TPassClass::Filtered, TPassClass::Plain});
        StepProgress();
        if (!CheckCancelled())
            FinalFit();
        StepProgress();
        OutputItems();
    } catch (const std::exception& error) {
        FFailed = true;
        LogMessage(msDraw, TLogLevel::Error,
                   Format(QStringLiteral("Błąd losowania: %s"), {QString::fromUtf8(error.what())}));
        return;
    }
    Lists.SaveListPositions(FDate);
}

void TRandTimer::BuildRanges() {
    Ranges.clear();
    for (const auto& object : DrawObjects) {
        if (Ranges.empty() || object->OwnHour) {
            if (!Ranges.empty())
                Ranges.back()->SetEnd(object->SlotStart);
            auto range = std::make_unique<TTimerRange>();
            range->Start = object->SlotStart;
            Ranges.push_back(std::move(range));
        }
        Ranges.back()->AddSlot(object.get());
    }
    if (Ranges.empty())
        return;
    const TBaseRandObj& last = *DrawObjects.back();
    Ranges.back()->SetEnd(last.SlotStart + last.SlotTime);
    if (Ranges.size() < 2)
        return;
    for (size_t r = 0; r < Ranges.size(); ++r) {
        TTimerRange& range = *Ranges[r];
        if (range.SlotCount() != 1)
            continue;
        TBaseRandObj& lone = *range.DrawObject(0);
        lone.ExTime = true;
        if (r + 1 < Ranges.size() && Ranges[r + 1]->SlotCount() > 0)
            lone.SlotTime = Ranges[r + 1]->DrawObject(0)->SlotStart - lone.SlotStart;
    }
}

void TRandTimer::OutputItems() {
    if (!ResultView)
        return;
    for (const auto& range : Ranges)
        for (int slot = 0; slot < range->SlotCount(); ++slot) {
            const TRandedItem* item = range->Item(slot);
            if (!item)
                continue;
            ResultView->AddResultItem({.SongId = item->Song->SongId,
                                       .Start = item->Start,
                                       .Mix = item->Mix,
                                       .Mixed = item->Mixed,
                                       .CatId = item->CatId,
                                       .Info = item->Info,
                                       .Category = item->Song->Category,
                                       .OwnHour = range->DrawObject(slot)->OwnHour,
                                       .Duration = item->Duration,
                                       .Time = item->Song->Time,
                                       .Relaxed = item->Relaxed});
        }
}
