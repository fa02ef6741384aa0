// SPDX-License-Identifier: GPL-3.0-or-later
// What the session tests share: a listener that records every report and
// answers questions from a script, a small bank of valid puzzles, and a
// session with a game dealt from it.
#pragma once

#include "bank/puzzle_bank.h"
#include "game/play_session.h"
#include "model/random.h"

#include <string>
#include <vector>

namespace velmar::test {

struct RecordingListener : SessionListener {
    bool answer = true;
    std::vector<std::string> asked; // "title|text" keys
    std::vector<std::string> told;  // message keys
    unsigned changes = 0;
    bool clockRunning = false;
    int clockResets = 0;
    bool tileShown = false;

    void SessionChanged(unsigned c) override { changes |= c; }
    bool AskYesNo(std::string_view title, std::string_view text) override {
        asked.push_back(std::string(title) + "|" + std::string(text));
        return answer;
    }
    void Inform(std::string_view key) override { told.emplace_back(key); }
    void ClockSet(bool running, bool fromZero) override {
        clockRunning = running;
        clockResets += fromZero;
    }
    void TileOpened(int, int) override { tileShown = true; }
    void TileClosed() override { tileShown = false; }
};

// A solution-marked line: a valid grid, every third cell a given.
inline std::string MarkedLine(int shift) {
    std::string line;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            const int digit = (r * 3 + r / 3 + c + shift) % 9 + 1;
            const bool given = (r * 9 + c) % 3 == 0;
            line += static_cast<char>(given ? '0' + digit : 'A' + digit - 1);
        }
    return line;
}

// Three lines per level (the draw never deals the last one).
inline const PuzzleBank& TestBank() {
    static const std::string text = MarkedLine(0) + "\n" + MarkedLine(4) + "\n" + MarkedLine(7);
    static const PuzzleBank bank({text, text, text, text, text});
    return bank;
}

struct Cell {
    int row;
    int col;
};

struct SessionFixture {
    Random random{2026};
    PlaySession s{TestBank(), random};
    RecordingListener l;

    SessionFixture() {
        s.SetListener(&l);
        s.NewGame(1);
        l.changes = 0;
    }
    std::vector<Cell> CellsIn(int state) const {
        std::vector<Cell> cells;
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                if (s.cells().cell(r, c).State == state) cells.push_back({r, c});
        return cells;
    }
    int Solution(Cell c) const { return s.model().node(c.row, c.col).Digit; }
    const std::string& TextOf(Cell c) const { return s.cells().cell(c.row, c.col).Text; }
    int StateOf(Cell c) const { return s.cells().cell(c.row, c.col).State; }
    // Places digit d on paper, as a key and a left click would.
    void Place(Cell c, int d) {
        s.DigitKey(d);
        s.CellClick(c.row, c.col, MouseButton::Left);
    }
    // An open cell and another open cell in its row that may hold the first
    // one's solution digit.
    std::pair<Cell, Cell> OpenPeers() const {
        for (Cell a : CellsIn(kStateOpen))
            for (Cell b : CellsIn(kStateOpen))
                if (a.row == b.row && a.col != b.col &&
                    s.cells()
                            .PeerCandidates(b.row, b.col)
                            .find(static_cast<char>('0' + Solution(a))) != std::string::npos)
                    return {a, b};
        return {};
    }
};

inline std::string Digit(int d) {
    return std::string(1, static_cast<char>('0' + d));
}

} // namespace velmar::test
