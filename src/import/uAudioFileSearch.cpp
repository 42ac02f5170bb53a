#include "import/uAudioFileSearch.h"

#include "foundation/uArUtils.h"
#include "library/uSongData.h"

#include <QDir>
#include <QFileInfo>

bool TAudioFileSearch::FindAudioFile(const QString& datFile, TSongData& song) {
    const QString base = CutAtDot(QFileInfo(datFile).fileName());
    if (base.isEmpty())
        return false;
    QStringList dirs{QFileInfo(datFile).absolutePath()};
    for (const QString& dir : SearchDirs)
        if (!dir.isEmpty())
            dirs.append(dir);
    for (const QString& ext : kAudioExtensions) {
        for (const QString& dir : dirs) {
            const QString name = FindName(dir, base + QLatin1Char('.') + ext);
            if (name.isEmpty())
                continue;
            song.SetFileName(name);
            song.AudioExt = name.mid(name.indexOf(QLatin1Char('.')) + 1);
            song.Path = QDir::cleanPath(dir) + QLatin1Char('/');
            return true;
        }
    }
    return false;
}

const TAudioFileSearch::TDirListing& TAudioFileSearch::Listing(const QString& dir) {
    const auto found = Listings.constFind(dir);
    if (found != Listings.constEnd())
        return *found;
    TDirListing listing;
    const QStringList names =
        QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : names) {
        listing.Names.insert(name);
        const QString folded = name.toCaseFolded();
        if (!listing.ByFoldedName.contains(folded))
            listing.ByFoldedName.insert(folded, name);
    }
    return *Listings.insert(dir, std::move(listing));
}

QString TAudioFileSearch::FindName(const QString& dir, const QString& name) {
    const TDirListing& listing = Listing(dir);
    if (listing.Names.contains(name))
        return name;
    return listing.ByFoldedName.value(name.toCaseFolded());
}
