#pragma once

// The process-wide stores, brought up in order and released in the reverse order: the library
// store, the scheduling settings, the category list and the broadcast list; with them the plan
// files of pending days become readable for the play statistics.

// Brings up what is not up yet. On an error the rest is not brought up and
// "Błąd podczas initializacji: %s" is shown; false.
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

    bool IsUp() const { return FUp; }

private:
    bool FUp;
};
