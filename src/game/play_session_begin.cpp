// SPDX-License-Identifier: GPL-3.0-or-later
// Beginning a game, whatever it comes from: the one place that resets play.
// Every start runs the same four stages: the old game's play state goes, the
// new position comes onto the board, the board is shown with digit 1
// selected and a fresh log and clock, and a resumed game steps to its last
// recorded position.
#include "game/play_session.h"

#include "bank/deal.h"
#include "bank/puzzle_bank.h"
#include "history/game_file.h"
#include "model/levels.h"
#include "storage/saved_games.h"

namespace velmar {

namespace {

bool IsGivensString(std::string_view givens) {
    if (givens.size() != 81) return false;
    for (char ch : givens)
        if (ch < '0' || ch > '9') return false;
    return true;
}

} // namespace

bool PlaySession::CanBegin(const GameStart& start) const {
    switch (start.source) {
    case GameSource::BankDeal:
        return start.level >= 0 && start.level < kBankLevels && bank_.lineCount(start.level) >= 2;
    case GameSource::Restart:
        return QJ1_.GetGivensString() != std::string(81, '0');
    case GameSource::Import:
        return true;
    default:
        return IsGivensString(start.givens) && start.level >= 0 && start.level <= kUnknownLevel;
    }
}

bool PlaySession::BeginGame(const GameStart& start) {
    if (!CanBegin(start)) return false;
    if (start.source == GameSource::Restart &&
        (!listener_ || !listener_->AskYesNo("msg_title_confirm", "msg_restart")))
        return false;
    const Batch batch(*this);
    ResetPlay();
    LoadStartPosition(start);
    ShowStartPosition(start.source == GameSource::Import);
    if (start.resumesLog()) ResumeLog(start);
    return true;
}

void PlaySession::ResetPlay() {
    CloseTile();
    for (int i = 0; i < 81; ++i) {
        board_.cells().at(i).State = kStateOpen;
        board_.cells().at(i).Text.clear();
    }
    ResetColors(board_, marks_, SelectedDigit(), true);
    marking_ = false;
    // The board is empty, so leaving a candidate mode asks nothing.
    SelectMode(OperationMode::PencilAndPaper);
    PressDigit(1);
    autoUpdateEnabled_ = false;
    candidatesOn_ = false;
    SetFinish({});
    // A fresh start closes any branch, also one a finish closed for good.
    SetBranch(BranchState::Ready());
    gameLoaded_ = true;
    Changed(kChangedGame | kChangedBoard);
}

void PlaySession::LoadStartPosition(const GameStart& start) {
    switch (start.source) {
    case GameSource::BankDeal:
        QJ1_.ClearSolution();
        DealGame(bank_, start.level, random_, QJ1_);
        PlaceGivens(QJ1_.GetGivensString());
        board_.properties().nd = start.level;
        break;
    case GameSource::Restart:
        PlaceGivens(QJ1_.GetGivensString());
        break;
    case GameSource::Import:
        QJ1_ = start.game;
        PlaceBoard(start.board);
        board_.properties().nd = start.level;
        break;
    default:
        QJ1_.ClearSolution();
        QJ1_.LoadGivens(start.givens);
        // Without a solution the givens keep their digits, so the game still
        // counts as loaded (Restart, the last-game file).
        if (!start.solution.empty()) QJ1_.LoadSolutionString(start.solution);
        PlaceGivens(start.givens);
        board_.properties().nd = start.level;
        break;
    }
    board_.cells().FindConflict();
}

void PlaySession::PlaceGivens(std::string_view givens) {
    BoardCells position;
    for (int i = 0; i < 81; ++i) {
        const bool given = givens[i] != '0';
        position.at(i).State = given ? kStateGiven : kStateOpen;
        position.at(i).Text = given ? std::string(1, givens[i]) : std::string();
    }
    PlaceBoard(position);
}

void PlaySession::PlaceBoard(const BoardCells& position) {
    BoardCells& cells = board_.cells();
    for (int i = 0; i < 81; ++i) {
        TPicNode& n = cells.at(i);
        n.State = position.at(i).State;
        n.Text = position.at(i).Text;
        n.CandHidden = 0;
        n.ErrorMark = false;
        board_.HideCandidates(n.Row, n.Col);
    }
}

void PlaySession::ShowStartPosition(bool keepEditedCandidates) {
    BoardCells& cells = board_.cells();
    // A built board's own candidate lists are kept, not computed again.
    if (keepEditedCandidates && cells.CandidateState() == kCandidatesEdited) {
        SelectMode(OperationMode::AllCandidates);
    } else {
        for (int i = 0; i < 81; ++i)
            if (cells.at(i).State != kStateGiven) cells.at(i).Text.clear();
        board_.HideMultiCandidates();
    }
    SelectDigit(1);
    Recount();
    frmstep_.StartLog(cells);
    SetStepButtons({});
    SetClock(true, true);
}

// Shown as Last Step shows a step: the mode its candidates call for, the
// step buttons, the finish badge.
void PlaySession::ResumeLog(const GameStart& start) {
    frmstep_.LoadEntries(start.steps);
    GoStep(StepMove::Last);
    if (start.source == GameSource::SavedGame) {
        SavedGame saved;
        saved.Board = start.board;
        saved.Solution = start.solution;
        LoadSavedGameModel(saved, QJ1_);
        // The log starts at the position as the player now sees it.
        frmstep_.StartLog(cells());
        SetStepButtons({});
        return;
    }
    // A finished game has nothing left to time.
    const GameFileUse use = start.source == GameSource::LastGame ? GameFileUse::ContinueLastGame
                                                                 : GameFileUse::LoadReplay;
    SetClock(ClockRunsAfterLoad(use) && !finish_.solvedOnShow, true);
}

} // namespace velmar
