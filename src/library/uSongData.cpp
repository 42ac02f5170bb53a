#include "library/uSongData.h"

namespace {

// Paths come from the playout system's files as well as from this machine, so both
// separators count.
bool IsPathDelimiter(QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

} // namespace

QString TResultSongData::FullFileName() const {
    if (Path.isEmpty())
        return FileName;
    if (IsPathDelimiter(Path.back()))
        return Path + FileName;
    // Keep to the separator the directory is written with.
    const bool windowsStyle = Path.contains(QLatin1Char('\\')) && !Path.contains(QLatin1Char('/'));
    return Path + (windowsStyle ? QLatin1Char('\\') : QLatin1Char('/')) + FileName;
}

void TResultSongData::SetFullFileName(const QString& file) {
    qsizetype cut = file.size();
    while (cut > 0 && !IsPathDelimiter(file[cut - 1]))
        --cut;
    Path = file.left(cut);
    SetFileName(file.mid(cut));
}
