#pragma once

#include "foundation/uIntegerList.h"
#include "generator/uCandidates.h"
#include "generator/uDayRules.h"
#include "generator/uDrawContext.h"
#include "generator/uRandHistory.h"
#include "generator/uRandListData.h"
#include "generator/uSongsFilterUtils.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <memory>
#include <vector>

class TMainBaseQuery;

// A song (or blank) accepted for a slot.
class TAllowedSong {
public:
    TAllowedSong(int songId, int category, int mix, int time, int fullTime, int artistId);
    TAllowedSong(const TAllowedSong&) = delete;
    TAllowedSong& operator=(const TAllowedSong&) = delete;

    // Unique within the process: the draw history tells apart two plays of one song by it.
    int Serial;
    int Time;     // ms the song is planned to play, never negative
    int FullTime; // ms, the song's effective length
    int SongId;   // -1 for a blank
    int ArtistId; // -1 for a blank
    quint8 Category;
    int Mix; // ms; 0 when Time is shorter than the song's mix

    void SetTime(int t) { Time = t; }
};

// One item of the day.
class TRandedItem {
public:
    TRandedItem(std::unique_ptr<TAllowedSong> song, int catId);

    int Duration; // ms the item occupies until the next one starts
    int Start = 0;
    std::unique_ptr<TAllowedSong> Song;
    int Mix;
    bool Exhausted = false;
    QString Info; // a blank's text
    bool Cut = false;
    int CatId;
    bool Mixed = false;
    int OrigMix;
    bool MixRule = false;
    // The rules given up to place the song (those it breaks); 0 when it keeps every rule.
    TDayRuleSet Relaxed = 0;
};

// The pass in which a slot is drawn (ClassifyPass); the passes run in this order, the last two
// as one.
enum class TPassClass : quint8 {
    HighPriorityList = 0, // a fixed list with high priority
    HighPriority = 1,     // a high-priority slot or an exact-time blank
    ExactTime = 2,        // an exact-time category slot or another fixed list
    Filtered = 3,         // a category slot with labels or characteristics, or another blank
    Plain = 4,            // a category slot without a filter
};

// One slot of the day's clock during a run: knows how to produce an item for it.
class TBaseRandObj {
public:
    explicit TBaseRandObj(int catId) : CatId(catId) {}
    virtual ~TBaseRandObj() = default;
    TBaseRandObj(const TBaseRandObj&) = delete;
    TBaseRandObj& operator=(const TBaseRandObj&) = delete;

    bool Rest = true; // skip the restriction checks (not the separation)
    QString SlotName;
    IDrawContext* Owner = nullptr; // set when added to the run
    bool HPrior = false;
    int SlotTime = 0;  // ms
    int SlotStart = 0; // ms since midnight
    bool OwnHour = false;
    quint8 SCat = 0;
    bool ExTime = false;
    TPassClass PassClass = TPassClass::Plain;
    int CatId;
    quint8 SepEnb = 2; // TSeparationMode

    void SetSlotTime(int seconds) { SlotTime = seconds * 1000; }
    void SetSlotStart(int seconds) { SlotStart = seconds * 1000; }

    virtual TPassClass ClassifyPass() = 0;
    virtual bool IsCuttable() const = 0;
    // Before the run: candidate query texts (categories), then the pass class.
    virtual void Prepare(TMainBaseQuery& query) = 0;
    // tolerance: -1 no length check; -2 only the cut allowance; t >= 0 also up to t longer.
    virtual std::unique_ptr<TRandedItem> Draw(int needed, int startMinute, int tolerance,
                                              bool randomPick, bool mixAdjusted) = 0;
    virtual std::unique_ptr<TRandedItem> DrawShorter(int needed, int excludeSongId, int startMinute,
                                                     bool mixAdjusted);
    virtual std::unique_ptr<TRandedItem> DrawLonger(int needed, int excludeSongId, int startMinute,
                                                    bool mixAdjusted);
    // After Draw (least-played, no length check, not mix-adjusted) found nothing: the same draw
    // giving up rules in RelaxationOrder until a song keeps the rest; the item records the rules
    // it breaks. Only category slots relax; nullptr when even the last step finds nothing.
    virtual std::unique_ptr<TRandedItem> DrawRelaxed(int needed, int startMinute);

protected:
    IDrawContext& Context() const;
    // CheckCandidate on the rows; the song as planned (time less its mix when mix-adjusted), or
    // nullptr when refused.
    std::unique_ptr<TAllowedSong> AcceptRow(const TCandidateSet& rows, int songId, int startMinute,
                                            bool mixAdjusted) const;
};

