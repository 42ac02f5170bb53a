#pragma once

#include "clocks/uObjKind.h"
#include "clocks/uObjProperties.h"
#include "settings/uArSeparations.h"

#include <QString>
#include <QtGlobal>
#include <memory>
#include <vector>

class TBroadcast;
class TBroadcastItem;
class TNotifyingList;
class TTagNode;

// The clock objects: the kinds of slot the music director places in clocks and broadcasts. The
// category list owns the originals, broadcasts own their items, and every editor works on copies
// made with Assign.

// The play time of new slots, lists and blanks: the options' default (210 s), also when the
// settings are not up.
int DefaultObjPlayTime();

class TBaseClockObject {
public:
    virtual ~TBaseClockObject();
    TBaseClockObject(const TBaseClockObject&) = delete;
    TBaseClockObject& operator=(const TBaseClockObject&) = delete;

    // --- Virtual operations

    // The name shown for the object.
    virtual QString GetName() const;
    // Seconds.
    virtual int GetPlayTime() const = 0;
    virtual void SetPlayTime(int seconds) = 0;

protected:
    // Sets ObjType; each class calls its own from its constructor.
    virtual void InitObjType() = 0;

public:
    // Stores a name that differs (letter case counts) and tells the list.
    virtual void SetName(const QString& name);
    // Reads the attributes (and child elements) of the object's element; what is missing or
    // malformed falls back to the defaults.
    virtual void LoadFromNode(const TTagNode& node);
    // Writes the object's attributes (and child elements) on an element its container made.
    virtual void SaveToNode(TTagNode& node) const;
    // Copies the settings of an object of the same class; never the list links (Owner,
    // Listeners) nor OwnTime and UExTime, which belong to the slot a copy is made for.
    virtual void Assign(const TBaseClockObject& source);

    // --- Settings whose change the list is told about (only a differing value is a change)

    const QString& ObjName() const { return FObjName; }
    // "Dokładny czas": the draw must meet the play time exactly.
    bool ExTime() const { return FExTime; }
    void SetExTime(bool value);
    // The song category the slot draws from.
    quint8 SCat() const { return FSCat; }
    void SetSCat(quint8 value);
    // "Nie uwzględniaj blokad": the restrictions are not applied to the slot.
    bool Rest() const { return FRest; }
    void SetRest(bool value);
    // "Wysoki priorytet".
    bool HPrior() const { return FHPrior; }
    void SetHPrior(bool value);
    // "Rozkład czasowy": a TSeparationMode.
    quint8 SepEnb() const { return FSepEnb; }
    void SetSepEnb(quint8 value);

    // Tells the owning category list's listeners that the object changed; objects of any
    // other owner (or of none) tell nobody.
    void Changed();

    TObjKind ObjType() const { return FObjType; }

    // Switches OwnTime on; never off.
    void AddOwnTime(bool value) { OwnTime = OwnTime || value; }

    // --- The broadcast items that stand for this object (not owned)

    const std::vector<TBroadcastItem*>& Listeners() const { return FListeners; }
    // Every listening item takes over the object's play time, kind and name (after an edit).
    void UpdateListeners();

    // --- Plain settings

    // Key in the holding list; -1 until the object is in one.
    int Id = -1;
    TObjProperties Properties;
    // Broadcast items: the play time is the item's own and does not follow the master.
    bool OwnTime = false;
    // The exact-time setting was made in a clock row and does not follow the object.
    bool UExTime = false;
    // Predefined: cannot be deleted, nor its name and kind edited.
    bool Pred = false;
    // Free text of the slot; a blank's title in the play list.
    QString UserInfo;
    // The list that holds the object (not owned); nullptr for copies.
    TNotifyingList* Owner = nullptr;

protected:
    TBaseClockObject() = default;

    void SetObjType(TObjKind kind) { FObjType = kind; }

    // Stores a differing value and reports the change.
    template <class T> void Store(T& field, const T& value) {
        if (field == value)
            return;
        field = value;
        Changed();
    }

private:
    friend class TBroadcastItem;

    std::vector<TBroadcastItem*> FListeners;
    QString FObjName;
    bool FExTime = true;
    quint8 FSCat = 1;
    bool FRest = true;
    bool FHPrior = false;
    quint8 FSepEnb = smDefault;
    TObjKind FObjType = otUndefined;
};

// A slot with a play time of its own whose change the list is told about.
class TTimedClockObject : public TBaseClockObject {
public:
    int GetPlayTime() const override { return FPlayTime; }
    void SetPlayTime(int seconds) override { Store(FPlayTime, seconds); }

protected:
    TTimedClockObject() = default;

