#pragma once

// How far a stretch may come out short of or over its length and still count as fitted (ms).
// Running over is allowed only as far as its songs can be cut later; a stretch with nothing to
// cut must stay within its length instead, short by at most a song's cut allowance.
struct TFitWindow {
    int Short = 0;
    int Over = 0;

    // `overrun`: the stretch's total less its length (negative when short).
    bool Holds(int overrun) const { return -Short <= overrun && overrun <= Over; }
};
