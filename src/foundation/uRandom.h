#pragma once

#include <cstdint>
#include <random>

// The one source of chance of a run. It is passed to whoever draws, never global, so a run
// can be reproduced from its seed. Uniform() maps the engine's output itself instead of
// using std::uniform_int_distribution, whose results differ between standard libraries.
class TRandom {
public:
    explicit TRandom(std::uint32_t seed = std::mt19937::default_seed) : Engine(seed) {}

    void Seed(std::uint32_t seed) { Engine.seed(seed); }

    // A uniform integer in [0, n); 0 when n <= 1 (no draw is consumed then).
    int Uniform(int n) {
        if (n <= 1)
            return 0;
        const auto range = static_cast<std::uint32_t>(n);
        // Rejecting the top remainder keeps every result equally likely.
        const std::uint32_t limit = UINT32_MAX - UINT32_MAX % range;
        std::uint32_t drawn;
        do {
            drawn = static_cast<std::uint32_t>(Engine());
        } while (drawn >= limit);
        return static_cast<int>(drawn % range);
    }

private:
    std::mt19937 Engine;
};
