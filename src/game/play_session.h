// SPDX-License-Identifier: GPL-3.0-or-later
// PlaySession: one game in play, without any window. It owns the game
// position (TQJ), the board with its looks, the step log, the colour marks,
// the operation mode, the selected digits, auto update, marking, the level,
// the tile's open mark and the finish state, and it runs every play
// operation. Windows turn clicks and keys into these calls and mirror what
// the one listener is told; they never change the board themselves.
#pragma once

#include "game/board_display.h"
#include "game/color_marks.h"
#include "game/game_start.h"
#include "game/session_state.h"
#include "hints/hint_dialog_model.h"
#include "history/step_log.h"
#include "model/tqj.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

class PuzzleBank;
class Random;

enum class OperationMode { PencilAndPaper, AllCandidates, PartCandidates };
enum class StepMove { First, Back, Next, Last };
enum class MouseButton { Left, Right };

// What a notification says has changed; the listener reads the new state
// from the session.
enum SessionChange : unsigned {
    kChangedBoard = 1u << 0,    // cells, their looks or the board's properties
    kChangedMode = 1u << 1,     // operation mode and auto update's enabled state
    kChangedDigits = 1u << 2,   // which digits are selected
    kChangedCounters = 1u << 3, // the nine digit counts
    kChangedSteps = 1u << 4,    // the step buttons
    kChangedFinish = 1u << 5,   // the finish badge
    kChangedCommands = 1u << 6, // branch buttons, marking, auto update
    kChangedGame = 1u << 7,     // a game was loaded: level, board enabled
    kChangedLog = 1u << 8,      // the step log's entries (what the last-game file keeps)
};

// What "Show Solution" has to show.
struct SolutionReport {
    enum Kind { Known, One, None, Several } kind = None;
    std::string first;  // the solution of Known and One, the first of Several
    std::string second; // the second solution of Several
};

class SessionListener {
  public:
    virtual ~SessionListener() = default;
    // Changes batched over one operation: bits of SessionChange.
    virtual void SessionChanged(unsigned changes) = 0;
    // A Yes/No question by string-table keys; true only for Yes.
    virtual bool AskYesNo(std::string_view titleKey, std::string_view textKey) = 0;
    // A message by key, shown with the information title.
    virtual void Inform(std::string_view messageKey) = 0;
    // The clock starts (from zero when fromZero) or stops.
    virtual void ClockSet(bool running, bool fromZero) = 0;
    // The candidate tile opens for a cell, or closes.
    virtual void TileOpened(int row, int col) = 0;
    virtual void TileClosed() = 0;
};

class PlaySession {
  public:
    PlaySession(const PuzzleBank& bank, Random& random);

    // The one listener; it must outlive the session or be unset.
    void SetListener(SessionListener* listener) { listener_ = listener; }

    // What is shown and kept.
    const BoardDisplay& board() const { return board_; }
    const BoardCells& cells() const { return board_.cells(); }
    const TQJ& model() const { return QJ1_; }
    const StepLog& stepLog() const { return frmstep_; }
    const ColorMarkStore& marks() const { return marks_; }
    OperationMode mode() const { return mode_; }
    bool gameLoaded() const { return gameLoaded_; }
    int level() const { return board_.properties().nd; }
    // The finish badge: the board on show is solved.
    bool finished() const { return finish_.solvedOnShow; }
    // The game reached its solution: its board takes no more moves, while
    // the step buttons still browse its history.
    bool locked() const { return finish_.reached; }
    bool clockRunning() const { return clockRunning_; }
    bool candidatesOn() const { return candidatesOn_; }
    const std::array<int, 9>& counts() const { return counts_; }
    StepButtons stepButtons() const { return stepButtons_; }
    BranchButtons branchButtons() const { return branch_.buttons; }

    // Digits: a digit is down or up as its selector button shows it.
    const DigitSelection& digits() const { return digits_; }
    bool DigitDown(int digit) const { return digits_.Down(digit); }
    // The one digit down, or 0 when none or several are.
    int SelectedDigit() const { return digits_.Selected(); }
    // The digits whose candidates are shown (see the mode rules).
    std::string DisplayDigits() const;
    // One digit at a time in "Pencil and Paper" and "All Candidates".
    bool SingleDigit() const { return digits_.single(); }
    bool AllowAllUp() const { return digits_.allowAllUp(); }

