#pragma once

#include "clocks/uCategory.h"
#include "clocks/uNotifyListener.h"

#include <QString>
#include <memory>
#include <vector>

inline const QString CategoryListFileName = QStringLiteral("kategorie.xml");

// Ids of the category list. Ordinary objects get theirs from NextId; the predefined ones have
// fixed ids; ids from FirstInvalidCategoryId on are not valid here (broadcasts start at 10001).
inline constexpr int LastOrdinaryId = 9899;
inline constexpr int FirstPredefinedId = 9900;
inline constexpr int LastPredefinedId = 9999;
inline constexpr int FirstInvalidCategoryId = 10000;

// The predefined advertisement blank.
inline constexpr int AdvertBlankId = 9901;
inline const QString AdvertBlankName = QStringLiteral("Reklama o");

inline bool IsPredefinedId(int id) {
    return id >= FirstPredefinedId && id <= LastPredefinedId;
}

// The category list: the basic categories, fixed lists and blanks that clocks and broadcasts
// refer to by id. Owns its objects, kept in the order of their ids' decimal texts ("10" before
// "9"), one per id.
class TClockObjList : public TNotifyingList {
public:
    TClockObjList() = default;
    ~TClockObjList() override;
    TClockObjList(const TClockObjList&) = delete;
    TClockObjList& operator=(const TClockObjList&) = delete;

    // --- "kategorie.xml" in the program directory

    // Adds the objects of the file (an id already in the list keeps its object) and makes sure
    // the predefined blank exists. A missing file changes nothing, not even the predefined
    // blank; an unreadable one is reported and still gets it.
    void LoadCategories();
    // Writes the file when the list was modified, or always with force; a failure is reported.
    // Either way the list counts as saved afterwards. Returns false when writing failed.
    bool SaveCategories(bool force);

    // --- Adding and removing

    // Takes the object, gives it a name no other object has ("%s (%d)" with the first free
    // number), the id given or, with -1, the next ordinary one, and tells the listeners.
    // Refuses (returning nullptr and dropping the object) when the ordinary ids are used up,
    // with a message, or when the id given is taken or outside 0..9999.
    TBaseClockObject* AddObject(std::unique_ptr<TBaseClockObject> object, int id = -1);
    // LastId + 1; once past the ordinary ids it is 10000 for good.
    int NextId();
    // Nothing when no object has the id.
    void DeleteById(int id);
    // Tells the listeners, then destroys the object. Out of range does nothing.
    void DeleteAt(int index);

    // Adds the advertisement blank when the list has no object with its id; otherwise restores
    // that object's name.
    void EnsurePredefined();
    // An object with a predefined id whose Pred is set.
    bool IsPredefined(int id) const;

    // --- Lookups

    int Count() const { return static_cast<int>(FEntries.size()); }
    // nullptr when out of range.
    TBaseClockObject* ObjectAt(int index) const;
    // -1 when no object has the id.
    int IndexOfId(int id) const;
    TBaseClockObject* FindById(int id) const;
    // The first object, in list order, with exactly this name (letter case counts).
    TBaseClockObject* FindByName(const QString& name) const;
    // Empty when no object has the id.
    QString NameOfId(int id) const;

    // Set by every addition and deletion; cleared by loading and saving.
    bool Modified() const { return FModified; }
    void SetModified(bool modified) { FModified = modified; }
    // The highest ordinary id handed out; -1 when none.
    int LastId() const { return FLastId; }

private:
    struct TEntry {
        int Key;
        std::unique_ptr<TBaseClockObject> Object;
    };

    // The index of the id, or where it would go.
    int PositionOf(int id) const;
    // Inserts under the object's id; nullptr (dropping the object) when the id is taken.
    TBaseClockObject* Insert(std::unique_ptr<TBaseClockObject> object);
    void ReadObjects(const TTagNode& root);
    void MakeNameUnique(TBaseClockObject& object) const;

    std::vector<TEntry> FEntries;
    bool FModified = false;
    int FLastId = -1;
};

// The process-wide category list.
inline std::unique_ptr<TClockObjList> CategoryList;

// Creates the list when there is none, then loads it.
void CreateCategoryList();
// Saves the list when modified, then destroys it with all its objects.
void FreeCategoryList();
// The name of the object with the id; empty when there is no such object or no list.
QString CategoryNameOfId(int id);
