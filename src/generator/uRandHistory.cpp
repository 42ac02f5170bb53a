#include "generator/uRandHistory.h"

#include "foundation/uArUtils.h"
#include "generator/uRandClassess.h"

TRandedHistoryList::TRandedHistoryList(bool bySongId) : KeyIsSong(bySongId) {
    Sorted.SetDuplicates(TDuplicates::duAccept);
    Sorted.SetSorted(true);
}

void TRandedHistoryList::Add(const TAllowedSong& song, int startMs) {
    const int minute = MsToMinutes(startMs);
    const auto found = BySerial.find(song.Serial);
    if (found != BySerial.end()) {
        found->second->Minute = minute;
        return;
    }
    auto item = std::make_unique<TRandHistoryItem>(minute, song.SongId, song.ArtistId, song.Serial);
    Sorted.AddKey(KeyOf(*item), item.get());
    BySerial.emplace(song.Serial, std::move(item));
}

void TRandedHistoryList::Remove(int serial) {
    const auto found = BySerial.find(serial);
    if (found == BySerial.end())
        return;
    Sorted.DeleteKey(KeyOf(*found->second), found->second.get());
    BySerial.erase(found);
}

int TRandedHistoryList::Find(int key) const {
    const TKeyPosition position = Sorted.FindKey(key);
    return position.Found ? position.Position : -1;
}

const TRandHistoryItem& TRandedHistoryList::Item(int index) const {
    return *static_cast<const TRandHistoryItem*>(Sorted.ObjectAt(index));
}

int TRandedHistoryList::CountOf(int key) const {
    int count = 0;
    for (int i = Find(key); i >= 0 && i < Count() && KeyAt(i) == key; ++i)
        ++count;
    return count;
}

void TRandedHistoryList::Clear() {
    Sorted.Clear();
    BySerial.clear();
}
