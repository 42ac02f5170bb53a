#pragma once

#include "generator/uDrawContext.h"
#include "generator/uFitWindow.h"
#include "generator/uRandClassess.h"
#include "generator/uRandListData.h"
#include "generator/uTimerRange.h"
#include "library/uProgress.h"

#include <QtGlobal>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

class IPlanReader;
class IResultReceiver;
class TArSongCategories;
class TBaseRandObj;
class TDetailPlayList;
class TRandedItem;
class TRandom;
class TStatsCache;
class TDBMainBase;

// The items a range pass draws, one per slot of the pass (nullptr where nothing was drawn);
// they belong to the pass until they are put into the range.
using TPassItems = std::vector<std::unique_ptr<TRandedItem>>;
// The classes of slots one pass draws.
using TPassClasses = std::initializer_list<TPassClass>;

// Links two consecutive items: the previous item's mix into the current one and its duration
// (by the song categories' mix table), then the current item's start. With `markMixed` an
// overlapping previous item is marked Mixed (never cleared).
void LinkItems(TRandedItem& current, TRandedItem& previous, bool markMixed,
               const TArSongCategories& categories);

// Generates the play list of one day: fills the slots of the day's clock in four priority
// passes with songs drawn under the restrictions, fits each stretch between fixed hours to its
// length, and hands the items in day order to the result receiver. One generator serves one
// run. All chance comes from the random source it is given.
class TRandTimer : public TBasePrgressObject, public IDrawContext {
public:
    // Plan files of pending days are read through `planReader` (the process-wide one when
    // none is given).
    // The statistics of earlier days come from `store`, which must outlive the run.
    TRandTimer(TDBMainBase& store, TRandom& random, IPlanReader* planReader = nullptr);
    ~TRandTimer() override;
    TRandTimer(const TRandTimer&) = delete;
    TRandTimer& operator=(const TRandTimer&) = delete;

    // The day to generate; also reads the previous day's list positions and deletes this
    // day's file, so a day generated again starts from the previous day's positions.
    void SetDate(TDateTime date);
    TDateTime Date() const { return FDate; }

    // Appends a slot in clock order; the generator owns it from now on.
    void AddDrawObject(std::unique_ptr<TBaseRandObj> object);
    int DrawObjectCount() const { return static_cast<int>(DrawObjects.size()); }
    TBaseRandObj& DrawObject(int index) const { return *DrawObjects.at(index); }

    // The run's state of a fixed list (made on first use); nullptr when the user refused a
    // song of a blocked label.
    TRandListData* GetListData(const TDetailPlayList& list);
    // Asked about a fixed list's song with a blocked label; by default a Yes/No warning box.
    TLabelQuestion& OnLabelQuestion() { return Lists.OnLabelQuestion; }

    // Receives the items; none means no output.
    IResultReceiver* ResultView = nullptr;
    // 1 = method A (needed length from the pass's category averages), 2 = method B (the slot's
    // own length).
    quint8 DrawMode = 1;
    // The draw mode of the configured selection method on today's date (not the generated one).
    static quint8 ReadDrawMode();
    // A category slot that no candidate can fill under every rule is filled with rules given up
    // (TRandObj::DrawRelaxed) instead of stopping the run; from the station's draw settings.
    bool RelaxWhenNoCandidate = false;

    // A seed for a run that need not be repeated: the clock's.
    static std::uint32_t ClockSeed();

    // Generates the day. Never throws: an error (of the store, say) is reported and ends the run
    // without output and without saving the draw lists; Failed() tells it.
    void Run();
    void Cancel() override { Cancelled = true; }
    bool IsCancelled() const { return Cancelled; }
    bool Failed() const { return FFailed; }

    // Off: every draw runs its candidate query again (the day must come out the same).
    void SetCandidateCaching(bool enabled);

    // --- IDrawContext
    TRandedHistoryList& SongHistory() override { return RunData.SongHistory; }
    TRandedHistoryList& ArtistHistory() override { return RunData.ArtistHistory; }
    TStatsCache& Stats() override { return *FStats; }
    TRandom& Random() override { return FRandom; }
    TDateTime Day() const override { return FDate; }
    TCandidateCache& Candidates() override { return RunData.Candidates; }
    TArtistRulesCache& Artists() override { return RunData.Artists; }
    // Processes pending events; true once the run is cancelled.
    bool CheckCancelled() override;

