// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/tqj.h"

#include "model/random.h"
#include "text/trim.h"

#include <utility>

namespace velmar {

namespace {

constexpr int kCells = 81;

bool isGiven(char ch) {
    return ch >= '1' && ch <= '9';
}
bool isOpenChar(char ch) {
    return ch >= 'A' && ch <= 'I';
}
bool isDecimal(char ch) {
    return ch >= '0' && ch <= '9';
}

bool allDecimal(std::string_view text) {
    for (char ch : text)
        if (!isDecimal(ch)) return false;
    return true;
}

} // namespace

bool IsMarkedPuzzle(std::string_view marked) {
    if (marked.size() != kCells) return false;
    for (char ch : marked)
        if (!isGiven(ch) && !isOpenChar(ch)) return false;
    return true;
}

bool IsDigitString(std::string_view text, char lowest) {
    if (text.size() != kCells) return false;
    for (char ch : text)
        if (ch < lowest || ch > '9') return false;
    return true;
}

TQJ::TQJ() = default;

bool TQJ::LoadMarkedPuzzle(std::string_view marked) {
    return LoadMarkedPuzzle(marked, Random::instance());
}

bool TQJ::LoadMarkedPuzzle(std::string_view marked, Random& random) {
    // Validate everything first so that a bad line never leaves half a board.
    if (marked.size() < kCells || !IsMarkedPuzzle(marked.substr(0, kCells))) return false;

    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TNode& n = node(r, c);
            const char ch = marked[index(r, c)];
            n.Row = r;
            n.Col = c;
            n.Fixed = isGiven(ch);
            n.Digit = MarkedDigit(ch);
        }
    }
    ShuffleSolution(200, random);
    return true;
}

void TQJ::ShuffleSolution(int passes) {
    ShuffleSolution(passes, Random::instance());
}

void TQJ::swapCells(int a, int b) {
    std::swap(nodes_[a].Digit, nodes_[b].Digit);
    std::swap(nodes_[a].Fixed, nodes_[b].Fixed);
}

void TQJ::ShuffleSolution(int passes, Random& random) {
    for (int pass = 0; pass < passes; ++pass) {
        const int kind = random.uniform(1, 7);
        // Two different places within a group of three, every ordered pair equally likely.
        const int p = random.uniform(1, 3);
        int q = random.uniform(1, 2);
        if (p == 1) q = q + 1;
        if (p == 2 && q == 2) q = 3;

        if (kind <= 3) {
            const int colA = 3 * (kind - 1) + p;
            const int colB = 3 * (kind - 1) + q;
            for (int r = 1; r <= 9; ++r) swapCells(index(r, colA), index(r, colB));
        } else if (kind <= 6) {
            const int rowA = 3 * (kind - 4) + p;
            const int rowB = 3 * (kind - 4) + q;
            for (int c = 1; c <= 9; ++c) swapCells(index(rowA, c), index(rowB, c));
        } else {
            const int x = random.uniform(1, 9);
            int y = random.uniform(1, 9);
            if (y == x) y = (x == 9) ? 1 : x + 1;
            for (TNode& n : nodes_) {
                if (n.Digit == x)
                    n.Digit = y;
                else if (n.Digit == y)
                    n.Digit = x;
            }
        }
    }
}

std::string TQJ::GetSolutionString() const {
    std::string out;
    out.reserve(kCells);
    for (const TNode& n : nodes_) {
        if (n.Digit < 1 || n.Digit > 9) return {};
        out.push_back(static_cast<char>('0' + n.Digit));
    }
    return out;
}

void TQJ::ClearSolution() {
    for (TNode& n : nodes_) n.Digit = 0;
}

void TQJ::LoadSolutionString(std::string_view solution) {
    ClearSolution();
    const std::string_view text = TrimBlanks(solution);
    if (text.size() != kCells || !allDecimal(text)) return;
    for (int i = 0; i < kCells; ++i) nodes_[i].Digit = text[i] - '0';
}

void TQJ::LoadGivens(std::string_view givens) {
    ClearSolution();
    const std::string_view text = TrimBlanks(givens);
    if (text.size() != kCells || !allDecimal(text)) return;
    for (int i = 0; i < kCells; ++i) {
        const int v = text[i] - '0';
        nodes_[i].Fixed = v >= 1;
        nodes_[i].Digit = v;
    }
}

std::string TQJ::GetGivensString() const {
    std::string out;
    out.reserve(kCells);
    for (const TNode& n : nodes_)
        out.push_back(n.Fixed && n.Digit >= 1 && n.Digit <= 9 ? static_cast<char>('0' + n.Digit)
                                                              : '0');
    return out;
}

} // namespace velmar