// A category slot: draws from the songs its filter admits.
class TRandObj : public TBaseRandObj {
public:
    using TBaseRandObj::TBaseRandObj;

    QString Lab1;
    QString Lab2;
    QStringList VocalIds;
    QStringList AtmosphereIds;
    QStringList TempoIds;
    QStringList LanguageIds;
    QStringList TypeIds;
    QStringList YearIds;
    bool Any = true;
    QString QueryTemplate;
    TCharacterIds CharacterIds;
    TDoubleIntegerList Candidates;  // key TimeKey, value song id
    std::vector<int> CandidateRows; // the row of each loaded candidate (until one is removed)

    TPassClass ClassifyPass() override;
    bool IsCuttable() const override;
    void Prepare(TMainBaseQuery& query) override;
    std::unique_ptr<TRandedItem> Draw(int needed, int startMinute, int tolerance, bool randomPick,
                                      bool mixAdjusted) override;
    std::unique_ptr<TRandedItem> DrawShorter(int needed, int excludeSongId, int startMinute,
                                             bool mixAdjusted) override;
    std::unique_ptr<TRandedItem> DrawLonger(int needed, int excludeSongId, int startMinute,
                                            bool mixAdjusted) override;
    std::unique_ptr<TRandedItem> DrawRelaxed(int needed, int startMinute) override;
    virtual void BuildQuery();

    // Used by the random swaps of the time fitting (mix-adjusted).
    std::unique_ptr<TRandedItem> DrawAtMost(int startMinute, int target);
    std::unique_ptr<TRandedItem> DrawAtLeast(int startMinute, int target);

    // Candidate mechanics; the candidate rows stay available between Open and Close.
    void OpenCandidates();
    void LoadCandidates(bool mixAdjusted);
    void CloseCandidates();
    const TCandidateSet* OpenRows() const { return Rows.get(); }
    // nullptr when the restrictions refuse the song (or it is not among the rows).
    std::unique_ptr<TAllowedSong> AcceptSong(int songId, int startMinute, bool mixAdjusted);
    // Plays in the six days before the day (memoised for the run) plus so far in the day.
    int PlayCount(int songId);
    // The rules in `relaxed` are not checked (see CheckCandidate).
    std::unique_ptr<TAllowedSong> DrawLeastPlayed(int needed, int startMinute,
                                                  TDayRuleSet relaxed = 0);

private:
    std::shared_ptr<TCandidateStatement> OpenStatement;
    // What OpenStatement was filled from: the template lists every characteristic id of the
    // slot's filter (thousands in a large library), too long to fill again at every draw.
    QString OpenSqlTemplate;
    QString OpenSqlExtra;
    std::shared_ptr<const TCandidateSet> Rows;

    // Takes candidates from `pick` until one is accepted, removing each refused one.
    template <class TPick>
    std::unique_ptr<TRandedItem> DrawSequential(int startMinute, bool mixAdjusted, TPick pick);
    std::unique_ptr<TRandedItem> DrawNeighbour(int needed, int excludeSongId, int startMinute,
                                               bool mixAdjusted, bool longer);
    bool FitsTolerance(const TAllowedSong& song, int needed, int tolerance) const;
    // The item of a song the slot's draw accepted.
    std::unique_ptr<TRandedItem> PlacedItem(std::unique_ptr<TAllowedSong> song) const;
    int EarlierPlayCount(int songId);
    // PlayCount of the loaded candidate at the position, through the rows' memo.
    int RankingCount(int position);
};

// A blank (advertisement block and the like): always an item of the slot's length.
class TBlankObj : public TBaseRandObj {
public:
    using TBaseRandObj::TBaseRandObj;

    QString Info;

    TPassClass ClassifyPass() override;
    bool IsCuttable() const override { return false; }
    void Prepare(TMainBaseQuery& query) override;
    std::unique_ptr<TRandedItem> Draw(int needed, int startMinute, int tolerance, bool randomPick,
                                      bool mixAdjusted) override;
};

// A fixed list: the list's next song.
class TPlayListObj : public TBaseRandObj {
public:
    using TBaseRandObj::TBaseRandObj;

    bool RndList = false;
    bool RepList = false;
    TRandListData* ListData = nullptr; // owned by the run

    TPassClass ClassifyPass() override;
    bool IsCuttable() const override;
    void Prepare(TMainBaseQuery& query) override;
    std::unique_ptr<TRandedItem> Draw(int needed, int startMinute, int tolerance, bool randomPick,
                                      bool mixAdjusted) override;
};
