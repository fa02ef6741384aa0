// SPDX-License-Identifier: GPL-3.0-or-later
// The small parts of a play session's state, each a value with one owner:
// the session changes them only in its own calls and tells its listener
// which part changed.
#pragma once

#include <array>
#include <string>
#include <utility>

namespace velmar {

// The digits down on the selector and how they group: one digit at a time
// ("Pencil and Paper", "All Candidates") or several ("Part Candidates").
class DigitSelection {
  public:
    bool Down(int digit) const { return down_[digit - 1]; }
    // The one digit down, or 0 when none or several are.
    int Selected() const;
    bool AnyDown() const;
    bool single() const { return single_; }
    bool allowAllUp() const { return allowAllUp_; }

    // This digit down alone.
    void Press(int digit);
    // A digit up or down among several; the last one down stays down.
    void Toggle(int digit);
    // One digit at a time or several; of several down the lowest stays.
    // False when the grouping was already so.
    bool SetSingle(bool single);
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
    // Tab's order: the digit after the first one down in 9, 1, 2, ..., 8.
    int Next() const;

  private:
    std::array<bool, 9> down_{};
    bool single_ = true;
    bool allowAllUp_ = false;
};

// The Enabled states of Start, Accept and Reject Branch.
struct BranchButtons {
    bool Start = false;
    bool Accept = false;
    bool Reject = false;
};

// One branch at a time: the buttons and, while a branch is open, the board
// it started from as a position line.
struct BranchState {
    BranchButtons buttons;
    std::string snapshot;

    // No branch open; one can start.
    static BranchState Ready() { return {{true, false, false}, {}}; }
    // A branch open from that position.
    static BranchState OpenAt(std::string snapshot) {
        return {{false, true, true}, std::move(snapshot)};
    }
    // A finished game has no branch to start or close.
    static BranchState Closed() { return {}; }
};

// Whether the game is over. The badge follows the board on show (history
// browsing shows earlier, unsolved steps); once the game reached its
// solution it is celebrated once and its board takes no more moves.
struct FinishState {
    bool solvedOnShow = false;
    bool reached = false;
};

// The candidate tile's target cell, while the tile is open.
struct TileTarget {
    bool open = false;
    int row = 1;
    int col = 1;
};

} // namespace velmar
