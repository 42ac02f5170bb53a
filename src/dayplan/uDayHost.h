#pragma once

#include "dayplan/uDayState.h"

#include <QString>

// What the day's lifecycle needs of the window that shows the day: its file dialogs and a word
// when its pages or views must be shown again. The command line answers the dialogs with the
// paths it was given.
class IDayHost {
public:
    virtual ~IDayHost() = default;

    // The clock open dialog, in the clock directory; empty when cancelled.
    virtual QString ChooseClockFile() = 0;
    // The play list's save dialog, opened in `dir` with `fileName` and the filter
    // (1 ".mix", 2 ".txt"); empty when cancelled.
    virtual QString ChooseExportFile(const QString& dir, const QString& fileName,
                                     int filterIndex) = 0;

    // The page of the state is to be shown.
    virtual void StateChanged(TDayState) {}
    // The play list, the history or the day's clock got new contents.
    virtual void ViewsChanged() {}
    // Selects and focuses a position of the play list before a question about it.
    virtual void FocusRow(int) {}
};
