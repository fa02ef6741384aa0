// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/random.h"

#include "text/decimal.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace velmar {

std::uint64_t startSeed() {
    const char* text = std::getenv("VELMAR_SEED");
    if (text != nullptr && *text != '\0') {
        if (const std::optional<std::uint64_t> seed = ParseDecimal(text)) return *seed;
        // A mistyped seed must not pass for a reproducible deal.
        std::fprintf(stderr,
                     "warning: VELMAR_SEED \"%s\" is not a decimal number; the clock seeds the "
                     "random generator\n",
                     text);
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
