// SPDX-License-Identifier: GPL-3.0-or-later
// Masks of one band of a digit board: 27 bits, three rows of nine cells,
// bit 9 * row + column.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace velmar::solver {

inline constexpr std::uint32_t kRow = 0x1FF;
inline constexpr std::uint32_t kColumnInBand = 1u | 1u << 9 | 1u << 18; // times the column bit
inline constexpr std::uint32_t kAllBand = (1u << 27) - 1;
inline constexpr std::uint32_t kBoxInBand = 7u | 7u << 9 | 7u << 18; // the first box

// A table of N entries computed at compile time.
template <typename T, std::size_t N, typename F> constexpr std::array<T, N> table(F entry) {
    std::array<T, N> out{};
    for (std::size_t i = 0; i < N; ++i) out[i] = entry(static_cast<std::uint32_t>(i));
    return out;
}

// The other cells of a cell's row and box inside its band.
inline constexpr auto kBandPeers = table<std::uint32_t, 27>([](std::uint32_t cell) {
    const std::uint32_t row = cell / 9, box = cell % 9 / 3;
    std::uint32_t peers = kRow << (9 * row);
    for (std::uint32_t r = 0; r < 3; ++r) peers |= 7u << (9 * r + 3 * box);
    return peers & ~(1u << cell);
});

// The other two bands of a band.
constexpr int nextBand(int band) {
    return band == 2 ? 0 : band + 1;
}
constexpr int lastBand(int band) {
    return band == 0 ? 2 : band - 1;
}

// Set bits of a band mask; std::popcount is a library call without a
// hardware popcount target.
constexpr int bitCount(std::uint32_t x) {
    x = x - (x >> 1 & 0x55555555u);
    x = (x & 0x33333333u) + (x >> 2 & 0x33333333u);
    return static_cast<int>(((x + (x >> 4)) & 0x0F0F0F0Fu) * 0x01010101u >> 24);
}

// The columns (bits 0..8) where a band mask has cells.
constexpr std::uint32_t columnsOf(std::uint32_t cells) {
    return (cells | cells >> 9 | cells >> 18) & kRow;
}

} // namespace velmar::solver