    // Writes the common "playTime"; reads it with the default given.
    void SavePlayTime(TTagNode& node) const;
    void LoadPlayTime(const TTagNode& node, int def);
    void AssignPlayTime(const TBaseClockObject& source) { FPlayTime = source.GetPlayTime(); }

private:
    int FPlayTime = DefaultObjPlayTime();
};

// "Kategoria podstawowa": songs drawn from the library by the filter settings.
class TCategory : public TTimedClockObject {
public:
    TCategory() { InitObjType(); }

    void LoadFromNode(const TTagNode& node) override;
    void SaveToNode(TTagNode& node) const override;
    void Assign(const TBaseClockObject& source) override;

protected:
    void InitObjType() override { SetObjType(otCategory); }
};

// "Lista": a fixed list of songs. It keeps no filter settings in its stored form.
class TDetailPlayList : public TTimedClockObject {
public:
    TDetailPlayList() { InitObjType(); }

    void LoadFromNode(const TTagNode& node) override;
    void SaveToNode(TTagNode& node) const override;
    void Assign(const TBaseClockObject& source) override;

    // Song ids of the library, in play order.
    const std::vector<int>& Songs() const { return FSongs; }
    // Appends the id unless it is -1.
    void AddSong(int songId);
    void ClearSongs() { FSongs.clear(); }
    int SongCount() const { return static_cast<int>(FSongs.size()); }
    // Out of range throws std::out_of_range.
    int Song(int index) const { return FSongs.at(index); }

    // "Zachowaj pełne cykle".
    bool RepList() const { return FRepList; }
    void SetRepList(bool value);
    // "Rozkład losowy".
    bool RndList() const { return FRndList; }
    void SetRndList(bool value);

protected:
    void InitObjType() override { SetObjType(otPlayList); }

private:
    std::vector<int> FSongs;
    bool FRndList = false;
    bool FRepList = true;
};

// "Pusta": silence or an advertisement block of a fixed length.
class TBlankCategory : public TTimedClockObject {
public:
    TBlankCategory();

    void LoadFromNode(const TTagNode& node) override;
    void SaveToNode(TTagNode& node) const override;
    void Assign(const TBaseClockObject& source) override;

    // "Informacja": the lines of the blank's text as comma text.
    QString Info;

protected:
    void InitObjType() override { SetObjType(otBlank); }
};

// One slot of a broadcast, standing for an object of the category list (its master).
class TBroadcastItem : public TBaseClockObject {
public:
    TBroadcastItem();
    // Leaves the master's Listeners.
    ~TBroadcastItem() override;

    int GetPlayTime() const override { return FPlayTime; }
    // The item belongs to no list, so nobody is told.
    void SetPlayTime(int seconds) override { FPlayTime = seconds; }
    void LoadFromNode(const TTagNode& node) override;
    void SaveToNode(TTagNode& node) const override;
    // Also copies the item's times and hour, and MasterId as a number only: the copy does not
    // follow the master.
    void Assign(const TBaseClockObject& source) override;

    int MasterId() const { return FMasterId; }
    // Moves the item from the old master's Listeners to the new master's (each when it exists
    // in the category list). Setting the current id again does nothing.
    void SetMasterId(int id);
    // Takes over the master's play time (unless OwnTime), kind and name.
    void MasterChanged(const TBaseClockObject& master);

    // The master's kind code, kept up to date from it.
    int MstType = otBroadcastItem;
    // Start of the item, seconds from midnight; relative within a free broadcast.
    int Hour = -1;
    // The start hour is fixed by the user.
    bool OwnHour = false;
    // The broadcast holding the item (not owned); set when a broadcast copies another.
    TBroadcast* Broadcast = nullptr;

protected:
    void InitObjType() override { SetObjType(otBroadcastItem); }

private:
    friend class TBaseClockObject;

    // A master id that comes from a copy or a file: the item stays out of every master's
    // Listeners.
    void StoreMasterId(int id);
    void LeaveMaster();

    int FMasterId = -1;
    int FPlayTime = -1;
    // The master whose Listeners hold the item; the master clears it when it is destroyed first.
    TBaseClockObject* FMaster = nullptr;
};

// --- Factories

// A new object of the kind: 0, 2, 3 and 5; nullptr for any other kind (broadcasts are made by
// their list).
std::unique_ptr<TBaseClockObject> CreateClockObject(int kind);
// The object the element describes ("objType", then the element read into it); nullptr for an
// element of any other kind.
std::unique_ptr<TBaseClockObject> CreateClockObjectFromNode(const TTagNode& node);