    bool autoUpdate() const { return autoUpdate_; }
    bool autoUpdateEnabled() const { return autoUpdateEnabled_; }
    bool AutoUpdateActive() const { return autoUpdate_ && autoUpdateEnabled_; }
    bool marking() const { return marking_; }
    TColor markColour() const { return markColour_; }
    bool tileOpen() const { return tile_.open; }
    int tileRow() const { return tile_.row; }
    int tileCol() const { return tile_.col; }

    // The one entry that begins a game, whatever it comes from; it alone
    // resets play. False, and the game stays as it is, when the start cannot
    // be made (a bank list too short to draw from, givens that are not 81
    // digits, nothing to restart) or the player declines a restart.
    bool BeginGame(const GameStart& start);
    // Shorthands for the usual starts.
    bool NewGame(int level) { return BeginGame(GameStart::Deal(level)); }
    bool StartPuzzle(std::string_view givens, std::string_view solution, int level) {
        return BeginGame(GameStart::Puzzle(givens, solution, level));
    }
    // Edited candidate lists play in "All Candidates", anything else in
    // "Pencil and Paper" with empty open cells.
    void StartImported(const TQJ& game, const BoardCells& board) {
        BeginGame(GameStart::Imported(game, board));
    }
    bool RestartGame() { return BeginGame(GameStart::Restart()); }

    // Play input.
    void CellClick(int row, int col, MouseButton button);
    void CandidateClick(int row, int col, int digit, MouseButton button);
    void SelectDigit(int digit);
    // A key 1..9 on the main window.
    void DigitKey(int digit);
    // Tab: the digit after the first one down in the order 9, 1, 2, ..., 8.
    void NextDigit();
    // Right click on a digit button: several digits in "Part Candidates".
    void DigitRightClick(int digit);
    // The player chose a mode. Leaving edited candidates for "Pencil and
    // Paper" asks first; false when the mode stays.
    bool ChooseMode(OperationMode mode);
    // The program selects a mode as a click on its button, without asking.
    void SelectMode(OperationMode mode);
    void SetAutoUpdate(bool on);
    void SetMarking(bool on);
    void SetMarkColour(TColor colour) { markColour_ = colour; }
    // "Clear Marking".
    void ClearMarks();
    // The board as changed outside a move (the tile's edits, a position
    // loaded): the counters follow and it becomes a step.
    void CommitEdit();

    // The candidate tile on its target cell.
    void WriteTile(const std::string& digits);
    void AutoFillTile();
    // Closes the tile; keepMark leaves the open mark for the click that
    // brought the player back to the board.
    void CloseTile(bool keepMark = false);

    // Checking and the solution.
    void CheckError();
    SolutionReport FindSolution() const;

    // The move history.
    void GoStep(StepMove move);
    // A stored position onto the board, then the mode its candidates call
    // for; false (nothing changed) for a damaged line.
    bool LoadPosition(std::string_view line);
    // The board as a new step when it differs from the step shown.
    void RecordStep();

    // Game files, each read and checked whole before it reaches the session,
    // so a load never stops half way. The game in play as a last-game or
    // replay file.
    GameFile CurrentGameFile() const;
    // Whether there is a game to keep: not before the first game started.
    bool HasGameToSave() const;
    // Continue or Load Replay: a new game whose log is the file's steps, the
    // board showing the last one as Last Step does.
    void LoadGameFile(const GameFile& file, GameFileUse use) {
        BeginGame(GameStart::FromFile(file, use));
    }
    // The board as a saved game of that name and level.
    SavedGame CurrentSavedGame(std::string_view name, int level) const;
    // A saved game in play: a new log from its position; its candidates are
    // kept ("All Candidates") only when the player edited all of them.
    void OpenSavedGame(const SavedGame& game) { BeginGame(GameStart::FromSaved(game)); }
    // Before the board is copied as text: every empty cell that is not a
    // given gets its computed candidates, recorded as a step like any change
    // of the board. False when nothing changed (or no game is loaded).
    bool FillBeforeCopy();

    // New colours and fonts for the board (the appearance settings).
    void SetProperties(const BoardProperties& properties);

