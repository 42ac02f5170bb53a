#pragma once

#include "clocks/uCategory.h"
#include "clocks/uNotifyListener.h"
#include "foundation/uArUtils.h"
#include "foundation/uDateTime.h"

#include <QString>
#include <memory>
#include <vector>

inline const QString BroadcastListFileName = QStringLiteral("audycje.xml");

// Broadcast ids come after every id the category list can hold.
inline constexpr int BroadcastIdBase = 10000;
inline constexpr int FirstBroadcastId = BroadcastIdBase + 1;

// A begin or end of 1.0 (a whole day) is no time of day: the time is not set.
inline constexpr TDateTime UnsetBroadcastTime = 1.0;

// "Audycja": a named sequence of broadcast items, each standing for an object of the category
// list. Pinned broadcasts (begin and end set) last from their begin to their end whatever their
// items say; free ones last as long as their items and their item hours are relative.
class TBroadcast : public TBaseClockObject {
public:
    TBroadcast();
    // Destroys the items.
    ~TBroadcast() override;

    // Pinned: "name (begin - end)".
    QString GetName() const override;
    // Pinned: the seconds from begin to end; otherwise Length.
    int GetPlayTime() const override;
    // Sets Length; nobody is told.
    void SetPlayTime(int seconds) override { FLength = seconds; }
    // A differing name is told to the listeners of the broadcast list that holds the broadcast.
    void SetName(const QString& name) override;
    void LoadFromNode(const TTagNode& node) override;
    void SaveToNode(TTagNode& node) const override;
    // CopyBroadcast (source, true).
    void Assign(const TBaseClockObject& source) override;

    // Copies the settings, items and times of another broadcast. Each item copy takes the
    // current name of its master; with fillFromMaster, its empty characteristic arrays take the
    // master's. A source that is not a broadcast leaves the copy without items.
    void CopyBroadcast(const TBaseClockObject& source, bool fillFromMaster);
    void CopyBroadcastPlain(const TBaseClockObject& source) { CopyBroadcast(source, false); }

    // --- Items, in play order

    int ItemCount() const { return static_cast<int>(FItems.size()); }
    // nullptr when out of range.
    TBroadcastItem* ItemAt(int index) const;
    // The key the item was stored under: its start hour as written.
    QString ItemKey(int index) const;
    // Appends the item under the key (by convention its start hour in decimal).
    TBroadcastItem* AddItem(std::unique_ptr<TBroadcastItem> item, const QString& key);
    void ClearItems();

    // From the first item's hour to the last item's end; 0 without items. Kept up to date with
    // the items.
    int Length() const { return FLength; }
    void RecalcLength();

    // --- Times of day; UnsetBroadcastTime when not set

    TDateTime BeginTime = UnsetBroadcastTime;
    TDateTime EndTime = UnsetBroadcastTime;
    // The end was set by the user and does not move with the items.
    bool ExactEnd = false;

    bool HasBegin() const { return BeginTime != UnsetBroadcastTime; }
    bool HasEnd() const { return EndTime != UnsetBroadcastTime; }
    bool IsPinned() const { return HasBegin() && HasEnd(); }
    // Seconds since midnight; 86400 when not set.
    int BeginSeconds() const { return DateTimeToSeconds(BeginTime); }
    int EndSeconds() const { return DateTimeToSeconds(EndTime); }

protected:
    void InitObjType() override { SetObjType(otBroadcast); }

private:
    struct TEntry {
        QString Key;
        std::unique_ptr<TBroadcastItem> Item;
    };

    std::vector<TEntry> FItems;
    int FLength = 0;
};

// A broadcast can be placed in a clock only when it has items and the master of every item is
// still in the category list.
bool IsComplete(const TBroadcast* broadcast);

// The element form of a broadcast item, its free-text title ("UserInfo") escaped: a title typed
// with "<", ">" or both kinds of quote would otherwise break the element it is written on.
void SaveBroadcastItemToNode(const TBroadcastItem& item, TTagNode& node);
void LoadBroadcastItemFromNode(TBroadcastItem& item, const TTagNode& node);

// The broadcast list: every broadcast of the station, keyed by id (10001 and up). It keeps
// insertion order until a file has been read without error, and the order of the ids' decimal
// texts from then on.
class TBroadcastList : public TNotifyingList {
public:
    TBroadcastList() = default;
    ~TBroadcastList() override;
    TBroadcastList(const TBroadcastList&) = delete;
    TBroadcastList& operator=(const TBroadcastList&) = delete;

    // --- "audycje.xml" in the program directory

    // Adds the broadcasts of the file (an id already in the list keeps its broadcast). A missing
    // file changes nothing; an unreadable one is reported.
    void LoadBroadcasts();
    // Writes the file when the list was modified; a failure is reported. Either way the list
    // counts as saved afterwards. Returns false when writing failed.
    bool SaveBroadcasts();

    // --- Adding and removing

    // Takes the broadcast under the next id and tells the listeners.
    TBroadcast* AddBroadcast(std::unique_ptr<TBroadcast> broadcast);
    // LastId + 1, which becomes the new LastId (10001 for the first broadcast).
    int NextBroadcastId();
    // Tells the listeners, then destroys the broadcast. An unknown id does nothing.
    void DeleteBroadcast(int id);

    // --- Lookups

    int BroadcastCount() const { return static_cast<int>(FEntries.size()); }
    // nullptr when out of range.
    TBroadcast* BroadcastAt(int index) const;
    TBroadcast* FindBroadcast(int id) const;
    int IndexOfId(int id) const;

    bool Modified() const { return FModified; }
    void SetModified(bool modified) { FModified = modified; }
    // The highest id handed out; 10000 when none.
    int LastId() const { return FLastId; }

private:
    struct TEntry {
        int Id;
        std::unique_ptr<TBroadcast> Broadcast;
    };

    // Inserts under the broadcast's id; nullptr (dropping it) when the id is taken.
    TBroadcast* Insert(std::unique_ptr<TBroadcast> broadcast);
    // Returns false when the file could not be read.
    bool ReadFile(const QString& path);
    void SortByKey();

    std::vector<TEntry> FEntries;
    bool FSorted = false;
    bool FModified = false;
    int FLastId = BroadcastIdBase;
};

// The process-wide broadcast list.
inline std::unique_ptr<TBroadcastList> BroadcastList;

// Creates the list when there is none, then loads it.
void CreateBroadcastList();
// Saves the list when modified, then destroys it with all its broadcasts.
void FreeBroadcastList();
