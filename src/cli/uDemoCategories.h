#pragma once

#include "synthetic/uSyntheticLibrary.h"

#include <vector>

// How the demo's songs fill the station's song categories: each category gets a share near
// what the clocks draw from it in a day, and songs that its slots' conditions find (new songs
// of this year and the last, golden hits of old years, slow and calm ballads, Polish songs
// for "Polska muzyka"), so that a month of days finds songs for every slot under the
// separation schedule and the frequency groups.
//
// The categories and characteristic values are looked up by name in the settings brought up;
// names the station lacks are left out, and with none of the categories the result is empty
// (the songs are then spread evenly).
std::vector<TSyntheticCategory> DemoCategoryMix();
