#pragma once

// How much longer than needed a song may be when it is to be cut: 25 per cent of its length,
// at most 30 seconds (ms, rounded half to even).
int CutAllowance(int timeMs);
