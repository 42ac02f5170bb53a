#pragma once

#include "clocks/uBroadcastList.h"
#include "clocks/uClockObjList.h"
#include "foundation/uAppPaths.h"
#include "settings/uDefaultStation.h"
#include "settings/uSettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

// The default station made afresh in a scratch directory, with its settings, categories and
// broadcasts loaded, as the program has them after start-up. False (reported) when it cannot
// be made.
inline bool OpenScratchStation(const QTemporaryDir& dir) {
    QString error;
    if (!dir.isValid() || CreateStation(dir.path(), &error) != TStationCreation::scCreated) {
        std::fprintf(stderr, "no station: %s\n", qPrintable(error));
        return false;
    }
    SetProgramDir(dir.path());
    // The per-user settings stay in the scratch station too.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       dir.filePath(QStringLiteral(".settings")));
    InitOptions();
    CreateCategoryList();
    CreateBroadcastList();
    return true;
}
