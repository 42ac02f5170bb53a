#pragma once

#include "foundation/uIntegerList.h"

#include <memory>
#include <unordered_map>

class TAllowedSong;

// One item of the day's draw history: where (start minute) a song and its artist were placed.
class TRandHistoryItem : public TListObject {
public:
    TRandHistoryItem(int minute, int songId, int artistId, int serial)
        : Minute(minute), SongId(songId), ArtistId(artistId), Serial(serial) {}
    int Minute;
    int SongId;
    int ArtistId;
    int Serial;
};

// The draw history of a run, keyed by song id (SongHistory) or by artist id (ArtistHistory):
// the restriction checks look up all entries of one key in the key-sorted list.
class TRandedHistoryList {
public:
    explicit TRandedHistoryList(bool bySongId);
    TRandedHistoryList(const TRandedHistoryList&) = delete;
    TRandedHistoryList& operator=(const TRandedHistoryList&) = delete;

    bool BySongId() const { return KeyIsSong; }
    // A song already present (same Serial) only moves to the new start minute.
    void Add(const TAllowedSong& song, int startMs);
    void Remove(int serial);
    // The first index of the key in the sorted list, -1 when absent.
    int Find(int key) const;
    int Count() const { return Sorted.Count(); }
    const TRandHistoryItem& Item(int index) const;
    int KeyAt(int index) const { return Sorted.KeyAt(index); }
    // How many entries carry the key.
    int CountOf(int key) const;
    void Clear();

private:
    bool KeyIsSong;
    std::unordered_map<int, std::unique_ptr<TRandHistoryItem>> BySerial;
    TIntegerObjectList Sorted{false};
    int KeyOf(const TRandHistoryItem& item) const {
        return KeyIsSong ? item.SongId : item.ArtistId;
    }
};
