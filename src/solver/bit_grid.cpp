// SPDX-License-Identifier: GPL-3.0-or-later
// The grid representation and its propagation.
//
// A digit's board holds, band by band, the cells that may still take it. In
// one band a digit takes exactly one cell of each of the three rows and of
// each of the three boxes, so the rows go to the boxes by a permutation. Cut
// the band into nine triads (a row's three cells inside one box): the digit
// can only use a triad that lies on some permutation of non-empty triads.
// Shrinking a band to those triads is one table look-up; it finds hidden
// singles in rows and boxes, pointing and claiming inside the band, and an
// impossible band. A row left with one cell places the digit there: the cell
// leaves the other digits' boards and its column leaves the digit's other
// bands. Naked singles and empty cells come from counting, bit-sliced, how
// many boards hold each cell. Only the boards that changed are shrunk again.
// When nothing is left to do, the stacks of the digits that changed are
// shrunk the same way (in a stack the columns go to the bands by a
// permutation), which finds hidden singles in columns and pointing and
// claiming along them.
//
// The public place() propagates plain naked and hidden singles instead,
// because callers read the candidates it leaves.
#include "solver/bit_grid.h"

#include "solver/band_masks.h"

#include <array>
#include <bit>
#include <cstring>

namespace velmar::solver {

namespace {

// Row of nine cells -> the boxes (bits 0..2) where it has a cell.
constexpr auto kTriadsOfRow = table<std::uint8_t, 512>([](std::uint32_t row) {
    std::uint8_t boxes = 0;
    for (int box = 0; box < 3; ++box)
        if (row & (7u << (3 * box))) boxes = static_cast<std::uint8_t>(boxes | 1u << box);
    return boxes;
});

// Triad matrix (bit 3 * row + box) -> the triads lying on a permutation of
// non-empty triads; 0 when there is none.
constexpr auto kMatchedTriads = table<std::uint16_t, 512>([](std::uint32_t triads) {
    constexpr int perms[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    std::uint32_t kept = 0;
    for (const auto& perm : perms) {
        std::uint32_t used = 0;
        for (int row = 0; row < 3; ++row) used |= 1u << (3 * row + perm[row]);
        if ((triads & used) == used) kept |= used;
    }
    return static_cast<std::uint16_t>(kept);
});

// Triad matrix -> the band cells of those triads.
constexpr auto kTriadCells = table<std::uint32_t, 512>([](std::uint32_t triads) {
    std::uint32_t cells = 0;
    for (int t = 0; t < 9; ++t)
        if (triads & (1u << t)) cells |= 7u << (9 * (t / 3) + 3 * (t % 3));
    return cells;
});

// A row with exactly one cell -> that cell, else 0.
constexpr auto kLoneCell = table<std::uint16_t, 512>([](std::uint32_t row) {
    return static_cast<std::uint16_t>(std::popcount(row) == 1 ? row : 0);
});

// Takes `cells` from the nine boards; returns a bit per board that had one
// of them. Four boards at a time: this runs for every cell placed.
std::uint32_t strikeNine(std::uint32_t* boards, std::uint32_t cells) {
    using Lanes = std::uint32_t __attribute__((vector_size(16)));
    Lanes low, high;
    std::memcpy(&low, boards, sizeof low);
    std::memcpy(&high, boards + 4, sizeof high);
    const Lanes had = (reinterpret_cast<Lanes>((low & cells) != 0) & Lanes{1, 2, 4, 8}) |
                      (reinterpret_cast<Lanes>((high & cells) != 0) & Lanes{16, 32, 64, 128});
    low &= ~cells;
    high &= ~cells;
    std::memcpy(boards, &low, sizeof low);
    std::memcpy(boards + 4, &high, sizeof high);
    const std::uint32_t last = static_cast<std::uint32_t>((boards[8] & cells) != 0) << 8;
    boards[8] &= ~cells;
    return had[0] | had[1] | had[2] | had[3] | last;
}

} // namespace

BitGrid::BitGrid() {
    cand_.fill(kAllBand);
    open_.fill(kAllBand);
}

int BitGrid::value(int cell) const {
    const int band = cell / 27;
    const std::uint32_t bit = 1u << (cell % 27);
    if (open_[band] & bit) return 0;
    for (int d = 0; d < 9; ++d)
        if (cand_[board(d, band)] & bit) return d + 1;
    return 0;
}

std::uint16_t BitGrid::candidates(int cell) const {
    const int band = cell / 27, at = cell % 27;
    if (!(open_[band] >> at & 1)) return 0;
    std::uint16_t mask = 0;
    for (int d = 0; d < 9; ++d)
        mask = static_cast<std::uint16_t>(mask | (cand_[board(d, band)] >> at & 1) << d);
    return mask;
}

std::string BitGrid::digits() const {
    std::string out(81, '0');
    for (int d = 0; d < 9; ++d) {
        for (int band = 0; band < 3; ++band) {
            for (std::uint32_t left = cand_[board(d, band)] & ~open_[band]; left; left &= left - 1)
                out[27 * band + std::countr_zero(left)] = static_cast<char>('1' + d);
        }
    }
    return out;
}

void BitGrid::strike(int b, std::uint32_t cells) {
    const std::uint32_t before = cand_[b];
    cand_[b] = before & ~cells;
    dirty_ |= static_cast<std::uint32_t>(cand_[b] != before) << b;
}

// Places `digit` in `cells` of `band`: open cells holding the digit whose
// row and box peers in the band have lost it already (true after a shrink).
void BitGrid::settle(int digit, int band, std::uint32_t cells) {
    std::uint32_t* boards = &cand_[board(0, band)];
    const std::uint32_t own = boards[digit];
    const std::uint32_t hit = strikeNine(boards, cells);
    boards[digit] = own;
    dirty_ |= (hit & ~(1u << digit)) << board(0, band);
    const std::uint32_t column = columnsOf(cells) * kColumnInBand;
    strike(board(digit, nextBand(band)), column);
    strike(board(digit, lastBand(band)), column);
    open_[band] &= ~cells;
}

// Places `digit` in `cells` of `band`: open cells holding the digit, no two
// of them peers.
void BitGrid::fix(int digit, int band, std::uint32_t cells) {
    std::uint32_t peers = 0;
    for (std::uint32_t left = cells; left; left &= left - 1)
        peers |= kBandPeers[std::countr_zero(left)];
    strike(board(digit, band), peers & ~cells);
    settle(digit, band, cells);
}

// Digit 1..9 into an open cell that still has it; the caller propagates.
bool BitGrid::assign(int cell, int digit) {
    const int band = cell / 27;
    const std::uint32_t bit = 1u << (cell % 27);
    if (!(open_[band] & bit)) return value(cell) == digit;
    if (!(cand_[board(digit - 1, band)] & bit)) return false;
    fix(digit - 1, band, bit);
    return true;
}

bool BitGrid::shrinkDirtyBands() {
    std::uint32_t shrunk = 0;
    while (dirty_) {
        const int b = std::countr_zero(dirty_);
        dirty_ &= dirty_ - 1;
        shrunk |= 1u << b;
        const int band = b >= 18 ? 2 : b >= 9 ? 1 : 0;
        std::uint32_t cells = cand_[b];
        const std::uint32_t triads = kTriadsOfRow[cells & kRow] |
                                     kTriadsOfRow[cells >> 9 & kRow] << 3 |
                                     kTriadsOfRow[cells >> 18] << 6;
        const std::uint32_t kept = kMatchedTriads[triads];
        if (!kept) return false;
        cells &= kTriadCells[kept];
        cand_[b] = cells;
        const std::uint32_t lone = (kLoneCell[cells & kRow] | kLoneCell[cells >> 9 & kRow] << 9 |
                                    static_cast<std::uint32_t>(kLoneCell[cells >> 18]) << 18) &
                                   open_[band];
        if (lone) settle(b - board(0, band), band, lone);
    }
    stacksDirty_ |= (shrunk | shrunk >> 9 | shrunk >> 18) & 0x1FF;
    return true;
}

// Cells left with one candidate get it; false when an open cell has none.
bool BitGrid::nakedSingles(bool& changed) {
    for (int band = 0; band < 3; ++band) {
        if (!open_[band]) continue;
        std::uint32_t once = 0, twice = 0;
        for (int d = 0; d < 9; ++d) {
            const std::uint32_t cells = cand_[board(d, band)];
            twice |= once & cells;
            once |= cells;
        }
        if (open_[band] & ~once) return false;
        const std::uint32_t singles = open_[band] & ~twice;
        if (!singles) continue;
        changed = true;
        for (int d = 0; d < 9; ++d) {
            for (std::uint32_t left = singles & cand_[board(d, band)]; left; left &= left - 1) {
                // An earlier single of this digit may have taken the cell's
                // last candidate; the next count finds it empty.
                const std::uint32_t bit = left & (0u - left);
                if (cand_[board(d, band)] & bit) fix(d, band, bit);
            }
        }
    }
    return true;
}

// Digits with one place left in a unit go there; false when a digit has no
// place left in a unit.
bool BitGrid::hiddenSingles(bool& changed) {
    auto place = [&](int d, int band, std::uint32_t lone) {
        for (lone &= open_[band]; lone; lone &= lone - 1) {
            // An earlier single may have taken this one's place; the next
            // round finds its unit empty.
            const std::uint32_t bit = lone & (0u - lone);
            if (cand_[board(d, band)] & bit) {
                fix(d, band, bit);
                changed = true;
            }
        }
    };
    for (int d = 0; d < 9; ++d) {
        for (int band = 0; band < 3; ++band) {
            const std::uint32_t cells = cand_[board(d, band)];
            std::uint32_t lone = 0;
            for (int i = 0; i < 3; ++i) {
                const std::uint32_t row = cells >> (9 * i) & kRow;
                const std::uint32_t box = cells & kBoxInBand << (3 * i);
                if (!row || !box) return false;
                lone |= static_cast<std::uint32_t>(kLoneCell[row]) << (9 * i);
                if (!(box & (box - 1))) lone |= box;
            }
            place(d, band, lone);
        }
        const std::uint32_t x0 = cand_[board(d, 0)], x1 = cand_[board(d, 1)],
                            x2 = cand_[board(d, 2)];
        // Per place in a band: held in some band, in two or more bands.
        const std::uint32_t some = x0 | x1 | x2, more = (x0 & x1) | (x0 & x2) | (x1 & x2);
        const std::uint32_t r0 = some & kRow, r1 = some >> 9 & kRow, r2 = some >> 18;
        if ((r0 | r1 | r2) != kRow) return false;
        const std::uint32_t lone = kRow & ~(columnsOf(more) | (r0 & r1) | (r0 & r2) | (r1 & r2));
        for (int band = 0; band < 3; ++band)
            place(d, band, cand_[board(d, band)] & lone * kColumnInBand);
    }
    return true;
}

// The band shrinking turned on its side: in each stack the three columns go
// to the three bands by a permutation. Finds hidden singles in columns (with
// the band shrinking that follows) and pointing and claiming along columns.
bool BitGrid::shrinkStacks(bool& changed) {
    for (; stacksDirty_; stacksDirty_ &= stacksDirty_ - 1) {
        const int d = std::countr_zero(stacksDirty_);
        std::array<std::uint32_t, 3> occupied{}; // columns (bits 0..8) with cells, per band
        for (int band = 0; band < 3; ++band) occupied[band] = columnsOf(cand_[board(d, band)]);
        std::array<std::uint32_t, 3> allowed{};
        for (int stack = 0; stack < 3; ++stack) {
            const int shift = 3 * stack;
            const std::uint32_t triads = (occupied[0] >> shift & 7) |
                                         (occupied[1] >> shift & 7) << 3 |
                                         (occupied[2] >> shift & 7) << 6;
            const std::uint32_t kept = kMatchedTriads[triads];
            if (!kept) return false;
            for (int band = 0; band < 3; ++band) allowed[band] |= (kept >> (3 * band) & 7) << shift;
        }
        for (int band = 0; band < 3; ++band) {
            const int b = board(d, band);
            const std::uint32_t before = cand_[b];
            cand_[b] &= allowed[band] * kColumnInBand;
            if (cand_[b] != before) {
                dirty_ |= 1u << b;
                changed = true;
            }
        }
    }
    return true;
}

bool BitGrid::singlesClosure() {
    for (;;) {
        bool changed = false;
        if (!nakedSingles(changed) || !hiddenSingles(changed)) return false;
        if (!changed) return true;
    }
}

bool BitGrid::propagate() {
    for (;;) {
        bool changed = false;
        if (!shrinkDirtyBands() || !nakedSingles(changed)) return false;
        if (changed) continue;
        if (!shrinkStacks(changed)) return false;
        if (!changed) return true;
    }
}

bool BitGrid::place(int cell, int digit) {
    return assign(cell, digit) && singlesClosure();
}

bool BitGrid::loadGivens(const std::string& puzzle) {
    for (int i = 0; i < 81 && i < static_cast<int>(puzzle.size()); ++i) {
        const char ch = puzzle[i];
        if (ch >= '1' && ch <= '9' && !assign(i, ch - '0')) return false;
    }
    return propagate();
}

} // namespace velmar::solver
