#include "clocks/uNotifyListener.h"

#include <algorithm>

void TNotifyingList::AddListener(INotifyListener* listener) {
    if (listener != nullptr &&
        std::find(FListListeners.begin(), FListListeners.end(), listener) == FListListeners.end())
        FListListeners.push_back(listener);
}

void TNotifyingList::RemoveListener(INotifyListener* listener) {
    const auto it = std::find(FListListeners.begin(), FListListeners.end(), listener);
    if (it != FListListeners.end())
        FListListeners.erase(it);
}

void TNotifyingList::NotifyListeners(TNotifyKind kind, TBaseClockObject* object) {
    // A copy, because a window may close (and unregister) in answer to what it is told.
    const std::vector<INotifyListener*> listeners = FListListeners;
    for (INotifyListener* listener : listeners) {
        if (std::find(FListListeners.begin(), FListListeners.end(), listener) !=
            FListListeners.end())
            listener->Notify(kind, object);
    }
}
