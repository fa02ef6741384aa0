// SPDX-License-Identifier: GPL-3.0-or-later
// TForm1: the main window, a view of one PlaySession. It lays out the
// controls of the classic 593 x 540 window, makes one QAction per command of
// the command table, labels everything from the active string table and
// mirrors what the session reports into its widgets. Input goes through the
// controllers (play, history, checking), each connected to the commands of
// its job.
#pragma once

#include "game/play_session.h"
#include "storage/settings_store.h"
#include "text/export_texts.h"
#include "text/language.h"
#include "text/string_table.h"
#include "ui/main_window/commands.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QRadioButton;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace velmar {

class BranchController;
class CheckController;
class GameFilesController;
class ExportController;
class FileOpener;
class HintController;
class HistoryController;
class ImportController;
class KeyboardController;
class PlayController;
class Prompter;
class PuzzleBank;
class SavedGamesController;
class TColorGrid;
class TFrmdas;
class TPICSD33;
class TTimeLabel;
class TfrmAppearance;
class Tfrmda;
class Tfrmsolover;
class Tfrmtile;
class Tmousepb;

// The title the main window carries.
inline constexpr char kApplicationTitle[] = "Velmar 5.0";

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
    // Called when the step log's entries changed, so a kill loses no move.
    std::function<void()> logChanged;
};

class TForm1 : public QMainWindow, private SessionListener {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 593;
    static constexpr int kClientHeight = 540;

    explicit TForm1(MainWindowServices services = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    PlaySession& session() { return session_; }
    const PlaySession& session() const { return session_; }
    void NewGame(int level) { session_.NewGame(level); }

    // Language.
    void LoadLanguage(Language language);
    void ApplyLanguage();
    void ApplyStandardFont(QWidget* form);
    bool ExportTextsToDataFolder();
    QString LookupText(std::string_view key) const;
    const StringTable& ActiveTable() const { return active_; }
    Language ActiveLanguage() const { return language_; }

    // What the window is made of, for the controllers and for tests.
    QAction* action(Command command) const { return actions_.at(static_cast<size_t>(command)); }
    Prompter& prompter() const { return *prompter_; }
    TPICSD33* board() const { return sd991_; }
    TTimeLabel* clock() const { return TimeLabel1_; }
    QLabel* levelLabel() const { return ndtxt_; }
    QLabel* finishLabel() const { return WC_Label_; }
    bool finishLabelShown() const;
    QRadioButton* modeButton(OperationMode mode) const;
    QCheckBox* autoUpdateBox() const { return cbautoupdate_; }
    QCheckBox* markingBox() const { return chkcolor_; }
    TColorGrid* colorGrid() const { return colorgrid1_; }
    QToolButton* clearMarksButton() const { return bt_clearcolor_; }
    QToolButton* digitButton(int digit) const { return disnote_[digit - 1]; }
    Tmousepb* counter(int digit) const { return counters_[digit - 1]; }
    QStatusBar* statusLine() const { return sb1_; }
    QWidget* client() const { return client_; }
    const Settings& settings() const { return settings_; }
    const QString& dataFolder() const { return dataFolder_; }
    Tfrmtile* tile() const { return frmtile_; }
    Tfrmda* solutionViewer() const { return frmda_; }
    TFrmdas* solutionsViewer() const { return Frmdas_; }
    ExportController* exporter() const { return export_; }
    ImportController* importer() const { return import_; }
    TfrmAppearance* appearanceDialog() const { return frmAppearance_; }
    KeyboardController* keyboard() const { return keyboard_; }
    GameFilesController* gameFiles() const { return gameFiles_; }
    SavedGamesController* savedGames() const { return savedGames_; }
    FileOpener* fileOpener() const { return fileOpener_; }
    Tfrmsolover* hintDialog() const;

    MoveHistoryHook history;

    // The status line tip: a key's text on the tip colour, or cleared.
    void ShowTip(const QString& text);
    void ClearTip() { ShowTip({}); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Start-up.
    void BuildLayout();
    void BuildCommands();
    void BuildMenus();
    void BuildToolBars();
    void MainWindowCreate();
    void ShowContents();
    void ShowAbout();
    void ShowAppearance();

    // The session's reports, mirrored into the widgets.
    void SessionChanged(unsigned changes) override;
    bool AskYesNo(std::string_view titleKey, std::string_view textKey) override;
    void Inform(std::string_view messageKey) override;
    void ClockSet(bool running, bool fromZero) override;
    void TileOpened(int row, int col) override;
    void TileClosed() override;
    void MirrorCommands();
    void RefreshLevelLabel();
    MainWindowTexts CurrentTexts() const;

    MainWindowServices services_;
    std::unique_ptr<Prompter> ownPrompter_;
    std::unique_ptr<SettingsBackend> ownSettings_;
    Prompter* prompter_ = nullptr;
    SettingsBackend* store_ = nullptr;

    StringTable active_;
    Language language_ = Language::English;
    Settings settings_;
    PlaySession session_;
    QString dataFolder_;
    Tfrmtile* frmtile_ = nullptr;
    Tfrmda* frmda_ = nullptr;
    TFrmdas* Frmdas_ = nullptr;
    TfrmAppearance* frmAppearance_ = nullptr;
    PlayController* play_ = nullptr;
    HistoryController* historyControl_ = nullptr;
    CheckController* check_ = nullptr;
    ExportController* export_ = nullptr;
    ImportController* import_ = nullptr;
    KeyboardController* keyboard_ = nullptr;
    GameFilesController* gameFiles_ = nullptr;
    SavedGamesController* savedGames_ = nullptr;
    FileOpener* fileOpener_ = nullptr;
    HintController* hints_ = nullptr;
    BranchController* branches_ = nullptr;

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
    std::array<Tmousepb*, 9> counters_{};
    QStatusBar* sb1_ = nullptr;
};

} // namespace velmar
