// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/import_or_create_model.h"

#include "model/tqj.h"

namespace velmar {

namespace {

constexpr int kCells = 81;
constexpr const char* kAllDigits = "123456789";

int RowOf(int i) {
    return i / 9 + 1;
}
int ColOf(int i) {
    return i % 9 + 1;
}

bool IsDigit(char ch) {
    return ch >= '1' && ch <= '9';
}

// The digits of a candidate text, each once, in the order first written. A
// candidate grid may repeat a digit inside a group; the game's position
// lines hold every candidate once.
std::string WithoutRepeats(const std::string& text) {
    std::string out;
    unsigned seen = 0;
    for (char ch : text) {
        if (!IsDigit(ch)) continue;
        const unsigned bit = 1u << (ch - '1');
        if (seen & bit) continue;
        seen |= bit;
        out += ch;
    }
    return out;
}

} // namespace

ImportOrCreateModel::ImportOrCreateModel(BoardCells& grid) : grid_(grid) {
    ClearGrid();
}

void ImportOrCreateModel::ClearGrid() {
    for (int i = 0; i < kCells; ++i) {
        grid_.at(i).State = kStateOpen;
        grid_.at(i).Text = kAllDigits;
    }
    grid_.FindConflict();
}

int ImportOrCreateModel::ImportText(std::string_view utf8Text) {
    PuzzleTextImport imported = ImportPuzzleText(utf8Text);
    if (imported.layout != kLayoutInvalid) {
        for (int i = 0; i < kCells; ++i) {
            grid_.at(i).State = imported.grid.at(i).State;
            grid_.at(i).Text = std::move(imported.grid.at(i).Text);
        }
    }
    grid_.FindConflict();
    return imported.layout;
}

void ImportOrCreateModel::LoadPuzzle(const BoardCells& mainBoard) {
    for (int i = 0; i < kCells; ++i) {
        const std::string& text = mainBoard.at(i).Text;
        grid_.at(i).State = text.size() == 1 ? kStatePlaced : kStateOpen;
        grid_.at(i).Text = text.size() == 1 ? text : kAllDigits;
    }
    for (int i = 0; i < kCells; ++i)
        if (grid_.at(i).State == kStateOpen)
            grid_.at(i).Text = grid_.PeerCandidates(RowOf(i), ColOf(i));
    // Marks left from the grid before would sit on the wrong cells.
    grid_.FindConflict();
}

bool ImportOrCreateModel::PlaceCandidate(int row, int col, char digit) {
    TPicNode& node = grid_.cell(row, col);
    if (node.State != kStateOpen || !IsDigit(digit) || node.Text.find(digit) == std::string::npos)
        return false;
    node.Text.assign(1, digit);
    node.State = kStatePlaced;
    grid_.RemoveFromPeers(row, col);
    grid_.FindConflict();
    return true;
}

bool ImportOrCreateModel::RemoveCandidate(int row, int col, char digit) {
    TPicNode& node = grid_.cell(row, col);
    const auto pos = IsDigit(digit) ? node.Text.find(digit) : std::string::npos;
    if (node.State != kStateOpen || pos == std::string::npos) return false;
    node.Text.erase(pos, 1);
    grid_.FindConflict();
    return true;
}

void ImportOrCreateModel::ReopenCell(int row, int col) {
    TPicNode& node = grid_.cell(row, col);
    const std::string former = node.Text;
    node.Text = grid_.PeerCandidates(row, col);
    node.State = kStateOpen;
    // Only a single digit was ever taken from the peers.
    if (former.size() == 1) grid_.RestoreToPeers(row, col, former[0]);
    grid_.FindConflict();
}

std::string ImportOrCreateModel::PuzzleString() const {
    std::string puzzle(kCells, '*');
    for (int i = 0; i < kCells; ++i)
        if (grid_.at(i).Text.size() == 1) puzzle[i] = grid_.at(i).Text[0];
    return puzzle;
}

UniquenessReport ImportOrCreateModel::CheckPuzzle() const {
    return TestUniquenessDialog(PuzzleString());
}

std::string_view ImportOrCreateModel::CheckMessageKey(int result) {
    switch (result) {
    case kOneSolution:
        return "msg_frm_new_onesolve";
    case kSeveralSolutions:
        return "msg_frm_new_twosolve2";
    default:
        return "msg_frm_new_nosolve2";
    }
}

PlayCheck ImportOrCreateModel::CheckForPlay() const {
    PlayCheck check;
    check.report = CheckPuzzle();
    switch (check.report.result) {
    case kOneSolution:
        check.gate = PlayGate::kStart;
        break;
    case kSeveralSolutions:
        check.gate = PlayGate::kAsk;
        check.messageKey = "msg_frm_new_twosolve";
        break;
    default:
        check.gate = PlayGate::kRefuse;
        check.messageKey = "msg_frm_new_nosolve";
        break;
    }
    return check;
}

std::optional<PlayMode> ImportOrCreateModel::StartGame(const UniquenessReport& report, TQJ& game,
                                                       BoardCells& mainBoard) const {
    if (report.result != kOneSolution && report.result != kSeveralSolutions) return std::nullopt;
    game.ClearSolution();
    for (int i = 0; i < kCells; ++i) {
        const TPicNode& source = grid_.at(i);
        // A placed cell whose digit a peer's placement took away holds
        // nothing: it goes over as an open cell, never as a given without a
        // digit.
        const bool given =
            source.State == kStatePlaced && source.Text.size() == 1 && IsDigit(source.Text[0]);
        TPicNode& target = mainBoard.at(i);
        target.State = given ? kStateGiven : kStateOpen;
        target.Text = given ? source.Text : WithoutRepeats(source.Text);
        target.ErrorMark = false;
        TNode& node = game.node(RowOf(i), ColOf(i));
        node.Row = RowOf(i);
        node.Col = ColOf(i);
        node.Fixed = given;
        node.Digit = given ? source.Text[0] - '0' : 0;
    }
    if (report.result == kOneSolution) game.LoadSolutionString(report.first);
    if (mainBoard.CandidateState() == kCandidatesEdited) return PlayMode::kAllCandidates;
    for (int i = 0; i < kCells; ++i)
        if (mainBoard.at(i).State != kStateGiven) mainBoard.at(i).Text.clear();
    return PlayMode::kPencilAndPaper;
}

} // namespace velmar
