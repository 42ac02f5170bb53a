#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class TDBMainBase;

// One song as the object dialog lists it.
struct TSongLine {
    int Id = -1;
    QString Artist;
    QString Title;
    int TimeMs = 0;
};

// What the object dialog reads from the music library: the songs of a list and the labels. Reads
// the store it is handed; without one (no library open) there are no songs and no labels. A store
// error is shown and answered as nothing found.
class TLibrarySongs {
public:
    explicit TLibrarySongs(TDBMainBase* store) : FStore(store) {}

    bool HasStore() const { return FStore != nullptr; }
    TDBMainBase* Store() const { return FStore; }

    // The song's performer, title and length; empty texts for a song the library does not
    // have. Each song is read once.
    const TSongLine& Song(int songId);
    // "Średni czas:" of the songs as HH:MM:SS; "0" without songs.
    QString MeanTimeText(const QList<int>& songIds);

    // Every label's value, in alphabetical order.
    QStringList LabelNames() const;

private:
    TSongLine ReadSong(int songId) const;

    TDBMainBase* FStore;
    QHash<int, TSongLine> FSongs;
};