    // --- The day's stretches (after BuildRanges)
    int RangeCount() const { return static_cast<int>(Ranges.size()); }
    TTimerRange& Range(int index) const { return *Ranges.at(index); }

    // Splits the slots into stretches at the fixed hours. A lone slot between two fixed hours
    // is made exact-time and stretched over the gap.
    void BuildRanges();
    // After the passes: links the whole day, cuts songs of over-full stretches and lengthens
    // cut songs into gaps.
    void FinalFit();
    void FillGap(TTimerRange& range);
    TRandedItem* LongestCuttable(TTimerRange& range) const;

private:
    // The tests look into the passes.
    friend class RandTimerFixture;

    // --- Passes
    bool FillPass(TPassClasses classes);
    void FillRangePass(TTimerRange& range, TPassClasses classes);
    void ComputeCategoryAverages(const TTimerRange& range);
    void UpdateCategoryAverage(int categoryIndex, int drawnDuration);
    // Method A: the average of the slot's category in the pass (when there is one), else the
    // slot's own length.
    int NeededTime(const TBaseRandObj& object) const;
    void DrawPassSlots(TTimerRange& range, TPassClasses classes, bool completing);
    int SlotStartMinute(const TTimerRange& range, int slot) const;
    int ChainRange(TTimerRange& range, int position, TPassItems& items);
    void ReportSlot(const TBaseRandObj& object);
    void FailSlot(const TBaseRandObj& object);
    void OutputItems();

    // --- Time fitting (type 1: the pass is too short, 2: too long)
    // Links the range's consecutive items; true, with the sum of their durations, when every
    // slot has an item.
    bool ChainAndSum(TTimerRange& range, int& sum);
    bool PutAndCheck(TTimerRange& range, TPassItems& items);
    bool FitRange(TTimerRange& range, int type, TPassItems& items);
    bool SwapToFit(TTimerRange& range, TPassItems& items, int diff);
    int RandomSwaps(TTimerRange& range, TPassItems& items, int diff);
    bool EvaluateFit(const TTimerRange& range, const TPassItems& items, bool netLengths, int type,
                     int& flipped) const;
    bool StepToFit(TTimerRange& range, TPassItems& items, int type);
    int PassSum(const TPassItems& items) const;
    // The window the pass items (not yet in the range) must bring the range into: over by up
    // to the cut allowance of its longest cuttable song, or, with none, short by up to that of
    // its longest pass item.
    TFitWindow FitWindow(const TTimerRange& range, const TPassItems& items) const;
    // The pass sum that the fitting aims at: the window's shortest fitting total.
    int FitTarget(const TTimerRange& range, const TPassItems& items) const;
    // Puts the replacement in place of the pass item at the position (it takes the old start);
    // answers the old item.
    std::unique_ptr<TRandedItem> ReplacePassItem(TPassItems& items, int position,
                                                 std::unique_ptr<TRandedItem> item);
    void AddHistory(const TRandedItem& item);
    void RemoveHistory(const TRandedItem& item);
    // Cuts the range's longest cuttable songs until the excess is gone; true when any was cut.
    bool CutOverfull(TTimerRange& range, int excess);

    const TArSongCategories& SongCategories() const;

    TRandom& FRandom;
    std::vector<std::unique_ptr<TBaseRandObj>> DrawObjects;
    TDrawRunData RunData;
    std::unique_ptr<TStatsCache> FStats;
    std::vector<std::unique_ptr<TTimerRange>> Ranges;
    TDateTime FDate = 0;
    // Slot indexes (within the range) drawn in the current range pass.
    std::vector<int> PassSlots;
    int FitAttempts = 0;
    // Method A, by category-table index: the average planned time of the pass's slots still to
    // draw and their number.
    std::vector<int> CategoryAvgTime;
    std::vector<int> CategorySlotCount;
    bool Cancelled = false;
    bool FFailed = false;
    TRandListSet Lists;
};
