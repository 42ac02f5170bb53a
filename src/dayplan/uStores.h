#pragma once

#include "foundation/uWholeFile.h"

// The process-wide stores, brought up in order and released in the reverse order: the library
// store, the scheduling settings, the category list and the broadcast list; with them the plan
// files of pending days become readable for the play statistics.

// Brings up what is not up yet. On an error the rest is not brought up and
// "Błąd podczas initializacji: %s" is shown; false. A settings file that could not be read whole
// is reported by its store and does not stop the bring-up (UnreadFiles() names it until the
// stores are released).
bool BringUpStores();

// Saves and releases what is up. On an error the rest is neither saved nor released and
// "Błąd podczas zamykania: %s" is shown; false.
bool ReleaseStores();

// Up for the lifetime of the object (the command line's commands).
class TStoresSession {
public:
    TStoresSession() : FUp(BringUpStores()) {}
    ~TStoresSession() { ReleaseStores(); }
    TStoresSession(const TStoresSession&) = delete;
    TStoresSession& operator=(const TStoresSession&) = delete;

    // Up, with every file read whole: a command works on nothing less.
    bool IsUp() const { return FUp && UnreadFiles().isEmpty(); }

private:
    bool FUp;
};
