// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/branch_controller.h"

#include "game/play_session.h"
#include "ui/main_window/main_window.h"

#include <QAction>

namespace velmar {

BranchController::BranchController(TForm1& window, PlaySession& session, QObject* parent)
    : QObject(parent) {
    connect(window.action(Command::StartBranch), &QAction::triggered, this,
            [&session] { session.StartBranch(); });
    connect(window.action(Command::AcceptBranch), &QAction::triggered, this,
            [&session] { session.AcceptBranch(); });
    connect(window.action(Command::RejectBranch), &QAction::triggered, this,
            [&session] { session.RejectBranch(); });
}

} // namespace velmar
