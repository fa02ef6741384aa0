// SPDX-License-Identifier: GPL-3.0-or-later
// Candidate masks with naked and hidden singles to a fixed point; copies of
// the grid make the search's undo.
#include "solver/bit_grid.h"

#include <algorithm>
#include <bit>

namespace velmar::solver {

namespace {

constexpr std::uint16_t kAll = 0x1FF;

struct Tables {
    std::array<std::array<std::uint8_t, 20>, 81> peers{};
    std::array<std::array<std::uint8_t, 9>, 27> units{}; // rows, columns, boxes
    std::array<std::array<std::uint8_t, 3>, 81> unitsOf{};
    std::array<std::uint32_t, 81> unitBits{};
    std::array<std::array<std::uint64_t, 2>, 81> peerBits{};
    // The 54 places where a row or column crosses a box: its three cells, the
    // six other cells of the line and the six other cells of the box.
    struct Crossing {
        std::array<std::uint8_t, 3> cells;
        std::array<std::uint8_t, 6> lineRest;
        std::array<std::uint8_t, 6> boxRest;
    };
    std::array<Crossing, 54> crossings{};

    Tables() {
        for (int i = 0; i < 9; ++i) {
            for (int j = 0; j < 9; ++j) {
                units[i][j] = static_cast<std::uint8_t>(i * 9 + j);
                units[9 + i][j] = static_cast<std::uint8_t>(j * 9 + i);
                const int r = (i / 3) * 3 + j / 3;
                const int c = (i % 3) * 3 + j % 3;
                units[18 + i][j] = static_cast<std::uint8_t>(r * 9 + c);
            }
        }
        for (int cell = 0; cell < 81; ++cell) {
            const int r = cell / 9, c = cell % 9, b = (r / 3) * 3 + c / 3;
            unitBits[cell] = (1u << r) | (1u << (9 + c)) | (1u << (18 + b));
            unitsOf[cell] = {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(9 + c),
                             static_cast<std::uint8_t>(18 + b)};
            int n = 0;
            for (int other = 0; other < 81; ++other) {
                if (other == cell) continue;
                const int orow = other / 9, ocol = other % 9;
                if (orow == r || ocol == c || (orow / 3) * 3 + ocol / 3 == b) {
                    peers[cell][n++] = static_cast<std::uint8_t>(other);
                    peerBits[cell][other / 64] |= std::uint64_t{1} << (other % 64);
                }
            }
        }
        int k = 0;
        for (int isColumn = 0; isColumn < 2; ++isColumn) {
            for (int line = 0; line < 9; ++line) {
                for (int third = 0; third < 3; ++third) {
                    auto at = [&](int along) {
                        return static_cast<std::uint8_t>(isColumn ? along * 9 + line
                                                                  : line * 9 + along);
                    };
                    Crossing& x = crossings[k++];
                    int nc = 0, nl = 0, nb = 0;
                    for (int along = 0; along < 9; ++along) {
                        if (along / 3 == third)
                            x.cells[nc++] = at(along);
                        else
                            x.lineRest[nl++] = at(along);
                    }
                    const int box =
                        18 + (isColumn ? (third * 3 + line / 3) : (line / 3 * 3 + third));
                    for (std::uint8_t cell : units[box]) {
                        if (std::find(x.cells.begin(), x.cells.end(), cell) == x.cells.end())
                            x.boxRest[nb++] = cell;
                    }
                }
            }
        }
    }
};

const Tables kTables;
inline const Tables& tables() {
    return kTables;
}

int lowestDigit(std::uint16_t mask) {
    return std::countr_zero(mask) + 1;
}

int bitCount(std::uint16_t mask) {
    static const auto table = [] {
        std::array<std::uint8_t, 512> counts{};
        for (int m = 1; m < 512; ++m)
            counts[m] = static_cast<std::uint8_t>(counts[m >> 1] + (m & 1));
        return counts;
    }();
    return table[mask];
}

} // namespace

std::uint32_t BitGrid::unitMask(int cell) {
    return tables().unitBits[cell];
}

BitGrid::BitGrid() {
    cand_.fill(kAll);
    value_.fill(0);
    unitPlaced_.fill(0);
}

std::string BitGrid::digits() const {
    std::string out(81, '0');
    for (int i = 0; i < 81; ++i) out[i] = static_cast<char>('0' + value_[i]);
    return out;
}

// Sets the digit and strikes it from the peers; cells left with one candidate
// are queued. False on a contradiction.
bool BitGrid::assign(int cell, int digit) {
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << (digit - 1));
    if (value_[cell] != 0) return value_[cell] == digit;
    if (!(cand_[cell] & bit)) return false;
    const Tables& t = tables();
    for (std::uint8_t unit : t.unitsOf[cell]) {
        if (unitPlaced_[unit] & bit) return false;
        unitPlaced_[unit] |= bit;
    }
    value_[cell] = static_cast<std::uint8_t>(digit);
    cand_[cell] = 0;
    ++placed_;
    dirty_ |= unitMask(cell);
    for (std::uint8_t peer : t.peers[cell]) {
        std::uint16_t& mask = cand_[peer];
        if (!(mask & bit)) continue;
        mask &= static_cast<std::uint16_t>(~bit);
        if (mask == 0) return false;
        dirty_ |= unitMask(peer);
        if ((mask & (mask - 1)) == 0) queue_[queueLength_++] = peer;
    }
    return true;
}

