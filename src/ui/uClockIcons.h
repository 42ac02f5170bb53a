#pragma once

#include "clocks/uObjKind.h"

#include <QIcon>

// The icon of a clock object's kind in the clock views: a small coloured tile with the kind's
// initial, so categories, lists, blanks and broadcasts are told apart at a glance.
QIcon ClockKindIcon(int kind);
