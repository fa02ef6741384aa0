// SPDX-License-Identifier: GPL-3.0-or-later
// Board-wide operations on the 81 cell records: candidates from filled peers,
// peer pruning and restoring, conflict marking and the finish test. Cell texts
// are plain digit strings; a digit taken from a text is always its first
// occurrence, a digit given back is appended, so an open cell's candidate
// order records the play.
#include "board/board_cells.h"

#include <algorithm>

namespace velmar {

namespace {

constexpr int kCells = 81;

int RowOf(int i) {
    return i / 9 + 1;
}
int ColOf(int i) {
    return i % 9 + 1;
}
int IndexOf(int row, int col) {
    return (row - 1) * 9 + (col - 1);
}

bool IsFilled(const TPicNode& node) {
    return node.State != kStateOpen;
}

// One bit per digit 1..9 that occurs in text; other characters are ignored.
unsigned DigitBits(const std::string& text) {
    unsigned bits = 0;
    for (char ch : text)
        if (ch >= '1' && ch <= '9') bits |= 1u << (ch - '1');
    return bits;
}

std::string DigitsNotIn(unsigned bits) {
    std::string out;
    for (int d = 0; d < 9; ++d)
        if (!(bits & (1u << d))) out += static_cast<char>('1' + d);
    return out;
}

std::array<std::array<int, 20>, kCells> BuildPeers() {
    std::array<std::array<int, 20>, kCells> peers{};
    for (int i = 0; i < kCells; ++i) {
        int n = 0;
        for (int j = 0; j < kCells; ++j) {
            if (j == i) continue;
            if (RowOf(j) == RowOf(i) || ColOf(j) == ColOf(i) ||
                BoardCells::BoxOf(RowOf(j), ColOf(j)) == BoardCells::BoxOf(RowOf(i), ColOf(i)))
                peers[i][n++] = j;
        }
    }
    return peers;
}

} // namespace

BoardCells::BoardCells() {
    for (int i = 0; i < kCells; ++i) {
        cells_[i].Row = RowOf(i);
        cells_[i].Col = ColOf(i);
        cells_[i].State = kStatePlaced;
    }
}

int BoardCells::BoxOf(int row, int col) {
    return 3 * ((row - 1) / 3) + (col - 1) / 3 + 1;
}

const std::array<int, 20>& BoardCells::PeersOf(int index) {
    static const auto peers = BuildPeers();
    return peers[index];
}

std::string BoardCells::PeerCandidates(int row, int col) const {
    unsigned held = 0;
    for (int p : PeersOf(IndexOf(row, col)))
        if (IsFilled(cells_[p])) held |= DigitBits(cells_[p].Text);
    return DigitsNotIn(held);
}

std::string BoardCells::PrunedCandidates(int row, int col) const {
    // Removing one first occurrence per peer character is a per-character
    // count going down (never below zero).
    std::array<int, 256> count{};
    for (unsigned char ch : cell(row, col).Text) ++count[ch];
    for (int p : PeersOf(IndexOf(row, col))) {
        if (!IsFilled(cells_[p])) continue;
        for (unsigned char ch : cells_[p].Text)
            if (count[ch] > 0) --count[ch];
    }
    std::string out;
    for (char d = '1'; d <= '9'; ++d)
        if (count[static_cast<unsigned char>(d)] > 0) out += d;
    return out;
}

void BoardCells::RemoveFromPeers(int row, int col) {
    const std::string& text = cell(row, col).Text;
    if (text.size() != 1) return;
    const char digit = text[0];
    for (int p : PeersOf(IndexOf(row, col))) {
        TPicNode& peer = cells_[p];
        if (peer.State == kStateGiven) continue;
        const auto pos = peer.Text.find(digit);
        if (pos != std::string::npos) peer.Text.erase(pos, 1);
    }
}

void BoardCells::RestoreToPeers(int row, int col, char digit) {
    if (digit < '1' || digit > '9') return;
    // Appending to open cells never changes which cells are filled, so each
    // peer's own candidates can be read in any order. Peers are found by board
    // position, not by the Row/Col fields a caller may have disturbed.
    for (int p : PeersOf(IndexOf(row, col))) {
        TPicNode& peer = cells_[p];
        if (peer.State != kStateOpen) continue;
        if (peer.Text.find(digit) != std::string::npos) continue;
        if (PeerCandidates(RowOf(p), ColOf(p)).find(digit) == std::string::npos) continue;
        peer.Text += digit;
    }
}

bool BoardCells::FindConflict() {
    // Every clash is marked: with only the first pair marked, a second one
    // would show as a plain (even highlighted) digit.
    bool found = false;
    for (int i = 0; i < kCells; ++i) {
        TPicNode& node = cells_[i];
        node.ErrorMark = false;
        // A filled cell without a digit (a placed digit pruned away, the
        // start-up board) holds nothing that could clash.
        if (!IsFilled(node) || node.Text.empty()) continue;
        for (int p : PeersOf(i))
            if (IsFilled(cells_[p]) && cells_[p].Text == node.Text) node.ErrorMark = true;
        found = found || node.ErrorMark;
    }
    return found;
}

bool BoardCells::HasErrorMark() const {
    return std::any_of(cells_.begin(), cells_.end(),
                       [](const TPicNode& node) { return node.ErrorMark; });
}

bool BoardCells::IsSolved() {
    for (const TPicNode& node : cells_) {
        if (!IsFilled(node)) return false;
        // Also guards the start-up board, whose givens have no text.
        if (node.Text.size() != 1 || node.Text[0] < '1' || node.Text[0] > '9') return false;
    }
    return !FindConflict();
}

std::string BoardCells::GivensFromBoard() const {
    std::string out;
    out.reserve(kCells);
    for (const TPicNode& node : cells_) out += node.State == kStateGiven ? node.Text : "0";
    return out;
}

int BoardCells::CandidateState() const {
    bool anyText = false;
    bool anyEmpty = false;
    bool anyEdited = false;
    for (int i = 0; i < kCells; ++i) {
        const TPicNode& node = cells_[i];
        if (node.State != kStateOpen) continue;
        if (node.Text.empty()) {
            anyEmpty = true;
            continue;
        }
        anyText = true;
        // Same digit set, order ignored; a stray character counts as an edit.
        std::string sorted = node.Text;
        std::sort(sorted.begin(), sorted.end());
        sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
        if (sorted != PeerCandidates(RowOf(i), ColOf(i))) anyEdited = true;
    }
    if (!anyText) return kCandidatesNone;
    if (anyEmpty) return kCandidatesPartial;
    return anyEdited ? kCandidatesEdited : kCandidatesExact;
}

} // namespace velmar
