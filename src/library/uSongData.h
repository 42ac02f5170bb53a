#pragma once

#include "foundation/uDateTime.h"

#include <QString>
#include <QtGlobal>
#include <memory>

class QObject;

// A set of the rules of a day's placement, one bit for each TDayRule. The same alias as in
// generator/uDayRules.h, which names the bits: a position only carries the set, and the library
// includes nothing of the layers above it (a differing alias would not compile where both meet).
using TDayRuleSet = quint32;

// A song as it travels in memory. TBaseSong carries everything needed to store a new song,
// TSongData adds what an imported ".dat" file says in words, and TResultSongData is one
// position of a day's play list. Times are milliseconds; -1 means "not set" in every time and
// id. The records are plain values: copying one is cheap (the texts are shared until written),
// and Clone copies through a base pointer without slicing.

class TBaseSong {
public:
    TBaseSong() = default;
    virtual ~TBaseSong() = default;

    virtual std::unique_ptr<TBaseSong> Clone() const { return std::make_unique<TBaseSong>(*this); }

    // Every writer of FileName and SongTime goes through these, so a play-list position can
    // keep the times that follow them.
    virtual void SetFileName(const QString& fileName) { FileName = fileName; }
    virtual void SetSongTime(int msecs) { SongTime = msecs; }

    QString Category = QStringLiteral("1"); // song category number in decimal
    int SongId = -1;
    QString Title;
    int ArtistId = -1;
    int AlbumId = -1;
    QString Info;
    int Label1Id = -1;
    int Label2Id = -1;
    // Characteristic value ids; -1 none, -2 "Dowolny" (any).
    int CharType = -1;
    int Tempo = -1;
    int TempoIn = -1;
    int TempoOut = -1;
    int Vocal = -1;
    int Atmosphere = -1;
    int Language = -1;
    int Year = -1;
    int SongTime = -1;
    // Cue points from the start of the audio file.
    int FadeIn = -1;
    int FadeOut = -1;
    int Mix = -1;
    int Intro = -1;
    int Outro = -1;
    int NStart = -1;
    int NEnd = -1;
    // The audio file.
    QString Compress;
    int Frequ = -1;
    quint8 Mode = 0; // 1-based mode number, 0 not set
    QString Quality;
    QString Code;
    int OwnerId = -1;
    TDateTime CreateDate = 0;
    QString FileName;
    QString Path; // directory, ending with a path delimiter
    // Authorship.
    QString Producer;
    QString Composer;
    QString TextAuthor;
    QString Publisher;
    int Year2 = -1;
    // Draw restrictions: time blockades and the frequency group.
    int TimeRest = -1;
    int FreqRest = -1;
    int TimeRest3 = -1;
    int TimeRest2 = -1;
};

// A song read from a ".dat" file: the file's words before they become ids.
class TSongData : public TBaseSong {
public:
    explicit TSongData(QObject* owner = nullptr) : Owner(owner) {}

    std::unique_ptr<TBaseSong> Clone() const override { return std::make_unique<TSongData>(*this); }

    QString ArtistName;
    QString AlbumTitle;
    QString Bpm; // kept, never stored
    QString TypeText;
    QString TempoText;
    QString TempoInText;
    QString TempoOutText;
    QString VocalText;
    QString AtmosphereText;
    QString LanguageText;
    bool Selected = true; // to be imported
    QString AudioExt;     // extension of the audio file found
    QObject* Owner;       // the import list window that asks about over-long texts; not owned
};

// One position of a day's play list. A day holds some hundreds of them and the generator
// makes many more, so it stays a flat, copyable value.
class TResultSongData final : public TSongData {
public:
    std::unique_ptr<TBaseSong> Clone() const override {
        return std::make_unique<TResultSongData>(*this);
    }

    // The position plays as long as the song does.
    void SetSongTime(int msecs) override {
        SongTime = msecs;
        PlayTime = msecs;
    }

    // Path (with a delimiter at its end) followed by FileName; FileName alone when no
    // directory is known.
    QString FullFileName() const;
    // Path becomes the file's directory with its delimiter, FileName its name.
    void SetFullFileName(const QString& file);

    bool Blank = false; // a silence, not a song
    int Hour = 0;       // ms from midnight at which the position starts
    QString CategoryName;
    bool OwnHour = false;
    bool HasPlayFile = false; // the plan file named the audio file explicitly
    int PlayTime = -1;        // follows SongTime
    int CatId = -1;
    int DbTime = -1; // the song's time as stored
    int Mixed = -1;
    // The rules the draw gave up to place the song here, because no candidate of the slot kept
    // them all; 0 for a placement that keeps every rule.
    TDayRuleSet Relaxed = 0;
};
