#include "clocks/uValueChoice.h"

TValueChoice::TValueChoice(const QStringList& offered, const QStringList& chosen)
    : FOffered(offered), FChosen(chosen) {
    for (const QString& value : offered)
        if (!chosen.contains(value))
            FAvailable.append(value);
    FStartAvailable = FAvailable;
    FAvailableIndex = FAvailable.isEmpty() ? -1 : 0;
}

void TValueChoice::SelectAvailable(int index) {
    FAvailableIndex = index >= 0 && index < FAvailable.size() ? index : -1;
}

void TValueChoice::SelectChosen(int index) {
    FChosenIndex = index >= 0 && index < FChosen.size() ? index : -1;
}

bool TValueChoice::CanReplace() const {
    return CanAdd() && CanRemove() && FAvailable[FAvailableIndex] != FChosen[FChosenIndex];
}

void TValueChoice::Add() {
    if (!CanAdd())
        return;
    FChosen.append(FAvailable.takeAt(FAvailableIndex));
    FAvailableIndex = FAvailable.isEmpty() ? -1 : qMax(0, FAvailableIndex - 1);
    FTouched = true;
}

void TValueChoice::Remove() {
    if (!CanRemove())
        return;
    const QString value = FChosen.takeAt(FChosenIndex);
    FChosenIndex = -1;
    FAvailableIndex = ReturnToAvailable(value);
    FTouched = true;
}

void TValueChoice::Replace() {
    if (!CanReplace())
        return;
    const QString incoming = FAvailable.takeAt(FAvailableIndex);
    const QString outgoing = FChosen[FChosenIndex];
    FChosen[FChosenIndex] = incoming;
    FAvailableIndex = ReturnToAvailable(outgoing);
    FTouched = true;
}

int TValueChoice::ReturnToAvailable(const QString& value) {
    const qsizetype rank = FOffered.indexOf(value);
    qsizetype at = 0;
    // After every available value offered before it; a value never offered goes last.
    while (at < FAvailable.size() && (rank < 0 || FOffered.indexOf(FAvailable[at]) < rank))
        ++at;
    FAvailable.insert(at, value);
    return static_cast<int>(at);
}
