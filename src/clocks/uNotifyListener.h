#pragma once

#include <QtGlobal>
#include <vector>

class TBaseClockObject;

// What happened to an object of a list.
enum TNotifyKind : quint8 {
    nkAdded = 0,
    nkDeleted = 1, // told before the object is destroyed
    nkChanged = 2,
};

// A window that follows a list of clock objects (the category list, the broadcast list).
class INotifyListener {
public:
    virtual ~INotifyListener() = default;
    virtual void Notify(TNotifyKind kind, TBaseClockObject* object) = 0;
};

// A list that owns clock objects and tells its listeners about them; the Owner of the objects
// it holds.
class TNotifyingList {
public:
    virtual ~TNotifyingList() = default;

    // A listener already registered is not added twice, so it never hears one event twice.
    void AddListener(INotifyListener* listener);
    // Removing a listener that is not registered does nothing.
    void RemoveListener(INotifyListener* listener);
    // Every listener, in registration order. A listener may unregister itself while it is told.
    void NotifyListeners(TNotifyKind kind, TBaseClockObject* object);

private:
    std::vector<INotifyListener*> FListListeners;
};
