#pragma once

#include <QString>
#include <functional>

// The current plan files of pending days ("plp") are read by the day play lists, a layer
// above the library. The play statistics read them through this interface, which the day
// play lists implement and install.

// One position of a plan file as the play statistics need it.
struct TPlanItem {
    int SongId = -1;   // -1 for a blank
    int Hour = 0;      // start, ms from midnight
    int ArtistId = -1; // -1 when unknown (a blank, or a song no longer in the library)
};

using TPlanItemReceiver = std::function<void(const TPlanItem&)>;

class IPlanReader {
public:
    virtual ~IPlanReader() = default;

    // Hands every position of the plan file at `path` to `receiver`, in file order. Light:
    // only the song id and the start are read and the artist is looked up in the library;
    // otherwise the whole position is read and a position whose song is gone is dropped
    // (or, with `ask`, the user is asked whether to drop it). Nothing is read when the file
    // does not exist; false when it holds no plan.
    virtual bool ReadPlanFile(const QString& path, bool ask, bool light,
                              const TPlanItemReceiver& receiver) = 0;
};

namespace PlanReaderDetail {

// Stands in until the day play lists install their reader: no pending day has plays.
class TNoPlanReader final : public IPlanReader {
public:
    bool ReadPlanFile(const QString&, bool, bool, const TPlanItemReceiver&) override {
        return false;
    }
};

inline IPlanReader*& Installed() {
    static IPlanReader* reader = nullptr;
    return reader;
}

} // namespace PlanReaderDetail

// The reader in force.
inline IPlanReader& PlanReader() {
    static PlanReaderDetail::TNoPlanReader none;
    IPlanReader* reader = PlanReaderDetail::Installed();
    return reader ? *reader : none;
}

// Installs a reader (not owned); nullptr goes back to the one that reads nothing.
inline void SetPlanReader(IPlanReader* reader) {
    PlanReaderDetail::Installed() = reader;
}
