// SPDX-License-Identifier: GPL-3.0-or-later
#include "hints/engine_layout.h"

#include <algorithm>

namespace velmar::hints {

namespace {

constexpr std::array<const char*, 9> kRowNames = {"A", "B", "C", "D", "E", "F", "G", "H", "I"};
// Stored by row offset so that the name of offset k is entry k.
constexpr std::array<const char*, 9> kColumnNames = {"1", "4", "7", "2", "5", "8", "3", "6", "9"};
constexpr std::array<const char*, 9> kBoxNames = {"upper left",  "upper middle", "upper right",
                                                  "middle left", "center",       "middle right",
                                                  "lower left",  "lower middle", "lower right"};

std::array<std::array<std::uint8_t, 20>, 81> buildPeers() {
    std::array<std::array<std::uint8_t, 20>, 81> peers{};
    for (int e = 0; e < 81; ++e) {
        int n = 0;
        const Unit box = boxUnit(boxOf(e));
        for (int i = 0; i < 9; ++i) {
            if (box.cell(i) != e) peers[e][n++] = static_cast<std::uint8_t>(box.cell(i));
        }
        for (int i = 0; i < 9; ++i) {
            const int p = rowUnit(rowOf(e)).cell(i);
            if (boxOf(p) != boxOf(e)) peers[e][n++] = static_cast<std::uint8_t>(p);
        }
        for (int i = 0; i < 9; ++i) {
            const int p = columnUnit(offsetOf(e)).cell(i);
            if (boxOf(p) != boxOf(e)) peers[e][n++] = static_cast<std::uint8_t>(p);
        }
        std::sort(peers[e].begin(), peers[e].end());
    }
    return peers;
}

} // namespace

const std::array<Unit, 27>& searchUnits() {
    static const std::array<Unit, 27> units = [] {
        std::array<Unit, 27> list{};
        int i = 0;
        for (int n = 8; n >= 0; --n) {
            list[i++] = rowUnit(n);
            list[i++] = columnUnit(n);
            list[i++] = boxUnit(n);
        }
        return list;
    }();
    return units;
}

const std::array<std::uint8_t, 512>& bitCountTable() {
    static const std::array<std::uint8_t, 512> table = [] {
        std::array<std::uint8_t, 512> t{};
        for (int m = 1; m < 512; ++m) t[m] = static_cast<std::uint8_t>(t[m >> 1] + (m & 1));
        return t;
    }();
    return table;
}

const std::array<std::array<std::uint8_t, 20>, 81>& peerTable() {
    static const auto peers = buildPeers();
    return peers;
}

const std::array<CellSet, 81>& peerSets() {
    static const std::array<CellSet, 81> sets = [] {
        std::array<CellSet, 81> list{};
        for (int e = 0; e < 81; ++e) {
            for (int p : peerTable()[e]) list[e].half[p / 64] |= std::uint64_t{1} << (p % 64);
        }
        return list;
    }();
    return sets;
}

std::string rowName(int r) {
    return kRowNames[r];
}
std::string columnName(int k) {
    return kColumnNames[k];
}
std::string boxName(int b) {
    return kBoxNames[b];
}
std::string cellName(int e) {
    return rowName(rowOf(e)) + columnName(offsetOf(e));
}
std::string digitName(int digit0) {
    return std::string(1, static_cast<char>('1' + digit0));
}

std::string digitList(Mask m, std::string_view separator) {
    std::string text;
    for (int d = 0; d < 9; ++d) {
        if (!(m & (1u << d))) continue;
        if (!text.empty()) text += separator;
        text += digitName(d);
    }
    return text;
}

} // namespace velmar::hints
