#pragma once

#include "library/uSongData.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// A pending day handed to the playout system (".mix") and to people (".txt").

// Selects and focuses the position's row before a question about it is asked. The caller gives
// the focus back to the row that had it once the export has been written.
using TFocusRow = std::function<void(int row)>;

// The lines of the ".mix" file of the positions in play order, asking what ExportMix asks;
// nothing when the user stopped the export at a question.
std::optional<QStringList> MixExportLines(const std::vector<const TResultSongData*>& positions,
                                          const TFocusRow& focusRow = {});

// Writes the ".mix" file of the positions in play order to `path`, replacing it, unless the
// user stops the export at one of its questions (then nothing is written and the result is
// false without a message; `stoppedByUser` tells it apart). A write failure is logged ("Wynik",
// an error box) and gives false.
bool ExportMix(const std::vector<const TResultSongData*>& positions, const QString& path,
               const TFocusRow& focusRow = {}, bool* stoppedByUser = nullptr);

// Writes the ".txt" listing of the day; a failure is logged as for ExportMix.
bool ExportText(const std::vector<const TResultSongData*>& positions, const QString& path,
                const QDate& day);
