// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's string services. The answers are those of a row-major,
// lowest-digit-first search with singles propagation: status 0 and the least
// solution, or status 1 and the input with '0' for blanks. The uniqueness test
// runs that search forwards, on the board read backwards and on the board with
// every digit d written as 10-d; it reports the first grid that differs.
#include "solver/solver.h"

#include "solver/bit_grid.h"

#include <algorithm>
#include <bitset>

namespace velmar {

namespace {

constexpr int kCells = 81;

// '1'..'9' kept, every other character (and a missing one) becomes '0'.
std::string normalise(std::string_view puzzle) {
    std::string out(kCells, '0');
    const std::size_t n = std::min<std::size_t>(puzzle.size(), kCells);
    for (std::size_t i = 0; i < n; ++i)
        if (puzzle[i] >= '1' && puzzle[i] <= '9') out[i] = puzzle[i];
    return out;
}

bool hasBlank(const std::string& digits) {
    return digits.find('0') != std::string::npos;
}

// True when no two entries (non-negative values) of one row, column or box are equal.
template <typename Entry> bool peersAgree(Entry entryAt) {
    for (int unit = 0; unit < 27; ++unit) {
        std::bitset<256> seen;
        for (int k = 0; k < 9; ++k) {
            int cell;
            if (unit < 9)
                cell = unit * 9 + k;
            else if (unit < 18)
                cell = k * 9 + (unit - 9);
            else
                cell = ((unit - 18) / 3 * 3 + k / 3) * 9 + (unit - 18) % 3 * 3 + k % 3;
            const int entry = entryAt(cell);
            if (entry < 0) continue;
            if (seen.test(static_cast<std::size_t>(entry))) return false;
            seen.set(static_cast<std::size_t>(entry));
        }
    }
    return true;
}

std::string reversed(std::string text) {
    std::reverse(text.begin(), text.end());
    return text;
}

// Digit d becomes 10-d; '0' stays.
std::string mirrored(std::string text) {
    for (char& ch : text)
        if (ch >= '1' && ch <= '9') ch = static_cast<char>('0' + 10 - (ch - '0'));
    return text;
}

// Least solution of normalised givens; false when they conflict or have none.
bool leastOf(const std::string& digits, std::string& solution) {
    solver::BitGrid grid;
    return grid.loadGivens(digits) && grid.leastSolution(solution);
}

UniquenessReport uniqueness(std::string_view board, bool fullGridSolvesItself) {
    const std::string digits = normalise(board);
    UniquenessReport report;
    if (!hasBlank(digits)) {
        // A full board is no puzzle for the search; the import dialog takes an
        // agreeing full grid as its own solution.
        if (fullGridSolvesItself && CheckGivens(digits)) {
            report.result = kOneSolution;
            report.first = digits;
        }
        return report;
    }
    // Loading refuses conflicting givens.
    solver::BitGrid grid;
    std::string any;
    if (!grid.loadGivens(digits)) return report;
    const int count = grid.countSolutions(2, &any);
    if (count == 0) return report;
    if (count == 1) {
        // All three passes meet the one solution.
        report.result = kOneSolution;
        report.first = any;
        return report;
    }
    report.result = kSeveralSolutions;
    leastOf(digits, report.first);
    std::string backwards;
    leastOf(reversed(digits), backwards);
    report.second = reversed(backwards);
    if (report.second == report.first) {
        std::string greatest;
        leastOf(mirrored(digits), greatest);
        report.second = mirrored(greatest);
    }
    return report;
}

} // namespace

bool CheckGivens(std::string_view puzzle) {
    return peersAgree([&](int cell) -> int {
        if (static_cast<std::size_t>(cell) >= puzzle.size()) return -1;
        const char ch = puzzle[static_cast<std::size_t>(cell)];
        if (ch == '0' || ch == '*') return -1;
        return static_cast<unsigned char>(ch);
    });
}

SolveResult SolveString(std::string_view puzzle) {
    SolveResult result;
    result.grid = normalise(puzzle);
    // A full board is not searched; loading refuses conflicting givens.
    if (!hasBlank(result.grid)) return result;
    std::string solution;
    if (leastOf(result.grid, solution)) {
        result.status = 0;
        result.grid = solution;
    }
    return result;
}

UniquenessReport TestUniqueness(std::string_view board) {
    return uniqueness(board, false);
}

UniquenessReport TestUniquenessDialog(std::string_view board) {
    return uniqueness(board, true);
}

} // namespace velmar
