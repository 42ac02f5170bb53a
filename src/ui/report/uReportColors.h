#pragma once

#include "report/uDayReport.h"

#include <QBrush>

// The light backgrounds that mark a rule's result in the report window: dark text stays
// legible on them. Ok has none.
QBrush ResultBackground(TRuleResult result);
