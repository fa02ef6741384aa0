// SPDX-License-Identifier: GPL-3.0-or-later
#include "literal_solver.h"

#include <array>
#include <cstdint>

namespace velmar::literal {

namespace {

constexpr int GridSize = 9, BoxHeight = 3, BoxWidth = 3;

struct SolverCell {
    std::uint8_t value = 0;
    std::array<bool, 26> possible{};
};

using Grid = std::array<std::array<SolverCell, 26>, 26>;

struct OutOfBudget {};

class Literal {
  public:
    explicit Literal(long budget) : budget_(budget) {}

    Solved solveString(std::string_view puzzle) {
        for (int i = 1; i <= 9; ++i)
            for (int j = 1; j <= 9; ++j) {
                const std::size_t k = static_cast<std::size_t>((i - 1) * 9 + j - 1);
                const char ch = k < puzzle.size() ? puzzle[k] : '\0';
                grid_[i][j].value =
                    (ch >= '1' && ch <= '9') ? static_cast<std::uint8_t>(ch - '0') : 0;
            }
        FindPossibilities();
        Solved out;
        if (check()) {
            out.status = 1;
        } else {
            SolveBruteForce();
            out.status = check() ? 0 : 1;
        }
        for (int i = 1; i <= 9; ++i)
            for (int j = 1; j <= 9; ++j)
                out.grid.push_back(static_cast<char>('0' + grid_[i][j].value));
        return out;
    }

  private:
    void FindPossibilities() {
        if (--budget_ < 0) throw OutOfBudget{};
        for (int r = 1; r <= GridSize; ++r)
            for (int c = 1; c <= GridSize; ++c) {
                SolverCell& cell = grid_[r][c];
                if (cell.value != 0) {
                    for (int d = 1; d <= GridSize; ++d) cell.possible[d] = false;
                    continue;
                }
                for (int d = 1; d <= GridSize; ++d) cell.possible[d] = true;
                for (int k = 1; k <= GridSize; ++k) {
                    if (grid_[r][k].value) cell.possible[grid_[r][k].value] = false;
                    if (grid_[k][c].value) cell.possible[grid_[k][c].value] = false;
                }
                const int r0 = ((r - 1) / BoxHeight) * BoxHeight + 1;
                const int c0 = ((c - 1) / BoxWidth) * BoxWidth + 1;
                for (int rr = r0; rr <= r0 + BoxHeight - 1; ++rr)
                    for (int cc = c0; cc <= c0 + BoxWidth - 1; ++cc)
                        if (grid_[rr][cc].value) cell.possible[grid_[rr][cc].value] = false;
            }
    }

    int CountPossValue(int d, int r, int c) {
        int n = 0;
        for (int e = 1; e <= GridSize; ++e) n += grid_[r][c].possible[e];
        if (n == 1) return 1;
        n = 0;
        for (int k = 1; k <= GridSize; ++k) n += grid_[k][c].value == 0 && grid_[k][c].possible[d];
        if (n == 1) return 1;
        n = 0;
        for (int k = 1; k <= GridSize; ++k) n += grid_[r][k].value == 0 && grid_[r][k].possible[d];
        if (n == 1) return 1;
        n = 0;
        const int r0 = ((r - 1) / BoxHeight) * BoxHeight + 1;
        const int c0 = ((c - 1) / BoxWidth) * BoxWidth + 1;
        for (int rr = r0; rr <= r0 + BoxHeight - 1; ++rr)
            for (int cc = c0; cc <= c0 + BoxWidth - 1; ++cc)
                n += grid_[rr][cc].value == 0 && grid_[rr][cc].possible[d];
        return n;
    }

    void SolveSudoku() {
        bool placed = true;
        while (placed) {
            placed = false;
            for (int r = 1; r <= GridSize; ++r)
                for (int c = 1; c <= GridSize; ++c) {
                    if (grid_[r][c].value != 0) continue;
                    for (int d = 1; d <= GridSize; ++d) {
                        if (!grid_[r][c].possible[d]) continue;
                        if (CountPossValue(d, r, c) == 1) {
                            grid_[r][c].value = static_cast<std::uint8_t>(d);
                            FindPossibilities();
                            placed = true;
                        }
                    }
                }
        }
    }

