// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/commands.h"

namespace velmar {

namespace {

using K = QKeySequence;

// Commands whose windows are not built yet are listed as not ready: they
// show, disabled, so the window already has its final shape.
constexpr std::array<CommandEntry, kCommandCount> kCommands = {{
    {Command::GameList, "btDisplayYourGameList", "mnDisplayYourGameList1", IconId::GameList,
     K::UnknownKey, "Ctrl+L", true},
    {Command::SaveBoard, "btsave", "mnSaveCurrentBoard", IconId::Save, K::Save, "", true},
    {Command::PrintableBoard, "btprintableBoard", "mnPrintableBoard", IconId::Printable, K::Print,
     "", true},
    {Command::Import, "btimport", "mnImportSudoku", IconId::Import, K::UnknownKey, "Ctrl+I", true},
    {Command::PastePuzzle, "", "mnPastePuzzle", IconId::Application, K::Paste, "", true},
    {Command::VeryEasy, "btCreateVeryEasy", "mnVeryEasy", IconId::Level0, K::UnknownKey, "Ctrl+F1",
     true},
    {Command::Gentle, "btCreateGentle", "mnGentle", IconId::Level1, K::UnknownKey, "Ctrl+F2", true},
    {Command::Moderate, "btCreateModerate", "mnModerate", IconId::Level2, K::UnknownKey, "Ctrl+F3",
     true},
    {Command::Tough, "btCreateTough", "mnTough", IconId::Level3, K::UnknownKey, "Ctrl+F4", true},
    {Command::Diabolical, "btCreateDiabolical", "mnDiabolical", IconId::Level4, K::UnknownKey,
     "Ctrl+F5", true},
    {Command::Restart, "btRestart", "", IconId::Restart, K::UnknownKey, "Ctrl+R", true},
    {Command::ShowSolution, "btsolve", "", IconId::Solve, K::UnknownKey, "", true},
    {Command::CopyPuzzle, "btcopy", "mnCopyPuzzleToClipboard", IconId::Copy, K::UnknownKey,
     "Ctrl+Shift+C", true},
    {Command::SavePicture, "btsavepic", "", IconId::SavePicture, K::UnknownKey, "", true},
    {Command::CheckError, "btcheck", "", IconId::Check, K::UnknownKey, "F5", true},
    {Command::ShowHint, "btShowhint", "", IconId::Hint, K::UnknownKey, "H", true},
    {Command::StartBranch, "btStartBranch", "", IconId::StartBranch, K::UnknownKey, "", true},
    {Command::AcceptBranch, "btAccept", "", IconId::Accept, K::UnknownKey, "", true},
    {Command::RejectBranch, "btRejectBranch", "", IconId::Reject, K::UnknownKey, "", true},
    {Command::FirstStep, "btfirst", "", IconId::First, K::UnknownKey, "Ctrl+Home", true},
    {Command::BackStep, "btback", "", IconId::Back, K::Undo, "", true},
    {Command::NextStep, "btnext", "", IconId::Next, K::Redo, "Ctrl+Y", true},
    {Command::LastStep, "btlast", "", IconId::Last, K::UnknownKey, "Ctrl+End", true},
    {Command::PencilMode, "ToolButton1", "", IconId::Pencil, K::UnknownKey, "", true},
    {Command::ContinueGame, "", "mnContinue", IconId::Application, K::UnknownKey, "", true},
    {Command::SaveReplay, "", "savet", IconId::Application, K::UnknownKey, "", true},
    {Command::LoadReplay, "", "mnLoadReplay", IconId::Application, K::UnknownKey, "", true},
    {Command::Appearance, "", "mnAppearance", IconId::Application, K::UnknownKey, "", true},
    {Command::AdvancedTechniques, "", "mnAdvancedTechniques", IconId::Application, K::UnknownKey,
     "", true},
    {Command::ExportTexts, "", "mnexporttexts", IconId::Application, K::UnknownKey, "", true},
    {Command::Contents, "", "mnContent", IconId::Application, K::HelpContents, "", true},
    {Command::About, "", "mnAbout", IconId::Application, K::UnknownKey, "", true},
    {Command::Exit, "", "mnExit", IconId::Application, K::Quit, "", true},
}};

constexpr bool InOrder() {
    for (int i = 0; i < kCommandCount; ++i)
        if (static_cast<int>(kCommands[i].command) != i) return false;
    return true;
}
static_assert(InOrder(), "the table is indexed by Command");

} // namespace

const std::array<CommandEntry, kCommandCount>& CommandTable() {
    return kCommands;
}

int LevelOfCommand(Command command) {
    const int level = static_cast<int>(command) - static_cast<int>(Command::VeryEasy);
    return level >= 0 && level <= 4 ? level : -1;
}

} // namespace velmar
