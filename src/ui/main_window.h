// SPDX-License-Identifier: GPL-3.0-or-later
// TForm1: the main window. It owns the board, the game position model, the
// active string table and the settings, lays out the controls of the classic
// 593 x 540 window, declares every command once as a QAction and runs the
// start-up, language and new-game sequences. Play input beyond digit
// selection and mode switching is wired to handlers that later parts fill in.
#pragma once

#include "board/board_cells.h"
#include "history/step_log.h"
#include "model/tqj.h"
#include "storage/settings_store.h"
#include "text/export_texts.h"
#include "text/language.h"
#include "text/string_table.h"
#include "ui/color_marks.h"
#include "ui/commands.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QRadioButton;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace velmar {

class Prompter;
class PuzzleBank;
class TColorGrid;
class TFrmdas;
class TPICSD33;
class TTimeLabel;
class Tfrmda;
class Tfrmtile;
class Tmousepb;

// What the window is built over; every member left empty takes the real one.
struct MainWindowServices {
    Prompter* prompter = nullptr;        // message boxes
    SettingsBackend* settings = nullptr; // the user's settings store
    const PuzzleBank* bank = nullptr;    // the built-in bank
    QString dataFolder;                  // DataFolder()
};

// What the window hands to the last-game file when it closes.
struct MoveHistoryHook {
    // Called when the window closes, to keep the game for the next start.
    std::function<void()> writeLastGame;
};

enum class OperationMode { PencilAndPaper, AllCandidates, PartCandidates };

