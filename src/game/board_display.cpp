// SPDX-License-Identifier: GPL-3.0-or-later
// The redraws only compute each cell's look from the cells and the
// properties; whoever paints the board compares looks to repaint only what
// changed.
#include "game/board_display.h"

namespace velmar {

namespace {

bool HasDigit(const std::string& text, int digit) {
    return text.find(static_cast<char>('0' + digit)) != std::string::npos;
}

template <typename F> void ForEachCell(F f) {
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) f(r, c);
}

} // namespace

BoardProperties MainBoardProperties() {
    BoardProperties p;
    p.UNFoucsColor1 = p.UNFoucsColor2 = p.FoucsColor1 = p.FoucsColor2 = 14284791;
    p.FONTSize1 = p.FONTSize2 = 20;
    p.FONTSize3 = 10;
    p.FONTColor1 = kBlack;
    p.FONTColor2 = kBlue;
    p.FONTColor3 = kBlack;
    p.errorcolor = 239;
    p.highcolor = 9813909;
    return p;
}

BoardDisplay::BoardDisplay(const BoardProperties& properties) : props_(properties) {
    ForEachCell([&](int r, int c) {
        CellLook& l = at(r, c);
        l.background = BoxColor(r, c);
        l.candidateBackground.fill(l.background);
        l.captionSize = props_.FONTSize2;
        l.captionColor = props_.FONTColor2;
        l.candidateSize = props_.FONTSize3;
        l.candidateColor = props_.FONTColor3;
    });
    RedrawFull();
}

int BoardDisplay::LoneCandidate(int row, int col) const {
    const TPicNode& n = cells_.cell(row, col);
    if (n.State != kStateOpen || n.Text.size() != 1 || n.Text[0] < '1' || n.Text[0] > '9') return 0;
    const int digit = n.Text[0] - '0';
    return look(row, col).candidateVisible[digit - 1] ? digit : 0;
}

TColor BoardDisplay::BoxColor(int row, int col) const {
    return BoardCells::BoxOf(row, col) % 2 == 0 ? props_.UNFoucsColor2 : props_.UNFoucsColor1;
}

TColor BoardDisplay::DefaultColor(int row, int col, int selectedDigit) const {
    const TPicNode& n = cells_.cell(row, col);
    TColor colour = BoxColor(row, col);
    if (n.State != kStateOpen && selectedDigit != 0 &&
        n.Text == std::string(1, static_cast<char>('0' + selectedDigit)))
        colour = props_.highcolor;
    if (n.ErrorMark) colour = props_.errorcolor;
    return colour;
}

void BoardDisplay::PaintShared(int row, int col, CellLook& l) const {
    const TPicNode& n = cells_.cell(row, col);
    if (n.ErrorMark) {
        l.background = props_.errorcolor;
    } else {
        l.caption.clear();
        l.background = BoxColor(row, col);
    }
    if (n.State == kStateOpen) {
        l.caption.clear();
        l.candidateSize = props_.FONTSize3;
        l.candidateColor = props_.FONTColor3;
        return;
    }
    // A filled cell shows its digit; its candidate squares would cover it.
    const bool given = n.State == kStateGiven;
    l.caption = n.Text;
    l.captionSize = given ? props_.FONTSize1 : props_.FONTSize2;
    l.captionColor = given ? props_.FONTColor1 : props_.FONTColor2;
    l.candidateVisible.fill(false);
}

void BoardDisplay::ShowHeldCandidates(int row, int col) {
    CellLook& l = at(row, col);
    for (int d = 1; d <= 9; ++d) l.candidateVisible[d - 1] = HasDigit(node(row, col).Text, d);
}

void BoardDisplay::ShowBigDigit(int row, int col) {
    CellLook& l = at(row, col);
    l.caption = node(row, col).Text;
    l.candidateVisible.fill(false);
    l.captionSize = props_.FONTSize2;
    l.captionColor = props_.FONTColor2;
}

void BoardDisplay::RedrawPencil() {
    ForEachCell([&](int r, int c) {
        const TPicNode& n = cells_.cell(r, c);
        CellLook& l = at(r, c);
        if (n.CandHidden == 1) l.candidateVisible.fill(false);
        PaintShared(r, c, l);
        if (n.State == kStateOpen) ShowHeldCandidates(r, c);
    });
}

void BoardDisplay::RedrawAll() {
    RedrawFiltered("123456789");
}

void BoardDisplay::RedrawForDigit(int digit) {
    RedrawFiltered(std::string(1, static_cast<char>('0' + digit)));
}

void BoardDisplay::RedrawFiltered(const std::string& digits) {
    ForEachCell([&](int r, int c) {
        const TPicNode& n = cells_.cell(r, c);
        CellLook& l = at(r, c);
        PaintShared(r, c, l);
        if (n.State != kStateOpen) return;
        if (n.Text.size() == 1 || n.Text.find_first_of(digits) != std::string::npos)
            ShowHeldCandidates(r, c);
        else
            l.candidateVisible.fill(false);
    });
}

void BoardDisplay::RedrawFull() {
    ForEachCell([&](int r, int c) {
        const TPicNode& n = cells_.cell(r, c);
        CellLook& l = at(r, c);
        if (n.ErrorMark)
            l.background = props_.errorcolor;
        else
            l.candidateBackground.fill(BoxColor(r, c));
        if (n.State == kStateGiven || n.Text.size() == 1) {
            const bool given = n.State == kStateGiven;
            l.candidateVisible.fill(false);
            l.caption = n.Text;
            l.captionSize = given ? props_.FONTSize1 : props_.FONTSize2;
            l.captionColor = given ? props_.FONTColor1 : props_.FONTColor2;
        } else {
            l.caption.clear();
            l.candidateSize = props_.FONTSize3;
            l.candidateColor = props_.FONTColor3;
            ShowHeldCandidates(r, c);
        }
    });
}

void BoardDisplay::HideMultiCandidates() {
    ForEachCell([&](int r, int c) {
        if (cells_.cell(r, c).Text.size() != 1) HideCandidates(r, c);
    });
}

void BoardDisplay::SetAllCandidateFontSize(int pointSize) {
    for (CellLook& l : looks_) l.candidateSize = pointSize;
}

} // namespace velmar
