// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced ladder's view of a position: cells by board index (row-major
// 0..80), a candidate mask per cell and, per digit, the set of open cells
// that still hold it. Units are numbered 0..8 rows, 9..17 columns, 18..26
// boxes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace velmar::ladder {

using Mask = std::uint16_t; // bit d set when digit d+1 is possible

// Bit counts without the processor's popcount instruction, which the
// portable build does not assume (the library call it falls back to was a
// third of the ladder's time).
inline int bitCount64(std::uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
}

// A set of cells as an 81-bit mask.
struct Cells {
    std::uint64_t lo = 0; // cells 0..63
    std::uint64_t hi = 0; // cells 64..80 as bits 0..16

    static Cells of(int cell) {
        Cells c;
        c.add(cell);
        return c;
    }
    void add(int cell) {
        if (cell < 64)
            lo |= std::uint64_t{1} << cell;
        else
            hi |= std::uint64_t{1} << (cell - 64);
    }
    void remove(int cell) {
        if (cell < 64)
            lo &= ~(std::uint64_t{1} << cell);
        else
            hi &= ~(std::uint64_t{1} << (cell - 64));
    }
    bool has(int cell) const { return cell < 64 ? (lo >> cell) & 1 : (hi >> (cell - 64)) & 1; }
    bool empty() const { return (lo | hi) == 0; }
    int count() const { return bitCount64(lo) + bitCount64(hi); }
    int first() const { return lo ? __builtin_ctzll(lo) : 64 + __builtin_ctzll(hi); }
    Cells operator&(const Cells& o) const { return {lo & o.lo, hi & o.hi}; }
    Cells operator|(const Cells& o) const { return {lo | o.lo, hi | o.hi}; }
    Cells minus(const Cells& o) const { return {lo & ~o.lo, hi & ~o.hi}; }
    Cells& operator|=(const Cells& o) {
        lo |= o.lo;
        hi |= o.hi;
        return *this;
    }
    Cells& operator&=(const Cells& o) {
        lo &= o.lo;
        hi &= o.hi;
        return *this;
    }
    bool operator==(const Cells&) const = default;
    // Calls f(cell) for every cell, ascending.
    template <typename F> void each(F f) const {
        for (std::uint64_t m = lo; m; m &= m - 1) f(__builtin_ctzll(m));
        for (std::uint64_t m = hi; m; m &= m - 1) f(64 + __builtin_ctzll(m));
    }
};

constexpr int rowOf(int cell) {
    return cell / 9;
}
constexpr int colOf(int cell) {
    return cell % 9;
}
constexpr int boxOf(int cell) {
    return 3 * (cell / 27) + (cell % 9) / 3;
}
inline int popcount(unsigned m) {
    return bitCount64(m);
}
inline int lowest(unsigned m) {
    return __builtin_ctz(m);
}

// The tables every technique shares.
struct Geometry {
    std::array<std::array<int, 9>, 27> unitCells{}; // cells of each unit, in reading order
    std::array<Cells, 27> unitSet{};
    std::array<std::array<int, 3>, 81> unitsOf{}; // row, column, box
    std::array<Cells, 81> peers{};
};
const Geometry& geometry();

// Names as the hint sentences write them.
std::string cellName(int cell);             // "C7"
std::string unitName(int unit);             // "row C", "column 7", "the center block"
std::string cellList(const Cells& cells);   // "A1, A5, C5" in board order
std::string digitList(Mask digits);         // "1, 4, 6"
std::string candidateName(int cell, int d); // "C7=4" with d 0..8

struct Grid {
    std::array<Mask, 81> cand{};  // 0 for a filled cell
    std::array<int, 81> value{};  // 1..9 for a filled cell, 0 for an open one
    std::array<Cells, 9> where{}; // per digit 0..8: open cells holding it

    // Rebuilds `where` from `cand`.
    void index();
    bool has(int cell, int d) const { return (cand[cell] >> d) & 1; }
    // Open cells of the unit holding digit d.
    Cells inUnit(int unit, int d) const { return where[d] & geometry().unitSet[unit]; }
    // Digits already filled in the unit.
    Mask filledIn(int unit) const;
};

} // namespace velmar::ladder
