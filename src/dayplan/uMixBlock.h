#pragma once

#include "library/uSongData.h"

#include <QString>
#include <QStringList>

// The pieces of the ".mix" file the playout system reads: a header, then one block of
// key=value lines per position, in play order.

// How long a position holds the air before the next one starts. A position without a
// successor, or followed by one that starts earlier, counts its own time.
struct TPositionSpan {
    int Span = 0;
    // Span with the overlap into the successor added, when there is one to overlap.
    int SpanWithMix = 0;
};
TPositionSpan SpanOf(const TResultSongData& position, const TResultSongData* next);

QStringList MixHeaderLines(int positionCount);

// A blank's block. An advertisement block leaves out the mix line.
void AppendBlankBlock(QStringList& lines, const TResultSongData& blank, bool advertisement);
// A song's block: with its own end and overlap, or, when shortened, faded out where the next
// position starts.
void AppendSongBlock(QStringList& lines, const TResultSongData& song, const TPositionSpan& span,
                     bool shortened);

// An amount of milliseconds as whole seconds with the milliseconds after a dot when there are
// any: 3000 gives "3", 12500 gives "12.500".
QString SecondsText(int msecs);
// "artist - title", naming a position in a question.
QString PositionCaption(const TResultSongData& position);
