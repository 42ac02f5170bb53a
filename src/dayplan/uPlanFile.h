#pragma once

#include "library/uPlanReader.h"
#include "library/uSongData.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

// The current plan file of a pending day ("plp"): one "Item" line per position, in play order,
// inside "CurrentRoot". Windows-1250 text with CR LF, as every file of the station.

// Takes each position read, in file order, and owns it from then on.
using TPositionReceiver = std::function<void(std::unique_ptr<TResultSongData> position)>;

// The lines of the plan file for the positions in play order.
QStringList PlanFileLines(const std::vector<const TResultSongData*>& positions);

// Reads the plan file at `path`. Light: only the song id, the start and (from the library) the
// artist are read. Otherwise the whole position; a position whose song is gone from the library
// is dropped, or with `ask` the user is asked whether to drop it. Nothing happens (false) for a
// missing file or an empty receiver. A file that cannot be read whole (cut off, no text, no
// "CurrentRoot") throws TPlanFileError before any position is handed over.
bool ReadPlanFile(const QString& path, bool ask, bool light, const TPositionReceiver& receiver);

struct TPlanFileError {
    QString Message;
};

// The reader the play statistics use for pending days; installed with the stores.
class TPlanFileReader final : public IPlanReader {
public:
    bool ReadPlanFile(const QString& path, bool ask, bool light,
                      const TPlanItemReceiver& receiver) override;
};
