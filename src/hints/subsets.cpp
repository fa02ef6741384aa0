// SPDX-License-Identifier: GPL-3.0-or-later
// Naked and hidden subsets of 2..4. A unit's nine masks form a matrix (row i =
// the digits of its i-th cell); N rows whose union has N digits clear those
// digits from the other rows (naked). The transpose (row d = the cells that
// hold digit d+1) finds hidden subsets with the same search.
#include "hints/hint_engine.h"

namespace velmar {

using namespace hints;

namespace {

using Matrix = std::array<Mask, 9>;

Matrix transposed(const Matrix& m) {
    Matrix t{};
    for (int i = 0; i < 9; ++i) {
        for (Mask bits = m[i]; bits != 0; bits &= static_cast<Mask>(bits - 1)) {
            t[lowestDigit(bits)] |= static_cast<Mask>(1u << i);
        }
    }
    return t;
}

} // namespace

void HintEngine::subsets() {
    for (int size = 2; size <= 4 && searching; ++size) subsetsOfSize(size);
}

// A unit's masks change only when a subset removed something, so only then
// are they transposed back and written.
void HintEngine::subsetsOfSize(int size) {
    for (const Unit& unit : searchUnits()) {
        if (!searching) return;
        Matrix rows{};
        for (int i = 0; i < 9; ++i) rows[i] = candMask[unit.cell(i)];
        if (const Mask u = subsetSearch(rows, size)) {
            reportSubset(unit, rows, u, size, false);
        } else {
            Matrix t = transposed(rows);
            const Mask hu = subsetSearch(t, size);
            if (hu == 0) continue;
            reportSubset(unit, t, hu, size, true);
            rows = transposed(t);
        }
        for (int i = 0; i < 9; ++i) candMask[unit.cell(i)] = rows[i];
    }
}

// Combinations of `size` rows in lexicographic order; one with an empty row
// is skipped, and one with a row of more than `size` bits cannot have a union
// of `size` bits, so only the rows of 1..size bits are combined (in the same
// order). Returns the union of the first combination that removed something
// (0 when none did).
Mask HintEngine::subsetSearch(std::array<Mask, 9>& rows, int size) {
    std::array<int, 9> live{};
    int count = 0;
    for (int i = 0; i < 9; ++i) {
        if (rows[i] != 0 && bits(rows[i]) <= size) live[count++] = i;
    }
    if (count < size) return 0;
    std::array<int, 4> pick = {0, 1, 2, 3};
    while (true) {
        Mask u = 0;
        for (int j = 0; j < size; ++j) u |= rows[live[pick[j]]];
        if (bits(u) == size) {
            bool removed = false;
            for (Mask& row : rows) {
                if ((row & u) && (row & static_cast<Mask>(~u))) {
                    row &= static_cast<Mask>(~u);
                    removed = true;
                }
            }
            if (removed) return u;
        }
        int j = size - 1;
        while (j >= 0 && pick[j] == count - size + j) --j;
        if (j < 0) return 0;
        ++pick[j];
        for (int k = j + 1; k < size; ++k) pick[k] = pick[k - 1] + 1;
    }
}

void HintEngine::reportSubset(Unit unit, const std::array<Mask, 9>& rows, Mask u, int size,
                              bool hidden) {
    // The rows inside the union are the subset's cells (naked) or digits (hidden).
    Mask inside = 0;
    for (int i = 0; i < 9; ++i) {
        if (rows[i] != 0 && (rows[i] & static_cast<Mask>(~u)) == 0)
            inside |= static_cast<Mask>(1u << i);
    }
    const Mask cells = hidden ? u : inside;
    const Mask digits = hidden ? inside : u;
    const std::string phrase = unitPhrase(unit);
    for (int i = 0; i < 9; ++i) {
        if (!(cells & (1u << i))) continue;
        listAppend(cellName(unit.cell(i)));
        highlight(unit.cell(i), HighlightColour::Magenta);
    }
    const std::string n = std::to_string(size);
    std::string text = hidden ? "Found " + n + " digits that can only be in " + n + " squares."
                              : "Found " + n + " squares that can only contain " + n + " digits.";
    text += "\r\n" + phrase + ", the squares " + listTake() + "\r\n" + "must contain the digits " +
            digitList(digits, ", ") + ".";
    report(hidden ? kHiddenSubset : kNakedSubset, std::move(text));
}

} // namespace velmar
