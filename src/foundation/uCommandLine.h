#pragma once

#include <QStringList>

// Takes "--dir PATH" (or "--dir=PATH") out of the arguments and makes PATH the program
// directory. Returns false, with the reason in `error`, when --dir has no value or the
// directory does not exist (unless `createMissing`, which creates it with its parents).
bool TakeProgramDirOption(QStringList& args, QString* error, bool createMissing = false);
