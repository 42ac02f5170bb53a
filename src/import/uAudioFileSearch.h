#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

class TSongData;

// Finds the audio file a ".dat" file describes: a file of the same base name with one of the
// extensions "mp2", "mp3", "wav" (in that order of preference), beside the ".dat" file or in
// one of the further directories (in their order). Every directory is tried for "mp2" before
// "mp3" is. Names are matched without regard to letter case, as the playout system's own
// file system does, an exact match first.
//
// One search serves a whole import run: each directory is listed once, so thousands of
// ".dat" files in one directory do not list it thousands of times.
class TAudioFileSearch {
public:
    explicit TAudioFileSearch(QStringList searchDirs = {}) : SearchDirs(std::move(searchDirs)) {}

    // Sets FileName and AudioExt (the text after the name's first "."), and Path to the
    // directory the file was found in (with a trailing "/"), so the song can be played from
    // there. Nothing is changed when no file is found; false then.
    bool FindAudioFile(const QString& datFile, TSongData& song);

private:
    struct TDirListing {
        QSet<QString> Names;
        QHash<QString, QString> ByFoldedName; // the first name of each folded spelling
    };

    const TDirListing& Listing(const QString& dir);
    // The name as it is spelled in the directory; empty when there is none.
    QString FindName(const QString& dir, const QString& name);

    QStringList SearchDirs;
    QHash<QString, TDirListing> Listings;
};

inline const QStringList kAudioExtensions = {QStringLiteral("mp2"), QStringLiteral("mp3"),
                                             QStringLiteral("wav")};
