#include "generator/uCutAllowance.h"

#include <algorithm>

namespace {
constexpr int kMaxCutAllowanceMs = 30000;
}

int CutAllowance(int timeMs) {
    // A quarter, rounded half to even in whole numbers (no floating point on the hot path).
    const long long scaled = static_cast<long long>(timeMs) * 25;
    long long quotient = scaled / 100;
    long long remainder = scaled % 100;
    if (remainder < 0) {
        remainder += 100;
        --quotient;
    }
    if (remainder > 50 || (remainder == 50 && quotient % 2 != 0))
        ++quotient;
    return static_cast<int>(std::min<long long>(quotient, kMaxCutAllowanceMs));
}
