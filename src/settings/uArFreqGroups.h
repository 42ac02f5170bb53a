#pragma once

#include "settings/uArIdList.h"

#include <QString>

class TLineDocument;
class TTagNode;

// Units of a group's minimum distance between two plays.
enum TFreqPeriod : int { fpHours = 0, fpDays = 1 };
// Windows of a group's count limit.
enum TMaxPeriod : int { mpHour = 0, mpDay = 1, mpWeek = 2, mpMonth = 3 };

// One frequency group: how often a song, or an artist, that belongs to it may be played.
struct TArFreqGroup {
    int Id = -1; // -1 until added to the list
    QString Name;
    // Minimum distance between two plays in FPeriod units; -1: no such limit.
    int Freq = -1;
    int FPeriod = fpDays;
    // Maximum number of plays per MPeriod; -1: no such limit.
    int Max = -1;
    int MPeriod = mpDay;
    // Neither edited nor deleted in the settings window.
    bool ReadOnly = false;

    // Back to the defaults, the id and name included.
    void Reset() { *this = TArFreqGroup(); }
    // The length of the count window in hours: 1, 24, 168 or 720; -1 without a count limit
    // or for an unknown window.
    int MaxPeriodHours() const;

    // Reset, then the values of a "group" element.
    void LoadFromNode(const TTagNode& element);
    void SaveToList(TLineDocument& doc) const;
};

inline const QString FreqGroupsFileName = QStringLiteral("grupy.xml");

// The frequency groups of "grupy.xml", with the groups given to new songs and artists and the
// groups the draw applies to songs and artists without one of their own (-1: none).
class TArFreqGroups : public TArIdList<TArFreqGroup> {
public:
    // Reads the file into the list: groups with ids the file has are replaced, the others stay.
    // A missing file is silent; an unreadable one is reported, keeping what was read. Returns
    // whether the file was read.
    bool Load();
    // Writes the file only when something changed; a failure is reported. The changed flag is
    // cleared either way. Returns false only when writing failed.
    bool Save();

    // Given to a song or an artist when it enters the library.
    int DefSongGr() const { return FDefSongGr; }
    int DefArtGr() const { return FDefArtGr; }
    // Applied by the draw to a song or an artist without a group of its own.
    int GlobSongGr() const { return FGlobSongGr; }
    int GlobArtGr() const { return FGlobArtGr; }
    // Each marks the list changed when the value differs.
    void SetDefSongGr(int id) { SetGroupId(FDefSongGr, id); }
    void SetDefArtGr(int id) { SetGroupId(FDefArtGr, id); }
    void SetGlobSongGr(int id) { SetGroupId(FGlobSongGr, id); }
    void SetGlobArtGr(int id) { SetGroupId(FGlobArtGr, id); }

private:
    void SetGroupId(int& field, int id);

    int FDefSongGr = -1;
    int FDefArtGr = -1;
    int FGlobSongGr = -1;
    int FGlobArtGr = -1;
};