bool BitGrid::hiddenSingles(bool& changed) {
    const Tables& t = tables();
    while (dirty_) {
        const int u = std::countr_zero(dirty_);
        dirty_ &= dirty_ - 1;
        std::uint16_t once = 0, twice = 0;
        for (std::uint8_t cell : t.units[u]) {
            const std::uint16_t m = cand_[cell];
            twice |= once & m;
            once |= m;
        }
        if ((once | unitPlaced_[u]) != kAll) return false; // a digit has no place left
        std::uint16_t single = static_cast<std::uint16_t>(once & ~twice);
        while (single) {
            const std::uint16_t bit = single & static_cast<std::uint16_t>(-single);
            single &= static_cast<std::uint16_t>(single - 1);
            for (std::uint8_t cell : t.units[u]) {
                if (cand_[cell] & bit) {
                    if (!assign(cell, lowestDigit(bit))) return false;
                    changed = true;
                    break;
                }
            }
        }
    }
    return true;
}

bool BitGrid::strike(int cell, std::uint16_t digits, bool& changed) {
    std::uint16_t& mask = cand_[cell];
    if (!(mask & digits)) return true;
    mask &= static_cast<std::uint16_t>(~digits);
    changed = true;
    if (mask == 0) return false;
    dirty_ |= unitMask(cell);
    if ((mask & (mask - 1)) == 0) queue_[queueLength_++] = static_cast<std::uint8_t>(cell);
    return true;
}

// Where a digit of a box lies on one line only, the rest of the line loses it;
// where a digit of a line lies in one box only, the rest of the box loses it.
bool BitGrid::lockedCandidates(bool& changed) {
    for (const auto& x : tables().crossings) {
        const std::uint16_t here = cand_[x.cells[0]] | cand_[x.cells[1]] | cand_[x.cells[2]];
        if (!here) continue;
        std::uint16_t line = 0, box = 0;
        for (int i = 0; i < 6; ++i) {
            line |= cand_[x.lineRest[i]];
            box |= cand_[x.boxRest[i]];
        }
        const std::uint16_t pointing = here & static_cast<std::uint16_t>(~box) & line;
        const std::uint16_t claiming = here & static_cast<std::uint16_t>(~line) & box;
        for (int i = 0; i < 6; ++i) {
            if (pointing && !strike(x.lineRest[i], pointing, changed)) return false;
            if (claiming && !strike(x.boxRest[i], claiming, changed)) return false;
        }
    }
    return true;
}

bool BitGrid::propagate(bool withCrossings) {
    for (;;) {
        while (queueLength_ > 0) {
            const int cell = queue_[--queueLength_];
            if (value_[cell] != 0) continue;
            if (cand_[cell] == 0) return false;
            if (!assign(cell, lowestDigit(cand_[cell]))) return false;
        }
        bool changed = false;
        if (!hiddenSingles(changed)) return false;
        if (changed || queueLength_ > 0) continue;
        // Locked candidates pay off once on the givens; inside the search the
        // extra scans cost more than the guesses they save.
        if (!withCrossings) return true;
        if (!lockedCandidates(changed)) return false;
        if (!changed && queueLength_ == 0) return true;
    }
}

bool BitGrid::place(int cell, int digit) {
    queueLength_ = 0;
    return assign(cell, digit) && propagate(false);
}

