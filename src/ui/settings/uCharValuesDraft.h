#pragma once

#include "settings/uCharacteristics.h"

class TArOptions;

// The characteristic values as the settings window edits them: a copy of the six lists and
// their id counters, put back into the options only when the window is closed with OK.
class TCharValuesDraft {
public:
    explicit TCharValuesDraft(const TArOptions& options);

    // Empty for any other kind.
    const TCharValueList& Values(int kind) const;
    int LastId(int kind) const;

    // The position of the value with the text (letter case ignored) other than the one at
    // `except`; -1 when none.
    int IndexOfText(int kind, const QString& text, int except = -1) const;
    // Appends the text under a fresh id (one past the counter) and answers it; -1 for any other
    // kind or when the ids are used up.
    int Add(int kind, const QString& text);
    // The id stays. Out of range is ignored.
    void Rename(int kind, int index, const QString& text);
    // The counter stays, so the id is never handed out again. Out of range is ignored.
    void Remove(int kind, int index);

    void CopyInto(TArOptions& options) const;

private:
    TCharValueList* Writable(int kind, int index);

    TCharacteristics FChars;
};
