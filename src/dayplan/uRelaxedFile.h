#pragma once

#include "generator/uDayRules.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TResultSongData;

// The record of the rules the draw gave up for a pending day's positions. The plan file has no
// place for it, and the playout system's readers of the plan file must not meet anything new,
// so it lives beside it: the same name with the extension "plr", Windows-1250 text with CR LF
// like the plan file, one line "row;songId;ruleBits" for each position with rules given up
// (row in play order from 0, the rules as TDayRuleSet bits in decimal). A day without such a
// position has no file.

inline const QString kRelaxedFileExtension = QStringLiteral("plr");

// The record's path beside the plan file at `planPath`.
QString RelaxedFilePath(const QString& planPath);

// The lines for the positions in play order; none when no position gave up a rule.
QStringList RelaxedFileLines(const std::vector<const TResultSongData*>& positions);

struct TRelaxedMark {
    int Row = -1;
    int SongId = -1;
    TDayRuleSet Rules = 0;
};

// The marks of the record at `path`: an empty list when there is no file. Nothing (with the
// reason in `error`, the file noted as unread) when it is there but cannot be read whole: no
// text, empty, cut off before its last line end, or a line of another form.
std::optional<std::vector<TRelaxedMark>> ReadRelaxedFile(const QString& path, QString* error);

// Gives each position its mark; a mark whose row is not there or holds another song is left
// out (the list was changed after the record was written).
void ApplyRelaxedMarks(const std::vector<TRelaxedMark>& marks,
                       const std::vector<TResultSongData*>& positions);
