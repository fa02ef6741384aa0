// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/random.h"

#include <chrono>
#include <cstdlib>
#include <string>

namespace velmar {

std::uint64_t startSeed() {
    if (const char* text = std::getenv("VELMAR_SEED")) {
        try {
            std::size_t used = 0;
            const std::string s(text);
            const unsigned long long seed = std::stoull(s, &used, 10);
            if (used == s.size() && !s.empty() && s[0] != '-') return seed;
        } catch (...) {
            // Not a number: fall back to the clock like an unset variable.
        }
    }
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

Random& Random::instance() {
    static Random generator(startSeed());
    return generator;
}

int Random::uniform(int lo, int hi) {
    const std::uint64_t span = static_cast<std::uint64_t>(hi - lo) + 1;
    const std::uint64_t limit = engine_.max() - engine_.max() % span;
    std::uint64_t draw;
    do {
        draw = engine_();
    } while (draw >= limit);
    return lo + static_cast<int>(draw % span);
}

} // namespace velmar