    // The hint dialog's run. Opening resets the engine on this board, finds
    // the first hint and colours its cells; false, and nothing happens,
    // without a game.
    bool OpenHints();
    // The dialog's action button: places a waiting single or copies a
    // waiting elimination (one step of the log when the board changed), or
    // searches for the next hint.
    void HintAction();
    // The dialog closed: the counters are recounted, the board shows its
    // usual colours again, and a complete correct board finishes the game.
    void CloseHints();
    const std::string& hintText() const { return hints_.text(); }
    // Hints in stages: the shown hint made smaller (its first stage, and the
    // rest of the run starts there) or one stage bigger, board colours too.
    void ShowSmallerHint(bool smaller);
    bool hintShowsDeduction() const { return hints_.showsDeduction(); }
    int hintStage() const { return hints_.stage(); }
    // The action button reads "Do It For Me" (else "Next Hint").
    bool hintOffersDoItForMe() const { return hints_.offersDoItForMe(); }
    // The next press searches, so "Thinking..." shows while it runs.
    bool hintSearchesNext() const { return hints_.nextRequestSearches(); }
    const HintEngine& hintEngine() const { return hints_.engine(); }
    // The "Advanced techniques" setting, passed on to the hint engine.
    void SetAdvancedTechniques(bool on) { hints_.setAdvanced(on); }
    bool AdvancedTechniques() const { return hints_.advanced(); }

    // Branches: one at a time. Start remembers the board as a position line,
    // Accept keeps what was played, Reject puts the remembered board back as
    // a new step. Each does nothing while its button is disabled.
    void StartBranch();
    void AcceptBranch();
    void RejectBranch();
    const std::string& branchSnapshot() const { return branch_.snapshot; }

  private:
    // Notifications are gathered over an operation and sent once at its end.
    class Batch {
      public:
        explicit Batch(PlaySession& s) : s_(s) { ++s_.depth_; }
        ~Batch() {
            if (--s_.depth_ == 0) s_.Flush();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

      private:
        PlaySession& s_;
    };
    void Changed(unsigned changes) { pending_ |= changes; }
    void Flush();

    bool CanBegin(const GameStart& start) const;
    void ResetPlay();
    void LoadStartPosition(const GameStart& start);
    void PlaceGivens(std::string_view givens);
    void PlaceBoard(const BoardCells& position);
    void ShowStartPosition(bool keepEditedCandidates);
    void ResumeLog(const GameStart& start);
    void ModeChanged(OperationMode mode);
    bool ConfirmPencilMode();
    void FillCandidates();
    void PressDigit(int digit);
    void SetDigitGrouping(bool single);
    void SetBranch(BranchState branch);
    void SetFinish(FinishState finish);
    void AfterMove(std::string_view messageKey, bool cellPath);
    void RedrawForMode();
    // The one tail after a move: the counters, the step, the board drawn for
    // its mode with the highlight and the colour marks.
    void Settle();
    // The nine digit counts; counting records nothing.
    void Recount();
    void ShowStep(std::string_view line);
    void MarkClick(int row, int col, int digit, MouseButton button);
    bool CloseTileForClick();
    void OpenTile(int row, int col);
    void ApplyMarksNow();
    void SetStepButtons(const StepButtons& buttons);
    void SetClock(bool running, bool fromZero);
    void ShowStoredPosition(std::string_view line);
    void ShowHintOnBoard();
    void ShowCopiedHint();

    const PuzzleBank& bank_;
    Random& random_;
    SessionListener* listener_ = nullptr;
    unsigned pending_ = 0;
    int depth_ = 0;
    std::uint64_t reportedLog_ = 0; // the log revision last reported

    TQJ QJ1_;
    BoardDisplay board_;
    StepLog frmstep_;
    ColorMarkStore marks_;
    OperationMode mode_ = OperationMode::PencilAndPaper;
    DigitSelection digits_;
    bool candidatesOn_ = false;
    bool autoUpdate_ = true;
    bool autoUpdateEnabled_ = false;
    bool marking_ = false;
    TColor markColour_ = 0;
    bool gameLoaded_ = false;
    FinishState finish_;
    bool clockRunning_ = false;
    TileTarget tile_;
    std::array<int, 9> counts_{};
    StepButtons stepButtons_;
    BranchState branch_;
    HintDialogModel hints_{board_.cells()};
};

} // namespace velmar
