#pragma once

#include "foundation/uDateTime.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class TDetailPlayList;

// The run's state of one fixed list, shared by all its slots.
class TRandListData {
public:
    explicit TRandListData(int listId) : ListId(listId) {}
    int ListId;
    std::vector<int> Songs; // list order, only songs present in the library
    QStringList Played;     // song ids placed in the current cycle
    int LastSongId = -1;
    int LastIndex = -1;
};

// Asked when a fixed list holds a song of a blocked label: (list name, label names, title,
// artist name) -> keep the song.
using TLabelQuestion = std::function<bool(const QString& listName, const QString& labelNames,
                                          const QString& title, const QString& artistName)>;

// Result of CheckListLabels.
struct TListSongCheck {
    bool Keep = true;
    bool Exists = false;
};

// The fixed lists of one run, and the list-position file ("List/YYYYMMDD.dat", one line
// "listId=lastSongId,lastIndex" per list) that carries a cyclic list's place to the next day.
class TRandListSet {
public:
    TLabelQuestion OnLabelQuestion;

    // Reads the previous day's file, when there is one. An unreadable file is reported
    // ("Błąd losowania: %s", source "Losowanie") and the run goes on with no positions.
    void LoadListPositions(TDateTime day);
    // The list's data, made on first use; nullptr when a blocked song was not kept.
    TRandListData* GetListData(const TDetailPlayList& list);
    TListSongCheck CheckListLabels(const QString& listName, int songId) const;
    void RestoreListPosition(TRandListData& data) const;
    // Replaces the day's file; false (reported) when it cannot be written.
    bool SaveListPositions(TDateTime day) const;

    int Count() const { return static_cast<int>(Lists.size()); }
    TRandListData& Item(int index) const { return *Lists.at(index); }
    const QStringList& PrevListPositions() const { return PrevLines; }

private:
    std::vector<std::unique_ptr<TRandListData>> Lists;
    QStringList PrevLines;
};

// "List/YYYYMMDD.dat" under the program directory.
QString ListPositionFile(TDateTime day);