    bool check() const {
        for (int r = 1; r <= GridSize; ++r)
            for (int c = 1; c <= GridSize; ++c)
                if (grid_[r][c].value == 0) return false;
        return true;
    }

    bool SolveBruteForce() {
        int fr = 0, fc = 0;
        for (int r = 1; r <= GridSize && !fr; ++r)
            for (int c = 1; c <= GridSize; ++c)
                if (grid_[r][c].value == 0) {
                    fr = r;
                    fc = c;
                    break;
                }
        if (!fr) return false;
        for (int d = 1; d <= GridSize; ++d) {
            if (!grid_[fr][fc].possible[d]) continue;
            const Grid saved = grid_;
            grid_[fr][fc].value = static_cast<std::uint8_t>(d);
            FindPossibilities();
            SolveSudoku();
            if (check()) return true;
            if (SolveBruteForce()) return true;
            grid_ = saved;
        }
        return false;
    }

    Grid grid_{};
    long budget_;
};

} // namespace

std::optional<Solved> SolveString(std::string_view puzzle, long budget) {
    try {
        Literal solver(budget);
        return solver.solveString(puzzle);
    } catch (const OutOfBudget&) {
        return std::nullopt;
    }
}

bool CheckGivens(std::string_view puzzle) {
    std::array<char, 81> e{};
    for (int k = 0; k < 81; ++k) {
        const char ch = k < static_cast<int>(puzzle.size()) ? puzzle[k] : '0';
        e[k] = (ch == '0' || ch == '*') ? '\0' : ch;
    }
    for (int a = 0; a < 81; ++a)
        for (int b = 0; b < 81; ++b) {
            if (a == b || !e[a] || e[a] != e[b]) continue;
            const int ra = a / 9, ca = a % 9, rb = b / 9, cb = b % 9;
            if (ra == rb || ca == cb || (ra / 3 == rb / 3 && ca / 3 == cb / 3)) return false;
        }
    return true;
}

std::optional<Unique> TestUniqueness(std::string_view board, bool dialog, long budget) {
    std::string f;
    for (int k = 0; k < 81; ++k) {
        const char ch = k < static_cast<int>(board.size()) ? board[k] : '*';
        f.push_back(ch >= '1' && ch <= '9' ? ch : '*');
    }
    Unique out;
    auto finish = [&](Unique u) {
        if (dialog && f.find('*') == std::string::npos && CheckGivens(f)) {
            u.result = 0;
            u.first = f;
        }
        return u;
    };
    if (!CheckGivens(f)) return finish(out);
    const auto s1 = SolveString(f, budget);
    if (!s1) return std::nullopt;
    if (s1->status != 0) return finish(out);
    out.first = s1->grid;
    const std::string r(f.rbegin(), f.rend());
    const auto t2 = SolveString(r, budget);
    if (!t2) return std::nullopt;
    if (t2->status != 0) return finish(Unique{});
    const std::string s2(t2->grid.rbegin(), t2->grid.rend());
    if (s2 != out.first) {
        out.result = 2;
        out.second = s2;
        return finish(out);
    }
    std::string m = f;
    for (char& ch : m)
        if (ch != '*') ch = static_cast<char>('0' + 10 - (ch - '0'));
    const auto t3 = SolveString(m, budget);
    if (!t3) return std::nullopt;
    if (t3->status != 0) return finish(Unique{});
    std::string s3 = t3->grid;
    for (char& ch : s3) ch = static_cast<char>('0' + 10 - (ch - '0'));
    if (s3 != out.first) {
        out.result = 2;
        out.second = s3;
    } else {
        out.result = 0;
    }
    return finish(out);
}

} // namespace velmar::literal
