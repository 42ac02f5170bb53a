#include "dayplan/uMixBlock.h"

#include "foundation/uArUtils.h"
#include "settings/uSettings.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The playout system fades a shortened song over three seconds.
constexpr int FadeMs = 3000;

const QString BlockSeparator = QStringLiteral("; -----------------------------------");
const QString BlockEnd = QStringLiteral("KONIEC OPISU");
// A blank has no audio file of its own to name.
const QString BlankIdent = QStringLiteral("Ide=--------");
// What FormatDurationMs writes for no time at all: the playout system reads it as no overlap.
const QString BlankMix = QStringLiteral("Mix=00:00:000");

// Minutes:seconds.milliseconds, minutes unbounded.
QString MinSec(int msecs) {
    return FormatDurationMs(msecs, false);
}

void AppendTime(QStringList& lines, const char* key, int msecs) {
    lines.append(QLatin1String(key) + QLatin1Char('=') + MinSec(msecs));
}

void AppendWhenSet(QStringList& lines, const char* key, const QString& value) {
    if (!value.isEmpty())
        lines.append(QLatin1String(key) + QLatin1Char('=') + value);
}

QString ShortCategoryName(const QString& category) {
    return Options ? Options->Categories().ShortNameById(StrToIntDef(category, -1)) : QString();
}

// Blank texts are often typed in quotes ("Reklama o"); the playout system shows them bare.
QString WithoutEnclosingQuotes(const QString& text) {
    const QChar quote = QLatin1Char('"');
    if (text.size() >= 2 && text.startsWith(quote) && text.endsWith(quote))
        return text.mid(1, text.size() - 2);
    return text;
}

void AppendBlockStart(QStringList& lines, const TResultSongData& position) {
    lines.append(BlockSeparator);
    lines.append(QStringLiteral("EMI=") + FormatDurationMs(position.Hour, true));
    lines.append(QStringLiteral("Typ=") + ShortCategoryName(position.Category));
}

void AppendNormalEnd(QStringList& lines, const TResultSongData& song) {
    AppendTime(lines, "Trw", song.DbTime);
    AppendTime(lines, "NwK", song.NEnd);
    AppendTime(lines, "FOu", song.FadeOut);
    AppendTime(lines, "Out", song.Outro);
    AppendTime(lines, "Mix", song.Mixed);
}

void AppendShortenedEnd(QStringList& lines, const TResultSongData& song,
                        const TPositionSpan& span) {
    // Where the next position starts, or where the song's own time ends without one.
    const int stop = span.SpanWithMix - song.Mixed;
    AppendTime(lines, "Trw", song.DbTime);
    if (song.Mixed != 0 || song.Mix == 0) {
        // Fade from the stop on, overlapping the next position by the fade.
        AppendTime(lines, "NwK", stop + FadeMs);
        AppendTime(lines, "FOu", stop);
        AppendTime(lines, "Mix", FadeMs);
    } else {
        // Fade so that the song is silent when the next position starts.
        AppendTime(lines, "NwK", stop);
        AppendTime(lines, "FOu", stop - FadeMs);
        AppendTime(lines, "Mix", song.Mixed);
    }
    AppendTime(lines, "Out", std::min(stop, song.Outro));
}

void AppendSongDescription(QStringList& lines, const TResultSongData& song) {
    AppendTime(lines, "Int", song.Intro);
    AppendTime(lines, "NwP", song.NStart);
    AppendTime(lines, "FIn", song.FadeIn);
    lines.append(QStringLiteral("Tyt=") + song.Title);
    lines.append(QStringLiteral("Wyk=") + song.ArtistName);
    AppendWhenSet(lines, "Kom", song.Composer);
    AppendWhenSet(lines, "Aut", song.TextAuthor);
    AppendWhenSet(lines, "Pro", song.Producer);
    AppendWhenSet(lines, "Wyd", song.Publisher);
    AppendWhenSet(lines, "Pta", song.AlbumTitle);
    if (song.Year2 != -1)
        lines.append(QStringLiteral("Rok=") + QString::number(song.Year2));
    lines.append(QStringLiteral("Adr=") +
                 (song.FileName.isEmpty() ? QString() : song.Path + song.FileName));
    lines.append(QStringLiteral("Ide=") + CutAtDot(song.FileName));
}

} // namespace

TPositionSpan SpanOf(const TResultSongData& position, const TResultSongData* next) {
    const int gap = next ? next->Hour - position.Hour : -1;
    if (gap < 0)
        return {position.SongTime, position.SongTime};
    return {gap, position.Mixed > 0 ? gap + position.Mixed : gap};
}

QStringList MixHeaderLines(int positionCount) {
    return {QStringLiteral("Wersja 2.0"), QString(), QStringLiteral(";Pozycje:"),
            QStringLiteral("POZYCJI=") + QString::number(positionCount)};
}

void AppendBlankBlock(QStringList& lines, const TResultSongData& blank, bool advertisement) {
    AppendBlockStart(lines, blank);
    AppendTime(lines, "Trw", blank.SongTime);
    if (!advertisement)
        lines.append(BlankMix);
    AppendTime(lines, "NwK", blank.SongTime);
    AppendTime(lines, "FOu", blank.SongTime);
    lines.append(QStringLiteral("Tyt=") + WithoutEnclosingQuotes(blank.Title));
    lines.append(BlankIdent);
    lines.append(BlockEnd);
}

void AppendSongBlock(QStringList& lines, const TResultSongData& song, const TPositionSpan& span,
                     bool shortened) {
    AppendBlockStart(lines, song);
    if (shortened)
        AppendShortenedEnd(lines, song, span);
    else
        AppendNormalEnd(lines, song);
    AppendSongDescription(lines, song);
    lines.append(BlockEnd);
}

QString SecondsText(int msecs) {
    QString text = QString::number(msecs / 1000);
    const int rest = std::abs(msecs % 1000);
    // Padded, so that 2050 ms reads 2.050 and not 2.50 seconds.
    if (rest != 0)
        text += QLatin1Char('.') + QStringLiteral("%1").arg(rest, 3, 10, QLatin1Char('0'));
    return text;
}

QString PositionCaption(const TResultSongData& position) {
    return position.ArtistName + QStringLiteral(" - ") + position.Title;
}
