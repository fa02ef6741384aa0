// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one random generator: every random choice (bank draw, shuffle)
// comes from here, so one seed reproduces a whole deal.
#pragma once

#include <cstdint>
#include <random>

namespace velmar {

class Random {
  public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}

    // Seeded from VELMAR_SEED (a decimal number) when set, else from the clock.
    static Random& instance();

    void reseed(std::uint64_t seed) { engine_.seed(seed); }

    // Uniform integer in lo..hi inclusive (lo <= hi). Rejection sampling keeps it
    // exactly uniform and identical on every platform.
    int uniform(int lo, int hi);

  private:
    std::mt19937_64 engine_;
};

// Seed named by VELMAR_SEED, or the clock when it is unset or empty, or, after
// a warning on standard error, when it is not a decimal number.
std::uint64_t startSeed();

} // namespace velmar
