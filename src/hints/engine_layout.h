// SPDX-License-Identifier: GPL-3.0-or-later
// The hint engine's cell numbering and name tables. Inside the engine a cell
// is e = 9*r + 3*(c mod 3) + c div 3 (r, c 0-based), which makes every row,
// column and box an arithmetic run of nine numbers (start, step).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmar::hints {

using Mask = std::uint16_t; // bit d set when digit d+1 is possible
constexpr Mask kAllDigits = 0x1FF;

// One unit as an arithmetic run: cells start, start+step, ..., start+8*step.
struct Unit {
    int start;
    int step;
    int cell(int i) const { return start + i * step; }
};

constexpr Unit rowUnit(int r) {
    return {9 * r, 1};
}
constexpr Unit columnUnit(int k) {
    return {k, 9};
}
constexpr Unit boxUnit(int b) {
    return {27 * (b / 3) + b % 3, 3};
}

// Row 0..8 and row offset 0..8 (the offset names the column) of engine cell e.
constexpr int rowOf(int e) {
    return e / 9;
}
constexpr int offsetOf(int e) {
    return e % 9;
}
constexpr int boxOf(int e) {
    return 3 * (e / 27) + e % 3;
}
// Board column 0..8 of a row offset: offsets 0..8 are columns 1,4,7,2,5,8,3,6,9.
constexpr int columnOfOffset(int k) {
    return 3 * (k % 3) + k / 3;
}

// Engine cell of the board cell at 1-based row and column.
constexpr int engineCell(int row, int col) {
    return 9 * (row - 1) + 3 * ((col - 1) % 3) + (col - 1) / 3;
}
// Board index (row-major 0..80) of engine cell e.
constexpr int boardIndex(int e) {
    return 9 * rowOf(e) + columnOfOffset(offsetOf(e));
}
// Engine cell of board index i (row-major 0..80).
constexpr int engineCellOfIndex(int i) {
    return engineCell(i / 9 + 1, i % 9 + 1);
}

// The units in the order of the singles and subsets: for n = 8 down to 0,
// row n, the column with offset n, box n.
const std::array<Unit, 27>& searchUnits();

// Number of set bits of each 9-bit mask.
const std::array<std::uint8_t, 512>& bitCountTable();

// The 20 peers of each cell, ascending.
const std::array<std::array<std::uint8_t, 20>, 81>& peerTable();

// A set of engine cells: bit e of half[e / 64].
struct CellSet {
    std::array<std::uint64_t, 2> half{};
};

// The peers of each cell as a set.
const std::array<CellSet, 81>& peerSets();

// Lowest digit (0..8) of a non-empty mask.
inline int lowestDigit(Mask m) {
    return __builtin_ctz(m);
}

// Names used in sentences.
std::string rowName(int r);        // "A".."I"
std::string columnName(int k);     // by row offset: "1","4","7","2",...
std::string boxName(int b);        // "upper left" ... "lower right"
std::string cellName(int e);       // "C7"
std::string digitName(int digit0); // digit 0..8 shown as "1".."9"
// The digits of a mask ascending, shown as "1".."9" and joined by separator.
std::string digitList(Mask m, std::string_view separator);

} // namespace velmar::hints
