#pragma once

#include <QString>

class QWidget;

// The open and save dialogs of clock files, in the station's clock directory. Empty when the
// dialog was cancelled.
QString ChooseClockToOpen(QWidget* parent);
// Asks before a file is overwritten; `suggestedName` is the clock's name with its extension.
QString ChooseClockToSave(QWidget* parent, const QString& suggestedName);
