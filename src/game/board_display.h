// SPDX-License-Identifier: GPL-3.0-or-later
// BoardDisplay: the player's position together with what the board shows of
// it. It holds the 81 cell records, the board's published properties and, per
// cell, its look (backgrounds, caption, which candidate squares are visible).
// The redraws compute the looks from the cells and the properties; a board
// widget, the picture export or a preview only paint a const BoardDisplay.
// The looks are kept rather than recomputed because play changes them step by
// step (a pencil redraw keeps what the last one hid, a check paints red until
// the next redraw).
#pragma once

#include "board/board_cells.h"
#include "game/colour.h"

#include <array>
#include <string>

namespace velmar {

// The board's published properties; the values are those of a freshly
// constructed board.
struct BoardProperties {
    TColor UNFoucsColor1 = 0xFFFFFF; // boxes 1, 3, 5, 7, 9
    TColor UNFoucsColor2 = 16759739; // boxes 2, 4, 6, 8
    TColor FoucsColor1 = 12043517;   // kept for the appearance settings
    TColor FoucsColor2 = 14538713;
    int FONTSize1 = 25; // givens
    int FONTSize2 = 25; // big digits
    int FONTSize3 = 12; // candidates
    TColor FONTColor1 = kBlack;
    TColor FONTColor2 = 0xFF0000;
    TColor FONTColor3 = 0x000080;
    int nd = 0; // level of the game on the board
    TColor errorcolor = 0x0B2EF4;
    TColor highcolor = 0xB1D3B1;
};

// The values the main board and the solution viewer give their boards.
BoardProperties MainBoardProperties();

struct CellLook {
    TColor background = kWhite;
    std::array<TColor, 9> candidateBackground{};
    std::array<bool, 9> candidateVisible{};
    std::string caption;
    int captionSize = 25;
    TColor captionColor = kBlack;
    int candidateSize = 12;
    TColor candidateColor = 0x000080;

    bool operator==(const CellLook&) const = default;
};

class BoardDisplay {
  public:
    explicit BoardDisplay(const BoardProperties& properties = {});

    BoardCells& cells() { return cells_; }
    const BoardCells& cells() const { return cells_; }
    TPicNode& node(int row, int col) { return cells_.cell(row, col); }
    const TPicNode& node(int row, int col) const { return cells_.cell(row, col); }
    BoardProperties& properties() { return props_; }
    const BoardProperties& properties() const { return props_; }
    const CellLook& look(int row, int col) const { return looks_[(row - 1) * 9 + col - 1]; }

    // The digit of an open cell whose one candidate is shown, else 0. Such a
    // cell is drawn as a big digit in the candidate style.
    int LoneCandidate(int row, int col) const;

    // Redraws for each way of showing the position.
    void RedrawFull();
    void RedrawPencil();
    void RedrawAll();
    void RedrawForDigit(int digit);
    void RedrawFiltered(const std::string& digits);
    void HideMultiCandidates();

    TColor BoxColor(int row, int col) const;
    // The cell's background when nothing marks it: box colour, the highlight
    // for a filled cell holding the selected digit, the error colour last.
    TColor DefaultColor(int row, int col, int selectedDigit) const;

    TColor CellColor(int row, int col) const { return look(row, col).background; }
    void SetCellColor(int row, int col, TColor colour) { at(row, col).background = colour; }
    TColor CandidateColor(int row, int col, int digit) const {
        return look(row, col).candidateBackground[digit - 1];
    }
    void SetCandidateColor(int row, int col, int digit, TColor colour) {
        at(row, col).candidateBackground[digit - 1] = colour;
    }
    // The background of all nine candidate squares.
    void SetCandidatesColor(int row, int col, TColor colour) {
        at(row, col).candidateBackground.fill(colour);
    }
    void SetCaptionColor(int row, int col, TColor colour) { at(row, col).captionColor = colour; }
    TColor CaptionColor(int row, int col) const { return look(row, col).captionColor; }
    const std::string& Caption(int row, int col) const { return look(row, col).caption; }
    bool CandidateVisible(int row, int col, int digit) const {
        return look(row, col).candidateVisible[digit - 1];
    }
    void HideCandidates(int row, int col) { at(row, col).candidateVisible.fill(false); }
    // Candidate d visible exactly when the cell's Text holds d.
    void ShowHeldCandidates(int row, int col);
    // The cell's Text as a big digit in the big-digit font, candidates hidden.
    void ShowBigDigit(int row, int col);
    void SetAllCandidateFontSize(int pointSize);

  private:
    CellLook& at(int row, int col) { return looks_[(row - 1) * 9 + col - 1]; }
    // Shared painting of the redraws: background, caption and candidate font.
    void PaintShared(int row, int col, CellLook& l) const;

    BoardCells cells_;
    BoardProperties props_;
    std::array<CellLook, 81> looks_{};
};

} // namespace velmar