bool BitGrid::loadGivens(const std::string& puzzle) {
    queueLength_ = 0;
    for (int i = 0; i < 81 && i < static_cast<int>(puzzle.size()); ++i) {
        const char ch = puzzle[i];
        if (ch >= '1' && ch <= '9' && !assign(i, ch - '0')) return false;
    }
    return propagate(true);
}

// The open cell with the fewest candidates; among cells with two, the one
// with most two-candidate peers, whose guess settles the most.
int BitGrid::branchCell() const {
    int best = -1, bestCount = 10;
    std::array<std::uint64_t, 2> pairs{};
    for (int i = 0; i < 81; ++i) {
        if (value_[i] != 0) continue;
        const int n = bitCount(cand_[i]);
        if (n == 2) pairs[i / 64] |= std::uint64_t{1} << (i % 64);
        if (n < bestCount) {
            best = i;
            bestCount = n;
        }
    }
    if (bestCount != 2) return best;
    int bestScore = -1;
    for (int half = 0; half < 2; ++half) {
        for (std::uint64_t left = pairs[half]; left; left &= left - 1) {
            const int i = half * 64 + std::countr_zero(left);
            const auto& peers = tables().peerBits[i];
            const int score =
                std::popcount(pairs[0] & peers[0]) + std::popcount(pairs[1] & peers[1]);
            if (score > bestScore) {
                bestScore = score;
                best = i;
            }
        }
    }
    return best;
}

// Overwrites this grid: the last candidate of each branch cell is tried in
// place instead of on a copy.
int BitGrid::countFrom(int limit, std::string* solution, int found) {
    for (;;) {
        if (complete()) {
            if (found == 0 && solution) *solution = digits();
            return found + 1;
        }
        const int best = branchCell();
        std::uint16_t mask = cand_[best];
        for (;;) {
            const int digit = lowestDigit(mask);
            mask &= static_cast<std::uint16_t>(mask - 1);
            if (!mask) {
                if (!place(best, digit)) return found;
                break;
            }
            BitGrid next = *this;
            if (next.place(best, digit)) found = next.countFrom(limit, solution, found);
            if (found >= limit) return found;
        }
    }
}

int BitGrid::countSolutions(int limit, std::string* solution) const {
    BitGrid grid = *this;
    return grid.countFrom(limit, solution, 0);
}

// Row-major search, lowest digit first: the first complete grid it meets is
// the least solution. Gives up (-1) after `budget` guesses.
int BitGrid::orderedSearch(int& budget, std::string& solution) const {
    if (complete()) {
        solution = digits();
        return 1;
    }
    int cell = 0;
    while (value_[cell] != 0) ++cell;
    for (std::uint16_t mask = cand_[cell]; mask; mask &= static_cast<std::uint16_t>(mask - 1)) {
        if (--budget < 0) return -1;
        BitGrid next = *this;
        if (!next.place(cell, lowestDigit(mask))) continue;
        const int found = next.orderedSearch(budget, solution);
        if (found != 0) return found;
    }
    return 0;
}

bool BitGrid::leastSolution(std::string& solution) const {
    // Most puzzles with several solutions give their least one to a plain
    // row-major search at once; a short budget keeps the rare hard case from
    // trapping it.
    int budget = 200;
    const int quick = orderedSearch(budget, solution);
    if (quick >= 0) return quick == 1;

    // Otherwise walk the cells in order, each time keeping the lowest digit
    // that still leaves a solution. A known solution bounds the digits worth
    // testing, and each test is a fast most-constrained-first search.
    std::string known;
    if (countSolutions(1, &known) == 0) return false;
    BitGrid grid = *this;
    for (int cell = 0; cell < 81; ++cell) {
        if (grid.value_[cell] != 0) continue;
        const int bound = known[cell] - '0';
        std::uint16_t mask = grid.cand_[cell] & static_cast<std::uint16_t>((1u << (bound - 1)) - 1);
        while (mask) {
            const int digit = lowestDigit(mask);
            mask &= static_cast<std::uint16_t>(mask - 1);
            BitGrid trial = grid;
            std::string found;
            if (trial.place(cell, digit) && trial.countSolutions(1, &found) > 0) {
                known = found;
                break;
            }
        }
        if (!grid.place(cell, known[cell] - '0')) return false; // cannot happen: known solves it
    }
    solution = grid.digits();
    return true;
}

} // namespace velmar::solver