class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 593;
    static constexpr int kClientHeight = 540;

    explicit TForm1(MainWindowServices services = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // Game actions.
    void NewGame(int level);
    void CountDigits();
    void SelectDigit(int digit);
    int SelectedDigit() const;
    std::string DisplayDigits() const;
    OperationMode Mode() const { return mode_; }

    // Checking, solution and restart.
    void CheckError();
    void ShowSolution();
    void RestartGame();

    // The move history: the step log and the four step buttons' moves.
    enum class StepMove { First, Back, Next, Last };
    void GoStep(StepMove move);
    // A stored position onto the board, then the mode its candidates call
    // for; false (nothing changed) for a damaged line.
    bool ReadPositionLine(std::string_view line);
    StepLog& stepLog() { return frmstep_; }

    // Language.
    void LoadLanguage(Language language);
    void ApplyLanguage();
    void ApplyStandardFont(QWidget* form);
    bool ExportTextsToDataFolder();
    QString LookupText(std::string_view key) const;
    const StringTable& ActiveTable() const { return active_; }
    Language ActiveLanguage() const { return language_; }

    // What the window is made of, for the parts built on it and for tests.
    QAction* action(Command command) const { return actions_.at(static_cast<size_t>(command)); }
    TPICSD33* board() const { return sd991_; }
    TTimeLabel* clock() const { return TimeLabel1_; }
    QLabel* levelLabel() const { return ndtxt_; }
    QLabel* finishLabel() const { return WC_Label_; }
    bool finishLabelShown() const;
    void SetFinishLabelVisible(bool visible);
    QRadioButton* modeButton(OperationMode mode) const;
    QCheckBox* autoUpdateBox() const { return cbautoupdate_; }
    QCheckBox* markingBox() const { return chkcolor_; }
    TColorGrid* colorGrid() const { return colorgrid1_; }
    QToolButton* digitButton(int digit) const { return disnote_[digit - 1]; }
    Tmousepb* counter(int digit) const { return counters_[digit - 1]; }
    QStatusBar* statusLine() const { return sb1_; }
    QWidget* client() const { return client_; }
    TQJ& model() { return QJ1_; }
    ColorMarkStore& marks() { return marks_; }
    const Settings& settings() const { return settings_; }
    const QString& dataFolder() const { return dataFolder_; }
    bool tileOpen() const;
    Tfrmtile* tile() const { return frmtile_; }
    Tfrmda* solutionViewer() const { return frmda_; }
    TFrmdas* solutionsViewer() const { return Frmdas_; }
    bool candidatesOn() const { return candidatesOn_; }
    bool allowAllUp() const { return allowAllUp_; }

    MoveHistoryHook history;

    // The status line tip: a key's text on the tip colour, or cleared.
    void ShowTip(const QString& text);
    void ClearTip() { ShowTip({}); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Start-up.
    void BuildLayout();
    void BuildCommands();
    void BuildMenus();
    void BuildToolBars();
    void MainWindowCreate();

    // Commands and handlers.
    void Trigger(Command command);
    void ShowContents();
    void ShowAbout();
    void OnModeToggled();
    void ModeChanged(OperationMode newMode);
    void FillCandidates();
    void SetDigitGrouping(bool single);
    void PressDigit(int digit);
    void ApplyMarksNow();
    void SetStepButtons(const StepButtons& buttons);
    bool AutoUpdateActive() const;
    void CellClick(int row, int col, Qt::MouseButton button);
    void CandidateClick(int row, int col, int digit, Qt::MouseButton button);
    void AfterMove(std::string_view messageKey, bool cellPath);
    void RedrawForMode();
    void MarkClick(int row, int col, int digit, Qt::MouseButton button);
    // The press that comes while the tile is open closes it and ends there.
    bool CloseTileForClick();
    void DigitRightClick(int digit);
    // Asked before "Pencil and Paper" is chosen; false stops the change.
    bool ConfirmPencilMode();
    void SelectMode(OperationMode mode);
    void OpenTile(int row, int col);
    void RecordStep();
    void ShowSolutionBoard(const std::string& solution);
    void CellEntered(int row, int col);
    void CandidateEntered();
    void RefreshLevelLabel();
    MainWindowTexts CurrentTexts() const;
    void Relabel(QAction* action, const std::string& name, bool isMenuItem);

    MainWindowServices services_;
    std::unique_ptr<Prompter> ownPrompter_;
    std::unique_ptr<SettingsBackend> ownSettings_;
    Prompter* prompter_ = nullptr;
    SettingsBackend* store_ = nullptr;
    const PuzzleBank* bank_ = nullptr;

    StringTable active_;
    Language language_ = Language::English;
    Settings settings_;
    TQJ QJ1_;
    ColorMarkStore marks_;
    QString dataFolder_;
    OperationMode mode_ = OperationMode::PencilAndPaper;
    bool candidatesOn_ = false;
    bool allowAllUp_ = false;
    bool gameLoaded_ = false;
    StepLog frmstep_;
    Tfrmtile* frmtile_ = nullptr;
    Tfrmda* frmda_ = nullptr;
    TFrmdas* Frmdas_ = nullptr;

    std::vector<QAction*> actions_;
    std::vector<std::pair<std::string, QAction*>> menuItems_; // menus and items, in order
    struct ToolButtonEntry {
        std::string name; // lower case, as the table's keys
        QAction* action;
        bool inMenu; // its text is then the menu item's
    };
    std::vector<ToolButtonEntry> toolButtons_;
    std::vector<std::pair<std::string, QAction*>> languageItems_;
    std::vector<QMenu*> menus_;

    QWidget* client_ = nullptr;
    QToolBar* topBar_ = nullptr;
    QToolBar* bottomBar_ = nullptr;
    QWidget* boardFrame_ = nullptr;
    TPICSD33* sd991_ = nullptr;
    TTimeLabel* TimeLabel1_ = nullptr;
    QLabel* ndtxt_ = nullptr;
    QLabel* WC_Label_ = nullptr;
    QAction* wcLabelAction_ = nullptr;
    QGroupBox* grpshowcandidates_ = nullptr;
    QGroupBox* grpColorPanel_ = nullptr;
    QRadioButton* rb_none_ = nullptr;
    QRadioButton* rb_all_ = nullptr;
    QRadioButton* rb_one_ = nullptr;
    QCheckBox* cbautoupdate_ = nullptr;
    QCheckBox* chkcolor_ = nullptr;
    TColorGrid* colorgrid1_ = nullptr;
    QToolButton* bt_clearcolor_ = nullptr;
    std::array<QToolButton*, 9> disnote_{};
    QButtonGroup* digitGroup_ = nullptr;
    std::array<Tmousepb*, 9> counters_{};
    QStatusBar* sb1_ = nullptr;
};

} // namespace velmar
