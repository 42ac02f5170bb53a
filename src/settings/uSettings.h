#pragma once

#include "settings/uArDisabledLabels.h"
#include "settings/uArDrawSettings.h"
#include "settings/uArFreqGroups.h"
#include "settings/uArOptions.h"
#include "settings/uArSeparations.h"
#include "settings/uArTimeRanges.h"
#include "settings/uConfig.h"

#include <memory>

// The process-wide scheduling settings, brought up by InitOptions and released by DoneOptions.
inline std::unique_ptr<TArOptions> Options;
inline std::unique_ptr<TArTimeRanges> TimeRanges;
inline std::unique_ptr<TArFreqGroups> FreqGroups;
inline std::unique_ptr<TArDisabledLabels> DisabledLabels;
inline std::unique_ptr<TArSeparations> Separations;
inline std::unique_ptr<TArDrawSettings> DrawSettings;
// ClockDir, PlayListDir and SelectionMethod from "konfig.dat".
inline TConfig Config;

// Creates and loads each object that does not exist yet, then reads "konfig.dat".
void InitOptions();
// Saves and frees the objects that exist: the options (categories when changed), the time
// blockades always, the rest when changed. "konfig.dat" is not written here.
void DoneOptions();
