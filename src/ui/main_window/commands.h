// SPDX-License-Identifier: GPL-3.0-or-later
// Every command of the main window in one table: the tool button and menu
// item that share it (by component name, which is also the key of its texts),
// its icon, its shortcut and whether it works yet.
#pragma once

#include "ui/main_window/painted_icons.h"

#include <QKeySequence>

#include <array>
#include <string_view>

namespace velmar {

enum class Command {
    GameList,
    SaveBoard,
    PrintableBoard,
    Import,
    PastePuzzle,
    VeryEasy,
    Gentle,
    Moderate,
    Tough,
    Diabolical,
    Restart,
    ShowSolution,
    CopyPuzzle,
    SavePicture,
    CheckError,
    ShowHint,
    StartBranch,
    AcceptBranch,
    RejectBranch,
    FirstStep,
    BackStep,
    NextStep,
    LastStep,
    PencilMode,
    ContinueGame,
    SaveReplay,
    LoadReplay,
    Appearance,
    AdvancedTechniques,
    ExportTexts,
    Contents,
    About,
    Exit,
    Count
};

struct CommandEntry {
    Command command;
    std::string_view button;               // tool button name, empty when only in a menu
    std::string_view menu;                 // menu item name, empty when only a tool button
    IconId icon;                           // of the tool button; menu-only commands show none
    QKeySequence::StandardKey standardKey; // QKeySequence::UnknownKey for none
    std::string_view shortcut;             // portable text form, empty for none
    bool ready;                            // false: present, disabled, wired to nothing yet
};

inline constexpr int kCommandCount = static_cast<int>(Command::Count);

const std::array<CommandEntry, kCommandCount>& CommandTable();

// The level a new-game command deals, or -1.
int LevelOfCommand(Command command);

} // namespace velmar
